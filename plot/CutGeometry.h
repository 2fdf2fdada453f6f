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

// A run: `count` points of the piece's point list from `first`.
struct Segment {
    SegmentType type = PolylineRun;
    int first = 0;
    int count = 0;
};

// A pen-down run: its start point and `segmentCount` runs of the piece's
// segment list from `firstSegment`.
struct Path {
    Point start;
    int firstSegment = 0;
    int segmentCount = 0;
};

// Paths, runs and points of one piece in three flat lists, filled in cut
// order: a long job costs three growing arrays, not an allocation per path.
struct Piece {
    QVector<Path> paths;
    QVector<Segment> segments;
    QVector<Point> points;

    const Segment& segment(const Path& path, int k) const
    {
        return segments[path.firstSegment + k];
    }
    const Point& point(const Segment& run, int k) const { return points[run.first + k]; }

    // A new path at `start`; a last path without runs is reused.
    void startPath(Point start)
    {
        if (paths.isEmpty() || paths.last().segmentCount > 0)
            paths.append(Path{start, segments.size(), 0});
        paths.last().start = start;
    }
    // Removes the last path when it has no runs.
    void dropEmptyPath()
    {
        if (!paths.isEmpty() && paths.last().segmentCount == 0)
            paths.removeLast();
    }
    // Appends a point to the last path, in a new run when the last run is
    // of the other type (or there is none).
    void addPoint(SegmentType type, Point p)
    {
        if (paths.isEmpty())
            startPath(Point{});
        Path& path = paths.last();
        if (path.segmentCount == 0 || segments.last().type != type) {
            segments.append(Segment{type, points.size(), 0});
            ++path.segmentCount;
        }
        ++segments.last().count;
        points.append(p);
    }
};

using Object = QVector<Piece>;
using Record = QVector<Object>;

} // namespace CutGeometry
