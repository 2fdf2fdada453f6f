#include "cli/PlotterListing.h"

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
QString tr(const char* text) { return QCoreApplication::translate("cli", text); }

QString onOff(bool on) { return on ? tr("Ein") : tr("Aus"); }

QString mediaTypeName(int type)
{
    switch (type) {
    case Plotter::Roll: return tr("Rolle");
    case Plotter::Sheet: return tr("Blatt");
    case Plotter::Edge: return tr("Rand");
    }
    return QString::number(type);
}
} // namespace

void printPlotter(QTextStream& out, const Plotter& p, int number)
{
    const USBDevice* d = p.device();
    out << tr("Plotter %1: Bus %2, Adresse %3, USB %4:%5")
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
    line(tr("Modell"), p.name().isEmpty() ? tr("(kein passendes Modell)") : p.name());
    line(tr("Gerät"), p.deviceText());
    line(tr("Firmware"), p.firmwareText());
    line(tr("Medium"), tr("%1 x %2 mm").arg(p.mediaWidth()).arg(p.mediaHeight()));
    line(tr("Geschwindigkeit"), tr("%1 cm/s").arg(p.speed()));
    line(tr("Andruck"), tr("%1 g").arg(p.force()));
    line(tr("Messerversatz"), QString::number(p.offset()));
    line(tr("Qualität"), QString::number(p.quality()));
    line(tr("Medium abrollen"), onOff(p.unrollMedium()));
    line(tr("Kanten glätten"), onOff(p.edgeSmoothing()));
    line(tr("Medientyp"), mediaTypeName(p.mediaType()));
}
