#include "ChannelCommands.h"

#include "EditGroup.h"
#include "ProfileDocument.h"

#include "base/MessageReporter.h"
#include "base/StringTable.h"
#include "codeplug/FrequencyRules.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int kTwoWattPowerClass = 4;
// Buttons A, B and C, which may hold a preset's feature.
constexpr const char *kPresetButtons[] = { "upper_right_but", "lower_left_but", "lower_right_but" };
constexpr int kFirstPresetFeature = 9;

CDataItem child(const CDataItem &parent, const char *name)
{
    CDataItem result;
    return parent.GetChildByName(QLatin1String(name), result);
}

int attributeOf(const CDataItem &item, const char *attribute)
{
    return item.GetAttributeValue(QLatin1String(attribute)).toInt();
}

// The combo item a frequency's bandwidth or power rule selects: rules 0
// and 2 the first (12.5 kHz, low), rules 1 and 3 the second; -1 for none.
int ruleItem(int rule)
{
    return rule >= 0 && rule <= 3 ? rule % 2 : -1;
}

QString changeOf(const char *label)
{
    return QCoreApplication::translate("CBaseView", "Change %1")
        .arg(QCoreApplication::translate("Editors", label));
}

} // namespace

struct CChannelCommands::SideNames {
    const char *frequency;
    const char *bandwidth;
    const char *power;
    const char *code;
};

std::vector<FrequencyChoice> frequencyChoices(const CDataItem &root, int powerClass)
{
    const CDataItem limit = child(root, "limit");
    const qint64 start = limit.GetAttributeValue(QStringLiteral("start_freq")).toLongLong();
    const qint64 end = limit.GetAttributeValue(QStringLiteral("end_freq")).toLongLong();
    const CDataItem frequencies = child(root, "frequencies");
    std::vector<FrequencyChoice> choices(size_t(std::max(0, frequencies.GetChildCount())));
    CDataItem entry;
    for (size_t i = 0; i < choices.size(); ++i) {
        frequencies.GetChildByIndex(int(i), entry);
        FrequencyChoice &choice = choices[i];
        choice.hertz = entry.GetAttributeValue(QStringLiteral("freq")).toLongLong();
        choice.bandwidthRule = attributeOf(entry, "bandwidth");
        choice.twoWatt = powerClass == kTwoWattPowerClass && FrequencyRules::IsTwoWattFrequency(choice.hertz);
        choice.powerRule = choice.twoWatt ? 0 : attributeOf(entry, "power_level");
        choice.listed = choice.hertz >= start && choice.hertz <= end;
    }
    return choices;
}

bool frequencyRuleIsFixed(int rule)
{
    return rule == 0 || rule == 1;
}

const CChannelCommands::SideNames &CChannelCommands::names(Side side)
{
    static const SideNames receive { "rx_freq_ndx", "rx_bw", "talkaround_power", "rx_code" };
    static const SideNames transmit { "tx_freq_ndx", "tx_bw", "repeater_power", "tx_code" };
    return side == Side::Receive ? receive : transmit;
}

CChannelCommands::Side CChannelCommands::other(Side side)
{
    return side == Side::Receive ? Side::Transmit : Side::Receive;
}

CChannelCommands::CChannelCommands(CProfileDocument &document, int channel, CommandAsker ask)
    : m_document(document)
    , m_channel(channel)
    , m_ask(std::move(ask))
    , m_choices(frequencyChoices(document.root(), document.powerClass()))
{
}

CDataItem CChannelCommands::channel() const
{
    CDataItem result;
    return child(m_document.root(), "channels").GetChildByIndex(m_channel, result);
}

int CChannelCommands::stored(const char *attribute) const
{
    return attributeOf(channel(), attribute);
}

bool CChannelCommands::limitFlag(const char *attribute) const
{
    return child(m_document.root(), "limit").GetAttributeValue(QLatin1String(attribute)).toBool();
}

bool CChannelCommands::transmitFollowsReceive() const
{
    return limitFlag("disable_repeater_feature");
}

bool CChannelCommands::write(const char *attribute, const QVariant &value)
{
    if (m_refused)
        return false;
    CDataItem item = channel();
    const HookVerdict verdict = m_document.setAttribute(item, QLatin1String(attribute), value, m_undoText);
    if (verdict.accepted())
        return true;
    m_refused = true;
    m_refusal = CommandVerdict::refused(
        verdict.status == 1 ? StringTable::text(verdict.msgId) : QString(), unsigned(verdict.style));
    return false;
}

CommandVerdict CChannelCommands::verdict() const
{
    if (m_refused)
        return m_refusal;
    CommandVerdict accepted;
    accepted.notices = m_notices;
    return accepted;
}

std::vector<int> CChannelCommands::offered(Side side) const
{
    std::vector<int> rows;
    for (size_t i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i].listed)
            rows.push_back(int(i));
    }
    const int index = stored(names(side).frequency);
    if (index < 0 || size_t(index) >= m_choices.size() || !m_choices[size_t(index)].listed)
        rows.push_back(index);
    return rows;
}

