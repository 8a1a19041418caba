#include "MainCommands.h"

#include "AppIcons.h"
#include "AppIdentity.h"
#include "RecentFileList.h"
#include "base/ConfigStore.h"

#include <QActionGroup>
#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoGroup>

CMainCommands::CMainCommands(QMainWindow *window, QUndoGroup *undoGroup)
    : QObject(window)
    , m_window(window)
{
    fileNew = command({ "fileNew", tr("&New"), "new", Qt::CTRL | Qt::Key_N, tr("New") });
    fileOpen = command({ "fileOpen", tr("&Open..."), "open", Qt::CTRL | Qt::Key_O, tr("Open") });
    fileClose = command({ "fileClose", tr("&Close"), nullptr, Qt::CTRL | Qt::Key_F4 });
    fileSave = command({ "fileSave", tr("&Save"), "save", Qt::CTRL | Qt::Key_S, tr("Save") });
    fileSaveAs = command({ "fileSaveAs", tr("Save &As...") });
    fileExit = command({ "fileExit", tr("E&xit") });
    for (int i = 0; i < CRecentFileList::kSize; ++i) {
        QAction *recent = command({ "recentFile" });
        recent->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        connect(recent, &QAction::triggered, this,
            [this, recent] { emit recentFileChosen(recent->data().toString()); });
        recentFiles << recent;
    }
    m_recentPlaceholder = command({ "recentFileNone", tr("Recent File") });
    m_recentPlaceholder->setEnabled(false);

    undo = undoGroup->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("editUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo = undoGroup->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("editRedo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    add = command({ "editAdd", tr("&Add"), "add", Qt::CTRL | Qt::Key_A, tr("Add") });
    cut = command({ "editCut", tr("Cu&t"), "cut", Qt::CTRL | Qt::Key_X, tr("Cut") });
    copy = command({ "editCopy", tr("&Copy"), "copy", Qt::CTRL | Qt::Key_C, tr("Copy") });
    paste = command({ "editPaste", tr("&Paste"), "paste", Qt::CTRL | Qt::Key_V, tr("Paste") });
    remove = command({ "editDelete", tr("&Delete"), "delete", Qt::Key_Delete, tr("Delete") });
    rename = command({ "editRename", tr("&Rename"), "rename", Qt::Key_F2 });
    dealerInfo = command({ "editDealerInfo", tr("Dealer &Info"), "dealer-info" });
    editSelectedChannels = command({ "editSelectedChannels", tr("Edit Selected C&hannels...") });

    viewToolbar = command({ "viewToolbar", tr("&Toolbar") });
    viewStatusBar = command({ "viewStatusBar", tr("&Status Bar") });
    viewHelpPane = command({ "viewHelpPane", tr("&Help Pane") });
    for (QAction *toggle : { viewToolbar, viewStatusBar, viewHelpPane })
        toggle->setCheckable(true);

    read = command({ "deviceRead", tr("&Read"), "read", Qt::CTRL | Qt::Key_R, tr("Read") });
    write = command({ "deviceWrite", tr("&Write"), "write", Qt::CTRL | Qt::Key_W, tr("Write") });
    reset = command({ "deviceReset", tr("R&eset"), "reset", Qt::CTRL | Qt::Key_E });
    restoreBackup = command({ "deviceRestoreBackup", tr("Restore Radio &Backup...") });
    programRadios = command({ "deviceProgramRadios", tr("Program &Several Radios...") });
    // The menu bar would show the picture instead of the text, so the
    // toolbar's button is an action of its own that follows the command.
    report = command({ "report", tr("&Report") });
    m_reportButton = command({ "reportButton", tr("&Report"), "report", {}, tr("Report") });
    connect(m_reportButton, &QAction::triggered, report, &QAction::trigger);
    connect(report, &QAction::enabledChanged, m_reportButton, &QAction::setEnabled);
    cascade = command({ "windowCascade", tr("&Cascade") });
    tile = command({ "windowTile", tr("&Tile") });
    helpContents = command({ "helpContents", tr("&Content and Index..."), "help", Qt::Key_F1 });
    about = command({ "helpAbout",
        tr("&About") + QLatin1Char(' ') + AppIdentity::applicationName() + QStringLiteral("..."), "about", {},
        tr("About") });

    buildLanguageMenu();
    m_menusWithoutProfile = buildMenus(false);
    m_menusWithProfile = buildMenus(true);
    buildToolBar(window);
    setRecentFiles({});
    setProfileMenus(false);
}

const QList<CMainCommands::Language> &CMainCommands::languages()
{
    static const QList<Language> table = {
        { "CaFrench", QT_TRANSLATE_NOOP("CMainCommands", "Canada French") },
        { "Chinese", QT_TRANSLATE_NOOP("CMainCommands", "Chinese") },
        { "Dutch", QT_TRANSLATE_NOOP("CMainCommands", "Dutch") },
        { "English", QT_TRANSLATE_NOOP("CMainCommands", "English") },
        { "French", QT_TRANSLATE_NOOP("CMainCommands", "French") },
        { "German", QT_TRANSLATE_NOOP("CMainCommands", "German") },
        { "Italian", QT_TRANSLATE_NOOP("CMainCommands", "Italian") },
        { "LaPortuguese", QT_TRANSLATE_NOOP("CMainCommands", "LA Portuguese") },
        { "LaSpanish", QT_TRANSLATE_NOOP("CMainCommands", "LA Spanish") },
        { "Polish", QT_TRANSLATE_NOOP("CMainCommands", "Polish") },
        { "Portuguese", QT_TRANSLATE_NOOP("CMainCommands", "Portuguese") },
        { "Russian", QT_TRANSLATE_NOOP("CMainCommands", "Russian") },
        { "Spanish", QT_TRANSLATE_NOOP("CMainCommands", "Spanish") },
    };
    return table;
}

QAction *CMainCommands::command(const Command &spec)
{
    auto *action = new QAction(spec.text, this);
    action->setObjectName(QLatin1String(spec.name));
    if (spec.picture)
        action->setIcon(AppIcons::command(QLatin1String(spec.picture)));
    if (!spec.shortcut.isEmpty())
        action->setShortcut(spec.shortcut);
    if (!spec.buttonText.isEmpty())
        action->setIconText(spec.buttonText);
    return action;
}

void CMainCommands::buildLanguageMenu()
{
    languageMenu = new QMenu(tr("&Language"), m_window);
    languageMenu->setObjectName(QStringLiteral("languageMenu"));
    m_languageMenuAction = languageMenu->menuAction();
    languageGroup = new QActionGroup(this);
    languageGroup->setExclusive(true);
    for (const Language &language : languages()) {
        QAction *entry = command({ "language", tr(language.menuText) });
        entry->setObjectName(QStringLiteral("language") + QLatin1String(language.key));
        entry->setCheckable(true);
        entry->setData(QLatin1String(language.key));
        languageGroup->addAction(entry);
        languageMenu->addAction(entry);
    }
    connect(languageGroup, &QActionGroup::triggered, this,
        [this](QAction *entry) { emit languageChosen(entry->data().toString()); });
}

QList<QAction *> CMainCommands::buildMenus(bool withProfile)
{
    QList<QAction *> set;
    auto menu = [&](const QString &title) {
        auto *added = new QMenu(title, m_window);
        set << added->menuAction();
        return added;
    };
    QMenu *file = menu(tr("&File"));
    file->addActions({ fileNew, fileOpen });
    if (withProfile)
        file->addActions({ fileClose, fileSave, fileSaveAs });
    file->addSeparator();
    file->addActions(recentFiles);
    file->addAction(m_recentPlaceholder);
    file->addSeparator();
    file->addAction(fileExit);

    QMenu *edit = menu(tr("&Edit"));
    if (withProfile) {
        edit->addActions({ undo, redo });
        edit->addSeparator();
        edit->addAction(add);
        edit->addSeparator();
        edit->addActions({ cut, copy, paste });
        edit->addSeparator();
        edit->addActions({ remove, rename });
        edit->addAction(editSelectedChannels);
        edit->addSeparator();
    }
    edit->addAction(dealerInfo);
    edit->addAction(m_languageMenuAction);

    QMenu *view = menu(tr("&View"));
    view->addActions({ viewToolbar, viewStatusBar });
    if (withProfile) {
        view->addSeparator();
        view->addAction(viewHelpPane);
    }

    QMenu *device = menu(tr("&Device"));
    device->addAction(read);
    if (withProfile)
        device->addActions({ write, programRadios });
    device->addAction(reset);
    device->addSeparator();
    device->addAction(restoreBackup);

    if (withProfile) {
        set << report;
        windowMenu = menu(tr("&Window"));
        windowMenu->addActions({ cascade, tile });
    }
    QMenu *help = menu(tr("&Help"));
    help->addAction(helpContents);
    help->addSeparator();
    help->addAction(about);
    return set;
}

void CMainCommands::buildToolBar(QMainWindow *window)
{
    toolBar = window->addToolBar(tr("Toolbar"));
    toolBar->setObjectName(QStringLiteral("mainToolBar"));
    toolBar->setAccessibleName(tr("Toolbar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar->setIconSize(QSize(16, 15));
    toolBar->addActions({ fileNew, fileOpen, fileSave });
    toolBar->addSeparator();
    toolBar->addActions({ add, remove });
    toolBar->addSeparator();
    toolBar->addActions({ cut, copy, paste });
    toolBar->addSeparator();
    toolBar->addActions({ read, write });
    toolBar->addSeparator();
    toolBar->addActions({ m_reportButton, about });
}

void CMainCommands::setProfileMenus(bool withProfile)
{
    QMenuBar *bar = m_window->menuBar();
    bar->clear();
    bar->addActions(withProfile ? m_menusWithProfile : m_menusWithoutProfile);
}

void CMainCommands::adjustLanguageMenu(const QStringList &supported)
{
    if (CConfigStore::languageAvailability(supported, QStringLiteral("English")) == -1) {
        m_languageMenuAction->setVisible(false);
        return;
    }
    for (QAction *entry : languageGroup->actions()) {
        const QString key = entry->data().toString();
        if (key != QLatin1String("English") && CConfigStore::languageAvailability(supported, key) == 0)
            entry->setVisible(false);
    }
}

void CMainCommands::checkLanguage(const QString &key)
{
    for (QAction *entry : languageGroup->actions())
        entry->setChecked(entry->data().toString() == key);
}

void CMainCommands::setRecentFiles(const QStringList &paths)
{
    for (int i = 0; i < recentFiles.size(); ++i) {
        QAction *entry = recentFiles.at(i);
        const bool used = i < paths.size();
        entry->setVisible(used);
        if (used) {
            entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(paths.at(i))));
            entry->setData(paths.at(i));
        }
    }
    m_recentPlaceholder->setVisible(paths.isEmpty());
}
