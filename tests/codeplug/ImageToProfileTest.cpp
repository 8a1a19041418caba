// Codeplug image -> profile text, and the round trip image -> text -> image.

#include "RecordingReporter.h"

#include "codeplug/CodePageText.h"
#include "codeplug/CodeplugBits.h"
#include "codeplug/DataAdaptor.h"
#include "codeplug/FrequencyCodec.h"
#include "codeplug/FrequencyRules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <string>

using namespace codeplug;

namespace {

template <std::size_t N> void putText(uint8_t (&field)[N], const char *text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text, std::min(std::strlen(text), N));
}

// One channel, one frequency and every byte the text carries set to a value
// of its own, so that a field written under the wrong name shows.
VirtualCP referenceImage()
{
    VirtualCP image {};
    FactoryBlock &f = image.factory;
    image.serial_clone_compatibility = 1;
    f.firmware_phase = 'R';
    f.firmware_version = '1';
    f.firmware_revision = '7';
    f.codeplug_phase = 'R';
    f.codeplug_version = 3;
    f.codeplug_dev_version = 1;
    putText(f.modelLetters, "KXD");
    const uint8_t digits[5] = { 4, 0, 6, 0, 0 };
    std::memcpy(f.modelDigits, digits, 5);
    putText(f.serial, "106KXD4000");
    f.synth_base_int_part = 128;

    LimitBlock &l = image.limit;
    l.maxChannels = 1;
    l.max_valid_freqs = 1;
    l.start_freq = 151'500'000;
    l.end_freq = 174'000'000;
    uint8_t next = 10;
    for (uint8_t *flag :
        { &l.disable_time_out_timer, &l.disable_keypad_beep_feature, &l.disable_roger_beep_feature,
            &l.disable_busy_led_mode, &l.enable_reverse_burst, &l.disable_vox_feature,
            &l.disable_ivox_feature, &l.disable_scramble_feature, &l.disable_battery_save_feature,
            &l.factory_reset_disable, &l.disable_scan_mode, &l.voice_chip_enable, &l.disable_channel_enable,
            &l.talkaround_scan_enable, &l.max_call_tones, &l.maxPresetButtons, &l.power_cntrl_enabled,
            &l.backlight_button_enabled, &l.programming_mode_enabled, &l.call_feature_disable,
            &l.monitor_feature_disable, &l.disable_keypad_lock_feature, &l.disable_repeater_feature })
        *flag = next++; // 10 .. 32
    l.radio_only_flag = 99;
    l.maxCodes = 123;

    SettingBlock &s = image.setting;
    putText(s.password, "12");
    next = 40;
    for (uint8_t *value : { &s.disableLED, &s.disableRestoreFactoryDefault, &s.backlight_enabled,
             &s.timeoutTimer, &s.reverseBurst, &s.vox_level, &s.ivol_level, &s.microphoneGain,
             &s.accessoryMicrophoneGain, &s.batteryType, &s.disableBatterySave, &s.numberChannels,
             &s.voice_language, &s.disableSelectableScramble, &s.rogerBeepTone, &s.keypadLock, &s.keypadBeep,
             &s.callTone, &s.backlight_timeout })
        *value = next++; // 40 .. 58
    setButtonSlot(s.buttons, kSide1ButtonSlot, 1);
    setButtonSlot(s.buttons, kSide2ButtonSlot, 2);
    setButtonSlot(s.buttons, kUpperRightButtonSlot, 9);
    setButtonSlot(s.buttons, kLowerLeftButtonSlot, 10);
    setButtonSlot(s.buttons, kLowerRightButtonSlot, 6);
    setButtonSlot(s.buttons, 0, 15);
    putText(s.powerupString, "WELCOME");
    s.presetChannels[0] = 0;
    s.presetChannels[1] = 3;
    for (int i = 0; i < kCustomCodeCount; ++i)
        image.customCodes[i] = static_cast<uint16_t>(i < 6 ? 1000 + 100 * i : 7001 + i - 6);

    ChannelRecord &c = image.channels[0];
    next = 60;
    for (uint8_t *value :
        { &c.rx_code, &c.tx_code, &c.rx_bw, &c.tx_bw, &c.talkaround_power, &c.repeater_power, &c.repeater,
            &c.autoScan, &c.disable_channel, &c.talkaround_scan, &c.scramble_code })
        *value = next++; // 60 .. 70
    putText(c.name, "CH&1");
    setScanBit(s.scanBitmap, 0, true);

    FrequencyRecord &r = image.frequencies[0];
    encodeFrequency(151'625'000, 128, r);
    r.bandwidth = 0x05;
    r.power_level = 0x07;
    r.compander_lle_mode = 2;
    return image;
}

