#pragma once

#include "device/UsbBackend.h"

#include <QObject>

#include <memory>

class UserMessages;
class UsbDriverInstaller;

// One USB device seen on the bus: its identity, and a bulk link to it once
// opened (interface 0, the endpoints taken from its own descriptors).
// Every failure is shown to the user here, once, in a German box; callers
// only get false or -1 and add no message of their own. Used by one thread
// at a time.
class USBDevice : public QObject
{
    Q_OBJECT
public:
    static constexpr int ReadTimeoutMs = 200;

    USBDevice(std::shared_ptr<UsbBackend> backend, std::shared_ptr<UsbBusDevice> device,
              int vendorId, int productId, UserMessages& messages,
              UsbDriverInstaller* installer = nullptr, QObject* parent = nullptr);
    ~USBDevice() override;

    // Opens the device, claims interface 0 and finds the bulk IN and OUT
    // endpoints among the first two of its first alternate setting. A handle
    // still open from before is closed first. After a failure past opening
    // the handle stays open until close().
    bool open();
    // One bulk OUT transfer of all bytes, without time-out.
    bool write(const char* data, int length);
    // One bulk IN transfer of at most capacity bytes, waiting at most
    // ReadTimeoutMs: the bytes received (0 when nothing came), -1 on error.
    int read(char* buffer, int capacity);
    // Releases interface 0 and closes the handle, if open.
    void close();

    bool isOpen() const { return bool(m_handle); }
    int vendorId() const { return m_vendorId; }
    int productId() const { return m_productId; }
    quint8 endpointIn() const { return m_endpointIn; }
    quint8 endpointOut() const { return m_endpointOut; }
    int busNumber() const;
    int address() const;

    // The udev rule that gives the logged-in user access to plotters of
    // vendor 0x0F0B, and the file it belongs in.
    static QString udevRuleFile();
    static QString udevRule();

private:
    void offerDriver();
    void inform(const QString& text);

    std::shared_ptr<UsbBackend> m_backend;
    std::shared_ptr<UsbBusDevice> m_device;
    std::unique_ptr<UsbHandle> m_handle;
    UserMessages& m_messages;
    UsbDriverInstaller* m_installer;
    int m_vendorId;
    int m_productId;
    quint8 m_endpointIn = 0;
    quint8 m_endpointOut = 0;
    bool m_claimed = false;
};
