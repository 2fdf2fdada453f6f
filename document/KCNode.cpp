#include "document/KCNode.h"

#include <cmath>

KCNode::PowerForm KCNode::powerForm() const
{
    PowerForm f;
    f.k1x = 3.0 * (P1X() - P0X());
    f.k2x = 3.0 * (P2X() - P1X()) - f.k1x;
    f.k3x = P3X() - P0X() - f.k1x - f.k2x;
    f.k1y = 3.0 * (P1Y() - P0Y());
    f.k2y = 3.0 * (P2Y() - P1Y()) - f.k1y;
    f.k3y = P3Y() - P0Y() - f.k1y - f.k2y;
    return f;
}

double KCNode::length() const
{
    if (m_cachedLength != -1.0)
        return m_cachedLength;
    const PowerForm f = powerForm();
    double px = P0X();
    double py = P0Y();
    double sum = 0.0;
    for (int j = 0; j < 100; ++j) {
        const double t = j / 100.0;
        const double x = f.k3x * t * t * t + f.k2x * t * t + f.k1x * t + P0X();
        const double y = f.k3y * t * t * t + f.k2y * t * t + f.k1y * t + P0Y();
        sum += std::sqrt((x - px) * (x - px) + (y - py) * (y - py));
        px = x;
        py = y;
    }
    return sum;
}
