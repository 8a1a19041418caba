#pragma once

#include <QList>
#include <QString>

// A cable a batch of radios may be programmed through: its port (as
// CablePort names it) and what the dialog calls it.
struct CableChoice {
    QString port;
    QString label;
};

// The cables this program knows of: the programming cable on the USB bus
// when one is attached, the serial devices of USB-serial bridges, and the
// cable of this run (runPort, called runName) when it is a device of its
// own, such as the emulator's terminal.
QList<CableChoice> KnownCables(const QString &runPort, const QString &runName);
