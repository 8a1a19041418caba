#include "settings/SettingsDocuments.h"

#include "base/ConfigStore.h"
#include "base/VelaException.h"

#include "RecordingReporter.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kReinstall
    = QStringLiteral("Some files needed by CPS are not available.\nPlease reinstall CPS.");

QString inProfileNamespace(const QString &root, const QString &content, const QString &attributes = QString())
{
    return QStringLiteral(
        "<?xml version=\"1.0\"?><%1 xmlns=\"http://schemas.halvern.com/vela/profile\"%2>%3</%1>")
        .arg(root, attributes.isEmpty() ? QString() : QStringLiteral(" ") + attributes, content);
}

// A small install directory with the five settings documents, the hook
// script and the schema, and a configuration pointing at it.
class SettingsInstall : public ::testing::Test {
protected:
    SettingsInstall()
        : config(install.path())
    {
        write("lib/VisibleSetting.stv",
            inProfileNamespace("VisibleSetting",
                "<EU><ChannelView><rx_freq/><!-- note --><tx_freq/></ChannelView></EU>"
                "<US><ChannelView><only_us/></ChannelView></US>"));
        write("lib/ButtonList.stv", inProfileNamespace("ButtonList", "<button name=\"Monitor\"/>"));
        writeRegion(inProfileNamespace("Region", "<ProductVersion value=\"R02.01\"/>", "name=\"EU\""));
        write("lib/HelpPanMap.stv",
            inProfileNamespace("HelpPanMap",
                "<ChannelView><map id=\"1001\" pageName=\"Channel Name\"/>"
                "<map id=\"1002\"/></ChannelView>"));
        write("lib/UpDownGradeSetting.stv", inProfileNamespace("UpDownGradeSetting", "<EU/>"));
        write("profiletemplate/DataProfile.js", "// hooks");
        write("profiletemplate/DataProfile.xsd", "<schema/>");
    }

    void write(const QString &relativePath, const QString &text)
    {
        const QString path = install.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    void writeRegion(const QString &text) { write("lib/Region.stv", text); }

    // Loads a region document with the given content under the root.
    void loadRegion(const QString &content)
    {
        writeRegion(inProfileNamespace("Region", content, "name=\"EU\""));
        ASSERT_TRUE(documents.load());
    }

    QTemporaryDir install;
    ScopedConfig config;
    RecordingReporter reporter;
    CSettingsDocuments documents;
};

} // namespace

TEST_F(SettingsInstall, LoadsTheFiveDocumentsAndHoldsTheRegionName)
{
    ASSERT_TRUE(documents.load());
    EXPECT_TRUE(reporter.messages.isEmpty());
    EXPECT_TRUE(documents.isLoaded());
    EXPECT_EQ(documents.regionName(), "EU");
    EXPECT_EQ(documents.visibleSettingDocument().documentElement().localName(), "VisibleSetting");
    EXPECT_EQ(documents.buttonListDocument().documentElement().localName(), "ButtonList");
    EXPECT_EQ(documents.regionDocument().documentElement().localName(), "Region");
    EXPECT_EQ(documents.helpPageMapDocument().documentElement().localName(), "HelpPanMap");
    EXPECT_EQ(documents.upDownGradeDocument().documentElement().localName(), "UpDownGradeSetting");
    // Every document answers dfns queries.
    EXPECT_FALSE(documents.buttonListDocument().selectSingleNode("//dfns:button").isNull());
}

TEST_F(SettingsInstall, EachMissingDocumentStopsTheLoadWithOneMessage)
{
    for (const char *name : { "VisibleSetting.stv", "ButtonList.stv", "Region.stv", "HelpPanMap.stv",
             "UpDownGradeSetting.stv" }) {
        const QString path = install.filePath(QStringLiteral("lib/") + name);
        const QString aside = path + ".aside";
        ASSERT_TRUE(QFile::rename(path, aside));
        reporter.messages.clear();
        EXPECT_FALSE(documents.load()) << name;
        EXPECT_FALSE(documents.isLoaded());
        EXPECT_EQ(reporter.messages, QStringList { kReinstall }) << name;
        ASSERT_TRUE(QFile::rename(aside, path));
    }
}

TEST_F(SettingsInstall, LoadingStopsAtTheFirstBadDocument)
{
    write("lib/ButtonList.stv", "this is not XML");
    write("lib/HelpPanMap.stv", "");
    QFile::remove(install.filePath("profiletemplate/DataProfile.xsd"));
    EXPECT_FALSE(documents.load());
    EXPECT_EQ(reporter.messages, QStringList { kReinstall });
}

