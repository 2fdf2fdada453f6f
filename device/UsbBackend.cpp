#include "device/UsbBackend.h"

namespace UsbError {

QString name(int code)
{
    switch (code) {
    case Success: return QStringLiteral("LIBUSB_SUCCESS");
    case Io: return QStringLiteral("LIBUSB_ERROR_IO");
    case InvalidParam: return QStringLiteral("LIBUSB_ERROR_INVALID_PARAM");
    case Access: return QStringLiteral("LIBUSB_ERROR_ACCESS");
    case NoDevice: return QStringLiteral("LIBUSB_ERROR_NO_DEVICE");
    case NotFound: return QStringLiteral("LIBUSB_ERROR_NOT_FOUND");
    case Busy: return QStringLiteral("LIBUSB_ERROR_BUSY");
    case Timeout: return QStringLiteral("LIBUSB_ERROR_TIMEOUT");
    case Overflow: return QStringLiteral("LIBUSB_ERROR_OVERFLOW");
    case Pipe: return QStringLiteral("LIBUSB_ERROR_PIPE");
    case Interrupted: return QStringLiteral("LIBUSB_ERROR_INTERRUPTED");
    case NoMem: return QStringLiteral("LIBUSB_ERROR_NO_MEM");
    case NotSupported: return QStringLiteral("LIBUSB_ERROR_NOT_SUPPORTED");
    case Other: return QStringLiteral("LIBUSB_ERROR_OTHER");
    }
    return QStringLiteral("**UNKNOWN**");
}

} // namespace UsbError
