#include "device/LibusbBackend.h"

#include <libusb.h>

#include <mutex>

namespace {

// libusb keeps its default context for the whole process; remember the
// outcome of the one libusb_init(NULL) so a second backend does not repeat it.
int initDefaultContextOnce()
{
    static std::once_flag once;
    static int result = LIBUSB_ERROR_OTHER;
    std::call_once(once, [] { result = libusb_init(nullptr); });
    return result;
}

class LibusbHandle : public UsbHandle
{
public:
    explicit LibusbHandle(libusb_device_handle* handle) : m_handle(handle) {}
    ~LibusbHandle() override { libusb_close(m_handle); }

    int claimInterface(int number) override { return libusb_claim_interface(m_handle, number); }
    int releaseInterface(int number) override { return libusb_release_interface(m_handle, number); }
    int bulkTransfer(quint8 endpoint, unsigned char* data, int length, int* transferred,
                     unsigned timeoutMs) override
    {
        *transferred = 0;
        return libusb_bulk_transfer(m_handle, endpoint, data, length, transferred, timeoutMs);
    }

private:
    libusb_device_handle* m_handle;
};

class LibusbDevice : public UsbBusDevice
{
public:
    // Takes a reference of its own, so the device outlives libusb's list.
    explicit LibusbDevice(libusb_device* device) : m_device(libusb_ref_device(device)) {}
    ~LibusbDevice() override { libusb_unref_device(m_device); }

    int deviceDescriptor(UsbDeviceDescriptor& out) const override
    {
        libusb_device_descriptor d{};
        const int r = libusb_get_device_descriptor(m_device, &d);
        if (r == 0) {
            out.vendorId = d.idVendor;
            out.productId = d.idProduct;
            out.bcdDevice = d.bcdDevice;
            out.numConfigurations = d.bNumConfigurations;
        }
        return r;
    }

    int configDescriptor(int index, UsbConfigDescriptor& out) const override
    {
        libusb_config_descriptor* config = nullptr;
        const int r = libusb_get_config_descriptor(m_device, quint8(index), &config);
        if (r != 0)
            return r;
        out = UsbConfigDescriptor();
        out.configurationValue = config->bConfigurationValue;
        for (int i = 0; i < config->bNumInterfaces; ++i) {
            const libusb_interface& itf = config->interface[i];
            UsbInterfaceDescriptor interface;
            for (int a = 0; a < itf.num_altsetting; ++a) {
                const libusb_interface_descriptor& alt = itf.altsetting[a];
                UsbAltSetting setting;
                setting.interfaceClass = alt.bInterfaceClass;
                for (int e = 0; e < alt.bNumEndpoints; ++e) {
                    const libusb_endpoint_descriptor& ep = alt.endpoint[e];
                    setting.endpoints.append({ep.bEndpointAddress, ep.bmAttributes, ep.wMaxPacketSize});
                }
                interface.altSettings.append(setting);
            }
            out.interfaces.append(interface);
        }
        libusb_free_config_descriptor(config);
        return 0;
    }

    int open(std::unique_ptr<UsbHandle>& handle) override
    {
        libusb_device_handle* h = nullptr;
        const int r = libusb_open(m_device, &h);
        if (r == 0)
            handle = std::make_unique<LibusbHandle>(h);
        return r;
    }

    int busNumber() const override { return libusb_get_bus_number(m_device); }
    int address() const override { return libusb_get_device_address(m_device); }

private:
    libusb_device* m_device;
};

} // namespace

int LibusbBackend::init() { return initDefaultContextOnce(); }

int LibusbBackend::deviceList(UsbBusDeviceList& out)
{
    out.clear();
    if (initDefaultContextOnce() != 0)
        return LIBUSB_ERROR_OTHER;
    libusb_device** list = nullptr;
    const ssize_t count = libusb_get_device_list(nullptr, &list);
    if (count < 0)
        return int(count);
    out.reserve(size_t(count));
    for (ssize_t i = 0; i < count; ++i)
        out.push_back(std::make_shared<LibusbDevice>(list[i]));
    libusb_free_device_list(list, 1);
    return int(count);
}

QString LibusbBackend::errorName(int code) const
{
    // Newer libusb names 0 "LIBUSB_SUCCESS / LIBUSB_TRANSFER_COMPLETED"; the
    // messages show the plain name.
    if (code == LIBUSB_SUCCESS)
        return UsbError::name(code);
    return QString::fromLatin1(libusb_error_name(code));
}
