#include "CodeplugBits.h"

namespace codeplug {

namespace {
constexpr unsigned kLastButtonSlot = 15;

unsigned nibbleShift(unsigned n)
{
    return (n % 2) * 4;
}
} // namespace

uint8_t buttonSlot(const uint8_t (&table)[8], unsigned n)
{
    if (n > kLastButtonSlot)
        return 0;
    return (table[n / 2] >> nibbleShift(n)) & 0x0F;
}

void setButtonSlot(uint8_t (&table)[8], unsigned n, uint8_t code)
{
    if (n > kLastButtonSlot)
        return;
    const unsigned shift = nibbleShift(n);
    uint8_t &byte = table[n / 2];
    byte = static_cast<uint8_t>((byte & ~(0x0F << shift)) | ((code & 0x0F) << shift));
}

bool scanBit(const uint8_t (&bitmap)[3], unsigned k)
{
    if (k > kLastScanBit)
        return false;
    return (bitmap[k / 8] >> (k % 8)) & 1;
}

void setScanBit(uint8_t (&bitmap)[3], unsigned k, bool on)
{
    if (k > kLastScanBit)
        return;
    const uint8_t mask = static_cast<uint8_t>(1u << (k % 8));
    if (on)
        bitmap[k / 8] |= mask;
    else
        bitmap[k / 8] &= static_cast<uint8_t>(~mask);
}

} // namespace codeplug
