#include "document/JobFile.h"

#include "platform/AtomicFile.h"
#include "platform/Logger.h"
#include "platform/UserMessages.h"
#include "document/Document.h"
#include "document/JobSettingsTable.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "document/XmlElementReader.h"
#include "document/XmlTreeWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSignalBlocker>

#include <climits>

namespace {

using JobSettingsTable::Row;

// ---------------------------------------------------------------------------
// Writing

void writeSettings(XmlTreeWriter& w, const Document::JobSettings& s)
{
    w.startElement("Settings");
    const char* open = nullptr;
    for (const Row& r : JobSettingsTable::rows()) {
        if (!open || qstrcmp(open, r.element) != 0) {
            if (open)
                w.endElement();
            w.startElement(r.element);
            open = r.element;
        }
        const QVariant v = r.get(s);
        switch (r.type) {
        case Row::Int:
            w.attribute(r.attribute, v.toInt());
            break;
        case Row::Bool:
            w.attribute(r.attribute, v.toBool());
            break;
        case Row::Double:
            w.attribute(r.attribute, v.toDouble());
            break;
        case Row::Uuid:
            w.attribute(r.attribute, v.toUuid().toString());
            break;
        case Row::Enum:
            w.attribute(r.attribute, r.nameOf(v.toInt()));
            break;
        }
    }
    if (open)
        w.endElement();
    w.endElement();
}

void writeObject(XmlTreeWriter& w, const KCObject& o)
{
    w.startElement("Object");
    w.attribute("IsSelected", o.isSelected());
    w.attribute("Left", o.left());
    w.attribute("Top", o.top());
    w.attribute("Right", o.right());
    w.attribute("Bottom", o.bottom());
    w.attribute("Color", o.color().name());
    w.attribute("ColorUID", o.colorUid().toString());
    for (const KCSubPath& s : o.subPaths()) {
        w.startElement("SubPath");
        w.attribute("IsClosed", s.isClosed());
        const QVector<KCNode>& nodes = s.nodes();
        for (int i = 0; i < nodes.size(); ++i) {
            const KCNode& n = nodes[i];
            w.startElement("Node");
            w.attribute("Nr", i);
            w.attribute("P0X", n.P0X());
            w.attribute("P0Y", n.P0Y());
            w.attribute("P1X", n.P1X());
            w.attribute("P1Y", n.P1Y());
            w.attribute("P2X", n.P2X());
            w.attribute("P2Y", n.P2Y());
            w.attribute("P3X", n.P3X());
            w.attribute("P3Y", n.P3Y());
            w.attribute("IsCorner", n.isCorner());
            w.attribute("IsLine", n.isLine());
            w.endElement();
        }
        w.endElement();
    }
    w.endElement();
}

void writeColor(XmlTreeWriter& w, const KCObjectColor& c)
{
    // Both forms as the toolkit converts, whichever the entry was made in.
    const QColor color = c.color();
    w.startElement("ObjectColor");
    w.attribute("UID", c.uid().toString());
    w.attribute("R", color.red());
    w.attribute("G", color.green());
    w.attribute("B", color.blue());
    w.attribute("C", color.cyan());
    w.attribute("M", color.magenta());
    w.attribute("Y", color.yellow());
    w.attribute("K", color.black());
    w.attribute("Type", c.isCmyk() ? QStringLiteral("CMYK") : QStringLiteral("RGB"));
    w.attribute("Name", c.name());
    w.attribute("ObjectName", c.objectName());
    w.attribute("CutEnabled", c.cutEnabled());
    w.endElement();
}

void writeDocument(XmlTreeWriter& w, const Document& doc)
{
    w.writeDeclaration();
    w.startElement("KerfcraftData");
    w.startElement("Configuration");
    w.startElement("Device");
    w.endElement();
    w.startElement("Materials");
    for (int i = 0; i < doc.materials().size(); ++i) {
        w.startElement("Material");
        w.endElement();
    }
    w.endElement();
    writeSettings(w, doc.jobSettings());
    w.endElement();
    w.startElement("Data");
    w.startElement("Layers");
    for (const KCLayer* l : doc.layers()) {
        w.startElement("Layer");
        w.attribute("CutEnabled", l->cutEnabled());
        w.attribute("Name", l->name());
        for (const KCObject* o : l->objects())
            writeObject(w, *o);
        w.endElement();
    }
    w.endElement();
    w.startElement("ObjectColors");
    for (const KCObjectColor* c : doc.colors())
        writeColor(w, *c);
    w.endElement();
    w.endElement();
    w.endElement();
}

// ---------------------------------------------------------------------------
// Reading

enum class Outcome { JobFile, OtherRoot, Malformed, Unsupported };

// Reads one document from x into a staging document and a settings record;
// the caller moves them into the real document only when the whole file
// was read, so a file found malformed half-way changes nothing.
class Reader
{
public:
    Reader(XmlElementReader& x, Document& drawing, Document::JobSettings& settings)
        : m_x(x), m_drawing(drawing), m_s(settings)
    {
    }

