#include "radio/RadioFrame.h"

#include <cassert>

namespace RadioFrame {

namespace {

void appendAddress(Bytes &bytes, quint32 address)
{
    bytes.push_back(quint8(address >> 16));
    bytes.push_back(quint8(address >> 8));
    bytes.push_back(quint8(address));
}

void appendChecksum(Bytes &frame)
{
    frame.push_back(checksum(frame.data(), frame.size()));
}

} // namespace

bool carriesAddress(quint8 replyOpcode)
{
    return replyOpcode == kReplyReadData || replyOpcode == kReplyWritten || replyOpcode == kReplyRefused;
}

quint8 checksum(const quint8 *bytes, size_t count)
{
    quint8 sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum = quint8(sum + bytes[i]);
    return quint8(~sum);
}

Bytes longFrame(quint8 opcode, const Bytes &body)
{
    const size_t length = body.size() + 1;  // the checksum counts
    Bytes frame{kLongLead, opcode, quint8(length >> 8), quint8(length)};
    frame.insert(frame.end(), body.begin(), body.end());
    appendChecksum(frame);
    return frame;
}

Bytes shortFrame(quint8 opcode, const Bytes &data)
{
    assert(data.size() <= size_t(kMaxShortData));
    Bytes frame{quint8(kShortLeadBase + data.size() + 1), opcode};
    frame.insert(frame.end(), data.begin(), data.end());
    appendChecksum(frame);
    return frame;
}

Bytes readBlock(quint32 address, int length)
{
    Bytes body{quint8(length)};
    appendAddress(body, address);
    return longFrame(kOpReadBlock, body);
}

Bytes writeBlock(quint32 address, const quint8 *data, int length)
{
    Bytes body;
    appendAddress(body, address);
    body.insert(body.end(), data, data + length);
    return longFrame(kOpWriteBlock, body);
}

Bytes reset()
{
    return longFrame(kOpReset, {});
}

Bytes control(quint8 p1, quint8 p2, quint8 p3)
{
    return longFrame(kOpControl, {p1, p2, p3, 0x00});
}

Bytes prepare()
{
    return shortFrame(kOpPrepare, {kPrepareCode});
}

Bytes queryModel()
{
    return shortFrame(kOpQuery, {kQueryModel});
}

Bytes queryStatus()
{
    return shortFrame(kOpQuery, {kQueryStatus});
}

Bytes writeFrequencyRecord(quint8 index, const quint8 (&record)[6])
{
    Bytes body{kFrequencyRecord, index};
    body.insert(body.end(), std::begin(record), std::end(record));
    return longFrame(kOpFrequency, body);
}

Bytes commitFrequencies(quint8 count, quint8 flag)
{
    return shortFrame(kOpFrequency, {kFrequencyCommit, count, flag});
}

} // namespace RadioFrame
