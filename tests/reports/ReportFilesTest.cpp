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
        QDir(m_dir.path()).mkpath(QStringLiteral("Report"));
        write(reportFolder() + QStringLiteral("/Display.jpg"), "new picture");
        write(fallbackFolder() + QStringLiteral("/Display.jpg"), "old picture");
    }
    QString reportFolder() const { return m_dir.filePath(QStringLiteral("Report")); }
    QString fallbackFolder() const { return m_dir.filePath(QStringLiteral("cache/Report")); }
    // A folder where the page's name is taken by a folder: nobody, not even
    // root, can write the page there.
    static void blockPage(const QString &folder) { QDir(folder).mkpath(kPage); }
    static inline const QString kPage = QStringLiteral("Page.htm");
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

TEST_F(ReportWriterTest, PageGoesToTheReportFolderAsUtf8WithByteOrderMark)
{
    const auto written
        = ReportWriter::WriteReport(kPage, QStringLiteral("<p>€</p>"), reportFolder(), fallbackFolder());
    ASSERT_TRUE(written);
    EXPECT_EQ(written->folder, reportFolder());
    EXPECT_EQ(read(written->filePath), QByteArray("\xEF\xBB\xBF<p>\xE2\x82\xAC</p>"));
    EXPECT_EQ(read(fallbackFolder() + QStringLiteral("/Display.jpg")), QByteArray("old picture"));
}

TEST_F(ReportWriterTest, UnwritablePageGoesToTheFallbackWithThePictures)
{
    blockPage(reportFolder());
    const auto written
        = ReportWriter::WriteReport(kPage, QStringLiteral("page"), reportFolder(), fallbackFolder());
    ASSERT_TRUE(written);
    EXPECT_EQ(written->folder, fallbackFolder());
    EXPECT_EQ(read(written->filePath), QByteArray("\xEF\xBB\xBFpage"));
    EXPECT_EQ(read(fallbackFolder() + QStringLiteral("/Display.jpg")), QByteArray("new picture"));
    EXPECT_TRUE(m_reporter.messages.isEmpty());
}

TEST_F(ReportWriterTest, NoWritableFolderShowsTheFailure)
{
    blockPage(reportFolder());
    blockPage(fallbackFolder());
    EXPECT_FALSE(ReportWriter::WriteReport(kPage, QStringLiteral("page"), reportFolder(), fallbackFolder()));
    EXPECT_EQ(m_reporter.messages, QStringList { QStringLiteral("Failed to generate report.") });
}

TEST_F(ReportWriterTest, PageWrittenElsewhereTakesThePicturesAlong)
{
    const QString target = m_dir.filePath(QStringLiteral("out/Handout.htm"));
    QDir().mkpath(QFileInfo(target).absolutePath());
    ASSERT_TRUE(ReportWriter::WriteReportTo(target, QStringLiteral("page"), reportFolder()));
    EXPECT_EQ(read(m_dir.filePath(QStringLiteral("out/Display.jpg"))), QByteArray("new picture"));
}

} // namespace
