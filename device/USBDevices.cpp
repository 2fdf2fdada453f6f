#include "device/USBDevices.h"

#include "device/USBDevice.h"
#include "device/UsbBackend.h"

USBDevices::USBDevices(std::shared_ptr<UsbBackend> backend, UserMessages& messages,
                       QObject* parent)
    : QObject(parent), m_backend(std::move(backend)), m_messages(messages)
{
    qRegisterMetaType<USBDevice*>();
}

void USBDevices::setDriverInstaller(UsbDriverInstaller* installer) { m_installer = installer; }

bool USBDevices::init()
{
    return m_backend->init() == 0;
}

void USBDevices::rescan()
{
    while (!m_devices.isEmpty())
        emit RawDeviceRemoved(m_devices.takeLast());

    UsbBusDeviceList list;
    const int count = m_backend->deviceList(list);
    if (count < 0)
        return;
    for (const std::shared_ptr<UsbBusDevice>& busDevice : list) {
        UsbDeviceDescriptor descriptor;
        if (busDevice->deviceDescriptor(descriptor) != 0)
            continue;
        auto* device = new USBDevice(m_backend, busDevice, descriptor.vendorId,
                                     descriptor.productId, m_messages, m_installer, this);
        m_devices.append(device);
        emit RawDeviceAdded(device);
    }
}
