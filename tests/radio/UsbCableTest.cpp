// The cable connection's conventions, the cable scan, the opening of a
// cable, and the serial backend on a pseudo-terminal.

#include "FakeCable.h"
#include "RadioTestSupport.h"

#include "radio/CablePort.h"
#include "radio/FtdiCable.h"
#include "radio/NamedLock.h"
#include "radio/SerialCable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

TEST(UsbCable, ShortTransfersWithASoundDriverDoNotFault)
{
    FakeCable cable;
    cable.echo = false;
    cable.queue({ 7, 8 });
    quint8 buffer[5] = {};
    EXPECT_EQ(cable.Read(buffer, 5), 2);
    EXPECT_EQ(buffer[0], 7);
    EXPECT_EQ(buffer[1], 8);
    cable.writeLimit = 3;
    EXPECT_EQ(cable.Write(buffer, 5), 3);
    EXPECT_FALSE(cable.isFaulted());
}

TEST(UsbCable, FailedTransfersFaultTheConnection)
{
    FakeCable cable;
    quint8 buffer[2] = {};
    cable.readStatus = CableError::IoError;
    EXPECT_EQ(cable.Read(buffer, 2), 0);
    EXPECT_EQ(cable.lastStatus(), CableError::IoError);

    FakeCable writer;
    writer.writeStatus = CableError::OtherError;
    EXPECT_EQ(writer.Write(buffer, 2), 2);
    EXPECT_TRUE(writer.isFaulted());
}

TEST(FtdiCable, CableDescriptionMustMatchExactly)
{
    EXPECT_TRUE(CFtdiCable::isCableDescription("KVX Series CPS Cable"));
    EXPECT_TRUE(CFtdiCable::isCableDescription("LX CPS Cable"));
    for (const char *other : { "KVX Series CPS Cable2", "KVX Series CPS Cable ", "LX CPS Cabl",
             "kvx series cps cable", "FT232R USB UART", "" })
        EXPECT_FALSE(CFtdiCable::isCableDescription(other)) << other;
    EXPECT_FALSE(CFtdiCable::isCableDescription(QByteArray("LX CPS Cable\0x", 14)))
        << "nothing after the name";
}

TEST(FtdiCable, ScanFindsEveryCableInBusOrder)
{
    EXPECT_EQ(CFtdiCable::cableIndexes(
                  { "FT232R USB UART", "KVX Series CPS Cable!", "LX CPS Cable", "", "KVX Series CPS Cable" }),
        (QList<int> { 2, 4 }));
    EXPECT_TRUE(CFtdiCable::cableIndexes({}).isEmpty());
}

TEST(CablePort, OpeningRetriesTwiceAfter500AndThen1000Milliseconds)
{
    for (const int failures : { 1, 3 }) {
        int attempts = 0;
        QElapsedTimer clock;
        clock.start();
        const CableOpening opening = CablePort::openWithRetries([&] {
            return ++attempts > failures ? CableOpening { std::make_unique<FakeCable>(), CableError::Ok }
                                         : CableOpening { nullptr, CableError::DeviceBusy };
        });
        EXPECT_EQ(attempts, std::min(failures + 1, 3));
        EXPECT_EQ(opening.cable == nullptr, failures == 3);
        EXPECT_EQ(opening.status, failures == 3 ? CableError::DeviceBusy : CableError::Ok);
        EXPECT_GE(clock.elapsed(), failures == 3 ? 1500 : 500);
    }
}

TEST(CablePort, PortOfThisRunWinsOverTheConfiguration)
{
    CablePort::setForThisRun(QStringLiteral("/dev/pts/77"));
    EXPECT_EQ(CablePort::current(), QStringLiteral("/dev/pts/77"));
    CablePort::setForThisRun(QString());
}

TEST(CablePort, TheCableOfThisRunKeepsTheSharedMutexAnotherHasItsOwnLock)
{
    const QString shared = QString::fromLatin1(CableSharing::kCableMutexName);
    CablePort::setForThisRun(QStringLiteral("/dev/pts/77"));
    EXPECT_EQ(CablePort::lockName(QStringLiteral(" /dev/pts/77")), shared);
    const QString other = CablePort::lockName(QStringLiteral("/dev/pts/78"));
    EXPECT_NE(other, shared);
    EXPECT_EQ(other, CablePort::lockName(QStringLiteral("/dev/pts/78")));
    EXPECT_NE(other, CablePort::lockName(QStringLiteral("/dev/pts/79")));
    CablePort::setForThisRun(QStringLiteral("usb"));
    EXPECT_EQ(CablePort::lockName(QStringLiteral("USB")), shared);
    CablePort::setForThisRun(QString());
}

