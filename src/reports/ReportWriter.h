#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QTemporaryDir;

// Where a report page was written: the folder (which also holds the
// pictures the page shows) and the file.
struct WrittenReport {
    QString folder;
    QString filePath;
    // The folder of one report window, private to it: removed with the last
    // copy of this record unless it was told to stay.
    std::shared_ptr<QTemporaryDir> ownFolder = {};
};

namespace ReportWriter {

// The pictures a page shows: the file names its image tags name without a
// folder, once each, in page order. Only the style sheets write tags (every
// text of the profile or the dealer has its "<" escaped), so no user text is
// read here.
QStringList PagePictures(const QString &page);

// Writes the page as UTF-8 with a byte-order mark into a new folder of its
// own inside parentFolder, with a copy of each picture of reportFolder that
// it shows, so that no other report window or running copy shares its
// files. Shows "Failed to generate report." and gives nothing when the
// folder or the page cannot be written.
std::optional<WrittenReport> WriteReport(
    const QString &fileName, const QString &page, const QString &reportFolder, const QString &parentFolder);

// Writes the page as UTF-8 with a byte-order mark as fileName into folder,
// which stays when the report window closes (a batch folder, beside the
// batch's log). The page shows no pictures. Shows "Failed to generate
// report." and gives nothing when it cannot be written.
std::optional<WrittenReport> WriteReportInto(
    const QString &folder, const QString &fileName, const QString &page);

// The page text of a written report file; nothing when it cannot be read.
std::optional<QString> ReadPage(const QString &path);

// Where a page saved at path keeps its pictures: the folder "NAME_files"
// beside it, NAME being the page's name without its suffix.
QString PictureFolder(const QString &path);

// The files of the user that saving page at path would replace: the page
// and, in its picture folder, the pictures it shows.
QStringList ReplacedFiles(const QString &path, const QString &page);

// Saves page at path with the pictures it shows, copied from pictureSource
// into PictureFolder(path), and its image tags pointing there. Files are
// created with the user's permissions less the umask, and a failed write
// leaves no partial page; errorText then says why.
bool SavePage(
    const QString &path, const QString &page, const QString &pictureSource, QString *errorText = nullptr);

} // namespace ReportWriter
