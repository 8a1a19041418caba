#pragma once

#include <QString>

class CStopEvent;

// Names of the locks and the block that all running copies share.
namespace CableSharing {
// Held around every radio operation and every cable scan.
inline constexpr char kCableMutexName[] = "6E79D9DD-1F26-44a5-B5D6-4A2BD1DDC5B5";
// Held by the status watcher around its reading of the shared block.
inline constexpr char kStatusMutexName[] = "BA08E0C2-ACCF-49b5-AED7-FA64B8BE69A8";
// Held by the copy that runs the presence poller, for as long as it runs it.
inline constexpr char kPollerLockName[] = "VelaCPSPoller";
// Held (shared) by every copy that has a transfer under way.
inline constexpr char kTransferLockName[] = "VelaCPSTransfer";

// Folder of the shared files (see PrivateFolder::runtimeFolder); empty when
// it is not safe, and then no lock or block opens.
QString runtimeDirectory();
} // namespace CableSharing

// A lock shared by all running copies of the program, and by the threads of
// one copy: a lock on the file "<name>.lock" in a folder. The kernel drops
// it when its holder dies, so a crashed copy never leaves it taken.
class CNamedLock {
public:
    CNamedLock(const QString &directory, const QString &name);
    ~CNamedLock();
    CNamedLock(const CNamedLock &) = delete;
    CNamedLock &operator=(const CNamedLock &) = delete;

    // Exclusive; blocks until taken. False only when the lock file cannot
    // be opened.
    bool lock();
    // Exclusive; waits until taken or until stop is set (false then).
    bool lock(const CStopEvent &stop);
    bool tryLock();
    // Shared with other shared holders; blocks while an exclusive one holds it.
    bool lockShared();
    void unlock();
    bool isLocked() const { return m_locked; }

    // Whether any holder (another copy, or another lock object of this one)
    // has the lock now. Asked of an object that holds nothing itself.
    bool isHeldByOthers() const;

    const QString &path() const { return m_path; }

private:
    bool acquire(int operation);

    QString m_directory;
    QString m_fileName;
    QString m_path;
    int m_fd = -1;
    bool m_locked = false;
};

// Holds lock for the lifetime of the guard when lock() succeeds.
class CNamedLockGuard {
public:
    explicit CNamedLockGuard(CNamedLock &lock)
        : m_lock(lock)
        , m_owns(lock.lock())
    {
    }
    CNamedLockGuard(CNamedLock &lock, const CStopEvent &stop)
        : m_lock(lock)
        , m_owns(lock.lock(stop))
    {
    }
    ~CNamedLockGuard()
    {
        if (m_owns)
            m_lock.unlock();
    }
    CNamedLockGuard(const CNamedLockGuard &) = delete;
    CNamedLockGuard &operator=(const CNamedLockGuard &) = delete;
    bool ownsLock() const { return m_owns; }

private:
    CNamedLock &m_lock;
    bool m_owns;
};
