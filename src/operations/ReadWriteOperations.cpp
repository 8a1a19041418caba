#include "operations/ReadWriteOperations.h"

#include "radio/CableMonitor.h"
#include "radio/CablePort.h"
#include "radio/NamedLock.h"
#include "operations/RadioChecks.h"
#include "radio/RadioLink.h"
#include "base/MessageReporter.h"
#include "document/ProfileDocument.h"
#include "base/VelaException.h"
#include "settings/ModelRules.h"

#include <QCoreApplication>
#include <QEventLoop>
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

} // namespace

CRadioOperations::CRadioOperations(const CSettingsDocuments &settings, CCableMonitor *monitor, CableFactory cables)
    : m_settings(settings)
    , m_monitor(monitor)
    , m_cables(cables ? std::move(cables) : CableFactory(&CablePort::createCurrent))
{
    if (!m_monitor) {
        m_ownMonitor = std::make_unique<CCableMonitor>(nullptr);
        m_monitor = m_ownMonitor.get();
    }
}

CRadioOperations::~CRadioOperations() = default;

bool CRadioOperations::event(QEvent *event)
{
    if (event->type() != RadioReport::eventType())
        return QObject::event(event);
    const auto *report = static_cast<RadioReportEvent *>(event);
    if (report->wParam() == RadioReport::Progress) {
        m_lastProgress = report->lParam();
        if (m_progress)
            m_progress(report->lParam());
    }
    return true;
}

RadioOutcome CRadioOperations::runWorker(const std::function<RadioOutcome(CRadioLink &)> &steps)
{
    RadioOutcome outcome {RadioReport::Failed, RadioReport::kCommunicationFailure};
    CRadioLink link(this, m_cables());
    if (m_resetSettle)
        link.setResetSettleTime(*m_resetSettle);
    std::unique_ptr<QThread> worker(QThread::create([&] {
        // The cable mutex is held for the whole run, so no other copy or
        // thread touches the cable meanwhile.
        CNamedLock cableMutex(CableSharing::runtimeDirectory(), QString::fromLatin1(CableSharing::kCableMutexName));
        CNamedLockGuard guard(cableMutex);
        if (!guard.ownsLock())
            return;
        // Without a presence poller in this copy nothing has found the
        // cable's device index yet.
        if (m_ownMonitor)
            m_cables()->FindCables();
        outcome = steps(link);
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    QCoreApplication::sendPostedEvents(this);
    return outcome;
}

bool CRadioOperations::reportOutcome(const RadioOutcome &outcome)
{
    if (outcome.kind == RadioReport::Failed)
        showMessage(RadioChecks::FailureText(outcome.value), MsgStyle::IconError);
    else if (outcome.kind == RadioReport::MemoryStatus)
        showMessage(RadioChecks::MemoryStatusText(outcome.value), MsgStyle::IconWarning);
    return outcome.succeeded();
}

void CRadioOperations::setTransferActive(bool active)
{
    m_monitor->setTransferActive(active);
}

bool CRadioOperations::Identify()
{
    m_identity = RadioIdentity {};
    m_lastProgress = 0;
    return reportOutcome(runWorker([this](CRadioLink &link) { return link.Identify(m_identity); }));
}

bool CRadioOperations::identifyForTransfer()
{
    setTransferActive(true);
    if (!Identify() || m_lastProgress != 100) {
        setTransferActive(false);
        return false;
    }
    m_lastProgress = 0;
    return true;
}

bool CRadioOperations::passwordAccepted()
{
    const QString radioPassword = RadioChecks::RadioPassword(m_identity);
    while (!radioPassword.isEmpty() && radioPassword != m_rememberedPassword) {
        QString typed;
        if (!m_prompt || !m_prompt(typed))
            return false;
        m_rememberedPassword = typed;
    }
    return true;
}

bool CRadioOperations::Read()
{
    if (!identifyForTransfer())
        return false;
    const bool accepted = RadioChecks::CheckRegion(m_identity, m_settings, RadioChecks::Transfer::Read)
        && RadioChecks::CheckCodeplugVersion(m_identity, m_settings) && passwordAccepted();
    if (!accepted) {
        setTransferActive(false);
        return false;
    }
    const RadioOutcome outcome = runWorker([this](CRadioLink &link) {
        m_image = VirtualCP {};
        return firstFailure({[&] { return link.Prepare(); }, [&] { return link.ReadCodeplug(m_image); },
                             [&] { return link.ResetRadio(); }});
    });
    setTransferActive(false);
    return reportOutcome(outcome);
}

bool CRadioOperations::Write(CProfileDocument &document)
{
    if (!ModelRules::CheckChannelFrequencyRange(document.root())) {
        showMessage(QLatin1String(ModelRules::kRangeMessage), MsgStyle::IconWarning);
        return false;
    }
    if (!identifyForTransfer())
        return false;
    const bool prepared = [&] {
        if (!RadioChecks::CheckRegion(m_identity, m_settings, RadioChecks::Transfer::Write)
            || !RadioChecks::CheckCodeplugVersion(m_identity, m_settings))
            return false;
        m_image = VirtualCP {};
        if (!RadioChecks::CheckWriteCompatibility(document, m_identity, m_settings))
            return false;
        try {
            if (document.GetVirtualCPData(m_image, m_identity) != 1)
                return false;
        } catch (const CVelaCPSException &exception) {
            showMessage(exception.text(), MsgStyle::IconError);
            return false;
        }
        if (!RadioChecks::ConvertTier(m_image, m_identity) || !passwordAccepted())
            return false;
        CDataItem factory;
        document.root().GetChildByName(QStringLiteral("factory_setting"), factory);
        RadioChecks::NoticeOlderRadioCodeplug(m_identity,
                                              factory.GetAttributeValue(QStringLiteral("codeplug_version")).toInt());
        RadioChecks::CopyIdentityIntoImage(m_image, m_identity);
        return true;
    }();
    if (!prepared) {
        setTransferActive(false);
        return false;
    }
    const RadioOutcome outcome = runWorker([this](CRadioLink &link) {
        return firstFailure({[&] { return link.Prepare(); }, [&] { return link.WriteCodeplug(m_image); },
                             [&] { return link.ResetRadio(); }});
    });
    setTransferActive(false);
    if (outcome.succeeded())
        m_rememberedPassword = RadioChecks::ImagePassword(m_image);
    return reportOutcome(outcome);
}

bool CRadioOperations::Reset()
{
    setTransferActive(true);
    const RadioOutcome outcome = runWorker([](CRadioLink &link) { return link.ResetRadio(); });
    setTransferActive(false);
    return reportOutcome(outcome);
}
