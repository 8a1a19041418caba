// What a radio trace line shows of a frame, and that the codeplug password
// (radio bytes 0x10009-0x1000C) never shows, whichever way it travels.

#include "radio/RadioTrace.h"
#include "radio/RadioProtocol.h"

#include <gtest/gtest.h>

using namespace RadioFrame;

namespace {

// The trace's only frame line, from its direction on.
std::string onlyLine(const CRadioTrace &trace)
{
    const QStringList lines = trace.text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.last().section(QLatin1Char(' '), 1).toStdString();
}

// A read-data reply as the radio sends it, acknowledgement first. Sized
// once: growing a vector by a range trips GCC's array-bounds check.
Bytes readReply(quint32 address, const Bytes &data)
{
    Bytes body(3 + data.size());
    body[0] = quint8(address >> 16);
    body[1] = quint8(address >> 8);
    body[2] = quint8(address);
    std::copy(data.begin(), data.end(), body.begin() + 3);
    const Bytes frame = longFrame(kReplyReadData, body);
    Bytes bytes(frame.size() + 1, kAcknowledge);
    std::copy(frame.begin(), frame.end(), bytes.begin() + 1);
    return bytes;
}

struct WriteCase {
    quint32 address;
    Bytes data;
    const char *expected;
};

class SentWriteTrace : public ::testing::TestWithParam<WriteCase> { };

TEST_P(SentWriteTrace, MasksPasswordBytesAndTheirChecksum)
{
    const WriteCase &row = GetParam();
    CRadioTrace trace;
    trace.sent(writeBlock(row.address, row.data.data(), int(row.data.size())), CRadioTrace::Echo::Echoed);
    EXPECT_EQ(onlyLine(trace), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Frames, SentWriteTrace,
    ::testing::Values(
        // Before the password: shown whole.
        WriteCase { 0x10005, { 1, 2, 3, 4 },
            "> FF 17 00 08 01 00 05 01 02 03 04 D1 | WriteBlock 0x010005 length 4 | echoed" },
        // Ending in its first byte.
        WriteCase { 0x10007, { 1, 2, 3 },
            "> FF 17 00 07 01 00 07 01 02 ** ** | WriteBlock 0x010007 length 3 | echoed" },
        // All four, with a byte either side.
        WriteCase { 0x10008, { 9, 0x31, 0x32, 0x33, 0x34, 9 },
            "> FF 17 00 0A 01 00 08 09 ** ** ** ** 09 ** | WriteBlock 0x010008 length 6 | echoed" },
        // Just after it.
        WriteCase {
            0x1000D, { 7 }, "> FF 17 00 05 01 00 0D 07 CF | WriteBlock 0x01000d length 1 | echoed" }));

TEST(RadioTrace, MasksThePasswordReadFromTheRadio)
{
    CRadioTrace trace;
    const Bytes bytes = readReply(0x10009, { 0x31, 0x32, 0x33, 0x34 });
    RadioReply reply { kReplyReadData, 0x10009, { 0x31, 0x32, 0x33, 0x34 } };
    trace.received(bytes, reply, 4, CRadioProtocol::NoError);
    EXPECT_EQ(
        onlyLine(trace), "< 50 FF 80 00 08 01 00 09 ** ** ** ** ** | reply 0x80 0x010009, 4 data bytes");
}

TEST(RadioTrace, NamesTheFailureOfAReply)
{
    CRadioTrace trace;
    trace.received({ 0x50, 0xF3, 0x23, 0x01, 0x02, 0x00 }, RadioReply {}, -1, CRadioProtocol::BadChecksum);
    EXPECT_EQ(onlyLine(trace), "< 50 F3 23 01 02 00 | failed: bad checksum");
}

} // namespace
