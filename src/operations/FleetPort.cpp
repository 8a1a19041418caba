#include "operations/FleetPort.h"

#include "document/ProfileDocument.h"
#include "operations/FleetBatch.h"
#include "radio/CablePort.h"

#include <QFileInfo>

namespace {

QString firmwareOf(const RadioIdentity &identity)
{
    QString text;
    for (uint8_t character : { identity.firmwarePhase, identity.firmwareVersion, identity.firmwareRevision })
        text += character ? QChar(character) : QChar();
    return text.remove(QChar());
}

} // namespace

FleetPort::FleetPort(CFleetBatch &batch, const QString &port, bool swapMode)
    : m_batch(batch)
    , m_port(port)
    , m_swapMode(swapMode)
    , m_operations(batch.m_settings, [port] { return CablePort::open(port); })
{
    m_operations.setCableLockName(CablePort::lockName(port));
    m_operations.setIdentifiesSerial(true);
    if (batch.m_options.resetSettle)
        m_operations.setResetSettleTime(*batch.m_options.resetSettle);
    m_pollTimer.setSingleShot(true);
    m_pollTimer.setInterval(batch.m_options.pollInterval);
    connect(&m_pollTimer, &QTimer::timeout, this, &FleetPort::poll);
    connect(&m_operations, &CRadioOperations::identified, this, &FleetPort::identified);
    connect(&m_operations, &CRadioOperations::message, this, &FleetPort::message);
    connect(&m_operations, &CRadioOperations::passwordRequested, this, &FleetPort::password);
    connect(&m_operations, &CRadioOperations::stageStarted, this, [this](CRadioOperations::Stage stage) {
        if (m_state == State::Writing)
            emit m_batch.stageStarted(m_port, stage);
    });
    connect(&m_operations, &CRadioOperations::progress, this, [this](int percent) {
        if (m_state == State::Writing)
            emit m_batch.progress(m_port, percent);
    });
    connect(&m_operations, &CRadioOperations::finished, this, [this](CRadioOperations::Outcome outcome) {
        if (m_state == State::Writing)
            written(outcome);
        else if (m_state == State::Polling)
            polled(outcome);
    });
}

void FleetPort::start()
{
    if (m_swapMode)
        poll();
    else
        write();
}

void FleetPort::stop(bool cancelWrite)
{
    m_stopped = true;
    if (m_state == State::Writing) {
        if (cancelWrite)
            m_operations.cancel();
        return;
    }
    m_pollTimer.stop();
    if (m_operations.isRunning())
        m_operations.cancel(); // a poll: its end ends this port
    else
        end();
}

void FleetPort::poll()
{
    if (m_stopped || m_batch.countReached())
        return end();
    m_state = State::Polling;
    m_operations.startIdentify();
}

void FleetPort::polled(CRadioOperations::Outcome outcome)
{
    if (m_stopped || m_batch.countReached())
        return end();
    const QString serial
        = outcome == CRadioOperations::Outcome::Succeeded ? m_operations.serial() : QString();
    if (serial.isEmpty() || serial == m_onCable) {
        // No radio (or the one already seen): the next one may come now.
        if (serial.isEmpty())
            m_onCable.clear();
        announceWaiting();
        return m_pollTimer.start();
    }
    m_onCable = serial;
    if (m_batch.alreadyDone(serial) && !m_batch.m_options.writeAgain) {
        emit m_batch.radioAlreadyDone(m_port, serial);
        return m_pollTimer.start();
    }
    write();
}

void FleetPort::write()
{
    m_state = State::Writing;
    m_waitAnnounced = false;
    m_record = FleetRecord {};
    m_record.port = m_port;
    m_messages.clear();
    m_skipped = false;
    m_passwordOffered = false;
    m_clock.start();
    emit m_batch.radioStarted(m_port);
    // Only a radio with values of its own needs a copy of the profile.
    if (!m_batch.m_values.isEmpty()) {
        m_document = m_batch.m_profile();
        if (!m_document) {
            m_messages << tr("The profile cannot be opened.");
            return written(CRadioOperations::Outcome::Failed);
        }
    }
    CProfileDocument &profile = m_document ? *m_document : *m_batch.m_sharedProfile;
    m_record.profileName = QFileInfo(profile.path()).completeBaseName();
    m_operations.startWrite(profile);
}

