#include "support/TestPaths.h"

#include "document/Document.h"
#include "document/ExchangeText.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "document/SvgReader.h"

#include <QtTest>

#include <cmath>

namespace {

// An SVG as Inkscape writes it; a null version leaves the attribute out.
QString svg(const QString& version, const QString& body)
{
    const QString v = version.isNull() ? QString() : QStringLiteral(" inkscape:version=\"%1\"").arg(version);
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"%1>\n"
                          " <g inkscape:groupmode=\"layer\" id=\"layer1\">\n%2 </g>\n</svg>\n")
        .arg(v, body);
}

QString path(const QString& d, const QString& style = QStringLiteral("fill:#ff0000;stroke:#000000"))
{
    return QStringLiteral("  <path style=\"%1\" d=\"%2\"/>\n").arg(style, d);
}

QString num(double v)
{
    v = std::round(v * 1e6) / 1e6;
    return QString::number(v == 0 ? 0.0 : v, 'g', 6);
}

// The drawing as text: per sub-path "[...]" ("*" when isClosed), nodes as
// "L x0,y0 x3,y3" for straight segments (handles on the end points) and
// "C p0 p1 p2 p3" otherwise. Coordinates are moved by (dx, dy).
QString dump(const Document& d, double dx, double dy)
{
    QStringList objects;
    for (const KCLayer* l : d.layers())
        for (const KCObject* o : l->objects()) {
            QStringList subs;
            for (const KCSubPath& s : o->subPaths()) {
                QStringList nodes;
                for (const KCNode& n : s.nodes()) {
                    auto pt = [&](int i) { return num(n.x(i) + dx) + QLatin1Char(',') + num(n.y(i) + dy); };
                    const bool straight = n.isLine() && n.P1X() == n.P0X() && n.P1Y() == n.P0Y()
                        && n.P2X() == n.P3X() && n.P2Y() == n.P3Y();
                    nodes << (straight ? QStringLiteral("L %1 %2").arg(pt(0), pt(3))
                                       : QStringLiteral("C %1 %2 %3 %4").arg(pt(0), pt(1), pt(2), pt(3)));
                }
                subs << QLatin1Char('[') + nodes.join(QStringLiteral(" | ")) + QLatin1Char(']')
                        + (s.isClosed() ? QStringLiteral("*") : QString());
            }
            objects << subs.join(QLatin1Char(' '));
        }
    return objects.join(QStringLiteral(" / "));
}

const KCNode* firstNode(const Document& d)
{
    for (const KCLayer* l : d.layers())
        for (const KCObject* o : l->objects())
            for (const KCSubPath& s : o->subPaths())
                if (!s.nodes().isEmpty())
                    return &s.nodes().first();
    return nullptr;
}

QString colorText(const QColor& c) { return c.isValid() ? c.name() : QStringLiteral("invalid"); }

bool allFinite(const Document& d)
{
    for (const KCLayer* l : d.layers())
        for (const KCObject* o : l->objects())
            for (const KCSubPath& s : o->subPaths())
                for (const KCNode& n : s.nodes())
                    for (int p = 0; p < 4; ++p)
                        if (!std::isfinite(n.x(p)) || !std::isfinite(n.y(p)))
                            return false;
    return true;
}

} // namespace

class TestSvgReader : public QObject
{
    Q_OBJECT
private slots:
    void scaleForVersion_data();
    void scaleForVersion();
    void pathData_data();
    void pathData();
    void colourGrouping_data();
    void colourGrouping();
    void finishMovesToOrigin();
    void badInput_data();
    void badInput();
    void samples_data();
    void samples();
    void oldAndNewSampleAgree();
};

void TestSvgReader::scaleForVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<double>("scale");
    QTest::newRow("0.91 with build number") << "0.91 r13725" << 3.54331;
    QTest::newRow("0.48") << "0.48.4 r9939" << 3.54331;
    QTest::newRow("0.92.3") << "0.92.3 (2405546, 2018-03-11)" << 1.0;
    QTest::newRow("0.92") << "0.92" << 1.0;
    QTest::newRow("1.0") << "1.0 (4035a4fb49, 2020-05-01)" << 1.0;
    QTest::newRow("1.2.2") << "1.2.2 (b0a8486541, 2022-12-01)" << 1.0;
    QTest::newRow("no attribute") << QString() << 1.0;
    QTest::newRow("single number") << "1" << 1.0;
    QTest::newRow("leading blank") << " 0.91" << 1.0;
    QTest::newRow("text") << "neu" << 1.0;
}