CommandVerdict CChannelCommands::chooseFrequency(Side side, int tableIndex)
{
    if (tableIndex == stored(names(side).frequency))
        return {};
    // What the lists offered before the change decides where it goes on.
    const std::vector<int> otherRows = offered(other(side));
    const std::vector<int> transmitRows = offered(Side::Transmit);
    m_undoText = QCoreApplication::translate("CChannelView", "Change Frequency");
    const CEditGroup group(m_document, m_undoText);
    if (!write(names(side).frequency, tableIndex))
        return verdict();
    writeRules(side, tableIndex);
    if (transmitFollowsReceive()) {
        if (write(names(other(side)).frequency, tableIndex))
            writeRules(other(side), tableIndex);
        return verdict();
    }
    const bool sameFrequency = tableIndex == stored(names(other(side)).frequency);
    if (!sameFrequency || stored("repeater") == 0)
        return verdict();
    if (otherRows.size() < 2) {
        // No other frequency to transmit on: the channel talks around.
        write("repeater", 0);
        return verdict();
    }
    m_notices << QCoreApplication::translate("CChannelView",
        "The transmit frequency index can not be same as the receive frequency index. The next available "
        "transmit frequency shall be selected.");
    selectNextTransmitAfter(tableIndex, transmitRows);
    return verdict();
}

void CChannelCommands::writeRules(Side side, int tableIndex)
{
    if (tableIndex < 0 || size_t(tableIndex) >= m_choices.size())
        return;
    const FrequencyChoice &choice = m_choices[size_t(tableIndex)];
    writeRule(names(side).bandwidth, choice.bandwidthRule);
    if (limitFlag("power_cntrl_enabled"))
        writeRule(names(side).power, choice.powerRule);
}

void CChannelCommands::writeRule(const char *attribute, int rule)
{
    const int item = ruleItem(rule);
    if (item >= 0 && stored(attribute) != item)
        write(attribute, item);
}

void CChannelCommands::selectNextTransmitAfter(int tableIndex, const std::vector<int> &rows)
{
    const auto position = std::ranges::find(rows, tableIndex);
    const size_t next = position == rows.end() ? 0 : size_t(position - rows.begin()) + 1;
    const int row = rows[next % rows.size()];
    if (write(names(Side::Transmit).frequency, row))
        writeRules(Side::Transmit, row);
}

CommandVerdict CChannelCommands::setRepeater(bool on)
{
    const std::vector<int> transmitRows = offered(Side::Transmit);
    m_undoText = changeOf("Repeater");
    const CEditGroup group(m_document, m_undoText);
    if (stored("repeater") != int(on) && !write("repeater", on ? 1 : 0))
        return verdict();
    const int transmit = stored(names(Side::Transmit).frequency);
    if (on && stored(names(Side::Receive).frequency) == transmit && transmitRows.size() > 1)
        selectNextTransmitAfter(transmit, transmitRows);
    return verdict();
}

bool CChannelCommands::presetUsesChannel() const
{
    const CDataItem setting = child(m_document.root(), "setting");
    if (attributeOf(child(m_document.root(), "limit"), "maxPresetButtons") <= 0)
        return false;
    CDataItem preset;
    for (int p = 0; p < setting.GetChildCount(); ++p) {
        setting.GetChildByIndex(p, preset);
        if (attributeOf(preset, "channel") != m_channel)
            continue;
        for (const char *button : kPresetButtons) {
            if (attributeOf(setting, button) == kFirstPresetFeature + p)
                return true;
        }
    }
    return false;
}

CommandVerdict CChannelCommands::setDisabled(bool disabled)
{
    const CommandQuestion question { QCoreApplication::translate("CChannelView",
                                         "This channel is assigned to a Preset Channel button. Disable this "
                                         "channel shall cause the value change of the Preset Channel button. "
                                         "Do you want to continue?"),
        MsgStyle::YesNo | MsgStyle::IconQuestion };
    if (disabled && presetUsesChannel() && !answersYes(m_ask, question))
        return CommandVerdict::declined(question);
    m_undoText = changeOf("Disable Channel");
    write("disable_channel", disabled ? 1 : 0);
    return verdict();
}

CommandVerdict CChannelCommands::setAttribute(
    const QString &attribute, const QVariant &value, const QString &undoText)
{
    m_undoText = undoText;
    const CEditGroup group(m_document, m_undoText);
    const QByteArray name = attribute.toLatin1();
    if (!write(name.constData(), value) || !transmitFollowsReceive())
        return verdict();
    // The receive settings are the transmit settings too.
    const SideNames &receive = names(Side::Receive);
    const SideNames &transmit = names(Side::Transmit);
    for (auto [from, to] : { std::pair { receive.bandwidth, transmit.bandwidth },
             std::pair { receive.power, transmit.power }, std::pair { receive.code, transmit.code } }) {
        if (name == from)
            write(to, value);
    }
    return verdict();
}
