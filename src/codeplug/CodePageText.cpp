#include "CodePageText.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace codeplug {

namespace {

constexpr uint8_t kFirstTableByte = 0x80;
constexpr char16_t kLastAsciiOrLatin1 = 0xFF;
constexpr char kUnmappable = '?';

// Characters of bytes 0x80-0x9F. Every other byte is the character of the
// same value. The undefined bytes keep their C1 control.
constexpr char16_t kTableCharacters[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 // 0x98
};
constexpr qsizetype kTableSize = std::size(kTableCharacters);

bool inTableRange(char16_t c)
{
    return c >= kFirstTableByte && c < kFirstTableByte + kTableSize;
}

char byteOf(char16_t c)
{
    if (c <= kLastAsciiOrLatin1 && !inTableRange(c))
        return static_cast<char>(c);
    const auto *found = std::find(std::begin(kTableCharacters), std::end(kTableCharacters), c);
    if (found == std::end(kTableCharacters))
        return kUnmappable;
    return static_cast<char>(kFirstTableByte + (found - std::begin(kTableCharacters)));
}

char16_t characterOf(uint8_t byte)
{
    return inTableRange(byte) ? kTableCharacters[byte - kFirstTableByte] : char16_t(byte);
}

QString fromCodePage(const uint8_t *bytes, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    std::transform(bytes, bytes + size, text.begin(), characterOf);
    return text;
}

bool isTrimmedSpace(QChar c)
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
} // namespace

QByteArray toCodePage(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A surrogate pair is one character 1252 cannot hold: one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(c.isSurrogate() ? kUnmappable : byteOf(c.unicode()));
    }
    return bytes;
}

void storeText(QStringView text, uint8_t *field, int width)
{
    std::memset(field, 0, width);
    const QByteArray bytes = toCodePage(text);
    std::memcpy(field, bytes.constData(), std::min<qsizetype>(bytes.size(), width));
}

QString fieldText(const uint8_t *field, int width)
{
    const auto *end = static_cast<const uint8_t *>(std::memchr(field, 0, width));
    return fromCodePage(field, end ? end - field : width);
}

QString profileTextValue(const uint8_t *field, int width)
{
    const QString text = fieldText(field, width);
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isTrimmedSpace(text[first]))
        ++first;
    while (last > first && isTrimmedSpace(text[last - 1]))
        --last;
    return escapeAttributeValue(text.mid(first, last - first));
}

QString escapeAttributeValue(QString text)
{
    text.replace(u'&', QStringLiteral("&amp;"));
    text.replace(u'<', QStringLiteral("&lt;"));
    text.replace(u'>', QStringLiteral("&gt;"));
    text.replace(u'"', QStringLiteral("&quot;"));
    return text;
}

} // namespace codeplug
