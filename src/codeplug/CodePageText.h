#pragma once

// Characters between the profile text (Unicode) and the image's byte fields.
//
// The image holds text in the "system code page" of the radio software. This
// program fixes it to Latin-1 (ISO 8859-1) on every host, so an image means
// the same on every machine: bytes 0x00-0xFF map to U+0000-U+00FF and a
// character beyond Latin-1 becomes "?" when stored.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>

namespace codeplug {

// text in the system code page, one byte per character.
QByteArray toCodePage(QStringView text);

// Clears width bytes at field, then stores at most width bytes of text.
void storeText(QStringView text, uint8_t *field, int width);

// The characters of a fixed-width field up to its first zero byte.
QString fieldText(const uint8_t *field, int width);

// A fixed-width text field as a profile attribute value: fieldText, trimmed
// of white space (space, tab, line feed, vertical tab, form feed, carriage
// return) at both ends, and escaped for a double-quoted attribute.
QString profileTextValue(const uint8_t *field, int width);

// "&" to "&amp;", "<" to "&lt;", ">" to "&gt;", the double quote to "&quot;",
// in that order.
QString escapeAttributeValue(QString text);

} // namespace codeplug
