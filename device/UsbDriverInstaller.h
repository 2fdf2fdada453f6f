#pragma once

// Makes plotters usable for libusb, and undoes it. Called by a device that
// could not be opened for lack of a driver or of permission (after the user
// agreed), and by the about dialog's removal button. On Linux the "driver"
// is the udev rule USBDevice::udevRule() in USBDevice::udevRuleFile().
class UsbDriverInstaller
{
public:
    virtual ~UsbDriverInstaller() = default;
    // Installs for this device and restarts the program with the same
    // arguments; returns only when that failed (the user has been told).
    virtual void installDriver(int vendorId, int productId) = 0;
    // Asks the user, then removes the drivers of every plotter of the
    // vendor and ends the program. False when nothing was removed.
    virtual bool removeDrivers() { return false; }
};
