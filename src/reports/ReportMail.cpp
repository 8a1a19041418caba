#include "ReportMail.h"

#include "base/MessageReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

const char *const CReportMailer::kMailUnavailable = QT_TRANSLATE_NOOP("Report",
    "The e-mail program xdg-email is not available, you need to install it (xdg-utils) and a mail program to "
    "send an e-mail.");
const char *const CReportMailer::kMailFailed
    = QT_TRANSLATE_NOOP("Report", "The e-mail program xdg-email failed with exit status %1.");

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Report", text);
}

// A signal's number as a shell reports it.
constexpr int kSignalStatusBase = 128;

} // namespace

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
        end(translated(kMailUnavailable));
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
        if (status == QProcess::CrashExit)
            exitCode += kSignalStatusBase;
        end(exitCode == 0 ? QString() : translated(kMailFailed).arg(exitCode));
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(translated(kMailUnavailable));
    });
    m_process->start(program, arguments);
}

void CReportMailer::end(const QString &message)
{
    if (m_process) {
        m_process->deleteLater();
        m_process = nullptr;
    }
    if (!message.isEmpty())
        showMessage(message, MsgStyle::IconError);
    emit finished(message.isEmpty());
}
