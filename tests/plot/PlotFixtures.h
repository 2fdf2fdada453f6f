#pragma once

// Small drawings and job settings shared by the plot tests. All sizes in mm.

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "plot/Block.h"
#include "plot/BlockList.h"
#include "plot/PlotDataGenerator.h"

#include <QByteArray>
#include <QColor>
#include <QPointF>
#include <QVector>

#include <cmath>

namespace PlotFixtures {

inline KCNode lineNode(QPointF a, QPointF b)
{
    KCNode n;
    n.setP0(a.x(), a.y());
    n.setP1(a.x(), a.y());
    n.setP2(b.x(), b.y());
    n.setP3(b.x(), b.y());
    n.setIsCorner(true);
    n.setIsLine(true);
    return n;
}

inline KCNode curveNode(QPointF p0, QPointF c1, QPointF c2, QPointF p3)
{
    KCNode n;
    n.setP0(p0.x(), p0.y());
    n.setP1(c1.x(), c1.y());
    n.setP2(c2.x(), c2.y());
    n.setP3(p3.x(), p3.y());
    return n;
}

// A polyline through the points as one sub-path of a new object.
inline KCObject* addPolyline(KCLayer* layer, const QVector<QPointF>& pts, bool closed = false)
{
    KCObject* o = layer->appendObject();
    KCSubPath sp;
    sp.setIsClosed(closed);
    for (int i = 0; i + 1 < pts.size(); ++i)
        sp.nodes().append(lineNode(pts[i], pts[i + 1]));
    o->subPaths().append(sp);
    return o;
}

inline KCLayer* addLayer(Document& d, const QString& name, bool cut = true)
{
    KCLayer* l = d.appendLayer();
    l->setName(name);
    l->setCutEnabled(cut);
    return l;
}

// Drawing extent and a job of the same size (scale 100 %).
inline void setDrawingSize(Document& d, double w, double h)
{
    d.setDrawingWidth(w);
    d.setDrawingHeight(h);
    d.setNaturalWidth(std::ceil(w));
    d.setNaturalHeight(std::ceil(h));
    d.setProportional(false);
    d.setJobWidth(int(std::ceil(w)));
    d.setJobHeight(int(std::ceil(h)));
    d.setProportional(true);
}

// Speed 40, force 120, high quality, tool offset 0.25 mm (a blade code),
// first copy at 5 mm / 5 mm on the default 100 × 200 material.
inline void baseSettings(Document& d)
{
    d.setSpeed(40);
    d.setPressure(120);
    d.setQuality(0);
    d.setOffsetCorrection(0.25);
    d.setRight(5);
    d.setBottom(5);
}

// The open "L" (0,0) → (20,0) → (20,10): different in every rotation.
inline void lPath(Document& d)
{
    baseSettings(d);
    addPolyline(addLayer(d, QStringLiteral("Ebene 1")), {{0, 0}, {20, 0}, {20, 10}});
    setDrawingSize(d, 20, 10);
}

inline QByteArray generate(Document& d, bool deviceControl = false, BlockList* keep = nullptr)
{
    BlockList local(deviceControl);
    BlockList& list = keep ? *keep : local;
    list.setDeviceControl(deviceControl);
    PlotDataGenerator g(d);
    g.setDiagnostics(false);
    g.generate(list);
    return list.stream();
}

// Pen moves of a stream as (along, across) plotter units.
struct Move {
    bool down;
    double along, across;
};
inline QVector<Move> penMoves(const QByteArray& stream)
{
    QVector<Move> out;
    const QList<QByteArray> cmds = stream.split(';');
    for (const QByteArray& c : cmds) {
        if (!(c.startsWith("PU") || c.startsWith("PD")) || !c.contains(','))
            continue;
        const QList<QByteArray> v = c.mid(2).split(',');
        out.append(Move{c.at(1) == 'D', v.value(0).toDouble(), v.value(1).toDouble()});
    }
    return out;
}

// "first difference at byte n" with both texts, ESC shown as \e.
inline QByteArray describeMismatch(const QByteArray& got, const QByteArray& want)
{
    int i = 0;
    while (i < got.size() && i < want.size() && got[i] == want[i])
        ++i;
    QByteArray g = got, w = want;
    g.replace('\x1b', "\\e");
    w.replace('\x1b', "\\e");
    return "first difference at byte " + QByteArray::number(i) + "\n   got: " + g
        + "\nexpected: " + w;
}

} // namespace PlotFixtures
