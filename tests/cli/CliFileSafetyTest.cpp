// velacps-cli where a file lets it down: a full standard output, a profile
// that does not parse, saves it must refuse.

#include "CliRun.h"

#include "base/TextFile.h"
#include "settings/ModelRules.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

using CliFileSafetyTest = CliTest;

TEST_F(CliFileSafetyTest, FullStandardOutputFailsTheCommand)
{
    const CliResult result = runWithOutputTo("/dev/full", { "decode", templatePath("KUR40800") });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.stderrText(), "Cannot write to standard output: No space left on device\n");
}

TEST_F(CliFileSafetyTest, ProfileThatIsNotXmlIsDiagnosedOnTheNextLine)
{
    const QString path
        = writeFile("broken.kv9", "<?xml version=\"1.0\"?>\n<VelaProfile>\n  <a>\n</VelaProfile>\n");
    const CliResult result = run({ "check", path });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.stderrText(),
        QStringLiteral(
            "Invalid profile.\n%1: line 4, position 15: Opening and ending tag mismatch: a line 3 and "
            "VelaProfile\n")
            .arg(path)
            .toStdString());
}

// Every command that reads a profile says why it could not.
TEST_F(CliFileSafetyTest, ProfileThatCannotBeReadIsNamedWithTheReason)
{
    const QString missing = tempPath("missing.kv9");
    const QList<QStringList> commands { { "check", missing }, { "write", missing },
        { "report", "handout", missing, tempPath("out.html") }, { "rules", missing, tempPath("out.kv9") } };
    for (const QStringList &command : commands) {
        const CliResult result = run(command);
        EXPECT_EQ(result.exitCode, 1) << command.first().toStdString();
        EXPECT_EQ(result.stderrText(),
            QStringLiteral("Cannot read \"%1\": No such file or directory.\n").arg(missing).toStdString());
    }
}

// Refused saves show their message once and write nothing.
TEST_F(CliFileSafetyTest, RulesSaveNothingOfAProfileThatCannotBeSaved)
{
    const QString profile = templateText("KUR40800");
    // Valid, and kept whole by the save, which doubles its size in UTF-16.
    const QString padding = QStringLiteral("<channels><!--%1-->").arg(QString(kMaxTextFileBytes / 2, 'x'));
    const struct {
        QString text;
        std::string message;
    } cases[] = {
        { QString(profile).replace("freq=\"464500000\"", "freq=\"480000000\""), ModelRules::kRangeMessage },
        { QString(profile).replace("<channels>", padding), "Failed to save \"out.kv9\": Too large: " },
    };
    for (const auto &refused : cases) {
        const QString output = tempPath("out.kv9");
        const CliResult result = run({ "rules", writeFile("in.kv9", refused.text.toUtf8()), output });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.err.startsWith(refused.message)) << result.stderrText();
        EXPECT_EQ(result.err.count('\n'), 1) << result.stderrText();
        EXPECT_FALSE(QFileInfo::exists(output));
    }
}

} // namespace
