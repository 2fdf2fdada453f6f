#include "support/DrawingText.h"

#include "document/ExchangeReader.h"
#include "document/ExchangeText.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QtTest>

namespace {

// File lines as start-up hands them over: "|" separates lines here.
QStringList kcj(const QString& text)
{
    QStringList lines;
    for (const QString& l : text.split(QLatin1Char('|')))
        lines.append(ExchangeText::normaliseLine(l));
    return lines;
}
} // namespace

class TestExchangeReader : public QObject
{
    Q_OBJECT
private slots:
    void readsTree_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("tree");
        const QString a = QStringLiteral("KCEbene|A|KCObjekt|");
        // One object on layer A: uncoloured (the import gives it an invalid
        // entry), or with a fresh entry of colour c.
        auto plain = [](const QString& paths) { return "L'A' cut|O invalid" + paths + "|C0 invalid cut"; };
        auto filled = [](const char* c) {
            return QStringLiteral("L'A' cut|O %1 C0|C0 %1 cut 'unbenannt' 'Unbenannt'").arg(QLatin1String(c));
        };
        const QString named = QStringLiteral("cut 'unbenannt' 'Unbenannt'");

        // Keywords and their following lines.
        QTest::newRow("empty list") << QStringList() << "";
        QTest::newRow("Layer: renames the last layer, markers change nothing")
            << kcj("KCSeite|KCEbene|Ebene 1|KCEnde|KCEbene|Ebene 2|Layer:   Kontur  |KCEnde")
            << "L'Ebene 1' cut|L'Kontur' cut";
        QTest::newRow("the name line is a line of its own too") << kcj("KCEbene|KCObjekt")
                                                                << "L'KCObjekt' cut|O invalid|C0 invalid cut";
        QTest::newRow("keyword on the last line takes an empty name") << kcj("KCEbene") << "L'' cut";
        QTest::newRow("empty lines") << kcj("|||KCEbene||A") << "L'' cut";
        QTest::newRow("entries are simplified again")
            << QStringList{"  KCEbene \t", "\tMein   Layer \r\n"} << "L'Mein Layer' cut";
        QTest::newRow("plain-mode text is a single entry")
            << QStringList{"KCEbene\nSchrift\nKCObjekt\nKCStart\nC 0 0 0 0 0 0\n"} << "L'' cut";
        QTest::newRow("selection test lower-cases")
            << kcj(a + "KCAuswahl|JA|KCObjekt|KCAuswahl|nein|KCObjekt|KCAuswahl")
            << "L'A' cut|O invalid sel|O invalid|O invalid|C0 invalid cut";
        QTest::newRow("bounding box as read, y not negated")
            << kcj(a + "KCKoordinaten|10,5 50 60 -20") << "L'A' cut|O invalid box(10.5,50,60,-20)|C0 invalid cut";

        // Colours and their table.
        QTest::newRow("CorelDraw on the first line: colour on one line")
            << kcj("Export aus CorelDraw X7|" + a + "KCFuellfarbe|0 0 255") << filled("#0000ff");
        QTest::newRow("CorelDraw on the second line: Illustrator colour")
            << kcj("KCSeite|Export aus CorelDraw X7|" + a + "KCFuellfarbe|0 0 255") << filled("#ffffff");
        QTest::newRow("equal RGB colours share, CMYK gets its own entry")
            << kcj(a + "KCFuellfarbe|RGB|0 0 255|KCObjekt|KCFuellfarbe|RGB|0 0 255"
                       "|KCObjekt|KCFuellfarbe|CMYK|100 100 0 0")
            << "L'A' cut|O #0000ff C0|O #0000ff C0|O cmyk(100,100,0,0) C1|C0 #0000ff " + named
                   + "|C1 cmyk(100,100,0,0) cmyk " + named;
        QTest::newRow("second fill colour wins, the first stays in the table")
            << kcj(a + "KCFuellfarbe|RGB|255 0 0|KCFuellfarbe|RGB|0 255 0")
            << "L'A' cut|O #00ff00 C1|C0 #ff0000 " + named + "|C1 #00ff00 " + named;
        QTest::newRow("unknown colour kind stays white") << kcj(a + "KCFuellfarbe|LAB|50 10 10") << filled("#ffffff");
        QTest::newRow("colour values out of range are clamped")
            << kcj(a + "KCFuellfarbe|RGB|300 -5 20.5") << filled("#ff0000");
        QTest::newRow("colour keyword on the last line") << kcj(a + "KCFuellfarbe") << filled("#ffffff");
        QTest::newRow("colour with too few numbers or none") << kcj(a + "KCFuellfarbe|RGB|255 0|KCFuellfarbe|CMYK")
                                                             << plain("");
        QTest::newRow("Corel colour keyword on the last line") << kcj("CorelDraw|" + a + "KCFuellfarbe") << plain("");

