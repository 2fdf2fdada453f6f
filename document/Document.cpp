#include "document/Document.h"

#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

#include <QHash>

#include <algorithm>
#include <cmath>

const QString Document::MarksLayerName = QStringLiteral("KC-PassermarkenEbene");

Document::Document(QObject* parent) : QObject(parent), m_materialUid(QUuid::createUuid()) {}

Document::~Document() = default;

void Document::clear()
{
    qDeleteAll(m_layers);
    m_layers.clear();
    qDeleteAll(m_colors);
    m_colors.clear();
}

KCLayer* Document::appendLayer()
{
    auto* l = new KCLayer(this);
    m_layers.append(l);
    return l;
}

KCObjectColor* Document::appendColor()
{
    auto* c = new KCObjectColor(this);
    m_colors.append(c);
    return c;
}

KCObjectColor* Document::colorByUid(const QUuid& uid) const
{
    for (int i = m_colors.size() - 1; i >= 0; --i)
        if (m_colors[i]->uid() == uid)
            return m_colors[i];
    return nullptr;
}

int Document::nodeCount() const
{
    int n = 0;
    for (const KCLayer* l : m_layers)
        for (const KCObject* o : l->objects())
            for (const KCSubPath& s : o->subPaths())
                n += s.nodes().size();
    return n;
}

void Document::applyExchangeImportDefaults()
{
    m_sameDistance = true;
    m_right = 5;
    m_bottom = 5;
    m_usePassermarks = m_marksFound;
}

// ---------------------------------------------------------------------------
// Extent

namespace {

enum class Axis { MinX, MaxX, MinY, MaxY };

double extent(const Document& doc, Axis axis)
{
    // Only objects whose colour key is 3, 7 or 10 count; objects without a
    // colour entry count too. The first entry with the uid decides.
    QHash<QUuid, int> keyByUid;
    for (const KCObjectColor* c : doc.colors())
        if (!keyByUid.contains(c->uid()))
            keyByUid.insert(c->uid(), c->keyComponent());

    const bool isMin = axis == Axis::MinX || axis == Axis::MinY;
    const bool isX = axis == Axis::MinX || axis == Axis::MaxX;
    double v = isMin ? 1e8 : -1e8;
    for (const KCLayer* l : doc.layers()) {
        if (l->name() == Document::MarksLayerName)
            continue;
        for (const KCObject* o : l->objects()) {
            auto it = keyByUid.constFind(o->colorUid());
            if (it != keyByUid.constEnd() && *it != 3 && *it != 7 && *it != 10)
                continue;
            for (const KCSubPath& s : o->subPaths())
                for (const KCNode& n : s.nodes()) {
                    const double a = isX ? n.P0X() : n.P0Y();
                    const double b = isX ? n.P3X() : n.P3Y();
                    v = isMin ? std::min(v, std::min(a, b)) : std::max(v, std::max(a, b));
                }
        }
    }
    return v;
}

struct Bounds {
    double left, top, right, bottom;
};

// Sample j (0…1000) of a segment, exactly as the plain sampling computes it.
inline void sampleAt(const KCNode& n, const KCNode::PowerForm& f, int j, double& x, double& y)
{
    if (j == 0) {
        x = n.P0X();
        y = n.P0Y();
        return;
    }
    const double t = j / 1000.0;
    x = f.k3x * t * t * t + f.k2x * t * t + f.k1x * t + n.P0X();
    y = f.k3y * t * t * t + f.k2y * t * t + f.k1y * t + n.P0Y();
}

inline void applySample(double x, double y, double px, double py, Bounds& b)
{
    if (x < b.left)
        b.left = px;
    if (x > b.right)
        b.right = x + (x - px);
    if (y < b.top)
        b.top = py;
    if (y > b.bottom)
        b.bottom = y + (y - py);
}

void sampleRange(const KCNode& n, const KCNode::PowerForm& f, int jlo, int jhi, Bounds& b)
{
    double px, py;
    sampleAt(n, f, jlo, px, py);
    for (int j = jlo + 1; j <= jhi; ++j) {
        double x, y;
        sampleAt(n, f, j, x, y);
        applySample(x, y, px, py, b);
        px = x;
        py = y;
    }
}

// Encloses c0 + t·(c1 + t·(c2 + t·c3)) for t in [t0, t1], t0 ≥ 0.
inline void enclose(double c0, double c1, double c2, double c3, double t0, double t1,
                    double& lo, double& hi)
{
    auto mul = [t0, t1](double& l, double& h) {
        const double a = l * t0, b = l * t1, c = h * t0, d = h * t1;
        l = std::min(std::min(a, b), std::min(c, d));
        h = std::max(std::max(a, b), std::max(c, d));
    };
    lo = hi = c3;
    mul(lo, hi);
    lo += c2;
    hi += c2;
    mul(lo, hi);
    lo += c1;
    hi += c1;
    mul(lo, hi);
    lo += c0;
    hi += c0;
}

// Samples (jlo, jhi] of one segment. A range whose enclosure lies strictly
// inside the bounds (with a margin far above the rounding error of the
// sampling) cannot move them and is skipped; everything else is sampled
// exactly as the plain loop does, in the same order, so the result is
// identical bit for bit.
void refineRange(const KCNode& n, const KCNode::PowerForm& f, double margin, int jlo, int jhi,
                 Bounds& b)
{
    const double t0 = jlo / 1000.0, t1 = jhi / 1000.0;
    double xl, xh, yl, yh;
    enclose(n.P0X(), f.k1x, f.k2x, f.k3x, t0, t1, xl, xh);
    enclose(n.P0Y(), f.k1y, f.k2y, f.k3y, t0, t1, yl, yh);
    if (xl - margin > b.left && xh + margin < b.right && yl - margin > b.top
        && yh + margin < b.bottom)
        return;
    if (jhi - jlo <= 16) {
        sampleRange(n, f, jlo, jhi, b);
        return;
    }
    const int mid = (jlo + jhi) / 2;
    refineRange(n, f, margin, jlo, mid, b);
    refineRange(n, f, margin, mid, jhi, b);
}

// Rounds an extent up to whole mm. An empty drawing's inverted bounds give
// 0 and garbage coordinates are clamped instead of overflowing int.
int wholeMillimetresUp(double v)
{
    const double up = std::ceil(v);
    if (!(up > 0))
        return 0;
    if (up > 1e9)
        return 1000000000;
    return static_cast<int>(up);
}

} // namespace

