#pragma once

// The codeplug image (VirtualCP) and the radio identity record: plain
// records whose layout is the byte layout of the radio's configuration image.
// Multi-byte fields are little-endian unsigned integers; the records are
// used in place, so the host must be little-endian (checked below).
//
// A value-initialised image is all zero, and so is one built with its
// default member initialisers. No conversion clears an image as a whole.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
    "The codeplug image is used in place and its fields are little-endian");

namespace codeplug {
inline constexpr int kChannelRecordCount = 19;
inline constexpr int kFrequencyRecordCount = 99;
inline constexpr int kCustomCodeCount = 12; // six customised PL, six customised DPL
inline constexpr int kCustomCodesPerGroup = 6;
inline constexpr int kChannelNameLength = 8;
inline constexpr int kSerialLength = 10;
inline constexpr int kPasswordLength = 4;
inline constexpr int kPowerupStringLength = 8;
inline constexpr int kButtonSlotCount = 16;

// maxCodes thresholds: above the first the model has the customised PL codes
// 124-129, above the second also the customised DPL codes 214-219.
inline constexpr uint32_t kMaxCodesWithoutCustomPl = 122;
inline constexpr uint32_t kMaxCodesWithoutCustomDpl = 213;
} // namespace codeplug

// Image bytes 0-27.
struct FactoryBlock {
    uint8_t firmware_phase = 0; // one character
    uint8_t firmware_version = 0; // upper-case hexadecimal digit character
    uint8_t firmware_revision = 0; // upper-case hexadecimal digit character
    uint8_t codeplug_phase = 0; // one character
    uint8_t codeplug_version = 0; // number
    uint8_t codeplug_dev_version = 0;
    uint8_t modelLetters[3] = {}; // model code characters 1-3
    uint8_t modelDigits[5] = {}; // model code characters 4-8 as values 0-9 (not ASCII)
    uint8_t serial[codeplug::kSerialLength] = {}; // zero-padded, no terminator
    uint32_t synth_base_int_part = 0; // base of every frequency record's integer part
};

// Image bytes 28-71: model limits and feature-disable flags (flags hold 0 or 1).
struct LimitBlock {
    uint8_t maxChannels = 0; // channel records in use, at most 19
    uint8_t max_valid_freqs = 0; // frequency records in use, at most 99
    uint8_t reserved30[2] = {};
    uint32_t start_freq = 0; // Hz
    uint32_t end_freq = 0; // Hz
    uint8_t disable_time_out_timer = 0;
    uint8_t radio_only_flag = 0; // carried from the radio, never part of a profile
    uint8_t disable_keypad_beep_feature = 0;
    uint8_t disable_roger_beep_feature = 0;
    uint8_t disable_busy_led_mode = 0;
    uint8_t enable_reverse_burst = 0;
    uint8_t disable_vox_feature = 0;
    uint8_t disable_ivox_feature = 0;
    uint8_t disable_scramble_feature = 0;
    uint8_t disable_battery_save_feature = 0;
    uint8_t factory_reset_disable = 0;
    uint8_t disable_scan_mode = 0;
    uint8_t voice_chip_enable = 0;
    uint8_t disable_channel_enable = 0;
    uint8_t talkaround_scan_enable = 0;
    uint8_t max_call_tones = 0;
    uint8_t maxPresetButtons = 0;
    uint8_t reserved57[3] = {};
    uint32_t maxCodes = 0; // highest code number the model supports
    uint8_t power_cntrl_enabled = 0;
    uint8_t backlight_button_enabled = 0;
    uint8_t programming_mode_enabled = 0;
    uint8_t call_feature_disable = 0;
    uint8_t monitor_feature_disable = 0;
    uint8_t disable_keypad_lock_feature = 0;
    uint8_t disable_repeater_feature = 0;
    uint8_t reserved71 = 0;
};

