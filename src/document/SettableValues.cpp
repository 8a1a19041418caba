#include "SettableValues.h"

#include "model/DataItem.h"

#include <QStringList>

#include <algorithm>
#include <functional>

namespace SettableValues {

namespace {

constexpr int kMaxChannelCount = 127; // seven bits in the radio
constexpr int kTimeouts[] = { 60, 120, 180 };
constexpr int kLastScrambleCode = 3;

// The value of attribute unless it is a whole number that settable accepts.
std::optional<Unsettable> unsettable(const CDataItem &item, const char *attribute,
    const std::function<bool(int)> &settable, const QString &allowed)
{
    const QString name = QLatin1String(attribute);
    const QString text = item.GetAttributeValue(name).toString();
    bool number = false;
    const int value = text.trimmed().toInt(&number);
    if (number && settable(value))
        return std::nullopt;
    return Unsettable { name, text, allowed };
}

std::optional<Unsettable> outsideRange(const CDataItem &item, const char *attribute, int low, int high)
{
    return unsettable(
        item, attribute, [=](int value) { return value >= low && value <= high; },
        QStringLiteral("%1-%2").arg(low).arg(high));
}

std::optional<Unsettable> outsideTimeouts(const CDataItem &setting)
{
    QStringList allowed;
    for (int timeout : kTimeouts)
        allowed << QString::number(timeout);
    return unsettable(
        setting, "timeoutTimer",
        [](int value) { return std::ranges::find(kTimeouts, value) != std::end(kTimeouts); },
        allowed.join(QStringLiteral(", ")));
}

} // namespace

std::optional<Unsettable> FindUnsettable(const CDataItem &root)
{
    CDataItem setting, channels;
    root.GetChildByName(QStringLiteral("setting"), setting);
    root.GetChildByName(QStringLiteral("channels"), channels);
    if (auto found = outsideTimeouts(setting))
        return found;
    // More channels than records are cut down by a load-time rule, with its
    // message; none at all is nothing an editor leaves.
    if (auto found = outsideRange(setting, "numberChannels", 1, kMaxChannelCount))
        return found;
    const int inUse = std::min(
        setting.GetAttributeValue(QStringLiteral("numberChannels")).toInt(), channels.GetChildCount());
    for (int index = 0; index < setting.GetChildCount(); ++index) {
        CDataItem preset;
        setting.GetChildByIndex(index, preset);
        if (auto found = outsideRange(preset, "channel", 0, inUse - 1))
            return found;
    }
    for (int index = 0; index < channels.GetChildCount(); ++index) {
        CDataItem channel;
        channels.GetChildByIndex(index, channel);
        if (auto found = outsideRange(channel, "scramble_code", 0, kLastScrambleCode))
            return found;
    }
    return std::nullopt;
}

} // namespace SettableValues
