#include "ModelFixture.h"

#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "model/DataItem.h"
#include "model/RadioDataModel.h"
#include "model/ScriptHost.h"

namespace {

class DataItemTest : public ModelFixture {
protected:
    void SetUp() override
    {
        ModelFixture::SetUp();
        ASSERT_TRUE(m_model.LoadProfile(QString::fromUtf8(kProfile), false));
    }

    CDataItem section(const char *name)
    {
        CDataItem item;
        m_model.rootItem().GetChildByName(QLatin1String(name), item);
        return item;
    }
    CDataItem channel(int index)
    {
        CDataItem item;
        section("channels").GetChildByIndex(index, item);
        return item;
    }
    int codeOf(const std::function<void()> &body)
    {
        try {
            body();
        } catch (const CVelaCPSException &exception) {
            m_lastDetail = exception.detail();
            return exception.code();
        }
        return 0;
    }

    CRadioDataModel m_model;
    QString m_lastDetail;
};

TEST_F(DataItemTest, TypedValuesFollowTheLastBuiltInTypeOfTheDerivation)
{
    const QVariant start = section("limit").GetAttributeValue(QStringLiteral("start_freq"));
    EXPECT_EQ(start.typeId(), QMetaType::UInt);
    EXPECT_EQ(start.toUInt(), 150000000u);
    EXPECT_EQ(section("limit").GetAttributeValue(QStringLiteral("end_freq")).toUInt(), 4294967295u);

    const QVariant subRegion = section("factory_setting").GetAttributeValue(QStringLiteral("sub_region"));
    EXPECT_EQ(subRegion.typeId(), QMetaType::Int);

    const QVariant enabled = section("limit").GetAttributeValue(QStringLiteral("enabled"));
    EXPECT_EQ(enabled.typeId(), QMetaType::Bool);
    EXPECT_TRUE(enabled.toBool());

    // Derived from another built-in type: the document's value, not a
    // 32-bit conversion.
    const QVariant flag = section("limit").GetAttributeValue(QStringLiteral("disable_repeater_feature"));
    EXPECT_NE(flag.typeId(), QMetaType::UInt);
    EXPECT_NE(flag.typeId(), QMetaType::Int);
    EXPECT_EQ(flag.toInt(), 1);
    EXPECT_EQ(section("factory_setting").GetAttributeValue(QStringLiteral("model")).toString(), "KXR40400");
}

TEST_F(DataItemTest, MissingChildrenAndAttributesRaiseTheirCodes)
{
    EXPECT_EQ(codeOf([&] { section("nothing"); }), 132);
    EXPECT_TRUE(m_lastDetail.startsWith("Name='nothing'"));
    EXPECT_EQ(codeOf([&] { section("limit").GetAttributeValue(QStringLiteral("absent")); }), 133);
    EXPECT_EQ(codeOf([&] { section("limit").SetAttributeValue(QStringLiteral("absent"), 1); }), 133);
    EXPECT_EQ(codeOf([&] { section("channels").RemoveChildByIndex(5); }), 133);
    EXPECT_TRUE(m_lastDetail.startsWith("Index='5'"));

    CDataItem past;
    section("channels").GetChildByIndex(2, past);
    EXPECT_TRUE(past.isEmpty());
    EXPECT_EQ(section("channels").GetChildCount(), 2);
}

TEST_F(DataItemTest, ValuesWithoutHookAreWrittenDirectly)
{
    CDataItem limit = section("limit");
    EXPECT_TRUE(limit.SetAttributeValue(QStringLiteral("disable_repeater_feature"), false).accepted());
    EXPECT_EQ(limit.node().attributeOr(QStringLiteral("disable_repeater_feature")), "0");
    EXPECT_TRUE(limit.SetAttributeValue(QStringLiteral("disable_repeater_feature"), true).accepted());
    EXPECT_EQ(limit.node().attributeOr(QStringLiteral("disable_repeater_feature")), "1");
    EXPECT_TRUE(limit.SetAttributeValue(QStringLiteral("start_freq"), quint32(151500000)).accepted());
    EXPECT_EQ(limit.node().attributeOr(QStringLiteral("start_freq")), "151500000");

    // A SchemaExtension that names only other kinds of hook is no hook here.
    CDataItem factory = section("factory_setting");
    EXPECT_TRUE(factory.SetAttributeValue(QStringLiteral("serial"), QStringLiteral("999AAA9999")).accepted());
    EXPECT_EQ(factory.node().attributeOr(QStringLiteral("serial")), "999AAA9999");
}

TEST_F(DataItemTest, SetValHookAcceptsOrRefusesWithItsMessage)
{
    CDataItem setting = section("setting");
    const HookVerdict accepted
        = setting.SetAttributeValue(QStringLiteral("password"), QStringLiteral("1234"));
    EXPECT_EQ(accepted.status, 0);
    EXPECT_EQ(accepted.msgId, 0);
    EXPECT_EQ(accepted.style, 0);
    EXPECT_EQ(setting.node().attributeOr(QStringLiteral("password")), "1234");

    const HookVerdict refused = setting.SetAttributeValue(QStringLiteral("password"), QStringLiteral("12a"));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.msgId, 3000);
    EXPECT_EQ(refused.style, 0x30);
    EXPECT_EQ(setting.node().attributeOr(QStringLiteral("password")), "1234");
}

