#include "PtyPort.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Ten bits a byte (start, eight data, stop) at 16406 baud.
constexpr long kByteTimeNs = 10L * 1000000000L / 16406L;

void advance(timespec &time, long nanoseconds)
{
    time.tv_nsec += nanoseconds;
    while (time.tv_nsec >= 1000000000L) {
        time.tv_nsec -= 1000000000L;
        ++time.tv_sec;
    }
}

} // namespace

PtyPort::~PtyPort()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PtyPort::open(QString &error)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = QStringLiteral("cannot create a pseudo-terminal: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const char *name = ::ptsname(m_master);
    if (!name) {
        error = QStringLiteral("cannot name the pseudo-terminal");
        return false;
    }
    m_path = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios line {};
    if (m_slave < 0 || ::tcgetattr(m_slave, &line) != 0) {
        error
            = QStringLiteral("cannot open %1: %2").arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    ::cfmakeraw(&line);
    ::tcsetattr(m_slave, TCSANOW, &line);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    return true;
}

QByteArray PtyPort::read(int timeoutMs)
{
    pollfd watch { m_master, POLLIN, 0 };
    if (::poll(&watch, 1, timeoutMs) <= 0 || !(watch.revents & POLLIN))
        return {};
    char buffer[512];
    const ssize_t got = ::read(m_master, buffer, sizeof buffer);
    return got > 0 ? QByteArray(buffer, int(got)) : QByteArray();
}

bool PtyPort::write(const QByteArray &bytes, bool paced)
{
    timespec next {};
    ::clock_gettime(CLOCK_MONOTONIC, &next);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qsizetype chunk = paced ? 1 : bytes.size() - done;
        const ssize_t moved = ::write(m_master, bytes.constData() + done, size_t(chunk));
        if (moved < 0) {
            if (errno != EAGAIN && errno != EINTR)
                return false;
            pollfd watch { m_master, POLLOUT, 0 };
            ::poll(&watch, 1, 100);
            continue;
        }
        done += moved;
        if (paced) {
            advance(next, kByteTimeNs);
            ::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        }
    }
    return true;
}

void PtyPort::releaseAbandonedTerminal()
{
    int exclusive = 0;
    if (::ioctl(m_slave, TIOCGEXCL, &exclusive) != 0 || !exclusive)
        return;
    if (::flock(m_slave, LOCK_EX | LOCK_NB) != 0)
        return; // a link has the terminal
    ::ioctl(m_slave, TIOCNXCL);
    ::flock(m_slave, LOCK_UN);
}
