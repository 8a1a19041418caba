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
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <QTranslator>

namespace {

// The texts of a menu or toolbar that read the same to the user (without
// the accelerator mark of "&Save" or "保存(&S)" and the shortcut after a tab).
QStringList sameWords(const QStringList &texts)
{
    QStringList shared, seen;
    for (QString text : texts) {
        text = text.section(QLatin1Char('\t'), 0, 0).remove(QRegularExpression(QStringLiteral("\\(&.\\)$")));
        text = text.remove(QLatin1Char('&')).trimmed().toCaseFolded();
        if (seen.contains(text))
            shared << text;
        seen << text;
    }
    return shared;
}

} // namespace

// The program started in each language other than English: the language's
// compiled translation and Qt's own are in use from the first window on.
class LanguageStartTest : public QObject {
    Q_OBJECT

private slots:
    void startsInLanguage_data();
    void startsInLanguage();
    void commandsOfOneMenuDiffer_data();
    void commandsOfOneMenuDiffer();
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

void LanguageStartTest::commandsOfOneMenuDiffer_data()
{
    QTest::addColumn<QString>("language");
    for (const CMainCommands::Language &language : CMainCommands::languages())
        QTest::newRow(language.key) << QString::fromLatin1(language.key);
}

// Two commands that read the same in one menu (or on the toolbar, where Save
// and Write stand side by side) cannot be told apart.
void LanguageStartTest::commandsOfOneMenuDiffer()
{
    QFETCH(QString, language);
    ScopedConfig config;
    QVERIFY(CConfigStore::setCurrentLanguage(language));
    CVelaCPSApp app;
    RecordingReporter reporter;
    QVERIFY(app.InitInstance({}));
    CMainCommands &commands = app.mainFrame()->commands();
    commands.setProfileMenus(true);
    QStringList shared, buttons;
    for (const QMenu *menu : app.mainFrame()->findChildren<QMenu *>()) {
        QStringList texts;
        for (const QAction *action : menu->actions()) {
            if (action->isVisible() && !action->isSeparator())
                texts << action->text();
        }
        shared << sameWords(texts);
    }
    for (const QAction *action : commands.toolBar->actions()) {
        if (!action->isSeparator())
            buttons << action->iconText();
    }
    shared << sameWords(buttons);
    QCOMPARE(shared, QStringList());
}

APP_TEST(LanguageStartTest);
#include "LanguageStartTest.moc"
