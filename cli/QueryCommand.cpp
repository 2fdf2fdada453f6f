#include "cli/CliCommands.h"
#include "cli/CliTr.h"
#include "cli/PlotterListing.h"

#include "device/Plotter.h"
#include "device/PlotterModelMatch.h"
#include "device/Plotterpool.h"
#include "device/USBDevice.h"
#include "device/USBDevices.h"
#include "device/UsbBackendFactory.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// "BUS:ADDRESS", both decimal ("1:2" or "001:002").
bool parseDevice(const QString& text, int& bus, int& address)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    bool okBus = false, okAddress = false;
    if (parts.size() == 2) {
        bus = parts[0].toInt(&okBus, 10);
        address = parts[1].toInt(&okAddress, 10);
    }
    return okBus && okAddress;
}
} // namespace

// Asks one plotter (the first, or the one at --device BUS:ADDRESS) about
// itself, without going through the pool, so only that plotter is asked.
int cliQuery(const QStringList& args, CliIo& io)
{
    QString wanted;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--device") && i + 1 < args.size())
            wanted = args[++i];
        else if (args[i].startsWith(QLatin1String("--device=")))
            wanted = args[i].mid(9);
        else {
            io.err << Cli::tr("Unbekannte Angabe: %1").arg(args[i]) << '\n';
            return 2;
        }
    }
    int bus = 0, address = 0;
    if (!wanted.isNull() && !parseDevice(wanted, bus, address)) {
        io.err << Cli::tr("Ungültige Geräteangabe: %1 (erwartet BUS:ADRESSE)").arg(wanted) << '\n';
        return 2;
    }

    Clock& clock = Clock::system();
    USBDevices devices(createUsbBackend(clock), io.messages);
    if (!devices.init()) {
        io.err << Cli::tr("Der USB-Zugriff konnte nicht eingerichtet werden.") << '\n';
        return 2;
    }
    devices.rescan();
    USBDevice* chosen = nullptr;
    for (USBDevice* d : devices.devices()) {
        if (d->vendorId() != Plotterpool::VendorId)
            continue;
        if (wanted.isNull() || (d->busNumber() == bus && d->address() == address)) {
            chosen = d;
            break;
        }
    }
    if (!chosen) {
        io.err << (wanted.isNull() ? Cli::tr("Kein Plotter gefunden.")
                                   : Cli::tr("Kein Plotter an Bus %1, Adresse %2 gefunden.")
                                         .arg(bus)
                                         .arg(address))
               << '\n';
        return 2;
    }

    Plotter plotter(chosen, clock, io.messages);
    // A failed query has shown its own message.
    if (!plotter.query())
        return 2;
    if (PlotterTemplate* model = matchPlotterModel(plotter.deviceText(), cliPlotterModels()))
        plotter.setModel(1, model);
    printPlotter(io.out, plotter, 1);
    return 0;
}
