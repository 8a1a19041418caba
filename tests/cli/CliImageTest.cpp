// velacps-cli between profiles and codeplug images: to-image with and
// without the radio's identity, from-image to text and to a profile file.

#include "CliRun.h"

#include "base/ProfileNamespaces.h"
#include "codeplug/VirtualCP.h"
#include "xml/XmlDocument.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cstddef>
#include <cstring>

namespace {

const QString kNs = QString::fromLatin1(vela::kProfileNamespace);
const char *const kTwoWattNotice
    = "Not all frequencies are authorized for high power mode (4W). CPS shall convert "
      "these frequencies to low power mode.\n";

// The identity option of a KUR radio of power class powerClass.
QString identityOption(uint8_t powerClass)
{
    RadioIdentity identity;
    std::memcpy(identity.modelLetters, "KUR", 3);
    const uint8_t digits[5] = { powerClass, 0, 8, 0, 0 };
    std::memcpy(identity.modelDigits, digits, sizeof digits);
    identity.firmwarePhase = 'R';
    identity.firmwareVersion = '1';
    identity.firmwareRevision = '7';
    identity.codeplugPhase = 'R';
    identity.codeplugVersion = 3;
    identity.frequencyCount = 8;
    identity.serial_clone_compatibility = 1;
    identity.maxCodes = 122;
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(&identity), sizeof identity).toHex());
}

constexpr std::size_t frequencyByte(int record, std::size_t field)
{
    return offsetof(VirtualCP, frequencies) + 16 * record + field;
}
constexpr std::size_t channelByte(int record, std::size_t field)
{
    return offsetof(VirtualCP, channels) + 22 * record + field;
}

class CliImageTest : public CliTest {
protected:
    // A profile file made from the template as the tool makes new profiles.
    QString newProfile(const QString &model)
    {
        const QString path = tempPath(model + QStringLiteral(".kv9"));
        const CliResult result = run({ "new", model, path });
        EXPECT_EQ(result.exitCode, 0) << result.stderrText();
        return path;
    }
    QString imageOf(const QString &profile, const QString &name, const QStringList &options = {})
    {
        const QString path = tempPath(name);
        const CliResult result = run(QStringList { "to-image", profile, path } + options);
        EXPECT_EQ(result.exitCode, 0) << result.stderrText();
        return path;
    }
};

