#pragma once

#include "radio/UsbCable.h"

#include <QString>

// The programming cable seen as a serial device (a tty such as /dev/ttyUSB0
// through the kernel's FTDI driver, or a pseudo-terminal such as the radio
// emulator's). The device named by the user is the one cable there is.
class CSerialCable : public CUsbCable {
public:
    // Opens the device at path for this connection alone and sets the line.
    // The device itself is locked (flock, and TIOCEXCL against plain opens),
    // so no other copy of the program, whatever its environment, can talk to
    // the radio meanwhile: a device held elsewhere answers DeviceBusy.
    static CableOpening open(const QString &path);
    // 1 when path is a character device, else 0.
    static int countCables(const QString &path);

    // Releases the device.
    ~CSerialCable() override;

protected:
    CableStatus devicePurge(quint32 mask) override;
    CableStatus deviceRead(quint8 *buffer, int count, int *transferred) override;
    CableStatus deviceWrite(const quint8 *buffer, int count, int *transferred) override;

private:
    explicit CSerialCable(int fd)
        : m_fd(fd)
    {
    }

    // Writes count bytes from source, or reads them into destination (the
    // other one null), until done or the line's time-out has passed.
    CableStatus transfer(const quint8 *source, quint8 *destination, int count, int *transferred);

    int m_fd;
    bool m_exclusive = false; // this connection made the terminal exclusive
};
