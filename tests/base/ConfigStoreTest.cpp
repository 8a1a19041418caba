#include "base/ConfigStore.h"

#include "RecordingReporter.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kFatal = QStringLiteral("Fatal settings error, the application will be closed!");

void setMachine(const ScopedConfig &config, const QString &key, const QVariant &value)
{
    QSettings machine(config.machineFile(), QSettings::IniFormat);
    machine.setValue(key, value);
}

void removeMachine(const ScopedConfig &config, const QString &key)
{
    QSettings machine(config.machineFile(), QSettings::IniFormat);
    machine.remove(key);
}

QVariant userValue(const ScopedConfig &config, const QString &key)
{
    return QSettings(config.userFile(), QSettings::IniFormat).value(key);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets an environment variable for one scope, restoring it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name)
        , m_old(qgetenv(name))
        , m_wasSet(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_old;
    bool m_wasSet;
};

} // namespace

TEST(RegistryPrepare, FirstRunCopiesTheMachineDefaults)
{
    ScopedConfig config;
    setMachine(config, "DefaultLanguage", "German");
    setMachine(config, "Language/German/DealerInfoLeft",
        QStringList { "Radio House", "1 Quay Street, Dock 4", "Harbourtown" });
    setMachine(config, "Language/German/DealerInfoMiddle", QStringList { "Open daily" });
    setMachine(config, "Language/German/DealerInfoRight", QStringList { "Tel 0100", "", "Fax 0101" });
    RecordingReporter reporter;

    ASSERT_TRUE(CConfigStore::prepare());

    EXPECT_TRUE(reporter.messages.isEmpty());
    EXPECT_TRUE(QFile::exists(config.userFile()));
    EXPECT_EQ(CConfigStore::currentLanguage(), "German");
    EXPECT_EQ(CConfigStore::contextHelpSwitch(), 1);
    EXPECT_TRUE(CConfigStore::contextHelpShown());
    QString left, right, middle;
    ASSERT_TRUE(CConfigStore::dealerInfo("German", left, right, middle));
    EXPECT_EQ(left, "Radio House\r\n1 Quay Street, Dock 4\r\nHarbourtown");
    EXPECT_EQ(middle, "Open daily");
    EXPECT_EQ(right, "Tel 0100\r\n\r\nFax 0101");
    // Only the current language is copied.
    EXPECT_FALSE(CConfigStore::dealerInfo("English", left, right, middle));
}

TEST(RegistryPrepare, ContextHelpDefaultOtherThanOneBecomesZero)
{
    for (const auto &[machineValue, userExpected] : { std::pair { 5, 0 }, { 0, 0 }, { 1, 1 }, { 2, 0 } }) {
        ScopedConfig config;
        setMachine(config, "ShowContextHelp", machineValue);
        ASSERT_TRUE(CConfigStore::prepare());
        EXPECT_EQ(CConfigStore::contextHelpSwitch(), userExpected) << "machine value " << machineValue;
        EXPECT_EQ(CConfigStore::contextHelpDefault(), machineValue);
    }
}

TEST(RegistryPrepare, SecondRunChangesNothing)
{
    ScopedConfig config;
    ASSERT_TRUE(CConfigStore::prepare());
    ASSERT_TRUE(CConfigStore::setContextHelpSwitch(false));
    ASSERT_TRUE(CConfigStore::setDealerInfo("English", "My shop", "", "Notes"));
    const QByteArray before = fileBytes(config.userFile());
    ASSERT_FALSE(before.isEmpty());

    // New machine defaults must not override what the user already has.
    setMachine(config, "DefaultLanguage", "French");
    setMachine(config, "ShowContextHelp", 1);
    setMachine(config, "Language/English/DealerInfoLeft", QStringList { "Other", "Dealer" });
    RecordingReporter reporter;
    ASSERT_TRUE(CConfigStore::prepare());

    EXPECT_EQ(fileBytes(config.userFile()), before);
    EXPECT_TRUE(reporter.messages.isEmpty());
    EXPECT_EQ(CConfigStore::currentLanguage(), "English");
    EXPECT_EQ(CConfigStore::contextHelpSwitch(), 0);
}

TEST(RegistryPrepare, MissingDealerValueIsCopiedOnALaterRun)
{
    ScopedConfig config;
    ASSERT_TRUE(CConfigStore::prepare());
    QSettings(config.userFile(), QSettings::IniFormat).remove("Language/English/DealerInfoMiddle");
    setMachine(config, "Language/English/DealerInfoMiddle", QStringList { "Line 1", "Line 2" });
    ASSERT_TRUE(CConfigStore::prepare());
    EXPECT_EQ(userValue(config, "Language/English/DealerInfoMiddle").toString(), "Line 1\r\nLine 2");
}

