#pragma once

#include "radio/UsbCable.h"

#include <QByteArray>
#include <QList>

struct ftdi_context;

// The programming cable on the USB bus, driven through libftdi. Devices are
// the attached FTDI bridges (vendor 0x0403) in bus order; the cable is one
// whose product description names it.
class CFtdiCable : public CUsbCable {
public:
    // Opens the first attached cable and sets the line. Claiming its USB
    // interface is exclusive, so a cable another program has answers
    // DeviceBusy; no cable attached answers DeviceNotFound.
    static CableOpening open();
    // The attached cables (0 when the bus cannot be listed).
    static int countCables();

    // Whether a device description names the programming cable: exactly
    // "KVX Series CPS Cable" or "LX CPS Cable", nothing more.
    static bool isCableDescription(const QByteArray &description);
    // The positions of the cables among descriptions (a device whose
    // description could not be read has an empty one).
    static QList<int> cableIndexes(const QList<QByteArray> &descriptions);

    // Releases the device, so a dropped connection never keeps the cable
    // from the next one.
    ~CFtdiCable() override;

protected:
    CableStatus devicePurge(quint32 mask) override;
    CableStatus deviceRead(quint8 *buffer, int count, int *transferred) override;
    CableStatus deviceWrite(const quint8 *buffer, int count, int *transferred) override;

private:
    explicit CFtdiCable(ftdi_context *ftdi)
        : m_ftdi(ftdi)
    {
    }

    ftdi_context *m_ftdi;
    bool m_deviceOpen = false;
};
