#include "ModelRules.h"

#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/StringTable.h"
#include "base/VelaException.h"

#include <QCoreApplication>

namespace ModelRules {

QString text(const char *message)
{
    return QCoreApplication::translate("ModelRules", message);
}

const char *const kRangeMessage = QT_TRANSLATE_NOOP("ModelRules",
    "At least one channel frequency is out of the valid frequency range. Please correct it before "
    "programming. "
    "If there is no valid frequency to select, please edit the frequency table first.");
const char *const kNarrowbandNotice = QT_TRANSLATE_NOOP("ModelRules",
    "This Customer Programming Software is intended for programming radios to be used in the United States "
    "of "
    "America (USA) to ensure compliance with the narrowband mandate issued by the Federal Communications "
    "Commission (FCC).   Programming of the radio to operate on 25 KHz channel spacing is not permitted "
    "and has "
    "been disabled in this application in compliance with the FCC mandate effective January 1st, 2013.");

namespace {

constexpr qint64 kModelCodeStartFrequency = 151500000;

CDataItem child(const CDataItem &root, const char *name)
{
    CDataItem result;
    root.GetChildByName(QLatin1String(name), result);
    return result;
}

qint64 number(const CDataItem &item, const char *attribute)
{
    return item.GetAttributeValue(QLatin1String(attribute)).toLongLong();
}

// A flag counts as set only as the exact text "1" (or a true boolean).
bool flag(const CDataItem &item, const char *attribute)
{
    const QVariant value = item.GetAttributeValue(QLatin1String(attribute));
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return value.toString() == QLatin1String("1");
}

QList<CDataItem> children(const CDataItem &parent)
{
    QList<CDataItem> list;
    const int count = parent.GetChildCount();
    for (int i = 0; i < count; ++i) {
        CDataItem item;
        parent.GetChildByIndex(i, item);
        if (!item.isEmpty())
            list << item;
    }
    return list;
}

QString modelCharacters(const CDataItem &root, int from, int count)
{
    return ModelCode(root).mid(from, count);
}

bool isFourOrFiveWattRotary(const CDataItem &root)
{
    const QChar power = PowerClass(root);
    return (power == QLatin1Char('4') || power == QLatin1Char('5'))
        && modelCharacters(root, 2, 1) == QLatin1String("R");
}

} // namespace

HookVerdict WriteThroughItem(CDataItem &item, const QString &attribute, const QVariant &value)
{
    return item.SetAttributeValue(attribute, value);
}

QString ModelCode(const CDataItem &root)
{
    return child(root, "factory_setting").GetAttributeValue(QStringLiteral("model")).toString();
}

bool IsDisplayModel(const CDataItem &root)
{
    return modelCharacters(root, 2, 1).compare(QLatin1String("D"), Qt::CaseInsensitive) == 0;
}

bool IsRepeaterModel(const CDataItem &root)
{
    const QString region = modelCharacters(root, 6, 2);
    return region.compare(QLatin1String("70"), Qt::CaseInsensitive) == 0
        || region.compare(QLatin1String("73"), Qt::CaseInsensitive) == 0;
}

QChar PowerClass(const CDataItem &root)
{
    const QString code = ModelCode(root);
    return code.size() > 3 ? code.at(3) : QChar();
}

int GetEnabledChannelCount(const CDataItem &root)
{
    try {
        const int numberChannels = int(number(child(root, "setting"), "numberChannels"));
        const CDataItem channels = child(root, "channels");
        int enabled = 0;
        for (int i = 0; i < numberChannels; ++i) {
            CDataItem channel;
            channels.GetChildByIndex(i, channel);
            if (!channel.isEmpty() && !flag(channel, "disable_channel"))
                ++enabled;
        }
        return enabled;
    } catch (CVelaCPSException &exception) {
        exception.passThrough("GetEnabledChannelCount", __LINE__);
        throw;
    }
}

bool CheckChannelFrequencyRange(const CDataItem &root)
{
    const CDataItem limit = child(root, "limit");
    const qint64 start = number(limit, "start_freq");
    const qint64 end = number(limit, "end_freq");
    const int numberChannels = int(number(child(root, "setting"), "numberChannels"));
    const CDataItem channels = child(root, "channels");
    const CDataItem frequencies = child(root, "frequencies");
    auto outside = [&](qint64 index) {
        CDataItem row;
        frequencies.GetChildByIndex(int(index), row);
        // A channel pointing past the frequency table has no valid frequency.
        if (row.isEmpty())
            return true;
        const qint64 frequency = number(row, "freq");
        return frequency < start || frequency > end;
    };
    for (int i = 0; i < numberChannels; ++i) {
        CDataItem channel;
        channels.GetChildByIndex(i, channel);
        if (channel.isEmpty())
            return false;
        if (outside(number(channel, "tx_freq_ndx")) || outside(number(channel, "rx_freq_ndx")))
            return false;
    }
    return true;
}

bool CheckCustomCodes(const CDataItem &root, unsigned limit)
{
    const int numberChannels = int(number(child(root, "setting"), "numberChannels"));
    const CDataItem channels = child(root, "channels");
    for (int i = 0; i < numberChannels; ++i) {
        CDataItem channel;
        channels.GetChildByIndex(i, channel);
        if (channel.isEmpty())
            break;
        if (number(channel, "rx_code") > limit || number(channel, "tx_code") > limit)
            return false;
    }
    return true;
}

void SaveLimitValues(CDataItem &root, SavedLimitValues &saved, const AttributeWriter &write)
{
    if (!CConfigStore::limitSavingRuleEnabled())
        return;
    CDataItem limit = child(root, "limit");
    // Only the values of the profile as loaded count: when the profile is
    // shown again, the values this rule switched off must not replace them.
    if (!saved.saved) {
        saved.disableChannelEnable = int(number(limit, "disable_channel_enable"));
        saved.talkaroundScanEnable = int(number(limit, "talkaround_scan_enable"));
        saved.voiceChipEnable = int(number(limit, "voice_chip_enable"));
        saved.maxCodes = int(number(limit, "maxCodes"));
        saved.saved = true;
    }
    write(limit, QStringLiteral("disable_channel_enable"), 0);
    write(limit, QStringLiteral("talkaround_scan_enable"), 0);
    write(limit, QStringLiteral("voice_chip_enable"), 0);
    if (number(limit, "maxCodes") > 213)
        write(limit, QStringLiteral("maxCodes"), 213);
}

void ApplyRepeaterFeatureRule(CDataItem &root, const AttributeWriter &write)
{
    if (!isFourOrFiveWattRotary(root))
        return;
    try {
        CDataItem limit = child(root, "limit");
        write(limit, QStringLiteral("disable_repeater_feature"), 0);
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
    }
}

void ApplyModelSpecificSettingsRule(CDataItem &root)
{
    if (!isFourOrFiveWattRotary(root))
        return;
    try {
        XmlNode factory = child(root, "factory_setting").node();
        factory.setAttribute(QStringLiteral("Specific_Info"), QStringLiteral("4_5WNondisplay"));
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
    } catch (const XmlError &) {
        showMessage(StringTable::text(VelaError::Unknown), MsgStyle::IconError);
    }
}

void ApplyModelCodeRule(CDataItem &root, const AttributeWriter &write)
{
    const QString model = ModelCode(root);
    if (model != QLatin1String("KXR40400") && model != QLatin1String("KXD40600"))
        return;
    CDataItem limit = child(root, "limit");
    if (!write(limit, QStringLiteral("start_freq"), quint32(kModelCodeStartFrequency)).accepted())
        return;
    bool changed = false;
    for (CDataItem &row : children(child(root, "frequencies"))) {
        if (number(row, "freq") < kModelCodeStartFrequency) {
            write(row, QStringLiteral("freq"), quint32(kModelCodeStartFrequency));
            changed = true;
        }
    }
    if (changed)
        showMessage(QCoreApplication::translate("ModelRules",
                        "At least one frequency in the RF Frequency table is out of the valid frequency "
                        "range. CPS corrected it to 151.5 MHz in the profile."),
            MsgStyle::IconWarning);
}

void ApplyNarrowbandRule(CDataItem &root, const AttributeWriter &write)
{
    const QString region = modelCharacters(root, 6, 2);
    if (region != QLatin1String("00") && region != QLatin1String("04") && region != QLatin1String("70"))
        return;
    bool changed = false;
    for (CDataItem &row : children(child(root, "frequencies"))) {
        if (number(row, "bandwidth") != 0) {
            write(row, QStringLiteral("bandwidth"), 0);
            changed = true;
        }
    }
    for (CDataItem &channel : children(child(root, "channels"))) {
        for (const char *bandwidth : { "rx_bw", "tx_bw" }) {
            if (flag(channel, bandwidth)) {
                write(channel, QLatin1String(bandwidth), 0);
                changed = true;
            }
        }
    }
    if (changed)
        showMessage(text(kNarrowbandNotice), MsgStyle::IconInformation);
}

void ApplyCompanderRule(CDataItem &root, const AttributeWriter &write)
{
    for (CDataItem &row : children(child(root, "frequencies"))) {
        if (number(row, "bandwidth") == 1)
            write(row, QStringLiteral("compander_lle_mode"), 3);
    }
}

void ApplyVoiceChipRule(CDataItem &root, const AttributeWriter &write)
{
    const CDataItem factory = child(root, "factory_setting");
    const QChar power = PowerClass(root);
    if (number(factory, "codeplug_version") == 3 && number(factory, "codeplug_dev_version") == 3
        && (power == QLatin1Char('4') || power == QLatin1Char('5'))) {
        CDataItem limit = child(root, "limit");
        write(limit, QStringLiteral("voice_chip_enable"), 0);
    }
}

void RunLoadTimeRules(CDataItem &root, SavedLimitValues &saved, const AttributeWriter &write)
{
    SaveLimitValues(root, saved, write);
    ApplyRepeaterFeatureRule(root, write);
    ApplyModelSpecificSettingsRule(root);
    ApplyModelCodeRule(root, write);
    ApplyNarrowbandRule(root, write);
    ApplyCompanderRule(root, write);
    ApplyVoiceChipRule(root, write);
}

void ApplyChannelCountRule(CDataItem &root, const AttributeWriter &write)
{
    CDataItem setting = child(root, "setting");
    const qint64 numberChannels = number(setting, "numberChannels");
    const int held = child(root, "channels").GetChildCount();
    if (numberChannels <= held)
        return;
    write(setting, QStringLiteral("numberChannels"), held);
    showMessage(QCoreApplication::translate("ModelRules",
                    "The profile names %1 channels in use but holds only %2. CPS uses the %2 channels "
                    "it holds.")
                    .arg(numberChannels)
                    .arg(held),
        MsgStyle::IconWarning);
}

} // namespace ModelRules
