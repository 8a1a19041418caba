// The product's profile data: every template loads through the model and is
// a consistent profile, and the rules of DataProfile.js hold when they are
// driven through data items as the editors and the profile tree drive them.

#include "RecordingReporter.h"
#include "TestEnvironment.h"

#include "base/StringTable.h"
#include "base/VelaException.h"
#include "model/DataItem.h"
#include "model/RadioDataModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kAnswerYes = 6;
constexpr int kStyleWarning = 0x30;
constexpr int kStyleYesNo = 0x4;

// Message ids of the hook script (texts in HookMessages.cpp).
enum HookMsg {
    InvalidValue = 3000,
    ChannelNameLength = 3001,
    ChannelNameTaken = 3002,
    ChannelNameCharacters = 3003,
    BadPassword = 3004,
    BadPowerUpText = 3005,
    BadStationId = 3006,
    BadHangTime = 3007,
    BadLowBatteryTime = 3008,
    BadCustomTone = 3009,
    BadCustomDplCode = 3010,
    FeatureOnOtherButton = 3011,
    CodeNotSupported = 3012,
    BadPresetChannel = 3013,
    LastEnabledChannel = 3014,
    BadFrequencyIndex = 3015,
    ConfirmDeletePresetChannel = 3016,
    LastChannel = 3017,
    FrequencyTableFull = 3018,
    FrequencyDuplicate = 3019,
    FrequencyOutOfRange = 3020,
    MursFrequency = 3021,
    FrequencyInUse = 3022,
    ConfirmChangeUsedFrequency = 3023,
    WideBandNotAllowed = 3024,
};

QStringList templateNames()
{
    QStringList names = QDir(dataPath(QStringLiteral("profiletemplate")))
                            .entryList({ QStringLiteral("*.kv9") }, QDir::Files, QDir::Name);
    for (QString &name : names)
        name.chop(4);
    return names;
}

class ProfileHooksTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        // A script error would have been shown as a message: the hooks must
        // never fail, whatever they are given.
        EXPECT_TRUE(m_reporter.messages.isEmpty()) << m_reporter.messages.join('\n').toStdString();
    }

    void load(const QString &modelCode)
    {
        m_model = std::make_unique<CRadioDataModel>();
        ASSERT_TRUE(
            m_model->LoadProfile(dataPath(QStringLiteral("profiletemplate/%1.kv9").arg(modelCode)), true));
    }
    // The template with only its first count channel records in use, as a
    // radio read may give it.
    void loadWithChannelsInUse(const QString &modelCode, int count)
    {
        m_model = std::make_unique<CRadioDataModel>();
        const QString text = dataFileText(QStringLiteral("profiletemplate/%1.kv9").arg(modelCode))
                                 .replace(QRegularExpression(QStringLiteral("numberChannels=\"\\d+\"")),
                                     QStringLiteral("numberChannels=\"%1\"").arg(count));
        ASSERT_TRUE(m_model->LoadProfile(text, false));
    }

    CDataItem section(const char *name)
    {
        CDataItem item;
        m_model->rootItem().GetChildByName(QLatin1String(name), item);
        return item;
    }
    CDataItem child(const char *sectionName, int index)
    {
        CDataItem item;
        section(sectionName).GetChildByIndex(index, item);
        return item;
    }
    CDataItem channel(int index) { return child("channels", index); }
    CDataItem frequency(int index) { return child("frequencies", index); }
    CDataItem preset(int index) { return child("setting", index); }

    static QString text(const CDataItem &item, const char *name)
    {
        return item.GetAttributeValue(QLatin1String(name)).toString();
    }
    static int number(const CDataItem &item, const char *name)
    {
        return item.GetAttributeValue(QLatin1String(name)).toInt();
    }
    int setting(const char *name) { return number(section("setting"), name); }
    int channelsInUse() { return setting("numberChannels"); }

    static HookVerdict set(CDataItem item, const char *name, const QVariant &value, int context = 0)
    {
        return item.SetAttributeValue(QLatin1String(name), value, context);
    }
    HookVerdict removeChannel(int index, int context = 0)
    {
        return section("channels").RemoveChildByIndex(index, context);
    }
    HookVerdict removeFrequency(int index) { return section("frequencies").RemoveChildByIndex(index); }
    HookVerdict addFrequency(quint32 freq, unsigned bandwidth = 0, unsigned power = 1, unsigned compander = 2)
    {
        return section("frequencies").AddFrequency({ -1, freq, bandwidth, power, compander });
    }
    HookVerdict editFrequency(
        int row, quint32 freq, unsigned bandwidth, unsigned power, unsigned compander, int context = 0)
    {
        return section("frequencies")
            .SetFreqAttributeValue({ row, freq, bandwidth, power, compander }, context);
    }

    ScopedConfig m_config;
    RecordingReporter m_reporter;
    std::unique_ptr<CRadioDataModel> m_model;
};

