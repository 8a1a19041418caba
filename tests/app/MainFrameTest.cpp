#include "AppFixture.h"
#include "AppTests.h"

#include "ChildFrame.h"
#include "LockPanes.h"
#include "MainCommands.h"
#include "MainFrame.h"
#include "ProfileWindow.h"
#include "VelaCPSDoc.h"
#include "VelaCPSTreeView.h"
#include "base/ConfigStore.h"
#include "document/ProfileDocument.h"
#include "editors/BaseView.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QUndoGroup>

// The main window through its commands: the two menu sets, the Device
// commands and the cable, the save question, undo and redo, languages; and
// a name for every control a screen reader reaches.
class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void menuSetFollowsOpenProfiles();
    void deviceCommandsFollowCableAndProfile();
    void saveQuestionOnClose_data();
    void saveQuestionOnClose();
    void undoAndRedoOfAddAndRename();
    void languageChoice_data();
    void languageChoice();
    void languageMenuOffersInstalledLanguages_data();
    void languageMenuOffersInstalledLanguages();
    void everyControlHasAName();
    void everyShortcutBelongsToOneCommand();
    void keyboardMenuKeepsTheEditCommands();
    void windowMenuListsTheProfiles();
    void lockPanesFollowTheKeyboard();
};

namespace {

QStringList menuTitles(const CMainFrame &frame)
{
    QStringList titles;
    for (const QAction *entry : frame.menuBar()->actions())
        titles << entry->text();
    return titles;
}

int channelItems(CProfileWindow *window)
{
    return window->frame().tree()->channelsItem()->childCount();
}

void selectLastChannel(CProfileWindow *window)
{
    CVelaCPSTreeView *tree = window->frame().tree();
    tree->setCurrentItem(tree->channelsItem()->child(tree->channelsItem()->childCount() - 1));
}

// Renames the selected channel as a user does: F2, the new name, and then
// what stores a name being typed (as Save does).
void renameSelected(CProfileWindow *window, const QString &name)
{
    CVelaCPSTreeView *tree = window->frame().tree();
    tree->renameItem();
    auto *editor = tree->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, name);
    QVERIFY(tree->commitLabelEdit());
}

} // namespace

void MainFrameTest::menuSetFollowsOpenProfiles()
{
    AppFixture app;
    const QStringList without = { "&File", "&Edit", "&View", "&Device", "&Help" };
    QCOMPARE(menuTitles(*app.frame), without);
    CProfileWindow *window = app.newFromTemplate(QStringLiteral("KUD51900"));
    QVERIFY(window);
    QCOMPARE(menuTitles(*app.frame),
        QStringList({ "&File", "&Edit", "&View", "&Device", "&Report", "&Window", "&Help" }));
    window->close();
    QTRY_COMPARE(menuTitles(*app.frame), without);
}

void MainFrameTest::deviceCommandsFollowCableAndProfile()
{
    AppFixture app;
    QAction *read = app.action("deviceRead"), *write = app.action("deviceWrite"),
            *reset = app.action("deviceReset");
    app.sendCableStatus(true);
    QVERIFY(read->isEnabled() && reset->isEnabled());
    QVERIFY(!write->isEnabled());
    QVERIFY(!app.action("report")->isEnabled());
    QCOMPARE(app.frame->cablePaneText(), "USB Cable Connected");

    QVERIFY(app.newFromTemplate(QStringLiteral("KUD51900")));
    QVERIFY(write->isEnabled() && app.action("report")->isEnabled());

    app.sendCableStatus(false);
    QVERIFY(!read->isEnabled() && !write->isEnabled() && !reset->isEnabled());
    QCOMPARE(app.frame->cablePaneText(), "USB Cable Not Connected");
}

void MainFrameTest::saveQuestionOnClose_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("yes saves, then closes") << int(MsgAnswer::Yes) << true << true;
    QTest::newRow("no closes without saving") << int(MsgAnswer::No) << true << false;
    QTest::newRow("cancel keeps the window") << int(MsgAnswer::Cancel) << false << false;
}

