#include "device/Plotterpool.h"

#include "platform/Logger.h"
#include "device/Plotter.h"
#include "device/PlotterModelMatch.h"
#include "device/USBDevice.h"
#include "device/USBDevices.h"

Plotterpool::Plotterpool(USBDevices* devices, ModelSource models, Clock& clock,
                         UserMessages& messages, QObject* parent)
    : QObject(parent), m_models(std::move(models)), m_clock(clock), m_messages(messages)
{
    // The window may take the signals queued, and spies record them.
    qRegisterMetaType<Plotter*>();
    if (devices) {
        connect(devices, &USBDevices::RawDeviceAdded, this, &Plotterpool::USBRawDeviceAdded);
        connect(devices, &USBDevices::RawDeviceRemoved, this, &Plotterpool::USBRawDeviceRemoved);
    }
}

Plotter* Plotterpool::find(int id) const
{
    for (Plotter* p : m_plotters)
        if (p->id() == id)
            return p;
    return nullptr;
}

bool Plotterpool::isPlotter(USBDevice* device) const
{
    Logger::debug(QStringLiteral("VendorID %1").arg(device->vendorId()));
    Logger::debug(QStringLiteral("ProductID %1").arg(device->productId()));
    const int models = m_models ? m_models().size() : 0;
    Logger::debug(QStringLiteral("Plotter Count %1").arg(models));
    return device->vendorId() == VendorId;
}

void Plotterpool::USBRawDeviceAdded(USBDevice* device)
{
    Logger::debug(QStringLiteral("New Device: vendorID: %1 productID: %2")
                      .arg(device->vendorId())
                      .arg(device->productId()));
    if (!isPlotter(device))
        return;
    Logger::debug(QStringLiteral("OK"));
    const int id = m_nextId++;

    auto* plotter = new Plotter(device, m_clock, m_messages, this);
    plotter->query();
    const QList<PlotterTemplate*> models = m_models ? m_models() : QList<PlotterTemplate*>();
    if (PlotterTemplate* model = matchPlotterModel(plotter->deviceText(), models))
        plotter->setModel(id, model);
    m_plotters.append(plotter);
    emit PlotterAdded(plotter);
}

void Plotterpool::USBRawDeviceRemoved(USBDevice* device)
{
    for (int i = 0; i < m_plotters.size(); ++i) {
        if (m_plotters[i]->device() == device) {
            Plotter* plotter = m_plotters.takeAt(i);
            emit PlotterRemoved(plotter);
            return;
        }
    }
}
