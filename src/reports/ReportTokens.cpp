#include "ReportTokens.h"

#include "base/BandwidthText.h"

#include <QCoreApplication>
#include <QHash>

namespace {

constexpr const char *kContext = "Report";
const QString kTokenPrefix = QStringLiteral("$#");

constexpr int kNoBandwidth = -1;

// A token whose replacement is not simply the translation of its own text.
struct Exception {
    const char *token;
    const char *text; // the string-table text that replaces it
    int bandwidth = kNoBandwidth; // a BandwidthText::Bandwidth that fills %1 of text
    bool markDefault = false; // followed by the "(default)" marking
    const char *context = kContext; // the translation context of text
};

const char *const kKhzDefault = QT_TRANSLATE_NOOP("Report", "User selectable with %1 KHz as default");
const char *const kKhzOnly = QT_TRANSLATE_NOOP("Report", "%1 KHz only");
const char *const kKhz = QT_TRANSLATE_NOOP("Report", "%1 KHz");
constexpr int kNarrow = BandwidthText::Narrow;
constexpr int kWide = BandwidthText::Wide;
const char *const kDefaultMarking = QT_TRANSLATE_NOOP("Report", "(default)");

const Exception kExceptions[] = {
    { "Prog 1 (URB)", QT_TRANSLATE_NOOP("Report", "Button A") },
    { "Prog 2 (LLB)", QT_TRANSLATE_NOOP("Report", "Button B") },
    { "Prog 3 (LRB)", QT_TRANSLATE_NOOP("Report", "Button C") },
    { "PL Code 214", QT_TRANSLATE_NOOP("Report", "PL Code 214 (OCT)") },
    { "PL Code 215", QT_TRANSLATE_NOOP("Report", "PL Code 215 (OCT)") },
    { "PL Code 216", QT_TRANSLATE_NOOP("Report", "PL Code 216 (OCT)") },
    { "PL Code 217", QT_TRANSLATE_NOOP("Report", "PL Code 217 (OCT)") },
    { "PL Code 218", QT_TRANSLATE_NOOP("Report", "PL Code 218 (OCT)") },
    { "PL Code 219", QT_TRANSLATE_NOOP("Report", "PL Code 219 (OCT)") },
    { "Scan List Member", QT_TRANSLATE_NOOP("Report", "Scan List Members") },
    { "Scramble code 1", QT_TRANSLATE_NOOP("Report", "Scramble Code 1") },
    { "Scramble code 2", QT_TRANSLATE_NOOP("Report", "Scramble Code 2") },
    { "Scramble code 3", QT_TRANSLATE_NOOP("Report", "Scramble Code 3") },
    { "Side Button 1", QT_TRANSLATE_NOOP("Report", "Side Button 1 (SB1)") },
    { "Side Button 2", QT_TRANSLATE_NOOP("Report", "Side Button 2 (SB2)") },
    { "Talkaround Scan", QT_TRANSLATE_NOOP("Report", "Dynamic Talkaround Scan") },
    { "Voice Language", QT_TRANSLATE_NOOP("Report", "Channel Announcement Language") },
    { "High Power only", QT_TRANSLATE_NOOP("Report", "High power only") },
    { "User Selectable with high power as default",
        QT_TRANSLATE_NOOP("Report", "User selectable with high power as default") },
    { "15", QT_TRANSLATE_NOOP("Report", "15 min") },
    { "30", QT_TRANSLATE_NOOP("Report", "30 min") },
    { "User selectable with 12.5 KHz as default", kKhzDefault, kNarrow },
    { "User selectable with 25 KHz as default", kKhzDefault, kWide },
    { "12.5 KHz only", kKhzOnly, kNarrow },
    { "25 KHz only", kKhzOnly, kWide },
    { "12.5KHz", kKhz, kNarrow },
    { "25KHz", kKhz, kWide },
    // A channel's power: the words agree with "power", unlike "$#High" of the
    // audio levels.
    { "Power High", QT_TRANSLATE_NOOP("TransmitPower", "High"), kNoBandwidth, false, "TransmitPower" },
    { "Power Low", QT_TRANSLATE_NOOP("TransmitPower", "Low"), kNoBandwidth, false, "TransmitPower" },
    { "Call Tone (default)", QT_TRANSLATE_NOOP("Report", "Call Tone"), kNoBandwidth, true },
    { "Monitor (default)", QT_TRANSLATE_NOOP("Report", "Monitor"), kNoBandwidth, true },
    { "Preset 1 (default)", QT_TRANSLATE_NOOP("Report", "Preset 1"), kNoBandwidth, true },
    { "Preset 2 (default)", QT_TRANSLATE_NOOP("Report", "Preset 2"), kNoBandwidth, true },
    { "Scan/Nuisance Channel Delete (default)", QT_TRANSLATE_NOOP("Report", "Scan/Nuisance Channel Delete"),
        kNoBandwidth, true },
    { "No Operation (default)", QT_TRANSLATE_NOOP("Report", "No Operation"), kNoBandwidth, true },
    { "Tx Power Selection (default)", QT_TRANSLATE_NOOP("Report", "Tx Power Selection"), kNoBandwidth, true },
};

// Tokens without "$#". Those replaced by their own translation carry the
// translation marker; the others are in kExceptions.
const char *const kDetailed[] = {
    QT_TRANSLATE_NOOP("Report", "Accessory Microphone Gain"),
    QT_TRANSLATE_NOOP("Report", "After conversation"),
    QT_TRANSLATE_NOOP("Report", "Alkaline"),
    QT_TRANSLATE_NOOP("Report", "Alternate Battery Selection"),
    QT_TRANSLATE_NOOP("Report", "Audio Settings"),
    QT_TRANSLATE_NOOP("Report", "Auto Scan"),
    QT_TRANSLATE_NOOP("Report", "Available Channels"),
    QT_TRANSLATE_NOOP("Report", "Back Light (Sec.)"),
    QT_TRANSLATE_NOOP("Report", "Backlight"),
    QT_TRANSLATE_NOOP("Report", "Bandwidth"),
    QT_TRANSLATE_NOOP("Report", "Buttons"),
    QT_TRANSLATE_NOOP("Report", "Call Tone"),
    QT_TRANSLATE_NOOP("Report", "Channel #"),
    QT_TRANSLATE_NOOP("Report", "Channels"),
    QT_TRANSLATE_NOOP("Report", "Codeplug Version"),
    QT_TRANSLATE_NOOP("Report", "Customized PL"),
    QT_TRANSLATE_NOOP("Report", "Compander"),
    QT_TRANSLATE_NOOP("Report", "Customized DPL"),
    QT_TRANSLATE_NOOP("Report", "Detailed Report"),
    QT_TRANSLATE_NOOP("Report", "Disable All LEDs"),
    QT_TRANSLATE_NOOP("Report", "Disable Battery Save"),
    QT_TRANSLATE_NOOP("Report", "Disable Restore Factory Default"),
    QT_TRANSLATE_NOOP("Report", "Disable Channel"),
    QT_TRANSLATE_NOOP("Report", "Disable"),
    QT_TRANSLATE_NOOP("Report", "Enable Courtesy Over Beep"),
    QT_TRANSLATE_NOOP("Report", "Enable Programming Mode"),
    QT_TRANSLATE_NOOP("Report", "Enable"),
    QT_TRANSLATE_NOOP("Report", "English"),
    QT_TRANSLATE_NOOP("Report", "Firmware Version"),
    QT_TRANSLATE_NOOP("Report", "Frequency Range (MHz)"),
    QT_TRANSLATE_NOOP("Report", "Frequency(Index)"),
    QT_TRANSLATE_NOOP("Report", "Frequency"),
    QT_TRANSLATE_NOOP("Report", "General Settings"),
    "High Power only",
    QT_TRANSLATE_NOOP("Report", "High"),
    QT_TRANSLATE_NOOP("Report", "iVOX Level"),
    QT_TRANSLATE_NOOP("Report", "Index"),
    QT_TRANSLATE_NOOP("Report", "Keypad Beep"),
    QT_TRANSLATE_NOOP("Report", "Keypad Lock"),
    QT_TRANSLATE_NOOP("Report", "Low power only"),
    QT_TRANSLATE_NOOP("Report", "Low"),
    QT_TRANSLATE_NOOP("Report", "Maximum Channel"),
    QT_TRANSLATE_NOOP("Report", "Medium"),
    QT_TRANSLATE_NOOP("Report", "MHz"),
    QT_TRANSLATE_NOOP("Report", "Microphone Gain"),
    QT_TRANSLATE_NOOP("Report", "Monitor"),
    QT_TRANSLATE_NOOP("Report", "Name"),
    QT_TRANSLATE_NOOP("Report", "Nickel/LiIon"),
    QT_TRANSLATE_NOOP("Report", "No Operation"),
    QT_TRANSLATE_NOOP("Report", "No PL/DPL code"),
    QT_TRANSLATE_NOOP("Report", "None"),
    QT_TRANSLATE_NOOP("Report", "On Battery Alert Tone"),
    QT_TRANSLATE_NOOP("Report", "ON/OFF"),
    QT_TRANSLATE_NOOP("Report", "OFF"),
    QT_TRANSLATE_NOOP("Report", "Out of range"),
    QT_TRANSLATE_NOOP("Report", "ON"),
    QT_TRANSLATE_NOOP("Report", "PL Code 124 (Hz)"),
    QT_TRANSLATE_NOOP("Report", "PL Code 125 (Hz)"),
    QT_TRANSLATE_NOOP("Report", "PL Code 126 (Hz)"),
    QT_TRANSLATE_NOOP("Report", "PL Code 127 (Hz)"),
    QT_TRANSLATE_NOOP("Report", "PL Code 128 (Hz)"),
    QT_TRANSLATE_NOOP("Report", "PL Code 129 (Hz)"),
    QT_TRANSLATE_NOOP("Report", "PL Reverse Burst"),
    QT_TRANSLATE_NOOP("Report", "PL/DPL Code"),
    QT_TRANSLATE_NOOP("Report", "Power Level"),
    QT_TRANSLATE_NOOP("Report", "Power Up Text"),
    "Power High",
    "Power Low",
    QT_TRANSLATE_NOOP("Report", "Preset 1 Channel"),
    QT_TRANSLATE_NOOP("Report", "Preset 1"),
    QT_TRANSLATE_NOOP("Report", "Preset 2 Channel"),
    QT_TRANSLATE_NOOP("Report", "Preset 2"),
    "Prog 1 (URB)",
    "Prog 2 (LLB)",
    "Prog 3 (LRB)",
    "PL Code 214",
    "PL Code 215",
    "PL Code 216",
    "PL Code 217",
    "PL Code 218",
    "PL Code 219",
    QT_TRANSLATE_NOOP("Report", "Radio Information"),
    QT_TRANSLATE_NOOP("Report", "Receive/Transmit"),
    QT_TRANSLATE_NOOP("Report", "Receive"),
    QT_TRANSLATE_NOOP("Report", "Regional Code"),
    QT_TRANSLATE_NOOP("Report", "Repeater ID Mode"),
    QT_TRANSLATE_NOOP("Report", "Repeater Power"),
    QT_TRANSLATE_NOOP("Report", "Repeater Station ID"),
    QT_TRANSLATE_NOOP("Report", "Repeater/Talkaround"),
    QT_TRANSLATE_NOOP("Report", "Repeater"),
    QT_TRANSLATE_NOOP("Report", "Roger Beep Tone"),
    QT_TRANSLATE_NOOP("Report", "Rx Frequency Range (MHz)"),
    "Scan List Member",
    QT_TRANSLATE_NOOP("Report", "Scan List"),
    QT_TRANSLATE_NOOP("Report", "Scan/Nuisance Channel Delete"),
    QT_TRANSLATE_NOOP("Report", "Scramble Button"),
    "Scramble code 1",
    "Scramble code 2",
    "Scramble code 3",
    QT_TRANSLATE_NOOP("Report", "Scramble"),
    QT_TRANSLATE_NOOP("Report", "Selectable"),
    QT_TRANSLATE_NOOP("Report", "Serial Number"),
    "Side Button 1",
    "Side Button 2",
    "Talkaround Scan",
    QT_TRANSLATE_NOOP("Report", "Talkaround Power"),
    QT_TRANSLATE_NOOP("Report", "Transmit Power"),
    QT_TRANSLATE_NOOP("Report", "Transmit Timeout Timer (Sec.)"),
    QT_TRANSLATE_NOOP("Report", "Transmit"),
    QT_TRANSLATE_NOOP("Report", "Tx Frequency Range (MHz)"),
    QT_TRANSLATE_NOOP("Report", "Tx Hangtime (Sec.)"),
    QT_TRANSLATE_NOOP("Report", "Tx Low Battery (Min.)"),
    QT_TRANSLATE_NOOP("Report", "Tx Power Selection"),
    "User selectable with 12.5 KHz as default",
    "User selectable with 25 KHz as default",
    "User Selectable with high power as default",
    QT_TRANSLATE_NOOP("Report", "User selectable with low power as default"),
    QT_TRANSLATE_NOOP("Report", "VOX Level"),
    "Voice Language",
    "12.5 KHz only",
    "12.5KHz",
    QT_TRANSLATE_NOOP("Report", "15 min"),
    "15",
    "25 KHz only",
    "25KHz",
    QT_TRANSLATE_NOOP("Report", "30 min"),
    "30",
    QT_TRANSLATE_NOOP("Report", "45 min"),
    QT_TRANSLATE_NOOP("Report", "60 min"),
};

const char *const kHandout[] = {
    "Call Tone (default)",
    QT_TRANSLATE_NOOP("Report", "Call Tone"),
    "Monitor (default)",
    QT_TRANSLATE_NOOP("Report", "Monitor"),
    "Preset 1 (default)",
    QT_TRANSLATE_NOOP("Report", "Preset 1"),
    "Preset 2 (default)",
    QT_TRANSLATE_NOOP("Report", "Preset 2"),
    "Scan/Nuisance Channel Delete (default)",
    QT_TRANSLATE_NOOP("Report", "Scan/Nuisance Channel Delete"),
    "No Operation (default)",
    QT_TRANSLATE_NOOP("Report", "No Operation"),
    "Tx Power Selection (default)",
    QT_TRANSLATE_NOOP("Report", "Tx Power Selection"),
    QT_TRANSLATE_NOOP("Report", "Backlight"),
    QT_TRANSLATE_NOOP("Report", "Repeater/Talkaround"),
    QT_TRANSLATE_NOOP("Report", "Scramble"),
    QT_TRANSLATE_NOOP("Report", "Accessory Jack"),
    QT_TRANSLATE_NOOP("Report", "Channel Selector"),
    QT_TRANSLATE_NOOP("Report", "QA310"),
    QT_TRANSLATE_NOOP("Report", "Customer Handout"),
    QT_TRANSLATE_NOOP("Report", "Down Button:"),
    QT_TRANSLATE_NOOP("Report", "Li-Ion Battery Pack"),
    QT_TRANSLATE_NOOP("Report", "Menu Button:"),
    QT_TRANSLATE_NOOP("Report", "Menu Mode"),
    QT_TRANSLATE_NOOP("Report", "Microphone"),
    QT_TRANSLATE_NOOP("Report", "Model Number"),
    QT_TRANSLATE_NOOP("Report", "Model"),
    QT_TRANSLATE_NOOP("Report", "Power/Volume Knob"),
    "Prog 1 (URB)",
    "Prog 2 (LLB)",
    "Prog 3 (LRB)",
    QT_TRANSLATE_NOOP("Report", "Push-to-Talk (PTT)"),
    QT_TRANSLATE_NOOP("Report", "KVX"),
    QT_TRANSLATE_NOOP("Report", "Scroll down the menu items/change channel"),
    QT_TRANSLATE_NOOP("Report", "Scroll up the menu items/change channel"),
    QT_TRANSLATE_NOOP("Report", "Serial Number"),
    QT_TRANSLATE_NOOP("Report", "QB420"),
    QT_TRANSLATE_NOOP("Report", "Side Button 1 (SB1)"),
    QT_TRANSLATE_NOOP("Report", "Side Button 2 (SB2)"),
    QT_TRANSLATE_NOOP("Report", "Spring Action Belt Clip"),
    QT_TRANSLATE_NOOP("Report", "Tri-Color LED"),
    QT_TRANSLATE_NOOP("Report", "Up Button:"),
    QT_TRANSLATE_NOOP("Report", "ZWTa"),
    QT_TRANSLATE_NOOP("Report", "KVM"),
};

template <size_t N> QStringList withPrefix(const char *const (&tokens)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (const char *token : tokens)
        list << kTokenPrefix + QLatin1String(token);
    return list;
}

QString tr(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

const QHash<QString, const Exception *> &exceptions()
{
    static const QHash<QString, const Exception *> byToken = [] {
        QHash<QString, const Exception *> all;
        for (const Exception &exception : kExceptions)
            all.insert(kTokenPrefix + QLatin1String(exception.token), &exception);
        return all;
    }();
    return byToken;
}

} // namespace

namespace ReportTokens {

const QStringList &detailedTokens()
{
    static const QStringList tokens = withPrefix(kDetailed);
    return tokens;
}

const QStringList &handoutTokens()
{
    static const QStringList tokens = withPrefix(kHandout);
    return tokens;
}

QString replacement(const QString &token, const QString &decimalSeparator)
{
    const Exception *exception = exceptions().value(token);
    if (!exception)
        return QCoreApplication::translate(kContext, token.mid(kTokenPrefix.size()).toUtf8().constData());
    QString text = QCoreApplication::translate(exception->context, exception->text);
    if (exception->bandwidth != kNoBandwidth)
        text = text.arg(
            BandwidthText::kilohertz(BandwidthText::Bandwidth(exception->bandwidth), decimalSeparator));
    if (exception->markDefault)
        text += QLatin1Char(' ') + tr(kDefaultMarking);
    return text;
}

void localise(QString &sheet, const QStringList &tokens, const QString &decimalSeparator)
{
    for (const QString &token : tokens)
        sheet.replace(token, replacement(token, decimalSeparator).toHtmlEscaped());
}

} // namespace ReportTokens
