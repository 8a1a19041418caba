#pragma once

#include "FakeCable.h"

#include <QtGlobal>

#include <functional>
#include <string>
#include <vector>

// A radio on the far end of a FakeCable, answering each request frame from
// a memory of addresses 0x10000-0x2FFFF, for tests that watch the exact
// requests the engine makes. It keeps a log of the requests it answered.
class FakeRadio {
public:
    struct Request {
        quint8 opcode;
        std::vector<quint8> data; // after the opcode (long form: after the length), checksum excluded

        quint32 address() const
        {
            return (quint32(data.at(0)) << 16) | (quint32(data.at(1)) << 8) | data.at(2);
        }
    };

    static constexpr quint32 kFirstAddress = 0x10000;
    static constexpr size_t kSize = 0x20000;

    // Attaches to cable (which must outlive the radio).
    explicit FakeRadio(FakeCable &cable);

    std::string firmware = "R17";
    int memoryStatus = 0;
    bool refuseWrites = false;
    // Called before each request is answered (the engine has posted
    // everything it posted before sending it).
    std::function<void(const Request &)> beforeRequest;

    std::vector<Request> requests;

    quint8 &at(quint32 address) { return m_memory.at(address - kFirstAddress); }
    void put(quint32 address, const std::vector<quint8> &bytes);
    std::vector<quint8> get(quint32 address, int length) const;
    void putBigEndian(quint32 address, quint32 value, int width);

    // Requests with this opcode (and, when given, this first data byte).
    std::vector<Request> requestsOf(quint8 opcode, int firstByte = -1) const;
    // The blocks written, as (address, length), in order.
    std::vector<std::pair<quint32, int>> blockWrites() const;

private:
    void answer(const std::vector<quint8> &frame);
    std::vector<quint8> reply(const Request &request);

    FakeCable &m_cable;
    std::vector<quint8> m_memory;
};
