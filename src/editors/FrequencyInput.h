#pragma once

#include <QString>

#include <optional>

// The frequency field of the RF frequency table: megahertz with at most
// four digits before the decimal separator and six after it, up to
// 4294.967295 MHz (the largest frequency a table entry holds in Hz).
namespace FrequencyInput {

// What a change of the field leaves in it. Characters that are neither
// digits nor the first separator are dropped; a text that is then too long
// or too large is refused, and the field keeps its previous text.
struct Filtered {
    QString text;
    bool refused = false;
};
Filtered Filter(const QString &typed, const QString &previous, QChar separator);

// The field's text in Hz; nothing for a text without a digit.
std::optional<quint32> ToHz(const QString &text, QChar separator);

} // namespace FrequencyInput
