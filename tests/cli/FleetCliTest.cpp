// velacps-cli fleet against the emulator: three cables at once, each radio
// with its own values and read back; a faulted radio failing alone; three
// radios in a row on one cable; a refused values file touching no radio.

#include "CliRun.h"
#include "RadioEmulator.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

class FleetCliTest : public CliTest {
protected:
    // KXD40600 is the emulator's model.
    QString newProfile()
    {
        const QString path = tempPath("fleet.kv9");
        const CliResult made = run({ "new", "KXD40600", path });
        EXPECT_EQ(made.exitCode, 0) << made.stderrText();
        return path;
    }
    CliResult fleet(const QStringList &ports, const QStringList &more)
    {
        QStringList arguments { "fleet", newProfile(), "--log", tempPath("log") };
        for (const QString &port : ports)
            arguments << "--port" << port;
        return run(arguments + more);
    }
    // The batch log: result (and message, when failed) by serial.
    QMap<QString, QString> logged()
    {
        QMap<QString, QString> results;
        const QJsonArray rows = QJsonDocument::fromJson(readFile(tempPath("log/batch.json"))).array();
        for (const QJsonValue &row : rows) {
            const QJsonObject object = row.toObject();
            results.insert(object["serial"].toString(), object["result"].toString());
            if (object["result"] != "ok") {
                EXPECT_FALSE(object["message"].toString().isEmpty());
            }
        }
        return results;
    }
    QByteArray readBack(const QString &port, const QStringList &fields)
    {
        const QString back = tempPath("back.kv9");
        const CliResult read = run({ "read", back, "--port", port });
        EXPECT_EQ(read.exitCode, 0) << read.stderrText();
        return run(QStringList { "get", back } + fields).out;
    }
};

const QMap<QString, QString> kAllOk { { "117SMU0001", "ok" }, { "117SMU0002", "ok" },
    { "117SMU0003", "ok" } };

TEST_F(FleetCliTest, ThreeCablesGetTheProfileWithTheirOwnValues)
{
    RadioEmulator radios({ "--radios", "3" });
    ASSERT_EQ(radios.paths().size(), 3);
    const QString values = writeFile("values.csv",
        "serial,setting.powerupString,channel[1].name\n117SMU0003,CHARLIE,THREE\n117SMU0001,ALPHA,ONE\n"
        "117SMU0002,BRAVO,TWO\n");
    const CliResult result = fleet(radios.paths(), { "--values", values });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();
    static const QRegularExpression status(QStringLiteral(R"(^/\S+ 117SMU000[123] KXD40600 ok \d+\.\d$)"));
    const QStringList lines = QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << result.out.toStdString();
    for (const QString &line : lines)
        EXPECT_TRUE(status.match(line).hasMatch()) << line.toStdString();
    EXPECT_EQ(logged(), kAllOk);
    EXPECT_TRUE(readFile(tempPath("log/batch.csv"))
                    .startsWith("port,serial,model,firmware,result,seconds,backup,message\n"));
    const char *expected[] = { "ONE\nsetting.powerupString=ALPHA\n", "TWO\nsetting.powerupString=BRAVO\n",
        "THREE\nsetting.powerupString=CHARLIE\n" };
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(readBack(radios.paths()[i], { "channel[1].name", "setting.powerupString" }),
            QByteArray("channel[1].name=") + expected[i]);
}

TEST_F(FleetCliTest, ARadioThatDoesNotKeepTheWriteFailsAlone)
{
    RadioEmulator radios({ "--radios", "3", "--fault", "forget-write", "--fault-radio", "2" });
    ASSERT_EQ(radios.paths().size(), 3);
    const CliResult result = fleet(radios.paths(), {});
    EXPECT_EQ(result.exitCode, 1);
    QMap<QString, QString> expected = kAllOk;
    expected["117SMU0002"] = "failed";
    EXPECT_EQ(logged(), expected);
    EXPECT_TRUE(result.out.contains(" 117SMU0002 KXD40600 failed ")) << result.out.toStdString();
    EXPECT_TRUE(result.err.contains("did not keep")) << result.stderrText();
}

TEST_F(FleetCliTest, SwapModeWritesThreeRadiosInARowOnOneCable)
{
    RadioEmulator radio({ "--swap-every", "600" });
    const QString values
        = writeFile("values.csv", "order,setting.powerupString\n1,FIRST\n2,SECOND\n3,THIRD\n");
    const CliResult result = fleet({ radio.path() }, { "--count", "3", "--values", values });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_EQ(logged(), kAllOk);
    EXPECT_EQ(result.err.count("connect the next radio"), 2) << result.stderrText();
}

TEST_F(FleetCliTest, ARadioWithAnotherPasswordFailsWithoutAPrompt)
{
    RadioEmulator radio({ "--password", "1234" });
    const CliResult wrong = fleet({ radio.path() }, { "--password", "9999" });
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.err.contains("other than the one given")) << wrong.stderrText();
    EXPECT_FALSE(wrong.err.contains("enter the password")) << wrong.stderrText();
    const CliResult given = fleet({ radio.path() }, { "--password", "1234" });
    EXPECT_EQ(given.exitCode, 0) << given.stderrText();
}

TEST_F(FleetCliTest, ARefusedValuesFileTouchesNoRadio)
{
    RadioEmulator radio({ "--verbose" });
    const QString values = writeFile("values.csv", "serial,channel[1].name\n117SMU0001,ROUTE6666\n");
    const CliResult result = fleet({ radio.path() }, { "--values", values });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains("line 2:")) << result.stderrText();
    EXPECT_FALSE(radio.log().contains("radiosim: request")) << "a request reached the radio";
}

} // namespace
