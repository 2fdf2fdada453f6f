#include "plot/JobLayout.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Whole number to int, held to the int range (NaN gives 0).
int saturatedInt(double v)
{
    if (!(v == v))
        return 0;
    return int(std::max(double(INT_MIN), std::min(v, double(INT_MAX))));
}

} // namespace

JobLayout::JobLayout(const Document& doc)
{
    m_g = doc.grid() ? double(doc.gridDistance()) : 0.0;
    m_rotated = doc.rotation() == Document::Right90 || doc.rotation() == Document::Left90;

    // Scale. A drawing without width or height cannot be scaled along that
    // axis; the other axis's factor stands in so no NaN reaches a command.
    const int nw = doc.naturalWidth(), nh = doc.naturalHeight();
    m_plottable = nw > 0 && nh > 0;
    double sx = nw > 0 ? double(doc.jobWidth()) / nw : 0.0;
    double sy = nh > 0 ? double(doc.jobHeight()) / nh : 0.0;
    if (nw <= 0)
        sx = nh > 0 ? sy : 1.0;
    if (nh <= 0)
        sy = nw > 0 ? sx : 1.0;
    if (doc.proportional())
        sx = sy = std::min(sx, sy);
    m_sx = sx;
    m_sy = sy;
    m_a = doc.drawingWidth() * sx;
    m_b = doc.drawingHeight() * sy;

    // Copy grid. The automatic fit always uses the job width, even for a
    // rotated job. Sums of settings are taken in double: a job file or a
    // caller may hand over any int, and none of them may overflow.
    if (doc.autoPlacement()) {
        double available = double(doc.materialWidth()) - doc.jobWidth();
        if (doc.location() == Document::Manually)
            available -= doc.right();
        const double pitch = double(doc.jobWidth()) + doc.horzDistance() + 2.0 * m_g;
        const double fit = pitch > 0 ? std::floor(available / pitch) + 1 : 1;
        const int columns = saturatedInt(std::max(fit, 1.0));
        m_rows = saturatedInt(double(doc.copiesCount() / columns) + 1);
        m_columns = std::min(columns, doc.copiesCount());
        m_copyLimit = doc.copiesCount();
    } else {
        m_columns = doc.copiesHorz();
        m_rows = doc.copiesVert();
        m_copyLimit = NoCopyLimit;
    }

    // Footprint, from the whole-mm job size.
    const double w = m_rotated ? doc.jobHeight() : doc.jobWidth();
    const double h = m_rotated ? doc.jobWidth() : doc.jobHeight();
    m_totalWidth = m_columns * (w + 2.0 * m_g) + (m_columns - 1.0) * doc.horzDistance();
    m_totalLength = m_rows * (h + 2.0 * m_g) + (m_rows - 1.0) * doc.vertDistance();
    m_exceedsWidth = m_totalWidth + doc.right() >= doc.materialWidth();

    switch (doc.location()) {
    case Document::BottomRight:
        m_x0 = 0;
        m_y0 = 0;
        break;
    case Document::BottomLeft:
        m_x0 = doc.materialWidth() - m_totalWidth;
        m_y0 = 0;
        break;
    case Document::HorizontalCentered:
        m_x0 = (doc.materialWidth() - m_totalWidth) * 0.5;
        m_y0 = doc.bottom();
        break;
    case Document::Manually:
    default:
        m_x0 = doc.right();
        m_y0 = doc.bottom();
        break;
    }

    m_usesMarks = doc.usePassermarks() && doc.marksFound();
    // The across value is summed in single precision, as the marks reader
    // of the device expects it.
    m_markX = double(float(doc.passerThickness() * 0.5) + float(doc.passerXCorrection()));
    m_markY = doc.passerOffsetY() + doc.passerYCorrection();

    // Steps use the exact scaled extent, the footprint the whole-mm size.
    if (m_rotated) {
        m_stepX = doc.horzDistance() + m_b + 2.0 * m_g;
        m_stepY = doc.vertDistance() + m_a + 2.0 * m_g;
        m_frameW = m_b + 2.0 * m_g;
        m_frameL = m_a + 2.0 * m_g;
    } else {
        m_stepX = doc.horzDistance() + m_a + 2.0 * m_g;
        m_stepY = doc.vertDistance() + m_b + 2.0 * m_g;
        m_frameW = m_a + 2.0 * m_g;
        m_frameL = m_b + 2.0 * m_g;
    }

    m_segmentHeight = doc.segmentHeight();
    m_bottom = doc.bottom();
    m_windows = 1;
    if (doc.segmentation() && m_segmentHeight > 0) {
        const double n = std::floor(m_totalLength / m_segmentHeight) + 1;
        m_windows = n >= 1 ? int(std::min(n, 1e9)) : 1;
    }
}

JobLayout::Window JobLayout::window(int k) const
{
    Window w;
    w.startMm = qint64(k) * m_segmentHeight + m_bottom;
    w.lengthMm = qint64(m_segmentHeight) + (k == m_windows - 1 ? 1 : 0);
    return w;
}

HeadTransform::HeadTransform(const Document& doc, const JobLayout& layout)
    : HeadTransform(doc.rotation(), doc.mirrored(), doc.fcmOutput(), layout.scaleX(),
                    layout.scaleY(), layout.scaledWidth(), layout.scaledHeight())
{
}

HeadTransform::HeadTransform(Document::Rotation rotation, bool mirrored, bool fcmOutput,
                             double scaleX, double scaleY, double scaledWidth, double scaledHeight)
    : m_rotation(rotation), m_mirrored(mirrored), m_fcm(fcmOutput), m_sx(scaleX), m_sy(scaleY),
      m_a(scaledWidth), m_b(scaledHeight)
{
    const bool rotated = rotation == Document::Right90 || rotation == Document::Left90;
    m_w = rotated ? scaledHeight : scaledWidth;
}
