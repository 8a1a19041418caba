#pragma once

#include "RecentFileList.h"

#include <QObject>

#include <functional>
#include <memory>

class CProductContext;
class CProfileWindow;
class CVelaCPSDoc;
class QMdiArea;
struct VirtualCP;

// The File commands on the profile windows of the main window's area: new
// from a template or from a radio image, open (after the profile-file
// check), save, save as, close, and the recent-file list.
class CDocumentCommands : public QObject {
    Q_OBJECT

public:
    // The questions the commands ask; each answers a path, empty for Cancel.
    struct Dialogs {
        std::function<QString()> chooseTemplate;
        std::function<QString()> chooseOpenPath;
        std::function<QString(const QString &suggested)> chooseSavePath;
    };

    CDocumentCommands(
        QMdiArea *area, const CProductContext &context, Dialogs dialogs, QObject *parent = nullptr);

    void newProfile();
    // A new, modified profile without a file, made from an image read from a
    // radio.
    CProfileWindow *newProfileFromImage(VirtualCP &image);
    void open();
    // Opens path when the profile-file check passes; a file already open
    // only gets its window activated.
    bool openFile(const QString &path);
    void save();
    void saveAs();
    void close();
    // Closes every profile window, each asking to save changes; false when
    // the user kept one open.
    bool closeAll();

    CProfileWindow *activeWindow() const;
    QList<CProfileWindow *> windows() const;
    const CRecentFileList &recentFiles() const { return m_recent; }
    Dialogs &dialogs() { return m_dialogs; }

    // Whether new windows show the help pane.
    void setHelpPaneShown(bool shown) { m_helpPaneShown = shown; }

signals:
    void recentFilesChanged(const QStringList &files);
    void windowOpened(CProfileWindow *window);

private:
    std::unique_ptr<CVelaCPSDoc> makeDocument();
    // Whether a window other than the one of saving has the file at path.
    bool isOpenElsewhere(const QString &path, const CVelaCPSDoc *saving) const;
    CProfileWindow *show(std::unique_ptr<CVelaCPSDoc> document);
    void remember(const QString &path);

    QMdiArea *m_area;
    const CProductContext &m_context;
    Dialogs m_dialogs;
    CRecentFileList m_recent;
    int m_untitledCount = 0;
    bool m_helpPaneShown = false;
};
