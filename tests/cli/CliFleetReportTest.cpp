#include "CliRun.h"
#include "RadioEmulator.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

class CliFleetReportTest : public CliTest { };

// The batch report goes beside the log and names every radio of it.
TEST_F(CliFleetReportTest, ReportBesideTheLogListsEveryRadio)
{
    RadioEmulator radios({ "--model", "KUD51900", "--radios", "2" });
    ASSERT_EQ(radios.paths().size(), 2);
    const QString log = tempPath(QStringLiteral("batch"));
    const CliResult result = run({ "fleet", templatePath(QStringLiteral("KUD51900")), "--port",
        radios.paths()[0], "--port", radios.paths()[1], "--log", log, "--yes" });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();
    const QJsonArray entries = QJsonDocument::fromJson(readFile(QDir(log).filePath("batch.json"))).array();
    ASSERT_EQ(entries.size(), 2);
    const QString page = QString::fromUtf8(readFile(QDir(log).filePath("batch.html")));
    EXPECT_TRUE(page.contains(QLatin1String("2 programmed, 0 failed")));
    for (const QJsonValue &entry : entries)
        EXPECT_TRUE(page.contains(entry.toObject().value("serial").toString())) << qPrintable(page);
}

} // namespace
