#include "support/DocumentCompare.h"
#include "support/TestPaths.h"

#include "document/Document.h"
#include "document/JobFile.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "document/XmlTreeWriter.h"
#include "presets/Material.h"

#include <QBuffer>
#include <QDir>
#include <QDomDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <unistd.h>

using Settings = Document::JobSettings;

namespace {

// Non-default values everywhere, so a value that was kept and one that was
// defaulted can be told apart. Grid stays false for the "2 reads as true" row.
Settings changedSettings()
{
    Settings s;
    s.materialWidth = 610;
    s.materialHeight = 5000;
    s.materialUid = QUuid(QStringLiteral("{0b5e3c1a-2f4d-4e6b-9a7c-1d2e3f405162}"));
    s.fitToMaterialSize = true;
    s.proportional = false;
    s.right = 12;
    s.bottom = 14;
    s.location = Document::BottomLeft;
    s.rotation = Document::Right90;
    s.mirrored = true;
    s.copiesCount = 4;
    s.copiesHorz = 2;
    s.copiesVert = 3;
    s.horzDistance = 6;
    s.vertDistance = 9;
    s.autoPlacement = true;
    s.sameDistance = false;
    s.overcut = true;
    s.gridDistance = 4;
    s.overcutAngle = 120;
    s.overcutDistance = 0.35;
    s.quality = 1;
    s.homeposition = Document::BehindTheJob;
    s.extraspace = 25;
    s.selection = Document::ColorSelection;
    s.segmentation = true;
    s.segmentHeight = 800;
    s.stopBetweenLayers = true;
    s.differentCuttingParameter = true;
    s.selection2 = Document::AISelectedObjects;
    s.usePassermarks = true;
    s.startJobImmediatly = true;
    s.bladeInitializing = true;
    return s;
}

QVariant settingField(const Settings& s, const QString& f)
{
    static const QHash<QString, std::function<QVariant(const Settings&)>> fields = {
        {"materialWidth", [](const Settings& s) { return QVariant(s.materialWidth); }},
        {"materialHeight", [](const Settings& s) { return QVariant(s.materialHeight); }},
        {"materialUid", [](const Settings& s) { return QVariant(s.materialUid); }},
        {"fitToMaterialSize", [](const Settings& s) { return QVariant(s.fitToMaterialSize); }},
        {"proportional", [](const Settings& s) { return QVariant(s.proportional); }},
        {"right", [](const Settings& s) { return QVariant(s.right); }},
        {"bottom", [](const Settings& s) { return QVariant(s.bottom); }},
        {"location", [](const Settings& s) { return QVariant(int(s.location)); }},
        {"rotation", [](const Settings& s) { return QVariant(int(s.rotation)); }},
        {"mirrored", [](const Settings& s) { return QVariant(s.mirrored); }},
        {"copiesCount", [](const Settings& s) { return QVariant(s.copiesCount); }},
        {"copiesHorz", [](const Settings& s) { return QVariant(s.copiesHorz); }},
        {"horzDistance", [](const Settings& s) { return QVariant(s.horzDistance); }},
        {"vertDistance", [](const Settings& s) { return QVariant(s.vertDistance); }},
        {"sameDistance", [](const Settings& s) { return QVariant(s.sameDistance); }},
        {"grid", [](const Settings& s) { return QVariant(s.grid); }},
        {"overcutAngle", [](const Settings& s) { return QVariant(s.overcutAngle); }},
        {"overcutDistance", [](const Settings& s) { return QVariant(s.overcutDistance); }},
        {"homeposition", [](const Settings& s) { return QVariant(int(s.homeposition)); }},
        {"extraspace", [](const Settings& s) { return QVariant(s.extraspace); }},
        {"selection", [](const Settings& s) { return QVariant(s.selection); }},
        {"segmentHeight", [](const Settings& s) { return QVariant(s.segmentHeight); }},
        {"selection2", [](const Settings& s) { return QVariant(s.selection2); }},
        {"usePassermarks", [](const Settings& s) { return QVariant(s.usePassermarks); }},
        {"bladeInitializing", [](const Settings& s) { return QVariant(s.bladeInitializing); }},
    };
    return fields.value(f)(s);
}

KCNode line(double x0, double y0, double x1, double y1)
{
    KCNode n;
    n.setP0(x0, y0);
    n.setP1(x0, y0);
    n.setP2(x1, y1);
    n.setP3(x1, y1);
    n.setIsLine(true);
    n.setIsCorner(true);
    return n;
}

KCNode curve(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3)
{
    KCNode n;
    n.setP0(x0, y0);
    n.setP1(x1, y1);
    n.setP2(x2, y2);
    n.setP3(x3, y3);
    return n;
}

// A drawing with everything the file holds: two layers (one with texts the
// writer must escape), an empty marks layer (so UsePassermarks survives the
// detection), RGB and CMYK entries, curves, closed and open sub-paths.
void fillDrawing(Document& d, bool specialTexts)
{
    KCObjectColor* red = d.appendColor();
    red->setColor(QColor(230, 6, 19));
    red->setName(QStringLiteral("Rot"));
    red->setObjectName(QStringLiteral("Unbenannt"));
    red->setCutEnabled(true);
    KCObjectColor* cyan = d.appendColor();
    cyan->setColor(QColor::fromCmyk(255, 0, 0, 7));
    cyan->setIsCmyk(true);
    cyan->setName(specialTexts ? QStringLiteral("Blau \"<&>\" ]]> ä€😀\ttab\nneu") : QStringLiteral("Cyan"));

    KCLayer* l1 = d.appendLayer();
    l1->setName(QStringLiteral("Ebene 1"));
    l1->setCutEnabled(true);
    KCObject* o1 = l1->appendObject();
    o1->setColor(red->color());
    o1->setColorUid(red->uid());
    o1->setIsSelected(true);
    o1->setLeft(10.125);
    o1->setTop(-3.5);
    o1->setRight(1.0 / 3.0);
    o1->setBottom(1e-7);
    KCSubPath sp;
    sp.setIsClosed(true);
    sp.nodes() << line(10, 10, 40.7, 10) << curve(40.7, 10, 50, 10, 55.25, 20, 41.1, 33.3)
               << line(41.1, 33.3, 10, 10);
    o1->subPaths() << sp;
    KCSubPath open;
    open.nodes() << line(0.1, 0.2, 0.30000000000000004, 123456.789);
    o1->subPaths() << open;

    KCLayer* l2 = d.appendLayer();
    l2->setName(specialTexts ? QStringLiteral("Schrift <fett> & \"kursiv\" 'x'") : QStringLiteral("Schrift"));
    KCObject* o2 = l2->appendObject();
    o2->setColor(cyan->color());
    o2->setColorUid(cyan->uid());
    KCSubPath c;
    c.nodes() << curve(-5, -5, -2.5, 7.75, 3.1415926535897931, 2.718281828459045, 6, -1);
    o2->subPaths() << c;
    KCObject* empty = l2->appendObject(); // an object without sub-paths
    empty->setColor(cyan->color());
    empty->setColorUid(cyan->uid());

    d.appendLayer()->setName(Document::MarksLayerName);
}

// Brings a built document into the state loading gives it, so that a round
// trip has nothing left to derive.
void settle(Document& d)
{
    d.ReadAdobeIllustratorPasserMarks();
    d.completeColorTable();
    d.updateDrawingExtent();
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Replaces (or with a null value removes) one attribute of the first
// element with this name.
QByteArray withAttribute(QByteArray file, const QString& element, const QString& attribute,
                         const QString& value)
{
    const QRegularExpression re(QStringLiteral("(<%1\\b[^>]*?) %2=\"[^\"]*\"")
                                    .arg(QRegularExpression::escape(element),
                                         QRegularExpression::escape(attribute)));
    QString text = QString::fromUtf8(file);
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return QByteArray();
    const QString replacement = value.isNull()
        ? m.captured(1)
        : QStringLiteral("%1 %2=\"%3\"").arg(m.captured(1), attribute, value);
    text.replace(m.capturedStart(), m.capturedLength(), replacement);
    return text.toUtf8();
}

QByteArray jobFile(const QByteArray& settings, const QByteArray& data)
{
    return "<?xml version='1.0' encoding='UTF-8'?>\n<KerfcraftData>\n <Configuration>\n  <Settings>\n"
        + settings + "  </Settings>\n </Configuration>\n <Data>\n" + data
        + " </Data>\n</KerfcraftData>\n";
}

// Text form of one detail of a loaded document, for compact expectations.
QString probe(const Document& d, const QString& what)
{
    auto colorText = [](const QColor& c) {
        return c.isValid() ? c.name() : QStringLiteral("invalid");
    };
    const KCObject* o0 = d.layers().isEmpty() || d.layers()[0]->objects().isEmpty()
        ? nullptr
        : d.layers()[0]->objects()[0];
    if (what == QLatin1String("layers"))
        return QString::number(d.layers().size());
    if (what == QLatin1String("layer0.cut"))
        return QString::number(d.layers().value(0) ? d.layers()[0]->cutEnabled() : -1);
    if (what == QLatin1String("layer0.name"))
        return d.layers().value(0) ? d.layers()[0]->name() : QString();
    if (what == QLatin1String("nodes"))
        return QString::number(d.nodeCount());
    if (what == QLatin1String("colors"))
        return QString::number(d.colors().size());
    if (what.startsWith(QLatin1String("color0"))) {
        if (d.colors().isEmpty())
            return QStringLiteral("none");
        const KCObjectColor* c = d.colors()[0];
        if (what == QLatin1String("color0.cut"))
            return QString::number(c->cutEnabled());
        if (what == QLatin1String("color0.names"))
            return c->name() + QLatin1Char('|') + c->objectName();
        QColor v = c->color();
        if (c->isCmyk() && v.spec() == QColor::Cmyk)
            return QStringLiteral("cmyk %1 %2 %3 %4").arg(v.cyan()).arg(v.magenta()).arg(v.yellow()).arg(v.black());
        if (!c->isCmyk() && v.spec() == QColor::Rgb)
            return QStringLiteral("rgb %1 %2 %3").arg(v.red()).arg(v.green()).arg(v.blue());
        return QStringLiteral("%1 cmyk=%2").arg(colorText(v)).arg(c->isCmyk());
    }
    if (!o0)
        return QStringLiteral("no object");
    if (what == QLatin1String("object0.color"))
        return colorText(o0->color());
    if (what == QLatin1String("object0.box"))
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(o0->isSelected())
            .arg(o0->left())
            .arg(o0->top())
            .arg(o0->right())
            .arg(o0->bottom());
    if (what == QLatin1String("subpath0.closed"))
        return QString::number(o0->subPaths().value(0).isClosed());
    if (what.startsWith(QLatin1String("node0"))) {
        if (o0->subPaths().isEmpty() || o0->subPaths()[0].nodes().isEmpty())
            return QStringLiteral("no node");
        const KCNode& n = o0->subPaths()[0].nodes()[0];
        if (what == QLatin1String("node0.flags"))
            return QStringLiteral("corner=%1 line=%2").arg(n.isCorner()).arg(n.isLine());
        QString s;
        for (int p = 0; p < 4; ++p)
            s += QStringLiteral("(%1,%2)").arg(n.x(p)).arg(n.y(p));
        return s;
    }
    return QStringLiteral("unknown probe");
}

// ---- Reference serialisation through the DOM -------------------------------

QString enumName(const char* const* names, int count, int v)
{
    return v >= 0 && v < count ? QString::fromLatin1(names[v]) : QString();
}

// The job document built element by element with QDomDocument, as the
// format describes it. The writer must give the same bytes.
QByteArray domJobFile(const Document& d)
{
    static const char* const location[] = {"Manually", "BottomRight", "BottomLeft", "HorizontalCentered"};
    static const char* const rotation[] = {"NoRotation", "Right90", "Left90", "HalfRotation"};
    static const char* const home[] = {"Startposition", "BehindTheJob", "LeftBesideTheJob"};
    const Settings s = d.jobSettings();
    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                    QStringLiteral("version='1.0' encoding='UTF-8'")));
    auto child = [&doc](QDomNode parent, const char* name) {
        QDomElement e = doc.createElement(QString::fromLatin1(name));
        parent.appendChild(e);
        return e;
    };
    QDomElement root = child(doc, "KerfcraftData");
    QDomElement conf = child(root, "Configuration");
    child(conf, "Device");
    QDomElement materials = child(conf, "Materials");
    for (int i = 0; i < d.materials().size(); ++i)
        child(materials, "Material");
    QDomElement settings = child(conf, "Settings");
    QDomElement e = child(settings, "MaterialSize");
    e.setAttribute("Width", s.materialWidth);
    e.setAttribute("Height", s.materialHeight);
    e.setAttribute("MaterialUId", s.materialUid.toString());
    e = child(settings, "JobSize");
    e.setAttribute("Width", s.jobWidth);
    e.setAttribute("Height", s.jobHeight);
    e.setAttribute("FitToMaterialsize", int(s.fitToMaterialSize));
    e.setAttribute("Proportional", int(s.proportional));
    e = child(settings, "Position");
    e.setAttribute("Right", s.right);
    e.setAttribute("Bottom", s.bottom);
    e.setAttribute("Location", enumName(location, 4, s.location));
    e.setAttribute("Rotation", enumName(rotation, 4, s.rotation));
    e.setAttribute("Mirrored", int(s.mirrored));
    e = child(settings, "Copies");
    e.setAttribute("Count", s.copiesCount);
    e.setAttribute("Horz", s.copiesHorz);
    e.setAttribute("Vert", s.copiesVert);
    e.setAttribute("HorzDistance", s.horzDistance);
    e.setAttribute("VertDistance", s.vertDistance);
    e.setAttribute("AutoPlacement", int(s.autoPlacement));
    e.setAttribute("SameDistance", int(s.sameDistance));
    e = child(settings, "GridOvercutQuality");
    e.setAttribute("Grid", int(s.grid));
    e.setAttribute("Overcut", int(s.overcut));
    e.setAttribute("GridDistance", s.gridDistance);
    e.setAttribute("OvercutAngle", s.overcutAngle);
    e.setAttribute("OvercutDistance", s.overcutDistance);
    e.setAttribute("Quality", s.quality);
    e = child(settings, "FinalHeadPosition");
    e.setAttribute("Homeposition", enumName(home, 3, s.homeposition));
    e.setAttribute("Extraspace", s.extraspace);
    e = child(settings, "ObjectSelection");
    e.setAttribute("Selection", s.selection == 2 ? "LayerSelection" : s.selection == 3 ? "ColorSelection" : "");
    e.setAttribute("Segmentation", int(s.segmentation));
    e.setAttribute("SegmentHeight", s.segmentHeight);
    e.setAttribute("StopBetweenLayers", int(s.stopBetweenLayers));
    e.setAttribute("DifferentCuttingParameter", int(s.differentCuttingParameter));
    e = child(settings, "ObjectSelection2");
    e.setAttribute("Selection", s.selection2 == 0 ? "AllObjects" : s.selection2 == 1 ? "AISelectedObjects" : "");
    e.setAttribute("UsePassermarks", int(s.usePassermarks));
    e.setAttribute("StartJobImmediatly", int(s.startJobImmediatly));
    e = child(settings, "AdvancedFunctions");
    e.setAttribute("BladeInitializing", int(s.bladeInitializing));

