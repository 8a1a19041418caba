#pragma once

#include "radio/UsbCable.h"

struct ftdi_context;

// The programming cable on the USB bus, driven through libftdi. Devices are
// the attached FTDI bridges (vendor 0x0403) in bus order; the cable is the
// one whose product description names it (CUsbCable::ScanCables).
class CFtdiCable : public CUsbCable
{
public:
    CFtdiCable();
    // Releases the device if it is still open, so a dropped connection never
    // keeps the cable from the next one.
    ~CFtdiCable() override;

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
    ftdi_context *m_ftdi = nullptr;  // null when libusb could not start
    bool m_deviceOpen = false;
    quint32 m_readTimeoutMs = CableLine::kTimeoutMs;
};
