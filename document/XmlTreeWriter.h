#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

class QIODevice;

// Writes an element tree as UTF-8 in exactly the form
// QDomDocument::toString(1) gives it, but streaming and fast enough for
// millions of elements: one blank of indentation per level, attributes in
// the order written, empty elements as "<X/>", attribute values escaped as
// the DOM escapes them. Integers take the DOM's form; doubles are written
// with up to 16 significant digits (NumberText::formatDouble).
class XmlTreeWriter
{
public:
    explicit XmlTreeWriter(QIODevice& device);
    ~XmlTreeWriter();
    XmlTreeWriter(const XmlTreeWriter&) = delete;
    XmlTreeWriter& operator=(const XmlTreeWriter&) = delete;

    // <?xml version='1.0' encoding='UTF-8'?> on a line of its own.
    void writeDeclaration();
    // name must stay valid until its endElement().
    void startElement(const char* name);
    void endElement();

    // Only between startElement() and the first child or endElement().
    void attribute(const char* name, const QString& value);
    void attribute(const char* name, int value);
    void attribute(const char* name, double value);
    void attribute(const char* name, bool value); // "1" / "0"
    // A literal would silently become the bool overload; pass a QString.
    void attribute(const char* name, const char* value) = delete;

    // Writes out what is buffered; false when any write failed.
    bool flush();

    // Attribute value as the DOM escapes it: < & " always, > after "]]",
    // tab, line feed and carriage return as character references.
    static QString escapeAttribute(const QString& value);

private:
    char* reserve(int n);
    void commit(char* end) { m_used = int(end - m_buf.data()); }
    void append(const char* s, int n);
    void append(const char* s);
    void indent(int depth);
    void attributeStart(const char* name);
    void closeStartTag();

    QIODevice& m_device;
    QByteArray m_buf;
    int m_used = 0;
    QVector<const char*> m_open;
    bool m_startTagOpen = false;
    bool m_failed = false;
};
