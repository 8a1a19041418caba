#include "DocumentCommands.h"

#include "ProfileWindow.h"
#include "VelaCPSDoc.h"
#include "base/MessageReporter.h"
#include "document/ProfileFileCheck.h"
#include "settings/ProductContext.h"

#include <QFileInfo>
#include <QMdiArea>

CDocumentCommands::CDocumentCommands(
    QMdiArea *area, const CProductContext &context, Dialogs dialogs, QObject *parent)
    : QObject(parent)
    , m_area(area)
    , m_context(context)
    , m_dialogs(std::move(dialogs))
{
    m_recent.load();
}

std::unique_ptr<CVelaCPSDoc> CDocumentCommands::makeDocument()
{
    auto document = std::make_unique<CVelaCPSDoc>(m_context, m_untitledCount + 1);
    document->setSavePathChooser([this, saving = document.get()](const QString &suggested) {
        const QString chosen = m_dialogs.chooseSavePath ? m_dialogs.chooseSavePath(suggested) : QString();
        if (chosen.isEmpty() || !isOpenElsewhere(chosen, saving))
            return chosen;
        // Saving over it would silently lose what that window holds.
        showMessage(tr("\"%1\" is open in another window. Close that window first, or save under another "
                       "name.")
                        .arg(QFileInfo(chosen).fileName()),
            MsgStyle::IconWarning);
        return QString();
    });
    connect(document.get(), &CVelaCPSDoc::pathChanged, this, &CDocumentCommands::remember);
    return document;
}

bool CDocumentCommands::isOpenElsewhere(const QString &path, const CVelaCPSDoc *saving) const
{
    const QFileInfo target(path);
    for (CProfileWindow *window : windows()) {
        const QString open = window->document().path();
        if (&window->document() != saving && !open.isEmpty() && QFileInfo(open) == target)
            return true;
    }
    return false;
}

CProfileWindow *CDocumentCommands::show(std::unique_ptr<CVelaCPSDoc> document)
{
    if (document->path().isEmpty())
        ++m_untitledCount;
    const CProfileWindow *previous = activeWindow();
    auto *window = new CProfileWindow(std::move(document), m_context, m_helpPaneShown);
    m_area->addSubWindow(window);
    if (!previous || previous->isMaximized())
        window->showMaximized();
    else
        window->show();
    emit windowOpened(window);
    return window;
}

void CDocumentCommands::remember(const QString &path)
{
    m_recent.add(path);
    emit recentFilesChanged(m_recent.files());
}

void CDocumentCommands::newProfile()
{
    const QString templatePath = m_dialogs.chooseTemplate ? m_dialogs.chooseTemplate() : QString();
    if (templatePath.isEmpty())
        return;
    auto document = makeDocument();
    if (document->OnNewDocument(templatePath))
        show(std::move(document));
}

CProfileWindow *CDocumentCommands::newProfileFromImage(VirtualCP &image)
{
    auto document = makeDocument();
    if (!document->OnNewDocumentFromImage(image))
        return nullptr;
    return show(std::move(document));
}

void CDocumentCommands::open()
{
    const QString path = m_dialogs.chooseOpenPath ? m_dialogs.chooseOpenPath() : QString();
    if (!path.isEmpty())
        openFile(path);
}

bool CDocumentCommands::openFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CProfileWindow *window : windows()) {
        if (QFileInfo(window->document().path()).absoluteFilePath() == absolute) {
            m_area->setActiveSubWindow(window);
            return true;
        }
    }
    if (!ProfileFileCheck::CheckProfileFile(absolute, m_context.settings()))
        return false;
    auto document = makeDocument();
    if (!document->OnOpenDocument(absolute))
        return false;
    show(std::move(document));
    remember(absolute);
    return true;
}

void CDocumentCommands::save()
{
    if (CProfileWindow *window = activeWindow())
        window->document().Save();
}

void CDocumentCommands::saveAs()
{
    if (CProfileWindow *window = activeWindow())
        window->document().SaveAs();
}

void CDocumentCommands::close()
{
    if (CProfileWindow *window = activeWindow())
        window->close();
}

bool CDocumentCommands::closeAll()
{
    for (CProfileWindow *window : windows()) {
        if (!window->close())
            return false;
    }
    return true;
}

CProfileWindow *CDocumentCommands::activeWindow() const
{
    return qobject_cast<CProfileWindow *>(m_area->currentSubWindow());
}

QList<CProfileWindow *> CDocumentCommands::windows() const
{
    QList<CProfileWindow *> result;
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (auto *profile = qobject_cast<CProfileWindow *>(window))
            result << profile;
    }
    return result;
}
