#include "device/SimulatedUsbBus.h"

#include "platform/Clock.h"

#include <QMutexLocker>

#include <algorithm>
#include <cstring>

// The handle the host holds while the device is open; it keeps the device
// alive and forwards to it.
class SimulatedUsbHandle : public UsbHandle
{
public:
    explicit SimulatedUsbHandle(std::shared_ptr<SimulatedUsbDevice> device)
        : m_device(std::move(device))
    {
    }
    ~SimulatedUsbHandle() override { m_device->closeHandle(); }

    int claimInterface(int number) override { return m_device->claim(number); }
    int releaseInterface(int number) override
    {
        return m_device->isPlugged() ? (number == 0 ? 0 : UsbError::NotFound) : UsbError::NoDevice;
    }
    int bulkTransfer(quint8 endpoint, unsigned char* data, int length, int* transferred,
                     unsigned timeoutMs) override
    {
        return m_device->transfer(endpoint, data, length, transferred, timeoutMs);
    }

private:
    std::shared_ptr<SimulatedUsbDevice> m_device;
};

SimulatedUsbDevice::SimulatedUsbDevice(quint16 vendorId, quint16 productId)
{
    m_descriptor.vendorId = vendorId;
    m_descriptor.productId = productId;
    m_configuration = plotterConfiguration();
}

SimulatedUsbDevice::~SimulatedUsbDevice() = default;

UsbConfigDescriptor SimulatedUsbDevice::plotterConfiguration()
{
    UsbAltSetting alt;
    alt.endpoints = {{0x01, 0x02, 64}, {0x82, 0x02, 64}};
    UsbInterfaceDescriptor interface;
    interface.altSettings = {alt};
    UsbConfigDescriptor config;
    config.interfaces = {interface};
    return config;
}

void SimulatedUsbDevice::setDescriptor(const UsbDeviceDescriptor& descriptor)
{
    QMutexLocker lock(&m_mutex);
    m_descriptor = descriptor;
}

void SimulatedUsbDevice::setConfiguration(const UsbConfigDescriptor& configuration)
{
    QMutexLocker lock(&m_mutex);
    m_configuration = configuration;
}

void SimulatedUsbDevice::setFaults(const SimulatedFaults& faults)
{
    QMutexLocker lock(&m_mutex);
    m_faults = faults;
}

SimulatedFaults SimulatedUsbDevice::faults() const
{
    QMutexLocker lock(&m_mutex);
    return m_faults;
}

void SimulatedUsbDevice::unplug()
{
    QMutexLocker lock(&m_mutex);
    m_plugged = false;
    m_answers.clear();
}

bool SimulatedUsbDevice::isPlugged() const
{
    QMutexLocker lock(&m_mutex);
    return m_plugged;
}

QByteArray SimulatedUsbDevice::received() const
{
    QMutexLocker lock(&m_mutex);
    return m_received;
}

qint64 SimulatedUsbDevice::receivedCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_received.size();
}

void SimulatedUsbDevice::clearReceived()
{
    QMutexLocker lock(&m_mutex);
    m_received.clear();
}

int SimulatedUsbDevice::openCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_openCount;
}

bool SimulatedUsbDevice::isOpen() const
{
    QMutexLocker lock(&m_mutex);
    return m_openHandles > 0;
}

int SimulatedUsbDevice::deviceDescriptor(UsbDeviceDescriptor& out) const
{
    QMutexLocker lock(&m_mutex);
    out = m_descriptor;
    return 0;
}

int SimulatedUsbDevice::configDescriptor(int index, UsbConfigDescriptor& out) const
{
    QMutexLocker lock(&m_mutex);
    if (m_faults.configError != 0)
        return m_faults.configError;
    if (index != 0)
        return UsbError::NotFound;
    out = m_configuration;
    return 0;
}

int SimulatedUsbDevice::open(std::unique_ptr<UsbHandle>& handle)
{
    QMutexLocker lock(&m_mutex);
    if (!m_plugged)
        return UsbError::NoDevice;
    if (m_faults.openError != 0)
        return m_faults.openError;
    ++m_openHandles;
    ++m_openCount;
    handle = std::make_unique<SimulatedUsbHandle>(shared_from_this());
    return 0;
}

int SimulatedUsbDevice::busNumber() const
{
    QMutexLocker lock(&m_mutex);
    return m_bus;
}

int SimulatedUsbDevice::address() const
{
    QMutexLocker lock(&m_mutex);
    return m_address;
}

void SimulatedUsbDevice::attach(Clock* clock, int bus, int address)
{
    QMutexLocker lock(&m_mutex);
    m_clock = clock;
    m_bus = bus;
    m_address = address;
}

void SimulatedUsbDevice::bytesReceived(const QByteArray&) {}

void SimulatedUsbDevice::handleClosed() {}

void SimulatedUsbDevice::queueAnswer(const QByteArray& bytes) { m_answers.enqueue(bytes); }

void SimulatedUsbDevice::clearAnswers() { m_answers.clear(); }

int SimulatedUsbDevice::claim(int number)
{
    QMutexLocker lock(&m_mutex);
    if (!m_plugged)
        return UsbError::NoDevice;
    if (m_faults.claimError != 0)
        return m_faults.claimError;
    return number >= 0 && number < m_configuration.interfaces.size() ? 0 : UsbError::NotFound;
}

