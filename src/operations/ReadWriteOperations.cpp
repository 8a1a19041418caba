#include "operations/ReadWriteOperations.h"

#include "base/VelaException.h"
#include "document/ProfileDocument.h"
#include "operations/RadioChecks.h"
#include "radio/CableMonitor.h"
#include "radio/CablePort.h"
#include "radio/NamedLock.h"
#include "radio/RadioLink.h"
#include "radio/RadioTraceStore.h"
#include "radio/StopEvent.h"
#include "settings/ModelRules.h"

#include <QFileInfo>
#include <QMetaEnum>
#include <QThread>

namespace {

RadioOutcome firstFailure(std::initializer_list<std::function<RadioOutcome()>> steps)
{
    for (const auto &step : steps) {
        const RadioOutcome outcome = step();
        if (!outcome.succeeded())
            return outcome;
    }
    return RadioOutcome {};
}

// The answer of a message nobody answered: Ok, or for a question No (Cancel
// when it has no No).
int unansweredChoice(unsigned style)
{
    const unsigned buttons = style & MsgStyle::ButtonMask;
    if (buttons == MsgStyle::Ok)
        return MsgAnswer::Ok;
    return buttons == MsgStyle::OkCancel ? MsgAnswer::Cancel : MsgAnswer::No;
}

const RadioOutcome kCommunicationFailure { RadioReport::Failed, RadioReport::kCommunicationFailure };
const RadioOutcome kCancelled { RadioReport::Cancelled, 0 };

} // namespace

void showWithReporter(RadioMessage &message)
{
    message.answer = showMessage(message.text, message.style);
}

