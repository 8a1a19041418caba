#include "reports/BatchReport.h"

#include "ProductFixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimeZone>

namespace {

class BatchReportTest : public ProductFixture {
protected:
    static BatchReportContent batch()
    {
        BatchReportContent content { QStringLiteral("Harbour & <Taxis>"), QStringLiteral("Fleet.kv9"),
            QDateTime(QDate(2026, 3, 4), QTime(9, 30), QTimeZone::utc()), {} };
        content.radios << BatchReportRadio { "/dev/ttyUSB0", "SN0001", "KUD51900", "R17", true, 12.34,
            BatchReport::WrittenText("Fleet.kv9", { { "setting.powerupString", "UNIT <1>" } }), {} };
        content.radios << BatchReportRadio { "/dev/ttyUSB1", "SN0002", "KUR40800", "R17", false, 3.5,
            "Fleet.kv9", "The radio is of another model.\nNothing was written." };
        return content;
    }
};

TEST_F(BatchReportTest, OneRowPerRadioWithItsResultAndWhatWasWritten)
{
    const QString page = BatchReport::Page(batch(), QStringLiteral(","));
    EXPECT_TRUE(page.contains(QLatin1String("<style type=\"text/css\">"))) << "the style is in the page";
    EXPECT_TRUE(page.contains(QLatin1String("Harbour &amp; &lt;Taxis&gt;")));
    EXPECT_TRUE(page.contains(QLatin1String("1 programmed, 1 failed")));
    const qsizetype first = page.indexOf(QLatin1String("SN0001"));
    const qsizetype second = page.indexOf(QLatin1String("SN0002"));
    EXPECT_TRUE(first > 0 && second > first);
    EXPECT_TRUE(page.contains(QLatin1String("Fleet.kv9; setting.powerupString=UNIT &lt;1&gt;")));
    // Seconds in the language's notation; the reason of a failure line by line.
    EXPECT_TRUE(page.contains(QLatin1String(">12,3<")));
    EXPECT_TRUE(page.contains(QLatin1String(">3,5<")));
    EXPECT_TRUE(page.contains(QLatin1String("another model.<br>Nothing was written.")));
}

TEST_F(BatchReportTest, WrittenBesideTheLogAndRefusedWhereItCannotBe)
{
    QTemporaryDir folder;
    const std::optional<WrittenReport> written
        = BatchReport::Write(folder.path(), batch(), QStringLiteral("."));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->filePath, QDir(folder.path()).filePath(QStringLiteral("batch.html")));
    EXPECT_TRUE(ReportWriter::ReadPage(written->filePath)->contains(QLatin1String("SN0002")));
    EXPECT_FALSE(BatchReport::Write(folder.filePath(QStringLiteral("gone")), batch(), QStringLiteral(".")));
    EXPECT_EQ(m_reporter.messages, QStringList { "Failed to generate report." });
}

} // namespace
