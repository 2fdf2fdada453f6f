#include "document/Document.h"

#include "document/CurveExtent.h"
#include "document/JobSettingsTable.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <cmath>

const QString Document::MarksLayerName = QStringLiteral("KC-PassermarkenEbene");

Document::Document(QObject* parent) : QObject(parent) { m_s.materialUid = QUuid::createUuid(); }

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

void Document::adoptDrawing(Document& from)
{
    // Swapped, not deleted here: `from` takes the previous drawing along.
    m_layers.swap(from.m_layers);
    m_colors.swap(from.m_colors);
    const auto parentAll = [](const auto& children, QObject* parent) {
        for (QObject* c : children)
            c->setParent(parent);
    };
    parentAll(m_layers, this);
    parentAll(m_colors, this);
    parentAll(from.m_layers, &from);
    parentAll(from.m_colors, &from);
    m_drawingWidth = from.m_drawingWidth;
    m_drawingHeight = from.m_drawingHeight;
    m_naturalWidth = from.m_naturalWidth;
    m_naturalHeight = from.m_naturalHeight;
    m_s.jobWidth = from.m_s.jobWidth;
    m_s.jobHeight = from.m_s.jobHeight;
    m_widthScale = from.m_widthScale;
    m_heightScale = from.m_heightScale;
    m_marksFound = from.m_marksFound;
    m_code9MarkFound = from.m_code9MarkFound;
    m_passerXOrigin = from.m_passerXOrigin;
    m_passerXWidth = from.m_passerXWidth;
    m_passerYOrigin = from.m_passerYOrigin;
    m_passerOffsetY = from.m_passerOffsetY;
    m_passerLength = from.m_passerLength;
    m_passerThickness = from.m_passerThickness;
    m_passerXDistance = from.m_passerXDistance;
    m_passerYDistance = from.m_passerYDistance;
    m_passerXOffset = from.m_passerXOffset;
    m_passerYOffset = from.m_passerYOffset;
    m_s.sameDistance = from.m_s.sameDistance;
    m_s.right = from.m_s.right;
    m_s.bottom = from.m_s.bottom;
    m_s.usePassermarks = from.m_s.usePassermarks;
    emit DataChanged();
}

