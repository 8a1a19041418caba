#pragma once

#include "radio/UsbCable.h"

#include <QString>

#include <memory>

// Which device is the programming cable: "usb" (in any case) is the FTDI
// cable found by its description; anything else is a serial device path.
namespace CablePort {

inline constexpr char kUsb[] = "usb";

// A fresh, closed connection to port.
std::unique_ptr<CUsbCable> create(const QString &port);

// The port of this run: the one set by setForThisRun (the command line's
// --port), else the user's configuration value "CablePort".
QString current();
void setForThisRun(const QString &port);

// A fresh connection to the current port.
inline std::unique_ptr<CUsbCable> createCurrent()
{
    return create(current());
}

} // namespace CablePort
