#pragma once

// One cubic Bézier segment of a sub-path, in millimetres (y down).
//
// Kept as a plain value rather than a QObject: a large drawing holds millions
// of segments and a QObject each would cost several times the memory and
// load time. The owning KCSubPath stores its nodes by value.
class KCNode
{
public:
    KCNode() = default;
    // A straight segment from (x0, y0) to (x1, y1): handles on its ends.
    static KCNode line(double x0, double y0, double x1, double y1)
    {
        KCNode n;
        n.setP0(x0, y0);
        n.setP1(x0, y0);
        n.setP2(x1, y1);
        n.setP3(x1, y1);
        n.setIsLine(true);
        return n;
    }

    double P0X() const { return m_p[0]; }
    double P0Y() const { return m_p[1]; }
    double P1X() const { return m_p[2]; }
    double P1Y() const { return m_p[3]; }
    double P2X() const { return m_p[4]; }
    double P2Y() const { return m_p[5]; }
    double P3X() const { return m_p[6]; }
    double P3Y() const { return m_p[7]; }
    void setP0X(double v) { m_p[0] = v; }
    void setP0Y(double v) { m_p[1] = v; }
    void setP1X(double v) { m_p[2] = v; }
    void setP1Y(double v) { m_p[3] = v; }
    void setP2X(double v) { m_p[4] = v; }
    void setP2Y(double v) { m_p[5] = v; }
    void setP3X(double v) { m_p[6] = v; }
    void setP3Y(double v) { m_p[7] = v; }
    void setP0(double x, double y) { m_p[0] = x; m_p[1] = y; }
    void setP1(double x, double y) { m_p[2] = x; m_p[3] = y; }
    void setP2(double x, double y) { m_p[4] = x; m_p[5] = y; }
    void setP3(double x, double y) { m_p[6] = x; m_p[7] = y; }

    // Point i (0..3) as x, y; used by code that treats all four points alike.
    double x(int i) const { return m_p[2 * i]; }
    double y(int i) const { return m_p[2 * i + 1]; }
    void setPoint(int i, double x, double y) { m_p[2 * i] = x; m_p[2 * i + 1] = y; }

    // Start point without handles (P1 and P2 equal P0 as the host delivered it).
    bool isCorner() const { return m_isCorner; }
    void setIsCorner(bool v) { m_isCorner = v; }
    // Straight segment: this node and the next one of the sub-path are corners.
    bool isLine() const { return m_isLine; }
    void setIsLine(bool v) { m_isLine = v; }

    // -1 means "not computed"; length() never stores into it.
    double cachedLength() const { return m_cachedLength; }
    void setCachedLength(double v) { m_cachedLength = v; }

    // Arc length approximated by a 100-sample polyline (t = 0 … 0.99), so a
    // straight 10 mm segment measures a little under 10 mm. The cutting head
    // picks its curve step count from this value, so it must stay as it is.
    double length() const;

    // Power-form evaluation shared by length() and the extent refinement:
    // x(t) = k3·t³ + k2·t² + k1·t + P0X.
    struct PowerForm {
        double k1x, k2x, k3x, k1y, k2y, k3y;
    };
    PowerForm powerForm() const;

private:
    double m_p[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    double m_cachedLength = -1.0;
    bool m_isCorner = false;
    bool m_isLine = false;
};
