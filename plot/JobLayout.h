#pragma once

#include "document/Document.h"

#include <QtGlobal>

#include <cmath>

// How one job lies on the material, derived from the document's settings
// each time it is needed (nothing is cached between runs). Shared by the
// preview, plot data generation and the FCM export so that all three agree.
//
// Frame: x runs across the material (0 … material width), y along it, in
// the feed direction (0 … material height); everything here is millimetres.
class JobLayout
{
public:
    // Copy limit when copies are given as columns × rows.
    static constexpr int NoCopyLimit = 9999999;

    explicit JobLayout(const Document& doc);

    // Weeding-frame margin: GridDistance with a frame, else 0.
    double margin() const { return m_g; }
    // Scale factors (proportional rule applied) and the scaled extent of
    // one copy in the drawing's own orientation.
    double scaleX() const { return m_sx; }
    double scaleY() const { return m_sy; }
    double scaledWidth() const { return m_a; }  // A
    double scaledHeight() const { return m_b; } // B
    bool rotated() const { return m_rotated; }  // Right90 or Left90
    // False when the drawing has no width or height to scale by.
    bool plottable() const { return m_plottable; }

    // Copy grid; copies are placed row by row until the limit is reached.
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    int copyLimit() const { return m_copyLimit; }

    // Footprint of all copies (whole-mm job size, frames and gaps).
    double totalWidth() const { return m_totalWidth; }
    double totalLength() const { return m_totalLength; }

    // Origin of the first copy by Location, before the start offset.
    double originX() const { return m_x0; }
    double originY() const { return m_y0; }
    // True when the job is placed by its registration marks (marks used and
    // found); the first origin is then markOriginX/Y and only the first copy
    // is cut.
    bool usesMarks() const { return m_usesMarks; }
    double markOriginX() const { return m_markX; }
    double markOriginY() const { return m_markY; }
    // The first origin as plot generation moves to it.
    double firstOriginX() const { return m_usesMarks ? m_markX : m_x0; }
    double firstOriginY(double startOffset) const
    {
        return m_usesMarks ? m_markY : m_y0 + startOffset;
    }

    // Offset of copy (column, row) from the first origin.
    double stepX() const { return m_stepX; }
    double stepY() const { return m_stepY; }
    double copyX(int column) const { return column * m_stepX; }
    double copyY(int row) const { return row * m_stepY; }

    // Weeding frame of one copy, cut from the copy position.
    double frameWidth() const { return m_frameW; }
    double frameLength() const { return m_frameL; }

    // Footprint width of one copy: the width a mirrored job is flipped in.
    double copyFootprintWidth() const { return m_rotated ? m_b : m_a; }

    // Segment windows along the material: 1 without segmentation.
    int windowCount() const { return m_windows; }
    struct Window {
        qint64 startMm;  // along, includes Bottom
        qint64 lengthMm; // the last window is 1 mm longer
    };
    Window window(int k) const;

    // True when the row of copies does not fit across the material (a job
    // ending exactly at the edge counts as not fitting). Length is not checked.
    bool exceedsMaterialWidth() const { return m_exceedsWidth; }

private:
    double m_g = 0, m_sx = 1, m_sy = 1, m_a = 0, m_b = 0;
    bool m_rotated = false, m_plottable = false;
    int m_columns = 1, m_rows = 1, m_copyLimit = NoCopyLimit;
    double m_totalWidth = 0, m_totalLength = 0;
    double m_x0 = 0, m_y0 = 0;
    bool m_usesMarks = false;
    double m_markX = 0, m_markY = 0;
    double m_stepX = 0, m_stepY = 0;
    double m_frameW = 0, m_frameL = 0;
    int m_windows = 1;
    int m_segmentHeight = 500, m_bottom = 0;
    bool m_exceedsWidth = false;
};

// Drawing point → head offset from the current job origin: scale, rotation
// (the FCM output turns the other way round) and mirroring. Applied to all
// four points of a segment so curves stay curves.
class HeadTransform
{
public:
    HeadTransform() = default;
    HeadTransform(const Document& doc, const JobLayout& layout);
    HeadTransform(Document::Rotation rotation, bool mirrored, bool fcmOutput, double scaleX,
                  double scaleY, double scaledWidth, double scaledHeight);

    void apply(double x, double y, double& headX, double& headY) const
    {
        switch (m_rotation) {
        case Document::NoRotation:
            headX = m_fcm ? x * m_sx : m_a - x * m_sx;
            headY = m_fcm ? y * m_sy : m_b - y * m_sy;
            break;
        case Document::Right90:
            headX = m_fcm ? m_b - y * m_sy : y * m_sy;
            headY = m_fcm ? x * m_sx : m_a - x * m_sx;
            break;
        case Document::Left90:
            headX = m_fcm ? y * m_sy : m_b - y * m_sy;
            headY = m_fcm ? m_a - x * m_sx : x * m_sx;
            break;
        case Document::HalfRotation:
        default:
            headX = m_fcm ? m_a - x * m_sx : x * m_sx;
            headY = m_fcm ? m_b - y * m_sy : y * m_sy;
            break;
        }
        if (m_mirrored)
            headX = m_w - headX;
    }

    double scaleX() const { return m_sx; }
    double scaleY() const { return m_sy; }

private:
    Document::Rotation m_rotation = Document::NoRotation;
    bool m_mirrored = false, m_fcm = false;
    double m_sx = 1, m_sy = 1, m_a = 0, m_b = 0, m_w = 0;
};

namespace PlotterUnits {
// A pen-move coordinate: mm × 40 truncated toward zero, 0 written as 1,
// limited from above to the last unit inside the material; no lower limit.
inline double penCoordinate(double mm, double materialMm)
{
    double u = mm * 40.0;
    // Truncation by integer conversion where it is exact (and much cheaper
    // than a library call); -0 and +0 both become 1 below.
    u = std::fabs(u) < 4.5e15 ? double(qint64(u)) : std::trunc(u);
    if (u == 0)
        u = 1;
    const double limit = materialMm * 40.0 - 1.0;
    return limit < u ? limit : u;
}
} // namespace PlotterUnits
