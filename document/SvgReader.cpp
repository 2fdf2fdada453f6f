#include "document/SvgReader.h"

#include "platform/Logger.h"
#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "document/NumberText.h"

#include <QColor>
#include <QHash>
#include <QSignalBlocker>
#include <QVector>
#include <QXmlStreamReader>

#include <cmath>

namespace SvgReader {

namespace {

struct PathEntry {
    QString d;
    QColor stroke{255, 255, 255};
    QColor fill{255, 255, 255};
};

// Named colours by their text; unknown names ("none") give an invalid
// colour. Cached because a drawing repeats a handful of styles many times.
class ColorNames
{
public:
    QColor color(const QString& name)
    {
        auto it = m_cache.constFind(name);
        if (it == m_cache.constEnd())
            it = m_cache.insert(name, QColor::isValidColor(name) ? QColor(name) : QColor());
        return *it;
    }

private:
    QHash<QString, QColor> m_cache;
};

void parseStyle(const QString& style, PathEntry& entry, ColorNames& names)
{
    const QVector<QStringRef> parts = style.splitRef(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QStringRef& part : parts) {
        const QVector<QStringRef> kv = part.split(QLatin1Char(':'));
        if (kv.size() != 2)
            continue;
        const QString key = kv[0].toString().toLower().trimmed();
        if (key == QLatin1String("stroke"))
            entry.stroke = names.color(kv[1].toString().toLower().trimmed());
        else if (key == QLatin1String("fill"))
            entry.fill = names.color(kv[1].toString().toLower().trimmed());
    }
}

// The root's "inkscape:version" and every path element below the root,
// depth first in document order. Nothing when the text is not XML.
bool collectPaths(const QString& text, QString& version, QVector<PathEntry>& paths)
{
    QXmlStreamReader x(text);
    x.setNamespaceProcessing(false); // names keep their prefixes
    ColorNames names;
    int depth = 0;
    while (!x.atEnd()) {
        const QXmlStreamReader::TokenType t = x.readNext();
        if (t == QXmlStreamReader::EndElement) {
            --depth;
        } else if (t == QXmlStreamReader::StartElement) {
            ++depth;
            if (depth == 1) {
                version = x.attributes().value(QLatin1String("inkscape:version")).toString();
            } else if (x.qualifiedName().compare(QLatin1String("path"), Qt::CaseInsensitive) == 0) {
                const QXmlStreamAttributes a = x.attributes();
                PathEntry e;
                parseStyle(a.value(QLatin1String("style")).toString(), e, names);
                e.d = a.value(QLatin1String("d")).toString();
                paths.append(e);
                x.skipCurrentElement(); // paths are not searched further
                --depth;
            }
        }
    }
    if (x.hasError()) {
        Logger::debug(QStringLiteral("SvgReader: not XML: %1 (line %2)")
                          .arg(x.errorString())
                          .arg(x.lineNumber()));
        version.clear();
        paths.clear();
        return false;
    }
    return true;
}

// Turns the paths into layer, objects, colour entries and segments.
class PathBuilder
{
public:
    PathBuilder(Document& doc, double scale) : m_doc(doc), m_scale(scale) {}

    void add(const PathEntry& path)
    {
        if (m_doc.layers().isEmpty())
            m_doc.appendLayer();
        KCLayer* layer = m_doc.layers().last();
        layer->setCutEnabled(true);
        KCObjectColor* entry = entryFor(path.fill);
        if (!entry) {
            entry = m_doc.appendColor();
            entry->setColor(path.fill);
            entry->setCutEnabled(true);
            remember(entry);
            layer->appendObject();
        }
        if (layer->objects().isEmpty())
            layer->appendObject();
        // A later path of an earlier colour joins the last object and
        // recolours it.
        KCObject* object = layer->objects().last();
        object->setColor(entry->color());
        object->setColorUid(entry->uid());
        walk(path.d, *object);
    }

private:
    enum Command { None, M, L, H, V, C, Z };

    struct Token {
        const QChar* text;
        int length;
    };

    // Entries by colour; this reader adds each colour once, so there is at
    // most one match. Invalid colours (fill none) share one entry.
    KCObjectColor* entryFor(const QColor& c) const
    {
        if (!c.isValid())
            return m_invalidEntry;
        return m_entries.value(key(c), nullptr);
    }
    void remember(KCObjectColor* entry)
    {
        if (!entry->color().isValid())
            m_invalidEntry = entry;
        else
            m_entries.insert(key(entry->color()), entry);
    }
    static quint64 key(const QColor& c) { return quint64(c.rgba64()); }

    static Command commandOf(const Token& t)
    {
        if (t.length != 1)
            return None;
        switch (t.text[0].unicode()) {
        case 'm':
            return M;
        case 'l':
            return L;
        case 'h':
            return H;
        case 'v':
            return V;
        case 'c':
            return C;
        case 'z':
            return Z;
        default:
            return None;
        }
    }

    // "inf" and "nan" read as numbers; a drawing cannot use them.
    double number(const QChar* p, int n) const
    {
        const double v = NumberText::toDouble(p, n);
        return std::isfinite(v) ? v / m_scale : 0.0;
    }
    double number(const Token& t) const { return number(t.text, t.length); }

    // "x,y"; a token without a comma gives y = 0.
    void pair(const Token& t, double& x, double& y) const
    {
        int comma = 0;
        while (comma < t.length && t.text[comma] != QLatin1Char(','))
            ++comma;
        x = number(t.text, comma);
        y = 0;
        if (comma < t.length) {
            const QChar* rest = t.text + comma + 1;
            int n = 0;
            while (n < t.length - comma - 1 && rest[n] != QLatin1Char(','))
                ++n;
            y = number(rest, n);
        }
    }

