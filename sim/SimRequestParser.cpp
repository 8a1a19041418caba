#include "SimRequestParser.h"

std::optional<SimRequest> SimRequestParser::feed(quint8 byte, qint64 nowMs)
{
    if (m_state != State::Lead && nowMs - m_lastByteMs > kGapLimitMs)
        restart();
    m_lastByteMs = nowMs;

    switch (m_state) {
    case State::Lead:
        if (byte == 0xFF) {
            m_request = SimRequest { true, 0, {} };
        } else if (byte >= 0xF1 && byte <= 0xFE) {
            m_request = SimRequest { false, 0, {} };
            m_remaining = byte & 0x0F; // opcode and data, then the checksum
        } else {
            return std::nullopt; // noise between frames
        }
        m_sum = byte;
        m_state = State::Opcode;
        return std::nullopt;
    case State::Opcode:
        m_request.opcode = byte;
        m_sum = quint8(m_sum + byte);
        if (m_request.longForm) {
            m_state = State::LengthHigh;
        } else {
            // n counted the opcode and the data; the checksum takes the
            // opcode's place in the count.
            m_state = State::Body;
        }
        return std::nullopt;
    case State::LengthHigh:
        m_remaining = byte << 8;
        m_sum = quint8(m_sum + byte);
        m_state = State::LengthLow;
        return std::nullopt;
    case State::LengthLow:
        m_remaining |= byte;
        m_sum = quint8(m_sum + byte);
        if (m_remaining < 1 || m_remaining > kMaxLongLength)
            restart();
        else
            m_state = State::Body;
        return std::nullopt;
    case State::Body:
        if (m_remaining > 1) {
            m_request.data.append(char(byte));
            m_sum = quint8(m_sum + byte);
            --m_remaining;
            return std::nullopt;
        }
        restart();
        if (byte != quint8(~m_sum)) {
            ++m_badFrames;
            return std::nullopt;
        }
        return m_request;
    }
    return std::nullopt;
}