void TestSvgReader::scaleForVersion()
{
    QFETCH(QString, version);
    QFETCH(double, scale);
    QCOMPARE(SvgReader::scaleForVersion(version), scale);
    // The same through a file: a horizontal line of 50 user units.
    Document d;
    SvgReader::read(d, svg(version, path(QStringLiteral("m 0,0 h 50"))));
    const KCNode* n = firstNode(d);
    QVERIFY(n);
    QCOMPARE(n->P3X() - n->P0X(), 50 / scale);
}

void TestSvgReader::pathData_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("expected"); // in file coordinates, first node's start at (x0, y0)
    QTest::addColumn<double>("x0");
    QTest::addColumn<double>("y0");
    const QString v1 = QStringLiteral("1.0");
    const QString v091 = QStringLiteral("0.91 r13725");
    QTest::newRow("implicit lines after m, z closes")
        << v1 << "m 10,10 20,10 20,20 z" << "[L 10,10 20,10 | L 20,10 20,20 | L 20,20 10,10]" << 10.0 << 10.0;
    QTest::newRow("z on a closed outline adds nothing")
        << v1 << "M 0,0 L 10,0 L 10,10 L 0,0 Z" << "[L 0,0 10,0 | L 10,0 10,10 | L 10,10 0,0]" << 0.0 << 0.0;
    QTest::newRow("second z adds nothing")
        << v1 << "m 0,0 l 10,0 10,10 z z" << "[L 0,0 10,0 | L 10,0 10,10 | L 10,10 0,0]" << 0.0 << 0.0;
    QTest::newRow("h") << v1 << "m 0,0 h 50" << "[L 0,0 50,0]" << 0.0 << 0.0;
    QTest::newRow("h and v with the old scale")
        << v091 << "m 0,0 h 50 v 10" << "[L 0,0 14.1111,0 | L 14.1111,0 14.1111,2.82222]" << 0.0 << 0.0;
    QTest::newRow("v, h, z")
        << v1 << "m 0,0 v 5 h 5 v 0 z" << "[L 0,0 0,5 | L 0,5 5,5 | L 5,5 5,0 | L 5,0 0,0]" << 0.0 << 0.0;
    QTest::newRow("curve") << v1 << "M 0,0 C 10,0 20,10 30,10" << "[C 0,0 10,0 20,10 30,10]" << 0.0 << 0.0;
    QTest::newRow("curve repeated without letter")
        << v1 << "m 0,0 c 1,1 2,2 3,3 4,4 5,5 6,6" << "[C 0,0 1,1 2,2 3,3 | C 3,3 4,4 5,5 6,6]" << 0.0 << 0.0;
    QTest::newRow("line repeated") << v1 << "m 0,0 l 1,1 2,2" << "[L 0,0 1,1 | L 1,1 2,2]" << 0.0 << 0.0;
    QTest::newRow("curve with old scale")
        << v091 << "M 0,0 C 35.4331,0 35.4331,35.4331 0,35.4331" << "[C 0,0 10,0 10,10 0,10]" << 0.0 << 0.0;
    QTest::newRow("token without comma is y 0") << v1 << "m 5 l 10,3" << "[L 5,0 10,3]" << 5.0 << 0.0;
    QTest::newRow("two sub-paths")
        << v1 << "m 0,0 l 10,0 m 0,5 l 10,5" << "[L 0,0 10,0] [L 0,5 10,5]" << 0.0 << 0.0;
    QTest::newRow("relative letters read as absolute")
        << v1 << "M 0,0 l 10,0 L 10,10" << "[L 0,0 10,0 | L 10,0 10,10]" << 0.0 << 0.0;
    QTest::newRow("l before m starts at 0,0") << v1 << "l 10,0 h 20" << "[L 0,0 10,0 | L 10,0 20,0]" << 0.0 << 0.0;
    QTest::newRow("data before the first letter skipped") << v1 << "5,5 m 0,0 l 1,1" << "[L 0,0 1,1]" << 0.0 << 0.0;
    QTest::newRow("data after z skipped")
        << v1 << "m 0,0 l 10,0 z 5,5 5,5 l 1,1" << "[L 0,0 10,0 | L 10,0 0,0 | L 10,0 1,1]" << 0.0 << 0.0;
    QTest::newRow("curve short of points skipped") << v1 << "m 0,0 l 1,0 c 1,1 2,2" << "[L 0,0 1,0]" << 0.0 << 0.0;
    QTest::newRow("m at the end") << v1 << "m 0,0 l 1,1 m" << "[L 0,0 1,1]" << 0.0 << 0.0;
    QTest::newRow("scientific and signed numbers")
        << v1 << "M -1e1,+2.5 L 1E1,-2.5e0" << "[L -10,2.5 10,-2.5]" << -10.0 << 2.5;
    QTest::newRow("three numbers in a token") << v1 << "m 0,0 l 1,2,3" << "[L 0,0 1,2]" << 0.0 << 0.0;
}

