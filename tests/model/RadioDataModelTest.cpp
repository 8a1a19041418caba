#include "ModelFixture.h"

#include "base/TextFile.h"
#include "base/VelaException.h"
#include "model/RadioDataModel.h"

namespace {

class RadioDataModelTest : public ModelFixture {
protected:
    // The code LoadProfile raised (0: none), keeping the detail.
    int loadCode(const QString &source, bool isFile)
    {
        try {
            m_result = m_model.LoadProfile(source, isFile);
        } catch (const CVelaCPSException &exception) {
            m_detail = exception.detail();
            m_result = false;
            return exception.code();
        }
        return 0;
    }
    QString profileWith(const char *from, const char *to)
    {
        return QString::fromUtf8(kProfile).replace(QLatin1String(from), QLatin1String(to));
    }

    CRadioDataModel m_model;
    QString m_detail;
    bool m_result = false;
};

const QString kMissingFiles
    = QStringLiteral("Some files needed by CPS are not available.\nPlease reinstall CPS.");

TEST_F(RadioDataModelTest, LoadsAValidProfileText)
{
    ASSERT_EQ(loadCode(QString::fromUtf8(kProfile), false), 0) << qPrintable(m_detail);
    EXPECT_TRUE(m_result);
    EXPECT_EQ(m_model.rootItem().name(), "VelaProfile");
    EXPECT_EQ(m_model.codeplugVersion(), 3);
    // White space between elements is not kept: children are elements only.
    EXPECT_EQ(m_model.rootItem().GetChildCount(), 5);
    EXPECT_TRUE(m_reporter.messages.isEmpty());
}

TEST_F(RadioDataModelTest, SchemaViolationPointsAtTheOffendingAttribute)
{
    const QString text = profileWith("rx_code=\"9\"", "rx_code=\"999\"");
    EXPECT_EQ(loadCode(text, false), 135);
    EXPECT_TRUE(m_detail.startsWith("Profile Loading Error.\r\nFile: <?xml")) << qPrintable(m_detail);
    // Line and position are those of the text validated (after the version
    // rules), and the source line shown is that text's line.
    const int line = m_detail.section("Line: ", 1).section(",", 0, 0).toInt();
    const int pos = m_detail.section("Pos: ", 1).section("\r\n", 0, 0).toInt();
    const QString source = m_detail.section("SRC: ", 1).section("\n(", 0, 0);
    EXPECT_GT(line, 1);
    ASSERT_GT(pos, 0) << qPrintable(m_detail);
    EXPECT_EQ(source.mid(pos - 1, 13), "rx_code=\"999\"") << qPrintable(m_detail);
}

TEST_F(RadioDataModelTest, TextThatIsNotXmlFailsBeforeValidation)
{
    EXPECT_EQ(loadCode(QStringLiteral("<VelaProfile><limit"), false), 135);
    EXPECT_TRUE(m_detail.startsWith("File='<VelaProfile><limit'\nDesc: ")) << qPrintable(m_detail);
    EXPECT_EQ(loadCode(QString(), false), 135);
    EXPECT_EQ(loadCode(QStringLiteral("just text"), false), 135);
}

TEST_F(RadioDataModelTest, MissingFileFailsWithEmptyReason)
{
    EXPECT_EQ(loadCode(m_install.filePath("absent.kv9"), true), 135);
    EXPECT_TRUE(m_detail.contains("\r\nDesc: \r\n")) << qPrintable(m_detail);
}

TEST_F(RadioDataModelTest, DamagedFilesGiveTheCodedErrorOnly)
{
    const QByteArray good = EncodeProfileFile(QString::fromUtf8(kProfile));
    const QList<QByteArray> damaged = {
        QByteArray(), // empty
        good.left(good.size() / 2), // truncated
        good + QByteArray(1, 'x'), // UTF-16 with odd length
        QByteArray("\xFF\xFE", 2), // only the byte-order mark
        QByteArray(300000, '<'), // large and not XML
        QByteArray(
            "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><x>&e;</x>"),
    };
    for (const QByteArray &bytes : damaged) {
        const QString path = writeTempFile(QStringLiteral("damaged.kv9"), bytes);
        EXPECT_EQ(loadCode(path, true), 135) << bytes.left(40).toHex().constData();
        EXPECT_FALSE(m_result);
    }
    EXPECT_TRUE(m_reporter.messages.isEmpty());
}

TEST_F(RadioDataModelTest, ScrambledAndPlainFilesLoadAlike)
{
    const QString scrambled
        = writeTempFile(QStringLiteral("scrambled.kv9"), EncodeProfileFile(QString::fromUtf8(kProfile)));
    ASSERT_EQ(loadCode(scrambled, true), 0);
    const QString first = m_model.mainDocument().xml();
    const QString plain = writeTempFile(QStringLiteral("plain.kv9"), QByteArray(kProfile));
    ASSERT_EQ(loadCode(plain, true), 0);
    EXPECT_EQ(m_model.mainDocument().xml(), first);
}

TEST_F(RadioDataModelTest, ASecondLoadReusesTheScriptButReadsTheSchemaAgain)
{
    ASSERT_EQ(loadCode(QString::fromUtf8(kProfile), false), 0);
    QFile::remove(m_install.filePath("profiletemplate/DataProfile.js"));
    ASSERT_EQ(loadCode(QString::fromUtf8(kProfile), false), 0);
    EXPECT_TRUE(m_result);

    QFile::remove(m_install.filePath("profiletemplate/DataProfile.xsd"));
    EXPECT_EQ(loadCode(QString::fromUtf8(kProfile), false), 0);
    EXPECT_FALSE(m_result);
    EXPECT_EQ(m_reporter.messages, QStringList { kMissingFiles });
}

TEST_F(RadioDataModelTest, MissingOrEmptyScriptStopsTheLoadWithTheReinstallMessage)
{
    writeInstallFile(QStringLiteral("DataProfile.js"), QString());
    EXPECT_EQ(loadCode(QString::fromUtf8(kProfile), false), 0);
    EXPECT_FALSE(m_result);
    EXPECT_EQ(m_reporter.messages, QStringList { kMissingFiles });
}

TEST_F(RadioDataModelTest, ScriptThatDoesNotParseIsAScriptEngineError)
{
    writeInstallFile(QStringLiteral("DataProfile.js"), QStringLiteral("function broken( {\n"));
    EXPECT_EQ(loadCode(QString::fromUtf8(kProfile), false), 137);
    ASSERT_EQ(m_reporter.messages.size(), 1);
    EXPECT_TRUE(m_reporter.messages[0].startsWith("IActiveScriptSite::OnScriptError()\nLine: 1\n"));
}

TEST_F(RadioDataModelTest, SchemaThatIsNotASchemaFailsTheLoad)
{
    writeInstallFile(QStringLiteral("DataProfile.xsd"), QStringLiteral("<notASchema/>"));
    EXPECT_EQ(loadCode(QString::fromUtf8(kProfile), false), 136);
    writeInstallFile(QStringLiteral("DataProfile.xsd"), QStringLiteral("<xs:schema"));
    EXPECT_EQ(loadCode(QString::fromUtf8(kProfile), false), 136);
}

TEST_F(RadioDataModelTest, TakeOffDocCopiesTheMainDocument)
{
    ASSERT_EQ(loadCode(QString::fromUtf8(kProfile), false), 0);
    m_model.rootItem().StampSubRegion();
    m_model.TakeOffDoc();
    const XmlNode factory = m_model.workingDocument().selectSingleNode("//dfns:factory_setting");
    EXPECT_EQ(factory.attributeOr("sub_region"), "2");
}

} // namespace
