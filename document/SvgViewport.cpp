#include "document/SvgViewport.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

bool SvgViewport::lengthToMm(const QString& text, double* mm) const
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)\\s*([a-zA-Z%]*)\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    const double value = m.captured(1).toDouble();
    const QString unit = m.captured(2).toLower();
    double factor = 0;
    if (unit.isEmpty() || unit == QLatin1String("px"))
        factor = mmPerPx();
    else if (unit == QLatin1String("mm"))
        factor = 1.0;
    else if (unit == QLatin1String("cm"))
        factor = 10.0;
    else if (unit == QLatin1String("in"))
        factor = 25.4;
    else if (unit == QLatin1String("pt"))
        factor = 25.4 / 72.0;
    else if (unit == QLatin1String("pc"))
        factor = 25.4 / 6.0;
    else
        return false; // "%", "em", "ex": no size of their own on paper
    if (!(value > 0))
        return false;
    *mm = value * factor;
    return true;
}

bool SvgViewport::viewBoxRect(QRectF* box) const
{
    const QStringList parts =
        viewBox.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return false;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toDouble(&ok);
        if (!ok)
            return false;
    }
    if (!(v[2] > 0 && v[3] > 0))
        return false;
    *box = QRectF(v[0], v[1], v[2], v[3]);
    return true;
}

QTransform SvgViewport::userToMm() const
{
    QRectF box;
    const bool hasBox = viewBoxRect(&box);
    double w = 0, h = 0;
    bool hasW = lengthToMm(width, &w), hasH = lengthToMm(height, &h);
    if (!hasBox)
        return QTransform::fromScale(mmPerPx(), mmPerPx());
    // A percentage has no window to refer to; as Inkscape does, it counts
    // against the viewBox in px.
    auto percent = [&](const QString& text, double boxSide, double* mm) {
        const QString t = text.trimmed();
        if (!t.endsWith(QLatin1Char('%')))
            return false;
        bool ok = false;
        const double p = t.chopped(1).toDouble(&ok);
        *mm = p / 100.0 * boxSide * mmPerPx();
        return ok && p > 0;
    };
    if (!hasW)
        hasW = percent(width, box.width(), &w);
    if (!hasH)
        hasH = percent(height, box.height(), &h);
    // A missing side follows the viewBox's proportions.
    if (!hasW && !hasH) {
        w = box.width() * mmPerPx();
        h = box.height() * mmPerPx();
    } else if (!hasW) {
        w = h * box.width() / box.height();
    } else if (!hasH) {
        h = w * box.height() / box.width();
    }

    double sx = w / box.width(), sy = h / box.height();
    double alignX = 0.5, alignY = 0.5;
    const QStringList par = preserveAspectRatio.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString align = par.value(0) == QLatin1String("defer") ? par.value(1) : par.value(0);
    const QString meetOrSlice = par.value(par.value(0) == QLatin1String("defer") ? 2 : 1);
    if (align != QLatin1String("none")) {
        const double s = meetOrSlice == QLatin1String("slice") ? std::max(sx, sy) : std::min(sx, sy);
        sx = sy = s;
        if (align.size() == 8) { // "xMinYMax" and the like
            const QString ax = align.mid(1, 3), ay = align.mid(5, 3);
            alignX = ax == QLatin1String("Min") ? 0.0 : ax == QLatin1String("Max") ? 1.0 : 0.5;
            alignY = ay == QLatin1String("Min") ? 0.0 : ay == QLatin1String("Max") ? 1.0 : 0.5;
        }
    }
    const double tx = (w - box.width() * sx) * alignX - box.x() * sx;
    const double ty = (h - box.height() * sy) * alignY - box.y() * sy;
    return QTransform(sx, 0, 0, sy, tx, ty);
}
