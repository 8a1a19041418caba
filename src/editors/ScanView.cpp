#include "ScanView.h"

#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "document/ChannelListCommands.h"
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kAvailable = 1047;
constexpr int kMembers = 1048;
constexpr int kAdd = 1033;
constexpr int kRemove = 1034;
// Tall enough for the most channels a radio has (19) without scrolling.
constexpr int kListRows = 10;
constexpr int kChannelRole = Qt::UserRole;

constexpr FormControl ChainBreak(int id, int column)
{
    return { .id = id, .widget = ControlWidget::ChainBreak, .column = column };
}

// The available channels on the left; the buttons and the members on the
// right, the buttons beside the middle of the member list.
constexpr FormControl kControls[] = {
    Form::PageTitle(1035, QT_TRANSLATE_NOOP("Editors", "Scan List")),
    { .id = 1036,
        .widget = ControlWidget::Label,
        .text = QT_TRANSLATE_NOOP("Editors", "Available Channels"),
        .column = 1,
        .row = 1,
        .cell = Cell::Whole },
    { .id = kAvailable,
        .widget = ControlWidget::List,
        .column = 1,
        .row = 2,
        .cell = Cell::Whole,
        .rows = kListRows,
        .buddy = 1036 },
    ChainBreak(1036, 1),
    { .id = kAdd,
        .widget = ControlWidget::Button,
        .text = QT_TRANSLATE_NOOP("Editors", "&Add>>"),
        .column = 2,
        .row = 6,
        .cell = Cell::Label },
    { .id = kRemove,
        .widget = ControlWidget::Button,
        .text = QT_TRANSLATE_NOOP("Editors", "<<Re&move"),
        .column = 2,
        .row = 7,
        .cell = Cell::Label },
    ChainBreak(kAdd, 2),
    { .id = 1037,
        .widget = ControlWidget::Label,
        .text = QT_TRANSLATE_NOOP("Editors", "Scan List Members"),
        .column = 2,
        .row = 1 },
    { .id = kMembers,
        .widget = ControlWidget::List,
        .column = 2,
        .row = 2,
        .rows = kListRows,
        .buddy = 1037 },
};

constexpr FormDefinition kForm { "ScanList", "ScanList", kControls };

QList<int> SelectedRows(const QListWidget *list)
{
    QList<int> rows;
    for (const QListWidgetItem *item : list->selectedItems())
        rows.append(list->row(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SelectRow(QListWidget *list, int row)
{
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    list->setFocus(Qt::OtherFocusReason);
}

} // namespace

CScanView::CScanView(const EditorContext &context, QWidget *parent)
    : CBaseView(context, kForm, parent)
{
}

QListWidget *CScanView::availableList() const
{
    return control<QListWidget>(kAvailable);
}

QListWidget *CScanView::memberList() const
{
    return control<QListWidget>(kMembers);
}

void CScanView::LoadRes()
{
    for (QListWidget *list : { availableList(), memberList() }) {
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] { onSelectionChanged(list); });
    }
    // A double-click on an item moves the selection; on an empty area it
    // reaches no item and does nothing.
    connect(availableList(), &QListWidget::itemDoubleClicked, this, &CScanView::AddSelected);
    connect(memberList(), &QListWidget::itemDoubleClicked, this, &CScanView::RemoveSelected);
    connect(control<QPushButton>(kAdd), &QPushButton::clicked, this, &CScanView::AddSelected);
    connect(control<QPushButton>(kRemove), &QPushButton::clicked, this, &CScanView::RemoveSelected);
}

void CScanView::LoadData()
{
    readChannels();
    fillLists();
}

void CScanView::readChannels()
{
    m_channels.clear();
    try {
        const int count = readAttribute(Section::kSetting, "numberChannels").toInt();
        const CDataItem channels = sectionItem(Section::kChannels);
        for (int index = 0; index < count; ++index) {
            CDataItem channel;
            if (channels.GetChildByIndex(index, channel).isEmpty())
                break;
            const auto value = [&channel](const char *attribute) {
                return channel.GetAttributeValue(QLatin1String(attribute));
            };
            m_channels.append({ value("name").toString(), value("in_scanlist").toInt() != 0,
                value("disable_channel").toInt() != 0 });
        }
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
    }
}

void CScanView::fillLists()
{
    availableList()->clear();
    memberList()->clear();
    for (int index = 0; index < m_channels.size(); ++index) {
        const Channel &channel = m_channels[index];
        if (channel.disabled)
            continue;
        auto *item = new QListWidgetItem(channel.name, channel.member ? memberList() : availableList());
        item->setData(kChannelRole, index);
    }
    updateButtons();
}

void CScanView::moveSelected(bool intoScanList)
{
    QListWidget *from = intoScanList ? availableList() : memberList();
    QListWidget *to = intoScanList ? memberList() : availableList();
    const QList<int> rows = SelectedRows(from);
    if (rows.isEmpty())
        return;
    QList<int> channels;
    for (int row : rows)
        channels << from->item(row)->data(kChannelRole).toInt();
    const QListWidgetItem *next = from->item(rows.last() + 1);
    const int nextChannel = next ? next->data(kChannelRole).toInt() : -1;
    bool moved = false;
    runCommand([&] {
        try {
            const CommandVerdict verdict
                = CChannelListCommands(document()).setScanListMembers(channels, intoScanList);
            moved = verdict.accepted();
            return verdict;
        } catch (const CVelaCPSException &error) {
            return CommandVerdict::refused(error.text(), MsgStyle::IconError);
        }
    });
    if (moved)
        selectAfterMove(from, to, nextChannel);
}

void CScanView::selectAfterMove(QListWidget *from, QListWidget *to, int nextChannel)
{
    if (from->count() == 0) {
        if (to->count() > 0)
            SelectRow(to, 0);
        return;
    }
    int row = 0;
    for (int i = 0; i < from->count(); ++i) {
        if (from->item(i)->data(kChannelRole).toInt() == nextChannel)
            row = i;
    }
    SelectRow(from, row);
}

void CScanView::onSelectionChanged(QListWidget *changed)
{
    if (!m_clearingSelection) {
        m_clearingSelection = true;
        (changed == availableList() ? memberList() : availableList())->clearSelection();
        m_clearingSelection = false;
    }
    updateButtons();
}

void CScanView::updateButtons()
{
    control(kAdd)->setEnabled(!availableList()->selectedItems().isEmpty());
    control(kRemove)->setEnabled(!memberList()->selectedItems().isEmpty());
}