void Document::applyExchangeImportDefaults()
{
    m_s.sameDistance = true;
    m_s.right = 5;
    m_s.bottom = 5;
    m_s.usePassermarks = m_marksFound;
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

// Truncates toward zero into the int range: derived sizes (a proportional
// height from a huge width) stay defined, NaN gives 0.
int truncatedInt(double v)
{
    if (!(v == v))
        return 0;
    return static_cast<int>(std::max(double(INT_MIN), std::min(std::trunc(v), double(INT_MAX))));
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

namespace {

template <class F>
void forEachNode(const QList<KCLayer*>& layers, F f)
{
    for (const KCLayer* l : layers)
        for (const KCObject* o : l->objects())
            for (const KCSubPath& s : o->subPaths())
                for (const KCNode& n : s.nodes())
                    f(n);
}

} // namespace

void Document::refineExtentByCurvesPlain(double& left, double& top, double& right,
                                         double& bottom) const
{
    CurveExtent::Bounds b{left, top, right, bottom};
    forEachNode(m_layers, [&b](const KCNode& n) { CurveExtent::widenPlain(n, b); });
    left = b.left;
    top = b.top;
    right = b.right;
    bottom = b.bottom;
}

void Document::refineExtentByCurves(double& left, double& top, double& right, double& bottom) const
{
    CurveExtent::Bounds b{left, top, right, bottom};
    forEachNode(m_layers, [&b](const KCNode& n) { CurveExtent::widen(n, b); });
    left = b.left;
    top = b.top;
    right = b.right;
    bottom = b.bottom;
}

void Document::refineLowerExtentByCurves(double& left, double& top) const
{
    CurveExtent::Bounds b{left, top, 0, 0};
    forEachNode(m_layers, [&b](const KCNode& n) { CurveExtent::widen(n, b, false); });
    left = b.left;
    top = b.top;
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
    m_naturalWidth = m_s.jobWidth = wholeMillimetresUp(m_drawingWidth);
    m_naturalHeight = m_s.jobHeight = wholeMillimetresUp(m_drawingHeight);
    m_widthScale = m_heightScale = 100.0;
}

void Document::setNaturalWidth(double v) { change(m_naturalWidth, truncatedInt(v)); }
void Document::setNaturalHeight(double v) { change(m_naturalHeight, truncatedInt(v)); }

// ---------------------------------------------------------------------------
// Job settings as a whole

bool Document::JobSettings::operator==(const JobSettings& o) const
{
    for (const JobSettingsTable::Row& row : JobSettingsTable::rows())
        if (row.get(*this) != row.get(o))
            return false;
    return true;
}

Document::JobSettings Document::jobSettings() const { return m_s; }

void Document::setJobSettings(const JobSettings& s)
{
    if (s == m_s)
        return;
    m_s = s;
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
void Document::setMaterialWidth(int v) { change(m_s.materialWidth, v); }
void Document::setMaterialHeight(int v) { change(m_s.materialHeight, v); }
void Document::setMaterialUid(const QUuid& v) { change(m_s.materialUid, v); }

void Document::setJobWidth(int w)
{
    w = std::max(1, w);
    const int oldW = m_s.jobWidth, oldH = m_s.jobHeight;
    const double oldWs = m_widthScale, oldHs = m_heightScale;
    m_s.jobWidth = w;
    if (m_naturalWidth > 0) {
        m_widthScale = double(w) / m_naturalWidth * 100.0;
        if (m_s.proportional) {
            m_s.jobHeight = truncatedInt(double(m_naturalHeight) / m_naturalWidth * w);
            m_heightScale = m_widthScale;
        }
    }
    if (oldW != m_s.jobWidth || oldH != m_s.jobHeight || oldWs != m_widthScale || oldHs != m_heightScale)
        emit DataChanged();
}

void Document::setJobHeight(int h)
{
    h = std::max(1, h);
    const int oldW = m_s.jobWidth, oldH = m_s.jobHeight;
    const double oldWs = m_widthScale, oldHs = m_heightScale;
    m_s.jobHeight = h;
    if (m_naturalHeight > 0) {
        m_heightScale = double(h) / m_naturalHeight * 100.0;
        if (m_s.proportional) {
            m_s.jobWidth = truncatedInt(double(m_naturalWidth) / m_naturalHeight * h);
            m_widthScale = m_heightScale;
        }
    }
    if (oldW != m_s.jobWidth || oldH != m_s.jobHeight || oldWs != m_widthScale || oldHs != m_heightScale)
        emit DataChanged();
}

void Document::setWidthScale(double p) { setJobWidth(truncatedInt(m_naturalWidth * p / 100.0)); }
void Document::setHeightScale(double p) { setJobHeight(truncatedInt(m_naturalHeight * p / 100.0)); }
void Document::setFitToMaterialSize(bool v) { change(m_s.fitToMaterialSize, v); }

void Document::setProportional(bool v)
{
    if (m_s.proportional == v)
        return;
    m_s.proportional = v;
    if (v && m_naturalWidth > 0) {
        m_widthScale = double(m_s.jobWidth) / m_naturalWidth * 100.0;
        m_s.jobHeight = truncatedInt(double(m_s.jobWidth) / m_naturalWidth * m_naturalHeight);
        m_heightScale = m_widthScale;
    }
    emit DataChanged();
}

void Document::setRight(int v) { change(m_s.right, std::max(0, v)); }
void Document::setBottom(int v) { change(m_s.bottom, std::max(0, v)); }

void Document::setLocation(Location v)
{
    if (m_s.location == v)
        return;
    if (v != Manually) {
        m_savedRight = m_s.right;
        m_savedBottom = m_s.bottom;
        m_s.right = m_s.bottom = 0;
    } else {
        m_s.right = m_savedRight;
        m_s.bottom = m_savedBottom;
    }
    m_s.location = v;
    emit DataChanged();
}

void Document::setRotation(Rotation v) { change(m_s.rotation, v); }
void Document::setMirrored(bool v) { change(m_s.mirrored, v); }
void Document::setCopiesCount(int v) { change(m_s.copiesCount, v); }
void Document::setCopiesHorz(int v) { change(m_s.copiesHorz, v); }
void Document::setCopiesVert(int v) { change(m_s.copiesVert, v); }

void Document::setHorzDistance(int d)
{
    d = std::max(0, d);
    if (m_s.horzDistance == d && (!m_s.sameDistance || m_s.vertDistance == d))
        return;
    m_s.horzDistance = d;
    if (m_s.sameDistance)
        m_s.vertDistance = d;
    emit DataChanged();
}

void Document::setVertDistance(int d)
{
    d = std::max(0, d);
    if (m_s.vertDistance == d && (!m_s.sameDistance || m_s.horzDistance == d))
        return;
    m_s.vertDistance = d;
    if (m_s.sameDistance)
        m_s.horzDistance = d;
    emit DataChanged();
}

void Document::setAutoPlacement(bool v) { change(m_s.autoPlacement, v); }

void Document::setSameDistance(bool v)
{
    if (m_s.sameDistance == v)
        return;
    m_s.sameDistance = v;
    m_s.horzDistance = m_s.vertDistance;
    emit DataChanged();
}

void Document::setGrid(bool v) { change(m_s.grid, v); }
void Document::setOvercut(bool v) { change(m_s.overcut, v); }
void Document::setGridDistance(int v) { change(m_s.gridDistance, v); }
void Document::setOvercutAngle(int v) { change(m_s.overcutAngle, v); }
void Document::setOvercutDistance(double v) { change(m_s.overcutDistance, v); }
void Document::setQuality(int v) { change(m_s.quality, v); }
void Document::setHomeposition(Homeposition v) { change(m_s.homeposition, v); }
void Document::setExtraspace(int v) { change(m_s.extraspace, v); }
void Document::setSelection(int v) { change(m_s.selection, v); }
void Document::setSegmentation(bool v) { change(m_s.segmentation, v); }
void Document::setSegmentHeight(int v) { change(m_s.segmentHeight, v); }
void Document::setStopBetweenLayers(bool v) { change(m_s.stopBetweenLayers, v); }
void Document::setDifferentCuttingParameter(bool v) { change(m_s.differentCuttingParameter, v); }
void Document::setSelection2(int v) { change(m_s.selection2, v); }
void Document::setUsePassermarks(bool v) { change(m_s.usePassermarks, v); }
void Document::setStartJobImmediatly(bool v) { change(m_s.startJobImmediatly, v); }
void Document::setBladeInitializing(bool v) { change(m_s.bladeInitializing, v); }