double Document::minX() const { return extent(*this, Axis::MinX); }
double Document::maxX() const { return extent(*this, Axis::MaxX); }
double Document::minY() const { return extent(*this, Axis::MinY); }
double Document::maxY() const { return extent(*this, Axis::MaxY); }

void Document::refineExtentByCurvesPlain(double& left, double& top, double& right,
                                         double& bottom) const
{
    Bounds b{left, top, right, bottom};
    for (const KCLayer* l : m_layers)
        for (const KCObject* o : l->objects())
            for (const KCSubPath& s : o->subPaths())
                for (const KCNode& n : s.nodes())
                    sampleRange(n, n.powerForm(), 0, 1000, b);
    left = b.left;
    top = b.top;
    right = b.right;
    bottom = b.bottom;
}

void Document::refineExtentByCurves(double& left, double& top, double& right, double& bottom) const
{
    Bounds b{left, top, right, bottom};
    for (const KCLayer* l : m_layers)
        for (const KCObject* o : l->objects())
            for (const KCSubPath& s : o->subPaths())
                for (const KCNode& n : s.nodes()) {
                    const KCNode::PowerForm f = n.powerForm();
                    const double scale = 1.0 + std::abs(n.P0X()) + std::abs(f.k1x)
                        + std::abs(f.k2x) + std::abs(f.k3x) + std::abs(n.P0Y())
                        + std::abs(f.k1y) + std::abs(f.k2y) + std::abs(f.k3y);
                    // Not finite: let the exact path decide, as the plain loop would.
                    if (!std::isfinite(scale)) {
                        sampleRange(n, f, 0, 1000, b);
                        continue;
                    }
                    refineRange(n, f, scale * 1e-9, 0, 1000, b);
                }
    left = b.left;
    top = b.top;
    right = b.right;
    bottom = b.bottom;
}

