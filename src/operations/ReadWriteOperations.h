#pragma once

#include "base/MessageReporter.h"
#include "codeplug/VirtualCP.h"
#include "document/ProfileComparison.h"
#include "operations/RadioBackups.h"
#include "operations/RadioChecks.h"
#include "radio/NamedLock.h"
#include "radio/RadioReport.h"
#include "radio/StopEvent.h"
#include "radio/UsbCable.h"

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class CCableMonitor;
class CProfileDocument;
class CRadioLink;
class CSettingsDocuments;
class QThread;

// A message or a question of a radio operation, handed to the receivers of
// CRadioOperations::message(). A receiver shows it and, for a question, sets
// answer before returning.
struct RadioMessage {
    QString text;
    unsigned style = MsgStyle::Ok; // MsgStyle: buttons and icon, as for showMessage()
    int answer = MsgAnswer::Ok; // MsgAnswer; a question comes preset to No (or Cancel)

    bool isQuestion() const { return (style & MsgStyle::ButtonMask) != MsgStyle::Ok; }
};

// Shows message through the installed MessageReporter (a message box in the
// desktop program, a line on stderr in the command-line tool) and takes its
// answer: a ready receiver for CRadioOperations::message().
void showWithReporter(RadioMessage &message);

// The radio has a codeplug password other than the remembered one. A
// receiver of CRadioOperations::passwordRequested() asks the user, stores
// the typed text and sets accepted (OK) before returning; a request left
// unaccepted (Cancel) ends the operation quietly as Declined. A wrong
// password is asked for again.
struct PasswordRequest {
    QString typed;
    bool accepted = false;
};

// Read, write and reset of a radio, from the command to the end of the
// transfer: the identify step, the compatibility checks, the codeplug
// password, the worker threads that hold the cable mutex, and the transfer
// flag that keeps other running copies from polling the cable meanwhile.
//
// The operations are asynchronous: start one, keep running the event loop,
// and watch the signals. Talking to the radio happens on worker threads;
// the checks run on this object's thread between them, where the receivers
// of message() and passwordRequested() answer synchronously (direct
// connections). One operation runs at a time. The cable is opened once per
// operation and held, locked against every other program, until it ends.
//
// The signals of one operation, in order:
//   stageStarted(Identifying) before the identify of a read, write or
//   identify; stageStarted(Reading / Writing / Resetting) before the
//   transfer itself (Resetting also after a cancelled transfer); a write
//   goes BackingUp (the radio's codeplug read and stored), Writing,
//   Verifying (read back and compared with what was sent, then reset);
//   progress(percent) after each step of the current stage, up to 100;
//   message() and passwordRequested() during the checks, and message() for
//   the failure that ends an operation (and for a cancelled write that had
//   reached the radio);
//   finished(outcome) last, once, always from the event loop (never from
//   within a start function).
class CRadioOperations : public QObject {
    Q_OBJECT

public:
    enum class Stage { Identifying, Reading, BackingUp, Writing, Verifying, Resetting };
    Q_ENUM(Stage)

    enum class Outcome {
        Succeeded,
        Failed, // a check, the cable or the radio failed; its message has been sent
        Declined, // the user answered No or cancelled the password: no message
        Cancelled, // cancel(), or the profile's window closed before the write began
    };
    Q_ENUM(Outcome)

    // Opens the cable for one operation; called on a worker thread.
    using CableOpener = std::function<CableOpening()>;

    // openCable: by default the cable port of this run (CablePort::current).
    // monitor may be null: the transfer flag is then kept by an own,
    // unstarted monitor.
    explicit CRadioOperations(const CSettingsDocuments &settings, CableOpener openCable = {},
        CCableMonitor *monitor = nullptr, QObject *parent = nullptr);
    // Cancels an operation under way and waits for its worker.
    ~CRadioOperations() override;

