// velacps-cli on profile files: usage errors, decode and encode, check,
// rules and new.

#include "CliRun.h"

#include "base/ProfileNamespaces.h"
#include "xml/XmlDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kNs = QString::fromLatin1(vela::kProfileNamespace);

// The first element that xpath selects in the profile text.
XmlNode elementIn(const QByteArray &utf8Text, const QString &xpath)
{
    XmlDocument document;
    document.setNamespace(QStringLiteral("dfns"), kNs);
    EXPECT_TRUE(document.loadXml(QString::fromUtf8(utf8Text))) << document.parseError().reason.toStdString();
    return document.selectSingleNode(xpath);
}

QString withAttribute(QString text, const QString &element, const QString &attribute, const QString &value)
{
    const QRegularExpression pattern(
        QStringLiteral("(<%1\\b[^>]*?\\s%2=\")[^\"]*(\")").arg(element, attribute));
    const QRegularExpressionMatch match = pattern.match(text);
    EXPECT_TRUE(match.hasMatch()) << (element + "/" + attribute).toStdString();
    return text.replace(
        match.capturedStart(), match.capturedLength(), match.captured(1) + value + match.captured(2));
}

QStringList templateModels()
{
    QStringList names = QDir(dataPath(QStringLiteral("profiletemplate")))
                            .entryList({ QStringLiteral("*.kv9") }, QDir::Files, QDir::Name);
    for (QString &name : names)
        name.chop(4);
    return names;
}

const char *const kCommandUsage = "usage: velacps-cli <command> [arguments]\n";

TEST_F(CliTest, UsageErrorsExitWithTwoAndSayWhatIsExpected)
{
    CliResult result = run({});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.startsWith(kCommandUsage)) << result.stderrText();
    EXPECT_TRUE(result.err.contains("  decode FILE\n")) << result.stderrText();
    EXPECT_TRUE(result.out.isEmpty());

    result = run({ "frobnicate" });
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(
        result.err.startsWith(QByteArray("velacps-cli: unknown command \"frobnicate\"\n") + kCommandUsage))
        << result.stderrText();

    const struct {
        QStringList arguments;
        const char *usage;
    } wrongCounts[] = {
        { { "decode" }, "usage: velacps-cli decode FILE\n" },
        { { "encode", "a" }, "usage: velacps-cli encode TEXTFILE OUT\n" },
        { { "check", "a", "b" }, "usage: velacps-cli check FILE\n" },
        { { "rules", "a" }, "usage: velacps-cli rules FILE OUT\n" },
        { { "new", "a", "b", "c" }, "usage: velacps-cli new TEMPLATE OUT\n" },
        { { "to-image", "a" }, "usage: velacps-cli to-image FILE OUT [--identity HEX]\n" },
        { { "from-image" }, "usage: velacps-cli from-image IMAGE [--save OUT]\n" },
    };
    for (const auto &wrong : wrongCounts) {
        result = run(wrong.arguments);
        EXPECT_EQ(result.exitCode, 2) << wrong.arguments.join(' ').toStdString();
        EXPECT_EQ(result.stderrText(), wrong.usage) << wrong.arguments.join(' ').toStdString();
    }
}

TEST_F(CliTest, BadIdentityIsAUsageError)
{
    const QString profile = templatePath("KUR40800");
    const std::string expected = "velacps-cli: --identity takes 42 hexadecimal digits\n";
    for (const QString &identity : { QStringLiteral("zz"), QString(40, QLatin1Char('0')),
             QString(42, QLatin1Char('g')), QString(44, QLatin1Char('0')) }) {
        const CliResult result = run({ "to-image", profile, tempPath("out.img"), "--identity", identity });
        EXPECT_EQ(result.exitCode, 2) << identity.toStdString();
        EXPECT_EQ(result.stderrText(), expected) << identity.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(tempPath("out.img")));

    // The option without its value.
    const CliResult result = run({ "to-image", profile, tempPath("out.img"), "--identity" });
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(result.err.isEmpty()) << "a usage error without a word of explanation";
}

TEST_F(CliTest, EncodeWritesTheScrambledFileThatDecodeReadsBack)
{
    // A name outside ASCII, to see the text survive both ways.
    const QString text
        = withAttribute(templateText("KUR40800"), "channel", "name", QStringLiteral("Caf\u00E9"));
    const QString plain = writeFile("plain.xml", text.toUtf8());

    CliResult result = run({ "decode", plain });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_EQ(result.out, text.toUtf8());
    EXPECT_TRUE(result.err.isEmpty()) << result.stderrText();

    const QString encoded = tempPath("encoded.kv9");
    result = run({ "encode", plain, encoded });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_TRUE(result.err.isEmpty()) << result.stderrText();
    // FF FE, the scrambled units, nothing after them.
    EXPECT_EQ(readFile(encoded), scrambledProfileFile(text));

    result = run({ "decode", encoded });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_EQ(result.out, text.toUtf8());
}

