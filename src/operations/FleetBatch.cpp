#include "operations/FleetBatch.h"

#include "document/ProfileDocument.h"
#include "operations/FleetPort.h"

#include <QSet>

#include <algorithm>

CFleetBatch::CFleetBatch(const CSettingsDocuments &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
}

CFleetBatch::~CFleetBatch()
{
    // Each port's operations cancel and wait for their worker as they go.
    m_running = false;
    m_ports.clear();
}

bool CFleetBatch::start(
    const ProfileSource &profile, const FleetValues &values, const FleetOptions &options, QString &error)
{
    if (m_running) {
        error = tr("A batch is under way.");
        return false;
    }
    const QSet<QString> distinct(options.ports.cbegin(), options.ports.cend());
    if (options.ports.isEmpty() || distinct.size() != options.ports.size()) {
        error = tr("Name each cable of the batch once.");
        return false;
    }
    if (options.count > 0 && options.count < options.ports.size()) {
        error = tr("A batch of %1 radios cannot use %2 cables.").arg(options.count).arg(options.ports.size());
        return false;
    }
    // The profile must open, and every row of values apply to it, before
    // any cable is touched.
    std::unique_ptr<CProfileDocument> copy = profile();
    if (!copy) {
        error = tr("The profile cannot be opened.");
        return false;
    }
    if (!values.check(profile, options.answerYes, error))
        return false;
    if (!m_log.open(options.logFolder.isEmpty() ? FleetLog::newFolder() : options.logFolder, error))
        return false;

    m_options = options;
    m_profile = profile;
    m_sharedProfile = std::move(copy);
    m_values = values;
    m_records.clear();
    m_started = 0;
    m_running = true;
    m_ports.clear();
    const bool swapMode = options.count > options.ports.size();
    for (const QString &port : options.ports)
        m_ports.push_back(std::make_unique<FleetPort>(*this, port, swapMode));
    m_runningPorts = int(m_ports.size());
    for (const auto &port : m_ports)
        port->start();
    return true;
}

void CFleetBatch::stop()
{
    for (const auto &port : m_ports)
        port->stop(false);
}

void CFleetBatch::cancel()
{
    for (const auto &port : m_ports)
        port->stop(true);
}

int CFleetBatch::succeeded() const
{
    return int(
        std::count_if(m_records.cbegin(), m_records.cend(), [](const FleetRecord &r) { return r.ok; }));
}

bool CFleetBatch::alreadyDone(const QString &serial) const
{
    return std::any_of(m_records.cbegin(), m_records.cend(),
        [&serial](const FleetRecord &r) { return r.ok && r.serial == serial; });
}

void CFleetBatch::record(const FleetRecord &record)
{
    m_records << record;
    QString error;
    if (!m_log.append(record, error))
        emit logFailed(error);
    emit radioFinished(record);
}

void CFleetBatch::portEnded()
{
    if (--m_runningPorts > 0 || !m_running)
        return;
    m_running = false;
    const int expected = m_options.count > 0 ? m_options.count : int(m_options.ports.size());
    emit finished(m_records.size() == expected && succeeded() == expected);
}
