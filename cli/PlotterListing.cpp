#include "cli/PlotterListing.h"
#include "cli/CliTr.h"

#include "device/Plotter.h"
#include "device/USBDevice.h"
#include "presets/KerfcraftPresets.h"

#include <QCoreApplication>
#include <QTextStream>

QList<PlotterTemplate*> cliPlotterModels()
{
    const KerfcraftPresets* presets = KerfcraftPresets::instance();
    return presets ? presets->plotterTemplates() : QList<PlotterTemplate*>();
}

namespace {

QString onOff(bool on) { return on ? Cli::tr("Ein") : Cli::tr("Aus"); }

QString mediaTypeName(int type)
{
    switch (type) {
    case Plotter::Roll: return Cli::tr("Rolle");
    case Plotter::Sheet: return Cli::tr("Blatt");
    case Plotter::Edge: return Cli::tr("Rand");
    }
    return QString::number(type);
}
} // namespace

void printPlotter(QTextStream& out, const Plotter& p, int number)
{
    const USBDevice* d = p.device();
    out << Cli::tr("Plotter %1: Bus %2, Adresse %3, USB %4:%5")
               .arg(number)
               .arg(d->busNumber(), 3, 10, QLatin1Char('0'))
               .arg(d->address(), 3, 10, QLatin1Char('0'))
               .arg(d->vendorId(), 4, 16, QLatin1Char('0'))
               .arg(d->productId(), 4, 16, QLatin1Char('0'))
        << '\n';
    const auto line = [&out](const QString& label, const QString& value) {
        out << "  " << qSetFieldWidth(18) << Qt::left << label + QLatin1Char(':') << qSetFieldWidth(0)
            << value << '\n';
    };
    line(Cli::tr("Modell"), p.name().isEmpty() ? Cli::tr("(kein passendes Modell)") : p.name());
    line(Cli::tr("Gerät"), p.deviceText());
    line(Cli::tr("Firmware"), p.firmwareText());
    line(Cli::tr("Medium"), Cli::tr("%1 x %2 mm").arg(p.mediaWidth()).arg(p.mediaHeight()));
    line(Cli::tr("Geschwindigkeit"), Cli::tr("%1 cm/s").arg(p.speed()));
    line(Cli::tr("Andruck"), Cli::tr("%1 g").arg(p.force()));
    line(Cli::tr("Messerversatz"), QString::number(p.offset()));
    line(Cli::tr("Qualität"), QString::number(p.quality()));
    line(Cli::tr("Medium abrollen"), onOff(p.unrollMedium()));
    line(Cli::tr("Kanten glätten"), onOff(p.edgeSmoothing()));
    line(Cli::tr("Medientyp"), mediaTypeName(p.mediaType()));
}
