// The MURS and two-watt frequency rules on a profile text.

#include "ProfileEdit.h"
#include "RecordingReporter.h"
#include "TestEnvironment.h"

#include "base/ProfileNamespaces.h"
#include "codeplug/FrequencyRules.h"

#include <gtest/gtest.h>

using namespace FrequencyRules;

namespace {

QString frequency(int i)
{
    return QStringLiteral("//dfns:frequencies/dfns:frequency[%1]").arg(i + 1);
}
QString channel(int k)
{
    return QStringLiteral("//dfns:channels/dfns:channel[%1]").arg(k + 1);
}

// An attribute of the element the query selects in a profile text.
QString attribute(const QString &text, const QString &xpath, const QString &name)
{
    XmlDocument document;
    document.setNamespace(QStringLiteral("dfns"), QString::fromLatin1(vela::kProfileNamespace));
    EXPECT_TRUE(document.loadXml(text));
    const XmlNode node = document.selectSingleNode(xpath);
    EXPECT_FALSE(node.isNull()) << xpath.toStdString();
    return node.attributeOr(name);
}

// The display model's template: channel k uses frequency record k for both
// directions, every power level is 3 and every channel at high power.
ProfileEdit templateProfile()
{
    return ProfileEdit(dataFileText(QStringLiteral("profiletemplate/KXD40600.kv9")));
}

} // namespace

