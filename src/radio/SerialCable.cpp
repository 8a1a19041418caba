#include "radio/SerialCable.h"

#include "radio/SerialLine.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
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
    case EBUSY: // another opener set the terminal exclusive
    case EWOULDBLOCK: // another opener holds the lock
        return CableError::DeviceBusy;
    case EACCES:
    case EPERM:
        return CableError::DeviceNotOpened;
    case EINVAL:
        return CableError::InvalidParameter;
    default:
        return CableError::IoError;
    }
}

// At the cable's speed a reply comes a byte at a time; waking for every
// byte costs more than the reply (and, with several cables, shares the
// processor between them). The rest of a read is awaited for about the
// time it takes on the line, a few bytes at most, before looking again.
void awaitBytes(int bytes)
{
    constexpr int kMostBytes = 64;
    constexpr auto kByteTime = std::chrono::microseconds(10 * 1000000 / CableLine::kBaudRate);
    std::this_thread::sleep_for(std::min(bytes, kMostBytes) * kByteTime);
}

} // namespace

CableOpening CSerialCable::open(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return { nullptr, statusOfErrno(errno) };
    std::unique_ptr<CSerialCable> cable(new CSerialCable(fd));
    if (!::isatty(fd))
        return { nullptr, CableError::DeviceNotOpened };
    // The lock is the device's own, so it holds whatever environment or
    // lock folder the other program has; a plain open is kept out as well.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return { nullptr, statusOfErrno(errno) };
    if (::ioctl(fd, TIOCEXCL) != 0)
        return { nullptr, statusOfErrno(errno) };
    cable->m_exclusive = true;
    if (const int error = SerialLine::makeRaw(fd))
        return { nullptr, statusOfErrno(error) };
    if (SerialLine::setSpeed(fd, CableLine::kBaudRate) != 0)
        return { nullptr, CableError::InvalidBaudRate };
    if (const int error
        = SerialLine::setFormat(fd, CableLine::kWordLength, CableLine::kOneStopBit, CableLine::kNoParity))
        return { nullptr, statusOfErrno(error) };
    if (const int error = SerialLine::setFlowControl(fd, CableLine::kNoFlowControl, 0, 0))
        return { nullptr, statusOfErrno(error) };
    SerialLine::requestLowLatency(fd); // best effort: a pty has no such setting
    ::tcflush(fd, TCIOFLUSH);
    return { std::move(cable), CableError::Ok };
}

int CSerialCable::countCables(const QString &path)
{
    struct stat info { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode) ? 1 : 0;
}

CSerialCable::~CSerialCable()
{
    // The exclusive mode belongs to the terminal, not to this descriptor: a
    // terminal another process keeps open (the emulator's) would otherwise
    // stay closed to everyone.
    if (m_exclusive)
        ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd); // also drops the lock
}

CableStatus CSerialCable::devicePurge(quint32 mask)
{
    const bool receive = mask & CableLine::kPurgeReceive;
    const bool transmit = mask & CableLine::kPurgeTransmit;
    if (!receive && !transmit)
        return CableError::Ok;
    const int queue = receive && transmit ? TCIOFLUSH : receive ? TCIFLUSH : TCOFLUSH;
    return ::tcflush(m_fd, queue) == 0 ? CableError::Ok : statusOfErrno(errno);
}

CableStatus CSerialCable::transfer(const quint8 *source, quint8 *destination, int count, int *transferred)
{
    const bool write = source != nullptr;
    *transferred = 0;
    QElapsedTimer clock;
    clock.start();
    while (*transferred < count) {
        const qint64 left = qint64(CableLine::kTimeoutMs) - clock.elapsed();
        if (left <= 0)
            break;
        pollfd watch { m_fd, short(write ? POLLOUT : POLLIN), 0 };
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
            return CableError::IoError; // the device went away
        *transferred += int(moved);
        if (!write && *transferred < count)
            awaitBytes(count - *transferred);
    }
    return CableError::Ok;
}

CableStatus CSerialCable::deviceRead(quint8 *buffer, int count, int *transferred)
{
    return transfer(nullptr, buffer, count, transferred);
}

CableStatus CSerialCable::deviceWrite(const quint8 *buffer, int count, int *transferred)
{
    return transfer(buffer, nullptr, count, transferred);
}
