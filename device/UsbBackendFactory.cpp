#include "device/UsbBackendFactory.h"

#include "device/LibusbBackend.h"
#include "device/SimulatedUsbBus.h"
#include "device/VirtualPlotter.h"
#include "platform/Environment.h"

bool virtualPlotterWanted(const QString& setting)
{
    const QString v = setting.trimmed();
    return !v.isEmpty() && v != QLatin1String("0");
}

VirtualPlotterModel virtualPlotterModel(const QString& setting)
{
    VirtualPlotterModel model;
    const QString v = setting.trimmed();
    if (virtualPlotterWanted(v) && v != QLatin1String("1"))
        model.modelName = v;
    return model;
}

std::shared_ptr<UsbBackend> createUsbBackend(Clock& clock)
{
    const QString setting = Environment::value(QStringLiteral("KERFCRAFT_VIRTUAL_PLOTTER"));
    if (!virtualPlotterWanted(setting))
        return std::make_shared<LibusbBackend>();
    auto bus = std::make_shared<SimulatedUsbBus>(clock);
    auto plotter = std::make_shared<VirtualPlotter>(virtualPlotterModel(setting));
    plotter->setOutputPath(Environment::value(QStringLiteral("KERFCRAFT_VIRTUAL_PLOTTER_OUT")));
    bus->plug(plotter);
    return bus;
}
