#include "reports/ReportText.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
    const char *text;
    const char *escaped;
};

class DealerTextEscape : public ::testing::TestWithParam<EscapeCase> { };

TEST_P(DealerTextEscape, ShowsTheTextLiterally)
{
    EXPECT_EQ(ReportText::EscapeDealerText(QString::fromUtf8(GetParam().text)),
        QString::fromUtf8(GetParam().escaped));
}

INSTANTIATE_TEST_SUITE_P(DealerTexts, DealerTextEscape,
    ::testing::Values(EscapeCase { "Smith & Sons <Radio>", "Smith &amp; Sons &lt;Radio&gt;" },
        EscapeCase { "\"Best\" radios", "&quot;Best&quot; radios" }, EscapeCase { "&lt;", "&amp;lt;" },
        EscapeCase { "Line 1\r\nLine 2\r\n", "Line 1<br>Line 2<br>" },
        EscapeCase { "Line 1\nLine 2", "Line 1<br>Line 2" }, EscapeCase { "", "" }));

TEST(ReportText, DealerBlockPutsTheTextsLeftMiddleRight)
{
    const QString block
        = ReportText::DealerBlock(QStringLiteral("L%1"), QStringLiteral("M"), QStringLiteral("R"));
    const qsizetype left = block.indexOf(QLatin1String("align=\"left\" valign=\"top\">L%1</td>"));
    const qsizetype middle = block.indexOf(QLatin1String("align=\"center\" valign=\"top\">M</td>"));
    const qsizetype right = block.indexOf(QLatin1String("align=\"right\" valign=\"top\">R</td>"));
    EXPECT_TRUE(left > 0 && middle > left && right > middle) << qPrintable(block);
    EXPECT_TRUE(block.startsWith(QLatin1String("<table class='std'><tr><td><table width=\"100%\"")));
    EXPECT_EQ(block.count(QLatin1String("width=\"33%\"")), 3);
}

TEST(ReportText, ProfileLosesOnlyItsDefaultNamespace)
{
    const QString text
        = QStringLiteral("<VelaProfile xmlns=\"http://schemas.halvern.com/vela/profile\" "
                         "xmlns:x=\"http://schemas.halvern.com/vela/profile\"><a/></VelaProfile>");
    EXPECT_EQ(ReportText::WithoutProfileNamespace(text),
        QStringLiteral(
            "<VelaProfile xmlns:x=\"http://schemas.halvern.com/vela/profile\"><a/></VelaProfile>"));
}

const QString kEmptyPowerTemplate
    = QStringLiteral("<xsl:template name=\"powerfrequency\"><xsl:param name=\"frequency\"/></xsl:template>");

TEST(ReportText, DetailedSheetTakesTheDecimalSeparatorAndOwnRanges)
{
    const QString sheet
        = QStringLiteral("<xsl:decimal-format decimal-separator=\"$#SPLITTER\"/>format-number(x, '#.000000')"
                         "<xsl:variable name=\"rxStartFreq\" select=\"/VelaProfile/limit/@start_freq\"/>"
                         "<xsl:variable name=\"rxEndFreq\" select=\"/VelaProfile/limit/@end_freq\"/>"
                         "<xsl:variable name=\"txStartFreq\" select=\"/VelaProfile/limit/@start_freq\"/>"
                         "<xsl:variable name=\"txEndFreq\" select=\"/VelaProfile/limit/@end_freq\"/>")
        + kEmptyPowerTemplate;
    const QString edited
        = ReportText::EditDetailedSheet(sheet, QStringLiteral(","), false, QStringLiteral("2W"));
    EXPECT_EQ(edited,
        QStringLiteral("<xsl:decimal-format decimal-separator=\",\"/>format-number(x, '#,000000')"
                       "<xsl:variable name=\"rxStartFreq\" select=\"/VelaProfile/limit/@rx_start_freq\"/>"
                       "<xsl:variable name=\"rxEndFreq\" select=\"/VelaProfile/limit/@rx_end_freq\"/>"
                       "<xsl:variable name=\"txStartFreq\" select=\"/VelaProfile/limit/@tx_start_freq\"/>"
                       "<xsl:variable name=\"txEndFreq\" select=\"/VelaProfile/limit/@tx_end_freq\"/>")
            + kEmptyPowerTemplate);
}

TEST(ReportText, TwoWattModelsNoteEveryFrequencyOfTheTwoWattList)
{
    const QString edited = ReportText::EditDetailedSheet(
        kEmptyPowerTemplate, QStringLiteral("."), true, QStringLiteral("2W & less"));
    EXPECT_TRUE(edited.startsWith(
        QLatin1String("<xsl:template name=\"powerfrequency\"><xsl:param name=\"frequency\"/>"
                      "<xsl:choose><xsl:when test=\"$frequency = 462762500 or ")));
    EXPECT_TRUE(
        edited.endsWith(QLatin1String(" or $frequency = 467925000\">(2W &amp; less)</xsl:when></xsl:choose>"
                                      "</xsl:template>")));
    EXPECT_EQ(edited.count(QLatin1String("$frequency = ")), 18);
}

} // namespace