TEST_F(CliTest, DecodeAndEncodeReportFilesTheyCannotUse)
{
    const QString missing = tempPath("missing.kv9");
    CliResult result = run({ "decode", missing });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.stderrText(),
        QStringLiteral("Cannot read \"%1\": No such file or directory.\n").arg(missing).toStdString());
    EXPECT_TRUE(result.out.isEmpty());

    result = run({ "encode", missing, tempPath("out.kv9") });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.stderrText(),
        QStringLiteral("Cannot read \"%1\": No such file or directory.\n").arg(missing).toStdString());
    EXPECT_FALSE(QFileInfo::exists(tempPath("out.kv9")));

    // Only a profile is written as a profile file.
    result = run({ "encode", writeFile("notes.txt", "not a profile"), tempPath("out.kv9") });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.startsWith("Invalid profile.\n")) << result.stderrText();
    EXPECT_FALSE(QFileInfo::exists(tempPath("out.kv9")));

    const QString target = tempPath("no-folder/out.kv9");
    result = run({ "encode", templatePath("KUR40800"), target });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("Cannot write \"%1\": ").arg(target).toUtf8()))
        << result.stderrText();
    EXPECT_EQ(result.err.count('\n'), 1) << result.stderrText();
}

TEST_F(CliTest, CheckPassesEveryTemplateAndRefusesWhatMayNotBeOpened)
{
    const QStringList models = templateModels();
    ASSERT_FALSE(models.isEmpty());
    for (const QString &model : models) {
        const CliResult result = run({ "check", templatePath(model) });
        EXPECT_EQ(result.exitCode, 0) << model.toStdString() << "\n" << result.stderrText();
        EXPECT_TRUE(result.err.isEmpty()) << result.stderrText();
    }

    const QString murs = writeFile(
        "murs.kv9", withAttribute(templateText("KXR40400"), "frequency", "freq", "151820000").toUtf8());
    CliResult result = run({ "check", murs });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.stderrText(), "Invalid Frequency.\n");

    const QString region = writeFile("region.kv9",
        withAttribute(templateText("KUR40800"), "factory_setting", "model", "KUR40810").toUtf8());
    result = run({ "check", region });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.stderrText(), "The CPS does not support this profile's region.\n");

    // The check itself refuses an unreadable file silently; the tool says why.
    result = run({ "check", tempPath("missing.kv9") });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(result.err.isEmpty()) << "a missing file is refused without a word";
}

TEST_F(CliTest, RulesCorrectAFourWattRotaryProfileBelowItsRange)
{
    QString text = withAttribute(templateText("KXR40400"), "limit", "start_freq", "150000000");
    text = withAttribute(text, "frequency", "freq", "151000000");
    const QString input = writeFile("low.kv9", text.toUtf8());
    const QString output = tempPath("corrected.kv9");

    CliResult result = run({ "rules", input, output });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_EQ(result.stderrText(),
        "At least one frequency in the RF Frequency table is out of the valid frequency range. CPS corrected "
        "it "
        "to 151.5 MHz in the profile.\n");

    result = run({ "decode", output });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_EQ(elementIn(result.out, "//dfns:limit").attributeOr("start_freq"), "151500000");
    EXPECT_EQ(elementIn(result.out, "//dfns:frequency").attributeOr("freq"), "151500000");
    EXPECT_EQ(elementIn(result.out, "//dfns:factory_setting").attributeOr("sub_region"), "2");
    EXPECT_EQ(run({ "check", output }).exitCode, 0);

    // The input is left as it was.
    EXPECT_EQ(readFile(input), text.toUtf8());
}

TEST_F(CliTest, NewMakesTheSameProfileFromATemplateNameOrPath)
{
    const QString byName = tempPath("by-name.kv9"), byPath = tempPath("by-path.kv9");
    CliResult result = run({ "new", "KUR40800", byName });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_TRUE(result.err.isEmpty()) << result.stderrText();
    result = run({ "new", templatePath("KUR40800"), byPath });
    EXPECT_EQ(result.exitCode, 0) << result.stderrText();

    const QByteArray bytes = readFile(byName);
    ASSERT_GT(bytes.size(), 2);
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_EQ(readFile(byPath), bytes);
    result = run({ "decode", byName });
    EXPECT_EQ(elementIn(result.out, "//dfns:factory_setting").attributeOr("model"), "KUR40800");
    EXPECT_EQ(run({ "check", byName }).exitCode, 0);

    result = run({ "new", "KZZ99999", tempPath("none.kv9") });
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.stderrText(), "There is no profile template \"KZZ99999\".\n");
    EXPECT_FALSE(QFileInfo::exists(tempPath("none.kv9")));
}

} // namespace
