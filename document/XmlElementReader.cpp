#include "document/XmlElementReader.h"

#include "document/NumberText.h"

#include <cstring>

XmlElementReader::Token XmlElementReader::skipElement()
{
    for (int depth = 1;;) {
        const Token t = next();
        if (t == StartElement)
            ++depth;
        else if (t != EndElement)
            return t;
        else if (--depth == 0)
            return t;
    }
}

// ---------------------------------------------------------------------------
// FastXmlElementReader

namespace {

inline bool isBlank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

// Colons are left to QXmlStreamReader, which checks prefixed names even
// without namespace processing.
inline bool isNameStart(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

inline bool isNameChar(unsigned char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

inline bool isXmlChar(uint u)
{
    return u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u <= 0xD7FF)
        || (u >= 0xE000 && u <= 0xFFFD) || (u >= 0x10000 && u <= 0x10FFFF);
}

// Bytes that end a run of ordinary attribute-value characters.
struct ValueByteTable {
    bool special[256];
    constexpr ValueByteTable() : special()
    {
        for (int c = 0; c < 256; ++c)
            special[c] = c < 0x20 || c >= 0x80 || c == '"' || c == '\'' || c == '<' || c == '&';
    }
};
constexpr ValueByteTable valueBytes;

// One UTF-8 sequence at p (lead byte ≥ 0x80): its length, or 0 when it is
// not a well-formed encoding of an XML character.
int utf8Length(const unsigned char* p, const unsigned char* end)
{
    const unsigned c = p[0];
    int n;
    uint u;
    unsigned lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        u = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        u = c & 0x0F;
        if (c == 0xE0)
            lo = 0xA0;
        if (c == 0xED)
            hi = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        u = c & 0x07;
        if (c == 0xF0)
            lo = 0x90;
        if (c == 0xF4)
            hi = 0x8F;
    } else {
        return 0;
    }
    if (end - p < n)
        return 0;
    for (int i = 1; i < n; ++i) {
        const unsigned b = p[i];
        if (b < lo || b > hi)
            return 0;
        lo = 0x80;
        hi = 0xBF;
        u = (u << 6) | (b & 0x3F);
    }
    return isXmlChar(u) ? n : 0;
}

// A reference after "&" at p: its length through ";" and its character,
// or 0 when it is not one of the predefined entities or a valid character
// reference.
int referenceLength(const char* p, const char* end, uint& u)
{
    static const struct {
        const char* text;
        char c;
    } named[] = {{"lt;", '<'}, {"gt;", '>'}, {"amp;", '&'}, {"apos;", '\''}, {"quot;", '"'}};
    for (const auto& e : named) {
        const int n = int(std::strlen(e.text));
        if (end - p >= n && std::memcmp(p, e.text, size_t(n)) == 0) {
            u = uint(uchar(e.c));
            return n;
        }
    }
    if (p >= end || *p != '#')
        return 0;
    const char* q = p + 1;
    const bool hex = q < end && *q == 'x';
    if (hex)
        ++q;
    const char* digits = q;
    u = 0;
    while (q < end && q - digits < 8) {
        const char c = *q;
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            break;
        u = u * (hex ? 16 : 10) + uint(d);
        ++q;
    }
    if (q == digits || q >= end || *q != ';' || !isXmlChar(u))
        return 0;
    return int(q + 1 - p);
}

void appendUtf8(QByteArray& out, uint u)
{
    if (u < 0x80) {
        out += char(u);
    } else if (u < 0x800) {
        out += char(0xC0 | (u >> 6));
        out += char(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += char(0xE0 | (u >> 12));
        out += char(0x80 | ((u >> 6) & 0x3F));
        out += char(0x80 | (u & 0x3F));
    } else {
        out += char(0xF0 | (u >> 18));
        out += char(0x80 | ((u >> 12) & 0x3F));
        out += char(0x80 | ((u >> 6) & 0x3F));
        out += char(0x80 | (u & 0x3F));
    }
}

} // namespace

FastXmlElementReader::FastXmlElementReader(const char* data, qint64 size)
    : m_pos(data), m_end(data + size), m_state(StartElement)
{
    if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
        m_pos += 3;
    m_attributes.reserve(16);
    m_open.reserve(16);
}

bool FastXmlElementReader::skipBlanks()
{
    const char* start = m_pos;
    while (m_pos < m_end && isBlank(*m_pos))
        ++m_pos;
    return m_pos != start;
}

bool FastXmlElementReader::readName(Span& name)
{
    const char* start = m_pos;
    if (m_pos >= m_end || !isNameStart(uchar(*m_pos)))
        return false;
    ++m_pos;
    while (m_pos < m_end && isNameChar(uchar(*m_pos)))
        ++m_pos;
    // A non-ASCII byte or a colon inside a name is beyond this reader.
    if (m_pos < m_end && (uchar(*m_pos) >= 0x80 || *m_pos == ':'))
        return false;
    name = Span{start, int(m_pos - start)};
    return true;
}

bool FastXmlElementReader::readAttributeValue(Attribute& a)
{
    if (m_pos >= m_end || (*m_pos != '"' && *m_pos != '\''))
        return false;
    const char quote = *m_pos++;
    const char* start = m_pos;
    a.plain = true;
    for (;;) {
        while (m_pos < m_end && !valueBytes.special[uchar(*m_pos)])
            ++m_pos;
        if (m_pos >= m_end)
            return false;
        const uchar c = uchar(*m_pos);
        if (c == uchar(quote))
            break;
        if (c == '"' || c == '\'') {
            ++m_pos;
        } else if (c == '&') {
            uint u;
            const int n = referenceLength(m_pos + 1, m_end, u);
            if (n == 0)
                return false;
            m_pos += 1 + n;
            a.plain = false;
        } else if (c == '\t' || c == '\n' || c == '\r') {
            ++m_pos;
            a.plain = false;
        } else if (c >= 0x80) {
            const int n = utf8Length(reinterpret_cast<const uchar*>(m_pos),
                                     reinterpret_cast<const uchar*>(m_end));
            if (n == 0)
                return false;
            m_pos += n;
            a.plain = false;
        } else {
            return false; // "<" or a control character
        }
    }
    a.value = Span{start, int(m_pos - start)};
    ++m_pos;
    return true;
}

XmlElementReader::Token FastXmlElementReader::readProlog()
{
    static const char decl[] = "<?xml";
    if (m_end - m_pos < 6 || std::memcmp(m_pos, decl, 5) != 0 || !isBlank(m_pos[5]))
        return StartElement; // no declaration; "<?" elsewhere is caught later
    m_pos += 5;
    // version, then optional encoding and standalone, in this order.
    static const char* const names[] = {"version", "encoding", "standalone"};
    int expected = 0; // index of the first pseudo-attribute still allowed
    for (;;) {
        const bool blank = skipBlanks();
        if (m_end - m_pos >= 2 && m_pos[0] == '?' && m_pos[1] == '>') {
            m_pos += 2;
            return expected > 0 ? StartElement : fail();
        }
        Span name;
        Attribute value;
        if (!blank || !readName(name))
            return fail();
        skipBlanks();
        if (m_pos >= m_end || *m_pos != '=')
            return fail();
        ++m_pos;
        skipBlanks();
        if (!readAttributeValue(value) || !value.plain)
            return fail();
        const QByteArray n(name.begin, name.length);
        // Only the encoding name is case-insensitive; "YES" is not a
        // standalone value, as the toolkit's reader also holds.
        QByteArray v(value.value.begin, value.value.length);
        if (n == "encoding")
            v = v.toLower();
        int at = 0;
        while (at < 3 && n != names[at])
            ++at;
        if (at == 3 || at < expected || (expected == 0 && at != 0))
            return fail();
        if ((at == 0 && v != "1.0") || (at == 1 && v != "utf-8")
            || (at == 2 && v != "yes" && v != "no"))
            return fail();
        expected = at + 1;
    }
}

XmlElementReader::Token FastXmlElementReader::readStartTag()
{
    ++m_pos; // "<"
    if (!readName(m_name))
        return fail();
    m_attributes.clear();
    m_lastIndex = 0;
    for (;;) {
        const bool blank = skipBlanks();
        if (m_pos >= m_end)
            return fail();
        if (*m_pos == '>') {
            ++m_pos;
            m_open.append(m_name);
            return StartElement;
        }
        if (*m_pos == '/') {
            if (m_end - m_pos < 2 || m_pos[1] != '>')
                return fail();
            m_pos += 2;
            m_open.append(m_name);
            m_pendingEnd = true;
            return StartElement;
        }
        Attribute a;
        if (!blank || !readName(a.name))
            return fail();
        skipBlanks();
        if (m_pos >= m_end || *m_pos != '=')
            return fail();
        ++m_pos;
        skipBlanks();
        if (!readAttributeValue(a))
            return fail();
        for (const Attribute& b : qAsConst(m_attributes))
            if (b.name.length == a.name.length
                && std::memcmp(b.name.begin, a.name.begin, size_t(a.name.length)) == 0)
                return fail(); // duplicate attribute
        m_attributes.append(a);
    }
}

XmlElementReader::Token FastXmlElementReader::readEndTag()
{
    m_pos += 2; // "</"
    Span name;
    if (!readName(name))
        return fail();
    skipBlanks();
    if (m_pos >= m_end || *m_pos != '>' || m_open.isEmpty())
        return fail();
    ++m_pos;
    const Span open = m_open.takeLast();
    if (open.length != name.length || std::memcmp(open.begin, name.begin, size_t(name.length)) != 0)
        return fail();
    m_name = name;
    m_attributes.clear();
    return EndElement;
}

XmlElementReader::Token FastXmlElementReader::next()
{
    if (m_state == EndDocument || m_state == Malformed || m_state == Unsupported)
        return m_state;
    if (m_pendingEnd) {
        m_pendingEnd = false;
        m_name = m_open.takeLast();
        m_attributes.clear();
        return EndElement;
    }
    if (!m_started) {
        m_started = true;
        if (readProlog() == Unsupported)
            return m_state;
    }
    skipBlanks();
    if (m_pos >= m_end) {
        // Well-formed only when a root element was read and closed.
        return m_open.isEmpty() && m_rootSeen ? (m_state = EndDocument) : fail();
    }
    if (*m_pos != '<' || m_end - m_pos < 2)
        return fail(); // text, or a lone "<"
    const char c = m_pos[1];
    if (c == '/')
        return readEndTag();
    if (c == '?' || c == '!')
        return fail(); // comments, processing instructions, DOCTYPE, CDATA
    if (m_open.isEmpty() && m_rootSeen)
        return fail(); // a second root element
    m_rootSeen = true;
    return readStartTag();
}

bool FastXmlElementReader::nameIs(QLatin1String name) const
{
    return m_name.length == name.size()
        && std::memcmp(m_name.begin, name.data(), size_t(name.size())) == 0;
}

QString FastXmlElementReader::name() const { return QString::fromLatin1(m_name.begin, m_name.length); }

int FastXmlElementReader::attributeCount() const { return m_attributes.size(); }

QString FastXmlElementReader::attributeName(int index) const
{
    const Span& s = m_attributes[index].name;
    return QString::fromLatin1(s.begin, s.length);
}

int FastXmlElementReader::attributeIndex(QLatin1String name) const
{
    // Callers ask in the order the writer wrote, so start after the last hit.
    const int n = m_attributes.size();
    for (int k = 0; k < n; ++k) {
        int i = m_lastIndex + k;
        if (i >= n)
            i -= n;
        const Span& s = m_attributes[i].name;
        if (s.length == name.size() && std::memcmp(s.begin, name.data(), size_t(s.length)) == 0) {
            m_lastIndex = i + 1 < n ? i + 1 : 0;
            return i;
        }
    }
    return -1;
}

QString FastXmlElementReader::decode(const Attribute& a) const
{
    if (a.plain)
        return QString::fromLatin1(a.value.begin, a.value.length);
    // Attribute-value normalisation: each literal tab, line feed and carriage
    // return (a CR LF pair counting once) becomes a blank; references count
    // as the character they name.
    QByteArray utf8;
    utf8.reserve(a.value.length);
    const char* p = a.value.begin;
    const char* end = p + a.value.length;
    while (p < end) {
        const char c = *p;
        if (c == '&') {
            uint u = 0;
            const int n = referenceLength(p + 1, end, u);
            appendUtf8(utf8, u);
            p += 1 + n;
        } else if (c == '\r') {
            utf8 += ' ';
            p += (p + 1 < end && p[1] == '\n') ? 2 : 1;
        } else {
            utf8 += (c == '\n' || c == '\t') ? ' ' : c;
            ++p;
        }
    }
    // fromUtf8() drops a leading U+FEFF as a byte-order mark; inside a value
    // it is a character like any other.
    static const char bom[] = "\xEF\xBB\xBF";
    if (utf8.startsWith(bom))
        return QChar(0xFEFF) + QString::fromUtf8(utf8.constData() + 3, utf8.size() - 3);
    return QString::fromUtf8(utf8);
}

QString FastXmlElementReader::attributeText(int index) const
{
    return index < 0 ? QString() : decode(m_attributes[index]);
}

bool FastXmlElementReader::attributeIs(int index, QLatin1String text) const
{
    if (index < 0)
        return false;
    const Attribute& a = m_attributes[index];
    if (a.plain)
        return a.value.length == text.size()
            && std::memcmp(a.value.begin, text.data(), size_t(text.size())) == 0;
    return decode(a) == text;
}

double FastXmlElementReader::attributeDouble(int index) const
{
    if (index < 0)
        return 0;
    const Attribute& a = m_attributes[index];
    return a.plain ? NumberText::toDouble(a.value.begin, a.value.length)
                   : NumberText::toDouble(decode(a));
}

int FastXmlElementReader::attributeInt(int index) const
{
    if (index < 0)
        return 0;
    const Attribute& a = m_attributes[index];
    return a.plain ? NumberText::toInt(a.value.begin, a.value.length) : NumberText::toInt(decode(a));
}

// ---------------------------------------------------------------------------
// QtXmlElementReader

QtXmlElementReader::QtXmlElementReader(const QByteArray& data) : m_reader(data)
{
    m_reader.setNamespaceProcessing(false);
}

XmlElementReader::Token QtXmlElementReader::next()
{
    for (;;) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartElement:
            m_attributes = m_reader.attributes();
            return StartElement;
        case QXmlStreamReader::EndElement:
            m_attributes.clear();
            return EndElement;
        case QXmlStreamReader::EndDocument:
            return EndDocument;
        case QXmlStreamReader::Invalid:
            return Malformed;
        default:
            break;
        }
    }
}

bool QtXmlElementReader::nameIs(QLatin1String name) const { return m_reader.qualifiedName() == name; }

QString QtXmlElementReader::name() const { return m_reader.qualifiedName().toString(); }

int QtXmlElementReader::attributeCount() const { return m_attributes.size(); }

QString QtXmlElementReader::attributeName(int index) const
{
    return m_attributes[index].qualifiedName().toString();
}

int QtXmlElementReader::attributeIndex(QLatin1String name) const
{
    for (int i = 0; i < m_attributes.size(); ++i)
        if (m_attributes[i].qualifiedName() == name)
            return i;
    return -1;
}

QString QtXmlElementReader::attributeText(int index) const
{
    return index < 0 ? QString() : m_attributes[index].value().toString();
}

bool QtXmlElementReader::attributeIs(int index, QLatin1String text) const
{
    return index >= 0 && m_attributes[index].value() == text;
}

double QtXmlElementReader::attributeDouble(int index) const
{
    return index < 0 ? 0 : NumberText::toDouble(m_attributes[index].value().toString());
}

int QtXmlElementReader::attributeInt(int index) const
{
    return index < 0 ? 0 : NumberText::toInt(m_attributes[index].value().toString());
}
