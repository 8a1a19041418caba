#pragma once

#include "EditorContext.h"

#include <QTableView>

class CChannelTableModel;
class QSortFilterProxyModel;

// The channel table: one row per channel, edited in place like a
// spreadsheet (arrows, Enter, F2, Escape, Tab), sorted by any column
// without changing the profile's channel order, rows copied as text, fill
// down, bulk edit and find and replace, each one undo step.
class CChannelTableView : public QTableView {
    Q_OBJECT

public:
    explicit CChannelTableView(const EditorContext &context, QWidget *parent = nullptr);

    CChannelTableModel &channels() const { return *m_channels; }
    // The selected channels (0-based, profile order).
    QList<int> selectedChannels() const;
    // The channel of a view row.
    int channelAt(int viewRow) const;

    // The commands of the table, also offered by the Edit menu.
    void copyRows();
    void fillDown();
    void editSelected();
    void findAndReplace(bool replacing);
    void showColumns();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    static bool tableCommand(const QKeyEvent *event);

    CChannelTableModel *m_channels;
    QSortFilterProxyModel *m_sorted;
    EditorContext m_context;
};
