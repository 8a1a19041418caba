#include "operations/TarGz.h"

#include <zlib.h>

#include <cstring>

namespace TarGz {

namespace {

constexpr int kBlock = 512;
constexpr int kNameField = 100;

// value as an octal number of width - 1 digits and a terminating zero.
void putOctal(char *field, int width, quint64 value)
{
    const QByteArray digits = QByteArray::number(value, 8).rightJustified(width - 1, '0');
    std::memcpy(field, digits.constData(), size_t(width - 1));
    field[width - 1] = '\0';
}

QByteArray header(const QByteArray &name, qint64 size, qint64 modified)
{
    QByteArray block(kBlock, '\0');
    char *h = block.data();
    std::memcpy(h, name.constData(), size_t(name.size()));
    putOctal(h + 100, 8, 0644); // mode
    putOctal(h + 108, 8, 0); // uid
    putOctal(h + 116, 8, 0); // gid
    putOctal(h + 124, 12, quint64(size));
    putOctal(h + 136, 12, quint64(modified));
    h[156] = '0'; // a regular file
    std::memcpy(h + 257, "ustar", 6);
    std::memcpy(h + 263, "00", 2);
    // The checksum is taken with its own field as blanks.
    std::memset(h + 148, ' ', 8);
    unsigned sum = 0;
    for (char byte : block)
        sum += quint8(byte);
    putOctal(h + 148, 7, sum);
    h[155] = ' ';
    return block;
}

QByteArray gzip(const QByteArray &data)
{
    z_stream stream {};
    // 16 + 15 window bits: a gzip wrapper around the deflate stream.
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return QByteArray();
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int status = deflate(&stream, Z_FINISH);
    deflateEnd(&stream);
    if (status != Z_STREAM_END)
        return QByteArray();
    out.truncate(qsizetype(stream.total_out));
    return out;
}

} // namespace

QByteArray archive(const QList<Entry> &entries, const QDateTime &modified)
{
    QByteArray tar;
    for (const Entry &entry : entries) {
        const QByteArray name = entry.name.toUtf8();
        if (name.isEmpty() || name.size() >= kNameField)
            return QByteArray();
        tar += header(name, entry.data.size(), modified.toSecsSinceEpoch());
        tar += entry.data;
        tar += QByteArray((kBlock - entry.data.size() % kBlock) % kBlock, '\0');
    }
    tar += QByteArray(2 * kBlock, '\0'); // the end of the archive
    return gzip(tar);
}

} // namespace TarGz
