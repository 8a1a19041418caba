#pragma once

#include "radio/NamedLock.h"
#include "radio/StopEvent.h"

#include <QEvent>
#include <QMutex>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class QObject;
class QThread;
class CSharedBlock;

// The cable status the watcher posts once a second: wParam 1 when exactly
// one cable is present and no copy is transferring, else 0; lParam 0.
class CableStatusEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = QEvent::Type(QEvent::User + 11);
    explicit CableStatusEvent(bool connected)
        : QEvent(kType)
        , m_connected(connected)
    {
    }
    int wParam() const { return m_connected ? 1 : 0; }
    long lParam() const { return 0; }
    bool connected() const { return m_connected; }

private:
    bool m_connected;
};

// The cable-presence watch of one running copy, and the process-wide state
// the radio operations share with it.
//
// Every copy runs a status watcher that reads the shared block once a second
// and posts the cable status. Exactly one copy also runs the presence poller,
// which counts the cables once a second unless a transfer is under way in
// any copy. The copy that polls holds the poller lock; when it exits, or
// dies, the lock is released and another copy's watcher takes polling over
// within a second. A transfer holds the transfer lock (shared), so a copy
// that dies while transferring does not keep the others from polling.
class CCableMonitor {
public:
    // Counts the attached programming cables.
    using CableCounter = std::function<int()>;

    // statusTarget (may be null; it must outlive the monitor) receives a
    // CableStatusEvent each second; countCables is the poller's scan (of the
    // cable port of this run by default); directory is the shared runtime
    // folder.
    explicit CCableMonitor(QObject *statusTarget, CableCounter countCables = {},
        const QString &directory = CableSharing::runtimeDirectory());
    // Shuts down if that has not happened yet.
    ~CCableMonitor();
    CCableMonitor(const CCableMonitor &) = delete;
    CCableMonitor &operator=(const CCableMonitor &) = delete;

    // Starts the status watcher (which starts the poller when no copy polls).
    void start();
    // Hands polling over to another copy, sets the stop event and waits for
    // the threads (5000 ms each, then for as long as they take).
    void shutdown();

    // The transfer-active flag of this copy, mirrored in the shared block.
    void setTransferActive(bool active);
    bool transferActive() const { return m_transferActive.load(); }

    // Counts the cables at once and posts the status, rather than within
    // the next periods: after a transfer failed, its cable may be gone.
    void recheckNow();

    // Matching cables found by the last scan (this copy's view).
    int cableCount() const { return m_cableCount.load(); }
    bool runsPoller() const;
    bool stopRequested() const { return m_stop.isSet(); }
    const QString &directory() const { return m_directory; }

    static constexpr int kPeriodMs = 1000;
    static constexpr int kShutdownWaitMs = 5000;

private:
    void watchStatus();
    void pollPresence();
    // One reading of the shared block: whether the cable counts as connected.
    bool readStatus();
    bool statusIn(CSharedBlock &block);
    // Starts the poller here when no copy runs one (the poller lock is free).
    void startPollerIfNone();
    void scanOnce(CSharedBlock &block);
    static void recordCount(CSharedBlock &block, int count);
    // Whether this or another copy is transferring. A transfer flag in the
    // block without a live holder is stale (its copy died) and is cleared.
    bool transferActiveAnywhere(CSharedBlock &block) const;
    void postStatus(bool connected);

    QObject *m_statusTarget;
    CableCounter m_countCables;
    QString m_directory;

    CStopEvent m_stop;
    std::atomic<bool> m_transferActive { false };
    std::atomic<int> m_cableCount { 0 };

    CNamedLock m_statusMutex;
    CNamedLock m_cableMutex;
    CNamedLock m_pollerLock;
    CNamedLock m_transferLock;
    QMutex m_transferMutex; // serialises setTransferActive

    mutable QMutex m_threadsMutex;
    std::unique_ptr<QThread> m_watcher;
    std::unique_ptr<QThread> m_poller;
    bool m_shutDown = false;
};