    Outcome read()
    {
        XmlElementReader::Token t = m_x.next();
        if (t != XmlElementReader::StartElement)
            return failure(t);
        const bool ours = m_x.nameIs(QLatin1String("KerfcraftData"));
        if (!(ours ? children([this] { return readRootChild(); }) : skip()))
            return failure(m_failure);
        t = m_x.next();
        if (t != XmlElementReader::EndDocument)
            return failure(t);
        return ours ? Outcome::JobFile : Outcome::OtherRoot;
    }

private:
    static Outcome failure(XmlElementReader::Token t)
    {
        return t == XmlElementReader::Unsupported ? Outcome::Unsupported : Outcome::Malformed;
    }

    // Calls onChild for each child element of the current element; onChild
    // consumes the child up to its end. False when the document breaks off.
    template <class F>
    bool children(F onChild)
    {
        for (;;) {
            const XmlElementReader::Token t = m_x.next();
            if (t == XmlElementReader::EndElement)
                return true;
            if (t != XmlElementReader::StartElement) {
                m_failure = t;
                return false;
            }
            if (!onChild())
                return false;
        }
    }

    bool skip()
    {
        const XmlElementReader::Token t = m_x.skipElement();
        if (t == XmlElementReader::EndElement)
            return true;
        m_failure = t;
        return false;
    }

    int index(const char* name) const { return m_x.attributeIndex(QLatin1String(name)); }
    int integer(const char* name) const { return m_x.attributeInt(index(name)); }
    bool flag(const char* name) const { return integer(name) != 0; } // "2" counts as set
    bool isOne(const char* name) const { return m_x.attributeIs(index(name), QLatin1String("1")); }
    double number(const char* name) const { return m_x.attributeDouble(index(name)); }
    QString text(const char* name, const QString& missing = QString()) const
    {
        const int i = index(name);
        return i < 0 ? missing : m_x.attributeText(i);
    }
    QUuid uuid(const char* name) const
    {
        const int i = index(name);
        return i < 0 ? QUuid::createUuid() : QUuid::fromString(m_x.attributeText(i));
    }
    bool readRootChild()
    {
        if (m_x.nameIs(QLatin1String("Configuration"))) {
            bool settingsRead = false;
            return children([&] {
                if (!settingsRead && m_x.nameIs(QLatin1String("Settings"))) {
                    settingsRead = true;
                    return children([this] { return readSetting(); });
                }
                return skip();
            });
        }
        if (m_x.nameIs(QLatin1String("Data"))) {
            bool layersRead = false, colorsRead = false;
            return children([&] {
                if (!layersRead && m_x.nameIs(QLatin1String("Layers"))) {
                    layersRead = true;
                    return children([this] { return readLayer(); });
                }
                if (!colorsRead && m_x.nameIs(QLatin1String("ObjectColors"))) {
                    colorsRead = true;
                    return children([this] { return readColor(); });
                }
                return skip();
            });
        }
        return skip();
    }

    bool readSetting()
    {
        for (const Row& r : JobSettingsTable::rows()) {
            if (!m_x.nameIs(QLatin1String(r.element)))
                continue;
            switch (r.type) {
            case Row::Int:
                r.set(m_s, integer(r.attribute));
                break;
            case Row::Bool:
                r.set(m_s, flag(r.attribute));
                break;
            case Row::Double:
                r.set(m_s, number(r.attribute));
                break;
            case Row::Uuid:
                r.set(m_s, uuid(r.attribute));
                break;
            case Row::Enum: {
                // A missing attribute reads as the first name.
                int v = 0;
                if (r.valueOf(text(r.attribute, QLatin1String(r.names[0].name)), v))
                    r.set(m_s, v);
                break;
            }
            }
        }
        return skip();
    }

