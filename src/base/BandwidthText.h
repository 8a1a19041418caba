#pragma once

#include <QString>

// The channel bandwidths as the dealer reads them: kilohertz written with
// the language's decimal separator ("12,5" where the language writes a
// decimal comma). Profiles store the bandwidth as a number (0 for 12.5 kHz,
// 1 for 25 kHz), so only what is shown depends on the language.
namespace BandwidthText {

enum Bandwidth { Narrow = 0, Wide = 1 };

QString kilohertz(Bandwidth bandwidth, const QString &decimalSeparator);

} // namespace BandwidthText
