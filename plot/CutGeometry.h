#pragma once

#include <QVector>

// What a cutting head cut with the pen down, in millimetres (head frame,
// origins included), for the FCM export: objects hold pieces, pieces hold
// paths, a path is a start point and a list of runs.
namespace CutGeometry {

enum SegmentType {
    CurveRun = 0,    // three points per cubic: control 1, control 2, end
    PolylineRun = 1, // points joined by straight cuts
};

struct Point {
    double x = 0, y = 0;
};

struct Segment {
    SegmentType type = PolylineRun;
    QVector<Point> points;
};

struct Path {
    Point start;
    QVector<Segment> segments;
};

using Piece = QVector<Path>;
using Object = QVector<Piece>;
using Record = QVector<Object>;

} // namespace CutGeometry
