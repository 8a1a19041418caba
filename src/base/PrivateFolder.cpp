#include "PrivateFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PrivateFolder {

namespace {

constexpr mode_t kOthersAccess = S_IRWXG | S_IRWXO;

bool refuse(QString *errorText, const QString &why)
{
    if (errorText)
        *errorText = why;
    return false;
}

// A folder this user owns that no one else may enter, list or change.
bool isClosedFolder(const QString &path, QString *errorText)
{
    struct stat info { };
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return refuse(errorText, qt_error_string(errno));
    if (!S_ISDIR(info.st_mode))
        return refuse(errorText, QStringLiteral("not a folder"));
    if (info.st_uid != ::geteuid())
        return refuse(errorText, QStringLiteral("owned by another user"));
    if ((info.st_mode & kOthersAccess) != 0)
        return refuse(errorText, QStringLiteral("open to other users"));
    return true;
}

} // namespace

bool ensure(const QString &path, QString *errorText)
{
    if (path.isEmpty())
        return refuse(errorText, QStringLiteral("no folder"));
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return isClosedFolder(path, errorText);
}

QString runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder
        = !runtime.isEmpty() && QDir::isAbsolutePath(runtime) && isClosedFolder(runtime, nullptr)
        ? runtime + QStringLiteral("/velacps")
        : QStringLiteral("/tmp/velacps-%1").arg(::getuid());
    QString why;
    if (ensure(folder, &why))
        return folder;
    qWarning("Refusing the folder %s for the files shared by running copies: %s", qPrintable(folder),
        qPrintable(why));
    return QString();
}

int openSharedFile(const QString &folder, const QString &name, bool create)
{
    if (folder.isEmpty()) {
        errno = ENOENT;
        return -1;
    }
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
    int fd = -1;
    do {
        fd = ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT && create)
            fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EEXIST); // made by another copy meanwhile
    if (fd < 0)
        return -1;
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(fd);
        errno = EPERM;
        return -1;
    }
    return fd;
}

} // namespace PrivateFolder
