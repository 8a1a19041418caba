#pragma once

#include <QString>
#include <QStringList>

// The report style sheets carry their labels as tokens: "$#" followed by the
// English text. A sheet is localised before it transforms a profile, by
// replacing every token with the current translation's text, one token after
// the other in a fixed order in which a longer token always comes before a
// token that is its prefix ("$#Disable Restore Factory Default" before
// "$#Disable"). The profile's texts enter the page only in the transform, so
// they are never taken for tokens.
namespace ReportTokens {

// The tokens of the detailed report and of the customer handout, in the
// order they are replaced.
const QStringList &detailedTokens();
const QStringList &handoutTokens();

// The text that replaces token in the current language. As a rule the
// translation of the token's own English text; some tokens name another
// text ("$#Prog 1 (URB)" is "Button A"), a bandwidth written with the
// language's decimal separator ("$#12.5KHz" is "12,5 KHz" in German) or an
// item with its "(default)" marking.
QString replacement(const QString &token, const QString &decimalSeparator);

// Replaces every token of tokens in the style sheet's text, in order, each
// by its text escaped for XML.
void localise(QString &sheet, const QStringList &tokens, const QString &decimalSeparator);

} // namespace ReportTokens
