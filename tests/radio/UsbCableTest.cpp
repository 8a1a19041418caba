// The cable connection's conventions, the cable scan, the configured open,
// and the serial backend on a pseudo-terminal.

#include "FakeCable.h"

#include "radio/CablePort.h"
#include "radio/FtdiCable.h"
#include "radio/RadioProtocol.h"
#include "radio/SerialCable.h"

#include <QTemporaryDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

TEST(UsbCable, ClosedConnectionRefusesEverythingWithoutTouchingTheDriver)
{
    FakeCable cable;
    quint8 buffer[4] = {1, 2, 3, 4};
    EXPECT_EQ(cable.Close(), 0);
    EXPECT_EQ(cable.Read(buffer, 4), 0);
    EXPECT_EQ(cable.Write(buffer, 4), 0);
    EXPECT_EQ(cable.SetBaudRate(16406), 0);
    EXPECT_EQ(cable.SetDataCharacteristics(8, 0, 0), 0);
    EXPECT_EQ(cable.SetFlowControl(0, 0, 0), 0);
    EXPECT_EQ(cable.SetTimeouts(120, 120), 0);
    EXPECT_EQ(cable.Purge(3), 0);
    EXPECT_EQ(cable.driverCalls, 0);
    EXPECT_FALSE(cable.isFaulted());
}

TEST(UsbCable, OpenAndCloseFollowTheDriver)
{
    FakeCable cable;
    EXPECT_EQ(cable.Open(0), 1);
    EXPECT_TRUE(cable.isOpen());
    EXPECT_EQ(cable.Close(), 1);
    EXPECT_FALSE(cable.isOpen());
    EXPECT_EQ(cable.Close(), 0) << "closing a connection that is not open fails";
    EXPECT_EQ(cable.closes, 1);
}

TEST(UsbCable, FailedOpenRecordsItsStatusAndALaterOpenStartsAfresh)
{
    FakeCable cable;
    cable.openResults = {CableError::DeviceNotFound};
    EXPECT_EQ(cable.Open(0), 0);
    EXPECT_FALSE(cable.isOpen());
    EXPECT_EQ(cable.lastStatus(), CableError::DeviceNotFound);

    EXPECT_EQ(cable.Open(0), 1);
    EXPECT_FALSE(cable.isFaulted()) << "the failure belonged to the earlier attempt";
}

TEST(UsbCable, OpeningAnOpenConnectionClosesItFirst)
{
    FakeCable cable;
    ASSERT_EQ(cable.Open(0), 1);
    ASSERT_EQ(cable.Open(0), 1);
    EXPECT_EQ(cable.closes, 1);
    EXPECT_EQ(cable.opens, 2);
}

TEST(UsbCable, FailingCloseFaultsAndKeepsTheDeviceOpen)
{
    FakeCable cable;
    ASSERT_EQ(cable.Open(0), 1);
    cable.closeStatus = CableError::IoError;
    EXPECT_EQ(cable.Close(), 0);
    EXPECT_TRUE(cable.isOpen());
    EXPECT_EQ(cable.lastStatus(), CableError::IoError);
}

TEST(UsbCable, ShortTransfersWithASoundDriverDoNotFault)
{
    FakeCable cable;
    ASSERT_EQ(cable.Open(0), 1);
    cable.echo = false;
    cable.queue({7, 8});
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
    ASSERT_EQ(cable.Open(0), 1);
    quint8 buffer[2] = {};
    cable.readStatus = CableError::IoError;
    EXPECT_EQ(cable.Read(buffer, 2), 0);
    EXPECT_EQ(cable.lastStatus(), CableError::IoError);

    FakeCable writer;
    ASSERT_EQ(writer.Open(0), 1);
    writer.writeStatus = CableError::OtherError;
    EXPECT_EQ(writer.Write(buffer, 2), 2);
    EXPECT_TRUE(writer.isFaulted());
}

TEST(UsbCable, CableDescriptionMustMatchExactly)
{
    const auto matches = [](const char *text) {
        char buffer[64] = {};
        std::strncpy(buffer, text, 63);
        return CUsbCable::isCableDescription(buffer, 64);
    };
    EXPECT_TRUE(matches("KVX Series CPS Cable"));
    EXPECT_TRUE(matches("LX CPS Cable"));
    EXPECT_FALSE(matches("KVX Series CPS Cable2"));
    EXPECT_FALSE(matches("KVX Series CPS Cable "));
    EXPECT_FALSE(matches("LX CPS Cabl"));
    EXPECT_FALSE(matches("kvx series cps cable"));
    EXPECT_FALSE(matches("FT232R USB UART"));
    EXPECT_FALSE(matches(""));
}

TEST(UsbCable, ScanCountsMatchingCablesAndNamesTheFirst)
{
    FakeCable cable;
    cable.descriptions = {"FT232R USB UART", "KVX Series CPS Cable!", "LX CPS Cable", "KVX Series CPS Cable"};
    int first = -1;
    EXPECT_EQ(cable.ScanCables(&first), 2);
    EXPECT_EQ(first, 2);

    CUsbCable::setCableDeviceIndex(0);
    EXPECT_EQ(cable.FindCables(), 2);
    EXPECT_EQ(CUsbCable::cableDeviceIndex(), 2) << "connections open the first cable found";
    cable.descriptions = {"FT232R USB UART"};
    EXPECT_EQ(cable.FindCables(), 0);
    EXPECT_EQ(CUsbCable::cableDeviceIndex(), 2) << "a scan without cables keeps the index";
    CUsbCable::setCableDeviceIndex(0);
}

