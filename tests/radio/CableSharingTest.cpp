// What running copies share: the named locks, the shared block, the stop
// event, and the presence watch with its hand-over of polling, including
// copies that are killed while they poll, hold the cable or transfer.

#include "RadioEmulator.h"
#include "RadioTestSupport.h"

#include "radio/CableMonitor.h"
#include "radio/NamedLock.h"
#include "radio/SerialCable.h"
#include "radio/SharedBlock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <unistd.h>

using namespace CableSharing;

namespace {

// The attached cables as the test says, and the scans that counted them.
struct Devices {
    std::atomic<int> cables { 1 };
    std::atomic<int> scans { 0 };
};

CCableMonitor::CableCounter scanning(const std::shared_ptr<Devices> &devices)
{
    return [devices] {
        ++devices->scans;
        return devices->cables.load();
    };
}

// ---- The other copy -------------------------------------------------------
// Started as this test program with VELACPS_CABLE_PEER set, it plays one
// role in the shared folder VELACPS_CABLE_DIR (for "open-cable", the serial
// device it opens), says so on a line of its output and waits to be killed.

constexpr char kPeerRole[] = "VELACPS_CABLE_PEER";
constexpr char kPeerDirectory[] = "VELACPS_CABLE_DIR";

[[noreturn]] void playPeer(const QByteArray &role)
{
    const QString directory = qEnvironmentVariable(kPeerDirectory);
    const char *said = "unknown role";
    if (role == "hold-cable") {
        static CNamedLock lock(directory, QLatin1String(kCableMutexName));
        said = lock.lock() ? "holding" : "failed";
    } else if (role == "poll") {
        static CCableMonitor monitor(nullptr, scanning(std::make_shared<Devices>()), directory);
        monitor.start();
        while (!monitor.runsPoller())
            QThread::msleep(20);
        said = "polling";
    } else if (role == "open-cable") {
        static CableOpening cable = CSerialCable::open(directory);
        said = cable.cable ? "holding" : "failed";
    } else if (role == "transfer") {
        static CCableMonitor monitor(nullptr, scanning(std::make_shared<Devices>()), directory);
        monitor.setTransferActive(true);
        said = "transferring";
    }
    std::printf("%s\n", said);
    std::fflush(stdout);
    for (;;)
        ::pause();
}

const bool peerPlayed = [] {
    const QByteArray role = qgetenv(kPeerRole);
    if (!role.isEmpty())
        playPeer(role);
    return false;
}();

// Another copy playing role in directory, for the lifetime of the object.
class Peer {
public:
    Peer(const QString &directory, const char *role)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(kPeerRole), QLatin1String(role));
        environment.insert(QLatin1String(kPeerDirectory), directory);
        m_process.setProcessEnvironment(environment);
        m_process.start(QCoreApplication::applicationFilePath(), {});
        if (m_process.waitForStarted(5000)) {
            while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) { }
        }
        m_said = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~Peer() { kill(); }

    QString said() const { return m_said; }
    // SIGKILL: the copy gets no chance to clean up.
    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
    QString m_said;
};

// Collects the cable-status events of a monitor.
class StatusRecorder : public QObject {
public:
    std::vector<bool> statuses;

    void collect() { QCoreApplication::sendPostedEvents(this, CableStatusEvent::kType); }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != CableStatusEvent::kType)
            return QObject::event(event);
        const auto *status = static_cast<CableStatusEvent *>(event);
        EXPECT_EQ(status->lParam(), 0);
        EXPECT_EQ(status->wParam(), status->connected() ? 1 : 0);
        statuses.push_back(status->connected());
        return true;
    }
};

// Waits (delivering posted events) until done() holds, for at most 15 s.
template <typename Condition> bool eventually(Condition done, StatusRecorder *recorder = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000) {
        if (recorder)
            recorder->collect();
        if (done())
            return true;
        QThread::msleep(20);
    }
    return false;
}

// Lets a few watch periods pass (for checking that something does not happen).
void letPeriodsPass(int periods = 2)
{
    QThread::msleep(CCableMonitor::kPeriodMs * periods + CCableMonitor::kPeriodMs / 2);
}

quint32 blockWord(const QString &directory, CSharedBlock::Word word)
{
    const auto block = CSharedBlock::openExisting(directory);
    return block ? block->word(word) : 0xFFFFFFFF;
}

} // namespace

TEST(NamedLock, ExcludesOtherHoldersInTheSameCopy)
{
    QTemporaryDir dir;
    CNamedLock first(dir.path(), QLatin1String(kCableMutexName));
    CNamedLock second(dir.path(), QLatin1String(kCableMutexName));
    CNamedLock probe(dir.path(), QLatin1String(kCableMutexName));
    EXPECT_FALSE(probe.isHeldByOthers());
    ASSERT_TRUE(first.tryLock());
    EXPECT_FALSE(second.tryLock());
    EXPECT_TRUE(probe.isHeldByOthers());
    CStopEvent stop;
    stop.set();
    EXPECT_FALSE(second.lock(stop)) << "a stopped wait gives up";
    first.unlock();
    EXPECT_TRUE(second.lock(stop));
    EXPECT_TRUE(second.isLocked());
}

