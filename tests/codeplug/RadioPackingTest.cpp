// The radio's packed form of frequency records, setting block and limit block.

#include "codeplug/RadioPacking.h"
#include "codeplug/CodeplugBits.h"
#include "codeplug/FrequencyCodec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace codeplug;

namespace {

template <std::size_t N> void fill(uint8_t (&bytes)[N], uint8_t value)
{
    std::memset(bytes, value, N);
}

template <std::size_t N> void randomBytes(std::mt19937 &rng, uint8_t (&bytes)[N])
{
    for (auto &b : bytes)
        b = static_cast<uint8_t>(rng());
}

uint8_t randomBelow(std::mt19937 &rng, unsigned limit)
{
    return static_cast<uint8_t>(rng() % limit);
}

FactoryBlock firmware(char phase, char version, char revision)
{
    FactoryBlock f;
    f.firmware_phase = phase;
    f.firmware_version = version;
    f.firmware_revision = revision;
    return f;
}

} // namespace

// ---- frequency records ---------------------------------------------------

TEST(FrequencyPacking, FieldsLandOnTheirBits)
{
    FrequencyRecord r;
    r.referenceDivider = 7;
    r.intPartOffset = 0x5A; // bits 6-4 = 101, bits 3-0 = 1010
    r.power_level = 2;
    r.compander_lle_mode = 3;
    r.bandwidth = 1;
    r.synthMode = 4;
    r.fracHigh = 0x5AB;
    r.fracLow = 0xCDEF;
    uint8_t packed[kPackedFrequencySize];
    fill(packed, 0xFF);
    packFrequencyRecord(r, packed);
    const uint8_t expected[] = { 0x3D, 0xAB, 0x65, 0xAB, 0xCD, 0xEF };
    EXPECT_EQ(std::memcmp(packed, expected, sizeof expected), 0);

    FrequencyRecord back;
    back.reserved6[1] = 0x77;
    unpackFrequencyRecord(packed, back);
    EXPECT_EQ(back.referenceDivider, 7);
    EXPECT_EQ(back.intPartOffset, 0x5A);
    EXPECT_EQ(back.power_level, 2);
    EXPECT_EQ(back.compander_lle_mode, 3);
    EXPECT_EQ(back.bandwidth, 1);
    EXPECT_EQ(back.synthMode, 4);
    EXPECT_EQ(back.fracHigh, 0x5ABu);
    EXPECT_EQ(back.fracLow, 0xCDEFu);
    EXPECT_EQ(back.reserved6[1], 0x77);
}

TEST(FrequencyPacking, TopBitIsAlwaysZeroAndWideValuesAreCut)
{
    FrequencyRecord r;
    r.referenceDivider = 0xFF;
    r.intPartOffset = 0xFF;
    r.power_level = 0xFF;
    r.compander_lle_mode = 0xFF;
    r.bandwidth = 0xFF;
    r.synthMode = 0xFF;
    r.fracHigh = 0xFFFFFFFF;
    r.fracLow = 0xFFFFFFFF;
    uint8_t packed[kPackedFrequencySize] = {};
    packFrequencyRecord(r, packed);
    const uint8_t expected[] = { 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF };
    EXPECT_EQ(std::memcmp(packed, expected, sizeof expected), 0);

    FrequencyRecord back;
    unpackFrequencyRecord(packed, back);
    EXPECT_EQ(back.intPartOffset, 0x7F);
    EXPECT_EQ(back.fracHigh, 0x7FFu);
    EXPECT_EQ(back.compander_lle_mode, 3);
}

TEST(FrequencyPacking, EncodedFrequenciesSurviveTheRadio)
{
    std::mt19937 rng(7);
    for (int i = 0; i < 5000; ++i) {
        const uint32_t base = 140 + rng() % 300;
        const uint32_t f = base * 1'050'000u + rng() % (127u * 1'050'000u);
        FrequencyRecord r;
        r.power_level = randomBelow(rng, 4);
        r.compander_lle_mode = randomBelow(rng, 4);
        r.bandwidth = randomBelow(rng, 4);
        encodeFrequency(f, base, r);
        uint8_t packed[kPackedFrequencySize];
        packFrequencyRecord(r, packed);
        FrequencyRecord back;
        unpackFrequencyRecord(packed, back);
        ASSERT_EQ(decodeFrequency(back, base), f);
        ASSERT_EQ(back.power_level, r.power_level);
        ASSERT_EQ(back.compander_lle_mode, r.compander_lle_mode);
        ASSERT_EQ(back.bandwidth, r.bandwidth);
    }
}

