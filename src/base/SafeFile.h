#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes that a special file or a full disk cannot
// turn into a hang or a lost file.

// Reads the regular file at path, if it has at most maxBytes. A FIFO, a
// device or a folder is refused without blocking and without being read.
// On failure errorText says why, as a sentence without its full stop.
bool ReadRegularFile(const QString &path, qint64 maxBytes, QByteArray &bytes, QString *errorText = nullptr);

// Writes bytes to path so that a failure never leaves a partial or damaged
// file: the new content goes to a file beside it, reaches the disk, and only
// then takes the old one's place (a link keeps pointing at it). The file
// beside it has a hidden name within NAME_MAX, and such files that earlier
// saves of the same file left behind (killed meanwhile) are removed. Every
// write error fails the write; a path that exists but is not a regular file
// is refused. On failure errorText says why.
bool WriteFileSafely(const QString &path, const QByteArray &bytes, QString *errorText = nullptr);