TEST_F(DataItemTest, ScriptFailuresShowTheScriptErrorAndRaiseCode131)
{
    CDataItem setting = section("setting");
    EXPECT_EQ(codeOf([&] { setting.SetAttributeValue(QStringLiteral("mode"), QStringLiteral("b")); }), 131);
    ASSERT_EQ(m_reporter.messages.size(), 1);
    EXPECT_TRUE(m_reporter.messages[0].startsWith("IActiveScriptSite::OnScriptError()\nLine: "));
    EXPECT_TRUE(m_reporter.messages[0].contains("undefinedVariable"));
    EXPECT_TRUE(m_lastDetail.startsWith("Invoke script function failed\nfunction "
                                        "name=SetAttributeValue,Node=setting Attribute=mode Value=b"));

    // A thrown value that is not an Error object fails the call as well.
    EXPECT_EQ(codeOf([&] { setting.SetAttributeValue(QStringLiteral("tone"), 3); }), 131);
    EXPECT_TRUE(m_reporter.messages.last().contains("42"));

    // A function the script does not have.
    XmlNode settingNode = setting.node();
    settingNode.setAttribute(QStringLiteral("missing"), QString());
    EXPECT_EQ(codeOf([&] { setting.SetAttributeValue(QStringLiteral("missing"), 1); }), 131);
    EXPECT_EQ(m_reporter.messages.size(), 3);

    // The engine still works after the failures.
    EXPECT_TRUE(setting.SetAttributeValue(QStringLiteral("password"), QStringLiteral("4321")).accepted());
}

TEST_F(DataItemTest, AHookThatNeverReturnsIsInterrupted)
{
    ScriptHost::setHookTimeLimitMs(200);
    EXPECT_EQ(codeOf([&] { section("setting").SetAttributeValue(QStringLiteral("level"), 2); }), 131);
    ScriptHost::setHookTimeLimitMs(5000);
    ASSERT_FALSE(m_reporter.messages.isEmpty());
    EXPECT_TRUE(m_reporter.messages.last().startsWith("IActiveScriptSite::OnScriptError()"));
    EXPECT_TRUE(
        section("setting").SetAttributeValue(QStringLiteral("password"), QStringLiteral("1111")).accepted());
}

TEST_F(DataItemTest, ChannelsAreAddedAndDeletedThroughTheirHooks)
{
    CDataItem channels = section("channels");
    EXPECT_TRUE(channels.CanAddChild());
    CDataItem added;
    ASSERT_TRUE(channels.AddNewChild(added));
    EXPECT_EQ(added.GetAttributeValue(QStringLiteral("name")).toString(), "NEW");
    EXPECT_EQ(channels.GetChildCount(), 3);
    EXPECT_FALSE(channels.CanAddChild());
    EXPECT_TRUE(channels.CanDeleteChild());

    const HookVerdict asked = channels.RemoveChildByIndex(1);
    EXPECT_TRUE(asked.needsConfirmation());
    EXPECT_EQ(asked.msgId, 3000);
    EXPECT_EQ(asked.style, 0x34);
    EXPECT_EQ(channels.GetChildCount(), 3);
    EXPECT_TRUE(channels.RemoveChildByIndex(1, MsgAnswer::Yes).accepted());
    EXPECT_EQ(channels.GetChildCount(), 2);
    EXPECT_EQ(channel(1).GetAttributeValue(QStringLiteral("name")).toString(), "NEW");
}