        // Path dialects: Corel lines hold the anchor, its incoming and its
        // outgoing handle; Illustrator's last pair moves to the next segment
        // once any "L " or "K " line is in the file.
        QTest::newRow("Corel curve from outgoing and incoming handles")
            << kcj("CorelDraw|" + a + "KCStart|C 0 0 0 0 4 0|S 10 0 6 0 10 0") << plain("|P|N 0,0 4,0 6,0 10,0");
        QTest::newRow("Illustrator curves only: no handle shift")
            << kcj(a + "KCStart|C 0 0 6 0 4 0|C 10 0 10 0 10 0") << plain("|P|N 0,0 4,0 10,0 10,0");
        QTest::newRow("one L line elsewhere shifts the handles of every path")
            << kcj(a + "KCStart|C 0 0 6 0 4 0|C 10 0 10 0 10 0|KCEbene|B|KCObjekt|KCStart|KCGeschlossen|ja|L 0 0 0 0")
            << "L'A' cut|O invalid|P|N 0,0 4,0 6,0 10,0|L'B' cut|O invalid|P closed|N 0,0 0,0 corner line"
               "|C0 invalid cut";
        QTest::newRow("K long form uses pairs 0, 2 and 4 and shifts")
            << kcj(a + "KCStart|K 0 0 91 92 4 0 93 94 6 0|K 10 0 95 96 10 0 97 98 10 0")
            << plain("|P|N 0,0 4,0 6,0 10,0");
        QTest::newRow("open path (upper-case JA): three anchors, two segments")
            << kcj(a + "KCStart|KCGeschlossen|JA|L 0 0 10 0|L 10 0 10 -10|L 10 -10 0 0")
            << plain("|P|N 0,0 10,0 corner line|N 10,0 10,10 corner line");
        QTest::newRow("closed path: three anchors, three segments")
            << kcj(a + "KCStart|KCGeschlossen|ja|L 0 0 10 0|L 10 0 10 -10|L 10 -10 0 0")
            << plain("|P closed|N 0,0 10,0 corner line|N 10,0 10,10 corner line|N 10,10 0,0 corner line");
        // Only the closing segment lies between two corners.
        QTest::newRow("corner and line flags")
            << kcj("CorelDraw|" + a + "KCStart|KCGeschlossen|ja|C 0 0 0 0 0 0|S 10 0 10 0 10 -4|C 10 -10 10 -10 10 -10")
            << plain("|P closed|N 0,0 10,0 corner|N 10,0 10,4 10,10 10,10|N 10,10 0,0 corner line");

