#pragma once

#include "device/UsbBackend.h"

// The real USB bus through libusb-1.0 and its default context. The context
// is initialised once per process and never released, since devices handed
// out keep referring to it.
class LibusbBackend : public UsbBackend
{
public:
    int init() override;
    int deviceList(UsbBusDeviceList& out) override;
    QString errorName(int code) const override;
};
