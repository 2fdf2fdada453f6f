#pragma once

#include "device/UsbBackend.h"

#include <QByteArray>
#include <QMutex>
#include <QQueue>

class Clock;

// What a simulated device does wrong, set by a test or a demo at any time.
struct SimulatedFaults {
    int openError = 0;          // libusb_open result: UsbError::Access (no permission),
                                // UsbError::NotSupported (no usable driver), UsbError::Busy ...
    int claimError = 0;         // libusb_claim_interface result
    int configError = 0;        // libusb_get_config_descriptor result
    int unplugAfterBytes = -1;  // the device leaves the bus once it has taken this many bytes
    bool stall = false;         // every transfer ends in a stall (UsbError::Pipe)
    bool timeOut = false;       // writes are not taken and reads stay empty (UsbError::Timeout)
    int shortWrite = -1;        // a write takes at most this many bytes and still succeeds
    // A plotter that takes its bytes slowly: the link moves this many bytes
    // per ms (0: at once), and once `stallAtBytes` have gone through, the
    // device takes nothing for `stallMs`. Both are waited on the bus clock
    // before a write returns, as a blocking libusb write would wait.
    int bytesPerMs = 0;
    qint64 stallAtBytes = -1;
    int stallMs = 0;
};

// One device on the simulated bus: descriptors, open/claim, and a bulk link
// whose host-to-device bytes are recorded and whose device-to-host side
// hands out queued answers, one per IN transfer. Subclasses give it a
// behaviour by answering in received(). Thread-safe: a job may write from
// its worker thread while a test inspects the device.
class SimulatedUsbDevice : public UsbBusDevice, public std::enable_shared_from_this<SimulatedUsbDevice>
{
public:
    SimulatedUsbDevice(quint16 vendorId, quint16 productId);
    ~SimulatedUsbDevice() override;

    // One interface, one alternate setting, bulk OUT 0x01 and bulk IN 0x82.
    static UsbConfigDescriptor plotterConfiguration();

    void setDescriptor(const UsbDeviceDescriptor& descriptor);
    void setConfiguration(const UsbConfigDescriptor& configuration);
    void setFaults(const SimulatedFaults& faults);
    SimulatedFaults faults() const;

    // Pulls the plug: open and every transfer fail with UsbError::NoDevice
    // and the bus lists the device no more.
    void unplug();
    bool isPlugged() const;

    // Every byte the host wrote, in order.
    QByteArray received() const;
    qint64 receivedCount() const;
    void clearReceived();
    int openCount() const;
    bool isOpen() const;

    // UsbBusDevice
    int deviceDescriptor(UsbDeviceDescriptor& out) const override;
    int configDescriptor(int index, UsbConfigDescriptor& out) const override;
    int open(std::unique_ptr<UsbHandle>& handle) override;
    int busNumber() const override;
    int address() const override;

    // Set by the bus when the device is plugged in.
    void attach(Clock* clock, int bus, int address);

protected:
    // Called with the device locked for every run of accepted bytes; answers
    // go out through queueAnswer().
    virtual void bytesReceived(const QByteArray& bytes);
    // Called, locked, when the host closes its handle.
    virtual void handleClosed();
    // Queues the bytes of one IN transfer (locked callers only).
    void queueAnswer(const QByteArray& bytes);
    void clearAnswers();

    mutable QRecursiveMutex m_mutex;

private:
    friend class SimulatedUsbHandle;
    int claim(int number);
    int transfer(quint8 endpoint, unsigned char* data, int length, int* transferred,
                 unsigned timeoutMs);
    int bulkOut(const unsigned char* data, int length, int* transferred);
    void waitForLink(int length);
    int bulkIn(unsigned char* data, int length, int* transferred, unsigned timeoutMs);
    bool hasEndpoint(quint8 address) const;
    void closeHandle();

    UsbDeviceDescriptor m_descriptor;
    UsbConfigDescriptor m_configuration;
    SimulatedFaults m_faults;
    QByteArray m_received;
    QQueue<QByteArray> m_answers;
    Clock* m_clock = nullptr;
    int m_bus = 1;
    int m_address = 0;
    int m_openHandles = 0;
    int m_openCount = 0;
    bool m_plugged = true;
};

// The simulated bus: the devices plugged in, in plug order. Read time-outs
// are waited on the given clock, so tests with a FakeClock take no time.
class SimulatedUsbBus : public UsbBackend
{
public:
    explicit SimulatedUsbBus(Clock& clock);

    // Plugs the device in at the next free address of bus 1.
    void plug(const std::shared_ptr<SimulatedUsbDevice>& device);
    // The next scans fail with this libusb error (0 lists again).
    void setListError(int error);
    std::vector<std::shared_ptr<SimulatedUsbDevice>> devices() const;

    int init() override;
    int deviceList(UsbBusDeviceList& out) override;
    QString errorName(int code) const override;

private:
    Clock& m_clock;
    mutable QMutex m_mutex;
    std::vector<std::shared_ptr<SimulatedUsbDevice>> m_devices;
    int m_nextAddress = 1;
    int m_listError = 0;
};
