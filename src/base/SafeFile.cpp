#include "SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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
    return fail(errorText, QCoreApplication::translate("SafeFile", "Not a regular file"));
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

// A temporary file is named ".<name>.<8 random characters>.tmp" beside the
// file it replaces, the name cut so that the whole fits in NAME_MAX. It is
// locked while it is written, so a temporary nobody holds is one a killed
// save left behind.
constexpr int kRandomCharacters = 8;
constexpr char kTemporarySuffix[] = ".tmp";
constexpr qsizetype kSuffixBytes = sizeof(kTemporarySuffix) - 1;

QByteArray temporaryPrefix(const QByteArray &fileName)
{
    const qsizetype room = NAME_MAX - 2 - kRandomCharacters - kSuffixBytes;
    qsizetype cut = qMin(room, fileName.size());
    // Never in the middle of a UTF-8 character.
    while (cut > 0 && cut < fileName.size() && (uchar(fileName[cut]) & 0xC0) == 0x80)
        --cut;
    return '.' + fileName.left(cut) + '.';
}

bool isTemporaryName(const QByteArray &entry, const QByteArray &prefix)
{
    if (entry.size() != prefix.size() + kRandomCharacters + kSuffixBytes || !entry.startsWith(prefix)
        || !entry.endsWith(kTemporarySuffix))
        return false;
    const QByteArray random = entry.mid(prefix.size(), kRandomCharacters);
    return std::all_of(random.begin(), random.end(),
        [](char c) { return std::isdigit(uchar(c)) || std::islower(uchar(c)); });
}

// Removes the temporaries of earlier saves of the file that nobody holds.
void removeStaleTemporaries(const QByteArray &folder, const QByteArray &prefix)
{
    DIR *directory = ::opendir(folder.constData());
    if (!directory)
        return;
    while (const dirent *entry = ::readdir(directory)) {
        if (!isTemporaryName(QByteArray(entry->d_name), prefix))
            continue;
        const Descriptor file(
            ::openat(::dirfd(directory), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (file.isOpen() && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(directory), entry->d_name, 0);
    }
    ::closedir(directory);
}

// Creates and locks a file of a name nobody uses beside target; a new
// file's mode (0666 less the umask) unless fitted to the file it replaces
// later.
int createBeside(const QByteArray &folder, const QByteArray &prefix, QByteArray &name)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const quint64 random = QRandomGenerator::global()->generate64() % 2821109907456ULL; // 36^8
        name = folder + '/' + prefix + QByteArray::number(random, 36).rightJustified(kRandomCharacters, '0')
            + kTemporarySuffix;
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return fd;
        // Another save's clean-up may have taken it before the lock: then
        // the name is no longer this file.
        struct stat held {
        }, named {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0
            && ::lstat(name.constData(), &named) == 0 && held.st_ino == named.st_ino)
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
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
    return fail(errorText,
        QCoreApplication::translate("SafeFile", "Too large: %1 bytes, where at most %2 are read")
            .arg(size)
            .arg(maxBytes));
}

bool WriteFileSafely(const QString &path, const QByteArray &bytes, QString *errorText)
{
    const QString target = writeTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat existing { };
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return failNotRegular(errorText);

    const QFileInfo targetInfo(target);
    const QByteArray folder = QFile::encodeName(targetInfo.absolutePath());
    const QByteArray prefix = temporaryPrefix(QFile::encodeName(targetInfo.fileName()));
    removeStaleTemporaries(folder, prefix);
    QByteArray temporaryName;
    Descriptor file(createBeside(folder, prefix, temporaryName));
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
    syncFolder(targetInfo.absolutePath());
    return true;
}
