// The checks between an identified radio and a profile, the changes a write
// makes to the image for the radio, and the texts of the engine's reports.

#include "ProductFixture.h"
#include "RadioMessages.h"

#include "codeplug/CodeplugBits.h"
#include "codeplug/VirtualCP.h"
#include "operations/RadioChecks.h"

#include <array>
#include <cstring>

namespace {

using namespace RadioMessages;

// A sound radio of the model: firmware R17, codeplug R3, every code, the
// templates' clone byte, no password.
RadioIdentity radio(const char *model)
{
    RadioIdentity identity;
    for (int i = 0; i < 3; ++i)
        identity.modelLetters[i] = uint8_t(model[i]);
    for (int i = 0; i < 5; ++i)
        identity.modelDigits[i] = uint8_t(model[3 + i] - '0');
    identity.firmwarePhase = 'R';
    identity.firmwareVersion = '1';
    identity.firmwareRevision = '7';
    identity.codeplugPhase = 'R';
    identity.codeplugVersion = 3;
    identity.frequencyCount = 8;
    identity.serial_clone_compatibility = 1;
    identity.maxCodes = 219;
    return identity;
}

bool channelIsZero(const ChannelRecord &record)
{
    static const ChannelRecord zero {};
    return std::memcmp(&record, &zero, sizeof record) == 0;
}

class RadioChecksTest : public ProductFixture {
protected:
    // The checks read the stored profile; the limit-saving rule at load
    // would cap its codes.
    RadioChecksTest() { m_loadTimeRules = false; }

    // The template's profile with attributes replaced: (element, attribute,
    // value), the first element of that name each time.
    std::unique_ptr<CProfileDocument> profile(
        const QString &model, const QList<std::array<QString, 3>> &changes = {})
    {
        QString text = templateText(model);
        for (const auto &[element, attribute, value] : changes)
            text = setAttributeIn(text, element, attribute, value);
        return fromText(text);
    }

    bool writeAllowed(CProfileDocument &document, const RadioIdentity &identity)
    {
        m_reporter.messages.clear();
        return RadioChecks::CheckWriteCompatibility(document, identity, m_context.settings(), showMessage);
    }

    // The write checks' verdict on the template's profile and the radio:
    // the one message shown, or an empty text when the write may go on.
    QString writeRefusal(const QString &profileModel, const RadioIdentity &identity,
        const QList<std::array<QString, 3>> &changes = {})
    {
        auto document = profile(profileModel, changes);
        const bool allowed = writeAllowed(*document, identity);
        EXPECT_EQ(allowed, m_reporter.messages.isEmpty()) << qPrintable(m_reporter.messages.join('\n'));
        EXPECT_LE(m_reporter.messages.size(), 1) << qPrintable(m_reporter.messages.join('\n'));
        return m_reporter.messages.value(0);
    }