TEST(RegistryPrepare, MissingDefaultLanguageStopsWithTheFatalMessage)
{
    ScopedConfig config;
    removeMachine(config, "DefaultLanguage");
    RecordingReporter reporter;

    EXPECT_FALSE(CConfigStore::prepare());
    EXPECT_EQ(reporter.messages, QStringList { kFatal });
    EXPECT_TRUE(CConfigStore::currentLanguage().isEmpty());
}

TEST(RegistryPrepare, MissingDefaultLanguageIsFineWhenTheUserHasALanguage)
{
    ScopedConfig config;
    ASSERT_TRUE(CConfigStore::setCurrentLanguage("Polish"));
    removeMachine(config, "DefaultLanguage");
    RecordingReporter reporter;

    EXPECT_TRUE(CConfigStore::prepare());
    EXPECT_TRUE(reporter.messages.isEmpty());
    EXPECT_EQ(CConfigStore::currentLanguage(), "Polish");
}

TEST(RegistryPrepare, MissingContextHelpDefaultStopsWithTheFatalMessage)
{
    ScopedConfig config;
    removeMachine(config, "ShowContextHelp");
    RecordingReporter reporter;

    EXPECT_FALSE(CConfigStore::prepare());
    EXPECT_EQ(reporter.messages, QStringList { kFatal });
    EXPECT_EQ(CConfigStore::contextHelpSwitch(), -1);
}

TEST(RegistryPrepare, UnusableUserStoreStopsWithTheFatalMessage)
{
    ScopedConfig config;
    // The user folder's place is taken by a file, so it cannot be created.
    const QString blocker = QDir(config.root()).filePath("not-a-folder");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ScopedEnv home("XDG_CONFIG_HOME", QFile::encodeName(blocker));
    RecordingReporter reporter;

    EXPECT_FALSE(CConfigStore::prepare());
    EXPECT_EQ(reporter.messages, QStringList { kFatal });
    EXPECT_FALSE(CConfigStore::setCurrentLanguage("English"));
    EXPECT_FALSE(CConfigStore::setContextHelpSwitch(true));
    EXPECT_FALSE(CConfigStore::setDealerInfo("English", "a", "b", "c"));
    EXPECT_FALSE(CConfigStore::setCablePort("/dev/ttyUSB0"));
    EXPECT_TRUE(CConfigStore::currentLanguage().isEmpty());
    EXPECT_EQ(CConfigStore::contextHelpSwitch(), -1);
}

TEST(RegistryPrepare, DamagedUserFileKeepsWhatStillParses)
{
    ScopedConfig config;
    QDir().mkpath(QFileInfo(config.userFile()).absolutePath());
    QFile user(config.userFile());
    ASSERT_TRUE(user.open(QIODevice::WriteOnly));
    user.write("[General]\nCurrentLanguage=Italian\nthis line is damaged\n[Language\n");
    user.close();
    RecordingReporter reporter;

    EXPECT_TRUE(CConfigStore::prepare());
    EXPECT_TRUE(reporter.messages.isEmpty());
    EXPECT_EQ(CConfigStore::currentLanguage(), "Italian");
    EXPECT_EQ(CConfigStore::contextHelpSwitch(), 1);
    EXPECT_TRUE(CConfigStore::setCurrentLanguage("Spanish"));
    EXPECT_EQ(CConfigStore::currentLanguage(), "Spanish");
}

TEST(RegistryValues, UserReadsNeverFallBackToMachineValues)
{
    ScopedConfig config;
    setMachine(config, "CurrentLanguage", "German");
    setMachine(config, "CablePort", "/dev/ttyS0");
    setMachine(config, "Language/English/DealerInfoLeft", QStringList { "x" });

    EXPECT_EQ(CConfigStore::contextHelpDefault(), 1);
    EXPECT_EQ(CConfigStore::contextHelpSwitch(), -1);
    EXPECT_FALSE(CConfigStore::contextHelpShown());
    EXPECT_TRUE(CConfigStore::currentLanguage().isEmpty());
    EXPECT_EQ(CConfigStore::cablePort(), "usb");
    QString left = "stale", right = "stale", middle = "stale";
    EXPECT_FALSE(CConfigStore::dealerInfo("English", left, right, middle));
    EXPECT_TRUE(left.isEmpty() && right.isEmpty() && middle.isEmpty());
}