    QDomElement data = child(root, "Data");
    QDomElement layers = child(data, "Layers");
    for (const KCLayer* l : d.layers()) {
        QDomElement le = child(layers, "Layer");
        le.setAttribute("CutEnabled", int(l->cutEnabled()));
        le.setAttribute("Name", l->name());
        for (const KCObject* o : l->objects()) {
            QDomElement oe = child(le, "Object");
            oe.setAttribute("IsSelected", int(o->isSelected()));
            oe.setAttribute("Left", o->left());
            oe.setAttribute("Top", o->top());
            oe.setAttribute("Right", o->right());
            oe.setAttribute("Bottom", o->bottom());
            oe.setAttribute("Color", o->color().name());
            oe.setAttribute("ColorUID", o->colorUid().toString());
            for (const KCSubPath& sp : o->subPaths()) {
                QDomElement se = child(oe, "SubPath");
                se.setAttribute("IsClosed", int(sp.isClosed()));
                for (int i = 0; i < sp.nodes().size(); ++i) {
                    const KCNode& n = sp.nodes()[i];
                    QDomElement ne = child(se, "Node");
                    ne.setAttribute("Nr", i);
                    ne.setAttribute("P0X", n.P0X());
                    ne.setAttribute("P0Y", n.P0Y());
                    ne.setAttribute("P1X", n.P1X());
                    ne.setAttribute("P1Y", n.P1Y());
                    ne.setAttribute("P2X", n.P2X());
                    ne.setAttribute("P2Y", n.P2Y());
                    ne.setAttribute("P3X", n.P3X());
                    ne.setAttribute("P3Y", n.P3Y());
                    ne.setAttribute("IsCorner", int(n.isCorner()));
                    ne.setAttribute("IsLine", int(n.isLine()));
                }
            }
        }
    }
    QDomElement colors = child(data, "ObjectColors");
    for (const KCObjectColor* c : d.colors()) {
        QDomElement ce = child(colors, "ObjectColor");
        const QColor v = c->color();
        ce.setAttribute("UID", c->uid().toString());
        ce.setAttribute("R", v.red());
        ce.setAttribute("G", v.green());
        ce.setAttribute("B", v.blue());
        ce.setAttribute("C", v.cyan());
        ce.setAttribute("M", v.magenta());
        ce.setAttribute("Y", v.yellow());
        ce.setAttribute("K", v.black());
        ce.setAttribute("Type", c->isCmyk() ? "CMYK" : "RGB");
        ce.setAttribute("Name", c->name());
        ce.setAttribute("ObjectName", c->objectName());
        ce.setAttribute("CutEnabled", int(c->cutEnabled()));
    }
    return doc.toString(1).toUtf8();
}

