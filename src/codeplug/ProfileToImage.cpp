// Profile text -> codeplug image (CDataAdaptor::XML2VirtualCP).

#include "DataAdaptor.h"

#include "CodePageText.h"
#include "CodeplugBits.h"
#include "FrequencyCodec.h"
#include "ProfileDom.h"
#include "TextNumbers.h"

#include "base/VelaException.h"
#include "codeplug/FrequencyRules.h"

#include <exception>

using namespace codeplug;

namespace {

constexpr const char *kOperation = "CDataAdaptor::XML2VirtualCP";
// A radio of this power class may transmit on some frequencies with 2 W only.
constexpr uint8_t kTwoWattPowerClass = 4;
// Radios before this codeplug version have no channel disable or talkaround scan.
constexpr uint8_t kFirstVersionWithChannelFlags = 3;

// Attribute values of one element; a missing attribute reads as "".
class Attributes {
public:
    explicit Attributes(const XmlNode &element)
        : m_element(element)
    {
    }

    QString text(const char *name) const { return m_element.attributeOr(QLatin1String(name)); }
    uint32_t number(const char *name) const { return parseUnsigned(text(name)); }
    uint8_t byte(const char *name) const { return static_cast<uint8_t>(number(name)); }
    uint8_t hexByte(const char *name) const { return static_cast<uint8_t>(parseUnsigned(text(name), 16)); }
    // Only the exact text "1" is a set flag.
    uint8_t flag(const char *name) const { return text(name) == QLatin1String("1") ? 1 : 0; }
    // The first character in the system code page (0 for an empty text).
    uint8_t character(const char *name) const
    {
        const QByteArray bytes = toCodePage(text(name));
        return bytes.isEmpty() ? 0 : static_cast<uint8_t>(bytes[0]);
    }
    // The number as a signed decimal, stored as the first character of its
    // upper-case hexadecimal text: 12 gives "C", 16 gives "1".
    uint8_t hexDigitCharacter(const char *name) const
    {
        const auto value = static_cast<uint32_t>(parseSigned(text(name)));
        return static_cast<uint8_t>(QByteArray::number(value, 16).toUpper().at(0));
    }

private:
    XmlNode m_element;
};

XmlNode requireElement(const XmlDocument &document, const QString &xpath)
{
    XmlNode element = document.selectSingleNode(xpath);
    if (element.isNull())
        throw XmlError(QStringLiteral("Element not found"),
            QStringLiteral("The profile has no element %1.").arg(xpath), QString::fromLatin1(kOperation));
    return element;
}

// The first element the query selects and its following sibling elements,
// at most max of them.
QList<XmlNode> elementRun(const XmlDocument &document, const QString &xpath, int max)
{
    const XmlNode first = document.selectSingleNode(xpath);
    if (first.isNull())
        return {};
    const QList<XmlNode> siblings = first.parent().childElements();
    return siblings.mid(siblings.indexOf(first), max);
}

void readFactory(const Attributes &a, VirtualCP &image)
{
    FactoryBlock &f = image.factory;
    image.serial_clone_compatibility = a.byte("serial_clone_compatibility");
    f.firmware_phase = a.character("firmware_phase");
    f.firmware_version = a.hexDigitCharacter("firmware_version");
    f.firmware_revision = a.hexDigitCharacter("firmware_revision");
    f.codeplug_phase = a.character("codeplug_phase");
    f.codeplug_version = a.hexByte("codeplug_version");
    f.codeplug_dev_version = a.hexByte("codeplug_dev_version");

    // Three letters, then five digits stored as their values.
    const QByteArray model = toCodePage(a.text("model"));
    std::fill(std::begin(f.modelLetters), std::end(f.modelLetters), 0);
    std::fill(std::begin(f.modelDigits), std::end(f.modelDigits), 0);
    for (qsizetype i = 0; i < std::min<qsizetype>(model.size(), 8); ++i) {
        if (i < 3)
            f.modelLetters[i] = static_cast<uint8_t>(model[i]);
        else
            f.modelDigits[i - 3] = static_cast<uint8_t>(model[i] - '0');
    }

    storeText(a.text("serial"), f.serial, kSerialLength);
    f.synth_base_int_part = a.number("synth_base_int_part");
}

void readLimit(const Attributes &a, LimitBlock &l)
{
    l.maxChannels = a.byte("maxChannels");
    l.max_valid_freqs = a.byte("max_valid_freqs");
    l.start_freq = a.number("start_freq");
    l.end_freq = a.number("end_freq");
    l.disable_time_out_timer = a.flag("disable_time_out_timer");
    l.disable_keypad_beep_feature = a.flag("disable_keypad_beep_feature");
    l.disable_roger_beep_feature = a.flag("disable_roger_beep_feature");
    l.disable_busy_led_mode = a.flag("disable_busy_led_mode");
    l.enable_reverse_burst = a.flag("enable_reverse_burst");
    l.disable_vox_feature = a.flag("disable_vox_feature");
    l.disable_ivox_feature = a.flag("disable_ivox_feature");
    l.disable_scramble_feature = a.flag("disable_scramble_feature");
    l.disable_battery_save_feature = a.flag("disable_battery_save_feature");
    l.factory_reset_disable = a.flag("factory_reset_disable");
    l.disable_scan_mode = a.flag("disable_scan_mode");
    l.max_call_tones = a.byte("max_call_tones");
    l.maxPresetButtons = a.byte("maxPresetButtons");
    l.maxCodes = a.number("maxCodes");
    l.power_cntrl_enabled = a.flag("power_cntrl_enabled");
    l.backlight_button_enabled = a.flag("backlight_button_enabled");
    l.programming_mode_enabled = a.flag("programming_mode_enabled");
    l.call_feature_disable = a.flag("call_feature_disable");
    l.monitor_feature_disable = a.flag("monitor_feature_disable");
    l.disable_keypad_lock_feature = a.flag("disable_keypad_lock_feature");
    l.disable_repeater_feature = a.flag("disable_repeater_feature");
    l.disable_channel_enable = a.flag("disable_channel_enable");
    l.talkaround_scan_enable = a.flag("talkaround_scan_enable");
    l.voice_chip_enable = a.flag("voice_chip_enable");
}

void readCustomCodes(const Attributes &a, VirtualCP &image)
{
    static const char *const kPlNames[]
        = { "PLcode124", "PLcode125", "PLcode126", "PLcode127", "PLcode128", "PLcode129" };
    static const char *const kDplNames[]
        = { "PLcode214", "PLcode215", "PLcode216", "PLcode217", "PLcode218", "PLcode219" };
    const uint32_t maxCodes = image.limit.maxCodes;
    for (int i = 0; i < kCustomCodesPerGroup; ++i) {
        if (maxCodes > kMaxCodesWithoutCustomPl)
            image.customCodes[i] = static_cast<uint16_t>(a.number(kPlNames[i]));
        if (maxCodes > kMaxCodesWithoutCustomDpl)
            image.customCodes[kCustomCodesPerGroup + i] = static_cast<uint16_t>(a.number(kDplNames[i]));
    }
}

void readSetting(const Attributes &a, VirtualCP &image)
{
    SettingBlock &s = image.setting;
    storeText(a.text("password"), s.password, kPasswordLength);
    s.disableLED = a.flag("disableLED");
    s.disableRestoreFactoryDefault = a.flag("disableRestoreFactoryDefault");
    s.backlight_enabled = a.flag("backlight_enabled");
    s.timeoutTimer = a.byte("timeoutTimer");
    s.reverseBurst = a.flag("reverseBurst");
    s.vox_level = a.byte("vox_level");
    s.ivol_level = a.byte("ivol_level");
    s.microphoneGain = a.byte("microphoneGain");
    s.accessoryMicrophoneGain = a.byte("accessoryMicrophoneGain");
    s.batteryType = a.flag("batteryType");
    s.disableBatterySave = a.flag("disableBatterySave");
    setButtonSlot(s.buttons, kSide1ButtonSlot, a.byte("side1_but"));
    setButtonSlot(s.buttons, kSide2ButtonSlot, a.byte("side2_but"));
    setButtonSlot(s.buttons, kUpperRightButtonSlot, a.byte("upper_right_but"));
    setButtonSlot(s.buttons, kLowerLeftButtonSlot, a.byte("lower_left_but"));
    setButtonSlot(s.buttons, kLowerRightButtonSlot, a.byte("lower_right_but"));
    s.numberChannels = a.byte("numberChannels");
    s.voice_language = a.byte("voice_language");

    // Judged on the maxCodes just stored from the limit element.
    readCustomCodes(a, image);

    storeText(a.text("powerupString"), s.powerupString, kPowerupStringLength);
    s.rogerBeepTone = a.flag("rogerBeepTone");
    s.disableSelectableScramble = a.flag("disableSelectableScramble");
    s.backlight_timeout = a.byte("backlight_timeout");
    s.callTone = a.byte("callTone");
    s.keypadLock = a.flag("keypadLock");
    s.keypadBeep = a.flag("keypadBeep");
}

void readChannel(const Attributes &a, int k, bool radioHasChannelFlags, VirtualCP &image)
{
    ChannelRecord &c = image.channels[k];
    c.rx_freq_ndx = a.byte("rx_freq_ndx");
    c.rx_code = a.byte("rx_code");
    c.tx_freq_ndx = a.byte("tx_freq_ndx");
    c.tx_code = a.byte("tx_code");
    c.rx_bw = a.flag("rx_bw");
    c.tx_bw = a.flag("tx_bw");
    c.talkaround_power = a.flag("talkaround_power");
    c.repeater_power = a.flag("repeater_power");
    c.repeater = a.flag("repeater");
    c.autoScan = a.flag("autoScan");
    c.scramble_code = a.byte("scramble_code");
    storeText(a.text("name"), c.name, kChannelNameLength);
    c.disable_channel = radioHasChannelFlags ? a.flag("disable_channel") : 0;
    c.talkaround_scan = radioHasChannelFlags ? a.flag("talkaround_scan") : 0;
    setScanBit(image.setting.scanBitmap, k, a.number("in_scanlist") != 0);
}

void readFrequency(const Attributes &a, int i, VirtualCP &image)
{
    FrequencyRecord &r = image.frequencies[i];
    encodeFrequency(a.number("freq"), image.factory.synth_base_int_part, r);
    r.bandwidth = a.byte("bandwidth");
    r.power_level = a.byte("power_level");
    r.compander_lle_mode = a.byte("compander_lle_mode");
}

void fillImage(const QString &profileText, VirtualCP &image, const RadioIdentity &identity)
{
    XmlDocument document = createProfileDocument(kOperation, __LINE__, "create MSXML2::DOMDocument40 failed");

    QString text = profileText;
    if (identity.modelDigits[0] == kTwoWattPowerClass)
        FrequencyRules::EditFrequencyFor2w(text);

    if (!document.loadXml(text)) {
        const XmlParseError &e = document.parseError();
        throw XmlError(e.reason,
            QStringLiteral("line %1, position %2: %3").arg(e.line).arg(e.linepos).arg(e.srcText),
            QStringLiteral("XmlDocument::loadXml"));
    }

    readFactory(Attributes(requireElement(document, QStringLiteral("//dfns:factory_setting"))), image);
    readLimit(Attributes(requireElement(document, QStringLiteral("//dfns:limit"))), image.limit);
    readSetting(Attributes(requireElement(document, QStringLiteral("//dfns:setting"))), image);

    const QList<XmlNode> presets = elementRun(document, QStringLiteral("//dfns:preset"), 2);
    for (int i = 0; i < presets.size(); ++i)
        image.setting.presetChannels[i] = Attributes(presets[i]).byte("channel");

    const bool radioHasChannelFlags = identity.codeplugVersion >= kFirstVersionWithChannelFlags;
    const QList<XmlNode> channels
        = elementRun(document, QStringLiteral("//dfns:channel"), kChannelRecordCount);
    for (int k = 0; k < channels.size(); ++k)
        readChannel(Attributes(channels[k]), k, radioHasChannelFlags, image);

    const QList<XmlNode> frequencies
        = elementRun(document, QStringLiteral("//dfns:frequency"), kFrequencyRecordCount);
    for (int i = 0; i < frequencies.size(); ++i)
        readFrequency(Attributes(frequencies[i]), i, image);
}

} // namespace

int CDataAdaptor::XML2VirtualCP(const QString &profileText, VirtualCP &image, const RadioIdentity &identity)
{
    try {
        fillImage(profileText, image, identity);
        return 1;
    } catch (const XmlError &e) {
        raiseXmlLayerError(e, kOperation, __LINE__);
    } catch (CVelaCPSException &e) {
        e.passThrough(kOperation, __LINE__);
        throw;
    } catch (const std::exception &e) {
        throw CVelaCPSException(VelaError::Unknown, QString::fromLocal8Bit(e.what()), kOperation, __LINE__,
            QStringLiteral("Exception Catched"));
    }
}
