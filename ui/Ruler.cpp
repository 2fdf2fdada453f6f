#include "ui/Ruler.h"

#include <QPainter>

#include <cmath>

Ruler::Ruler(QWidget* parent) : QWidget(parent) {}

void Ruler::setScale(double pixelsPerMm)
{
    m_scale = pixelsPerMm;
    update();
}

void Ruler::setMirrored(bool mirrored)
{
    if (m_mirrored == mirrored)
        return;
    m_mirrored = mirrored;
    update();
}

void Ruler::setOrigin(int pixels)
{
    m_origin = pixels;
    update();
}

void Ruler::setMouseMarker(int pixels)
{
    m_marker = pixels;
    update();
}

QList<int> Ruler::markSpacings() const
{
    QList<int> spacings;
    if (m_scale > 3)
        spacings << 1;
    if (m_scale > 0.3)
        spacings << 10;
    if (m_scale > 0.03)
        spacings << 100;
    return spacings;
}

int Ruler::labelSpacing() const
{
    if (m_scale >= 5)
        return 10;
    return m_scale >= 0.5 ? 100 : 1000;
}

void Ruler::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    const bool horizontal = isHorizontal();
    const int length = horizontal ? width() : height();
    const int t = horizontal ? height() : width();
    QFont font = p.font();
    font.setWeight(QFont::Light);
    font.setPixelSize(std::max(1, int(std::lround(0.3 * t))));
    p.setFont(font);
    if (m_scale <= 0)
        return;

    const double zero = length - 1 + m_origin;
    // Along-position a, across-range c0..c1 (fractions of the thickness).
    auto tick = [&](double a, double c0, double c1) {
        if (horizontal)
            p.drawLine(QPointF(a, c0 * t), QPointF(a, c1 * t));
        else
            p.drawLine(QPointF(c0 * t, a), QPointF(c1 * t, a));
    };
    // Marks from the zero mark towards both ends; mm k lies at zero − k·scale.
    const double kFirst = std::floor((zero - length) / m_scale);
    const double kLast = std::ceil(zero / m_scale);
    static const double inner[] = {0.1, 0.3, 0.4};
    for (int spacing : markSpacings()) {
        const double in = inner[spacing == 1 ? 0 : spacing == 10 ? 1 : 2];
        for (double k = std::floor(kFirst / spacing) * spacing; k <= kLast; k += spacing) {
            const double a = zero - k * m_scale;
            tick(a, 0, in);
            tick(a, 1 - in, 1);
        }
    }

    // A label names the mark on the far side of its cell from the zero mark.
    const int n = labelSpacing();
    for (double k = std::floor(kFirst / n) * n; k <= kLast + n; k += n) {
        if (k == 0)
            continue;
        const double a = zero - k * m_scale;
        const double towardsZero = zero - (k > 0 ? k - n : k + n) * m_scale;
        const double lo = std::min(a, towardsZero), hi = std::max(a, towardsZero);
        const QRectF cell = horizontal ? QRectF(lo, 0, hi - lo, t) : QRectF(0, lo, t, hi - lo);
        const QString text = QStringLiteral("%1").arg(m_mirrored ? -k : k);
        p.drawText(cell, Qt::AlignCenter, text);
    }

    if (m_marker >= 0)
        tick(m_marker, 0, 1);
}
