#pragma once

#include <QRectF>
#include <QString>
#include <QTransform>

// Where an SVG's user units land on paper: the root element's width and
// height with their units, its viewBox and preserveAspectRatio. The result
// maps user units to millimetres, y pointing down as in SVG.
struct SvgViewport {
    // The root element's attributes as written (empty when missing).
    QString width, height, viewBox, preserveAspectRatio;
    // Inkscape before 0.92 drew at 90 px per inch; everything else at 96.
    bool legacy90Dpi = false;

    // Millimetres per CSS px.
    double mmPerPx() const { return 25.4 / (legacy90Dpi ? 90.0 : 96.0); }
    // A length with its unit ("210mm", "8.5in", "12pt", "300" = px) in mm;
    // false for a missing, unreadable or relative ("%", "em") length.
    bool lengthToMm(const QString& text, double* mm) const;
    // The viewBox as x, y, w, h; false when missing or w/h not positive.
    bool viewBoxRect(QRectF* box) const;
    // User units → mm. Without a viewBox a user unit is one px; without
    // width/height the viewBox's own size counts in px.
    QTransform userToMm() const;
};
