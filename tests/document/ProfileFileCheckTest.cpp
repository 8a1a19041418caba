// The check run before a profile file is opened or a template is used: the
// frequencies, the profile itself, its region and its codeplug version.

#include "ProductFixture.h"

#include "base/StringTable.h"
#include "base/VelaException.h"
#include "document/ProfileFileCheck.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <functional>

namespace {

// A list of texts, one a line, for comparisons that print well.
std::string lines(const QStringList &texts)
{
    return texts.join(QLatin1Char('\n')).toStdString();
}

const QString kRegionSentence = QStringLiteral("The CPS does not support this profile's region.");
const QString kIncompatible
    = QStringLiteral("Codeplug version of CPS and profile are incompatible! Please update your CPS.");

class ProfileFileCheckTest : public ProductFixture {
protected:
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = tempPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    bool check(const QString &path, const CSettingsDocuments &settings)
    {
        m_reporter.messages.clear();
        return ProfileFileCheck::CheckProfileFile(path, settings);
    }
    bool checkText(const QString &text)
    {
        return check(writeFile("profile.kv9", text.toUtf8()), m_context.settings());
    }

    // A UHF template with another model code, region or codeplug version.
    QString profileWith(const char *attribute, const QString &value)
    {
        return setAttributeIn(templateText("KUR40800"), "factory_setting", attribute, value);
    }
};

// A copy of the install's settings documents, hook script and schema in a
// folder of its own, with Region.stv changed by edit, and the configuration
// pointing at it for the life of the object.
class VariantInstall {
public:
    VariantInstall(const QString &root, const std::function<QString(QString)> &editRegion)
    {
        QDir(root).mkpath(QStringLiteral("lib"));
        QDir(root).mkpath(QStringLiteral("profiletemplate"));
        for (const QString &name :
            QDir(dataPath(QStringLiteral("lib"))).entryList({ QStringLiteral("*.stv") }, QDir::Files))
            copy(root, QStringLiteral("lib/") + name);
        copy(root, QStringLiteral("profiletemplate/DataProfile.js"));
        copy(root, QStringLiteral("profiletemplate/DataProfile.xsd"));
        QFile region(QDir(root).filePath(QStringLiteral("lib/Region.stv")));
        EXPECT_TRUE(region.open(QIODevice::WriteOnly | QIODevice::Truncate));
        region.write(editRegion(dataFileText(QStringLiteral("lib/Region.stv"))).toUtf8());
        region.close();
        m_config = std::make_unique<ScopedConfig>(root);
    }

private:
    static void copy(const QString &root, const QString &relativePath)
    {
        EXPECT_TRUE(QFile::copy(dataPath(relativePath), QDir(root).filePath(relativePath)))
            << relativePath.toStdString();
    }
    std::unique_ptr<ScopedConfig> m_config;
};

TEST_F(ProfileFileCheckTest, EveryTemplateMayBeOpened)
{
    const QStringList templates = QDir(dataPath(QStringLiteral("profiletemplate")))
                                      .entryList({ QStringLiteral("*.kv9") }, QDir::Files);
    ASSERT_FALSE(templates.isEmpty());
    for (const QString &name : templates) {
        EXPECT_TRUE(check(dataPath(QStringLiteral("profiletemplate/") + name), m_context.settings()))
            << name.toStdString();
        EXPECT_TRUE(m_reporter.messages.isEmpty()) << qPrintable(m_reporter.messages.join("\n"));
    }
}

TEST_F(ProfileFileCheckTest, MursFrequencyIsRefusedBeforeAnythingElse)
{
    const QString murs = setAttributeIn(templateText("KXR40400"), "frequency", "freq", "154570000");
    EXPECT_FALSE(checkText(murs));
    EXPECT_EQ(lines(m_reporter.messages), lines({ "Invalid Frequency." }));

    // Checked before the region: only the frequency message is shown.
    EXPECT_FALSE(checkText(setAttributeIn(murs, "factory_setting", "model", "KXR40410")));
    EXPECT_EQ(lines(m_reporter.messages), lines({ "Invalid Frequency." }));

    // Only the exact MURS values count.
    EXPECT_TRUE(checkText(setAttributeIn(templateText("KXR40400"), "frequency", "freq", "154570001")));
    EXPECT_TRUE(m_reporter.messages.isEmpty()) << qPrintable(m_reporter.messages.join("\n"));
}

TEST_F(ProfileFileCheckTest, FileThatCannotBeReadIsRefusedWithTheReason)
{
    const struct {
        QString path;
        QString why;
    } cases[] = {
        { tempPath("missing.kv9"), QStringLiteral("No such file or directory") },
        // UTF-16 with an odd number of bytes: a damaged file, not a profile.
        { writeFile("odd.kv9", QByteArray("\xFF\xFE<\0?", 5)),
            QStringLiteral("Damaged: UTF-16 text of an odd number of bytes") },
        { m_temp.path(), QStringLiteral("Not a regular file") },
    };
    for (const auto &unreadable : cases) {
        EXPECT_FALSE(check(unreadable.path, m_context.settings()));
        EXPECT_EQ(lines(m_reporter.messages),
            lines({ QStringLiteral("The file \"%1\" cannot be opened: %2.")
                        .arg(unreadable.path, unreadable.why) }));
    }
}

// Values the schema allows but no editor offers, and switches written as
// numbers other than "0" and "1", never reach a radio.
TEST_F(ProfileFileCheckTest, ValuesNoEditorCanSetAreRefused)
{
    const QString invalid = StringTable::text(VelaError::InvalidProfile);
    const auto unsettable = [](const char *attribute, const char *value, const char *allowed) {
        return QStringLiteral("The profile holds a value the CPS cannot set: %1 is \"%2\", where %3 may be "
                              "chosen. Please correct the file.")
            .arg(QLatin1String(attribute), QLatin1String(value), QLatin1String(allowed));
    };
    const struct {
        const char *element, *attribute, *value;
        QString message; // empty: may be opened
    } cases[] = {
        { "setting", "keypadBeep", "01", invalid },
        { "channel", "autoScan", " 1", invalid },
        { "setting", "keypadBeep", "1", {} },
        { "setting", "timeoutTimer", "255", unsettable("timeoutTimer", "255", "60, 120, 180") },
        { "setting", "timeoutTimer", "180", {} },
        { "preset", "channel", "99", unsettable("channel", "99", "0-7") },
        { "preset", "channel", "7", {} },
        { "setting", "numberChannels", "0", unsettable("numberChannels", "0", "1-127") },
        { "channel", "scramble_code", "255", unsettable("scramble_code", "255", "0-3") },
        { "channel", "scramble_code", "3", {} },
    };
    for (const auto &value : cases) {
        const QString text
            = setAttributeIn(templateText("KUR40800"), value.element, value.attribute, value.value);
        EXPECT_EQ(checkText(text), value.message.isEmpty()) << value.attribute << "=" << value.value;
        EXPECT_EQ(lines(m_reporter.messages),
            lines(value.message.isEmpty() ? QStringList() : QStringList { value.message }));
    }
}

TEST_F(ProfileFileCheckTest, ProfileThatDoesNotLoadShowsTheTextOfItsCode)
{
    const QString invalid = StringTable::text(VelaError::InvalidProfile);
    EXPECT_FALSE(checkText(setAttributeIn(templateText("KUR40800"), "channel", "rx_code", "999")));
    EXPECT_EQ(lines(m_reporter.messages), lines({ invalid }));

    // Well-formed, free of MURS frequencies, but not a profile.
    EXPECT_FALSE(checkText(QStringLiteral("<?xml version=\"1.0\"?><Other/>")));
    EXPECT_EQ(lines(m_reporter.messages), lines({ invalid }));

    // Not XML at all: said to be an invalid profile, not an invalid frequency.
    EXPECT_FALSE(checkText(QStringLiteral("hello")));
    EXPECT_EQ(lines(m_reporter.messages), lines({ invalid }));
}

TEST_F(ProfileFileCheckTest, UnsupportedRegionNamesTheProductToUseWhenKnown)
{
    // Region 10 has no entry in the region table; region 20 has one.
    EXPECT_FALSE(checkText(profileWith("model", "KUR40810")));
    EXPECT_EQ(lines(m_reporter.messages), lines({ kRegionSentence }));

    EXPECT_FALSE(checkText(profileWith("model", "KUR40820")));
    EXPECT_EQ(lines(m_reporter.messages),
        lines({ kRegionSentence + " Please use the \"KVX Series Distributor CPS (Europe)\"." }));

    // The region is checked before the codeplug version.
    QString both
        = setAttributeIn(profileWith("model", "KUR40830"), "factory_setting", "codeplug_version", "9");
    EXPECT_FALSE(checkText(both));
    EXPECT_EQ(lines(m_reporter.messages),
        lines({ kRegionSentence + " Please use the \"KVX Series Distributor CPS (Asia Pacific)\"." }));

    // The message looks the region up by its number.
    m_reporter.messages.clear();
    ProfileFileCheck::ShowRegionMessage(m_context.settings(), 4);
    ProfileFileCheck::ShowRegionMessage(m_context.settings(), 99);
    EXPECT_EQ(lines(m_reporter.messages),
        lines({ kRegionSentence + " Please use the \"KVX Series Distributor CPS (North America)\".",
            kRegionSentence }));
}

TEST_F(ProfileFileCheckTest, NewerCodeplugVersionIsIncompatibleUnlessDevelopment)
{
    const int newest = m_context.settings().codeplugVersion();
    ASSERT_GE(newest, 1);
    const QString newer = profileWith("codeplug_version", QString::number(newest + 1));
    EXPECT_FALSE(checkText(newer));
    EXPECT_EQ(lines(m_reporter.messages), lines({ kIncompatible }));

    // A development codeplug passes whatever its version.
    EXPECT_TRUE(checkText(setAttributeIn(newer, "factory_setting", "codeplug_phase", "D")));
    EXPECT_TRUE(m_reporter.messages.isEmpty()) << qPrintable(m_reporter.messages.join("\n"));

    EXPECT_TRUE(checkText(profileWith("codeplug_version", QString::number(newest))));
    EXPECT_TRUE(checkText(profileWith("codeplug_version", "1")));
    EXPECT_TRUE(m_reporter.messages.isEmpty()) << qPrintable(m_reporter.messages.join("\n"));
}

TEST_F(ProfileFileCheckTest, WithoutAStatedCodeplugVersionOnlyVersionOneIsCompatible)
{
    VariantInstall install(tempPath("install"), [](QString region) {
        const QRegularExpression statement(QStringLiteral("<CPVersion>[^<]*</CPVersion>"));
        EXPECT_TRUE(region.contains(statement));
        return region.remove(statement);
    });
    CSettingsDocuments settings;
    ASSERT_TRUE(settings.load()) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(settings.codeplugVersion(), 1);

    EXPECT_TRUE(ProfileFileCheck::CodeplugVersionRule(settings, QLatin1Char('R'), 1));
    EXPECT_FALSE(ProfileFileCheck::CodeplugVersionRule(settings, QLatin1Char('R'), 2));
    EXPECT_FALSE(ProfileFileCheck::CodeplugVersionRule(settings, QLatin1Char('R'), 3));
    EXPECT_TRUE(ProfileFileCheck::CodeplugVersionRule(settings, QLatin1Char('D'), 3));
    EXPECT_TRUE(ProfileFileCheck::CodeplugVersionRule(settings, QLatin1Char('D'), 255));

    // A template of the newest version is refused by such an install.
    EXPECT_FALSE(check(dataPath(QStringLiteral("profiletemplate/KUR40800.kv9")), settings));
    EXPECT_EQ(lines(m_reporter.messages), lines({ kIncompatible }));
    EXPECT_TRUE(check(writeFile("old.kv9", profileWith("codeplug_version", "1").toUtf8()), settings));
}

TEST_F(ProfileFileCheckTest, CodeplugVersionRuleFollowsTheProductsVersion)
{
    const CSettingsDocuments &settings = m_context.settings();
    const int newest = settings.codeplugVersion();
    EXPECT_TRUE(ProfileFileCheck::CodeplugVersionRule(settings, QLatin1Char('R'), newest));
    EXPECT_TRUE(ProfileFileCheck::CodeplugVersionRule(settings, QLatin1Char('R'), 0));
    EXPECT_FALSE(ProfileFileCheck::CodeplugVersionRule(settings, QLatin1Char('R'), newest + 1));
    EXPECT_TRUE(ProfileFileCheck::CodeplugVersionRule(settings, QLatin1Char('D'), newest + 1));
}

} // namespace
