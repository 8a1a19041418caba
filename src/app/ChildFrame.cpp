#include "ChildFrame.h"

#include "HelpPane.h"
#include "VelaCPSTreeView.h"
#include "document/ProfileDocument.h"
#include "editors/BaseView.h"
#include "editors/ChannelsView.h"
#include "editors/EditorFactory.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QSplitter>

CChildFrame::CChildFrame(CProfileDocument &document, const CProductContext &context, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_context(context)
    , m_splitter(new QSplitter(Qt::Horizontal, this))
    , m_editorSplitter(new QSplitter(Qt::Vertical))
    , m_tree(new CVelaCPSTreeView(document))
    , m_helpPane(new CHelpPane)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_editorSplitter);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->installEventFilter(this);
    m_editorSplitter->addWidget(new QWidget);
    m_editorSplitter->addWidget(m_helpPane);
    m_editorSplitter->setStretchFactor(0, 1);
    m_editorSplitter->setStretchFactor(1, 0);
    m_editorSplitter->installEventFilter(this);
    m_helpPane->hide();

    // Dragging the bar sets the help height for both window states.
    connect(m_editorSplitter, &QSplitter::splitterMoved, this,
        [this] { m_normalHelpHeight = m_maximisedHelpHeight = m_helpPane->height(); });
    m_tree->setCommitGuard([this] { return !m_editor || m_editor->CommitPendingInput(); });
    connect(m_tree, &CVelaCPSTreeView::sectionSelected, this, &CChildFrame::showEditor);
    connect(m_tree, &CVelaCPSTreeView::commandFlagsChanged, this, &CChildFrame::commandStateChanged);
    connect(
        m_tree, &CVelaCPSTreeView::channelAdded, this,
        [this] {
            if (m_editor)
                m_editor->FocusFirstField();
        },
        Qt::QueuedConnection);
    m_tree->OnInitialUpdate();
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::rebuild()
{
    m_tree->OnInitialUpdate();
}

bool CChildFrame::CommitPendingInput()
{
    return m_tree->commitLabelEdit() && (!m_editor || m_editor->CommitPendingInput());
}

void CChildFrame::showEditor(int kind, int channelIndex)
{
    CBaseView *view = CreateEditorView(kind, EditorContext { m_document, m_context, channelIndex });
    if (!view)
        return;
    // The new editor takes the old one's place and visibility; the old one
    // may be the sender of what led here (the "Add Channel" button), so it
    // goes once control is back in the event loop, and until then no longer
    // follows the document.
    if (m_editor)
        m_document.disconnect(m_editor);
    m_editorSplitter->replaceWidget(0, view)->deleteLater();
    m_editor = view;
    m_editorKind = kind;
    connect(view, &CBaseView::helpPageRequested, this, &CChildFrame::showHelpPage);
    if (auto *channels = qobject_cast<CChannelsView *>(view)) {
        connect(channels, &CChannelsView::addChannelRequested, m_tree, &CVelaCPSTreeView::addItem);
        connect(channels, &CChannelsView::channelSelectionChanged, this, &CChildFrame::commandStateChanged);
    }
    view->OnInitialUpdate();
    emit commandStateChanged(); // the commands of the page shown before go
    if (m_helpVisible)
        m_helpPane->showBlank();
}

void CChildFrame::showHelpPage(const QString &pageName)
{
    if (m_helpVisible)
        m_helpPane->showPage(pageName);
}

void CChildFrame::setHelpVisible(bool visible)
{
    m_helpVisible = visible;
    m_helpPane->setVisible(visible);
    if (!visible)
        return;
    m_helpPane->showBlank();
    applyHelpHeight();
}

bool CChildFrame::windowMaximised() const
{
    const QWidget *window = parentWidget();
    return window && window->isMaximized();
}

void CChildFrame::applyHelpHeight()
{
    if (!m_helpVisible)
        return;
    const int height = m_editorSplitter->height();
    const bool maximised = windowMaximised();
    if (!maximised && !(height < m_normalHelpHeight && m_wasMaximised))
        m_maximisedHelpHeight = m_normalHelpHeight;
    const int helpHeight = maximised ? m_maximisedHelpHeight : m_normalHelpHeight;
    m_wasMaximised = maximised;
    const int editorHeight = height - m_editorSplitter->handleWidth() - helpHeight;
    m_editorSplitter->setSizes({ std::max(0, editorHeight), helpHeight });
}

bool CChildFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editorSplitter && event->type() == QEvent::Resize)
        applyHelpHeight();
    // The tree starts 200 wide once the splitter has its first size, or as
    // wide as its longest caption: the section names of some languages are
    // longer than English ones.
    if (watched == m_splitter && event->type() == QEvent::Resize && !m_treeWidthSet) {
        m_treeWidthSet = true;
        const int treeWidth = std::max(kTreeWidth, m_tree->captionWidth());
        m_splitter->setSizes({ treeWidth, std::max(0, m_splitter->width() - treeWidth) });
    }
    return QWidget::eventFilter(watched, event);
}
