#include "document/SvgImport.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "document/PathCapture.h"
#include "document/SvgPreflight.h"
#include "platform/Logger.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSignalBlocker>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace SvgImport {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("SvgImport", text); }

// One painted outline: the renderer's path, its transform to mm, its colour.
struct Shape {
    int layer;
    QPainterPath path;
    QTransform toMm;
    QColor color;
};

// A shape in document form, not yet in the document.
struct Outline {
    int layer;
    QColor color;
    QVector<KCSubPath> subPaths;
};

// The renderer reports what it does not support as warnings; they belong to
// the debug channel, not on the user's console.
class RendererWarnings
{
public:
    RendererWarnings() { previous() = qInstallMessageHandler(&handle); }
    ~RendererWarnings() { qInstallMessageHandler(previous()); }

private:
    static QtMessageHandler& previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (context.category && std::strncmp(context.category, "qt.svg", 6) == 0)
            Logger::debug(QStringLiteral("SvgImport: ") + message);
        else if (previous())
            previous()(type, context, message);
    }
};

bool fontsAvailable()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
        && !QFontDatabase().families().isEmpty();
}

bool blank(const QByteArray& data)
{
    return std::all_of(data.begin(), data.end(), [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
}

// Inkscape's .svgz: the same text, gzip-compressed. Empty when broken.
QByteArray gunzip(const QByteArray& data)
{
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        return QByteArray();
    QByteArray out;
    out.resize(std::max(data.size() * 4, 4096));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = uInt(data.size());
    int rc = Z_OK;
    while (rc == Z_OK) {
        if (z.total_out >= uLong(out.size()))
            out.resize(out.size() * 2);
        z.next_out = reinterpret_cast<Bytef*>(out.data() + z.total_out);
        z.avail_out = uInt(out.size() - int(z.total_out));
        rc = inflate(&z, Z_NO_FLUSH);
    }
    out.resize(rc == Z_STREAM_END ? int(z.total_out) : 0);
    inflateEnd(&z);
    return out;
}

bool wellFormedXml(const QByteArray& data)
{
    QXmlStreamReader x(data);
    bool element = false;
    while (!x.atEnd())
        element = x.readNext() == QXmlStreamReader::StartElement || element;
    return element && !x.hasError();
}

QString quoted(QString text)
{
    if (text.size() > 40)
        text = text.left(39) + QChar(0x2026);
    return QStringLiteral("\u201E%1\u201C").arg(text);
}

QStringList leftOutNotes(const SvgPreflight::Result& prep, int images)
{
    QStringList notes;
    if (images > 0)
        notes << tr("%1 Bild(er): Rastergrafiken lassen sich nicht schneiden").arg(images);
    if (prep.filters)
        notes << tr("Filtereffekte: geschnitten werden nur die Umrisse");
    if (prep.clipped)
        notes << tr("Beschneidungspfade und Masken: die betroffenen Objekte werden ganz geschnitten");
    for (const QString& t : prep.unsupportedText)
        notes << tr("Text %1: Fließtext und Text auf Pfad werden nicht umgewandelt").arg(quoted(t));
    for (const QString& t : prep.textWithoutFont)
        notes << tr("Text %1: keine Schrift installiert").arg(quoted(t));
    return notes;
}

// Renders the drawing in one pass; the separators in front of each layer
// say which layer a shape belongs to.
void capture(QSvgRenderer& renderer, const SvgPreflight::Result& prep, QVector<Shape>& shapes,
             QStringList& layerNames, int& images)
{
    int layer = 0, separators = 0;
    PathCapture device([&](const QPainterPath& path, const QTransform& toMm, const QColor& color) {
        if (SvgPreflight::isLayerSeparator(path, color))
            layer = separators++;
        else
            shapes.append(Shape{layer, path, toMm, color});
    });
    // The renderer maps its viewBox onto the target; the same rect on both
    // sides keeps our own mapping to mm the only one.
    if (renderer.viewBoxF().isEmpty())
        renderer.setViewBox(QRectF(0, 0, 1, 1));
    QPainter painter(&device);
    painter.setWorldTransform(prep.viewport.userToMm());
    renderer.render(&painter, renderer.viewBoxF());
    painter.end();
    images = device.imageCount();
    layerNames = prep.layerNames;
    if (layerNames.isEmpty())
        layerNames << QString();
    for (int i = 0; i < layerNames.size(); ++i)
        if (layerNames[i].isEmpty())
            layerNames[i] = tr("Ebene %1").arg(i + 1);
}

QVector<KCSubPath> subPathsOf(const QPainterPath& path, const QTransform& t)
{
    QVector<KCSubPath> subPaths;
    KCSubPath current;
    double sx = 0, sy = 0, cx = 0, cy = 0;
    auto finish = [&] {
        if (current.nodes().isEmpty())
            return;
        current.setIsClosed(cx == sx && cy == sy);
        subPaths.append(current);
        current = KCSubPath();
    };
    const int count = path.elementCount();
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element& e = path.elementAt(i);
        double x, y;
        t.map(e.x, e.y, &x, &y);
        if (e.type == QPainterPath::MoveToElement) {
            finish();
            sx = cx = x;
            sy = cy = y;
        } else if (e.type == QPainterPath::LineToElement) {
            if (x == cx && y == cy)
                continue;
            current.nodes().append(KCNode::line(cx, cy, x, y));
            cx = x;
            cy = y;
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < count) {
            KCNode n;
            n.setP0(cx, cy);
            n.setP1(x, y);
            const QPainterPath::Element& c2 = path.elementAt(i + 1);
            const QPainterPath::Element& end = path.elementAt(i + 2);
            t.map(c2.x, c2.y, &x, &y);
            n.setP2(x, y);
            t.map(end.x, end.y, &cx, &cy);
            n.setP3(cx, cy);
            current.nodes().append(n);
            i += 2;
        }
    }
    finish();
    return subPaths;
}

// Exact range of a cubic Bézier along one axis: its end points and the
// extremes where the derivative vanishes inside the segment.
void cubicRange(double p0, double p1, double p2, double p3, double& lo, double& hi)
{
    lo = std::min({lo, p0, p3});
    hi = std::max({hi, p0, p3});
    const double a = -p0 + 3 * p1 - 3 * p2 + p3, b = 2 * (p0 - 2 * p1 + p2), c = p1 - p0;
    double roots[2];
    int n = 0;
    if (std::abs(a) < 1e-12) {
        if (std::abs(b) > 1e-12)
            roots[n++] = -c / b;
    } else {
        const double disc = b * b - 4 * a * c;
        if (disc >= 0) {
            const double sq = std::sqrt(disc);
            roots[n++] = (-b + sq) / (2 * a);
            roots[n++] = (-b - sq) / (2 * a);
        }
    }
    for (int i = 0; i < n; ++i) {
        const double t = roots[i];
        if (t <= 0 || t >= 1)
            continue;
        const double u = 1 - t;
        const double v = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
}

// Sets every object's exact box, then moves the drawing to the origin and
// takes its size the way a job file measures it on loading (segment end
// points, widened by sampling the curves), so that saving and reloading
// keeps the job size.
void placeAtOrigin(Document& doc)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (KCLayer* layer : doc.layers())
        for (KCObject* o : layer->objects()) {
            double l = inf, t = inf, r = -inf, b = -inf;
            for (const KCSubPath& sp : o->subPaths())
                for (const KCNode& n : sp.nodes()) {
                    cubicRange(n.P0X(), n.P1X(), n.P2X(), n.P3X(), l, r);
                    cubicRange(n.P0Y(), n.P1Y(), n.P2Y(), n.P3Y(), t, b);
                }
            o->setLeft(l);
            o->setTop(t);
            o->setRight(r);
            o->setBottom(b);
        }
    double left = doc.minX(), top = doc.minY(), right = doc.maxX(), bottom = doc.maxY();
    doc.refineExtentByCurves(left, top, right, bottom);
    for (KCLayer* layer : doc.layers())
        for (KCObject* o : layer->objects()) {
            for (KCSubPath& sp : o->subPaths())
                for (KCNode& n : sp.nodes())
                    for (int p = 0; p < 4; ++p)
                        n.setPoint(p, n.x(p) - left, n.y(p) - top);
            o->setLeft(o->left() - left);
            o->setRight(o->right() - left);
            o->setTop(o->top() - top);
            o->setBottom(o->bottom() - top);
        }
    doc.setDrawingSize(right - left, bottom - top);
}

// Shapes without a single segment (a lone move, a dot) are dropped.
QVector<Outline> outlinesOf(const QVector<Shape>& shapes)
{
    QVector<Outline> outlines;
    outlines.reserve(shapes.size());
    for (const Shape& s : shapes) {
        QVector<KCSubPath> subPaths = subPathsOf(s.path, s.toMm);
        if (!subPaths.isEmpty())
            outlines.append(Outline{s.layer, s.color, std::move(subPaths)});
    }
    return outlines;
}

void fill(Document& doc, QVector<Outline>& outlines, const QStringList& layerNames)
{
    doc.clear();
    QVector<KCLayer*> layers(layerNames.size(), nullptr);
    QHash<QRgb, KCObjectColor*> entries;
    for (Outline& s : outlines) {
        KCLayer*& layer = layers[s.layer];
        if (!layer) {
            layer = doc.appendLayer();
            layer->setName(layerNames[s.layer]);
            layer->setCutEnabled(true);
        }
        KCObject* object = layer->appendObject();
        object->subPaths() = std::move(s.subPaths);
        const QRgb rgb = s.color.rgb();
        KCObjectColor*& entry = entries[rgb];
        if (!entry) {
            entry = doc.appendColor();
            entry->setColor(QColor::fromRgb(rgb));
            entry->setCutEnabled(true);
        }
        object->setColor(entry->color());
        object->setColorUid(entry->uid());
    }
    placeAtOrigin(doc);
}

} // namespace

