#pragma once

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

#include <QString>

#include <algorithm>
#include <cmath>

// Compares two documents field by field: the drawing tree, the colour
// table, the job settings and the derived sizes. Returns a description of
// the first difference, empty when they are equal. Node coordinates and
// bounding boxes must be equal bit for bit, or within `relative` of each
// other (a job file's 16 digits); the drawing size (a sum of sampled
// extents) within 1e-9 mm.
namespace DocumentCompare {

enum class Uids {
    Equal,     // colour and material uids must be the same
    Structure, // two imports of one file: fresh uids, but objects must refer
               // to the same colour-table entries
};

// Index of the colour entry an object refers to (the last with its uid).
inline int entryIndex(const Document& d, const QUuid& uid)
{
    for (int i = d.colors().size() - 1; i >= 0; --i)
        if (d.colors()[i]->uid() == uid)
            return i;
    return -1;
}

inline QString describe(const KCNode& n)
{
    QString s;
    for (int p = 0; p < 4; ++p)
        s += QStringLiteral("(%1,%2)").arg(n.x(p), 0, 'g', 17).arg(n.y(p), 0, 'g', 17);
    return s + QStringLiteral(" corner=%1 line=%2").arg(n.isCorner()).arg(n.isLine());
}

inline bool near(double a, double b, double relative)
{
    return a == b || std::abs(a - b) <= relative * std::max(std::abs(a), std::abs(b));
}

inline bool sameNode(const KCNode& a, const KCNode& b, double relative)
{
    for (int p = 0; p < 4; ++p)
        if (!near(a.x(p), b.x(p), relative) || !near(a.y(p), b.y(p), relative))
            return false;
    return a.isCorner() == b.isCorner() && a.isLine() == b.isLine();
}

inline QString difference(const Document& a, const Document& b, Uids uids = Uids::Equal,
                          double relative = 0)
{
    if (a.layers().size() != b.layers().size())
        return QStringLiteral("layer count %1 vs %2").arg(a.layers().size()).arg(b.layers().size());
    for (int l = 0; l < a.layers().size(); ++l) {
        const KCLayer& la = *a.layers()[l];
        const KCLayer& lb = *b.layers()[l];
        const QString at = QStringLiteral("layer %1").arg(l);
        if (la.name() != lb.name() || la.cutEnabled() != lb.cutEnabled())
            return at + QStringLiteral(": name/cutEnabled");
        if (la.objects().size() != lb.objects().size())
            return at + QStringLiteral(": object count");
        for (int o = 0; o < la.objects().size(); ++o) {
            const KCObject& oa = *la.objects()[o];
            const KCObject& ob = *lb.objects()[o];
            const QString ot = at + QStringLiteral(" object %1").arg(o);
            if (oa.isSelected() != ob.isSelected() || !near(oa.left(), ob.left(), relative)
                || !near(oa.top(), ob.top(), relative) || !near(oa.right(), ob.right(), relative)
                || !near(oa.bottom(), ob.bottom(), relative))
                return ot + QStringLiteral(": selection or bounding box");
            if (oa.color() != ob.color())
                return ot + QStringLiteral(": colour %1 vs %2").arg(oa.color().name(), ob.color().name());
            if (uids == Uids::Equal ? oa.colorUid() != ob.colorUid()
                                    : entryIndex(a, oa.colorUid()) != entryIndex(b, ob.colorUid()))
                return ot + QStringLiteral(": colour uid");
            if (oa.subPaths().size() != ob.subPaths().size())
                return ot + QStringLiteral(": sub-path count");
            for (int s = 0; s < oa.subPaths().size(); ++s) {
                const KCSubPath& sa = oa.subPaths()[s];
                const KCSubPath& sb = ob.subPaths()[s];
                const QString st = ot + QStringLiteral(" sub-path %1").arg(s);
                if (sa.isClosed() != sb.isClosed())
                    return st + QStringLiteral(": isClosed");
                if (sa.nodes().size() != sb.nodes().size())
                    return st + QStringLiteral(": node count");
                for (int n = 0; n < sa.nodes().size(); ++n)
                    if (!sameNode(sa.nodes()[n], sb.nodes()[n], relative))
                        return st + QStringLiteral(" node %1: %2 vs %3")
                                        .arg(n)
                                        .arg(describe(sa.nodes()[n]), describe(sb.nodes()[n]));
            }
        }
    }
    if (a.colors().size() != b.colors().size())
        return QStringLiteral("colour count %1 vs %2").arg(a.colors().size()).arg(b.colors().size());
    for (int c = 0; c < a.colors().size(); ++c) {
        const KCObjectColor& ca = *a.colors()[c];
        const KCObjectColor& cb = *b.colors()[c];
        if ((uids == Uids::Equal && ca.uid() != cb.uid()) || ca.name() != cb.name() || ca.objectName() != cb.objectName()
            || ca.color() != cb.color() || ca.isCmyk() != cb.isCmyk()
            || ca.cutEnabled() != cb.cutEnabled() || ca.usedByMarks() != cb.usedByMarks())
            return QStringLiteral("colour entry %1").arg(c);
    }
    Document::JobSettings sb = b.jobSettings();
    if (uids == Uids::Structure)
        sb.materialUid = a.materialUid();
    if (a.jobSettings() != sb)
        return QStringLiteral("job settings");
    if (std::abs(a.drawingWidth() - b.drawingWidth()) > 1e-9
        || std::abs(a.drawingHeight() - b.drawingHeight()) > 1e-9)
        return QStringLiteral("drawing size %1 x %2 vs %3 x %4")
            .arg(a.drawingWidth(), 0, 'g', 17)
            .arg(a.drawingHeight(), 0, 'g', 17)
            .arg(b.drawingWidth(), 0, 'g', 17)
            .arg(b.drawingHeight(), 0, 'g', 17);
    if (a.naturalWidth() != b.naturalWidth() || a.naturalHeight() != b.naturalHeight())
        return QStringLiteral("natural size");
    if (a.marksFound() != b.marksFound())
        return QStringLiteral("marksFound");
    return QString();
}

} // namespace DocumentCompare
