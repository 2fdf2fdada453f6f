#include "plot/StreamFigures.h"

#include "plot/StreamWalk.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double UnitsPerMm = 40.0;
}

StreamFigures StreamFigures::measure(const QByteArray& stream)
{
    StreamFigures f;
    double maxAlong = 0; // plotter units
    StreamWalk walk(stream);
    StreamWalk::Move m;
    while (walk.next(m)) {
        const double length = std::hypot(m.toAlong - m.fromAlong, m.toAcross - m.fromAcross);
        (m.penDown ? f.cutMm : f.travelMm) += length / UnitsPerMm;
        maxAlong = std::max(maxAlong, m.toAlong);
    }
    f.materialMm = maxAlong / UnitsPerMm;
    return f;
}

double StreamFigures::seconds(int speedCmPerS) const
{
    if (speedCmPerS <= 0)
        return 0;
    return (cutMm + travelMm) / (speedCmPerS * 10.0);
}
