#pragma once

#include "radio/UsbCable.h"

#include <atomic>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// A cable whose device side the test scripts: the devices it lists, the
// status each driver call answers, and the bytes reads return. Reads never
// wait: a read returns what is queued, as a real read does once its
// time-out has passed. Writes are recorded and, like the real cable, echoed.
class FakeCable : public CUsbCable
{
public:
    std::vector<std::string> descriptions{"KVX Series CPS Cable"};
    CableStatus countStatus = CableError::Ok;
    std::deque<CableStatus> openResults;  // one per open; Ok once used up
    CableStatus closeStatus = CableError::Ok;
    CableStatus baudStatus = CableError::Ok;
    CableStatus readStatus = CableError::Ok;
    CableStatus writeStatus = CableError::Ok;
    int writeLimit = -1;  // most bytes a write moves; -1: all
    bool echo = true;

    std::deque<quint8> incoming;            // what reads return
    std::vector<std::vector<quint8>> frames;// every write, as written
    // Called with each write that went out in full (the radio's side).
    std::function<void(const std::vector<quint8> &)> onFrame;

    int opens = 0;
    int closes = 0;
    int purges = 0;
    int reads = 0;
    int driverCalls = 0;  // every device primitive
    std::atomic<int> scans{0};
    quint32 baudRate = 0;
    quint32 readTimeout = 0;

    void queue(const std::vector<quint8> &bytes) { incoming.insert(incoming.end(), bytes.begin(), bytes.end()); }

protected:
    CableStatus deviceOpen(int deviceIndex) override;
    CableStatus deviceClose() override;
    CableStatus deviceSetBaudRate(quint32 rate) override;
    CableStatus deviceSetDataCharacteristics(quint8, quint8, quint8) override { return call(); }
    CableStatus deviceSetFlowControl(quint16, quint8, quint8) override { return call(); }
    CableStatus deviceSetTimeouts(quint32 readMs, quint32) override
    {
        readTimeout = readMs;
        return call();
    }
    CableStatus devicePurge(quint32 mask) override;
    CableStatus deviceRead(quint8 *buffer, int count, int *transferred) override;
    CableStatus deviceWrite(const quint8 *buffer, int count, int *transferred) override;
    CableStatus deviceCount(int *count) override;
    CableStatus deviceDescription(int deviceIndex, char (&description)[kDescriptionSize]) override;

private:
    CableStatus call()
    {
        ++driverCalls;
        return CableError::Ok;
    }
};
