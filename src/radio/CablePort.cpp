#include "radio/CablePort.h"

#include "base/ConfigStore.h"
#include "radio/FtdiCable.h"
#include "radio/NamedLock.h"
#include "radio/SerialCable.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QMutex>

#include <chrono>
#include <thread>

namespace {

QMutex portMutex;
QString portOfThisRun;

// Waits before the second and third attempt to open the cable.
constexpr std::chrono::milliseconds kOpenRetryDelays[]
    = { std::chrono::milliseconds(500), std::chrono::milliseconds(1000) };

bool isUsb(const QString &port)
{
    return port.isEmpty() || port.compare(QLatin1String(CablePort::kUsb), Qt::CaseInsensitive) == 0;
}

} // namespace

namespace CablePort {

CableOpening openWithRetries(const std::function<CableOpening()> &attempt)
{
    CableOpening opening = attempt();
    for (const auto delay : kOpenRetryDelays) {
        if (opening.cable)
            break;
        std::this_thread::sleep_for(delay);
        opening = attempt();
    }
    return opening;
}

CableOpening open(const QString &port)
{
    const QString trimmed = port.trimmed();
    return openWithRetries(
        [&trimmed] { return isUsb(trimmed) ? CFtdiCable::open() : CSerialCable::open(trimmed); });
}

QString lockName(const QString &port)
{
    const auto canonical = [](const QString &path) {
        const QString trimmed = path.trimmed();
        if (isUsb(trimmed))
            return QString::fromLatin1(kUsb);
        const QString resolved = QFileInfo(trimmed).canonicalFilePath();
        return resolved.isEmpty() ? trimmed : resolved;
    };
    const QString cable = canonical(port);
    if (cable == canonical(current()))
        return QString::fromLatin1(CableSharing::kCableMutexName);
    const QByteArray digest = QCryptographicHash::hash(cable.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("VelaCPSCable-") + QString::fromLatin1(digest.left(16));
}

int countCables(const QString &port)
{
    const QString trimmed = port.trimmed();
    return isUsb(trimmed) ? CFtdiCable::countCables() : CSerialCable::countCables(trimmed);
}

QString current()
{
    {
        QMutexLocker lock(&portMutex);
        if (!portOfThisRun.isEmpty())
            return portOfThisRun;
    }
    return CConfigStore::cablePort();
}

void setForThisRun(const QString &port)
{
    QMutexLocker lock(&portMutex);
    portOfThisRun = port.trimmed();
}

} // namespace CablePort
