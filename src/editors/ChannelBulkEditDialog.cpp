#include "ChannelBulkEditDialog.h"

#include "ChannelTableModel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

CChannelBulkEditDialog::CChannelBulkEditDialog(
    CChannelTableModel &channels, const QList<int> &rows, QWidget *parent)
    : QDialog(parent)
    , m_channels(channels)
    , m_rows(rows)
    , m_choices(CChannelTableModel::ColumnCount, nullptr)
{
    setWindowTitle(tr("Edit Selected Channels (%1)").arg(rows.size()));
    auto *form = new QFormLayout(this);
    // Names are unique per channel, so they are not set in bulk.
    for (int column = CChannelTableModel::ReceiveFrequency; column < CChannelTableModel::ColumnCount;
         ++column) {
        if (!channels.columnShown(column))
            continue;
        auto *combo = new QComboBox(this);
        combo->addItem(tr("unchanged"));
        if (CChannelTableModel::isFlag(column)) {
            combo->addItem(tr("Off"), 0);
            combo->addItem(tr("On"), 1);
        }
        for (const ComboItem &item : channels.choices(column))
            combo->addItem(item.text, item.value);
        form->addRow(channels.columnTitle(column), combo);
        m_choices[size_t(column)] = combo;
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QComboBox *CChannelBulkEditDialog::choice(int column) const
{
    return m_choices[size_t(column)];
}

void CChannelBulkEditDialog::accept()
{
    QList<CChannelTableModel::CellWrite> cells;
    for (int column = 0; column < CChannelTableModel::ColumnCount; ++column) {
        const QComboBox *combo = m_choices[size_t(column)];
        if (!combo || combo->currentIndex() <= 0)
            continue;
        for (int row : m_rows)
            cells.push_back({ row, column, combo->currentData() });
    }
    if (cells.isEmpty() || m_channels.write(cells, tr("Edit Selected Channels")))
        QDialog::accept();
}
