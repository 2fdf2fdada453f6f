#pragma once

// Drawings and a plotter on the simulated bus shared by the job tests.
// Sizes in mm.

#include "plot/PlotFixtures.h"
#include "support/UsbBench.h"

#include "device/Plotter.h"
#include "device/USBDevice.h"
#include "presets/PlotterTemplate.h"

#include <QTemporaryDir>
#include <QThread>

namespace JobFixtures {

using namespace PlotFixtures;

// Long enough for any job here on a loaded machine.
const int JobTimeoutMs = 20000;

// What the worker sends before the job: the virtual plotter's own
// plotter-only settings, unroll off and edge smoothing on.
const QByteArray kSettings("\x1b.C1;20;0:\x1b.C1;19;1:");

// Layers "Umriss" (two lines), "Entwurf" (not cut) and "Schrift" (two
// lines): the groups cut are 0 and 2; a pause between them.
inline void layers(Document& d)
{
    buildJob(d, "Umriss: 0,0 20,0; 20,0 20,10; Entwurf-: 0,0 5,5; Schrift: 2,2 8,2; 2,4 8,4", 20, 10, "stops");
}

// Colours "Rot" (CMYK, two lines), "Grün" (RGB, not cut) and "Blau" (RGB,
// one line) over two layers: the groups cut are 0 and 2; a pause between.
inline void colours(Document& d)
{
    buildJob(d,
             "colours: #ff0000 #008000- #0000ff; A: 0,0 10,0 #ff0000; 0,5 10,5 #0000ff; 0,7 10,7 #008000; "
             "B: 0,10 10,10 #ff0000",
             10, 10, "select=3 stops");
    // Red as CMYK: a different colour to QColor, so the objects follow.
    const QColor red = QColor::fromCmyk(0, 255, 255, 0);
    for (KCLayer* l : d.layers())
        for (KCObject* o : l->objects())
            o->setColor(o->color() == QColor(Qt::red) ? red : o->color());
    d.colors()[0]->setColor(red);
    d.colors()[0]->setIsCmyk(true);
    for (int i = 0; i < 3; ++i)
        d.colors()[i]->setName(QStringList{"Rot", "Grün", "Blau"}[i]);
}

// A job of `objects` short lines in one layer, for cancelling mid-job.
inline void manyLines(Document& d, int objects)
{
    QStringList lines;
    for (int i = 0; i < objects; ++i)
        lines << QStringLiteral("0,%1 10,%1").arg(i % 50);
    buildJob(d, "Linien: " + lines.join("; "), 10, 50, QString());
}

// The bytes of the blocks generation makes of the document.
inline QList<QByteArray> blocksOf(Document& d, bool deviceControl)
{
    BlockList list(deviceControl);
    generate(d, deviceControl, &list);
    QList<QByteArray> out;
    for (int i = 0; i < list.size(); ++i)
        out << list.at(i).bytes();
    return out;
}

// The first `count` blocks (all: -1) joined.
inline QByteArray joined(const QList<QByteArray>& blocks, int count = -1)
{
    QByteArray out;
    for (int i = 0; i < blocks.size() && (count < 0 || i < count); ++i)
        out += blocks[i];
    return out;
}

// The virtual plotter on the bench, asked about itself once (so its unroll
// and smoothing values are known), matched to its model, then emptied of
// what it got.
struct PlotterRig : UsbBench {
    std::shared_ptr<VirtualPlotter> device;
    std::unique_ptr<USBDevice> usb;
    PlotterTemplate model;
    std::unique_ptr<Plotter> plotter;
    QTemporaryDir temp;

    explicit PlotterRig(const QString& modelName = QStringLiteral("Kerfcraft Sable 60"))
        : device(plugPlotter(modelName)),
          usb(std::make_unique<USBDevice>(bus, device, VirtualPlotter::VendorId, 1, messages)),
          plotter(std::make_unique<Plotter>(usb.get(), clock, messages))
    {
        // The worker looks for the end of generation on this clock; let the
        // generating thread run between two looks.
        clock.onSleep = [](int) { QThread::yieldCurrentThread(); };
        plotter->query();
        model.Name = modelName;
        plotter->setModel(1, &model);
        device->clearReceived();
    }
    QString lastCutPath() const { return temp.filePath(QStringLiteral("lastcut.txt")); }
};

} // namespace JobFixtures
