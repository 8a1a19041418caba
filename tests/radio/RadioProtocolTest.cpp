// Request frames, the reply state machine, transactions and block ranges.

#include "FakeCable.h"
#include "FakeRadio.h"

#include "radio/RadioFrame.h"
#include "radio/RadioProtocol.h"

#include <gtest/gtest.h>

using Bytes = std::vector<quint8>;

namespace {

quint8 byteSum(const Bytes &bytes)
{
    quint8 sum = 0;
    for (quint8 byte : bytes)
        sum = quint8(sum + byte);
    return sum;
}

// A protocol on a fake cable; the test scripts the replies.
struct OpenProtocol {
    OpenProtocol()
    {
        auto owned = std::make_unique<FakeCable>();
        cable = owned.get();
        protocol = std::make_unique<CRadioProtocol>(std::move(owned));
    }
    // Answers every frame with the next of replies (nothing once used up).
    void answerWith(std::vector<Bytes> replies)
    {
        cable->onFrame = [this, replies = std::move(replies), next = size_t(0)](const Bytes &) mutable {
            if (next < replies.size())
                cable->queue(replies[next++]);
        };
    }

    FakeCable *cable;
    std::unique_ptr<CRadioProtocol> protocol;
};

// A complete reply: acknowledgement, frame, checksum.
Bytes reply(Bytes frame)
{
    frame.push_back(quint8(~byteSum(frame)));
    frame.insert(frame.begin(), 0x50);
    return frame;
}

} // namespace

TEST(RadioFrame, FixedCommandsHaveTheirKnownBytes)
{
    EXPECT_EQ(RadioFrame::reset(), (Bytes { 0xFF, 0x10, 0x00, 0x01, 0xEF }));
    EXPECT_EQ(RadioFrame::prepare(), (Bytes { 0xF2, 0x22, 0x16, 0xD5 }));
    EXPECT_EQ(RadioFrame::queryModel(), (Bytes { 0xF2, 0x23, 0x03, 0xE7 }));
    EXPECT_EQ(RadioFrame::queryStatus(), (Bytes { 0xF2, 0x23, 0x09, 0xE1 }));
}

TEST(RadioFrame, AddressedAndParameterFramesCarryTheirFieldsAndAValidChecksum)
{
    const Bytes read = RadioFrame::readBlock(0x10E22, 10);
    EXPECT_EQ(
        Bytes(read.begin(), read.end() - 1), (Bytes { 0xFF, 0x11, 0x00, 0x05, 0x0A, 0x01, 0x0E, 0x22 }));

    const quint8 data[3] = { 0xAA, 0xBB, 0xCC };
    const Bytes write = RadioFrame::writeBlock(0x10C8E, data, 3);
    EXPECT_EQ(Bytes(write.begin(), write.end() - 1),
        (Bytes { 0xFF, 0x17, 0x00, 0x07, 0x01, 0x0C, 0x8E, 0xAA, 0xBB, 0xCC }));

    const Bytes control = RadioFrame::control(0x1F, 0x03, 0x00);
    EXPECT_EQ(Bytes(control.begin(), control.end() - 1),
        (Bytes { 0xFF, 0x38, 0x00, 0x05, 0x1F, 0x03, 0x00, 0x00 }));

    const quint8 record[6] = { 1, 2, 3, 4, 5, 6 };
    const Bytes frequency = RadioFrame::writeFrequencyRecord(7, record);
    EXPECT_EQ(Bytes(frequency.begin(), frequency.end() - 1),
        (Bytes { 0xFF, 0x9A, 0x00, 0x09, 0x04, 0x07, 1, 2, 3, 4, 5, 6 }));

    const Bytes commit = RadioFrame::commitFrequencies(8, 1);
    EXPECT_EQ(Bytes(commit.begin(), commit.end() - 1), (Bytes { 0xF4, 0x9A, 0x05, 0x08, 0x01 }));

    // The checksum complements the sum, so a whole frame sums to 0xFF.
    for (const Bytes &frame : { read, write, control, frequency, commit })
        EXPECT_EQ(byteSum(frame), 0xFF);
}