// ---- setting block -------------------------------------------------------

TEST(SettingPacking, FieldsLandOnTheirBits)
{
    SettingBlock s;
    s.accessoryMicrophoneGain = 0xA;
    s.microphoneGain = 1;
    s.vox_level = 2;
    s.ivol_level = 3;
    s.backlight_enabled = 1;
    s.reverseBurst = 0;
    s.keypadBeep = 1; // stored inverted: bit 3 clear
    s.keypadLock = 1;
    s.rogerBeepTone = 0;
    s.batteryType = 1;
    s.disableRestoreFactoryDefault = 1;
    s.disableBatterySave = 1;
    s.disableSelectableScramble = 0;
    s.callTone = 9;
    s.presetChannels[0] = 4;
    s.presetChannels[1] = 17;
    s.disableLED = 1;
    s.numberChannels = 0x55;
    s.backlight_timeout = 30;
    s.timeoutTimer = 60;
    std::memcpy(s.password, "AB12", 4);
    for (unsigned slot = 0; slot < 16; ++slot)
        setButtonSlot(s.buttons, slot, static_cast<uint8_t>(slot));
    s.scanBitmap[0] = 0x81;
    s.scanBitmap[1] = 0x42;
    s.scanBitmap[2] = 0x05;
    std::memcpy(s.powerupString, "HELLO 12", 8);
    s.voice_language = 5;

    uint8_t b[kPackedSettingSize] = {};
    packSettingBlock(s, true, b);
    EXPECT_EQ(b[0], 0xA6); // 1010 01 10
    EXPECT_EQ(b[1], 0xE5); // 11 1 0 0 1 0 1
    EXPECT_EQ(b[2], 0x80);
    EXPECT_EQ(b[3], 0x49); // 0 1 0 0 1001
    EXPECT_EQ(b[4], 4);
    EXPECT_EQ(b[5], 17);
    EXPECT_EQ(b[6], 0xD5);
    EXPECT_EQ(b[7], 30);
    EXPECT_EQ(b[8], 60);
    EXPECT_EQ(std::memcmp(b + 9, "AB12", 4), 0);
    // Only the named slots come from the image; the others stay as read (0).
    EXPECT_EQ(b[13 + 2], 0x50); // slot 5 high nibble
    EXPECT_EQ(b[13 + 3], 0x06); // slot 6 low nibble
    EXPECT_EQ(b[13 + 4], 0x98); // slots 8 and 9
    EXPECT_EQ(b[13 + 5], 0xB0); // slot 11
    EXPECT_EQ(b[13 + 0], 0x00);
    EXPECT_EQ(b[13 + 7], 0x00);
    EXPECT_EQ(b[21], 0x81);
    EXPECT_EQ(b[22], 0x42);
    EXPECT_EQ(b[23], 0x05);
    EXPECT_EQ(std::memcmp(b + 24, "HELLO 12", 8), 0);
    EXPECT_EQ(b[32], 0xA0);

    s.keypadBeep = 0;
    packSettingBlock(s, true, b);
    EXPECT_EQ(b[1] & 0x08, 0x08);
}

TEST(SettingPacking, KeepsTheRadioOwnedBits)
{
    uint8_t b[kPackedSettingSize];
    fill(b, 0xFF);
    packSettingBlock(SettingBlock {}, true, b);
    EXPECT_EQ(b[2], 0x7F); // bits 6-0 are the radio's
    EXPECT_EQ(b[3], 0x80); // bit 7 kept, scramble state cleared (selectable scramble enabled)
    // Unnamed slots keep the radio's 0xF, the named ones are written 0.
    EXPECT_EQ(b[13 + 2], 0x0F);
    EXPECT_EQ(b[13 + 3], 0xF0);
    EXPECT_EQ(b[13 + 4], 0x00);
    EXPECT_EQ(b[13 + 5], 0x0F);
    for (int i : { 13, 14, 19, 20 })
        EXPECT_EQ(b[i], 0xFF) << i;
    EXPECT_EQ(b[32], 0x00); // bits 4-0 are written 0
    EXPECT_EQ(b[1], 0x08); // keypadBeep 0 sets the inverted bit
}