void FleetPort::identified(bool &proceed)
{
    if (m_state != State::Writing)
        return;
    const QString serial = m_operations.serial();
    // The cable may have got another radio since the poll saw this one.
    m_skipped = m_batch.countReached()
        || (m_swapMode && m_batch.alreadyDone(serial) && !m_batch.m_options.writeAgain);
    proceed = !m_skipped && takeRadio();
}

bool FleetPort::takeRadio()
{
    const RadioIdentity &identity = m_operations.identity();
    m_record.order = m_batch.nextOrder();
    m_record.serial = m_operations.serial();
    m_record.model = RadioBackups::modelOf(identity);
    m_record.firmware = firmwareOf(identity);
    const FleetValues &values = m_batch.m_values;
    const FleetValues::Row *row = values.rowFor(m_record.serial, m_record.order);
    if (row)
        m_record.values = FleetValues::values(*row);
    emit m_batch.radioIdentified(m_record);
    if (values.isEmpty())
        return true;
    if (!row) {
        m_messages << tr("The values file has no row for this radio.");
        return false;
    }
    const CommandVerdict verdict
        = FleetValues::apply(*m_document, *row, [this](const CommandQuestion &question) {
              RadioMessage asked { question.text, question.style, MsgAnswer::No };
              message(asked);
              return asked.answer == MsgAnswer::Yes || asked.answer == MsgAnswer::Ok;
          });
    if (!verdict.accepted() && !verdict.message.isEmpty())
        m_messages << verdict.message;
    return verdict.accepted();
}

void FleetPort::message(RadioMessage &message)
{
    if (m_state != State::Writing)
        return; // a poll finding no radio says nothing
    if (!message.isQuestion()) {
        m_messages << message.text;
    } else if (m_batch.m_options.answerYes) {
        message.answer
            = (message.style & MsgStyle::ButtonMask) == MsgStyle::OkCancel ? MsgAnswer::Ok : MsgAnswer::Yes;
    } else {
        m_messages << tr("Not answered (no Yes given for the batch): %1").arg(message.text);
    }
}

void FleetPort::password(PasswordRequest &request)
{
    const std::optional<QString> &given = m_batch.m_options.password;
    if (given && !m_passwordOffered) {
        m_passwordOffered = true;
        request.typed = *given;
        request.accepted = true;
        return;
    }
    m_messages << tr("The radio has a codeplug password other than the one given for the batch.");
}

QString FleetPort::failureText(CRadioOperations::Outcome outcome) const
{
    switch (outcome) {
    case CRadioOperations::Outcome::Cancelled:
        return tr("Cancelled.");
    case CRadioOperations::Outcome::Succeeded:
        return tr("The radio did not keep what was written.");
    default:
        return tr("Not written.");
    }
}

void FleetPort::written(CRadioOperations::Outcome outcome)
{
    m_document.reset();
    if (m_skipped) {
        m_onCable = m_operations.serial();
        if (!m_onCable.isEmpty() && m_batch.alreadyDone(m_onCable))
            emit m_batch.radioAlreadyDone(m_port, m_onCable);
        return next();
    }
    // Ok only for a write whose read-back matched what was sent.
    m_record.ok = outcome == CRadioOperations::Outcome::Succeeded && m_operations.notKept().isEmpty();
    if (m_operations.lastBackup())
        m_record.backup = m_operations.lastBackup()->imagePath;
    if (!m_record.ok && m_messages.isEmpty())
        m_messages << failureText(outcome);
    m_record.message = m_messages.join(QLatin1Char(' '));
    m_record.seconds = double(m_clock.elapsed()) / 1000.0;
    m_record.ended = QDateTime::currentDateTimeUtc();
    m_onCable = m_record.serial;
    m_batch.record(m_record);
    next();
}

void FleetPort::next()
{
    if (!m_swapMode || m_stopped || m_batch.countReached())
        return end();
    m_state = State::Polling;
    announceWaiting();
    m_pollTimer.start();
}

void FleetPort::announceWaiting()
{
    if (!m_waitAnnounced)
        emit m_batch.waitingForRadio(m_port, m_batch.succeeded());
    m_waitAnnounced = true;
}

void FleetPort::end()
{
    if (m_state == State::Done)
        return;
    m_state = State::Done;
    m_batch.portEnded();
}