void expectRefused(const HookVerdict &outcome, int msgId)
{
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.msgId, msgId);
    EXPECT_EQ(outcome.style, kStyleWarning);
    EXPECT_TRUE(StringTable::contains(msgId)) << msgId;
}

void expectAccepted(const HookVerdict &outcome)
{
    EXPECT_EQ(outcome.status, 0) << "message " << outcome.msgId;
}

// ---- Templates -------------------------------------------------------------------

// The order in which the image conversion writes each element's attributes;
// optional fields of the newest codeplug version follow at the end.
const QStringList kChannelOrder = { "rx_freq_ndx", "rx_code", "tx_freq_ndx", "tx_code", "rx_bw", "tx_bw",
    "talkaround_power", "repeater_power", "repeater", "autoScan", "scramble_code", "name", "disable_channel",
    "talkaround_scan", "in_scanlist" };
const QStringList kFrequencyOrder = { "freq", "bandwidth", "power_level", "compander_lle_mode" };
const QStringList kFactoryOrder = { "serial_clone_compatibility", "firmware_phase", "firmware_version",
    "firmware_revision", "codeplug_phase", "codeplug_version", "codeplug_dev_version", "model", "serial",
    "synth_base_int_part", "sub_region" };

TEST(ProfileTemplates, ThereIsATemplateForEveryKindOfModel)
{
    const QStringList names = templateNames();
    EXPECT_TRUE(names.contains("KXR40400"));
    EXPECT_TRUE(names.contains("KXD40600"));
    auto any = [&](auto predicate) { return std::any_of(names.begin(), names.end(), predicate); };
    EXPECT_TRUE(any([](const QString &m) { return m[3] == '2' && m[2] == 'R' && m.endsWith("00"); }));
    EXPECT_TRUE(any([](const QString &m) { return m[3] == '4' && m[2] == 'R' && m.endsWith("00"); }));
    EXPECT_TRUE(any([](const QString &m) { return m[3] == '4' && m[2] == 'D' && m.endsWith("00"); }));
    EXPECT_TRUE(any([](const QString &m) { return m[3] == '5'; }));
    EXPECT_TRUE(any([](const QString &m) { return m.endsWith("70"); }));
    EXPECT_TRUE(any([](const QString &m) { return m.endsWith("73"); }));
}

