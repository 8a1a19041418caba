#include "AppIdentity.h"

#include <QCoreApplication>

namespace AppIdentity {

QString applicationName()
{
    return QStringLiteral("KVX Series Distributor CPS");
}

QString profileFileFilter()
{
    const QString pattern = QStringLiteral("*.") + QLatin1String(kProfileExtension);
    return QStringLiteral("%1 %2 (%3);;%4 (*.*)")
        .arg(applicationName(), QCoreApplication::translate("AppIdentity", "Files"), pattern,
            QCoreApplication::translate("AppIdentity", "All Files"));
}

QString newDocumentBaseName()
{
    return QCoreApplication::translate("AppIdentity", "Profile");
}

} // namespace AppIdentity