// Qt 5's DOM keeps attributes in a hash, so their order in its output
// changes from run to run. Sorting them within each tag makes the outputs
// comparable; everything else must match byte for byte.
QByteArray sortedAttributes(const QByteArray& xml)
{
    static const QRegularExpression tag(QStringLiteral("^( *<[^ />?]+)((?: [^ =]+=\"[^\"]*\")*)(/?>)$"));
    static const QRegularExpression attr(QStringLiteral(" [^ =]+=\"[^\"]*\""));
    QStringList out;
    for (const QString& line : QString::fromUtf8(xml).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = tag.match(line);
        if (!m.hasMatch()) {
            out << line;
            continue;
        }
        QStringList attrs;
        auto it = attr.globalMatch(m.captured(2));
        while (it.hasNext())
            attrs << it.next().captured(0);
        attrs.sort();
        out << m.captured(1) + attrs.join(QString()) + m.captured(3);
    }
    return out.join(QLatin1Char('\n')).toUtf8();
}

// Attribute names of each start tag, in file order, by element name.
QMap<QString, QString> attributeOrder(const QByteArray& xml)
{
    static const QRegularExpression tag(QStringLiteral("<([A-Za-z0-9]+)((?: [^ =]+=\"[^\"]*\")+)/?>"));
    static const QRegularExpression attr(QStringLiteral(" ([^ =]+)=\"[^\"]*\""));
    QMap<QString, QString> order;
    auto tags = tag.globalMatch(QString::fromUtf8(xml));
    while (tags.hasNext()) {
        const QRegularExpressionMatch t = tags.next();
        QStringList names;
        auto it = attr.globalMatch(t.captured(2));
        while (it.hasNext())
            names << it.next().captured(1);
        order.insert(t.captured(1), names.join(QLatin1Char(' ')));
    }
    return order;
}

