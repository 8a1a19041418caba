#pragma once

#include <QByteArray>
#include <QString>

struct VirtualCP;

// The command-line tool's own reads and writes, each failure shown with the
// path and the reason.

// The bytes of the regular file at path, if it has at most maxBytes.
bool readInputFile(const QString &path, qint64 maxBytes, QByteArray &bytes);
// The codeplug image in the file at path, which must have the image's size.
bool readImageFile(const QString &path, VirtualCP &image);
// The text of a profile or other text file (see ReadTextFile).
bool readInputText(const QString &path, QString &text);
// Writes bytes to path safely; asText refuses what could not be read back
// as a text file.
bool writeOutputFile(const QString &path, const QByteArray &bytes, bool asText);
// Writes bytes to standard output; a write error is shown and fails it.
bool printToStandardOutput(const QByteArray &bytes);