bool SimulatedUsbDevice::hasEndpoint(quint8 address) const
{
    for (const UsbInterfaceDescriptor& itf : m_configuration.interfaces)
        for (const UsbAltSetting& alt : itf.altSettings)
            for (const UsbEndpointDescriptor& ep : alt.endpoints)
                if (ep.address == address)
                    return true;
    return false;
}

int SimulatedUsbDevice::transfer(quint8 endpoint, unsigned char* data, int length, int* transferred,
                                 unsigned timeoutMs)
{
    *transferred = 0;
    if (length < 0 || (length > 0 && !data))
        return UsbError::InvalidParam;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_plugged)
            return UsbError::NoDevice;
        if (!hasEndpoint(endpoint))
            return UsbError::NotFound;
        if (m_faults.stall)
            return UsbError::Pipe;
    }
    if (endpoint & 0x80)
        return bulkIn(data, length, transferred, timeoutMs);
    waitForLink(length);
    return bulkOut(data, length, transferred);
}

void SimulatedUsbDevice::waitForLink(int length)
{
    Clock* clock = nullptr;
    int paceMs = 0;
    int stallMs = 0;
    {
        QMutexLocker lock(&m_mutex);
        clock = m_clock;
        if (m_faults.bytesPerMs > 0)
            paceMs = int(length / m_faults.bytesPerMs);
        const qint64 at = m_faults.stallAtBytes;
        if (at >= 0 && at >= m_received.size() && at < m_received.size() + length)
            stallMs = m_faults.stallMs;
    }
    // Outside the lock: a test may look at the device while the link waits.
    if (!clock)
        return;
    if (stallMs > 0)
        clock->sleepMs(stallMs);
    if (paceMs > 0)
        clock->sleepMs(paceMs);
}

int SimulatedUsbDevice::bulkOut(const unsigned char* data, int length, int* transferred)
{
    QMutexLocker lock(&m_mutex);
    // A device that never takes the bytes would block a write without time-out
    // for ever; the simulation gives up at once instead.
    if (m_faults.timeOut)
        return UsbError::Timeout;
    int taken = length;
    if (m_faults.shortWrite >= 0)
        taken = std::min(taken, m_faults.shortWrite);
    bool unplugNow = false;
    if (m_faults.unplugAfterBytes >= 0) {
        const qint64 room = std::max<qint64>(0, m_faults.unplugAfterBytes - m_received.size());
        if (taken >= room) {
            taken = int(room);
            unplugNow = true;
        }
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), taken);
    m_received.append(bytes);
    *transferred = taken;
    if (taken > 0)
        bytesReceived(bytes);
    if (unplugNow) {
        m_plugged = false;
        m_answers.clear();
        return UsbError::NoDevice;
    }
    return 0;
}

int SimulatedUsbDevice::bulkIn(unsigned char* data, int length, int* transferred, unsigned timeoutMs)
{
    Clock* clock = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_faults.timeOut && !m_answers.isEmpty()) {
            const QByteArray answer = m_answers.dequeue();
            const int n = std::min(length, answer.size());
            if (n > 0)
                std::memcpy(data, answer.constData(), size_t(n));
            *transferred = n;
            // More than the host asked for: the transfer babbles, the rest is lost.
            return answer.size() > length ? int(UsbError::Overflow) : 0;
        }
        clock = m_clock;
    }
    // Nothing to say: the host's time-out passes (outside the lock, so a
    // test may plug or answer meanwhile through its clock).
    if (clock && timeoutMs > 0)
        clock->sleepMs(int(timeoutMs));
    return UsbError::Timeout;
}

void SimulatedUsbDevice::closeHandle()
{
    QMutexLocker lock(&m_mutex);
    if (m_openHandles > 0)
        --m_openHandles;
    handleClosed();
}

SimulatedUsbBus::SimulatedUsbBus(Clock& clock) : m_clock(clock) {}

void SimulatedUsbBus::plug(const std::shared_ptr<SimulatedUsbDevice>& device)
{
    QMutexLocker lock(&m_mutex);
    device->attach(&m_clock, 1, m_nextAddress++);
    m_devices.push_back(device);
}

void SimulatedUsbBus::setListError(int error)
{
    QMutexLocker lock(&m_mutex);
    m_listError = error;
}

std::vector<std::shared_ptr<SimulatedUsbDevice>> SimulatedUsbBus::devices() const
{
    QMutexLocker lock(&m_mutex);
    return m_devices;
}

int SimulatedUsbBus::init() { return 0; }

int SimulatedUsbBus::deviceList(UsbBusDeviceList& out)
{
    out.clear();
    QMutexLocker lock(&m_mutex);
    if (m_listError != 0)
        return m_listError;
    // Unplugged devices leave the bus for good.
    m_devices.erase(std::remove_if(m_devices.begin(), m_devices.end(),
                                   [](const std::shared_ptr<SimulatedUsbDevice>& d) {
                                       return !d->isPlugged();
                                   }),
                    m_devices.end());
    for (const auto& d : m_devices)
        out.push_back(d);
    return int(out.size());
}

QString SimulatedUsbBus::errorName(int code) const { return UsbError::name(code); }
