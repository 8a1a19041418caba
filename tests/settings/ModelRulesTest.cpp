#include "ProductFixture.h"

#include "settings/ModelRules.h"

namespace {

class ModelRulesTest : public ProductFixture {
protected:
    CDataItem section(CProfileDocument &document, const char *name)
    {
        CDataItem item;
        document.root().GetChildByName(QLatin1String(name), item);
        return item;
    }
    CDataItem row(CProfileDocument &document, const char *parent, int index)
    {
        CDataItem item;
        section(document, parent).GetChildByIndex(index, item);
        return item;
    }
    QString attribute(CProfileDocument &document, const char *name, const char *attributeName)
    {
        return section(document, name).node().attributeOr(QLatin1String(attributeName));
    }
};

TEST_F(ModelRulesTest, ModelCodePredicates)
{
    auto rotary = fromText(templateText("KXR40400"));
    EXPECT_FALSE(ModelRules::IsDisplayModel(rotary->root()));
    EXPECT_FALSE(ModelRules::IsRepeaterModel(rotary->root()));
    EXPECT_EQ(ModelRules::PowerClass(rotary->root()), QLatin1Char('4'));

    auto display = fromText(setAttributeIn(templateText("KUD41670"), "factory_setting", "model", "KUd41670"));
    EXPECT_TRUE(ModelRules::IsDisplayModel(display->root())); // lower-case d counts
    EXPECT_TRUE(ModelRules::IsRepeaterModel(display->root()));
}

TEST_F(ModelRulesTest, FourWattRotaryGetsRepeaterModelSpecificAndModelCodeRules)
{
    QString text = setAttributeIn(templateText("KXR40400"), "limit", "disable_repeater_feature", "1");
    auto document = fromText(text);
    CDataItem root = document->root();
    // The rules that always change frequencies need one below the new start.
    row(*document, "frequencies", 1).SetAttributeValue(QStringLiteral("freq"), quint32(151499999));
    row(*document, "frequencies", 2).SetAttributeValue(QStringLiteral("freq"), quint32(151500000));
    m_reporter.messages.clear();

    ModelRules::ApplyRepeaterFeatureRule(root);
    ModelRules::ApplyModelSpecificSettingsRule(root);
    ModelRules::ApplyModelCodeRule(root);
    EXPECT_EQ(attribute(*document, "limit", "disable_repeater_feature"), "0");
    EXPECT_EQ(attribute(*document, "factory_setting", "Specific_Info"), "4_5WNondisplay");
    EXPECT_EQ(attribute(*document, "limit", "start_freq"), "151500000");
    EXPECT_EQ(row(*document, "frequencies", 1).node().attributeOr("freq"), "151500000");
    EXPECT_EQ(row(*document, "frequencies", 2).node().attributeOr("freq"), "151500000");
    EXPECT_EQ(m_reporter.messages,
        QStringList { "At least one frequency in the RF Frequency table is out of the valid frequency range. "
                      "CPS corrected it to 151.5 MHz in the profile." });
}

TEST_F(ModelRulesTest, DisplayModelGetsOnlyTheModelCodeRule)
{
    auto document = fromText(templateText("KXD40600"));
    CDataItem root = document->root();
    const QString repeater = attribute(*document, "limit", "disable_repeater_feature");
    m_reporter.messages.clear();
    ModelRules::ApplyRepeaterFeatureRule(root);
    ModelRules::ApplyModelSpecificSettingsRule(root);
    ModelRules::ApplyModelCodeRule(root);
    EXPECT_EQ(attribute(*document, "limit", "disable_repeater_feature"), repeater);
    EXPECT_FALSE(section(*document, "factory_setting").node().hasAttribute("Specific_Info"));
    EXPECT_EQ(attribute(*document, "limit", "start_freq"), "151500000");
    EXPECT_TRUE(m_reporter.messages.isEmpty()); // no frequency was below
}

TEST_F(ModelRulesTest, NarrowbandRegionsLoseWideChannelsWithOneNotice)
{
    QString text = templateText("KUR40800");
    text = setAttributeIn(text, "frequency", "bandwidth", "1");
    text = setAttributeIn(text, "channel", "tx_bw", "1");
    auto document = fromText(text);
    m_reporter.messages.clear();
    ModelRules::ApplyNarrowbandRule(document->root());
    EXPECT_EQ(row(*document, "frequencies", 0).node().attributeOr("bandwidth"), "0");
    EXPECT_EQ(row(*document, "channels", 0).node().attributeOr("tx_bw"), "0");
    EXPECT_EQ(m_reporter.messages, QStringList { QLatin1String(ModelRules::kNarrowbandNotice) });

    m_reporter.messages.clear();
    ModelRules::ApplyNarrowbandRule(document->root());
    EXPECT_TRUE(m_reporter.messages.isEmpty()); // nothing left to change
}

TEST_F(ModelRulesTest, RepeaterRegion73KeepsWideChannelsAndGetsCompander)
{
    QString text = setAttributeIn(templateText("KUR51673"), "frequency", "bandwidth", "1");
    auto document = fromText(text);
    m_reporter.messages.clear();
    ModelRules::ApplyNarrowbandRule(document->root());
    EXPECT_EQ(row(*document, "frequencies", 0).node().attributeOr("bandwidth"), "1");
    EXPECT_TRUE(m_reporter.messages.isEmpty());
    ModelRules::ApplyCompanderRule(document->root());
    EXPECT_EQ(row(*document, "frequencies", 0).node().attributeOr("compander_lle_mode"), "3");
}

TEST_F(ModelRulesTest, VoiceChipIsSwitchedOffForVersion3Dev3FourAndFiveWattModels)
{
    QString text = setAttributeIn(templateText("KUR51600"), "factory_setting", "codeplug_dev_version", "3");
    text = setAttributeIn(text, "limit", "voice_chip_enable", "1");
    auto document = fromText(text);
    ModelRules::ApplyVoiceChipRule(document->root());
    EXPECT_EQ(attribute(*document, "limit", "voice_chip_enable"), "0");

    auto older = fromText(setAttributeIn(templateText("KUR51600"), "limit", "voice_chip_enable", "1"));
    ModelRules::ApplyVoiceChipRule(older->root());
    EXPECT_EQ(attribute(*older, "limit", "voice_chip_enable"), "1");
}

TEST_F(ModelRulesTest, LimitSavingKeepsLoadedValuesOnlyWithTheTag)
{
    QString text = setAttributeIn(templateText("KUD51900"), "limit", "disable_channel_enable", "1");
    text = setAttributeIn(text, "limit", "maxCodes", "219");
    auto document = fromText(text);
    SavedLimitValues saved;
    saved.maxCodes = -5;
    ModelRules::SaveLimitValues(document->root(), saved);
    EXPECT_EQ(saved.disableChannelEnable, 1);
    EXPECT_EQ(saved.maxCodes, 219);
    EXPECT_EQ(attribute(*document, "limit", "disable_channel_enable"), "0");
    EXPECT_EQ(attribute(*document, "limit", "maxCodes"), "213");

    setMachineValue("VelaTag", 0);
    auto untouched = fromText(text);
    SavedLimitValues unchanged;
    unchanged.maxCodes = -5;
    ModelRules::SaveLimitValues(untouched->root(), unchanged);
    EXPECT_EQ(unchanged.maxCodes, -5);
    EXPECT_EQ(attribute(*untouched, "limit", "maxCodes"), "219");
}

TEST_F(ModelRulesTest, RangeCheckFollowsTheChannelsInUse)
{
    auto document = fromText(templateText("KUR40800"));
    EXPECT_TRUE(ModelRules::CheckChannelFrequencyRange(document->root()));
    row(*document, "frequencies", 0).SetAttributeValue(QStringLiteral("freq"), quint32(449999999));
    EXPECT_FALSE(ModelRules::CheckChannelFrequencyRange(document->root()));

    CDataItem setting = section(*document, "setting");
    setting.SetAttributeValue(QStringLiteral("numberChannels"), 0);
    EXPECT_TRUE(ModelRules::CheckChannelFrequencyRange(document->root()));
    EXPECT_EQ(ModelRules::GetEnabledChannelCount(document->root()), 0);
}

TEST_F(ModelRulesTest, EnabledChannelsAndCustomCodeLimits)
{
    QString text = setAttributeIn(templateText("KUD51900"), "channel", "disable_channel", "1");
    text = setAttributeIn(text, "channel", "rx_code", "214");
    auto document = fromText(text);
    const int inUse = section(*document, "setting").GetAttributeValue("numberChannels").toInt();
    EXPECT_EQ(ModelRules::GetEnabledChannelCount(document->root()), inUse - 1);
    EXPECT_FALSE(ModelRules::CheckCustomCodes(document->root(), 213));
    EXPECT_TRUE(ModelRules::CheckCustomCodes(document->root(), 214));
}

TEST_F(ModelRulesTest, RunningAllRulesOnATemplateKeepsItValid)
{
    for (const char *model : { "KUD41600", "KUD41670", "KUD51900", "KUR20200", "KUR40800", "KUR51600",
             "KUR51673", "KXD40600", "KXR40400" }) {
        auto document = fromTemplate(QLatin1String(model));
        EXPECT_TRUE(document->loadTimeRulesPassed()) << model;
        const QString saved = tempPath(QStringLiteral("%1.kv9").arg(QLatin1String(model)));
        EXPECT_TRUE(document->Save(saved)) << model;
        CProfileDocument reopened(m_context.versionRules());
        EXPECT_TRUE(reopened.Open(saved)) << model;
    }
}

} // namespace