    bool readLayer()
    {
        if (!m_x.nameIs(QLatin1String("Layer")))
            return skip();
        KCLayer* layer = m_drawing.appendLayer();
        layer->setCutEnabled(isOne("CutEnabled"));
        layer->setName(text("Name"));
        return children([this, layer] { return readObject(*layer); });
    }

    bool readObject(KCLayer& layer)
    {
        if (!m_x.nameIs(QLatin1String("Object")))
            return skip();
        KCObject* o = layer.appendObject();
        o->setIsSelected(isOne("IsSelected"));
        o->setLeft(number("Left"));
        o->setTop(number("Top"));
        o->setRight(number("Right"));
        o->setBottom(number("Bottom"));
        o->setColorUid(uuid("ColorUID"));
        return children([this, o] { return readSubPath(*o); });
    }

    bool readSubPath(KCObject& o)
    {
        if (!m_x.nameIs(QLatin1String("SubPath")))
            return skip();
        o.subPaths().append(KCSubPath());
        KCSubPath& s = o.subPaths().last();
        s.setIsClosed(isOne("IsClosed"));
        QVector<KCNode>& nodes = s.nodes();
        return children([this, &nodes] {
            if (m_x.nameIs(QLatin1String("Node"))) {
                KCNode n;
                n.setP0(number("P0X"), number("P0Y"));
                n.setP1(number("P1X"), number("P1Y"));
                n.setP2(number("P2X"), number("P2Y"));
                n.setP3(number("P3X"), number("P3Y"));
                n.setIsCorner(isOne("IsCorner"));
                n.setIsLine(isOne("IsLine"));
                nodes.append(n);
            }
            return skip();
        });
    }

    bool readColor()
    {
        if (!m_x.nameIs(QLatin1String("ObjectColor")))
            return skip();
        KCObjectColor* c = m_drawing.appendColor();
        c->setUid(uuid("UID"));
        if (text("Type", QStringLiteral("CMYK")) == QLatin1String("CMYK")) {
            c->setIsCmyk(true);
            c->setColor(QColor::fromCmyk(integer("C"), integer("M"), integer("Y"), integer("K")));
        } else {
            c->setIsCmyk(false);
            c->setColor(QColor(integer("R"), integer("G"), integer("B"), 255));
        }
        c->setName(text("Name"));
        c->setObjectName(text("ObjectName"));
        c->setCutEnabled(text("CutEnabled", QStringLiteral("0")) != QLatin1String("0"));
        return skip();
    }

    XmlElementReader& m_x;
    Document& m_drawing;
    Document::JobSettings& m_s;
    XmlElementReader::Token m_failure = XmlElementReader::Malformed;
};

// Moves the staged drawing into doc. Sub-path lists are implicitly shared,
// so this costs one copy per object, not per node.
void adoptDrawing(Document& staging, Document& doc)
{
    doc.clear();
    for (const KCLayer* from : staging.layers()) {
        KCLayer* to = doc.appendLayer();
        to->setName(from->name());
        to->setCutEnabled(from->cutEnabled());
        for (const KCObject* o : from->objects()) {
            KCObject* n = to->appendObject();
            n->setIsSelected(o->isSelected());
            n->setLeft(o->left());
            n->setTop(o->top());
            n->setRight(o->right());
            n->setBottom(o->bottom());
            n->setColor(o->color());
            n->setColorUid(o->colorUid());
            n->subPaths() = o->subPaths();
        }
    }
    for (const KCObjectColor* from : staging.colors()) {
        KCObjectColor* to = doc.appendColor();
        to->setUid(from->uid());
        to->setName(from->name());
        to->setObjectName(from->objectName());
        to->setColor(from->color());
        to->setIsCmyk(from->isCmyk());
        to->setCutEnabled(from->cutEnabled());
        to->setUsedByMarks(from->usedByMarks());
    }
    staging.clear();
}

// Objects take the colour of the entry with their uid; of several entries
// with one uid the last one counts.
void applyColors(Document& doc)
{
    QHash<QUuid, QColor> byUid;
    for (const KCObjectColor* c : doc.colors())
        byUid.insert(c->uid(), c->color());
    for (KCLayer* l : doc.layers())
        for (KCObject* o : l->objects()) {
            const auto it = byUid.constFind(o->colorUid());
            if (it != byUid.constEnd())
                o->setColor(*it);
        }
}

} // namespace

