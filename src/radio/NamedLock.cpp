#include "radio/NamedLock.h"

#include "base/PrivateFolder.h"
#include "radio/StopEvent.h"

#include <QDir>

#include <cerrno>
#include <sys/file.h>
#include <unistd.h>

namespace CableSharing {

QString runtimeDirectory()
{
    return PrivateFolder::runtimeFolder();
}

} // namespace CableSharing

namespace {

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
    : m_directory(directory)
    , m_fileName(name + QStringLiteral(".lock"))
    , m_path(QDir(directory).filePath(m_fileName))
    , m_fd(PrivateFolder::openSharedFile(m_directory, m_fileName))
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
    const int probe = PrivateFolder::openSharedFile(m_directory, m_fileName);
    if (probe < 0)
        return false;
    const bool held = flockRetrying(probe, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(probe);
    return held;
}
