#include "FieldAssignments.h"

#include "ButtonCommands.h"
#include "ChannelCommands.h"
#include "ChannelListCommands.h"
#include "EditGroup.h"
#include "FrequencyCommands.h"
#include "ProfileDocument.h"
#include "SettingCommands.h"

#include "base/MessageReporter.h"
#include "base/VelaException.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

using codeplug::FieldElement;
using codeplug::ProfileField;
using codeplug::ValueKind;

namespace {

constexpr int kBackLightStep = 5; // seconds per back light item
// A new frequency row as the table's Add preselects it: "12.5 KHz only",
// "High power only", compander "ON".
constexpr unsigned kNewRowBandwidth = 0;
constexpr unsigned kNewRowPower = 1;
constexpr unsigned kCompanderOn = 2;

QString translated(const char *text)
{
    return QCoreApplication::translate("FieldAssignments", text);
}

CommandVerdict refusal(const QString &message)
{
    return CommandVerdict::refused(message, MsgStyle::IconWarning);
}

CDataItem child(const CDataItem &parent, const QString &name)
{
    CDataItem result;
    return parent.GetChildByName(name, result);
}

CDataItem childAt(const CDataItem &parent, int index)
{
    CDataItem result;
    return parent.GetChildByIndex(index, result);
}

bool isChannelFrequency(const QString &attribute)
{
    return attribute == QLatin1String("rx") || attribute == QLatin1String("tx");
}

const FieldAssignment *findAssignment(const QList<FieldAssignment> &assignments, const char *attribute)
{
    for (const FieldAssignment &a : assignments) {
        if (a.attribute == QLatin1String(attribute))
            return &a;
    }
    return nullptr;
}

// The row of the frequency table holding hertz; -1 when there is none.
int frequencyRow(const CDataItem &root, qint64 hertz)
{
    const CDataItem frequencies = child(root, QStringLiteral("frequencies"));
    for (int i = 0; i < frequencies.GetChildCount(); ++i) {
        if (childAt(frequencies, i).GetAttributeValue(QStringLiteral("freq")).toLongLong() == hertz)
            return i;
    }
    return -1;
}

// The value a hook is offered: the number for a numeric field.
QVariant offeredValue(const FieldAssignment &a)
{
    if (a.field && (a.field->kind == ValueKind::Text || a.field->kind == ValueKind::Password))
        return a.value;
    return a.value.toInt();
}

QString undoTextOf(const FieldAssignment &a)
{
    return QCoreApplication::translate("CBaseView", "Change %1")
        .arg(a.field ? codeplug::fieldCaption(*a.field) : a.name);
}

CommandVerdict setChannelFrequency(
    CProfileDocument &document, CChannelCommands &commands, const FieldAssignment &a, int row)
{
    const int rows = child(document.root(), QStringLiteral("frequencies")).GetChildCount();
    if (row < 0 || row >= rows)
        return refusal(
            translated(QT_TRANSLATE_NOOP("FieldAssignments", "%1: the RF frequency table has no such row."))
                .arg(a.name));
    const bool receive = a.attribute.startsWith(QLatin1String("rx"));
    return commands.chooseFrequency(
        receive ? CChannelCommands::Side::Receive : CChannelCommands::Side::Transmit, row);
}

CommandVerdict assignChannel(CProfileDocument &document, const FieldAssignment &a, const CommandAsker &ask)
{
    const CDataItem root = document.root();
    CDataItem channel = childAt(child(root, QStringLiteral("channels")), a.record);
    if (channel.isEmpty())
        return refusal(translated(QT_TRANSLATE_NOOP("FieldAssignments", "%1: the profile has no such field."))
                           .arg(a.name));
    const QString disable = QStringLiteral("disable_channel");
    if (a.attribute != disable && channel.node().attributeOr(disable) == QLatin1String("1"))
        return refusal(translated(QT_TRANSLATE_NOOP("FieldAssignments",
                                      "%1: the channel is disabled; only its disable_channel=0 changes it."))
                           .arg(a.name));
    CChannelCommands commands(document, a.record, ask);
    if (isChannelFrequency(a.attribute)) {
        bool ok = false;
        const double megahertz = a.value.toDouble(&ok);
        const int row = ok ? frequencyRow(root, std::llround(megahertz * 1e6)) : -1;
        if (row < 0)
            return refusal(translated(
                QT_TRANSLATE_NOOP("FieldAssignments", "%1: the RF frequency table has no such row."))
                               .arg(a.name));
        return setChannelFrequency(document, commands, a, row);
    }
    const int number = a.value.toInt();
    if (a.attribute == QLatin1String("rx_freq_ndx") || a.attribute == QLatin1String("tx_freq_ndx"))
        return setChannelFrequency(document, commands, a, number);
    if (a.attribute == QLatin1String("repeater"))
        return commands.setRepeater(number != 0);
    if (a.attribute == disable)
        return commands.setDisabled(number != 0);
    if (a.attribute == QLatin1String("name"))
        return CChannelListCommands(document, ask).renameChannel(a.record, a.value, undoTextOf(a));
    if (a.attribute == QLatin1String("in_scanlist"))
        return CChannelListCommands(document, ask).setScanListMembers({ a.record }, number != 0);
    if (a.attribute == QLatin1String("rx_code") || a.attribute == QLatin1String("tx_code")) {
        const int maxCodes
            = child(root, QStringLiteral("limit")).GetAttributeValue(QStringLiteral("maxCodes")).toInt();
        if (number > maxCodes)
            return refusal(
                translated(QT_TRANSLATE_NOOP("FieldAssignments", "%1: this radio takes codes up to %2."))
                    .arg(a.name)
                    .arg(maxCodes));
    }
    return commands.setAttribute(a.attribute, offeredValue(a), undoTextOf(a));
}

// A row of the RF frequency table changes as the table's Edit does; one
// past the last row is a new row, made as the table's Add makes it, from
// its frequency.
CommandVerdict assignFrequency(CProfileDocument &document, const FieldAssignment &a, const CommandAsker &ask)
{
    const CDataItem frequencies = child(document.root(), QStringLiteral("frequencies"));
    const CDataItem entry = childAt(frequencies, a.record);
    CFrequencyCommands commands(document, ask);
    const quint32 number = a.value.toUInt();
    if (entry.isEmpty()) {
        if (a.record != frequencies.GetChildCount() || a.attribute != QLatin1String("freq"))
            return refusal(translated(
                QT_TRANSLATE_NOOP("FieldAssignments",
                    "%1: the RF frequency table has no such row; a new row is frequency[%2].freq."))
                               .arg(a.name)
                               .arg(frequencies.GetChildCount() + 1));
        FrequencyRow row { -1, number, kNewRowBandwidth, kNewRowPower, kCompanderOn };
        return commands.addFrequency(row);
    }
    const auto value = [&](const char *attribute) {
        return a.attribute == QLatin1String(attribute)
            ? number
            : entry.GetAttributeValue(QLatin1String(attribute)).toUInt();
    };
    FrequencyRow row { a.record, value("freq"), value("bandwidth"), value("power_level"),
        value("compander_lle_mode") };
    return commands.changeFrequency(row);
}

CommandVerdict assignSetting(CProfileDocument &document, const FieldAssignment &a,
    const QList<FieldAssignment> &assignments, CDataItem &item)
{
    CSettingCommands commands(document);
    const char *pair[] = { "password", "passwordConfirm" };
    const bool confirming = a.attribute == QLatin1String(pair[1]);
    if (confirming || a.attribute == QLatin1String(pair[0])) {
        const FieldAssignment *other = findAssignment(assignments, pair[confirming ? 0 : 1]);
        if (!other)
            return refusal(
                translated(
                    QT_TRANSLATE_NOOP("FieldAssignments", "%1 is set together with %2 in the same change."))
                    .arg(a.name, QStringLiteral("setting.") + QLatin1String(pair[confirming ? 0 : 1])));
        // The pair is one action, taken at the password.
        return confirming ? CommandVerdict {} : commands.setPassword(a.value, other->value);
    }
    const int number = a.value.toInt();
    if (a.attribute == QLatin1String("backlight_timeout"))
        return commands.setBackLight(number / kBackLightStep);
    if (a.attribute == QLatin1String("backlight_enabled")) {
        const int timeout = item.GetAttributeValue(QStringLiteral("backlight_timeout")).toInt();
        return commands.setBackLight(number == 0 ? 0 : std::max(1, timeout / kBackLightStep));
    }
    if (CButtonCommands::buttons().contains(a.attribute))
        return CButtonCommands(document).setFeature(a.attribute, number);
    const QString customCode = QStringLiteral("PLcode");
    if (a.attribute.startsWith(customCode))
        return commands.setCustomCode(a.attribute.sliced(customCode.size()).toInt(), number);
    return commands.setAttribute(item, a.attribute, offeredValue(a), undoTextOf(a));
}

CommandVerdict assignOne(CProfileDocument &document, const FieldAssignment &a,
    const QList<FieldAssignment> &assignments, const CommandAsker &ask)
{
    if (a.field) {
        if (const auto problem = codeplug::checkFieldValue(*a.field, a.value, a.name))
            return refusal(*problem);
    }
    const FieldElement element = a.field  ? a.field->element
        : isChannelFrequency(a.attribute) ? FieldElement::Channel
                                          : FieldElement::Setting;
    if (element == FieldElement::Channel)
        return assignChannel(document, a, ask);
    if (element == FieldElement::Frequency)
        return assignFrequency(document, a, ask);
    const CDataItem root = document.root();
    CDataItem setting = child(root, QStringLiteral("setting"));
    CDataItem item = element == FieldElement::Preset ? childAt(setting, a.record)
        : element == FieldElement::Setting           ? setting
                                                     : child(root, a.field->elementName());
    if (item.isEmpty() || (a.field && !item.node().hasAttribute(a.attribute)))
        return refusal(translated(QT_TRANSLATE_NOOP("FieldAssignments", "%1: the profile has no such field."))
                           .arg(a.name));
    if (element == FieldElement::Setting)
        return assignSetting(document, a, assignments, item);
    const QString refusalText = element == FieldElement::Preset
        ? QCoreApplication::translate("Editors", "The channel can not be selected!")
        : QString();
    return CSettingCommands(document).setAttribute(
        item, a.attribute, offeredValue(a), undoTextOf(a), refusalText);
}

} // namespace

