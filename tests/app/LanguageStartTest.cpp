#include "AppTests.h"

#include "MainCommands.h"
#include "MainFrame.h"
#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "VelaCPSApp.h"
#include "base/ConfigStore.h"

#include <QAction>
#include <QDir>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QTest>
#include <QTranslator>

// The program started in each language other than English: the language's
// compiled translation and Qt's own are in use from the first window on.
class LanguageStartTest : public QObject {
    Q_OBJECT

private slots:
    void startsInLanguage_data();
    void startsInLanguage();
};

void LanguageStartTest::startsInLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const CMainCommands::Language &language : CMainCommands::languages()) {
        if (qstrcmp(language.key, "English") != 0)
            QTest::newRow(language.key) << QString::fromLatin1(language.key);
    }
}

void LanguageStartTest::startsInLanguage()
{
    QFETCH(QString, language);
    ScopedConfig config;
    QVERIFY(CConfigStore::setCurrentLanguage(language));
    // The build's translation of the language, read on its own.
    const QString resource
        = QDir(CConfigStore::installPath()).relativeFilePath(CConfigStore::resourceFilePath());
    QTranslator expected;
    QVERIFY2(expected.load(QDir(QStringLiteral(VELA_BINARY_DIR "/share/velacps")).filePath(resource)),
        qPrintable(resource));
    auto translated = [&](const char *context, const char *source) {
        const QString text = expected.translate(context, source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    };

    CVelaCPSApp app;
    RecordingReporter reporter;
    QVERIFY(app.InitInstance({}));
    QCOMPARE(reporter.messages, QStringList());
    QCOMPARE(CConfigStore::currentLanguage(), language);
    const auto *entry = app.mainFrame()->findChild<QAction *>(QStringLiteral("language") + language);
    QVERIFY(entry && entry->isChecked());
    QStringList titles;
    for (const QAction *menu : app.mainFrame()->menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles.mid(0, 2),
        QStringList({ translated("CMainCommands", "&File"), translated("CMainCommands", "&Edit") }));

    QTranslator toolkit;
    if (toolkit.load(QLocale(expected.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
            toolkit.translate("QPlatformTheme", "Cancel"));
}

APP_TEST(LanguageStartTest);
#include "LanguageStartTest.moc"
