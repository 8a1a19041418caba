#include "ChannelFindDialog.h"

#include "ChannelTableView.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int kSearchedColumns[]
    = { CChannelTableModel::Name, CChannelTableModel::ReceiveFrequency, CChannelTableModel::TransmitFrequency,
          CChannelTableModel::ReceiveCode, CChannelTableModel::TransmitCode };

} // namespace

CChannelFindDialog::CChannelFindDialog(CChannelTableView &table, bool replacing, QWidget *parent)
    : QDialog(parent)
    , m_table(table)
    , m_replacing(replacing)
    , m_find(new QLineEdit(this))
    , m_replace(new QLineEdit(this))
    , m_preview(new QTreeWidget(this))
{
    setWindowTitle(replacing ? tr("Replace") : tr("Find"));
    auto *form = new QFormLayout(this);
    form->addRow(tr("Find what:"), m_find);
    if (replacing)
        form->addRow(tr("Replace with:"), m_replace);
    else
        m_replace->hide();
    auto *columns = new QHBoxLayout;
    const CChannelTableModel &channels = table.channels();
    for (int column : kSearchedColumns) {
        if (!channels.columnShown(column))
            continue;
        auto *box = new QCheckBox(channels.columnTitle(column), this);
        box->setChecked(column == CChannelTableModel::Name);
        columns->addWidget(box);
        m_columns << qMakePair(column, box);
    }
    form->addRow(tr("Look in:"), columns);
    QStringList headers { tr("Channel"), tr("Column"), tr("Now") };
    if (replacing)
        headers << tr("Becomes");
    m_preview->setHeaderLabels(headers);
    m_preview->setRootIsDecorated(false);
    form->addRow(m_preview);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *findButton = buttons->addButton(tr("&Find"), QDialogButtonBox::ActionRole);
    connect(findButton, &QPushButton::clicked, this, &CChannelFindDialog::find);
    if (replacing) {
        QPushButton *replaceButton = buttons->addButton(tr("Replace &All"), QDialogButtonBox::ApplyRole);
        connect(replaceButton, &QPushButton::clicked, this, [this] {
            if (replaceAll())
                QDialog::accept();
        });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

std::optional<QVariant> CChannelFindDialog::replacement(int column, const QString &text) const
{
    if (column == CChannelTableModel::Name)
        return text;
    const ComboItems &choices = m_table.channels().choices(column);
    for (const ComboItem &item : choices) {
        if (item.text == text)
            return item.value;
    }
    // Otherwise the one value whose text holds what replaces.
    std::optional<QVariant> only;
    for (const ComboItem &item : choices) {
        if (item.text.contains(m_replace->text(), Qt::CaseInsensitive)) {
            if (only)
                return std::nullopt;
            only = item.value;
        }
    }
    return only;
}

void CChannelFindDialog::find()
{
    m_previewed.clear();
    m_preview->clear();
    m_writes.clear();
    const QString wanted = m_find->text();
    if (wanted.isEmpty())
        return;
    const CChannelTableModel &channels = m_table.channels();
    QItemSelection found;
    for (int viewRow = 0; viewRow < m_table.model()->rowCount(); ++viewRow) {
        const int row = m_table.channelAt(viewRow);
        for (const auto &[column, box] : m_columns) {
            if (!box->isChecked())
                continue;
            const QString text = channels.index(row, column).data(Qt::DisplayRole).toString();
            if (!text.contains(wanted, Qt::CaseInsensitive))
                continue;
            QStringList cells { QString::number(row + 1), channels.columnTitle(column), text };
            if (m_replacing) {
                const QString replaced
                    = QString(text).replace(wanted, m_replace->text(), Qt::CaseInsensitive);
                const auto value = replacement(column, replaced);
                if (value)
                    m_writes.push_back({ row, column, *value });
                cells << (value ? replaced : tr("(no such value)"));
            }
            new QTreeWidgetItem(m_preview, cells);
            const QModelIndex cell = m_table.model()->index(viewRow, column);
            found.select(cell, cell);
        }
    }
    m_table.selectionModel()->select(found, QItemSelectionModel::ClearAndSelect);
}

bool CChannelFindDialog::replaceAll()
{
    // What is replaced is listed first; a second click replaces it.
    const QStringList asked { m_find->text(), m_replace->text() };
    if (asked != m_previewed) {
        find();
        m_previewed = asked;
        return false;
    }
    return !m_writes.isEmpty() && m_table.channels().write(m_writes, tr("Replace"));
}
