#include "CodePageText.h"

#include <cstring>

namespace codeplug {

namespace {
bool isTrimmedSpace(QChar c)
{
    switch (c.unicode()) {
    case ' ': case '\t': case '\n': case '\v': case '\f': case '\r':
        return true;
    default:
        return false;
    }
}
} // namespace

QByteArray toCodePage(QStringView text)
{
    return text.toLatin1();
}

void storeText(QStringView text, uint8_t *field, int width)
{
    std::memset(field, 0, width);
    const QByteArray bytes = toCodePage(text);
    std::memcpy(field, bytes.constData(), std::min<qsizetype>(bytes.size(), width));
}

QString fieldText(const uint8_t *field, int width)
{
    const auto *begin = reinterpret_cast<const char *>(field);
    const auto *end = static_cast<const char *>(std::memchr(begin, 0, width));
    return QString::fromLatin1(begin, end ? end - begin : width);
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
