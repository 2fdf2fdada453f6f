#include "document/JobFile.h"

#include "platform/Logger.h"
#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "document/XmlElementReader.h"
#include "document/XmlTreeWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSignalBlocker>

#include <climits>

namespace {

// Enum names as the file holds them, indexed by the in-memory value.
const char* const LocationNames[] = {"Manually", "BottomRight", "BottomLeft", "HorizontalCentered"};
const char* const RotationNames[] = {"NoRotation", "Right90", "Left90", "HalfRotation"};
const char* const HomepositionNames[] = {"Startposition", "BehindTheJob", "LeftBesideTheJob"};

template <int N>
QString nameOf(const char* const (&names)[N], int value)
{
    return value >= 0 && value < N ? QString::fromLatin1(names[value]) : QString();
}

QString selectionName(int v)
{
    return v == Document::LayerSelection ? QStringLiteral("LayerSelection")
        : v == Document::ColorSelection  ? QStringLiteral("ColorSelection")
                                         : QString();
}

QString selection2Name(int v)
{
    return v == Document::AllObjects ? QStringLiteral("AllObjects")
        : v == Document::AISelectedObjects ? QStringLiteral("AISelectedObjects")
                                           : QString();
}

// ---------------------------------------------------------------------------
// Writing

void writeSettings(XmlTreeWriter& w, const Document::JobSettings& s)
{
    w.startElement("Settings");
    w.startElement("MaterialSize");
    w.attribute("Width", s.materialWidth);
    w.attribute("Height", s.materialHeight);
    w.attribute("MaterialUId", s.materialUid.toString());
    w.endElement();
    w.startElement("JobSize");
    w.attribute("Width", s.jobWidth);
    w.attribute("Height", s.jobHeight);
    w.attribute("FitToMaterialsize", s.fitToMaterialSize);
    w.attribute("Proportional", s.proportional);
    w.endElement();
    w.startElement("Position");
    w.attribute("Right", s.right);
    w.attribute("Bottom", s.bottom);
    w.attribute("Location", nameOf(LocationNames, s.location));
    w.attribute("Rotation", nameOf(RotationNames, s.rotation));
    w.attribute("Mirrored", s.mirrored);
    w.endElement();
    w.startElement("Copies");
    w.attribute("Count", s.copiesCount);
    w.attribute("Horz", s.copiesHorz);
    w.attribute("Vert", s.copiesVert);
    w.attribute("HorzDistance", s.horzDistance);
    w.attribute("VertDistance", s.vertDistance);
    w.attribute("AutoPlacement", s.autoPlacement);
    w.attribute("SameDistance", s.sameDistance);
    w.endElement();
    w.startElement("GridOvercutQuality");
    w.attribute("Grid", s.grid);
    w.attribute("Overcut", s.overcut);
    w.attribute("GridDistance", s.gridDistance);
    w.attribute("OvercutAngle", s.overcutAngle);
    w.attribute("OvercutDistance", s.overcutDistance);
    w.attribute("Quality", s.quality);
    w.endElement();
    w.startElement("FinalHeadPosition");
    w.attribute("Homeposition", nameOf(HomepositionNames, s.homeposition));
    w.attribute("Extraspace", s.extraspace);
    w.endElement();
    w.startElement("ObjectSelection");
    w.attribute("Selection", selectionName(s.selection));
    w.attribute("Segmentation", s.segmentation);
    w.attribute("SegmentHeight", s.segmentHeight);
    w.attribute("StopBetweenLayers", s.stopBetweenLayers);
    w.attribute("DifferentCuttingParameter", s.differentCuttingParameter);
    w.endElement();
    w.startElement("ObjectSelection2");
    w.attribute("Selection", selection2Name(s.selection2));
    w.attribute("UsePassermarks", s.usePassermarks);
    w.attribute("StartJobImmediatly", s.startJobImmediatly);
    w.endElement();
    w.startElement("AdvancedFunctions");
    w.attribute("BladeInitializing", s.bladeInitializing);
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
    // A name that is not in the list leaves the value unchanged; a missing
    // attribute reads as the first name.
    template <class E, int N>
    void enumValue(const char* name, const char* const (&names)[N], E& value) const
    {
        const QString t = text(name, QString::fromLatin1(names[0]));
        for (int i = 0; i < N; ++i)
            if (t == QLatin1String(names[i])) {
                value = E(i);
                return;
            }
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
        const auto is = [this](const char* n) { return m_x.nameIs(QLatin1String(n)); };
        if (is("MaterialSize")) {
            m_s.materialWidth = integer("Width");
            m_s.materialHeight = integer("Height");
            m_s.materialUid = uuid("MaterialUId");
        } else if (is("JobSize")) {
            m_s.jobWidth = integer("Width");
            m_s.jobHeight = integer("Height");
            m_s.fitToMaterialSize = flag("FitToMaterialsize");
            m_s.proportional = flag("Proportional");
        } else if (is("Position")) {
            m_s.right = integer("Right");
            m_s.bottom = integer("Bottom");
            enumValue("Location", LocationNames, m_s.location);
            enumValue("Rotation", RotationNames, m_s.rotation);
            m_s.mirrored = flag("Mirrored");
        } else if (is("Copies")) {
            m_s.copiesCount = integer("Count");
            m_s.copiesHorz = integer("Horz");
            m_s.copiesVert = integer("Vert");
            m_s.horzDistance = integer("HorzDistance");
            m_s.vertDistance = integer("VertDistance");
            m_s.autoPlacement = flag("AutoPlacement");
            m_s.sameDistance = flag("SameDistance");
        } else if (is("GridOvercutQuality")) {
            m_s.grid = flag("Grid");
            m_s.overcut = flag("Overcut");
            m_s.gridDistance = integer("GridDistance");
            m_s.overcutAngle = integer("OvercutAngle");
            m_s.overcutDistance = number("OvercutDistance");
            m_s.quality = integer("Quality");
        } else if (is("FinalHeadPosition")) {
            enumValue("Homeposition", HomepositionNames, m_s.homeposition);
            m_s.extraspace = integer("Extraspace");
        } else if (is("ObjectSelection")) {
            m_s.selection = text("Selection", QStringLiteral("LayerSelection"))
                    == QLatin1String("LayerSelection")
                ? Document::LayerSelection
                : Document::ColorSelection;
            m_s.segmentation = flag("Segmentation");
            m_s.segmentHeight = integer("SegmentHeight");
            m_s.stopBetweenLayers = flag("StopBetweenLayers");
            m_s.differentCuttingParameter = flag("DifferentCuttingParameter");
        } else if (is("ObjectSelection2")) {
            m_s.selection2 = text("Selection", QStringLiteral("AllObjects"))
                    == QLatin1String("AllObjects")
                ? Document::AllObjects
                : Document::AISelectedObjects;
            m_s.usePassermarks = flag("UsePassermarks");
            m_s.startJobImmediatly = flag("StartJobImmediatly");
        } else if (is("AdvancedFunctions")) {
            m_s.bladeInitializing = flag("BladeInitializing");
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

bool JobFile::save(const Document& doc, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        Logger::debug(QStringLiteral("JobFile: cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    {
        XmlTreeWriter writer(file);
        writeDocument(writer, doc);
        if (!writer.flush()) {
            Logger::debug(QStringLiteral("JobFile: write to %1 failed: %2").arg(path, file.errorString()));
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        Logger::debug(QStringLiteral("JobFile: cannot save %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

bool JobFile::load(Document& doc, const QString& path) { return load(doc, path, nullptr); }

bool JobFile::load(Document& doc, const QString& path, QString* reason)
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
