#include "radio/SerialLine.h"

#include <asm/termbits.h>
#include <linux/serial.h>
#include <sys/ioctl.h>

#include <cerrno>

namespace {

// Reads the line settings, lets change adjust them and writes them back.
template <typename Change> int updateLine(int fd, Change change)
{
    struct termios2 line { };
    if (ioctl(fd, TCGETS2, &line) != 0)
        return errno;
    if (!change(line))
        return EINVAL;
    if (ioctl(fd, TCSETS2, &line) != 0)
        return errno;
    return 0;
}

} // namespace

namespace SerialLine {

int makeRaw(int fd)
{
    return updateLine(fd, [](struct termios2 &line) {
        line.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY);
        line.c_oflag &= ~OPOST;
        line.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
        line.c_cflag |= CREAD | CLOCAL;
        line.c_cc[VMIN] = 0;
        line.c_cc[VTIME] = 0;
        return true;
    });
}

int setSpeed(int fd, quint32 baudRate)
{
    if (baudRate == 0)
        return EINVAL;
    return updateLine(fd, [baudRate](struct termios2 &line) {
        line.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
        line.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
        line.c_ispeed = baudRate;
        line.c_ospeed = baudRate;
        return true;
    });
}

int setFormat(int fd, quint8 wordLength, quint8 stopBits, quint8 parity)
{
    return updateLine(fd, [=](struct termios2 &line) {
        tcflag_t size;
        switch (wordLength) {
        case 5:
            size = CS5;
            break;
        case 6:
            size = CS6;
            break;
        case 7:
            size = CS7;
            break;
        case 8:
            size = CS8;
            break;
        default:
            return false;
        }
        tcflag_t parityBits;
        switch (parity) {
        case 0:
            parityBits = 0;
            break;
        case 1:
            parityBits = PARENB | PARODD;
            break;
        case 2:
            parityBits = PARENB;
            break;
        case 3:
            parityBits = PARENB | PARODD | CMSPAR;
            break;
        case 4:
            parityBits = PARENB | CMSPAR;
            break;
        default:
            return false;
        }
        if (stopBits != 0 && stopBits != 2)
            return false;
        line.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CMSPAR);
        line.c_cflag |= size | parityBits | (stopBits == 2 ? CSTOPB : 0);
        return true;
    });
}

int setFlowControl(int fd, quint16 flowControl, quint8 xon, quint8 xoff)
{
    return updateLine(fd, [=](struct termios2 &line) {
        line.c_cflag &= ~CRTSCTS;
        line.c_iflag &= ~(IXON | IXOFF);
        switch (flowControl) {
        case 0x000:
            return true;
        case 0x100:
            line.c_cflag |= CRTSCTS;
            return true;
        case 0x400:
            line.c_iflag |= IXON | IXOFF;
            line.c_cc[VSTART] = xon;
            line.c_cc[VSTOP] = xoff;
            return true;
        default:
            return false;
        }
    });
}

int requestLowLatency(int fd)
{
    serial_struct serial {};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return errno;
    serial.flags |= ASYNC_LOW_LATENCY;
    return ioctl(fd, TIOCSSERIAL, &serial) == 0 ? 0 : errno;
}

} // namespace SerialLine