TEST(RadioReply, ShortReplyWithTwoDataBytes)
{
    OpenProtocol link;
    link.cable->queue(reply({ 0xF3, 0xA3, 0x11, 0x22 }));
    RadioReply answer;
    EXPECT_EQ(link.protocol->ReceiveReply(1000, answer), 2);
    EXPECT_EQ(answer.opcode, 0xA3);
    EXPECT_EQ(answer.data, (Bytes { 0x11, 0x22 }));
}

TEST(RadioReply, NoiseBeforeTheLeadByteIsSkippedAndLeftOutOfTheChecksum)
{
    OpenProtocol link;
    Bytes bytes = reply({ 0xF3, 0xA3, 0x11, 0x22 });
    bytes.insert(bytes.begin() + 1, 0x00);
    link.cable->queue(bytes);
    RadioReply answer;
    EXPECT_EQ(link.protocol->ReceiveReply(1000, answer), 2);
    EXPECT_EQ(answer.data, (Bytes { 0x11, 0x22 }));
}

TEST(RadioReply, AddressedLongReplyCarriesItsAddress)
{
    OpenProtocol link;
    link.cable->queue(reply({ 0xFF, 0x80, 0x00, 0x07, 0x01, 0x0E, 0x18, 0xAA, 0xBB, 0xCC }));
    RadioReply answer;
    EXPECT_EQ(link.protocol->ReceiveReply(32, answer), 3);
    EXPECT_EQ(answer.address, 0x10E18u);
    EXPECT_EQ(answer.data, (Bytes { 0xAA, 0xBB, 0xCC }));
}

TEST(RadioReply, LongReplyOfLengthZeroHasOnlyItsChecksum)
{
    OpenProtocol link;
    link.cable->queue(reply({ 0xFF, 0x91, 0x00, 0x00 }));
    RadioReply answer;
    EXPECT_EQ(link.protocol->ReceiveReply(1000, answer), 0);
    EXPECT_EQ(answer.opcode, 0x91);
}

TEST(RadioReply, MissingAcknowledgementFails)
{
    OpenProtocol link;
    Bytes bytes = reply({ 0xF2, 0xA3, 0x11 });
    bytes[0] = 0x51;
    link.cable->queue(bytes);
    RadioReply answer;
    EXPECT_EQ(link.protocol->ReceiveReply(1000, answer), -1);
    EXPECT_EQ(link.protocol->errorFlag(), 1);
    EXPECT_EQ(link.protocol->errorCode(), CRadioProtocol::NoAcknowledge);
}

TEST(RadioReply, WrongChecksumFails)
{
    OpenProtocol link;
    Bytes bytes = reply({ 0xF3, 0xA3, 0x11, 0x22 });
    bytes.back() ^= 0x40;
    link.cable->queue(bytes);
    RadioReply answer;
    EXPECT_EQ(link.protocol->ReceiveReply(1000, answer), -1);
    EXPECT_EQ(link.protocol->errorCode(), CRadioProtocol::BadChecksum);
}

TEST(RadioReply, SilenceAndATruncatedReplyFail)
{
    OpenProtocol link;
    RadioReply answer;
    EXPECT_EQ(link.protocol->ReceiveReply(1000, answer), -1);
    EXPECT_EQ(link.cable->reads, CRadioProtocol::kFirstByteRetryCount)
        << "waits 20 reads for the reply to start";

    Bytes bytes = reply({ 0xF4, 0xA3, 0x11, 0x22, 0x33 });
    bytes.pop_back();
    link.cable->queue(bytes);
    EXPECT_EQ(link.protocol->ReceiveReply(1000, answer), -1);
    EXPECT_EQ(link.protocol->errorCode(), CRadioProtocol::NoError) << "a time-out is not a protocol error";
}