// Image bytes 72-115: general, audio and button settings.
struct SettingBlock {
    uint8_t password[codeplug::kPasswordLength] = {}; // zero-padded
    uint8_t disableLED = 0;
    uint8_t disableRestoreFactoryDefault = 0;
    uint8_t backlight_enabled = 0;
    uint8_t timeoutTimer = 0;
    uint8_t reverseBurst = 0;
    uint8_t vox_level = 0; // 0-3
    uint8_t ivol_level = 0; // 0-3
    uint8_t microphoneGain = 0; // 0-3
    uint8_t accessoryMicrophoneGain = 0; // 0-15
    uint8_t batteryType = 0;
    uint8_t disableBatterySave = 0;
    uint8_t buttons[8] = {}; // 16 four-bit function codes (CodeplugBits.h)
    uint8_t scanBitmap[3] = {}; // one bit per channel record (CodeplugBits.h)
    uint8_t numberChannels = 0; // 0-127
    uint8_t voice_language = 0; // 0-7
    uint8_t powerupString[codeplug::kPowerupStringLength] = {}; // zero-padded, no terminator
    uint8_t disableSelectableScramble = 0;
    uint8_t rogerBeepTone = 0;
    uint8_t keypadLock = 0;
    uint8_t keypadBeep = 0;
    uint8_t callTone = 0; // 0-15
    uint8_t presetChannels[2] = {}; // `channel` of the first and second preset
    uint8_t backlight_timeout = 0;
};

// One of the 19 channel records at image offset 116 + 22k.
struct ChannelRecord {
    uint8_t rx_freq_ndx = 0; // index of the frequency record used to receive
    uint8_t rx_code = 0; // PL/DPL code number
    uint8_t tx_freq_ndx = 0;
    uint8_t tx_code = 0;
    uint8_t rx_bw = 0;
    uint8_t tx_bw = 0;
    uint8_t talkaround_power = 0;
    uint8_t repeater_power = 0;
    uint8_t repeater = 0;
    uint8_t autoScan = 0;
    uint8_t disable_channel = 0;
    uint8_t talkaround_scan = 0;
    uint8_t scramble_code = 0;
    uint8_t name[codeplug::kChannelNameLength] = {}; // zero-padded, no terminator
    uint8_t radioCheckByte = 0; // check byte of the radio's record as last read; unused when writing
};

// One of the 99 frequency records at image offset 560 + 16i. FrequencyCodec.h
// turns a frequency into these fields and back.
struct FrequencyRecord {
    uint8_t referenceDivider = 0; // R, always 7 when encoded
    uint8_t intPartOffset = 0; // integer part N minus synth_base_int_part
    uint8_t power_level = 0; // two bits used
    uint8_t compander_lle_mode = 0;
    uint8_t bandwidth = 0; // two bits used
    uint8_t synthMode = 0; // always 4 when encoded
    uint8_t reserved6[2] = {};
    uint32_t fracHigh = 0; // fractional part F, bits 16 and up
    uint32_t fracLow = 0; // fractional part F, low 16 bits
};

// The whole 2148-byte image.
struct VirtualCP {
    FactoryBlock factory;
    LimitBlock limit;
    SettingBlock setting;
    ChannelRecord channels[codeplug::kChannelRecordCount];
    // PLcode124-129, then PLcode214-219.
    uint16_t customCodes[codeplug::kCustomCodeCount] = {};
    uint8_t reserved558[2] = {};
    FrequencyRecord frequencies[codeplug::kFrequencyRecordCount];
    uint8_t serial_clone_compatibility = 0;
    uint8_t reserved2145[3] = {};
};

// The radio last identified (21 bytes).
struct RadioIdentity {
    uint8_t modelLetters[3] = {};
    uint8_t modelDigits[5] = {}; // values 0-9; modelDigits[0] is the power class
    uint8_t firmwarePhase = 0; // character
    uint8_t firmwareVersion = 0; // character
    uint8_t firmwareRevision = 0; // character
    uint8_t codeplugPhase = 0;
    uint8_t codeplugVersion = 0;
    uint8_t password[codeplug::kPasswordLength] = {};
    uint8_t frequencyCount = 0; // frequency records in use
    uint8_t serial_clone_compatibility = 0;
    uint8_t unused19 = 0;
    uint8_t maxCodes = 0; // highest code number the radio supports
};

// Record counts a limit block may claim beyond what the image holds (a radio
// reports up to 31 channels and 255 frequencies); every loop over the records
// uses these instead of the raw counts.
inline int channelRecordsInUse(const LimitBlock &limit)
{
    return std::min<int>(limit.maxChannels, codeplug::kChannelRecordCount);
}
inline int frequencyRecordsInUse(const LimitBlock &limit)
{
    return std::min<int>(limit.max_valid_freqs, codeplug::kFrequencyRecordCount);
}

