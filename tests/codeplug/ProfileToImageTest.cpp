// Profile text -> codeplug image.

#include "ProfileEdit.h"
#include "RecordingReporter.h"
#include "TestEnvironment.h"

#include "base/VelaException.h"
#include "codeplug/CodePageText.h"
#include "codeplug/CodeplugBits.h"
#include "codeplug/DataAdaptor.h"
#include "codeplug/FrequencyCodec.h"
#include "codeplug/FrequencyRules.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace codeplug;

namespace {

const QString kFactory = QStringLiteral("//dfns:factory_setting");
const QString kLimit = QStringLiteral("//dfns:limit");
const QString kSetting = QStringLiteral("//dfns:setting");
const QString kChannel = QStringLiteral("//dfns:channel");
const QString kFrequency = QStringLiteral("//dfns:frequency");

QString channel(int k)
{
    return QStringLiteral("//dfns:channels/dfns:channel[%1]").arg(k + 1);
}
QString frequency(int i)
{
    return QStringLiteral("//dfns:frequencies/dfns:frequency[%1]").arg(i + 1);
}

// A radio of codeplug version 3 and power class 5, which takes the profile
// as it is.
RadioIdentity plainRadio()
{
    RadioIdentity radio;
    radio.modelDigits[0] = 5;
    radio.codeplugVersion = 3;
    return radio;
}

class ProfileToImage : public ::testing::Test {
protected:
    // The display model's template: six channels and six frequencies.
    ProfileEdit edit { dataFileText(QStringLiteral("profiletemplate/KXD40600.kv9")) };
    VirtualCP image {};
    RecordingReporter reporter;

    void convert(const RadioIdentity &radio = plainRadio())
    {
        ASSERT_EQ(CDataAdaptor::XML2VirtualCP(edit.text(), image, radio), 1);
    }
};

} // namespace

TEST_F(ProfileToImage, ReadsTheTemplate)
{
    convert();
    const FactoryBlock &f = image.factory;
    EXPECT_EQ(image.serial_clone_compatibility, 1);
    EXPECT_EQ(f.firmware_phase, 'R');
    EXPECT_EQ(f.firmware_version, '1');
    EXPECT_EQ(f.firmware_revision, '7');
    EXPECT_EQ(f.codeplug_phase, 'R');
    EXPECT_EQ(f.codeplug_version, 3);
    EXPECT_EQ(f.codeplug_dev_version, 1);
    EXPECT_EQ(std::memcmp(f.modelLetters, "KXD", 3), 0);
    const uint8_t digits[5] = { 4, 0, 6, 0, 0 };
    EXPECT_EQ(std::memcmp(f.modelDigits, digits, 5), 0);
    EXPECT_EQ(std::memcmp(f.serial, "106KXD4000", 10), 0);
    EXPECT_EQ(f.synth_base_int_part, 128u);

    EXPECT_EQ(image.limit.maxChannels, 6);
    EXPECT_EQ(image.limit.start_freq, 151'500'000u);
    EXPECT_EQ(image.limit.end_freq, 174'000'000u);
    EXPECT_EQ(image.limit.enable_reverse_burst, 1);
    EXPECT_EQ(image.limit.max_call_tones, 3);
    EXPECT_EQ(image.limit.maxCodes, 213u);
    EXPECT_EQ(image.limit.disable_repeater_feature, 1);
    EXPECT_EQ(image.limit.disable_channel_enable, 1);

    const SettingBlock &s = image.setting;
    EXPECT_EQ(s.timeoutTimer, 60);
    EXPECT_EQ(s.vox_level, 3);
    EXPECT_EQ(buttonSlot(s.buttons, kSide1ButtonSlot), 1);
    EXPECT_EQ(buttonSlot(s.buttons, kSide2ButtonSlot), 2);
    EXPECT_EQ(buttonSlot(s.buttons, kUpperRightButtonSlot), 9);
    EXPECT_EQ(buttonSlot(s.buttons, kLowerLeftButtonSlot), 10);
    EXPECT_EQ(buttonSlot(s.buttons, kLowerRightButtonSlot), 6);
    EXPECT_EQ(image.customCodes[0], 1000);
    EXPECT_EQ(image.customCodes[5], 1500);
    EXPECT_EQ(std::memcmp(s.powerupString, "WELCOME\0", 8), 0);
    EXPECT_EQ(s.backlight_timeout, 5);
    EXPECT_EQ(s.keypadBeep, 1);
    EXPECT_EQ(s.presetChannels[0], 0);
    EXPECT_EQ(s.presetChannels[1], 1);

    EXPECT_EQ(image.channels[1].rx_code, 12);
    EXPECT_EQ(image.channels[1].talkaround_power, 1);
    EXPECT_EQ(std::memcmp(image.channels[5].name, "CHAN 6\0\0", 8), 0);
    EXPECT_TRUE(scanBit(s.scanBitmap, 3));
    EXPECT_FALSE(scanBit(s.scanBitmap, 4));

    EXPECT_EQ(decodeFrequency(image.frequencies[1], 128), 151'955'000u);
    EXPECT_EQ(image.frequencies[1].power_level, 3);
    EXPECT_EQ(image.frequencies[1].compander_lle_mode, 2);
    EXPECT_EQ(image.frequencies[1].referenceDivider, 7);
    EXPECT_EQ(image.frequencies[1].synthMode, 4);
}

