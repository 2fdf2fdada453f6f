#pragma once

#include <QList>
#include <QObject>

#include <memory>

class UsbBackend;
class UsbDriverInstaller;
class USBDevice;
class UserMessages;

// The raw USB devices of the last scan. A scan lets every device of the
// previous one leave (last first) and adds the bus's devices anew, in the
// bus's order, each as a new USBDevice; a device that left stays alive as a
// child of this registry, since a window or a running job may still hold it.
class USBDevices : public QObject
{
    Q_OBJECT
public:
    USBDevices(std::shared_ptr<UsbBackend> backend, UserMessages& messages,
               QObject* parent = nullptr);

    // Offered to the user by a device that cannot be opened for lack of a
    // driver or permission; none: the user is told how to fix it.
    void setDriverInstaller(UsbDriverInstaller* installer);

    // Prepares the USB library; once, before the first scan.
    bool init();
    // Rebuilds the device list; a bus that cannot be listed counts as empty.
    void rescan();

    QList<USBDevice*> devices() const { return m_devices; }

signals:
    void RawDeviceAdded(USBDevice* device);
    void RawDeviceRemoved(USBDevice* device);

private:
    std::shared_ptr<UsbBackend> m_backend;
    UserMessages& m_messages;
    UsbDriverInstaller* m_installer = nullptr;
    QList<USBDevice*> m_devices;
};
