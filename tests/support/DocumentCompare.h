#pragma once

#include "support/DrawingText.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>

// Compares two documents: the drawing tree and colour table (as their
// 17-digit text form, numbers equal bit for bit or within `relative` of
// each other: a job file's 16 digits), the job settings and the derived
// sizes (the drawing size, a sum of sampled extents, within 1e-9 mm).
// Returns a description of the first difference, empty when they are equal.
namespace DocumentCompare {

enum class Uids {
    Equal,     // colour and material uids must be the same
    Structure, // two imports of one file: fresh uids, but objects must refer
               // to the same colour-table entries
};

inline bool sameLine(const QString& a, const QString& b, double relative)
{
    static const QRegularExpression separators(QStringLiteral("[ ,()]"));
    const QStringList wa = a.split(separators), wb = b.split(separators);
    if (wa.size() != wb.size())
        return false;
    for (int i = 0; i < wa.size(); ++i) {
        bool numA = false, numB = false;
        const double x = wa[i].toDouble(&numA), y = wb[i].toDouble(&numB);
        if (wa[i] != wb[i] && !(numA && numB && std::abs(x - y) <= relative * std::max(std::abs(x), std::abs(y))))
            return false;
    }
    return true;
}

// The colour-table uids, then each object's.
inline QStringList uids(const Document& d)
{
    QStringList out;
    for (const KCObjectColor* c : d.colors())
        out << c->uid().toString();
    for (const KCLayer* l : d.layers())
        for (const KCObject* o : l->objects())
            out << o->colorUid().toString();
    return out;
}

inline QString difference(const Document& a, const Document& b, Uids uids = Uids::Equal,
                          double relative = 0)
{
    const QStringList ta = DrawingText::dump(a, 17), tb = DrawingText::dump(b, 17);
    for (int i = 0; i < std::max(ta.size(), tb.size()); ++i)
        if (!sameLine(ta.value(i), tb.value(i), relative))
            return QStringLiteral("line %1: %2 vs %3").arg(i).arg(ta.value(i), tb.value(i));
    if (uids == Uids::Equal && DocumentCompare::uids(a) != DocumentCompare::uids(b))
        return QStringLiteral("colour uids");
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
