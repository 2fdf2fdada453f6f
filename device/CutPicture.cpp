#include "device/CutPicture.h"

#include "platform/AtomicFile.h"
#include "plot/StreamWalk.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace CutPicture {

QVector<QLineF> cuts(const QByteArray& stream)
{
    constexpr double kUnitsPerMm = 40.0;
    QVector<QLineF> lines;
    StreamWalk walk(stream);
    StreamWalk::Move m;
    while (walk.next(m)) {
        if (m.penDown)
            lines.append(QLineF(m.fromAcross / kUnitsPerMm, m.fromAlong / kUnitsPerMm,
                                m.toAcross / kUnitsPerMm, m.toAlong / kUnitsPerMm));
    }
    return lines;
}

QImage render(const QByteArray& stream, double pixelsPerMm, int margin, int maxSide)
{
    const QVector<QLineF> lines = cuts(stream);
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (const QLineF& l : lines) {
        minX = std::min({minX, l.x1(), l.x2()});
        maxX = std::max({maxX, l.x1(), l.x2()});
        minY = std::min({minY, l.y1(), l.y2()});
        maxY = std::max({maxY, l.y1(), l.y2()});
    }
    margin = std::max(0, margin);
    const double room = std::max(1, maxSide - 2 * margin - 1);
    double scale = pixelsPerMm > 0 ? pixelsPerMm : 1.0;
    const double spread = std::max(maxX - minX, maxY - minY);
    if (spread * scale > room)
        scale = room / spread;
    const int width = int(std::ceil((maxX - minX) * scale)) + 2 * margin + 1;
    const int height = int(std::ceil((maxY - minY) * scale)) + 2 * margin + 1;

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    // Seen from the front of the plotter: the origin edge (x = 0) on the
    // right, the front edge (y = 0) at the bottom, the feed going up.
    const auto toPixel = [&](const QPointF& mm) {
        return QPointF(margin + (maxX - mm.x()) * scale, margin + (maxY - mm.y()) * scale);
    };
    for (const QLineF& l : lines)
        painter.drawLine(QLineF(toPixel(l.p1()), toPixel(l.p2())));
    if (margin >= 16) {
        // The feed direction, as an arrow in the left margin.
        painter.setPen(QPen(Qt::blue, 0));
        const double x = margin * 0.5;
        const double bottom = height - margin, top = std::max(double(margin), bottom - 40.0);
        painter.drawLine(QLineF(x, bottom, x, top));
        painter.drawLine(QLineF(x, top, x - 4, top + 6));
        painter.drawLine(QLineF(x, top, x + 4, top + 6));
    }
    painter.end();
    return image;
}

bool save(const QImage& image, const QString& path)
{
    AtomicFile file(path);
    return file.open() && image.save(&file, "PNG") && file.commit();
}

} // namespace CutPicture
