#pragma once

#include <QDialog>

#include <vector>

class CChannelTableModel;
class QComboBox;

// Edit > Edit Selected Channels...: a list per channel setting, "unchanged"
// first; OK sets the chosen values on every selected channel as one undo
// step, or refuses it all with the message that names the channel.
class CChannelBulkEditDialog : public QDialog {
    Q_OBJECT

public:
    CChannelBulkEditDialog(CChannelTableModel &channels, const QList<int> &rows, QWidget *parent = nullptr);

    // The list of a column (for tests); null for a column not offered.
    QComboBox *choice(int column) const;
    void accept() override;

private:
    CChannelTableModel &m_channels;
    QList<int> m_rows;
    std::vector<QComboBox *> m_choices;
};
