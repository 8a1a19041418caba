#include "ChannelTableView.h"

#include "ChannelBulkEditDialog.h"
#include "ChannelFindDialog.h"
#include "ChannelTableDelegate.h"
#include "ChannelTableModel.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSortFilterProxyModel>

#include <algorithm>

CChannelTableView::CChannelTableView(const EditorContext &context, QWidget *parent)
    : QTableView(parent)
    , m_channels(new CChannelTableModel(context, this))
    , m_sorted(new QSortFilterProxyModel(this))
    , m_context(context)
{
    m_sorted->setSourceModel(m_channels);
    m_sorted->setSortRole(Qt::EditRole);
    setModel(m_sorted);
    setItemDelegate(new CChannelTableDelegate(*m_channels, this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    setSortingEnabled(true);
    sortByColumn(CChannelTableModel::Number, Qt::AscendingOrder);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setAccessibleName(tr("Channels"));
    connect(m_channels, &QAbstractItemModel::modelReset, this, &CChannelTableView::showColumns);
    connect(m_channels, &QAbstractItemModel::headerDataChanged, this, &CChannelTableView::showColumns);
    showColumns();
}

void CChannelTableView::showColumns()
{
    for (int column = 0; column < CChannelTableModel::ColumnCount; ++column)
        setColumnHidden(column, !m_channels->columnShown(column));
}

int CChannelTableView::channelAt(int viewRow) const
{
    return m_sorted->mapToSource(m_sorted->index(viewRow, 0)).row();
}

QList<int> CChannelTableView::selectedChannels() const
{
    QList<int> channels;
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        const int channel = m_sorted->mapToSource(index).row();
        if (!channels.contains(channel))
            channels << channel;
    }
    if (channels.isEmpty() && currentIndex().isValid())
        channels << m_sorted->mapToSource(currentIndex()).row();
    std::sort(channels.begin(), channels.end());
    return channels;
}

// The selected rows in view order, the shown columns between tabs: what a
// spreadsheet takes when pasted.
void CChannelTableView::copyRows()
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        if (!rows.contains(index.row()))
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < CChannelTableModel::ColumnCount; ++column) {
            if (isColumnHidden(column))
                continue;
            const QModelIndex index = m_sorted->index(row, column);
            cells << (CChannelTableModel::isFlag(column)
                    ? (index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStringLiteral("1")
                                                                             : QStringLiteral("0"))
                    : index.data(Qt::DisplayRole).toString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

// The value of the topmost selected cell of the current column goes to
// every other selected row, as one undo step.
void CChannelTableView::fillDown()
{
    const int column = currentIndex().column();
    if (column <= CChannelTableModel::Number)
        return;
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        if (index.column() == column && !rows.contains(index.row()))
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    if (rows.size() < 2)
        return;
    const QVariant value = m_sorted->index(rows.first(), column).data(Qt::EditRole);
    QList<CChannelTableModel::CellWrite> cells;
    for (int row : rows.mid(1))
        cells.push_back({ channelAt(row), column, value });
    m_channels->write(cells, tr("Fill Down %1").arg(m_channels->columnTitle(column)));
}

void CChannelTableView::editSelected()
{
    const QList<int> channels = selectedChannels();
    if (channels.isEmpty())
        return;
    CChannelBulkEditDialog dialog(*m_channels, channels, this);
    dialog.exec();
}

void CChannelTableView::findAndReplace(bool replacing)
{
    CChannelFindDialog dialog(*this, replacing, this);
    dialog.exec();
}

// The table's own keys; the main window's shortcuts give way to them while
// the table has the focus.
bool CChannelTableView::tableCommand(const QKeyEvent *event)
{
    const QKeyCombination keys = event->keyCombination();
    return event->matches(QKeySequence::Copy) || keys == QKeyCombination(Qt::ControlModifier, Qt::Key_D)
        || event->matches(QKeySequence::Find) || keys == QKeyCombination(Qt::ControlModifier, Qt::Key_H);
}

bool CChannelTableView::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && tableCommand(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void CChannelTableView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy))
        return copyRows();
    if (event->matches(QKeySequence::Find))
        return findAndReplace(false);
    if (event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_D))
        return fillDown();
    if (event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_H))
        return findAndReplace(true);
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != QAbstractItemView::EditingState && currentIndex().isValid()) {
        edit(currentIndex());
        return;
    }
    QTableView::keyPressEvent(event);
}

// Enter commits and moves down, as in a spreadsheet; Tab moves right.
void CChannelTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache && currentIndex().row() + 1 < model()->rowCount())
        setCurrentIndex(model()->index(currentIndex().row() + 1, currentIndex().column()));
}