        // Lines that break the structure rules are skipped.
        QTest::newRow("lines before their layer")
            << kcj("C 0 0 0 0 0 0|Layer: Kontur|KCObjekt|KCAuswahl|ja|KCKoordinaten|1 2 3 4|KCFuellfarbe|RGB|1 2 3"
                   "|KCStart|KCGeschlossen|ja|C 0 0 0 0 0 0")
            << "";
        QTest::newRow("lines before their object or sub-path")
            << kcj("KCEbene|A|KCStart|C 0 0 0 0 0 0|KCObjekt|L 0 0 1 1|KCGeschlossen|ja|KCKoordinaten|1 2 3")
            << plain("");
        QTest::newRow("new object ends the sub-path of the last one")
            << kcj(a + "KCStart|KCObjekt|C 0 0 0 0 0 0") << "L'A' cut|O invalid|O invalid|C0 invalid cut";
        QTest::newRow("node lines with too few numbers, unknown lines")
            << kcj(a + "KCStart|KCGeschlossen|ja|C 1 2 3 4 5|S|L 1 2 3|K 1 2 3 4 5 6 7 8 9"
                       "|X 1 2|KCUnbekannt|c 1 2 3 4 5 6|C0 0 0 0 0 0|C 0 0 0 0 0 0")
            << plain("|P closed|N 0,0 0,0 corner line");
        QTest::newRow("fields that do not parse or are not finite read as 0")
            << kcj(a + "KCStart|L 0 0 5 x|L 5 abc 0 nan|L inf 0 0 1e999|KCKoordinaten|a 1 b 2")
            << "L'A' cut|O invalid box(0,1,0,2)|P|N 0,0 5,0 corner line|N 5,0 0,0 corner line|C0 invalid cut";
        QTest::newRow("empty sub-paths dropped, open one-anchor path kept")
            << kcj(a + "KCStart|KCStart|C 0 0 0 0 0 0|KCStart|KCGeschlossen|ja|C 0 0 0 0 0 0|KCStart")
            << plain("|P|P closed|N 0,0 0,0 corner line");
    }

    void readsTree()
    {
        QFETCH(QStringList, lines);
        Document doc;
        ExchangeReader::read(doc, lines);
        QTEST(DrawingText::dump(doc).join(QLatin1Char('|')), "tree");
    }

    void survivesHostileInput_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("layers");
        QTest::addColumn<int>("segments");

        // Random bytes are the fuzzer's (fuzz_exchange) and the line reader's; these are the sizes.
        QTest::newRow("sub-path followed by a flood of other lines")
            << "KCEbene\nA\nKCObjekt\nKCStart\n" + QByteArray("ja\n").repeated(300000) << 1 << 0;
        QTest::newRow("one node line of a million numbers")
            << "KCEbene\nA\nKCObjekt\nKCStart\nKCGeschlossen\nja\nC" + QByteArray(" 1.5").repeated(1000000) << 1 << 1;
        QByteArray many("KCEbene\nA\nKCObjekt\nKCStart\nKCGeschlossen\nja\n");
        for (int i = 0; i < 200000; ++i)
            many += "L " + QByteArray::number(i % 1000) + " " + QByteArray::number(i / 1000) + " 0 0\n";
        QTest::newRow("200000 anchors in one sub-path") << many << 1 << 200000;
        QTest::newRow("20000 layers with one open anchor each")
            << QByteArray("KCEbene\nE\nKCStart\nKCObjekt\nKCStart\nC 1 1 1 1 1 1\n").repeated(20000) << 20000 << 0;
        QTest::newRow("coordinates near the double range")
            << QByteArray("KCEbene\nA\nKCObjekt\nKCStart\nKCGeschlossen\nja\nC 1e308 -1e308 1e308 1e308 -1e308 1e308\n"
                          "C -1e308 1e308 1e308 -1e308 1e308 1e308\n")
            << 1 << 2;
    }

    void survivesHostileInput()
    {
        QFETCH(QByteArray, file);
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QStringList lines;
        QVERIFY(ExchangeText::readKcjLines(buffer, lines));
        Document doc;
        ExchangeReader::read(doc, lines);
        QTEST(doc.layers().size(), "layers");
        QTEST(doc.nodeCount(), "segments");
    }

    void movesToOriginAndSizesJob_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<double>("thickness"); // of the marks; -1: no marks layer

        // A 100 x 50 mm rectangle at x 20..120, y 10..60 (host, y up); the
        // marks' code-3 bar lies inside it, so it does not widen the extent.
        const QString rect = QStringLiteral("KCEbene|Motiv|KCObjekt|KCKoordinaten|20 60 120 10|KCStart|KCGeschlossen|ja"
                                            "|L 20 10 120 10|L 120 10 120 60|L 120 60 20 60|L 20 60 20 10");
        const QString bar = QStringLiteral("|KCEbene|KC-PassermarkenEbene|KCObjekt|KCFuellfarbe|CMYK|0 0 0 3|%1|KCStart"
                                           "|KCGeschlossen|ja|L 30 20 %2 20|L %2 20 %2 40|L %2 40 30 40|L 30 40 30 20");
        QTest::newRow("no marks") << kcj(rect) << -1.0;
        QTest::newRow("marks 1 mm thick") << kcj(rect + bar.arg("KCSeite", "31")) << 1.0;
        // 0.3 has no exact binary form; half of it is taken in single precision.
        QTest::newRow("marks 0.3 mm thick") << kcj(rect + bar.arg("KCSeite", "30.3")) << 30.3 - 30;
        // Marks are measured on the first sub-path only; a stray anchor without
        // segments there leaves the bar behind it unmeasured.
        QTest::newRow("mark whose first sub-path is a stray anchor")
            << kcj(rect + bar.arg("KCStart|L 30 20 30 20", "31")) << 0.0;
    }

    void movesToOriginAndSizesJob()
    {
        QFETCH(QStringList, lines);
        QFETCH(double, thickness);
        const bool marks = thickness >= 0;
        thickness = qMax(thickness, 0.0);

        // Layout values of an earlier job, which the import resets.
        Document doc;
        ExchangeReader::read(doc, kcj("KCEbene|Alt|KCObjekt|KCFuellfarbe|RGB|1 2 3"));
        doc.setSameDistance(false);
        doc.setHorzDistance(3);
        doc.setVertDistance(8);
        doc.setRight(40);
        doc.setBottom(50);
        doc.setUsePassermarks(!marks);
        QSignalSpy changed(&doc, &Document::DataChanged);
        ExchangeReader::read(doc, lines);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(doc.layers().first()->name(), QStringLiteral("Motiv")); // cleared first
        QVERIFY(doc.sameDistance());
        QCOMPARE(doc.horzDistance(), 3); // switching SameDistance on copies no gap
        QCOMPARE(doc.vertDistance(), 8);
        QCOMPARE(doc.right(), 5);
        QCOMPARE(doc.bottom(), 5);
        QCOMPARE(doc.marksFound(), marks);
        QCOMPARE(doc.usePassermarks(), marks);
        QCOMPARE(doc.passerThickness(), thickness);

        const double half = double(float(thickness) / 2.0f);
        const KCObject* o = doc.layers().first()->objects().first();
        const KCNode& first = o->subPaths().first().nodes().first();
        QCOMPARE(first.P0X(), 0 - half);
        QCOMPARE(first.P0Y(), 50 - half);
        QCOMPARE(first.P3X(), 100 - half);
        if (marks) { // the marks move with the drawing
            const KCNode& bar = doc.layers()[1]->objects().first()->subPaths().last().nodes().first();
            QCOMPARE(bar.P0X(), 10 - half);
            QCOMPARE(bar.P0Y(), 40 - half);
        }
        QCOMPARE(o->left(), 20.0); // the host's box is not moved
        QCOMPARE(o->bottom(), 10.0);
        QCOMPARE(doc.drawingWidth(), 100 - thickness);
        QCOMPARE(doc.drawingHeight(), 50 - thickness);
        QCOMPARE(doc.jobWidth(), int(std::ceil(100 - thickness)));
        QCOMPARE(doc.jobHeight(), int(std::ceil(50 - thickness)));
        QCOMPARE(doc.naturalWidth(), doc.jobWidth());
        QCOMPARE(doc.naturalHeight(), doc.jobHeight());
    }
};

QTEST_GUILESS_MAIN(TestExchangeReader)
#include "tst_exchangereader.moc"
