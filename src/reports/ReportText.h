#pragma once

#include <QString>

// The text steps of report generation: what is done to the profile, the
// style sheet and the transform's result around the transform itself.
namespace ReportText {

// Where the handout's dealer block goes in the transform's result.
extern const QString kDealerMarker;
// Stands for "<tr>" in the detailed report's result: a sheet can only write
// whole elements, and this starts a table row without closing the last one.
extern const QString kRowMarker;

// The profile text without its default-namespace declaration, so that the
// sheets address elements without a prefix ("/VelaProfile/channels/channel").
QString WithoutProfileNamespace(QString profileText);

// A dealer text made safe for the page: & < > " escaped, in that order, and
// each line break made a line-break tag.
QString EscapeDealerText(QString text);

// The handout's three-column dealer block of the escaped texts.
QString DealerBlock(const QString &left, const QString &middle, const QString &right);

// The detailed sheet adapted to the language and the model: the decimal
// separator put into its number formats, the receive and transmit range
// variables pointed at their own limits, and, for a radio of power class 4,
// the "powerfrequency" template made to write "(2W limit)" beside every
// frequency of the two-watt list.
QString EditDetailedSheet(
    QString sheet, const QString &decimalSeparator, bool twoWattModel, const QString &twoWattLabel);

} // namespace ReportText
