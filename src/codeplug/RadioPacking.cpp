#include "RadioPacking.h"

#include "CodeplugBits.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace codeplug {

namespace {

// Bits hi..lo of byte (hi >= lo).
uint8_t getBits(uint8_t byte, unsigned hi, unsigned lo)
{
    const unsigned width = hi - lo + 1;
    return static_cast<uint8_t>((byte >> lo) & ((1u << width) - 1));
}

void putBits(uint8_t &byte, unsigned hi, unsigned lo, unsigned value)
{
    const unsigned width = hi - lo + 1;
    const unsigned mask = ((1u << width) - 1) << lo;
    byte = static_cast<uint8_t>((byte & ~mask) | ((value << lo) & mask));
}

void putFlag(uint8_t &byte, unsigned bit, uint8_t flag)
{
    putBits(byte, bit, bit, flag != 0 ? 1 : 0);
}

uint8_t getFlag(uint8_t byte, unsigned bit)
{
    return getBits(byte, bit, bit);
}

template <std::size_t N> void copyOut(const uint8_t (&from)[N], uint8_t *to)
{
    std::memcpy(to, from, N);
}

template <std::size_t N> void copyIn(const uint8_t *from, uint8_t (&to)[N])
{
    std::memcpy(to, from, N);
}

constexpr int kButtonTableAt = 13;
constexpr int kScanBitmapAt = 21;
constexpr int kPasswordAt = 9;
constexpr int kPowerupStringAt = 24;

constexpr unsigned kAllNamedSlots[] = { kUpperRightButtonSlot, kSide1ButtonSlot, kLowerLeftButtonSlot,
    kLowerRightButtonSlot, kSide2ButtonSlot };
constexpr unsigned kSideSlots[] = { kSide1ButtonSlot, kSide2ButtonSlot };

bool scrambleButtonInUse(const SettingBlock &setting, bool displayModel)
{
    const std::span<const unsigned> slotsInUse
        = displayModel ? std::span<const unsigned>(kAllNamedSlots) : std::span<const unsigned>(kSideSlots);
    return std::ranges::any_of(slotsInUse,
        [&](unsigned slot) { return buttonSlot(setting.buttons, slot) == kScrambleSelectFunction; });
}

} // namespace

void packFrequencyRecord(const FrequencyRecord &record, uint8_t (&packed)[kPackedFrequencySize])
{
    const unsigned offset = record.intPartOffset;
    packed[0] = 0;
    putBits(packed[0], 6, 3, record.referenceDivider);
    putBits(packed[0], 2, 0, offset >> 4);
    packed[1] = 0;
    putBits(packed[1], 7, 4, offset);
    putBits(packed[1], 3, 2, record.power_level);
    putBits(packed[1], 1, 0, record.compander_lle_mode);
    packed[2] = 0;
    putBits(packed[2], 7, 6, record.bandwidth);
    putBits(packed[2], 5, 3, record.synthMode);
    putBits(packed[2], 2, 0, record.fracHigh >> 8);
    packed[3] = static_cast<uint8_t>(record.fracHigh);
    packed[4] = static_cast<uint8_t>(record.fracLow >> 8);
    packed[5] = static_cast<uint8_t>(record.fracLow);
}

void unpackFrequencyRecord(const uint8_t (&packed)[kPackedFrequencySize], FrequencyRecord &record)
{
    record.referenceDivider = getBits(packed[0], 6, 3);
    record.intPartOffset = static_cast<uint8_t>((getBits(packed[0], 2, 0) << 4) | getBits(packed[1], 7, 4));
    record.power_level = getBits(packed[1], 3, 2);
    record.compander_lle_mode = getBits(packed[1], 1, 0);
    record.bandwidth = getBits(packed[2], 7, 6);
    record.synthMode = getBits(packed[2], 5, 3);
    record.fracHigh = (uint32_t { getBits(packed[2], 2, 0) } << 8) | packed[3];
    record.fracLow = (uint32_t { packed[4] } << 8) | packed[5];
}

void packSettingBlock(const SettingBlock &s, bool displayModel, uint8_t (&b)[kPackedSettingSize])
{
    putBits(b[0], 7, 4, s.accessoryMicrophoneGain);
    putBits(b[0], 3, 2, s.microphoneGain);
    putBits(b[0], 1, 0, s.vox_level);

    putBits(b[1], 7, 6, s.ivol_level);
    putFlag(b[1], 5, s.backlight_enabled);
    putFlag(b[1], 4, s.reverseBurst);
    putFlag(b[1], 3, s.keypadBeep == 0);
    putFlag(b[1], 2, s.keypadLock);
    putFlag(b[1], 1, s.rogerBeepTone);
    putFlag(b[1], 0, s.batteryType);

    putFlag(b[2], 7, s.disableRestoreFactoryDefault);

    putFlag(b[3], 6, s.disableBatterySave);
    putFlag(b[3], 5, s.disableSelectableScramble);
    if (s.disableSelectableScramble == 0 || !scrambleButtonInUse(s, displayModel))
        putFlag(b[3], 4, 0);
    putBits(b[3], 3, 0, s.callTone);

    b[4] = s.presetChannels[0];
    b[5] = s.presetChannels[1];
    putFlag(b[6], 7, s.disableLED);
    putBits(b[6], 6, 0, s.numberChannels);
    b[7] = s.backlight_timeout;
    b[8] = s.timeoutTimer;
    copyOut(s.password, b + kPasswordAt);

    uint8_t buttons[8];
    copyIn(b + kButtonTableAt, buttons);
    for (unsigned slot : kAllNamedSlots)
        setButtonSlot(buttons, slot, buttonSlot(s.buttons, slot));
    copyOut(buttons, b + kButtonTableAt);

    copyOut(s.scanBitmap, b + kScanBitmapAt);
    copyOut(s.powerupString, b + kPowerupStringAt);
    b[32] = 0;
    putBits(b[32], 7, 5, s.voice_language);
}

