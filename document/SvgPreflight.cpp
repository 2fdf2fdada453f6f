#include "document/SvgPreflight.h"

#include <QColor>
#include <QPainterPath>
#include <QTransform>

#include <cmath>

#include <algorithm>
#include <cstring>

namespace SvgPreflight {

const char* const LayerSeparator =
    "<path d=\"M-7.77,-7.77H-7.76\" style=\"fill:none;stroke:#fe01fe;stroke-width:0.5\"/>";

bool isLayerSeparator(const QPainterPath& path, const QColor& color)
{
    auto at = [&](int i, double x) {
        const QPainterPath::Element& e = path.elementAt(i);
        return std::abs(e.x - x) < 1e-9 && std::abs(e.y + 7.77) < 1e-9;
    };
    return color == QColor(0xfe, 0x01, 0xfe) && path.elementCount() == 2 && at(0, -7.77) && at(1, -7.76);
}

namespace {

struct Attribute {
    int nameStart, nameEnd, valueStart, valueEnd; // value without its quotes
};

// What happens to an element's end tag.
struct Open {
    QByteArray endReplacement; // empty: left as it is
    // A text element: its attributes without id and position, for the
    // separate text each further line becomes, and the lines seen so far.
    bool text = false;
    QByteArray textAttributes, x;
    int lines = 0;
};

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

QString decodeEntities(QString s)
{
    if (!s.contains(QLatin1Char('&')))
        return s;
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&apos;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

class Scanner
{
public:
    Scanner(const QByteArray& in, bool keepText)
        : m_in(in), s(in.constData()), n(in.size()), m_keepText(keepText)
    {
    }

    Result run()
    {
        int pos = 0;
        while (pos < n && !m_stop) {
            const char* lt = static_cast<const char*>(std::memchr(s + pos, '<', size_t(n - pos)));
            const int p = lt ? int(lt - s) : n;
            characters(pos, p);
            if (p >= n)
                break;
            if (startsWith(p, "<!--")) {
                pos = after(p + 4, "-->");
            } else if (startsWith(p, "<![CDATA[")) {
                const int e = find(p + 9, "]]>");
                characters(p + 9, e < 0 ? n : e);
                pos = e < 0 ? n : e + 3;
            } else if (startsWith(p, "<?")) {
                pos = after(p + 2, "?>");
            } else if (startsWith(p, "<!")) {
                pos = skipDeclaration(p);
            } else if (startsWith(p, "</")) {
                pos = endTag(p);
            } else {
                pos = startTag(p);
            }
        }
        finishOutput();
        return std::move(m_result);
    }

private:
    bool startsWith(int p, const char* t) const
    {
        const int len = int(std::strlen(t));
        return p + len <= n && std::memcmp(s + p, t, size_t(len)) == 0;
    }
    int find(int from, const char* t) const
    {
        const int i = m_in.indexOf(t, from);
        return i;
    }
    int after(int from, const char* t) const
    {
        const int i = find(from, t);
        return i < 0 ? n : i + int(std::strlen(t));
    }
    // <!DOCTYPE …> with an optional internal subset in brackets.
    int skipDeclaration(int p) const
    {
        int depth = 0;
        for (int i = p + 2; i < n; ++i) {
            if (s[i] == '[')
                ++depth;
            else if (s[i] == ']')
                --depth;
            else if (s[i] == '>' && depth <= 0)
                return i + 1;
        }
        return n;
    }

    QByteArray bytes(int from, int to) const { return QByteArray(s + from, to - from); }
    QString value(const Attribute& a) const
    {
        return decodeEntities(QString::fromUtf8(s + a.valueStart, a.valueEnd - a.valueStart));
    }
    bool nameIs(const Attribute& a, const char* name) const
    {
        const int len = int(std::strlen(name));
        return a.nameEnd - a.nameStart == len && std::memcmp(s + a.nameStart, name, size_t(len)) == 0;
    }
    const Attribute* attribute(const char* name) const
    {
        for (const Attribute& a : m_attributes)
            if (nameIs(a, name))
                return &a;
        return nullptr;
    }
    QString attributeValue(const char* name) const
    {
        const Attribute* a = attribute(name);
        return a ? value(*a) : QString();
    }

    // The style attribute's declarations as name and value.
    QVector<QPair<QByteArray, QByteArray>> styleDeclarations() const
    {
        QVector<QPair<QByteArray, QByteArray>> out;
        const Attribute* style = attribute("style");
        if (!style)
            return out;
        for (const QByteArray& d : bytes(style->valueStart, style->valueEnd).split(';')) {
            const int colon = d.indexOf(':');
            if (colon > 0)
                out.append({d.left(colon).trimmed(), d.mid(colon + 1).trimmed()});
        }
        return out;
    }

    void characters(int from, int to)
    {
        if (to > from && m_textList)
            m_textBytes.append(s + from, to - from);
    }

    // Reads name and attributes of the tag at p; returns the end (after '>').
    int readTag(int p, int& nameStart, int& nameEnd, bool& selfClosing)
    {
        m_attributes.clear();
        int i = p + 1;
        nameStart = i;
        while (i < n && !isSpace(s[i]) && s[i] != '/' && s[i] != '>')
            ++i;
        nameEnd = i;
        selfClosing = false;
        while (i < n) {
            while (i < n && isSpace(s[i]))
                ++i;
            if (i >= n)
                break;
            if (s[i] == '>')
                return i + 1;
            if (s[i] == '/') {
                selfClosing = true;
                ++i;
                continue;
            }
            Attribute a;
            a.nameStart = i;
            while (i < n && s[i] != '=' && !isSpace(s[i]) && s[i] != '>' && s[i] != '/')
                ++i;
            a.nameEnd = i;
            while (i < n && isSpace(s[i]))
                ++i;
            if (i >= n || s[i] != '=')
                continue; // a lone name: not XML, the renderer will say so
            ++i;
            while (i < n && isSpace(s[i]))
                ++i;
            if (i >= n || (s[i] != '"' && s[i] != '\''))
                continue;
            const char quote = s[i++];
            const char* close = static_cast<const char*>(std::memchr(s + i, quote, size_t(n - i)));
            a.valueStart = i;
            a.valueEnd = close ? int(close - s) : n;
            i = a.valueEnd + 1;
            m_attributes.append(a);
        }
        return n;
    }

    static QByteArray localName(const QByteArray& name)
    {
        const int colon = name.indexOf(':');
        return colon < 0 ? name : name.mid(colon + 1);
    }

    int startTag(int p)
    {
        int nameStart, nameEnd;
        bool selfClosing;
        const int end = readTag(p, nameStart, nameEnd, selfClosing);
        if (m_skip > 0) {
            if (!selfClosing)
                ++m_skip;
            return end;
        }
        const QByteArray local = localName(bytes(nameStart, nameEnd));
        if (!m_rootSeen) {
            m_rootSeen = true;
            root(local);
            m_stack.append(Open());
            return end;
        }
        const bool unsupportedText = local == "flowRoot" || local == "textPath";
        const bool textWithoutFont = local == "text" && !m_keepText;
        if (local == "clipPath" || local == "mask" || local == "marker" || local == "pattern"
            || local == "foreignObject" || local == "script" || unsupportedText || textWithoutFont) {
            m_stripStart = p;
            m_textBytes.clear();
            if (unsupportedText)
                m_textList = &m_result.unsupportedText;
            else if (textWithoutFont)
                m_textList = &m_result.textWithoutFont;
            if (selfClosing)
                stripEnd(end);
            else
                m_skip = 1;
            return end;
        }
        if (local == "image")
            ++m_result.images;
        for (const Attribute& a : m_attributes) {
            if ((nameIs(a, "filter") && value(a).trimmed() != QLatin1String("none"))
                || (nameIs(a, "style") && value(a).contains(QLatin1String("filter:url"))))
                m_result.filters = true;
            if (((nameIs(a, "clip-path") || nameIs(a, "mask")) && value(a).trimmed() != QLatin1String("none"))
                || (nameIs(a, "style")
                    && (value(a).contains(QLatin1String("clip-path:url")) || value(a).contains(QLatin1String("mask:url")))))
                m_result.clipped = true;
        }

        const QVector<QPair<QByteArray, QByteArray>> style = styleDeclarations();
        auto styled = [&](const Attribute& a) {
            for (const auto& d : style)
                if (nameIs(a, d.first.constData()))
                    return true;
            return false;
        };
        const bool attributeAndStyle = std::any_of(m_attributes.begin(), m_attributes.end(), styled);

        Open open;
        QByteArray newName;
        QByteArray before, extra, selfClosingTail;
        const bool nestedSvg = local == "svg";
        if (local == "symbol") {
            newName = "g";
            before = "<defs>";
            open.endReplacement = "</g></defs>";
            selfClosingTail = "</defs>";
        } else if (local == "a" || nestedSvg) {
            newName = "g";
            open.endReplacement = "</g>";
        }
        if (nestedSvg)
            extra += placement();
        if (m_stack.size() == 1)
            layerStart(p, local);
        if (local == "text") {
            rememberText(open);
            m_result.hasText = true;
        }
        else if (local == "tspan" && !m_stack.isEmpty() && m_stack.last().text)
            lineBreak(p, m_stack.last());

        if (!newName.isEmpty() || !extra.isEmpty() || !before.isEmpty() || attributeAndStyle) {
            QByteArray tag = before + '<' + (newName.isEmpty() ? bytes(nameStart, nameEnd) : newName) + extra;
            for (const Attribute& a : m_attributes) {
                if (nestedSvg && (nameIs(a, "x") || nameIs(a, "y") || nameIs(a, "width") || nameIs(a, "height")
                                  || nameIs(a, "viewBox") || nameIs(a, "preserveAspectRatio")))
                    continue;
                if (styled(a))
                    continue;
                tag += ' ';
                tag.append(s + a.nameStart, a.valueEnd + 1 - a.nameStart);
            }
            tag += selfClosing ? "/>" : ">";
            if (selfClosing)
                tag += selfClosingTail;
            edit(p, end, tag);
        }
        if (!selfClosing)
            m_stack.append(open);
        return end;
    }

    int endTag(int p)
    {
        const char* gt = static_cast<const char*>(std::memchr(s + p, '>', size_t(n - p)));
        const int end = gt ? int(gt - s) + 1 : n;
        if (m_skip > 0) {
            if (--m_skip == 0)
                stripEnd(end);
            return end;
        }
        if (m_stack.isEmpty())
            return end;
        const Open open = m_stack.takeLast();
        if (!open.endReplacement.isEmpty())
            edit(p, end, open.endReplacement);
        if (m_stack.isEmpty())
            m_stop = true; // after the root: nothing more to draw
        return end;
    }

    void stripEnd(int end)
    {
        edit(m_stripStart, end, QByteArray());
        if (m_textList) {
            const QString t = decodeEntities(QString::fromUtf8(m_textBytes).simplified());
            if (!t.isEmpty())
                m_textList->append(t);
            m_textBytes.clear();
            m_textList = nullptr;
        }
    }

    void root(const QByteArray& local)
    {
        if (local != "svg") {
            m_stop = true;
            return;
        }
        m_result.isSvg = true;
        SvgViewport& v = m_result.viewport;
        v.width = attributeValue("width");
        v.height = attributeValue("height");
        v.viewBox = attributeValue("viewBox");
        v.preserveAspectRatio = attributeValue("preserveAspectRatio");
        // Before 0.92 Inkscape counted 90 px to the inch.
        const QStringList version =
            attributeValue("inkscape:version").split(QLatin1Char(' ')).value(0).split(QLatin1Char('.'));
        v.legacy90Dpi = version.size() >= 2 && version[0].toInt() == 0 && version[1].toInt() < 92;
    }

    // A nested svg as the transform that places its content.
    QByteArray placement() const
    {
        SvgViewport inner;
        inner.width = attributeValue("width");
        inner.height = attributeValue("height");
        inner.viewBox = attributeValue("viewBox");
        inner.preserveAspectRatio = attributeValue("preserveAspectRatio");
        const double px = 1.0 / inner.mmPerPx();
        const QTransform m = inner.userToMm() * QTransform::fromScale(px, px)
            * QTransform::fromTranslate(attributeValue("x").toDouble(), attributeValue("y").toDouble());
        return " transform=\"matrix(" + QByteArray::number(m.m11(), 'g', 17) + ' '
            + QByteArray::number(m.m12(), 'g', 17) + ' ' + QByteArray::number(m.m21(), 'g', 17) + ' '
            + QByteArray::number(m.m22(), 'g', 17) + ' ' + QByteArray::number(m.dx(), 'g', 17) + ' '
            + QByteArray::number(m.dy(), 'g', 17) + ")\"";
    }

    void rememberText(Open& open) const
    {
        open.text = true;
        for (const Attribute& a : m_attributes) {
            if (nameIs(a, "x"))
                open.x = bytes(a.valueStart, a.valueEnd);
            if (nameIs(a, "id") || nameIs(a, "x") || nameIs(a, "y") || nameIs(a, "dx") || nameIs(a, "dy"))
                continue;
            open.textAttributes += ' ';
            open.textAttributes.append(s + a.nameStart, a.valueEnd + 1 - a.nameStart);
        }
    }

    // The renderer sets all tspans of a text on one line, ignoring their own
    // positions; Inkscape writes each line of a text as such a tspan. From
    // the second positioned tspan on, a new text starts at its position.
    void lineBreak(int p, Open& text)
    {
        const Attribute* x = attribute("x");
        const Attribute* y = attribute("y");
        if (!x && !y)
            return;
        if (text.lines++ == 0)
            return;
        QByteArray split = "</text><text" + text.textAttributes;
        split += " x=\"" + (x ? bytes(x->valueStart, x->valueEnd) : text.x) + '"';
        if (y)
            split += " y=\"" + bytes(y->valueStart, y->valueEnd) + '"';
        split += '>';
        edit(p, p, split);
    }

    // A drawable child of the root starts a layer when it is a group or
    // the first shape after one; a separator in front tells the capture.
    void layerStart(int p, const QByteArray& local)
    {
        static const char* const drawable[] = {"g",    "a",        "switch",  "svg",  "path",
                                               "rect", "circle",   "ellipse", "line", "polyline",
                                               "polygon", "text", "use",     "image"};
        bool isDrawable = false;
        for (const char* d : drawable)
            isDrawable = isDrawable || local == d;
        if (!isDrawable)
            return;
        const bool group = local == "g" || local == "a" || local == "switch" || local == "svg";
        if (!group && m_previousWasShape)
            return;
        m_previousWasShape = !group;
        QString name;
        if (group) {
            name = attributeValue("inkscape:label");
            if (name.isEmpty())
                name = attributeValue("id");
        }
        m_result.layerNames << name;
        edit(p, p, LayerSeparator);
    }

    void edit(int from, int to, const QByteArray& replacement)
    {
        m_result.text.append(s + m_copied, from - m_copied);
        m_result.text.append(replacement);
        m_copied = to;
        m_edited = true;
    }

    void finishOutput()
    {
        if (!m_edited) {
            m_result.text = m_in;
            return;
        }
        m_result.text.append(s + m_copied, n - m_copied);
    }
    const QByteArray& m_in;
    const char* s;
    const int n;
    Result m_result;
    QVector<Attribute> m_attributes;
    QVector<Open> m_stack;
    bool m_rootSeen = false, m_stop = false, m_edited = false;
    bool m_previousWasShape = false;
    int m_copied = 0;
    int m_skip = 0, m_stripStart = 0;
    const bool m_keepText;
    QStringList* m_textList = nullptr; // where the stripped element's text goes
    QByteArray m_textBytes;
};

} // namespace

Result prepare(const QByteArray& svg, bool keepText)
{
    return Scanner(svg, keepText).run();
}

} // namespace SvgPreflight
