#include "ChannelTableDelegate.h"

#include "ChannelTableModel.h"

#include <QComboBox>
#include <QLineEdit>

CChannelTableDelegate::CChannelTableDelegate(const CChannelTableModel &channels, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_channels(channels)
{
}

QWidget *CChannelTableDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (index.column() == CChannelTableModel::Name) {
        auto *edit = new QLineEdit(parent);
        edit->setMaxLength(8);
        return edit;
    }
    const ComboItems &choices = m_channels.choices(index.column());
    if (choices.empty())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *combo = new QComboBox(parent);
    FillCombo(combo, choices);
    return combo;
}

void CChannelTableDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QVariant value = index.data(Qt::EditRole);
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const int position = combo->findData(value.toInt());
        if (position < 0)
            combo->addItem(index.data(Qt::DisplayRole).toString(), value.toInt());
        combo->setCurrentIndex(position < 0 ? combo->count() - 1 : position);
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        edit->setText(value.toString());
    }
}

void CChannelTableDelegate::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    QVariant value;
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        value = combo->currentData();
    else if (auto *edit = qobject_cast<QLineEdit *>(editor))
        value = edit->text().trimmed();
    // Unchanged cells make no undo step.
    if (value.isValid() && value != index.data(Qt::EditRole))
        model->setData(index, value, Qt::EditRole);
}
