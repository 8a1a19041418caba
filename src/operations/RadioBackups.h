#pragma once

#include "codeplug/VirtualCP.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One stored copy of a radio's codeplug: the image file and what its
// description beside it says.
struct RadioBackup {
    QString imagePath; // <folder>/<serial>/<UTC time>.img; the description is the same path with .json
    QString model;
    QString serial;
    QString firmware;
    QDateTime time; // UTC
    QString profileName;
    QString reason; // "read", "before write", "before restore"
};

// The radio backups of this user: every read and every write keeps the
// radio's codeplug, so a dealer can put a radio back as it was. They live
// in $XDG_DATA_HOME/Halvern/Vela LX Dealer CPS/backups/<serial>/, the image
// as <UTC time>.img and its description as <UTC time>.json; the last
// kKeptPerRadio of a radio are kept.
namespace RadioBackups {

inline constexpr int kKeptPerRadio = 20;

inline const QString kReasonRead = QStringLiteral("read");
inline const QString kReasonBeforeWrite = QStringLiteral("before write");
inline const QString kReasonBeforeRestore = QStringLiteral("before restore");

// The folder holding a folder per radio serial.
QString folder();

// Whether a write backs up the radio first (the user setting, on unless
// turned off).
bool enabled();

// Whether backups can be stored: the folder exists or is made, and a file
// can be written in it. Otherwise error says where and why.
bool checkWritable(QString &error);

// Stores image, read from a radio, with its description; the backup, or
// nothing with error saying where and why. Older backups of the radio
// beyond kKeptPerRadio are removed.
std::optional<RadioBackup> store(
    const VirtualCP &image, const QString &reason, const QString &profileName, QString &error);

// The backups of the radio with serial (of every radio when empty), newest
// first. Files that are no sound backup are left out.
QList<RadioBackup> list(const QString &serial = QString());

// Loads the backup at imagePath (its .img file) and its description.
// Refused, with error saying why, when the file is not an image of this
// program's backups, or it or its description was changed or damaged.
bool load(const QString &imagePath, VirtualCP &image, RadioBackup &backup, QString &error);

// The serial and model of an image as text.
QString serialOf(const VirtualCP &image);
QString modelOf(const VirtualCP &image);
QString modelOf(const RadioIdentity &identity);

} // namespace RadioBackups
