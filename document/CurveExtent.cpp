#include "document/CurveExtent.h"

#include "document/KCNode.h"

#include <algorithm>
#include <cmath>

namespace CurveExtent {

namespace {

// One coordinate of a segment in power form: k3·t³ + k2·t² + k1·t + c0.
struct Axis {
    double c0, k1, k2, k3;
};

// Sample j (0…1000), exactly as the rule computes it.
inline double sample(const Axis& a, int j)
{
    if (j == 0)
        return a.c0;
    const double t = j / 1000.0;
    return a.k3 * t * t * t + a.k2 * t * t + a.k1 * t + a.c0;
}

void sampleRange(const Axis& a, int jlo, int jhi, double& lo, double& hi, bool upper)
{
    double p = sample(a, jlo);
    for (int j = jlo + 1; j <= jhi; ++j) {
        const double s = sample(a, j);
        if (s < lo)
            lo = p;
        if (upper && s > hi)
            hi = s + (s - p);
        p = s;
    }
}

// Encloses the axis over t in [t0, t1], t0 ≥ 0, by interval Horner.
void enclose(const Axis& a, double t0, double t1, double& lo, double& hi)
{
    auto mul = [t0, t1](double& l, double& h) {
        const double p = l * t0, q = l * t1, r = h * t0, s = h * t1;
        l = std::min(std::min(p, q), std::min(r, s));
        h = std::max(std::max(p, q), std::max(r, s));
    };
    lo = hi = a.k3;
    mul(lo, hi);
    lo += a.k2;
    hi += a.k2;
    mul(lo, hi);
    lo += a.k1;
    hi += a.k1;
    mul(lo, hi);
    lo += a.c0;
    hi += a.c0;
}

// Samples (jlo, jhi] where a bound can move. A range whose enclosure lies
// inside the bounds by a margin far above the rounding error of a sample
// holds no sample that moves them; the rest is split down to short runs that
// are sampled in order, so the bounds change exactly as the plain loop has
// them change.
void refineRange(const Axis& a, double margin, int jlo, int jhi, double& lo, double& hi, bool upper)
{
    double el, eh;
    enclose(a, jlo / 1000.0, jhi / 1000.0, el, eh);
    if (el - margin > lo && (!upper || eh + margin < hi))
        return;
    if (jhi - jlo <= 16) {
        sampleRange(a, jlo, jhi, lo, hi, upper);
        return;
    }
    const int mid = (jlo + jhi) / 2;
    refineRange(a, margin, jlo, mid, lo, hi, upper);
    refineRange(a, margin, mid, jhi, lo, hi, upper);
}

void refineAxis(const Axis& a, double& lo, double& hi, bool upper)
{
    if (a.k1 == 0 && a.k2 == 0 && a.k3 == 0) {
        // Every sample is c0 (+0 for -0): once the first is taken, none
        // after it is below or above a bound.
        sampleRange(a, 0, 1, lo, hi, upper);
        return;
    }
    const double scale = 1.0 + std::abs(a.c0) + std::abs(a.k1) + std::abs(a.k2) + std::abs(a.k3);
    if (!std::isfinite(scale)) { // let every sample decide, as the rule does
        sampleRange(a, 0, 1000, lo, hi, upper);
        return;
    }
    refineRange(a, scale * 1e-9, 0, 1000, lo, hi, upper);
}

void axes(const KCNode& n, Axis& x, Axis& y)
{
    const KCNode::PowerForm f = n.powerForm();
    x = Axis{n.P0X(), f.k1x, f.k2x, f.k3x};
    y = Axis{n.P0Y(), f.k1y, f.k2y, f.k3y};
}

} // namespace

void widenPlain(const KCNode& node, Bounds& b)
{
    Axis x, y;
    axes(node, x, y);
    double px = x.c0, py = y.c0;
    for (int j = 1; j <= 1000; ++j) {
        const double sx = sample(x, j), sy = sample(y, j);
        if (sx < b.left)
            b.left = px;
        if (sx > b.right)
            b.right = sx + (sx - px);
        if (sy < b.top)
            b.top = py;
        if (sy > b.bottom)
            b.bottom = sy + (sy - py);
        px = sx;
        py = sy;
    }
}

void widen(const KCNode& node, Bounds& b, bool upper)
{
    Axis x, y;
    axes(node, x, y);
    refineAxis(x, b.left, b.right, upper);
    refineAxis(y, b.top, b.bottom, upper);
}

} // namespace CurveExtent
