#pragma once

#include "radio/UsbCable.h"

#include <QString>

// The programming cable seen as a serial device (a tty such as /dev/ttyUSB0
// through the kernel's FTDI driver, or a pseudo-terminal such as the radio
// emulator's). The device named by the user is the one cable there is: it
// counts as present when the device node exists, at device index 0.
class CSerialCable : public CUsbCable
{
public:
    explicit CSerialCable(const QString &devicePath);
    // Releases the device if it is still open.
    ~CSerialCable() override;

    const QString &devicePath() const { return m_path; }

protected:
    CableStatus deviceOpen(int deviceIndex) override;
    CableStatus deviceClose() override;
    CableStatus deviceSetBaudRate(quint32 baudRate) override;
    CableStatus deviceSetDataCharacteristics(quint8 wordLength, quint8 stopBits, quint8 parity) override;
    CableStatus deviceSetFlowControl(quint16 flowControl, quint8 xon, quint8 xoff) override;
    CableStatus deviceSetTimeouts(quint32 readMs, quint32 writeMs) override;
    CableStatus devicePurge(quint32 mask) override;
    CableStatus deviceRead(quint8 *buffer, int count, int *transferred) override;
    CableStatus deviceWrite(const quint8 *buffer, int count, int *transferred) override;
    CableStatus deviceCount(int *count) override;
    CableStatus deviceDescription(int deviceIndex, char (&description)[kDescriptionSize]) override;

private:
    // Writes count bytes from source, or reads them into destination (the
    // other one null), until done or timeoutMs has passed.
    CableStatus transfer(const quint8 *source, quint8 *destination, int count, quint32 timeoutMs,
                         int *transferred);

    QString m_path;
    int m_fd = -1;
    quint32 m_readTimeoutMs = CableLine::kTimeoutMs;
    quint32 m_writeTimeoutMs = CableLine::kTimeoutMs;
};