// Drops the effective root rights for a scope, so folder permissions count.
class Unprivileged
{
public:
    Unprivileged() : m_was(geteuid())
    {
        if (m_was == 0 && seteuid(65534) != 0)
            qWarning("seteuid failed");
    }
    ~Unprivileged()
    {
        if (m_was == 0 && seteuid(0) != 0)
            qWarning("seteuid back failed");
    }

private:
    uid_t m_was;
};

} // namespace

class TestJobFile : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void sampleFileIsStable();
    void newDocumentKeepsSettings_data();
    void newDocumentKeepsSettings();
    void missingAttributeDefaults_data();
    void missingAttributeDefaults();
    void attributeTexts_data();
    void attributeTexts();
    void storedWithoutLayoutRules();
    void drawingContent_data();
    void drawingContent();
    void brokenFiles_data();
    void brokenFiles();
    void writerMatchesDom_data();
    void writerMatchesDom();
    void treeWriterMatchesDom();
    void saveFailureKeepsPreviousFile_data();
    void saveFailureKeepsPreviousFile();

private:
    QByteArray baseSettingsFile();
    QTemporaryDir m_dir;
};

QByteArray TestJobFile::baseSettingsFile()
{
    Document d;
    d.setJobSettings(changedSettings());
    fillDrawing(d, false);
    settle(d);
    const QString path = m_dir.filePath(QStringLiteral("base.kcf"));
    if (!JobFile::save(d, path))
        return QByteArray();
    return readAll(path);
}

void TestJobFile::roundTrip_data()
{
    QTest::addColumn<bool>("drawing");
    QTest::addColumn<bool>("settings");
    QTest::addColumn<bool>("specialTexts");
    QTest::addColumn<int>("materials");
    QTest::newRow("empty drawing, default settings") << false << false << false << 0;
    QTest::newRow("empty drawing, two materials") << false << false << false << 2;
    QTest::newRow("drawing, changed settings") << true << true << false << 1;
    QTest::newRow("texts to escape") << true << false << true << 0;
}

void TestJobFile::roundTrip()
{
    QFETCH(bool, drawing);
    QFETCH(bool, settings);
    QFETCH(bool, specialTexts);
    QFETCH(int, materials);
    Document original;
    if (settings)
        original.setJobSettings(changedSettings());
    if (drawing)
        fillDrawing(original, specialTexts);
    QObject owner; // the document does not own its materials
    for (int i = 0; i < materials; ++i) {
        auto* m = new Material;
        m->setParent(&owner);
        original.materials().append(m);
    }
    settle(original);

    const QString first = m_dir.filePath(QStringLiteral("first.kcf"));
    const QString second = m_dir.filePath(QStringLiteral("second.kcf"));
    QVERIFY(JobFile::save(original, first));
    Document loaded;
    loaded.materials() = original.materials(); // from the presets, not from the file
    QSignalSpy changed(&loaded, &Document::DataChanged);
    QVERIFY(JobFile::load(loaded, first));
    QCOMPARE(changed.count(), 1);
    QVERIFY(JobFile::save(loaded, second));

    QCOMPARE(readAll(second), readAll(first));
    QCOMPARE(DocumentCompare::difference(original, loaded), QString());
    QVERIFY(loaded.jobSettings() == original.jobSettings());
    QCOMPARE(readAll(first).count("<Material/>"), materials);
}

void TestJobFile::sampleFileIsStable()
{
    // The committed sample, written by an earlier build: loading and saving
    // it again must give the same bytes.
    const QString sample = TestPaths::source(QStringLiteral("data/samples/beispiel.kcf"));
    Document d;
    QVERIFY(JobFile::load(d, sample));
    QCOMPARE(d.nodeCount(), 31);
    const QString path = m_dir.filePath(QStringLiteral("beispiel.kcf"));
    QVERIFY(JobFile::save(d, path));
    QCOMPARE(readAll(path), readAll(sample));
}

void TestJobFile::newDocumentKeepsSettings_data()
{
    QTest::addColumn<int>("materials");
    QTest::newRow("no materials") << 0;
    QTest::newRow("three materials") << 3;
}

