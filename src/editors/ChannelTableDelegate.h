#pragma once

#include <QStyledItemDelegate>

class CChannelTableModel;

// The in-place editors of the channel table: the channel editor's name
// field (at most 8 characters) and its lists for the other columns.
class CChannelTableDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    CChannelTableDelegate(const CChannelTableModel &channels, QObject *parent = nullptr);

    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    const CChannelTableModel &m_channels;
};