TEST(RegistryValues, MachineValuesAndTheirDefaults)
{
    const QString install = "/opt/vela, \"test\" data";
    {
        ScopedConfig config(install);
        EXPECT_EQ(CConfigStore::installPath(), install);
        EXPECT_EQ(CConfigStore::installFilePath("lib", "Region.stv"), install + "/lib/Region.stv");
        EXPECT_EQ(CConfigStore::defaultLanguage(), "English");
        EXPECT_TRUE(CConfigStore::limitSavingRuleEnabled());
        setMachine(config, "VelaTag", "not a number");
        EXPECT_FALSE(CConfigStore::limitSavingRuleEnabled());
    }
    {
        // A package's relative path counts from the running program's folder.
        ScopedConfig relative("../share/velacps");
        const QString programs
            = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
        EXPECT_EQ(CConfigStore::installPath(), QDir::cleanPath(programs + "/../share/velacps"));
    }
    ScopedConfig empty(QString(), false);
    EXPECT_TRUE(CConfigStore::installPath().isEmpty());
    EXPECT_TRUE(CConfigStore::installFilePath("lib", "Region.stv").isEmpty());
    EXPECT_TRUE(CConfigStore::defaultLanguage().isEmpty());
    EXPECT_FALSE(CConfigStore::limitSavingRuleEnabled());
    EXPECT_EQ(CConfigStore::contextHelpDefault(), -1);
    EXPECT_TRUE(CConfigStore::helpFilePath("English").isEmpty());
}

TEST(RegistryValues, SettersWriteTheUserValues)
{
    ScopedConfig config;
    ASSERT_TRUE(CConfigStore::setCurrentLanguage("Russian"));
    EXPECT_EQ(CConfigStore::currentLanguage(), "Russian");
    EXPECT_EQ(userValue(config, "CurrentLanguage").toString(), "Russian");

    ASSERT_TRUE(CConfigStore::setContextHelpSwitch(true));
    EXPECT_EQ(userValue(config, "ShowContextHelp").toInt(), 1);
    EXPECT_TRUE(CConfigStore::contextHelpShown());
    ASSERT_TRUE(CConfigStore::setContextHelpSwitch(false));
    EXPECT_EQ(CConfigStore::contextHelpSwitch(), 0);
    EXPECT_FALSE(CConfigStore::contextHelpShown());

    EXPECT_EQ(CConfigStore::cablePort(), "usb");
    ASSERT_TRUE(CConfigStore::setCablePort("/dev/ttyUSB1"));
    EXPECT_EQ(CConfigStore::cablePort(), "/dev/ttyUSB1");
}

TEST(RegistryValues, HelpAndResourcePathsFollowTheirLanguages)
{
    const QString install = "/usr/share/velacps";
    ScopedConfig config(install);
    setMachine(config, "Language/German/HelpFileName", "hilfe/index.html");
    setMachine(config, "Language/German/GUIResource", "res/de.qm");
    setMachine(config, "Language/English/GUIResource", "res/en.qm");

    EXPECT_EQ(CConfigStore::helpFilePath("German"), install + "/hilfe/index.html");
    EXPECT_TRUE(CConfigStore::helpFilePath("").isEmpty());
    EXPECT_TRUE(CConfigStore::helpFilePath("Klingon").isEmpty());

    // The resource file is the user's language, not an argument.
    EXPECT_TRUE(CConfigStore::resourceFilePath().isEmpty());
    ASSERT_TRUE(CConfigStore::setCurrentLanguage("German"));
    EXPECT_EQ(CConfigStore::resourceFilePath(), install + "/res/de.qm");
    ASSERT_TRUE(CConfigStore::setCurrentLanguage("Klingon"));
    EXPECT_TRUE(CConfigStore::resourceFilePath().isEmpty());
}

TEST(RegistryValues, InstalledTemplateCoversEveryMenuLanguage)
{
    ScopedConfig config("/usr/share/velacps");
    for (const char *language : { "CaFrench", "Chinese", "Dutch", "English", "French", "German", "Italian",
             "LaPortuguese", "LaSpanish", "Polish", "Portuguese", "Russian", "Spanish" }) {
        EXPECT_TRUE(CConfigStore::helpFilePath(language).startsWith("/usr/share/velacps/help/")) << language;
        ASSERT_TRUE(CConfigStore::setCurrentLanguage(language));
        EXPECT_TRUE(CConfigStore::resourceFilePath().endsWith(".qm")) << language;
    }
}

