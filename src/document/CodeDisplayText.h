#pragma once

#include "xml/XmlDocument.h"

#include <QString>

// The texts of the PL/DPL code numbers that channels store in rx_code and
// tx_code, as the channel editor lists them and the reports print them:
// "No PL/DPL code", "1 - 67.0 Hz", "39 - DPL 023", "124 - Customized PL
// (100.0 Hz)", "130 - Inverted DPL 39", "214 - Customized DPL (006)".
// Tone values use the language's decimal separator; "DPL", "Hz" and the
// other words come from the current translation.
class CCodeDisplayText {
public:
    // setting: the profile's "setting" element, which holds the customised
    // tones (PLcode124..129, tenths of Hz) and DPL codes (PLcode214..219).
    CCodeDisplayText(const XmlNode &setting, const QString &decimalSeparator);

    // The list text of code; a number the code table does not know is
    // written as the number alone.
    QString listText(int code) const;

    static constexpr int kLastCode = 219;

private:
    QString name(int code) const;
    QString toneName(QString tone) const;
    QString dplName(int octalValue) const;
    int customValue(int code) const;

    XmlNode m_setting;
    QString m_separator;
};