TEST_F(ProfileToImage, EncodesFrequenciesWithTheBaseJustRead)
{
    edit.set(kFactory, QStringLiteral("synth_base_int_part"), 440)
        .set(frequency(0), QStringLiteral("freq"), 462'562'500);
    convert();
    const FrequencyRecord &r = image.frequencies[0];
    EXPECT_EQ(r.intPartOffset, 0);
    EXPECT_EQ(r.fracHigh, 8u);
    EXPECT_EQ(r.fracLow, 38'212u);
}

TEST_F(ProfileToImage, TwentyChannelsFillNineteenRecords)
{
    edit.growTo(kChannel, 20)
        .set(kChannel, QStringLiteral("in_scanlist"), 1)
        .set(kChannel, QStringLiteral("rx_code"), 77)
        .set(kLimit, QStringLiteral("maxCodes"), 122);
    image.customCodes[0] = 0xBEEF; // the field after the last channel record
    convert();
    EXPECT_EQ(image.channels[18].rx_code, 77);
    EXPECT_EQ(image.customCodes[0], 0xBEEF);
    EXPECT_EQ(image.setting.scanBitmap[2], 0x07); // bits 16-18 only
}

TEST_F(ProfileToImage, CustomCodesFollowMaxCodes)
{
    edit.set(kSetting, QStringLiteral("PLcode214"), 0x123).set(kSetting, QStringLiteral("PLcode219"), 0x765);
    const uint16_t untouched = 0xAAAA;
    auto run = [&](uint32_t maxCodes) {
        edit.set(kLimit, QStringLiteral("maxCodes"), maxCodes);
        image = VirtualCP {};
        std::fill(std::begin(image.customCodes), std::end(image.customCodes), untouched);
        convert();
    };
    run(122);
    for (uint16_t code : image.customCodes)
        EXPECT_EQ(code, untouched);
    run(123);
    EXPECT_EQ(image.customCodes[0], 1000);
    EXPECT_EQ(image.customCodes[5], 1500);
    EXPECT_EQ(image.customCodes[6], untouched);
    run(213);
    EXPECT_EQ(image.customCodes[11], untouched);
    run(214);
    EXPECT_EQ(image.customCodes[0], 1000);
    EXPECT_EQ(image.customCodes[6], 0x123);
    EXPECT_EQ(image.customCodes[11], 0x765);
    EXPECT_EQ(image.customCodes[7], 0); // absent attributes read as 0
}

TEST_F(ProfileToImage, OnlyTheTextOneIsASetFlag)
{
    edit.set(channel(0), QStringLiteral("rx_bw"), QStringLiteral("true"))
        .set(channel(1), QStringLiteral("rx_bw"), QStringLiteral("1"))
        .set(channel(2), QStringLiteral("rx_bw"), QStringLiteral(" 1"))
        .set(channel(3), QStringLiteral("rx_bw"), QStringLiteral("2"));
    convert();
    EXPECT_EQ(image.channels[0].rx_bw, 0);
    EXPECT_EQ(image.channels[1].rx_bw, 1);
    EXPECT_EQ(image.channels[2].rx_bw, 0);
    EXPECT_EQ(image.channels[3].rx_bw, 0);
}

TEST_F(ProfileToImage, LongNamesAreCutAtEightBytes)
{
    edit.set(channel(0), QStringLiteral("name"), QStringLiteral("NINECHARS"))
        .set(channel(1), QStringLiteral("name"), QStringLiteral("AB"));
    image.channels[0].radioCheckByte = 0x5A;
    std::memset(image.channels[1].name, 'Z', 8);
    convert();
    EXPECT_EQ(std::memcmp(image.channels[0].name, "NINECHAR", 8), 0);
    EXPECT_EQ(image.channels[0].radioCheckByte, 0x5A);
    EXPECT_EQ(std::memcmp(image.channels[1].name, "AB\0\0\0\0\0\0", 8), 0);
}

TEST_F(ProfileToImage, VersionCharactersAndNumbers)
{
    edit.set(kFactory, QStringLiteral("codeplug_version"), 10)
        .set(kFactory, QStringLiteral("codeplug_dev_version"), QStringLiteral("1f"))
        .set(kFactory, QStringLiteral("firmware_version"), 12)
        .set(kFactory, QStringLiteral("firmware_revision"), 16);
    convert();
    EXPECT_EQ(image.factory.codeplug_version, 16);
    EXPECT_EQ(image.factory.codeplug_dev_version, 31);
    EXPECT_EQ(image.factory.firmware_version, 'C');
    EXPECT_EQ(image.factory.firmware_revision, '1');

    edit.set(kFactory, QStringLiteral("firmware_version"), -1)
        .set(kFactory, QStringLiteral("firmware_revision"), QString());
    convert();
    EXPECT_EQ(image.factory.firmware_version, 'F'); // FFFFFFFF
    EXPECT_EQ(image.factory.firmware_revision, '0');
}

TEST_F(ProfileToImage, TextFieldsAreClearedBeforeTheyAreStored)
{
    edit.set(kFactory, QStringLiteral("serial"), QStringLiteral("123ABC45678XYZ"))
        .set(kFactory, QStringLiteral("model"), QStringLiteral("KU"))
        .set(kSetting, QStringLiteral("password"), QStringLiteral("12"))
        .set(kSetting, QStringLiteral("powerupString"), QString::fromUtf8("caf\xC3\xA9"));
    std::memset(image.factory.modelDigits, 9, 5);
    std::memset(image.setting.password, 'x', 4);
    std::memset(image.setting.powerupString, 'x', 8);
    convert();
    EXPECT_EQ(std::memcmp(image.factory.serial, "123ABC4567", 10), 0);
    EXPECT_EQ(std::memcmp(image.factory.modelLetters, "KU\0", 3), 0);
    EXPECT_EQ(image.factory.modelDigits[0], 0);
    EXPECT_EQ(std::memcmp(image.setting.password, "12\0\0", 4), 0);
    EXPECT_EQ(std::memcmp(image.setting.powerupString, "caf\xE9\0\0\0\0", 8), 0);
}

TEST_F(ProfileToImage, ScanListNumbersSetAndClearBits)
{
    edit.set(channel(0), QStringLiteral("in_scanlist"), 2).set(channel(1), QStringLiteral("in_scanlist"), 0);
    image.setting.scanBitmap[0] = 0x02;
    convert();
    EXPECT_TRUE(scanBit(image.setting.scanBitmap, 0));
    EXPECT_FALSE(scanBit(image.setting.scanBitmap, 1));
}

TEST_F(ProfileToImage, NeverClearsTheImageAsAWhole)
{
    image.limit.radio_only_flag = 1;
    image.limit.reserved30[0] = 0x11;
    image.reserved558[1] = 0x22;
    image.reserved2145[2] = 0x33;
    image.channels[10].rx_code = 99;
    image.frequencies[50].power_level = 2;
    setScanBit(image.setting.scanBitmap, 12, true);
    setButtonSlot(image.setting.buttons, 0, 7); // a slot the profile does not name
    convert();
    EXPECT_EQ(image.limit.radio_only_flag, 1);
    EXPECT_EQ(image.limit.reserved30[0], 0x11);
    EXPECT_EQ(image.reserved558[1], 0x22);
    EXPECT_EQ(image.reserved2145[2], 0x33);
    EXPECT_EQ(image.channels[10].rx_code, 99);
    EXPECT_EQ(image.frequencies[50].power_level, 2);
    EXPECT_TRUE(scanBit(image.setting.scanBitmap, 12));
    EXPECT_EQ(buttonSlot(image.setting.buttons, 0), 7);
}

TEST_F(ProfileToImage, OlderRadiosGetNoChannelFlags)
{
    edit.set(kChannel, QStringLiteral("disable_channel"), 1)
        .set(kChannel, QStringLiteral("talkaround_scan"), 1);
    RadioIdentity radio = plainRadio();
    radio.codeplugVersion = 2;
    convert(radio);
    EXPECT_EQ(image.channels[0].disable_channel, 0);
    EXPECT_EQ(image.channels[0].talkaround_scan, 0);
    radio.codeplugVersion = 3;
    convert(radio);
    EXPECT_EQ(image.channels[0].disable_channel, 1);
    EXPECT_EQ(image.channels[0].talkaround_scan, 1);
}

TEST_F(ProfileToImage, FourWattRadiosGetTheTwoWattAdjustment)
{
    edit.set(frequency(0), QStringLiteral("freq"), 462'762'500)
        .set(frequency(0), QStringLiteral("power_level"), 1);
    RadioIdentity radio = plainRadio();
    convert(radio);
    EXPECT_EQ(image.frequencies[0].power_level, 1);
    EXPECT_TRUE(reporter.messages.isEmpty());

    radio.modelDigits[0] = 4;
    convert(radio);
    EXPECT_EQ(image.frequencies[0].power_level, 0);
    EXPECT_EQ(image.channels[0].talkaround_power, 0);
    EXPECT_EQ(image.channels[0].repeater_power, 0);
    EXPECT_EQ(reporter.messages, QStringList { QString::fromLatin1(FrequencyRules::kTwoWattNotice) });
}

TEST_F(ProfileToImage, ATextThatDoesNotLoadIsAnUnknownError)
{
    try {
        CDataAdaptor::XML2VirtualCP(QStringLiteral("<VelaProfile"), image, plainRadio());
        FAIL() << "no exception";
    } catch (const CVelaCPSException &e) {
        EXPECT_EQ(e.code(), VelaError::Unknown);
        EXPECT_TRUE(e.detail().startsWith(QStringLiteral("ErrorMsg: "))) << e.detail().toStdString();
        EXPECT_TRUE(e.detail().contains(QStringLiteral("(CDataAdaptor::XML2VirtualCP:")))
            << e.detail().toStdString();
    }
}

TEST_F(ProfileToImage, AProfileWithoutItsSectionsIsAnUnknownError)
{
    const QString noLimit = QStringLiteral("<VelaProfile xmlns=\"http://schemas.halvern.com/vela/profile\">"
                                           "<factory_setting serial=\"123ABC4567\"/></VelaProfile>");
    try {
        CDataAdaptor::XML2VirtualCP(noLimit, image, plainRadio());
        FAIL() << "no exception";
    } catch (const CVelaCPSException &e) {
        EXPECT_EQ(e.code(), VelaError::Unknown);
        EXPECT_TRUE(e.detail().contains(QStringLiteral("limit"))) << e.detail().toStdString();
    }
    // The part before the failure is filled.
    EXPECT_EQ(std::memcmp(image.factory.serial, "123ABC4567", 10), 0);
}
