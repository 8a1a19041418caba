#include "ChannelsView.h"

#include "ChannelImportDialog.h"
#include "ChannelTableView.h"
#include "EditorIcons.h"
#include "base/MessageReporter.h"
#include "base/VelaException.h"

#include <QItemSelectionModel>
#include <QPushButton>

namespace {

constexpr int kAddButton = 1041;
constexpr int kAddLabel = 1068;
constexpr int kMargin = 8;

constexpr FormControl kControls[] = {
    Form::PageTitle(1061, QT_TRANSLATE_NOOP("Editors", "Channels")),
    { .id = kAddButton, .widget = ControlWidget::Button, .row = 1, .cell = Cell::Label, .buddy = kAddLabel },
    { .id = kAddLabel,
        .widget = ControlWidget::Label,
        .text = QT_TRANSLATE_NOOP("Editors", "Add Channel"),
        .row = 1 },
};

constexpr FormDefinition kForm { "Channels", "Channels", kControls };

} // namespace

CChannelsView::CChannelsView(const EditorContext &context, QWidget *parent)
    : CBaseView(context, kForm, parent)
    , m_table(new CChannelTableView(context, widget()))
    , m_import(new QPushButton(tr("Import CSV..."), widget()))
    , m_export(new QPushButton(tr("Export CSV..."), widget()))
{
    connect(m_import, &QPushButton::clicked, this,
        [this] { CChannelImportDialog::importFile(document(), this); });
    connect(m_export, &QPushButton::clicked, this,
        [this] { CChannelImportDialog::exportFile(document(), this); });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &CChannelsView::channelSelectionChanged);
}

void CChannelsView::LoadRes()
{
    auto *button = control<QPushButton>(kAddButton);
    button->setIcon(EditorIcons::addChannel());
    button->setIconSize(EditorIcons::kAddChannelSize);
    connect(button, &QPushButton::clicked, this, &CChannelsView::addChannelRequested);
}

void CChannelsView::LoadData()
{
    try {
        control(kAddButton)->setEnabled(sectionItem(Section::kChannels).CanAddChild());
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
    }
}

void CChannelsView::editSelectedChannels()
{
    m_table->editSelected();
}

bool CChannelsView::hasSelectedChannels() const
{
    return m_table->selectionModel()->hasSelection();
}

void CChannelsView::resizeEvent(QResizeEvent *event)
{
    CBaseView::resizeEvent(event);
    placeTable();
}

// The table fills the page below the add button, with the CSV buttons
// beside that button.
void CChannelsView::placeTable()
{
    const QRect add = GetCtrlRect(kAddLabel) | GetCtrlRect(kAddButton);
    const int width = viewport()->width() - 2 * kMargin;
    m_export->adjustSize();
    m_import->adjustSize();
    m_export->move(kMargin + width - m_export->width(), add.center().y() - m_export->height() / 2);
    m_import->move(m_export->x() - kMargin - m_import->width(), m_export->y());
    const int top = std::max(add.bottom(), m_export->geometry().bottom()) + kMargin;
    m_table->setGeometry(kMargin, top, width, std::max(viewport()->height() - top - kMargin, 80));
    widget()->resize(viewport()->size().expandedTo(
        QSize(m_table->geometry().right() + kMargin, m_table->geometry().bottom() + kMargin)));
}
