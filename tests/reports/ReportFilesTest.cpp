#include "reports/ReportFiles.h"
#include "reports/ReportWriter.h"

#include "RecordingReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char *language;
    int codePage;
    bool localised;
};

class LocalisedNames : public ::testing::TestWithParam<NameCase> { };

TEST_P(LocalisedNames, FollowTheFileNameCodePage)
{
    EXPECT_EQ(ReportFiles::LocalisedNamesAllowed(QLatin1String(GetParam().language), GetParam().codePage),
        GetParam().localised);
}

using ReportFiles::CodePage::CentralEuropean;
using ReportFiles::CodePage::Cyrillic;
using ReportFiles::CodePage::Unknown;
using ReportFiles::CodePage::Utf8;
using ReportFiles::CodePage::Western;

INSTANTIATE_TEST_SUITE_P(Languages, LocalisedNames,
    ::testing::Values(NameCase { "English", Unknown, true }, NameCase { "German", Western, true },
        NameCase { "LaPortuguese", Western, true }, NameCase { "German", Cyrillic, false },
        NameCase { "Polish", CentralEuropean, true }, NameCase { "Polish", Western, false },
        NameCase { "Russian", Cyrillic, true }, NameCase { "Russian", Western, false },
        NameCase { "Russian", Utf8, true }, NameCase { "Chinese", Utf8, false },
        NameCase { "", Western, false }));

class GermanNames : public QTranslator {
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QLatin1String(source) == QLatin1String("Customer Handout")
            ? QStringLiteral("Kunden:Info <1|2>?")
            : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(ReportFiles, LocalisedNamesLoseTheCharactersFileNamesCannotHold)
{
    GermanNames translator;
    QCoreApplication::installTranslator(&translator);
    const QString german
        = ReportFiles::ReportFileName(ReportKind::Handout, QStringLiteral("German"), Western);
    const QString russian
        = ReportFiles::ReportFileName(ReportKind::Handout, QStringLiteral("Russian"), Western);
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(german, QStringLiteral("Kunden Info  1 2  .htm"));
    EXPECT_EQ(russian, QStringLiteral("Customer Handout.htm"));
    EXPECT_EQ(ReportFiles::ReportFileName(ReportKind::Detailed, QStringLiteral("Russian"), Western),
        QStringLiteral("Detailed Report.htm"));
}

class ReportWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        write(reportFolder() + QStringLiteral("/Display.jpg"), "picture");
        write(reportFolder() + QStringLiteral("/1.jpg"), "callout");
    }
    QString reportFolder() const { return m_dir.filePath(QStringLiteral("Report")); }
    QString windowsFolder() const { return m_dir.filePath(QStringLiteral("windows")); }
    static inline const QString kPage = QStringLiteral("Page.htm");
    static inline const QString kShowsOnePicture
        = QStringLiteral("<p>\u20ac</p><img class=\"radio\" src=\"Display.jpg\"><p>src=\"1.jpg\"</p>");
    static void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    RecordingReporter m_reporter;
};

// Two windows, or two running copies, never share a page.
TEST_F(ReportWriterTest, EachPageGoesToAFolderOfItsOwnWithThePicturesItShows)
{
    QDir().mkpath(windowsFolder());
    auto first = ReportWriter::WriteReport(kPage, kShowsOnePicture, reportFolder(), windowsFolder());
    const auto second
        = ReportWriter::WriteReport(kPage, QStringLiteral("other"), reportFolder(), windowsFolder());
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->folder, second->folder);
    EXPECT_EQ(QFileInfo(first->filePath).absolutePath(), first->folder);
    EXPECT_EQ(read(first->filePath), QByteArray("\xEF\xBB\xBF") + kShowsOnePicture.toUtf8());
    EXPECT_EQ(QDir(first->folder).entryList(QDir::Files), QStringList({ "Display.jpg", kPage }));
    EXPECT_EQ(ReportWriter::ReadPage(first->filePath), kShowsOnePicture);
    const QString folder = first->folder;
    first.reset();
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_TRUE(m_reporter.messages.isEmpty());
}

TEST_F(ReportWriterTest, NoWritableFolderShowsTheFailure)
{
    write(windowsFolder(), "a file, not a folder");
    EXPECT_FALSE(ReportWriter::WriteReport(kPage, QStringLiteral("page"), reportFolder(), windowsFolder()));
    EXPECT_EQ(m_reporter.messages, QStringList { QStringLiteral("Failed to generate report.") });
}

TEST_F(ReportWriterTest, SavedPageKeepsItsPicturesInAFolderNamedAfterIt)
{
    const QString target = m_dir.filePath(QStringLiteral("out/My Handout.htm"));
    write(m_dir.filePath(QStringLiteral("out/Display.jpg")), "mine");
    EXPECT_EQ(ReportWriter::ReplacedFiles(target, kShowsOnePicture), QStringList());
    ASSERT_TRUE(ReportWriter::SavePage(target, kShowsOnePicture, reportFolder()));
    EXPECT_EQ(read(target),
        QByteArray(
            "\xEF\xBB\xBF<p>\xE2\x82\xAC</p><img class=\"radio\" src=\"My%20Handout_files/Display.jpg\">"
            "<p>src=\"1.jpg\"</p>"));
    EXPECT_EQ(QDir(m_dir.filePath(QStringLiteral("out/My Handout_files"))).entryList(QDir::Files),
        QStringList { "Display.jpg" });
    EXPECT_EQ(read(m_dir.filePath(QStringLiteral("out/Display.jpg"))), QByteArray("mine"));
    EXPECT_EQ(ReportWriter::ReplacedFiles(target, kShowsOnePicture),
        QStringList({ target, m_dir.filePath(QStringLiteral("out/My Handout_files/Display.jpg")) }));
}

} // namespace
