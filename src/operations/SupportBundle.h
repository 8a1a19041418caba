#pragma once

#include "codeplug/VirtualCP.h"
#include "operations/TarGz.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What a supplier needs to look into a dealer's problem with a radio, in
// one .tar.gz: the program and system versions, the cable and the radio
// last identified, the settings, the traces of the last radio transfers
// and, when the dealer adds it, a profile. No codeplug password goes in.
struct SupportFacts {
    QString cableStatus; // as the cable pane shows it
    std::optional<RadioIdentity> radio; // the radio identified last in this run
    QString profileName; // a profile to add (its file name), or empty
    QString profileText;
};

namespace SupportBundle {

// The archive's files, in one folder named after the time made.
QList<TarGz::Entry> entries(const SupportFacts &facts, const QDateTime &made);
// Writes the archive to path; false with why.
bool write(const QString &path, const SupportFacts &facts, QString *why);
// text with the value of every password setting (INI lines, XML
// attributes) emptied.
QString withoutPasswords(const QString &text);

} // namespace SupportBundle
