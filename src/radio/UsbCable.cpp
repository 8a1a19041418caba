#include "radio/UsbCable.h"

#include <cstring>

std::atomic<int> CUsbCable::s_cableDeviceIndex{0};

bool CUsbCable::record(CableStatus status)
{
    if (status == CableError::Ok)
        return true;
    m_lastStatus = status;
    return false;
}

int CUsbCable::Open(int deviceIndex)
{
    if (m_open) {
        record(deviceClose());
        m_open = false;
    }
    const CableStatus status = deviceOpen(deviceIndex);
    if (status != CableError::Ok) {
        record(status);
        return 0;
    }
    m_open = true;
    m_lastStatus = CableError::Ok;
    return 1;
}

int CUsbCable::Close()
{
    if (!m_open)
        return 0;
    if (!record(deviceClose()))
        return 0;
    m_open = false;
    return 1;
}

int CUsbCable::SetBaudRate(quint32 baudRate)
{
    return m_open && record(deviceSetBaudRate(baudRate)) ? 1 : 0;
}

int CUsbCable::SetDataCharacteristics(quint8 wordLength, quint8 stopBits, quint8 parity)
{
    return m_open && record(deviceSetDataCharacteristics(wordLength, stopBits, parity)) ? 1 : 0;
}

int CUsbCable::SetFlowControl(quint16 flowControl, quint8 xon, quint8 xoff)
{
    return m_open && record(deviceSetFlowControl(flowControl, xon, xoff)) ? 1 : 0;
}

int CUsbCable::SetTimeouts(quint32 readMs, quint32 writeMs)
{
    return m_open && record(deviceSetTimeouts(readMs, writeMs)) ? 1 : 0;
}

int CUsbCable::Purge(quint32 mask)
{
    return m_open && record(devicePurge(mask)) ? 1 : 0;
}

int CUsbCable::transferred(CableStatus status, int moved, int count)
{
    record(status);
    return qBound(0, moved, count);
}

int CUsbCable::Read(quint8 *buffer, int count)
{
    if (!m_open || count < 0)
        return 0;
    int moved = 0;
    const CableStatus status = deviceRead(buffer, count, &moved);
    return transferred(status, moved, count);
}

int CUsbCable::Write(const quint8 *buffer, int count)
{
    if (!m_open || count < 0)
        return 0;
    int moved = 0;
    const CableStatus status = deviceWrite(buffer, count, &moved);
    return transferred(status, moved, count);
}

bool CUsbCable::isCableDescription(const char *description, int size)
{
    static const char *const names[] = {"KVX Series CPS Cable", "LX CPS Cable"};
    for (const char *name : names) {
        const int compared = int(std::strlen(name)) + 1;  // the terminating zero counts
        if (compared <= size && std::memcmp(description, name, compared) == 0)
            return true;
    }
    return false;
}

int CUsbCable::ScanCables(int *firstIndex)
{
    int count = 0;
    if (!record(deviceCount(&count)))
        return 0;
    int matches = 0;
    for (int index = 0; index < count; ++index) {
        char description[kDescriptionSize] = {};
        if (deviceDescription(index, description) != CableError::Ok)
            continue;
        if (!isCableDescription(description, kDescriptionSize))
            continue;
        if (matches == 0 && firstIndex)
            *firstIndex = index;
        ++matches;
    }
    return matches;
}

int CUsbCable::FindCables()
{
    int first = 0;
    const int count = ScanCables(&first);
    if (count > 0)
        setCableDeviceIndex(first);
    return count;
}