void TestSvgReader::pathData()
{
    QFETCH(QString, version);
    QFETCH(QString, d);
    QFETCH(QString, expected);
    QFETCH(double, x0);
    QFETCH(double, y0);
    Document doc;
    SvgReader::read(doc, svg(version, path(d)));
    const KCNode* first = firstNode(doc);
    QVERIFY(first);
    QCOMPARE(dump(doc, x0 - first->P0X(), y0 - first->P0Y()), expected);
}

void TestSvgReader::colourGrouping_data()
{
    QTest::addColumn<QStringList>("styles"); // one path each
    QTest::addColumn<QString>("objects");    // colour/sub-paths per object
    QTest::addColumn<QString>("entries");    // the colour table
    QTest::newRow("red blue red")
        << QStringList{"fill:#ff0000", "fill:#0000ff", "fill:#ff0000"} << "#ff0000/1 #ff0000/2" << "#ff0000 #0000ff";
    QTest::newRow("fill none shares one entry")
        << QStringList{"fill:none", "fill:#ff0000", "fill:none"} << "invalid/1 invalid/2" << "invalid #ff0000";
    QTest::newRow("unknown colours are invalid too")
        << QStringList{"fill:none;stroke:#000000", "fill:url(#verlauf)"} << "invalid/2" << "invalid";
    QTest::newRow("no style is white") << QStringList{"", "stroke:#000000"} << "#ffffff/2" << "#ffffff";
    QTest::newRow("keys and values trimmed, any case")
        << QStringList{"FILL : Red ; stroke:none", "fill:#FF0000"} << "#ff0000/2" << "#ff0000";
    QTest::newRow("part with two colons ignored") << QStringList{"fill:#00ff00:x;fill:blue"} << "#0000ff/1" << "#0000ff";
    QTest::newRow("last fill counts") << QStringList{"fill:red;fill:blue;;"} << "#0000ff/1" << "#0000ff";
    QTest::newRow("names equal to hex") << QStringList{"fill:lime", "fill:#00ff00"} << "#00ff00/2" << "#00ff00";
    QTest::newRow("three colours in turn")
        << QStringList{"fill:red", "fill:lime", "fill:blue", "fill:lime", "fill:red"}
        << "#ff0000/1 #00ff00/1 #ff0000/3" << "#ff0000 #00ff00 #0000ff";
}

void TestSvgReader::colourGrouping()
{
    QFETCH(QStringList, styles);
    QFETCH(QString, objects);
    QFETCH(QString, entries);
    QString body;
    for (int i = 0; i < styles.size(); ++i)
        body += path(QStringLiteral("m %1,0 l %1,1").arg(i), styles[i]);
    Document d;
    SvgReader::read(d, svg(QStringLiteral("1.0"), body));
    QCOMPARE(d.layers().size(), 1);
    QVERIFY(d.layers()[0]->cutEnabled());
    QStringList got;
    for (const KCObject* o : d.layers()[0]->objects()) {
        got << colorText(o->color()) + QLatin1Char('/') + QString::number(o->subPaths().size());
        const KCObjectColor* entry = d.colorByUid(o->colorUid());
        QVERIFY(entry);
        QCOMPARE(entry->color(), o->color());
    }
    QCOMPARE(got.join(QLatin1Char(' ')), objects);
    QStringList table;
    for (const KCObjectColor* c : d.colors()) {
        table << colorText(c->color());
        QVERIFY(c->cutEnabled());
        QVERIFY(!c->isCmyk());
        QVERIFY(c->name().isEmpty());
    }
    QCOMPARE(table.join(QLatin1Char(' ')), entries);
}