TEST(ProfileTemplates, TextsAreInTheCanonicalLayout)
{
    for (const QString &name : templateNames()) {
        SCOPED_TRACE(name.toStdString());
        QFile file(dataPath(QStringLiteral("profiletemplate/%1.kv9").arg(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(text.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n<VelaProfile "));
        EXPECT_TRUE(text.endsWith("\t</frequencies>\r\n</VelaProfile>\r\n"));
        EXPECT_EQ(text.count('\n'), text.count("\r\n"));
        EXPECT_TRUE(text.contains("\r\n\t<factory_setting serial_clone_compatibility=\""));
        EXPECT_TRUE(text.contains("sub_region=\"2\" />\r\n\t<limit maxChannels=\""));
        EXPECT_TRUE(text.contains("\t\t<preset channel=\""));
    }
}

class TemplateConsistency : public ProfileHooksTest, public ::testing::WithParamInterface<QString> { };

TEST_P(TemplateConsistency, LoadsAsAConsistentProfileOfItsModel)
{
    const QString code = GetParam();
    load(code);
    const CDataItem factory = section("factory_setting");
    const CDataItem limit = section("limit");
    EXPECT_EQ(text(factory, "model"), code);
    EXPECT_EQ(factory.GetAttributeValue("codeplug_version").typeId(), QMetaType::Int);
    EXPECT_EQ(number(factory, "codeplug_version"), 3);
    EXPECT_EQ(number(factory, "sub_region"), 2);
    EXPECT_TRUE(QRegularExpression("^[0-9]{3}[A-NP-Z][A-HJ-NP-Z]{2}[0-9A-Z][0-9A-HJ-NP-Z]{3}$")
                    .match(text(factory, "serial"))
                    .hasMatch());
    EXPECT_EQ(factory.node().attributeNames(), kFactoryOrder);

    // The tier digits are the number of channels the model holds.
    const int tier = code.mid(4, 2).toInt();
    EXPECT_EQ(number(limit, "maxChannels"), tier);
    EXPECT_EQ(section("channels").GetChildCount(), tier);
    EXPECT_LE(channelsInUse(), tier);
    EXPECT_GE(channelsInUse(), 1);

    // Frequencies: inside the model's range, none twice, none a MURS one;
    // the range's type reads as 32-bit unsigned.
    const QVariant start = limit.GetAttributeValue("start_freq");
    EXPECT_EQ(start.typeId(), QMetaType::UInt);
    const quint32 end = limit.GetAttributeValue("end_freq").toUInt();
    const int rows = section("frequencies").GetChildCount();
    EXPECT_EQ(number(limit, "max_valid_freqs"), rows);
    QSet<quint32> seen;
    for (int i = 0; i < rows; ++i) {
        const quint32 freq = frequency(i).GetAttributeValue("freq").toUInt();
        EXPECT_GE(freq, start.toUInt());
        EXPECT_LE(freq, end);
        EXPECT_FALSE(seen.contains(freq)) << freq;
        seen.insert(freq);
        for (quint32 murs : { 151820000u, 151880000u, 151940000u, 154570000u, 154600000u })
            EXPECT_NE(freq, murs);
        EXPECT_EQ(frequency(i).node().attributeNames(), kFrequencyOrder);
    }

    // Channels: existing rows, unique names, codes the model supports.
    const int maxCodes = number(limit, "maxCodes");
    QSet<QString> names;
    for (int i = 0; i < tier; ++i) {
        const CDataItem ch = channel(i);
        EXPECT_LT(number(ch, "rx_freq_ndx"), rows);
        EXPECT_LT(number(ch, "tx_freq_ndx"), rows);
        EXPECT_LE(number(ch, "rx_code"), maxCodes);
        EXPECT_LE(number(ch, "tx_code"), maxCodes);
        EXPECT_FALSE(names.contains(text(ch, "name")));
        names.insert(text(ch, "name"));
        EXPECT_EQ(ch.node().attributeNames(), kChannelOrder);
    }

    // Presets name enabled channels in use.
    for (int p = 0; p < 2; ++p) {
        const int presetChannel = number(preset(p), "channel");
        EXPECT_LT(presetChannel, channelsInUse());
        EXPECT_EQ(number(channel(presetChannel), "disable_channel"), 0);
    }

    // Custom codes exactly where the model's code range reaches them.
    const CDataItem settings = section("setting");
    EXPECT_EQ(settings.node().hasAttribute("PLcode124"), maxCodes > 122);
    EXPECT_EQ(settings.node().hasAttribute("PLcode219"), maxCodes > 213);

    // No feature on two buttons; front buttons B and C only on display models.
    QSet<int> features;
    for (const char *button :
        { "side1_but", "side2_but", "upper_right_but", "lower_left_but", "lower_right_but" }) {
        const int feature = setting(button);
        if (feature != 0) {
            EXPECT_FALSE(features.contains(feature)) << button;
            features.insert(feature);
        }
    }
    if (code[2] != 'D') {
        EXPECT_EQ(setting("lower_left_but"), 0);
        EXPECT_EQ(setting("lower_right_but"), 0);
    }
    if (number(limit, "maxPresetButtons") == 0) {
        EXPECT_FALSE(features.contains(9));
        EXPECT_FALSE(features.contains(10));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, TemplateConsistency, ::testing::ValuesIn(templateNames()),
    [](const auto &info) { return info.param.toStdString(); });

// ---- Channel list ---------------------------------------------------------------------

TEST_F(ProfileHooksTest, AddedChannelTakesTheFirstUnusedRecordAndCopiesTheLastChannel)
{
    loadWithChannelsInUse("KUD41600", 8); // 16 channel records, 8 in use
    ASSERT_EQ(channelsInUse(), 8);
    CDataItem channels = section("channels");
    ASSERT_TRUE(channels.CanAddChild());

    CDataItem added;
    ASSERT_TRUE(channels.AddNewChild(added));
    EXPECT_EQ(channelsInUse(), 9);
    EXPECT_EQ(channels.GetChildCount(), 16); // the unused record was replaced, not appended to
    EXPECT_EQ(channel(8).node(), added.node());
    EXPECT_EQ(text(added, "name"), "CHAN 9");
    EXPECT_EQ(number(added, "rx_freq_ndx"), number(channel(7), "rx_freq_ndx"));
    EXPECT_EQ(number(added, "rx_code"), number(channel(7), "rx_code"));
    EXPECT_EQ(number(added, "in_scanlist"), 0);
    EXPECT_EQ(number(added, "disable_channel"), 0);
}

TEST_F(ProfileHooksTest, NewChannelNameIsTheFirstFreeOne)
{
    loadWithChannelsInUse("KUD41600", 8);
    expectAccepted(set(channel(1), "name", "BASE"));
    CDataItem added;
    ASSERT_TRUE(section("channels").AddNewChild(added));
    EXPECT_EQ(text(added, "name"), "CHAN 2");
}

TEST_F(ProfileHooksTest, ChannelsCanBeAddedUpToTheModelsRecordsOnly)
{
    loadWithChannelsInUse("KUD41600", 8);
    CDataItem channels = section("channels");
    CDataItem added;
    while (channels.CanAddChild())
        ASSERT_TRUE(channels.AddNewChild(added));
    EXPECT_EQ(channelsInUse(), 16);
    EXPECT_EQ(channels.GetChildCount(), 16);
    EXPECT_FALSE(channels.AddNewChild(added));
    EXPECT_TRUE(added.isEmpty());
    EXPECT_EQ(channelsInUse(), 16);
}

TEST_F(ProfileHooksTest, ChannelAppendedWhenEveryRecordIsInUse)
{
    loadWithChannelsInUse("KUD41600", 8);
    expectAccepted(removeChannel(15)); // an unused record
    expectAccepted(removeChannel(14));
    expectAccepted(removeChannel(13));
    // Still 8 in use, 13 records: adding fills records 8 to 12 and then
    // appends two more.
    CDataItem channels = section("channels");
    CDataItem added;
    for (int i = 0; i < 7; ++i)
        ASSERT_TRUE(channels.AddNewChild(added)) << i;
    EXPECT_EQ(channels.GetChildCount(), 15);
    EXPECT_EQ(channelsInUse(), 15);
    EXPECT_EQ(channel(14).node(), added.node());
}

TEST_F(ProfileHooksTest, DeletingAChannelRenumbersThePresetsAndTheCount)
{
    load("KUD41670"); // presets on channels 0 and 1, buttons A and B hold Preset 1 and 2
    expectAccepted(set(preset(1), "channel", 5));
    const QString nextName = text(channel(3), "name");

    expectAccepted(removeChannel(2));
    EXPECT_EQ(channelsInUse(), 15);
    EXPECT_EQ(text(channel(2), "name"), nextName);
    EXPECT_EQ(number(preset(0), "channel"), 0);
    EXPECT_EQ(number(preset(1), "channel"), 4); // followed its channel
}

TEST_F(ProfileHooksTest, DeletingAPresetButtonsChannelAsksFirst)
{
    load("KUD41670");
    expectAccepted(set(preset(0), "channel", 3));
    const HookVerdict asked = removeChannel(3);
    EXPECT_EQ(asked.status, 2);
    EXPECT_EQ(asked.msgId, ConfirmDeletePresetChannel);
    EXPECT_EQ(asked.style, kStyleYesNo | kStyleWarning);
    EXPECT_EQ(channelsInUse(), 16); // nothing deleted yet
    EXPECT_EQ(section("channels").GetChildCount(), 16);

    expectAccepted(removeChannel(3, kAnswerYes));
    EXPECT_EQ(channelsInUse(), 15);
    EXPECT_EQ(number(preset(0), "channel"), 0); // moved to an enabled channel
    EXPECT_EQ(number(preset(1), "channel"), 1);
}

TEST_F(ProfileHooksTest, PresetChannelWithoutItsButtonIsDeletedWithoutAsking)
{
    load("KUD41670");
    expectAccepted(set(section("setting"), "upper_right_but", 0)); // nobody uses Preset 1 now
    expectAccepted(removeChannel(0));
    EXPECT_EQ(channelsInUse(), 15);
    EXPECT_EQ(number(preset(0), "channel"), 0);
    EXPECT_EQ(number(preset(1), "channel"), 0);
}

TEST_F(ProfileHooksTest, TheLastEnabledChannelStays)
{
    load("KUR20200"); // two channels, presets on both
    expectAccepted(set(channel(1), "disable_channel", true));
    EXPECT_EQ(text(channel(1), "disable_channel"), "1");
    EXPECT_EQ(number(preset(1), "channel"), 0); // a preset never names a disabled channel

    expectRefused(set(channel(0), "disable_channel", 1), LastEnabledChannel);
    EXPECT_EQ(text(channel(0), "disable_channel"), "0");
    EXPECT_FALSE(channel(0).CanDeleteChild());
    EXPECT_TRUE(channel(1).CanDeleteChild());

    expectAccepted(removeChannel(1));
    EXPECT_EQ(channelsInUse(), 1);
    EXPECT_FALSE(channel(0).CanDeleteChild());
    EXPECT_FALSE(section("channels").CanDeleteChild());
    expectRefused(removeChannel(0), LastChannel);
    EXPECT_EQ(section("channels").GetChildCount(), 1);
}

// ---- Channel attributes ----------------------------------------------------------------------

TEST_F(ProfileHooksTest, ChannelNamesAreUniqueAndOneToEightPrintableCharacters)
{
    load("KUR40800");
    expectAccepted(set(channel(0), "name", "  LOBBY "));
    EXPECT_EQ(text(channel(0), "name"), "LOBBY");
    expectAccepted(set(channel(0), "name", "12345678"));
    expectAccepted(set(channel(0), "name", text(channel(0), "name"))); // its own name is no clash

    expectRefused(set(channel(1), "name", "12345678"), ChannelNameTaken);
    expectRefused(set(channel(1), "name", "123456789"), ChannelNameLength);
    expectRefused(set(channel(1), "name", "   "), ChannelNameLength);
    expectRefused(set(channel(1), "name", QString::fromUtf8("CAF\u00c9")), ChannelNameCharacters);
    EXPECT_EQ(text(channel(1), "name"), "CHAN 2");
}

TEST_F(ProfileHooksTest, ChannelCodesStayWithinTheModelsCodes)
{
    load("KXR40400"); // maxCodes 122: no customised codes
    expectAccepted(set(channel(0), "rx_code", 122));
    expectAccepted(set(channel(0), "tx_code", 0));
    expectRefused(set(channel(0), "rx_code", 124), CodeNotSupported);
    expectRefused(set(channel(0), "tx_code", -1), CodeNotSupported);
    expectRefused(set(channel(0), "tx_code", "12x"), CodeNotSupported);
    EXPECT_EQ(number(channel(0), "rx_code"), 122);

    load("KUD41600"); // maxCodes 219
    expectAccepted(set(channel(0), "rx_code", 219));
    expectRefused(set(channel(0), "rx_code", 220), CodeNotSupported);
}

TEST_F(ProfileHooksTest, ChannelFrequencyIndexNamesARowOfTheTable)
{
    load("KXR40400");
    const int rows = section("frequencies").GetChildCount();
    expectAccepted(set(channel(0), "tx_freq_ndx", rows - 1));
    EXPECT_EQ(number(channel(0), "tx_freq_ndx"), rows - 1);
    expectRefused(set(channel(0), "rx_freq_ndx", rows), BadFrequencyIndex);
}

// ---- General settings, custom codes, buttons, presets ------------------------------------------

TEST_F(ProfileHooksTest, PasswordIsEmptyOrFourDigits)
{
    load("KUD41600");
    CDataItem settings = section("setting");
    expectAccepted(set(settings, "password", "0815"));
    EXPECT_EQ(text(settings, "password"), "0815");
    expectAccepted(set(settings, "password", ""));
    for (const char *bad : { "123", "12345", "12a4", " 123" })
        expectRefused(set(settings, "password", bad), BadPassword);
    EXPECT_EQ(text(settings, "password"), "");
}

TEST_F(ProfileHooksTest, PowerUpTextUsesTheDisplaysCharactersOnly)
{
    load("KUD41600");
    CDataItem settings = section("setting");
    expectAccepted(set(settings, "powerupString", "HELLO"));
    expectAccepted(set(settings, "powerupString", "bcdghlio"));
    expectAccepted(set(settings, "powerupString", "*{}?&%.+"));
    expectAccepted(set(settings, "powerupString", "/\\-'ru09"));
    expectAccepted(set(settings, "powerupString", ""));
    for (const char *bad : { "hello", "ABCDEFGHI", "A B", "A_B", "a" })
        expectRefused(set(settings, "powerupString", bad), BadPowerUpText);
    EXPECT_EQ(text(settings, "powerupString"), "");
}

TEST_F(ProfileHooksTest, RepeaterAndBatterySettingsKeepTheirRanges)
{
    load("KUD41670");
    CDataItem settings = section("setting");
    expectAccepted(set(settings, "stationID", "WQX123abc"));
    expectRefused(set(settings, "stationID", "WQX1234567"), BadStationId);
    expectRefused(set(settings, "stationID", "WQX-12"), BadStationId);
    EXPECT_EQ(text(settings, "stationID"), "WQX123abc");

    expectAccepted(set(settings, "rep_hangtime", 50));
    expectAccepted(set(settings, "rep_hangtime", "0"));
    expectRefused(set(settings, "rep_hangtime", 51), BadHangTime);
    expectRefused(set(settings, "rep_hangtime", "ten"), BadHangTime);
    EXPECT_EQ(setting("rep_hangtime"), 0);

    expectAccepted(set(settings, "low_battery_tx", 255));
    expectRefused(set(settings, "low_battery_tx", 256), BadLowBatteryTime);
    expectRefused(set(settings, "low_battery_tx", 2.5), BadLowBatteryTime);
    EXPECT_EQ(setting("low_battery_tx"), 255);
}

TEST_F(ProfileHooksTest, CustomTonesAndDplCodesKeepTheirRanges)
{
    load("KUD41600");
    CDataItem settings = section("setting");
    expectAccepted(set(settings, "PLcode124", 670));
    expectAccepted(set(settings, "PLcode129", 2550));
    expectRefused(set(settings, "PLcode125", 669), BadCustomTone);
    expectRefused(set(settings, "PLcode125", 2551), BadCustomTone);
    EXPECT_EQ(setting("PLcode124"), 670);
    EXPECT_EQ(setting("PLcode129"), 2550);

    // DPL codes are stored as the value of their octal digits.
    expectAccepted(set(settings, "PLcode214", 023));
    EXPECT_EQ(setting("PLcode214"), 19);
    expectAccepted(set(settings, "PLcode219", 0777));
    expectAccepted(set(settings, "PLcode215", 1));
    expectRefused(set(settings, "PLcode216", 0), BadCustomDplCode);
    expectRefused(set(settings, "PLcode216", 01000), BadCustomDplCode);
    EXPECT_EQ(setting("PLcode219"), 511);
}

TEST_F(ProfileHooksTest, AFeatureIsOnOneButtonOnly)
{
    load("KUD41600"); // SB1 Monitor, SB2 Scan, A Preset 1, B Preset 2, C Backlight
    CDataItem settings = section("setting");
    expectRefused(set(settings, "upper_right_but", 1), FeatureOnOtherButton);
    EXPECT_EQ(setting("upper_right_but"), 9);
    expectRefused(set(settings, "side1_but", 10), FeatureOnOtherButton);

    // Freed features may move; any number of buttons may hold no feature.
    expectAccepted(set(settings, "side1_but", 0));
    expectAccepted(set(settings, "upper_right_but", 1));
    expectAccepted(set(settings, "lower_left_but", 0));
    expectAccepted(set(settings, "side1_but", 10));
    expectAccepted(set(settings, "lower_right_but", 3));
    EXPECT_EQ(setting("side1_but"), 10);
    EXPECT_EQ(setting("lower_right_but"), 3);
    expectRefused(set(settings, "side2_but", 16), InvalidValue);
}

TEST_F(ProfileHooksTest, PresetsNameEnabledChannelsInUse)
{
    loadWithChannelsInUse("KUD41600", 8); // 16 channel records, 8 in use
    expectAccepted(set(preset(0), "channel", 7));
    expectRefused(set(preset(0), "channel", 8), BadPresetChannel); // an unused record
    expectAccepted(set(channel(5), "disable_channel", 1));
    expectRefused(set(preset(1), "channel", 5), BadPresetChannel);
    EXPECT_EQ(number(preset(0), "channel"), 7);
    EXPECT_EQ(number(preset(1), "channel"), 1);
}

// ---- RF frequency table ----------------------------------------------------------------------------

TEST_F(ProfileHooksTest, AddedFrequencyIsAppendedAndCounted)
{
    load("KXR40400");
    const int rows = section("frequencies").GetChildCount();
    expectAccepted(addFrequency(173987500, 0, 3, 3));
    EXPECT_EQ(section("frequencies").GetChildCount(), rows + 1);
    EXPECT_EQ(number(section("limit"), "max_valid_freqs"), rows + 1);
    const CDataItem added = frequency(rows);
    EXPECT_EQ(added.GetAttributeValue("freq").toUInt(), 173987500u);
    EXPECT_EQ(number(added, "power_level"), 3);
    EXPECT_EQ(number(added, "compander_lle_mode"), 3);
    EXPECT_EQ(added.node().attributeNames(), kFrequencyOrder);
}

TEST_F(ProfileHooksTest, FrequencyTableRefusesDuplicatesMursAndFrequenciesOutOfRange)
{
    load("KXR40400"); // 151.5 to 174 MHz, region 00
    const int rows = section("frequencies").GetChildCount();
    const quint32 existing = frequency(0).GetAttributeValue("freq").toUInt();
    HookVerdict outcome = addFrequency(existing);
    expectRefused(outcome, FrequencyDuplicate);
    for (quint32 murs : { 151820000u, 151880000u, 151940000u, 154570000u, 154600000u })
        expectRefused(addFrequency(murs), MursFrequency);
    expectRefused(addFrequency(151499999), FrequencyOutOfRange);
    expectRefused(addFrequency(174000001), FrequencyOutOfRange);
    expectRefused(addFrequency(160000000, 1), WideBandNotAllowed); // narrowband region
    EXPECT_EQ(section("frequencies").GetChildCount(), rows);

    expectAccepted(addFrequency(154570001)); // next to a MURS frequency is fine
    expectAccepted(addFrequency(151500000)); // the range's ends belong to it
    expectAccepted(addFrequency(174000000));
}

TEST_F(ProfileHooksTest, WideBandwidthIsAllowedOutsideTheNarrowbandRegions)
{
    load("KUR51673");
    expectAccepted(addFrequency(460000000, 1, 1, 3));
}

TEST_F(ProfileHooksTest, FrequencyTableHoldsNinetyNineEntries)
{
    load("KUR40800");
    CDataItem frequencies = section("frequencies");
    for (quint32 freq = 455000000; frequencies.CanAddChild(); freq += 12500)
        ASSERT_EQ(addFrequency(freq).status, 0) << freq;
    EXPECT_EQ(frequencies.GetChildCount(), 99);
    EXPECT_EQ(number(section("limit"), "max_valid_freqs"), 99);
    expectRefused(addFrequency(458000000), FrequencyTableFull);
    EXPECT_EQ(frequencies.GetChildCount(), 99);
}

TEST_F(ProfileHooksTest, UsedFrequenciesCannotBeDeleted)
{
    load("KUR40800");
    const int used = number(channel(0), "rx_freq_ndx");
    EXPECT_FALSE(section("frequencies").CanDeleteFrequency(used));
    expectRefused(removeFrequency(used), FrequencyInUse);
    EXPECT_EQ(section("frequencies").GetChildCount(), 8);
}

TEST_F(ProfileHooksTest, DeletingAFrequencyRenumbersTheChannelsAboveIt)
{
    load("KUR40800"); // channel i uses row i
    ASSERT_EQ(addFrequency(455500000).status, 0); // row 8
    ASSERT_EQ(addFrequency(455600000).status, 0); // row 9
    expectAccepted(set(channel(7), "rx_freq_ndx", 9));
    expectAccepted(set(channel(7), "tx_freq_ndx", 9));
    // Row 7 is free now.
    EXPECT_TRUE(section("frequencies").CanDeleteFrequency(7));
    EXPECT_FALSE(section("frequencies").CanDeleteFrequency(10)); // no such row
    expectAccepted(removeFrequency(7));
    EXPECT_EQ(number(section("limit"), "max_valid_freqs"), 9);
    EXPECT_EQ(number(channel(7), "rx_freq_ndx"), 8);
    EXPECT_EQ(number(channel(7), "tx_freq_ndx"), 8);
    EXPECT_EQ(frequency(8).GetAttributeValue("freq").toUInt(), 455600000u);
    EXPECT_EQ(number(channel(6), "rx_freq_ndx"), 6); // below: unchanged
}

TEST_F(ProfileHooksTest, EditingAFrequencyKeepsTheTableRules)
{
    load("KUR40800");
    const quint32 other = frequency(1).GetAttributeValue("freq").toUInt();
    const int bandwidth = number(frequency(0), "bandwidth");
    const int power = number(frequency(0), "power_level");
    expectRefused(editFrequency(0, other, bandwidth, power, 2), FrequencyDuplicate);
    expectRefused(editFrequency(0, 154600000, bandwidth, power, 2), MursFrequency);
    expectRefused(editFrequency(0, 440000000, bandwidth, power, 2), FrequencyOutOfRange);
    expectRefused(editFrequency(99, 455000000, bandwidth, power, 2), InvalidValue);

    // Same rules, new frequency: the channels follow without a question.
    const quint32 own = frequency(0).GetAttributeValue("freq").toUInt();
    expectAccepted(editFrequency(0, own, bandwidth, power, 3)); // its own frequency is no duplicate
    expectAccepted(editFrequency(0, 455025000, bandwidth, power, 3));
    EXPECT_EQ(frequency(0).GetAttributeValue("freq").toUInt(), 455025000u);
    EXPECT_EQ(number(channel(0), "rx_freq_ndx"), 0);
}

TEST_F(ProfileHooksTest, ChangingAUsedFrequencysRulesAsksAndThenUpdatesItsChannels)
{
    load("KUR51673"); // region 73: wide band allowed; channel 0 is a repeater pair on rows 0 and 1
    ASSERT_EQ(number(channel(0), "rx_freq_ndx"), 0);
    ASSERT_EQ(number(channel(0), "tx_freq_ndx"), 1);
    const quint32 rx = frequency(0).GetAttributeValue("freq").toUInt();

    const HookVerdict asked = editFrequency(0, rx, 1, 0, 3);
    EXPECT_EQ(asked.status, 2);
    EXPECT_EQ(asked.msgId, ConfirmChangeUsedFrequency);
    EXPECT_EQ(asked.style, kStyleYesNo | kStyleWarning);
    EXPECT_EQ(number(frequency(0), "bandwidth"), 0); // unchanged until confirmed

    expectAccepted(editFrequency(0, rx, 1, 0, 3, kAnswerYes));
    EXPECT_EQ(number(frequency(0), "bandwidth"), 1);
    EXPECT_EQ(number(frequency(0), "power_level"), 0);
    EXPECT_EQ(number(channel(0), "rx_bw"), 1);
    EXPECT_EQ(number(channel(0), "talkaround_power"), 0);
    // The transmit side uses row 1 and keeps its settings.
    EXPECT_EQ(number(channel(0), "repeater_power"), 1);

    // A selectable rule leaves the channel's choice alone.
    expectAccepted(editFrequency(0, rx, 3, 2, 3, kAnswerYes));
    EXPECT_EQ(number(channel(0), "rx_bw"), 1);
    EXPECT_EQ(number(channel(0), "talkaround_power"), 0);
}

TEST(ProfileHookMessages, EveryMessageTheScriptNamesHasAText)
{
    QFile file(dataPath(QStringLiteral("profiletemplate/DataProfile.js")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString script = QString::fromUtf8(file.readAll());
    const qsizetype start = script.indexOf("var MSG = {");
    ASSERT_GE(start, 0);
    const QString table = script.mid(start, script.indexOf('}', start) - start);
    int ids = 0;
    for (const auto &match : QRegularExpression(R"((\w+): (\d+))").globalMatch(table)) {
        EXPECT_TRUE(StringTable::contains(match.captured(2).toInt())) << match.captured(1).toStdString();
        ++ids;
    }
    EXPECT_GE(ids, 20);
}

} // namespace