Result read(Document& doc, const QByteArray& file)
{
    Result result;
    const bool compressed = file.startsWith("\x1f\x8b");
    const QByteArray svg = compressed ? gunzip(file) : file;
    if (compressed && svg.isEmpty()) {
        result.outcome = Outcome::NotXml;
        return result;
    }
    if (blank(svg)) {
        result.outcome = Outcome::Empty;
        return result;
    }
    SvgPreflight::Result prep = SvgPreflight::prepare(svg, true);
    // Text needs fonts; without them it is left out and named.
    if (prep.hasText && !fontsAvailable())
        prep = SvgPreflight::prepare(svg, false);
    if (!prep.isSvg) {
        result.outcome = wellFormedXml(svg) ? Outcome::NotSvg : Outcome::NotXml;
        return result;
    }
    QVector<Shape> shapes;
    QStringList layerNames;
    int images = 0;
    {
        const RendererWarnings quiet;
        QSvgRenderer renderer;
        if (!renderer.load(prep.text)) {
            result.outcome = wellFormedXml(svg) ? Outcome::NotSvg : Outcome::NotXml;
            return result;
        }
        capture(renderer, prep, shapes, layerNames, images);
    }
    result.leftOut = leftOutNotes(prep, images);
    Logger::debug(QStringLiteral("SvgImport: %1 shapes in %2 layers").arg(shapes.size()).arg(layerNames.size()));
    QVector<Outline> outlines = outlinesOf(shapes);
    shapes.clear();
    if (outlines.isEmpty()) {
        result.outcome = Outcome::NothingVisible;
        return result;
    }
    {
        const QSignalBlocker blocker(&doc);
        fill(doc, outlines, layerNames);
        doc.setUsePassermarks(false);
        doc.setSameDistance(true);
        doc.setRight(5);
        doc.setBottom(5);
    }
    doc.notifyChanged();
    return result;
}

} // namespace SvgImport
