#include "operations/FleetLog.h"

#include "base/SafeFile.h"
#include "document/CsvRecords.h"
#include "operations/RadioBackups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kColumns[] = { QStringLiteral("port"), QStringLiteral("serial"), QStringLiteral("model"),
    QStringLiteral("firmware"), QStringLiteral("result"), QStringLiteral("seconds"), QStringLiteral("backup"),
    QStringLiteral("message") };

QStringList cellsOf(const FleetRecord &record)
{
    return { record.port, record.serial, record.model, record.firmware, record.result(),
        QString::number(record.seconds, 'f', 1), record.backup, record.message };
}

QByteArray csvLine(const QStringList &cells)
{
    QStringList written;
    for (const QString &cell : cells)
        written << CsvRecords::Cell(cell);
    return written.join(QLatin1Char(',')).toUtf8() + '\n';
}

} // namespace

QString FleetLog::newFolder()
{
    // Beside the radio backups, in the product's data folder.
    const QString product = QFileInfo(RadioBackups::folder()).path();
    const QString time = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    return QDir(product).filePath(QStringLiteral("batches/") + time);
}

QString FleetLog::csvPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("batch.csv"));
}

QString FleetLog::jsonPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("batch.json"));
}

bool FleetLog::open(const QString &folder, QString &error)
{
    m_folder = folder;
    m_json = {};
    m_csv = csvLine(QStringList(std::begin(kColumns), std::end(kColumns)));
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        error = QCoreApplication::translate("FleetLog", "The batch log folder %1 cannot be made.")
                    .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    return write(error);
}

bool FleetLog::append(const FleetRecord &record, QString &error)
{
    const QStringList cells = cellsOf(record);
    m_csv += csvLine(cells);
    QJsonObject object;
    for (qsizetype i = 0; i < cells.size(); ++i)
        object.insert(kColumns[i], cells[i]);
    object.insert(QStringLiteral("seconds"), record.seconds);
    m_json.append(object);
    return write(error);
}

bool FleetLog::write(QString &error)
{
    // Each file is replaced whole, so a crash leaves the last complete one.
    QString reason;
    for (const auto &[path, bytes] :
        { std::pair { csvPath(), m_csv }, std::pair { jsonPath(), QJsonDocument(m_json).toJson() } }) {
        if (!WriteFileSafely(path, bytes, &reason)) {
            error = QCoreApplication::translate("FleetLog", "The batch log %1 cannot be written: %2.")
                        .arg(QDir::toNativeSeparators(path), reason);
            return false;
        }
    }
    return true;
}