void MainFrameTest::saveQuestionOnClose()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    AppFixture app;
    CProfileWindow *window = app.newFromTemplate(QStringLiteral("KUD51900"));
    QVERIFY(window);
    app.savePath = app.temp.filePath(QStringLiteral("customer.kv9"));
    // Closing an unchanged profile asks nothing.
    app.action("fileClose")->trigger();
    QTRY_COMPARE(app.windowCount(), 0);
    QVERIFY(app.reporter.messages.isEmpty());

    window = app.newFromTemplate(QStringLiteral("KUD51900"));
    selectLastChannel(window);
    app.action("editDelete")->trigger();
    QVERIFY(window->document().isModified());
    app.reporter.answer = answer;
    const QString question = QStringLiteral("Save changes to %1?").arg(window->document().title());
    app.action("fileClose")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(app.reporter.messages.value(0), question);
    QCOMPARE(app.windowCount() == 0, closed);
    QCOMPARE(QFile::exists(app.savePath), saved);
}

void MainFrameTest::undoAndRedoOfAddAndRename()
{
    AppFixture app;
    CProfileWindow *window = app.newFromTemplate(QStringLiteral("KUD51900"));
    QVERIFY(window);
    QAction *undo = app.action("editUndo"), *redo = app.action("editRedo");
    QVERIFY(!undo->isEnabled());
    CVelaCPSTreeView *tree = window->frame().tree();
    const int channels = channelItems(window);

    // The template is full: a channel goes first to make room.
    selectLastChannel(window);
    app.action("editDelete")->trigger();
    QCOMPARE(channelItems(window), channels - 1);
    tree->setCurrentItem(tree->channelsItem());
    app.action("editAdd")->trigger();
    QCOMPARE(channelItems(window), channels);
    QCOMPARE(undo->text(), "&Undo Add Channel");
    undo->trigger();
    QCOMPARE(channelItems(window), channels - 1);
    QCOMPARE(redo->text(), "&Redo Add Channel");
    redo->trigger();
    QCOMPARE(channelItems(window), channels);
    undo->trigger();
    QCOMPARE(undo->text(), "&Undo Delete Channel");
    undo->trigger();
    QVERIFY(!window->document().isModified());

    tree->setCurrentItem(tree->channelsItem()->child(0));
    const QString oldName = tree->channelsItem()->child(0)->text(0);
    renameSelected(window, QStringLiteral("DISPATCH"));
    QCOMPARE(tree->channelsItem()->child(0)->text(0), "DISPATCH");
    QCOMPARE(undo->text(), "&Undo Rename Channel");
    undo->trigger();
    QCOMPARE(tree->channelsItem()->child(0)->text(0), oldName);
    redo->trigger();
    QCOMPARE(tree->channelsItem()->child(0)->text(0), "DISPATCH");
}

void MainFrameTest::languageChoice_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("the current one again: nothing to say") << "English" << QStringList();
    QTest::newRow("another: takes effect at the next start")
        << "German" << QStringList { "You have to restart the CPS for this change to take effect." };
}

void MainFrameTest::languageChoice()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, messages);
    AppFixture app;
    QAction *entry = app.action(qPrintable(QStringLiteral("language") + chosen));
    QVERIFY(entry->isVisible());
    entry->trigger();
    QCOMPARE(app.reporter.messages, messages);
    QCOMPARE(CConfigStore::currentLanguage(), chosen);
    QVERIFY(entry->isChecked());
    QVERIFY(!app.action("languageEnglish")->isChecked() || chosen == QLatin1String("English"));
}

void MainFrameTest::languageMenuOffersInstalledLanguages_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("English alone: no Language submenu") << QStringList { "English" } << QStringList();
    QTest::newRow("the installed ones, and English always")
        << QStringList { "German", "French" } << QStringList { "English", "French", "German" };
}

void MainFrameTest::languageMenuOffersInstalledLanguages()
{
    QFETCH(QStringList, installed);
    QFETCH(QStringList, offered);
    QMainWindow window;
    QUndoGroup undoGroup;
    CMainCommands commands(&window, &undoGroup);
    commands.adjustLanguageMenu(installed);
    QStringList shown;
    for (const QAction *entry : commands.languageGroup->actions()) {
        if (commands.languageMenu->menuAction()->isVisible() && entry->isVisible())
            shown << entry->data().toString();
    }
    QCOMPARE(shown, offered);
}

void MainFrameTest::everyControlHasAName()
{
    AppFixture app;
    QVERIFY(app.newFromTemplate(QStringLiteral("KUD51900")));
    for (QWidget *control : app.frame->findChildren<QWidget *>()) {
        if (!control->isVisible() || control->focusPolicy() == Qt::NoFocus)
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
            qPrintable(control->metaObject()->className() + QStringLiteral(" ") + control->objectName()));
    }
}

