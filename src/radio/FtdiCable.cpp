#include "radio/FtdiCable.h"

#include <ftdi.h>
#include <libusb.h>

#include <QElapsedTimer>

#include <vector>

namespace {

constexpr quint16 kFtdiVendorId = 0x0403;
// The bridge sends what it has received after this many milliseconds of
// quiet; the smallest setting keeps short replies from waiting 16 ms each.
constexpr unsigned char kMinimumLatencyMs = 1;

// The attached FTDI devices, in bus order, for as long as the list lives.
class FtdiDeviceList {
public:
    explicit FtdiDeviceList(libusb_context *context)
    {
        const ssize_t count = libusb_get_device_list(context, &m_all);
        if (count < 0) {
            m_all = nullptr;
            return;
        }
        for (ssize_t i = 0; i < count; ++i) {
            libusb_device_descriptor descriptor {};
            if (libusb_get_device_descriptor(m_all[i], &descriptor) == 0
                && descriptor.idVendor == kFtdiVendorId)
                m_ftdi.push_back(m_all[i]);
        }
    }
    ~FtdiDeviceList()
    {
        if (m_all)
            libusb_free_device_list(m_all, 1);
    }
    FtdiDeviceList(const FtdiDeviceList &) = delete;
    FtdiDeviceList &operator=(const FtdiDeviceList &) = delete;

    bool valid() const { return m_all != nullptr; }
    int size() const { return int(m_ftdi.size()); }
    libusb_device *at(int index) const
    {
        return index >= 0 && index < size() ? m_ftdi[size_t(index)] : nullptr;
    }

private:
    libusb_device **m_all = nullptr;
    std::vector<libusb_device *> m_ftdi;
};

// libftdi's answer when the interface is claimed by another program.
constexpr int kClaimFailed = -5;
constexpr int kDescriptionSize = 64;

// The product description of device; empty when it cannot be read.
QByteArray descriptionOf(libusb_device *device)
{
    libusb_device_descriptor descriptor {};
    if (libusb_get_device_descriptor(device, &descriptor) != 0)
        return {};
    libusb_device_handle *handle = nullptr;
    if (libusb_open(device, &handle) != 0)
        return {};
    unsigned char text[kDescriptionSize] = {};
    const int length
        = libusb_get_string_descriptor_ascii(handle, descriptor.iProduct, text, kDescriptionSize - 1);
    libusb_close(handle);
    return length < 0 ? QByteArray() : QByteArray(reinterpret_cast<const char *>(text), length);
}

// The attached cables in bus order, valid as long as devices lives.
QList<libusb_device *> attachedCables(const FtdiDeviceList &devices)
{
    QList<QByteArray> descriptions;
    for (int index = 0; index < devices.size(); ++index)
        descriptions << descriptionOf(devices.at(index));
    QList<libusb_device *> cables;
    for (int index : CFtdiCable::cableIndexes(descriptions))
        cables << devices.at(index);
    return cables;
}

CableStatus statusOf(int result)
{
    return result < 0 ? CableError::IoError : CableError::Ok;
}

} // namespace

CableOpening CFtdiCable::open()
{
    ftdi_context *ftdi = ftdi_new();
    if (!ftdi)
        return { nullptr, CableError::InsufficientResources };
    std::unique_ptr<CFtdiCable> cable(new CFtdiCable(ftdi));
    FtdiDeviceList devices(ftdi->usb_ctx);
    if (!devices.valid())
        return { nullptr, CableError::IoError };
    const QList<libusb_device *> cables = attachedCables(devices);
    if (cables.isEmpty())
        return { nullptr, CableError::DeviceNotFound };
    const int opened = ftdi_usb_open_dev(ftdi, cables.first());
    if (opened < 0)
        return { nullptr, opened == kClaimFailed ? CableError::DeviceBusy : CableError::DeviceNotOpened };
    cable->m_deviceOpen = true;
    ftdi->usb_read_timeout = int(CableLine::kTimeoutMs);
    ftdi->usb_write_timeout = int(CableLine::kTimeoutMs);
    if (ftdi_set_baudrate(ftdi, int(CableLine::kBaudRate)) < 0)
        return { nullptr, CableError::InvalidBaudRate };
    if (ftdi_set_line_property(ftdi, BITS_8, STOP_BIT_1, NONE) < 0
        || ftdi_setflowctrl(ftdi, SIO_DISABLE_FLOW_CTRL) < 0)
        return { nullptr, CableError::IoError };
    ftdi_set_latency_timer(ftdi, kMinimumLatencyMs);
    ftdi_tcioflush(ftdi);
    return { std::move(cable), CableError::Ok };
}

int CFtdiCable::countCables()
{
    ftdi_context *ftdi = ftdi_new();
    if (!ftdi)
        return 0;
    int count = 0;
    {
        FtdiDeviceList devices(ftdi->usb_ctx);
        count = int(attachedCables(devices).size());
    }
    ftdi_free(ftdi);
    return count;
}

bool CFtdiCable::isCableDescription(const QByteArray &description)
{
    return description == "KVX Series CPS Cable" || description == "LX CPS Cable";
}

QList<int> CFtdiCable::cableIndexes(const QList<QByteArray> &descriptions)
{
    QList<int> indexes;
    for (int index = 0; index < descriptions.size(); ++index) {
        if (isCableDescription(descriptions[index]))
            indexes << index;
    }
    return indexes;
}

CFtdiCable::~CFtdiCable()
{
    if (m_deviceOpen)
        ftdi_usb_close(m_ftdi);
    ftdi_free(m_ftdi);
}

CableStatus CFtdiCable::devicePurge(quint32 mask)
{
    const bool receive = mask & CableLine::kPurgeReceive;
    const bool transmit = mask & CableLine::kPurgeTransmit;
    if (receive && transmit)
        return statusOf(ftdi_tcioflush(m_ftdi));
    if (receive)
        return statusOf(ftdi_tciflush(m_ftdi));
    if (transmit)
        return statusOf(ftdi_tcoflush(m_ftdi));
    return CableError::Ok;
}

CableStatus CFtdiCable::deviceRead(quint8 *buffer, int count, int *transferred)
{
    *transferred = 0;
    // libftdi hands back what one USB poll brought; the cable's read waits
    // for the whole count up to the read time-out.
    QElapsedTimer clock;
    clock.start();
    while (*transferred < count) {
        const int got = ftdi_read_data(m_ftdi, buffer + *transferred, count - *transferred);
        if (got < 0)
            return CableError::IoError;
        *transferred += got;
        if (*transferred < count && clock.elapsed() >= qint64(CableLine::kTimeoutMs))
            break;
    }
    return CableError::Ok;
}

CableStatus CFtdiCable::deviceWrite(const quint8 *buffer, int count, int *transferred)
{
    *transferred = 0;
    const int written = ftdi_write_data(m_ftdi, buffer, count);
    if (written < 0)
        return CableError::IoError;
    *transferred = written;
    return CableError::Ok;
}