TEST_F(SettingsInstall, EmptyOrUnparsableDocumentIsRefused)
{
    for (const QString &text : { QString(),
             QStringLiteral(
                 "<?xml version=\"1.0\"?><Region xmlns=\"http://schemas.halvern.com/vela/profile\">"),
             QStringLiteral("plain text") }) {
        writeRegion(text);
        reporter.messages.clear();
        EXPECT_FALSE(documents.load()) << text.toStdString();
        EXPECT_EQ(reporter.messages, QStringList { kReinstall });
    }
}

TEST_F(SettingsInstall, HookScriptAndSchemaMustExist)
{
    for (const char *name : { "DataProfile.js", "DataProfile.xsd" }) {
        const QString path = install.filePath(QStringLiteral("profiletemplate/") + name);
        ASSERT_TRUE(QFile::rename(path, path + ".aside"));
        reporter.messages.clear();
        EXPECT_FALSE(documents.load()) << name;
        EXPECT_EQ(reporter.messages, QStringList { kReinstall });
        // A folder of that name is not the file.
        ASSERT_TRUE(QDir().mkdir(path));
        EXPECT_FALSE(documents.load()) << name;
        ASSERT_TRUE(QDir().rmdir(path));
        ASSERT_TRUE(QFile::rename(path + ".aside", path));
    }
    EXPECT_TRUE(documents.load());
}

TEST_F(SettingsInstall, LoadSettingDocReadsFromLibOrReport)
{
    write("Report/Handout.xsl",
        "<?xml version=\"1.0\"?><xsl:stylesheet xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
        "version=\"1.0\"/>");
    const std::optional<XmlDocument> sheet = LoadSettingDoc("Handout.xsl", SettingFolder::Report);
    ASSERT_TRUE(sheet.has_value());
    EXPECT_EQ(sheet->documentElement().localName(), "stylesheet");
    EXPECT_TRUE(reporter.messages.isEmpty());

    EXPECT_FALSE(LoadSettingDoc("Handout.xsl", SettingFolder::Lib).has_value());
    EXPECT_FALSE(LoadSettingDoc("Region.stv", SettingFolder::Report).has_value());
    EXPECT_EQ(reporter.messages, (QStringList { kReinstall, kReinstall }));
}

TEST(SettingsDocuments, NothingLoadsWithoutAnInstallPath)
{
    ScopedConfig config(QString(), false);
    RecordingReporter reporter;
    CSettingsDocuments documents;
    EXPECT_FALSE(LoadSettingDoc("Region.stv", SettingFolder::Lib).has_value());
    EXPECT_FALSE(documents.load());
    EXPECT_EQ(reporter.messages, (QStringList { kReinstall, kReinstall }));
}

TEST(SettingsDocuments, QueriesOnDocumentsNeverLoadedAreTheCallersError)
{
    const CSettingsDocuments documents;
    EXPECT_THROW(documents.productVersion(), CVelaCPSException);
    EXPECT_THROW(documents.supportedLanguages(), CVelaCPSException);
    EXPECT_THROW(documents.readRegionNameTable(), CVelaCPSException);
    EXPECT_THROW(documents.visibleSettings("ChannelView"), CVelaCPSException);
    QString page;
    EXPECT_THROW(documents.helpPage("ChannelView", "1001", page), CVelaCPSException);
}

TEST_F(SettingsInstall, RegionNameAndProductVersion)
{
    ASSERT_TRUE(documents.load());
    EXPECT_EQ(documents.productVersion(), "R02.01");

    writeRegion(inProfileNamespace("Region", "<!-- no version -->"));
    ASSERT_TRUE(documents.load());
    EXPECT_TRUE(documents.regionName().isEmpty());
    EXPECT_TRUE(documents.productVersion().isEmpty());
    // Without a region name no visible settings can be found.
    EXPECT_TRUE(documents.visibleSettings("ChannelView").isEmpty());
}

TEST_F(SettingsInstall, SupportedRegionsAreComparedAsTexts)
{
    loadRegion("<Support><Code num=\"04\"/><!-- <Code num=\"99\"/> --><Code num=\"70\"/><Code/></Support>");
    EXPECT_EQ(documents.supportedRegions(), (QStringList { "04", "70" }));
    EXPECT_TRUE(documents.isSupportedRegion("04"));
    EXPECT_TRUE(documents.isSupportedRegion("70"));
    EXPECT_FALSE(documents.isSupportedRegion("4"));
    EXPECT_FALSE(documents.isSupportedRegion("99"));
    EXPECT_FALSE(documents.isSupportedRegion(""));
}

