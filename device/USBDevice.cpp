#include "device/USBDevice.h"

#include "platform/Logger.h"
#include "platform/UserMessages.h"
#include "device/UsbDriverInstaller.h"

USBDevice::USBDevice(std::shared_ptr<UsbBackend> backend, std::shared_ptr<UsbBusDevice> device,
                     int vendorId, int productId, UserMessages& messages,
                     UsbDriverInstaller* installer, QObject* parent)
    : QObject(parent),
      m_backend(std::move(backend)),
      m_device(std::move(device)),
      m_messages(messages),
      m_installer(installer),
      m_vendorId(vendorId),
      m_productId(productId)
{
}

USBDevice::~USBDevice()
{
    if (m_handle && m_claimed)
        m_handle->releaseInterface(0);
}

int USBDevice::busNumber() const { return m_device ? m_device->busNumber() : 0; }

int USBDevice::address() const { return m_device ? m_device->address() : 0; }

QString USBDevice::udevRuleFile() { return QStringLiteral("/etc/udev/rules.d/70-kerfcraft.rules"); }

QString USBDevice::udevRule()
{
    return QStringLiteral(
        "SUBSYSTEM==\"usb\", ATTR{idVendor}==\"0f0b\", MODE=\"0660\", TAG+=\"uaccess\"");
}

void USBDevice::inform(const QString& text)
{
    m_messages.show(UserMessages::Icon::Information, QString(), text, UserMessages::Ok);
}

void USBDevice::offerDriver()
{
    if (!m_installer) {
        // The command-line tool: one line saying how to get access.
        inform(tr("Kein Zugriff auf den Plotter. Abhilfe als root: echo '%1' > %2 && udevadm "
                  "control --reload-rules && udevadm trigger")
                   .arg(udevRule(), udevRuleFile()));
        return;
    }
    // On Linux the missing "driver" is the permission to open the device
    // node, which the installer's udev rule grants; the user gets the same
    // question for both.
    const UserMessages::Button answer = m_messages.show(
        UserMessages::Icon::Question, QString(),
        tr("Das Gerät konnte nicht geöffnet werden, da der notwendige Treiber noch nicht "
           "installiert ist. Soll der Treiber nun installiert werden? Danach erfolgt ein Neustart "
           "von Kerfcraft."),
        UserMessages::Buttons(UserMessages::Yes) | UserMessages::No, UserMessages::No);
    if (answer == UserMessages::Yes)
        m_installer->installDriver(m_vendorId, m_productId);
}

bool USBDevice::open()
{
    if (m_handle)
        close();
    std::unique_ptr<UsbHandle> handle;
    int r = m_device ? m_device->open(handle) : int(UsbError::NoDevice);
    if (r == UsbError::NotSupported || r == UsbError::Access) {
        offerDriver();
        return false;
    }
    if (r != 0 || !handle) {
        inform(tr("Das Gerät konnte nicht geöffnet werden.\nError: %1")
                   .arg(m_backend->errorName(r != 0 ? r : int(UsbError::Other))));
        return false;
    }
    m_handle = std::move(handle);

    r = m_handle->claimInterface(0);
    if (r != 0) {
        inform(tr("Das Gerät(Interface) konnte nicht geöffnet werden.\nError: %1")
                   .arg(m_backend->errorName(r)));
        return false;
    }
    m_claimed = true;

    const QString noInformation =
        tr("Es konnten keine Informationen zu dem Gerät ermittelt werden.(%1)");
    const QString errorLine = QStringLiteral("\nError: %1");
    UsbConfigDescriptor config;
    r = m_device->configDescriptor(0, config);
    if (r != 0) {
        inform(noInformation.arg(1) + errorLine.arg(m_backend->errorName(r)));
        return false;
    }
    if (config.interfaces.size() != 1) {
        inform(noInformation.arg(2) + errorLine.arg(m_backend->errorName(0)));
        return false;
    }
    const UsbInterfaceDescriptor& interface = config.interfaces.first();
    if (interface.altSettings.isEmpty()) {
        inform(noInformation.arg(3) + errorLine.arg(m_backend->errorName(0)));
        return false;
    }
    const UsbAltSetting& alt = interface.altSettings.first();
    if (alt.endpoints.size() < 2) {
        inform(noInformation.arg(4) + errorLine.arg(m_backend->errorName(0)));
        return false;
    }
    m_endpointIn = 0;
    m_endpointOut = 0;
    for (int i = 0; i < 2; ++i) {
        const quint8 address = alt.endpoints[i].address;
        if (address & 0x80)
            m_endpointIn = address;
        else
            m_endpointOut = address;
    }
    if (m_endpointIn != 0 && m_endpointOut != 0)
        return true;
    m_endpointIn = 0;
    m_endpointOut = 0;
    inform(noInformation.arg(5));
    return false;
}

bool USBDevice::write(const char* data, int length)
{
    Logger::debug(QStringLiteral("%1 %2").arg(m_handle ? 0 : 1).arg(QChar(m_endpointOut)));
    int transferred = 0;
    // Without an open handle there is no device to write to; the user sees
    // the same box as for a device that went away.
    const int r = m_handle
        ? m_handle->bulkTransfer(m_endpointOut,
                                 reinterpret_cast<unsigned char*>(const_cast<char*>(data)),
                                 length, &transferred, 0)
        : int(UsbError::NoDevice);
    Logger::debug(QStringLiteral("2"));
    if (r == 0)
        return true;
    inform(tr("Es konnten keine Daten zum Gerät gesendet werden.\nError: %1")
               .arg(m_backend->errorName(r)));
    return false;
}

int USBDevice::read(char* buffer, int capacity)
{
    if (capacity < 0)
        capacity = 0;
    int transferred = 0;
    const int r = m_handle
        ? m_handle->bulkTransfer(m_endpointIn, reinterpret_cast<unsigned char*>(buffer), capacity,
                                 &transferred, ReadTimeoutMs)
        : int(UsbError::NoDevice);
    if (r == 0 || r == UsbError::Timeout)
        return qBound(0, transferred, capacity);
    inform(tr("Es konnten keine Daten zum Gerät gesendet werden (2).\nError: %1")
               .arg(m_backend->errorName(r)));
    return -1;
}

void USBDevice::close()
{
    if (!m_handle)
        return;
    if (m_claimed)
        m_handle->releaseInterface(0);
    m_claimed = false;
    m_handle.reset();
    Logger::debug(QStringLiteral("USB device closed"));
}
