#pragma once

#include <QByteArray>
#include <QString>

// Profile files, the hook script, the schema and the settings documents are
// all read by one reader: UTF-16 (with byte-order mark) or 8-bit text, each
// plain or scrambled with a one-byte key.

// Reads the text of the file at path. False when the file cannot be opened or
// read, is larger than a profile could ever be, or is UTF-16 with an odd
// number of bytes (a damaged file).
bool ReadTextFile(const QString &path, QString &text);

// The same reader on bytes already in memory.
bool DecodeTextFile(const QByteArray &bytes, QString &text);

// Scrambles (or unscrambles: the operation is its own inverse) UTF-16 text.
QString ScrambleText(const QString &text);

// The bytes of a profile file: FF FE and the scrambled UTF-16LE text, no
// terminator.
QByteArray EncodeProfileFile(const QString &text);

// Writes bytes to path so that a failure never leaves a partial or damaged
// file: the previous content stays until the new one is complete. On failure
// errorText says why.
bool WriteFileSafely(const QString &path, const QByteArray &bytes, QString *errorText = nullptr);
