#pragma once

#include "codeplug/VirtualCP.h"
#include "radio/RadioReport.h"
#include "radio/UsbCable.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>
#include <memory>

class CCableMonitor;
class CRadioLink;
class CProfileDocument;
class CSettingsDocuments;

// Read, write and reset of a radio, from the command to the end of the
// transfer: the identify step, the compatibility checks, the codeplug
// password, the worker threads that hold the cable mutex, and the transfer
// flag that keeps other running copies from polling the cable meanwhile.
// Messages go through the message reporter; progress goes to the progress
// callback. Each operation returns when the transfer has ended.
class CRadioOperations : public QObject
{
    Q_OBJECT

public:
    // Asks for the codeplug password; false for Cancel.
    using PasswordPrompt = std::function<bool(QString &typed)>;
    using ProgressCallback = std::function<void(int percent)>;
    // Makes the cable connection of each operation.
    using CableFactory = std::function<std::unique_ptr<CUsbCable>()>;

    // monitor may be null: the transfer flag is then kept by an own,
    // unstarted monitor.
    CRadioOperations(const CSettingsDocuments &settings, CCableMonitor *monitor = nullptr,
                     CableFactory cables = {});
    ~CRadioOperations() override;

    void setPasswordPrompt(PasswordPrompt prompt) { m_prompt = std::move(prompt); }
    void setProgressCallback(ProgressCallback progress) { m_progress = std::move(progress); }
    // How long a reset waits for the radio to restart (the engine's default
    // unless set; tests against the emulator need no wait).
    void setResetSettleTime(std::chrono::milliseconds wait) { m_resetSettle = wait; }

    // Identifies the radio into identity(); false after the failure message.
    bool Identify();
    // Reads the radio into image() after the checks and the password.
    bool Read();
    // Writes the document's profile after every write check. False when a
    // check failed (its message shown), the user declined or cancelled, or
    // the transfer failed.
    bool Write(CProfileDocument &document);
    bool Reset();

    const VirtualCP &image() const { return m_image; }
    const RadioIdentity &identity() const { return m_identity; }
    const QString &rememberedPassword() const { return m_rememberedPassword; }

protected:
    bool event(QEvent *event) override;

private:
    // Runs steps on a worker thread holding the cable mutex, delivering its
    // reports here, and returns the first outcome that is not a success.
    RadioOutcome runWorker(const std::function<RadioOutcome(CRadioLink &)> &steps);
    bool identifyForTransfer();
    bool passwordAccepted();
    // Shows the failure or status text of outcome; true on success.
    bool reportOutcome(const RadioOutcome &outcome);
    void setTransferActive(bool active);

    const CSettingsDocuments &m_settings;
    CCableMonitor *m_monitor;
    std::unique_ptr<CCableMonitor> m_ownMonitor;
    CableFactory m_cables;
    PasswordPrompt m_prompt;
    ProgressCallback m_progress;
    VirtualCP m_image {};
    RadioIdentity m_identity {};
    QString m_rememberedPassword;
    int m_lastProgress = 0;
    std::optional<std::chrono::milliseconds> m_resetSettle;
};
