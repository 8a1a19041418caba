#pragma once

#include <QtGlobal>

// Line settings of a serial device through the kernel's termios2 interface,
// which takes any bit rate (the cable's 16406 baud is not a standard one).
// Kept apart from <termios.h>, whose definitions clash with the kernel's.
// Each call answers 0 or an errno value.
namespace SerialLine {
// Raw bytes: no line editing, echo, translation or signals; reads return
// what has arrived (the time-outs are the caller's).
int makeRaw(int fd);
int setSpeed(int fd, quint32 baudRate);
// wordLength 5-8; stopBits 0 = one, 2 = two; parity 0 none, 1 odd, 2 even,
// 3 mark, 4 space (the cable driver's numbering). EINVAL for other values.
int setFormat(int fd, quint8 wordLength, quint8 stopBits, quint8 parity);
// flowControl in the cable driver's numbering: 0 none, 0x100 RTS/CTS,
// 0x400 XON/XOFF with the given characters. EINVAL for other values.
int setFlowControl(int fd, quint16 flowControl, quint8 xon, quint8 xoff);
// Asks the driver to hand over received bytes at once. A USB serial bridge
// otherwise holds them up to its latency timer (16 ms by default), which
// would dominate a transfer of many short frames. Devices without the
// setting (a pseudo-terminal) answer an error that callers may ignore.
int requestLowLatency(int fd);
} // namespace SerialLine