// The layout is the radio's; any change to the records above must keep it.
static_assert(sizeof(FactoryBlock) == 28);
static_assert(offsetof(FactoryBlock, modelLetters) == 6);
static_assert(offsetof(FactoryBlock, modelDigits) == 9);
static_assert(offsetof(FactoryBlock, serial) == 14);
static_assert(offsetof(FactoryBlock, synth_base_int_part) == 24);

static_assert(sizeof(LimitBlock) == 44);
static_assert(offsetof(LimitBlock, start_freq) == 32 - 28);
static_assert(offsetof(LimitBlock, end_freq) == 36 - 28);
static_assert(offsetof(LimitBlock, disable_time_out_timer) == 40 - 28);
static_assert(offsetof(LimitBlock, radio_only_flag) == 41 - 28);
static_assert(offsetof(LimitBlock, talkaround_scan_enable) == 54 - 28);
static_assert(offsetof(LimitBlock, max_call_tones) == 55 - 28);
static_assert(offsetof(LimitBlock, maxPresetButtons) == 56 - 28);
static_assert(offsetof(LimitBlock, maxCodes) == 60 - 28);
static_assert(offsetof(LimitBlock, power_cntrl_enabled) == 64 - 28);
static_assert(offsetof(LimitBlock, disable_repeater_feature) == 70 - 28);

static_assert(sizeof(SettingBlock) == 44);
static_assert(offsetof(SettingBlock, disableLED) == 76 - 72);
static_assert(offsetof(SettingBlock, accessoryMicrophoneGain) == 84 - 72);
static_assert(offsetof(SettingBlock, disableBatterySave) == 86 - 72);
static_assert(offsetof(SettingBlock, buttons) == 87 - 72);
static_assert(offsetof(SettingBlock, scanBitmap) == 95 - 72);
static_assert(offsetof(SettingBlock, numberChannels) == 98 - 72);
static_assert(offsetof(SettingBlock, voice_language) == 99 - 72);
static_assert(offsetof(SettingBlock, powerupString) == 100 - 72);
static_assert(offsetof(SettingBlock, disableSelectableScramble) == 108 - 72);
static_assert(offsetof(SettingBlock, callTone) == 112 - 72);
static_assert(offsetof(SettingBlock, presetChannels) == 113 - 72);
static_assert(offsetof(SettingBlock, backlight_timeout) == 115 - 72);

static_assert(sizeof(ChannelRecord) == 22);
static_assert(offsetof(ChannelRecord, scramble_code) == 12);
static_assert(offsetof(ChannelRecord, name) == 13);
static_assert(offsetof(ChannelRecord, radioCheckByte) == 21);

static_assert(sizeof(FrequencyRecord) == 16);
static_assert(offsetof(FrequencyRecord, synthMode) == 5);
static_assert(offsetof(FrequencyRecord, fracHigh) == 8);
static_assert(offsetof(FrequencyRecord, fracLow) == 12);

static_assert(sizeof(VirtualCP) == 2148);
static_assert(offsetof(VirtualCP, factory) == 0);
static_assert(offsetof(VirtualCP, limit) == 28);
static_assert(offsetof(VirtualCP, setting) == 72);
static_assert(offsetof(VirtualCP, channels) == 116);
static_assert(offsetof(VirtualCP, customCodes) == 534);
static_assert(offsetof(VirtualCP, frequencies) == 560);
static_assert(offsetof(VirtualCP, serial_clone_compatibility) == 2144);

static_assert(sizeof(RadioIdentity) == 21);
static_assert(offsetof(RadioIdentity, firmwarePhase) == 8);
static_assert(offsetof(RadioIdentity, codeplugPhase) == 11);
static_assert(offsetof(RadioIdentity, password) == 13);
static_assert(offsetof(RadioIdentity, frequencyCount) == 17);
static_assert(offsetof(RadioIdentity, serial_clone_compatibility) == 18);
static_assert(offsetof(RadioIdentity, maxCodes) == 20);
