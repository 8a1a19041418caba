#include "operations/FleetValues.h"

#include "base/SafeFile.h"
#include "document/CsvRecords.h"
#include "document/ProfileDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

namespace {

// A batch is a truck-load of radios, not a spreadsheet of millions.
constexpr int kMaxRows = 10000;
constexpr qint64 kMaxBytes = 4 * 1024 * 1024;

QString translated(const char *text)
{
    return QCoreApplication::translate("FleetValues", text);
}

QString atLine(int line, const QString &why)
{
    return translated(QT_TRANSLATE_NOOP("FleetValues", "line %1: %2")).arg(line).arg(why);
}

} // namespace

bool FleetValues::load(const QString &path, QString &error)
{
    QByteArray text;
    QString reason;
    if (!ReadRegularFile(path, kMaxBytes, text, &reason)) {
        error = translated(QT_TRANSLATE_NOOP("FleetValues", "The values file %1 cannot be read: %2."))
                    .arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    if (parse(text, error))
        return true;
    error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + error;
    return false;
}

bool FleetValues::parse(const QByteArray &text, QString &error)
{
    m_rows.clear();
    const CsvRecords::Table table = CsvRecords::Read(text, kMaxRows + 1);
    if (!table.error.isEmpty()) {
        error = table.error;
        return false;
    }
    if (table.records.isEmpty()) {
        error = translated(QT_TRANSLATE_NOOP("FleetValues", "The values file is empty."));
        return false;
    }
    const CsvRecords::Record &header = table.records.first();
    const QString first = header.cells.value(0).trimmed();
    if (first != QLatin1String("serial") && first != QLatin1String("order")) {
        error = atLine(header.line,
            translated(
                QT_TRANSLATE_NOOP("FleetValues", "the first column must be \"serial\" or \"order\".")));
        return false;
    }
    m_key = first == QLatin1String("serial") ? Key::Serial : Key::Order;
    QStringList names;
    for (qsizetype i = 1; i < header.cells.size(); ++i) {
        const QString name = header.cells[i].trimmed();
        if (names.contains(name))
            error = translated(QT_TRANSLATE_NOOP("FleetValues", "the column %1 is there twice.")).arg(name);
        else if (parseAssignment(name + QLatin1Char('='), error))
            error.clear();
        if (!error.isEmpty()) {
            error = atLine(header.line, error);
            return false;
        }
        names << name;
    }
    QSet<QString> keys;
    for (qsizetype r = 1; r < table.records.size(); ++r) {
        const CsvRecords::Record &record = table.records[r];
        Row row { record.line, record.cells.value(0).trimmed(), {} };
        QString why;
        bool isNumber = false;
        if (record.cells.size() != header.cells.size())
            why = translated(QT_TRANSLATE_NOOP("FleetValues", "%1 cells where the header has %2."))
                      .arg(record.cells.size())
                      .arg(header.cells.size());
        else if (row.key.isEmpty())
            why = translated(QT_TRANSLATE_NOOP("FleetValues", "the first cell is empty."));
        else if (m_key == Key::Order && (row.key.toInt(&isNumber) < 1 || !isNumber))
            why = translated(QT_TRANSLATE_NOOP("FleetValues", "the order %1 is no number from 1."))
                      .arg(row.key);
        else if (keys.contains(row.key))
            why = translated(QT_TRANSLATE_NOOP("FleetValues", "%1 has a row already.")).arg(row.key);
        if (!why.isEmpty()) {
            error = atLine(record.line, why);
            return false;
        }
        keys.insert(row.key);
        for (qsizetype i = 1; i < names.size() + 1; ++i) {
            // An empty cell leaves that field as the profile has it.
            if (!record.cells[i].isEmpty())
                row.assignments << *parseAssignment(names[i - 1] + QLatin1Char('=') + record.cells[i], error);
        }
        m_rows << row;
    }
    return true;
}

bool FleetValues::check(const ProfileSource &profile, bool answerYes, QString &error) const
{
    for (const Row &row : m_rows) {
        const std::unique_ptr<CProfileDocument> copy = profile();
        if (!copy) {
            error = translated(QT_TRANSLATE_NOOP("FleetValues", "The profile cannot be opened."));
            return false;
        }
        QString unanswered;
        const CommandVerdict verdict = apply(*copy, row, [&](const CommandQuestion &question) {
            if (!answerYes)
                unanswered = question.text;
            return answerYes;
        });
        if (!verdict.accepted()) {
            error = atLine(row.line,
                !unanswered.isEmpty() ? unanswered
                    : verdict.message.isEmpty()
                    ? translated(QT_TRANSLATE_NOOP("FleetValues", "a value is refused."))
                    : verdict.message);
            return false;
        }
    }
    return true;
}

const FleetValues::Row *FleetValues::rowFor(const QString &serial, int order) const
{
    for (const Row &row : m_rows) {
        if (m_key == Key::Serial ? row.key == serial : row.key.toInt() == order)
            return &row;
    }
    return nullptr;
}

CommandVerdict FleetValues::apply(CProfileDocument &document, const Row &row, const CommandAsker &ask)
{
    return applyAssignments(document, row.assignments, ask);
}

QList<QPair<QString, QString>> FleetValues::values(const Row &row)
{
    QList<QPair<QString, QString>> values;
    for (const FieldAssignment &assignment : row.assignments)
        values.append({ assignment.name, assignment.value });
    return values;
}
