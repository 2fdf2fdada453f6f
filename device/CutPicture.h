#pragma once

#include <QByteArray>
#include <QImage>
#include <QLineF>
#include <QString>
#include <QVector>

// A picture of what a plotter stream cuts: its pen-down moves (as StreamWalk
// reads them) drawn to scale, for looking at what the virtual plotter
// received.
namespace CutPicture {

// The pen-down moves in millimetres. Stream coordinates are 1/40 mm with the
// value along the feed first; here x is across the material and y along it.
QVector<QLineF> cuts(const QByteArray& stream);

// Black cuts on white, as the cut lies on the material seen from the front
// of the plotter: x grows to the left from the origin edge, y (the feed)
// grows upwards; the material's origin (0,0) is always inside the picture,
// `margin` pixels round it. A margin of 16 pixels or more carries a blue
// arrow pointing in the feed direction. A picture that would exceed maxSide
// pixels is drawn at a smaller scale.
QImage render(const QByteArray& stream, double pixelsPerMm = 4.0, int margin = 24,
              int maxSide = 8000);

// PNG, replacing `path` through AtomicFile.
bool save(const QImage& image, const QString& path);

} // namespace CutPicture