TEST_F(CliImageTest, ToImageWritesACodeplugImageThatFromImageTurnsIntoCanonicalText)
{
    const QString image = imageOf(newProfile("KUR40800"), "radio.img");
    const QByteArray bytes = readFile(image);
    ASSERT_EQ(bytes.size(), 2148);
    EXPECT_EQ(QByteArray(
                  bytes.constData() + offsetof(VirtualCP, factory) + offsetof(FactoryBlock, modelLetters), 3),
        "KUR");

    const CliResult result = run({ "from-image", image });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_TRUE(result.err.isEmpty()) << result.stderrText();
    const QByteArray &text = result.out;
    EXPECT_TRUE(text.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n"))
        << text.left(60).toStdString();
    EXPECT_TRUE(text.endsWith("</VelaProfile>\r\n"));
    EXPECT_EQ(text.count('\n'), text.count("\r\n")) << "every line ends in CR LF";
    EXPECT_TRUE(text.contains("\t<factory_setting ")) << "TAB indentation";

    XmlDocument document;
    document.setNamespace(QStringLiteral("dfns"), kNs);
    ASSERT_TRUE(document.loadXml(QString::fromUtf8(text)));
    EXPECT_EQ(document.selectSingleNode("//dfns:factory_setting").attributeOr("model"), "KUR40800");
    EXPECT_EQ(document.selectNodes("//dfns:channels/dfns:channel").size(), 8);
}

TEST_F(CliImageTest, IdentityOfAFourWattRadioLowersItsTwoWattFrequencies)
{
    // Frequency 4 (462.7625 MHz) is on the two-watt list; channel 4 receives
    // and transmits on it.
    XmlDocument profile;
    profile.setNamespace(QStringLiteral("dfns"), kNs);
    ASSERT_TRUE(profile.loadXml(templateText("KUR40800")));
    XmlNode frequency = profile.selectSingleNode("(//dfns:frequencies/dfns:frequency)[5]");
    ASSERT_EQ(frequency.attributeOr("freq"), "462762500");
    frequency.setAttribute("power_level", "3");
    XmlNode channel = profile.selectSingleNode("(//dfns:channels/dfns:channel)[5]");
    ASSERT_EQ(channel.attributeOr("rx_freq_ndx"), "4");
    ASSERT_EQ(channel.attributeOr("tx_freq_ndx"), "4");
    channel.setAttribute("talkaround_power", "1");
    channel.setAttribute("repeater_power", "1");
    const QString input = writeFile("two-watt.kv9", profile.xml().toUtf8());

    const QString fiveWatt = tempPath("five.img"), fourWatt = tempPath("four.img");
    CliResult result = run({ "to-image", input, fiveWatt, "--identity", identityOption(5) });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_TRUE(result.err.isEmpty()) << result.stderrText();
    // Upper-case digits are as good as lower-case ones.
    result = run({ "to-image", input, fourWatt, "--identity", identityOption(4).toUpper() });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_EQ(result.stderrText(), kTwoWattNotice);

    const QByteArray five = readFile(fiveWatt), four = readFile(fourWatt);
    ASSERT_EQ(five.size(), 2148);
    ASSERT_EQ(four.size(), 2148);
    const std::size_t power = frequencyByte(4, offsetof(FrequencyRecord, power_level));
    const std::size_t talkaround = channelByte(4, offsetof(ChannelRecord, talkaround_power));
    const std::size_t repeater = channelByte(4, offsetof(ChannelRecord, repeater_power));
    EXPECT_EQ(five[power] & 3, 3);
    EXPECT_EQ(five[talkaround], 1);
    EXPECT_EQ(five[repeater], 1);
    EXPECT_EQ(four[power] & 3, 0);
    EXPECT_EQ(four[talkaround], 0);
    EXPECT_EQ(four[repeater], 0);
    // Nothing else differs.
    for (qsizetype i = 0; i < five.size(); ++i) {
        if (std::size_t(i) != power && std::size_t(i) != talkaround && std::size_t(i) != repeater) {
            EXPECT_EQ(five[i], four[i]) << "byte " << i;
        }
    }
    // The profile file is not changed by the adjustment.
    EXPECT_EQ(readFile(input), profile.xml().toUtf8());
}

TEST_F(CliImageTest, FromImageRefusesAFileThatIsNotAnImage)
{
    const QByteArray image = readFile(imageOf(newProfile("KUR40800"), "radio.img"));
    ASSERT_EQ(image.size(), 2148);
    for (const int size : { 2147, 2149, 0 }) {
        const QString path
            = writeFile(QStringLiteral("%1.img").arg(size), image.left(size).leftJustified(size, '\0'));
        const CliResult result = run({ "from-image", path });
        EXPECT_EQ(result.exitCode, 1) << size;
        EXPECT_EQ(result.stderrText(),
            QStringLiteral("\"%1\" is not a codeplug image: it has %2 bytes, an image has 2148.\n")
                .arg(path)
                .arg(size)
                .toStdString());
        EXPECT_TRUE(result.out.isEmpty());
    }

    const QString missing = tempPath("missing.img");
    CliResult result = run({ "from-image", missing });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.stderrText(),
        QStringLiteral("Cannot read \"%1\": No such file or directory.\n").arg(missing).toStdString());

    // An image whose serial number breaks the rule is refused as a radio's is.
    QByteArray badSerial = image;
    std::memcpy(badSerial.data() + offsetof(FactoryBlock, serial), "123OBC4567", 10);
    result = run({ "from-image", writeFile("serial.img", badSerial) });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.stderrText(), "Invalid serial number\n");
    EXPECT_TRUE(result.out.isEmpty());
}

TEST_F(CliImageTest, FromImageSavesAProfileThatPassesTheCheck)
{
    const QString image = imageOf(newProfile("KUD41670"), "radio.img");
    const QString saved = tempPath("from-radio.kv9");
    CliResult result = run({ "from-image", image, "--save", saved });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_TRUE(readFile(saved).startsWith("\xFF\xFE"));

    result = run({ "check", saved });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_TRUE(result.err.isEmpty()) << result.stderrText();

    // Back to an image: the radio gets what it gave.
    const QByteArray again = readFile(imageOf(saved, "again.img"));
    EXPECT_EQ(again, readFile(image));
}

TEST_F(CliImageTest, ToImageRefusesAProfileThatDoesNotLoad)
{
    QString text = templateText("KUR40800");
    text.replace(QStringLiteral("rx_code=\"0\""), QStringLiteral("rx_code=\"999\""));
    const QString output = tempPath("out.img");
    const CliResult result = run({ "to-image", writeFile("invalid.kv9", text.toUtf8()), output });
    EXPECT_EQ(result.exitCode, 1);
    // The loader's diagnosis follows the message.
    const QStringList lines = QString::fromUtf8(result.err).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << result.stderrText();
    EXPECT_EQ(lines[0], "Invalid profile.");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^%1: line \\d+, position \\d+: .*'rx_code': '999'")
                                       .arg(QRegularExpression::escape(tempPath("invalid.kv9"))))
                    .match(lines[1])
                    .hasMatch())
        << result.stderrText();
    EXPECT_FALSE(QFileInfo::exists(output));
}

} // namespace
