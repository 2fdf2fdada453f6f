#pragma once

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

#include <QStringList>

#include <cmath>

// A drawing as compact text, one item per line ("|" separates lines in the
// tests), so a test row can state a whole drawing or a whole expected tree:
//
//   L'name' cut                    layer (cut: cutEnabled)
//   O #rrggbb C0 sel box(l,t,r,b)  object: colour, its colour-table entry
//                                  (C? for an id without entry), selected
//   P closed                       sub-path
//   N x,y x,y corner line          straight node (P1 = P0, P2 = P3)
//   N x,y x,y x,y x,y              node with its control points
//   C0 #rrggbb cmyk cut marks 'name' 'object name'   colour-table entry
//
// Colours are "#rrggbb", "cmyk(c,m,y,k)" or "invalid"; numbers have up to
// six significant digits (17 for an exact comparison).
namespace DrawingText {

inline QString num(double v, int digits = 6)
{
    // Below a nanometre is rounding noise, except in an exact comparison.
    return QString::number(digits < 17 && std::abs(v) < 1e-9 ? 0.0 : v, 'g', digits);
}

inline QString color(const QColor& c)
{
    if (!c.isValid())
        return QStringLiteral("invalid");
    if (c.spec() == QColor::Cmyk)
        return QStringLiteral("cmyk(%1,%2,%3,%4)").arg(c.cyan()).arg(c.magenta()).arg(c.yellow()).arg(c.black());
    return c.name();
}

inline QStringList dump(const Document& doc, int digits = 6)
{
    const auto num = [digits](double v) { return DrawingText::num(v, digits); };
    QStringList out;
    auto entry = [&doc](const QUuid& uid) {
        for (int i = doc.colors().size() - 1; i >= 0; --i)
            if (doc.colors()[i]->uid() == uid)
                return QStringLiteral(" C%1").arg(i);
        return uid.isNull() ? QString() : QStringLiteral(" C?");
    };
    for (const KCLayer* l : doc.layers()) {
        out << QStringLiteral("L'%1'%2").arg(l->name(), l->cutEnabled() ? " cut" : "");
        for (const KCObject* o : l->objects()) {
            QString s = QStringLiteral("O ") + color(o->color()) + entry(o->colorUid());
            if (o->isSelected())
                s += QStringLiteral(" sel");
            if (o->left() != 0 || o->top() != 0 || o->right() != 0 || o->bottom() != 0)
                s += QStringLiteral(" box(%1,%2,%3,%4)").arg(num(o->left()), num(o->top()), num(o->right()),
                                                             num(o->bottom()));
            out << s;
            for (const KCSubPath& sp : o->subPaths()) {
                out << (sp.isClosed() ? QStringLiteral("P closed") : QStringLiteral("P"));
                for (const KCNode& n : sp.nodes()) {
                    const bool straight = n.P1X() == n.P0X() && n.P1Y() == n.P0Y() && n.P2X() == n.P3X()
                        && n.P2Y() == n.P3Y();
                    QString s = QStringLiteral("N");
                    for (int p : straight ? QVector<int>{0, 3} : QVector<int>{0, 1, 2, 3})
                        s += QStringLiteral(" %1,%2").arg(num(n.x(p)), num(n.y(p)));
                    out << s + (n.isCorner() ? " corner" : "") + (n.isLine() ? " line" : "");
                }
            }
        }
    }
    for (int i = 0; i < doc.colors().size(); ++i) {
        const KCObjectColor* c = doc.colors()[i];
        QString s = QStringLiteral("C%1 %2").arg(i).arg(color(c->color()));
        s += QString(c->isCmyk() ? " cmyk" : "") + (c->cutEnabled() ? " cut" : "") + (c->usedByMarks() ? " marks" : "");
        if (!c->name().isEmpty() || !c->objectName().isEmpty())
            s += QStringLiteral(" '%1' '%2'").arg(c->name(), c->objectName());
        out << s;
    }
    return out;
}

inline QColor parseColor(const QString& t)
{
    if (t == QLatin1String("invalid"))
        return QColor();
    if (!t.startsWith(QLatin1String("cmyk(")))
        return QColor(t);
    const QStringList v = t.mid(5).chopped(1).split(QLatin1Char(','));
    return QColor::fromCmyk(v.value(0).toInt(), v.value(1).toInt(), v.value(2).toInt(), v.value(3).toInt());
}

// A node from two points (straight: P1 = P0, P2 = P3) or four, as x, y.
inline KCNode node(const QVector<double>& p, bool corner, bool line)
{
    const bool straight = p.size() == 4;
    KCNode n;
    n.setP0(p[0], p[1]);
    n.setP1(p[straight ? 0 : 2], p[straight ? 1 : 3]);
    n.setP2(p[straight ? 2 : 4], p[straight ? 3 : 5]);
    n.setP3(p[p.size() - 2], p[p.size() - 1]);
    n.setIsCorner(corner);
    n.setIsLine(line);
    return n;
}

// Builds a drawing from the text form; "P x,y x,y ..." is a polyline of
// straight corner segments. An object gets the colour-table entry of its
// colour (a new one, cutEnabled, for a colour not yet in the table) unless
// marked "bare"; "C colour" adds an entry no object refers to.
inline void build(Document& doc, const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("L'"))) {
            const int end = line.lastIndexOf(QLatin1Char('\''));
            KCLayer* layer = doc.appendLayer();
            layer->setName(line.mid(2, end - 2));
            layer->setCutEnabled(line.mid(end).contains(QLatin1String("cut")));
            continue;
        }
        const QStringList t = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString kind = t[0];
        QVector<double> pts; // the x,y tokens
        for (const QString& token : t.mid(1))
            if (token.contains(QLatin1Char(',')) && !token.contains(QLatin1Char('(')))
                pts << token.section(QLatin1Char(','), 0, 0).toDouble()
                    << token.section(QLatin1Char(','), 1).toDouble();
        if (kind == QLatin1String("O") || kind == QLatin1String("C")) {
            const QColor c = parseColor(t.value(1));
            const bool bare = t.contains(QLatin1String("bare"));
            KCObjectColor* entry = nullptr;
            for (KCObjectColor* e : doc.colors())
                if (e->color() == c && kind == QLatin1String("O") && !bare)
                    entry = e;
            if (!entry && !bare) {
                entry = doc.appendColor();
                entry->setColor(c);
                entry->setIsCmyk(c.spec() == QColor::Cmyk);
                entry->setCutEnabled(true);
            }
            if (kind == QLatin1String("C"))
                continue;
            KCObject* o = doc.layers().last()->appendObject();
            o->setColor(c);
            o->setColorUid(entry ? entry->uid() : QUuid());
            o->setIsSelected(t.contains(QLatin1String("sel")));
            for (const QString& box : t.filter(QStringLiteral("box("))) {
                const QStringList v = box.mid(4).chopped(1).split(QLatin1Char(','));
                o->setLeft(v.value(0).toDouble());
                o->setTop(v.value(1).toDouble());
                o->setRight(v.value(2).toDouble());
                o->setBottom(v.value(3).toDouble());
            }
            continue;
        }
        KCObject* o = doc.layers().last()->objects().last();
        if (kind == QLatin1String("P")) {
            o->subPaths().append(KCSubPath());
            o->subPaths().last().setIsClosed(t.contains(QLatin1String("closed")));
            for (int i = 0; i + 3 < pts.size(); i += 2)
                o->subPaths().last().nodes().append(node(pts.mid(i, 4), true, true));
        } else {
            Q_ASSERT(kind == QLatin1String("N") && (pts.size() == 4 || pts.size() == 8));
            const bool corner = t.contains(QLatin1String("corner"));
            o->subPaths().last().nodes().append(node(pts, corner, t.contains(QLatin1String("line"))));
        }
    }
}

} // namespace DrawingText
