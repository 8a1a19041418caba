#pragma once

#include "base/SafeFile.h"

#include <QByteArray>
#include <QString>

// Profile files, the hook script, the schema and the settings documents are
// all read by one reader: UTF-16 (with byte-order mark) or 8-bit text, each
// plain or scrambled with a one-byte key.

// The largest file read as text: far above any profile, settings document or
// script the product ships. Profile files are written only up to it, so that
// every file saved can be opened again.
constexpr qint64 kMaxTextFileBytes = 8 * 1024 * 1024;

// Reads the text of the file at path. False when the file cannot be opened or
// read, is not a regular file, is larger than kMaxTextFileBytes, or is UTF-16
// with an odd number of bytes (a damaged file); errorText then says why.
bool ReadTextFile(const QString &path, QString &text, QString *errorText = nullptr);

// The same reader on bytes already in memory.
bool DecodeTextFile(const QByteArray &bytes, QString &text);

// Scrambles (or unscrambles: the operation is its own inverse) UTF-16 text.
QString ScrambleText(const QString &text);

// The bytes of a profile file: FF FE and the scrambled UTF-16LE text, no
// terminator.
QByteArray EncodeProfileFile(const QString &text);

// Writes the bytes of a text file with WriteFileSafely, refusing more bytes
// than ReadTextFile reads.
bool WriteTextFile(const QString &path, const QByteArray &bytes, QString *errorText = nullptr);
