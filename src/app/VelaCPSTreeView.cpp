#include "VelaCPSTreeView.h"

#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "document/ChannelListCommands.h"
#include "document/ProfileDocument.h"
#include "editors/MenuFocus.h"
#include "editors/VerdictDisplay.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

constexpr int kNameLength = 8;
const QString kChannels = QStringLiteral("channels");
const QString kName = QStringLiteral("name");

// Only the exact text "1" (or a typed true) counts as set.
bool IsSet(const QVariant &value)
{
    return value.typeId() == QMetaType::Bool ? value.toBool() : value.toString() == QLatin1String("1");
}

CDataItem Child(const CDataItem &parent, const QString &name)
{
    CDataItem child;
    parent.GetChildByName(name, child);
    return child;
}

} // namespace

// Channel names are edited in place, at most eight characters; the tree's
// rename procedure decides what is stored. Rows are two pixels taller than
// the style's default.
class CTreeLabelDelegate : public QStyledItemDelegate {
public:
    explicit CTreeLabelDelegate(CVelaCPSTreeView *tree)
        : QStyledItemDelegate(tree)
        , m_tree(tree)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setMaxLength(kNameLength);
        m_tree->labelEditorOpened(editor);
        return editor;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        m_tree->renameChannel(m_tree->itemFromIndex(index), static_cast<QLineEdit *>(editor)->text(), false);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 2);
    }

private:
    CVelaCPSTreeView *m_tree;
};

quint32 CVelaCPSTreeView::dataOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).toUInt() : itemData(SectionKind::RadioInfo);
}

CVelaCPSTreeView::CVelaCPSTreeView(CProfileDocument &document, QWidget *parent)
    : QTreeWidget(parent)
    , m_document(document)
{
    setHeaderHidden(true);
    setColumnCount(1);
    // Long captions scroll rather than being cut short.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setIconSize(CTreeIcons::kSize);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new CTreeLabelDelegate(this));
    setAttribute(Qt::WA_Hover);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    setAccessibleName(tr("Profile"));
    connect(this, &QTreeWidget::currentItemChanged, this, &CVelaCPSTreeView::onCurrentItemChanged);
    connect(&document, &CProfileDocument::changed, this, &CVelaCPSTreeView::onProfileChanged);
}

void CVelaCPSTreeView::OnInitialUpdate()
{
    fill();
    if (QTreeWidgetItem *root = topLevelItem(0)) {
        setCurrentItem(root);
        emit sectionSelected(int(SectionKind::RadioInfo), 0);
        scrollToItem(root);
    }
    m_ready = true;
}

void CVelaCPSTreeView::fill()
{
    m_ready = false;
    clear();
    m_channelsItem = nullptr;
    try {
        auto *root = new QTreeWidgetItem(this, { tr("KVX Distributor Series") });
        root->setData(0, Qt::UserRole, itemData(SectionKind::RadioInfo));
        root->setIcon(0, m_icons.section(0));
        addSection(SectionKind::GeneralSettings, QT_TR_NOOP("General Settings"), 1);
        addSection(SectionKind::AudioSettings, QT_TR_NOOP("Audio Settings"), 2);
        addSection(SectionKind::Buttons, QT_TR_NOOP("Buttons"), 3);
        addSection(SectionKind::RfFrequency, QT_TR_NOOP("RF Frequency"), 4);
        addSection(SectionKind::Channels, QT_TR_NOOP("Channels"), 5);
        m_channelsItem = root->child(root->childCount() - 1);
        refreshChannelItems(false);
        const CDataItem limit = Child(m_document.root(), QStringLiteral("limit"));
        if (!IsSet(limit.GetAttributeValue(QStringLiteral("disable_scan_mode"))))
            addSection(SectionKind::ScanList, QT_TR_NOOP("Scan List"), CTreeIcons::kScanList);
        const int maxCodes = limit.GetAttributeValue(QStringLiteral("maxCodes")).toInt();
        if (maxCodes > 122)
            addSection(SectionKind::CustomizedPL, QT_TR_NOOP("Customized PL"), CTreeIcons::kCustomizedPL);
        if (maxCodes > 213)
            addSection(SectionKind::CustomizedDPL, QT_TR_NOOP("Customized DPL"), CTreeIcons::kCustomizedDPL);
    } catch (const CVelaCPSException &error) {
        showError(error.text());
    }
    expandAll();
}

