#include "radio/UsbCable.h"

bool CUsbCable::record(CableStatus status)
{
    if (status == CableError::Ok)
        return true;
    m_lastStatus = status;
    return false;
}

int CUsbCable::Purge(quint32 mask)
{
    return record(devicePurge(mask)) ? 1 : 0;
}

int CUsbCable::transferred(CableStatus status, int moved, int count)
{
    record(status);
    return qBound(0, moved, count);
}

int CUsbCable::Read(quint8 *buffer, int count)
{
    if (count < 0)
        return 0;
    int moved = 0;
    const CableStatus status = deviceRead(buffer, count, &moved);
    return transferred(status, moved, count);
}

int CUsbCable::Write(const quint8 *buffer, int count)
{
    if (count < 0)
        return 0;
    int moved = 0;
    const CableStatus status = deviceWrite(buffer, count, &moved);
    return transferred(status, moved, count);
}
