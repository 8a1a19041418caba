#include "ReportMail.h"

#include "base/MessageReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

const char *const CReportMailer::kMailUnavailable = QT_TRANSLATE_NOOP("Report",
    "The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to "
    "send an e-mail.");

CReportMailer::CReportMailer(QObject *parent)
    : QObject(parent)
{
}

// A mail program still open keeps running when the report window closes.
CReportMailer::~CReportMailer()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->setParent(nullptr);
        connect(m_process, &QProcess::finished, m_process, &QObject::deleteLater);
    }
}

std::optional<QStringList> CReportMailer::Attachments(
    const WrittenReport &report, ReportKind kind, bool displayModel)
{
    QStringList files { report.filePath };
    if (kind != ReportKind::Handout)
        return files;
    const QStringList pictures
        = ReportFiles::PresentPictures(report.folder, ReportFiles::HandoutPictures(displayModel));
    if (pictures.isEmpty()) {
        ReportFiles::ShowMissingFiles();
        return std::nullopt;
    }
    for (const QString &picture : pictures)
        files << QDir(report.folder).filePath(picture);
    return files;
}

void CReportMailer::send(const QString &subject, const QStringList &attachments)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty()) {
        end(false);
        return;
    }
    QStringList arguments { QStringLiteral("--utf8"), QStringLiteral("--subject"), subject };
    for (const QString &file : attachments)
        arguments << QStringLiteral("--attach") << file;

    // The mail program may stay in the foreground until the message is
    // sent; the process is left to run on its own and reports back when it
    // ends.
    m_process = new QProcess(this);
    connect(m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        end(status == QProcess::NormalExit && exitCode == 0);
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(false);
    });
    m_process->start(program, arguments);
}

void CReportMailer::end(bool sent)
{
    if (m_process) {
        m_process->deleteLater();
        m_process = nullptr;
    }
    if (!sent)
        showMessage(QCoreApplication::translate("Report", kMailUnavailable), MsgStyle::IconError);
    emit finished(sent);
}