TEST(RadioReply, RepliesThatCannotBeHeldOrDoNotAddUpAreCommunicationFailures)
{
    OpenProtocol link;
    RadioReply answer;
    Bytes tooLong { 0xFF, 0x80, 0x00, 37, 0x01, 0x00, 0x00 };
    tooLong.insert(tooLong.end(), 33, 0x11);
    link.cable->queue(reply(tooLong));
    EXPECT_EQ(link.protocol->ReceiveReply(32, answer), -1) << "33 data bytes for a 32-byte block buffer";
    EXPECT_EQ(link.protocol->errorCode(), CRadioProtocol::MalformedReply);

    link.cable->incoming.clear();
    link.cable->queue(reply({ 0xF0, 0xA3 }));
    EXPECT_EQ(link.protocol->ReceiveReply(1000, answer), -1) << "a short frame with no room for its opcode";

    link.cable->incoming.clear();
    link.cable->queue(reply({ 0xFF, 0x80, 0x00, 0x02, 0x01 }));
    EXPECT_EQ(link.protocol->ReceiveReply(1000, answer), -1) << "an address that does not fit the length";

    link.cable->incoming.clear();
    link.cable->queue(Bytes(1, 0x50));
    link.cable->queue(Bytes(200, 0x00));
    EXPECT_EQ(link.protocol->ReceiveReply(1000, answer), -1) << "endless noise";
    EXPECT_EQ(link.protocol->errorCode(), CRadioProtocol::MalformedReply);
}

TEST(RadioReply, ResetIsAnsweredByTheAcknowledgementAlone)
{
    OpenProtocol link;
    link.answerWith({ { 0x50 } });
    EXPECT_EQ(link.protocol->SendReset(), 1);
    EXPECT_EQ(link.cable->frames.front(), RadioFrame::reset());

    OpenProtocol refused;
    refused.answerWith({ { 0x51 }, { 0x51 } });
    EXPECT_EQ(refused.protocol->SendReset(), -1);
    EXPECT_EQ(refused.protocol->errorCode(), CRadioProtocol::NoAcknowledge);
}

TEST(RadioTransact, RetriesAfterAReplyThatDoesNotParse)
{
    OpenProtocol link;
    Bytes bad = reply({ 0xF3, 0xA3, 0x09, 0x00 });
    bad.back() ^= 1;
    link.answerWith({ bad, reply({ 0xF4, 0xA3, 0x09, 0x00, 0x08 }) });
    RadioReply answer;
    EXPECT_EQ(link.protocol->QueryStatus(&answer), 3);
    EXPECT_EQ(answer.data.at(2), 0x08);
    EXPECT_EQ(link.cable->frames.size(), 2u);
    EXPECT_EQ(link.cable->purges, 2) << "each attempt purges";
}

TEST(RadioTransact, GivesUpAfterTheRetryCount)
{
    OpenProtocol link;
    Bytes bad = reply({ 0xF2, 0xA2, 0x00 });
    bad.back() ^= 1;
    link.answerWith({ bad, bad, bad });
    EXPECT_EQ(link.protocol->SendPrepare(), -1);
    EXPECT_EQ(link.cable->frames.size(), size_t(CRadioProtocol::kRetryCount));
}

TEST(RadioSend, ShortWritesAreRetriedAndAMissingEchoFails)
{
    OpenProtocol link;
    link.cable->writeLimit = 2;
    EXPECT_EQ(link.protocol->Send(RadioFrame::queryModel()), -1);
    EXPECT_EQ(link.cable->frames.size(), size_t(CRadioProtocol::kRetryCount));
    EXPECT_FALSE(link.cable->isFaulted());
    EXPECT_EQ(link.protocol->errorFlag(), 0);

    OpenProtocol silent;
    silent.cable->echo = false;
    EXPECT_EQ(silent.protocol->Send(RadioFrame::queryModel()), -1);
    silent.cable->echo = true;
    EXPECT_EQ(silent.protocol->Send(RadioFrame::queryModel()), 4);
}

TEST(RadioProtocol, StoppedOrFaultedConnectionIsNeverUsed)
{
    OpenProtocol stopped;
    FakeRadio radio(*stopped.cable);
    stopped.protocol->stop();
    quint8 buffer[40] = {};
    EXPECT_EQ(stopped.protocol->ReadBlock(0x10000, 4, buffer), -1);
    EXPECT_EQ(stopped.protocol->ReadRange(0x10000, 40, buffer), -1);
    EXPECT_EQ(stopped.protocol->WriteBlock(0x10000, buffer, 4), -1);
    EXPECT_EQ(stopped.protocol->WriteRange(0x10000, buffer, 40), -1);
    EXPECT_EQ(stopped.protocol->SendReset(), -1);
    EXPECT_EQ(stopped.protocol->SendControl(0x1F, 0, 0), -1);
    EXPECT_EQ(stopped.protocol->QueryStatus(), -1);
    EXPECT_EQ(stopped.cable->driverCalls, 0);
    stopped.protocol->resume();
    EXPECT_EQ(stopped.protocol->ReadRange(0x10000, 40, buffer), 40);

    OpenProtocol faulted;
    faulted.cable->readStatus = CableError::IoError;
    quint8 byte = 0;
    faulted.cable->Read(&byte, 1);
    ASSERT_TRUE(faulted.cable->isFaulted());
    const int calls = faulted.cable->driverCalls;
    EXPECT_EQ(faulted.protocol->QueryModel(), -1);
    EXPECT_EQ(faulted.cable->driverCalls, calls);
}