bool JobFile::save(const Document& doc, const QString& path, QString* error)
{
    AtomicFile file(path);
    bool ok = file.open();
    if (ok) {
        XmlTreeWriter writer(file);
        writeDocument(writer, doc);
        ok = writer.flush();
    }
    if (ok && file.commit())
        return true;
    Logger::debug(QStringLiteral("JobFile: cannot save %1: %2").arg(path, file.errorString()));
    if (error)
        *error = file.errorString();
    return false;
}

bool JobFile::load(Document& doc, const QString& path, UserMessages* messages, QString* reason)
{
    auto because = [reason](const char* text) {
        if (reason)
            *reason = QCoreApplication::translate("JobFile", text);
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Logger::debug(QStringLiteral("JobFile: cannot open %1").arg(path));
        return because(QT_TRANSLATE_NOOP("JobFile", "Die Datei kann nicht geöffnet werden."));
    }
    // Mapped where possible: a large job file is read in place.
    QByteArray bytes;
    const char* data;
    qint64 length = file.size();
    if (uchar* mapped = length > 0 ? file.map(0, length) : nullptr) {
        data = reinterpret_cast<const char*>(mapped);
    } else {
        bytes = file.readAll();
        data = bytes.constData();
        length = bytes.size();
    }

    Document staging;
    Document::JobSettings settings = doc.jobSettings();
    Outcome outcome;
    {
        FastXmlElementReader fast(data, length);
        outcome = Reader(fast, staging, settings).read();
    }
    if (outcome == Outcome::Unsupported) {
        // Beyond the fast reader (comments, DOCTYPE, another encoding or an
        // error): the toolkit's reader decides.
        staging.clear();
        settings = doc.jobSettings();
        if (length > INT_MAX) {
            outcome = Outcome::Malformed;
        } else {
            QtXmlElementReader full(QByteArray::fromRawData(data, int(length)));
            outcome = Reader(full, staging, settings).read();
        }
    }
    switch (outcome) {
    case Outcome::Malformed:
    case Outcome::Unsupported:
        Logger::debug(QStringLiteral("JobFile: %1 is not well-formed XML").arg(path));
        return because(QT_TRANSLATE_NOOP("JobFile", "Der Inhalt ist kein wohlgeformtes XML."));
    case Outcome::OtherRoot:
        Logger::debug(QStringLiteral("JobFile: %1 has no KerfcraftData root").arg(path));
        doc.updateDrawingExtent();
        doc.notifyChanged();
        return because(QT_TRANSLATE_NOOP("JobFile", "Das Wurzelelement ist nicht \"KerfcraftData\"."));
    case Outcome::JobFile:
        break;
    }

    // A value no control of the window could set is held to the control's
    // range: layout and generation then never meet absurd sizes or counts.
    // The job size is not: it follows the drawing's extent once loaded.
    const QStringList held = JobSettingsTable::clampToRanges(
        settings, {QStringLiteral("JobSize.Width"), QStringLiteral("JobSize.Height")});
    if (!held.isEmpty()) {
        Logger::debug(QStringLiteral("JobFile: %1 held to range: %2").arg(path, held.join(QLatin1String(", "))));
        if (messages)
            messages->warning(QCoreApplication::translate("JobFile", "Auftragsdatei"),
                              QCoreApplication::translate("JobFile",
                                                          "In der Auftragsdatei %1 lagen Einstellungen außerhalb "
                                                          "des erlaubten Bereichs. Sie wurden angepasst:\n%2")
                                  .arg(QFileInfo(path).fileName(), held.join(QLatin1Char('\n'))));
    }

    adoptDrawing(staging, doc);
    {
        // One signal at the end, after the drawing is complete.
        const QSignalBlocker blocker(&doc);
        doc.setJobSettings(settings);
    }
    applyColors(doc);
    doc.ReadAdobeIllustratorPasserMarks();
    doc.completeColorTable();
    doc.updateDrawingExtent();
    doc.notifyChanged();
    return true;
}