void Document::updateDrawingExtent()
{
    double left = minX(), right = maxX(), top = minY(), bottom = maxY();
    refineExtentByCurves(left, top, right, bottom);
    double width = right - left;
    double height = bottom - top;
    if (m_marksFound) {
        width -= m_passerThickness;
        height -= m_passerThickness;
    }
    setDrawingSize(width, height);
}

void Document::setDrawingSize(double width, double height)
{
    m_drawingWidth = width;
    m_drawingHeight = height;
    m_naturalWidth = m_jobWidth = wholeMillimetresUp(m_drawingWidth);
    m_naturalHeight = m_jobHeight = wholeMillimetresUp(m_drawingHeight);
    m_widthScale = m_heightScale = 100.0;
}

void Document::setNaturalWidth(double v) { change(m_naturalWidth, static_cast<int>(v)); }
void Document::setNaturalHeight(double v) { change(m_naturalHeight, static_cast<int>(v)); }

// ---------------------------------------------------------------------------
// Job settings as a whole

bool Document::JobSettings::operator==(const JobSettings& o) const
{
    return materialWidth == o.materialWidth && materialHeight == o.materialHeight
        && materialUid == o.materialUid && jobWidth == o.jobWidth && jobHeight == o.jobHeight
        && fitToMaterialSize == o.fitToMaterialSize && proportional == o.proportional
        && right == o.right && bottom == o.bottom && location == o.location
        && rotation == o.rotation && mirrored == o.mirrored && copiesCount == o.copiesCount
        && copiesHorz == o.copiesHorz && copiesVert == o.copiesVert
        && horzDistance == o.horzDistance && vertDistance == o.vertDistance
        && autoPlacement == o.autoPlacement && sameDistance == o.sameDistance && grid == o.grid
        && overcut == o.overcut && gridDistance == o.gridDistance
        && overcutAngle == o.overcutAngle && overcutDistance == o.overcutDistance
        && quality == o.quality && homeposition == o.homeposition
        && extraspace == o.extraspace && selection == o.selection
        && segmentation == o.segmentation && segmentHeight == o.segmentHeight
        && stopBetweenLayers == o.stopBetweenLayers
        && differentCuttingParameter == o.differentCuttingParameter
        && selection2 == o.selection2 && usePassermarks == o.usePassermarks
        && startJobImmediatly == o.startJobImmediatly && bladeInitializing == o.bladeInitializing;
}

Document::JobSettings Document::jobSettings() const
{
    JobSettings s;
    s.materialWidth = m_materialWidth;
    s.materialHeight = m_materialHeight;
    s.materialUid = m_materialUid;
    s.jobWidth = m_jobWidth;
    s.jobHeight = m_jobHeight;
    s.fitToMaterialSize = m_fitToMaterialSize;
    s.proportional = m_proportional;
    s.right = m_right;
    s.bottom = m_bottom;
    s.location = m_location;
    s.rotation = m_rotation;
    s.mirrored = m_mirrored;
    s.copiesCount = m_copiesCount;
    s.copiesHorz = m_copiesHorz;
    s.copiesVert = m_copiesVert;
    s.horzDistance = m_horzDistance;
    s.vertDistance = m_vertDistance;
    s.autoPlacement = m_autoPlacement;
    s.sameDistance = m_sameDistance;
    s.grid = m_grid;
    s.overcut = m_overcut;
    s.gridDistance = m_gridDistance;
    s.overcutAngle = m_overcutAngle;
    s.overcutDistance = m_overcutDistance;
    s.quality = m_quality;
    s.homeposition = m_homeposition;
    s.extraspace = m_extraspace;
    s.selection = m_selection;
    s.segmentation = m_segmentation;
    s.segmentHeight = m_segmentHeight;
    s.stopBetweenLayers = m_stopBetweenLayers;
    s.differentCuttingParameter = m_differentCuttingParameter;
    s.selection2 = m_selection2;
    s.usePassermarks = m_usePassermarks;
    s.startJobImmediatly = m_startJobImmediatly;
    s.bladeInitializing = m_bladeInitializing;
    return s;
}

