// velacps-cli get and set: an edit that reaches the radio and reads back,
// refusals and questions with their exit statuses, the field list of --help.

#include "CliRun.h"
#include "RadioEmulator.h"

namespace {

class CliFieldsTest : public CliTest {
protected:
    // The profile file of a new profile from the template.
    QString newProfile(const char *model)
    {
        const QString path = tempPath(QLatin1String(model) + QStringLiteral(".kv9"));
        const CliResult made = run({ "new", QLatin1String(model), path });
        EXPECT_EQ(made.exitCode, 0) << made.stderrText();
        return path;
    }
    QByteArray get(const QString &path, const QStringList &fields)
    {
        const CliResult result = run(QStringList { "get", path } + fields);
        EXPECT_EQ(result.exitCode, 0) << result.stderrText();
        return result.out;
    }
};

TEST_F(CliFieldsTest, AnEditReachesTheRadioAndReadsBackTheSame)
{
    const QString profile = newProfile("KUD41670");
    const QStringList fields { "channel[3].name", "channel[3].rx", "channel[3].autoScan",
        "setting.powerupString", "setting.vox_level", "frequency[22].power_level" };
    const CliResult set = run({ "set", profile, "channel[3].name=ROUTE66", "channel[3].rx=464.55",
        "channel[3].autoScan=0", "setting.powerupString=DEALER1", "setting.vox_level=2",
        "frequency[22].power_level=2" });
    ASSERT_EQ(set.exitCode, 0) << set.stderrText();
    const QByteArray edited = get(profile, fields);
    EXPECT_TRUE(edited.contains("channel[3].name=ROUTE66\n")) << edited.constData();
    EXPECT_TRUE(edited.contains("channel[3].rx=464.55\n")) << edited.constData();
    EXPECT_TRUE(edited.contains("frequency[22].power_level=2\n")) << edited.constData();

    RadioEmulator radio({ "--model", "KUD41670" });
    const CliResult written = run({ "write", profile, "--port", radio.path() });
    ASSERT_EQ(written.exitCode, 0) << written.stderrText();
    const QString back = tempPath("back.kv9");
    const CliResult read = run({ "read", back, "--port", radio.path() });
    ASSERT_EQ(read.exitCode, 0) << read.stderrText();
    EXPECT_EQ(get(back, fields), edited);
}

TEST_F(CliFieldsTest, ARefusalChangesNothingAndExitsOne)
{
    const QString profile = newProfile("KUR51673");
    const QByteArray before = readFile(profile);
    for (const QStringList &assignments :
        { QStringList { "setting.powerupString=FINE", "channel[1].name=ROUTE6666" },
            QStringList { "channel[40].name=X" }, QStringList { "channel.name=X" },
            QStringList { "setting.nothing=1" } }) {
        const CliResult result = run(QStringList { "set", profile } + assignments);
        EXPECT_EQ(result.exitCode, 1) << assignments.join(' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty());
        EXPECT_EQ(readFile(profile), before);
    }
}

TEST_F(CliFieldsTest, AQuestionNeedsYes)
{
    const QString profile = newProfile("KUD41600");
    const CliResult asked = run({ "set", profile, "channel[1].disable_channel=1" });
    EXPECT_EQ(asked.exitCode, 1);
    EXPECT_TRUE(asked.err.contains("needs --yes")) << asked.stderrText();
    EXPECT_TRUE(asked.err.contains("Preset Channel button")) << asked.stderrText();
    const QString out = tempPath("disabled.kv9");
    const CliResult yes = run({ "set", profile, "channel[1].disable_channel=1", "--yes", "--output", out });
    ASSERT_EQ(yes.exitCode, 0) << yes.stderrText();
    EXPECT_EQ(get(out, { "channel[1].disable_channel" }), QByteArray("channel[1].disable_channel=1\n"));
}

TEST_F(CliFieldsTest, SetHelpListsTheGrammarAndTheFields)
{
    const CliResult help = run({ "set", "--help" });
    EXPECT_EQ(help.exitCode, 0);
    for (const char *part : { "channel[N].rx_freq_ndx", "setting.powerupString", "preset[N].channel",
             "frequency[N].freq",
             "setting.passwordConfirm", "a text of at most 8 characters" })
        EXPECT_TRUE(help.out.contains(part)) << part;
    EXPECT_FALSE(help.out.contains("limit.maxCodes"));
}

} // namespace