const char *const kReferenceText
    = "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n"
      "<VelaProfile xmlns=\"http://schemas.halvern.com/vela/profile\">\r\n"
      "\t<factory_setting serial_clone_compatibility=\"1\" firmware_phase=\"R\" firmware_version=\"1\" "
      "firmware_revision=\"7\" codeplug_phase=\"R\" codeplug_version=\"3\" codeplug_dev_version=\"1\" "
      "model=\"KXD40600\" serial=\"106KXD4000\" synth_base_int_part=\"128\" sub_region=\"2\" />\r\n"
      "\t<limit maxChannels=\"1\" max_valid_freqs=\"1\" start_freq=\"151500000\" end_freq=\"174000000\" "
      "disable_time_out_timer=\"10\" disable_keypad_beep_feature=\"11\" disable_roger_beep_feature=\"12\" "
      "disable_busy_led_mode=\"13\" enable_reverse_burst=\"14\" disable_vox_feature=\"15\" "
      "disable_ivox_feature=\"16\" disable_scramble_feature=\"17\" disable_battery_save_feature=\"18\" "
      "factory_reset_disable=\"19\" disable_scan_mode=\"20\" max_call_tones=\"24\" maxPresetButtons=\"25\" "
      "maxCodes=\"123\" power_cntrl_enabled=\"26\" backlight_button_enabled=\"27\" "
      "programming_mode_enabled=\"28\" "
      "call_feature_disable=\"29\" monitor_feature_disable=\"30\" disable_keypad_lock_feature=\"31\" "
      "disable_repeater_feature=\"32\" disable_channel_enable=\"22\" talkaround_scan_enable=\"23\" "
      "voice_chip_enable=\"21\" />\r\n"
      "\t<setting password=\"12\" disableLED=\"40\" disableRestoreFactoryDefault=\"41\" "
      "backlight_enabled=\"42\" "
      "timeoutTimer=\"43\" reverseBurst=\"44\" vox_level=\"45\" ivol_level=\"46\" microphoneGain=\"47\" "
      "accessoryMicrophoneGain=\"48\" batteryType=\"49\" disableBatterySave=\"50\" side1_but=\"1\" "
      "side2_but=\"2\" "
      "upper_right_but=\"9\" lower_left_but=\"10\" lower_right_but=\"6\" numberChannels=\"51\" "
      "voice_language=\"52\" PLcode124=\"1000\" PLcode125=\"1100\" PLcode126=\"1200\" PLcode127=\"1300\" "
      "PLcode128=\"1400\" PLcode129=\"1500\" powerupString=\"WELCOME\" rogerBeepTone=\"54\" "
      "disableSelectableScramble=\"53\" backlight_timeout=\"58\" callTone=\"57\" keypadLock=\"55\" "
      "keypadBeep=\"56\" >\r\n"
      "\t\t<preset channel=\"0\"/>\r\n"
      "\t\t<preset channel=\"3\"/>\r\n"
      "\t</setting>\r\n"
      "\t<channels>\r\n"
      "\t\t<channel rx_freq_ndx=\"0\" rx_code=\"60\" tx_freq_ndx=\"0\" tx_code=\"61\" rx_bw=\"62\" "
      "tx_bw=\"63\" "
      "talkaround_power=\"64\" repeater_power=\"65\" repeater=\"66\" autoScan=\"67\" scramble_code=\"70\" "
      "name=\"CH&amp;1\" disable_channel=\"68\" talkaround_scan=\"69\" in_scanlist=\"1\" />\r\n"
      "\t</channels>\r\n"
      "\t<frequencies>\r\n"
      "\t\t<frequency freq=\"151625000\" bandwidth=\"1\" power_level=\"3\" compander_lle_mode=\"2\" />\r\n"
      "\t</frequencies>\r\n"
      "</VelaProfile>\r\n";

