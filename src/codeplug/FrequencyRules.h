#pragma once

// The frequency lists of the model rules and the two operations that apply
// them to a profile text: the MURS check run before a profile is accepted,
// and the two-watt adjustment made before a power-class-4 radio is written.

#include <QString>

#include <cstdint>
#include <span>

namespace FrequencyRules {

// MURS frequencies, which no profile may contain: 151 820 000, 151 880 000,
// 151 940 000, 154 570 000 and 154 600 000 Hz. Only exact values match.
bool IsMURSFrequency(int64_t hz);

// Frequencies on which a four-watt radio may transmit with at most 2 W:
// 462 762 500 - 462 912 500 and 467 762 500 - 467 912 500 in 25 kHz steps,
// and 467 850 000 - 467 925 000 in 25 kHz steps. Only exact values match.
bool IsTwoWattFrequency(int64_t hz);
// The two-watt list itself, in ascending order.
std::span<const int64_t> TwoWattFrequencies();

// 1 when no frequency element of the profile text has a MURS freq (read as
// a signed decimal), 0 when one has or when the text does not load.
// Raises CVelaCPSException (operation "CheckMURFreq") for a failure of the
// XML layer.
int CheckMURFreq(const QString &profileText);

// For every frequency element whose freq is a two-watt frequency and whose
// power_level is not 0: sets power_level to 0 and, on the channels that use
// it, talkaround_power to 0 where it is their receive frequency and
// repeater_power to 0 where it is their transmit frequency. The first such
// frequency shows kTwoWattNotice once. The text is then replaced by the
// adjusted document's XML. A text that does not load is left as it is (its
// reader reports it). Raises CVelaCPSException (operation
// "CDataAdaptor::EditFrequencyFor2w") for a failure of the XML layer.
void EditFrequencyFor2w(QString &profileText);

extern const char *const kTwoWattNotice;

} // namespace FrequencyRules
