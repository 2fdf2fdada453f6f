#include "document/PathCapture.h"

#include <QPaintEngine>
#include <QPen>

#include <climits>

class PathCaptureEngine : public QPaintEngine
{
public:
    explicit PathCaptureEngine(PathCapture::Sink sink)
        : QPaintEngine(QPaintEngine::AllFeatures), m_sink(std::move(sink))
    {
    }

    int images = 0;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform)
            m_transform = state.transform();
        if (dirty & DirtyPen)
            m_pen = state.pen();
        if (dirty & DirtyBrush)
            m_brush = state.brush();
    }

    void drawPath(const QPainterPath& path) override
    {
        const bool filled = m_brush.style() != Qt::NoBrush;
        const bool stroked = m_pen.style() != Qt::NoPen;
        if ((!filled && !stroked) || path.isEmpty())
            return;
        // The SVG renderer paints fill and stroke of one shape as two calls.
        if (!filled && m_lastFill == path && m_lastFillTransform == m_transform) {
            m_lastFill = QPainterPath();
            return;
        }
        m_lastFill = filled && !stroked ? path : QPainterPath();
        m_lastFillTransform = m_transform;
        m_sink(path, m_transform, filled ? colorOf(m_brush) : colorOf(m_pen.brush()));
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (count < 2)
            return;
        QPainterPath path(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        if (mode != PolylineMode)
            path.closeSubpath();
        drawPath(path);
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override
    {
        QVector<QPointF> f(count);
        for (int i = 0; i < count; ++i)
            f[i] = points[i];
        drawPolygon(f.constData(), count, mode);
    }

    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPainterPath path(lines[i].p1());
            path.lineTo(lines[i].p2());
            drawPath(path);
        }
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPainterPath path;
            path.addRect(rects[i]);
            drawPath(path);
        }
    }
    void drawEllipse(const QRectF& rect) override
    {
        QPainterPath path;
        path.addEllipse(rect);
        drawPath(path);
    }
    void drawPoints(const QPointF*, int) override {}

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++images; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { ++images; }
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override { ++images; }

private:
    // Gradients count by their first stop: the colour a user sees first.
    static QColor colorOf(const QBrush& brush)
    {
        if (const QGradient* g = brush.gradient())
            if (!g->stops().isEmpty())
                return g->stops().first().second;
        return brush.color();
    }

    PathCapture::Sink m_sink;
    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
    QPainterPath m_lastFill;
    QTransform m_lastFillTransform;
};

PathCapture::PathCapture(Sink sink) : m_engine(std::make_unique<PathCaptureEngine>(std::move(sink))) {}

PathCapture::~PathCapture() = default;

QPaintEngine* PathCapture::paintEngine() const { return m_engine.get(); }

int PathCapture::imageCount() const { return m_engine->images; }

int PathCapture::metric(PaintDeviceMetric metric) const
{
    // A large page at 96 dpi; only the text layout asks, never for pixels.
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
        return 100000;
    case PdmWidthMM:
    case PdmHeightMM:
        return int(100000 * 25.4 / 96);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}
