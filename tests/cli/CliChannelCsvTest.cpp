// velacps-cli export-csv and import-csv, end to end: a refused row fails
// the import and saves nothing unless --partial.

#include "CliRun.h"

namespace {

class CliChannelCsvTest : public CliTest { };

TEST_F(CliChannelCsvTest, ARefusedRowFailsTheImportAndSavesOnlyWithPartial)
{
    const QString profile = tempPath("a.kv9");
    ASSERT_EQ(run({ "new", "KUR51673", profile }).exitCode, 0);
    const CliResult exported = run({ "export-csv", profile, tempPath("a.csv") });
    ASSERT_EQ(exported.exitCode, 0) << exported.stderrText();
    QByteArray csv = readFile(tempPath("a.csv"));
    ASSERT_TRUE(csv.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));
    csv.replace(",CHAN 2,", ",DOCK,");
    csv += "17,EXTRA,abc,,,,,,,,,,NFM,,,,,,,,\n";
    const QString input = writeFile("b.csv", csv);
    const QByteArray before = readFile(profile);

    const CliResult dryRun = run({ "import-csv", profile, input, "--dry-run" });
    EXPECT_EQ(dryRun.exitCode, 1);
    EXPECT_TRUE(dryRun.out.contains("Line 3: Channel 2 changes: Name.")) << dryRun.out.toStdString();
    EXPECT_TRUE(dryRun.out.contains("Line 18: Column 3 (Frequency)")) << dryRun.out.toStdString();
    EXPECT_EQ(run({ "import-csv", profile, input }).exitCode, 1);
    EXPECT_EQ(readFile(profile), before);

    const CliResult partial
        = run({ "import-csv", profile, input, "--partial", "--output", tempPath("c.kv9") });
    EXPECT_EQ(partial.exitCode, 1);
    EXPECT_TRUE(run({ "decode", tempPath("c.kv9") }).out.contains("name=\"DOCK\""));
}

} // namespace
