#include "radio/RadioProtocol.h"

#include <algorithm>

using namespace RadioFrame;

namespace {

bool isLeadByte(quint8 byte)
{
    return byte == kLongLead || (byte >= kShortLeadBase && byte <= 0xFE);
}

} // namespace

CRadioProtocol::CRadioProtocol(std::unique_ptr<CUsbCable> cable)
    : m_cable(std::move(cable))
{
}

CRadioProtocol::~CRadioProtocol() = default;

bool CRadioProtocol::usable() const
{
    return !m_cable->isFaulted() && !m_stopped;
}

void CRadioProtocol::Drain()
{
    // A radio that does not fall quiet within this many reads is sending
    // noise, which the reset after this will not get through either.
    constexpr int kMostReads = 20;
    quint8 dropped[kFrameBufferSize];
    for (int reads = 0; reads < kMostReads && usable(); ++reads) {
        const int count = m_cable->Read(dropped, kFrameBufferSize);
        if (count == 0)
            return;
        m_trace.drained(Bytes(dropped, dropped + count));
    }
}

int CRadioProtocol::fail(ErrorCode code)
{
    m_errorFlag = 1;
    m_errorCode = code;
    return -1;
}

int CRadioProtocol::Send(const Bytes &frame)
{
    const int length = int(frame.size());
    Bytes echo(frame.size());
    for (int attempt = 0; attempt < m_retryCount; ++attempt) {
        if (!usable())
            return -1;
        if (m_cable->Write(frame.data(), length) != length) {
            m_trace.sent(frame, CRadioTrace::Echo::ShortWrite);
            if (m_cable->isFaulted())
                return -1;
            m_errorFlag = 0;
            m_errorCode = NoError;
            continue;
        }
        const bool echoed = !m_echo || m_cable->Read(echo.data(), length) == length;
        m_trace.sent(frame,
            !m_echo ? CRadioTrace::Echo::NoEcho
                    : (echoed ? CRadioTrace::Echo::Echoed : CRadioTrace::Echo::ShortEcho));
        if (echoed)
            return length;
    }
    return -1;
}

int CRadioProtocol::ReadBytes(quint8 *buffer, int count, int attempts)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (!usable())
            return -1;
        if (m_cable->Read(buffer, count) == count)
            return count;
    }
    return -1;
}

int CRadioProtocol::ReadAll(quint8 *buffer, int count, int attempts)
{
    int got = 0;
    for (int attempt = 0; attempt < attempts && got < count;) {
        if (!usable())
            break;
        const int read = m_cable->Read(buffer + got, count - got);
        got += read;
        if (read == 0)
            ++attempt;
    }
    return got;
}

int CRadioProtocol::ReceiveReply(int capacity, RadioReply &reply)
{
    m_replyBytes.clear();
    // The trace names this reply's own failure; the diagnosis keeps the
    // last one.
    const int earlier = m_errorCode;
    m_errorCode = NoError;
    const int result = parseReply(capacity, reply);
    const int code = m_errorCode;
    if (code == NoError)
        m_errorCode = earlier;
    m_trace.received(m_replyBytes, reply, result, code);
    return result;
}

int CRadioProtocol::parseReply(int capacity, RadioReply &reply)
{
    reply = RadioReply();
    // The radio may take a while to start its reply; once the opcode is in,
    // the rest must follow promptly.
    int attempts = m_firstByteRetryCount;
    quint8 byte = 0;
    quint8 sum = 0;
    const auto next = [&]() {
        if (ReadBytes(&byte, 1, attempts) != 1)
            return false;
        m_replyBytes.push_back(byte);
        sum = quint8(sum + byte);
        return true;
    };

    if (!next())
        return -1;
    if (byte != kAcknowledge)
        return fail(NoAcknowledge);

    int skipped = 0;
    for (;;) {
        sum = 0; // the checksum covers the frame from its lead byte on
        if (!next())
            return -1;
        if (isLeadByte(byte))
            break;
        attempts = m_retryCount;
        if (++skipped > kFrameBufferSize)
            return fail(MalformedReply);
    }
    const bool longForm = byte == kLongLead;
    const int shortCount = byte & 0x0F;

    if (!next())
        return -1;
    attempts = m_retryCount;
    reply.opcode = byte;

    int dataCount = 0;
    if (longForm) {
        if (!next())
            return -1;
        int length = byte << 8;
        if (!next())
            return -1;
        length |= byte;
        if (length > 0) {
            if (carriesAddress(reply.opcode)) {
                if (length < 4)
                    return fail(MalformedReply);
                for (int i = 0; i < 3; ++i) {
                    if (!next())
                        return -1;
                    reply.address = (reply.address << 8) | byte;
                }
                length -= 3;
            }
            dataCount = length - 1; // the checksum counts in the length
        }
    } else {
        if (shortCount < 1)
            return fail(MalformedReply); // no room for the opcode
        dataCount = shortCount - 1;
    }
    if (dataCount > capacity)
        return fail(MalformedReply);

    // The data and the checksum in one read: at the cable's speed a read
    // per byte wakes this thread for every byte of the reply.
    Bytes rest(size_t(dataCount) + 1);
    const int got = ReadAll(rest.data(), int(rest.size()), attempts);
    m_replyBytes.insert(m_replyBytes.end(), rest.begin(), rest.begin() + got);
    if (got != int(rest.size()))
        return -1;
    reply.data.assign(rest.begin(), rest.end() - 1);
    for (quint8 data : reply.data)
        sum = quint8(sum + data);
    if (rest.back() != quint8(~sum))
        return fail(BadChecksum);
    return dataCount;
}

