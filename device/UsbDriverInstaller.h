#pragma once

// Makes a plotter usable for libusb when opening it failed for lack of a
// driver or of permission. On Linux this means the udev rule named by
// USBDevice::udevRuleFile() with the content USBDevice::udevRule(); an
// installer that writes it (and restarts the program) implements this.
class UsbDriverInstaller
{
public:
    virtual ~UsbDriverInstaller() = default;
    // Installs for this device and restarts the program with the same
    // arguments; returns only when that failed (the user has been told).
    virtual void installDriver(int vendorId, int productId) = 0;
    // Undoes the installation for every plotter of the vendor (the about
    // dialog asks the user first). The plotter must then be plugged in
    // again or switched off and on.
    virtual void removeDrivers() = 0;
};