    // Each start answers false (and does nothing) while an operation runs.
    //
    // Identifies the radio into identity().
    bool startIdentify();
    // Identifies, checks, asks for the password and reads the radio into
    // image(), then resets it.
    bool startRead();
    // Writes document's profile after every write check, then resets the
    // radio. The document is used on this thread until stageStarted(Writing)
    // and never after: the image the write sends is taken from it before the
    // transfer starts. documentOwner, when given, is the window that owns
    // the document; if it is destroyed before the image is taken, the write
    // ends Cancelled without touching the document.
    bool startWrite(CProfileDocument &document, QObject *documentOwner = nullptr);
    bool startReset();
    // As startWrite, but once the radio is read the changes are announced
    // by writeReviewed() and nothing is written; finished(Succeeded) then.
    bool startDryRunWrite(CProfileDocument &document);
    // Writes a backup image back into the radio, after the region, codeplug
    // version, model and password checks; a backup of another radio (by
    // serial) is asked about first.
    bool startRestore(const VirtualCP &backup);

    // Stops the operation under way at its next block (a radio that has gone
    // silent within one read time-out). A stopped read or write resets the
    // radio; a stopped write that had reached the radio says it is partly
    // written. finished(Cancelled) follows.
    void cancel();
    bool isRunning() const { return m_running; }

    // The results of the last operation; read them when none is running.
    const VirtualCP &image() const { return m_image; }
    const RadioIdentity &identity() const { return m_identity; }
    // Why the last operation's cable did not open (CableError::Ok when it
    // did): DeviceNotFound for no cable, DeviceBusy for a cable in use.
    CableStatus cableStatus() const { return m_cableStatus; }
    // Set by the password prompt and, after a write, to the password the
    // radio was given.
    const QString &rememberedPassword() const { return m_rememberedPassword; }
    // The radio traffic of the last operation, with its stages and result
    // (also kept on disk by RadioTraceStore).
    const QString &lastTrace() const { return m_lastTrace; }
    // The backup the last read or write stored, if any.
    const std::optional<RadioBackup> &lastBackup() const { return m_results.backup; }
    // What the radio did not keep of the last write (empty when it kept all).
    const QList<ProfileDifference> &notKept() const { return m_results.notKept; }

    // How long a reset waits for the radio to restart (the engine's default
    // unless set; tests against the emulator need no wait).
    void setResetSettleTime(std::chrono::milliseconds wait) { m_resetSettle = wait; }
    // The decimal separator of the frequencies writeReviewed() lists ("." unless set).
    void setDecimalSeparator(const QString &separator) { m_decimalSeparator = separator; }

    // The named lock held around each stage (CableSharing::cableMutexName
    // of this object's cable; the default cable's by default).
    void setCableLockName(const QString &name) { m_cableLockName = name; }
    // Whether an identify also reads the radio's serial number into
    // serial() (one request more; off by default).
    void setIdentifiesSerial(bool on) { m_identifiesSerial = on; }
    const QString &serial() const { return m_serial; }

signals:
    void stageStarted(CRadioOperations::Stage stage);
    void progress(int percent);
    void message(RadioMessage &message);
    void passwordRequested(PasswordRequest &request);
    void finished(CRadioOperations::Outcome outcome);
    // Before a write, once the radio's codeplug is read: what the write
    // changes in the radio. Clearing proceed stops the write there (the
    // operation ends Declined); a dry run comes with proceed cleared.
    void writeReviewed(const QList<ProfileDifference> &changes, bool &proceed);
    // After the identify of a read, write or restore succeeded, before any
    // check: identity() (and serial()) hold the radio. Clearing proceed ends
    // the operation there as Declined, nothing sent to the radio.
    void identified(bool &proceed);

protected:
    bool event(QEvent *event) override;

private:
    using Steps = std::function<RadioOutcome(CRadioLink &)>;
    using Continuation = std::function<void(const RadioOutcome &)>;