TEST(SettingPacking, ScrambleStateFollowsTheSelectionRule)
{
    struct Case {
        bool display;
        unsigned slot;
        uint8_t disableSelectable;
        uint8_t radioState;
        uint8_t expectedState;
    };
    const Case cases[] = {
        // Selectable scramble enabled: always cleared.
        { true, kSide1ButtonSlot, 0, 1, 0 },
        { false, kSide2ButtonSlot, 0, 1, 0 },
        // Disabled: the radio's state stays only with a scramble button in use.
        { true, kUpperRightButtonSlot, 1, 1, 1 },
        { true, kLowerLeftButtonSlot, 1, 1, 1 },
        { true, kLowerRightButtonSlot, 1, 1, 1 },
        { true, kSide1ButtonSlot, 1, 1, 1 },
        { true, kSide2ButtonSlot, 1, 0, 0 },
        { false, kSide1ButtonSlot, 1, 1, 1 },
        { false, kSide2ButtonSlot, 1, 1, 1 },
        // A non-display model does not use the front buttons.
        { false, kUpperRightButtonSlot, 1, 1, 0 },
        { false, kLowerLeftButtonSlot, 1, 1, 0 },
        { false, kLowerRightButtonSlot, 1, 1, 0 },
        // An unnamed slot never counts.
        { true, 0, 1, 1, 0 },
    };
    for (const Case &c : cases) {
        SettingBlock s;
        s.disableSelectableScramble = c.disableSelectable;
        setButtonSlot(s.buttons, c.slot, kScrambleSelectFunction);
        uint8_t b[kPackedSettingSize] = {};
        b[3] = static_cast<uint8_t>(c.radioState << 4);
        // The unnamed slot's code sits in the radio's copy as well.
        b[13] = s.buttons[0];
        packSettingBlock(s, c.display, b);
        EXPECT_EQ((b[3] >> 4) & 1, c.expectedState)
            << "display " << c.display << " slot " << c.slot << " disable " << int(c.disableSelectable);
    }

    // Another function code on the buttons in use clears the state.
    SettingBlock s;
    s.disableSelectableScramble = 1;
    setButtonSlot(s.buttons, kSide1ButtonSlot, 11);
    uint8_t b[kPackedSettingSize] = {};
    b[3] = 0x10;
    packSettingBlock(s, true, b);
    EXPECT_EQ(b[3] & 0x10, 0);
}

TEST(SettingPacking, ImageSurvivesPackAndUnpack)
{
    std::mt19937 rng(99);
    for (int i = 0; i < 2000; ++i) {
        SettingBlock s;
        randomBytes(rng, s.password);
        s.disableLED = randomBelow(rng, 2);
        s.disableRestoreFactoryDefault = randomBelow(rng, 2);
        s.backlight_enabled = randomBelow(rng, 2);
        s.timeoutTimer = randomBelow(rng, 256);
        s.reverseBurst = randomBelow(rng, 2);
        s.vox_level = randomBelow(rng, 4);
        s.ivol_level = randomBelow(rng, 4);
        s.microphoneGain = randomBelow(rng, 4);
        s.accessoryMicrophoneGain = randomBelow(rng, 16);
        s.batteryType = randomBelow(rng, 2);
        s.disableBatterySave = randomBelow(rng, 2);
        for (unsigned slot : { 5u, 6u, 8u, 9u, 11u })
            setButtonSlot(s.buttons, slot, randomBelow(rng, 16));
        randomBytes(rng, s.scanBitmap);
        s.numberChannels = randomBelow(rng, 128);
        s.voice_language = randomBelow(rng, 8);
        randomBytes(rng, s.powerupString);
        s.disableSelectableScramble = randomBelow(rng, 2);
        s.rogerBeepTone = randomBelow(rng, 2);
        s.keypadLock = randomBelow(rng, 2);
        s.keypadBeep = randomBelow(rng, 2);
        s.callTone = randomBelow(rng, 16);
        randomBytes(rng, s.presetChannels);
        s.backlight_timeout = randomBelow(rng, 256);

        uint8_t b[kPackedSettingSize];
        randomBytes(rng, b);
        // The radio's copy of the unnamed slots is what an unpack gives back.
        uint8_t radioButtons[8];
        std::memcpy(radioButtons, b + 13, 8);
        packSettingBlock(s, rng() % 2 == 0, b);
        SettingBlock back;
        unpackSettingBlock(b, back);

        SettingBlock expected = s;
        for (unsigned slot : { 0u, 1u, 2u, 3u, 4u, 7u, 10u, 12u, 13u, 14u, 15u })
            setButtonSlot(expected.buttons, slot, buttonSlot(radioButtons, slot));
        ASSERT_EQ(std::memcmp(&back, &expected, sizeof expected), 0) << "iteration " << i;
    }
}