    // The image a write of the template's profile starts from.
    VirtualCP imageOf(const QString &model, const RadioIdentity &identity)
    {
        auto document = profile(model);
        VirtualCP image {};
        EXPECT_EQ(document->GetVirtualCPData(image, identity), 1);
        m_reporter.messages.clear();
        return image;
    }
};

TEST_F(RadioChecksTest, RegionCodeAndPasswordComeFromTheIdentity)
{
    EXPECT_EQ(RadioChecks::RegionCode(radio("KXD40600")), "00");
    EXPECT_EQ(RadioChecks::RegionCode(radio("KUR51673")), "73");
    EXPECT_EQ(RadioChecks::RegionCode(radio("KUR51604")), "04");

    RadioIdentity identity = radio("KXD40600");
    EXPECT_EQ(RadioChecks::RadioPassword(identity), "");
    std::memcpy(identity.password, "4321", 4);
    EXPECT_EQ(RadioChecks::RadioPassword(identity), "4321");
    std::memcpy(identity.password, "12\0\0", 4);
    EXPECT_EQ(RadioChecks::RadioPassword(identity), "12");
    // The first byte alone says whether there is a password.
    std::memcpy(identity.password,
        "\0"
        "987",
        4);
    EXPECT_EQ(RadioChecks::RadioPassword(identity), "");

    VirtualCP image {};
    EXPECT_EQ(RadioChecks::ImagePassword(image), "");
    std::memcpy(image.setting.password, "5678", 4);
    EXPECT_EQ(RadioChecks::ImagePassword(image), "5678");
}

TEST_F(RadioChecksTest, SupportedRegionPassesSilently)
{
    for (const char *model : { "KXD40600", "KUR51604", "KUR51670", "KUR51673" }) {
        EXPECT_TRUE(RadioChecks::CheckRegion(
            radio(model), m_context.settings(), RadioChecks::Transfer::Read, showMessage))
            << model;
        EXPECT_TRUE(RadioChecks::CheckRegion(
            radio(model), m_context.settings(), RadioChecks::Transfer::Write, showMessage))
            << model;
    }
    EXPECT_TRUE(m_reporter.messages.isEmpty()) << qPrintable(m_reporter.messages.join('\n'));
}

TEST_F(RadioChecksTest, UnsupportedRegionOnReadNamesTheProductToUseWhenTheTableHasOne)
{
    const QString europe = m_context.settings().regionNames().value(20);
    ASSERT_FALSE(europe.isEmpty()) << "the shipped region-name table names region 20";
    EXPECT_FALSE(RadioChecks::CheckRegion(
        radio("KUR51620"), m_context.settings(), RadioChecks::Transfer::Read, showMessage));
    EXPECT_EQ(
        m_reporter.messages, QStringList { kRegionRefusedForRead + " Please use the \"" + europe + "\"." });

    m_reporter.messages.clear();
    ASSERT_TRUE(m_context.settings().regionNames().value(55).isEmpty());
    EXPECT_FALSE(RadioChecks::CheckRegion(
        radio("KUR51655"), m_context.settings(), RadioChecks::Transfer::Read, showMessage));
    EXPECT_EQ(m_reporter.messages, QStringList { kRegionRefusedForRead });
}

TEST_F(RadioChecksTest, UnsupportedRegionOnWriteRefusesTheModel)
{
    for (const char *model : { "KUR51620", "KUR51655" }) {
        m_reporter.messages.clear();
        EXPECT_FALSE(RadioChecks::CheckRegion(
            radio(model), m_context.settings(), RadioChecks::Transfer::Write, showMessage));
        EXPECT_EQ(m_reporter.messages, QStringList { kRegionRefusedForWrite }) << model;
    }
}

TEST_F(RadioChecksTest, CodeplugVersionAboveTheProductsIsRefusedUnlessDevelopment)
{
    const int supported = m_context.settings().codeplugVersion();
    RadioIdentity identity = radio("KXD40600");
    identity.codeplugVersion = uint8_t(supported);
    EXPECT_TRUE(RadioChecks::CheckCodeplugVersion(identity, m_context.settings(), showMessage));
    identity.codeplugVersion = 1;
    EXPECT_TRUE(RadioChecks::CheckCodeplugVersion(identity, m_context.settings(), showMessage));
    EXPECT_TRUE(m_reporter.messages.isEmpty());

    identity.codeplugVersion = uint8_t(supported + 1);
    EXPECT_FALSE(RadioChecks::CheckCodeplugVersion(identity, m_context.settings(), showMessage));
    EXPECT_EQ(m_reporter.messages, QStringList { kCodeplugIncompatible });

    m_reporter.messages.clear();
    identity.codeplugPhase = 'D';
    EXPECT_TRUE(RadioChecks::CheckCodeplugVersion(identity, m_context.settings(), showMessage));
    EXPECT_TRUE(m_reporter.messages.isEmpty());
}

TEST_F(RadioChecksTest, MatchingRadioPassesEveryWriteCheck)
{
    for (const char *model : { "KXD40600", "KUD41600", "KUR51673", "KUR20200" })
        EXPECT_EQ(writeRefusal(QString::fromLatin1(model), radio(model)), "") << model;
}

TEST_F(RadioChecksTest, WriteChecksRefuseInTheirOrder)
{
    // Each radio differs from the profile in one more respect than the one
    // before; the earliest check's message is the one shown.
    RadioIdentity identity = radio("KUD41670");
    identity.maxCodes = 122;
    const QList<std::array<QString, 3>> customCode = { { "channel", "rx_code", "125" } };
    EXPECT_EQ(writeRefusal("KUD41670", identity, customCode), kCodesLost);

    identity.modelLetters[1] = 'X';
    EXPECT_EQ(writeRefusal("KUD41670", identity, customCode), kBandMismatch);

    identity.serial_clone_compatibility = 2;
    EXPECT_EQ(writeRefusal("KUD41670", identity, customCode), kNotCompatible);

    identity.modelDigits[0] = 2;
    EXPECT_EQ(writeRefusal("KUD41670", identity, customCode), kNotCompatible);

    identity.codeplugVersion = uint8_t(m_context.settings().codeplugVersion() + 1);
    EXPECT_EQ(writeRefusal("KUD41670", identity, customCode), kCodeplugIncompatible);

    identity.modelDigits[4] = 3;
    EXPECT_EQ(writeRefusal("KUD41670", identity, customCode), kModelMismatch);
}

TEST_F(RadioChecksTest, ModelRegionMustMatchTheRadios)
{
    EXPECT_EQ(writeRefusal("KUR51673", radio("KUR51670")), kModelMismatch);
    EXPECT_EQ(writeRefusal("KUR51673", radio("KUR51603")), kModelMismatch) << "both digits count, in order";
}

TEST_F(RadioChecksTest, FourAndFiveWattProfilesAreRefusedByATwoWattRadio)
{
    EXPECT_EQ(writeRefusal("KUR40800", radio("KUR20800")), kNotCompatible);
    EXPECT_EQ(writeRefusal("KUR51600", radio("KUR21600")), kNotCompatible);
    EXPECT_EQ(writeRefusal("KUD41600", radio("KUR21600")), kNotCompatible);
}

TEST_F(RadioChecksTest, CloneCompatibilityMustMatchExceptForCrossModelWrites)
{
    const auto otherClone = [](RadioIdentity identity) {
        identity.serial_clone_compatibility = 7;
        return identity;
    };
    // Same style: the clone byte decides.
    EXPECT_EQ(writeRefusal("KUR40800", otherClone(radio("KUR40800"))), kNotCompatible);
    EXPECT_EQ(writeRefusal("KUR51600", otherClone(radio("KUR41600"))), kNotCompatible);
    EXPECT_EQ(writeRefusal("KUD41600", otherClone(radio("KUD51600"))), kNotCompatible);
    EXPECT_EQ(writeRefusal("KUR40800", radio("KUR40800"),
                  { { "factory_setting", "serial_clone_compatibility", "3" } }),
        kNotCompatible);
    // A two-watt radio taking a two-watt profile is no cross-model write.
    EXPECT_EQ(writeRefusal("KUR20200", otherClone(radio("KUR20200"))), kNotCompatible);

    // Cross-model: a two-watt profile into a four- or five-watt radio, and
    // rotary and display models of those classes either way.
    EXPECT_EQ(writeRefusal("KUR20200", otherClone(radio("KUR40200"))), "");
    EXPECT_EQ(writeRefusal("KUR20200", otherClone(radio("KUD50200"))), "");
    EXPECT_EQ(writeRefusal("KUD41600", otherClone(radio("KUR41600"))), "");
    EXPECT_EQ(writeRefusal("KUR51600", otherClone(radio("KUD41600"))), "");
}

TEST_F(RadioChecksTest, BandLetterMustMatchTheRadios)
{
    EXPECT_EQ(writeRefusal("KXD40600", radio("KUD40600")), kBandMismatch);
    EXPECT_EQ(writeRefusal("KUR40800", radio("KXR40800")), kBandMismatch);
}

TEST_F(RadioChecksTest, CustomCodesTheRadioLacksAreRefused)
{
    RadioIdentity plOnly = radio("KUD41600");
    plOnly.maxCodes = 122;
    RadioIdentity noCustomDpl = radio("KUD41600");
    noCustomDpl.maxCodes = 213;

    // A customised PL code needs a radio above 122, a customised DPL code
    // one above 213; a transmit code counts as much as a receive code.
    EXPECT_EQ(writeRefusal("KUD41600", plOnly, { { "channel", "rx_code", "124" } }), kCodesLost);
    EXPECT_EQ(writeRefusal("KUD41600", plOnly, { { "channel", "tx_code", "200" } }), kCodesLost);
    EXPECT_EQ(writeRefusal("KUD41600", plOnly, { { "channel", "rx_code", "122" } }), "");
    EXPECT_EQ(writeRefusal("KUD41600", noCustomDpl, { { "channel", "tx_code", "214" } }), kCodesLost);
    EXPECT_EQ(writeRefusal("KUD41600", noCustomDpl, { { "channel", "rx_code", "213" } }), "");
    EXPECT_TRUE(kCodesLost.endsWith(QStringLiteral("Code). ")));

    // The checks apply only when the profile has the codes the radio lacks.
    EXPECT_EQ(
        writeRefusal("KUD41600", plOnly, { { "limit", "maxCodes", "122" }, { "channel", "rx_code", "125" } }),
        "");
    EXPECT_EQ(writeRefusal("KUD41600", noCustomDpl,
                  { { "limit", "maxCodes", "213" }, { "channel", "rx_code", "215" } }),
        "");
}

TEST_F(RadioChecksTest, TierConversionTurnsCodesTheRadioLacksIntoTheFirstTone)
{
    RadioIdentity identity = radio("KUD41600");
    identity.maxCodes = 122;
    VirtualCP image = imageOf("KUD41600", identity);
    image.channels[0].rx_code = 125;
    image.channels[0].tx_code = 122;
    image.channels[18].tx_code = 219;
    image.channels[5].rx_code = 123;

    EXPECT_TRUE(RadioChecks::ConvertTier(image, identity, showMessage));
    EXPECT_EQ(image.channels[0].rx_code, 1);
    EXPECT_EQ(image.channels[0].tx_code, 122);
    EXPECT_EQ(image.channels[18].tx_code, 1) << "records beyond the profile's count are converted too";
    EXPECT_EQ(image.channels[5].rx_code, 1);
    EXPECT_TRUE(m_reporter.messages.isEmpty()) << "a radio of the same tier and style is not asked about";
}

TEST_F(RadioChecksTest, LowerTierRadioKeepsItsChannelsAfterYes)
{
    const RadioIdentity identity = radio("KUR50800");
    VirtualCP image = imageOf("KUR51600", identity);
    ASSERT_EQ(image.setting.numberChannels, 16);
    for (int k = 8; k < 16; ++k)
        ASSERT_FALSE(channelIsZero(image.channels[k])) << k;
    const VirtualCP before = image;
    image.setting.presetChannels[0] = 12;
    image.setting.presetChannels[1] = 8;

    EXPECT_TRUE(RadioChecks::ConvertTier(image, identity, showMessage));
    EXPECT_EQ(m_reporter.messages, QStringList { kTierQuestion });
    EXPECT_LE(image.setting.numberChannels, 8);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(std::memcmp(&image.channels[k], &before.channels[k], sizeof(ChannelRecord)), 0) << k;
    for (int k = 8; k < 16; ++k)
        EXPECT_TRUE(channelIsZero(image.channels[k])) << k;
    EXPECT_EQ(image.setting.presetChannels[0], 0);
    EXPECT_EQ(image.setting.presetChannels[1], 1);
}

TEST_F(RadioChecksTest, LowerTierConversionKeepsPresetsAndCountsThatFit)
{
    const RadioIdentity identity = radio("KUR50800");
    VirtualCP image = imageOf("KUR51600", identity);
    image.setting.numberChannels = 5;
    image.setting.presetChannels[0] = 7;
    image.setting.presetChannels[1] = 3;

    EXPECT_TRUE(RadioChecks::ConvertTier(image, identity, showMessage));
    EXPECT_EQ(image.setting.numberChannels, 5);
    EXPECT_EQ(image.setting.presetChannels[0], 7);
    EXPECT_EQ(image.setting.presetChannels[1], 3);
}

TEST_F(RadioChecksTest, LowerTierConversionDeclinedWithNo)
{
    m_reporter.answer = MsgAnswer::No;
    const RadioIdentity identity = radio("KUR50800");
    VirtualCP image = imageOf("KUR51600", identity);
    EXPECT_FALSE(RadioChecks::ConvertTier(image, identity, showMessage));
    EXPECT_EQ(m_reporter.messages, QStringList { kTierQuestion });
}

TEST_F(RadioChecksTest, DisplayProfileToRotaryRadioClearsTheFrontButtons)
{
    const RadioIdentity identity = radio("KUR41600");
    VirtualCP image = imageOf("KUD41600", identity);
    for (unsigned slot = 0; slot < 16; ++slot)
        codeplug::setButtonSlot(image.setting.buttons, slot, uint8_t(slot == 0 ? 15 : slot));

    EXPECT_TRUE(RadioChecks::ConvertTier(image, identity, showMessage));
    EXPECT_EQ(m_reporter.messages, QStringList { kTierQuestion });
    for (unsigned slot = 0; slot < 16; ++slot) {
        const bool frontButton = slot == 5 || slot == 8 || slot == 9;
        EXPECT_EQ(
            codeplug::buttonSlot(image.setting.buttons, slot), frontButton ? 0 : (slot == 0 ? 15 : slot))
            << slot;
    }
}

TEST_F(RadioChecksTest, DisplayProfileToLowerTierRotaryRadioAsksOnce)
{
    const RadioIdentity identity = radio("KUR40800");
    VirtualCP image = imageOf("KUD41600", identity);
    codeplug::setButtonSlot(image.setting.buttons, 5, 9);

    EXPECT_TRUE(RadioChecks::ConvertTier(image, identity, showMessage));
    EXPECT_EQ(m_reporter.messages, QStringList { kTierQuestion });
    EXPECT_EQ(codeplug::buttonSlot(image.setting.buttons, 5), 0);
    EXPECT_TRUE(channelIsZero(image.channels[8]));

    m_reporter.messages.clear();
    m_reporter.answer = MsgAnswer::No;
    VirtualCP declined = imageOf("KUD41600", radio("KUR41600"));
    codeplug::setButtonSlot(declined.setting.buttons, 5, 9);
    EXPECT_FALSE(RadioChecks::ConvertTier(declined, radio("KUR41600"), showMessage));
    EXPECT_EQ(m_reporter.messages, QStringList { kTierQuestion });
}

TEST_F(RadioChecksTest, RotaryProfileToDisplayRadioKeepsItsButtons)
{
    const RadioIdentity identity = radio("KUD51600");
    VirtualCP image = imageOf("KUR51600", identity);
    codeplug::setButtonSlot(image.setting.buttons, 5, 9);
    EXPECT_TRUE(RadioChecks::ConvertTier(image, identity, showMessage));
    EXPECT_TRUE(m_reporter.messages.isEmpty());
    EXPECT_EQ(codeplug::buttonSlot(image.setting.buttons, 5), 9);
}

TEST_F(RadioChecksTest, OlderRadioCodeplugIsNoticedAndTheWriteGoesOn)
{
    RadioIdentity identity = radio("KXD40600");
    identity.codeplugVersion = 3;
    RadioChecks::NoticeOlderRadioCodeplug(identity, 3, showMessage);
    RadioChecks::NoticeOlderRadioCodeplug(identity, 2, showMessage);
    EXPECT_TRUE(m_reporter.messages.isEmpty());

    identity.codeplugVersion = 2;
    RadioChecks::NoticeOlderRadioCodeplug(identity, 3, showMessage);
    EXPECT_EQ(m_reporter.messages, QStringList { kOlderRadioCodeplug });
    EXPECT_EQ(m_reporter.styles.value(0) & MsgStyle::ButtonMask, MsgStyle::Ok) << "a notice, not a question";
}

TEST_F(RadioChecksTest, IdentityCopyPutsTheRadiosFirmwareModelAndCodesIntoTheImage)
{
    RadioIdentity identity = radio("KUR41673");
    identity.firmwarePhase = 'D';
    identity.firmwareVersion = '7';
    identity.firmwareRevision = 'A';
    identity.maxCodes = 122;
    VirtualCP image = imageOf("KUD41670", identity);
    const VirtualCP before = image;
    ASSERT_EQ(image.limit.maxCodes, 219u);

    RadioChecks::CopyIdentityIntoImage(image, identity);
    EXPECT_EQ(image.factory.firmware_phase, 'D');
    EXPECT_EQ(image.factory.firmware_version, '7');
    EXPECT_EQ(image.factory.firmware_revision, 'A');
    EXPECT_EQ(image.limit.maxCodes, 122u);
    EXPECT_EQ(std::memcmp(image.factory.modelLetters, "KUR", 3), 0);
    EXPECT_EQ(std::vector<int>(std::begin(image.factory.modelDigits), std::end(image.factory.modelDigits)),
        (std::vector<int> { 4, 1, 6, 7, 3 }));
    // Nothing else of the factory block is the radio's to give.
    EXPECT_EQ(std::memcmp(image.factory.serial, before.factory.serial, sizeof image.factory.serial), 0);
    EXPECT_EQ(image.factory.codeplug_version, before.factory.codeplug_version);

    // A radio with more codes than the profile does not raise the profile's.
    image.limit.maxCodes = 122;
    identity.maxCodes = 219;
    RadioChecks::CopyIdentityIntoImage(image, identity);
    EXPECT_EQ(image.limit.maxCodes, 122u);
}

TEST(RadioReportTexts, FailureTexts)
{
    EXPECT_EQ(RadioChecks::FailureText(-1), kCommunicationError);
    EXPECT_EQ(RadioChecks::FailureText(0), "Error: Operation Failed (0).");
    EXPECT_EQ(RadioChecks::FailureText(-12), "Error: Operation Failed (-12).");
}

TEST(RadioReportTexts, MemoryStatusTexts)
{
    EXPECT_EQ(RadioChecks::MemoryStatusText(8), kFactoryResetWarning);
    for (int status : { 1, 7, 9, 31 })
        EXPECT_EQ(RadioChecks::MemoryStatusText(status), kReturnToManufactureWarning) << status;
    for (int status : { 0, 32, -1, 255 })
        EXPECT_EQ(RadioChecks::MemoryStatusText(status), kUnknownWarning) << status;
}

} // namespace
