#include "operations/RadioBackups.h"

#include "base/ConfigStore.h"
#include "codeplug/SerialNumber.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTimeZone>

#include <cstring>

namespace {

const QString kImageSuffix = QStringLiteral(".img");
const QString kDescriptionSuffix = QStringLiteral(".json");
// File names sort by time: 20261208T075512.345Z.
const QString kTimeFormat = QStringLiteral("yyyyMMdd'T'HHmmss.zzz'Z'");
const QString kFormatName = QStringLiteral("velacps-radio-backup");

QString tr(const char *text)
{
    return QCoreApplication::translate("RadioBackups", text);
}

QString descriptionPath(const QString &imagePath)
{
    return imagePath.chopped(kImageSuffix.size()) + kDescriptionSuffix;
}

QByteArray digest(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray imageBytes(const VirtualCP &image)
{
    return QByteArray(reinterpret_cast<const char *>(&image), sizeof image);
}

// A serial that is safe as a folder name: only its letters and digits.
QString serialFolderName(const QString &serial)
{
    QString name;
    for (QChar c : serial) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            name += c;
    }
    return name.isEmpty() ? QStringLiteral("unknown") : name;
}

// Makes dir (with its parents); false with error naming it and the reason.
bool makeFolder(const QString &dir, QString &error)
{
    if (QDir().mkpath(dir) && QFileInfo(dir).isDir())
        return true;
    error = tr("The radio backup folder %1 cannot be made: %2")
                .arg(QDir::toNativeSeparators(dir), QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

bool writeFile(const QString &path, const QByteArray &bytes, QString &error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = tr("The radio backup %1 cannot be written: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

// Reads what a description holds into backup; false when it is no
// description of this program's backups.
bool readDescription(const QByteArray &text, RadioBackup &backup, QByteArray &sha256)
{
    QJsonParseError parsed;
    const QJsonObject object = QJsonDocument::fromJson(text, &parsed).object();
    if (parsed.error != QJsonParseError::NoError
        || object.value(QStringLiteral("format")).toString() != kFormatName)
        return false;
    backup.model = object.value(QStringLiteral("model")).toString();
    backup.serial = object.value(QStringLiteral("serial")).toString();
    backup.firmware = object.value(QStringLiteral("firmware")).toString();
    backup.time = QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    backup.time.setTimeZone(QTimeZone::utc());
    backup.profileName = object.value(QStringLiteral("profile")).toString();
    backup.reason = object.value(QStringLiteral("reason")).toString();
    sha256 = object.value(QStringLiteral("sha256")).toString().toLatin1();
    return backup.time.isValid() && !backup.serial.isEmpty();
}

void removeOldBackups(const QString &serial)
{
    const QList<RadioBackup> kept = RadioBackups::list(serial);
    for (qsizetype i = RadioBackups::kKeptPerRadio; i < kept.size(); ++i) {
        QFile::remove(kept[i].imagePath);
        QFile::remove(descriptionPath(kept[i].imagePath));
    }
}

} // namespace

namespace RadioBackups {

QString folder()
{
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(home))
        home = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(home).filePath(QStringLiteral("Halvern/Vela LX Dealer CPS/backups"));
}

bool enabled()
{
    return CConfigStore::radioBackupsEnabled();
}

bool checkWritable(QString &error)
{
    const QString dir = folder();
    if (!makeFolder(dir, error))
        return false;
    QFile probe(QDir(dir).filePath(QStringLiteral(".write-test")));
    if (probe.open(QIODevice::WriteOnly) && probe.write("ok", 2) == 2 && probe.flush()) {
        probe.remove();
        return true;
    }
    error = tr("The radio backup folder %1 cannot be written: %2")
                .arg(QDir::toNativeSeparators(dir), probe.errorString());
    probe.remove();
    return false;
}

std::optional<RadioBackup> store(
    const VirtualCP &image, const QString &reason, const QString &profileName, QString &error)
{
    RadioBackup backup;
    backup.serial = serialOf(image);
    backup.model = modelOf(image);
    backup.firmware = QString::fromLatin1(reinterpret_cast<const char *>(&image.factory.firmware_phase), 3);
    backup.profileName = profileName;
    backup.reason = reason;
    const QString dir = QDir(folder()).filePath(serialFolderName(backup.serial));
    if (!makeFolder(dir, error))
        return std::nullopt;
    // Two backups within one millisecond get distinct names.
    for (backup.time = QDateTime::currentDateTimeUtc();; backup.time = backup.time.addMSecs(1)) {
        backup.imagePath = QDir(dir).filePath(backup.time.toString(kTimeFormat) + kImageSuffix);
        if (!QFileInfo::exists(backup.imagePath))
            break;
    }

    const QByteArray bytes = imageBytes(image);
    const QJsonObject description {
        { QStringLiteral("format"), kFormatName },
        { QStringLiteral("model"), backup.model },
        { QStringLiteral("serial"), backup.serial },
        { QStringLiteral("firmware"), backup.firmware },
        { QStringLiteral("time"), backup.time.toString(Qt::ISODateWithMs) },
        { QStringLiteral("profile"), profileName },
        { QStringLiteral("reason"), reason },
        { QStringLiteral("sha256"), QString::fromLatin1(digest(bytes)) },
    };
    // The image first: a description is only ever beside a whole image.
    if (!writeFile(backup.imagePath, bytes, error)
        || !writeFile(descriptionPath(backup.imagePath), QJsonDocument(description).toJson(), error)) {
        QFile::remove(backup.imagePath);
        return std::nullopt;
    }
    removeOldBackups(backup.serial);
    return backup;
}

QList<RadioBackup> list(const QString &serial)
{
    const QDir root(folder());
    const QStringList radios = serial.isEmpty() ? root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                                : QStringList { serialFolderName(serial) };
    QList<RadioBackup> found;
    for (const QString &radio : radios) {
        const QDir dir(root.filePath(radio));
        for (const QString &name : dir.entryList({ QLatin1Char('*') + kImageSuffix }, QDir::Files)) {
            RadioBackup backup;
            VirtualCP image;
            QString error;
            if (load(dir.filePath(name), image, backup, error))
                found << backup;
        }
    }
    std::sort(found.begin(), found.end(),
        [](const RadioBackup &a, const RadioBackup &b) { return a.time > b.time; });
    return found;
}

bool load(const QString &imagePath, VirtualCP &image, RadioBackup &backup, QString &error)
{
    const QString shown = QDir::toNativeSeparators(imagePath);
    QFile imageFile(imagePath);
    QFile descriptionFile(descriptionPath(imagePath));
    if (!imagePath.endsWith(kImageSuffix) || !imageFile.open(QIODevice::ReadOnly)) {
        error = tr("%1 is no radio backup: it cannot be opened as one.").arg(shown);
        return false;
    }
    const QByteArray bytes = imageFile.read(sizeof image + 1);
    QByteArray sha256;
    backup = RadioBackup {};
    if (bytes.size() != qsizetype(sizeof image) || !descriptionFile.open(QIODevice::ReadOnly)
        || !readDescription(descriptionFile.read(64 * 1024), backup, sha256)) {
        error = tr("%1 is no radio backup of this program.").arg(shown);
        return false;
    }
    VirtualCP loaded;
    std::memcpy(&loaded, bytes.constData(), sizeof loaded);
    if (digest(bytes) != sha256 || serialOf(loaded) != backup.serial || modelOf(loaded) != backup.model
        || !codeplug::isValidSerialNumber(loaded.factory.serial)) {
        error = tr("The radio backup %1 is damaged; it is not written to a radio.").arg(shown);
        return false;
    }
    backup.imagePath = imagePath;
    image = loaded;
    return true;
}

QString serialOf(const VirtualCP &image)
{
    const auto *serial = reinterpret_cast<const char *>(image.factory.serial);
    return QString::fromLatin1(serial, qsizetype(strnlen(serial, codeplug::kSerialLength)));
}

namespace {

QString modelText(const uint8_t (&letters)[3], const uint8_t (&digits)[5])
{
    QString model = QString::fromLatin1(reinterpret_cast<const char *>(letters), 3);
    for (uint8_t digit : digits)
        model += QString::number(digit);
    return model;
}

} // namespace

QString modelOf(const VirtualCP &image)
{
    return modelText(image.factory.modelLetters, image.factory.modelDigits);
}

QString modelOf(const RadioIdentity &identity)
{
    return modelText(identity.modelLetters, identity.modelDigits);
}

} // namespace RadioBackups