TEST(NamedLock, SharedHoldersCoexistAndKeepOutAnExclusiveOne)
{
    QTemporaryDir dir;
    CNamedLock a(dir.path(), QLatin1String(kTransferLockName));
    CNamedLock b(dir.path(), QLatin1String(kTransferLockName));
    CNamedLock exclusive(dir.path(), QLatin1String(kTransferLockName));
    ASSERT_TRUE(a.lockShared());
    ASSERT_TRUE(b.lockShared());
    EXPECT_FALSE(exclusive.tryLock());
    a.unlock();
    b.unlock();
    EXPECT_TRUE(exclusive.tryLock());
}

TEST(NamedLock, UnusableFolderMeansNoLock)
{
    CNamedLock lock(QStringLiteral("/nonexistent/velacps"), QLatin1String(kCableMutexName));
    EXPECT_FALSE(lock.tryLock());
    EXPECT_FALSE(lock.lock());
    EXPECT_FALSE(lock.isLocked());
}

TEST(StopEvent, OneSignalWakesEveryWaiterForGood)
{
    CStopEvent stop;
    EXPECT_FALSE(stop.wait(1));
    std::atomic<int> woken { 0 };
    QThread *waiters[2];
    for (QThread *&waiter : waiters) {
        waiter = QThread::create([&] {
            if (stop.wait(60000))
                ++woken;
        });
        waiter->start();
    }
    stop.set();
    for (QThread *waiter : waiters) {
        EXPECT_TRUE(waiter->wait(10000));
        delete waiter;
    }
    EXPECT_EQ(woken, 2);
    EXPECT_TRUE(stop.wait(60000));
    EXPECT_TRUE(stop.isSet());
}

TEST(SharedBlock, CreatedZeroedAndSeenByEveryMapping)
{
    QTemporaryDir dir;
    EXPECT_EQ(CSharedBlock::openExisting(dir.path()), nullptr);
    bool created = false;
    const auto first = CSharedBlock::openOrCreate(dir.path(), &created);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(created);
    for (int word = 0; word < 4; ++word)
        EXPECT_EQ(first->word(CSharedBlock::Word(word)), 0u);

    const auto second = CSharedBlock::openOrCreate(dir.path(), &created);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(created);
    first->setWord(CSharedBlock::CableCount, 3);
    EXPECT_EQ(second->word(CSharedBlock::CableCount), 3u);
    EXPECT_EQ(QFileInfo(dir.filePath(QLatin1String(CSharedBlock::kName))).size(), CSharedBlock::kSize);
    second->clearWords();
    EXPECT_EQ(first->word(CSharedBlock::CableCount), 0u);
}

TEST(CableMonitor, StatusFollowsTheCablesFound)
{
    QTemporaryDir dir;
    auto devices = std::make_shared<Devices>();
    StatusRecorder recorder;
    CCableMonitor monitor(&recorder, scanning(devices), dir.path());
    monitor.start();
    EXPECT_TRUE(eventually([&] { return !recorder.statuses.empty() && recorder.statuses.back(); }, &recorder))
        << "one cable: connected";
    EXPECT_TRUE(monitor.runsPoller()) << "the only copy polls";
    EXPECT_EQ(blockWord(dir.path(), CSharedBlock::PollerActive), 1u);

    devices->cables = 2;
    EXPECT_TRUE(eventually([&] { return monitor.cableCount() == 2 && !recorder.statuses.back(); }, &recorder))
        << "two cables: not connected, and the count is known for the warning";
    devices->cables = 0;
    EXPECT_TRUE(eventually([&] { return blockWord(dir.path(), CSharedBlock::CablePresent) == 0; }));
    recorder.statuses.clear();
    EXPECT_TRUE(eventually([&] { return !recorder.statuses.empty(); }, &recorder));
    EXPECT_FALSE(recorder.statuses.back());
}

TEST(CableMonitor, RecheckCountsTheCablesAndPostsTheStatusAtOnce)
{
    QTemporaryDir dir;
    auto devices = std::make_shared<Devices>();
    StatusRecorder recorder;
    CCableMonitor monitor(&recorder, scanning(devices), dir.path());
    for (const int cables : { 1, 0, 2, 1 }) {
        devices->cables = cables;
        monitor.recheckNow();
        recorder.collect();
        ASSERT_FALSE(recorder.statuses.empty());
        EXPECT_EQ(recorder.statuses.back(), cables == 1) << cables << " cables";
        EXPECT_EQ(monitor.cableCount(), cables);
    }
    EXPECT_FALSE(monitor.runsPoller()) << "a recheck starts no watch";
    monitor.setTransferActive(true);
    const int scans = devices->scans;
    monitor.recheckNow();
    EXPECT_EQ(devices->scans, scans) << "the cable of a transfer is not scanned";
}

