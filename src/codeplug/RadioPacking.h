#pragma once

// The radio's packed form of three parts of the image: the frequency records
// (6 bytes each), the setting block (the first 33 bytes of the radio's main
// block at 0x10000) and the limit block (20 bytes at 0x10A8C). The radio link
// calls these when it reads and writes the radio; they are pure functions of
// their arguments.
//
// Bit 7 is the most significant bit of a byte. Values wider than their radio
// field are cut to the field's width; a flag sets its bit when it is not 0.

#include "VirtualCP.h"

#include <cstdint>

namespace codeplug {

inline constexpr int kPackedFrequencySize = 6;
inline constexpr int kPackedSettingSize = 33;
inline constexpr int kPackedLimitSize = 20;

// ---- Frequency record (6 bytes) ------------------------------------------
//   byte 0: bit 7 = 0, bits 6-3 = R, bits 2-0 = (N - B) bits 6-4
//   byte 1: bits 7-4 = (N - B) bits 3-0, bits 3-2 = power_level,
//           bits 1-0 = compander_lle_mode
//   byte 2: bits 7-6 = bandwidth, bits 5-3 = mode code, bits 2-0 = fracHigh bits 10-8
//   byte 3: fracHigh bits 7-0;  bytes 4-5: fracLow, most significant first
// The packed form holds only the low 7 bits of N - B, 2 bits of compander
// mode and 11 bits of fracHigh.
void packFrequencyRecord(const FrequencyRecord &record, uint8_t (&packed)[kPackedFrequencySize]);
// Fills every field the packed form carries (the cut-off high bits become 0);
// the reserved bytes keep their values.
void unpackFrequencyRecord(const uint8_t (&packed)[kPackedFrequencySize], FrequencyRecord &record);

// ---- Setting block (33 bytes) --------------------------------------------
//   byte 0: accessoryMicrophoneGain 7-4, microphoneGain 3-2, vox_level 1-0
//   byte 1: ivol_level 7-6, backlight_enabled 5, reverseBurst 4,
//           keypadBeep inverted 3 (set when keypadBeep is 0), keypadLock 2,
//           rogerBeepTone 1, batteryType 0
//   byte 2: disableRestoreFactoryDefault 7 (bits 6-0 are the radio's)
//   byte 3: radio's 7, disableBatterySave 6, disableSelectableScramble 5,
//           scramble-selection state 4 (the radio's, see below), callTone 3-0
//   bytes 4-5: preset channels; byte 6: disableLED 7, numberChannels 6-0
//   byte 7: backlight_timeout; byte 8: timeoutTimer; bytes 9-12: password
//   bytes 13-20: button table (image order); bytes 21-23: scan bitmap
//   bytes 24-31: powerupString; byte 32: voice_language 7-5 (4-0 written 0)

// Packs the image's setting block over radioBytes, which must hold the bytes
// last read from the radio: only what the image owns changes. Kept from the
// radio: byte 2 bits 6-0, byte 3 bit 7, and the button slots the profile
// does not name (all but 5, 6, 8, 9 and 11).
//
// Byte 3 bit 4, the radio's scramble-selection state, is cleared when
// disableSelectableScramble is 0. When it is set, the state is kept only if a
// button in use carries the scramble-selection function (code 12), else
// cleared. Buttons in use are slots 5, 6, 8, 9 and 11 on a display model
// (displayModel: third model letter "D") and only the side buttons 6 and 11
// on any other model.
void packSettingBlock(
    const SettingBlock &setting, bool displayModel, uint8_t (&radioBytes)[kPackedSettingSize]);
// Fills every image field of the setting block from the radio's bytes.
void unpackSettingBlock(const uint8_t (&radioBytes)[kPackedSettingSize], SettingBlock &setting);

// ---- Limit block (20 bytes) ----------------------------------------------
//   byte 4: maxChannels 4-0;  byte 5: maxCodes 6-0 (first layout)
//   byte 6: max_valid_freqs
//   byte 7: programming_mode_enabled 5, maxPresetButtons 4-3,
//           voice_chip_enable 2, disable_channel_enable 1, talkaround_scan_enable 0
//   byte 8: max_call_tones 2-0
//   byte 10: disable_time_out_timer 7, radio_only_flag 6,
//            disable_keypad_beep_feature 5, disable_roger_beep_feature 4,
//            disable_busy_led_mode 3, enable_reverse_burst 2,
//            disable_vox_feature 1, disable_ivox_feature 0
//   byte 11: disable_scramble_feature 7, disable_battery_save_feature 6,
//            factory_reset_disable 5, disable_scan_mode 4,
//            backlight_button_enabled 3, power_cntrl_enabled 2
//   byte 13: disable_repeater_feature 7, call_feature_disable 6,
//            monitor_feature_disable 5
//   byte 16: disable_keypad_lock_feature 3
//   byte 18: maxCodes (second layout)
// The limit block carries no frequencies: start_freq and end_freq are a
// separate radio block.

// Whether the firmware (phase, version, revision characters, image bytes
// 0-2) uses the second maxCodes layout: phase "R" with version above "1",
// phase "R", version "1" and revision "7" or above, or phase "D" with version
// "7" or above. Characters compare by code, so "A"-"F" sort above "9".
bool usesSecondLimitLayout(uint8_t phase, uint8_t version, uint8_t revision);
bool usesSecondLimitLayout(const FactoryBlock &factory);

// Packs the limit fields over radioBytes, changing only the bits listed above
// (maxCodes goes to the layout of the image's firmware).
void packLimitBlock(
    const LimitBlock &limit, const FactoryBlock &factory, uint8_t (&radioBytes)[kPackedLimitSize]);
// Fills the listed limit fields; maxCodes is read from the layout of the
// image's firmware (factory must already hold the firmware characters).
// maxChannels and max_valid_freqs are stored as the radio says, which may be
// more than the image holds: loop with channelRecordsInUse() and
// frequencyRecordsInUse().
void unpackLimitBlock(
    const uint8_t (&radioBytes)[kPackedLimitSize], const FactoryBlock &factory, LimitBlock &limit);

} // namespace codeplug
