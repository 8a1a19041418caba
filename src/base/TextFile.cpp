#include "TextFile.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

constexpr char16_t kScrambleKey = 0xA6;
constexpr int kUtf16ChunkBytes = 2046;
constexpr int kEightBitChunkBytes = 1023;

char16_t scrambleUnit(char16_t unit)
{
    return unit == kScrambleKey ? unit : char16_t(unit ^ kScrambleKey);
}

// Plain texts start with one of these, compared without regard to case.
bool startsPlain(const QString &firstChunk)
{
    static const char *const kPlainStarts[]
        = { "Option Explicit", "<?xml", "\"use strict\"", "'use strict'" };
    for (const char *start : kPlainStarts) {
        if (firstChunk.startsWith(QLatin1String(start), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString decodeUtf16(const QByteArray &body)
{
    // Chunks are decided plain or scrambled by the first one; each chunk's
    // text ends at its first zero unit.
    auto unitsOf = [&](qsizetype offset, qsizetype length) {
        QString chunk(length / 2, Qt::Uninitialized);
        const auto *bytes = reinterpret_cast<const unsigned char *>(body.constData() + offset);
        for (qsizetype i = 0; i < chunk.size(); ++i)
            chunk[i] = QChar(char16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
        return chunk;
    };
    bool scrambled = false;
    QString text;
    for (qsizetype offset = 0; offset < body.size(); offset += kUtf16ChunkBytes) {
        QString chunk = unitsOf(offset, qMin<qsizetype>(kUtf16ChunkBytes, body.size() - offset));
        if (offset == 0)
            scrambled = !startsPlain(chunk);
        if (scrambled)
            chunk = ScrambleText(chunk);
        const qsizetype zero = chunk.indexOf(QChar(0));
        text += zero < 0 ? chunk : chunk.left(zero);
    }
    return text;
}

QString decodeEightBit(const QByteArray &bytes)
{
    // The system code page of a Linux desktop is UTF-8; one decoder carries a
    // character split across two chunks.
    QStringDecoder decoder(QStringDecoder::Utf8);
    bool scrambled = false;
    QString text;
    for (qsizetype offset = 0; offset < bytes.size(); offset += kEightBitChunkBytes) {
        QByteArray chunk = bytes.mid(offset, kEightBitChunkBytes);
        if (offset == 0)
            scrambled = !startsPlain(QString::fromLatin1(chunk));
        if (scrambled) {
            for (char &c : chunk)
                c = char(c ^ char(kScrambleKey));
        }
        text += decoder.decode(chunk);
    }
    text += decoder.decode(QByteArray());
    return text;
}

} // namespace

QString ScrambleText(const QString &text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = QChar(scrambleUnit(text[i].unicode()));
    return out;
}

bool DecodeTextFile(const QByteArray &bytes, QString &text)
{
    if (bytes.size() >= 2 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE) {
        const QByteArray body = bytes.mid(2);
        if (body.size() % 2 != 0)
            return false;
        text = decodeUtf16(body);
        return true;
    }
    text = decodeEightBit(bytes);
    return true;
}

bool ReadTextFile(const QString &path, QString &text, QString *errorText)
{
    QByteArray bytes;
    if (!ReadRegularFile(path, kMaxTextFileBytes, bytes, errorText))
        return false;
    if (DecodeTextFile(bytes, text))
        return true;
    if (errorText)
        *errorText
            = QCoreApplication::translate("SafeFile", "Damaged: UTF-16 text of an odd number of bytes");
    return false;
}

QByteArray EncodeProfileFile(const QString &text)
{
    const QString scrambled = ScrambleText(text);
    QByteArray bytes;
    bytes.reserve(2 + 2 * scrambled.size());
    bytes.append(char(0xFF)).append(char(0xFE));
    for (QChar c : scrambled) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

bool WriteTextFile(const QString &path, const QByteArray &bytes, QString *errorText)
{
    if (bytes.size() <= kMaxTextFileBytes)
        return WriteFileSafely(path, bytes, errorText);
    if (errorText)
        *errorText = QStringLiteral("Too large: %1 bytes, where at most %2 can be opened again")
                         .arg(bytes.size())
                         .arg(kMaxTextFileBytes);
    return false;
}
