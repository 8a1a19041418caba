#include "reports/ReportGenerator.h"
#include "reports/ReportText.h"

#include "ProductFixture.h"
#include "base/ConfigStore.h"

namespace {

class ReportGeneratorTest : public ProductFixture {
protected:
    QString page(const QString &model, ReportKind kind, const QString &language = QStringLiteral("English"))
    {
        auto document = fromTemplate(model);
        const std::optional<QString> page = CReportGenerator(*document, language).generate(kind);
        EXPECT_TRUE(page) << qPrintable(m_reporter.messages.join("\n"));
        return page.value_or(QString());
    }
};

// Pages are complete: no token, marker or sheet link is left for the reader.
TEST_F(ReportGeneratorTest, PagesOfBothKindsOfModelAreComplete)
{
    for (const QString model : { "KUD41600", "KXR40400" }) {
        for (const ReportKind kind : { ReportKind::Handout, ReportKind::Detailed }) {
            const QString text = page(model, kind);
            EXPECT_FALSE(text.contains(QLatin1String("$#"))) << qPrintable(model);
            EXPECT_FALSE(text.contains(ReportText::kRowMarker));
            EXPECT_FALSE(text.contains(QLatin1String("ABCDEFG")));
            EXPECT_FALSE(text.contains(QLatin1String("Report.css\">"))) << "the style is in the page";
            EXPECT_TRUE(text.contains(QLatin1String("<style type=\"text/css\">")));
        }
    }
}

TEST_F(ReportGeneratorTest, HandoutShowsDealerTextsLiterallyAndTheModelsPictures)
{
    ASSERT_TRUE(CConfigStore::setDealerInfo(QStringLiteral("English"),
        QStringLiteral("Smith & Sons\r\n<Radio>"), QStringLiteral("right"), QStringLiteral("middle")));
    const QString display = page(QStringLiteral("KUD41600"), ReportKind::Handout);
    EXPECT_TRUE(display.contains(QLatin1String(">Smith &amp; Sons<br>&lt;Radio&gt;</td>")));
    EXPECT_TRUE(display.contains(QLatin1String("src=\"Display.jpg\"")));
    EXPECT_TRUE(display.contains(QLatin1String("Button C")));
    EXPECT_TRUE(display.contains(QLatin1String("Monitor (default)")));
    const QString rotary = page(QStringLiteral("KXR40400"), ReportKind::Handout);
    EXPECT_TRUE(rotary.contains(QLatin1String("src=\"Rotary.jpg\"")));
    EXPECT_TRUE(rotary.contains(QLatin1String("src=\"11.jpg\"")));
    EXPECT_FALSE(rotary.contains(QLatin1String("Button C")));
}

TEST_F(ReportGeneratorTest, DetailedReportWritesCodesFrequenciesAndRowsInTheLanguage)
{
    const QString text = page(QStringLiteral("KUR51673"), ReportKind::Detailed, QStringLiteral("German"));
    EXPECT_TRUE(text.contains(QLatin1String("451,100000")));
    EXPECT_TRUE(text.contains(QLatin1String("450,000000 - 470,000000")));
    EXPECT_TRUE(text.contains(QLatin1String("12 - 100,0 Hz")));
    EXPECT_TRUE(text.contains(QLatin1String("No PL/DPL code")));
    // The scan list's further rows of names.
    EXPECT_GE(text.count(QLatin1String("<tr><td><span class=\"chip\">")), 3);
}

// The receive range is the limit's own, and a channel outside it says so.
TEST_F(ReportGeneratorTest, ReceiveRangeIsTheLimitsOwn)
{
    auto document = fromText(setAttributeIn(templateText(QStringLiteral("KUR51673")), QStringLiteral("limit"),
        QStringLiteral("rx_start_freq"), QStringLiteral("455000000")));
    const QString text
        = CReportGenerator(*document, QStringLiteral("English")).generate(ReportKind::Detailed).value();
    EXPECT_TRUE(text.contains(QLatin1String("455.000000 - 470.000000")));
    EXPECT_TRUE(text.contains(QLatin1String("450.000000 - 470.000000")));
    // The template's first six channels receive below 455 MHz.
    EXPECT_EQ(text.count(QLatin1String("Out of range")), 6);
}

// Only a radio of power class 4 is held to two watts on the listed
// frequencies.
TEST_F(ReportGeneratorTest, TwoWattNoteOnlyForPowerClassFour)
{
    EXPECT_TRUE(page(QStringLiteral("KUD41600"), ReportKind::Detailed)
                    .contains(QLatin1String("462.762500<span class=\"limit\">(2W limit)</span>")));
    EXPECT_FALSE(page(QStringLiteral("KUR51673"), ReportKind::Detailed).contains(QLatin1String("2W limit")));
}

// Only the sheets' own labels are tokens: a profile or dealer text that looks
// like one is shown as typed.
TEST_F(ReportGeneratorTest, UserTextsAreNeverTakenForTokens)
{
    ASSERT_TRUE(CConfigStore::setDealerInfo(QStringLiteral("English"), QStringLiteral("$#Monitor"),
        QStringLiteral("right"), QStringLiteral("middle")));
    QString text = setAttributeIn(templateText(QStringLiteral("KUD41600")), QStringLiteral("channel"),
        QStringLiteral("name"), QStringLiteral("$#ON"));
    text = setAttributeIn(
        text, QStringLiteral("setting"), QStringLiteral("powerupString"), QStringLiteral("$#15"));
    auto document = fromText(text);
    const CReportGenerator generator(*document, QStringLiteral("English"));
    const QString detailed = generator.generate(ReportKind::Detailed).value();
    EXPECT_TRUE(detailed.contains(QLatin1String(">$#ON<")));
    EXPECT_TRUE(detailed.contains(QLatin1String("$#15")));
    EXPECT_TRUE(generator.generate(ReportKind::Handout).value().contains(QLatin1String(">$#Monitor<")));
}

TEST_F(ReportGeneratorTest, HandoutStopsWithoutDealerTexts)
{
    auto document = fromTemplate(QStringLiteral("KUD41600"));
    EXPECT_FALSE(CReportGenerator(*document, QString()).generate(ReportKind::Handout));
    EXPECT_EQ(m_reporter.messages, QStringList { QStringLiteral("Error: Load dealer information failed.") });
}

} // namespace
