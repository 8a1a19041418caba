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
class FtdiDeviceList
{
public:
    explicit FtdiDeviceList(libusb_context *context)
    {
        const ssize_t count = libusb_get_device_list(context, &m_all);
        if (count < 0) {
            m_all = nullptr;
            return;
        }
        for (ssize_t i = 0; i < count; ++i) {
            libusb_device_descriptor descriptor{};
            if (libusb_get_device_descriptor(m_all[i], &descriptor) == 0 && descriptor.idVendor == kFtdiVendorId)
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
    libusb_device *at(int index) const { return index >= 0 && index < size() ? m_ftdi[size_t(index)] : nullptr; }

private:
    libusb_device **m_all = nullptr;
    std::vector<libusb_device *> m_ftdi;
};

CableStatus statusOf(int result)
{
    return result < 0 ? CableError::IoError : CableError::Ok;
}

} // namespace

CFtdiCable::CFtdiCable() : m_ftdi(ftdi_new())
{
}

CFtdiCable::~CFtdiCable()
{
    if (!m_ftdi)
        return;
    if (m_deviceOpen)
        ftdi_usb_close(m_ftdi);
    ftdi_free(m_ftdi);
}

CableStatus CFtdiCable::deviceOpen(int deviceIndex)
{
    if (!m_ftdi)
        return CableError::InsufficientResources;
    FtdiDeviceList devices(m_ftdi->usb_ctx);
    libusb_device *device = devices.at(deviceIndex);
    if (!device)
        return CableError::DeviceNotFound;
    if (ftdi_usb_open_dev(m_ftdi, device) < 0)
        return CableError::DeviceNotOpened;
    m_deviceOpen = true;
    ftdi_set_latency_timer(m_ftdi, kMinimumLatencyMs);
    ftdi_tcioflush(m_ftdi);
    return CableError::Ok;
}

CableStatus CFtdiCable::deviceClose()
{
    if (!m_deviceOpen)
        return CableError::InvalidHandle;
    m_deviceOpen = false;
    return statusOf(ftdi_usb_close(m_ftdi));
}

CableStatus CFtdiCable::deviceSetBaudRate(quint32 baudRate)
{
    if (!m_deviceOpen)
        return CableError::InvalidHandle;
    return ftdi_set_baudrate(m_ftdi, int(baudRate)) < 0 ? CableError::InvalidBaudRate : CableError::Ok;
}

CableStatus CFtdiCable::deviceSetDataCharacteristics(quint8 wordLength, quint8 stopBits, quint8 parity)
{
    if (!m_deviceOpen)
        return CableError::InvalidHandle;
    if ((wordLength != 7 && wordLength != 8) || stopBits > 2 || parity > 4)
        return CableError::InvalidParameter;
    return statusOf(ftdi_set_line_property(m_ftdi, ftdi_bits_type(wordLength), ftdi_stopbits_type(stopBits),
                                           ftdi_parity_type(parity)));
}

CableStatus CFtdiCable::deviceSetFlowControl(quint16 flowControl, quint8 xon, quint8 xoff)
{
    if (!m_deviceOpen)
        return CableError::InvalidHandle;
    switch (flowControl) {
    case SIO_DISABLE_FLOW_CTRL:
    case SIO_RTS_CTS_HS:
    case SIO_DTR_DSR_HS:
        return statusOf(ftdi_setflowctrl(m_ftdi, flowControl));
    case SIO_XON_XOFF_HS:
        return statusOf(ftdi_setflowctrl_xonxoff(m_ftdi, xon, xoff));
    default:
        return CableError::InvalidParameter;
    }
}

CableStatus CFtdiCable::deviceSetTimeouts(quint32 readMs, quint32 writeMs)
{
    if (!m_deviceOpen)
        return CableError::InvalidHandle;
    m_readTimeoutMs = readMs;
    m_ftdi->usb_read_timeout = int(readMs);
    m_ftdi->usb_write_timeout = int(writeMs);
    return CableError::Ok;
}

CableStatus CFtdiCable::devicePurge(quint32 mask)
{
    if (!m_deviceOpen)
        return CableError::InvalidHandle;
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
    if (!m_deviceOpen)
        return CableError::InvalidHandle;
    // libftdi hands back what one USB poll brought; the cable's read waits
    // for the whole count up to the read time-out.
    QElapsedTimer clock;
    clock.start();
    while (*transferred < count) {
        const int got = ftdi_read_data(m_ftdi, buffer + *transferred, count - *transferred);
        if (got < 0)
            return CableError::IoError;
        *transferred += got;
        if (*transferred < count && clock.elapsed() >= qint64(m_readTimeoutMs))
            break;
    }
    return CableError::Ok;
}

CableStatus CFtdiCable::deviceWrite(const quint8 *buffer, int count, int *transferred)
{
    *transferred = 0;
    if (!m_deviceOpen)
        return CableError::InvalidHandle;
    const int written = ftdi_write_data(m_ftdi, buffer, count);
    if (written < 0)
        return CableError::IoError;
    *transferred = written;
    return CableError::Ok;
}

CableStatus CFtdiCable::deviceCount(int *count)
{
    *count = 0;
    if (!m_ftdi)
        return CableError::InsufficientResources;
    FtdiDeviceList devices(m_ftdi->usb_ctx);
    if (!devices.valid())
        return CableError::IoError;
    *count = devices.size();
    return CableError::Ok;
}

CableStatus CFtdiCable::deviceDescription(int deviceIndex, char (&description)[kDescriptionSize])
{
    if (!m_ftdi)
        return CableError::InsufficientResources;
    FtdiDeviceList devices(m_ftdi->usb_ctx);
    libusb_device *device = devices.at(deviceIndex);
    if (!device)
        return CableError::DeviceNotFound;
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(device, &descriptor) != 0)
        return CableError::IoError;
    libusb_device_handle *handle = nullptr;
    if (libusb_open(device, &handle) != 0)
        return CableError::DeviceNotOpened;
    const int length = libusb_get_string_descriptor_ascii(handle, descriptor.iProduct,
                                                          reinterpret_cast<unsigned char *>(description),
                                                          kDescriptionSize - 1);
    libusb_close(handle);
    if (length < 0)
        return CableError::IoError;
    description[length] = '\0';
    return CableError::Ok;
}
