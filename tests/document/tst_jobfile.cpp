#include "support/DrawingText.h"
#include "support/DocumentCompare.h"
#include "support/RecordingMessages.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include "cli/PlotJob.h"
#include "document/JobFile.h"
#include "document/JobSettingsTable.h"
#include "plot/JobLayout.h"
#include "plot/PlotDataGenerator.h"
#include "presets/Material.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

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

// Brings a built document into the state loading gives it, so that a round
// trip has nothing left to derive.
void settle(Document& d)
{
    d.ReadAdobeIllustratorPasserMarks();
    d.completeColorTable();
    d.updateDrawingExtent();
}

// A drawing with everything the file holds: a layer that is not cut (with
// texts the writer must escape), an empty marks layer (so UsePassermarks
// survives the detection), RGB and CMYK entries, curves, closed and open
// sub-paths, an object without sub-paths.
void fillDrawing(Document& d)
{
    DrawingText::build(d, "L'Ebene 1' cut|O #e60613 sel box(10.125,-3.5,0.3333333333333333,1e-07)"
                          "|P closed|N 10,10 40.7,10 corner line|N 40.7,10 50,10 55.25,20 41.1,33.3"
                          "|N 41.1,33.3 10,10 corner line|P 0.1,0.2 0.30000000000000004,123456.789"
                          "|L'Schrift'|O cmyk(255,0,0,7)|P|N -5,-5 -2.5,7.75 3.141592653589793,2.718281828459045 6,-1"
                          "|O cmyk(255,0,0,7)|L'KC-PassermarkenEbene'");
    d.colors()[0]->setName(QStringLiteral("Rot"));
    d.colors()[0]->setObjectName(QStringLiteral("Unbenannt"));
    d.colors()[1]->setName(QStringLiteral("Blau \"<&>\" ]]> ]>]]]> ä€😀\ttab\nneu\rx\x7f\u00a0"));
    d.layers()[1]->setName(QStringLiteral("Schrift <fett> & \"kursiv\" 'x'"));
    settle(d);
}

// One attribute of the first element with this name: group 1 is the tag up
// to it, group 2 its value.
QRegularExpressionMatch findAttribute(const QByteArray& file, const QString& element, const QString& attribute)
{
    return QRegularExpression(QStringLiteral("(<%1\\b[^>]*?) %2=\"([^\"]*)\"").arg(element, attribute))
        .match(QString::fromUtf8(file));
}

// The file with one attribute replaced, or removed for a null value.
QByteArray withAttribute(const QByteArray& file, const QString& element, const QString& attribute,
                         const QString& value)
{
    const QRegularExpressionMatch m = findAttribute(file, element, attribute);
    if (!m.hasMatch())
        return QByteArray();
    const QString tag = value.isNull() ? m.captured(1)
                                       : QStringLiteral("%1 %2=\"%3\"").arg(m.captured(1), attribute, value);
    return QString::fromUtf8(file).replace(m.capturedStart(), m.capturedLength(), tag).toUtf8();
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
        QStringList attrs;
        for (auto it = attr.globalMatch(m.captured(2)); it.hasNext();)
            attrs << it.next().captured(0);
        attrs.sort();
        out << (m.hasMatch() ? m.captured(1) + attrs.join(QString()) + m.captured(3) : line);
    }
    return out.join(QLatin1Char('\n')).toUtf8();
}

} // namespace

class TestJobFile : public QObject
{
    Q_OBJECT
private slots:
    void saveLoadSave_data()
    {
        QTest::addColumn<bool>("full"); // a drawing with texts to escape, and changed settings
        QTest::addColumn<int>("materials");
        QTest::newRow("empty drawing, two materials") << false << 2;
        QTest::newRow("full") << true << 1;
    }

    void saveLoadSave()
    {
        QFETCH(bool, full);
        QFETCH(int, materials);
        Document original;
        original.setJobSettings(full ? changedSettings() : Settings());
        if (full)
            fillDrawing(original);
        else
            settle(original);
        QObject owner; // the document does not own its materials
        for (int i = 0; i < materials; ++i) {
            auto* m = new Material;
            m->setParent(&owner);
            original.materials().append(m);
        }
        const QByteArray first = saved(original);
        QCOMPARE(first.count("<Material/>"), materials);

        // The writer's bytes are the DOM's serialisation of the same tree.
        QDomDocument dom;
        QVERIFY(dom.setContent(first));
        QCOMPARE(sortedAttributes(first), sortedAttributes(dom.toString(1).toUtf8()));

        // Loading reads every setting: the target starts from the other set.
        Document loaded;
        loaded.setJobSettings(full ? Settings() : changedSettings());
        loaded.materials() = original.materials(); // from the presets, not from the file
        QSignalSpy changed(&loaded, &Document::DataChanged);
        QCOMPARE(loadedAndSaved(first, loaded), first);
        QCOMPARE(changed.count(), 1);
        // Doubles come back to within the 17th significant digit.
        QCOMPARE(DocumentCompare::difference(original, loaded, DocumentCompare::Uids::Equal, 1e-15), QString());
    }

