// Rules on the image's text fields: number conversions of attribute texts,
// code-page text fields, the serial number rule and the channel name repair.

#include "codeplug/ChannelNameRepair.h"
#include "codeplug/CodePageText.h"
#include "codeplug/SerialNumber.h"
#include "codeplug/TextNumbers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

using namespace codeplug;

namespace {

void setName(VirtualCP &image, int k, const char *name)
{
    std::memset(image.channels[k].name, 0, kChannelNameLength);
    std::memcpy(image.channels[k].name, name, std::min<size_t>(std::strlen(name), kChannelNameLength));
}

std::string nameOf(const VirtualCP &image, int k)
{
    return fieldText(image.channels[k].name, kChannelNameLength).toStdString();
}

bool serialPasses(const char *serial)
{
    uint8_t field[kSerialLength] = {};
    std::memcpy(field, serial, std::min<size_t>(std::strlen(serial), kSerialLength));
    return isValidSerialNumber(field);
}

} // namespace

// ---- number conversions --------------------------------------------------

TEST(TextNumbers, UnsignedDecimalFollowsTheCLibrary)
{
    EXPECT_EQ(parseUnsigned(u""), 0u);
    EXPECT_EQ(parseUnsigned(u"abc"), 0u);
    EXPECT_EQ(parseUnsigned(u"12abc"), 12u);
    EXPECT_EQ(parseUnsigned(u" \t42"), 42u);
    EXPECT_EQ(parseUnsigned(u"+7"), 7u);
    EXPECT_EQ(parseUnsigned(u"true"), 0u);
    EXPECT_EQ(parseUnsigned(u"-1"), 4294967295u);
    EXPECT_EQ(parseUnsigned(u"4294967295"), 4294967295u);
    EXPECT_EQ(parseUnsigned(u"4294967296"), 4294967295u); // saturates, never wraps to 0
    EXPECT_EQ(parseUnsigned(u"99999999999999999999999999"), 4294967295u);
    EXPECT_EQ(parseUnsigned(u"462562500"), 462562500u);
}

TEST(TextNumbers, UnsignedHexadecimal)
{
    EXPECT_EQ(parseUnsigned(u"10", 16), 16u);
    EXPECT_EQ(parseUnsigned(u"ff", 16), 255u);
    EXPECT_EQ(parseUnsigned(u"0x1F", 16), 31u);
    EXPECT_EQ(parseUnsigned(u"0x", 16), 0u); // the 0 alone
    EXPECT_EQ(parseUnsigned(u"3g", 16), 3u);
}

