#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated text as spreadsheets and other programs write it: an
// optional UTF-8 byte-order mark, ',' ';' or tab between cells (the one the
// first record uses), cells in double quotes with "" for a quote and line
// breaks inside quotes, '#' comment lines and blank lines skipped.
namespace CsvRecords {

struct Record {
    int line = 0; // 1-based line the record starts on
    QStringList cells;
};

struct Table {
    QList<Record> records; // the first one is the header
    QString error; // why the text could not be read; empty when it was
};

// Reads text of at most maxRecords records (beyond that: an error, without
// reading on).
Table Read(const QByteArray &bytes, int maxRecords);

// One cell as written: quoted when it holds a separator, a quote or a
// line break, or starts with an apostrophe (a protected name).
QString Cell(const QString &value);
// A name as written: one starting with '=', '+', '-' or '@', which a
// spreadsheet would run as a formula, gets a leading apostrophe;
// Unprotected takes that one apostrophe off again.
QString Protected(const QString &value);
QString Unprotected(const QString &value);

} // namespace CsvRecords
