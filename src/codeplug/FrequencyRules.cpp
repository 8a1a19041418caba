#include "FrequencyRules.h"

#include "base/MessageReporter.h"
#include "codeplug/ProfileDom.h"
#include "codeplug/TextNumbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace FrequencyRules {

const char *const kTwoWattNotice = QT_TRANSLATE_NOOP("FrequencyRules",
    "Not all frequencies are authorized for high power mode (4W). CPS shall convert these frequencies to low "
    "power mode.");

namespace {

constexpr std::array<int64_t, 5> kMursFrequencies
    = { 151'820'000, 151'880'000, 151'940'000, 154'570'000, 154'600'000 };

constexpr std::array<int64_t, 18> kTwoWattFrequencies = { 462'762'500, 462'787'500, 462'812'500, 462'837'500,
    462'862'500, 462'887'500, 462'912'500, 467'762'500, 467'787'500, 467'812'500, 467'837'500, 467'850'000,
    467'862'500, 467'875'000, 467'887'500, 467'900'000, 467'912'500, 467'925'000 };

constexpr const char *kCheckOperation = "CheckMURFreq";
constexpr const char *kEditOperation = "CDataAdaptor::EditFrequencyFor2w";

// The channels whose receive or transmit frequency is frequency record index.
QString channelsUsingQuery(int index)
{
    return QStringLiteral("//dfns:channels/dfns:channel[@rx_freq_ndx = '%1'] |"
                          "                                    "
                          "//dfns:channels/dfns:channel[@tx_freq_ndx = '%1']")
        .arg(index);
}

void lowerPowerOfChannelsUsing(const XmlDocument &document, int index)
{
    const QString zero = QStringLiteral("0");
    for (XmlNode channel : document.selectNodes(channelsUsingQuery(index))) {
        if (codeplug::parseSigned(channel.attributeOr(QStringLiteral("rx_freq_ndx"))) == index
            && codeplug::parseSigned(channel.attributeOr(QStringLiteral("talkaround_power"))) != 0)
            channel.setAttribute(QStringLiteral("talkaround_power"), zero);
        if (codeplug::parseSigned(channel.attributeOr(QStringLiteral("tx_freq_ndx"))) == index
            && codeplug::parseSigned(channel.attributeOr(QStringLiteral("repeater_power"))) != 0)
            channel.setAttribute(QStringLiteral("repeater_power"), zero);
    }
}

} // namespace

bool IsMURSFrequency(int64_t hz)
{
    return std::ranges::find(kMursFrequencies, hz) != kMursFrequencies.end();
}

bool IsTwoWattFrequency(int64_t hz)
{
    return std::ranges::find(kTwoWattFrequencies, hz) != kTwoWattFrequencies.end();
}

std::span<const int64_t> TwoWattFrequencies()
{
    return kTwoWattFrequencies;
}

int CheckMURFreq(const QString &profileText)
{
    try {
        XmlDocument document = codeplug::createProfileDocument(
            kCheckOperation, __LINE__, "create Msxml2.DOMDocument.4.0 failed");
        if (!document.loadXml(profileText))
            return 0;
        for (const XmlNode &frequency : document.selectNodes(QStringLiteral("//dfns:frequencies/*"))) {
            if (IsMURSFrequency(codeplug::parseSigned64(frequency.attributeOr(QStringLiteral("freq")))))
                return 0;
        }
        return 1;
    } catch (const XmlError &e) {
        codeplug::raiseXmlLayerError(e, kCheckOperation, __LINE__);
    }
}

void EditFrequencyFor2w(QString &profileText)
{
    try {
        XmlDocument document = codeplug::createProfileDocument(
            kEditOperation, __LINE__, "create MSXML2::DOMDocument40 failed");
        if (!document.loadXml(profileText))
            return;
        bool notified = false;
        const QList<XmlNode> frequencies
            = document.selectNodes(QStringLiteral("//dfns:frequencies/dfns:frequency"));
        for (int i = 0; i < frequencies.size(); ++i) {
            XmlNode frequency = frequencies[i];
            const uint32_t hz = codeplug::parseUnsigned(frequency.attributeOr(QStringLiteral("freq")));
            const auto powerLevel = static_cast<int16_t>(
                codeplug::parseSigned(frequency.attributeOr(QStringLiteral("power_level"))));
            if (powerLevel == 0 || !IsTwoWattFrequency(hz))
                continue;
            if (!notified) {
                showMessage(
                    QCoreApplication::translate("FrequencyRules", kTwoWattNotice), MsgStyle::IconWarning);
                notified = true;
            }
            frequency.setAttribute(QStringLiteral("power_level"), QStringLiteral("0"));
            lowerPowerOfChannelsUsing(document, i);
        }
        profileText = document.xml();
    } catch (const XmlError &e) {
        codeplug::raiseXmlLayerError(e, kEditOperation, __LINE__);
    }
}

} // namespace FrequencyRules
