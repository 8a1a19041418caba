#pragma once

#include <QString>
#include <QStringList>

// The report style sheets carry their labels as tokens: "$#" followed by the
// English text. A page is localised by replacing every token with the
// current translation's text, one token after the other in a fixed order in
// which a longer token always comes before a token that is its prefix
// ("$#Disable Restore Factory Default" before "$#Disable").
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

// Replaces every token of tokens in page, in order.
void localise(QString &page, const QStringList &tokens, const QString &decimalSeparator);

} // namespace ReportTokens
