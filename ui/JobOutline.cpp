#include "ui/JobOutline.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "plot/CutSelection.h"
#include "plot/JobLayout.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Head offsets (X across from the job origin, Y along) to preview mm. The
// plotter's origin is the material's bottom-right corner, so X grows to
// the left and Y upwards on screen; the FCM output starts top-left.
struct ToLocal {
    HeadTransform head;
    double w, h;
    bool fcm;
    QPointF operator()(double x, double y) const
    {
        double hx, hy;
        head.apply(x, y, hx, hy);
        return fcm ? QPointF(hx, hy) : QPointF(w - hx, h - hy);
    }
};

// Chords of a curve: half its estimated length in mm, 5 to 500. The
// control polygon bounds the arc from above and costs three square roots,
// where sampling the curve would cost a hundred evaluations.
int curveSteps(const KCNode& n)
{
    auto dist = [](double dx, double dy) { return std::sqrt(dx * dx + dy * dy); };
    const double len = dist(n.P1X() - n.P0X(), n.P1Y() - n.P0Y())
        + dist(n.P2X() - n.P1X(), n.P2Y() - n.P1Y()) + dist(n.P3X() - n.P2X(), n.P3Y() - n.P2Y());
    return int(std::min(500.0, std::max(5.0, std::ceil(len / 2.0))));
}

} // namespace

QRgb JobOutline::previewColour(QRgb c, bool valid)
{
    if (!valid)
        return qRgb(0, 0, 0);
    if (qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 230)
        return qRgb(200, 200, 200);
    return c | 0xff000000u;
}

quint64 JobOutline::sourceKey(const Document& doc, const JobLayout& layout)
{
    quint64 h = 1469598103934665603ull;
    auto mix = [&h](quint64 v) { h = (h ^ v) * 1099511628211ull; };
    auto mixDouble = [&mix](double d) {
        quint64 bits;
        std::memcpy(&bits, &d, sizeof bits);
        mix(bits);
    };
    mix(quint64(doc.rotation()) | quint64(doc.mirrored()) << 8 | quint64(doc.fcmOutput()) << 9
        | quint64(doc.selection()) << 16 | quint64(doc.selection2()) << 24);
    mixDouble(layout.scaleX());
    mixDouble(layout.scaleY());
    mixDouble(layout.scaledWidth());
    mixDouble(layout.scaledHeight());
    for (const KCObjectColor* c : doc.colors())
        mix(quint64(c->color().rgba()) | quint64(c->cutEnabled()) << 32);
    for (const KCLayer* layer : doc.layers()) {
        mix(quintptr(layer));
        mix(qHash(layer->name()) | quint64(layer->cutEnabled()) << 32);
        for (const KCObject* o : layer->objects()) {
            mix(quintptr(o));
            mix(quint64(o->color().rgba()) | quint64(o->isSelected()) << 32);
            mix(quint64(o->subPaths().size()));
            for (const KCSubPath& sub : o->subPaths()) {
                mix(quint64(sub.nodes().size()));
                if (!sub.nodes().isEmpty()) {
                    mixDouble(sub.nodes().first().P0X());
                    mixDouble(sub.nodes().last().P3Y());
                }
            }
        }
    }
    return h;
}

JobOutline::Source JobOutline::source(const Document& doc, const JobLayout& layout)
{
    Source src;
    src.width = layout.copyFootprintWidth();
    src.height = layout.rotated() ? layout.scaledWidth() : layout.scaledHeight();
    src.plottable = layout.plottable();
    if (!src.plottable)
        return src;
    src.head = HeadTransform(doc, layout);
    src.fcm = doc.fcmOutput();
    const CutSelection selection(doc);
    for (const KCLayer* layer : doc.layers()) {
        if (!selection.cutsLayer(*layer))
            continue;
        for (const KCObject* object : layer->objects()) {
            if (!selection.cutsObject(*layer, *object))
                continue;
            const QColor c = object->color();
            const QRgb colour = previewColour(c.isValid() ? c.rgb() : 0, c.isValid());
            for (const KCSubPath& sub : object->subPaths()) {
                if (sub.nodes().isEmpty())
                    continue;
                src.paths.append(Source::Path{colour, sub.nodes()});
                src.nodeCount += sub.nodes().size();
            }
        }
    }
    return src;
}

JobOutline JobOutline::build(const Source& src)
{
    JobOutline out;
    out.m_width = src.width;
    out.m_height = src.height;
    if (!src.plottable)
        return out;
    const ToLocal local{src.head, out.m_width, out.m_height, src.fcm};

    // Curves are drawn as chords, up to 500 each; a drawing of a million
    // long curves would ask for gigabytes of points (and overflow the
    // vector). Past a budget every curve gets proportionally fewer chords.
    constexpr double PointBudget = 4e6;
    double wanted = 0;
    for (const Source::Path& path : src.paths)
        for (const KCNode& n : path.nodes)
            wanted += n.isLine() ? 1 : curveSteps(n);
    const double share = wanted > PointBudget ? PointBudget / wanted : 1.0;

    for (const Source::Path& path : src.paths) {
        const QVector<KCNode>& nodes = path.nodes;
        Stroke s{path.colour, out.m_points.size(), 0, QRectF()};
        out.m_points.append(local(nodes[0].P0X(), nodes[0].P0Y()));
        for (const KCNode& n : nodes) {
            if (n.isLine()) {
                out.m_points.append(local(n.P3X(), n.P3Y()));
                continue;
            }
            const KCNode::PowerForm f = n.powerForm();
            const int steps = std::max(1, int(curveSteps(n) * share));
            for (int i = 1; i <= steps; ++i) {
                const double t = double(i) / steps;
                const double x = ((f.k3x * t + f.k2x) * t + f.k1x) * t + n.P0X();
                const double y = ((f.k3y * t + f.k2y) * t + f.k1y) * t + n.P0Y();
                out.m_points.append(local(x, y));
            }
        }
        s.count = out.m_points.size() - s.first;
        double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
        for (int i = s.first; i < s.first + s.count; ++i) {
            const QPointF& p = out.m_points[i];
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
        s.bounds = QRectF(QPointF(x0, y0), QPointF(x1, y1));
        out.m_strokes.append(s);
    }
    return out;
}

void JobOutline::draw(QPainter& p, double scale, const QPointF& origin, const QRectF& clip,
                      bool black) const
{
    if (m_strokes.isEmpty() || scale <= 0)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // Cull in mm, one pixel of slack for the pen.
    const QRectF visible((clip.left() - origin.x() - 1) / scale, (clip.top() - origin.y() - 1) / scale,
                         (clip.width() + 2) / scale, (clip.height() + 2) / scale);
    p.translate(origin);
    p.scale(scale, scale);
    QRgb current = 0;
    bool penSet = false;
    for (const Stroke& s : m_strokes) {
        if (s.bounds.right() < visible.left() || s.bounds.left() > visible.right()
            || s.bounds.bottom() < visible.top() || s.bounds.top() > visible.bottom())
            continue;
        const QRgb colour = black ? qRgb(0, 0, 0) : s.colour;
        if (!penSet || colour != current) {
            QPen pen{QColor::fromRgb(colour)};
            pen.setWidth(0); // cosmetic: one pixel at any scale
            p.setPen(pen);
            current = colour;
            penSet = true;
        }
        p.drawPolyline(m_points.constData() + s.first, s.count);
    }
    p.restore();
}
