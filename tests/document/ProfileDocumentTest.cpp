// Profile documents on the shipped product data: the profile file format,
// the three sources of a profile, the save steps and the hand-over to the
// radio link.

#include "ProductFixture.h"

#include "base/ProfileNamespaces.h"
#include "base/TextFile.h"
#include "base/VelaException.h"
#include "codeplug/DataAdaptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cstring>

namespace {

// A list of texts, one a line, for comparisons that print well.
std::string lines(const QStringList &texts)
{
    return texts.join(QLatin1Char('\n')).toStdString();
}

const QString kNs = QString::fromLatin1(vela::kProfileNamespace);

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

XmlDocument parsed(const QString &text)
{
    XmlDocument document;
    document.setNamespace(QStringLiteral("dfns"), kNs);
    EXPECT_TRUE(document.loadXml(text)) << document.parseError().reason.toStdString();
    return document;
}

// The attribute of the first element that xpath selects in a profile text.
QString valueIn(const QString &text, const QString &xpath, const QString &attribute)
{
    return parsed(text).selectSingleNode(xpath).attributeOr(attribute, QStringLiteral("(absent)"));
}

// The profile text of a saved file, read back with the program's reader.
QString savedText(const QString &path)
{
    QString text;
    EXPECT_TRUE(ReadTextFile(path, text)) << path.toStdString();
    return text;
}

class ProfileDocumentTest : public ProductFixture {
protected:
    static QString mainText(CProfileDocument &document) { return document.model().mainDocument().xml(); }
    static std::string profileOf(CProfileDocument &document) { return mainText(document).toStdString(); }

    // Every channel's transmit code, frequency index and bandwidth equal its
    // receive ones in text.
    static bool transmitsAsItReceives(const QString &text)
    {
        const QList<XmlNode> channels
            = parsed(text).selectNodes(QStringLiteral("//dfns:channels/dfns:channel"));
        return !channels.isEmpty()
            && std::all_of(channels.begin(), channels.end(), [](const XmlNode &channel) {
                   return channel.attributeOr("tx_code") == channel.attributeOr("rx_code")
                       && channel.attributeOr("tx_freq_ndx") == channel.attributeOr("rx_freq_ndx")
                       && channel.attributeOr("tx_bw") == channel.attributeOr("rx_bw");
               });
    }

    // The template with its first channel transmitting elsewhere than it
    // receives.
    QString withSplitChannel(const char *model)
    {
        QString text = setAttributeIn(templateText(QLatin1String(model)), "channel", "tx_freq_ndx", "1");
        text = setAttributeIn(text, "channel", "tx_code", "5");
        return setAttributeIn(text, "channel", "tx_bw", "1");
    }

    static QString limitValue(const QString &text, const char *attribute)
    {
        return valueIn(text, QStringLiteral("//dfns:limit"), QLatin1String(attribute));
    }
    // disable_channel_enable, talkaround_scan_enable, voice_chip_enable and
    // maxCodes of limit, joined by commas.
    static std::string limitValues(const QString &text)
    {
        QStringList values;
        for (const char *name :
            { "disable_channel_enable", "talkaround_scan_enable", "voice_chip_enable", "maxCodes" })
            values << limitValue(text, name);
        return values.join(QLatin1Char(',')).toStdString();
    }

    // The codeplug image of a template, as a radio of the newest codeplug
    // version would hold it.
    VirtualCP imageOf(const char *model)
    {
        VirtualCP image {};
        RadioIdentity identity;
        identity.codeplugVersion = 3;
        EXPECT_EQ(CDataAdaptor::XML2VirtualCP(templateText(QLatin1String(model)), image, identity), 1);
        return image;
    }
};

TEST_F(ProfileDocumentTest, SavedFileIsTheScrambledProfileText)
{
    // A name holding the character whose code equals the scramble key.
    auto document
        = fromText(setAttributeIn(templateText("KUR40800"), "channel", "name", QStringLiteral("A\u00A6B")));
    const QString path = tempPath("saved.kv9");
    ASSERT_TRUE(document->Save(path)) << qPrintable(m_reporter.messages.join("\n"));

    const QByteArray bytes = fileBytes(path);
    ASSERT_GT(bytes.size(), 2);
    EXPECT_EQ(uchar(bytes[0]), 0xFF);
    EXPECT_EQ(uchar(bytes[1]), 0xFE);
    ASSERT_EQ(bytes.size() % 2, 0);
    // Unscrambled unit by unit: XOR with 0xA6, except a unit equal to it.
    QString text;
    for (qsizetype i = 2; i < bytes.size(); i += 2) {
        const char16_t unit = char16_t(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8));
        text += QChar(unit == 0xA6 ? unit : char16_t(unit ^ 0xA6));
    }
    EXPECT_TRUE(text.startsWith(QLatin1String("<?xml"))) << text.left(40).toStdString();
    EXPECT_TRUE(text.trimmed().endsWith(QLatin1String("</VelaProfile>"))) << "no terminator after the text";
    EXPECT_TRUE(text.contains(QStringLiteral("name=\"A\u00A6B\"")));
    QString decoded;
    ASSERT_TRUE(DecodeTextFile(bytes, decoded));
    EXPECT_EQ(decoded, text);

