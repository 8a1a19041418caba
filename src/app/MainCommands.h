#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QStringList>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;
class QUndoGroup;

// Every command of the main window as an action with its text, shortcut,
// icon, and the two menu sets (without and with an open profile) and the
// toolbar built from them.
class CMainCommands : public QObject {
    Q_OBJECT

public:
    CMainCommands(QMainWindow *window, QUndoGroup *undoGroup);

    // One entry of Edit > Language: the key stored as the current language.
    struct Language {
        const char *key;
        const char *menuText;
    };
    static const QList<Language> &languages();

    // Shows or hides the commands that need an open profile.
    void setProfileMenus(bool withProfile);
    // Removes the languages that are not installed; the whole submenu when
    // only English is. supported: the product's language keys.
    void adjustLanguageMenu(const QStringList &supported);
    // Checks the entry of the current language key.
    void checkLanguage(const QString &key);
    // Fills the recent-file entries of the File menu.
    void setRecentFiles(const QStringList &paths);

    QAction *fileNew, *fileOpen, *fileClose, *fileSave, *fileSaveAs, *fileExit;
    QList<QAction *> recentFiles;
    QAction *undo, *redo;
    QAction *add, *cut, *copy, *paste, *remove, *rename, *dealerInfo;
    QAction *editSelectedChannels; // on the channel table of the "Channels" page
    QActionGroup *languageGroup;
    QAction *viewToolbar, *viewStatusBar, *viewHelpPane;
    QAction *read, *write, *reset, *restoreBackup, *report;
    QAction *programRadios; // one profile into a batch of radios
    QAction *cascade, *tile;
    QAction *helpContents, *about;

    QMenu *languageMenu;
    // Cascade and Tile; the open profiles are listed after them.
    QMenu *windowMenu = nullptr;
    QToolBar *toolBar;

signals:
    void languageChosen(const QString &key);
    void recentFileChosen(const QString &path);

private:
    // One command: its object name, menu text, picture (resources/README.md),
    // shortcut and toolbar caption.
    struct Command {
        Command(const char *name, const QString &text = QString(), const char *picture = nullptr,
            const QKeySequence &shortcut = QKeySequence(), const QString &buttonText = QString())
            : name(name)
            , text(text)
            , picture(picture)
            , shortcut(shortcut)
            , buttonText(buttonText)
        {
        }
        const char *name;
        QString text;
        const char *picture;
        QKeySequence shortcut;
        QString buttonText;
    };
    QAction *command(const Command &spec);
    // The menu bar's entries with or without an open profile.
    QList<QAction *> buildMenus(bool withProfile);
    void buildToolBar(QMainWindow *window);
    void buildLanguageMenu();

    QMainWindow *m_window;
    QAction *m_recentPlaceholder;
    QAction *m_languageMenuAction;
    QAction *m_reportButton;
    QList<QAction *> m_menusWithoutProfile;
    QList<QAction *> m_menusWithProfile;
};
