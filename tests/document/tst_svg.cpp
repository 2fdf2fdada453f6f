#include "support/DrawingText.h"
#include "support/TestPaths.h"

#include "document/Document.h"
#include "document/ExchangeText.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/SvgImport.h"
#include "document/SvgReader.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

QByteArray svg(const QString& rootAttributes, const QString& body)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                          "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" %1>%2</svg>")
        .arg(rootAttributes, body)
        .toUtf8();
}

const QString mm100 = QStringLiteral("width=\"100mm\" height=\"100mm\" viewBox=\"0 0 100 100\"");
QString rect(int width, int height)
{
    return QStringLiteral("<rect width=\"%1\" height=\"%2\"/>").arg(width).arg(height);
}
const QString rect10 = rect(10, 10);
// A one-pixel PNG.
const QString image = QStringLiteral("<image width=\"1\" height=\"1\" xlink:href=\"data:image/png;base64,"
                                     "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9"
                                     "awAAAABJRU5ErkJggg==\"/>");

QString colours(const Document& d)
{
    QStringList c;
    for (const KCLayer* l : d.layers())
        for (const KCObject* o : l->objects())
            c << o->color().name();
    return c.join(QLatin1Char(' '));
}

// The extent widens by one curve-sampling step (a thousandth of the edge's
// segment) on its far sides, as a job file measures it.
bool near(double actual, double expected) { return std::abs(actual - expected) <= 0.002 * expected + 1e-6; }

// An exchange file as Inkscape writes it, one layer; a null version leaves
// the attribute out.
QString exchangeSvg(const QString& body, const QString& version = QStringLiteral("1.0"))
{
    const QString v = version.isNull() ? QString() : QStringLiteral("inkscape:version=\"%1\"").arg(version);
    return QString::fromUtf8(svg(v, "<g inkscape:groupmode=\"layer\" id=\"layer1\">" + body + "</g>"));
}

QString path(const QString& d, const QString& style = QStringLiteral("fill:#ff0000;stroke:#000000"))
{
    return QStringLiteral("  <path style=\"%1\" d=\"%2\"/>\n").arg(style, d);
}

// The lines of the drawing's text form whose kind is in kinds.
QString dump(const Document& d, const char* kinds)
{
    const QRegularExpression kind(QStringLiteral("^[%1]").arg(kinds));
    return DrawingText::dump(d).filter(kind).join(QLatin1Char('|'));
}

} // namespace

class TestSvg : public QObject
{
    Q_OBJECT
private slots:
    void sizes_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("body");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("nodes");
        QTest::addColumn<QString>("colors");
        const auto add = [](const char* name, const QString& root, const QString& body, double w, double h,
                            int nodes = 4, const char* colors = "#000000") {
            QTest::newRow(name) << root << body << w << h << nodes << QString::fromLatin1(colors);
        };
        const QString offset = QStringLiteral("width=\"100mm\" height=\"100mm\" viewBox=\"50 50 100 200\"");
        const QString r = QStringLiteral("<rect x=\"50\" y=\"50\" width=\"100\" height=\"200\" fill=\"#00ff00\"/>");

