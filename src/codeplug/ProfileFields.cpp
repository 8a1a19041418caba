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

constexpr ProfileField Fixed(E element, const char *attribute, C coding, int offset, int width)
{
    return { element, attribute, coding, offset, width, K::Fixed, 0, 0, {}, nullptr };
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

#define LIMIT(name) Fixed(E::Limit, #name, C::Byte, limitAt(offsetof(LimitBlock, name)), 1)
#define LIMIT_FLAG(name) Fixed(E::Limit, #name, C::Flag, limitAt(offsetof(LimitBlock, name)), 1)
#define SETTING(name) settingAt(offsetof(SettingBlock, name))
#define CHANNEL(name) channelAt(offsetof(ChannelRecord, name))

const ProfileField kFields[] = {
    Fixed(E::Factory, "serial_clone_compatibility", C::Byte, offsetof(VirtualCP, serial_clone_compatibility),
        1),
    Fixed(E::Factory, "firmware_phase", C::Character, factoryAt(offsetof(FactoryBlock, firmware_phase)), 1),
    Fixed(
        E::Factory, "firmware_version", C::HexDigit, factoryAt(offsetof(FactoryBlock, firmware_version)), 1),
    Fixed(E::Factory, "firmware_revision", C::HexDigit, factoryAt(offsetof(FactoryBlock, firmware_revision)),
        1),
    Fixed(E::Factory, "codeplug_phase", C::Character, factoryAt(offsetof(FactoryBlock, codeplug_phase)), 1),
    Fixed(
        E::Factory, "codeplug_version", C::HexNumber, factoryAt(offsetof(FactoryBlock, codeplug_version)), 1),
    Fixed(E::Factory, "codeplug_dev_version", C::HexNumber,
        factoryAt(offsetof(FactoryBlock, codeplug_dev_version)), 1),
    Fixed(E::Factory, "model", C::ModelCode, factoryAt(offsetof(FactoryBlock, modelLetters)), 8),
    Fixed(E::Factory, "serial", C::Text, factoryAt(offsetof(FactoryBlock, serial)), kSerialLength),
    Fixed(E::Factory, "synth_base_int_part", C::Word32,
        factoryAt(offsetof(FactoryBlock, synth_base_int_part)), 4),
    Fixed(E::Factory, "sub_region", C::SubRegion, 0, 0),

    { E::Limit, "maxChannels", C::RecordCount, limitAt(offsetof(LimitBlock, maxChannels)), 1, K::Fixed, 0,
        kChannelRecordCount, {}, nullptr },
    { E::Limit, "max_valid_freqs", C::RecordCount, limitAt(offsetof(LimitBlock, max_valid_freqs)), 1,
        K::Fixed, 0, kFrequencyRecordCount, {}, nullptr },
    Fixed(E::Limit, "start_freq", C::Word32, limitAt(offsetof(LimitBlock, start_freq)), 4),
    Fixed(E::Limit, "end_freq", C::Word32, limitAt(offsetof(LimitBlock, end_freq)), 4),
    LIMIT_FLAG(disable_time_out_timer),
    LIMIT_FLAG(disable_keypad_beep_feature),
    LIMIT_FLAG(disable_roger_beep_feature),
    LIMIT_FLAG(disable_busy_led_mode),
    LIMIT_FLAG(enable_reverse_burst),
    LIMIT_FLAG(disable_vox_feature),
    LIMIT_FLAG(disable_ivox_feature),
    LIMIT_FLAG(disable_scramble_feature),
    LIMIT_FLAG(disable_battery_save_feature),
    LIMIT_FLAG(factory_reset_disable),
    LIMIT_FLAG(disable_scan_mode),
    LIMIT(max_call_tones),
    LIMIT(maxPresetButtons),
    Fixed(E::Limit, "maxCodes", C::Word32, limitAt(offsetof(LimitBlock, maxCodes)), 4),
    LIMIT_FLAG(power_cntrl_enabled),
    LIMIT_FLAG(backlight_button_enabled),
    Flag(E::Limit, "programming_mode_enabled", limitAt(offsetof(LimitBlock, programming_mode_enabled)),
        "Enable Programming Mode"),
    LIMIT_FLAG(call_feature_disable),
    LIMIT_FLAG(monitor_feature_disable),
    LIMIT_FLAG(disable_keypad_lock_feature),
    LIMIT_FLAG(disable_repeater_feature),
    LIMIT_FLAG(disable_channel_enable),
    LIMIT_FLAG(talkaround_scan_enable),
    LIMIT_FLAG(voice_chip_enable),

    { E::Setting, "password", C::Text, SETTING(password), kPasswordLength, K::Password, 0, 0, {},
        "Codeplug Password (4-digit number)" },
    Flag(E::Setting, "disableLED", SETTING(disableLED), "Disable All LEDs"),
    Flag(E::Setting, "disableRestoreFactoryDefault", SETTING(disableRestoreFactoryDefault),
        "Disable Restore Factory Default"),
    Flag(E::Setting, "backlight_enabled", SETTING(backlight_enabled), "Back Light (Sec.)"),
    Listed(E::Setting, "timeoutTimer", SETTING(timeoutTimer), kTimeouts, "Transmit Timeout Timer (Sec.)"),
    Flag(E::Setting, "reverseBurst", SETTING(reverseBurst), "PL Reverse Burst"),
    Number(E::Setting, "vox_level", C::Byte, SETTING(vox_level), 0, 3, "VOX Level"),
    Number(E::Setting, "ivol_level", C::Byte, SETTING(ivol_level), 0, 2, "iVOX Level"),
    Number(E::Setting, "microphoneGain", C::Byte, SETTING(microphoneGain), 0, 2, "Microphone Gain"),
    Number(E::Setting, "accessoryMicrophoneGain", C::Byte, SETTING(accessoryMicrophoneGain), 0, 2,
        "Accessory Microphone Gain"),
    Flag(E::Setting, "batteryType", SETTING(batteryType), "Alternate Battery Selection"),
    Flag(E::Setting, "disableBatterySave", SETTING(disableBatterySave), "Disable Battery Save"),
    Number(E::Setting, "side1_but", C::ButtonSlot, kSide1ButtonSlot, 0, 15, "Side Button 1 (SB1)"),
    Number(E::Setting, "side2_but", C::ButtonSlot, kSide2ButtonSlot, 0, 15, "Side Button 2 (SB2)"),
    Number(E::Setting, "upper_right_but", C::ButtonSlot, kUpperRightButtonSlot, 0, 15, "Button A"),
    Number(E::Setting, "lower_left_but", C::ButtonSlot, kLowerLeftButtonSlot, 0, 15, "Button B"),
    Number(E::Setting, "lower_right_but", C::ButtonSlot, kLowerRightButtonSlot, 0, 15, "Button C"),
    Fixed(E::Setting, "numberChannels", C::Byte, SETTING(numberChannels), 1),
    Listed(E::Setting, "voice_language", SETTING(voice_language), kVoiceLanguages,
        "Channel Announcement Language"),
    CustomCode("PLcode124", 0, "PL Code 124 (Hz)"),
    CustomCode("PLcode125", 1, "PL Code 125 (Hz)"),
    CustomCode("PLcode126", 2, "PL Code 126 (Hz)"),
    CustomCode("PLcode127", 3, "PL Code 127 (Hz)"),
    CustomCode("PLcode128", 4, "PL Code 128 (Hz)"),
    CustomCode("PLcode129", 5, "PL Code 129 (Hz)"),
    CustomCode("PLcode214", 6, "PL Code 214 (OCT)"),
    CustomCode("PLcode215", 7, "PL Code 215 (OCT)"),
    CustomCode("PLcode216", 8, "PL Code 216 (OCT)"),
    CustomCode("PLcode217", 9, "PL Code 217 (OCT)"),
    CustomCode("PLcode218", 10, "PL Code 218 (OCT)"),
    CustomCode("PLcode219", 11, "PL Code 219 (OCT)"),
    Text(E::Setting, "powerupString", SETTING(powerupString), kPowerupStringLength, "Power Up Text"),
    Flag(E::Setting, "rogerBeepTone", SETTING(rogerBeepTone), "Roger Beep Tone"),
    Flag(E::Setting, "disableSelectableScramble", SETTING(disableSelectableScramble), "Scramble Button"),
    Listed(E::Setting, "backlight_timeout", SETTING(backlight_timeout), kBacklightTimes, "Back Light (Sec.)"),
    Number(E::Setting, "callTone", C::Byte, SETTING(callTone), 0, 15, "Call Tone"),
    Flag(E::Setting, "keypadLock", SETTING(keypadLock), "Keypad Lock"),
    Flag(E::Setting, "keypadBeep", SETTING(keypadBeep), "Keypad Beep"),
    Added("stationID", K::Text, 9, "Repeater Station ID"),
    Added("rep_id_mode", K::Range, 3, "Repeater ID Mode"),
    Added("rep_hangtime", K::Range, 50, "Tx Hangtime (Sec.)"),
    Added("low_battery_tx", K::Range, 255, "Tx Low Battery (Min.)"),
    Added("onbatt_alert", K::Range, 4, "On Battery Alert Tone"),
    Added("courtesy_over", K::Flag, 1, "Enable Courtesy Over Beep"),

    Number(E::Preset, "channel", C::Byte, kPresets, 0, kChannelRecordCount - 1, "Preset Channel"),

    Number(E::Channel, "rx_freq_ndx", C::Byte, CHANNEL(rx_freq_ndx), 0, kFrequencyRecordCount - 1,
        "Receive Frequency"),
    Number(E::Channel, "rx_code", C::Byte, CHANNEL(rx_code), 0, kLastCode, "Receive PL/DPL Code"),
    Number(E::Channel, "tx_freq_ndx", C::Byte, CHANNEL(tx_freq_ndx), 0, kFrequencyRecordCount - 1,
        "Transmit Frequency"),
    Number(E::Channel, "tx_code", C::Byte, CHANNEL(tx_code), 0, kLastCode, "Transmit PL/DPL Code"),
    Flag(E::Channel, "rx_bw", CHANNEL(rx_bw), "Receive Bandwidth (0 12.5 KHz, 1 25 KHz)"),
    Flag(E::Channel, "tx_bw", CHANNEL(tx_bw), "Transmit Bandwidth (0 12.5 KHz, 1 25 KHz)"),
    Flag(E::Channel, "talkaround_power", CHANNEL(talkaround_power), "Talkaround Power (0 low, 1 high)"),
    Flag(E::Channel, "repeater_power", CHANNEL(repeater_power), "Repeater Power (0 low, 1 high)"),
    Flag(E::Channel, "repeater", CHANNEL(repeater), "Repeater"),
    Flag(E::Channel, "autoScan", CHANNEL(autoScan), "Auto Scan"),
    Number(E::Channel, "scramble_code", C::Byte, CHANNEL(scramble_code), 0, 3, "Scramble"),
    Text(E::Channel, "name", CHANNEL(name), kChannelNameLength, "Name"),
    { E::Channel, "disable_channel", C::Flag, CHANNEL(disable_channel), 1, K::Flag, 0, 1, {},
        "Disable Channel", FieldCondition::ChannelFlags },
    { E::Channel, "talkaround_scan", C::Flag, CHANNEL(talkaround_scan), 1, K::Flag, 0, 1, {},
        "Dynamic Talkaround Scan", FieldCondition::ChannelFlags },
    { E::Channel, "in_scanlist", C::ScanBit, 0, 0, K::Flag, 0, 1, {}, "Scan List" },

    { E::Frequency, "freq", C::Frequency, 0, 16, K::Range, 0, UINT32_MAX, {}, "Frequency (Hz)" },
    { E::Frequency, "bandwidth", C::TwoBits, offsetof(FrequencyRecord, bandwidth), 1, K::Range, 0, 3, {},
        "Bandwidth (0 12.5 KHz only, 1 25 KHz only, 2 and 3 selectable with 12.5 or 25 KHz as default)" },
    { E::Frequency, "power_level", C::TwoBits, offsetof(FrequencyRecord, power_level), 1, K::Range, 0, 3, {},
        "Power Level (0 low only, 1 high only, 2 and 3 selectable with low or high as default)" },
    { E::Frequency, "compander_lle_mode", C::Byte, offsetof(FrequencyRecord, compander_lle_mode), 1, K::List,
        0, 0, kCompanderModes, "Compander (2 ON, 3 OFF)" },
};

#undef LIMIT
#undef LIMIT_FLAG
#undef SETTING
#undef CHANNEL

constexpr const char *kElementNames[]
    = { "factory_setting", "limit", "setting", "preset", "channel", "frequency" };

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
