#pragma once

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include "device/SimulatedUsbBus.h"
#include "device/VirtualPlotter.h"

#include <QMap>

#include <memory>

// Faults of a simulated device in words: "open=BUSY", "claim=BUSY" and
// "config=IO" fail that step with the libusb error of that name; "unplug=N"
// pulls the plug after N bytes, "short=N" takes at most N bytes a write;
// "stall" and "timeout" spoil every transfer.
inline SimulatedFaults faultsFrom(const QString& words)
{
    static const QMap<QString, int SimulatedFaults::*> numbers = {
        {"open", &SimulatedFaults::openError},        {"claim", &SimulatedFaults::claimError},
        {"config", &SimulatedFaults::configError},    {"unplug", &SimulatedFaults::unplugAfterBytes},
        {"short", &SimulatedFaults::shortWrite}};
    SimulatedFaults f;
    for (const QString& word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = word.section(QLatin1Char('='), 0, 0);
        const QString value = word.section(QLatin1Char('='), 1);
        int n = value.toInt(); // a byte count, else an error name
        for (int code = UsbError::Io; code >= UsbError::NotSupported; --code)
            if (UsbError::name(code) == QLatin1String("LIBUSB_ERROR_") + value)
                n = code;
        if (numbers.contains(key))
            f.*numbers.value(key) = n;
        else if (key == QLatin1String("stall") || key == QLatin1String("timeout"))
            (key == QLatin1String("stall") ? f.stall : f.timeOut) = true;
        else
            qFatal("unknown fault %s", qPrintable(word));
    }
    return f;
}

// A simulated bus on a fake clock, and the messages its devices show.
struct UsbBench {
    FakeClock clock;
    std::shared_ptr<SimulatedUsbBus> bus = std::make_shared<SimulatedUsbBus>(clock);
    RecordingMessages messages;

    // A virtual plotter of that model (empty: the default); faults as for
    // faultsFrom(), or "silent": it answers no question.
    std::shared_ptr<VirtualPlotter> plugPlotter(const QString& modelName = QString(),
                                                const QString& faults = QString())
    {
        VirtualPlotterModel model;
        if (!modelName.isEmpty())
            model.modelName = modelName;
        auto plotter = std::make_shared<VirtualPlotter>(model);
        bus->plug(plotter);
        if (faults == QLatin1String("silent")) {
            for (auto q : {VirtualPlotter::Question::Device, VirtualPlotter::Question::Settings,
                           VirtualPlotter::Question::Media})
                plotter->setAnswer(q, {});
        } else {
            plotter->setFaults(faultsFrom(faults));
        }
        return plotter;
    }
};
