#pragma once

// Characters between the profile text (Unicode) and the image's byte fields.
//
// The image holds text in the "system code page" of the platform the profiles
// were first written on: Windows-1252, fixed here on every host so that an
// image means the same on every machine. Bytes 0x80-0x9F are characters such
// as the euro sign and curly quotes. The five bytes 1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the C1 control of the same value and
// are stored back as that byte, so every byte a radio holds survives a round
// trip through the profile text. A character 1252 cannot hold (including the
// other C1 controls and anything beyond the BMP) is stored as one "?".

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