    void tokenize(const QString& d)
    {
        m_tokens.clear();
        const QChar* p = d.constData();
        const int n = d.size();
        int i = 0;
        while (i < n) {
            while (i < n && p[i] == QLatin1Char(' '))
                ++i;
            const int start = i;
            while (i < n && p[i] != QLatin1Char(' '))
                ++i;
            if (i > start)
                m_tokens.append(Token{p + start, i - start});
        }
    }

    static KCSubPath& currentSubPath(KCObject& o)
    {
        if (o.subPaths().isEmpty())
            o.subPaths().append(KCSubPath());
        return o.subPaths().last();
    }

    static void appendLine(KCObject& o, double x0, double y0, double x1, double y1)
    {
        currentSubPath(o).nodes().append(KCNode::line(x0, y0, x1, y1));
    }

    // Closes the last sub-path with a line back to its start unless it ends
    // there already; isClosed stays as it is.
    static void close(KCObject& o)
    {
        if (o.subPaths().isEmpty() || o.subPaths().last().nodes().isEmpty())
            return;
        const QVector<KCNode>& nodes = o.subPaths().last().nodes();
        const KCNode& first = nodes.first();
        const KCNode& last = nodes.last();
        if (last.P3X() != first.P0X() || last.P3Y() != first.P0Y())
            appendLine(o, last.P3X(), last.P3Y(), first.P0X(), first.P0Y());
    }

    // Every step consumes at least one token, so the walk always ends. Data
    // the commands cannot use (before the first command, after "z", or too
    // few tokens at the end) is skipped.
    void walk(const QString& d, KCObject& o)
    {
        const QString lower = d.toLower();
        tokenize(lower);
        const int n = m_tokens.size();
        Command cmd = None;
        double cx = 0, cy = 0;
        int i = 0;
        while (i < n) {
            const Command letter = commandOf(m_tokens[i]);
            if (letter != None) {
                cmd = letter;
                ++i;
            } else if (cmd == M) {
                cmd = L; // coordinates after a move are line targets
            } else if (cmd == None || cmd == Z) {
                ++i;
                continue;
            }
            switch (cmd) {
            case None:
                break;
            case Z:
                close(o);
                break;
            case M:
                if (i < n) {
                    o.subPaths().append(KCSubPath());
                    pair(m_tokens[i++], cx, cy);
                }
                break;
            case L:
                if (i < n) {
                    double x, y;
                    pair(m_tokens[i++], x, y);
                    appendLine(o, cx, cy, x, y);
                    cx = x;
                    cy = y;
                }
                break;
            case H:
                if (i < n) {
                    const double x = number(m_tokens[i++]);
                    appendLine(o, cx, cy, x, cy);
                    cx = x;
                }
                break;
            case V:
                if (i < n) {
                    const double y = number(m_tokens[i++]);
                    appendLine(o, cx, cy, cx, y);
                    cy = y;
                }
                break;
            case C:
                if (i + 2 < n) {
                    KCNode node;
                    double x, y;
                    node.setP0(cx, cy);
                    pair(m_tokens[i], x, y);
                    node.setP1(x, y);
                    pair(m_tokens[i + 1], x, y);
                    node.setP2(x, y);
                    pair(m_tokens[i + 2], cx, cy);
                    node.setP3(cx, cy);
                    currentSubPath(o).nodes().append(node);
                    i += 3;
                } else {
                    i = n; // a curve without all three points
                }
                break;
            }
        }
    }

    Document& m_doc;
    const double m_scale;
    QHash<quint64, KCObjectColor*> m_entries;
    KCObjectColor* m_invalidEntry = nullptr;
    QVector<Token> m_tokens;
};

// Moves the drawing to the origin and takes its size as the job size.
void finish(Document& doc)
{
    double left = doc.minX(), top = doc.minY(), right = doc.maxX(), bottom = doc.maxY();
    doc.refineExtentByCurves(left, top, right, bottom);
    for (KCLayer* l : doc.layers())
        for (KCObject* o : l->objects())
            for (KCSubPath& s : o->subPaths())
                for (KCNode& n : s.nodes())
                    for (int p = 0; p < 4; ++p)
                        n.setPoint(p, n.x(p) - left, n.y(p) - top);
    const QSignalBlocker blocker(&doc);
    doc.setDrawingSize(right - left, bottom - top);
    doc.setUsePassermarks(false);
    doc.setSameDistance(true);
    doc.setRight(5);
    doc.setBottom(5);
}

} // namespace

double scaleForVersion(const QString& inkscapeVersion)
{
    const QString first = inkscapeVersion.split(QLatin1Char(' ')).first();
    const QStringList parts = first.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return 1.0;
    const bool old = parts[0].toInt() == 0 && parts[1].toInt() < 92;
    return old ? 3.54331 : 1.0;
}

void read(Document& doc, const QString& svgText)
{
    QString version;
    QVector<PathEntry> paths;
    collectPaths(svgText, version, paths);
    const double scale = scaleForVersion(version);
    Logger::debug(QStringLiteral("SvgReader: Inkscape version \"%1\", %2 paths, scale %3")
                      .arg(version)
                      .arg(paths.size())
                      .arg(scale));
    doc.clear();
    PathBuilder builder(doc, scale);
    for (const PathEntry& p : qAsConst(paths))
        builder.add(p);
    finish(doc);
    doc.notifyChanged();
}

} // namespace SvgReader
