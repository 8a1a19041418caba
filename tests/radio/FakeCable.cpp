#include "FakeCable.h"

#include <algorithm>

CableStatus FakeCable::devicePurge(quint32 mask)
{
    ++driverCalls;
    ++purges;
    if (mask & CableLine::kPurgeReceive)
        incoming.clear();
    return CableError::Ok;
}

CableStatus FakeCable::deviceRead(quint8 *buffer, int count, int *transferred)
{
    ++driverCalls;
    ++reads;
    const int available = std::min<int>(count, int(incoming.size()));
    std::copy_n(incoming.begin(), available, buffer);
    incoming.erase(incoming.begin(), incoming.begin() + available);
    *transferred = available;
    return readStatus;
}

CableStatus FakeCable::deviceWrite(const quint8 *buffer, int count, int *transferred)
{
    ++driverCalls;
    const int moved = writeLimit < 0 ? count : std::min(count, writeLimit);
    *transferred = moved;
    frames.emplace_back(buffer, buffer + moved);
    if (writeStatus != CableError::Ok || moved < count)
        return writeStatus;
    if (echo)
        incoming.insert(incoming.end(), buffer, buffer + count);
    if (onFrame)
        onFrame(frames.back());
    return CableError::Ok;
}
