#pragma once

// The rows of a channel file in the exchange format, read by their header
// names (any column order; a column that is missing leaves that value of
// the channel as it is), each with the line it came from. A row that does
// not read carries why, naming its column.

#include "ChannelCsv.h"

#include <QList>

#include <optional>

namespace ChannelCsv {

struct Tones {
    PlCodeValues::Signal transmit;
    PlCodeValues::Signal receive;
};

struct Row {
    int line = 0;
    int location = 0;
    std::optional<QString> name; // as written, without the formula guard
    quint32 receiveHz = 0;
    std::optional<bool> duplex;
    quint32 transmitHz = 0; // when duplex
    std::optional<Tones> tones;
    std::optional<bool> wide;
    std::optional<double> watts;
    std::optional<bool> skip;
    QString error; // why the row does not read; empty when it does
};

struct Rows {
    QList<Row> rows;
    QString formatError; // the file is not a channel list in the format
};

Rows ReadRows(const QByteArray &bytes);

} // namespace ChannelCsv
