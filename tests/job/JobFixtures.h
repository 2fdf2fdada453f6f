#pragma once

// Drawings and a plotter on the simulated bus shared by the job tests.
// Sizes in mm.

#include "support/UsbBench.h"

#include "device/Plotter.h"
#include "device/USBDevice.h"
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

namespace JobFixtures {

// What the worker sends before the job: the virtual plotter's own
// plotter-only settings, unroll off and edge smoothing on.
const QByteArray kSettings("\x1b.C1;20;0:\x1b.C1;19;1:");

inline void addLine(KCLayer* layer, QPointF a, QPointF b, const QColor& colour = QColor())
{
    KCNode n;
    n.setP0(a.x(), a.y());
    n.setP1(a.x(), a.y());
    n.setP2(b.x(), b.y());
    n.setP3(b.x(), b.y());
    n.setIsCorner(true);
    n.setIsLine(true);
    KCSubPath sp;
    sp.nodes().append(n);
    KCObject* o = layer->appendObject();
    o->subPaths().append(sp);
    if (colour.isValid())
        o->setColor(colour);
}

inline KCLayer* addLayer(Document& d, const QString& name, bool cut = true)
{
    KCLayer* l = d.appendLayer();
    l->setName(name);
    l->setCutEnabled(cut);
    return l;
}

inline void jobSize(Document& d, double w, double h, Document::Selection selection, bool pauses)
{
    d.setDrawingWidth(w);
    d.setDrawingHeight(h);
    d.setNaturalWidth(w);
    d.setNaturalHeight(h);
    d.setProportional(false);
    d.setJobWidth(int(w));
    d.setJobHeight(int(h));
    d.setSpeed(30);
    d.setPressure(90);
    d.setSelection(selection);
    d.setStopBetweenLayers(pauses);
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
    jobSize(d, 20, 10, Document::LayerSelection, pauses);
}

// Colours "Rot" (CMYK, two lines), "Grün" (RGB, not cut) and "Blau" (RGB,
// one line) over two layers: the groups cut are 0 and 2.
inline void colours(Document& d, bool pauses)
{
    const QColor values[] = {QColor::fromCmyk(0, 255, 255, 0), QColor(0, 128, 0), QColor(0, 0, 255)};
    const char* names[] = {"Rot", "Grün", "Blau"};
    for (int i = 0; i < 3; ++i) {
        KCObjectColor* c = d.appendColor();
        c->setName(QString::fromUtf8(names[i]));
        c->setColor(values[i]);
        c->setIsCmyk(i == 0);
        c->setCutEnabled(i != 1);
    }
    KCLayer* a = addLayer(d, QStringLiteral("A"));
    addLine(a, {0, 0}, {10, 0}, values[0]);
    addLine(a, {0, 5}, {10, 5}, values[2]);
    addLine(a, {0, 7}, {10, 7}, values[1]);
    addLine(addLayer(d, QStringLiteral("B")), {0, 10}, {10, 10}, values[0]);
    jobSize(d, 10, 10, Document::ColorSelection, pauses);
}

// A job of `objects` short lines in one layer, for cancelling mid-job.
inline void manyLines(Document& d, int objects)
{
    KCLayer* l = addLayer(d, QStringLiteral("Linien"));
    for (int i = 0; i < objects; ++i)
        addLine(l, {0, double(i % 50)}, {10, double(i % 50)});
    jobSize(d, 10, 50, Document::LayerSelection, false);
}

// The bytes of the blocks generation makes of the document.
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
