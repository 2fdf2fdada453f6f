#include "plot/CuttingHead.h"

#include "platform/Logger.h"
#include "document/KCNode.h"
#include "document/KCObject.h"
#include "plot/CurveSteps.h"
#include "plot/JobLayout.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr double DegreesPerRadian = 57.29577951308232;

// Equality of two short texts without a library call: pen moves are
// mostly 8 to 16 characters, compared as two overlapping 8-byte words.
inline bool sameText(const char* a, const char* b, int n)
{
    if (n >= 8 && n <= 16) {
        quint64 a0, a1, b0, b1;
        std::memcpy(&a0, a, 8);
        std::memcpy(&b0, b, 8);
        std::memcpy(&a1, a + n - 8, 8);
        std::memcpy(&b1, b + n - 8, 8);
        return a0 == b0 && a1 == b1;
    }
    return std::memcmp(a, b, size_t(n)) == 0;
}
} // namespace

CuttingHead::CuttingHead(QObject* parent) : QObject(parent)
{
    setOvercut(false, 90.0, 0.5);
}

void CuttingHead::setMaterialSize(double width, double height)
{
    m_materialW = width;
    m_materialH = height;
}

void CuttingHead::setOvercut(bool on, double angle, double distance)
{
    m_overcutOn = on;
    m_overcutAngle = angle;
    m_overcutDistance = distance;
    m_cosThresholdValid = angle > 0 && angle < 180;
    m_cosThreshold = m_cosThresholdValid ? std::cos(angle / DegreesPerRadian) : 0.0;
}

// ---------------------------------------------------------------------------
// Origins

void CuttingHead::resetOrigins()
{
    m_origins.clear();
    m_cur = Point{0, 0};
    if (m_recordGeometry)
        m_geometry.append(CutGeometry::Object{CutGeometry::Piece{}});
    m_origins.append(Point{0, 0});
}

void CuttingHead::pushOrigin() { m_origins.append(m_cur); }

void CuttingHead::popOrigin()
{
    if (m_origins.isEmpty())
        return;
    m_cur = m_origins.takeLast();
}

void CuttingHead::returnToOrigin() { m_cur = origin(); }

// ---------------------------------------------------------------------------
// Emission: the only place where pen moves become text.

void CuttingHead::emitPoint()
{
    if (!m_emitCommands)
        return;
    const double across = PlotterUnits::penCoordinate(m_cur.x, m_materialW);
    const double along = PlotterUnits::penCoordinate(m_cur.y, m_materialH);
    const Commands::MoveText t = Commands::penMove(m_penDown, along, across);
    const int lastSize = m_lastMove.size;
    if (t.size == lastSize && sameText(t.data, m_lastMove.data, t.size))
        return;
    // Consecutive pen-up moves collapse into the last one, but only while
    // nothing else was appended after the earlier one.
    if (lastSize > 0 && m_lastMove.data[1] == 'U' && t.data[1] == 'U'
        && m_buffer.size() >= lastSize
        && sameText(m_buffer.constData() + m_buffer.size() - lastSize, m_lastMove.data, lastSize))
        m_buffer.chop(lastSize);
    m_buffer.append(t.data, t.size);
    m_lastMove = t;

    m_max.x = std::min(std::max(m_max.x, m_cur.x), m_materialW);
    m_max.y = std::min(std::max(m_max.y, m_cur.y), m_materialH);
    m_min.x = std::min(m_min.x, m_cur.x);
    m_min.y = std::min(m_min.y, m_cur.y);
}

// ---------------------------------------------------------------------------
// Geometry record

CutGeometry::Piece& CuttingHead::piece()
{
    if (m_geometry.isEmpty())
        m_geometry.append(CutGeometry::Object{CutGeometry::Piece{}});
    CutGeometry::Object& object = m_geometry.last();
    if (object.isEmpty())
        object.append(CutGeometry::Piece{});
    return object.last();
}

