#pragma once

#include <QList>
#include <QString>

class Clock;
class ProcessRunner;

// The Windows driver sequence: libusbinst.exe binds a libusb-capable driver
// to one plotter; devcon.exe lists the driver nodes of vendor 0x0F0B and a
// generated command file removes the libusb ones. The helper programs lie in
// the program folder; each starts only where it exists. The operations of
// a Windows UsbDriverInstaller.
class WindowsDriverTools
{
public:
    struct DriverNode {
        QString instanceId; // "USB\VID_0F0B&PID_…"
        QString package;    // "oemNN.inf"
    };

    WindowsDriverTools(ProcessRunner& processes, Clock& clock, const QString& programDir,
                       const QString& systemDir, const QString& tempDir);

    // Installs elevated, then restarts the program with the same arguments.
    void installDriver(int vendorId, int productId);
    // Removes the libusb drivers of every plotter and ends the program.
    void removeDrivers();

    // "-v 0x%1 -p 0x%2", lower-case hexadecimal without leading zeros.
    static QString installParameters(int vendorId, int productId);
    // The libusb devices of a devcon "drivernodes" listing; each "Provider"
    // and "Inf file" line belongs to the nearest device line above it.
    static QList<DriverNode> libusbNodes(const QString& listing);
    // Two devcon lines per node: remove the device, delete its package.
    static QString deinstallScript(const QString& toolsDir, const QList<DriverNode>& nodes);

    // The tools folder (temporary folder + "/KCUSBInstall") with the helper
    // files copied from the program folder; false when it cannot be made.
    bool copyDriverTools();
    // Runs the devcon query; the path of its result file.
    QString queryDriverNodes();
    QString toolsDir() const { return m_tempDir + QStringLiteral("/KCUSBInstall"); }

    QString program;
    QStringList arguments;

private:
    ProcessRunner& m_processes;
    Clock& m_clock;
    QString m_programDir;
    QString m_systemDir;
    QString m_tempDir;
};
