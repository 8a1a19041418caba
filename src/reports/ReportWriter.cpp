#include "ReportWriter.h"

#include "base/MessageReporter.h"
#include "base/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray pageBytes(const QString &page)
{
    return QByteArray("\xEF\xBB\xBF") + page.toUtf8();
}

// Copies every picture of from into to, replacing older copies; false when
// one cannot be copied.
bool copyPictures(const QString &from, const QString &to)
{
    const QDir source(from);
    const QDir target(to);
    if (source == target)
        return true;
    bool copied = true;
    for (const QString &picture : source.entryList({ QStringLiteral("*.jpg") }, QDir::Files)) {
        QFile::remove(target.filePath(picture));
        copied = QFile::copy(source.filePath(picture), target.filePath(picture)) && copied;
    }
    return copied;
}

void showFailure()
{
    showMessage(QCoreApplication::translate("Report", "Failed to generate report."), MsgStyle::IconError);
}

} // namespace

namespace ReportWriter {

std::optional<WrittenReport> WriteReport(
    const QString &fileName, const QString &page, const QString &reportFolder, const QString &fallbackFolder)
{
    const QByteArray bytes = pageBytes(page);
    const QString target = QDir(reportFolder).filePath(fileName);
    if (!reportFolder.isEmpty() && WriteFileSafely(target, bytes))
        return WrittenReport { reportFolder, target };

    const QString fallback = QDir(fallbackFolder).filePath(fileName);
    if (!QDir().mkpath(fallbackFolder) || !WriteFileSafely(fallback, bytes)) {
        showFailure();
        return std::nullopt;
    }
    // A page without its pictures still reads; the report window says which
    // pictures are missing.
    copyPictures(reportFolder, fallbackFolder);
    return WrittenReport { fallbackFolder, fallback };
}

bool WriteReportTo(const QString &path, const QString &page, const QString &reportFolder)
{
    if (!WriteFileSafely(path, pageBytes(page))
        || !copyPictures(reportFolder, QFileInfo(path).absolutePath())) {
        showFailure();
        return false;
    }
    return true;
}

} // namespace ReportWriter