void CVelaCPSTreeView::addSection(SectionKind type, const char *caption, int image)
{
    auto *item = new QTreeWidgetItem(topLevelItem(0), { tr(caption) });
    item->setData(0, Qt::UserRole, itemData(type));
    item->setIcon(0, m_icons.section(image));
}

QTreeWidgetItem *CVelaCPSTreeView::itemFor(quint32 data) const
{
    for (QTreeWidgetItemIterator it(const_cast<CVelaCPSTreeView *>(this)); *it; ++it) {
        if (dataOf(*it) == data)
            return *it;
    }
    return nullptr;
}

CDataItem CVelaCPSTreeView::channelsData() const
{
    return Child(m_document.root(), kChannels);
}

int CVelaCPSTreeView::channelItemCount() const
{
    const int inUse = Child(m_document.root(), QStringLiteral("setting"))
                          .GetAttributeValue(QStringLiteral("numberChannels"))
                          .toInt();
    return std::min(channelsData().GetChildCount(), inUse);
}

void CVelaCPSTreeView::refreshChannelItems(bool reshowEditor)
{
    if (!m_channelsItem)
        return;
    QTreeWidgetItem *const selected = currentItem();
    bool selectedRemoved = false;
    {
        const QScopedValueRollback notReady(m_ready, false);
        try {
            const CDataItem channels = channelsData();
            const int count = channelItemCount();
            for (int i = 0; i < count; ++i) {
                CDataItem channel;
                channels.GetChildByIndex(i, channel);
                const QString name = channel.GetAttributeValue(kName).toString();
                QTreeWidgetItem *item = m_channelsItem->child(i);
                if (!item) {
                    item = new QTreeWidgetItem(m_channelsItem);
                    item->setFlags(item->flags() | Qt::ItemIsEditable);
                }
                if (item->text(0) != name)
                    item->setText(0, name);
                item->setData(0, Qt::UserRole, itemData(SectionKind::Channel, i));
            }
            while (m_channelsItem->childCount() > count) {
                QTreeWidgetItem *item = m_channelsItem->child(m_channelsItem->childCount() - 1);
                selectedRemoved = selectedRemoved || item == selected;
                delete item;
            }
        } catch (const CVelaCPSException &error) {
            showError(error.text());
        }
        refreshChannelIcons();
        if (selectedRemoved && !currentItem())
            setCurrentItem(m_channelsItem);
    }
    if (m_ready && (reshowEditor || selectedRemoved)) {
        const quint32 data = dataOf(currentItem());
        emit sectionSelected(int(typeOf(data)), indexOf(data));
    }
}

bool CVelaCPSTreeView::channelShowsDisabled(int index) const
{
    CDataItem channel;
    channelsData().GetChildByIndex(index, channel);
    return !channel.isEmpty() && IsSet(channel.GetAttributeValue(QStringLiteral("disable_channel")));
}

void CVelaCPSTreeView::refreshChannelIcons()
{
    if (!m_channelsItem)
        return;
    try {
        const bool disabling = IsSet(Child(m_document.root(), QStringLiteral("limit"))
                                         .GetAttributeValue(QStringLiteral("disable_channel_enable")));
        for (int i = 0; i < m_channelsItem->childCount(); ++i)
            m_channelsItem->child(i)->setIcon(0, m_icons.channel(i, disabling && channelShowsDisabled(i)));
    } catch (const CVelaCPSException &error) {
        showError(error.text());
    }
}

