#pragma once

#include "document/CommandVerdict.h"
#include "document/FieldAssignments.h"
#include "document/ProfileDocument.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// Makes a fresh copy of the profile a batch writes, one per radio; null
// after its message.
using ProfileSource = std::function<std::unique_ptr<CProfileDocument>()>;

// The per-radio values of a batch: a CSV file (UTF-8) whose header names a
// first column "serial" or "order" and then fields of the field catalogue
// (setting.powerupString, channel[2].name). A radio gets the row of its
// serial, or with "order" the row numbered as its place in the batch. Each
// value goes through the same profile commands as an edit.
class FleetValues {
public:
    enum class Key { Serial, Order };

    struct Row {
        int line = 0; // of the file, from 1
        QString key; // the serial, or the order number as written
        QList<FieldAssignment> assignments;
    };

    // Reads and parses the file at path; false with error naming the file
    // (and the line) when it cannot be used.
    bool load(const QString &path, QString &error);
    // Parses text: an unknown column, a duplicate key or a row of another
    // width is refused with its line.
    bool parse(const QByteArray &text, QString &error);
    // Applies every row to its own copy of the profile (questions answered
    // as answerYes says); false with error "line N: why" at the first row
    // refused, so a batch stops before any radio is touched.
    bool check(const ProfileSource &profile, bool answerYes, QString &error) const;

    bool isEmpty() const { return m_rows.isEmpty(); }
    Key key() const { return m_key; }
    const QList<Row> &rows() const { return m_rows; }
    // The row of the radio with serial at place order in the batch; null
    // when the file has none for it.
    const Row *rowFor(const QString &serial, int order) const;

    // Applies row to document as one change (as velacps-cli set does);
    // questions go to ask.
    static CommandVerdict apply(CProfileDocument &document, const Row &row, const CommandAsker &ask);
    // (field name, value) of row, as FleetRecord::values lists them.
    static QList<QPair<QString, QString>> values(const Row &row);

private:
    Key m_key = Key::Serial;
    QList<Row> m_rows;
};
