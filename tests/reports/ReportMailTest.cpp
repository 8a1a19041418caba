#include "reports/ReportMail.h"

#include "RecordingReporter.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kUnavailable = QString::fromUtf8(CReportMailer::kMailUnavailable);

// An xdg-email on the PATH that notes its arguments, one a line, and ends
// with the given status; or no xdg-email at all.
class ReportMailTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("PATH", QFile::encodeName(m_bin.path())); }
    void TearDown() override { qputenv("PATH", m_oldPath); }

    void installXdgEmail(int status)
    {
        const QString path = m_bin.filePath(QStringLiteral("xdg-email"));
        QFile script(path);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(
            QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\nexit %2\n")
                .arg(m_bin.filePath(QStringLiteral("arguments")))
                .arg(status)
                .toUtf8());
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }
    QStringList arguments() const
    {
        QFile file(m_bin.filePath(QStringLiteral("arguments")));
        return file.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
            : QStringList();
    }
    // Sends and waits for the outcome.
    std::optional<bool> send(const QStringList &attachments)
    {
        CReportMailer mailer;
        std::optional<bool> outcome;
        QEventLoop loop;
        QObject::connect(&mailer, &CReportMailer::finished, &loop, [&](bool sent) {
            outcome = sent;
            loop.quit();
        });
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        mailer.send(QStringLiteral("Customer Handout"), attachments);
        if (!outcome)
            loop.exec();
        return outcome;
    }

    QTemporaryDir m_bin;
    QByteArray m_oldPath = qgetenv("PATH");
    RecordingReporter m_reporter;
};

TEST_F(ReportMailTest, DetailedReportGoesAlone)
{
    const WrittenReport report { dataPath(QStringLiteral("Report")),
        QStringLiteral("/tmp/Detailed Report.htm") };
    EXPECT_EQ(
        CReportMailer::Attachments(report, ReportKind::Detailed, true), QStringList { report.filePath });
}

TEST_F(ReportMailTest, RotaryHandoutTakesItsFourteenPictures)
{
    const WrittenReport report { dataPath(QStringLiteral("Report")),
        QStringLiteral("/tmp/Customer Handout.htm") };
    const std::optional<QStringList> files = CReportMailer::Attachments(report, ReportKind::Handout, false);
    ASSERT_TRUE(files);
    EXPECT_EQ(files->size(), 15);
    EXPECT_EQ(files->first(), report.filePath);
    EXPECT_TRUE(files->contains(QDir(report.folder).filePath(QStringLiteral("Rotary.jpg"))));
}

TEST_F(ReportMailTest, HandoutWithoutPicturesIsNotSent)
{
    const WrittenReport report { m_bin.path(), m_bin.filePath(QStringLiteral("Customer Handout.htm")) };
    EXPECT_FALSE(CReportMailer::Attachments(report, ReportKind::Handout, true));
    EXPECT_EQ(m_reporter.messages.size(), 1);
}

TEST_F(ReportMailTest, MailProgramGetsSubjectAndAttachments)
{
    installXdgEmail(0);
    EXPECT_EQ(send({ QStringLiteral("/r/Customer Handout.htm"), QStringLiteral("/r/1.jpg") }), true);
    EXPECT_EQ(arguments(),
        QStringList({ "--utf8", "--subject", "Customer Handout", "--attach", "/r/Customer Handout.htm",
            "--attach", "/r/1.jpg" }));
    EXPECT_TRUE(m_reporter.messages.isEmpty());
}

TEST_F(ReportMailTest, MissingOrFailingMailProgramIsNamed)
{
    EXPECT_EQ(send({ QStringLiteral("/r/page.htm") }), false);
    installXdgEmail(3);
    EXPECT_EQ(send({ QStringLiteral("/r/page.htm") }), false);
    EXPECT_EQ(m_reporter.messages,
        QStringList({ kUnavailable, QString::fromUtf8(CReportMailer::kMailFailed).arg(3) }));
}

} // namespace
