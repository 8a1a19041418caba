#include "radio/RadioFrame.h"

#include <algorithm>
#include <cassert>
#include <iterator>

namespace RadioFrame {

namespace {

// head followed by size bytes of data, with room for a checksum after them.
// Sized once: growing a vector by a range trips GCC's array-bounds check.
Bytes joined(std::initializer_list<quint8> head, const quint8 *data, size_t size)
{
    Bytes bytes;
    bytes.reserve(head.size() + size + 1);
    bytes.resize(head.size() + size);
    std::copy(head.begin(), head.end(), bytes.begin());
    std::copy_n(data, size, bytes.begin() + std::ptrdiff_t(head.size()));
    return bytes;
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
    const size_t length = body.size() + 1; // the checksum counts
    Bytes frame
        = joined({ kLongLead, opcode, quint8(length >> 8), quint8(length) }, body.data(), body.size());
    appendChecksum(frame);
    return frame;
}

Bytes shortFrame(quint8 opcode, const Bytes &data)
{
    assert(data.size() <= size_t(kMaxShortData));
    Bytes frame = joined({ quint8(kShortLeadBase + data.size() + 1), opcode }, data.data(), data.size());
    appendChecksum(frame);
    return frame;
}

Bytes readBlock(quint32 address, int length)
{
    return longFrame(
        kOpReadBlock, { quint8(length), quint8(address >> 16), quint8(address >> 8), quint8(address) });
}

Bytes writeBlock(quint32 address, const quint8 *data, int length)
{
    return longFrame(kOpWriteBlock,
        joined({ quint8(address >> 16), quint8(address >> 8), quint8(address) }, data, size_t(length)));
}

Bytes reset()
{
    return longFrame(kOpReset, {});
}

Bytes control(quint8 p1, quint8 p2, quint8 p3)
{
    return longFrame(kOpControl, { p1, p2, p3, 0x00 });
}

Bytes prepare()
{
    return shortFrame(kOpPrepare, { kPrepareCode });
}

Bytes queryModel()
{
    return shortFrame(kOpQuery, { kQueryModel });
}

Bytes queryStatus()
{
    return shortFrame(kOpQuery, { kQueryStatus });
}

Bytes writeFrequencyRecord(quint8 index, const quint8 (&record)[6])
{
    return longFrame(kOpFrequency, joined({ kFrequencyRecord, index }, record, std::size(record)));
}

Bytes commitFrequencies(quint8 count, quint8 flag)
{
    return shortFrame(kOpFrequency, { kFrequencyCommit, count, flag });
}

} // namespace RadioFrame