TEST(TextNumbers, SignedConversionsSaturate)
{
    EXPECT_EQ(parseSigned(u"-5"), -5);
    EXPECT_EQ(parseSigned(u"12"), 12);
    EXPECT_EQ(parseSigned(u"2147483647"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(parseSigned(u"2147483648"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(parseSigned(u"-2147483648"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(parseSigned(u"-2147483649"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(parseSigned64(u"154570000"), 154570000);
    EXPECT_EQ(parseSigned64(u"4449537296"), 4449537296); // beyond 32 bits stays distinct
    EXPECT_EQ(parseSigned64(u"9223372036854775808"), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(parseSigned64(u"-9223372036854775808"), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(parseSigned64(u"-99999999999999999999"), std::numeric_limits<int64_t>::min());
}

// ---- code-page text fields -----------------------------------------------

TEST(CodePageText, StoreClearsTheFieldAndCutsAtItsWidth)
{
    uint8_t field[10];
    std::memset(field, 'Z', sizeof field);
    storeText(u"AB", field, 8);
    EXPECT_EQ(std::memcmp(field, "AB\0\0\0\0\0\0ZZ", 10), 0);
    storeText(u"NINECHARS", field, 8);
    EXPECT_EQ(std::memcmp(field, "NINECHARZZ", 10), 0);
}

// Characters that have a byte in Windows-1252, the same both ways: plain
// ASCII and Latin-1, the table of 0x80-0x9F, and an undefined byte, which
// stands for the C1 control of its own value.
struct CodePagePair {
    char16_t character;
    uint8_t byte;
};
constexpr CodePagePair kCodePagePairs[]
    = { { u'A', 0x41 }, { 0x00E9, 0xE9 }, { 0x00A0, 0xA0 }, { 0x00FF, 0xFF }, { 0x20AC, 0x80 },
          { 0x201A, 0x82 }, { 0x2019, 0x92 }, { 0x2122, 0x99 }, { 0x0178, 0x9F }, { 0x0081, 0x81 },
          { 0x008D, 0x8D }, { 0x008F, 0x8F }, { 0x0090, 0x90 }, { 0x009D, 0x9D } };

TEST(CodePageText, Windows1252BothWays)
{
    for (const CodePagePair &pair : kCodePagePairs) {
        uint8_t field[2] = { 0, 'Z' };
        storeText(QString(QChar(pair.character)), field, 1);
        EXPECT_EQ(field[0], pair.byte) << std::hex << int(pair.character);
        EXPECT_EQ(fieldText(&pair.byte, 1), QString(QChar(pair.character))) << std::hex << int(pair.byte);
    }
}

TEST(CodePageText, ACharacterWithoutAByteIsStoredAsOneQuestionMark)
{
    const QString withoutByte[] = {
        QString(QChar(0x0080)), // the C1 control whose byte is the euro sign
        QString(QChar(0x009F)), // likewise for Y with diaeresis
        QString(QChar(0x0100)), // A with macron
        QString(QChar(0x4E2D)), // CJK
        QString::fromUtf8("\xF0\x9F\x93\xBB"), // beyond the BMP: a surrogate pair
        QString(QChar(0xD800)), // a lone surrogate
    };
    for (const QString &character : withoutByte) {
        uint8_t field[4];
        storeText(u'a' + character + u'b', field, 4);
        EXPECT_EQ(std::memcmp(field, "a?b", 4), 0) << std::hex << int(character.front().unicode());
    }
}

TEST(CodePageText, EveryByteSurvivesTheProfileText)
{
    for (int value = 1; value <= 0xFF; ++value) {
        const uint8_t byte = static_cast<uint8_t>(value);
        uint8_t stored = 0;
        storeText(fieldText(&byte, 1), &stored, 1);
        EXPECT_EQ(stored, byte) << std::hex << value;
    }
}

TEST(CodePageText, FieldTextEndsAtTheFirstZeroOrTheWidth)
{
    const uint8_t withZero[4] = { 'A', 0, 'B', 'C' };
    EXPECT_EQ(fieldText(withZero, 4), QStringLiteral("A"));
    const uint8_t full[4] = { 'W', 'X', 'Y', 'Z' };
    EXPECT_EQ(fieldText(full, 4), QStringLiteral("WXYZ"));
}

TEST(CodePageText, ProfileValuesAreTrimmedAndEscaped)
{
    const uint8_t spaces[8] = { ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ' };
    EXPECT_EQ(profileTextValue(spaces, 8), QString());
    const uint8_t padded[8] = { ' ', '\t', 'A', ' ', 'B', '\r', ' ', 0 };
    EXPECT_EQ(profileTextValue(padded, 8), QStringLiteral("A B"));
    const uint8_t markup[8] = { '&', '<', '>', '"', 'x', '\'', 0, 0 };
    EXPECT_EQ(profileTextValue(markup, 8), QStringLiteral("&amp;&lt;&gt;&quot;x'"));
    // No-break space is a character here, not white space.
    const uint8_t nbsp[3] = { 0xA0, 'A', 0xA0 };
    EXPECT_EQ(profileTextValue(nbsp, 3),
        QString::fromUtf8("\xC2\xA0"
                          "A\xC2\xA0"));
}

TEST(CodePageText, AmpersandIsEscapedFirst)
{
    EXPECT_EQ(escapeAttributeValue(QStringLiteral("&lt;")), QStringLiteral("&amp;lt;"));
    EXPECT_EQ(escapeAttributeValue(QStringLiteral("a<b")), QStringLiteral("a&lt;b"));
}

// ---- serial number -------------------------------------------------------

TEST(SerialNumber, AcceptsAndRefusesByPosition)
{
    EXPECT_TRUE(serialPasses("123ABC4567"));
    EXPECT_TRUE(serialPasses("123IBC4567")); // I is allowed in position 4
    EXPECT_TRUE(serialPasses("106KXD4000"));
    EXPECT_TRUE(serialPasses("000ZZZOBCD")); // position 7 takes any letter
    EXPECT_FALSE(serialPasses("123OBC4567"));
    EXPECT_FALSE(serialPasses("123AIC4567"));
    EXPECT_FALSE(serialPasses("123AOC4567"));
    EXPECT_FALSE(serialPasses("123ABI4567"));
    EXPECT_FALSE(serialPasses("12XABC4567"));
    EXPECT_FALSE(serialPasses("X23ABC4567"));
    EXPECT_FALSE(serialPasses("123ABC45I7"));
    EXPECT_FALSE(serialPasses("123ABC4O67"));
    EXPECT_FALSE(serialPasses("123ABC456I"));
    EXPECT_FALSE(serialPasses("123aBC4567")); // lower case is not upper case
    EXPECT_FALSE(serialPasses("1234BC4567"));
    EXPECT_FALSE(serialPasses("123ABC-567"));
    EXPECT_FALSE(serialPasses("123ABC456")); // nine characters, zero padded
    EXPECT_FALSE(serialPasses(""));
}

// ---- channel name repair -------------------------------------------------

TEST(ChannelNameRepair, ThreeEqualNames)
{
    VirtualCP image {};
    image.limit.maxChannels = 3;
    for (int k = 0; k < 3; ++k)
        setName(image, k, "A");
    repairDuplicateChannelNames(image);
    EXPECT_EQ(nameOf(image, 0), "A");
    EXPECT_EQ(nameOf(image, 1), "CHAN 01");
    EXPECT_EQ(nameOf(image, 2), "CHAN 02");
    EXPECT_EQ(image.channels[1].name[7], 0);
}

TEST(ChannelNameRepair, SkipsNamesAlreadyTaken)
{
    VirtualCP image {};
    image.limit.maxChannels = 3;
    setName(image, 0, "CHAN 01");
    setName(image, 1, "X");
    setName(image, 2, "X");
    repairDuplicateChannelNames(image);
    EXPECT_EQ(nameOf(image, 0), "CHAN 01");
    EXPECT_EQ(nameOf(image, 1), "X");
    EXPECT_EQ(nameOf(image, 2), "CHAN 02");
}

TEST(ChannelNameRepair, CounterRunsOnAcrossChannelsToTen)
{
    VirtualCP image {};
    image.limit.maxChannels = 14;
    for (int k = 0; k < 14; ++k)
        setName(image, k, k % 2 ? "ODD" : "EVEN");
    repairDuplicateChannelNames(image);
    EXPECT_EQ(nameOf(image, 0), "EVEN");
    EXPECT_EQ(nameOf(image, 1), "ODD");
    for (int k = 2; k < 14; ++k) {
        const int n = k - 1;
        const std::string expected = (n < 10 ? "CHAN 0" : "CHAN ") + std::to_string(n);
        EXPECT_EQ(nameOf(image, k), expected) << k;
    }
}

TEST(ChannelNameRepair, EmptyNamesAreEqualNames)
{
    VirtualCP image {};
    image.limit.maxChannels = 2;
    repairDuplicateChannelNames(image);
    EXPECT_EQ(nameOf(image, 0), "");
    EXPECT_EQ(nameOf(image, 1), "CHAN 01");

    VirtualCP single {};
    single.limit.maxChannels = 2;
    setName(single, 1, "B");
    repairDuplicateChannelNames(single);
    EXPECT_EQ(nameOf(single, 0), "");
    EXPECT_EQ(nameOf(single, 1), "B");
}

TEST(ChannelNameRepair, ComparesAllEightBytes)
{
    VirtualCP image {};
    image.limit.maxChannels = 2;
    setName(image, 0, "A");
    setName(image, 1, "A       "); // written alike, stored differently
    repairDuplicateChannelNames(image);
    EXPECT_EQ(nameOf(image, 1), "A       ");
}

TEST(ChannelNameRepair, OnlyRecordsInUseCount)
{
    VirtualCP image {};
    image.limit.maxChannels = 3;
    setName(image, 0, "A");
    setName(image, 1, "A");
    setName(image, 2, "B");
    setName(image, 5, "CHAN 01"); // beyond the records in use
    setName(image, 6, "B");
    repairDuplicateChannelNames(image);
    EXPECT_EQ(nameOf(image, 1), "CHAN 01");
    EXPECT_EQ(nameOf(image, 6), "B");
}

TEST(ChannelNameRepair, ACountBeyondTheImageStaysWithinIt)
{
    VirtualCP image {};
    image.limit.maxChannels = 31; // as a radio may claim
    for (int k = 0; k < kChannelRecordCount; ++k)
        setName(image, k, "SAME");
    repairDuplicateChannelNames(image);
    EXPECT_EQ(nameOf(image, 18), "CHAN 18");
    EXPECT_EQ(image.customCodes[0], 0); // the record after the last channel is untouched
}
