#pragma once

#include <QString>

#include <optional>

// Where a report page was written: the folder (which also holds the
// pictures the page shows) and the file.
struct WrittenReport {
    QString folder;
    QString filePath;
};

namespace ReportWriter {

// Writes the page as UTF-8 with a byte-order mark into reportFolder, or,
// when that cannot be written, into fallbackFolder together with a copy of
// every picture of reportFolder. Shows "Failed to generate report." and
// gives nothing when neither works; a failed write leaves no partial page.
std::optional<WrittenReport> WriteReport(
    const QString &fileName, const QString &page, const QString &reportFolder, const QString &fallbackFolder);

// Writes the page to path, with the pictures of reportFolder copied beside
// it; false after the message when it cannot be written.
bool WriteReportTo(const QString &path, const QString &page, const QString &reportFolder);

} // namespace ReportWriter
