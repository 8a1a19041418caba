#include "radio/CablePort.h"

#include "radio/FtdiCable.h"
#include "radio/SerialCable.h"
#include "base/ConfigStore.h"

#include <QMutex>

namespace {

QMutex portMutex;
QString portOfThisRun;

} // namespace

namespace CablePort {

std::unique_ptr<CUsbCable> create(const QString &port)
{
    const QString trimmed = port.trimmed();
    if (trimmed.isEmpty() || trimmed.compare(QLatin1String(kUsb), Qt::CaseInsensitive) == 0)
        return std::make_unique<CFtdiCable>();
    return std::make_unique<CSerialCable>(trimmed);
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
