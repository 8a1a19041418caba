#include "CodeDisplayText.h"

#include "PlCodeValues.h"

#include <QCoreApplication>

namespace {

constexpr const char *kContext = "CodeDisplayText";

using namespace PlCodeValues;

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
    if (code == kExtraTone)
        return toneName(QStringLiteral("69.30"));
    if (const int tenths = StandardToneTenths(code))
        return toneName(QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10));
    if (const int dcs = StandardDcsValue(code); dcs >= 0)
        return dplName(dcs);
    if (code >= kFirstCustomTone && code <= kLastCustomTone) {
        const int tenths = customValue(code);
        return QStringLiteral("%1 (%2)").arg(
            translated(QT_TRANSLATE_NOOP("CodeDisplayText", "Customized PL")),
            toneName(QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10)));
    }
    if (code >= kFirstInverted && code <= kLastInverted) {
        const int standard = code == kLastInverted ? kExtraDpl : code - (kFirstInverted - kFirstDpl);
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