TEST_F(SettingsInstall, CodeplugVersion)
{
    loadRegion("<CPVersion> 3 </CPVersion><CPVersion>7</CPVersion>");
    EXPECT_EQ(documents.codeplugVersion(), 3);

    loadRegion("<ProductVersion value=\"1\"/>");
    EXPECT_EQ(documents.codeplugVersion(), 1);

    loadRegion("<CPVersion>three</CPVersion>");
    EXPECT_THROW(documents.codeplugVersion(), CVelaCPSException);
}

TEST_F(SettingsInstall, RegionNameTableIsBuiltAtLoad)
{
    loadRegion("<ModelRegions><ModelRegion code=\"4\" name=\"North America\"/><!-- comment -->"
               "<ModelRegion code=\"x7\" name=\"Unnumbered\"/><ModelRegion code=\"20\" name=\"Europe\"/>"
               "</ModelRegions>");
    const QMap<int, QString> expected { { 4, "North America" }, { 0, "Unnumbered" }, { 20, "Europe" } };
    EXPECT_EQ(documents.regionNames(), expected);
    EXPECT_EQ(documents.readRegionNameTable(), expected);
}

TEST_F(SettingsInstall, SupportedLanguagesAndTheirDisplayNames)
{
    loadRegion("<SupportLanguages><language name=\"English\" displayName=\"English\"/>"
               "<!-- <language name=\"Klingon\" displayName=\"Klingon\"/> -->"
               "<language name=\"CaFrench\" displayName=\"Canada French\"/>"
               "<language name=\"German\"/><language name=\"Dutch\" displayName=\"\"/></SupportLanguages>");
    EXPECT_EQ(documents.supportedLanguages(), (QStringList { "English", "CaFrench", "German", "Dutch" }));
    EXPECT_EQ(documents.languageDisplayName("CaFrench"), "Canada French");
    EXPECT_EQ(documents.languageDisplayName("German"), " ");
    EXPECT_EQ(documents.languageDisplayName("Dutch"), " ");
    EXPECT_EQ(documents.languageDisplayName("Klingon"), " ");
    EXPECT_EQ(documents.languageDisplayName("English' or @name='CaFrench"), " ");
}

TEST_F(SettingsInstall, VisibleSettingsOfTheProductRegion)
{
    ASSERT_TRUE(documents.load());
    const QList<XmlNode> children = documents.visibleSettings("ChannelView");
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[0].localName(), "rx_freq");
    EXPECT_EQ(children[1].localName(), "tx_freq");
    EXPECT_TRUE(documents.visibleSettings("ScanView").isEmpty());
    EXPECT_TRUE(documents.visibleSettings("Channel View").isEmpty());
    EXPECT_TRUE(documents.visibleSettings("").isEmpty());
}

TEST_F(SettingsInstall, HelpPageOfAControl)
{
    ASSERT_TRUE(documents.load());
    QString page = "unchanged";
    EXPECT_TRUE(documents.helpPage("ChannelView", "1001", page));
    EXPECT_EQ(page, "Channel Name");

    page = "unchanged";
    EXPECT_FALSE(documents.helpPage("ChannelView", "1003", page));
    EXPECT_FALSE(documents.helpPage("ChannelView", "1002", page));
    EXPECT_FALSE(documents.helpPage("ScanView", "1001", page));
    EXPECT_FALSE(documents.helpPage("ChannelView", "1001' or '1'='1", page));
    EXPECT_FALSE(documents.helpPage("Channel[1]", "1001", page));
    EXPECT_EQ(page, "unchanged");
}

TEST(SettingsDocuments, ShippedInstallLoadsAndConfiguresEveryOfferedLanguage)
{
    ScopedConfig config;
    RecordingReporter reporter;
    CSettingsDocuments documents;
    ASSERT_TRUE(documents.load());
    EXPECT_TRUE(reporter.messages.isEmpty());
    EXPECT_FALSE(documents.regionName().isEmpty());
    EXPECT_FALSE(documents.regionNames().isEmpty());
    EXPECT_GE(documents.codeplugVersion(), 1);
    const QStringList languages = documents.supportedLanguages();
    EXPECT_TRUE(languages.contains("English"));
    for (const QString &language : languages) {
        EXPECT_NE(documents.languageDisplayName(language), " ") << language.toStdString();
        EXPECT_FALSE(CConfigStore::helpFilePath(language).isEmpty()) << language.toStdString();
    }
}
