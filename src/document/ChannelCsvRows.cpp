#include "ChannelCsvRows.h"

#include "CsvRecords.h"

#include <QCoreApplication>
#include <QHash>

namespace ChannelCsv {
namespace {

using PlCodeValues::Signal;

QString translated(const char *text)
{
    return QCoreApplication::translate("ChannelCsv", text);
}

// A decimal number with a point (or a comma) as a whole number of
// 10^-decimals units, rounded half up; nullopt when it is no such number.
std::optional<qint64> scaledDecimal(QString text, int decimals)
{
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);
    const auto digitsOnly = [](const QString &s) {
        return std::all_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); });
    };
    if ((whole.isEmpty() && fraction.isEmpty()) || !digitsOnly(whole) || !digitsOnly(fraction)
        || whole.size() > 9)
        return std::nullopt;
    const bool roundUp = fraction.size() > decimals && fraction[decimals] >= QLatin1Char('5');
    fraction = fraction.left(decimals).leftJustified(decimals, QLatin1Char('0'));
    qint64 value = whole.toLongLong();
    for (int i = 0; i < decimals; ++i)
        value = value * 10 + fraction[i].digitValue();
    return value + (roundUp ? 1 : 0);
}

// Reads the cells of one record by column name and keeps the first
// problem, named by its column.
class CellReader {
public:
    CellReader(const CsvRecords::Record &record, const QHash<QString, int> &columns)
        : m_record(record)
        , m_columns(columns)
    {
    }

    // The cell of column, nullopt when the file has no such column or the
    // row is short (a problem then).
    std::optional<QString> cell(const char *column)
    {
        const int index = m_columns.value(QString::fromLatin1(column).toLower(), -1);
        if (index < 0)
            return std::nullopt;
        if (index >= m_record.cells.size()) {
            fail(column, translated(QT_TRANSLATE_NOOP("ChannelCsv", "the row ends before this column.")));
            return std::nullopt;
        }
        return m_record.cells[index];
    }
    // The cell when the column exists and the cell is not empty.
    std::optional<QString> given(const char *column)
    {
        auto value = cell(column);
        return value && !value->isEmpty() ? value : std::nullopt;
    }

