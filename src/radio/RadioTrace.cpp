#include "radio/RadioTrace.h"

#include "radio/RadioMemoryMap.h"
#include "radio/RadioProtocol.h"

#include <vector>

using namespace RadioFrame;

namespace {

constexpr int kPasswordLength = 4;

// Whether the radio byte at address is one of the codeplug password's.
bool isPasswordByte(quint32 address)
{
    return address >= RadioMemory::kPassword && address < RadioMemory::kPassword + kPasswordLength;
}

// The bytes in hex, those at the marked positions as "**".
QString hexMasked(const Bytes &bytes, const std::vector<bool> &masked)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    QString hex;
    hex.reserve(int(bytes.size()) * 3);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i)
            hex += QLatin1Char(' ');
        hex += QLatin1Char(masked[i] ? '*' : kDigits[bytes[i] >> 4]);
        hex += QLatin1Char(masked[i] ? '*' : kDigits[bytes[i] & 0x0F]);
    }
    return hex;
}

// Marks the data bytes that start at first and hold radio memory from
// address on, when they include the password, and the checksum at the end.
void maskPassword(std::vector<bool> &masked, size_t first, size_t count, quint32 address)
{
    bool any = false;
    for (size_t i = 0; i < count && first + i < masked.size(); ++i) {
        if (isPasswordByte(address + quint32(i)))
            any = masked[first + i] = true;
    }
    if (any && !masked.empty())
        masked.back() = true;
}

quint32 address24(const Bytes &bytes, size_t at)
{
    return (quint32(bytes[at]) << 16) | (quint32(bytes[at + 1]) << 8) | bytes[at + 2];
}

QString addressText(quint32 address)
{
    return QStringLiteral("0x%1").arg(address, 6, 16, QLatin1Char('0'));
}

QString requestName(quint8 opcode, quint8 subCode)
{
    switch (opcode) {
    case kOpReadBlock:
        return QStringLiteral("ReadBlock");
    case kOpWriteBlock:
        return QStringLiteral("WriteBlock");
    case kOpReset:
        return QStringLiteral("SendReset");
    case kOpControl:
        return QStringLiteral("SendControl");
    case kOpPrepare:
        return QStringLiteral("SendPrepare");
    case kOpQuery:
        return subCode == kQueryModel ? QStringLiteral("QueryModel")
            : subCode == kQueryStatus ? QStringLiteral("QueryStatus")
                                      : QStringLiteral("Query");
    case kOpFrequency:
        return subCode == kFrequencyCommit ? QStringLiteral("CommitFrequencies")
                                           : QStringLiteral("WriteFrequencyRecord");
    }
    return QStringLiteral("opcode 0x%1").arg(opcode, 2, 16, QLatin1Char('0'));
}

QString echoText(CRadioTrace::Echo echo)
{
    switch (echo) {
    case CRadioTrace::Echo::Echoed:
        return QStringLiteral("echoed");
    case CRadioTrace::Echo::NoEcho:
        return QStringLiteral("no echo expected");
    case CRadioTrace::Echo::ShortEcho:
        return QStringLiteral("echo short");
    case CRadioTrace::Echo::ShortWrite:
        return QStringLiteral("written short");
    }
    return QString();
}

QString failureText(int errorCode)
{
    switch (errorCode) {
    case CRadioProtocol::NoAcknowledge:
        return QStringLiteral("failed: no acknowledgement");
    case CRadioProtocol::BadChecksum:
        return QStringLiteral("failed: bad checksum");
    case CRadioProtocol::WriteRefused:
        return QStringLiteral("failed: write refused");
    case CRadioProtocol::MalformedReply:
        return QStringLiteral("failed: malformed reply");
    }
    return QStringLiteral("failed: time-out");
}

} // namespace

CRadioTrace::CRadioTrace()
    : m_started(QDateTime::currentDateTimeUtc())
{
    m_clock.start();
}

void CRadioTrace::add(char direction, const QString &hex, const QString &meaning)
{
    m_lines << QStringLiteral("%1 %2 %3 | %4")
                   .arg(double(m_clock.nsecsElapsed()) / 1e9, 0, 'f', 6)
                   .arg(QLatin1Char(direction))
                   .arg(hex, meaning);
}

void CRadioTrace::sent(const Bytes &frame, Echo echo)
{
    std::vector<bool> masked(frame.size(), false);
    QString meaning;
    if (frame.size() >= 3 && frame[0] == kLongLead) {
        const quint8 opcode = frame[1];
        meaning = requestName(opcode, frame.size() > 4 ? frame[4] : 0);
        if (opcode == kOpReadBlock && frame.size() >= 9)
            meaning += QStringLiteral(" %1 length %2").arg(addressText(address24(frame, 5))).arg(frame[4]);
        if (opcode == kOpWriteBlock && frame.size() >= 8) {
            const quint32 address = address24(frame, 4);
            const size_t count = frame.size() - 8;
            meaning += QStringLiteral(" %1 length %2").arg(addressText(address)).arg(count);
            maskPassword(masked, 7, count, address);
        }
    } else if (frame.size() >= 3) {
        meaning = requestName(frame[1], frame[2]);
    }
    add('>', hexMasked(frame, masked), meaning + QStringLiteral(" | ") + echoText(echo));
}

void CRadioTrace::received(const Bytes &bytes, const RadioReply &reply, int result, int errorCode)
{
    std::vector<bool> masked(bytes.size(), false);
    QString meaning;
    if (result < 0) {
        meaning = failureText(errorCode);
    } else if (carriesAddress(reply.opcode)) {
        meaning = QStringLiteral("reply 0x%1 %2, %3 data bytes")
                      .arg(reply.opcode, 2, 16, QLatin1Char('0'))
                      .arg(addressText(reply.address))
                      .arg(result);
        // The data sits just before the checksum.
        maskPassword(masked, bytes.size() - 1 - size_t(result), size_t(result), reply.address);
    } else {
        meaning = QStringLiteral("reply 0x%1, %2 data bytes")
                      .arg(reply.opcode, 2, 16, QLatin1Char('0'))
                      .arg(result);
    }
    add('<', hexMasked(bytes, masked), meaning);
}

void CRadioTrace::acknowledgement(const Bytes &bytes)
{
    add('<', hexMasked(bytes, std::vector<bool>(bytes.size(), false)),
        bytes.empty()                  ? failureText(0)
            : bytes[0] == kAcknowledge ? QStringLiteral("acknowledgement")
                                       : failureText(CRadioProtocol::NoAcknowledge));
}

void CRadioTrace::drained(const Bytes &bytes)
{
    add('<', hexMasked(bytes, std::vector<bool>(bytes.size(), false)), QStringLiteral("drained"));
}

QString CRadioTrace::text() const
{
    QString text
        = QStringLiteral("# radio trace, started %1 UTC\n# seconds, > sent or < received, bytes, meaning\n")
              .arg(m_started.toString(Qt::ISODateWithMs));
    for (const QString &line : m_lines)
        text += line + QLatin1Char('\n');
    return text;
}