        add("mm, viewBox", "width=\"100mm\" height=\"50mm\" viewBox=\"0 0 200 100\"", rect(200, 100), 100, 50);
        add("in, no viewBox: user unit px", "width=\"2in\" height=\"1in\"", rect(96, 48), 25.4, 12.7);
        add("pt", "width=\"72pt\" height=\"36pt\" viewBox=\"0 0 10 5\"", rect(10, 5), 25.4, 12.7);
        add("cm, pc", "width=\"1cm\" height=\"6pc\" viewBox=\"0 0 10 10\" preserveAspectRatio=\"none\"", rect10, 10,
            25.4);
        add("no size: viewBox in px", "viewBox=\"0 0 96 96\"", rect(96, 48), 25.4, 12.7);
        add("legacy Inkscape: 90 px per inch", "inkscape:version=\"0.91 r13725\" width=\"90\" height=\"90\"",
            rect(90, 45), 25.4, 12.7);
        add("percent width counts against the viewBox", "width=\"100%\" height=\"297mm\" viewBox=\"0 0 594 840\"",
            rect(594, 840), 157.1625, 222.25);
        add("viewBox offset, aspect none", offset + " preserveAspectRatio=\"none\"", r, 100, 100, 4, "#00ff00");
        add("viewBox offset, meet", offset, r, 50, 100, 4, "#00ff00");
        add("nested transforms", mm100,
            "<g transform=\"translate(10,0) scale(2)\"><g transform=\"rotate(90)\">" + rect(10, 5) + "</g></g>", 10,
            20);
        add("negative scale, skew, matrix", mm100,
            "<g transform=\"scale(-1,1) skewX(45)\">" + rect10 + "</g><g transform=\"matrix(2 0 0 3 50 50)\">" + rect10
                + "</g>",
            90, 80, 8, "#000000 #000000");
        add("shapes", mm100,
            "<circle cx=\"5\" cy=\"5\" r=\"5\" fill=\"none\" stroke=\"blue\"/>"
            "<ellipse cx=\"20\" cy=\"5\" rx=\"10\" ry=\"5\" fill=\"red\" stroke=\"blue\"/>"
            "<line x1=\"0\" y1=\"10\" x2=\"30\" y2=\"40\" stroke=\"black\"/>"
            "<polyline points=\"0,0 5,5 10,0\" fill=\"none\" stroke=\"black\"/><polygon points=\"0,0 5,5 10,0\"/>"
            "<rect x=\"20\" y=\"20\" width=\"10\" height=\"10\" rx=\"2\"/>",
            30, 40, 4 + 4 + 1 + 2 + 3 + 8, "#0000ff #ff0000 #000000 #000000 #000000 #000000");
        add("arc, quadratic, smooth", mm100, "<path d=\"M0,10 A10,10 0 0 1 20,10 Q30,30 40,10 T60,10\"/>", 60, 20);
        add("compact numbers, relative, exponents", mm100, "<path d=\"M1.5.5l10-10h5v5zM0,0L1e1,0,1E1,2e1\"/>", 16.5,
            29.5, 6);
        add("only what is drawn", mm100,
            rect10 + "<defs>" + rect(90, 90) + "</defs><g style=\"display:none\">" + rect(80, 80)
                + "</g><rect visibility=\"hidden\" width=\"70\" height=\"70\"/><clipPath>" + rect(60, 60)
                + "</clipPath><mask>" + rect(50, 50) + "</mask><marker><path d=\"M0,0H40\"/></marker><pattern>"
                + rect(30, 30) + "</pattern><rect width=\"20\" height=\"20\" fill=\"none\"/>",
            10, 10);
        add("CSS classes, style over attribute", mm100,
            "<style>.a { fill: #ff0000 }</style><rect class=\"a\" width=\"10\" height=\"10\"/>"
            "<rect fill=\"red\" style=\"fill:#0000ff\" width=\"10\" height=\"10\"/>",
            10, 10, 8, "#ff0000 #0000ff");
        add("use, symbol, nested svg", mm100,
            "<defs><rect id=\"r\" width=\"10\" height=\"10\"/></defs><use xlink:href=\"#r\" x=\"20\"/><symbol id=\"s\">"
                + rect(5, 5) + "</symbol><use xlink:href=\"#s\" y=\"20\"/>"
                "<svg x=\"40\" width=\"20\" height=\"20\" viewBox=\"0 0 10 10\">" + rect10 + "</svg>",
            60, 25, 12, "#000000 #000000 #000000");
    }

    void sizes()
    {
        QFETCH(QString, root);
        QFETCH(QString, body);
        Document d;
        QSignalSpy changed(&d, &Document::DataChanged);
        const SvgImport::Result r = SvgImport::read(d, svg(root, body));
        QCOMPARE(int(r.outcome), int(SvgImport::Outcome::Ok));
        QCOMPARE(changed.count(), 1);
        QFETCH(double, width);
        QFETCH(double, height);
        QVERIFY2(near(d.drawingWidth(), width) && near(d.drawingHeight(), height),
                 qPrintable(QStringLiteral("%1 x %2").arg(d.drawingWidth()).arg(d.drawingHeight())));
        QTEST(d.nodeCount(), "nodes");
        QTEST(colours(d), "colors");
        QVERIFY(r.leftOut.isEmpty());
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("outcome");
        using O = SvgImport::Outcome;
        QTest::newRow("empty") << QByteArray(" \n") << int(O::Empty);
        QTest::newRow("not XML") << QByteArray("GIF89a\x01\x00") << int(O::NotXml);
        QTest::newRow("cut short") << svg(mm100, rect10).left(60) << int(O::NotXml);
        QTest::newRow("broken gzip") << QByteArray("\x1f\x8b\x08\x00garbage") << int(O::NotXml);
        QTest::newRow("XML, not SVG") << QByteArray("<html><body/></html>") << int(O::NotSvg);
        QTest::newRow("nothing visible") << svg(mm100, "<g style=\"display:none\">" + rect10 + "</g>")
                                         << int(O::NothingVisible);
        QTest::newRow("only an image") << svg(mm100, image) << int(O::NothingVisible);
    }

    void badInput()
    {
        QFETCH(QByteArray, data);
        Document d;
        QCOMPARE(int(SvgImport::read(d, svg(mm100, rect10)).outcome), int(SvgImport::Outcome::Ok));
        QSignalSpy changed(&d, &Document::DataChanged);
        QTEST(int(SvgImport::read(d, data).outcome), "outcome");
        // The drawing before stays.
        QCOMPARE(d.nodeCount(), 4);
        QCOMPARE(changed.count(), 0);
    }

    void samples()
    {
        // The same sticker saved in mm by Inkscape 1.2 and in px by 0.91:
        // background, star with dot (red twice in a row), heart, cut line.
        // The exchange route and the general import read both alike.
        QString newText, oldText;
        QVERIFY(ExchangeText::readWholeText(TestPaths::source("data/samples/aufkleber.svg"), newText));
        QVERIFY(ExchangeText::readWholeText(TestPaths::source("data/samples/alt-inkscape-091.svg"), oldText));
        // Layout values of an earlier job, which the import resets.
        Document a, b;
        Document::JobSettings s = a.jobSettings();
        s.usePassermarks = true;
        s.sameDistance = false;
        s.horzDistance = 3;
        s.vertDistance = 8;
        a.setJobSettings(s);
        a.setWidthScale(50);
        QSignalSpy changed(&a, &Document::DataChanged);
        SvgReader::read(a, newText);
        SvgReader::read(b, oldText);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(dump(a, "LOPC"),
                 QStringLiteral("L'' cut|O #ffcc00 C0|P|O #e30613 C1|P|P|O #1d71b8 C2|P|O #000000 C3|P"
                                "|C0 #ffcc00 cut|C1 #e30613 cut|C2 #1d71b8 cut|C3 #000000 cut"));
        // 8 + 10 + 4 + 6 + 3 segments: z adds a segment only to the star.
        QCOMPARE(a.nodeCount(), 31);
        QCOMPARE(DrawingText::dump(b), DrawingText::dump(a));
        // The extent sampling reaches a sampling step beyond the far edges, so
        // the 80 mm wide sticker measures a little more and rounds up to 81.
        QVERIFY2(a.drawingWidth() > 80 && a.drawingWidth() < 80.001, qPrintable(QString::number(a.drawingWidth())));
        Document anyNew, anyOld;
        QCOMPARE(int(SvgImport::read(anyNew, newText.toUtf8()).outcome), int(SvgImport::Outcome::Ok));
        QCOMPARE(int(SvgImport::read(anyOld, oldText.toUtf8()).outcome), int(SvgImport::Outcome::Ok));
        for (const Document* d : {&a, &b, &anyNew, &anyOld}) {
            QCOMPARE(d->nodeCount(), 31);
            QVERIFY(std::abs(d->drawingWidth() - a.drawingWidth()) < 1e-4);
            QVERIFY(std::abs(d->drawingHeight() - a.drawingHeight()) < 1e-4);
            QCOMPARE(d->naturalWidth(), 81);
            QCOMPARE(d->naturalHeight(), 55);
            QCOMPARE(d->jobWidth(), 81);
            QCOMPARE(d->jobHeight(), 55);
        }
        QCOMPARE(a.widthScale(), 100.0);
        QCOMPARE(a.right(), 5);
        QCOMPARE(a.bottom(), 5);
        QVERIFY(a.sameDistance());
        QCOMPARE(a.horzDistance(), a.vertDistance());
        QVERIFY(!a.usePassermarks());
    }

    void textAndNotes()
    {
        // Text becomes glyph outlines; flowed text and images are named.
        Document d;
        const SvgImport::Result r = SvgImport::read(
            d, svg(mm100, "<g inkscape:groupmode=\"layer\" inkscape:label=\"Schrift\"><text x=\"0\" y=\"10\" "
                          "font-size=\"10\"><tspan x=\"0\" y=\"10\">Ol</tspan><tspan x=\"0\" y=\"30\">O</tspan></text>"
                          "</g><g inkscape:groupmode=\"layer\" inkscape:label=\"Rest\"><flowRoot><flowPara>Fließend"
                          "</flowPara></flowRoot>" + image + rect10 + "</g>"));
        QCOMPARE(int(r.outcome), int(SvgImport::Outcome::Ok));
        QCOMPARE(d.layers().size(), 2);
        QCOMPARE(d.layers()[0]->name(), QStringLiteral("Schrift"));
        // Two lines: the second "O" on its own, its base line at 30 mm (the
        // square of the other layer starts at 0).
        QVERIFY(d.layers()[0]->objects().size() == 2);
        QVERIFY2(d.drawingHeight() > 30 && d.drawingHeight() < 30.5, qPrintable(QString::number(d.drawingHeight())));
        QCOMPARE(r.leftOut.size(), 2);
        QVERIFY(r.leftOut[0].startsWith(QStringLiteral("1 Bild")));
        QVERIFY(r.leftOut[1].contains(QStringLiteral("Fließend")));
    }

    void scaleForVersion_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<double>("scale");
        QTest::newRow("0.91 with build number") << "0.91 r13725" << 3.54331;
        QTest::newRow("0.48") << "0.48.4 r9939" << 3.54331;
        QTest::newRow("0.92.3") << "0.92.3 (2405546, 2018-03-11)" << 1.0;
        QTest::newRow("1.0") << "1.0 (4035a4fb49, 2020-05-01)" << 1.0;
        QTest::newRow("no attribute") << QString() << 1.0;
        QTest::newRow("single number") << "1" << 1.0;
        QTest::newRow("leading blank") << " 0.91" << 1.0;
        QTest::newRow("text") << "neu" << 1.0;
    }

    void scaleForVersion()
    {
        QFETCH(QString, version);
        QTEST(SvgReader::scaleForVersion(version), "scale");
    }

    void pathData_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("d");
        QTest::addColumn<QString>("nodes"); // moved to the origin
        const QString v1 = QStringLiteral("1.0");
        const QString v091 = QStringLiteral("0.91 r13725");
        QTest::newRow("implicit lines after m, z closes")
            << v1 << "m 10,10 20,10 20,20 z" << "P|N 0,0 10,0 line|N 10,0 10,10 line|N 10,10 0,0 line";
        QTest::newRow("z on a closed outline, second z add nothing")
            << v1 << "M 0,0 L 10,0 L 10,10 L 0,0 Z z" << "P|N 0,0 10,0 line|N 10,0 10,10 line|N 10,10 0,0 line";
        QTest::newRow("h and v with the old scale")
            << v091 << "m 0,0 h 50 v 10" << "P|N 0,0 14.1111,0 line|N 14.1111,0 14.1111,2.82222 line";
        QTest::newRow("v, h, z") << v1 << "m 0,0 v 5 h 5 v 0 z"
                                 << "P|N 0,0 0,5 line|N 0,5 5,5 line|N 5,5 5,0 line|N 5,0 0,0 line";
        QTest::newRow("curve repeated without letter")
            << v1 << "m 0,0 c 1,1 2,2 3,3 4,4 5,5 6,6" << "P|N 0,0 1,1 2,2 3,3|N 3,3 4,4 5,5 6,6";
        QTest::newRow("curve with old scale")
            << v091 << "M 0,0 C 35.4331,0 35.4331,35.4331 0,35.4331" << "P|N 0,0 10,0 10,10 0,10";
        QTest::newRow("token without comma is y 0") << v1 << "m 5 l 10,3" << "P|N 0,0 5,3 line";
        QTest::newRow("two sub-paths") << v1 << "m 0,0 l 10,0 m 0,5 l 10,5" << "P|N 0,0 10,0 line|P|N 0,5 10,5 line";
        QTest::newRow("relative letters read as absolute")
            << v1 << "M 0,0 l 10,0 L 10,10" << "P|N 0,0 10,0 line|N 10,0 10,10 line";
        QTest::newRow("l before m starts at 0,0") << v1 << "l 10,0 h 20" << "P|N 0,0 10,0 line|N 10,0 20,0 line";
        QTest::newRow("data before the first letter skipped") << v1 << "5,5 m 0,0 l 1,1" << "P|N 0,0 1,1 line";
        QTest::newRow("data after z skipped")
            << v1 << "m 0,0 l 10,0 z 5,5 5,5 l 1,1" << "P|N 0,0 10,0 line|N 10,0 0,0 line|N 10,0 1,1 line";
        QTest::newRow("curve short of points skipped") << v1 << "m 0,0 l 1,0 c 1,1 2,2" << "P|N 0,0 1,0 line";
        QTest::newRow("m at the end") << v1 << "m 0,0 l 1,1 m" << "P|N 0,0 1,1 line";
        QTest::newRow("scientific and signed numbers") << v1 << "M -1e1,-2.5 L 1E1,+2.5e1" << "P|N 0,0 20,27.5 line";
        QTest::newRow("three numbers in a token") << v1 << "m 0,0 l 1,2,3" << "P|N 0,0 1,2 line";
    }

    void pathData()
    {
        QFETCH(QString, version);
        QFETCH(QString, d);
        Document doc;
        SvgReader::read(doc, exchangeSvg(path(d), version));
        QTEST(dump(doc, "PN"), "nodes");
    }

    void colourGrouping_data()
    {
        QTest::addColumn<QStringList>("styles"); // one path each
        QTest::addColumn<QString>("objects");    // objects, sub-paths and the colour table
        QTest::newRow("red blue red: the third joins the second object")
            << QStringList{"fill:#ff0000", "fill:#0000ff", "fill:#ff0000"}
            << "O #ff0000 C0|P|O #ff0000 C0|P|P|C0 #ff0000 cut|C1 #0000ff cut";
        QTest::newRow("fill none shares one entry") << QStringList{"fill:none", "fill:#ff0000", "fill:none"}
                                                    << "O invalid C0|P|O invalid C0|P|P|C0 invalid cut|C1 #ff0000 cut";
        QTest::newRow("unknown colours are invalid too")
            << QStringList{"fill:none;stroke:#000000", "fill:url(#verlauf)"} << "O invalid C0|P|P|C0 invalid cut";
        QTest::newRow("no style is white") << QStringList{"", "stroke:#000000"} << "O #ffffff C0|P|P|C0 #ffffff cut";
        QTest::newRow("keys and values trimmed, any case")
            << QStringList{"FILL : Red ; stroke:none", "fill:#FF0000"} << "O #ff0000 C0|P|P|C0 #ff0000 cut";
        QTest::newRow("part with two colons ignored, last fill counts")
            << QStringList{"fill:#00ff00:x;fill:red;fill:blue;;"} << "O #0000ff C0|P|C0 #0000ff cut";
        QTest::newRow("names equal to hex")
            << QStringList{"fill:lime", "fill:#00ff00"} << "O #00ff00 C0|P|P|C0 #00ff00 cut";
    }

    void colourGrouping()
    {
        QFETCH(QStringList, styles);
        QFETCH(QString, objects);
        QString body;
        for (int i = 0; i < styles.size(); ++i)
            body += path(QStringLiteral("m %1,0 l %1,1").arg(i), styles[i]);
        Document d;
        SvgReader::read(d, exchangeSvg(body));
        QCOMPARE(dump(d, "LOPC"), "L'' cut|" + objects);
    }

    void exchangeBadInput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("layers");
        QTest::addColumn<int>("nodes");
        QTest::newRow("empty") << "" << 0 << 0;
        QTest::newRow("broken after the paths") << exchangeSvg(path("m 0,0 l 1,1")) + "<svg/>" << 0 << 0;
        QTest::newRow("transform ignored")
            << exchangeSvg("<g transform=\"translate(100,0) rotate(30)\">"
                           + path("m 0,0 l 10,0", "transform:x;fill:red") + "</g>")
            << 1 << 1;
        QTest::newRow("arc letters read as data") << exchangeSvg(path("m 0,0 a 5,5 0 0 1 10,10")) << 1 << 6;
        QTest::newRow("garbage numbers") << exchangeSvg(path("m x,y l ,, 1e999,nan inf,-inf")) << 1 << 3;
        QTest::newRow("commands before m") << exchangeSvg(path("l 10,0 h 20 v 5 c 1,1 2,2 3,3 z")) << 1 << 5;
        QTest::newRow("letters only") << exchangeSvg(path("m l c z h v")) << 1 << 1;
        QTest::newRow("empty d") << exchangeSvg(path("")) << 1 << 0;
        QTest::newRow("many z") << exchangeSvg(path("m 0,0 l 1,1 " + QString("z ").repeated(20000))) << 1 << 2;
        QTest::newRow("path inside a path not read")
            << exchangeSvg("<path d=\"m 0,0 l 1,1\"><path d=\"m 0,0 l 2,2 3,3\"/></path>") << 1 << 1;
        QTest::newRow("prefixed svg:path is no path")
            << exchangeSvg("<svg:path xmlns:svg=\"x\" d=\"m 0,0 l 1,1\"/>") << 0 << 0;
        QTest::newRow("PATH in capitals is a path") << exchangeSvg("<PATH d=\"m 0,0 l 1,1\"/>") << 1 << 1;
        QTest::newRow("deep nesting")
            << exchangeSvg(QString("<g>").repeated(300) + path("m 0,0 l 1,1") + QString("</g>").repeated(300))
            << 1 << 1;
        QTest::newRow("entity from the DOCTYPE")
            << "<!DOCTYPE svg [<!ENTITY pfad \"m 0,0 l 5,5 6,6\">]><svg><path d=\"&pfad;\"/></svg>" << 1 << 2;
    }

    void exchangeBadInput()
    {
        QFETCH(QString, text);
        Document d;
        QSignalSpy changed(&d, &Document::DataChanged);
        SvgReader::read(d, text);
        QCOMPARE(changed.count(), 1);
        QTEST(d.layers().size(), "layers");
        QTEST(d.nodeCount(), "nodes");
        const QString tree = dump(d, "N");
        QVERIFY2(!tree.contains(QLatin1String("inf")) && !tree.contains(QLatin1String("nan")), qPrintable(tree));
    }
};

QTEST_MAIN(TestSvg)
#include "tst_svg.moc"