void TestJobFile::newDocumentKeepsSettings()
{
    QFETCH(int, materials);
    Document fresh;
    QObject owner;
    for (int i = 0; i < materials; ++i) {
        auto* m = new Material;
        m->setParent(&owner);
        fresh.materials().append(m);
    }
    const QString path = m_dir.filePath(QStringLiteral("new.kcf"));
    QVERIFY(JobFile::save(fresh, path));
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.count("<Material/>"), materials);
    QCOMPARE(bytes.contains("<Materials/>"), materials == 0);

    Document target;
    target.setJobSettings(changedSettings());
    QVERIFY(JobFile::load(target, path));
    // The job size is derived from the (empty) drawing on every load.
    Settings expected = fresh.jobSettings();
    Settings got = target.jobSettings();
    expected.jobWidth = got.jobWidth = 0;
    expected.jobHeight = got.jobHeight = 0;
    QVERIFY(got == expected);
}

void TestJobFile::missingAttributeDefaults_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected"); // null: a fresh UUID
    QTest::newRow("int Width") << "MaterialSize" << "Width" << "materialWidth" << QVariant(0);
    QTest::newRow("int OvercutAngle") << "GridOvercutQuality" << "OvercutAngle" << "overcutAngle" << QVariant(0);
    QTest::newRow("int Count") << "Copies" << "Count" << "copiesCount" << QVariant(0);
    QTest::newRow("int SegmentHeight") << "ObjectSelection" << "SegmentHeight" << "segmentHeight" << QVariant(0);
    QTest::newRow("bool Proportional") << "JobSize" << "Proportional" << "proportional" << QVariant(false);
    QTest::newRow("bool Mirrored") << "Position" << "Mirrored" << "mirrored" << QVariant(false);
    QTest::newRow("bool SameDistance") << "Copies" << "SameDistance" << "sameDistance" << QVariant(false);
    QTest::newRow("bool BladeInitializing") << "AdvancedFunctions" << "BladeInitializing" << "bladeInitializing" << QVariant(false);
    QTest::newRow("double OvercutDistance") << "GridOvercutQuality" << "OvercutDistance" << "overcutDistance" << QVariant(0.0);
    QTest::newRow("uuid MaterialUId") << "MaterialSize" << "MaterialUId" << "materialUid" << QVariant();
    QTest::newRow("enum Location") << "Position" << "Location" << "location" << QVariant(int(Document::Manually));
    QTest::newRow("enum Rotation") << "Position" << "Rotation" << "rotation" << QVariant(int(Document::NoRotation));
    QTest::newRow("enum Homeposition") << "FinalHeadPosition" << "Homeposition" << "homeposition" << QVariant(int(Document::Startposition));
    QTest::newRow("enum Selection") << "ObjectSelection" << "Selection" << "selection" << QVariant(int(Document::LayerSelection));
    QTest::newRow("enum Selection2") << "ObjectSelection2" << "Selection" << "selection2" << QVariant(int(Document::AllObjects));
}

void TestJobFile::missingAttributeDefaults()
{
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    const QByteArray file = withAttribute(baseSettingsFile(), element, attribute, QString());
    QVERIFY(!file.isEmpty());
    const QString path = m_dir.filePath(QStringLiteral("missing.kcf"));
    QVERIFY(writeAll(path, file));

    Document d;
    d.setJobSettings(changedSettings());
    QVERIFY(JobFile::load(d, path));
    const QVariant got = settingField(d.jobSettings(), field);
    if (expected.isNull()) {
        QVERIFY(!got.toUuid().isNull());
        QVERIFY(got.toUuid() != changedSettings().materialUid);
    } else {
        QCOMPARE(got, expected);
    }
    // The other fields of the element are still read.
    QCOMPARE(d.jobSettings().extraspace, changedSettings().extraspace);
}

void TestJobFile::attributeTexts_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");
    const QVariant keptLocation(int(changedSettings().location));
    QTest::newRow("Location unknown name keeps mode") << "Position" << "Location" << "Diagonal" << "location" << keptLocation;
    QTest::newRow("Location lower case keeps mode") << "Position" << "Location" << "manually" << "location" << keptLocation;
    QTest::newRow("Location HorizontalCentered") << "Position" << "Location" << "HorizontalCentered" << "location" << QVariant(3);
    QTest::newRow("Rotation Left90") << "Position" << "Rotation" << "Left90" << "rotation" << QVariant(2);
    QTest::newRow("Rotation unknown keeps") << "Position" << "Rotation" << "links" << "rotation" << QVariant(int(Document::Right90));
    QTest::newRow("Homeposition LeftBesideTheJob") << "FinalHeadPosition" << "Homeposition" << "LeftBesideTheJob" << "homeposition" << QVariant(2);
    QTest::newRow("Homeposition unknown keeps") << "FinalHeadPosition" << "Homeposition" << "" << "homeposition" << QVariant(int(Document::BehindTheJob));
    QTest::newRow("Selection LayerSelection") << "ObjectSelection" << "Selection" << "LayerSelection" << "selection" << QVariant(2);
    QTest::newRow("Selection anything else") << "ObjectSelection" << "Selection" << "Ebenen" << "selection" << QVariant(3);
    QTest::newRow("Selection2 AllObjects") << "ObjectSelection2" << "Selection" << "AllObjects" << "selection2" << QVariant(0);
    QTest::newRow("Selection2 anything else") << "ObjectSelection2" << "Selection" << "" << "selection2" << QVariant(1);
    QTest::newRow("bool 2 is true") << "GridOvercutQuality" << "Grid" << "2" << "grid" << QVariant(true);
    QTest::newRow("bool -1 is true") << "GridOvercutQuality" << "Grid" << "-1" << "grid" << QVariant(true);
    QTest::newRow("bool 0 is false") << "Position" << "Mirrored" << "0" << "mirrored" << QVariant(false);
    QTest::newRow("bool text is false") << "Position" << "Mirrored" << "true" << "mirrored" << QVariant(false);
    QTest::newRow("int negative") << "Copies" << "Horz" << "-3" << "copiesHorz" << QVariant(-3);
    QTest::newRow("int with plus and blank") << "Copies" << "Horz" << " +4" << "copiesHorz" << QVariant(4);
    QTest::newRow("int garbage is 0") << "Copies" << "Horz" << "7x" << "copiesHorz" << QVariant(0);
    QTest::newRow("int overflow is 0") << "Copies" << "Horz" << "99999999999" << "copiesHorz" << QVariant(0);
    QTest::newRow("int reference") << "Copies" << "Horz" << "&#x31;&#50;" << "copiesHorz" << QVariant(12);
    QTest::newRow("double") << "GridOvercutQuality" << "OvercutDistance" << "1.5" << "overcutDistance" << QVariant(1.5);
    QTest::newRow("double exponent") << "GridOvercutQuality" << "OvercutDistance" << "2.5e-1" << "overcutDistance" << QVariant(0.25);
    QTest::newRow("double comma is 0") << "GridOvercutQuality" << "OvercutDistance" << "1,5" << "overcutDistance" << QVariant(0.0);
    QTest::newRow("double overflow is 0") << "GridOvercutQuality" << "OvercutDistance" << "1e999" << "overcutDistance" << QVariant(0.0);
    QTest::newRow("uuid text") << "MaterialSize" << "MaterialUId" << "{12345678-9abc-def0-1234-56789abcdef0}" << "materialUid"
                               << QVariant(QUuid(QStringLiteral("{12345678-9abc-def0-1234-56789abcdef0}")));
    QTest::newRow("uuid garbage is null") << "MaterialSize" << "MaterialUId" << "kaputt" << "materialUid" << QVariant(QUuid());
}