// The value of the first attribute called name in a profile text.
std::string attributeOf(const QString &text, const QString &name)
{
    const QString key = u' ' + name + QStringLiteral("=\"");
    const qsizetype at = text.indexOf(key);
    if (at < 0)
        return "<absent>";
    const qsizetype from = at + key.size();
    return text.mid(from, text.indexOf(u'"', from) - from).toStdString();
}

class ImageToProfile : public ::testing::Test {
protected:
    VirtualCP image = referenceImage();
    QString text;
    RecordingReporter reporter;

    void convert()
    {
        ASSERT_EQ(CDataAdaptor::VirtualCP2XML(image, text), 1) << reporter.messages.join(u'|').toStdString();
    }
};

} // namespace

TEST_F(ImageToProfile, WritesTheCanonicalText)
{
    convert();
    EXPECT_EQ(text.toStdString(), kReferenceText);
    EXPECT_TRUE(reporter.messages.isEmpty());
}

TEST_F(ImageToProfile, CustomCodesAboveTheirThresholds)
{
    image.limit.maxCodes = 122;
    convert();
    EXPECT_FALSE(text.contains(QStringLiteral("PLcode")));

    image.limit.maxCodes = 200;
    convert();
    EXPECT_EQ(attributeOf(text, QStringLiteral("PLcode129")), "1500");
    EXPECT_FALSE(text.contains(QStringLiteral("PLcode214")));

    image.limit.maxCodes = 214;
    convert();
    EXPECT_EQ(attributeOf(text, QStringLiteral("PLcode214")), "7001");
    EXPECT_EQ(attributeOf(text, QStringLiteral("PLcode219")), "7006");
    EXPECT_LT(text.indexOf(QStringLiteral("PLcode129")), text.indexOf(QStringLiteral("PLcode214")));
    EXPECT_LT(text.indexOf(QStringLiteral("PLcode219")), text.indexOf(QStringLiteral("powerupString")));
}

TEST_F(ImageToProfile, FactoryValues)
{
    image.factory.firmware_version = 'B';
    image.factory.firmware_revision = 'f';
    image.factory.codeplug_version = 16;
    image.factory.modelDigits[2] = 12;
    convert();
    EXPECT_EQ(attributeOf(text, QStringLiteral("firmware_version")), "11");
    EXPECT_EQ(attributeOf(text, QStringLiteral("firmware_revision")), "15");
    EXPECT_EQ(attributeOf(text, QStringLiteral("codeplug_version")), "16");
    EXPECT_EQ(attributeOf(text, QStringLiteral("model")), "KXD401200");
    EXPECT_EQ(attributeOf(text, QStringLiteral("sub_region")), "2");

    image.factory.firmware_version = 'G';
    convert();
    EXPECT_EQ(attributeOf(text, QStringLiteral("firmware_version")), "4294967295");
}

TEST_F(ImageToProfile, NamesAreTrimmedAndEscaped)
{
    image.limit.maxChannels = 3;
    putText(image.channels[0].name, "        ");
    putText(image.channels[1].name, " <A&B> ");
    putText(image.channels[2].name, "\"Q\"");
    convert();
    EXPECT_TRUE(text.contains(QStringLiteral("name=\"\" ")));
    EXPECT_TRUE(text.contains(QStringLiteral("name=\"&lt;A&amp;B&gt;\" ")));
    EXPECT_TRUE(text.contains(QStringLiteral("name=\"&quot;Q&quot;\" ")));
}