void CuttingHead::geometryAddLinePoint(Point p)
{
    if (m_recordGeometry)
        piece().addPoint(CutGeometry::PolylineRun, CutGeometry::Point{p.x, p.y});
}

// ---------------------------------------------------------------------------
// Moves

void CuttingHead::moveTo(double x, double y)
{
    const Point o = origin();
    const Point target{o.x + x, o.y + y};
    if (m_overcutOn && m_penDown)
        corner(target, m_incomingCut, false);
    m_prev = m_cur;
    m_cur = target;
    emitPoint();
    if (m_penDown)
        geometryAddLinePoint(target);
    m_incomingCut = m_penDown;
}

void CuttingHead::penDown()
{
    if (!m_penDown) {
        emitPoint();
        if (m_recordGeometry)
            piece().startPath(CutGeometry::Point{m_cur.x, m_cur.y});
    }
    m_penDown = true;
}

void CuttingHead::penUp()
{
    if (m_overcutOn && m_penDown)
        corner(m_cur, m_incomingCut, true);
    m_penDown = false;
}

// The corner at the current position V, coming from the previous position P
// and going on to `next`. Extends the incoming cut by the overcut length
// and/or starts the outgoing cut that much early. Pen changes here are plain
// state changes: the rule must not run itself again.
void CuttingHead::corner(Point next, bool incomingCut, bool atEnd)
{
    if (!m_penDown)
        return;
    const Point v = m_cur;
    const double vix = v.x - m_prev.x, viy = v.y - m_prev.y;
    const double vox = next.x - v.x, voy = next.y - v.y;
    const double li = std::sqrt(vix * vix + viy * viy);
    const double lo = std::sqrt(vox * vox + voy * voy);
    bool sharp;
    if (li == 0 || lo == 0) {
        const double angle = m_overcutAngle + 1; // no corner
        sharp = angle <= m_overcutAngle;
        if (m_diagnostics)
            Logger::debug(QStringLiteral("Cutting Angle: %1 %2").arg(angle).arg(m_overcutAngle));
    } else {
        const double c = -(vix * vox + viy * voy) / (li * lo);
        // Far from the threshold the cosine decides without acos; the margin
        // is many orders above the rounding of acos, so the decision is the
        // same. Diagnostics print the angle and take the exact path.
        if (!m_diagnostics && m_cosThresholdValid && c >= -1 && c <= 1
            && std::fabs(c - m_cosThreshold) > 1e-9) {
            sharp = c > m_cosThreshold;
        } else {
            const double angle = std::acos(c) * DegreesPerRadian;
            sharp = angle <= m_overcutAngle;
            if (m_diagnostics)
                Logger::debug(
                    QStringLiteral("Cutting Angle: %1 %2").arg(angle).arg(m_overcutAngle));
        }
    }

    const bool extension = li != 0 && ((sharp && incomingCut) || atEnd);
    const bool leadIn = lo != 0 && (sharp || !incomingCut);
    if (!extension && !leadIn)
        return;
    const double d = m_overcutDistance;
    if (extension) {
        m_cur = Point{v.x + vix / li * d, v.y + viy / li * d};
        emitPoint();
        geometryAddLinePoint(m_cur);
        m_penDown = false;
    }
    if (leadIn) {
        const Point s{v.x - vox / lo * d, v.y - voy / lo * d};
        if (m_recordGeometry) {
            CutGeometry::Piece& p = piece();
            p.dropEmptyPath();
            p.startPath(CutGeometry::Point{s.x, s.y});
            p.addPoint(CutGeometry::PolylineRun, CutGeometry::Point{v.x, v.y});
        }
        m_penDown = false;
        m_cur = s;
        emitPoint();
        m_penDown = true;
    }
    m_cur = v;
    emitPoint();
    m_penDown = true;
}

