#include "radio/SerialCable.h"

#include "radio/SerialLine.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

CableStatus statusOfErrno(int error)
{
    switch (error) {
    case 0:
        return CableError::Ok;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return CableError::DeviceNotFound;
    case EACCES:
    case EPERM:
    case EBUSY:
        return CableError::DeviceNotOpened;
    case EINVAL:
        return CableError::InvalidParameter;
    default:
        return CableError::IoError;
    }
}

bool isCharacterDevice(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode);
}

} // namespace

CSerialCable::CSerialCable(const QString &devicePath) : m_path(devicePath)
{
}

CSerialCable::~CSerialCable()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

CableStatus CSerialCable::deviceOpen(int deviceIndex)
{
    if (deviceIndex != 0)
        return CableError::DeviceNotFound;
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return statusOfErrno(errno);
    if (!::isatty(fd)) {
        ::close(fd);
        return CableError::DeviceNotOpened;
    }
    if (const int error = SerialLine::makeRaw(fd)) {
        ::close(fd);
        return statusOfErrno(error);
    }
    SerialLine::requestLowLatency(fd);  // best effort: a pty has no such setting
    ::tcflush(fd, TCIOFLUSH);
    m_fd = fd;
    return CableError::Ok;
}

CableStatus CSerialCable::deviceClose()
{
    if (m_fd < 0)
        return CableError::InvalidHandle;
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0 ? CableError::Ok : statusOfErrno(errno);
}

CableStatus CSerialCable::deviceSetBaudRate(quint32 baudRate)
{
    if (m_fd < 0)
        return CableError::InvalidHandle;
    return SerialLine::setSpeed(m_fd, baudRate) == 0 ? CableError::Ok : CableError::InvalidBaudRate;
}

CableStatus CSerialCable::deviceSetDataCharacteristics(quint8 wordLength, quint8 stopBits, quint8 parity)
{
    if (m_fd < 0)
        return CableError::InvalidHandle;
    return statusOfErrno(SerialLine::setFormat(m_fd, wordLength, stopBits, parity));
}

CableStatus CSerialCable::deviceSetFlowControl(quint16 flowControl, quint8 xon, quint8 xoff)
{
    if (m_fd < 0)
        return CableError::InvalidHandle;
    return statusOfErrno(SerialLine::setFlowControl(m_fd, flowControl, xon, xoff));
}

CableStatus CSerialCable::deviceSetTimeouts(quint32 readMs, quint32 writeMs)
{
    if (m_fd < 0)
        return CableError::InvalidHandle;
    m_readTimeoutMs = readMs;
    m_writeTimeoutMs = writeMs;
    return CableError::Ok;
}

CableStatus CSerialCable::devicePurge(quint32 mask)
{
    if (m_fd < 0)
        return CableError::InvalidHandle;
    const bool receive = mask & CableLine::kPurgeReceive;
    const bool transmit = mask & CableLine::kPurgeTransmit;
    if (!receive && !transmit)
        return CableError::Ok;
    const int queue = receive && transmit ? TCIOFLUSH : receive ? TCIFLUSH : TCOFLUSH;
    return ::tcflush(m_fd, queue) == 0 ? CableError::Ok : statusOfErrno(errno);
}

CableStatus CSerialCable::transfer(const quint8 *source, quint8 *destination, int count, quint32 timeoutMs,
                                   int *transferred)
{
    const bool write = source != nullptr;
    *transferred = 0;
    if (m_fd < 0)
        return CableError::InvalidHandle;
    QElapsedTimer clock;
    clock.start();
    while (*transferred < count) {
        const qint64 left = qint64(timeoutMs) - clock.elapsed();
        if (left <= 0)
            break;
        pollfd watch{m_fd, short(write ? POLLOUT : POLLIN), 0};
        const int ready = ::poll(&watch, 1, int(left));
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return statusOfErrno(errno);
        }
        if (ready == 0)
            break;
        if (watch.revents & (POLLERR | POLLNVAL))
            return CableError::IoError;
        const size_t wanted = size_t(count - *transferred);
        const ssize_t moved = write ? ::write(m_fd, source + *transferred, wanted)
                                    : ::read(m_fd, destination + *transferred, wanted);
        if (moved < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return statusOfErrno(errno);
        }
        if (moved == 0 && (watch.revents & POLLHUP))
            return CableError::IoError;  // the device went away
        *transferred += int(moved);
    }
    return CableError::Ok;
}

CableStatus CSerialCable::deviceRead(quint8 *buffer, int count, int *transferred)
{
    return transfer(nullptr, buffer, count, m_readTimeoutMs, transferred);
}

CableStatus CSerialCable::deviceWrite(const quint8 *buffer, int count, int *transferred)
{
    return transfer(buffer, nullptr, count, m_writeTimeoutMs, transferred);
}

CableStatus CSerialCable::deviceCount(int *count)
{
    *count = isCharacterDevice(m_path) ? 1 : 0;
    return CableError::Ok;
}

CableStatus CSerialCable::deviceDescription(int deviceIndex, char (&description)[kDescriptionSize])
{
    if (deviceIndex != 0)
        return CableError::DeviceNotFound;
    // The user named this device as the cable.
    std::strncpy(description, "KVX Series CPS Cable", kDescriptionSize - 1);
    return CableError::Ok;
}
