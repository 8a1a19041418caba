#include "ReportWriter.h"

#include "base/MessageReporter.h"
#include "base/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// The largest page or picture read back: far above any report.
constexpr qint64 kMaxReportFileBytes = 64 * 1024 * 1024;

// An image tag's source that names a file beside the page; the second
// capture is the file name.
const QRegularExpression &pictureSource()
{
    static const QRegularExpression source(QStringLiteral("(<img\\b[^>]*?\\bsrc=\")([^\"/\\\\:]+)\""),
        QRegularExpression::CaseInsensitiveOption);
    return source;
}

QByteArray pageBytes(const QString &page)
{
    return QByteArray("\xEF\xBB\xBF") + page.toUtf8();
}

// The page with each picture's source in folderName.
QString withPictureFolder(const QString &page, const QString &folderName)
{
    const QString prefix = QString::fromLatin1(QUrl::toPercentEncoding(folderName)) + QLatin1Char('/');
    QString result;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch &match : pictureSource().globalMatch(page)) {
        result += QStringView(page).mid(copied, match.capturedStart(2) - copied);
        result += prefix;
        copied = match.capturedStart(2);
    }
    result += QStringView(page).mid(copied);
    return result;
}

// Copies the pictures that exist in from into to, as new files of the
// user; false (errorText saying why) when one cannot be written.
bool copyPictures(const QStringList &pictures, const QString &from, const QString &to, QString *errorText)
{
    for (const QString &picture : pictures) {
        QByteArray bytes;
        // A picture missing from the install shows as a gap; the report
        // window names missing install files.
        if (!ReadRegularFile(QDir(from).filePath(picture), kMaxReportFileBytes, bytes))
            continue;
        if (!WriteFileSafely(QDir(to).filePath(picture), bytes, errorText))
            return false;
    }
    return true;
}

void showFailure()
{
    showMessage(QCoreApplication::translate("Report", "Failed to generate report."), MsgStyle::IconError);
}

} // namespace

namespace ReportWriter {

QStringList PagePictures(const QString &page)
{
    QStringList pictures;
    for (const QRegularExpressionMatch &match : pictureSource().globalMatch(page)) {
        const QString name = QUrl::fromPercentEncoding(match.captured(2).toUtf8());
        if (!pictures.contains(name))
            pictures << name;
    }
    return pictures;
}

std::optional<WrittenReport> WriteReport(
    const QString &fileName, const QString &page, const QString &reportFolder, const QString &parentFolder)
{
    auto folder = std::make_shared<QTemporaryDir>(
        QDir(parentFolder).filePath(QStringLiteral("velacps-report-XXXXXX")));
    const QString target = folder->filePath(fileName);
    if (!folder->isValid() || !WriteFileSafely(target, pageBytes(page))
        || !copyPictures(PagePictures(page), reportFolder, folder->path(), nullptr)) {
        showFailure();
        return std::nullopt;
    }
    return WrittenReport { folder->path(), target, folder };
}

std::optional<WrittenReport> WriteReportInto(
    const QString &folder, const QString &fileName, const QString &page)
{
    const QString target = QDir(folder).filePath(fileName);
    if (!WriteFileSafely(target, pageBytes(page))) {
        showFailure();
        return std::nullopt;
    }
    return WrittenReport { folder, target };
}

std::optional<QString> ReadPage(const QString &path)
{
    QByteArray bytes;
    if (!ReadRegularFile(path, kMaxReportFileBytes, bytes))
        return std::nullopt;
    // The decoder drops the byte-order mark the page was written with.
    QStringDecoder decoder(QStringDecoder::Utf8);
    return QString(decoder.decode(bytes));
}

QString PictureFolder(const QString &path)
{
    const QFileInfo page(path);
    return page.dir().filePath(page.completeBaseName() + QStringLiteral("_files"));
}

QStringList ReplacedFiles(const QString &path, const QString &page)
{
    QStringList existing;
    if (QFileInfo::exists(path))
        existing << path;
    const QDir pictures(PictureFolder(path));
    for (const QString &picture : PagePictures(page)) {
        if (QFileInfo::exists(pictures.filePath(picture)))
            existing << pictures.filePath(picture);
    }
    return existing;
}

bool SavePage(const QString &path, const QString &page, const QString &pictureSource, QString *errorText)
{
    const QStringList pictures = PagePictures(page);
    if (pictures.isEmpty())
        return WriteFileSafely(path, pageBytes(page), errorText);
    const QString folder = PictureFolder(path);
    if (!QDir().mkpath(folder)) {
        if (errorText)
            *errorText = QStringLiteral("Cannot create the folder %1").arg(folder);
        return false;
    }
    return copyPictures(pictures, pictureSource, folder, errorText)
        && WriteFileSafely(path, pageBytes(withPictureFolder(page, QFileInfo(folder).fileName())), errorText);
}

} // namespace ReportWriter
