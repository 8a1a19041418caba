#pragma once

#include "ReportWriter.h"

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

// One radio of a batch as its report lists it.
struct BatchReportRadio {
    QString port;
    QString serial;
    QString model;
    QString firmware;
    bool succeeded = false;
    double seconds = 0;
    // What went into the radio: the profile's name and the radio's own
    // values ("Fleet A; setting.powerupString=UNIT 7").
    QString written;
    // Why it failed; empty for a radio that succeeded.
    QString message;
};

// What a printed batch report says: for whom, what, when, and radio by radio.
struct BatchReportContent {
    QString customer;
    QString profileName;
    QDateTime started;
    QList<BatchReportRadio> radios;
};

// The printable report of a batch of radios programmed with one profile,
// written beside the batch's log (batch.csv, batch.json) and styled as the
// other reports. Texts are the current translation's; the desktop and the
// command-line tool make it the same way.
namespace BatchReport {

// What went into a radio: the profile's name, then each of the radio's
// own values as "field=value", separated by "; ".
QString WrittenText(const QString &profileName, const QList<QPair<QString, QString>> &values);

// The row of a batch's record of one radio (a record with the fields of
// the batch log, its profile's name and its values).
template <typename Record> BatchReportRadio RadioOf(const Record &record)
{
    return BatchReportRadio { record.port, record.serial, record.model, record.firmware, record.ok,
        record.seconds, WrittenText(record.profileName, record.values), record.message };
}

// "batch.html", the report's name in its batch folder.
extern const QString kFileName;

// The page: customer, profile, date and the count of radios, then one table
// row per radio with its port, serial, model, firmware, result (and why it
// failed), seconds and what was written. decimalSeparator: the language's,
// for the seconds.
QString Page(const BatchReportContent &content, const QString &decimalSeparator);

// Writes the page as kFileName into the batch folder and returns where, for
// the report window; "Failed to generate report." and nothing when it
// cannot be written.
std::optional<WrittenReport> Write(
    const QString &batchFolder, const BatchReportContent &content, const QString &decimalSeparator);

} // namespace BatchReport
