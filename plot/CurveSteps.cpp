#include "plot/CurveSteps.h"

#include "document/KCNode.h"
#include "plot/CuttingHead.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace CurveSteps {

namespace {

// t = j / 100 exactly as the plain loop divides.
struct Params {
    double t[100];
    Params()
    {
        for (int j = 0; j < 100; ++j)
            t[j] = j / 100.0;
    }
};
const Params& params()
{
    static const Params p;
    return p;
}

} // namespace

double nodeLength(const KCNode& n)
{
    if (n.cachedLength() != -1.0)
        return n.cachedLength();
    const KCNode::PowerForm f = n.powerForm();
    const double* t = params().t;
    const double x0 = n.P0X(), y0 = n.P0Y();
    // Samples 0..99 with the plain loop's expression, k3·t·t·t + k2·t·t +
    // k1·t + P0, evaluated left to right in each lane; then the distances.
    // The sum stays serial, in sample order.
    double d[100];
#if defined(__SSE2__)
    const __m128d k3x = _mm_set1_pd(f.k3x), k2x = _mm_set1_pd(f.k2x), k1x = _mm_set1_pd(f.k1x);
    const __m128d k3y = _mm_set1_pd(f.k3y), k2y = _mm_set1_pd(f.k2y), k1y = _mm_set1_pd(f.k1y);
    const __m128d px0 = _mm_set1_pd(x0), py0 = _mm_set1_pd(y0);
    double xs[101], ys[101];
    xs[0] = x0; // the first previous sample is P0
    ys[0] = y0;
    for (int j = 0; j < 100; j += 2) {
        const __m128d tt = _mm_loadu_pd(t + j);
        __m128d x = _mm_mul_pd(_mm_mul_pd(_mm_mul_pd(k3x, tt), tt), tt);
        x = _mm_add_pd(x, _mm_mul_pd(_mm_mul_pd(k2x, tt), tt));
        x = _mm_add_pd(x, _mm_mul_pd(k1x, tt));
        x = _mm_add_pd(x, px0);
        __m128d y = _mm_mul_pd(_mm_mul_pd(_mm_mul_pd(k3y, tt), tt), tt);
        y = _mm_add_pd(y, _mm_mul_pd(_mm_mul_pd(k2y, tt), tt));
        y = _mm_add_pd(y, _mm_mul_pd(k1y, tt));
        y = _mm_add_pd(y, py0);
        _mm_storeu_pd(xs + 1 + j, x);
        _mm_storeu_pd(ys + 1 + j, y);
    }
    for (int j = 0; j < 100; j += 2) {
        const __m128d dx = _mm_sub_pd(_mm_loadu_pd(xs + 1 + j), _mm_loadu_pd(xs + j));
        const __m128d dy = _mm_sub_pd(_mm_loadu_pd(ys + 1 + j), _mm_loadu_pd(ys + j));
        _mm_storeu_pd(d + j, _mm_sqrt_pd(_mm_add_pd(_mm_mul_pd(dx, dx), _mm_mul_pd(dy, dy))));
    }
#else
    double px = x0, py = y0;
    for (int j = 0; j < 100; ++j) {
        const double tj = t[j];
        const double x = f.k3x * tj * tj * tj + f.k2x * tj * tj + f.k1x * tj + x0;
        const double y = f.k3y * tj * tj * tj + f.k2y * tj * tj + f.k1y * tj + y0;
        d[j] = std::sqrt((x - px) * (x - px) + (y - py) * (y - py));
        px = x;
        py = y;
    }
#endif
    double sum = 0.0;
    for (int j = 0; j < 100; ++j)
        sum += d[j];
    return sum;
}

int forNode(const KCNode& n, double scale)
{
    if (n.cachedLength() == -1.0) {
        // The sampled polyline is inscribed in the curve, which is no longer
        // than its control polygon. With a generous allowance for rounding,
        // a polygon this short can only give the minimum count.
        auto dist = [](double dx, double dy) { return std::sqrt(dx * dx + dy * dy); };
        const double a = dist(n.P1X() - n.P0X(), n.P1Y() - n.P0Y());
        const double b = dist(n.P2X() - n.P1X(), n.P2Y() - n.P1Y());
        const double c = dist(n.P3X() - n.P2X(), n.P3Y() - n.P2Y());
        double magnitude = 1.0;
        for (int i = 0; i < 4; ++i)
            magnitude = std::max({magnitude, std::abs(n.x(i)), std::abs(n.y(i))});
        const double upper = (a + b + c) * (1.0 + 1e-6) + magnitude * 1e-9;
        if (std::isfinite(upper) && scale >= 0 && 2.0 * upper * scale <= 3.0)
            return 3;
    }
    return CuttingHead::curveSteps(nodeLength(n), scale);
}

} // namespace CurveSteps
