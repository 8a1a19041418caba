// The table of the profile's fields and the checks of a value against it.

#include "ProfileFields.h"

#include "CodeplugBits.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstddef>

namespace codeplug {
namespace {

using E = FieldElement;
using C = ImageCoding;
using K = ValueKind;

constexpr int kFactory = offsetof(VirtualCP, factory);
constexpr int kLimit = offsetof(VirtualCP, limit);
constexpr int kSetting = offsetof(VirtualCP, setting);
constexpr int kCustomCodes = offsetof(VirtualCP, customCodes);
constexpr int kPresets = kSetting + offsetof(SettingBlock, presetChannels);

constexpr uint32_t kTimeouts[] = { 60, 120, 180 };
constexpr uint32_t kBacklightTimes[] = { 0, 5, 10 };
constexpr uint32_t kVoiceLanguages[] = { 0, 1, 2, 7 };
constexpr uint32_t kCompanderModes[] = { 2, 3 };
// Customised PL tones in tenths of Hz, customised DPL codes octal 001-777.
constexpr uint32_t kFirstCustomTone = 670;
constexpr uint32_t kLastCustomTone = 2550;
constexpr uint32_t kLastDplCode = 0777;
constexpr uint32_t kLastCode = 219;

constexpr ProfileField Fixed(
    E element, const char *attribute, C coding, int offset, int width, const char *caption)
{
    return { element, attribute, coding, offset, width, K::Fixed, 0, 0, {}, caption };
}

constexpr ProfileField Flag(E element, const char *attribute, int offset, const char *caption)
{
    return { element, attribute, C::Flag, offset, 1, K::Flag, 0, 1, {}, caption };
}

constexpr ProfileField Number(
    E element, const char *attribute, C coding, int offset, uint32_t min, uint32_t max, const char *caption)
{
    return { element, attribute, coding, offset, coding == C::Word16 ? 2 : 1, K::Range, min, max, {},
        caption };
}

constexpr ProfileField Listed(
    E element, const char *attribute, int offset, std::span<const uint32_t> values, const char *caption)
{
    return { element, attribute, C::Byte, offset, 1, K::List, 0, 0, values, caption };
}

constexpr ProfileField Text(E element, const char *attribute, int offset, int width, const char *caption)
{
    return { element, attribute, C::Text, offset, width, K::Text, 0, 0, {}, caption };
}

// A limit the profile text holds and the image has not: the radio's ranges
// derive from its model.
constexpr ProfileField Derived(const char *attribute, const char *caption)
{
    return { E::Limit, attribute, C::None, 0, 0, K::Fixed, 0, 0, {}, caption };
}

// A field the profile gains with its codeplug version; the image has none.
constexpr ProfileField Added(const char *attribute, K kind, uint32_t max, const char *caption)
{
    return { E::Setting, attribute, C::None, 0, 0, kind, 0, max, {}, caption };
}

constexpr ProfileField CustomCode(const char *attribute, int entry, const char *caption)
{
    const bool tone = entry < kCustomCodesPerGroup;
    return { E::Setting, attribute, C::Word16, kCustomCodes + 2 * entry, 2, K::Range,
        tone ? kFirstCustomTone : 1, tone ? kLastCustomTone : kLastDplCode, {}, caption,
        tone ? FieldCondition::CustomPl : FieldCondition::CustomDpl };
}

constexpr int limitAt(std::size_t offset)
{
    return kLimit + int(offset);
}
constexpr int settingAt(std::size_t offset)
{
    return kSetting + int(offset);
}
constexpr int channelAt(std::size_t offset)
{
    return int(offset);
}
constexpr int factoryAt(std::size_t offset)
{
    return kFactory + int(offset);
}

#define LIMIT(name, caption) Fixed(E::Limit, #name, C::Byte, limitAt(offsetof(LimitBlock, name)), 1, caption)
#define LIMIT_FLAG(name, caption)                                                                            \
    Fixed(E::Limit, #name, C::Flag, limitAt(offsetof(LimitBlock, name)), 1, caption)
#define SETTING(name) settingAt(offsetof(SettingBlock, name))
#define CHANNEL(name) channelAt(offsetof(ChannelRecord, name))

const ProfileField kFields[] = {
    Fixed(E::Factory, "serial_clone_compatibility", C::Byte, offsetof(VirtualCP, serial_clone_compatibility),
        1, QT_TRANSLATE_NOOP("ProfileFields", "Clone Compatibility")),
    Fixed(E::Factory, "firmware_phase", C::Character, factoryAt(offsetof(FactoryBlock, firmware_phase)), 1,
        QT_TRANSLATE_NOOP("ProfileFields", "Firmware Phase")),
    Fixed(E::Factory, "firmware_version", C::HexDigit, factoryAt(offsetof(FactoryBlock, firmware_version)), 1,
        QT_TRANSLATE_NOOP("ProfileFields", "Firmware Version")),
    Fixed(E::Factory, "firmware_revision", C::HexDigit, factoryAt(offsetof(FactoryBlock, firmware_revision)),
        1, QT_TRANSLATE_NOOP("ProfileFields", "Firmware Revision")),
    Fixed(E::Factory, "codeplug_phase", C::Character, factoryAt(offsetof(FactoryBlock, codeplug_phase)), 1,
        QT_TRANSLATE_NOOP("ProfileFields", "Codeplug Phase")),
    Fixed(E::Factory, "codeplug_version", C::HexNumber, factoryAt(offsetof(FactoryBlock, codeplug_version)),
        1, QT_TRANSLATE_NOOP("ProfileFields", "Codeplug Version")),
    Fixed(E::Factory, "codeplug_dev_version", C::HexNumber,
        factoryAt(offsetof(FactoryBlock, codeplug_dev_version)), 1,
        QT_TRANSLATE_NOOP("ProfileFields", "Codeplug Development Version")),
    Fixed(E::Factory, "model", C::ModelCode, factoryAt(offsetof(FactoryBlock, modelLetters)), 8,
        QT_TRANSLATE_NOOP("ProfileFields", "Model")),
    Fixed(E::Factory, "serial", C::Text, factoryAt(offsetof(FactoryBlock, serial)), kSerialLength,
        QT_TRANSLATE_NOOP("ProfileFields", "Serial Number")),
    Fixed(E::Factory, "synth_base_int_part", C::Word32,
        factoryAt(offsetof(FactoryBlock, synth_base_int_part)), 4,
        QT_TRANSLATE_NOOP("ProfileFields", "Synthesizer Base Frequency")),
    Fixed(E::Factory, "sub_region", C::SubRegion, 0, 0, QT_TRANSLATE_NOOP("ProfileFields", "Sub-region")),

    { E::Limit, "maxChannels", C::RecordCount, limitAt(offsetof(LimitBlock, maxChannels)), 1, K::Fixed, 0,
        kChannelRecordCount, {}, QT_TRANSLATE_NOOP("ProfileFields", "Maximum Channel") },
    { E::Limit, "max_valid_freqs", C::RecordCount, limitAt(offsetof(LimitBlock, max_valid_freqs)), 1,
        K::Fixed, 0, kFrequencyRecordCount, {}, QT_TRANSLATE_NOOP("ProfileFields", "Frequencies in Use") },
    Fixed(E::Limit, "start_freq", C::Word32, limitAt(offsetof(LimitBlock, start_freq)), 4,
        QT_TRANSLATE_NOOP("ProfileFields", "Lowest Frequency")),
    Fixed(E::Limit, "end_freq", C::Word32, limitAt(offsetof(LimitBlock, end_freq)), 4,
        QT_TRANSLATE_NOOP("ProfileFields", "Highest Frequency")),
    Derived("rx_start_freq", QT_TRANSLATE_NOOP("ProfileFields", "Lowest Receive Frequency")),
    Derived("rx_end_freq", QT_TRANSLATE_NOOP("ProfileFields", "Highest Receive Frequency")),
    Derived("tx_start_freq", QT_TRANSLATE_NOOP("ProfileFields", "Lowest Transmit Frequency")),
    Derived("tx_end_freq", QT_TRANSLATE_NOOP("ProfileFields", "Highest Transmit Frequency")),
    LIMIT_FLAG(disable_time_out_timer, QT_TRANSLATE_NOOP("ProfileFields", "Time-out Timer Not Available")),
    LIMIT_FLAG(disable_keypad_beep_feature, QT_TRANSLATE_NOOP("ProfileFields", "Keypad Beep Not Available")),
    LIMIT_FLAG(disable_roger_beep_feature, QT_TRANSLATE_NOOP("ProfileFields", "Roger Beep Not Available")),
    LIMIT_FLAG(disable_busy_led_mode, QT_TRANSLATE_NOOP("ProfileFields", "Busy LED Not Available")),
    LIMIT_FLAG(enable_reverse_burst, QT_TRANSLATE_NOOP("ProfileFields", "PL Reverse Burst Available")),
    LIMIT_FLAG(disable_vox_feature, QT_TRANSLATE_NOOP("ProfileFields", "VOX Not Available")),
    LIMIT_FLAG(disable_ivox_feature, QT_TRANSLATE_NOOP("ProfileFields", "iVOX Not Available")),
    LIMIT_FLAG(disable_scramble_feature, QT_TRANSLATE_NOOP("ProfileFields", "Scramble Not Available")),
    LIMIT_FLAG(
        disable_battery_save_feature, QT_TRANSLATE_NOOP("ProfileFields", "Battery Save Not Available")),
    LIMIT_FLAG(factory_reset_disable, QT_TRANSLATE_NOOP("ProfileFields", "Factory Reset Not Available")),
    LIMIT_FLAG(disable_scan_mode, QT_TRANSLATE_NOOP("ProfileFields", "Scan Not Available")),
    LIMIT(max_call_tones, QT_TRANSLATE_NOOP("ProfileFields", "Number of Call Tones")),
    LIMIT(maxPresetButtons, QT_TRANSLATE_NOOP("ProfileFields", "Number of Preset Buttons")),
    Fixed(E::Limit, "maxCodes", C::Word32, limitAt(offsetof(LimitBlock, maxCodes)), 4,
        QT_TRANSLATE_NOOP("ProfileFields", "Number of PL/DPL Codes")),
    LIMIT_FLAG(power_cntrl_enabled, QT_TRANSLATE_NOOP("ProfileFields", "Power Selection Available")),
    LIMIT_FLAG(backlight_button_enabled, QT_TRANSLATE_NOOP("ProfileFields", "Backlight Button Available")),
    Flag(E::Limit, "programming_mode_enabled", limitAt(offsetof(LimitBlock, programming_mode_enabled)),
        QT_TRANSLATE_NOOP("ProfileFields", "Enable Programming Mode")),
    LIMIT_FLAG(call_feature_disable, QT_TRANSLATE_NOOP("ProfileFields", "Call Not Available")),
    LIMIT_FLAG(monitor_feature_disable, QT_TRANSLATE_NOOP("ProfileFields", "Monitor Not Available")),
    LIMIT_FLAG(disable_keypad_lock_feature, QT_TRANSLATE_NOOP("ProfileFields", "Keypad Lock Not Available")),
    LIMIT_FLAG(disable_repeater_feature, QT_TRANSLATE_NOOP("ProfileFields", "Repeater Not Available")),
    LIMIT_FLAG(disable_channel_enable, QT_TRANSLATE_NOOP("ProfileFields", "Channel Disabling Available")),
    LIMIT_FLAG(talkaround_scan_enable, QT_TRANSLATE_NOOP("ProfileFields", "Talkaround Scan Available")),
    LIMIT_FLAG(voice_chip_enable, QT_TRANSLATE_NOOP("ProfileFields", "Channel Announcement Available")),

    { E::Setting, "password", C::Text, SETTING(password), kPasswordLength, K::Password, 0, 0, {},
        QT_TRANSLATE_NOOP("ProfileFields", "Codeplug Password (4-digit number)") },
    Flag(E::Setting, "disableLED", SETTING(disableLED),
        QT_TRANSLATE_NOOP("ProfileFields", "Disable All LEDs")),
    Flag(E::Setting, "disableRestoreFactoryDefault", SETTING(disableRestoreFactoryDefault),
        QT_TRANSLATE_NOOP("ProfileFields", "Disable Restore Factory Default")),
    Flag(E::Setting, "backlight_enabled", SETTING(backlight_enabled),
        QT_TRANSLATE_NOOP("ProfileFields", "Backlight")),
    Listed(E::Setting, "timeoutTimer", SETTING(timeoutTimer), kTimeouts,
        QT_TRANSLATE_NOOP("ProfileFields", "Transmit Timeout Timer (Sec.)")),
    Flag(E::Setting, "reverseBurst", SETTING(reverseBurst),
        QT_TRANSLATE_NOOP("ProfileFields", "PL Reverse Burst")),
    Number(E::Setting, "vox_level", C::Byte, SETTING(vox_level), 0, 3,
        QT_TRANSLATE_NOOP("ProfileFields", "VOX Level")),
    Number(E::Setting, "ivol_level", C::Byte, SETTING(ivol_level), 0, 2,
        QT_TRANSLATE_NOOP("ProfileFields", "iVOX Level")),
    Number(E::Setting, "microphoneGain", C::Byte, SETTING(microphoneGain), 0, 2,
        QT_TRANSLATE_NOOP("ProfileFields", "Microphone Gain")),
    Number(E::Setting, "accessoryMicrophoneGain", C::Byte, SETTING(accessoryMicrophoneGain), 0, 2,
        QT_TRANSLATE_NOOP("ProfileFields", "Accessory Microphone Gain")),
    Flag(E::Setting, "batteryType", SETTING(batteryType),
        QT_TRANSLATE_NOOP("ProfileFields", "Alternate Battery Selection")),
    Flag(E::Setting, "disableBatterySave", SETTING(disableBatterySave),
        QT_TRANSLATE_NOOP("ProfileFields", "Disable Battery Save")),
    Number(E::Setting, "side1_but", C::ButtonSlot, kSide1ButtonSlot, 0, 15,
        QT_TRANSLATE_NOOP("ProfileFields", "Side Button 1 (SB1)")),
    Number(E::Setting, "side2_but", C::ButtonSlot, kSide2ButtonSlot, 0, 15,
        QT_TRANSLATE_NOOP("ProfileFields", "Side Button 2 (SB2)")),
    Number(E::Setting, "upper_right_but", C::ButtonSlot, kUpperRightButtonSlot, 0, 15,
        QT_TRANSLATE_NOOP("ProfileFields", "Button A")),
    Number(E::Setting, "lower_left_but", C::ButtonSlot, kLowerLeftButtonSlot, 0, 15,
        QT_TRANSLATE_NOOP("ProfileFields", "Button B")),
    Number(E::Setting, "lower_right_but", C::ButtonSlot, kLowerRightButtonSlot, 0, 15,
        QT_TRANSLATE_NOOP("ProfileFields", "Button C")),
    Fixed(E::Setting, "numberChannels", C::Byte, SETTING(numberChannels), 1,
        QT_TRANSLATE_NOOP("ProfileFields", "Number of Channels")),
    Listed(E::Setting, "voice_language", SETTING(voice_language), kVoiceLanguages,
        QT_TRANSLATE_NOOP("ProfileFields", "Channel Announcement Language")),
    CustomCode("PLcode124", 0, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 124 (Hz)")),
    CustomCode("PLcode125", 1, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 125 (Hz)")),
    CustomCode("PLcode126", 2, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 126 (Hz)")),
    CustomCode("PLcode127", 3, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 127 (Hz)")),
    CustomCode("PLcode128", 4, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 128 (Hz)")),
    CustomCode("PLcode129", 5, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 129 (Hz)")),
    CustomCode("PLcode214", 6, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 214 (OCT)")),
    CustomCode("PLcode215", 7, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 215 (OCT)")),
    CustomCode("PLcode216", 8, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 216 (OCT)")),
    CustomCode("PLcode217", 9, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 217 (OCT)")),
    CustomCode("PLcode218", 10, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 218 (OCT)")),
    CustomCode("PLcode219", 11, QT_TRANSLATE_NOOP("ProfileFields", "PL Code 219 (OCT)")),
    Text(E::Setting, "powerupString", SETTING(powerupString), kPowerupStringLength,
        QT_TRANSLATE_NOOP("ProfileFields", "Power Up Text")),
    Flag(E::Setting, "rogerBeepTone", SETTING(rogerBeepTone),
        QT_TRANSLATE_NOOP("ProfileFields", "Roger Beep Tone")),
    Flag(E::Setting, "disableSelectableScramble", SETTING(disableSelectableScramble),
        QT_TRANSLATE_NOOP("ProfileFields", "Scramble Button")),
    Listed(E::Setting, "backlight_timeout", SETTING(backlight_timeout), kBacklightTimes,
        QT_TRANSLATE_NOOP("ProfileFields", "Back Light (Sec.)")),
    Number(E::Setting, "callTone", C::Byte, SETTING(callTone), 0, 15,
        QT_TRANSLATE_NOOP("ProfileFields", "Call Tone")),
    Flag(E::Setting, "keypadLock", SETTING(keypadLock), QT_TRANSLATE_NOOP("ProfileFields", "Keypad Lock")),
    Flag(E::Setting, "keypadBeep", SETTING(keypadBeep), QT_TRANSLATE_NOOP("ProfileFields", "Keypad Beep")),
    Added("stationID", K::Text, 9, QT_TRANSLATE_NOOP("ProfileFields", "Repeater Station ID")),
    Added("rep_id_mode", K::Range, 3, QT_TRANSLATE_NOOP("ProfileFields", "Repeater ID Mode")),
    Added("rep_hangtime", K::Range, 50, QT_TRANSLATE_NOOP("ProfileFields", "Tx Hangtime (Sec.)")),
    Added("low_battery_tx", K::Range, 255, QT_TRANSLATE_NOOP("ProfileFields", "Tx Low Battery (Min.)")),
    Added("onbatt_alert", K::Range, 4, QT_TRANSLATE_NOOP("ProfileFields", "On Battery Alert Tone")),
    Added("courtesy_over", K::Flag, 1, QT_TRANSLATE_NOOP("ProfileFields", "Enable Courtesy Over Beep")),

    Number(E::Preset, "channel", C::Byte, kPresets, 0, kChannelRecordCount - 1,
        QT_TRANSLATE_NOOP("ProfileFields", "Preset Channel")),

    Number(E::Channel, "rx_freq_ndx", C::Byte, CHANNEL(rx_freq_ndx), 0, kFrequencyRecordCount - 1,
        QT_TRANSLATE_NOOP("ProfileFields", "Receive Frequency")),
    Number(E::Channel, "rx_code", C::Byte, CHANNEL(rx_code), 0, kLastCode,
        QT_TRANSLATE_NOOP("ProfileFields", "Receive PL/DPL Code")),
    Number(E::Channel, "tx_freq_ndx", C::Byte, CHANNEL(tx_freq_ndx), 0, kFrequencyRecordCount - 1,
        QT_TRANSLATE_NOOP("ProfileFields", "Transmit Frequency")),
    Number(E::Channel, "tx_code", C::Byte, CHANNEL(tx_code), 0, kLastCode,
        QT_TRANSLATE_NOOP("ProfileFields", "Transmit PL/DPL Code")),
    Flag(E::Channel, "rx_bw", CHANNEL(rx_bw),
        QT_TRANSLATE_NOOP("ProfileFields", "Receive Bandwidth (0 12.5 KHz, 1 25 KHz)")),
    Flag(E::Channel, "tx_bw", CHANNEL(tx_bw),
        QT_TRANSLATE_NOOP("ProfileFields", "Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)")),
    Flag(E::Channel, "talkaround_power", CHANNEL(talkaround_power),
        QT_TRANSLATE_NOOP("ProfileFields", "Talkaround Power (0 low, 1 high)")),
    Flag(E::Channel, "repeater_power", CHANNEL(repeater_power),
        QT_TRANSLATE_NOOP("ProfileFields", "Repeater Power (0 low, 1 high)")),
    Flag(E::Channel, "repeater", CHANNEL(repeater), QT_TRANSLATE_NOOP("ProfileFields", "Repeater")),
    Flag(E::Channel, "autoScan", CHANNEL(autoScan), QT_TRANSLATE_NOOP("ProfileFields", "Auto Scan")),
    Number(E::Channel, "scramble_code", C::Byte, CHANNEL(scramble_code), 0, 3,
        QT_TRANSLATE_NOOP("ProfileFields", "Scramble")),
    Text(E::Channel, "name", CHANNEL(name), kChannelNameLength, QT_TRANSLATE_NOOP("ProfileFields", "Name")),
    { E::Channel, "disable_channel", C::Flag, CHANNEL(disable_channel), 1, K::Flag, 0, 1, {},
        QT_TRANSLATE_NOOP("ProfileFields", "Disable Channel"), FieldCondition::ChannelFlags },
    { E::Channel, "talkaround_scan", C::Flag, CHANNEL(talkaround_scan), 1, K::Flag, 0, 1, {},
        QT_TRANSLATE_NOOP("ProfileFields", "Dynamic Talkaround Scan"), FieldCondition::ChannelFlags },
    { E::Channel, "in_scanlist", C::ScanBit, 0, 0, K::Flag, 0, 1, {},
        QT_TRANSLATE_NOOP("ProfileFields", "Scan List") },

    { E::Frequency, "freq", C::Frequency, 0, 16, K::Range, 0, UINT32_MAX, {},
        QT_TRANSLATE_NOOP("ProfileFields", "Frequency") },
    { E::Frequency, "bandwidth", C::TwoBits, offsetof(FrequencyRecord, bandwidth), 1, K::Range, 0, 3, {},
        QT_TRANSLATE_NOOP("ProfileFields", "Bandwidth") },
    { E::Frequency, "power_level", C::TwoBits, offsetof(FrequencyRecord, power_level), 1, K::Range, 0, 3, {},
        QT_TRANSLATE_NOOP("ProfileFields", "Power Level") },
    { E::Frequency, "compander_lle_mode", C::Byte, offsetof(FrequencyRecord, compander_lle_mode), 1, K::List,
        0, 0, kCompanderModes, QT_TRANSLATE_NOOP("ProfileFields", "Compander") },
};

#undef LIMIT
#undef LIMIT_FLAG
#undef SETTING
#undef CHANNEL

constexpr const char *kElementNames[]
    = { "factory_setting", "limit", "setting", "preset", "channel", "frequency" };
constexpr const char *kElementCaptions[] = {
    QT_TRANSLATE_NOOP("ProfileFields", "Radio Information"),
    QT_TRANSLATE_NOOP("ProfileFields", "Radio Limits"),
    QT_TRANSLATE_NOOP("ProfileFields", "Settings"),
    QT_TRANSLATE_NOOP("ProfileFields", "Preset"),
    QT_TRANSLATE_NOOP("ProfileFields", "Channel"),
    QT_TRANSLATE_NOOP("ProfileFields", "Frequency"),
};

QString translated(const char *text)
{
    return QCoreApplication::translate("ProfileFields", text);
}

QString numberList(std::span<const uint32_t> values)
{
    QStringList texts;
    for (uint32_t value : values)
        texts << QString::number(value);
    return texts.join(QLatin1String(", "));
}

bool allDigits(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}

bool takes(const ProfileField &field, const QString &value)
{
    bool ok = false;
    const uint32_t number = value.toUInt(&ok);
    switch (field.kind) {
    case K::Fixed:
        return false;
    case K::Flag:
    case K::Range:
        return ok && allDigits(value) && number >= field.min && number <= field.max;
    case K::List:
        return ok && allDigits(value) && std::ranges::find(field.values, number) != field.values.end();
    case K::Text:
        return value.size() <= field.width || (!field.inImage() && value.size() <= int(field.max));
    case K::Password:
        return value.isEmpty() || (value.size() == field.width && allDigits(value));
    }
    return false;
}

} // namespace

QString ProfileField::elementName() const
{
    return QLatin1String(kElementNames[int(element)]);
}

QString ProfileField::name() const
{
    return elementName() + QLatin1Char('.') + QLatin1String(attribute);
}

bool ProfileField::repeats() const
{
    return element == E::Preset || element == E::Channel || element == E::Frequency;
}

std::optional<FieldElement> elementNamed(QStringView name)
{
    const auto found
        = std::ranges::find_if(kElementNames, [name](const char *n) { return name == QLatin1String(n); });
    if (found == std::end(kElementNames))
        return std::nullopt;
    return FieldElement(found - std::begin(kElementNames));
}

QString elementCaption(FieldElement element)
{
    return translated(kElementCaptions[int(element)]);
}

QString fieldCaption(const ProfileField &field)
{
    return translated(field.caption);
}

std::span<const ProfileField> profileFields()
{
    return kFields;
}

std::span<const ProfileField> fieldsOf(FieldElement element)
{
    const auto first = std::ranges::find(kFields, element, &ProfileField::element);
    const auto last = std::find_if(
        first, std::end(kFields), [element](const ProfileField &f) { return f.element != element; });
    return { first, last };
}

const ProfileField *findField(QStringView name)
{
    const auto found
        = std::ranges::find_if(kFields, [name](const ProfileField &f) { return f.name() == name; });
    return found == std::end(kFields) ? nullptr : &*found;
}

QString fieldDomain(const ProfileField &field)
{
    switch (field.kind) {
    case K::Fixed:
        return translated(QT_TRANSLATE_NOOP("ProfileFields", "no change: the radio or the template sets it"));
    case K::Flag:
        return translated(QT_TRANSLATE_NOOP("ProfileFields", "0 or 1"));
    case K::Range:
        return translated(QT_TRANSLATE_NOOP("ProfileFields", "a number from %1 to %2"))
            .arg(field.min)
            .arg(field.max);
    case K::List:
        return translated(QT_TRANSLATE_NOOP("ProfileFields", "one of %1")).arg(numberList(field.values));
    case K::Text:
        return translated(QT_TRANSLATE_NOOP("ProfileFields", "a text of at most %1 characters"))
            .arg(field.inImage() ? uint32_t(field.width) : field.max);
    case K::Password:
        return translated(QT_TRANSLATE_NOOP("ProfileFields", "%1 digits or nothing")).arg(field.width);
    }
    return {};
}

std::optional<QString> checkFieldValue(const ProfileField &field, const QString &value, const QString &name)
{
    if (takes(field, value))
        return std::nullopt;
    return translated(QT_TRANSLATE_NOOP("ProfileFields", "%1 takes %2."))
        .arg(name.isEmpty() ? field.name() : name, fieldDomain(field));
}

} // namespace codeplug
