#pragma once

#include "ChannelTableModel.h"

#include <QDialog>

class CChannelTableView;
class QCheckBox;
class QLineEdit;
class QTreeWidget;

// Find (Ctrl+F) and replace (Ctrl+H) in the channel table: over the names
// and, in the columns chosen, over the frequency and code texts. Find lists
// and selects the matching cells; Replace All first lists each cell with
// its new value, then sets them as one undo step.
class CChannelFindDialog : public QDialog {
    Q_OBJECT

public:
    CChannelFindDialog(CChannelTableView &table, bool replacing, QWidget *parent = nullptr);

    QLineEdit *findEdit() const { return m_find; }
    QLineEdit *replaceEdit() const { return m_replace; }
    QTreeWidget *previewList() const { return m_preview; }
    // Lists the matches (and their new values when replacing).
    void find();
    // Sets the listed new values; false when nothing was set. Lists them
    // first when they were not listed for these texts.
    bool replaceAll();

private:
    // A new value for the cell's text, nullopt when no value has that text.
    std::optional<QVariant> replacement(int column, const QString &text) const;

    CChannelTableView &m_table;
    bool m_replacing;
    QLineEdit *m_find;
    QLineEdit *m_replace;
    QList<QPair<int, QCheckBox *>> m_columns;
    QTreeWidget *m_preview;
    QList<CChannelTableModel::CellWrite> m_writes;
    QStringList m_previewed; // the texts the list was made for
};
