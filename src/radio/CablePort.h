#pragma once

#include "radio/UsbCable.h"

#include <QString>

#include <functional>

// Which device is the programming cable: "usb" (in any case, or nothing) is
// the FTDI cable found by its description; anything else is a serial device
// path.
namespace CablePort {

inline constexpr char kUsb[] = "usb";

// Opens the cable at port for the radio: up to three attempts, 500 ms and
// then 1000 ms apart, as a cable just plugged in or just released by another
// program may need.
CableOpening open(const QString &port);
// The attempts of open, for any way of opening.
CableOpening openWithRetries(const std::function<CableOpening()> &attempt);
// The programming cables attached at port.
int countCables(const QString &port);

// The named lock (CNamedLock) held around every operation on the cable at
// port: the cable mutex (CableSharing::kCableMutexName) for the cable of
// this run, which the cable scans of every running copy take too; for
// another cable one of its own, so cables work at the same time.
QString lockName(const QString &port);

// The port of this run: the one set by setForThisRun (the command line's
// --port), else the user's configuration value "CablePort".
QString current();
void setForThisRun(const QString &port);

} // namespace CablePort
