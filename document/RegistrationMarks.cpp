#include "document/Document.h"

#include "platform/Logger.h"
#include "document/ColorTableIndex.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

#include <algorithm>
#include <cmath>

namespace {

// Marks are measured on the first sub-path only, by the end points of its
// segments; the control points do not matter for a mark's outline.
const QVector<KCNode>& markSegments(const KCObject* o)
{
    static const QVector<KCNode> none;
    return o->subPaths().isEmpty() ? none : o->subPaths().first().nodes();
}

// Exact comparisons: the host draws mark strokes axis-parallel.
bool isVertical(const KCNode& n) { return n.P0X() == n.P3X(); }
bool isHorizontal(const KCNode& n) { return n.P0Y() == n.P3Y(); }

} // namespace

void Document::ReadAdobeIllustratorPasserMarks()
{
    Logger::debug(QStringLiteral("ReadAdobeIllustratorPasserMarks"));
    m_marksFound = false;

    // Start values far outside any drawing, so a missing mark shows as an
    // absurd distance rather than a plausible wrong one.
    double xMax1 = -9999999.9, xMin1 = 99999999.9;
    double yMin2 = 9999999.9, yMax2 = -99999999.9;
    double xMax7 = -9999999.9;
    double yMin10 = 9999999.9, code10Y = -999999999.9;
    double refX3 = 0, refY4 = 0;

    const ColorTableIndex colors(m_colors);

    for (const KCLayer* layer : qAsConst(m_layers)) {
        if (layer->name() != MarksLayerName)
            continue;
        Logger::debug(QStringLiteral("Passermarkenebene gefunden"));
        m_marksFound = true;

        for (const KCObject* o : layer->objects()) {
            const KCObjectColor* c = colors.byUid(o->colorUid());
            if (!c)
                continue;
            const QVector<KCNode>& segs = markSegments(o);
            switch (c->keyComponent()) {
            case 1:
                for (const KCNode& n : segs) {
                    xMax1 = std::max({xMax1, n.P0X(), n.P3X()});
                    xMin1 = std::min({xMin1, n.P0X(), n.P3X()});
                }
                m_passerXOrigin = xMax1;
                m_passerXWidth = xMax1 - xMin1;
                Logger::debug(QStringLiteral("ReadAdobeIllustratorPasserMarks _passerXOrigin %1")
                                  .arg(m_passerXOrigin));
                break;
            case 2:
                for (const KCNode& n : segs) {
                    yMin2 = std::min({yMin2, n.P0Y(), n.P3Y()});
                    yMax2 = std::max({yMax2, n.P0Y(), n.P3Y()});
                }
                m_passerYOrigin = yMin2;
                m_passerOffsetY = yMin2 - yMax2;
                break;
            case 3:
                // The length and line thickness mark: its vertical stroke
                // gives the length, its horizontal one the thickness.
                for (const KCNode& n : segs) {
                    if (isVertical(n))
                        m_passerLength = n.P3Y() - n.P0Y();
                    if (isHorizontal(n)) {
                        m_passerThickness = n.P3X() - n.P0X();
                        refX3 = std::min(n.P0X(), n.P3X());
                    }
                }
                m_passerLength = std::abs(m_passerLength);
                m_passerThickness = std::abs(m_passerThickness);
                break;
            case 4:
                for (const KCNode& n : segs)
                    if (isVertical(n))
                        refY4 = std::min(n.P0Y(), n.P3Y());
                break;
            case 7:
                for (const KCNode& n : segs)
                    xMax7 = std::max({xMax7, n.P0X(), n.P3X()});
                m_passerXDistance = xMax7 - m_passerXOrigin;
                break;
            case 9:
                m_code9MarkFound = true;
                break;
            case 10:
                for (const KCNode& n : segs)
                    yMin10 = std::min({yMin10, n.P0Y(), n.P3Y()});
                code10Y = yMin10;
                break;
            default: // 0, 5, 6 (second pass), 8 and above 10 carry no role here
                break;
            }
        }

        m_passerXDistance = xMax7 - m_passerXOrigin;
        m_passerYDistance = code10Y - m_passerYOrigin;
        Logger::debug(QStringLiteral("ReadAdobeIllustratorPasserMarks 2"));

        // The first-mark offsets are relative to the references of codes 3
        // and 4, which the first pass has collected from the whole layer.
        for (const KCObject* o : layer->objects()) {
            const KCObjectColor* c = colors.byUid(o->colorUid());
            if (!c)
                continue;
            const int code = c->keyComponent();
            Logger::debug(QStringLiteral("ReadAdobeIllustratorPasserMarks 3 %1 %2")
                              .arg(code)
                              .arg(c->isCmyk() ? 1 : 0));
            const QVector<KCNode>& segs = markSegments(o);
            if (code == 5) {
                for (const KCNode& n : segs)
                    if (isHorizontal(n)) {
                        m_passerXOffset = std::min(n.P0X(), n.P3X()) - refX3;
                        Logger::debug(QStringLiteral("Passermarke Y gefunden"));
                    }
            } else if (code == 6) {
                for (const KCNode& n : segs)
                    if (isVertical(n))
                        m_passerYOffset = std::min(n.P0Y(), n.P3Y()) - refY4;
            }
        }
    }

    // The document's y points down; the mark y distance and offset are kept
    // the way the host measures them, upwards.
    m_passerYDistance = -m_passerYDistance;
    m_passerYOffset = -m_passerYOffset;
    if (!m_marksFound)
        m_s.usePassermarks = false;

    // A colour counts as a mark colour only while no artwork uses it.
    for (const KCLayer* layer : qAsConst(m_layers))
        if (layer->name() == MarksLayerName)
            for (const KCObject* o : layer->objects())
                if (KCObjectColor* c = colors.byUid(o->colorUid()))
                    c->setUsedByMarks(true);
    for (const KCLayer* layer : qAsConst(m_layers))
        if (layer->name() != MarksLayerName)
            for (const KCObject* o : layer->objects())
                if (KCObjectColor* c = colors.byUid(o->colorUid()))
                    c->setUsedByMarks(false);
}

void Document::completeColorTable()
{
    ColorTableIndex index(m_colors);
    for (const KCLayer* layer : qAsConst(m_layers)) {
        if (layer->name() == MarksLayerName)
            continue;
        for (const KCObject* o : layer->objects()) {
            if (index.lastWithColor(o->color()))
                continue;
            KCObjectColor* c = appendColor();
            c->setColor(o->color());
            c->setCutEnabled(true);
            index.add(c);
        }
    }
}
