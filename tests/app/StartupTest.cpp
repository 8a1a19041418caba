#include "AppTests.h"

#include "DocumentCommands.h"
#include "MainFrame.h"
#include "RecordingReporter.h"
#include "SplashScreen.h"
#include "TestEnvironment.h"
#include "VelaCPSApp.h"
#include "base/ConfigStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The start-up in its order: what ends it, with which message, and what a
// start leaves on the screen.
class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void startUp_data();
    void startUp();
};

namespace {

// An install directory like the shipped one, without the named files of
// "profiletemplate".
void linkInstall(const QString &target, const QStringList &leftOut)
{
    const QDir data(dataPath(QString()));
    for (const QString &entry : data.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry != QLatin1String("profiletemplate"))
            QFile::link(data.filePath(entry), QDir(target).filePath(entry));
    }
    const QDir templates(data.filePath(QStringLiteral("profiletemplate")));
    QDir(target).mkdir(QStringLiteral("profiletemplate"));
    for (const QString &file : templates.entryList(QDir::Files)) {
        if (!leftOut.contains(file))
            QFile::link(
                templates.filePath(file), QDir(target).filePath(QStringLiteral("profiletemplate/") + file));
    }
}

} // namespace

void StartupTest::startUp_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("missingFiles");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("runs");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("profiles");
    QTest::newRow("no arguments: an empty frame")
        << "English" << QStringList() << QString() << true << QStringList() << 0;
    QTest::newRow("a profile on the command line")
        << "English" << QStringList() << "profiletemplate/KXR40400.kv9" << true << QStringList() << 1;
    QTest::newRow("a language without its translation: English, said once")
        << "Ghost" << QStringList() << QString() << true
        << QStringList { "The language resource file is missing. The CPS will start with English language "
                         "version." }
        << 0;
    QTest::newRow("schema missing: reinstall")
        << "English" << QStringList { "DataProfile.xsd" } << QString() << false
        << QStringList { "Some files needed by CPS are not available.\nPlease "
                         "reinstall CPS." }
        << 0;
    QTest::newRow("a file that does not open ends the start")
        << "English" << QStringList() << "lib/Region.stv" << false << QStringList { "Invalid profile." } << 0;
}

void StartupTest::startUp()
{
    QFETCH(QString, language);
    QFETCH(QStringList, missingFiles);
    QFETCH(QString, file);
    QFETCH(bool, runs);
    QFETCH(QStringList, messages);
    QFETCH(int, profiles);
    QTemporaryDir install;
    if (!missingFiles.isEmpty())
        linkInstall(install.path(), missingFiles);
    ScopedConfig config(missingFiles.isEmpty() ? dataPath(QString()) : install.path());
    // A language configured like the others, whose translation was never built.
    QSettings(config.machineFile(), QSettings::IniFormat)
        .setValue(QStringLiteral("Language/Ghost/GUIResource"), QStringLiteral("translations/velacps_xx.qm"));
    QVERIFY(CConfigStore::setCurrentLanguage(language));

    CVelaCPSApp app;
    RecordingReporter reporter;
    const QStringList arguments = file.isEmpty() ? QStringList() : QStringList { dataPath(file) };
    QCOMPARE(app.InitInstance(arguments), runs);
    QCOMPARE(reporter.messages.mid(0, messages.size()), messages);
    // The main window waits behind the splash screen for its time or a key.
    QVERIFY(!app.mainFrame() || !app.mainFrame()->isVisible());
    if (runs) {
        CSplashScreen *splash = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            splash = splash ? splash : qobject_cast<CSplashScreen *>(window);
        QVERIFY(splash && splash->isVisible());
        // A key ends it at once; else its time does.
        if (!file.isEmpty())
            QTest::keyClick(splash, Qt::Key_Space);
        QTRY_VERIFY_WITH_TIMEOUT(!splash->isVisible(), 30000);
    }
    QCOMPARE(app.mainFrame() && app.mainFrame()->isVisible(), runs);
    if (runs)
        QCOMPARE(app.mainFrame()->documents().windows().size(), profiles);
    QCOMPARE(CConfigStore::currentLanguage(), QStringLiteral("English"));
}

APP_TEST(StartupTest);
#include "StartupTest.moc"
