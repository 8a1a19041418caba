// velacps-cli's options: help and version, and options it does not know.

#include "CliRun.h"

#include <QRegularExpression>

namespace {

TEST_F(CliTest, HelpAndVersionGoToStandardOutput)
{
    const struct {
        QStringList arguments;
        const char *start;
    } cases[] = {
        { { "--help" }, "usage: velacps-cli <command> [arguments]\n" },
        { { "-h" }, "usage: velacps-cli <command> [arguments]\n" },
        { { "check", "--help" }, "usage: velacps-cli check FILE\n" },
        { { "to-image", "a", "--help", "b" }, "usage: velacps-cli to-image FILE OUT [--identity HEX]\n" },
        { { "write", "-h" },
            "usage: velacps-cli write [--port P] FILE [--password PPPP] [--yes] [--dry-run] [--trace "
            "FILE]\n" },
    };
    for (const auto &help : cases) {
        const CliResult result = run(help.arguments);
        EXPECT_EQ(result.exitCode, 0) << help.arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.startsWith(help.start)) << result.out.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.stderrText();
    }
    // A command's help names its options.
    EXPECT_TRUE(run({ "write", "--help" }).out.contains("--password <PPPP>"));

    const CliResult version = run({ "--version" });
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(QRegularExpression("^velacps-cli \\d+\\.\\d+\\.\\d+\n$")
                    .match(QString::fromUtf8(version.out))
                    .hasMatch())
        << version.out.toStdString();
}

TEST_F(CliTest, UnknownOrIncompleteOptionsAreUsageErrors)
{
    const struct {
        QStringList arguments;
        const char *start;
        const char *reason;
    } cases[] = {
        { { "--bogus", "check", "a" }, "velacps-cli: Unknown option 'bogus'.\nusage: velacps-cli <command>",
            "" },
        { { "check", "--bogus", "a" }, "usage: velacps-cli check FILE\n", "Unknown option 'bogus'." },
        { { "rules", "a", "b", "--yes" }, "usage: velacps-cli rules FILE OUT\n", "Unknown option 'yes'." },
        { { "from-image", "a", "--save" }, "usage: velacps-cli from-image IMAGE [--save OUT]\n", "'--save'" },
    };
    for (const auto &wrong : cases) {
        const CliResult result = run(wrong.arguments);
        EXPECT_EQ(result.exitCode, 2) << wrong.arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith(wrong.start)) << result.stderrText();
        EXPECT_TRUE(result.err.contains(wrong.reason)) << result.stderrText();
        EXPECT_TRUE(result.out.isEmpty());
    }
    // After "--" an argument that looks like an option is a file name.
    const CliResult result = run({ "check", "--", "--help" });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.startsWith("Cannot read \"--help\"")) << result.stderrText();
}

} // namespace
