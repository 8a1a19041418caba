#include "SimStation.h"

#include <thread>

namespace {

// How long the terminal answers nothing while its radio is changed.
constexpr std::chrono::milliseconds kSwapPause(1500);

constexpr quint8 kBlockWrite = 0x17;
constexpr quint8 kReset = 0x10;

} // namespace

SimStation::SimStation(const SimOptions &options, SerialSource nextSerial)
    : m_options(options)
    , m_nextSerial(std::move(nextSerial))
{
}

bool SimStation::open(QString &error)
{
    m_clock.start();
    return newRadio(error) && m_port.open(error);
}

bool SimStation::newRadio(QString &error)
{
    m_radio.reset();
    if (m_options.memoryFile.isEmpty())
        m_memory.fillFactoryDefaults(m_options);
    else if (!m_memory.load(m_options.memoryFile, error))
        return false;
    m_memory.applyGivenOptions(m_options);
    if (m_options.radios > 1 || m_options.swapEverySeconds > 0)
        m_memory.setSerialNumber(m_nextSerial());
    m_radio = std::make_unique<SimRadio>(m_memory, m_options);
    m_parser = SimRequestParser();
    m_writtenSinceReset = false;
    m_sinceWrite.start();
    return true;
}

bool SimStation::swapDue() const
{
    return m_options.swapEverySeconds > 0 && m_sinceWrite.elapsed() >= 1000LL * m_options.swapEverySeconds;
}

void SimStation::swapRadio(const volatile std::sig_atomic_t &stop)
{
    // The radio off the cable: what the link sends meanwhile goes nowhere.
    QElapsedTimer pause;
    pause.start();
    while (!stop && pause.elapsed() < kSwapPause.count())
        m_port.read(50);
    // Only the radio on the terminal at the start has the fault.
    m_options.fault = SimOptions::Fault::None;
    QString error;
    newRadio(error); // a loaded memory file was readable at the start
}

bool SimStation::run(const volatile std::sig_atomic_t &stop, QString &error)
{
    while (!stop) {
        const QByteArray received = m_port.read(100);
        if (received.isEmpty())
            m_port.releaseAbandonedTerminal();
        // Like the cable, every byte comes straight back; a reply follows
        // the frame it answers.
        QByteArray out;
        bool writeCompleted = false;
        for (char byte : received) {
            out.append(byte);
            if (auto request = m_parser.feed(quint8(byte), m_clock.elapsed())) {
                out.append(m_radio->answer(*request));
                if (request->opcode == kBlockWrite) {
                    m_writtenSinceReset = true;
                    m_sinceWrite.start();
                }
                writeCompleted = writeCompleted || (request->opcode == kReset && m_writtenSinceReset);
            }
        }
        if (!out.isEmpty() && !m_port.write(out, m_options.pace)) {
            error = QStringLiteral("the terminal went away");
            return false;
        }
        if ((writeCompleted && m_options.swapEverySeconds > 0) || swapDue())
            swapRadio(stop);
    }
    return true;
}
