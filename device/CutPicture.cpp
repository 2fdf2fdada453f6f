#include "device/CutPicture.h"

#include "platform/AtomicFile.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace CutPicture {

namespace {

constexpr double kUnitsPerMm = 40.0;

// Parameters of one instruction: numbers separated by ",". Anything that is
// no finite number ends the list, so a broken instruction moves nothing
// beyond its last good pair.
QVector<double> numbers(const char* p, int length)
{
    QVector<double> values;
    const QList<QByteArray> parts = QByteArray::fromRawData(p, length).split(',');
    for (const QByteArray& part : parts) {
        bool ok = false;
        const double v = part.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v))
            break;
        values.append(v);
    }
    return values;
}

} // namespace

QVector<QLineF> cuts(const QByteArray& stream)
{
    QVector<QLineF> lines;
    const char* p = stream.constData();
    const int n = stream.size();
    QPointF at(0, 0);  // mm; x across, y along the feed
    bool penDown = false;
    bool relative = false;
    int i = 0;
    while (i < n) {
        const char c = p[i];
        if (c == '\x1b') {  // device-control string, ends with ':'
            const char* end = static_cast<const char*>(memchr(p + i, ':', size_t(n - i)));
            i = end ? int(end - p) + 1 : n;
            continue;
        }
        if (c < 'A' || c > 'Z' || i + 1 >= n || p[i + 1] < 'A' || p[i + 1] > 'Z') {
            ++i;
            continue;
        }
        const char a = c;
        const char b = p[i + 1];
        const int start = i + 2;
        const char* end = static_cast<const char*>(memchr(p + start, ';', size_t(n - start)));
        const int stop = end ? int(end - p) : n;
        i = end ? stop + 1 : n;
        if (a == 'I' && b == 'N') {
            at = QPointF(0, 0);
            penDown = false;
            relative = false;
            continue;
        }
        if (a != 'P' || (b != 'U' && b != 'D' && b != 'A' && b != 'R'))
            continue;
        if (b == 'U')
            penDown = false;
        else if (b == 'D')
            penDown = true;
        else
            relative = b == 'R';
        const QVector<double> v = numbers(p + start, stop - start);
        for (int k = 0; k + 1 < v.size(); k += 2) {
            const QPointF step(v[k + 1] / kUnitsPerMm, v[k] / kUnitsPerMm);
            const QPointF to = relative ? at + step : step;
            if (penDown && to != at)
                lines.append(QLineF(at, to));
            at = to;
        }
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
