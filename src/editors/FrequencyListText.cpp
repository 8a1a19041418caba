#include "FrequencyListText.h"

#include <QCoreApplication>

QString FrequencyListText(int tableIndex, const QString &megahertz, bool twoWatt)
{
    const QString text = QStringLiteral("%1 - %2").arg(tableIndex + 1).arg(megahertz);
    return twoWatt
        ? text + QStringLiteral(" (%1)").arg(QCoreApplication::translate("CChannelView", "2W limit"))
        : text;
}
