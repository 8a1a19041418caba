#include "DifferenceOutput.h"

#include "CliFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue orNull(const QString &text)
{
    return text.isNull() ? QJsonValue() : QJsonValue(text);
}

QJsonObject toJson(const ProfileDifference &difference)
{
    return {
        { QStringLiteral("section"), difference.section },
        { QStringLiteral("item"), difference.item ? QJsonValue(difference.item) : QJsonValue() },
        { QStringLiteral("field"), difference.field },
        { QStringLiteral("caption"), difference.caption },
        { QStringLiteral("old"),
            difference.oldRaw.isNull() ? QJsonValue() : QJsonValue(difference.oldShown) },
        { QStringLiteral("new"),
            difference.newRaw.isNull() ? QJsonValue() : QJsonValue(difference.newShown) },
        { QStringLiteral("old_raw"), orNull(difference.oldRaw) },
        { QStringLiteral("new_raw"), orNull(difference.newRaw) },
    };
}

} // namespace

bool printDifferences(const QList<ProfileDifference> &differences, bool json)
{
    if (json) {
        QJsonArray array;
        for (const ProfileDifference &difference : differences)
            array.append(toJson(difference));
        return printToStandardOutput(QJsonDocument(array).toJson());
    }
    QByteArray text;
    for (const ProfileDifference &difference : differences)
        text += difference.line().toUtf8() + '\n';
    return printToStandardOutput(text);
}
