#include "RadioEmulator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

constexpr int kStartLimitMs = 10000;
constexpr int kStopLimitMs = 10000;

QString memoryFile(const QTemporaryDir &dir)
{
    return dir.filePath(QStringLiteral("radio.mem"));
}

} // namespace

QString RadioEmulator::program()
{
    return QDir(QStringLiteral(VELA_BINARY_DIR "/bin")).filePath(QStringLiteral("velacps-radiosim"));
}

RadioEmulator::RadioEmulator(const QStringList &arguments)
{
    if (!QFileInfo::exists(program())) {
        ADD_FAILURE() << "build the velacps-radiosim target first: " << program().toStdString();
        return;
    }
    const qsizetype radios = arguments.indexOf(QStringLiteral("--radios"));
    const int terminals = radios >= 0 ? arguments.value(radios + 1).toInt() : 1;
    const bool swapping = arguments.contains(QStringLiteral("--swap-every"));
    m_process.start(program(),
        terminals > 1 || swapping ? arguments
                                  : QStringList(arguments) << QStringLiteral("--save") << memoryFile(m_dir));
    if (!m_process.waitForStarted(kStartLimitMs)) {
        ADD_FAILURE() << "velacps-radiosim did not start: " << m_process.errorString().toStdString();
        return;
    }
    while (m_paths.size() < terminals) {
        while (!m_process.canReadLine() && m_process.state() == QProcess::Running
            && m_process.waitForReadyRead(kStartLimitMs)) { }
        const QString line = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        if (line.isEmpty())
            break;
        m_paths << line;
    }
    m_path = m_paths.value(0);
    if (m_path.isEmpty())
        ADD_FAILURE() << "velacps-radiosim " << arguments.join(' ').toStdString()
                      << " gave no terminal: " << m_process.readAllStandardError().toStdString();
}

RadioEmulator::~RadioEmulator()
{
    stop();
}

bool RadioEmulator::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(kStopLimitMs)) {
            m_process.kill();
            m_process.waitForFinished();
            return false;
        }
    }
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QByteArray RadioEmulator::memory()
{
    if (!stop()) {
        ADD_FAILURE() << "velacps-radiosim did not end normally: "
                      << m_process.readAllStandardError().toStdString();
        return {};
    }
    QFile file(memoryFile(m_dir));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "velacps-radiosim saved no memory";
        return {};
    }
    return file.readAll();
}

bool RadioEmulator::waitForLogged(const QByteArray &text)
{
    m_process.setReadChannel(QProcess::StandardError);
    while (!m_log.contains(text)) {
        if (!m_process.waitForReadyRead(kStartLimitMs))
            return false;
        m_log += m_process.readAllStandardError();
    }
    return true;
}

quint8 RadioEmulator::byteAt(const QByteArray &memory, quint32 address)
{
    const qsizetype offset = qsizetype(address - kFirstAddress);
    return offset >= 0 && offset < memory.size() ? quint8(memory[offset]) : 0;
}

QByteArray RadioEmulator::log()
{
    stop();
    return m_process.readAllStandardError();
}
