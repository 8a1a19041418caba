#include "radio/NamedLock.h"

#include "radio/StopEvent.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CableSharing {

QString runtimeDirectory()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QString path = runtime.isEmpty() ? QStringLiteral("/tmp/velacps-%1").arg(::getuid())
                                           : QFile::decodeName(runtime) + QStringLiteral("/velacps");
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return path;
}

} // namespace CableSharing

namespace {

int openLockFile(const QString &path)
{
    // Close-on-exec: a child process must not inherit, and so keep alive,
    // a lock of its parent.
    return ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

int flockRetrying(int fd, int operation)
{
    int result;
    do
        result = ::flock(fd, operation);
    while (result != 0 && errno == EINTR);
    return result;
}

constexpr int kStopPollMs = 25;

} // namespace

CNamedLock::CNamedLock(const QString &directory, const QString &name)
    : m_path(QDir(directory).filePath(name + QStringLiteral(".lock")))
    , m_fd(openLockFile(m_path))
{
}

CNamedLock::~CNamedLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // also drops the lock
}

bool CNamedLock::acquire(int operation)
{
    if (m_fd < 0)
        return false;
    if (flockRetrying(m_fd, operation) != 0)
        return false;
    m_locked = true;
    return true;
}

bool CNamedLock::lock()
{
    return acquire(LOCK_EX);
}

bool CNamedLock::lock(const CStopEvent &stop)
{
    while (!tryLock()) {
        if (m_fd < 0 || stop.wait(kStopPollMs))
            return false;
    }
    return true;
}

bool CNamedLock::tryLock()
{
    return acquire(LOCK_EX | LOCK_NB);
}

bool CNamedLock::lockShared()
{
    return acquire(LOCK_SH);
}

void CNamedLock::unlock()
{
    if (m_fd >= 0 && m_locked)
        ::flock(m_fd, LOCK_UN);
    m_locked = false;
}

bool CNamedLock::isHeldByOthers() const
{
    const int probe = openLockFile(m_path);
    if (probe < 0)
        return false;
    const bool held = flockRetrying(probe, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(probe);
    return held;
}