void unpackSettingBlock(const uint8_t (&b)[kPackedSettingSize], SettingBlock &s)
{
    s.accessoryMicrophoneGain = getBits(b[0], 7, 4);
    s.microphoneGain = getBits(b[0], 3, 2);
    s.vox_level = getBits(b[0], 1, 0);

    s.ivol_level = getBits(b[1], 7, 6);
    s.backlight_enabled = getFlag(b[1], 5);
    s.reverseBurst = getFlag(b[1], 4);
    s.keypadBeep = getFlag(b[1], 3) ? 0 : 1;
    s.keypadLock = getFlag(b[1], 2);
    s.rogerBeepTone = getFlag(b[1], 1);
    s.batteryType = getFlag(b[1], 0);

    s.disableRestoreFactoryDefault = getFlag(b[2], 7);

    s.disableBatterySave = getFlag(b[3], 6);
    s.disableSelectableScramble = getFlag(b[3], 5);
    s.callTone = getBits(b[3], 3, 0);

    s.presetChannels[0] = b[4];
    s.presetChannels[1] = b[5];
    s.disableLED = getFlag(b[6], 7);
    s.numberChannels = getBits(b[6], 6, 0);
    s.backlight_timeout = b[7];
    s.timeoutTimer = b[8];
    copyIn(b + kPasswordAt, s.password);
    copyIn(b + kButtonTableAt, s.buttons);
    copyIn(b + kScanBitmapAt, s.scanBitmap);
    copyIn(b + kPowerupStringAt, s.powerupString);
    s.voice_language = getBits(b[32], 7, 5);
}

bool usesSecondLimitLayout(uint8_t phase, uint8_t version, uint8_t revision)
{
    if (phase == 'R')
        return version > '1' || (version == '1' && revision >= '7');
    if (phase == 'D')
        return version >= '7';
    return false;
}

bool usesSecondLimitLayout(const FactoryBlock &factory)
{
    return usesSecondLimitLayout(factory.firmware_phase, factory.firmware_version, factory.firmware_revision);
}

namespace {

// The single-bit flags of the limit block: radio byte, bit, image field.
struct LimitFlag {
    int byte;
    unsigned bit;
    uint8_t LimitBlock::*field;
};

constexpr LimitFlag kLimitFlags[] = {
    { 7, 5, &LimitBlock::programming_mode_enabled },
    { 7, 2, &LimitBlock::voice_chip_enable },
    { 7, 1, &LimitBlock::disable_channel_enable },
    { 7, 0, &LimitBlock::talkaround_scan_enable },
    { 10, 7, &LimitBlock::disable_time_out_timer },
    { 10, 6, &LimitBlock::radio_only_flag },
    { 10, 5, &LimitBlock::disable_keypad_beep_feature },
    { 10, 4, &LimitBlock::disable_roger_beep_feature },
    { 10, 3, &LimitBlock::disable_busy_led_mode },
    { 10, 2, &LimitBlock::enable_reverse_burst },
    { 10, 1, &LimitBlock::disable_vox_feature },
    { 10, 0, &LimitBlock::disable_ivox_feature },
    { 11, 7, &LimitBlock::disable_scramble_feature },
    { 11, 6, &LimitBlock::disable_battery_save_feature },
    { 11, 5, &LimitBlock::factory_reset_disable },
    { 11, 4, &LimitBlock::disable_scan_mode },
    { 11, 3, &LimitBlock::backlight_button_enabled },
    { 11, 2, &LimitBlock::power_cntrl_enabled },
    { 13, 7, &LimitBlock::disable_repeater_feature },
    { 13, 6, &LimitBlock::call_feature_disable },
    { 13, 5, &LimitBlock::monitor_feature_disable },
    { 16, 3, &LimitBlock::disable_keypad_lock_feature },
};

constexpr int kFirstLayoutMaxCodesAt = 5;
constexpr int kSecondLayoutMaxCodesAt = 18;

} // namespace

void packLimitBlock(const LimitBlock &limit, const FactoryBlock &factory, uint8_t (&b)[kPackedLimitSize])
{
    putBits(b[4], 4, 0, limit.maxChannels);
    if (usesSecondLimitLayout(factory))
        b[kSecondLayoutMaxCodesAt] = static_cast<uint8_t>(limit.maxCodes);
    else
        putBits(b[kFirstLayoutMaxCodesAt], 6, 0, limit.maxCodes);
    b[6] = limit.max_valid_freqs;
    putBits(b[7], 4, 3, limit.maxPresetButtons);
    putBits(b[8], 2, 0, limit.max_call_tones);
    for (const LimitFlag &flag : kLimitFlags)
        putFlag(b[flag.byte], flag.bit, limit.*flag.field);
}

void unpackLimitBlock(const uint8_t (&b)[kPackedLimitSize], const FactoryBlock &factory, LimitBlock &limit)
{
    limit.maxChannels = getBits(b[4], 4, 0);
    limit.maxCodes = usesSecondLimitLayout(factory) ? b[kSecondLayoutMaxCodesAt]
                                                    : getBits(b[kFirstLayoutMaxCodesAt], 6, 0);
    limit.max_valid_freqs = b[6];
    limit.maxPresetButtons = getBits(b[7], 4, 3);
    limit.max_call_tones = getBits(b[8], 2, 0);
    for (const LimitFlag &flag : kLimitFlags)
        limit.*flag.field = getFlag(b[flag.byte], flag.bit);
}

} // namespace codeplug
