#include "CodeDisplayText.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr const char *kContext = "CodeDisplayText";

// The 38 standard CTCSS tones, codes 1 to 38.
constexpr std::array<const char *, 38> kTones = { "67.0", "71.9", "74.4", "77.0", "79.7", "82.5", "85.4",
    "88.5", "91.5", "94.8", "97.4", "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2",
    "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3" };

// The 83 standard DCS codes in ascending octal order, codes 39 to 121.
constexpr std::array<int, 83> kDplCodes
    = { 023, 025, 026, 031, 032, 043, 047, 051, 054, 065, 071, 072, 073, 074, 0114, 0115, 0116, 0125, 0131,
          0132, 0134, 0143, 0152, 0155, 0156, 0162, 0165, 0172, 0174, 0205, 0223, 0226, 0243, 0244, 0245,
          0251, 0261, 0263, 0265, 0271, 0306, 0311, 0315, 0331, 0343, 0346, 0351, 0364, 0365, 0371, 0411,
          0412, 0413, 0423, 0431, 0432, 0445, 0464, 0465, 0466, 0503, 0506, 0516, 0532, 0546, 0565, 0606,
          0612, 0624, 0627, 0631, 0632, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754 };

constexpr int kFirstTone = 1;
constexpr int kFirstDpl = 39;
constexpr int kExtraTone = 122; // 69.3 Hz, outside the 38-tone run
constexpr int kExtraDpl = 123; // DPL 645, outside the ascending run
constexpr int kFirstCustomTone = 124;
constexpr int kLastCustomTone = 129;
constexpr int kFirstInverted = 130;
constexpr int kLastInverted = 213;
constexpr int kInvertedOffset = 91; // inverted code n stands for code n - 91
constexpr int kFirstCustomDpl = 214;

// Not called tr(): lupdate does not see a QT_TRANSLATE_NOOP inside a tr() call.
QString translated(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

} // namespace

CCodeDisplayText::CCodeDisplayText(const XmlNode &setting, const QString &decimalSeparator)
    : m_setting(setting)
    , m_separator(decimalSeparator)
{
}

QString CCodeDisplayText::listText(int code) const
{
    if (code == 0)
        return translated(QT_TRANSLATE_NOOP("CodeDisplayText", "No PL/DPL code"));
    const QString text = name(code);
    if (text.isEmpty())
        return QString::number(code);
    return QStringLiteral("%1 - %2").arg(code).arg(text);
}

QString CCodeDisplayText::name(int code) const
{
    if (code >= kFirstTone && code < kFirstDpl)
        return toneName(QString::fromLatin1(kTones[size_t(code - kFirstTone)]));
    if (code >= kFirstDpl && code < kExtraTone)
        return dplName(kDplCodes[size_t(code - kFirstDpl)]);
    if (code == kExtraTone)
        return toneName(QStringLiteral("69.30"));
    if (code == kExtraDpl)
        return dplName(0645);
    if (code >= kFirstCustomTone && code <= kLastCustomTone) {
        const int tenths = customValue(code);
        return QStringLiteral("%1 (%2)").arg(
            translated(QT_TRANSLATE_NOOP("CodeDisplayText", "Customized PL")),
            toneName(QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10)));
    }
    if (code >= kFirstInverted && code <= kLastInverted) {
        const int standard = code == kLastInverted ? kExtraDpl : code - kInvertedOffset;
        return QStringLiteral("%1 %2")
            .arg(translated(QT_TRANSLATE_NOOP("CodeDisplayText", "Inverted DPL")))
            .arg(standard);
    }
    if (code >= kFirstCustomDpl && code <= kLastCode) {
        return QStringLiteral("%1 (%2)")
            .arg(translated(QT_TRANSLATE_NOOP("CodeDisplayText", "Customized DPL")))
            .arg(customValue(code), 3, 8, QLatin1Char('0'));
    }
    return QString();
}

QString CCodeDisplayText::toneName(QString tone) const
{
    return QStringLiteral("%1 %2").arg(
        tone.replace(QLatin1Char('.'), m_separator), translated(QT_TRANSLATE_NOOP("CodeDisplayText", "Hz")));
}

QString CCodeDisplayText::dplName(int octalValue) const
{
    return QStringLiteral("%1 %2")
        .arg(translated(QT_TRANSLATE_NOOP("CodeDisplayText", "DPL")))
        .arg(octalValue, 3, 8, QLatin1Char('0'));
}

// A customised entry the profile does not carry (the model has fewer codes)
// reads as 0.
int CCodeDisplayText::customValue(int code) const
{
    return m_setting.attributeOr(QStringLiteral("PLcode%1").arg(code)).toInt();
}
