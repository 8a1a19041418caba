// Codeplug image -> profile text (CDataAdaptor::VirtualCP2XML).

#include "DataAdaptor.h"

#include "ChannelNameRepair.h"
#include "CodePageText.h"
#include "CodeplugBits.h"
#include "FrequencyCodec.h"
#include "ProfileDom.h"
#include "SerialNumber.h"

#include "base/MessageReporter.h"
#include "base/ProfileNamespaces.h"
#include "codeplug/FrequencyRules.h"

#include <QCoreApplication>

using namespace codeplug;

namespace {

constexpr const char *kOperation = "CDataAdaptor::VirtualCP2XML";
// The sub-region every profile made from a radio declares.
constexpr uint32_t kSubRegion = 2;
constexpr uint32_t kNotAHexDigit = 0xFFFFFFFF;

// Appends name="value" and one space per attribute, as the profile text
// writes them.
class AttributeWriter {
public:
    explicit AttributeWriter(QString &out)
        : m_out(out)
    {
    }

    void number(const char *name, uint32_t value) { raw(name, QString::number(value)); }
    // One character of the system code page, written as it is.
    void character(const char *name, uint8_t byte) { raw(name, QString(QChar(byte))); }
    // A fixed-width text field: trimmed and escaped.
    void text(const char *name, const uint8_t *field, int width)
    {
        raw(name, profileTextValue(field, width));
    }
    void raw(const char *name, const QString &value)
    {
        m_out += QLatin1String(name);
        m_out += QLatin1String("=\"");
        m_out += value;
        m_out += QLatin1String("\" ");
    }

private:
    QString &m_out;
};

uint32_t hexDigitValue(uint8_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return kNotAHexDigit;
}

QString factoryElement(const VirtualCP &image)
{
    const FactoryBlock &f = image.factory;
    QString model;
    for (uint8_t letter : f.modelLetters)
        model += QChar(letter);
    for (uint8_t digit : f.modelDigits)
        model += QString::number(digit);

    QString out = QStringLiteral("\t<factory_setting ");
    AttributeWriter w(out);
    w.number("serial_clone_compatibility", image.serial_clone_compatibility);
    w.character("firmware_phase", f.firmware_phase);
    w.number("firmware_version", hexDigitValue(f.firmware_version));
    w.number("firmware_revision", hexDigitValue(f.firmware_revision));
    w.character("codeplug_phase", f.codeplug_phase);
    w.number("codeplug_version", f.codeplug_version);
    w.number("codeplug_dev_version", f.codeplug_dev_version);
    w.raw("model", model);
    w.text("serial", f.serial, kSerialLength);
    w.number("synth_base_int_part", f.synth_base_int_part);
    w.number("sub_region", kSubRegion);
    out += QLatin1String("/>");
    return out;
}

QString limitElement(const LimitBlock &l)
{
    QString out = QStringLiteral("\r\n\t<limit ");
    AttributeWriter w(out);
    w.number("maxChannels", channelRecordsInUse(l));
    w.number("max_valid_freqs", frequencyRecordsInUse(l));
    w.number("start_freq", l.start_freq);
    w.number("end_freq", l.end_freq);
    w.number("disable_time_out_timer", l.disable_time_out_timer);
    w.number("disable_keypad_beep_feature", l.disable_keypad_beep_feature);
    w.number("disable_roger_beep_feature", l.disable_roger_beep_feature);
    w.number("disable_busy_led_mode", l.disable_busy_led_mode);
    w.number("enable_reverse_burst", l.enable_reverse_burst);
    w.number("disable_vox_feature", l.disable_vox_feature);
    w.number("disable_ivox_feature", l.disable_ivox_feature);
    w.number("disable_scramble_feature", l.disable_scramble_feature);
    w.number("disable_battery_save_feature", l.disable_battery_save_feature);
    w.number("factory_reset_disable", l.factory_reset_disable);
    w.number("disable_scan_mode", l.disable_scan_mode);
    w.number("max_call_tones", l.max_call_tones);
    w.number("maxPresetButtons", l.maxPresetButtons);
    w.number("maxCodes", l.maxCodes);
    w.number("power_cntrl_enabled", l.power_cntrl_enabled);
    w.number("backlight_button_enabled", l.backlight_button_enabled);
    w.number("programming_mode_enabled", l.programming_mode_enabled);
    w.number("call_feature_disable", l.call_feature_disable);
    w.number("monitor_feature_disable", l.monitor_feature_disable);
    w.number("disable_keypad_lock_feature", l.disable_keypad_lock_feature);
    w.number("disable_repeater_feature", l.disable_repeater_feature);
    w.number("disable_channel_enable", l.disable_channel_enable);
    w.number("talkaround_scan_enable", l.talkaround_scan_enable);
    w.number("voice_chip_enable", l.voice_chip_enable);
    out += QLatin1String("/>\r\n");
    return out;
}

void writeCustomCodes(AttributeWriter &w, const VirtualCP &image)
{
    static const char *const kNames[kCustomCodeCount]
        = { "PLcode124", "PLcode125", "PLcode126", "PLcode127", "PLcode128", "PLcode129", "PLcode214",
              "PLcode215", "PLcode216", "PLcode217", "PLcode218", "PLcode219" };
    const uint32_t maxCodes = image.limit.maxCodes;
    for (int i = 0; i < kCustomCodeCount; ++i) {
        const bool plGroup = i < kCustomCodesPerGroup;
        if (maxCodes > (plGroup ? kMaxCodesWithoutCustomPl : kMaxCodesWithoutCustomDpl))
            w.number(kNames[i], image.customCodes[i]);
    }
}

QString settingElement(const VirtualCP &image)
{
    const SettingBlock &s = image.setting;
    QString out = QStringLiteral("\t<setting ");
    AttributeWriter w(out);
    w.text("password", s.password, kPasswordLength);
    w.number("disableLED", s.disableLED);
    w.number("disableRestoreFactoryDefault", s.disableRestoreFactoryDefault);
    w.number("backlight_enabled", s.backlight_enabled);
    w.number("timeoutTimer", s.timeoutTimer);
    w.number("reverseBurst", s.reverseBurst);
    w.number("vox_level", s.vox_level);
    w.number("ivol_level", s.ivol_level);
    w.number("microphoneGain", s.microphoneGain);
    w.number("accessoryMicrophoneGain", s.accessoryMicrophoneGain);
    w.number("batteryType", s.batteryType);
    w.number("disableBatterySave", s.disableBatterySave);
    w.number("side1_but", buttonSlot(s.buttons, kSide1ButtonSlot));
    w.number("side2_but", buttonSlot(s.buttons, kSide2ButtonSlot));
    w.number("upper_right_but", buttonSlot(s.buttons, kUpperRightButtonSlot));
    w.number("lower_left_but", buttonSlot(s.buttons, kLowerLeftButtonSlot));
    w.number("lower_right_but", buttonSlot(s.buttons, kLowerRightButtonSlot));
    w.number("numberChannels", s.numberChannels);
    w.number("voice_language", s.voice_language);
    writeCustomCodes(w, image);
    w.text("powerupString", s.powerupString, kPowerupStringLength);
    w.number("rogerBeepTone", s.rogerBeepTone);
    w.number("disableSelectableScramble", s.disableSelectableScramble);
    w.number("backlight_timeout", s.backlight_timeout);
    w.number("callTone", s.callTone);
    w.number("keypadLock", s.keypadLock);
    w.number("keypadBeep", s.keypadBeep);
    out += QLatin1String(">\r\n");
    for (uint8_t channel : s.presetChannels)
        out += QStringLiteral("\t\t<preset channel=\"%1\"/>\r\n").arg(channel);
    out += QLatin1String("\t</setting>\r\n");
    return out;
}

QString channelsElement(const VirtualCP &image)
{
    QString out = QStringLiteral("\t<channels>\r\n");
    for (int k = 0; k < channelRecordsInUse(image.limit); ++k) {
        const ChannelRecord &c = image.channels[k];
        out += QLatin1String("\t\t<channel ");
        AttributeWriter w(out);
        w.number("rx_freq_ndx", c.rx_freq_ndx);
        w.number("rx_code", c.rx_code);
        w.number("tx_freq_ndx", c.tx_freq_ndx);
        w.number("tx_code", c.tx_code);
        w.number("rx_bw", c.rx_bw);
        w.number("tx_bw", c.tx_bw);
        w.number("talkaround_power", c.talkaround_power);
        w.number("repeater_power", c.repeater_power);
        w.number("repeater", c.repeater);
        w.number("autoScan", c.autoScan);
        w.number("scramble_code", c.scramble_code);
        w.text("name", c.name, kChannelNameLength);
        w.number("disable_channel", c.disable_channel);
        w.number("talkaround_scan", c.talkaround_scan);
        w.number("in_scanlist", scanBit(image.setting.scanBitmap, k) ? 1 : 0);
        out += QLatin1String("/>\r\n");
    }
    out += QLatin1String("\t</channels>\r\n");
    return out;
}

QString frequenciesElement(const VirtualCP &image)
{
    QString out = QStringLiteral("\t<frequencies>\r\n");
    for (int i = 0; i < frequencyRecordsInUse(image.limit); ++i) {
        const FrequencyRecord &r = image.frequencies[i];
        out += QLatin1String("\t\t<frequency ");
        AttributeWriter w(out);
        w.number("freq", decodeFrequency(r, image.factory.synth_base_int_part));
        w.number("bandwidth", r.bandwidth & 0x03);
        w.number("power_level", r.power_level & 0x03);
        w.number("compander_lle_mode", r.compander_lle_mode);
        out += QLatin1String("/>\r\n");
    }
    out += QLatin1String("\t</frequencies>\r\n");
    return out;
}

QString canonicalProfileText(const VirtualCP &image)
{
    QString text
        = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n<VelaProfile xmlns=\"%1\">\r\n")
              .arg(QLatin1String(vela::kProfileNamespace));
    text += factoryElement(image);
    text += limitElement(image.limit);
    text += settingElement(image);
    text += channelsElement(image);
    text += frequenciesElement(image);
    text += QLatin1String("</VelaProfile>\r\n");
    return text;
}

void refuse(const char *message)
{
    showMessage(QCoreApplication::translate("CDataAdaptor", message), MsgStyle::IconError);
}

} // namespace

int CDataAdaptor::VirtualCP2XML(VirtualCP &image, QString &profileText)
{
    if (!isValidSerialNumber(image.factory.serial)) {
        refuse(QT_TRANSLATE_NOOP("CDataAdaptor", "Invalid serial number"));
        return 0;
    }
    repairDuplicateChannelNames(image);
    profileText = canonicalProfileText(image);

    XmlDocument document
        = createProfileDocument(kOperation, __LINE__, "create Msxml2.DOMDocument.4.0 failed");
    if (!document.loadXml(profileText)) {
        refuse(QT_TRANSLATE_NOOP("CDataAdaptor", "Codeplug is corrupted"));
        return 0;
    }
    if (!FrequencyRules::CheckMURFreq(profileText)) {
        refuse(QT_TRANSLATE_NOOP("CDataAdaptor", "Invalid Frequency."));
        return 0;
    }
    return 1;
}