TEST(CableMonitor, OwnTransferStopsScanningAndMarksTheBlock)
{
    QTemporaryDir dir;
    auto devices = std::make_shared<Devices>();
    CCableMonitor monitor(nullptr, scanning(devices), dir.path());
    monitor.start();
    ASSERT_TRUE(eventually([&] { return devices->scans > 0; }));

    monitor.setTransferActive(true);
    EXPECT_TRUE(monitor.transferActive());
    EXPECT_EQ(blockWord(dir.path(), CSharedBlock::TransferActive), 1u);
    const int scans = devices->scans;
    letPeriodsPass();
    EXPECT_LE(devices->scans, scans + 1) << "at most the scan already under way";

    monitor.setTransferActive(false);
    EXPECT_EQ(blockWord(dir.path(), CSharedBlock::TransferActive), 0u);
    const int resumed = devices->scans;
    EXPECT_TRUE(eventually([&] { return devices->scans > resumed + 1; }));
}

TEST(CableMonitor, PollingPassesToAnotherCopyAtShutdown)
{
    QTemporaryDir dir;
    auto devicesA = std::make_shared<Devices>();
    auto devicesB = std::make_shared<Devices>();
    CCableMonitor a(nullptr, scanning(devicesA), dir.path());
    CCableMonitor b(nullptr, scanning(devicesB), dir.path());
    a.start();
    ASSERT_TRUE(eventually([&] { return a.runsPoller(); }));
    b.start();
    letPeriodsPass();
    EXPECT_FALSE(b.runsPoller());
    EXPECT_EQ(devicesB->scans, 0);

    a.shutdown();
    EXPECT_FALSE(a.runsPoller());
    EXPECT_TRUE(eventually([&] { return b.runsPoller() && devicesB->scans > 0; }));
    EXPECT_EQ(blockWord(dir.path(), CSharedBlock::PollerActive), 1u);
}

TEST(CableSharing, CableMutexOfAKilledCopyIsFreed)
{
    QTemporaryDir dir;
    Peer peer(dir.path(), "hold-cable");
    ASSERT_EQ(peer.said(), QStringLiteral("holding"));
    CNamedLock lock(dir.path(), QLatin1String(kCableMutexName));
    EXPECT_FALSE(lock.tryLock()) << "another copy holds the cable";

    peer.kill();
    EXPECT_TRUE(eventually([&] { return lock.tryLock(); }));
}

TEST(CableSharing, PollingPassesOnWhenThePollingCopyIsKilled)
{
    QTemporaryDir dir;
    Peer peer(dir.path(), "poll");
    ASSERT_EQ(peer.said(), QStringLiteral("polling"));

    auto devices = std::make_shared<Devices>();
    StatusRecorder recorder;
    CCableMonitor monitor(&recorder, scanning(devices), dir.path());
    monitor.start();
    EXPECT_TRUE(eventually([&] { return !recorder.statuses.empty() && recorder.statuses.back(); }, &recorder))
        << "connected, from the other copy's scans";
    letPeriodsPass();
    EXPECT_FALSE(monitor.runsPoller());
    EXPECT_EQ(devices->scans, 0);

    peer.kill();
    EXPECT_EQ(blockWord(dir.path(), CSharedBlock::PollerActive), 1u) << "the dead copy left its flag behind";
    EXPECT_TRUE(eventually([&] { return monitor.runsPoller() && devices->scans > 0; }));
}

TEST(CableSharing, TransferOfAKilledCopyDoesNotStopPolling)
{
    QTemporaryDir dir;
    Peer peer(dir.path(), "transfer");
    ASSERT_EQ(peer.said(), QStringLiteral("transferring"));
    ASSERT_EQ(blockWord(dir.path(), CSharedBlock::TransferActive), 1u);

    auto devices = std::make_shared<Devices>();
    StatusRecorder recorder;
    CCableMonitor monitor(&recorder, scanning(devices), dir.path());
    monitor.start();
    letPeriodsPass();
    EXPECT_TRUE(monitor.runsPoller());
    EXPECT_EQ(devices->scans, 0) << "no scan while another copy transfers";
    recorder.collect();
    ASSERT_FALSE(recorder.statuses.empty());
    EXPECT_FALSE(recorder.statuses.back());

    peer.kill();
    EXPECT_TRUE(eventually([&] { return devices->scans > 0; }));
    EXPECT_EQ(blockWord(dir.path(), CSharedBlock::TransferActive), 0u);
    EXPECT_TRUE(
        eventually([&] { return !recorder.statuses.empty() && recorder.statuses.back(); }, &recorder));
}

TEST(CableSharing, ACableOfAKilledCopyIsFreed)
{
    RadioEmulator radio;
    const auto exclusive = [&] { return terminalExclusiveMode(radio.path()); };
    Peer peer(radio.path(), "open-cable");
    ASSERT_EQ(peer.said(), QStringLiteral("holding"));
    EXPECT_EQ(CSerialCable::open(radio.path()).status, CableError::DeviceBusy);
    EXPECT_EQ(exclusive(), 1);

    peer.kill();
    EXPECT_TRUE(eventually([&] { return exclusive() == 0; })) << "the emulator lifts what the dead copy left";
    EXPECT_NE(CSerialCable::open(radio.path()).cable, nullptr);
}
