#include "CliCommand.h"
#include "CliFiles.h"
#include "CliSession.h"
#include "DifferenceOutput.h"
#include "RadioImageRead.h"
#include "base/MessageReporter.h"
#include "operations/RadioBackups.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace {

const QCommandLineOption kJsonOption(QStringLiteral("json"), QStringLiteral("Prints JSON."));
const QCommandLineOption kSerialOption(QStringLiteral("serial"),
    QStringLiteral("Only the backups of the radio with this serial number."), QStringLiteral("S"));
const QString kRadioPrefix = QStringLiteral("radio:");

// The exit statuses of diff.
enum DiffExit : int { Equal = 0, Differ = 1, Error = 2 };

// One side of a comparison: a profile, or an image from a file or a radio.
struct Side {
    std::unique_ptr<CProfileDocument> profile;
    std::optional<VirtualCP> image;
};

bool loadSide(const CliSession &session, const QString &source, Side &side)
{
    if (source.startsWith(kRadioPrefix)) {
        side.image = readRadioImage(source.mid(kRadioPrefix.size()));
        return side.image.has_value();
    }
    if (QFileInfo(source).size() == qint64(sizeof(VirtualCP))) {
        side.image.emplace();
        return readImageFile(source, *side.image);
    }
    side.profile = session.openDocument(source);
    return side.profile != nullptr;
}

int diff(const QCommandLineParser &parser)
{
    const QStringList sources = parser.positionalArguments();
    CliSession session;
    Side older, newer;
    if (!session.start() || !loadSide(session, sources[0], older) || !loadSide(session, sources[1], newer))
        return DiffExit::Error;
    const std::optional<QList<ProfileDifference>> differences = ProfileComparison::compareSides(
        { older.profile.get(), older.image }, { newer.profile.get(), newer.image });
    if (!differences) {
        showMessage(QStringLiteral("The two cannot be compared."), MsgStyle::IconError);
        return DiffExit::Error;
    }
    if (!printDifferences(*differences, parser.isSet(kJsonOption)))
        return DiffExit::Error;
    return differences->isEmpty() ? DiffExit::Equal : DiffExit::Differ;
}

int listBackups(const QCommandLineParser &parser)
{
    const QList<RadioBackup> backups = RadioBackups::list(parser.value(kSerialOption));
    if (parser.isSet(kJsonOption)) {
        QJsonArray array;
        for (const RadioBackup &backup : backups)
            array.append(QJsonObject {
                { QStringLiteral("path"), backup.imagePath },
                { QStringLiteral("time"), backup.time.toString(Qt::ISODateWithMs) },
                { QStringLiteral("model"), backup.model },
                { QStringLiteral("serial"), backup.serial },
                { QStringLiteral("firmware"), backup.firmware },
                { QStringLiteral("reason"), backup.reason },
                { QStringLiteral("profile"), backup.profileName },
            });
        return printToStandardOutput(QJsonDocument(array).toJson()) ? CliExit::Success : CliExit::Failed;
    }
    QByteArray text;
    for (const RadioBackup &backup : backups)
        text += QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                    .arg(backup.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'")), backup.serial,
                        backup.model, backup.reason, backup.profileName, backup.imagePath)
                    .toUtf8();
    return printToStandardOutput(text) ? CliExit::Success : CliExit::Failed;
}

} // namespace

QList<CliCommand> compareCommands()
{
    return {
        { "diff", "diff A B [--json]",
            "Lists the differences between two profiles (.kv9), codeplug images (2148-byte files) or radios "
            "(radio:PORT); exits 0 when equal, 1 when they differ, 2 on error.",
            { kJsonOption }, 2, 2, diff },
        { "backups", "backups [--serial S] [--json]",
            "Lists the radio backups, newest first: time, serial number, model, reason, profile, file.",
            { kSerialOption, kJsonOption }, 0, 0, listBackups },
    };
}
