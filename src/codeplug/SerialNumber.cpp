#include "SerialNumber.h"

namespace codeplug {

namespace {
bool isDigit(uint8_t c)
{
    return c >= '0' && c <= '9';
}
bool isUpper(uint8_t c)
{
    return c >= 'A' && c <= 'Z';
}
// O and I are never used where they could be taken for 0 and 1.
bool isUnambiguousUpper(uint8_t c)
{
    return isUpper(c) && c != 'O' && c != 'I';
}
} // namespace

bool isValidSerialNumber(const uint8_t (&s)[kSerialLength])
{
    return isDigit(s[0]) && isDigit(s[1]) && isDigit(s[2]) && isUpper(s[3]) && s[3] != 'O'
        && isUnambiguousUpper(s[4]) && isUnambiguousUpper(s[5]) && (isDigit(s[6]) || isUpper(s[6]))
        && (isDigit(s[7]) || isUnambiguousUpper(s[7])) && (isDigit(s[8]) || isUnambiguousUpper(s[8]))
        && (isDigit(s[9]) || isUnambiguousUpper(s[9]));
}

} // namespace codeplug
