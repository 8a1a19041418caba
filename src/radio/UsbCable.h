#pragma once

#include <QtGlobal>

#include <atomic>
#include <cstdint>

// Status of one driver call, in the numbering of the FTDI driver family; 0
// is success. A connection keeps the last non-zero one as its fault.
using CableStatus = quint32;
namespace CableError {
enum : CableStatus {
    Ok = 0,
    InvalidHandle = 1,
    DeviceNotFound = 2,
    DeviceNotOpened = 3,
    IoError = 4,
    InsufficientResources = 5,
    InvalidParameter = 6,
    InvalidBaudRate = 7,
    OtherError = 18,
};
}

// Line settings of the programming cable.
namespace CableLine {
inline constexpr quint32 kBaudRate = 16406;  // 0x4016, not a standard rate
inline constexpr quint8 kWordLength = 8;
inline constexpr quint8 kOneStopBit = 0;
inline constexpr quint8 kNoParity = 0;
inline constexpr quint16 kNoFlowControl = 0;
inline constexpr quint32 kTimeoutMs = 120;   // read and write
inline constexpr quint32 kPurgeReceive = 1;
inline constexpr quint32 kPurgeTransmit = 2;
} // namespace CableLine

// One connection to the programming cable. The operations follow the cable
// driver's conventions: 1 on success and 0 on failure (Read and Write return
// the number of bytes moved), and 0 at once when no device is open (except
// Open). A failed call records its status; a connection with a recorded
// status is faulted, and the radio protocol refuses to use it.
//
// Backends supply the device primitives below; this class keeps the
// conventions the same for all of them.
class CUsbCable
{
public:
    CUsbCable() = default;
    CUsbCable(const CUsbCable &) = delete;
    CUsbCable &operator=(const CUsbCable &) = delete;
    virtual ~CUsbCable() = default;

    // Closes an open device first (a failing close only records its
    // status), then opens the device at index. A successful open starts a
    // fresh connection: the failures of earlier attempts are forgotten.
    int Open(int deviceIndex);
    // With no device open, 0.
    int Close();
    int SetBaudRate(quint32 baudRate);
    int SetDataCharacteristics(quint8 wordLength, quint8 stopBits, quint8 parity);
    int SetFlowControl(quint16 flowControl, quint8 xon, quint8 xoff);
    int SetTimeouts(quint32 readMs, quint32 writeMs);
    // mask: CableLine::kPurgeReceive | kPurgeTransmit.
    int Purge(quint32 mask);

    // Bytes actually moved; a read returns after the read time-out with
    // whatever has arrived. A failure or a short transfer records the
    // driver's status, so a short transfer with a sound driver does not
    // fault the connection.
    virtual int Read(quint8 *buffer, int count);
    virtual int Write(const quint8 *buffer, int count);

    // Counts the attached programming cables and stores the index of the
    // first in firstIndex (when not null and a cable was found); 0 when the
    // count query fails, after recording its status.
    virtual int ScanCables(int *firstIndex);

    // Scans, and when a cable was found makes the first one the cable
    // device index of the process; answers the count. The caller holds the
    // cable mutex.
    int FindCables();

    void SetPresent(bool present) { m_present = present ? 1 : 0; }
    bool IsPresent() const { return m_present != 0; }

    bool isOpen() const { return m_open; }
    CableStatus lastStatus() const { return m_lastStatus; }
    bool isFaulted() const { return m_lastStatus != CableError::Ok; }

    // Whether a device description names the programming cable: exactly
    // "KVX Series CPS Cable" or "LX CPS Cable", nothing more.
    static bool isCableDescription(const char *description, int size);

    // The device index of the first cable the last scan found (0 before any
    // scan); every connection of the process opens this index.
    static int cableDeviceIndex() { return s_cableDeviceIndex.load(); }
    static void setCableDeviceIndex(int index) { s_cableDeviceIndex.store(index); }

protected:
    static constexpr int kDescriptionSize = 64;

    // Device primitives, each answering a driver status.
    virtual CableStatus deviceOpen(int deviceIndex) = 0;
    virtual CableStatus deviceClose() = 0;
    virtual CableStatus deviceSetBaudRate(quint32 baudRate) = 0;
    virtual CableStatus deviceSetDataCharacteristics(quint8 wordLength, quint8 stopBits, quint8 parity) = 0;
    virtual CableStatus deviceSetFlowControl(quint16 flowControl, quint8 xon, quint8 xoff) = 0;
    virtual CableStatus deviceSetTimeouts(quint32 readMs, quint32 writeMs) = 0;
    virtual CableStatus devicePurge(quint32 mask) = 0;
    virtual CableStatus deviceRead(quint8 *buffer, int count, int *transferred) = 0;
    virtual CableStatus deviceWrite(const quint8 *buffer, int count, int *transferred) = 0;
    // Number of attached devices of the cable's kind, and the description of
    // one of them (a zero-terminated text in a 64-byte buffer).
    virtual CableStatus deviceCount(int *count) = 0;
    virtual CableStatus deviceDescription(int deviceIndex, char (&description)[kDescriptionSize]) = 0;

    // Records status when it is a failure; answers whether it was success.
    bool record(CableStatus status);

private:
    // Records a transfer's status and answers the bytes moved.
    int transferred(CableStatus status, int moved, int count);

    bool m_open = false;
    CableStatus m_lastStatus = CableError::Ok;
    std::atomic<int> m_present{0};  // written by the presence poller

    static std::atomic<int> s_cableDeviceIndex;
};