// ---- limit block ---------------------------------------------------------

TEST(LimitPacking, SecondLayoutFollowsTheFirmwareThresholds)
{
    EXPECT_TRUE(usesSecondLimitLayout('R', '2', '0'));
    EXPECT_TRUE(usesSecondLimitLayout('R', '9', '0'));
    EXPECT_TRUE(usesSecondLimitLayout('R', 'A', '0')); // "A"-"F" sort above "9"
    EXPECT_TRUE(usesSecondLimitLayout('R', '1', '7'));
    EXPECT_TRUE(usesSecondLimitLayout('R', '1', '9'));
    EXPECT_TRUE(usesSecondLimitLayout('R', '1', 'C'));
    EXPECT_FALSE(usesSecondLimitLayout('R', '1', '6'));
    EXPECT_FALSE(usesSecondLimitLayout('R', '0', '9'));
    EXPECT_FALSE(usesSecondLimitLayout('R', '0', 'F'));
    EXPECT_TRUE(usesSecondLimitLayout('D', '7', '0'));
    EXPECT_TRUE(usesSecondLimitLayout('D', 'B', '0'));
    EXPECT_FALSE(usesSecondLimitLayout('D', '6', 'F'));
    EXPECT_FALSE(usesSecondLimitLayout('D', '1', '7'));
    EXPECT_FALSE(usesSecondLimitLayout('X', '9', '9'));
    EXPECT_FALSE(usesSecondLimitLayout('r', '2', '0')); // phases compare by code
    EXPECT_FALSE(usesSecondLimitLayout(0, 0, 0));
}

TEST(LimitPacking, MaxCodesComesFromTheFirmwaresLayout)
{
    uint8_t b[kPackedLimitSize] = {};
    b[5] = 0x80 | 123; // bit 7 is not part of the first layout
    b[18] = 214;
    LimitBlock limit;
    unpackLimitBlock(b, firmware('R', '1', '6'), limit);
    EXPECT_EQ(limit.maxCodes, 123u);
    unpackLimitBlock(b, firmware('R', '1', '7'), limit);
    EXPECT_EQ(limit.maxCodes, 214u);
    unpackLimitBlock(b, firmware('D', '7', '0'), limit);
    EXPECT_EQ(limit.maxCodes, 214u);

    uint8_t out[kPackedLimitSize];
    fill(out, 0xFF);
    limit.maxCodes = 122;
    packLimitBlock(limit, firmware('D', '6', '0'), out);
    EXPECT_EQ(out[5], 0x80 | 122);
    EXPECT_EQ(out[18], 0xFF);
    fill(out, 0xFF);
    limit.maxCodes = 213;
    packLimitBlock(limit, firmware('R', '2', '0'), out);
    EXPECT_EQ(out[18], 213);
    EXPECT_EQ(out[5], 0xFF);
}

