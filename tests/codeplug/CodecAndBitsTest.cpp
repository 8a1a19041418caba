// Frequency encoding of the image's records and the button/scan bit helpers.

#include "codeplug/CodeplugBits.h"
#include "codeplug/FrequencyCodec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace codeplug;

TEST(FrequencyCodec, EncodesTheReferenceExample)
{
    FrequencyRecord r;
    encodeFrequency(462'562'500, 440, r);
    EXPECT_EQ(r.referenceDivider, 7);
    EXPECT_EQ(r.intPartOffset, 0);
    EXPECT_EQ(r.synthMode, 4);
    EXPECT_EQ(r.fracHigh, 8u);
    EXPECT_EQ(r.fracLow, 38'212u);
    EXPECT_EQ(decodeFrequency(r, 440), 462'562'500u);
}

TEST(FrequencyCodec, LeavesPowerCompanderAndBandwidthAlone)
{
    FrequencyRecord r;
    r.power_level = 2;
    r.compander_lle_mode = 3;
    r.bandwidth = 1;
    r.reserved6[0] = 0xAA;
    encodeFrequency(151'820'000, 144, r);
    EXPECT_EQ(r.power_level, 2);
    EXPECT_EQ(r.compander_lle_mode, 3);
    EXPECT_EQ(r.bandwidth, 1);
    EXPECT_EQ(r.reserved6[0], 0xAA);
}

TEST(FrequencyCodec, WholeStepsHaveNoFractionAndOneHzBelowHasTheLargest)
{
    // Every multiple of 1 050 000 the 32-bit range holds: N must be exact
    // although it is found by multiplying with a rounded inverse.
    for (uint32_t k = 1; k <= 4090; ++k) {
        const uint32_t base = k > 100 ? k - 100 : 0;
        FrequencyRecord r;
        encodeFrequency(k * 1'050'000u, base, r);
        ASSERT_EQ(r.intPartOffset, static_cast<uint8_t>(k - base)) << k;
        ASSERT_EQ(r.fracHigh, 0u) << k;
        ASSERT_EQ(r.fracLow, 0u) << k;

        encodeFrequency(k * 1'050'000u - 1, base, r);
        ASSERT_EQ(r.intPartOffset, static_cast<uint8_t>(k - 1 - base)) << k;
        ASSERT_EQ((r.fracHigh << 16) | r.fracLow, 1'049'999u) << k;
    }
}

TEST(FrequencyCodec, IntegerPartBelowTheBaseKeepsLowEightBits)
{
    FrequencyRecord r;
    encodeFrequency(462'562'500, 450, r); // N = 440
    EXPECT_EQ(r.intPartOffset, 246);
}

TEST(FrequencyCodec, RandomFrequenciesWithinReachOfTheBaseRoundTrip)
{
    // Up to about 2.1 GHz: beyond, 2 100 000 * N no longer fits the radio's
    // 32-bit arithmetic (see DecodingWrapsInThirtyTwoBits).
    std::mt19937 rng(20240607);
    for (int i = 0; i < 20000; ++i) {
        const uint32_t base = std::uniform_int_distribution<uint32_t>(0, 1700)(rng);
        const uint32_t low = base * 1'050'000u;
        const uint32_t f
            = std::uniform_int_distribution<uint32_t>(low, low + 255u * 1'050'000u + 1'049'999u)(rng);
        FrequencyRecord r;
        encodeFrequency(f, base, r);
        ASSERT_EQ(decodeFrequency(r, base), f) << "base " << base;
    }
}

TEST(FrequencyCodec, DecodingUsesTheStoredReferenceDivider)
{
    FrequencyRecord r;
    r.referenceDivider = 3; // 16.8 MHz / 4 = 4.2 MHz per step before halving
    r.intPartOffset = 10;
    r.fracLow = 500;
    EXPECT_EQ(decodeFrequency(r, 100), (4'200'000u * 110u + 1000u) / 2);
}

TEST(FrequencyCodec, DecodingWrapsInThirtyTwoBits)
{
    FrequencyRecord r;
    r.referenceDivider = 7;
    r.intPartOffset = 255;
    // 2 100 000 * 3255 exceeds 32 bits; the radio's arithmetic wraps.
    const uint32_t wrapped = static_cast<uint32_t>(2'100'000ull * 3255ull);
    EXPECT_EQ(decodeFrequency(r, 3000), wrapped >> 1);
}

TEST(ButtonTable, EvenSlotsAreLowNibblesOddSlotsHighNibbles)
{
    uint8_t table[8] = {};
    setButtonSlot(table, 5, 0xC);
    setButtonSlot(table, 6, 0x3);
    setButtonSlot(table, 11, 0x1F); // only four bits are stored
    EXPECT_EQ(table[2], 0xC0);
    EXPECT_EQ(table[3], 0x03);
    EXPECT_EQ(table[5], 0xF0);
    EXPECT_EQ(buttonSlot(table, 5), 0xC);
    EXPECT_EQ(buttonSlot(table, 6), 0x3);
    EXPECT_EQ(buttonSlot(table, 11), 0xF);
    EXPECT_EQ(buttonSlot(table, 4), 0);

    setButtonSlot(table, 5, 0);
    EXPECT_EQ(table[2], 0x00);
    EXPECT_EQ(buttonSlot(table, 6), 0x3); // the neighbour survives
}

TEST(ButtonTable, SlotsAboveFifteenAreIgnored)
{
    uint8_t table[8];
    std::memset(table, 0x5A, sizeof table);
    uint8_t before[8];
    std::memcpy(before, table, sizeof table);
    setButtonSlot(table, 16, 0xF);
    setButtonSlot(table, 200, 0xF);
    EXPECT_EQ(std::memcmp(table, before, sizeof table), 0);
    EXPECT_EQ(buttonSlot(table, 16), 0);
    EXPECT_EQ(buttonSlot(table, 15), 0x5);
}

TEST(ScanBitmap, ChannelKIsBitKMod8OfByteKDiv8)
{
    uint8_t bitmap[3] = {};
    setScanBit(bitmap, 0, true);
    setScanBit(bitmap, 8, true);
    setScanBit(bitmap, 18, true);
    EXPECT_EQ(bitmap[0], 0x01);
    EXPECT_EQ(bitmap[1], 0x01);
    EXPECT_EQ(bitmap[2], 0x04);
    EXPECT_TRUE(scanBit(bitmap, 18));
    EXPECT_FALSE(scanBit(bitmap, 17));

    setScanBit(bitmap, 8, false);
    EXPECT_EQ(bitmap[1], 0x00);
    EXPECT_TRUE(scanBit(bitmap, 0));
}

TEST(ScanBitmap, BitsAboveEighteenAreIgnored)
{
    uint8_t bitmap[3] = { 0, 0, 0xF8 };
    setScanBit(bitmap, 19, false);
    setScanBit(bitmap, 23, false);
    EXPECT_EQ(bitmap[2], 0xF8);
    EXPECT_FALSE(scanBit(bitmap, 19));
}
