#include "support/DrawingText.h"

#include "document/SvgReader.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// An SVG as Inkscape writes it; a null version leaves the attribute out.
QString svg(const QString& body, const QString& version = QStringLiteral("1.0"))
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

// The lines of the drawing's text form whose kind is in kinds.
QString dump(const Document& d, const char* kinds)
{
    const QRegularExpression kind(QStringLiteral("^[%1]").arg(kinds));
    return DrawingText::dump(d).filter(kind).join(QLatin1Char('|'));
}

} // namespace

class TestSvgReader : public QObject
{
    Q_OBJECT
private slots:
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
        SvgReader::read(doc, svg(path(d), version));
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
        SvgReader::read(d, svg(body));
        QCOMPARE(dump(d, "LOPC"), "L'' cut|" + objects);
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("layers");
        QTest::addColumn<int>("nodes");
        QTest::newRow("empty") << "" << 0 << 0;
        QTest::newRow("broken after the paths") << svg(path("m 0,0 l 1,1")) + "<svg/>" << 0 << 0;
        QTest::newRow("transform ignored")
            << svg("<g transform=\"translate(100,0) rotate(30)\">" + path("m 0,0 l 10,0", "transform:x;fill:red")
                   + "</g>")
            << 1 << 1;
        QTest::newRow("arc letters read as data") << svg(path("m 0,0 a 5,5 0 0 1 10,10")) << 1 << 6;
        QTest::newRow("garbage numbers") << svg(path("m x,y l ,, 1e999,nan inf,-inf")) << 1 << 3;
        QTest::newRow("commands before m") << svg(path("l 10,0 h 20 v 5 c 1,1 2,2 3,3 z")) << 1 << 5;
        QTest::newRow("letters only") << svg(path("m l c z h v")) << 1 << 1;
        QTest::newRow("empty d") << svg(path("")) << 1 << 0;
        QTest::newRow("many z") << svg(path("m 0,0 l 1,1 " + QString("z ").repeated(20000))) << 1 << 2;
        QTest::newRow("path inside a path not read")
            << svg("<path d=\"m 0,0 l 1,1\"><path d=\"m 0,0 l 2,2 3,3\"/></path>") << 1 << 1;
        QTest::newRow("prefixed svg:path is no path") << svg("<svg:path xmlns:svg=\"x\" d=\"m 0,0 l 1,1\"/>") << 0 << 0;
        QTest::newRow("PATH in capitals is a path") << svg("<PATH d=\"m 0,0 l 1,1\"/>") << 1 << 1;
        QTest::newRow("deep nesting")
            << svg(QString("<g>").repeated(300) + path("m 0,0 l 1,1") + QString("</g>").repeated(300)) << 1 << 1;
        QTest::newRow("entity from the DOCTYPE")
            << "<!DOCTYPE svg [<!ENTITY pfad \"m 0,0 l 5,5 6,6\">]><svg><path d=\"&pfad;\"/></svg>" << 1 << 2;
    }

    void badInput()
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

QTEST_GUILESS_MAIN(TestSvgReader)
#include "tst_svgreader.moc"