    // Reading it back gives the same profile.
    CProfileDocument reopened(m_context.versionRules());
    ASSERT_TRUE(reopened.Open(path)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(profileOf(reopened), profileOf(*document));
    EXPECT_EQ(reopened.path(), path);
    EXPECT_FALSE(reopened.isModified());
}

TEST_F(ProfileDocumentTest, PlainUtf16AndEightBitFilesOpen)
{
    const QString text
        = setAttributeIn(templateText("KUD41600"), "channel", "name", QStringLiteral("Caf\u00E9"));
    QByteArray utf16("\xFF\xFE", 2);
    for (QChar c : text)
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    QByteArray scrambledEightBit = text.toUtf8();
    for (char &c : scrambledEightBit)
        c = char(c ^ 0xA6);

    const QString utf16Path = tempPath("utf16.kv9"), eightBitPath = tempPath("8bit.kv9"),
                  scrambledPath = tempPath("8bit-scrambled.kv9");
    ASSERT_TRUE(writeBytes(utf16Path, utf16));
    ASSERT_TRUE(writeBytes(eightBitPath, text.toUtf8()));
    ASSERT_TRUE(writeBytes(scrambledPath, scrambledEightBit));

    CProfileDocument fromUtf16(m_context.versionRules()), fromEightBit(m_context.versionRules()),
        fromScrambled(m_context.versionRules());
    ASSERT_TRUE(fromUtf16.Open(utf16Path)) << qPrintable(m_reporter.messages.join("\n"));
    ASSERT_TRUE(fromEightBit.Open(eightBitPath)) << qPrintable(m_reporter.messages.join("\n"));
    ASSERT_TRUE(fromScrambled.Open(scrambledPath)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(valueIn(mainText(fromUtf16), "//dfns:channel", "name"), QStringLiteral("Caf\u00E9"));
    EXPECT_EQ(profileOf(fromEightBit), profileOf(fromUtf16));
    EXPECT_EQ(profileOf(fromScrambled), profileOf(fromUtf16));
    EXPECT_EQ(fromUtf16.powerClass(), 4);
}

TEST_F(ProfileDocumentTest, OnlyTemplatesGetTheElementsOfTheVersionRules)
{
    // Version 2 has one more frequency element than version 3 lacks: a
    // version-3 template gains it with the attribute defaults (existing
    // frequencies keep their own values through replaceby); a version-3
    // file does not.
    XmlDocument rules;
    rules.setNamespace(QStringLiteral("dfns"), kNs);
    ASSERT_TRUE(rules.loadXml(QStringLiteral(R"(<CodePlugSetting xmlns="%1">
  <CPVer1><Test/><RegionCommon/></CPVer1>
  <CPVer2><Test/><RegionCommon>
    <CPTag parentNode="frequencies" name="frequency" isExist="1"/>
    <CPField nodename="frequency" name="freq" defaulvalue="460000000" replaceby="freq" isExist="1"/>
    <CPField nodename="frequency" name="bandwidth" defaulvalue="0" replaceby="bandwidth" isExist="1"/>
    <CPField nodename="frequency" name="power_level" defaulvalue="1" replaceby="power_level" isExist="1"/>
    <CPField nodename="frequency" name="compander_lle_mode" defaulvalue="2" replaceby="compander_lle_mode" isExist="1"/>
  </RegionCommon></CPVer2>
  <CPVer3><Test/><RegionCommon/></CPVer3>
</CodePlugSetting>)")
                                  .arg(kNs)));
    const VersionRuleSource source { rules, QStringLiteral("Test") };
    const QString templatePath = dataPath(QStringLiteral("profiletemplate/KUR40800.kv9"));
    const int templateFrequencies
        = parsed(templateText("KUR40800")).selectNodes("//dfns:frequencies/*").size();

    CProfileDocument created(source);
    ASSERT_TRUE(created.NewFromTemplate(templatePath)) << qPrintable(m_reporter.messages.join("\n"));
    const QList<XmlNode> frequencies = created.model().mainDocument().selectNodes("//dfns:frequencies/*");
    ASSERT_EQ(frequencies.size(), templateFrequencies + 1);
    EXPECT_EQ(frequencies.last().attributeOr("freq"), "460000000");
    EXPECT_EQ(frequencies.first().attributeOr("freq"),
        valueIn(templateText("KUR40800"), "//dfns:frequency", "freq"));

    CProfileDocument opened(source);
    ASSERT_TRUE(opened.Open(templatePath)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(opened.model().mainDocument().selectNodes("//dfns:frequencies/*").size(), templateFrequencies);
}

TEST_F(ProfileDocumentTest, SavingWithRepeaterFeatureDisabledTransmitsAsItReceives)
{
    auto disabled = fromText(withSplitChannel("KUD41600"));
    ASSERT_EQ(limitValue(mainText(*disabled), "disable_repeater_feature"), "1");
    ASSERT_FALSE(transmitsAsItReceives(mainText(*disabled)));
    const QString path = tempPath("disabled.kv9");
    ASSERT_TRUE(disabled->Save(path)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_TRUE(transmitsAsItReceives(savedText(path)));
    EXPECT_TRUE(transmitsAsItReceives(mainText(*disabled)));

    auto enabled = fromText(withSplitChannel("KUR51673"));
    ASSERT_EQ(limitValue(mainText(*enabled), "disable_repeater_feature"), "0");
    ASSERT_TRUE(enabled->Save(path)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(valueIn(savedText(path), "//dfns:channel", "tx_freq_ndx"), "1");
    EXPECT_EQ(valueIn(savedText(path), "//dfns:channel", "tx_code"), "5");
    EXPECT_EQ(valueIn(savedText(path), "//dfns:channel", "tx_bw"), "1");
}

TEST_F(ProfileDocumentTest, SavingStampsSubRegionInFileAndDocument)
{
    auto document = fromText(setAttributeIn(templateText("KUR40800"), "factory_setting", "sub_region", "5"));
    ASSERT_EQ(valueIn(mainText(*document), "//dfns:factory_setting", "sub_region"), "5");
    const QString path = tempPath("stamped.kv9");
    ASSERT_TRUE(document->Save(path)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(valueIn(savedText(path), "//dfns:factory_setting", "sub_region"), "2");
    EXPECT_EQ(valueIn(mainText(*document), "//dfns:factory_setting", "sub_region"), "2");
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(document->path(), path);
}

TEST_F(ProfileDocumentTest, ChannelOutOfRangeBlocksTheSave)
{
    // The first channel receives and transmits on the first frequency.
    auto document = fromText(setAttributeIn(templateText("KUR40800"), "frequency", "freq", "449999999"));
    const QString openedFrom = document->path();
    m_reporter.messages.clear();
    const QString fresh = tempPath("fresh.kv9");
    EXPECT_FALSE(document->Save(fresh));
    EXPECT_EQ(lines(m_reporter.messages), lines({ QLatin1String(ModelRules::kRangeMessage) }));
    EXPECT_FALSE(QFileInfo::exists(fresh));

    const QString existing = tempPath("existing.kv9");
    ASSERT_TRUE(writeBytes(existing, "previous"));
    EXPECT_FALSE(document->Save(existing));
    EXPECT_EQ(fileBytes(existing), QByteArray("previous"));
    EXPECT_EQ(document->path(), openedFrom);
}

TEST_F(ProfileDocumentTest, FailedSaveLeavesThePreviousFileAndNoTemporaryFile)
{
    auto document = fromTemplate("KUR40800");
    m_reporter.messages.clear();

    // A folder that does not exist.
    EXPECT_FALSE(document->Save(tempPath("missing/profile.kv9")));
    EXPECT_EQ(m_reporter.messages.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(tempPath("missing")));
    EXPECT_TRUE(document->path().isEmpty());

    // A read-only folder, where the system enforces it (not for root).
    QDir locked(tempPath("locked"));
    ASSERT_TRUE(locked.mkpath(QStringLiteral(".")));
    ASSERT_TRUE(writeBytes(locked.filePath("profile.kv9"), "previous"));
    QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!writeBytes(locked.filePath("probe"), "x")) {
        EXPECT_FALSE(document->Save(locked.filePath("profile.kv9")));
        EXPECT_EQ(fileBytes(locked.filePath("profile.kv9")), QByteArray("previous"));
        EXPECT_EQ(lines(locked.entryList(QDir::Files | QDir::Hidden)), lines({ "profile.kv9" }));
    }
    QFile::setPermissions(
        locked.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(ProfileDocumentTest, RecoverXmlPutsBackTheSavedLimitValuesOnlyWithTheTag)
{
    setMachineValue("VelaTag", 1);
    auto document = fromTemplate("KUD51900");
    const QString text = mainText(*document); // the rules at load kept the loaded values
    SavedLimitValues &saved = document->savedLimits();
    saved.disableChannelEnable = 0;
    saved.talkaroundScanEnable = 1;
    saved.voiceChipEnable = 0;
    saved.maxCodes = 150;
    EXPECT_EQ(limitValues(document->RecoverXML(text)), "0,1,0,150");
    saved.disableChannelEnable = 7; // any value but zero is set
    saved.talkaroundScanEnable = 0;
    saved.voiceChipEnable = -1;
    EXPECT_EQ(limitValues(document->RecoverXML(text)), "1,0,1,150");

    setMachineValue("VelaTag", 0);
    EXPECT_EQ(limitValues(document->RecoverXML(text)), limitValues(text));

    try {
        document->RecoverXML(QStringLiteral("<VelaProfile"));
        ADD_FAILURE() << "a text that does not parse was accepted";
    } catch (const CVelaCPSException &exception) {
        EXPECT_EQ(exception.code(), VelaError::InvalidProfile);
    }
}

TEST_F(ProfileDocumentTest, SaveKeepsTheLoadedLimitValuesThatTheRulesSwitchedOff)
{
    setMachineValue("VelaTag", 1);
    QString text = setAttributeIn(templateText("KUD51900"), "limit", "talkaround_scan_enable", "1");
    auto document = fromText(text);
    EXPECT_EQ(limitValues(mainText(*document)), "0,0,0,213");

    const QString path = tempPath("limits.kv9");
    ASSERT_TRUE(document->Save(path)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(limitValues(savedText(path)), limitValues(text));
    EXPECT_EQ(limitValues(mainText(*document)), "0,0,0,213");

    // What the rules switched off is not what was loaded, on the next save too.
    ASSERT_TRUE(document->Save(path)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(limitValues(savedText(path)), limitValues(text));
}

TEST_F(ProfileDocumentTest, SaveWithoutTheLoadTimeRulesKeepsTheLoadedLimitValues)
{
    setMachineValue("VelaTag", 1);
    const QString text = templateText("KUR40800");
    ASSERT_NE(limitValues(text), "1,1,1,219");
    auto document = fromText(text);
    const QString path = tempPath("untouched.kv9");
    ASSERT_TRUE(document->Save(path)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(limitValues(savedText(path)), limitValues(text));
}

TEST_F(ProfileDocumentTest, NewFromImageIsModifiedAndNamesEveryChannel)
{
    VirtualCP image = imageOf("KUR40800");
    // Two empty names: the image conversion renames the second as a
    // duplicate, the document names the first.
    std::memset(image.channels[1].name, 0, sizeof image.channels[1].name);
    std::memset(image.channels[3].name, 0, sizeof image.channels[3].name);

    CProfileDocument document(m_context.versionRules());
    ASSERT_TRUE(document.NewFromImage(image)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.path().isEmpty());
    EXPECT_FALSE(document.fileText().isEmpty());
    EXPECT_EQ(document.powerClass(), 4);

    QStringList names;
    for (const XmlNode &channel : document.model().mainDocument().selectNodes("//dfns:channels/dfns:channel"))
        names << channel.attributeOr("name");
    ASSERT_EQ(names.size(), image.limit.maxChannels);
    EXPECT_FALSE(names.contains(QString())) << qPrintable(names.join(","));
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size()) << qPrintable(names.join(","));

    // A refused image leaves no document.
    VirtualCP badSerial = imageOf("KUR40800");
    std::memcpy(badSerial.factory.serial, "123OBC4567", 10);
    CProfileDocument refused(m_context.versionRules());
    m_reporter.messages.clear();
    EXPECT_FALSE(refused.NewFromImage(badSerial));
    EXPECT_EQ(lines(m_reporter.messages), lines({ "Invalid serial number" }));
    EXPECT_FALSE(refused.model().isLoaded());
}

TEST_F(ProfileDocumentTest, ImageTransmitsAsItReceivesWithoutTheRepeaterFeature)
{
    RadioIdentity identity;
    identity.codeplugVersion = 3;

    auto disabled = fromText(withSplitChannel("KUD41600"));
    const QString before = mainText(*disabled);
    VirtualCP image {};
    ASSERT_EQ(disabled->GetVirtualCPData(image, identity), 1);
    EXPECT_EQ(image.channels[0].tx_freq_ndx, image.channels[0].rx_freq_ndx);
    EXPECT_EQ(image.channels[0].tx_code, image.channels[0].rx_code);
    EXPECT_EQ(image.channels[0].tx_bw, image.channels[0].rx_bw);
    // Writing leaves the open profile as it was: unmodified, and saved as
    // the same profile never written would be.
    EXPECT_FALSE(transmitsAsItReceives(before));
    EXPECT_EQ(mainText(*disabled), before);
    EXPECT_FALSE(disabled->isModified());
    EXPECT_EQ(disabled->StoreToBytes(), fromText(withSplitChannel("KUD41600"))->StoreToBytes());

    auto enabled = fromText(withSplitChannel("KUR51673"));
    VirtualCP split {};
    ASSERT_EQ(enabled->GetVirtualCPData(split, identity), 1);
    EXPECT_EQ(split.channels[0].tx_freq_ndx, 1);
    EXPECT_EQ(split.channels[0].tx_code, 5);
    EXPECT_EQ(split.channels[0].tx_bw, 1);
}

TEST_F(ProfileDocumentTest, ImageReadFromARadioReplacesTheProfile)
{
    auto document = fromTemplate("KUR40800");
    const QString before = mainText(*document);
    VirtualCP image = imageOf("KUD51900");
    ASSERT_TRUE(document->SetVirtualCPData(image)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(valueIn(mainText(*document), "//dfns:factory_setting", "model"), "KUD51900");
    // Closing must ask before the radio's data is gone, and Undo takes it back.
    EXPECT_TRUE(document->isModified());
    ASSERT_EQ(document->undoStack()->count(), 1);
    document->undoStack()->undo();
    EXPECT_EQ(mainText(*document), before);
    EXPECT_FALSE(document->isModified());
    document->undoStack()->redo();
    EXPECT_EQ(document->model().mainDocument().selectNodes("//dfns:frequencies/*").size(),
        image.limit.max_valid_freqs);
    EXPECT_TRUE(document->fileText().contains(QLatin1String("KUD51900")));
}

TEST_F(ProfileDocumentTest, CommentsBetweenChannelsAndFrequenciesCountNowhere)
{
    QString text = templateText("KUR40800");
    text.replace(QLatin1String("<channels>"), QLatin1String("<channels><!-- one -->"))
        .replace(QLatin1String("\t\t<channel "), QLatin1String("<!-- two --><channel "))
        .replace(QLatin1String("<frequencies>"), QLatin1String("<frequencies><!-- three -->"));
    auto document = fromText(text);
    EXPECT_TRUE(document->loadTimeRulesPassed()) << qPrintable(m_reporter.messages.join("\n"));

    // The hook and the data item mean the same channel by an index.
    CDataItem channels;
    document->root().GetChildByName(QStringLiteral("channels"), channels);
    const QString second = valueIn(text, "//dfns:channel[2]", "name");
    ASSERT_TRUE(document->removeChild(channels, 1, "Delete Channel").accepted());
    QStringList names;
    for (const XmlNode &channel : document->model().mainDocument().selectNodes("//dfns:channel"))
        names << channel.attributeOr("name");
    EXPECT_EQ(names.size(), 7);
    EXPECT_FALSE(names.contains(second)) << lines(names);
}

TEST_F(ProfileDocumentTest, ARadiosShortPasswordLoads)
{
    VirtualCP image = imageOf("KUR40800");
    std::memcpy(image.setting.password, "12\0\0", 4);
    CProfileDocument document(m_context.versionRules());
    ASSERT_TRUE(document.NewFromImage(image)) << qPrintable(m_reporter.messages.join("\n"));
    EXPECT_EQ(valueIn(mainText(document), "//dfns:setting", "password"), "12");
}

TEST_F(ProfileDocumentTest, MoreChannelsInUseThanHeldAreTheOnesHeld)
{
    auto document = fromText(setAttributeIn(templateText("KUR40800"), "setting", "numberChannels", "12"));
    EXPECT_EQ(lines(m_reporter.messages),
        lines(
            { "The profile names 12 channels in use but holds only 8. CPS uses the 8 channels it holds." }));
    EXPECT_EQ(valueIn(mainText(*document), "//dfns:setting", "numberChannels"), "8");
    EXPECT_TRUE(document->Save(tempPath("counted.kv9"))) << qPrintable(m_reporter.messages.join("\n"));
}

} // namespace