int CRadioProtocol::Transact(const Bytes &frame, int capacity, RadioReply &reply, int attempts)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (!usable())
            return -1;
        if (!m_cable->Purge(CableLine::kPurgeReceive | CableLine::kPurgeTransmit))
            return -1;
        if (Send(frame) < 0)
            return -1;
        const int count = ReceiveReply(capacity, reply);
        if (count >= 0)
            return count;
    }
    return -1;
}

int CRadioProtocol::ReadBlock(quint32 address, int length, quint8 *destination)
{
    if (!usable())
        return -1;
    if (length < 1 || length > kMaxBlockLength)
        return -1;
    RadioReply reply;
    const int count = Transact(readBlock(address, length), kMaxBlockLength, reply);
    if (count <= 0)
        return count;
    if (count != length || reply.address != address)
        return fail(MalformedReply);
    std::copy(reply.data.begin(), reply.data.end(), destination);
    return count;
}

int CRadioProtocol::ReadRange(quint32 address, int length, quint8 *destination)
{
    if (!usable())
        return -1;
    int done = 0;
    while (done < length) {
        const int chunk = std::min(length - done, kMaxBlockLength);
        const int result = ReadBlock(address + quint32(done), chunk, destination + done);
        if (result <= 0)
            return result;
        done += chunk;
    }
    return done;
}

int CRadioProtocol::WriteBlock(quint32 address, const quint8 *data, int length)
{
    if (!usable())
        return -1;
    if (length < 1 || length > kMaxBlockLength)
        return -1;
    RadioReply reply;
    const int count = Transact(writeBlock(address, data, length), kReplyCapacity, reply, 1);
    if (count < 0)
        return -1;
    if (reply.opcode == kReplyRefused)
        return fail(WriteRefused);
    if (reply.address != address)
        return fail(MalformedReply);
    ++m_blocksWritten;
    return count;
}

int CRadioProtocol::WriteRange(quint32 address, const quint8 *data, int length)
{
    if (!usable())
        return -1;
    int done = 0;
    int replied = 0;
    while (done < length) {
        const int chunk = std::min(length - done, kMaxBlockLength);
        const int result = WriteBlock(address + quint32(done), data + done, chunk);
        if (result < 0)
            return -1;
        replied += result;
        done += chunk;
    }
    return replied;
}

int CRadioProtocol::SendReset()
{
    const Bytes frame = reset();
    for (int attempt = 0; attempt < m_retryCount; ++attempt) {
        if (!usable())
            return -1;
        if (!m_cable->Purge(CableLine::kPurgeReceive | CableLine::kPurgeTransmit) || Send(frame) < 0)
            return -1;
        // The radio answers a reset with the acknowledgement alone.
        quint8 answer = 0;
        const bool answered = ReadBytes(&answer, 1, m_firstByteRetryCount) == 1;
        m_trace.acknowledgement(answered ? Bytes { answer } : Bytes {});
        if (!answered)
            continue;
        if (answer == kAcknowledge)
            return 1;
        fail(NoAcknowledge);
    }
    return -1;
}

int CRadioProtocol::command(const Bytes &frame, RadioReply *reply)
{
    if (!usable())
        return -1;
    RadioReply local;
    return Transact(frame, kReplyCapacity, reply ? *reply : local);
}

int CRadioProtocol::SendControl(quint8 p1, quint8 p2, quint8 p3, RadioReply *reply)
{
    return command(control(p1, p2, p3), reply);
}

int CRadioProtocol::SendPrepare(RadioReply *reply)
{
    return command(prepare(), reply);
}

int CRadioProtocol::QueryModel(RadioReply *reply)
{
    return command(queryModel(), reply);
}

int CRadioProtocol::QueryStatus(RadioReply *reply)
{
    return command(queryStatus(), reply);
}

int CRadioProtocol::WriteFrequencyRecord(quint8 index, const quint8 (&record)[6], RadioReply *reply)
{
    const int result = command(writeFrequencyRecord(index, record), reply);
    if (result >= 0)
        ++m_blocksWritten;
    return result;
}

int CRadioProtocol::CommitFrequencies(quint8 count, quint8 flag, RadioReply *reply)
{
    return command(commitFrequencies(count, flag), reply);
}