void CVelaCPSTreeView::rebuildKeepingSelection()
{
    const quint32 kept = dataOf(currentItem());
    const bool wasReady = m_ready;
    fill();
    QTreeWidgetItem *item = itemFor(kept);
    const bool sameSection = item != nullptr;
    if (!item)
        item = typeOf(kept) == SectionKind::Channel && m_channelsItem ? m_channelsItem : topLevelItem(0);
    restoreSelection(item);
    m_ready = wasReady;
    if (m_ready && !sameSection && item) {
        const quint32 data = dataOf(item);
        emit sectionSelected(int(typeOf(data)), indexOf(data));
    }
    recomputeCommandFlags();
}

void CVelaCPSTreeView::restoreSelection(QTreeWidgetItem *item)
{
    const QScopedValueRollback restoring(m_restoring, true);
    setCurrentItem(item);
}

void CVelaCPSTreeView::onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    if (m_restoring)
        return;
    if (m_ready && previous && current != previous && m_commitGuard && !m_commitGuard()) {
        // The item view goes on selecting what was clicked after this
        // signal, so the selection is put back once more afterwards.
        const quint32 kept = dataOf(previous);
        restoreSelection(previous);
        QTimer::singleShot(0, this, [this, kept] {
            if (QTreeWidgetItem *item = itemFor(kept))
                restoreSelection(item);
        });
        return;
    }
    if (m_ready && current) {
        const quint32 data = dataOf(current);
        emit sectionSelected(int(typeOf(data)), indexOf(data));
    }
    recomputeCommandFlags();
}

void CVelaCPSTreeView::onProfileChanged(const ProfileChange &change)
{
    switch (change.kind) {
    case ProfileChange::Reloaded:
        rebuildKeepingSelection();
        return;
    case ProfileChange::ChildAdded:
    case ProfileChange::ChildRemoved:
        if (change.section == kChannels)
            refreshChannelItems(change.kind == ProfileChange::ChildRemoved);
        break;
    case ProfileChange::Attribute:
        if (change.section == QLatin1String("channel")
            && change.attribute == QLatin1String("disable_channel")) {
            refreshChannelIcons();
        } else if (change.section == QLatin1String("channel")
            || change.attribute == QLatin1String("numberChannels")) {
            refreshChannelItems(false);
        } else if (change.section == QLatin1String("limit")) {
            rebuildKeepingSelection();
            return;
        }
        break;
    case ProfileChange::Frequencies:
        return;
    }
    if (hasFocus())
        recomputeCommandFlags();
}

void CVelaCPSTreeView::setCommandFlags(bool add, bool remove, bool rename)
{
    if (add == m_canAdd && remove == m_canDelete && rename == m_canRename)
        return;
    m_canAdd = add;
    m_canDelete = remove;
    m_canRename = rename;
    emit commandFlagsChanged();
}

void CVelaCPSTreeView::clearCommandFlags()
{
    setCommandFlags(false, false, false);
}

void CVelaCPSTreeView::recomputeCommandFlags()
{
    const quint32 data = dataOf(currentItem());
    try {
        if (currentItem() && typeOf(data) == SectionKind::Channels) {
            setCommandFlags(channelsData().CanAddChild(), false, false);
            return;
        }
        if (currentItem() && typeOf(data) == SectionKind::Channel) {
            CDataItem channel;
            channelsData().GetChildByIndex(indexOf(data), channel);
            setCommandFlags(false, !channel.isEmpty() && channel.CanDeleteChild(), true);
            return;
        }
    } catch (const CVelaCPSException &error) {
        showError(error.text());
    }
    clearCommandFlags();
}

void CVelaCPSTreeView::addItem()
{
    if (typeOf(dataOf(currentItem())) != SectionKind::Channels || !currentItem())
        return;
    try {
        int added = -1;
        if (!CChannelListCommands(m_document).addChannel(&added).accepted())
            return;
        refreshChannelItems(false);
        recomputeCommandFlags();
        QTreeWidgetItem *item = m_channelsItem->child(added);
        if (!item)
            return;
        setCurrentItem(item);
        if (currentItem() == item)
            emit channelAdded(added);
    } catch (const CVelaCPSException &error) {
        showError(error.text());
    }
}