TEST(RadioRange, ThirtyThreeBytesAreReadAsBlocksOf32And1)
{
    OpenProtocol link;
    FakeRadio radio(*link.cable);
    for (quint32 i = 0; i < 33; ++i)
        radio.at(0x10E00 + i) = quint8(i + 1);
    quint8 buffer[33] = {};
    EXPECT_EQ(link.protocol->ReadRange(0x10E00, 33, buffer), 33);
    const auto reads = radio.requestsOf(0x11);
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(reads[0].data, (Bytes { 32, 0x01, 0x0E, 0x00 }));
    EXPECT_EQ(reads[1].data, (Bytes { 1, 0x01, 0x0E, 0x20 }));
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[32], 33);
}

TEST(RadioRange, WritesGoInBlocksOf32AndNothingIsSentForNoBytes)
{
    OpenProtocol link;
    FakeRadio radio(*link.cable);
    std::vector<quint8> data(70);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = quint8(200 - i);
    EXPECT_EQ(link.protocol->WriteRange(0x10800, data.data(), 70), 0);
    EXPECT_EQ(radio.blockWrites(),
        (std::vector<std::pair<quint32, int>> { { 0x10800, 32 }, { 0x10820, 32 }, { 0x10840, 6 } }));
    EXPECT_EQ(radio.get(0x10800, 70), data);

    const size_t frames = link.cable->frames.size();
    EXPECT_EQ(link.protocol->WriteRange(0x10800, data.data(), 0), 0);
    EXPECT_EQ(link.protocol->ReadRange(0x10800, 0, data.data()), 0);
    EXPECT_EQ(link.cable->frames.size(), frames);
}

TEST(RadioRange, ABlockReplyOfTheWrongSizeOrAddressIsACommunicationFailure)
{
    quint8 buffer[4] = {};
    OpenProtocol shortReply;
    shortReply.answerWith({ reply({ 0xFF, 0x80, 0x00, 0x06, 0x01, 0x00, 0x00, 0xAA, 0xBB }) });
    EXPECT_EQ(shortReply.protocol->ReadBlock(0x10000, 4, buffer), -1) << "two bytes for four";

    OpenProtocol elsewhere;
    elsewhere.answerWith({ reply({ 0xFF, 0x80, 0x00, 0x08, 0x01, 0x00, 0x04, 1, 2, 3, 4 }) });
    EXPECT_EQ(elsewhere.protocol->ReadBlock(0x10000, 4, buffer), -1) << "data from another address";
    EXPECT_EQ(elsewhere.protocol->errorCode(), CRadioProtocol::MalformedReply);

    OpenProtocol empty;
    const Bytes noData = reply({ 0xFF, 0x85, 0x00, 0x04, 0x01, 0x00, 0x00 });
    empty.answerWith({ noData, noData });
    EXPECT_EQ(empty.protocol->ReadBlock(0x10000, 4, buffer), 0) << "a reply without data";
    EXPECT_EQ(empty.protocol->ReadRange(0x10000, 4, buffer), 0);
}

TEST(RadioRange, RefusedBlockWriteFailsAtOnce)
{
    OpenProtocol link;
    FakeRadio radio(*link.cable);
    radio.refuseWrites = true;
    const quint8 data[40] = {};
    EXPECT_EQ(link.protocol->WriteRange(0x10000, data, 40), -1);
    EXPECT_EQ(link.protocol->errorCode(), CRadioProtocol::WriteRefused);
    EXPECT_EQ(radio.requests.size(), 1u) << "one attempt, and the range stops";
}