void Document::setJobSettings(const JobSettings& s)
{
    if (s == jobSettings())
        return;
    m_materialWidth = s.materialWidth;
    m_materialHeight = s.materialHeight;
    m_materialUid = s.materialUid;
    m_jobWidth = s.jobWidth;
    m_jobHeight = s.jobHeight;
    m_fitToMaterialSize = s.fitToMaterialSize;
    m_proportional = s.proportional;
    m_right = s.right;
    m_bottom = s.bottom;
    m_location = s.location;
    m_rotation = s.rotation;
    m_mirrored = s.mirrored;
    m_copiesCount = s.copiesCount;
    m_copiesHorz = s.copiesHorz;
    m_copiesVert = s.copiesVert;
    m_horzDistance = s.horzDistance;
    m_vertDistance = s.vertDistance;
    m_autoPlacement = s.autoPlacement;
    m_sameDistance = s.sameDistance;
    m_grid = s.grid;
    m_overcut = s.overcut;
    m_gridDistance = s.gridDistance;
    m_overcutAngle = s.overcutAngle;
    m_overcutDistance = s.overcutDistance;
    m_quality = s.quality;
    m_homeposition = s.homeposition;
    m_extraspace = s.extraspace;
    m_selection = s.selection;
    m_segmentation = s.segmentation;
    m_segmentHeight = s.segmentHeight;
    m_stopBetweenLayers = s.stopBetweenLayers;
    m_differentCuttingParameter = s.differentCuttingParameter;
    m_selection2 = s.selection2;
    m_usePassermarks = s.usePassermarks;
    m_startJobImmediatly = s.startJobImmediatly;
    m_bladeInitializing = s.bladeInitializing;
    emit DataChanged();
}

// ---------------------------------------------------------------------------
// Setters with layout rules

void Document::setMaterial(Material* m) { change(m_material, m); }
void Document::setBlade(Blade* b) { change(m_blade, b); }
void Document::setPasserXCorrection(double v) { change(m_passerXCorrection, v); }
void Document::setPasserYCorrection(double v) { change(m_passerYCorrection, v); }
void Document::setFcmOutput(bool v) { change(m_fcmOutput, v); }
void Document::setUsePlotterSettings(bool v)
{
    m_usePlotterSettings = v;
    emit DataChanged();
}
void Document::setBladeInitialisation(bool v) { change(m_bladeInitialisation, v); }
void Document::setOffsetCorrection(double v) { change(m_offsetCorrection, v); }
void Document::setFitJobToSelection(bool v) { change(m_fitJobToSelection, v); }
void Document::setSheetMediaCommand(bool v) { change(m_sheetMediaCommand, v); }
void Document::setLayerParameters(const LayerParameters& p) { change(m_layerParameters, p); }

bool Document::LayerParameters::operator==(const LayerParameters& o) const
{
    return medium == o.medium && speed == o.speed && pressure == o.pressure && passes == o.passes
        && tool == o.tool && lineType == o.lineType && patternLength == o.patternLength;
}
void Document::setSpeed(int v) { change(m_speed, v); }
void Document::setPressure(int v) { change(m_pressure, v); }
void Document::setPasses(int v) { change(m_passes, v); }
void Document::setPatternLength(int v) { change(m_patternLength, v); }
void Document::setMaterialWidth(int v) { change(m_materialWidth, v); }
void Document::setMaterialHeight(int v) { change(m_materialHeight, v); }
void Document::setMaterialUid(const QUuid& v) { change(m_materialUid, v); }

void Document::setJobWidth(int w)
{
    w = std::max(1, w);
    const int oldW = m_jobWidth, oldH = m_jobHeight;
    const double oldWs = m_widthScale, oldHs = m_heightScale;
    m_jobWidth = w;
    if (m_naturalWidth > 0) {
        m_widthScale = double(w) / m_naturalWidth * 100.0;
        if (m_proportional) {
            m_jobHeight = static_cast<int>(double(m_naturalHeight) / m_naturalWidth * w);
            m_heightScale = m_widthScale;
        }
    }
    if (oldW != m_jobWidth || oldH != m_jobHeight || oldWs != m_widthScale || oldHs != m_heightScale)
        emit DataChanged();
}

