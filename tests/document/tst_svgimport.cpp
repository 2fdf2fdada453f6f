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

} // namespace

class TestSvgImport : public QObject
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
        QCOMPARE(DrawingText::dump(a).filter(QRegularExpression("^[LOPC]")).join(QLatin1Char('|')),
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
};

QTEST_MAIN(TestSvgImport)
#include "tst_svgimport.moc"
