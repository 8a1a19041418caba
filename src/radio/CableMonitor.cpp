#include "radio/CableMonitor.h"

#include "radio/CablePort.h"
#include "radio/SharedBlock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace {

void waitForThread(QThread *thread)
{
    if (!thread)
        return;
    // Every loop of the threads wakes on the stop event, so the long wait
    // only covers a driver call that is slow to return.
    if (!thread->wait(QDeadlineTimer(CCableMonitor::kShutdownWaitMs)))
        thread->wait();
}

} // namespace

CCableMonitor::CCableMonitor(QObject *statusTarget, CableCounter countCables, const QString &directory)
    : m_statusTarget(statusTarget)
    , m_countCables(
          countCables ? std::move(countCables) : [] { return CablePort::countCables(CablePort::current()); })
    , m_directory(directory)
    , m_statusMutex(directory, QLatin1String(CableSharing::kStatusMutexName))
    , m_cableMutex(directory, QLatin1String(CableSharing::kCableMutexName))
    , m_pollerLock(directory, QLatin1String(CableSharing::kPollerLockName))
    , m_transferLock(directory, QLatin1String(CableSharing::kTransferLockName))
{
}

CCableMonitor::~CCableMonitor()
{
    shutdown();
}

void CCableMonitor::start()
{
    QMutexLocker lock(&m_threadsMutex);
    if (m_watcher || m_shutDown)
        return;
    m_watcher.reset(QThread::create([this] { watchStatus(); }));
    m_watcher->start();
}

void CCableMonitor::shutdown()
{
    {
        QMutexLocker lock(&m_threadsMutex);
        if (m_shutDown)
            return;
        m_shutDown = true;
    }
    m_stop.set();
    // The watcher may start the poller until it ends, so it is waited for first.
    waitForThread(m_watcher.get());
    waitForThread(m_poller.get());
}

bool CCableMonitor::runsPoller() const
{
    QMutexLocker lock(&m_threadsMutex);
    return m_poller && !m_poller->isFinished();
}

void CCableMonitor::setTransferActive(bool active)
{
    QMutexLocker lock(&m_transferMutex);
    if (active == m_transferActive.load())
        return;
    if (active) {
        m_transferLock.lockShared();
        m_transferActive = true;
    } else {
        m_transferActive = false;
    }
    if (auto block = CSharedBlock::openOrCreate(m_directory))
        block->setWord(CSharedBlock::TransferActive, active ? 1 : 0);
    if (!active)
        m_transferLock.unlock();
}

bool CCableMonitor::transferActiveAnywhere(CSharedBlock &block) const
{
    if (m_transferActive.load())
        return true;
    if (block.word(CSharedBlock::TransferActive) != 1)
        return false;
    if (m_transferLock.isHeldByOthers())
        return true;
    block.setWord(CSharedBlock::TransferActive, 0);
    return false;
}

void CCableMonitor::watchStatus()
{
    while (!m_stop.isSet()) {
        while (m_transferActive.load() && !m_stop.wait(kPeriodMs)) { }
        if (m_stop.isSet())
            break;
        {
            CNamedLockGuard guard(m_statusMutex, m_stop);
            if (m_stop.isSet())
                break;
            postStatus(readStatus());
        }
        m_stop.wait(kPeriodMs);
    }
}

bool CCableMonitor::readStatus()
{
    auto block = CSharedBlock::openExisting(m_directory);
    startPollerIfNone(); // without a block, the poller makes it
    return block && statusIn(*block);
}

bool CCableMonitor::statusIn(CSharedBlock &block)
{
    const quint32 present = block.word(CSharedBlock::CablePresent);
    const quint32 count = block.word(CSharedBlock::CableCount);
    m_cableCount = int(count);
    const bool transferring = transferActiveAnywhere(block);
    return !transferring && present == 1 && count <= 1;
}

void CCableMonitor::startPollerIfNone()
{
    QMutexLocker lock(&m_threadsMutex);
    if (m_poller || m_shutDown || !m_pollerLock.tryLock())
        return;
    if (auto block = CSharedBlock::openExisting(m_directory))
        block->setWord(CSharedBlock::PollerActive, 1);
    m_poller.reset(QThread::create([this] { pollPresence(); }));
    m_poller->start();
}

void CCableMonitor::pollPresence()
{
    while (!m_stop.isSet()) {
        auto block = CSharedBlock::openOrCreate(m_directory);
        if (!block) {
            m_stop.wait(kPeriodMs);
            continue;
        }
        while (transferActiveAnywhere(*block) && !m_stop.wait(kPeriodMs)) { }
        if (m_stop.isSet())
            break;
        block->setWord(CSharedBlock::PollerActive, 1);
        scanOnce(*block);
        block.reset();
        m_stop.wait(kPeriodMs);
    }
    // Hand polling over: another copy's watcher takes the lock within a period.
    if (auto block = CSharedBlock::openExisting(m_directory))
        block->setWord(CSharedBlock::PollerActive, 0);
    m_pollerLock.unlock();
}

void CCableMonitor::scanOnce(CSharedBlock &block)
{
    int count;
    {
        CNamedLockGuard guard(m_cableMutex, m_stop);
        if (!guard.ownsLock())
            return;
        count = m_countCables();
    }
    recordCount(block, count);
}

void CCableMonitor::recordCount(CSharedBlock &block, int count)
{
    block.setWord(CSharedBlock::CableCount, quint32(count));
    block.setWord(CSharedBlock::CablePresent, count > 0 ? 1 : 0);
}

void CCableMonitor::recheckNow()
{
    if (!m_statusTarget || m_stop.isSet())
        return;
    auto block = CSharedBlock::openOrCreate(m_directory);
    if (!block)
        return;
    // Locks of their own: those of the monitor belong to its threads. A
    // cable another holder is using is left to the regular watch.
    CNamedLock cableMutex(m_directory, QLatin1String(CableSharing::kCableMutexName));
    if (!transferActiveAnywhere(*block) && cableMutex.tryLock()) {
        const int count = m_countCables();
        cableMutex.unlock();
        recordCount(*block, count);
    }
    CNamedLock statusMutex(m_directory, QLatin1String(CableSharing::kStatusMutexName));
    CNamedLockGuard guard(statusMutex, m_stop);
    if (guard.ownsLock())
        postStatus(statusIn(*block));
}

void CCableMonitor::postStatus(bool connected)
{
    if (m_statusTarget)
        QCoreApplication::postEvent(m_statusTarget, new CableStatusEvent(connected));
}
