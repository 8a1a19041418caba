#include "CsvRecords.h"

#include <QCoreApplication>

#include <algorithm>

namespace CsvRecords {
namespace {

QChar separatorOf(QStringView text)
{
    // The separator of the first line that is no comment: the most used of
    // the three outside quotes.
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const QStringView line = text.mid(start, end - start).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) {
            const QChar separators[3] = { QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t') };
            int counts[3] = {};
            bool quoted = false;
            for (QChar c : line) {
                quoted = c == QLatin1Char('"') ? !quoted : quoted;
                for (int k = 0; k < 3 && !quoted; ++k)
                    counts[k] += c == separators[k];
            }
            int best = 0;
            for (int k = 1; k < 3; ++k)
                best = counts[k] > counts[best] ? k : best;
            return separators[best];
        }
        start = end + 1;
    }
    return QLatin1Char(',');
}

} // namespace

Table Read(const QByteArray &bytes, int maxRecords)
{
    Table table;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QChar separator = separatorOf(text);
    int line = 1;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size) {
        // At the start of a line: skip comments and blank lines.
        qsizetype end = text.indexOf(QLatin1Char('\n'), i);
        if (end < 0)
            end = size;
        const QStringView whole = QStringView(text).mid(i, end - i).trimmed();
        if (whole.isEmpty() || whole.startsWith(QLatin1Char('#'))) {
            i = end + 1;
            ++line;
            continue;
        }
        if (table.records.size() >= maxRecords) {
            table.error = QCoreApplication::translate("ChannelCsv", "The file has more than %1 rows.")
                              .arg(maxRecords - 1);
            return table;
        }
        Record record { line, {} };
        QString cell;
        bool quoted = false;
        bool inQuotes = false;
        for (; i < size; ++i) {
            const QChar c = text[i];
            if (inQuotes) {
                if (c == QLatin1Char('"') && i + 1 < size && text[i + 1] == QLatin1Char('"'))
                    cell += c, ++i;
                else if (c == QLatin1Char('"'))
                    inQuotes = false;
                else
                    cell += c, line += c == QLatin1Char('\n');
            } else if (c == QLatin1Char('"') && cell.trimmed().isEmpty() && !quoted) {
                inQuotes = quoted = true;
                cell.clear();
            } else if (c == separator) {
                record.cells << (quoted ? cell : cell.trimmed());
                cell.clear();
                quoted = false;
            } else if (c == QLatin1Char('\n')) {
                break;
            } else if (c != QLatin1Char('\r')) {
                cell += c;
            }
        }
        if (inQuotes) {
            table.error = QCoreApplication::translate("ChannelCsv", "Line %1: a quote is not closed.")
                              .arg(record.line);
            return table;
        }
        record.cells << (quoted ? cell : cell.trimmed());
        table.records << record;
        ++i;
        ++line;
    }
    return table;
}

QString Protected(const QString &value)
{
    static const QString formulaStarts = QStringLiteral("=+-@");
    return !value.isEmpty() && formulaStarts.contains(value[0]) ? QLatin1Char('\'') + value : value;
}

QString Unprotected(const QString &value)
{
    static const QString formulaStarts = QStringLiteral("=+-@");
    return value.size() > 1 && value[0] == QLatin1Char('\'') && formulaStarts.contains(value[1])
        ? value.mid(1)
        : value;
}

QString Cell(const QString &value)
{
    static const QString specials = QStringLiteral(",;\t\n\"");
    const bool quote = value.startsWith(QLatin1Char('\''))
        || std::any_of(value.begin(), value.end(), [](QChar c) { return specials.contains(c); });
    if (!quote)
        return value;
    return QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QStringLiteral("\"\""))
        + QLatin1Char('"');
}

} // namespace CsvRecords
