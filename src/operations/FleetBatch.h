#pragma once

#include "operations/FleetLog.h"
#include "operations/FleetRecord.h"
#include "operations/FleetValues.h"
#include "operations/ReadWriteOperations.h"

#include <QObject>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

class CSettingsDocuments;
class FleetPort;

// How a batch runs.
struct FleetOptions {
    QStringList ports; // the cables: "usb" or serial devices, one worker each
    // Radios in all: 0 means one per port; more than one on a single port
    // is swap mode (the dealer changes the radio on the cable).
    int count = 0;
    std::optional<QString> password; // given once; a radio with another one fails
    bool answerYes = false; // the write's questions answered Yes, else the radio fails
    bool writeAgain = false; // a radio already done in this batch is written again
    QString logFolder; // empty: FleetLog::newFolder()
    // Swap mode: how often the cable is asked for the next radio (the
    // cable-status pace).
    std::chrono::milliseconds pollInterval { 1000 };
    std::optional<std::chrono::milliseconds> resetSettle; // see CRadioOperations
};

// One profile written into many radios, with per-radio values, backup and
// verify for each, and a log. Each port has its own worker (its own
// CRadioOperations and cable lock), so several cables work at once and a
// radio that fails does not stop the others. Lives on the thread whose
// event loop runs it (the profile copies are made and used there).
//
// Signals, per radio on a port: radioStarted, radioIdentified, then
// stageStarted/progress of its write, then radioFinished with its record
// (already in the log). In swap mode between radios: waitingForRadio, and
// radioAlreadyDone for a radio of this batch put back on the cable.
// finished last, once, after every worker ended.
class CFleetBatch : public QObject {
    Q_OBJECT

public:
    explicit CFleetBatch(const CSettingsDocuments &settings, QObject *parent = nullptr);
    // Cancels what runs and waits for the workers.
    ~CFleetBatch() override;

    // Checks the options, the profile and the values (every row applied to
    // a copy of the profile), opens the log and starts the workers. False
    // with error, and no request sent to any cable, when any of it is
    // refused; also while a batch runs.
    bool start(
        const ProfileSource &profile, const FleetValues &values, const FleetOptions &options, QString &error);
    // Starts no further radio; the radios being written finish.
    void stop();
    // As stop, and cancels the radios being written (each is reset, and
    // one that was partly written says so in its record).
    void cancel();
    bool isRunning() const { return m_running; }

    const QList<FleetRecord> &records() const { return m_records; }
    QString logFolder() const { return m_log.folder(); }
    // Radios finished ok so far.
    int succeeded() const;

signals:
    // A worker starts on the next radio on port (order is not known yet).
    void radioStarted(const QString &port);
    // The radio on port is identified and will be written: record holds
    // port, order, serial, model, firmware, profileName and values.
    void radioIdentified(const FleetRecord &record);
    void stageStarted(const QString &port, CRadioOperations::Stage stage);
    void progress(const QString &port, int percent);
    // Swap mode: port waits for the next radio; done of the batch so far.
    void waitingForRadio(const QString &port, int done);
    // Swap mode: a radio written earlier in this batch is on port; it is
    // skipped (unless FleetOptions::writeAgain) until the next arrives.
    void radioAlreadyDone(const QString &port, const QString &serial);
    void radioFinished(const FleetRecord &record);
    // A log line could not be written (the batch goes on).
    void logFailed(const QString &error);
    // Every worker has ended; allSucceeded when every radio of the batch
    // was written and verified.
    void finished(bool allSucceeded);

private:
    friend class FleetPort;

    // Called by the workers.
    int nextOrder() { return ++m_started; }
    // Swap mode: every radio of the count has started.
    bool countReached() const { return m_options.count > 0 && m_started >= m_options.count; }
    bool alreadyDone(const QString &serial) const;
    void record(const FleetRecord &record);
    void portEnded();

    const CSettingsDocuments &m_settings;
    FleetOptions m_options;
    ProfileSource m_profile;
    // The profile as start opened it: what every radio without values of
    // its own is written from (a write leaves its document as it is).
    std::unique_ptr<CProfileDocument> m_sharedProfile;
    FleetValues m_values;
    FleetLog m_log;
    std::vector<std::unique_ptr<FleetPort>> m_ports;
    QList<FleetRecord> m_records;
    int m_started = 0;
    int m_runningPorts = 0;
    bool m_running = false;
    bool m_stopping = false;
};