void Document::setJobHeight(int h)
{
    h = std::max(1, h);
    const int oldW = m_jobWidth, oldH = m_jobHeight;
    const double oldWs = m_widthScale, oldHs = m_heightScale;
    m_jobHeight = h;
    if (m_naturalHeight > 0) {
        m_heightScale = double(h) / m_naturalHeight * 100.0;
        if (m_proportional) {
            m_jobWidth = static_cast<int>(double(m_naturalWidth) / m_naturalHeight * h);
            m_widthScale = m_heightScale;
        }
    }
    if (oldW != m_jobWidth || oldH != m_jobHeight || oldWs != m_widthScale || oldHs != m_heightScale)
        emit DataChanged();
}

void Document::setWidthScale(double p) { setJobWidth(static_cast<int>(m_naturalWidth * p / 100.0)); }
void Document::setHeightScale(double p) { setJobHeight(static_cast<int>(m_naturalHeight * p / 100.0)); }
void Document::setFitToMaterialSize(bool v) { change(m_fitToMaterialSize, v); }

void Document::setProportional(bool v)
{
    if (m_proportional == v)
        return;
    m_proportional = v;
    if (v && m_naturalWidth > 0) {
        m_widthScale = double(m_jobWidth) / m_naturalWidth * 100.0;
        m_jobHeight = static_cast<int>(double(m_jobWidth) / m_naturalWidth * m_naturalHeight);
        m_heightScale = m_widthScale;
    }
    emit DataChanged();
}

void Document::setRight(int v) { change(m_right, std::max(0, v)); }
void Document::setBottom(int v) { change(m_bottom, std::max(0, v)); }

void Document::setLocation(Location v)
{
    if (m_location == v)
        return;
    if (v != Manually) {
        m_savedRight = m_right;
        m_savedBottom = m_bottom;
        m_right = m_bottom = 0;
    } else {
        m_right = m_savedRight;
        m_bottom = m_savedBottom;
    }
    m_location = v;
    emit DataChanged();
}

void Document::setRotation(Rotation v) { change(m_rotation, v); }
void Document::setMirrored(bool v) { change(m_mirrored, v); }
void Document::setCopiesCount(int v) { change(m_copiesCount, v); }
void Document::setCopiesHorz(int v) { change(m_copiesHorz, v); }
void Document::setCopiesVert(int v) { change(m_copiesVert, v); }

void Document::setHorzDistance(int d)
{
    d = std::max(0, d);
    if (m_horzDistance == d && (!m_sameDistance || m_vertDistance == d))
        return;
    m_horzDistance = d;
    if (m_sameDistance)
        m_vertDistance = d;
    emit DataChanged();
}

void Document::setVertDistance(int d)
{
    d = std::max(0, d);
    if (m_vertDistance == d && (!m_sameDistance || m_horzDistance == d))
        return;
    m_vertDistance = d;
    if (m_sameDistance)
        m_horzDistance = d;
    emit DataChanged();
}

void Document::setAutoPlacement(bool v) { change(m_autoPlacement, v); }

void Document::setSameDistance(bool v)
{
    if (m_sameDistance == v)
        return;
    m_sameDistance = v;
    m_horzDistance = m_vertDistance;
    emit DataChanged();
}

void Document::setGrid(bool v) { change(m_grid, v); }
void Document::setOvercut(bool v) { change(m_overcut, v); }
void Document::setGridDistance(int v) { change(m_gridDistance, v); }
void Document::setOvercutAngle(int v) { change(m_overcutAngle, v); }
void Document::setOvercutDistance(double v) { change(m_overcutDistance, v); }
void Document::setQuality(int v) { change(m_quality, v); }
void Document::setHomeposition(Homeposition v) { change(m_homeposition, v); }
void Document::setExtraspace(int v) { change(m_extraspace, v); }
void Document::setSelection(int v) { change(m_selection, v); }
void Document::setSegmentation(bool v) { change(m_segmentation, v); }
void Document::setSegmentHeight(int v) { change(m_segmentHeight, v); }
void Document::setStopBetweenLayers(bool v) { change(m_stopBetweenLayers, v); }
void Document::setDifferentCuttingParameter(bool v) { change(m_differentCuttingParameter, v); }
void Document::setSelection2(int v) { change(m_selection2, v); }
void Document::setUsePassermarks(bool v) { change(m_usePassermarks, v); }
void Document::setStartJobImmediatly(bool v) { change(m_startJobImmediatly, v); }
void Document::setBladeInitializing(bool v) { change(m_bladeInitializing, v); }