std::optional<FieldAssignment> parseAssignment(const QString &text, QString &error)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^([a-z_]+)(?:\[(\d+)\])?\.(\w+)=(.*)$)"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = pattern.match(text);
    const QString name = text.section(QLatin1Char('='), 0, 0);
    if (!match.hasMatch()) {
        error = translated(QT_TRANSLATE_NOOP("FieldAssignments", "%1 is no field of the profile.")).arg(text);
        return std::nullopt;
    }
    FieldAssignment a { name, nullptr, match.captured(3), 0, match.captured(4) };
    const QString element = match.captured(1);
    const bool channelFrequency = element == QLatin1String("channel") && isChannelFrequency(a.attribute);
    const bool confirmation
        = element == QLatin1String("setting") && a.attribute == QLatin1String("passwordConfirm");
    if (!channelFrequency && !confirmation) {
        a.field = codeplug::findField(QStringView(element + QLatin1Char('.') + a.attribute));
        if (!a.field) {
            error = translated(QT_TRANSLATE_NOOP("FieldAssignments", "%1 is no field of the profile."))
                        .arg(name);
            return std::nullopt;
        }
    }
    const bool repeats = a.field ? a.field->repeats() : channelFrequency;
    const QString number = match.captured(2);
    if (repeats && number.toInt() < 1) {
        error = translated(
            QT_TRANSLATE_NOOP("FieldAssignments", "%1 needs the number of its element, counted from 1."))
                    .arg(name);
        return std::nullopt;
    }
    if (!repeats && !number.isEmpty() && number != QLatin1String("1")) {
        error = translated(QT_TRANSLATE_NOOP("FieldAssignments", "%1 is no field of the profile.")).arg(name);
        return std::nullopt;
    }
    a.record = repeats ? number.toInt() - 1 : 0;
    return a;
}

