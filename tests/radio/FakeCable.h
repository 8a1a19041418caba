#pragma once

#include "radio/UsbCable.h"

#include <deque>
#include <functional>
#include <vector>

// An open cable whose device side the test scripts: the status each driver
// call answers and the bytes reads return. Reads never wait: a read returns
// what is queued, as a real read does once its time-out has passed. Writes
// are recorded and, like the real cable, echoed.
class FakeCable : public CUsbCable {
public:
    CableStatus readStatus = CableError::Ok;
    CableStatus writeStatus = CableError::Ok;
    int writeLimit = -1; // most bytes a write moves; -1: all
    bool echo = true;

    std::deque<quint8> incoming; // what reads return
    std::vector<std::vector<quint8>> frames; // every write, as written
    // Called with each write that went out in full (the radio's side).
    std::function<void(const std::vector<quint8> &)> onFrame;

    int purges = 0;
    int reads = 0;
    int driverCalls = 0; // every device primitive

    void queue(const std::vector<quint8> &bytes)
    {
        incoming.insert(incoming.end(), bytes.begin(), bytes.end());
    }

protected:
    CableStatus devicePurge(quint32 mask) override;
    CableStatus deviceRead(quint8 *buffer, int count, int *transferred) override;
    CableStatus deviceWrite(const quint8 *buffer, int count, int *transferred) override;
};