TEST_F(DataItemTest, ElementsWithoutHooksAnswerNoAndRemoveDirectly)
{
    CDataItem limit = section("limit");
    EXPECT_FALSE(limit.CanAddChild());
    EXPECT_FALSE(limit.CanDeleteChild());
    EXPECT_FALSE(limit.CanDeleteFrequency(0));
    CDataItem added;
    EXPECT_FALSE(limit.AddNewChild(added));
    EXPECT_TRUE(added.isEmpty());
    const HookVerdict unhooked = limit.AddFrequency({ -1, 151000000, 0, 0, 0 });
    EXPECT_EQ(unhooked.status, 1);
    EXPECT_EQ(unhooked.msgId, 0);
    EXPECT_EQ(limit.SetFreqAttributeValue({ 0, 1, 2, 3, 4 }).status, 1);

    // frequency elements have no OnDelete hook.
    CDataItem frequencies = section("frequencies");
    EXPECT_TRUE(frequencies.RemoveChildByIndex(0).accepted());
    EXPECT_EQ(frequencies.GetChildCount(), 1);
}

TEST_F(DataItemTest, FrequencyHooksReceiveTheirArguments)
{
    CDataItem frequencies = section("frequencies");
    EXPECT_TRUE(frequencies.AddFrequency({ -1, 4000000000u, 1, 2, 3 }).accepted());
    ASSERT_EQ(frequencies.GetChildCount(), 3);
    CDataItem row;
    frequencies.GetChildByIndex(2, row);
    EXPECT_EQ(row.GetAttributeValue(QStringLiteral("freq")).toUInt(), 4000000000u);

    const HookVerdict refused = frequencies.AddFrequency({ -1, 1000, 0, 0, 0 });
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.msgId, 3000);
    EXPECT_EQ(refused.style, 0x30);

    const HookVerdict edited = frequencies.SetFreqAttributeValue({ 1, 467000000u, 0, 0, 0 });
    EXPECT_EQ(edited.status, 11);
    EXPECT_EQ(edited.msgId, 7);
    frequencies.GetChildByIndex(1, row);
    EXPECT_EQ(row.GetAttributeValue(QStringLiteral("freq")).toUInt(), 467000000u);

    EXPECT_TRUE(frequencies.CanDeleteFrequency(1));
    EXPECT_FALSE(frequencies.CanDeleteFrequency(0));
}

TEST_F(DataItemTest, CopyReceiveToTransmitAndStampSubRegion)
{
    m_model.rootItem().CopyReceiveToTransmit();
    for (int i = 0; i < 2; ++i) {
        const XmlNode node = channel(i).node();
        EXPECT_EQ(node.attributeOr("tx_code"), node.attributeOr("rx_code"));
        EXPECT_EQ(node.attributeOr("tx_freq_ndx"), node.attributeOr("rx_freq_ndx"));
        EXPECT_EQ(node.attributeOr("tx_bw"), node.attributeOr("rx_bw"));
    }
    EXPECT_EQ(channel(0).node().attributeOr("tx_code"), "5");
    m_model.rootItem().StampSubRegion();
    EXPECT_EQ(section("factory_setting").node().attributeOr("sub_region"), "2");
}

TEST(ProcessChannelName, EmptyNamesGetFreeNumbersInChannelOrder)
{
    QString text
        = QStringLiteral("<VelaProfile xmlns=\"http://schemas.halvern.com/vela/profile\"><channels>"
                         "<channel name=\"CHAN 1\"/><channel name=\"\"/><channel name=\"CHAN 3\"/><channel/>"
                         "</channels></VelaProfile>");
    CDataItem::ProcessChannelName(text);
    XmlDocument document;
    ASSERT_TRUE(document.loadXml(text));
    QStringList names;
    for (const XmlNode &channel : document.documentElement().childElements().first().childElements())
        names << channel.attributeOr("name");
    EXPECT_EQ(names, QStringList({ "CHAN 1", "CHAN 2", "CHAN 3", "CHAN 4" }));
}

TEST(ProcessChannelName, TextThatDoesNotParseRaises135)
{
    QString text = QStringLiteral("<VelaProfile><channels>");
    try {
        CDataItem::ProcessChannelName(text);
        FAIL() << "no exception";
    } catch (const CVelaCPSException &exception) {
        EXPECT_EQ(exception.code(), 135);
    }
    EXPECT_EQ(text, "<VelaProfile><channels>");
}

} // namespace
