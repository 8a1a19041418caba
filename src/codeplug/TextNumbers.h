#pragma once

// Number conversions of attribute texts with the C library's rules on a
// 32-bit long, which the profile format was defined with: leading white space
// and a sign are accepted, conversion stops at the first character that is
// not a digit, a text without digits gives 0, and an out-of-range value
// saturates. The profile never depends on the host's long being wider.

#include <QStringView>

#include <cstdint>

namespace codeplug {

// strtoul: base 10 or 16 (16 accepts a "0x" prefix). A negative text wraps
// ("-1" gives 4294967295); overflow gives 4294967295.
uint32_t parseUnsigned(QStringView text, int base = 10);

// strtol, base 10: overflow gives INT32_MAX or INT32_MIN.
int32_t parseSigned(QStringView text);

// _strtoi64, base 10: overflow gives INT64_MAX or INT64_MIN.
int64_t parseSigned64(QStringView text);

} // namespace codeplug