TEST(LimitPacking, EachFlagIsItsOwnBit)
{
    struct Flag {
        int byte;
        int bit;
        uint8_t LimitBlock::*field;
        const char *name;
    };
    const Flag flags[] = {
        { 7, 5, &LimitBlock::programming_mode_enabled, "programming_mode_enabled" },
        { 7, 2, &LimitBlock::voice_chip_enable, "voice_chip_enable" },
        { 7, 1, &LimitBlock::disable_channel_enable, "disable_channel_enable" },
        { 7, 0, &LimitBlock::talkaround_scan_enable, "talkaround_scan_enable" },
        { 10, 7, &LimitBlock::disable_time_out_timer, "disable_time_out_timer" },
        { 10, 6, &LimitBlock::radio_only_flag, "radio_only_flag" },
        { 10, 5, &LimitBlock::disable_keypad_beep_feature, "disable_keypad_beep_feature" },
        { 10, 4, &LimitBlock::disable_roger_beep_feature, "disable_roger_beep_feature" },
        { 10, 3, &LimitBlock::disable_busy_led_mode, "disable_busy_led_mode" },
        { 10, 2, &LimitBlock::enable_reverse_burst, "enable_reverse_burst" },
        { 10, 1, &LimitBlock::disable_vox_feature, "disable_vox_feature" },
        { 10, 0, &LimitBlock::disable_ivox_feature, "disable_ivox_feature" },
        { 11, 7, &LimitBlock::disable_scramble_feature, "disable_scramble_feature" },
        { 11, 6, &LimitBlock::disable_battery_save_feature, "disable_battery_save_feature" },
        { 11, 5, &LimitBlock::factory_reset_disable, "factory_reset_disable" },
        { 11, 4, &LimitBlock::disable_scan_mode, "disable_scan_mode" },
        { 11, 3, &LimitBlock::backlight_button_enabled, "backlight_button_enabled" },
        { 11, 2, &LimitBlock::power_cntrl_enabled, "power_cntrl_enabled" },
        { 13, 7, &LimitBlock::disable_repeater_feature, "disable_repeater_feature" },
        { 13, 6, &LimitBlock::call_feature_disable, "call_feature_disable" },
        { 13, 5, &LimitBlock::monitor_feature_disable, "monitor_feature_disable" },
        { 16, 3, &LimitBlock::disable_keypad_lock_feature, "disable_keypad_lock_feature" },
    };
    const FactoryBlock fw = firmware('R', '1', '0');
    for (const Flag &flag : flags) {
        uint8_t b[kPackedLimitSize] = {};
        b[flag.byte] = static_cast<uint8_t>(1u << flag.bit);
        LimitBlock limit;
        unpackLimitBlock(b, fw, limit);
        EXPECT_EQ(limit.*flag.field, 1) << flag.name;
        int set = 0;
        for (const Flag &other : flags)
            set += limit.*other.field;
        EXPECT_EQ(set, 1) << flag.name;

        LimitBlock only;
        only.*flag.field = 1;
        uint8_t packed[kPackedLimitSize] = {};
        packLimitBlock(only, fw, packed);
        EXPECT_EQ(std::memcmp(packed, b, sizeof b), 0) << flag.name;
    }
}

TEST(LimitPacking, CountsAndLevelsLandOnTheirBits)
{
    uint8_t b[kPackedLimitSize];
    fill(b, 0);
    b[4] = 0xE0 | 19;
    b[6] = 99;
    b[7] = 0x18 & (2 << 3);
    b[8] = 0xF8 | 5;
    LimitBlock limit;
    limit.start_freq = 1234; // a separate radio block, untouched here
    unpackLimitBlock(b, firmware('R', '1', '0'), limit);
    EXPECT_EQ(limit.maxChannels, 19);
    EXPECT_EQ(limit.max_valid_freqs, 99);
    EXPECT_EQ(limit.maxPresetButtons, 2);
    EXPECT_EQ(limit.max_call_tones, 5);
    EXPECT_EQ(limit.start_freq, 1234u);

    uint8_t out[kPackedLimitSize];
    fill(out, 0xFF);
    LimitBlock zero;
    packLimitBlock(zero, firmware('R', '1', '0'), out);
    EXPECT_EQ(out[4], 0xE0); // bits 7-5 are not the image's
    EXPECT_EQ(out[6], 0x00);
    EXPECT_EQ(out[7], 0xC0); // bits 7-6 kept
    EXPECT_EQ(out[8], 0xF8);
    EXPECT_EQ(out[10], 0x00);
    EXPECT_EQ(out[11], 0x03);
    EXPECT_EQ(out[13], 0x1F);
    EXPECT_EQ(out[16], 0xF7);
    for (int i : { 0, 1, 2, 3, 9, 12, 14, 15, 17, 19 })
        EXPECT_EQ(out[i], 0xFF) << i;
}

TEST(LimitPacking, CountsAboveTheImageAreCappedForLoops)
{
    uint8_t b[kPackedLimitSize] = {};
    b[4] = 31;
    b[6] = 255;
    LimitBlock limit;
    unpackLimitBlock(b, firmware('R', '1', '0'), limit);
    EXPECT_EQ(limit.maxChannels, 31);
    EXPECT_EQ(channelRecordsInUse(limit), 19);
    EXPECT_EQ(frequencyRecordsInUse(limit), 99);
    limit.maxChannels = 7;
    limit.max_valid_freqs = 12;
    EXPECT_EQ(channelRecordsInUse(limit), 7);
    EXPECT_EQ(frequencyRecordsInUse(limit), 12);
}