void TestJobFile::attributeTexts()
{
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(QString, value);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    const QByteArray file = withAttribute(baseSettingsFile(), element, attribute, value);
    QVERIFY(!file.isEmpty());
    const QString path = m_dir.filePath(QStringLiteral("texts.kcf"));
    QVERIFY(writeAll(path, file));
    Document d;
    d.setJobSettings(changedSettings());
    QVERIFY(JobFile::load(d, path));
    QCOMPARE(settingField(d.jobSettings(), field), expected);
}

void TestJobFile::storedWithoutLayoutRules()
{
    // Location, Right/Bottom and the coupled gaps arrive as written; the
    // setters would clear Right/Bottom and copy one gap onto the other.
    const QByteArray file = jobFile(
        "   <Position Right=\"7\" Bottom=\"9\" Location=\"BottomRight\" Rotation=\"NoRotation\" Mirrored=\"0\"/>\n"
        "   <Copies Count=\"1\" Horz=\"1\" Vert=\"1\" HorzDistance=\"3\" VertDistance=\"8\" AutoPlacement=\"0\" SameDistance=\"1\"/>\n",
        QByteArray());
    const QString path = m_dir.filePath(QStringLiteral("raw.kcf"));
    QVERIFY(writeAll(path, file));
    Document d;
    QVERIFY(JobFile::load(d, path));
    const Settings s = d.jobSettings();
    QCOMPARE(int(s.location), int(Document::BottomRight));
    QCOMPARE(s.right, 7);
    QCOMPARE(s.bottom, 9);
    QCOMPARE(s.horzDistance, 3);
    QCOMPARE(s.vertDistance, 8);
    QVERIFY(s.sameDistance);
    // Elements the file leaves out keep their values.
    QCOMPARE(s.materialWidth, Settings().materialWidth);
    QCOMPARE(s.overcutAngle, Settings().overcutAngle);
}

void TestJobFile::drawingContent_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("expected");
    const QByteArray uid = "{11111111-2222-3333-4444-555555555555}";
    const QByteArray object = "   <Layer CutEnabled=\"1\" Name=\"A\">\n    <Object ColorUID=\"" + uid
        + "\" Color=\"#ffffff\">\n     <SubPath><Node P3X=\"5\"/></SubPath>\n    </Object>\n   </Layer>\n";
    auto layers = [](const QByteArray& inner) { return "  <Layers>\n" + inner + "  </Layers>\n"; };
    auto colors = [](const QByteArray& inner) { return "  <ObjectColors>\n" + inner + "  </ObjectColors>\n"; };

    QTest::newRow("layer CutEnabled 1") << layers("<Layer CutEnabled=\"1\"/>") << "layer0.cut" << "1";
    QTest::newRow("layer CutEnabled 2 is false") << layers("<Layer CutEnabled=\"2\"/>") << "layer0.cut" << "0";
    QTest::newRow("layer name escaped") << layers("<Layer Name=\"a &lt;b&gt; &amp; &quot;c&quot; &#xe4;&#10;\"/>") << "layer0.name" << "a <b> & \"c\" ä\n";
    QTest::newRow("layer name normalised") << layers("<Layer Name=\"a\tb\r\nc\"/>") << "layer0.name" << "a b c";
    QTest::newRow("colour without Type is CMYK")
        << colors("<ObjectColor UID=\"" + uid + "\" R=\"1\" G=\"2\" B=\"3\" C=\"10\" M=\"20\" Y=\"30\" K=\"40\"/>")
        << "color0" << "cmyk 10 20 30 40";
    QTest::newRow("colour RGB")
        << colors("<ObjectColor Type=\"RGB\" R=\"1\" G=\"2\" B=\"3\" C=\"10\" M=\"20\" Y=\"30\" K=\"40\"/>")
        << "color0" << "rgb 1 2 3";
    QTest::newRow("colour other type is RGB") << colors("<ObjectColor Type=\"cmyk\" R=\"9\" C=\"10\"/>") << "color0" << "rgb 9 0 0";
    QTest::newRow("colour CutEnabled missing") << colors("<ObjectColor/>") << "color0.cut" << "0";
    QTest::newRow("colour CutEnabled 2") << colors("<ObjectColor CutEnabled=\"2\"/>") << "color0.cut" << "1";
    QTest::newRow("colour CutEnabled empty") << colors("<ObjectColor CutEnabled=\"\"/>") << "color0.cut" << "1";
    QTest::newRow("colour names") << colors("<ObjectColor Name=\"Rot\" ObjectName=\"Unbenannt\"/>") << "color0.names" << "Rot|Unbenannt";
    QTest::newRow("ColorUID without match is invalid") << layers(object) << "object0.color" << "invalid";
    QTest::newRow("ColorUID match, Color ignored")
        << layers(object) + colors("<ObjectColor Type=\"RGB\" UID=\"" + uid + "\" R=\"1\" G=\"2\" B=\"3\"/>")
        << "object0.color" << "#010203";
    QTest::newRow("ColorUID: last match wins")
        << colors("<ObjectColor Type=\"RGB\" UID=\"" + uid + "\" R=\"1\"/><ObjectColor Type=\"RGB\" UID=\"" + uid + "\" G=\"2\"/>") + layers(object)
        << "object0.color" << "#000200";
    QTest::newRow("object box and selection")
        << layers("<Layer><Object IsSelected=\"1\" Left=\"1.5\" Top=\"-2\" Right=\"3e1\" Bottom=\"x\"/></Layer>")
        << "object0.box" << "1 1.5 -2 30 0";
    QTest::newRow("object IsSelected 2 is false") << layers("<Layer><Object IsSelected=\"2\"/></Layer>") << "object0.box" << "0 0 0 0 0";
    QTest::newRow("subpath closed") << layers("<Layer><Object><SubPath IsClosed=\"1\"/></Object></Layer>") << "subpath0.closed" << "1";
    QTest::newRow("subpath closed 2 is false") << layers("<Layer><Object><SubPath IsClosed=\"2\"/></Object></Layer>") << "subpath0.closed" << "0";
    QTest::newRow("node coordinates default 0, Nr ignored")
        << layers("<Layer><Object><SubPath><Node Nr=\"7\" P1Y=\"-1.25\" P3X=\"5\"/></SubPath></Object></Layer>")
        << "node0" << "(0,0)(0,-1.25)(0,0)(5,0)";
    QTest::newRow("node flags only for 1")
        << layers("<Layer><Object><SubPath><Node IsCorner=\"1\" IsLine=\"true\"/></SubPath></Object></Layer>")
        << "node0.flags" << "corner=1 line=0";
    QTest::newRow("unknown elements ignored")
        << "  <Zukunft a=\"1\"><Layers><Layer/></Layers></Zukunft>\n"
           + layers("<Layer Neu=\"1\"><Gruppe><Object/></Gruppe><Object><Pfad/><SubPath><Node/><Kurve><Node/></Kurve><Node/></SubPath></Object></Layer>")
           + "  <Layers><Layer/><Layer/></Layers>\n"
        << "nodes" << "2";
    QTest::newRow("only the first Layers counts")
        << layers("<Layer/>") + layers("<Layer/><Layer/>") << "layers" << "1";
}

