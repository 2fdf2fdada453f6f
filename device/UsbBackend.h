#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

#include <memory>
#include <vector>

// The few USB operations Kerfcraft needs, shaped after libusb-1.0 so that the
// real bus (LibusbBackend) and a simulated one (SimulatedUsbBus) can stand
// behind USBDevice alike. Results are libusb error codes: 0 or negative.

// libusb's error codes, with libusb's values, so that both backends report
// the same names and the same decisions (driver missing, permission missing,
// time-out) follow from them.
namespace UsbError {
enum : int {
    Success = 0,
    Io = -1,
    InvalidParam = -2,
    Access = -3,
    NoDevice = -4,
    NotFound = -5,
    Busy = -6,
    Timeout = -7,
    Overflow = -8,
    Pipe = -9,
    Interrupted = -10,
    NoMem = -11,
    NotSupported = -12,
    Other = -99,
};

// The symbolic name libusb gives the code ("LIBUSB_ERROR_TIMEOUT"); 0 is
// "LIBUSB_SUCCESS".
QString name(int code);
} // namespace UsbError

struct UsbDeviceDescriptor {
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 bcdDevice = 0x0100;
    quint8 numConfigurations = 1;
};

struct UsbEndpointDescriptor {
    quint8 address = 0;        // direction bit 0x80 set: device to host
    quint8 attributes = 0x02;  // transfer type in the low two bits, 2 = bulk
    quint16 maxPacketSize = 64;
};

struct UsbAltSetting {
    quint8 interfaceClass = 0xFF;
    QVector<UsbEndpointDescriptor> endpoints;
};

struct UsbInterfaceDescriptor {
    QVector<UsbAltSetting> altSettings;
};

struct UsbConfigDescriptor {
    quint8 configurationValue = 1;
    QVector<UsbInterfaceDescriptor> interfaces;
};

// An opened device (libusb_device_handle). Destroying it closes the device.
class UsbHandle
{
public:
    virtual ~UsbHandle() = default;
    virtual int claimInterface(int number) = 0;
    virtual int releaseInterface(int number) = 0;
    // One synchronous bulk transfer; the endpoint's direction bit decides the
    // way. timeoutMs 0 waits without limit. *transferred gets the bytes moved
    // (never more than length), also when the result is an error.
    virtual int bulkTransfer(quint8 endpoint, unsigned char* data, int length, int* transferred,
                             unsigned timeoutMs) = 0;
};

// A device as enumerated (libusb_device). It stays valid, and may be opened
// again, for as long as someone holds it, also after it left the bus.
class UsbBusDevice
{
public:
    virtual ~UsbBusDevice() = default;
    virtual int deviceDescriptor(UsbDeviceDescriptor& out) const = 0;
    virtual int configDescriptor(int index, UsbConfigDescriptor& out) const = 0;
    virtual int open(std::unique_ptr<UsbHandle>& handle) = 0;
    virtual int busNumber() const = 0;
    virtual int address() const = 0;
};

using UsbBusDeviceList = std::vector<std::shared_ptr<UsbBusDevice>>;

class UsbBackend
{
public:
    virtual ~UsbBackend() = default;
    // Prepares the library; called once before the first scan.
    virtual int init() = 0;
    // The devices on the bus now, in enumeration order: their number, or a
    // negative error.
    virtual int deviceList(UsbBusDeviceList& out) = 0;
    virtual QString errorName(int code) const = 0;
};