void TestSvgReader::finishMovesToOrigin()
{
    Document d;
    Document::JobSettings s = d.jobSettings();
    s.usePassermarks = true;
    s.sameDistance = false;
    s.horzDistance = 3;
    s.vertDistance = 8;
    d.setJobSettings(s);
    d.setWidthScale(50);
    QSignalSpy changed(&d, &Document::DataChanged);
    SvgReader::read(d, svg(QStringLiteral("1.0"), path(QStringLiteral("M 10,10 L 30,10 L 30,20 L 10,20 Z"))));
    QCOMPARE(changed.count(), 1);

    const KCNode* n = firstNode(d);
    QVERIFY(n);
    QCOMPARE(n->P0X(), 0.0);
    QCOMPARE(n->P0Y(), 0.0);
    // The extent sampling reaches a sampling step beyond the far edges, so a
    // 20 x 10 mm outline measures a little more and rounds up to 21 x 11.
    QVERIFY2(d.drawingWidth() > 20 && d.drawingWidth() < 20.001, qPrintable(QString::number(d.drawingWidth())));
    QVERIFY2(d.drawingHeight() > 10 && d.drawingHeight() < 10.001, qPrintable(QString::number(d.drawingHeight())));
    QCOMPARE(d.naturalWidth(), 21);
    QCOMPARE(d.naturalHeight(), 11);
    QCOMPARE(d.jobWidth(), 21);
    QCOMPARE(d.jobHeight(), 11);
    QCOMPARE(d.widthScale(), 100.0);
    QCOMPARE(d.heightScale(), 100.0);
    QCOMPARE(d.right(), 5);
    QCOMPARE(d.bottom(), 5);
    QVERIFY(d.sameDistance());
    QCOMPARE(d.horzDistance(), d.vertDistance());
    QVERIFY(!d.usePassermarks());
    QVERIFY(d.layers()[0]->cutEnabled());
    QVERIFY(!d.layers()[0]->objects()[0]->subPaths()[0].isClosed());
}

void TestSvgReader::badInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("layers");
    QTest::addColumn<int>("nodes");
    const QString v1 = QStringLiteral("1.0");
    QTest::newRow("not XML") << "Das ist keine Zeichnung." << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("truncated") << svg(v1, path("m 0,0 l 1,1")).left(150) << 0 << 0;
    QTest::newRow("broken after the paths") << svg(v1, path("m 0,0 l 1,1")) + "<svg/>" << 0 << 0;
    QTest::newRow("no paths") << svg(v1, "<rect width=\"5\" height=\"5\"/>") << 0 << 0;
    QTest::newRow("transform ignored")
        << svg(v1, "<g transform=\"translate(100,0) rotate(30)\">" + path("m 0,0 l 10,0", "transform:x;fill:red") + "</g>") << 1 << 1;
    QTest::newRow("arc letters read as data") << svg(v1, path("m 0,0 a 5,5 0 0 1 10,10")) << 1 << 6;
    QTest::newRow("garbage numbers") << svg(v1, path("m x,y l ,, 1e999,nan inf,-inf")) << 1 << 3;
    QTest::newRow("commands before m") << svg(v1, path("l 10,0 h 20 v 5 c 1,1 2,2 3,3 z")) << 1 << 5;
    QTest::newRow("z before m") << svg(v1, path("z z m 0,0 l 1,1")) << 1 << 1;
    QTest::newRow("letters only") << svg(v1, path("m l c z h v")) << 1 << 1;
    QTest::newRow("empty d") << svg(v1, path("")) << 1 << 0;
    QTest::newRow("many z") << svg(v1, path("m 0,0 l 1,1 " + QString("z ").repeated(20000))) << 1 << 2;
    QTest::newRow("tab reference inside a token") << svg(v1, path("M 0,0&#9;L 1,1")) << 1 << 1;
    QTest::newRow("path inside a path not read")
        << svg(v1, "<path d=\"m 0,0 l 1,1\"><path d=\"m 0,0 l 2,2 3,3\"/></path>") << 1 << 1;
    QTest::newRow("prefixed svg:path is no path") << svg(v1, "<svg:path xmlns:svg=\"x\" d=\"m 0,0 l 1,1\"/>") << 0 << 0;
    QTest::newRow("PATH in capitals is a path") << svg(v1, "<PATH d=\"m 0,0 l 1,1\"/>") << 1 << 1;
    QTest::newRow("root path not collected") << "<path d=\"m 0,0 l 1,1\"/>" << 0 << 0;
    QTest::newRow("deep nesting")
        << svg(v1, QString("<g>").repeated(300) + path("m 0,0 l 1,1") + QString("</g>").repeated(300)) << 1 << 1;
    QTest::newRow("entity from the DOCTYPE")
        << "<!DOCTYPE svg [<!ENTITY pfad \"m 0,0 l 5,5 6,6\">]><svg><path d=\"&pfad;\"/></svg>" << 1 << 2;
}

