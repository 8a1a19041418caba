// velacps-cli report: where the page and its pictures go, what it refuses
// to replace, and the language of the page.

#include "CliRun.h"

#include "base/ConfigStore.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The user's own files beside the page keep their content; the page's
// pictures go into a folder named after the page, only those it shows.
TEST_F(CliTest, ReportPicturesGoInAFolderNamedAfterThePage)
{
    const QString userPicture = writeFile(QStringLiteral("Display.jpg"), "mine");
    const QString out = tempPath(QStringLiteral("mine.htm"));
    CliResult result = run({ "report", "handout", templatePath(QStringLiteral("KUD41600")), out });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_EQ(readFile(userPicture), QByteArray("mine"));
    EXPECT_TRUE(readFile(out).contains("src=\"mine_files/Display.jpg\""));
    EXPECT_EQ(readFile(tempPath(QStringLiteral("mine_files/Display.jpg"))),
        readFile(dataPath(QStringLiteral("Report/Display.jpg"))));

    ASSERT_EQ(
        run({ "report", "detailed", templatePath(QStringLiteral("KUD41600")), tempPath("d.htm") }).exitCode,
        0);
    EXPECT_FALSE(QFileInfo::exists(tempPath(QStringLiteral("d_files"))));
}

TEST_F(CliTest, ReportReplacesNothingWithoutForceAndNeverItsProfile)
{
    const QString profile
        = writeFile(QStringLiteral("p.kv9"), readFile(templatePath(QStringLiteral("KUD41600"))));
    const QByteArray profileBytes = readFile(profile);
    EXPECT_EQ(
        run({ "report", "--force", "handout", profile, tempPath(QStringLiteral("./p.kv9")) }).exitCode, 1);
    EXPECT_EQ(readFile(profile), profileBytes);

    // An earlier page, or one of its pictures alone, blocks a new report.
    const QString out = tempPath(QStringLiteral("mine.htm"));
    ASSERT_EQ(run({ "report", "handout", profile, out }).exitCode, 0);
    EXPECT_EQ(run({ "report", "handout", profile, out }).exitCode, 1);
    QFile::remove(out);
    const QString picture = writeFile(QStringLiteral("mine_files/1.jpg"), "mine");
    const CliResult result = run({ "report", "handout", profile, out });
    EXPECT_TRUE(result.err.contains(QFile::encodeName(picture))) << result.stderrText();
    EXPECT_EQ(readFile(picture), QByteArray("mine"));
    EXPECT_EQ(run({ "report", "--force", "handout", profile, out }).exitCode, 0);
    EXPECT_NE(readFile(picture), QByteArray("mine"));
}

// Labels, numbers and the decimal separator all come from one language.
TEST_F(CliTest, ReportPageIsInTheConfiguredOrTheChosenLanguage)
{
    const QString out = tempPath(QStringLiteral("r.htm"));
    ASSERT_TRUE(CConfigStore::setCurrentLanguage(QStringLiteral("German")));
    CliResult result = run({ "report", "detailed", templatePath(QStringLiteral("KUR51673")), out });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_TRUE(readFile(out).contains(QStringLiteral("Kanäle <span").toUtf8()));
    EXPECT_TRUE(readFile(out).contains("451,100000"));

    result = run({ "report", "--force", "--language", "English", "detailed",
        templatePath(QStringLiteral("KUR51673")), out });
    ASSERT_EQ(result.exitCode, 0) << result.stderrText();
    EXPECT_TRUE(readFile(out).contains("Channels <span"));
    EXPECT_TRUE(readFile(out).contains("451.100000"));

    EXPECT_EQ(run({ "report", "--force", "--language", "Klingon", "detailed",
                      templatePath(QStringLiteral("KUR51673")), out })
                  .exitCode,
        1);
}

} // namespace
