#pragma once

#include "operations/FleetRecord.h"
#include "operations/ReadWriteOperations.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class CFleetBatch;

// The worker of one cable in a batch: writes the radio on it, or in swap
// mode asks the cable for each next radio at the cable-status pace and
// writes every new one, until the batch has its count.
class FleetPort : public QObject {
    Q_OBJECT

public:
    FleetPort(CFleetBatch &batch, const QString &port, bool swapMode);

    void start();
    // No further radio; a write under way finishes (or, cancelled, is reset).
    void stop(bool cancelWrite);
    bool isDone() const { return m_state == State::Done; }

private:
    enum class State { Polling, Writing, Done };

    void poll();
    void polled(CRadioOperations::Outcome outcome);
    void write();
    void identified(bool &proceed);
    // Fills the record of the radio just identified; false (why in
    // m_messages) when its values cannot be applied.
    bool takeRadio();
    void written(CRadioOperations::Outcome outcome);
    void message(RadioMessage &message);
    void password(PasswordRequest &request);
    // Next radio or the end of this port.
    void next();
    // Swap mode: says once, until the next radio starts, that the port
    // waits for one.
    void announceWaiting();
    void end();
    QString failureText(CRadioOperations::Outcome outcome) const;

    CFleetBatch &m_batch;
    const QString m_port;
    const bool m_swapMode;
    CRadioOperations m_operations;
    State m_state = State::Polling;
    bool m_stopped = false;
    QTimer m_pollTimer;

    // The radio being written.
    std::unique_ptr<CProfileDocument> m_document;
    FleetRecord m_record;
    QStringList m_messages;
    QElapsedTimer m_clock;
    bool m_skipped = false; // its identify found a radio not to write
    bool m_passwordOffered = false;

    // Swap mode: the serial of the radio last seen on the cable, so that a
    // radio is written once when it arrives, not again while it stays.
    QString m_onCable;
    bool m_waitAnnounced = false;
};
