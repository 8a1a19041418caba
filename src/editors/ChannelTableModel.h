#pragma once

#include "ComboFill.h"
#include "EditorContext.h"
#include "model/DataItem.h"

#include <QAbstractTableModel>
#include <QHash>

#include <vector>

struct ProfileChange;

// The channels of a profile as a table: one row per channel in use, in
// profile order, one column per channel setting. A cell edit goes through
// the channel editor's commands (its rules, questions and refusals), and a
// refusal shows the message; the table refreshes on every change of
// the profile. Columns of features the model lacks are hidden by the view.
class CChannelTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Number,
        Name,
        ReceiveFrequency,
        TransmitFrequency,
        Bandwidth,
        Power,
        ReceiveCode,
        TransmitCode,
        Scramble,
        AutoScan,
        ScanList,
        Disabled,
        ColumnCount
    };

    explicit CChannelTableModel(const EditorContext &context, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Qt::EditRole: the value (combo value, flag 0/1 or name text).
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // Whether the model shows a column (the channel editor's limits).
    bool columnShown(int column) const;
    // The values a combo column offers, as the channel editor lists them;
    // empty for the name and the flags.
    const ComboItems &choices(int column) const { return m_choices[size_t(column)]; }
    static bool isFlag(int column) { return column >= AutoScan && column < ColumnCount; }
    // The stored value of a cell.
    QVariant value(int row, int column) const;
    QString columnTitle(int column) const;

    // One value for one cell (row: the channel's index).
    struct CellWrite {
        int row;
        int column;
        QVariant value;
    };
    // Writes cells as one undo step named undoText; the first refusal
    // refuses the whole step, and its message names the channel.
    bool write(const QList<CellWrite> &cells, const QString &undoText);

    CProfileDocument &document() const { return m_context.document; }

private:
    void reload();
    void readCells();
    int channelsInUse() const;
    void profileChanged(const ProfileChange &change);
    CDataItem channel(int row) const;
    const char *attributeOf(int row, int column) const;
    // The writes of one cell; false after noting the refusal in m_refusal.
    bool writeCell(int row, int column, const QVariant &value);

    EditorContext m_context;
    int m_rows = 0;
    std::vector<ComboItems> m_choices;
    std::vector<QHash<int, QString>> m_texts; // the choices' texts by value
    std::vector<QVariant> m_cells; // row by row
    std::vector<bool> m_shown;
    QString m_refusal;
    QStringList m_notices; // what the commands told of the last write
};
