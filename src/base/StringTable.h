#pragma once

#include <QString>

// Texts named by identifier: the message codes of the profile model and the
// message ids that the profile hooks return. Texts are translated through
// the "StringTable" context of the current translation.
namespace StringTable {
// The text of id in the current language; "Unknown Error" for an unknown id.
QString text(int id);
bool contains(int id);
// The message shown when a file of the install directory is missing.
QString missingInstallFiles();
} // namespace StringTable
