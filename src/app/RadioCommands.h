#pragma once

#include "ReadWriteDialog.h"
#include "operations/ReadWriteOperations.h"

#include <QObject>
#include <QPointer>

class CMainFrame;
class CProductContext;
class CProfileWindow;

// The Device commands: Read, Write and Reset run as radio operations while
// the main window goes on; the progress window shows the transfer and can
// stop it, messages and the password prompt come up as the operation asks,
// and a profile read from the radio becomes a new profile or replaces the
// active one.
class CRadioCommands : public QObject {
    Q_OBJECT

public:
    CRadioCommands(
        CMainFrame &frame, const CProductContext &context, CCableMonitor &monitor, QObject *parent = nullptr);

    void read();
    void write();
    void reset();
    // Lists the stored radio backups; the one chosen is written back into
    // the radio on the cable.
    void restoreBackup();
    bool isIdle() const { return !m_operations.isRunning(); }

    CRadioOperations &operations() { return m_operations; }
    // The progress window while a transfer runs.
    CReadWriteDialog *progressWindow() const { return m_progress; }

    // Asks for the codeplug password of a radio holding radioPassword;
    // false for Cancel.
    using PasswordPrompt = std::function<bool(const QString &radioPassword, QString &typed)>;
    void setPasswordPrompt(PasswordPrompt prompt) { m_askPassword = std::move(prompt); }
    // Shows what a write changes in the radio; true for Write. sameModel: the
    // profile is of the radio's own model. By default the review dialog.
    using WriteReview = std::function<bool(const QList<ProfileDifference> &changes, bool sameModel)>;
    void setWriteReview(WriteReview review) { m_review = std::move(review); }

    // Reads the radio on the cable, as Read does, and hands its codeplug to
    // done instead of opening it as a profile.
    void readImage(std::function<void(const VirtualCP &image)> done);

signals:
    // The operation ended (after the progress window closed).
    void operationEnded(CRadioOperations::Outcome outcome);

private:
    // Common start of every command: the Device commands stay off until the
    // cable status after the end brings them back.
    void started(bool ok);
    void onStageStarted(CRadioOperations::Stage stage);
    void onMessage(RadioMessage &message);
    void onPassword(PasswordRequest &request);
    // Shows what a write changes in the radio and asks whether to write it.
    void onWriteReviewed(const QList<ProfileDifference> &changes, bool &proceed);
    void onFinished(CRadioOperations::Outcome outcome);
    // After a successful read: a new profile, or the active one replaced.
    void takeReadProfile();

    CMainFrame &m_frame;
    CRadioOperations m_operations;
    PasswordPrompt m_askPassword;
    WriteReview m_review;
    // The model of the profile being written.
    QString m_writtenModel;
    // Takes the image of the read under way instead of a profile.
    std::function<void(const VirtualCP &image)> m_takeImage;
    QPointer<CReadWriteDialog> m_progress;
    bool m_reading = false;
};
