#include "BandwidthText.h"

namespace BandwidthText {

QString kilohertz(Bandwidth bandwidth, const QString &decimalSeparator)
{
    return bandwidth == Wide ? QStringLiteral("25")
                             : QStringLiteral("12") + decimalSeparator + QLatin1Char('5');
}

} // namespace BandwidthText
