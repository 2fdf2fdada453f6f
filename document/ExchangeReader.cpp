#include "document/ExchangeReader.h"

#include "document/ColorTableIndex.h"
#include "document/Document.h"
#include "document/ExchangeNumbers.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

#include <QColor>

#include <algorithm>

namespace ExchangeReader {

namespace {

// The entries as the rules see them: simplified and trimmed. The start-up
// normalisation has already done that except for the appended "\n", so
// only entries from elsewhere are rewritten; the others are looked at
// through a view without their line break, which saves a copy of every line
// of a large file.
class Lines
{
public:
    explicit Lines(QStringList& raw) : m_raw(raw)
    {
        for (int i = 0; i < raw.size(); ++i)
            if (!inForm(raw.at(i)))
                raw[i] = raw.at(i).simplified();
    }

    int size() const { return m_raw.size(); }

    // Past the end: the empty string.
    QStringView at(int i) const
    {
        if (i < 0 || i >= m_raw.size())
            return QStringView();
        const QString& s = m_raw.at(i);
        const int n = s.size();
        return QStringView(s.constData(), n > 0 && s.at(n - 1) == QLatin1Char('\n') ? n - 1 : n);
    }

private:
    // Simplified, optionally followed by one "\n".
    static bool inForm(const QString& s)
    {
        qsizetype n = s.size();
        if (n > 0 && s.at(n - 1) == QLatin1Char('\n'))
            --n;
        if (n == 0)
            return true;
        const QChar* p = s.constData();
        if (p[0].isSpace() || p[n - 1].isSpace())
            return false;
        for (qsizetype i = 1; i < n - 1; ++i) {
            if (p[i] == QLatin1Char(' ')) {
                if (p[i - 1] == QLatin1Char(' '))
                    return false;
            } else if (p[i].isSpace()) {
                return false;
            }
        }
        return true;
    }

    QStringList& m_raw;
};

bool startsWith(QStringView line, const char16_t* prefix)
{
    return line.startsWith(QStringView(prefix));
}

bool isNodeLine(QStringView line)
{
    if (line.size() < 2 || line[1] != QLatin1Char(' '))
        return false;
    const char16_t c = line[0].unicode();
    return c == u'S' || c == u'C' || c == u'L' || c == u'K';
}

class Reader
{
public:
    Reader(Document& doc, const Lines& lines) : m_doc(doc), m_lines(lines), m_colors(doc.colors()) {}

    void readAll()
    {
        m_corel = m_lines.at(0).contains(QStringView(u"CorelDraw"));
        for (int i = 0; i < m_lines.size(); ++i)
            readLine(i);
    }

    bool handleShift() const { return m_handleShift; }

private:
    void readLine(int i)
    {
        const QStringView line = m_lines.at(i);
        if (line.size() < 2)
            return;
        if (line[1] == QLatin1Char(' ')) {
            switch (line[0].unicode()) {
            case u'S':
            case u'C':
                addNode(line, NodeKind::Curve);
                return;
            case u'L':
                m_handleShift = true;
                addNode(line, NodeKind::Line);
                return;
            case u'K':
                m_handleShift = true;
                addNode(line, NodeKind::Long);
                return;
            default:
                return;
            }
        }
        if (startsWith(line, u"KCEbene")) {
            m_layer = m_doc.appendLayer();
            m_layer->setCutEnabled(true);
            m_layer->setName(m_lines.at(i + 1).toString());
            m_object = nullptr;
            m_subPath = nullptr;
        } else if (startsWith(line, u"Layer:")) {
            if (m_layer)
                m_layer->setName(line.mid(6).trimmed().toString());
        } else if (startsWith(line, u"KCObjekt")) {
            if (m_layer) {
                m_object = m_layer->appendObject();
                m_subPath = nullptr;
            }
        } else if (startsWith(line, u"KCAuswahl")) {
            if (m_object)
                m_object->setIsSelected(
                    m_lines.at(i + 1).toString().toLower().startsWith(QLatin1String("ja")));
        } else if (startsWith(line, u"KCKoordinaten")) {
            readBoundingBox(m_lines.at(i + 1));
        } else if (startsWith(line, u"KCFuellfarbe")) {
            readFillColor(i);
        } else if (startsWith(line, u"KCStart")) {
            if (m_object) {
                m_object->subPaths().append(KCSubPath());
                m_subPath = &m_object->subPaths().last();
                m_subPath->nodes().reserve(nodeLinesAfter(i));
            }
        } else if (startsWith(line, u"KCGeschlossen")) {
            if (m_subPath)
                m_subPath->setIsClosed(m_lines.at(i + 1).startsWith(QStringView(u"ja")));
        }
        // "KCSeite" and "KCEnde" only mark the structure.
    }

