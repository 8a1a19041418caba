#pragma once

#include <QChar>
#include <QString>

class CSettingsDocuments;

// Checks that decide whether a profile of another radio or another release
// may be used here.
namespace ProfileFileCheck {

// True when the phase is 'D' (a development codeplug) or the product
// supports codeplug version version.
bool CodeplugVersionRule(const CSettingsDocuments &settings, QChar phase, int version);

// Shows that the region is not supported, naming the product to use when
// the region table knows one.
void ShowRegionMessage(const CSettingsDocuments &settings, int region);

// Whether the profile file at path may be opened as a document: it can be
// read, its frequencies are allowed, the profile loads, its region is
// supported, its codeplug version is one this product knows and it holds
// only values the editors can set (SettableValues). Shows why not.
bool CheckProfileFile(const QString &path, const CSettingsDocuments &settings);

} // namespace ProfileFileCheck
