#include "TextNumbers.h"

#include <limits>

namespace codeplug {

namespace {

bool isCSpace(QChar c)
{
    switch (c.unicode()) {
    case ' ':
    case '\t':
    case '\n':
    case '\v':
    case '\f':
    case '\r':
        return true;
    default:
        return false;
    }
}

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'z')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'Z')
        return u - 'A' + 10;
    return 99;
}

// The magnitude and sign of text; overflowed is set when the magnitude
// exceeds limit (the magnitude is then limit + 1).
struct Magnitude {
    bool negative = false;
    bool overflowed = false;
    uint64_t value = 0;
};

Magnitude scan(QStringView text, int base, uint64_t limit)
{
    Magnitude m;
    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        m.negative = text[i] == u'-';
        ++i;
    }
    if (base == 16 && i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')
        && digitValue(text[i + 2]) < 16)
        i += 2;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i]);
        if (d >= base)
            break;
        if (m.overflowed)
            continue;
        if (m.value > (limit - d) / base) {
            m.overflowed = true;
            m.value = limit + 1;
        } else {
            m.value = m.value * base + d;
        }
    }
    return m;
}

} // namespace

uint32_t parseUnsigned(QStringView text, int base)
{
    const Magnitude m = scan(text, base, std::numeric_limits<uint32_t>::max());
    if (m.overflowed)
        return std::numeric_limits<uint32_t>::max();
    const auto value = static_cast<uint32_t>(m.value);
    return m.negative ? 0u - value : value;
}

template <typename Int> Int parseSignedAs(QStringView text)
{
    using Limits = std::numeric_limits<Int>;
    const uint64_t maxMagnitude = static_cast<uint64_t>(Limits::max()) + 1; // |min|
    const Magnitude m = scan(text, 10, maxMagnitude);
    if (m.negative)
        return m.overflowed ? Limits::min() : static_cast<Int>(0 - m.value);
    if (m.overflowed || m.value > static_cast<uint64_t>(Limits::max()))
        return Limits::max();
    return static_cast<Int>(m.value);
}

int32_t parseSigned(QStringView text)
{
    return parseSignedAs<int32_t>(text);
}

int64_t parseSigned64(QStringView text)
{
    return parseSignedAs<int64_t>(text);
}

} // namespace codeplug
