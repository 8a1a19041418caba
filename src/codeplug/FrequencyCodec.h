#pragma once

// The synthesiser encoding of a frequency record. The radio's synthesiser
// runs from a 16.8 MHz reference divided by R + 1 (R is always 7 here, a
// 2.1 MHz step); a frequency is the integer part N and the fractional part F
// with f = (2 100 000 * N + 2F) / 2, and a record stores N relative to the
// image's synth_base_int_part.

#include "VirtualCP.h"

#include <cstdint>

namespace codeplug {

inline constexpr uint8_t kReferenceDividerCode = 7;
inline constexpr uint8_t kSynthesiserModeCode = 4;

// Writes R (7), N - base (low 8 bits), the mode code (4) and F into record;
// the power, compander and bandwidth fields are left as they are. The steps
// are carried out in double precision exactly as the radio's own software
// does, so the record matches what the radio expects for every frequency.
void encodeFrequency(uint32_t frequencyHz, uint32_t base, FrequencyRecord &record);

// The frequency in Hz of record with the image's base, in unsigned 32-bit
// arithmetic (wrapping like the radio's own software on absurd values).
uint32_t decodeFrequency(const FrequencyRecord &record, uint32_t base);

} // namespace codeplug