QString megahertzValue(qint64 hertz)
{
    QString text = QString::number(double(hertz) / 1e6, 'f', 6);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

namespace {

void appendValues(QList<QPair<QString, QString>> &values, const CDataItem &item, FieldElement element,
    const QString &prefix)
{
    for (const ProfileField &field : codeplug::fieldsOf(element)) {
        if (const auto value = item.node().attribute(QLatin1String(field.attribute)))
            values.append({ prefix + QLatin1String(field.attribute), *value });
    }
}

QString numbered(const char *element, int index)
{
    return QStringLiteral("%1[%2].").arg(QLatin1String(element)).arg(index + 1);
}

} // namespace

QList<QPair<QString, QString>> profileFieldValues(const CDataItem &root)
{
    QList<QPair<QString, QString>> values;
    const CDataItem setting = child(root, QStringLiteral("setting"));
    appendValues(values, child(root, QStringLiteral("factory_setting")), FieldElement::Factory,
        QStringLiteral("factory_setting."));
    appendValues(values, child(root, QStringLiteral("limit")), FieldElement::Limit, QStringLiteral("limit."));
    appendValues(values, setting, FieldElement::Setting, QStringLiteral("setting."));
    for (int p = 0; p < setting.GetChildCount(); ++p)
        appendValues(values, childAt(setting, p), FieldElement::Preset, numbered("preset", p));
    const CDataItem channels = child(root, QStringLiteral("channels"));
    const CDataItem frequencies = child(root, QStringLiteral("frequencies"));
    for (int k = 0; k < channels.GetChildCount(); ++k) {
        const CDataItem channel = childAt(channels, k);
        appendValues(values, channel, FieldElement::Channel, numbered("channel", k));
        for (const char *side : { "rx", "tx" }) {
            const int row
                = channel.node().attributeOr(QStringLiteral("%1_freq_ndx").arg(QLatin1String(side))).toInt();
            const CDataItem frequency = childAt(frequencies, row);
            if (!frequency.isEmpty())
                values.append({ numbered("channel", k) + QLatin1String(side),
                    megahertzValue(frequency.node().attributeOr(QStringLiteral("freq")).toLongLong()) });
        }
    }
    for (int i = 0; i < frequencies.GetChildCount(); ++i)
        appendValues(values, childAt(frequencies, i), FieldElement::Frequency, numbered("frequency", i));
    return values;
}

CommandVerdict applyAssignments(
    CProfileDocument &document, const QList<FieldAssignment> &assignments, const CommandAsker &ask)
{
    if (assignments.isEmpty())
        return {};
    CommandVerdict verdict;
    EditAllOrNothing(document, undoTextOf(assignments.first()), [&] {
        for (const FieldAssignment &a : assignments) {
            try {
                const CommandVerdict one = assignOne(document, a, assignments, ask);
                verdict.notices += one.notices;
                if (!one.accepted()) {
                    verdict = one;
                    return false;
                }
            } catch (const CVelaCPSException &error) {
                verdict = CommandVerdict::refused(error.text(), MsgStyle::IconError);
                return false;
            }
        }
        return true;
    });
    return verdict;
}