void CVelaCPSTreeView::deleteItem()
{
    const quint32 data = dataOf(currentItem());
    if (!currentItem() || typeOf(data) != SectionKind::Channel)
        return;
    deleteChannel(indexOf(data));
    refreshChannelIcons();
    recomputeCommandFlags();
}

void CVelaCPSTreeView::deleteChannel(int index)
{
    try {
        ShowVerdict(CChannelListCommands(m_document, AskInMessageBox).deleteChannel(index));
    } catch (const CVelaCPSException &error) {
        showError(error.text());
    }
}

void CVelaCPSTreeView::renameItem()
{
    QTreeWidgetItem *item = currentItem();
    if (item && typeOf(dataOf(item)) == SectionKind::Channel)
        editItem(item);
}

bool CVelaCPSTreeView::renameChannel(QTreeWidgetItem *item, const QString &text, bool commit)
{
    if (!commit && !m_renameArmed) {
        m_renameArmed = true;
        return false;
    }
    // The message box of a refusal takes the focus from the edit box, which
    // ends the edit once more.
    if (m_renaming)
        return false;
    const QString name = text.trimmed();
    const quint32 data = dataOf(item);
    if (name.isEmpty() || !item || typeOf(data) != SectionKind::Channel)
        return false;
    if (name == item->text(0))
        return true;
    const QScopedValueRollback renaming(m_renaming, true);
    try {
        const CommandVerdict verdict = CChannelListCommands(m_document).renameChannel(indexOf(data), name);
        if (verdict.accepted())
            return true;
        if (commit)
            m_renameArmed = false;
        ShowVerdict(verdict);
    } catch (const CVelaCPSException &error) {
        showError(error.text());
    }
    return false;
}

bool CVelaCPSTreeView::commitLabelEdit()
{
    QLineEdit *editor = m_labelEditor;
    if (!editor || !isEditingLabel())
        return true;
    const bool stored
        = editor->text().trimmed().isEmpty() || renameChannel(currentItem(), editor->text(), true);
    if (stored)
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    return stored;
}

void CVelaCPSTreeView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && !isEditingLabel()) {
        deleteItem();
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CVelaCPSTreeView::contextMenuEvent(QContextMenuEvent *event)
{
    QTreeWidgetItem *item
        = event->reason() == QContextMenuEvent::Mouse ? itemAt(event->pos()) : currentItem();
    if (!item)
        return;
    if (currentItem() != item) {
        setCurrentItem(item);
        if (currentItem() != item)
            return;
    }
    QMenu menu(this);
    menu.addAction(tr("&Add\tCtrl+A"), this, &CVelaCPSTreeView::addItem)->setEnabled(m_canAdd);
    menu.addAction(tr("&Delete\tDel"), this, &CVelaCPSTreeView::deleteItem)->setEnabled(m_canDelete);
    menu.addAction(tr("&Rename\tF2"), this, &CVelaCPSTreeView::renameItem)->setEnabled(m_canRename);
    const QPoint where = event->reason() == QContextMenuEvent::Mouse
        ? event->globalPos()
        : viewport()->mapToGlobal(visualItemRect(item).bottomLeft());
    menu.exec(where);
}

void CVelaCPSTreeView::focusInEvent(QFocusEvent *event)
{
    QTreeWidget::focusInEvent(event);
    recomputeCommandFlags();
}

void CVelaCPSTreeView::focusOutEvent(QFocusEvent *event)
{
    QTreeWidget::focusOutEvent(event);
    // A menu opening, or the menu bar taking the keys, keeps the commands
    // as they are.
    if (!isMenuFocus(event->reason()))
        clearCommandFlags();
}

void CVelaCPSTreeView::showError(const QString &text)
{
    showMessage(text, MsgStyle::IconError);
}