void TestJobFile::drawingContent()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, probe);
    QFETCH(QString, expected);
    const QString path = m_dir.filePath(QStringLiteral("content.kcf"));
    QVERIFY(writeAll(path, jobFile(QByteArray(), data)));
    Document d;
    QVERIFY(JobFile::load(d, path));
    QCOMPARE(::probe(d, probe), expected);
}

void TestJobFile::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<bool>("loads");

    Document d;
    d.setJobSettings(changedSettings());
    fillDrawing(d, true);
    settle(d);
    QVERIFY(JobFile::save(d, m_dir.filePath(QStringLiteral("good.kcf"))));
    const QByteArray good = readAll(m_dir.filePath(QStringLiteral("good.kcf")));

    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray("") << false;
    QTest::newRow("not XML") << QByteArray("Das ist keine Auftragsdatei.\n") << false;
    QTest::newRow("truncated") << good.left(good.size() * 3 / 5) << false;
    QTest::newRow("truncated after root") << good.left(good.lastIndexOf("</KerfcraftData>")) << false;
    QTest::newRow("mismatched end tag") << QByteArray(good).replace("</Layer>", "</Lajer>") << false;
    QTest::newRow("second root") << good + "<KerfcraftData/>\n" << false;
    QTest::newRow("text after root") << good + "Rest\n" << false;
    QTest::newRow("unescaped <") << QByteArray(good).replace("Name=\"Ebene 1\"", "Name=\"a<b\"") << false;
    QTest::newRow("duplicate attribute") << QByteArray(good).replace("<Layer ", "<Layer Name=\"x\" ") << false;
    QTest::newRow("unknown entity") << QByteArray(good).replace("Name=\"Ebene 1\"", "Name=\"&euro;\"") << false;
    QTest::newRow("other root, well-formed") << QByteArray("<?xml version='1.0'?>\n<Auftrag><Data><Layers><Layer/></Layers></Data></Auftrag>\n") << false;
    QTest::newRow("comment and doctype (loads)")
        << QByteArray(good).replace("<KerfcraftData>", "<!DOCTYPE KerfcraftData>\n<!-- Kommentar -->\n<KerfcraftData>") << true;
    QTest::newRow("CDATA and text inside (loads)")
        << QByteArray(good).replace("<Device/>", "<Device><![CDATA[ <x> ]]>Text</Device>") << true;
}

void TestJobFile::brokenFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    const QString good = m_dir.filePath(QStringLiteral("good.kcf"));
    const QString path = m_dir.filePath(QStringLiteral("broken.kcf"));
    QFile::remove(path);
    if (!content.isNull())
        QVERIFY(writeAll(path, content));

    // The document holds a loaded job; a reference copy shows what it held.
    Document reference, doc;
    QVERIFY(JobFile::load(reference, good));
    QVERIFY(JobFile::load(doc, good));
    Settings other = reference.jobSettings();
    other.extraspace = 77; // not what the file says
    reference.setJobSettings(other);
    doc.setJobSettings(other);

    QCOMPARE(JobFile::load(doc, path), loads);
    if (loads) {
        Document fromGood;
        QVERIFY(JobFile::load(fromGood, good));
        QCOMPARE(DocumentCompare::difference(doc, fromGood), QString());
    } else {
        QCOMPARE(DocumentCompare::difference(doc, reference), QString());
    }
}

void TestJobFile::writerMatchesDom_data()
{
    QTest::addColumn<bool>("drawing");
    QTest::addColumn<bool>("specialTexts");
    QTest::addColumn<int>("materials");
    QTest::newRow("new document") << false << false << 0;
    QTest::newRow("materials") << false << false << 2;
    QTest::newRow("drawing") << true << false << 1;
    QTest::newRow("texts to escape") << true << true << 0;
}

