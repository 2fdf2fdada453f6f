#include "cli/CliCommands.h"
#include "cli/CliTr.h"
#include "cli/PlotterListing.h"

#include "device/Plotterpool.h"
#include "device/USBDevices.h"
#include "device/UsbBackendFactory.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QTextStream>

// Lists the connected plotters as the window finds them: one scan, every
// plotter asked about itself and matched to a model.
int cliDevices(const QStringList& args, CliIo& io)
{
    if (!args.isEmpty()) {
        io.err << Cli::tr("Unbekannte Angabe: %1").arg(args.first())
               << '\n';
        return 2;
    }
    Clock& clock = Clock::system();
    USBDevices devices(createUsbBackend(clock), io.messages);
    Plotterpool pool(&devices, cliPlotterModels, clock, io.messages);
    if (!devices.init()) {
        io.err << Cli::tr("Der USB-Zugriff konnte nicht eingerichtet werden.")
               << '\n';
        return 2;
    }
    devices.rescan();
    if (pool.count() == 0) {
        io.out << Cli::tr("Kein Plotter gefunden.") << '\n';
        return 0;
    }
    int number = 0;
    for (Plotter* plotter : pool.plotters())
        printPlotter(io.out, *plotter, ++number);
    return 0;
}
