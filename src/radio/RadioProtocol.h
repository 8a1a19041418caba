#pragma once

#include "radio/RadioFrame.h"
#include "radio/RadioTrace.h"
#include "radio/UsbCable.h"

#include <atomic>
#include <memory>

// What one reply of the radio carried.
struct RadioReply {
    quint8 opcode = 0;
    quint32 address = 0; // the address of an addressed reply, else 0
    RadioFrame::Bytes data; // the data bytes
};

// The frame engine of one radio link: framing, echo handling, the reply
// state machine and the command set, over an open cable connection it owns.
//
// Every primitive answers -1 at once when the connection is faulted or the
// protocol is stopped. Diagnosis of the last protocol
// failure is kept in errorFlag() and errorCode(); results never carry it.
class CRadioProtocol {
public:
    static constexpr int kRetryCount = 2; // attempts per command and per byte group
    static constexpr int kFirstByteRetryCount = 20; // reads while waiting for a reply to start
    static constexpr int kFrameBufferSize = 80;
    static constexpr int kReplyCapacity = 1000; // most data bytes of a reply other than a block read

    // Diagnostic error codes.
    enum ErrorCode : int {
        NoError = 0,
        NoAcknowledge = -10, // the reply did not start with 0x50
        BadChecksum = -11,
        WriteRefused = -12, // the radio answered a block write with 0x85
        MalformedReply = -13, // impossible length, more data than expected, wrong address, endless noise
    };

    // cable: open, its line set (CablePort::open).
    explicit CRadioProtocol(std::unique_ptr<CUsbCable> cable);
    ~CRadioProtocol();
    CRadioProtocol(const CRadioProtocol &) = delete;
    CRadioProtocol &operator=(const CRadioProtocol &) = delete;

    // One block read of at most 32 bytes into destination: the number of
    // data bytes in the reply (0 when the radio sent none), or -1. A reply
    // with another address or another number of bytes than asked is a
    // communication failure.
    int ReadBlock(quint32 address, int length, quint8 *destination);
    // length bytes in blocks of 32: the total length, or the failing block's
    // result (0 or -1). A length of 0 reads nothing and answers 0.
    int ReadRange(quint32 address, int length, quint8 *destination);
    // One block write of at most 32 bytes, single attempt: the reply's data
    // byte count, or -1 (a refusal, opcode 0x85, sets WriteRefused).
    int WriteBlock(quint32 address, const quint8 *data, int length);
    // length bytes in blocks of 32: the reply data bytes in total (0 in
    // practice), or -1. A length of 0 sends nothing and answers 0.
    int WriteRange(quint32 address, const quint8 *data, int length);

    // 1 when the radio acknowledged the reset, else -1.
    int SendReset();
    // The reply's data byte count, or -1; reply (when given) gets the reply.
    int SendControl(quint8 p1, quint8 p2, quint8 p3, RadioReply *reply = nullptr);
    int SendPrepare(RadioReply *reply = nullptr);
    int QueryModel(RadioReply *reply = nullptr);
    int QueryStatus(RadioReply *reply = nullptr);
    int WriteFrequencyRecord(quint8 index, const quint8 (&record)[6], RadioReply *reply = nullptr);
    int CommitFrequencies(quint8 count, quint8 flag, RadioReply *reply = nullptr);

    // Sends a frame and reads back its echo: the frame's length, or -1.
    int Send(const RadioFrame::Bytes &frame);
    // Up to attempts cable reads of count bytes; succeeds (count) only when
    // one read brings all of them, else -1.
    int ReadBytes(quint8 *buffer, int count, int attempts);
    // Reads count bytes as they come, however many each cable read brings;
    // a read that brings none counts as one of attempts. The bytes got.
    int ReadAll(quint8 *buffer, int count, int attempts);
    // Reads one reply of at most capacity data bytes: the data byte count,
    // or -1.
    int ReceiveReply(int capacity, RadioReply &reply);
    // Up to attempts times: purge, send, receive. The first reply that
    // parses gives the result; -1 when none did or the send failed.
    int Transact(const RadioFrame::Bytes &frame, int capacity, RadioReply &reply, int attempts = kRetryCount);

    // Thread-safe. A stopped protocol refuses every primitive from the next
    // cable read or write on, so a transfer ends within one read time-out
    // even when the radio has gone silent; resume() lifts the stop.
    void stop() { m_stopped = true; }
    void resume() { m_stopped = false; }
    bool stopped() const { return m_stopped; }

    // Drops what the radio still sends (the rest of a reply cut short by a
    // stop) until the line has been quiet for one read time-out.
    void Drain();

    // Blocks and frequency records the radio has taken so far.
    int blocksWritten() const { return m_blocksWritten; }

    // Neither faulted nor stopped.
    bool usable() const;
    int errorFlag() const { return m_errorFlag; }
    int errorCode() const { return m_errorCode; }

    // Every frame this link has sent and received.
    const CRadioTrace &trace() const { return m_trace; }

private:
    int parseReply(int capacity, RadioReply &reply);
    int fail(ErrorCode code);
    int command(const RadioFrame::Bytes &frame, RadioReply *reply);

    std::unique_ptr<CUsbCable> m_cable;
    int m_retryCount = kRetryCount;
    int m_firstByteRetryCount = kFirstByteRetryCount;
    bool m_echo = true; // the cable returns every byte sent
    int m_errorFlag = 0;
    int m_errorCode = NoError;
    std::atomic<bool> m_stopped { false };
    int m_blocksWritten = 0;
    CRadioTrace m_trace;
    RadioFrame::Bytes m_replyBytes; // what the reply being received has brought so far
};