void TestSvgReader::badInput()
{
    QFETCH(QString, text);
    QFETCH(int, layers);
    QFETCH(int, nodes);
    Document d;
    QSignalSpy changed(&d, &Document::DataChanged);
    SvgReader::read(d, text);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(d.layers().size(), layers);
    QCOMPARE(d.nodeCount(), nodes);
    QVERIFY(allFinite(d));
}

void TestSvgReader::samples_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("Inkscape 1.2, mm") << "aufkleber.svg";
    QTest::newRow("Inkscape 0.91, px") << "alt-inkscape-091.svg";
}

void TestSvgReader::samples()
{
    QFETCH(QString, file);
    QString text;
    QVERIFY(ExchangeText::readWholeText(TestPaths::source("data/samples/" + file), text));
    Document d;
    SvgReader::read(d, text);
    // Background, star with dot (red twice in a row), heart, cut line.
    QCOMPARE(d.layers().size(), 1);
    QStringList objects;
    for (const KCObject* o : d.layers()[0]->objects())
        objects << o->color().name() + QLatin1Char('/') + QString::number(o->subPaths().size());
    QCOMPARE(objects.join(QLatin1Char(' ')), QString("#ffcc00/1 #e30613/2 #1d71b8/1 #000000/1"));
    QCOMPARE(d.colors().size(), 4);
    // 8 + 10 + 4 + 6 + 3 segments: z adds a segment only to the star.
    QCOMPARE(d.nodeCount(), 31);
    QCOMPARE(d.naturalWidth(), 81);
    QCOMPARE(d.naturalHeight(), 55);
}

void TestSvgReader::oldAndNewSampleAgree()
{
    // The same sticker saved in px by Inkscape 0.91 and in mm by 1.2.
    QString newText, oldText;
    QVERIFY(ExchangeText::readWholeText(TestPaths::source("data/samples/aufkleber.svg"), newText));
    QVERIFY(ExchangeText::readWholeText(TestPaths::source("data/samples/alt-inkscape-091.svg"), oldText));
    Document a, b;
    SvgReader::read(a, newText);
    SvgReader::read(b, oldText);
    QCOMPARE(a.nodeCount(), b.nodeCount());
    const KCObject* oa = nullptr;
    for (int o = 0; o < a.layers()[0]->objects().size(); ++o) {
        oa = a.layers()[0]->objects()[o];
        const KCObject* ob = b.layers()[0]->objects()[o];
        QCOMPARE(oa->subPaths().size(), ob->subPaths().size());
        for (int s = 0; s < oa->subPaths().size(); ++s)
            for (int n = 0; n < oa->subPaths()[s].nodes().size(); ++n)
                for (int p = 0; p < 4; ++p) {
                    const KCNode& na = oa->subPaths()[s].nodes()[n];
                    const KCNode& nb = ob->subPaths()[s].nodes()[n];
                    QVERIFY2(std::abs(na.x(p) - nb.x(p)) < 1e-5 && std::abs(na.y(p) - nb.y(p)) < 1e-5,
                             qPrintable(QStringLiteral("object %1 sub-path %2 node %3").arg(o).arg(s).arg(n)));
                }
    }
    QCOMPARE(a.naturalWidth(), b.naturalWidth());
    QCOMPARE(a.naturalHeight(), b.naturalHeight());
}

QTEST_GUILESS_MAIN(TestSvgReader)
#include "tst_svgreader.moc"