TEST(UsbCable, ScanWithoutCablesOrWithAFailingCountFindsNone)
{
    FakeCable none;
    none.descriptions.clear();
    int first = 5;
    EXPECT_EQ(none.ScanCables(&first), 0);
    EXPECT_EQ(first, 5);
    EXPECT_FALSE(none.isFaulted());

    FakeCable failing;
    failing.countStatus = CableError::IoError;
    EXPECT_EQ(failing.ScanCables(&first), 0);
    EXPECT_EQ(failing.lastStatus(), CableError::IoError);
}

TEST(UsbCable, ConfiguredOpenRetriesAndSetsTheLine)
{
    auto owned = std::make_unique<FakeCable>();
    FakeCable &cable = *owned;
    cable.openResults = {CableError::DeviceNotOpened};
    CRadioProtocol protocol(std::move(owned));
    EXPECT_EQ(protocol.Open(0), 1);
    EXPECT_EQ(cable.opens, 2);
    EXPECT_EQ(cable.baudRate, 16406u);
    EXPECT_EQ(cable.readTimeout, 120u);
    EXPECT_TRUE(protocol.usable());
}

TEST(UsbCable, ConfiguredOpenGivesUpAfterThreeAttempts)
{
    auto owned = std::make_unique<FakeCable>();
    FakeCable &cable = *owned;
    cable.openResults = {CableError::DeviceNotFound, CableError::DeviceNotFound, CableError::DeviceNotFound};
    CRadioProtocol protocol(std::move(owned));
    EXPECT_EQ(protocol.Open(0), 0);
    EXPECT_EQ(cable.opens, 3);
    EXPECT_FALSE(protocol.usable());
}

TEST(UsbCable, ConfiguredOpenFailsOnALineSettingAndTheNextOpenClosesTheDevice)
{
    auto owned = std::make_unique<FakeCable>();
    FakeCable &cable = *owned;
    cable.baudStatus = CableError::InvalidBaudRate;
    CRadioProtocol protocol(std::move(owned));
    EXPECT_EQ(protocol.Open(0), 0);
    EXPECT_TRUE(cable.isOpen());
    EXPECT_EQ(cable.readTimeout, 0u) << "nothing after the failing setting";

    cable.baudStatus = CableError::Ok;
    EXPECT_EQ(protocol.Open(0), 1);
    EXPECT_EQ(cable.closes, 1);
}

TEST(CablePort, UsbMeansTheFtdiCableAndAnythingElseASerialDevice)
{
    EXPECT_NE(dynamic_cast<CFtdiCable *>(CablePort::create(QStringLiteral("usb")).get()), nullptr);
    EXPECT_NE(dynamic_cast<CFtdiCable *>(CablePort::create(QStringLiteral(" USB ")).get()), nullptr);
    const auto serial = CablePort::create(QStringLiteral("/dev/ttyUSB3"));
    auto *device = dynamic_cast<CSerialCable *>(serial.get());
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->devicePath(), QStringLiteral("/dev/ttyUSB3"));
}

TEST(CablePort, PortOfThisRunWinsOverTheConfiguration)
{
    CablePort::setForThisRun(QStringLiteral("/dev/pts/77"));
    EXPECT_EQ(CablePort::current(), QStringLiteral("/dev/pts/77"));
    CablePort::setForThisRun(QString());
}

TEST(SerialCable, MissingDeviceIsNoCableAndDoesNotOpen)
{
    QTemporaryDir dir;
    CSerialCable cable(dir.filePath(QStringLiteral("ttyNothing")));
    int first = -1;
    EXPECT_EQ(cable.ScanCables(&first), 0);
    EXPECT_EQ(cable.Open(0), 0);
    EXPECT_EQ(cable.lastStatus(), CableError::DeviceNotFound);
}

TEST(SerialCable, AFileThatIsNotATerminalIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plain"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    CSerialCable cable(path);
    EXPECT_EQ(cable.ScanCables(nullptr), 0);
    EXPECT_EQ(cable.Open(0), 0);
    EXPECT_TRUE(cable.isFaulted());
}

namespace {

// The far end of a pseudo-terminal, for driving a serial cable.
class PseudoTerminal
{
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
    void send(const QByteArray &bytes) { ASSERT_EQ(::write(m_master, bytes.constData(), size_t(bytes.size())), bytes.size()); }
    QByteArray receive(int count)
    {
        QByteArray bytes;
        while (bytes.size() < count) {
            pollfd watch{m_master, POLLIN, 0};
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
    CRadioProtocol protocol(std::make_unique<CSerialCable>(terminal.path()));
    CUsbCable &cable = protocol.cable();
    ASSERT_EQ(cable.ScanCables(nullptr), 1);
    ASSERT_EQ(protocol.Open(0), 1) << "the configured open, 16406 baud included";

    // Bytes a cooked terminal would change or swallow come through untouched.
    const quint8 sent[] = {'\n', '\r', 0x03, 0x7F, 0xFF, 0x00, 0x11, 0x13};
    ASSERT_EQ(cable.Write(sent, int(sizeof sent)), int(sizeof sent));
    EXPECT_EQ(terminal.receive(int(sizeof sent)), QByteArray(reinterpret_cast<const char *>(sent), sizeof sent));

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
    EXPECT_EQ(cable.Close(), 1);
}