TEST(RegistryValues, DealerInfoRoundTripAndReadRules)
{
    ScopedConfig config;
    QString left, right, middle;
    EXPECT_FALSE(CConfigStore::dealerInfo("", left, right, middle));
    EXPECT_FALSE(CConfigStore::setDealerInfo("", "a", "b", "c"));

    ASSERT_TRUE(CConfigStore::setDealerInfo("Dutch", "Shop, Inc.\r\nMain St", "Tel \"1\"", "  notes  "));
    ASSERT_TRUE(CConfigStore::dealerInfo("Dutch", left, right, middle));
    EXPECT_EQ(left, "Shop, Inc.\r\nMain St");
    EXPECT_EQ(right, "Tel \"1\"");
    EXPECT_EQ(middle, "  notes  ");

    // A text is read up to its first zero character.
    ASSERT_TRUE(CConfigStore::setDealerInfo("Dutch", QString("kept") + QChar(0) + "dropped", "", ""));
    ASSERT_TRUE(CConfigStore::dealerInfo("Dutch", left, right, middle));
    EXPECT_EQ(left, "kept");
    EXPECT_TRUE(right.isEmpty());

    // Any one of the three missing makes the whole read fail.
    QSettings(config.userFile(), QSettings::IniFormat).remove("Language/Dutch/DealerInfoRight");
    EXPECT_FALSE(CConfigStore::dealerInfo("Dutch", left, right, middle));
    EXPECT_TRUE(left.isEmpty());
}

TEST(RegistryValues, DecimalSeparatorOfTheLanguagesLocale)
{
    EXPECT_EQ(CConfigStore::decimalSeparator("English"), ".");
    for (const char *language : { "CaFrench", "Dutch", "French", "German", "Italian", "LaPortuguese",
             "LaSpanish", "Polish", "Portuguese", "Russian", "Spanish" })
        EXPECT_EQ(CConfigStore::decimalSeparator(language), ",") << language;
    for (const char *language : { "Chinese", "", "german", "Klingon" })
        EXPECT_EQ(CConfigStore::decimalSeparator(language), ".") << language;
}

TEST(RegistryValues, LanguageAvailability)
{
    const QStringList englishOnly { "English" };
    EXPECT_EQ(CConfigStore::languageAvailability(englishOnly, "English"), -1);
    EXPECT_EQ(CConfigStore::languageAvailability(englishOnly, "German"), -1);

    const QStringList several { "English", "German", "CaFrench" };
    EXPECT_EQ(CConfigStore::languageAvailability(several, "German"), 1);
    EXPECT_EQ(CConfigStore::languageAvailability(several, "French"), 0);
    EXPECT_EQ(CConfigStore::languageAvailability(several, "german"), 0);
    EXPECT_EQ(CConfigStore::languageAvailability({ "German" }, "German"), 1);
    EXPECT_EQ(CConfigStore::languageAvailability({ "German" }, "English"), 0);
    EXPECT_EQ(CConfigStore::languageAvailability({}, "English"), 0);
}

TEST(RegistryFiles, MachineFileIsTheFirstConfigDirThatHasIt)
{
    ScopedConfig config;
    QTemporaryDir empty;
    const QString configured = QFileInfo(config.machineFile()).absolutePath() + "/..";
    const QByteArray dirs
        = QFile::encodeName("relative/dir:" + empty.path() + ":" + QDir::cleanPath(configured));
    ScopedEnv env("XDG_CONFIG_DIRS", dirs);

    EXPECT_EQ(QFileInfo(CConfigStore::machineFilePath()).canonicalFilePath(),
        QFileInfo(config.machineFile()).canonicalFilePath());
    EXPECT_EQ(CConfigStore::installPath(), VELA_DATA_DIR);
}

TEST(RegistryFiles, BuildTreeMachineFileIsTheLastFallback)
{
    ScopedConfig config;
    QTemporaryDir empty;
    ScopedEnv env("XDG_CONFIG_DIRS", QFile::encodeName(empty.path()));

    // The test program runs from the build tree's bin folder.
    EXPECT_EQ(CConfigStore::machineFilePath(),
        QDir::cleanPath(VELA_BINARY_DIR "/etc/xdg/Halvern/Vela LX Dealer CPS.ini"));
    EXPECT_EQ(CConfigStore::installPath(), VELA_DATA_DIR);
    EXPECT_EQ(CConfigStore::defaultLanguage(), "English");
}

TEST(RegistryFiles, UserFileDefaultsToTheHomeConfigFolder)
{
    ScopedConfig config;
    EXPECT_EQ(CConfigStore::userFilePath(), config.userFile());
    ScopedEnv unset("XDG_CONFIG_HOME", QByteArray());
    EXPECT_EQ(CConfigStore::userFilePath(), QDir::homePath() + "/.config/Halvern/Vela LX Dealer CPS.ini");
}