void CuttingHead::curveTo(Point p0, Point c1, Point c2, Point p3, int steps, bool first,
                          bool closed)
{
    const Point o = origin();
    const double ux = 3.0 * (c1.x - p0.x), uy = 3.0 * (c1.y - p0.y);
    const double vx = 3.0 * (c2.x - c1.x) - ux, vy = 3.0 * (c2.y - c1.y) - uy;
    const double wx = p3.x - p0.x - ux - vx, wy = p3.y - p0.y - uy - vy;
    const auto at = [&](int i) {
        const double t = double(i) / steps;
        return Point{o.x + (wx * t * t * t + vx * t * t + ux * t + p0.x),
                     o.y + (wy * t * t * t + vy * t * t + uy * t + p0.y)};
    };
    if (!m_emitCommands) {
        // Without text only the first chord (for the corner rule) and the
        // ends of the last one (the head's position) matter.
        if (steps < 1)
            return curveRecord(o, c1, c2, p3);
        const Point b1 = at(1);
        if (m_overcutOn && m_penDown && !(first && closed))
            corner(b1, m_incomingCut, false);
        m_prev = steps == 1 ? m_cur : at(steps - 1);
        m_cur = steps == 1 ? b1 : at(steps);
        return curveRecord(o, c1, c2, p3);
    }
    for (int i = 1; i <= steps; ++i) {
        const Point b = at(i);
        if (i == 1 && m_overcutOn && m_penDown && !(first && closed))
            corner(b, m_incomingCut, false);
        m_prev = m_cur;
        m_cur = b;
        if (m_penDown)
            emitPoint();
    }
    curveRecord(o, c1, c2, p3);
}

// The curve in the geometry record (a curve run), when it was cut.
void CuttingHead::curveRecord(Point o, Point c1, Point c2, Point p3)
{
    if (m_penDown && m_recordGeometry) {
        CutGeometry::Piece& p = piece();
        p.addPoint(CutGeometry::CurveRun, CutGeometry::Point{o.x + c1.x, o.y + c1.y});
        p.addPoint(CutGeometry::CurveRun, CutGeometry::Point{o.x + c2.x, o.y + c2.y});
        p.addPoint(CutGeometry::CurveRun, CutGeometry::Point{o.x + p3.x, o.y + p3.y});
    }
    m_incomingCut = m_penDown;
}

int CuttingHead::curveSteps(double nodeLength, double scale)
{
    const double steps = std::ceil(2.0 * nodeLength * scale);
    if (!(steps >= 3)) // also NaN
        return 3;
    if (steps > 5000)
        return 5000;
    return int(steps);
}

void CuttingHead::outputObject(const KCObject& object, const HeadTransform& t)
{
    const double scale = std::max(t.scaleX(), t.scaleY());
    penUp();
    for (const KCSubPath& sub : object.subPaths()) {
        const QVector<KCNode>& nodes = sub.nodes();
        if (nodes.isEmpty())
            continue;
        returnToOrigin();
        penUp();
        for (int k = 0; k < nodes.size(); ++k)
            addNodeCut(nodes[k], k, sub.isClosed(), t, scale);
        penUp();
    }
}

void CuttingHead::addNodeCut(const KCNode& node, int index, bool closed, const HeadTransform& t,
                             double scale)
{
    Point p[4];
    for (int i = 0; i < 4; ++i)
        t.apply(node.x(i), node.y(i), p[i].x, p[i].y);
    if (!m_penDown) {
        moveTo(p[0].x, p[0].y);
        penDown();
    }
    if (node.isLine())
        moveTo(p[3].x, p[3].y);
    else
        curveTo(p[0], p[1], p[2], p[3], CurveSteps::forNode(node, scale), index == 0, closed);
}

// ---------------------------------------------------------------------------
// Buffer

void CuttingHead::append(const QByteArray& commands) { m_buffer.append(commands); }

QByteArray CuttingHead::take()
{
    m_buffer.append("PU;", 3);
    QByteArray out;
    out.swap(m_buffer);
    // A whole job stays in memory until it is sent: give back what the
    // buffer's growth reserved beyond the block.
    if (out.capacity() - out.size() > out.size() / 16)
        out.squeeze();
    if (m_diagnostics)
        Logger::debug(QString::fromLatin1(out));
    return out;
}