    // Node lines that follow a "KCStart" before the next structure keyword:
    // the sub-path's size, so its segments are allocated once.
    int nodeLinesAfter(int i) const
    {
        int count = 0;
        for (int k = i + 1; k < m_lines.size(); ++k) {
            const QStringView l = m_lines.at(k);
            if (isNodeLine(l))
                ++count;
            else if (startsWith(l, u"KC") && !startsWith(l, u"KCGeschlossen"))
                break;
        }
        return count;
    }

    void readBoundingBox(QStringView values)
    {
        if (!m_object)
            return;
        QStringView t[4];
        if (ExchangeNumbers::split(values, t, 4) < 4)
            return;
        // As the host delivers it, y up; the box is informative only.
        m_object->setLeft(ExchangeNumbers::toDouble(t[0]));
        m_object->setTop(ExchangeNumbers::toDouble(t[1]));
        m_object->setRight(ExchangeNumbers::toDouble(t[2]));
        m_object->setBottom(ExchangeNumbers::toDouble(t[3]));
    }

    static int component(QStringView field)
    {
        return std::clamp(ExchangeNumbers::toInt(field), 0, 255);
    }

    void readFillColor(int i)
    {
        if (!m_object)
            return;
        QColor color(255, 255, 255);
        bool cmyk = false;
        QStringView t[4];
        if (m_corel) {
            if (ExchangeNumbers::split(m_lines.at(i + 1), t, 3) < 3)
                return;
            color = QColor(component(t[0]), component(t[1]), component(t[2]));
        } else {
            const QStringView kind = m_lines.at(i + 1);
            if (kind.startsWith(QStringView(u"RGB"))) {
                if (ExchangeNumbers::split(m_lines.at(i + 2), t, 3) < 3)
                    return;
                color = QColor(component(t[0]), component(t[1]), component(t[2]));
            } else if (kind.startsWith(QStringView(u"CMYK"))) {
                if (ExchangeNumbers::split(m_lines.at(i + 2), t, 4) < 4)
                    return;
                color = QColor::fromCmyk(component(t[0]), component(t[1]), component(t[2]),
                                         component(t[3]));
                cmyk = true;
            }
        }
        m_object->setColor(color);

        KCObjectColor* entry = m_colors.lastWithColor(color);
        if (!entry) {
            entry = m_doc.appendColor();
            entry->setColor(color);
            entry->setIsCmyk(cmyk);
            entry->setCutEnabled(true);
            entry->setName(QStringLiteral("unbenannt"));
            entry->setObjectName(QStringLiteral("Unbenannt"));
            m_colors.add(entry);
        }
        m_object->setColorUid(entry->uid());
    }

    enum class NodeKind { Curve, Line, Long };

    // One anchor; P3 and the final P2 come from the finishing pass. y is
    // negated: hosts count upwards, the document downwards.
    void addNode(QStringView line, NodeKind kind)
    {
        if (!m_subPath)
            return;
        QStringView t[10];
        const int needed = kind == NodeKind::Curve ? 6 : kind == NodeKind::Line ? 4 : 10;
        if (ExchangeNumbers::split(line.mid(2), t, 10) < needed)
            return;
        auto num = [&t](int k) { return ExchangeNumbers::toDouble(t[k]); };
        KCNode n;
        n.setP0(num(0), -num(1));
        switch (kind) {
        case NodeKind::Curve:
            n.setP1(num(4), -num(5));
            n.setP2(num(2), -num(3));
            break;
        case NodeKind::Line:
            n.setP1(n.P0X(), n.P0Y());
            n.setP2(num(2), -num(3));
            break;
        case NodeKind::Long:
            n.setP1(num(4), -num(5));
            n.setP2(num(8), -num(9));
            break;
        }
        m_subPath->nodes().append(n);
    }

