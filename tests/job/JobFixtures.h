#pragma once

// Drawings and a plotter on the simulated bus shared by the job tests.
// Sizes in mm.

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include "device/Plotter.h"
#include "device/SimulatedUsbBus.h"
#include "device/USBDevice.h"
#include "device/USBDevices.h"
#include "device/VirtualPlotter.h"
#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "plot/Block.h"
#include "plot/BlockList.h"
#include "plot/PlotDataGenerator.h"
#include "presets/PlotterTemplate.h"

#include <QColor>
#include <QPointF>
#include <QTemporaryDir>
#include <QThread>
#include <QVector>

#include <memory>

namespace JobFixtures {

inline KCObject* addLine(KCLayer* layer, QPointF a, QPointF b, const QColor& colour = QColor())
{
    KCObject* o = layer->appendObject();
    KCNode n;
    n.setP0(a.x(), a.y());
    n.setP1(a.x(), a.y());
    n.setP2(b.x(), b.y());
    n.setP3(b.x(), b.y());
    n.setIsCorner(true);
    n.setIsLine(true);
    KCSubPath sp;
    sp.nodes().append(n);
    o->subPaths().append(sp);
    if (colour.isValid())
        o->setColor(colour);
    return o;
}

inline KCLayer* addLayer(Document& d, const QString& name, bool cut = true)
{
    KCLayer* l = d.appendLayer();
    l->setName(name);
    l->setCutEnabled(cut);
    return l;
}

inline void jobSize(Document& d, double w, double h)
{
    d.setDrawingWidth(w);
    d.setDrawingHeight(h);
    d.setNaturalWidth(w);
    d.setNaturalHeight(h);
    d.setProportional(false);
    d.setJobWidth(int(w));
    d.setJobHeight(int(h));
    d.setProportional(true);
    d.setSpeed(30);
    d.setPressure(90);
    d.setRight(5);
    d.setBottom(5);
}

// Layers "Umriss" (two lines), "Entwurf" (not cut) and "Schrift" (two
// lines): the groups cut are 0 and 2.
inline void layers(Document& d, bool pauses)
{
    KCLayer* a = addLayer(d, QStringLiteral("Umriss"));
    addLine(a, {0, 0}, {20, 0});
    addLine(a, {20, 0}, {20, 10});
    addLine(addLayer(d, QStringLiteral("Entwurf"), false), {0, 0}, {5, 5});
    KCLayer* c = addLayer(d, QStringLiteral("Schrift"));
    addLine(c, {2, 2}, {8, 2});
    addLine(c, {2, 4}, {8, 4});
    jobSize(d, 20, 10);
    d.setSelection(Document::LayerSelection);
    d.setStopBetweenLayers(pauses);
}

// Colours "Rot" (CMYK), "Grün" (RGB, not cut) and "Blau" (RGB) over two
// layers: the groups cut are 0 and 2.
inline void colours(Document& d, bool pauses)
{
    KCObjectColor* red = d.appendColor();
    red->setName(QStringLiteral("Rot"));
    red->setColor(QColor::fromCmyk(0, 255, 255, 0));
    red->setIsCmyk(true);
    red->setCutEnabled(true);
    KCObjectColor* green = d.appendColor();
    green->setName(QStringLiteral("Grün"));
    green->setColor(QColor(0, 128, 0));
    KCObjectColor* blue = d.appendColor();
    blue->setName(QStringLiteral("Blau"));
    blue->setColor(QColor(0, 0, 255));
    blue->setCutEnabled(true);
    KCLayer* a = addLayer(d, QStringLiteral("A"));
    KCLayer* b = addLayer(d, QStringLiteral("B"));
    addLine(a, {0, 0}, {10, 0}, red->color());
    addLine(a, {0, 5}, {10, 5}, blue->color());
    addLine(a, {0, 7}, {10, 7}, green->color());
    addLine(b, {0, 10}, {10, 10}, red->color());
    jobSize(d, 10, 10);
    d.setSelection(Document::ColorSelection);
    d.setStopBetweenLayers(pauses);
}

// A job of `objects` short lines in one layer, for cancelling mid-job.
inline void manyLines(Document& d, int objects)
{
    KCLayer* l = addLayer(d, QStringLiteral("Linien"));
    for (int i = 0; i < objects; ++i)
        addLine(l, {0, double(i % 50)}, {10, double(i % 50)});
    jobSize(d, 10, 50);
}

// The blocks generation makes of the document, each block's bytes.
inline QList<QByteArray> blocksOf(Document& d, bool deviceControl)
{
    BlockList list(deviceControl);
    PlotDataGenerator g(d);
    g.setDiagnostics(false);
    g.generate(list);
    QList<QByteArray> out;
    for (int i = 0; i < list.size(); ++i)
        out << list.at(i).bytes();
    return out;
}

inline QByteArray joined(const QList<QByteArray>& blocks, int count = -1)
{
    QByteArray out;
    for (int i = 0; i < blocks.size() && (count < 0 || i < count); ++i)
        out += blocks[i];
    return out;
}

// The virtual plotter on a simulated bus, asked about itself once (so its
// unroll and smoothing values are known) and then emptied of what it got.
struct PlotterRig {
    FakeClock clock;
    std::shared_ptr<SimulatedUsbBus> bus = std::make_shared<SimulatedUsbBus>(clock);
    std::shared_ptr<VirtualPlotter> device;
    RecordingMessages messages;
    USBDevices devices{bus, messages};
    PlotterTemplate model;
    std::unique_ptr<Plotter> plotter;
    QTemporaryDir temp;

    explicit PlotterRig(const QString& modelName = QStringLiteral("Kerfcraft Sable 60"),
                        bool unrollMedium = false, bool edgeSmoothing = true)
    {
        // The worker looks for the end of generation on this clock; let the
        // generating thread run between two looks.
        clock.onSleep = [](int) { QThread::yieldCurrentThread(); };
        VirtualPlotterModel m;
        m.modelName = modelName;
        m.unrollMedium = unrollMedium;
        m.edgeSmoothing = edgeSmoothing;
        device = std::make_shared<VirtualPlotter>(m);
        bus->plug(device);
        devices.init();
        devices.rescan();
        plotter = std::make_unique<Plotter>(devices.devices().first(), clock, messages);
        plotter->query();
        model.Name = modelName;
        plotter->setModel(1, &model);
        device->clearReceived();
    }
    QString lastCutPath() const { return temp.filePath(QStringLiteral("lastcut.txt")); }
};

// What the worker sends before the job: the plotter-only settings.
inline QByteArray settingsCommand(bool unrollMedium, bool edgeSmoothing)
{
    return QByteArray("\x1b.C1;20;") + (unrollMedium ? "1" : "0") + ":\x1b.C1;19;"
        + (edgeSmoothing ? "1" : "0") + ":";
}

} // namespace JobFixtures
