#include "FrequencyCodec.h"

#include <cmath>

namespace codeplug {

namespace {
constexpr uint32_t kReferenceHz = 16'800'000;
constexpr double kIntegerStepHz = 1'050'000.0;
// The double nearest to 1 / 1 050 000: N is computed by multiplying with it,
// not by dividing, so that rounding matches the radio's software.
constexpr double kInverseStep = 1.0 / kIntegerStepHz;
} // namespace

void encodeFrequency(uint32_t frequencyHz, uint32_t base, FrequencyRecord &record)
{
    const double f = frequencyHz;
    const double product = f * kInverseStep; // rounded to double before truncation
    const uint32_t n = static_cast<uint32_t>(std::trunc(product));
    // Twice the remainder in whole Hz, then halved as an unsigned value.
    const double doubledRemainder = 2.0 * f - static_cast<double>(n) * (2.0 * kIntegerStepHz);
    const uint32_t fraction = static_cast<uint32_t>(static_cast<int64_t>(std::trunc(doubledRemainder))) >> 1;

    record.referenceDivider = kReferenceDividerCode;
    record.intPartOffset = static_cast<uint8_t>(n - base);
    record.synthMode = kSynthesiserModeCode;
    record.fracHigh = fraction >> 16;
    record.fracLow = fraction & 0xFFFF;
}

uint32_t decodeFrequency(const FrequencyRecord &record, uint32_t base)
{
    const uint32_t step = kReferenceHz / (record.referenceDivider + 1u);
    const uint32_t n = record.intPartOffset + base;
    const uint32_t fraction = (record.fracHigh << 16) | record.fracLow;
    return (step * n + 2u * fraction) >> 1;
}

} // namespace codeplug