    Document& m_doc;
    const Lines& m_lines;
    ColorTableIndex m_colors;
    KCLayer* m_layer = nullptr;     // the last layer
    KCObject* m_object = nullptr;   // the last object of the last layer
    KCSubPath* m_subPath = nullptr; // the last sub-path of that object
    bool m_corel = false;
    bool m_handleShift = false;
};

bool samePoint(const KCNode& n, int a, int b) { return n.x(a) == n.x(b) && n.y(a) == n.y(b); }

// Turns the anchors of one sub-path into segments: anchor i's node becomes
// the segment from anchor i to anchor i+1 (or back to the first when closed).
void buildSegments(KCSubPath& sp, bool handleShift)
{
    QVector<KCNode>& v = sp.nodes();
    const int count = v.size();
    if (count == 0)
        return;
    KCNode* nodes = v.data();
    if (handleShift) {
        // Illustrator writes a segment's second control point on the line
        // of its start anchor; move it to the node of its end anchor, where
        // the Corel form has it.
        const double lastX = nodes[count - 1].P2X(), lastY = nodes[count - 1].P2Y();
        for (int i = count - 1; i > 0; --i)
            nodes[i].setP2(nodes[i - 1].P2X(), nodes[i - 1].P2Y());
        nodes[0].setP2(lastX, lastY);
    }
    for (int i = 0; i < count; ++i)
        nodes[i].setIsCorner(samePoint(nodes[i], 1, 0) && samePoint(nodes[i], 2, 0));

    const KCNode first = nodes[0];
    for (int i = 0; i < count - 1; ++i) {
        nodes[i].setP3(nodes[i + 1].P0X(), nodes[i + 1].P0Y());
        nodes[i].setP2(nodes[i + 1].P2X(), nodes[i + 1].P2Y());
    }
    if (sp.isClosed()) {
        nodes[count - 1].setP3(first.P0X(), first.P0Y());
        nodes[count - 1].setP2(first.P2X(), first.P2Y());
    }
    for (int i = 0; i < count; ++i)
        nodes[i].setIsLine(nodes[i].isCorner() && nodes[(i + 1) % count].isCorner());
    if (!sp.isClosed())
        v.removeLast(); // the last anchor of an open path starts no segment
}

void finishPaths(Document& doc, bool handleShift)
{
    auto empty = [](const KCSubPath& sp) { return sp.nodes().isEmpty(); };
    for (KCLayer* layer : doc.layers())
        for (KCObject* o : layer->objects()) {
            QVector<KCSubPath>& paths = o->subPaths();
            // A sub-path without any anchor breaks the format and is dropped.
            // An open one of a single anchor is valid and stays, without
            // segments: it is still the object's first sub-path, the one a
            // registration mark is measured on.
            paths.erase(std::remove_if(paths.begin(), paths.end(), empty), paths.end());
            for (KCSubPath& sp : paths)
                buildSegments(sp, handleShift);
        }
}

void moveToOrigin(Document& doc)
{
    double x0 = doc.minX(), y0 = doc.minY();
    doc.refineLowerExtentByCurves(x0, y0);
    if (doc.marksFound()) {
        // The origin sits on the middle of the marks' line.
        const float half = float(doc.passerThickness()) / 2.0f;
        x0 += half;
        y0 += half;
    }
    for (KCLayer* layer : doc.layers())
        for (KCObject* o : layer->objects())
            for (KCSubPath& sp : o->subPaths())
                for (KCNode& n : sp.nodes())
                    for (int p = 0; p < 4; ++p)
                        n.setPoint(p, n.x(p) - x0, n.y(p) - y0);
}

} // namespace

void read(Document& doc, QStringList lines)
{
    doc.clear();
    const Lines view(lines);
    Reader reader(doc, view);
    reader.readAll();
    finishPaths(doc, reader.handleShift());

    doc.completeColorTable();
    doc.ReadAdobeIllustratorPasserMarks();
    moveToOrigin(doc);
    doc.updateDrawingExtent();
    doc.applyExchangeImportDefaults();
    doc.notifyChanged();
}

} // namespace ExchangeReader
