#pragma once

#include "ReportFiles.h"
#include "ReportWriter.h"

#include <QObject>
#include <QStringList>

#include <optional>

class QProcess;

// Hands a written report to the user's mail program through xdg-email
// (xdg-utils), which opens a new message with the files attached; the user
// completes and sends it there.
class CReportMailer : public QObject {
    Q_OBJECT

public:
    explicit CReportMailer(QObject *parent = nullptr);
    ~CReportMailer() override;

    // The files a report is mailed with: the page first, then for a handout
    // every picture of the model's list that its folder holds. Nothing,
    // after the missing-files message, for a handout without any picture.
    static std::optional<QStringList> Attachments(
        const WrittenReport &report, ReportKind kind, bool displayModel);

    // Starts xdg-email with the subject and the attachments. When it cannot
    // be found or does not start, shows kMailUnavailable; when it ends with a
    // failure, kMailFailed with its exit status (128 and the signal for a
    // crash, as a shell says). finished() tells the outcome either way.
    void send(const QString &subject, const QStringList &attachments);
    bool isRunning() const { return m_process != nullptr; }

    static const char *const kMailUnavailable;
    static const char *const kMailFailed;

signals:
    void finished(bool sent);

private:
    // message: shown when not empty, which means the mail was not sent.
    void end(const QString &message);

    QProcess *m_process = nullptr;
};
