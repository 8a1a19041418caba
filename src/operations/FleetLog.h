#pragma once

#include "operations/FleetRecord.h"

#include <QByteArray>
#include <QJsonArray>
#include <QString>

// The log of a batch: batch.csv (port,serial,model,firmware,result,seconds,
// backup,message) and batch.json (an array of objects with the same keys),
// a radio added to both as soon as it ends, so a crash keeps what was done.
class FleetLog {
public:
    // $XDG_DATA_HOME/Halvern/Vela LX Dealer CPS/batches/<UTC time>, for a
    // batch starting now.
    static QString newFolder();

    // Makes folder (with its parents) and starts both files in it; false
    // with error naming the folder and why.
    bool open(const QString &folder, QString &error);
    // Adds record to both files and flushes them; false with error.
    bool append(const FleetRecord &record, QString &error);

    const QString &folder() const { return m_folder; }
    QString csvPath() const;
    QString jsonPath() const;

private:
    bool write(QString &error);

    QString m_folder;
    QByteArray m_csv;
    QJsonArray m_json;
};