TEST(SerialCable, MissingDeviceIsNoCableAndDoesNotOpen)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ttyNothing"));
    EXPECT_EQ(CablePort::countCables(path), 0);
    const CableOpening opening = CSerialCable::open(path);
    EXPECT_EQ(opening.cable, nullptr);
    EXPECT_EQ(opening.status, CableError::DeviceNotFound);
}

TEST(SerialCable, AFileThatIsNotATerminalIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plain"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(CablePort::countCables(path), 0);
    EXPECT_EQ(CSerialCable::open(path).status, CableError::DeviceNotOpened);
}

namespace {

// The far end of a pseudo-terminal, for driving a serial cable.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(m_master);
        ::unlockpt(m_master);
        m_path = QString::fromLocal8Bit(::ptsname(m_master));
    }
    ~PseudoTerminal() { ::close(m_master); }
    QString path() const { return m_path; }
    void send(const QByteArray &bytes)
    {
        ASSERT_EQ(::write(m_master, bytes.constData(), size_t(bytes.size())), bytes.size());
    }
    QByteArray receive(int count)
    {
        QByteArray bytes;
        while (bytes.size() < count) {
            pollfd watch { m_master, POLLIN, 0 };
            if (::poll(&watch, 1, 2000) <= 0)
                break;
            char buffer[64];
            const ssize_t got = ::read(m_master, buffer, sizeof buffer);
            if (got <= 0)
                break;
            bytes.append(buffer, int(got));
        }
        return bytes;
    }

private:
    int m_master = -1;
    QString m_path;
};

} // namespace

TEST(SerialCable, MovesRawBytesOverAPseudoTerminalAtTheCableRate)
{
    PseudoTerminal terminal;
    ASSERT_EQ(CablePort::countCables(terminal.path()), 1);
    CableOpening opening = CablePort::open(terminal.path());
    ASSERT_NE(opening.cable, nullptr) << "the line set, 16406 baud included";
    CUsbCable &cable = *opening.cable;

    // Bytes a cooked terminal would change or swallow come through untouched.
    const quint8 sent[] = { '\n', '\r', 0x03, 0x7F, 0xFF, 0x00, 0x11, 0x13 };
    ASSERT_EQ(cable.Write(sent, int(sizeof sent)), int(sizeof sent));
    EXPECT_EQ(
        terminal.receive(int(sizeof sent)), QByteArray(reinterpret_cast<const char *>(sent), sizeof sent));

    terminal.send(QByteArray("\r\n\x04\x1a", 4));
    quint8 received[6] = {};
    EXPECT_EQ(cable.Read(received, 6), 4) << "a read gives what came within the time-out";
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(received), 4), QByteArray("\r\n\x04\x1a", 4));
    EXPECT_FALSE(cable.isFaulted());

    // Both bytes arrive together; once the first is in, a purge drops the second.
    terminal.send(QByteArray("\x50\x51", 2));
    ASSERT_EQ(cable.Read(received, 1), 1);
    EXPECT_EQ(cable.Purge(CableLine::kPurgeReceive | CableLine::kPurgeTransmit), 1);
    EXPECT_EQ(cable.Read(received, 1), 0) << "purged";
}

TEST(SerialCable, TheDeviceHasOneOpenerAtATime)
{
    PseudoTerminal terminal;
    const auto exclusive = [&] { return terminalExclusiveMode(terminal.path()); };
    CableOpening first = CSerialCable::open(terminal.path());
    ASSERT_NE(first.cable, nullptr);
    EXPECT_EQ(exclusive(), 1);
    const CableOpening second = CSerialCable::open(terminal.path());
    EXPECT_EQ(second.cable, nullptr);
    EXPECT_EQ(second.status, CableError::DeviceBusy);
    EXPECT_EQ(exclusive(), 1) << "the refused opener leaves the holder's mode alone";

    first.cable.reset();
    EXPECT_EQ(exclusive(), 0) << "released for whoever comes next";
    EXPECT_NE(CSerialCable::open(terminal.path()).cable, nullptr);
}