void TestJobFile::writerMatchesDom()
{
    QFETCH(bool, drawing);
    QFETCH(bool, specialTexts);
    QFETCH(int, materials);
    Document d;
    d.setJobSettings(changedSettings());
    if (drawing)
        fillDrawing(d, specialTexts);
    QObject owner;
    for (int i = 0; i < materials; ++i) {
        auto* m = new Material;
        m->setParent(&owner);
        d.materials().append(m);
    }
    const QString path = m_dir.filePath(QStringLiteral("dom.kcf"));
    QVERIFY(JobFile::save(d, path));
    const QByteArray ours = readAll(path);
    const QByteArray dom = domJobFile(d);
    QCOMPARE(sortedAttributes(ours), sortedAttributes(dom));
    QCOMPARE(ours.size(), dom.size());

    // Attributes come in the order of the format.
    const QMap<QString, QString> order = attributeOrder(ours);
    QCOMPARE(order.value("MaterialSize"), QString("Width Height MaterialUId"));
    QCOMPARE(order.value("JobSize"), QString("Width Height FitToMaterialsize Proportional"));
    QCOMPARE(order.value("Position"), QString("Right Bottom Location Rotation Mirrored"));
    QCOMPARE(order.value("Copies"), QString("Count Horz Vert HorzDistance VertDistance AutoPlacement SameDistance"));
    QCOMPARE(order.value("GridOvercutQuality"), QString("Grid Overcut GridDistance OvercutAngle OvercutDistance Quality"));
    QCOMPARE(order.value("FinalHeadPosition"), QString("Homeposition Extraspace"));
    QCOMPARE(order.value("ObjectSelection"), QString("Selection Segmentation SegmentHeight StopBetweenLayers DifferentCuttingParameter"));
    QCOMPARE(order.value("ObjectSelection2"), QString("Selection UsePassermarks StartJobImmediatly"));
    QCOMPARE(order.value("AdvancedFunctions"), QString("BladeInitializing"));
    if (drawing) {
        QCOMPARE(order.value("Layer"), QString("CutEnabled Name"));
        QCOMPARE(order.value("Object"), QString("IsSelected Left Top Right Bottom Color ColorUID"));
        QCOMPARE(order.value("SubPath"), QString("IsClosed"));
        QCOMPARE(order.value("Node"), QString("Nr P0X P0Y P1X P1Y P2X P2Y P3X P3Y IsCorner IsLine"));
        QCOMPARE(order.value("ObjectColor"), QString("UID R G B C M Y K Type Name ObjectName CutEnabled"));
    }
}

void TestJobFile::treeWriterMatchesDom()
{
    // Numbers and texts at their edges, nested and empty elements.
    const QList<double> doubles = {0.0, -0.0, 1.0, -1.5, 0.1, 1.0 / 3.0, 1e16, 1e17, 123456789012345678.0,
                                   1e-4, 1e-5, 9.999999999999999e-5, 5e-324, 2.2250738585072014e-308,
                                   1.7976931348623157e308, std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(), std::nan(""), 40.7, 1e21, 299792.458};
    const QStringList texts = {QString(), "", "plain", "<&>\"'", "]]>", "]>]]]>", "a\tb\nc\rd",
                               QString::fromUtf8("äöü ß € 😀"), QString(QChar(0x7f)) + QChar(0xa0)};
    QDomDocument dom;
    dom.appendChild(dom.createProcessingInstruction("xml", "version='1.0' encoding='UTF-8'"));
    QDomElement root = dom.createElement("R");
    dom.appendChild(root);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        XmlTreeWriter w(out);
        w.writeDeclaration();
        w.startElement("R");
        for (double v : doubles) {
            QDomElement e = dom.createElement("D");
            root.appendChild(e);
            e.setAttribute("v", v);
            w.startElement("D");
            w.attribute("v", v);
            w.endElement();
        }
        QDomElement group = dom.createElement("T");
        root.appendChild(group);
        w.startElement("T");
        for (const QString& t : texts) {
            QDomElement e = dom.createElement("S");
            group.appendChild(e);
            e.setAttribute("s", t);
            w.startElement("S");
            w.attribute("s", t);
            w.endElement();
        }
        QDomElement inner = dom.createElement("I");
        group.appendChild(inner);
        inner.appendChild(dom.createElement("E"));
        inner.setAttribute("n", -2147483647 - 1);
        w.startElement("I");
        w.attribute("n", -2147483647 - 1);
        w.startElement("E");
        w.endElement();
        w.endElement();
        w.endElement();
        w.endElement();
        QVERIFY(w.flush());
    }
    // One attribute per element here, so the DOM's order cannot differ.
    QCOMPARE(out.data(), dom.toString(1).toUtf8());
}

void TestJobFile::saveFailureKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("folder not writable") << "readonly";
    QTest::newRow("folder missing") << "missing";
    QTest::newRow("target is a folder") << "folder";
}

void TestJobFile::saveFailureKeepsPreviousFile()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    const QString folder = dir.filePath(QStringLiteral("sub"));
    QString target = folder + QStringLiteral("/job.kcf");
    const QByteArray previous = "<?xml version='1.0' encoding='UTF-8'?>\n<KerfcraftData/>\n";
    QVERIFY(writeAll(target, previous));
    if (how == QLatin1String("missing"))
        target = folder + QStringLiteral("/fehlt/job.kcf");
    if (how == QLatin1String("folder")) {
        target = folder + QStringLiteral("/ordner.kcf");
        QVERIFY(QDir(folder).mkdir(QStringLiteral("ordner.kcf")));
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                          | QFileDevice::ReadOther | QFileDevice::ExeOther);
    if (how == QLatin1String("readonly"))
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther);
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    Document d;
    fillDrawing(d, false);
    bool saved;
    if (how == QLatin1String("readonly")) {
        Unprivileged asUser; // root would write into the read-only folder anyway
        saved = JobFile::save(d, target);
    } else {
        saved = JobFile::save(d, target);
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(readAll(folder + QStringLiteral("/job.kcf")), previous);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
}

QTEST_GUILESS_MAIN(TestJobFile)
#include "tst_jobfile.moc"
