#include "CableChoices.h"

#include "radio/CablePort.h"
#include "radio/FtdiCable.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const char *const kSerialDevicePatterns[] = { "ttyUSB*", "ttyACM*" };

bool listed(const QList<CableChoice> &cables, const QString &port)
{
    for (const CableChoice &cable : cables) {
        if (cable.port == port)
            return true;
    }
    return false;
}

} // namespace

QList<CableChoice> KnownCables(const QString &runPort, const QString &runName)
{
    QList<CableChoice> cables;
    if (CFtdiCable::countCables() > 0)
        cables << CableChoice { QString::fromLatin1(CablePort::kUsb),
            QCoreApplication::translate("CableChoices", "USB programming cable") };
    const QDir devices(QStringLiteral("/dev"));
    QStringList patterns;
    for (const char *pattern : kSerialDevicePatterns)
        patterns << QString::fromLatin1(pattern);
    for (const QString &name : devices.entryList(patterns, QDir::System, QDir::Name))
        cables << CableChoice { devices.filePath(name), devices.filePath(name) };
    const QString port = runPort.trimmed();
    const bool usb = port.isEmpty() || port.compare(QLatin1String(CablePort::kUsb), Qt::CaseInsensitive) == 0;
    if (!usb && !listed(cables, port))
        cables << CableChoice { port,
            runName.isEmpty() ? port
                              : QCoreApplication::translate("CableChoices", "%1 (%2)").arg(runName, port) };
    return cables;
}
