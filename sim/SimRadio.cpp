#include "SimRadio.h"

#include <cstdio>

namespace {

constexpr char kAcknowledge = 0x50;
constexpr quint32 kFrequencyRecords = 0x10800;
constexpr quint32 kFrequencyCountByte = 0x10A8C + 6; // limit block byte 6

quint8 checksum(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (char byte : bytes)
        sum = quint8(sum + quint8(byte));
    return quint8(~sum);
}

QByteArray withChecksum(QByteArray frame)
{
    frame.append(char(checksum(frame)));
    frame.prepend(kAcknowledge);
    return frame;
}

QByteArray addressedReply(quint8 opcode, quint32 address, const QByteArray &data)
{
    const int length = 3 + int(data.size()) + 1;
    QByteArray frame;
    frame.append(char(0xFF)).append(char(opcode)).append(char(length >> 8)).append(char(length));
    frame.append(char(address >> 16)).append(char(address >> 8)).append(char(address));
    frame.append(data);
    return withChecksum(frame);
}

QByteArray shortReply(quint8 opcode, const QByteArray &data)
{
    QByteArray frame;
    frame.append(char(0xF0 + 1 + data.size())).append(char(opcode)).append(data);
    return withChecksum(frame);
}

quint32 addressOf(const QByteArray &data, int at)
{
    return (quint32(quint8(data[at])) << 16) | (quint32(quint8(data[at + 1])) << 8) | quint8(data[at + 2]);
}

} // namespace

SimRadio::SimRadio(SimMemory &memory, const SimOptions &options)
    : m_memory(memory)
    , m_options(options)
{
}

bool SimRadio::faultDue(const SimRequest &request) const
{
    if (m_options.fault == SimOptions::Fault::None || m_requests <= m_options.faultAfter)
        return false;
    if (m_options.faultOnce && m_faultSpent)
        return false;
    if (!actsOnWrites())
        return true;
    const bool frequencyWrite = request.opcode == 0x9A && !request.data.isEmpty() && request.data[0] == 0x04;
    return request.opcode == 0x17 || (m_options.fault == SimOptions::Fault::ForgetWrite && frequencyWrite);
}

bool SimRadio::actsOnWrites() const
{
    return m_options.fault == SimOptions::Fault::RefuseWrite
        || m_options.fault == SimOptions::Fault::ForgetWrite;
}

void SimRadio::store(quint32 address, const QByteArray &bytes)
{
    for (int i = 0; i < bytes.size(); ++i) {
        const quint32 at = address + quint32(i);
        if (!m_forgetting || at < m_options.forgetFirst || at > m_options.forgetLast)
            m_memory.setByte(at, quint8(bytes[i]));
    }
}

QByteArray SimRadio::answer(const SimRequest &request)
{
    ++m_requests;
    if (m_options.verbose)
        std::fprintf(
            stderr, "radiosim: request %02X %s\n", request.opcode, request.data.toHex(' ').constData());
    const bool faulty = faultDue(request);
    m_forgetting = faulty && m_options.fault == SimOptions::Fault::ForgetWrite;
    QByteArray reply = answerSoundly(request, faulty && m_options.fault == SimOptions::Fault::RefuseWrite);
    if (faulty && !actsOnWrites())
        reply = applyFault(reply);
    if (faulty)
        m_faultSpent = true;
    return reply;
}

QByteArray SimRadio::applyFault(QByteArray reply)
{
    switch (m_options.fault) {
    case SimOptions::Fault::Silent:
        return {};
    case SimOptions::Fault::BadChecksum:
        if (reply.size() > 1)
            reply[reply.size() - 1] = char(reply[reply.size() - 1] ^ 0x01);
        return reply;
    case SimOptions::Fault::Garbage:
        if (reply.size() > 1)
            reply.insert(1, QByteArray("\x00\x13", 2));
        return reply;
    case SimOptions::Fault::DropByte:
        reply.remove(reply.size() > 2 ? reply.size() - 2 : 0, 1);
        return reply;
    case SimOptions::Fault::None:
    case SimOptions::Fault::RefuseWrite:
    case SimOptions::Fault::ForgetWrite:
        break;
    }
    return reply;
}

QByteArray SimRadio::answerSoundly(const SimRequest &request, bool refuseWrites)
{
    switch (request.opcode) {
    case 0x11:
        return readBlock(request.data);
    case 0x17:
        return writeBlock(request.data, refuseWrites);
    case 0x10:
        ++m_resets;
        return QByteArray(1, kAcknowledge);
    case 0x38:
        return shortReply(0xB8, QByteArray(1, '\0'));
    case 0x22:
        return shortReply(0xA2, QByteArray(1, '\0'));
    case 0x23:
        return query(request.data);
    case 0x9A:
        return frequencyCommand(request.data);
    default:
        return {}; // not a command of this radio
    }
}

QByteArray SimRadio::readBlock(const QByteArray &data)
{
    if (data.size() != 4)
        return {};
    const int length = quint8(data[0]);
    const quint32 address = addressOf(data, 1);
    if (length < 1 || length > 32 || !m_memory.contains(address, length))
        return addressedReply(0x85, address, {});
    return addressedReply(0x80, address, m_memory.read(address, length));
}

QByteArray SimRadio::writeBlock(const QByteArray &data, bool refuse)
{
    if (data.size() < 4)
        return {};
    const quint32 address = addressOf(data, 0);
    const QByteArray bytes = data.mid(3);
    if (refuse || bytes.size() > 32 || !m_memory.contains(address, int(bytes.size())))
        return addressedReply(0x85, address, {});
    store(address, bytes);
    return addressedReply(0x84, address, {});
}

QByteArray SimRadio::query(const QByteArray &data)
{
    if (data.size() != 1)
        return {};
    if (data[0] == 0x03) {
        QByteArray reply(1, 0x03);
        reply.append(m_options.firmware.toLatin1());
        return shortReply(0xA3, reply);
    }
    if (data[0] == 0x09) {
        QByteArray reply(1, 0x09);
        reply.append('\0').append(char(m_options.memoryStatus & 0x1F));
        return shortReply(0xA3, reply);
    }
    return {};
}

QByteArray SimRadio::frequencyCommand(const QByteArray &data)
{
    if (data.size() == 8 && data[0] == 0x04) {
        const int index = quint8(data[1]);
        if (index > 98)
            return shortReply(0x9A, QByteArray(1, '\1'));
        store(kFrequencyRecords + quint32(6 * index), data.mid(2));
        return shortReply(0x9A, QByteArray(1, '\0'));
    }
    if (data.size() == 3 && data[0] == 0x05) {
        // The commit tells the radio how many records are in use.
        m_memory.setByte(kFrequencyCountByte, quint8(data[1]));
        return shortReply(0x9A, QByteArray(1, '\0'));
    }
    return {};
}
