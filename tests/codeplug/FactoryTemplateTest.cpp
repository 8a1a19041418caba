// The factory templates a new profile starts from: every channel record of
// the model is in use, and none invites a transmit power the radio may not
// use on the two-watt frequencies.

#include "TestEnvironment.h"

#include "base/ProfileNamespaces.h"
#include "base/TextFile.h"
#include "codeplug/FrequencyRules.h"
#include "xml/XmlDocument.h"

#include <QDir>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// "Low power only": the power rule the two-watt adjustment leaves, and the
// channel power flag's low setting.
const QString kLowPower = QStringLiteral("0");
constexpr QChar kTwoWattPowerClass = u'2';

std::vector<std::string> templateFileNames()
{
    const QDir folder(dataPath(QStringLiteral("profiletemplate")));
    std::vector<std::string> names;
    for (const QString &name : folder.entryList({ QStringLiteral("*.kv9") }, QDir::Files, QDir::Name))
        names.push_back(name.toStdString());
    return names;
}

class FactoryTemplate : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        QString text;
        ASSERT_TRUE(ReadTextFile(
            dataPath(QStringLiteral("profiletemplate/") + QString::fromStdString(GetParam())), text));
        m_profile.setNamespace(QStringLiteral("dfns"), QString::fromLatin1(vela::kProfileNamespace));
        ASSERT_TRUE(m_profile.loadXml(text)) << m_profile.parseError().reason.toStdString();
    }

    QList<XmlNode> elements(const char *xpath) const { return m_profile.selectNodes(QLatin1String(xpath)); }
    QString attribute(const char *xpath, const char *name) const
    {
        return m_profile.selectSingleNode(QLatin1String(xpath)).attributeOr(QLatin1String(name));
    }

    XmlDocument m_profile;
};

} // namespace

TEST_P(FactoryTemplate, EveryChannelRecordOfTheModelIsInUse)
{
    const QString records = QString::number(elements("//dfns:channels/dfns:channel").size());
    EXPECT_EQ(attribute("//dfns:setting", "numberChannels"), records);
    EXPECT_EQ(attribute("//dfns:limit", "maxChannels"), records);
}

// A radio above two watts transmits on a two-watt frequency at low power
// only: the frequency's rule is "Low power only", and a channel on it is at
// low power in the direction that uses it (talkaround power for receive,
// repeater power for transmit).
TEST_P(FactoryTemplate, TwoWattFrequenciesAreAtLowPower)
{
    const QString model = attribute("//dfns:factory_setting", "model");
    ASSERT_EQ(model.size(), 8);
    if (model[3] <= kTwoWattPowerClass)
        GTEST_SKIP() << "a radio of at most two watts";

    const QList<XmlNode> frequencies = elements("//dfns:frequencies/dfns:frequency");
    QList<bool> twoWatt;
    for (const XmlNode &frequency : frequencies) {
        const QString hz = frequency.attributeOr(QStringLiteral("freq"));
        twoWatt.append(FrequencyRules::IsTwoWattFrequency(hz.toLongLong()));
        if (twoWatt.last()) {
            EXPECT_EQ(frequency.attributeOr(QStringLiteral("power_level")), kLowPower) << hz.toStdString();
        }
    }

    const auto usesTwoWatt = [&](const XmlNode &channel, const QString &index) {
        return twoWatt.value(channel.attributeOr(index).toInt());
    };
    for (const XmlNode &channel : elements("//dfns:channels/dfns:channel")) {
        const std::string name = channel.attributeOr(QStringLiteral("name")).toStdString();
        if (usesTwoWatt(channel, QStringLiteral("rx_freq_ndx"))) {
            EXPECT_EQ(channel.attributeOr(QStringLiteral("talkaround_power")), kLowPower) << name;
        }
        if (usesTwoWatt(channel, QStringLiteral("tx_freq_ndx"))) {
            EXPECT_EQ(channel.attributeOr(QStringLiteral("repeater_power")), kLowPower) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, FactoryTemplate, ::testing::ValuesIn(templateFileNames()),
    [](const auto &info) { return info.param.substr(0, info.param.find('.')); });