TEST_F(ImageToProfile, DuplicateNamesAreRepairedInTheImageAndTheText)
{
    image.limit.maxChannels = 3;
    for (int k = 0; k < 3; ++k)
        putText(image.channels[k].name, "A");
    convert();
    EXPECT_EQ(fieldText(image.channels[2].name, 8), QStringLiteral("CHAN 02"));
    EXPECT_TRUE(text.contains(QStringLiteral("name=\"CHAN 01\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("name=\"CHAN 02\"")));
}

TEST_F(ImageToProfile, CountsBeyondTheImageAreCapped)
{
    image.limit.maxChannels = 25;
    image.limit.max_valid_freqs = 120;
    for (int k = 0; k < kChannelRecordCount; ++k)
        putText(image.channels[k].name, QByteArray("N").append(QByteArray::number(k)).constData());
    for (FrequencyRecord &r : image.frequencies)
        encodeFrequency(152'000'000, 128, r);
    convert();
    EXPECT_EQ(text.count(QStringLiteral("<channel ")), 19);
    EXPECT_EQ(text.count(QStringLiteral("<frequency ")), 99);
    EXPECT_EQ(attributeOf(text, QStringLiteral("maxChannels")), "19");
    EXPECT_EQ(attributeOf(text, QStringLiteral("max_valid_freqs")), "99");
    EXPECT_EQ(image.limit.maxChannels, 25); // the image keeps what the radio said
}

TEST_F(ImageToProfile, AnInvalidSerialIsRefusedBeforeAnythingChanges)
{
    for (const char *serial : { "123OBC4567", "123AIC4567", "12XABC4567", "123ABC45I7" }) {
        putText(image.factory.serial, serial);
        image.limit.maxChannels = 2;
        putText(image.channels[1].name, "CH&1"); // a duplicate the repair would rename
        text = QStringLiteral("previous");
        reporter.messages.clear();
        EXPECT_EQ(CDataAdaptor::VirtualCP2XML(image, text), 0) << serial;
        EXPECT_EQ(text, QStringLiteral("previous"));
        EXPECT_EQ(reporter.messages, QStringList { QStringLiteral("Invalid serial number") });
        EXPECT_EQ(fieldText(image.channels[1].name, 8), QStringLiteral("CH&1"));
    }
    putText(image.factory.serial, "123IBC4567");
    convert();
}

TEST_F(ImageToProfile, AnImageThatMakesNoXmlIsCorrupted)
{
    // Single characters are written as they are; these make no XML.
    for (uint8_t phase : { uint8_t('<'), uint8_t('&'), uint8_t(0) }) {
        image.factory.firmware_phase = phase;
        reporter.messages.clear();
        text.clear();
        EXPECT_EQ(CDataAdaptor::VirtualCP2XML(image, text), 0) << int(phase);
        EXPECT_EQ(reporter.messages, QStringList { QStringLiteral("Codeplug is corrupted") });
        EXPECT_TRUE(text.contains(QStringLiteral("firmware_phase=\"") + QChar(phase) + u'"'));
    }
}

TEST_F(ImageToProfile, AMursFrequencyIsRefused)
{
    encodeFrequency(154'570'000, 128, image.frequencies[0]);
    EXPECT_EQ(CDataAdaptor::VirtualCP2XML(image, text), 0);
    EXPECT_EQ(reporter.messages, QStringList { QStringLiteral("Invalid Frequency.") });
    EXPECT_EQ(attributeOf(text, QStringLiteral("freq")), "154570000");

    reporter.messages.clear();
    encodeFrequency(154'570'001, 128, image.frequencies[0]);
    convert();
    EXPECT_TRUE(reporter.messages.isEmpty());
}

// ---- round trip ------------------------------------------------------------