TEST(FrequencyLists, OnlyExactValuesMatch)
{
    for (int64_t hz : { 151'820'000, 151'880'000, 151'940'000, 154'570'000, 154'600'000 })
        EXPECT_TRUE(IsMURSFrequency(hz)) << hz;
    for (int64_t hz : { 154'570'001, 154'569'999, 0, 462'762'500 })
        EXPECT_FALSE(IsMURSFrequency(hz)) << hz;
    EXPECT_FALSE(IsMURSFrequency(151'820'000 + (int64_t { 1 } << 32))); // no 32-bit wrap

    for (int64_t hz = 462'762'500; hz <= 462'912'500; hz += 25'000)
        EXPECT_TRUE(IsTwoWattFrequency(hz)) << hz;
    for (int64_t hz = 467'762'500; hz <= 467'912'500; hz += 25'000)
        EXPECT_TRUE(IsTwoWattFrequency(hz)) << hz;
    for (int64_t hz = 467'850'000; hz <= 467'925'000; hz += 25'000)
        EXPECT_TRUE(IsTwoWattFrequency(hz)) << hz;
    for (int64_t hz : { 462'737'500, 462'937'500, 462'775'000, 467'825'000, 467'950'000, 0, 154'570'000 })
        EXPECT_FALSE(IsTwoWattFrequency(hz)) << hz;
}

TEST(CheckMURFreq, FailsOnAnyMursFrequency)
{
    ProfileEdit profile = templateProfile();
    EXPECT_EQ(CheckMURFreq(profile.text()), 1);
    profile.set(frequency(5), QStringLiteral("freq"), 154'570'001);
    EXPECT_EQ(CheckMURFreq(profile.text()), 1);
    profile.set(frequency(5), QStringLiteral("freq"), 154'570'000);
    EXPECT_EQ(CheckMURFreq(profile.text()), 0);
    // Read as a signed decimal: trailing text does not hide the number.
    profile.set(frequency(5), QStringLiteral("freq"), QStringLiteral("151940000Hz"));
    EXPECT_EQ(CheckMURFreq(profile.text()), 0);
}

TEST(CheckMURFreq, ATextThatDoesNotLoadFails)
{
    EXPECT_EQ(CheckMURFreq(QStringLiteral("<VelaProfile><frequencies>")), 0);
    EXPECT_EQ(CheckMURFreq(QString()), 0);
}

TEST(CheckMURFreq, ChecksEveryChildOfTheFrequencyTable)
{
    const QString text = QStringLiteral("<VelaProfile xmlns=\"%1\"><frequencies>"
                                        "<frequency freq=\"151625000\"/><other freq=\"151880000\"/>"
                                        "</frequencies><elsewhere freq=\"154600000\"/></VelaProfile>")
                             .arg(QString::fromLatin1(vela::kProfileNamespace));
    EXPECT_EQ(CheckMURFreq(text), 0);
}

TEST(EditFrequencyFor2w, LowersEveryTwoWattEntryWithOneNotice)
{
    RecordingReporter reporter;
    ProfileEdit profile = templateProfile();
    profile.set(frequency(1), QStringLiteral("freq"), 462'762'500)
        .set(frequency(1), QStringLiteral("power_level"), 1)
        .set(frequency(3), QStringLiteral("freq"), 467'925'000)
        .set(frequency(3), QStringLiteral("power_level"), 1);
    QString text = profile.text();
    EditFrequencyFor2w(text);
    EXPECT_EQ(reporter.messages, QStringList { QString::fromLatin1(kTwoWattNotice) });
    EXPECT_EQ(attribute(text, frequency(1), QStringLiteral("power_level")), QStringLiteral("0"));
    EXPECT_EQ(attribute(text, frequency(3), QStringLiteral("power_level")), QStringLiteral("0"));
    // Entries off the list keep their power.
    EXPECT_EQ(attribute(text, frequency(0), QStringLiteral("power_level")), QStringLiteral("3"));
    EXPECT_EQ(attribute(text, frequency(2), QStringLiteral("power_level")), QStringLiteral("3"));
    // Their channels use them both ways.
    EXPECT_EQ(attribute(text, channel(1), QStringLiteral("talkaround_power")), QStringLiteral("0"));
    EXPECT_EQ(attribute(text, channel(1), QStringLiteral("repeater_power")), QStringLiteral("0"));
    EXPECT_EQ(attribute(text, channel(0), QStringLiteral("talkaround_power")), QStringLiteral("1"));
}

TEST(EditFrequencyFor2w, AReceiveEntryOnlyLowersTalkaroundPower)
{
    RecordingReporter reporter;
    ProfileEdit profile = templateProfile();
    profile.set(frequency(2), QStringLiteral("freq"), 462'787'500)
        .set(channel(4), QStringLiteral("rx_freq_ndx"), 2) // transmits on entry 4
        .set(channel(5), QStringLiteral("tx_freq_ndx"), 2); // receives on entry 5
    QString text = profile.text();
    EditFrequencyFor2w(text);
    EXPECT_EQ(attribute(text, channel(4), QStringLiteral("talkaround_power")), QStringLiteral("0"));
    EXPECT_EQ(attribute(text, channel(4), QStringLiteral("repeater_power")), QStringLiteral("1"));
    EXPECT_EQ(attribute(text, channel(5), QStringLiteral("talkaround_power")), QStringLiteral("1"));
    EXPECT_EQ(attribute(text, channel(5), QStringLiteral("repeater_power")), QStringLiteral("0"));
    EXPECT_EQ(attribute(text, channel(2), QStringLiteral("talkaround_power")), QStringLiteral("0"));
    EXPECT_EQ(attribute(text, channel(2), QStringLiteral("repeater_power")), QStringLiteral("0"));
}

TEST(EditFrequencyFor2w, LowPowerEntriesAreLeftAlone)
{
    RecordingReporter reporter;
    ProfileEdit profile = templateProfile();
    profile.set(frequency(0), QStringLiteral("freq"), 462'762'500)
        .set(frequency(0), QStringLiteral("power_level"), 0)
        // A 16-bit power level: 65536 reads as 0.
        .set(frequency(1), QStringLiteral("freq"), 462'787'500)
        .set(frequency(1), QStringLiteral("power_level"), 65536);
    QString text = profile.text();
    EditFrequencyFor2w(text);
    EXPECT_TRUE(reporter.messages.isEmpty());
    EXPECT_EQ(attribute(text, channel(0), QStringLiteral("talkaround_power")), QStringLiteral("1"));
    EXPECT_EQ(attribute(text, frequency(1), QStringLiteral("power_level")), QStringLiteral("65536"));
}

TEST(EditFrequencyFor2w, ATextThatDoesNotLoadIsLeftAsItIs)
{
    RecordingReporter reporter;
    QString text = QStringLiteral("<VelaProfile><frequencies>");
    EditFrequencyFor2w(text);
    EXPECT_EQ(text, QStringLiteral("<VelaProfile><frequencies>"));
    EXPECT_TRUE(reporter.messages.isEmpty());
}
