#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// A gzip-compressed tar archive (ustar) of regular files, made in memory;
// what tar -xzf and every archive tool unpack.
namespace TarGz {

struct Entry {
    QString name; // a relative path, '/' between folders, under 100 bytes in UTF-8
    QByteArray data;
};

// The archive of entries, each stamped with modified; empty when a name is
// too long or compression failed.
QByteArray archive(const QList<Entry> &entries, const QDateTime &modified);

} // namespace TarGz
