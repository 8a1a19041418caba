#pragma once

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

// What a batch did to one radio: a line of the batch log and a row of the
// batch report.
struct FleetRecord {
    QString port; // the cable the radio was on
    int order = 0; // its place in the batch, from 1 (the row of an "order" values file)
    QString serial;
    QString model; // model code, e.g. KUD51900
    QString firmware; // phase, version and revision characters, e.g. R17
    bool ok = false; // written and its read-back matched; never set otherwise
    double seconds = 0; // from the start of its write to its end
    QString backup; // the backup image taken before the write; empty when none was
    QString message; // what the radio's operation said (why it failed); empty when nothing
    QDateTime ended; // UTC

    // What was written: the profile's name and the radio's own values
    // (catalogue field name, value) in the order of the values file.
    QString profileName;
    QList<QPair<QString, QString>> values;

    // "ok" or "failed", as the log writes it.
    QString result() const { return ok ? QStringLiteral("ok") : QStringLiteral("failed"); }
};
