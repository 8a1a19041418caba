#include "CliFiles.h"

#include "base/MessageReporter.h"
#include "base/TextFile.h"
#include "codeplug/VirtualCP.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool cannotRead(const QString &path, const QString &why)
{
    showMessage(QStringLiteral("Cannot read \"%1\": %2.").arg(path, why), MsgStyle::IconError);
    return false;
}

} // namespace

bool readInputFile(const QString &path, qint64 maxBytes, QByteArray &bytes)
{
    QString why;
    return ReadRegularFile(path, maxBytes, bytes, &why) || cannotRead(path, why);
}

bool readImageFile(const QString &path, VirtualCP &image)
{
    // Far more than an image, so that most files of the wrong kind are named
    // by their size.
    constexpr qint64 kMaxImageFileBytes = 1024 * 1024;
    QByteArray bytes;
    if (!readInputFile(path, kMaxImageFileBytes, bytes))
        return false;
    if (bytes.size() != qsizetype(sizeof(VirtualCP))) {
        showMessage(QStringLiteral("\"%1\" is not a codeplug image: it has %2 bytes, an image has %3.")
                        .arg(path)
                        .arg(bytes.size())
                        .arg(sizeof(VirtualCP)),
            MsgStyle::IconError);
        return false;
    }
    std::memcpy(&image, bytes.constData(), sizeof(VirtualCP));
    return true;
}

bool readInputText(const QString &path, QString &text)
{
    QString why;
    return ReadTextFile(path, text, &why) || cannotRead(path, why);
}

bool writeOutputFile(const QString &path, const QByteArray &bytes, bool asText)
{
    QString why;
    if (asText ? WriteTextFile(path, bytes, &why) : WriteFileSafely(path, bytes, &why))
        return true;
    showMessage(QStringLiteral("Cannot write \"%1\": %2").arg(path, why), MsgStyle::IconError);
    return false;
}

bool printToStandardOutput(const QByteArray &bytes)
{
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
        && std::fflush(stdout) == 0)
        return true;
    showMessage(QStringLiteral("Cannot write to standard output: %1").arg(qt_error_string(errno)),
        MsgStyle::IconError);
    return false;
}
