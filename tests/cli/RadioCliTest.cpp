// velacps-cli identify, read, write and reset against the radio emulator:
// what each prints, the files it makes, its password and question handling
// and its exit statuses.

#include "CliRun.h"
#include "ProductFixture.h"
#include "RadioEmulator.h"
#include "RadioMessages.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>

#include <array>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using namespace RadioMessages;

namespace {

// Radio addresses of what the tests look at in the emulator's memory.
constexpr quint32 kPowerupString = 0x10000 + 24;

class RadioCliTest : public CliTest {
protected:
    CliResult runOn(const RadioEmulator &radio, const QStringList &arguments)
    {
        return run(QStringList(arguments) << QStringLiteral("--port") << radio.path());
    }

    // A profile file of the template with attributes replaced (element,
    // attribute, value).
    QString profileFile(const QString &model, const QList<std::array<QString, 3>> &changes = {})
    {
        QString text = templateText(model);
        for (const auto &[element, attribute, value] : changes)
            text = setAttributeIn(text, element, attribute, value);
        return writeFile(model + QStringLiteral(".kv9"), scrambledProfileFile(text));
    }

    static QStringList lines(const QByteArray &output)
    {
        return QString::fromLocal8Bit(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The progress lines ("N%") of a run's standard error, as numbers.
    static QList<int> progress(const CliResult &result)
    {
        static const QRegularExpression percent(QStringLiteral("^(\\d+)%$"));
        QList<int> values;
        for (const QString &line : lines(result.err)) {
            const QRegularExpressionMatch match = percent.match(line);
            if (match.hasMatch())
                values << match.captured(1).toInt();
        }
        return values;
    }

    // Standard error without the progress lines.
    static QStringList messages(const CliResult &result)
    {
        static const QRegularExpression percent(QStringLiteral("^\\d+%$"));
        QStringList texts = lines(result.err);
        texts.removeIf([](const QString &line) { return percent.match(line).hasMatch(); });
        return texts;
    }
};

TEST_F(RadioCliTest, IdentifyPrintsTheRadiosFieldsOnePerLine)
{
    RadioEmulator radio({ "--model", "KUR51673", "--firmware", "R16", "--password", "4321", "--max-codes",
        "122", "--codeplug-version", "2", "--frequencies", "5" });
    const CliResult result = runOn(radio, { "identify" });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();
    QMap<QString, QString> fields;
    static const QRegularExpression field(QStringLiteral("^([A-Za-z_]+): (.*)$"));
    for (const QString &line : lines(result.out)) {
        const QRegularExpressionMatch match = field.match(line);
        ASSERT_TRUE(match.hasMatch()) << qPrintable(line);
        fields.insert(match.captured(1), match.captured(2));
    }
    EXPECT_EQ(fields.value("model"), "KUR51673");
    EXPECT_EQ(fields.value("firmware_phase"), "R");
    EXPECT_EQ(fields.value("firmware_version"), "1");
    EXPECT_EQ(fields.value("firmware_revision"), "6");
    EXPECT_EQ(fields.value("codeplug_phase"), "R");
    EXPECT_EQ(fields.value("codeplug_version"), "2");
    EXPECT_EQ(fields.value("password"), "4321");
    EXPECT_EQ(fields.value("max_valid_freqs"), "5");
    EXPECT_EQ(fields.value("maxCodes"), "122");
    EXPECT_TRUE(fields.contains("serial_clone_compatibility"));
    EXPECT_TRUE(messages(result).isEmpty()) << result.stderrText();
}

TEST_F(RadioCliTest, ReadMakesAProfileFileThatPassesTheCheck)
{
    RadioEmulator radio({ "--model", "KUD41670", "--frequencies", "12" });
    const QString out = tempPath("read.kv9");
    const CliResult result = runOn(radio, { "read", out });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_EQ(progress(result).value(progress(result).size() - 1), 100);
    ASSERT_TRUE(QFileInfo::exists(out));

    const CliResult check = run({ "check", out });
    EXPECT_EQ(check.exitCode, 0) << check.stderrText();
    const CliResult decoded = run({ "decode", out });
    ASSERT_EQ(decoded.exitCode, 0) << decoded.stderrText();
    EXPECT_TRUE(decoded.out.contains("model=\"KUD41670\""));
}

TEST_F(RadioCliTest, WriteOfAProfileFileReachesTheRadioWithProgress)
{
    RadioEmulator radio({ "--model", "KXD40600" });
    const QString profile = profileFile("KXD40600", { { "setting", "powerupString", "CLITEST" } });
    const CliResult result = runOn(radio, { "write", profile });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();
    const QList<int> percents = progress(result);
    ASSERT_FALSE(percents.isEmpty());
    EXPECT_EQ(percents.last(), 100);
    EXPECT_TRUE(percents.contains(50)) << "the write itself reports its progress";
    EXPECT_TRUE(result.out.isEmpty());

    const QByteArray memory = radio.memory();
    QByteArray greeting;
    for (quint32 i = 0; i < 8; ++i)
        greeting += char(RadioEmulator::byteAt(memory, kPowerupString + i));
    EXPECT_EQ(greeting, QByteArray("CLITEST\0", 8));
}

TEST_F(RadioCliTest, DryRunAndDiffListWhatAWriteWouldChange)
{
    RadioEmulator radio({ "--model", "KXD40600" });
    const QString profile = profileFile("KXD40600", { { "setting", "powerupString", "CLITEST" } });
    const QByteArray change = QStringLiteral("Settings \u00b7 Power Up Text: ").toUtf8();
    const CliResult dryRun = runOn(radio, { "write", "--dry-run", profile });
    ASSERT_EQ(dryRun.exitCode, 0) << dryRun.stderrText();
    EXPECT_TRUE(dryRun.out.contains(change + "WELCOME \u2192 CLITEST\n")) << dryRun.out.toStdString();
    const CliResult againstRadio = run({ "diff", "radio:" + radio.path(), profile });
    EXPECT_EQ(againstRadio.exitCode, 1) << againstRadio.stderrText();
    EXPECT_EQ(againstRadio.out, dryRun.out) << "the radio was left as it was";

    const QString original = writeFile("original.kv9", scrambledProfileFile(templateText("KXD40600")));
    EXPECT_EQ(run({ "diff", original, original }).exitCode, 0);
    const CliResult json = run({ "diff", original, profile, "--json" });
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(QJsonDocument::fromJson(json.out).array(),
        QJsonArray({ QJsonObject { { "section", "setting" }, { "item", QJsonValue() },
            { "field", "setting.powerupString" }, { "caption", "Power Up Text" }, { "old", "WELCOME" },
            { "new", "CLITEST" }, { "old_raw", "WELCOME" }, { "new_raw", "CLITEST" } } }));
    EXPECT_EQ(run({ "diff", original, tempPath("missing.kv9") }).exitCode, 2);
}

TEST_F(RadioCliTest, WriteKilledHalfWayIsRestoredToTheExactOldMemory)
{
    const QStringList arguments { "--model", "KUD51900", "--frequencies", "19", "--pace", "--verbose" };
    RadioEmulator untouched(arguments);
    RadioEmulator radio(arguments);
    QProcess writer;
    writer.start(QStringLiteral(VELA_CLI_PATH), { "write", profileFile("KUD51900"), "--port", radio.path() });
    // Killed once the first block is in the radio.
    ASSERT_TRUE(radio.waitForLogged("request 17 "));
    writer.kill();
    writer.waitForFinished();

    const CliResult restored = runOn(radio, { "restore" });
    ASSERT_EQ(restored.exitCode, 0) << restored.stderrText();
    const QJsonArray backups = QJsonDocument::fromJson(run({ "backups", "--json" }).out).array();
    QStringList reasons;
    for (const QJsonValue &backup : backups)
        reasons << backup[QStringLiteral("reason")].toString();
    ASSERT_EQ(reasons, (QStringList { "before restore", "read", "before write" }));
    const CliResult halfWritten = run({ "diff", backups[2][QStringLiteral("path")].toString(),
        backups[1][QStringLiteral("path")].toString() });
    EXPECT_EQ(halfWritten.exitCode, 1) << "the killed write had changed the radio";
    EXPECT_TRUE(radio.memory() == untouched.memory());
}

TEST_F(RadioCliTest, ResetEndsQuietly)
{
    RadioEmulator radio;
    const CliResult result = runOn(radio, { "reset" });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_TRUE(messages(result).isEmpty()) << result.stderrText();
    EXPECT_TRUE(result.out.isEmpty());
}

// The trace has a line for every request the radio logged and one for each
// of its replies, in the same order, and no password byte in either.
TEST_F(RadioCliTest, TraceHasOneLinePerFrameAndMasksThePassword)
{
    RadioEmulator radio({ "--verbose", "--password", "4321" });
    const QString trace = tempPath("read.trace");
    const CliResult result
        = runOn(radio, { "read", tempPath("radio.kv9"), "--password", "4321", "--trace", trace });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();

    static const QRegularExpression request(QStringLiteral("^radiosim: request ([0-9A-F]{2})"));
    QStringList requested;
    for (const QString &line : lines(radio.log())) {
        const QRegularExpressionMatch match = request.match(line);
        if (match.hasMatch())
            requested << match.captured(1);
    }
    QStringList sentOpcodes;
    int received = 0;
    const QString text = QString::fromUtf8(readFile(trace));
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char(' '));
        if (fields.value(1) == QLatin1String(">"))
            sentOpcodes << fields.value(3); // after the lead byte
        received += fields.value(1) == QLatin1String("<");
    }
    ASSERT_FALSE(requested.isEmpty());
    EXPECT_EQ(sentOpcodes, requested);
    EXPECT_EQ(received, requested.size());
    EXPECT_TRUE(text.contains(QLatin1String("# result: Succeeded"))) << text.toStdString();
    // The identify reads the password alone, the read the block around it.
    const QString password = QString::fromLatin1(QByteArray("4321").toHex(' ')).toUpper();
    EXPECT_FALSE(text.contains(password)) << text.toStdString();
    EXPECT_GE(text.count(QRegularExpression(QStringLiteral("\\*\\* \\*\\* \\*\\* \\*\\*"))), 2);
}

TEST_F(RadioCliTest, WrongOrMissingPasswordAsksAndFails)
{
    RadioEmulator radio({ "--password", "1234" });
    const QString out = tempPath("read.kv9");
    for (const QStringList &password : { QStringList { "--password", "9999" }, QStringList {} }) {
        const CliResult result = runOn(radio, QStringList { "read", out } + password);
        EXPECT_EQ(result.exitCode, 1) << result.stderrText();
        EXPECT_EQ(messages(result), QStringList { "Please enter the password:" }) << result.stderrText();
        EXPECT_FALSE(QFileInfo::exists(out));
    }

    const CliResult right = runOn(radio, { "read", out, "--password", "1234" });
    EXPECT_EQ(right.exitCode, 0) << right.stderrText();
    EXPECT_TRUE(QFileInfo::exists(out));
}

TEST_F(RadioCliTest, TierQuestionIsDeclinedUnlessYesIsGiven)
{
    RadioEmulator untouched({ "--model", "KUR41600" });
    RadioEmulator radio({ "--model", "KUR41600" });
    const QString profile = profileFile("KUD41600");

    const CliResult declined = runOn(radio, { "write", profile });
    EXPECT_EQ(declined.exitCode, 1) << declined.stderrText();
    EXPECT_EQ(messages(declined), QStringList { kTierQuestion }) << declined.stderrText();

    const CliResult accepted = runOn(radio, { "write", profile, "--yes" });
    EXPECT_EQ(accepted.exitCode, 0) << accepted.stderrText();
    EXPECT_EQ(messages(accepted), QStringList { kTierQuestion }) << accepted.stderrText();
    EXPECT_TRUE(radio.memory() != untouched.memory()) << "the accepted write reached the radio";
}

TEST_F(RadioCliTest, RefusedWriteLeavesTheRadioAlone)
{
    RadioEmulator untouched({ "--model", "KUR20800" });
    RadioEmulator radio({ "--model", "KUR20800" });
    const CliResult result = runOn(radio, { "write", profileFile("KUR40800") });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(messages(result), QStringList { kNotCompatible }) << result.stderrText();
    EXPECT_TRUE(radio.memory() == untouched.memory());
}

TEST_F(RadioCliTest, CableThatIsNotThereIsACommunicationErrorWithAHint)
{
    const CliResult result = run({ "identify", "--port", tempPath("no-such-tty") });
    EXPECT_EQ(result.exitCode, 1);
    const QStringList said = messages(result);
    ASSERT_EQ(said.size(), 2) << result.stderrText();
    EXPECT_EQ(said[0], kCommunicationError + " No programming cable was found.");
    EXPECT_TRUE(said[1].contains("--port") && said[1].contains("velacps-radiosim")) << result.stderrText();
    EXPECT_TRUE(result.out.isEmpty());
}

TEST_F(RadioCliTest, OnATerminalEachStageIsOneLineUpdatedInPlace)
{
    RadioEmulator radio;
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(terminal >= 0 && ::grantpt(terminal) == 0 && ::unlockpt(terminal) == 0);
    QProcess cli;
    // The configuration is this process's (m_config), which the tool inherits.
    cli.setStandardErrorFile(QString::fromLocal8Bit(::ptsname(terminal)));
    cli.start(QStringLiteral(VELA_CLI_PATH), { "identify", "--port", radio.path() });
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0);
    QByteArray shown;
    char buffer[512];
    for (pollfd watch { terminal, POLLIN, 0 }; ::poll(&watch, 1, 200) > 0;) {
        const ssize_t got = ::read(terminal, buffer, sizeof buffer);
        if (got <= 0)
            break;
        shown.append(buffer, got);
    }
    ::close(terminal);
    EXPECT_EQ(shown,
        "Identifying radio\u2026\rIdentifying radio\u2026 20%\rIdentifying radio\u2026 40%\r"
        "Identifying radio\u2026 60%\rIdentifying radio\u2026 80%\rIdentifying radio\u2026 100%\r\n");
}

TEST_F(RadioCliTest, UsageErrors)
{
    for (const QStringList &arguments : { QStringList { "identify", "extra" },
             QStringList { "identify", "--bogus" }, QStringList { "reset", "--port" }, QStringList { "read" },
             QStringList { "read", "a.kv9", "b.kv9" }, QStringList { "read", "a.kv9", "--password" },
             QStringList { "write" } }) {
        const CliResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith("usage: velacps-cli " + arguments.first().toLatin1()))
            << result.stderrText();
    }
}

} // namespace
