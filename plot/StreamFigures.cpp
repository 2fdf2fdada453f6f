#include "plot/StreamFigures.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {
constexpr double UnitsPerMm = 40.0;
}

StreamFigures StreamFigures::measure(const QByteArray& stream)
{
    StreamFigures f;
    const char* p = stream.constData();
    const char* const end = p + stream.size();
    double along = 0, across = 0; // plotter units
    double maxAlong = 0;
    bool penDown = false, relative = false;
    while (p < end) {
        if (*p == '\x1b') { // device-control string, ends with ':'
            const void* stop = std::memchr(p, ':', size_t(end - p));
            p = stop ? static_cast<const char*>(stop) + 1 : end;
            continue;
        }
        const void* semi = std::memchr(p, ';', size_t(end - p));
        const char* const stop = semi ? static_cast<const char*>(semi) : end;
        if (stop - p >= 2) {
            const char a = p[0], b = p[1];
            if (a == 'I' && b == 'N') {
                along = across = 0;
                penDown = relative = false;
            } else if (a == 'P' && (b == 'U' || b == 'D' || b == 'A' || b == 'R')) {
                if (b == 'U')
                    penDown = false;
                else if (b == 'D')
                    penDown = true;
                else
                    relative = b == 'R';
                // Coordinate pairs up to the ";": each one a move.
                // Coordinate pairs up to the ";": each one a move. Numbers
                // are read locale-independently ("1.04e+06").
                const char* q = p + 2;
                while (q < stop) {
                    double y = 0, x = 0;
                    const auto ry = std::from_chars(q, stop, y);
                    if (ry.ec != std::errc() || ry.ptr >= stop || *ry.ptr != ',')
                        break;
                    const auto rx = std::from_chars(ry.ptr + 1, stop, x);
                    if (rx.ec != std::errc())
                        break;
                    q = rx.ptr < stop && *rx.ptr == ',' ? rx.ptr + 1 : stop;
                    const double ty = relative ? along + y : y;
                    const double tx = relative ? across + x : x;
                    const double length = std::hypot(ty - along, tx - across) / UnitsPerMm;
                    (penDown ? f.cutMm : f.travelMm) += length;
                    along = ty;
                    across = tx;
                    if (along > maxAlong)
                        maxAlong = along;
                }
            }
        }
        p = stop + 1;
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