namespace {

class RandomImages {
public:
    explicit RandomImages(unsigned seed)
        : m_rng(seed)
    {
    }

    VirtualCP next()
    {
        VirtualCP image {};
        FactoryBlock &f = image.factory;
        image.serial_clone_compatibility = byte();
        f.firmware_phase = pick("RDXP");
        f.firmware_version = pick("0123456789ABCDEF");
        f.firmware_revision = pick("0123456789ABCDEF");
        f.codeplug_phase = pick("RD");
        // Written in decimal and read as hexadecimal: the two agree for 0-9.
        f.codeplug_version = below(10);
        f.codeplug_dev_version = below(10);
        for (uint8_t &letter : f.modelLetters)
            letter = pick("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        for (uint8_t &digit : f.modelDigits)
            digit = below(10);
        serial(f.serial);
        f.synth_base_int_part = 100 + below(1400);

        LimitBlock &l = image.limit;
        l.maxChannels = below(kChannelRecordCount + 1);
        l.max_valid_freqs = below(kFrequencyRecordCount + 1);
        l.start_freq = static_cast<uint32_t>(m_rng());
        l.end_freq = static_cast<uint32_t>(m_rng());
        for (uint8_t *flag :
            { &l.disable_time_out_timer, &l.disable_keypad_beep_feature, &l.disable_roger_beep_feature,
                &l.disable_busy_led_mode, &l.enable_reverse_burst, &l.disable_vox_feature,
                &l.disable_ivox_feature, &l.disable_scramble_feature, &l.disable_battery_save_feature,
                &l.factory_reset_disable, &l.disable_scan_mode, &l.voice_chip_enable,
                &l.disable_channel_enable, &l.talkaround_scan_enable, &l.power_cntrl_enabled,
                &l.backlight_button_enabled, &l.programming_mode_enabled, &l.call_feature_disable,
                &l.monitor_feature_disable, &l.disable_keypad_lock_feature, &l.disable_repeater_feature })
            *flag = below(2);
        l.max_call_tones = byte();
        l.maxPresetButtons = byte();
        const uint32_t thresholds[] = { 0, 122, 123, 213, 214, 219, 255, static_cast<uint32_t>(m_rng()) };
        l.maxCodes = thresholds[below(8)];

        SettingBlock &s = image.setting;
        text(s.password);
        for (uint8_t *flag : { &s.disableLED, &s.disableRestoreFactoryDefault, &s.backlight_enabled,
                 &s.reverseBurst, &s.batteryType, &s.disableBatterySave, &s.disableSelectableScramble,
                 &s.rogerBeepTone, &s.keypadLock, &s.keypadBeep })
            *flag = below(2);
        for (uint8_t *value : { &s.timeoutTimer, &s.vox_level, &s.ivol_level, &s.microphoneGain,
                 &s.accessoryMicrophoneGain, &s.numberChannels, &s.voice_language, &s.callTone,
                 &s.backlight_timeout, &s.presetChannels[0], &s.presetChannels[1] })
            *value = byte();
        for (unsigned slot : { kSide1ButtonSlot, kSide2ButtonSlot, kUpperRightButtonSlot,
                 kLowerLeftButtonSlot, kLowerRightButtonSlot })
            setButtonSlot(s.buttons, slot, below(16));
        text(s.powerupString);
        const uint32_t maxCodes = l.maxCodes;
        for (int i = 0; i < kCustomCodeCount; ++i) {
            if (maxCodes > (i < kCustomCodesPerGroup ? kMaxCodesWithoutCustomPl : kMaxCodesWithoutCustomDpl))
                image.customCodes[i] = static_cast<uint16_t>(m_rng());
        }

        std::set<std::string> names;
        for (int k = 0; k < l.maxChannels; ++k) {
            ChannelRecord &c = image.channels[k];
            for (uint8_t *value :
                { &c.rx_freq_ndx, &c.rx_code, &c.tx_freq_ndx, &c.tx_code, &c.scramble_code })
                *value = byte();
            for (uint8_t *flag : { &c.rx_bw, &c.tx_bw, &c.talkaround_power, &c.repeater_power, &c.repeater,
                     &c.autoScan, &c.disable_channel, &c.talkaround_scan })
                *flag = below(2);
            names.insert(text(c.name, names));
            setScanBit(s.scanBitmap, k, below(2) == 1);
        }

        for (int i = 0; i < l.max_valid_freqs; ++i) {
            FrequencyRecord &r = image.frequencies[i];
            uint32_t hz;
            do {
                hz = f.synth_base_int_part * 1'050'000u
                    + static_cast<uint32_t>(m_rng() % (256u * 1'050'000u));
            } while (FrequencyRules::IsMURSFrequency(hz));
            encodeFrequency(hz, f.synth_base_int_part, r);
            r.bandwidth = below(4);
            r.power_level = below(4);
            r.compander_lle_mode = byte();
        }
        return image;
    }

private:
    uint8_t below(unsigned n) { return static_cast<uint8_t>(m_rng() % n); }
    uint8_t byte() { return below(256); }
    uint8_t pick(const char *chars) { return static_cast<uint8_t>(chars[below(std::strlen(chars))]); }

    template <std::size_t N> void serial(uint8_t (&field)[N])
    {
        const char *digits = "0123456789";
        const char *upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        const char *clear = "ABCDEFGHJKLMNPQRSTUVWXYZ"; // no I, no O
        const std::string either = std::string(digits) + clear;
        const std::string any = std::string(digits) + upper;
        field[0] = pick(digits);
        field[1] = pick(digits);
        field[2] = pick(digits);
        field[3] = below(2) ? 'I' : pick("ABCDEFGHJKLMNPQRSTUVWXYZ");
        field[4] = pick(clear);
        field[5] = pick(clear);
        field[6] = pick(any.c_str());
        for (int i = 7; i < 10; ++i)
            field[i] = pick(either.c_str());
    }

    // Stores a text of printable Latin-1 characters, markup characters
    // included, without white space at its ends and not yet in taken; returns it.
    template <std::size_t N> std::string text(uint8_t (&field)[N], const std::set<std::string> &taken = {})
    {
        std::string value;
        do {
            value.clear();
            const unsigned length = below(N + 1);
            for (unsigned i = 0; i < length; ++i) {
                uint8_t c;
                do {
                    c = below(3) == 0 ? pick("&<>\"'") : static_cast<uint8_t>(0x20 + below(0xE0));
                } while ((c >= 0x7F && c < 0xA0) || (c == ' ' && (i == 0 || i + 1 == length)));
                value += static_cast<char>(c);
            }
        } while (taken.count(value));
        std::memset(field, 0, N);
        std::memcpy(field, value.data(), value.size());
        return value;
    }

    std::mt19937 m_rng;
};

} // namespace

TEST(ImageProfileRoundTrip, EveryFieldTheProfileCarriesSurvives)
{
    RecordingReporter reporter;
    RandomImages images(424242);
    RadioIdentity radio;
    radio.modelDigits[0] = 5;
    radio.codeplugVersion = 3;
    for (int n = 0; n < 400; ++n) {
        VirtualCP original = images.next();
        VirtualCP image = original;
        QString text;
        ASSERT_EQ(CDataAdaptor::VirtualCP2XML(image, text), 1)
            << n << reporter.messages.join(u'|').toStdString();
        ASSERT_EQ(std::memcmp(&image, &original, sizeof image), 0) << "names were unique: nothing to repair";

        VirtualCP back {};
        ASSERT_EQ(CDataAdaptor::XML2VirtualCP(text, back, radio), 1);
        ASSERT_EQ(std::memcmp(&back, &original, sizeof back), 0) << "image " << n << "\n"
                                                                 << text.toStdString();
    }
    EXPECT_TRUE(reporter.messages.isEmpty());
}
