#include "ProfileWindow.h"

#include "AppIcons.h"
#include "ChildFrame.h"
#include "VelaCPSDoc.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

CProfileWindow::CProfileWindow(
    std::unique_ptr<CVelaCPSDoc> document, const CProductContext &context, bool showHelp, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_document(std::move(document))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(AppIcons::application());
    // The window menu's Close would take Ctrl+W (the X11 close key) from
    // Write; File > Close (Ctrl+F4) closes the profile window instead.
    for (QAction *entry : systemMenu()->actions())
        entry->setShortcuts({});
    m_frame = new CChildFrame(m_document->profile(), context, this);
    m_frame->setHelpVisible(showHelp);
    setWidget(m_frame);
    m_document->setCommitPendingInput([this] { return m_frame->CommitPendingInput(); });
    connect(m_document.get(), &CVelaCPSDoc::titleChanged, this, &CProfileWindow::updateTitle);
    updateTitle();
}

CProfileWindow::~CProfileWindow()
{
    // The frame works on the document, so it goes first.
    delete m_frame;
}

void CProfileWindow::updateTitle()
{
    setWindowTitle(m_document->title() + QStringLiteral("[*]"));
    setWindowModified(m_document->isModified());
    setAccessibleName(m_document->title());
}

void CProfileWindow::closeEvent(QCloseEvent *event)
{
    if (!m_document->SaveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
