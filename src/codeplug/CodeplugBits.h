#pragma once

// The button table and the scan bitmap of the setting block. The same rules
// hold for the image (SettingBlock::buttons, ::scanBitmap) and for the radio's
// packed setting block, which keeps the bytes in the same order.

#include <cstdint>

namespace codeplug {

// Button slots the profile names.
inline constexpr unsigned kUpperRightButtonSlot = 5;
inline constexpr unsigned kSide1ButtonSlot = 6;
inline constexpr unsigned kLowerLeftButtonSlot = 8;
inline constexpr unsigned kLowerRightButtonSlot = 9;
inline constexpr unsigned kSide2ButtonSlot = 11;

// The function code of the scramble-selection button.
inline constexpr uint8_t kScrambleSelectFunction = 12;

// Highest channel record that has a scan bit.
inline constexpr unsigned kLastScanBit = 18;

// Slot n (0-15) is the low nibble of byte n/2 when n is even, the high nibble
// when n is odd. Reading a slot above 15 gives 0; writing one does nothing.
// Only the low four bits of code are stored.
uint8_t buttonSlot(const uint8_t (&table)[8], unsigned n);
void setButtonSlot(uint8_t (&table)[8], unsigned n, uint8_t code);

// Channel record k is bit k mod 8 (bit 0 least significant) of byte k/8.
// Reading a bit above 18 gives false; writing one does nothing.
bool scanBit(const uint8_t (&bitmap)[3], unsigned k);
void setScanBit(uint8_t (&bitmap)[3], unsigned k, bool on);

} // namespace codeplug
