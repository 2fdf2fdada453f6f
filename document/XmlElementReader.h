#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QVector>
#include <QXmlStreamReader>

// Pull reading of the element structure of an XML document: start and end
// of elements with their attributes; text, comments and processing
// instructions are passed over. The job-file reader works against this
// interface so that it can run on the fast reader below and fall back to
// QXmlStreamReader for anything the fast one does not handle.
class XmlElementReader
{
public:
    enum Token {
        StartElement,
        EndElement,
        EndDocument,  // the whole document was read and is well-formed
        Malformed,    // not well-formed XML
        Unsupported,  // only FastXmlElementReader: read it with QtXmlElementReader
    };

    virtual ~XmlElementReader() = default;
    virtual Token next() = 0;

    // Qualified name of the current element (prefixes are not resolved).
    virtual bool nameIs(QLatin1String name) const = 0;
    virtual QString name() const = 0;

    // Attributes of the current start element; index -1 means missing.
    virtual int attributeCount() const = 0;
    virtual QString attributeName(int index) const = 0;
    virtual int attributeIndex(QLatin1String name) const = 0;
    virtual QString attributeText(int index) const = 0;
    virtual bool attributeIs(int index, QLatin1String text) const = 0;
    // As QString::toDouble()/toInt() on the value: 0 when it does not parse.
    virtual double attributeDouble(int index) const = 0;
    virtual int attributeInt(int index) const = 0;

    // Reads up to the end of the current element: EndElement, or the token
    // that broke the document off.
    Token skipElement();
};

// Reads UTF-8 bytes in place (a mapped file) for the subset of XML that
// Kerfcraft itself writes: an optional XML declaration, elements with
// attributes, white space between them, the predefined entities and
// character references in attribute values. Everything else (comments,
// DOCTYPE, CDATA, text, other encodings, any error) gives Unsupported, and
// the caller reads the document again with QtXmlElementReader, whose
// verdict on well-formedness then counts.
class FastXmlElementReader : public XmlElementReader
{
public:
    FastXmlElementReader(const char* data, qint64 size);

    Token next() override;
    bool nameIs(QLatin1String name) const override;
    QString name() const override;
    int attributeCount() const override;
    QString attributeName(int index) const override;
    int attributeIndex(QLatin1String name) const override;
    QString attributeText(int index) const override;
    bool attributeIs(int index, QLatin1String text) const override;
    double attributeDouble(int index) const override;
    int attributeInt(int index) const override;

private:
    struct Span {
        const char* begin;
        int length;
    };
    struct Attribute {
        Span name;
        Span value;  // raw, between the quotes
        bool plain;  // ASCII without references or blanks to normalise
    };

    Token fail() { return m_state = Unsupported; }
    Token readProlog();
    Token readStartTag();
    Token readEndTag();
    bool skipBlanks();
    bool readName(Span& name);
    bool readAttributeValue(Attribute& a);
    QString decode(const Attribute& a) const;

    const char* m_pos;
    const char* m_end;
    Token m_state; // StartElement while reading, then EndDocument or Unsupported
    bool m_started = false;
    bool m_rootSeen = false;
    bool m_pendingEnd = false; // "<x/>": the end follows the start
    Span m_name{nullptr, 0};
    QVector<Span> m_open;
    QVector<Attribute> m_attributes;
    mutable int m_lastIndex = 0;
};

// The same interface over QXmlStreamReader, without namespace processing
// (so names keep their prefixes, as a DOM built without it has them).
class QtXmlElementReader : public XmlElementReader
{
public:
    explicit QtXmlElementReader(const QByteArray& data);

    Token next() override;
    bool nameIs(QLatin1String name) const override;
    QString name() const override;
    int attributeCount() const override;
    QString attributeName(int index) const override;
    int attributeIndex(QLatin1String name) const override;
    QString attributeText(int index) const override;
    bool attributeIs(int index, QLatin1String text) const override;
    double attributeDouble(int index) const override;
    int attributeInt(int index) const override;

private:
    QXmlStreamReader m_reader;
    QXmlStreamAttributes m_attributes;
};
