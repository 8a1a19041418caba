#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// One request frame as the radio received it.
struct SimRequest {
    bool longForm = false;
    quint8 opcode = 0;
    QByteArray data; // the bytes between the opcode (long form: the length) and the checksum
};

// Picks request frames out of the bytes the radio receives, byte by byte:
//   long:  FF, opcode, 16-bit length, `length` bytes ending in the checksum;
//   short: F0 + n, n bytes (opcode and data), the checksum;
// the checksum being the complement of the 8-bit sum of the bytes before it.
// Bytes outside a frame are skipped; a frame with a bad checksum is dropped;
// a frame left unfinished for longer than the gap limit is abandoned.
class SimRequestParser {
public:
    static constexpr qint64 kGapLimitMs = 60;
    static constexpr int kMaxLongLength = 64;

    // Feeds one byte received at nowMs; answers a request when it completes one.
    std::optional<SimRequest> feed(quint8 byte, qint64 nowMs);
    // Frames dropped for a bad checksum so far.
    int badFrames() const { return m_badFrames; }

private:
    enum class State { Lead, Opcode, LengthHigh, LengthLow, Body };

    void restart() { m_state = State::Lead; }

    State m_state = State::Lead;
    SimRequest m_request;
    quint8 m_sum = 0;
    int m_remaining = 0; // body bytes still to come, checksum included
    qint64 m_lastByteMs = 0;
    int m_badFrames = 0;
};
