#pragma once

// Small drawings and job settings shared by the plot tests, written as text
// so that a case reads in one or two lines. All sizes in mm.

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "plot/Block.h"
#include "plot/BlockList.h"
#include "plot/PlotDataGenerator.h"

#include <QByteArray>
#include <QColor>
#include <QMap>
#include <QPointF>
#include <QStringList>
#include <QVector>

#include <cmath>
#include <functional>
#include <type_traits>

namespace PlotFixtures {

// A Bézier node; a straight one (handles on its ends) is a corner line.
inline KCNode node(QPointF p0, QPointF c1, QPointF c2, QPointF p3, bool line = false)
{
    KCNode n;
    const QPointF p[] = {p0, c1, c2, p3};
    for (int i = 0; i < 4; ++i)
        n.setPoint(i, p[i].x(), p[i].y());
    n.setIsCorner(line);
    n.setIsLine(line);
    return n;
}

inline QPointF point(const QString& xy)
{
    const QStringList v = xy.split(QLatin1Char(','));
    return QPointF(v.value(0).toDouble(), v.value(1).toDouble());
}

// A drawing as text. Items are separated by ";":
//   "colours: #ff0000 #0000ff-"  the colour table (a trailing "-": not cut)
//   "Name: <object>"             starts a layer ("Name-:" is not cut)
//   "<object>"                   another object in the current layer
// An object is sub-paths joined by "&"; a sub-path is points "x,y", where
// "cx,y x,y x,y" is a Bézier (two handles, end point); "z" closes it,
// "#rrggbb" colours the object and "sel" selects it.
inline void addDrawing(Document& d, const QString& text)
{
    KCLayer* layer = nullptr;
    for (QString item : text.split(QLatin1Char(';'))) {
        const int colon = item.indexOf(QLatin1Char(':'));
        if (colon >= 0) {
            QString head = item.left(colon).trimmed();
            item = item.mid(colon + 1);
            if (head == QLatin1String("colours")) {
                for (const QString& c : item.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                    KCObjectColor* e = d.appendColor();
                    e->setColor(QColor(c.left(7)));
                    e->setCutEnabled(!c.endsWith(QLatin1Char('-')));
                }
                continue;
            }
            layer = d.appendLayer();
            layer->setCutEnabled(!head.endsWith(QLatin1Char('-')));
            if (!layer->cutEnabled())
                head.chop(1);
            layer->setName(head);
        }
        if (item.trimmed().isEmpty())
            continue;
        KCObject* o = layer->appendObject();
        for (const QString& path : item.split(QLatin1Char('&'))) {
            KCSubPath sp;
            const QStringList t = path.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QPointF at;
            bool started = false;
            for (int i = 0; i < t.size(); ++i) {
                if (t[i] == QLatin1String("z")) {
                    sp.setIsClosed(true);
                } else if (t[i] == QLatin1String("sel")) {
                    o->setIsSelected(true);
                } else if (t[i].startsWith(QLatin1Char('#'))) {
                    o->setColor(QColor(t[i]));
                } else if (t[i].startsWith(QLatin1Char('c'))) {
                    const QPointF end = point(t.value(i + 2));
                    sp.nodes().append(node(at, point(t[i].mid(1)), point(t.value(i + 1)), end));
                    at = end;
                    i += 2;
                } else {
                    const QPointF p = point(t[i]);
                    if (started)
                        sp.nodes().append(node(at, at, p, p, true));
                    at = p;
                    started = true;
                }
            }
            o->subPaths().append(sp);
        }
    }
}

// A settings word's value handed to a setter of the document as its own type.
template <typename T>
std::function<void(Document&, double)> setter(void (Document::*set)(T))
{
    return [set](Document& d, double v) {
        if constexpr (std::is_enum_v<T>)
            (d.*set)(T(int(v)));
        else
            (d.*set)(T(v));
    };
}

// Job settings as "key=value" words applied in order; a bare key means 1.
// Codes: rot 0 none, 1 Right90, 2 Left90, 3 half; home 0 start, 1 behind,
// 2 beside; loc 0 manual, 1 bottom-right, 2 bottom-left, 3 centred;
// select 2 layers, 3 colours. "grid", "segments" and "overcut" switch the
// function on with the value as margin, window or distance (overcut at 130°).
// Returns the keys it does not know.
inline QString applySettings(Document& d, const QString& settings)
{
    using D = Document;
    static const QMap<QString, std::function<void(Document&, double)>> setters = {
        {"rot", setter(&D::setRotation)}, {"mirror", setter(&D::setMirrored)}, {"cols", setter(&D::setCopiesHorz)},
        {"rows", setter(&D::setCopiesVert)}, {"gap", setter(&D::setHorzDistance)},
        {"vgap", setter(&D::setVertDistance)}, {"same", setter(&D::setSameDistance)},
        {"auto", setter(&D::setAutoPlacement)}, {"count", setter(&D::setCopiesCount)},
        {"grid", [](D& d, double v) { d.setGrid(true); d.setGridDistance(int(v)); }},
        {"overcut", [](D& d, double v) { d.setOvercut(true); d.setOvercutDistance(v); d.setOvercutAngle(130); }},
        {"segments", [](D& d, double v) { d.setSegmentation(true); d.setSegmentHeight(int(v)); }},
        {"stops", setter(&D::setStopBetweenLayers)}, {"select", setter(&D::setSelection)},
        {"selected", [](D& d, double) { d.setSelection2(Document::AISelectedObjects); }},
        {"home", setter(&D::setHomeposition)}, {"extra", setter(&D::setExtraspace)}, {"loc", setter(&D::setLocation)},
        {"bottom", setter(&D::setBottom)}, {"matW", setter(&D::setMaterialWidth)},
        {"matH", setter(&D::setMaterialHeight)}, {"jobW", setter(&D::setJobWidth)}, {"jobH", setter(&D::setJobHeight)},
        {"wscale", setter(&D::setWidthScale)}, {"hscale", setter(&D::setHeightScale)},
        {"naturalW", setter(&D::setNaturalWidth)}, {"free", [](D& d, double) { d.setProportional(false); }},
        {"prop", setter(&D::setProportional)}, {"right", setter(&D::setRight)}, {"fcm", setter(&D::setFcmOutput)},
        {"passes", setter(&D::setPasses)}, {"quality", setter(&D::setQuality)}, {"start", setter(&D::setStartOffset)},
        {"found", setter(&D::setMarksFound)}, {"marks", setter(&D::setUsePassermarks)},
        {"thick", setter(&D::setPasserThickness)}, {"offY", setter(&D::setPasserOffsetY)},
        {"corrX", setter(&D::setPasserXCorrection)}, {"corrY", setter(&D::setPasserYCorrection)},
        {"markX", setter(&D::setPasserXOffset)}, {"markY", setter(&D::setPasserYOffset)},
        {"distX", setter(&D::setPasserXDistance)}, {"distY", setter(&D::setPasserYDistance)},
        {"markLen", setter(&D::setPasserLength)}, {"ownSettings", setter(&D::setUsePlotterSettings)},
        {"bladeInit", setter(&D::setBladeInitialisation)},
    };
    QStringList unknown;
    for (const QString& word : settings.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = word.section(QLatin1Char('='), 0, 0);
        const QString value = word.section(QLatin1Char('='), 1);
        if (setters.contains(key))
            setters.value(key)(d, value.isEmpty() ? 1.0 : value.toDouble());
        else
            unknown << key;
    }
    return unknown.join(QLatin1Char(' '));
}

// Speed 40, force 120, high quality, tool offset 0.25 mm (a blade code),
// first copy at 5 mm / 5 mm on the default 100 × 200 material; the drawing
// w × h at 100 %, then the settings.
inline QString buildJob(Document& d, const QString& drawing, double w, double h,
                        const QString& settings)
{
    d.setSpeed(40);
    d.setPressure(120);
    d.setQuality(0);
    d.setOffsetCorrection(0.25);
    d.setRight(5);
    d.setBottom(5);
    addDrawing(d, drawing);
    d.setDrawingWidth(w);
    d.setDrawingHeight(h);
    d.setNaturalWidth(std::ceil(w));
    d.setNaturalHeight(std::ceil(h));
    d.setProportional(false);
    d.setJobWidth(int(std::ceil(w)));
    d.setJobHeight(int(std::ceil(h)));
    d.setProportional(true);
    return applySettings(d, settings);
}

// The open "L" (0,0) → (20,0) → (20,10): different in every rotation.
const char* const L = "Ebene 1: 0,0 20,0 20,10";

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

// One token per block: <group>,<second>,<column>,<row>,<object> for an
// object block, p<finished>,<next> for a pause, f for the final block.
inline QString blockTokens(const BlockList& list)
{
    QStringList out;
    for (int i = 0; i < list.size(); ++i) {
        const Block& b = list.at(i);
        if (b.pause())
            out << QStringLiteral("p%1,%2").arg(b.group()).arg(b.second());
        else if (b.group() < 0)
            out << QStringLiteral("f");
        else
            out << QStringLiteral("%1,%2,%3,%4,%5")
                       .arg(b.group())
                       .arg(b.second())
                       .arg(b.column())
                       .arg(b.row())
                       .arg(b.object());
    }
    return out.join(QLatin1Char(' '));
}

// Pen moves of a stream as (along, across) plotter units.
struct Move {
    bool down;
    double along, across;
};
inline QVector<Move> penMoves(const QByteArray& stream)
{
    QVector<Move> out;
    for (const QByteArray& c : stream.split(';')) {
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
