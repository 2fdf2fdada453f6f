#include "ui/JobImage.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "plot/JobLayout.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

bool objectIsCut(const Document& doc, const KCLayer* layer, const KCObject* o)
{
    if (doc.selection2() == Document::AISelectedObjects && !o->isSelected())
        return false;
    if (doc.selection() == Document::LayerSelection)
        return layer->cutEnabled();
    if (doc.selection() == Document::ColorSelection) {
        for (const KCObjectColor* c : doc.colors())
            if (c->color() == o->color())
                return c->cutEnabled();
        return false;
    }
    return false;
}

// One copy of the drawing, sized to the job (1 pixel per mm) and turned as
// the FCM output turns it.
QImage copyPicture(const Document& doc, const JobLayout& layout, bool imageMode)
{
    const bool rotated = layout.rotated();
    int w = int(std::lround(rotated ? doc.jobHeight() : doc.jobWidth()));
    int h = int(std::lround(rotated ? doc.jobWidth() : doc.jobHeight()));
    QImage picture(std::max(w, 1), std::max(h, 1), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    if (w < 1 || h < 1 || doc.drawingWidth() <= 0 || doc.drawingHeight() <= 0)
        return picture;
    // The unscaled drawing fills the picture.
    const double sx = (rotated ? h : w) / doc.drawingWidth();
    const double sy = (rotated ? w : h) / doc.drawingHeight();
    const HeadTransform turn(doc.rotation(), doc.mirrored(), true, sx, sy, doc.drawingWidth() * sx,
                             doc.drawingHeight() * sy);
    const auto at = [&](double x, double y) {
        double px, py;
        turn.apply(x, y, px, py);
        return QPointF(px, py);
    };
    QPainter painter(&picture);
    for (const KCLayer* layer : doc.layers()) {
        if (layer->name() == Document::MarksLayerName)
            continue;
        for (const KCObject* o : layer->objects()) {
            if (!objectIsCut(doc, layer, o))
                continue;
            QColor colour = imageMode ? QColor(Qt::black) : o->color();
            if (colour.red() > 230 && colour.green() > 230 && colour.blue() > 230)
                colour = QColor(200, 200, 200); // stays visible on white
            painter.setPen(QPen(colour, 1));
            for (const KCSubPath& sub : o->subPaths()) {
                if (sub.nodes().isEmpty())
                    continue;
                QPainterPath path(at(sub.nodes().first().x(0), sub.nodes().first().y(0)));
                for (const KCNode& n : sub.nodes()) {
                    if (n.isLine()) {
                        path.lineTo(at(n.x(3), n.y(3)));
                        continue;
                    }
                    // Polyline of equal parameter steps, about one per 2 pixels.
                    double length = 0;
                    for (int i = 0; i < 3; ++i)
                        length += std::hypot((n.x(i + 1) - n.x(i)) * sx, (n.y(i + 1) - n.y(i)) * sy);
                    const int steps = std::clamp(int(std::ceil(length / 2)), 5, 500);
                    for (int k = 1; k <= steps; ++k) {
                        const double t = double(k) / steps, u = 1 - t;
                        const double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t,
                                     b3 = t * t * t;
                        path.lineTo(at(b0 * n.x(0) + b1 * n.x(1) + b2 * n.x(2) + b3 * n.x(3),
                                       b0 * n.y(0) + b1 * n.y(1) + b2 * n.y(2) + b3 * n.y(3)));
                    }
                }
                painter.drawPath(path);
            }
        }
    }
    return picture;
}

// The copies in the rectangle (0, 0, w, h), from its top-left corner.
void drawCopies(QPainter& painter, const Document& doc, const QImage& copy, bool imageMode)
{
    const JobLayout layout(doc);
    const int g = doc.grid() ? doc.gridDistance() : 0;
    const int jobW = layout.rotated() ? doc.jobHeight() : doc.jobWidth();
    const int columns = layout.columns(), rows = layout.rows();
    const int free = doc.materialWidth() - columns * (jobW + 2 * g)
        - (columns - 1) * doc.horzDistance();
    int start = 0;
    if (doc.location() == Document::BottomLeft)
        start = free;
    else if (doc.location() == Document::HorizontalCentered)
        start = int(std::lround(free * 0.5));
    int placed = 0;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns && placed < layout.copyLimit(); ++i, ++placed) {
            const int left = start + i * (copy.width() + 2 * g + doc.horzDistance()) + doc.right();
            const int top = j * (copy.height() + 2 * g + doc.vertDistance()) + doc.bottom();
            const QRect cell(left, top, copy.width() + 2 * g, copy.height() + 2 * g);
            if (!imageMode) {
                painter.setPen(QPen(Qt::black, 1, doc.grid() ? Qt::SolidLine : Qt::DotLine));
                painter.drawRect(cell);
                painter.setPen(QPen(Qt::black, 1));
            }
            painter.drawImage(QPoint(left + g, top + g), copy);
        }
}

} // namespace

namespace JobImage {

bool tallFor(const Document& doc) { return doc.materialHeight() > 300; }

QImage render(const Document& doc, bool tall)
{
    const int mw = std::max(doc.materialWidth(), 1), mh = std::max(doc.materialHeight(), 1);
    QImage source(mw, mh, QImage::Format_RGB32);
    source.fill(Qt::white);
    if (!doc.layers().isEmpty()) {
        const JobLayout layout(doc);
        const QImage copy = copyPicture(doc, layout, tall);
        QPainter painter(&source);
        drawCopies(painter, doc, copy, tall);
    }

    // Fold the material picture into the thumbnail: every pixel that is not
    // white marks its target pixel with index 0.
    QImage thumb(tall ? 73 : 98, tall ? 122 : 100, QImage::Format_Mono);
    thumb.fill(Qt::black);
    const int scanW = tall ? mw - 6 : mw, scanH = tall ? mh - 12 : mh;
    for (int y = 0; y < scanH; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < scanW; ++x) {
            const QRgb c = line[x];
            if (qRed(c) > 254 && qGreen(c) > 254 && qBlue(c) > 254)
                continue;
            const int tx = tall ? int(std::lround(double(x) / mw * 58)) + 15
                                : int(std::lround(double(x) / mw * 80)) + 4;
            const int ty = tall ? int(std::lround(double(y) / mh * 116)) + 6
                                : int(std::lround(double(y) / mh * 80)) + 6;
            if (thumb.valid(tx, ty))
                thumb.setPixel(tx, ty, 0);
        }
    }
    return thumb;
}

} // namespace JobImage
