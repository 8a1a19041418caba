#include "ReportText.h"

#include "base/ProfileNamespaces.h"
#include "codeplug/FrequencyRules.h"

#include <QStringList>

namespace {

const QString kEmptyPowerTemplate
    = QStringLiteral("<xsl:template name=\"powerfrequency\"><xsl:param name=\"frequency\"/></xsl:template>");

// The range variables as the sheet defines them, and what each becomes.
struct RangeVariable {
    const char *name;
    const char *limitAttribute;
    const char *ownAttribute;
};
const RangeVariable kRangeVariables[] = {
    { "rxStartFreq", "start_freq", "rx_start_freq" },
    { "rxEndFreq", "end_freq", "rx_end_freq" },
    { "txStartFreq", "start_freq", "tx_start_freq" },
    { "txEndFreq", "end_freq", "tx_end_freq" },
};

QString rangeVariable(const char *name, const char *attribute)
{
    return QStringLiteral("<xsl:variable name=\"%1\" select=\"/VelaProfile/limit/@%2\"/>")
        .arg(QLatin1String(name), QLatin1String(attribute));
}

QString twoWattTemplate(const QString &label)
{
    QStringList tests;
    for (const int64_t hz : FrequencyRules::TwoWattFrequencies())
        tests << QStringLiteral("$frequency = %1").arg(hz);
    return QStringLiteral("<xsl:template name=\"powerfrequency\"><xsl:param name=\"frequency\"/><xsl:choose>"
                          "<xsl:when test=\"%1\">(%2)</xsl:when></xsl:choose></xsl:template>")
        .arg(tests.join(QStringLiteral(" or ")), label.toHtmlEscaped());
}

} // namespace

namespace ReportText {

const QString kDealerMarker = QStringLiteral("<p>ABCDEFGSDGFHWRAZxVBSDFSEWASSX</p>");
const QString kRowMarker = QStringLiteral("ABCDEFGTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRTRFCKUOPQWBFDSA");

QString WithoutProfileNamespace(QString profileText)
{
    return profileText.remove(QStringLiteral(" xmlns=\"%1\"").arg(QLatin1String(vela::kProfileNamespace)));
}

QString EscapeDealerText(QString text)
{
    text.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    text.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    text.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    text.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    // The dealer dialog stores CR LF; a text written elsewhere may hold bare
    // line feeds, which the page would otherwise run together.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return text;
}

QString DealerBlock(const QString &left, const QString &middle, const QString &right)
{
    return QStringLiteral(
        "<table class='std'><tr><td><table width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">"
        "               <tr>"
        "               <td width=\"33%\" class=\"ItemVal\" align=\"left\" valign=\"top\">%1</td>"
        "               <td width=\"33%\" class=\"ItemVal\" align=\"center\" valign=\"top\">%2</td>"
        "               <td width=\"33%\" class=\"ItemVal\" align=\"right\" valign=\"top\">%3</td>"
        "               </tr>"
        "               </table></td></tr></table>")
        .arg(left, middle, right);
}

QString EditDetailedSheet(
    QString sheet, const QString &decimalSeparator, bool twoWattModel, const QString &twoWattLabel)
{
    sheet.replace(QStringLiteral("$#SPLITTER"), decimalSeparator);
    sheet.replace(QStringLiteral("#."), QLatin1Char('#') + decimalSeparator);
    for (const RangeVariable &variable : kRangeVariables) {
        sheet.replace(rangeVariable(variable.name, variable.limitAttribute),
            rangeVariable(variable.name, variable.ownAttribute));
    }
    if (twoWattModel)
        sheet.replace(kEmptyPowerTemplate, twoWattTemplate(twoWattLabel));
    return sheet;
}

} // namespace ReportText
