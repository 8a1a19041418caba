#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kReadChunkBytes = 64 * 1024;

bool fail(QString *errorText, const QString &why)
{
    if (errorText)
        *errorText = why;
    return false;
}

// The system's words for errno.
bool failWithSystemError(QString *errorText)
{
    return fail(errorText, qt_error_string(errno));
}

bool failNotRegular(QString *errorText)
{
    return fail(errorText, QStringLiteral("Not a regular file"));
}

// Owns a file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Closes now. False (errno set) when the system reports an error: on
    // some file systems the last data written fails only here.
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// Creates a file of a name nobody uses beside target; a new file's mode
// (0666 less the umask) unless fitted to the file it replaces later.
int createBeside(const QByteArray &target, QByteArray &name)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes a rename in folder durable; a failure here loses nothing the
// caller could act on, so it is not reported.
void syncFolder(const QString &folder)
{
    const Descriptor directory(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.isOpen())
        ::fsync(directory.get());
}

// Where the new content goes: a link's target, so that the link stays.
QString writeTarget(const QString &path)
{
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? path : target;
}

} // namespace

bool ReadRegularFile(const QString &path, qint64 maxBytes, QByteArray &bytes, QString *errorText)
{
    // Looked at before it is opened, because opening a device can do
    // something; opened without blocking and looked at again, so that a
    // FIFO put in its place meanwhile is refused rather than waited on.
    const QByteArray name = QFile::encodeName(path);
    struct stat info { };
    if (::stat(name.constData(), &info) != 0)
        return failWithSystemError(errorText);
    if (!S_ISREG(info.st_mode))
        return failNotRegular(errorText);
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0)
        return failWithSystemError(errorText);
    if (!S_ISREG(info.st_mode))
        return failNotRegular(errorText);

    QByteArray content;
    qint64 size = info.st_size;
    while (size <= maxBytes) {
        const qsizetype offset = content.size();
        content.resize(offset + kReadChunkBytes);
        const ssize_t got = ::read(file.get(), content.data() + offset, size_t(kReadChunkBytes));
        content.resize(offset + qMax<ssize_t>(got, 0));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failWithSystemError(errorText);
        if (got == 0) {
            bytes = content;
            return true;
        }
        size = content.size();
    }
    return fail(
        errorText, QStringLiteral("Too large: %1 bytes, where at most %2 are read").arg(size).arg(maxBytes));
}

bool WriteFileSafely(const QString &path, const QByteArray &bytes, QString *errorText)
{
    const QString target = writeTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat existing { };
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return failNotRegular(errorText);

    QByteArray temporaryName;
    Descriptor file(createBeside(targetName, temporaryName));
    if (!file.isOpen())
        return failWithSystemError(errorText);
    const bool written = (!exists || ::fchmod(file.get(), existing.st_mode & 07777) == 0)
        && writeAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.close()
        && ::rename(temporaryName.constData(), targetName.constData()) == 0;
    if (!written) {
        const int error = errno;
        ::unlink(temporaryName.constData());
        errno = error;
        return failWithSystemError(errorText);
    }
    syncFolder(QFileInfo(target).absolutePath());
    return true;
}