void MainFrameTest::everyShortcutBelongsToOneCommand()
{
    AppFixture app;
    QVERIFY(app.newFromTemplate(QStringLiteral("KUD51900")));
    QMap<QString, QString> owners;
    for (const QAction *action : app.frame->findChildren<QAction *>()) {
        for (const QKeySequence &key : action->shortcuts()) {
            const QString previous = owners.value(key.toString());
            QVERIFY2(previous.isEmpty(),
                qPrintable(key.toString() + QStringLiteral(": ") + previous + QStringLiteral(", ")
                    + action->text()));
            owners.insert(key.toString(), action->objectName());
        }
    }
    QCOMPARE(owners.value(QStringLiteral("Ctrl+W")), QStringLiteral("deviceWrite"));
    QCOMPARE(owners.value(QStringLiteral("Ctrl+F4")), QStringLiteral("fileClose"));
}

// Alt+E moves the keys to the menu bar; the commands still act on what had
// the focus, so they stay enabled as with the mouse.
void MainFrameTest::keyboardMenuKeepsTheEditCommands()
{
    AppFixture app;
    CProfileWindow *window = app.newFromTemplate(QStringLiteral("KUD51900"));
    QVERIFY(window && QTest::qWaitForWindowActive(app.frame.get()));
    const auto openEditMenu = [](QWidget *from) {
        QTest::keyClick(from, Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    };
    const auto closeMenus = [] {
        while (QWidget *menu = QApplication::activePopupWidget())
            QTest::keyClick(menu, Qt::Key_Escape);
        if (auto *bar = qobject_cast<QMenuBar *>(QApplication::focusWidget()))
            QTest::keyClick(bar, Qt::Key_Escape);
    };
    selectLastChannel(window);
    CVelaCPSTreeView *tree = window->frame().tree();
    tree->setFocus();
    QTRY_VERIFY(app.action("editRename")->isEnabled());
    openEditMenu(tree);
    QVERIFY(app.action("editRename")->isEnabled() && app.action("editDelete")->isEnabled());
    closeMenus();

    QTRY_VERIFY(window->frame().editor());
    auto *name = window->frame().editor()->control<QLineEdit>(1085); // the channel's name
    QVERIFY(name);
    name->setFocus();
    name->selectAll();
    QTRY_VERIFY(app.action("editCut")->isEnabled());
    openEditMenu(name);
    QVERIFY(app.action("editCut")->isEnabled() && app.action("editCopy")->isEnabled());
    closeMenus();
}

void MainFrameTest::windowMenuListsTheProfiles()
{
    AppFixture app;
    CProfileWindow *first = app.newFromTemplate(QStringLiteral("KUD51900"));
    CProfileWindow *second = app.newFromTemplate(QStringLiteral("KUR40800"));
    QVERIFY(first && second && second->isMaximized());
    // The maximised window's name once, in the brackets the area adds.
    QCOMPARE(app.frame->windowTitle().remove(QStringLiteral("[*]")).count(second->document().title()), 1);

    QMenu *menu = app.frame->commands().windowMenu;
    const auto entries = [menu] {
        emit menu->aboutToShow();
        QStringList shown;
        for (const QAction *entry : menu->actions()) {
            if (entry->isCheckable())
                shown << entry->text() + (entry->isChecked() ? QStringLiteral(" *") : QString());
        }
        return shown;
    };
    const QString one = first->document().title(), two = second->document().title();
    QCOMPARE(entries(), QStringList({ "&1 " + one, "&2 " + two + " *" }));
    menu->actions().at(menu->actions().size() - 2)->trigger();
    QCOMPARE(app.activeWindow(), first);
    QCOMPARE(entries(), QStringList({ "&1 " + one + " *", "&2 " + two }));
}

void MainFrameTest::lockPanesFollowTheKeyboard()
{
    QStatusBar bar;
    LockIndicators keyboard;
    CLockPanes panes(&bar, [&keyboard] { return std::optional(keyboard); });
    const auto shown = [&bar] {
        QStringList texts;
        for (const char *name : { "capsLockPane", "numLockPane", "scrollLockPane" })
            texts << bar.findChild<QLabel *>(QLatin1String(name))->text();
        return texts;
    };
    QCOMPARE(shown(), QStringList({ "", "", "" }));
    keyboard = { true, false, true };
    panes.refresh();
    QCOMPARE(shown(), QStringList({ "CAP", "", "SCRL" }));

    QStatusBar untold;
    const CLockPanes none(&untold, {});
    QVERIFY(!untold.findChild<QLabel *>(QStringLiteral("capsLockPane")));
}

APP_TEST(MainFrameTest);
#include "MainFrameTest.moc"
