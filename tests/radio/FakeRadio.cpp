#include "FakeRadio.h"

namespace {

std::vector<quint8> finish(std::vector<quint8> frame)
{
    quint8 sum = 0;
    for (quint8 byte : frame)
        sum = quint8(sum + byte);
    frame.push_back(quint8(~sum));
    frame.insert(frame.begin(), 0x50);
    return frame;
}

std::vector<quint8> addressed(quint8 opcode, quint32 address, const std::vector<quint8> &data)
{
    const size_t length = 3 + data.size() + 1;
    std::vector<quint8> frame { 0xFF, opcode, quint8(length >> 8), quint8(length), quint8(address >> 16),
        quint8(address >> 8), quint8(address) };
    frame.insert(frame.end(), data.begin(), data.end());
    return finish(frame);
}

std::vector<quint8> shortForm(quint8 opcode, const std::vector<quint8> &data)
{
    std::vector<quint8> frame { quint8(0xF0 + 1 + data.size()), opcode };
    frame.insert(frame.end(), data.begin(), data.end());
    return finish(frame);
}

} // namespace

FakeRadio::FakeRadio(FakeCable &cable)
    : m_cable(cable)
    , m_memory(kSize, 0)
{
    m_cable.onFrame = [this](const std::vector<quint8> &frame) { answer(frame); };
}

void FakeRadio::put(quint32 address, const std::vector<quint8> &bytes)
{
    for (size_t i = 0; i < bytes.size(); ++i)
        at(address + quint32(i)) = bytes[i];
}

std::vector<quint8> FakeRadio::get(quint32 address, int length) const
{
    const auto begin = m_memory.begin() + (address - kFirstAddress);
    return { begin, begin + length };
}

void FakeRadio::putBigEndian(quint32 address, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        at(address + quint32(i)) = quint8(value >> (8 * (width - 1 - i)));
}

std::vector<FakeRadio::Request> FakeRadio::requestsOf(quint8 opcode, int firstByte) const
{
    std::vector<Request> found;
    for (const Request &request : requests) {
        if (request.opcode == opcode
            && (firstByte < 0 || (!request.data.empty() && request.data[0] == firstByte)))
            found.push_back(request);
    }
    return found;
}

std::vector<std::pair<quint32, int>> FakeRadio::blockWrites() const
{
    std::vector<std::pair<quint32, int>> writes;
    for (const Request &request : requestsOf(0x17))
        writes.emplace_back(request.address(), int(request.data.size()) - 3);
    return writes;
}

void FakeRadio::answer(const std::vector<quint8> &frame)
{
    if (frame.size() < 3)
        return;
    Request request { frame[1], {} };
    const size_t dataStart = frame[0] == 0xFF ? 4 : 2;
    request.data.assign(frame.begin() + long(dataStart), frame.end() - 1);
    if (beforeRequest)
        beforeRequest(request);
    requests.push_back(request);
    const std::vector<quint8> bytes = reply(request);
    m_cable.queue(bytes);
}

std::vector<quint8> FakeRadio::reply(const Request &request)
{
    switch (request.opcode) {
    case 0x11: {
        const int length = request.data.at(0);
        const quint32 address
            = (quint32(request.data.at(1)) << 16) | (quint32(request.data.at(2)) << 8) | request.data.at(3);
        return addressed(0x80, address, get(address, length));
    }
    case 0x17: {
        const quint32 address = request.address();
        if (refuseWrites)
            return addressed(0x85, address, {});
        put(address, { request.data.begin() + 3, request.data.end() });
        return addressed(0x84, address, {});
    }
    case 0x10:
        return { 0x50 };
    case 0x23:
        if (request.data.at(0) == 0x03)
            return shortForm(0xA3, { 0x03, quint8(firmware[0]), quint8(firmware[1]), quint8(firmware[2]) });
        return shortForm(0xA3, { 0x09, 0x00, quint8(memoryStatus) });
    case 0x9A:
        if (request.data.at(0) == 0x04)
            put(0x10800 + 6u * request.data.at(1), { request.data.begin() + 2, request.data.end() });
        return shortForm(0x9A, { 0x00 });
    default:
        return shortForm(quint8(request.opcode | 0x80), { 0x00 });
    }
}
