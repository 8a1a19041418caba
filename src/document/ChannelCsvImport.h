#pragma once

#include "ChannelCsvRows.h"

#include <QList>
#include <QString>

class CProfileDocument;

// One line of what importing a channel file does: the row's line and what
// happens to it or what it loses.
struct ChannelImportNote {
    enum Kind { Added, Changed, Unchanged, Adapted, Lost, Refused };
    int line = 0;
    Kind kind = Changed;
    QString text;
};

struct ChannelImportReport {
    QString formatError; // the file is not a channel list: nothing was read
    QList<ChannelImportNote> notes; // in line order
    int refusedRows = 0;
    bool kept = false; // the rows were taken (as one undo step when they changed anything)
    // Every note as "Line N: text", or the format error.
    QString text() const;
};

// Importing a channel file into a profile. Each row goes to the channel at
// its Location (a Location past the channels in use adds a channel), through
// the document's edit path, so the profile's rules answer as for the
// channel editor; frequencies not in the RF frequency table are added to
// it. A value equal to what the channel has is left as it is (a tone takes
// the channel's own code when the values match, else a standard code, else
// a customised code of that value), so a file exported from a profile and
// imported back changes nothing. A refused row changes nothing.
class CChannelCsvImport {
public:
    explicit CChannelCsvImport(const QByteArray &bytes);

    // What importing would do, row by row; the profile is put back after.
    ChannelImportReport preview(CProfileDocument &document) const;
    // Imports as one undo step. When a row is refused the others are kept
    // only with partial.
    ChannelImportReport apply(CProfileDocument &document, bool partial) const;

    static QString undoText();

private:
    ChannelImportReport run(CProfileDocument &document, bool keep, bool partial) const;

    ChannelCsv::Rows m_rows;
};