CRadioOperations::CRadioOperations(
    const CSettingsDocuments &settings, CableOpener openCable, CCableMonitor *monitor, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_openCable(openCable ? std::move(openCable) : [] { return CablePort::open(CablePort::current()); })
    , m_monitor(monitor)
{
    if (!m_monitor) {
        m_ownMonitor = std::make_unique<CCableMonitor>(nullptr);
        m_monitor = m_ownMonitor.get();
    }
}

CRadioOperations::~CRadioOperations()
{
    m_closing->set();
    cancel();
    if (m_worker)
        m_worker->wait();
    if (m_running && m_transfer)
        m_monitor->setTransferActive(false);
}

bool CRadioOperations::event(QEvent *event)
{
    if (event->type() != RadioReport::eventType())
        return QObject::event(event);
    const auto *report = static_cast<RadioReportEvent *>(event);
    if (report->wParam() == RadioReport::Progress)
        emit progress(report->lParam());
    return true;
}

bool CRadioOperations::begin(bool transfer)
{
    if (m_running)
        return false;
    m_running = true;
    m_transfer = transfer;
    m_results = {};
    m_cancel = std::make_shared<CStopEvent>();
    m_cableStatus = CableError::Ok;
    if (transfer)
        m_monitor->setTransferActive(true);
    return true;
}

void CRadioOperations::runStage(Stage stage, Steps steps, Continuation then, bool cancellable)
{
    m_then = std::move(then);
    m_stages << QString::fromLatin1(QMetaEnum::fromType<Stage>().valueToKey(int(stage)));
    emit stageStarted(stage);
    // The reset after a cancel must not give up on the cable mutex because
    // the cancel is set: it waits for a scan that holds the mutex to end.
    const std::shared_ptr<CStopEvent> waitEnds = cancellable ? m_cancel : m_closing;
    m_worker.reset(QThread::create([this, steps = std::move(steps), cancel = m_cancel, waitEnds] {
        // The cable mutex is held for the whole stage, so no cable scan of
        // this or another copy runs meanwhile.
        CNamedLock cableMutex(CableSharing::runtimeDirectory(), m_cableLockName);
        CNamedLockGuard guard(cableMutex, *waitEnds);
        if (!guard.ownsLock())
            m_stageOutcome = cancel->isSet() ? kCancelled : kCommunicationFailure;
        else if (!m_link && !openLink())
            m_stageOutcome = kCommunicationFailure;
        else
            m_stageOutcome = steps(*m_link);
    }));
    // Queued: it arrives after the progress the stage posted here.
    connect(m_worker.get(), &QThread::finished, this, &CRadioOperations::stageEnded);
    m_worker->start();
}

bool CRadioOperations::openLink()
{
    CableOpening opening = m_openCable();
    QMutexLocker lock(&m_linkMutex);
    m_cableStatus = opening.status;
    if (!opening.cable)
        return false;
    m_link = std::make_unique<CRadioLink>(this, std::move(opening.cable));
    if (m_resetSettle)
        m_link->setResetSettleTime(*m_resetSettle);
    if (m_cancel->isSet())
        m_link->cancel();
    return true;
}

void CRadioOperations::stageEnded()
{
    m_worker->wait();
    m_worker.reset();
    const Continuation then = std::move(m_then);
    then(m_stageOutcome);
}

void CRadioOperations::cancel()
{
    if (!m_running)
        return;
    m_cancel->set();
    QMutexLocker lock(&m_linkMutex);
    if (m_link)
        m_link->cancel();
}

void CRadioOperations::finish(Outcome outcome)
{
    {
        QMutexLocker lock(&m_linkMutex);
        keepTrace(outcome);
        m_link.reset(); // releases the cable
    }
    if (m_transfer)
        m_monitor->setTransferActive(false);
    // A transfer that failed may have lost its cable (unplugged, or the
    // emulator gone): the status says so now, not seconds later.
    if (m_transfer && outcome == Outcome::Failed)
        m_monitor->recheckNow();
    m_running = false;
    m_writeMode = {};
    m_document = nullptr;
    m_documentOwner.clear();
    emit finished(outcome);
}

void CRadioOperations::keepTrace(Outcome outcome)
{
    m_lastTrace = m_link ? m_link->protocol().trace().text() : CRadioTrace().text();
    m_lastTrace += QStringLiteral("# stages: %1\n# cable status: %2\n# result: %3\n")
                       .arg(m_stages.join(QLatin1Char(' ')))
                       .arg(m_cableStatus)
                       .arg(QString::fromLatin1(QMetaEnum::fromType<Outcome>().valueToKey(int(outcome))));
    m_stages.clear();
    RadioTraceStore::keep(m_lastTrace);
}

void CRadioOperations::finishLater(Outcome outcome)
{
    QMetaObject::invokeMethod(
        this, [this, outcome] { finish(outcome); }, Qt::QueuedConnection);
}

int CRadioOperations::show(const QString &text, unsigned style)
{
    RadioMessage shown { text, style, unansweredChoice(style) };
    emit message(shown);
    return shown.answer;
}

RadioChecks::Show CRadioOperations::shower()
{
    return [this](const QString &text, unsigned style) { return show(text, style); };
}

CRadioOperations::Outcome CRadioOperations::reportOutcome(const RadioOutcome &outcome)
{
    switch (outcome.kind) {
    case RadioReport::Finished:
        return Outcome::Succeeded;
    case RadioReport::Cancelled:
        if (outcome.partlyWritten)
            show(RadioChecks::PartlyWrittenText(), MsgStyle::IconWarning);
        return Outcome::Cancelled;
    case RadioReport::MemoryStatus:
        show(RadioChecks::MemoryStatusText(outcome.value), MsgStyle::IconWarning);
        return Outcome::Failed;
    default:
        break;
    }
    QStringList text { RadioChecks::FailureText(outcome.value) };
    text << RadioChecks::CableFailureText(m_cableStatus);
    if (outcome.partlyWritten)
        text << RadioChecks::PartlyWrittenText();
    text.removeAll(QString());
    show(text.join(QLatin1Char(' ')), MsgStyle::IconError);
    return Outcome::Failed;
}

void CRadioOperations::identify(Continuation then)
{
    m_identity = RadioIdentity {};
    m_serial.clear();
    runStage(
        Stage::Identifying,
        [this](CRadioLink &link) {
            const RadioOutcome outcome = link.Identify(m_identity);
            return outcome.succeeded() && m_identifiesSerial ? link.ReadSerial(m_serial) : outcome;
        },
        std::move(then));
}

bool CRadioOperations::identifiedForTransfer(const RadioOutcome &outcome)
{
    const Outcome end = m_cancel->isSet() ? Outcome::Cancelled : reportOutcome(outcome);
    bool proceed = true;
    if (end == Outcome::Succeeded)
        emit identified(proceed);
    if (end == Outcome::Succeeded && proceed)
        return true;
    finish(proceed ? end : Outcome::Declined);
    return false;
}

bool CRadioOperations::passwordAccepted()
{
    const QString radioPassword = RadioChecks::RadioPassword(m_identity);
    while (!radioPassword.isEmpty() && radioPassword != m_rememberedPassword) {
        PasswordRequest request;
        emit passwordRequested(request);
        if (!request.accepted)
            return false;
        m_rememberedPassword = request.typed;
    }
    return true;
}

void CRadioOperations::transfer()
{
    if (m_cancel->isSet())
        return finish(Outcome::Cancelled);
    runStage(
        Stage::Reading,
        [this](CRadioLink &link) {
            return firstFailure({ [&] { return link.Prepare(); }, [&] { return link.ReadCodeplug(m_image); },
                [&] { return link.ResetRadio(); } });
        },
        [this](const RadioOutcome &outcome) {
            if (outcome.kind == RadioReport::Cancelled)
                return resetAfterCancel(outcome);
            if (outcome.succeeded())
                storeBackup(m_image, RadioBackups::kReasonRead);
            finish(reportOutcome(outcome));
        });
}

RadioOutcome CRadioOperations::resetOutcome(Stage stage, const RadioOutcome &reset)
{
    // Once every block of a write is acknowledged the radio holds the
    // profile; a reset lost with the cable (the radio restarts with it at
    // its next power-up) is no failed write.
    const bool lostAfterWrite = stage == Stage::Writing && reset.kind == RadioReport::Failed
        && reset.value == RadioReport::kCommunicationFailure;
    return lostAfterWrite ? RadioOutcome {} : reset;
}

void CRadioOperations::resetAfterCancel(const RadioOutcome &stopped)
{
    runStage(
        Stage::Resetting, [](CRadioLink &link) { return link.ResetRadio(); },
        [this, stopped](const RadioOutcome &reset) {
            reportOutcome(stopped);
            reportOutcome(reset);
            finish(Outcome::Cancelled);
        },
        false);
}

bool CRadioOperations::startIdentify()
{
    if (!begin(false))
        return false;
    identify([this](const RadioOutcome &outcome) { finish(reportOutcome(outcome)); });
    return true;
}

bool CRadioOperations::startRead()
{
    if (!begin(true))
        return false;
    identify([this](const RadioOutcome &outcome) {
        if (!identifiedForTransfer(outcome))
            return;
        const RadioChecks::Show show = shower();
        if (!RadioChecks::CheckRegion(m_identity, m_settings, RadioChecks::Transfer::Read, show)
            || !RadioChecks::CheckCodeplugVersion(m_identity, m_settings, show))
            return finish(Outcome::Failed);
        if (!passwordAccepted())
            return finish(Outcome::Declined);
        transfer();
    });
    return true;
}

bool CRadioOperations::startWrite(CProfileDocument &document, QObject *documentOwner)
{
    if (!begin(true))
        return false;
    if (!ModelRules::CheckChannelFrequencyRange(document.root())) {
        show(ModelRules::text(ModelRules::kRangeMessage), MsgStyle::IconWarning);
        finishLater(Outcome::Failed);
        return true;
    }
    m_document = &document;
    m_documentOwner = documentOwner;
    m_documentOwned = documentOwner != nullptr;
    identify([this](const RadioOutcome &outcome) {
        if (!identifiedForTransfer(outcome))
            return;
        if (m_documentOwned && !m_documentOwner)
            return finish(Outcome::Cancelled);
        CProfileDocument &profile = *std::exchange(m_document, nullptr);
        m_writeMode.profileName = QFileInfo(profile.path()).completeBaseName();
        if (const std::optional<Outcome> refused = takeImage(profile))
            return finish(*refused);
        backUpAndWrite();
    });
    return true;
}

std::optional<CRadioOperations::Outcome> CRadioOperations::takeImage(CProfileDocument &document)
{
    const RadioChecks::Show show = shower();
    if (!RadioChecks::CheckRegion(m_identity, m_settings, RadioChecks::Transfer::Write, show)
        || !RadioChecks::CheckCodeplugVersion(m_identity, m_settings, show))
        return Outcome::Failed;
    m_image = VirtualCP {};
    if (!RadioChecks::CheckWriteCompatibility(document, m_identity, m_settings, show))
        return Outcome::Failed;
    try {
        if (document.GetVirtualCPData(m_image, m_identity) != 1)
            return Outcome::Failed;
    } catch (const CVelaCPSException &exception) {
        show(exception.text(), MsgStyle::IconError);
        return Outcome::Failed;
    }
    if (!RadioChecks::ConvertTier(m_image, m_identity, show) || !passwordAccepted())
        return Outcome::Declined;
    CDataItem factory;
    document.root().GetChildByName(QStringLiteral("factory_setting"), factory);
    RadioChecks::NoticeOlderRadioCodeplug(
        m_identity, factory.GetAttributeValue(QStringLiteral("codeplug_version")).toInt(), show);
    RadioChecks::CopyIdentityIntoImage(m_image, m_identity);
    return std::nullopt;
}

bool CRadioOperations::startReset()
{
    if (!begin(true))
        return false;
    runStage(
        Stage::Resetting, [](CRadioLink &link) { return link.ResetRadio(); },
        [this](const RadioOutcome &outcome) { finish(reportOutcome(outcome)); });
    return true;
}