    std::optional<quint32> megahertz(const char *column, bool required)
    {
        const auto text = given(column);
        if (!text) {
            if (required)
                fail(column, translated(QT_TRANSLATE_NOOP("ChannelCsv", "a frequency is needed.")));
            return std::nullopt;
        }
        const auto hz = scaledDecimal(*text, 6);
        if (!hz || *hz > 0xFFFFFFFFLL) {
            fail(column,
                translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a frequency in MHz.")).arg(*text));
            return std::nullopt;
        }
        return quint32(*hz);
    }

    Signal tone(const char *column)
    {
        const QString text = given(column).value_or(QStringLiteral("88.5"));
        const auto tenths = scaledDecimal(text, 1);
        if (!tenths || *tenths <= 0 || *tenths > 9999)
            fail(
                column, translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a tone in Hz.")).arg(text));
        return { Signal::Tone, int(tenths.value_or(0)) };
    }

    Signal dcs(const char *column, QChar polarity)
    {
        const QString text = given(column).value_or(QStringLiteral("023"));
        bool ok = false;
        const int value = text.toInt(&ok, 8);
        if (!ok || value <= 0 || value > 0777)
            fail(column,
                translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a DCS code (octal).")).arg(text));
        return { Signal::Dcs, value, polarity == QLatin1Char('R') };
    }

    void fail(const char *column, const QString &why)
    {
        if (!m_error.isEmpty())
            return;
        const int index = m_columns.value(QString::fromLatin1(column).toLower(), -1);
        m_error = translated(QT_TRANSLATE_NOOP("ChannelCsv", "Column %1 (%2): %3"))
                      .arg(index + 1)
                      .arg(QLatin1String(column), why);
    }
    const QString &error() const { return m_error; }

private:
    const CsvRecords::Record &m_record;
    const QHash<QString, int> &m_columns;
    QString m_error;
};

Signal crossSide(CellReader &cells, const QString &part, bool transmit, const QString &polarity)
{
    if (part.isEmpty())
        return {};
    if (part == QLatin1String("Tone"))
        return cells.tone(transmit ? "rToneFreq" : "cToneFreq");
    return cells.dcs(transmit ? "DtcsCode" : "RxDtcsCode", polarity[transmit ? 0 : 1]);
}

std::optional<Tones> readTones(CellReader &cells)
{
    const auto mode = cells.cell("Tone");
    if (!mode)
        return std::nullopt;
    QString polarity = cells.given("DtcsPolarity").value_or(QStringLiteral("NN")).toUpper();
    if (polarity.size() != 2 || !QStringLiteral("NR").contains(polarity[0])
        || !QStringLiteral("NR").contains(polarity[1])) {
        cells.fail("DtcsPolarity",
            translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a polarity (NN, NR, RN or RR)."))
                .arg(polarity));
        polarity = QStringLiteral("NN");
    }
    if (mode->isEmpty())
        return Tones {};
    if (*mode == QLatin1String("Tone"))
        return Tones { cells.tone("rToneFreq"), {} };
    if (*mode == QLatin1String("TSQL")) {
        // Programs write the tone to both columns; cToneFreq is the squelch tone.
        const Signal tone = cells.given("cToneFreq") ? cells.tone("cToneFreq") : cells.tone("rToneFreq");
        return Tones { tone, tone };
    }
    if (*mode == QLatin1String("DTCS"))
        return Tones { cells.dcs("DtcsCode", polarity[0]), cells.dcs("DtcsCode", polarity[1]) };
    if (*mode == QLatin1String("Cross")) {
        const QString cross = cells.given("CrossMode").value_or(QStringLiteral("Tone->Tone"));
        const QStringList parts = cross.split(QStringLiteral("->"));
        const auto known = [](const QString &part) {
            return part.isEmpty() || part == QLatin1String("Tone") || part == QLatin1String("DTCS");
        };
        if (parts.size() != 2 || !known(parts[0]) || !known(parts[1])) {
            cells.fail("CrossMode",
                translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a cross mode.")).arg(cross));
            return Tones {};
        }
        return Tones { crossSide(cells, parts[0], true, polarity),
            crossSide(cells, parts[1], false, polarity) };
    }
    cells.fail("Tone",
        translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a tone mode (Tone, TSQL, DTCS or Cross)."))
            .arg(*mode));
    return Tones {};
}

std::optional<double> readWatts(CellReader &cells)
{
    const auto text = cells.given("Power");
    if (!text)
        return std::nullopt;
    QString number = text->trimmed();
    if (number.endsWith(QLatin1Char('W'), Qt::CaseInsensitive))
        number.chop(1);
    const auto tenths = scaledDecimal(number.trimmed(), 1);
    if (!tenths) {
        cells.fail("Power",
            translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a power in watts.")).arg(*text));
        return std::nullopt;
    }
    return double(*tenths) / 10.0;
}

void readDuplex(CellReader &cells, Row &row)
{
    const auto duplex = cells.cell("Duplex");
    if (!duplex)
        return;
    row.duplex = !duplex->isEmpty();
    row.transmitHz = row.receiveHz;
    if (duplex->isEmpty())
        return;
    const qint64 offset = cells.megahertz("Offset", true).value_or(0);
    const qint64 transmit = *duplex == QLatin1String("split") ? offset
        : *duplex == QLatin1String("+")                       ? row.receiveHz + offset
        : *duplex == QLatin1String("-")                       ? row.receiveHz - offset
                                                              : -1;
    if (*duplex != QLatin1String("split") && *duplex != QLatin1String("+") && *duplex != QLatin1String("-"))
        cells.fail("Duplex",
            translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a duplex (empty, +, - or split)."))
                .arg(*duplex));
    else if (transmit < 0 || transmit > 0xFFFFFFFFLL)
        cells.fail("Offset",
            translated(QT_TRANSLATE_NOOP("ChannelCsv", "the transmit frequency is out of bounds.")));
    else
        row.transmitHz = quint32(transmit);
}

template <typename T>
std::optional<T> readChoice(
    CellReader &cells, const char *column, const QList<QPair<QString, T>> &choices, const QString &expected)
{
    const auto text = cells.cell(column);
    if (!text)
        return std::nullopt;
    for (const auto &choice : choices) {
        if (text->compare(choice.first, Qt::CaseInsensitive) == 0)
            return choice.second;
    }
    cells.fail(column, translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not %2.")).arg(*text, expected));
    return std::nullopt;
}

Row readRow(const CsvRecords::Record &record, const QHash<QString, int> &columns)
{
    CellReader cells(record, columns);
    Row row;
    row.line = record.line;
    const QString location = cells.cell("Location").value_or(QString());
    bool ok = false;
    row.location = location.toInt(&ok);
    if (!ok || row.location < 1)
        cells.fail("Location",
            translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a channel number (1 or more)."))
                .arg(location));
    if (const auto name = cells.cell("Name"))
        row.name = CsvRecords::Unprotected(name->trimmed());
    row.receiveHz = cells.megahertz("Frequency", true).value_or(0);
    readDuplex(cells, row);
    row.tones = readTones(cells);
    if (const auto mode = cells.given("Mode")) {
        if (*mode == QLatin1String("FM") || *mode == QLatin1String("NFM"))
            row.wide = *mode == QLatin1String("FM");
        else
            cells.fail("Mode",
                translated(
                    QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a mode this radio has (FM or NFM)."))
                    .arg(*mode));
    }
    if (const auto step = cells.given("TStep"); step && !scaledDecimal(*step, 3))
        cells.fail(
            "TStep", translated(QT_TRANSLATE_NOOP("ChannelCsv", "\"%1\" is not a step in kHz.")).arg(*step));
    row.watts = readWatts(cells);
    row.skip = readChoice<bool>(cells, "Skip",
        { { QString(), false }, { QStringLiteral("S"), true }, { QStringLiteral("P"), false } },
        translated(QT_TRANSLATE_NOOP("ChannelCsv", "a skip mark (empty or S)")));
    row.error = cells.error();
    return row;
}

} // namespace

Rows ReadRows(const QByteArray &bytes)
{
    Rows result;
    const CsvRecords::Table table = CsvRecords::Read(bytes, kMaxRows + 1);
    QHash<QString, int> columns;
    if (!table.records.isEmpty()) {
        const QStringList &header = table.records.first().cells;
        for (int i = 0; i < header.size(); ++i)
            columns.insert(header[i].trimmed().toLower(), i);
    }
    if (!columns.contains(QStringLiteral("location")) || !columns.contains(QStringLiteral("frequency"))) {
        result.formatError
            = translated(QT_TRANSLATE_NOOP("ChannelCsv",
                             "This is not a channel list: its first line must be a header that "
                             "names the columns, at least Location and Frequency, such as\n%1"))
                  .arg(Header().join(QLatin1Char(',')));
        return result;
    }
    if (!table.error.isEmpty()) {
        result.formatError = table.error;
        return result;
    }
    for (qsizetype i = 1; i < table.records.size(); ++i)
        result.rows << readRow(table.records[i], columns);
    return result;
}

} // namespace ChannelCsv