    // Marks an operation as running; false when one already is.
    bool begin(bool transfer);
    // Runs steps on a worker thread holding the cable mutex (opening the
    // cable first when this operation has none yet), then then() here.
    // A stage that is not cancellable (the reset after a cancel) waits for
    // the cable mutex until this object goes.
    void runStage(Stage stage, Steps steps, Continuation then, bool cancellable = true);
    void stageEnded();
    bool openLink();
    void finish(Outcome outcome);
    void keepTrace(Outcome outcome);
    // finish() from the event loop, for an end found within a start function.
    void finishLater(Outcome outcome);

    // message() with text; the answer.
    int show(const QString &text, unsigned style);
    RadioChecks::Show shower();
    // Sends the failure or status message of outcome; the Outcome it means.
    Outcome reportOutcome(const RadioOutcome &outcome);

    void identify(Continuation then);
    // After the identify of a read or write: true when it succeeded and
    // nothing cancelled it, else the operation has finished.
    bool identifiedForTransfer(const RadioOutcome &outcome);
    bool passwordAccepted();
    // The write checks and the image they let through; the outcome that
    // ends the write instead.
    std::optional<Outcome> takeImage(CProfileDocument &document);
    // Prepare, read, reset.
    void transfer();
    // A stopped read or write resets the radio before it finishes.
    void resetAfterCancel(const RadioOutcome &stopped);
    // The outcome of the reset that ends a transfer of stage.
    static RadioOutcome resetOutcome(Stage stage, const RadioOutcome &reset);

    // The write as a transaction (WriteTransaction.cpp): the radio's
    // codeplug read and stored first, the changes offered for review, the
    // write, the read back and its comparison with what was sent.
    void backUpAndWrite();
    bool writeApproved();
    void writeAndVerify();
    void verified();
    // Stores image as a backup; false after a message when it cannot be.
    bool storeBackup(const VirtualCP &image, const QString &reason);
    // Resets the radio left in programming mode, then finishes with outcome.
    void endWithReset(Outcome outcome);
    void restoreChecked(const VirtualCP &backup);

    const CSettingsDocuments &m_settings;
    CableOpener m_openCable;
    CCableMonitor *m_monitor;
    std::unique_ptr<CCableMonitor> m_ownMonitor;

    bool m_running = false;
    bool m_transfer = false;
    // Of the operation under way: set by cancel(), waited on by a worker
    // blocked on the cable mutex.
    std::shared_ptr<CStopEvent> m_cancel;
    // Set when this object goes: ends every wait of a worker.
    std::shared_ptr<CStopEvent> m_closing = std::make_shared<CStopEvent>();
    // Made by the first worker of an operation, under m_linkMutex so that
    // cancel() reaches it; kept, with its open cable, until the end.
    std::unique_ptr<CRadioLink> m_link;
    QMutex m_linkMutex;
    std::unique_ptr<QThread> m_worker;
    Continuation m_then;
    RadioOutcome m_stageOutcome; // written by the worker

    CProfileDocument *m_document = nullptr;
    QPointer<QObject> m_documentOwner;
    bool m_documentOwned = false;

    VirtualCP m_image {};
    RadioIdentity m_identity {};

    // How the write under way runs; set by its start, cleared at the end.
    struct WriteMode {
        bool dryRun = false;
        bool restore = false;
        QString profileName;
        bool retried = false; // written again after a failed verify
        bool backupRestored = false; // the backup written back after a failed verify
    } m_writeMode;
    // What the last operation left; cleared at the start of the next.
    struct Results {
        std::optional<RadioBackup> backup;
        QList<ProfileDifference> notKept;
    } m_results;
    QString m_decimalSeparator = QStringLiteral(".");
    VirtualCP m_radioImage {}; // the radio's codeplug before the write
    VirtualCP m_readBack {}; // what the radio holds after the write
    QString m_rememberedPassword;
    CableStatus m_cableStatus = CableError::Ok;
    QStringList m_stages; // of the operation under way, for its trace
    QString m_lastTrace;
    std::optional<std::chrono::milliseconds> m_resetSettle;
    QString m_cableLockName = QString::fromLatin1(CableSharing::kCableMutexName);
    bool m_identifiesSerial = false;
    QString m_serial;
};
