#pragma once

#include <QtGlobal>

#include <memory>

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
    // Not the driver's: another program (or connection) has the device.
    DeviceBusy = 32,
};
}

// Line settings of the programming cable.
namespace CableLine {
inline constexpr quint32 kBaudRate = 16406; // 0x4016, not a standard rate
inline constexpr quint8 kWordLength = 8;
inline constexpr quint8 kOneStopBit = 0;
inline constexpr quint8 kNoParity = 0;
inline constexpr quint16 kNoFlowControl = 0;
inline constexpr quint32 kTimeoutMs = 120; // read and write
inline constexpr quint32 kPurgeReceive = 1;
inline constexpr quint32 kPurgeTransmit = 2;
} // namespace CableLine

// One open connection to the programming cable, as the radio engine uses it.
// A backend's factory opens the device for this connection alone and sets the
// line (CableLine) before handing it over; what is left is moving bytes. The
// device is released when the connection is destroyed.
//
// The operations follow the cable driver's conventions: Purge answers 1 on
// success and 0 on failure, Read and Write the number of bytes moved. A
// failed call records its status; a connection with a recorded status is
// faulted, and the radio protocol refuses to use it.
class CUsbCable {
public:
    CUsbCable(const CUsbCable &) = delete;
    CUsbCable &operator=(const CUsbCable &) = delete;
    virtual ~CUsbCable() = default;

    // mask: CableLine::kPurgeReceive | kPurgeTransmit.
    int Purge(quint32 mask);

    // Bytes actually moved; a read returns after the read time-out with
    // whatever has arrived. A failure or a short transfer records the
    // driver's status, so a short transfer with a sound driver does not
    // fault the connection.
    int Read(quint8 *buffer, int count);
    int Write(const quint8 *buffer, int count);

    CableStatus lastStatus() const { return m_lastStatus; }
    bool isFaulted() const { return m_lastStatus != CableError::Ok; }

protected:
    CUsbCable() = default;

    // Device primitives of the open device, each answering a driver status.
    virtual CableStatus devicePurge(quint32 mask) = 0;
    virtual CableStatus deviceRead(quint8 *buffer, int count, int *transferred) = 0;
    virtual CableStatus deviceWrite(const quint8 *buffer, int count, int *transferred) = 0;

private:
    // Records status when it is a failure; answers whether it was success.
    bool record(CableStatus status);
    // Records a transfer's status and answers the bytes moved.
    int transferred(CableStatus status, int moved, int count);

    CableStatus m_lastStatus = CableError::Ok;
};

// How an attempt to open the cable ended: the connection, or why there is none.
struct CableOpening {
    std::unique_ptr<CUsbCable> cable;
    CableStatus status = CableError::Ok;
};
