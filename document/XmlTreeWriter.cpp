#include "document/XmlTreeWriter.h"

#include "document/NumberText.h"

#include <QIODevice>

#include <cstring>

namespace {
constexpr int BufferSize = 1 << 20;
}

XmlTreeWriter::XmlTreeWriter(QIODevice& device) : m_device(device)
{
    m_buf.resize(BufferSize);
}

XmlTreeWriter::~XmlTreeWriter() { flush(); }

char* XmlTreeWriter::reserve(int n)
{
    if (m_used + n > m_buf.size()) {
        flush();
        if (n > m_buf.size())
            m_buf.resize(n);
    }
    return m_buf.data() + m_used;
}

void XmlTreeWriter::append(const char* s, int n)
{
    char* p = reserve(n);
    std::memcpy(p, s, size_t(n));
    m_used += n;
}

void XmlTreeWriter::append(const char* s) { append(s, int(std::strlen(s))); }

bool XmlTreeWriter::flush()
{
    if (m_used > 0 && !m_failed && m_device.write(m_buf.constData(), m_used) != m_used)
        m_failed = true;
    m_used = 0;
    return !m_failed;
}

void XmlTreeWriter::indent(int depth)
{
    char* p = reserve(depth);
    std::memset(p, ' ', size_t(depth));
    m_used += depth;
}

void XmlTreeWriter::writeDeclaration() { append("<?xml version='1.0' encoding='UTF-8'?>\n"); }

void XmlTreeWriter::closeStartTag()
{
    if (m_startTagOpen) {
        append(">\n", 2);
        m_startTagOpen = false;
    }
}

void XmlTreeWriter::startElement(const char* name)
{
    closeStartTag();
    indent(m_open.size());
    append("<", 1);
    append(name);
    m_open.append(name);
    m_startTagOpen = true;
}

void XmlTreeWriter::endElement()
{
    if (m_open.isEmpty())
        return;
    const char* name = m_open.takeLast();
    if (m_startTagOpen) {
        append("/>\n", 3);
        m_startTagOpen = false;
        return;
    }
    indent(m_open.size());
    append("</", 2);
    append(name);
    append(">\n", 2);
}

void XmlTreeWriter::attributeStart(const char* name)
{
    append(" ", 1);
    append(name);
    append("=\"", 2);
}

QString XmlTreeWriter::escapeAttribute(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        switch (c.unicode()) {
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '>':
            // Only the ">" of "]]>" is escaped; the brackets stay as they are.
            if (i >= 2 && value[i - 1] == QLatin1Char(']') && value[i - 2] == QLatin1Char(']'))
                out += QLatin1String("&gt;");
            else
                out += c;
            break;
        case '\n':
            out += QLatin1String("&#xa;");
            break;
        case '\r':
            out += QLatin1String("&#xd;");
            break;
        case '\t':
            out += QLatin1String("&#x9;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

void XmlTreeWriter::attribute(const char* name, const QString& value)
{
    attributeStart(name);
    const QByteArray utf8 = escapeAttribute(value).toUtf8();
    append(utf8.constData(), utf8.size());
    append("\"", 1);
}

void XmlTreeWriter::attribute(const char* name, int value)
{
    attributeStart(name);
    char* p = reserve(12);
    commit(p + NumberText::formatInt(value, p));
    append("\"", 1);
}

void XmlTreeWriter::attribute(const char* name, double value)
{
    attributeStart(name);
    char* p = reserve(NumberText::MaxDoubleLength);
    commit(p + NumberText::formatDouble(value, p));
    append("\"", 1);
}

void XmlTreeWriter::attribute(const char* name, bool value)
{
    attributeStart(name);
    append(value ? "1\"" : "0\"", 2);
}