    void goldenFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("nodes");
        QTest::newRow("sample from an earlier build") << sample() << 31;
        // Every setting away from its default, and the marks layer that keeps UsePassermarks.
        QTest::newRow("settings changed") << TestPaths::data("job/changed-settings.kcf") << 0;
    }

    void goldenFiles()
    {
        // Loading a committed file reads what it says, and saving it again
        // gives the same bytes.
        QFETCH(QString, path);
        QFETCH(int, nodes);
        const QByteArray golden = TestFiles::read(path);
        Document d;
        QCOMPARE(loadedAndSaved(golden, d), golden);
        QCOMPARE(d.nodeCount(), nodes);
        QVERIFY(nodes > 0 || d.jobSettings() == changedSettings());
    }

    void settingTexts_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("value");    // null: attribute left out
        QTest::addColumn<QString>("expected"); // as saved again; null: a fresh UUID
        Document base;
        base.setJobSettings(changedSettings());
        fillDrawing(base);
        m_base = saved(base);

        // Missing attributes: numbers and booleans read 0, enums their first name.
        QTest::newRow("missing int") << "MaterialSize" << "Width" << QString() << "0";
        QTest::newRow("missing bool") << "Position" << "Mirrored" << QString() << "0";
        QTest::newRow("missing double") << "GridOvercutQuality" << "OvercutDistance" << QString() << "0";
        QTest::newRow("missing MaterialUId") << "MaterialSize" << "MaterialUId" << QString() << QString();
        QTest::newRow("missing enum") << "Position" << "Rotation" << QString() << "NoRotation";

        // Enum names: an unknown one keeps the value; the selections know two.
        QTest::newRow("unknown enum name keeps") << "Position" << "Location" << "manually" << "BottomLeft";
        QTest::newRow("Selection anything else") << "ObjectSelection" << "Selection" << "Ebenen" << "ColorSelection";
        QTest::newRow("Selection2 anything else") << "ObjectSelection2" << "Selection" << "" << "AISelectedObjects";

        // Number texts (the number forms themselves are tst_exchangetext's).
        QTest::newRow("bool 2 is true") << "GridOvercutQuality" << "Grid" << "2" << "1";
        QTest::newRow("int garbage is 0, held to 1") << "Copies" << "Horz" << "7x" << "1";
        QTest::newRow("int reference") << "Copies" << "Horz" << "&#x31;&#50;" << "12";
        QTest::newRow("double comma is 0") << "GridOvercutQuality" << "OvercutDistance" << "1,5" << "0";
        QTest::newRow("uuid garbage is null") << "MaterialSize" << "MaterialUId" << "kaputt"
                                              << "{00000000-0000-0000-0000-000000000000}";

        // Stored as written: the setters would clear Right/Bottom for a placed
        // job and copy one gap onto the other.
        QTest::newRow("Location BottomRight keeps Right and Bottom") << "Position" << "Location" << "BottomRight"
                                                                     << "BottomRight";
        QTest::newRow("SameDistance keeps both gaps") << "Copies" << "SameDistance" << "1" << "1";
    }

    void settingTexts()
    {
        QFETCH(QString, element);
        QFETCH(QString, attribute);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const QByteArray& file = m_base;

        // Loaded over the same settings, so a kept value shows as the base's.
        Document d;
        d.setJobSettings(changedSettings());
        const QByteArray again = loadedAndSaved(withAttribute(file, element, attribute, value), d);
        if (expected.isNull()) {
            expected = findAttribute(again, element, attribute).captured(2);
            QVERIFY(!QUuid(expected).isNull() && QUuid(expected) != changedSettings().materialUid);
        }
        QCOMPARE(again, withAttribute(file, element, attribute, expected));
    }

    void drawingContent_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("drawing");
        const QByteArray uid = "{11111111-2222-3333-4444-555555555555}";
        const QByteArray object = "<Layer CutEnabled=\"1\" Name=\"A\"><Object ColorUID=\"" + uid
            + "\" Color=\"#ffffff\"><SubPath><Node P3X=\"5\"/></SubPath></Object></Layer>";
        auto layers = [](const QByteArray& inner) { return "  <Layers>" + inner + "</Layers>\n"; };
        auto colors = [](const QByteArray& inner) { return "  <ObjectColors>" + inner + "</ObjectColors>\n"; };

        QTest::newRow("layer CutEnabled only for 1, names unescaped and normalised")
            << layers("<Layer CutEnabled=\"1\"/>"
                      "<Layer CutEnabled=\"2\" Name=\"a &lt;b&gt; &amp; &quot;c&quot; &#xe4;&#10;\"/>"
                      "<Layer Name=\"a\tb\r\nc\"/>")
            << "L'' cut|L'a <b> & \"c\" ä\n'|L'a b c'";
        QTest::newRow("colour Type: missing is CMYK, other than CMYK is RGB")
            << colors("<ObjectColor R=\"1\" G=\"2\" B=\"3\" C=\"10\" M=\"20\" Y=\"30\" K=\"40\"/>"
                      "<ObjectColor Type=\"RGB\" R=\"1\" G=\"2\" B=\"3\" C=\"10\"/>"
                      "<ObjectColor Type=\"cmyk\" R=\"9\" C=\"10\"/>")
            << "C0 cmyk(10,20,30,40) cmyk|C1 #010203|C2 #090000";
        QTest::newRow("colour CutEnabled false only for 0 or missing, names")
            << colors("<ObjectColor CutEnabled=\"0\"/><ObjectColor/><ObjectColor CutEnabled=\"2\"/>"
                      "<ObjectColor CutEnabled=\"\" Name=\"Rot\" ObjectName=\"Unbenannt\"/>")
            << "C0 cmyk(0,0,0,0) cmyk|C1 cmyk(0,0,0,0) cmyk|C2 cmyk(0,0,0,0) cmyk cut"
               "|C3 cmyk(0,0,0,0) cmyk cut 'Rot' 'Unbenannt'";
        QTest::newRow("ColorUID without match is invalid")
            << layers(object) << "L'A' cut|O invalid C?|P|N 0,0 0,0 0,0 5,0|C0 invalid cut";
        QTest::newRow("ColorUID match, Color ignored")
            << layers(object) + colors("<ObjectColor Type=\"RGB\" UID=\"" + uid + "\" R=\"1\" G=\"2\" B=\"3\"/>")
            << "L'A' cut|O #010203 C0|P|N 0,0 0,0 0,0 5,0|C0 #010203";
        QTest::newRow("ColorUID: last match wins")
            << colors("<ObjectColor Type=\"RGB\" UID=\"" + uid + "\" R=\"1\"/><ObjectColor Type=\"RGB\" UID=\"" + uid
                      + "\" G=\"2\"/>")
                   + layers(object)
            << "L'A' cut|O #000200 C1|P|N 0,0 0,0 0,0 5,0|C0 #010000|C1 #000200";
        QTest::newRow("object, sub-path and node: flags only for 1, numbers default to 0, Nr ignored")
            << layers("<Layer><Object IsSelected=\"1\" Left=\"1.5\" Top=\"-2\" Right=\"3e1\" Bottom=\"x\">"
                      "<SubPath IsClosed=\"1\"><Node Nr=\"7\" P1Y=\"-1.25\" P3X=\"5\"/>"
                      "<Node IsCorner=\"1\" IsLine=\"true\"/></SubPath><SubPath IsClosed=\"2\"/></Object>"
                      "<Object IsSelected=\"2\"/></Layer>")
            << "L''|O invalid C? sel box(1.5,-2,30,0)|P closed|N 0,0 0,-1.25 0,0 5,0|N 0,0 0,0 corner|P"
               "|O invalid C?|C0 invalid cut";
        QTest::newRow("unknown elements ignored, only the first Layers counts")
            << "  <Zukunft a=\"1\"><Layers><Layer/></Layers></Zukunft>\n"
                   + layers("<Layer Neu=\"1\"><Gruppe><Object/></Gruppe><Object><Pfad/><SubPath><Node/><Kurve><Node/>"
                            "</Kurve><Node/></SubPath></Object></Layer>")
                   + layers("<Layer/><Layer/>")
            << "L''|O invalid C?|P|N 0,0 0,0|N 0,0 0,0|C0 invalid cut";
    }

    void drawingContent()
    {
        QFETCH(QByteArray, data);
        const QString path = m_dir.filePath(QStringLiteral("content.kcf"));
        QVERIFY(TestFiles::write(path, "<?xml version='1.0'?>\n<KerfcraftData><Data>" + data
                                           + "</Data></KerfcraftData>\n"));
        Document d;
        d.setJobSettings(changedSettings());
        QVERIFY(JobFile::load(d, path));
        QTEST(DrawingText::dump(d).join(QLatin1Char('|')), "drawing");
        QCOMPARE(d.jobSettings().extraspace, 25); // settings the file leaves out keep their values
    }

    void brokenFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<QString>("reason");     // a fragment of the reason; empty: loads
        const QByteArray good = TestFiles::read(sample());

        // How each kind of XML damage is found is the element reader's matter.
        const QString notXml = QStringLiteral("kein wohlgeformtes XML");
        QTest::newRow("missing file") << QByteArray() << "nicht geöffnet";
        QTest::newRow("empty file") << QByteArray("") << notXml;
        QTest::newRow("truncated") << good.left(good.size() * 3 / 5) << notXml;
        QTest::newRow("text after root") << good + "Rest\n" << notXml;
        QTest::newRow("other root, well-formed")
            << QByteArray("<?xml version='1.0'?>\n<Auftrag><Data><Layers><Layer/></Layers></Data></Auftrag>\n")
            << "\"KerfcraftData\"";
        QTest::newRow("comment and doctype")
            << QByteArray(good).replace("<KerfcraftData>",
                                        "<!DOCTYPE KerfcraftData>\n<!-- Kommentar -->\n<KerfcraftData>")
            << "";
        QTest::newRow("CDATA and text inside")
            << QByteArray(good).replace("<Device/>", "<Device><![CDATA[ <x> ]]>Text</Device>") << "";
    }

    void brokenFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath(QStringLiteral("broken.kcf"));
        QFile::remove(path);
        if (!content.isNull())
            QVERIFY(TestFiles::write(path, content));

        // The document holds a loaded job with one setting changed since.
        Document doc;
        QVERIFY(JobFile::load(doc, sample()));
        Settings other = doc.jobSettings();
        other.extraspace = 77;
        doc.setJobSettings(other);
        const QByteArray before = saved(doc);

        QString why;
        QCOMPARE(JobFile::load(doc, path, nullptr, &why), reason.isEmpty());
        QVERIFY2(reason.isEmpty() ? why.isEmpty() : why.contains(reason), qPrintable(why));
        QCOMPARE(saved(doc), reason.isEmpty() ? TestFiles::read(sample()) : before);
    }

    void settingsAtIntLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        for (const JobSettingsTable::Row& r : JobSettingsTable::rows())
            for (int v : {INT_MIN, INT_MAX})
                if (r.type != JobSettingsTable::Row::Uuid)
                    QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(r.name()).arg(v))) << r.name() << v;
    }

    // Every setting at both int limits, on each road in: --set refuses what the
    // window's control would not take, a job file holds it to that range (with a
    // note), and the setters below them, taken straight, leave layout and the
    // object count defined. tests/ubsan.sh runs this under UBSan.
    void settingsAtIntLimits()
    {
        QFETCH(QString, name);
        QFETCH(int, value);
        const JobSettingsTable::Row& row = *JobSettingsTable::find(name);
        Document doc;
        DrawingText::build(doc, "L'A'|O #000000|P|N 0,0 1,0|N 1,0 0,1e9");
        doc.updateDrawingExtent();
        doc.setPasses(INT_MAX);
        QCOMPARE(PlotJob::applySetting(doc, name, QString::number(value), nullptr),
                 row.type == JobSettingsTable::Row::Bool);
        if (row.type == JobSettingsTable::Row::Enum)
            return; // no enumeration holds such a value: every road in checks the names
        for (bool autoPlacement : {true, false}) {
            doc.setAutoPlacement(autoPlacement);
            row.apply(doc, value);
            const JobLayout layout(doc);
            QVERIFY(std::isfinite(layout.totalWidth() + layout.totalLength()));
            QVERIFY(layout.window(layout.windowCount() - 1).startMm >= qint64(INT_MIN) * 2);
            QVERIFY(PlotDataGenerator::objectOutputs(doc) >= 0);
        }
        Settings s;
        row.set(s, value);
        doc.setJobSettings(s);
        const QString path = m_dir.filePath(QStringLiteral("grenzen.kcf"));
        RecordingMessages messages;
        QVERIFY(JobFile::save(doc, path) && JobFile::load(doc, path, &messages));
        const bool held = row.hasRange() && !name.startsWith(QLatin1String("JobSize"));
        const double loaded = row.get(doc.jobSettings()).toDouble();
        QVERIFY(!held || (loaded >= row.min && loaded <= row.max));
        QCOMPARE(messages.count(), held ? 1 : 0);
    }

private:
    // A job file written by an earlier build, with a drawing.
    static QString sample() { return TestPaths::source(QStringLiteral("data/samples/beispiel.kcf")); }
    // The document as its file holds it: the state to compare.
    QByteArray saved(const Document& d)
    {
        const QString path = m_dir.filePath(QStringLiteral("saved.kcf"));
        return JobFile::save(d, path) ? TestFiles::read(path) : QByteArray();
    }
    QByteArray loadedAndSaved(const QByteArray& file, Document& d)
    {
        const QString path = m_dir.filePath(QStringLiteral("load.kcf"));
        return TestFiles::write(path, file) && JobFile::load(d, path) ? saved(d) : QByteArray();
    }

    QTemporaryDir m_dir;
    QByteArray m_base; // a job file with the changed settings
};

QTEST_GUILESS_MAIN(TestJobFile)
#include "tst_jobfile.moc"
