#include "document/Document.h"
#include "document/ExchangeReader.h"
#include "document/ExchangeText.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {

// File lines as start-up hands them over: "|" separates lines here.
QStringList kcj(const QString& text)
{
    QStringList lines;
    for (const QString& l : text.split(QLatin1Char('|')))
        lines.append(ExchangeText::normaliseLine(l));
    return lines;
}

QString num(double v) { return QString::number(v == 0 ? 0.0 : v); }

QString colorText(const QColor& c)
{
    if (!c.isValid())
        return QStringLiteral("invalid");
    if (c.spec() == QColor::Cmyk)
        return QStringLiteral("cmyk(%1,%2,%3,%4)").arg(c.cyan()).arg(c.magenta()).arg(c.yellow()).arg(c.black());
    return c.name();
}

// The whole tree in a compact text form; colour entries are named by their
// table index, so shared entries show as the same name.
QString dump(const Document& doc)
{
    QStringList out;
    auto uidName = [&doc](const QUuid& uid) {
        if (uid.isNull())
            return QStringLiteral("none");
        for (int i = 0; i < doc.colors().size(); ++i)
            if (doc.colors()[i]->uid() == uid)
                return QStringLiteral("C%1").arg(i);
        return QStringLiteral("unknown");
    };
    for (const KCLayer* l : doc.layers()) {
        out << QStringLiteral("L \"%1\"%2").arg(l->name(), l->cutEnabled() ? " cut" : "");
        for (const KCObject* o : l->objects()) {
            out << QStringLiteral(" O%1 box(%2,%3,%4,%5) %6 %7")
                       .arg(o->isSelected() ? " sel" : "")
                       .arg(num(o->left()), num(o->top()), num(o->right()), num(o->bottom()))
                       .arg(colorText(o->color()), uidName(o->colorUid()));
            for (const KCSubPath& sp : o->subPaths()) {
                out << QStringLiteral("  P %1").arg(sp.isClosed() ? "closed" : "open");
                for (const KCNode& n : sp.nodes()) {
                    QString s = QStringLiteral("   N");
                    for (int p = 0; p < 4; ++p)
                        s += QStringLiteral(" %1,%2").arg(num(n.x(p)), num(n.y(p)));
                    if (n.isCorner())
                        s += QStringLiteral(" corner");
                    if (n.isLine())
                        s += QStringLiteral(" line");
                    out << s;
                }
            }
        }
    }
    for (int i = 0; i < doc.colors().size(); ++i) {
        const KCObjectColor* c = doc.colors()[i];
        out << QStringLiteral("C%1 %2%3%4 \"%5\" \"%6\"")
                   .arg(i)
                   .arg(colorText(c->color()), c->isCmyk() ? " cmyk" : "", c->cutEnabled() ? " cut" : "",
                        c->name(), c->objectName());
    }
    return out.join(QLatin1Char('\n'));
}

QString dumpOf(const QStringList& lines)
{
    Document doc;
    ExchangeReader::read(doc, lines);
    return dump(doc);
}

int emptySubPaths(const Document& doc)
{
    int n = 0;
    for (const KCLayer* l : doc.layers())
        for (const KCObject* o : l->objects())
            for (const KCSubPath& sp : o->subPaths())
                n += sp.nodes().isEmpty() ? 1 : 0;
    return n;
}

const char* const Invalid = "C0 invalid cut \"\" \"\"";
const char* const PlainObject = " O box(0,0,0,0) invalid none";

QString rows(std::initializer_list<const char*> lines)
{
    QStringList l;
    for (const char* s : lines)
        l << QString::fromUtf8(s);
    return l.join(QLatin1Char('\n'));
}

} // namespace

class TestExchangeReader : public QObject
{
    Q_OBJECT
private slots:
    void buildsDocumentTree_data();
    void buildsDocumentTree();
    void survivesMalformedInput_data();
    void survivesMalformedInput();
    void survivesHostileInput_data();
    void survivesHostileInput();
    void movesToOriginAndSizesJob_data();
    void movesToOriginAndSizesJob();
    void setsImportDefaultsAndSignalsOnce();
};

void TestExchangeReader::buildsDocumentTree_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("tree");

    QTest::newRow("empty list") << QStringList() << QString();
    QTest::newRow("layer named by the following line") << kcj("KCEbene|Schrift")
                                                       << "L \"Schrift\" cut";
    QTest::newRow("Layer: renames the last layer, trimmed")
        << kcj("KCEbene|Ebene 1|KCEbene|Ebene 2|Layer:   Kontur  ")
        << rows({"L \"Ebene 1\" cut", "L \"Kontur\" cut"});
    QTest::newRow("the name line is a line of its own too")
        << kcj("KCEbene|KCObjekt") << rows({"L \"KCObjekt\" cut", PlainObject, Invalid});
    QTest::newRow("keyword on the last line takes an empty name") << kcj("KCEbene")
                                                                  << "L \"\" cut";
    QTest::newRow("page and end markers change nothing")
        << kcj("KCSeite|KCEbene|A|KCEnde|KCSeite|KCEnde") << "L \"A\" cut";
    QTest::newRow("entries are simplified again")
        << QStringList{QStringLiteral("  KCEbene \t"), QStringLiteral("\tMein   Layer \r\n")}
        << "L \"Mein Layer\" cut";
    QTest::newRow("plain-mode text is a single entry")
        << QStringList{QStringLiteral("KCEbene\nSchrift\nKCObjekt\nKCStart\nC 0 0 0 0 0 0\n")}
        << "L \"\" cut";

    QTest::newRow("selection test lower-cases")
        << kcj("KCEbene|A|KCObjekt|KCAuswahl|JA|KCObjekt|KCAuswahl|Ja|KCObjekt|KCAuswahl|nein"
               "|KCObjekt|KCAuswahl")
        << rows({"L \"A\" cut", " O sel box(0,0,0,0) invalid none", " O sel box(0,0,0,0) invalid none",
                 PlainObject, PlainObject, Invalid});
    QTest::newRow("bounding box as read, y not negated")
        << kcj("KCEbene|A|KCObjekt|KCKoordinaten|10,5 50 60 -20")
        << rows({"L \"A\" cut", " O box(10.5,50,60,-20) invalid none", Invalid});

    QTest::newRow("CorelDraw on the first line: colour on one line")
        << kcj("Export aus CorelDraw X7|KCEbene|A|KCObjekt|KCFuellfarbe|0 0 255")
        << rows({"L \"A\" cut", " O box(0,0,0,0) #0000ff C0",
                 "C0 #0000ff cut \"unbenannt\" \"Unbenannt\""});
    QTest::newRow("CorelDraw on the second line: Illustrator colour")
        << kcj("KCSeite|Export aus CorelDraw X7|KCEbene|A|KCObjekt|KCFuellfarbe|0 0 255")
        << rows({"L \"A\" cut", " O box(0,0,0,0) #ffffff C0",
                 "C0 #ffffff cut \"unbenannt\" \"Unbenannt\""});
    QTest::newRow("equal RGB colours share, CMYK gets its own entry")
        << kcj("KCEbene|A|KCObjekt|KCFuellfarbe|RGB|0 0 255|KCObjekt|KCFuellfarbe|RGB|0 0 255"
               "|KCObjekt|KCFuellfarbe|CMYK|100 100 0 0")
        << rows({"L \"A\" cut", " O box(0,0,0,0) #0000ff C0", " O box(0,0,0,0) #0000ff C0",
                 " O box(0,0,0,0) cmyk(100,100,0,0) C1",
                 "C0 #0000ff cut \"unbenannt\" \"Unbenannt\"",
                 "C1 cmyk(100,100,0,0) cmyk cut \"unbenannt\" \"Unbenannt\""});
    QTest::newRow("second fill colour wins, the first stays in the table")
        << kcj("KCEbene|A|KCObjekt|KCFuellfarbe|RGB|255 0 0|KCFuellfarbe|RGB|0 255 0")
        << rows({"L \"A\" cut", " O box(0,0,0,0) #00ff00 C1",
                 "C0 #ff0000 cut \"unbenannt\" \"Unbenannt\"",
                 "C1 #00ff00 cut \"unbenannt\" \"Unbenannt\""});
    QTest::newRow("unknown colour kind stays white")
        << kcj("KCEbene|A|KCObjekt|KCFuellfarbe|LAB|50 10 10")
        << rows({"L \"A\" cut", " O box(0,0,0,0) #ffffff C0",
                 "C0 #ffffff cut \"unbenannt\" \"Unbenannt\""});

    // Corel: each line has the anchor, its incoming and its outgoing handle.
    QTest::newRow("Corel curve from outgoing and incoming handles")
        << kcj("CorelDraw|KCEbene|A|KCObjekt|KCStart|C 0 0 0 0 4 0|S 10 0 6 0 10 0")
        << rows({"L \"A\" cut", PlainObject, "  P open", "   N 0,0 4,0 6,0 10,0", Invalid});
    // Illustrator without "L "/"K " lines: the last pair stays where it is.
    QTest::newRow("Illustrator curves only: no handle shift")
        << kcj("KCEbene|A|KCObjekt|KCStart|C 0 0 6 0 4 0|C 10 0 10 0 10 0")
        << rows({"L \"A\" cut", PlainObject, "  P open", "   N 0,0 4,0 10,0 10,0", Invalid});
    QTest::newRow("one L line elsewhere shifts the handles of every path")
        << kcj("KCEbene|A|KCObjekt|KCStart|C 0 0 6 0 4 0|C 10 0 10 0 10 0"
               "|KCEbene|B|KCObjekt|KCStart|KCGeschlossen|ja|L 0 0 0 0")
        << rows({"L \"A\" cut", PlainObject, "  P open", "   N 0,0 4,0 6,0 10,0", "L \"B\" cut",
                 PlainObject, "  P closed", "   N 0,0 0,0 0,0 0,0 corner line", Invalid});
    QTest::newRow("K long form uses pairs 0, 2 and 4 and shifts")
        << kcj("KCEbene|A|KCObjekt|KCStart|K 0 0 91 92 4 0 93 94 6 0|K 10 0 95 96 10 0 97 98 10 0")
        << rows({"L \"A\" cut", PlainObject, "  P open", "   N 0,0 4,0 6,0 10,0", Invalid});

    const char* openTriangle = "KCEbene|A|KCObjekt|KCStart|L 0 0 10 0|L 10 0 10 -10|L 10 -10 0 0";
    QTest::newRow("open path: three anchors, two segments")
        << kcj(openTriangle)
        << rows({"L \"A\" cut", PlainObject, "  P open", "   N 0,0 0,0 10,0 10,0 corner line",
                 "   N 10,0 10,0 10,10 10,10 corner line", Invalid});
    QTest::newRow("closed path: three anchors, three segments")
        << kcj("KCEbene|A|KCObjekt|KCStart|KCGeschlossen|ja|L 0 0 10 0|L 10 0 10 -10|L 10 -10 0 0")
        << rows({"L \"A\" cut", PlainObject, "  P closed", "   N 0,0 0,0 10,0 10,0 corner line",
                 "   N 10,0 10,0 10,10 10,10 corner line", "   N 10,10 10,10 0,0 0,0 corner line",
                 Invalid});
    QTest::newRow("upper-case JA does not close")
        << kcj("KCEbene|A|KCObjekt|KCStart|KCGeschlossen|JA|L 0 0 10 0|L 10 0 10 -10|L 10 -10 0 0")
        << rows({"L \"A\" cut", PlainObject, "  P open", "   N 0,0 0,0 10,0 10,0 corner line",
                 "   N 10,0 10,0 10,10 10,10 corner line", Invalid});
    // A smooth anchor between two corners: only the closing segment, between
    // two corners, is a line.
    QTest::newRow("corner and line flags")
        << kcj("CorelDraw|KCEbene|A|KCObjekt|KCStart|KCGeschlossen|ja|C 0 0 0 0 0 0"
               "|S 10 0 10 0 10 -4|C 10 -10 10 -10 10 -10")
        << rows({"L \"A\" cut", PlainObject, "  P closed", "   N 0,0 0,0 10,0 10,0 corner",
                 "   N 10,0 10,4 10,10 10,10", "   N 10,10 10,10 0,0 0,0 corner line", Invalid});
}

void TestExchangeReader::buildsDocumentTree()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, tree);
    QCOMPARE(dumpOf(lines), tree);
}

void TestExchangeReader::survivesMalformedInput_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("tree");

    const char* point = "   N 0,0 0,0 0,0 0,0 corner line";
    QTest::newRow("node line before any layer") << kcj("C 0 0 0 0 0 0|KCEbene|A") << "L \"A\" cut";
    QTest::newRow("node line before any sub-path")
        << kcj("KCEbene|A|KCObjekt|L 0 0 1 1|C 0 0 0 0 0 0")
        << rows({"L \"A\" cut", PlainObject, Invalid});
    QTest::newRow("sub-path before any object") << kcj("KCEbene|A|KCStart|C 0 0 0 0 0 0")
                                                << "L \"A\" cut";
    QTest::newRow("object lines before any layer")
        << kcj("KCObjekt|KCAuswahl|ja|KCKoordinaten|1 2 3 4|KCFuellfarbe|RGB|1 2 3|KCStart"
               "|KCGeschlossen|ja|C 0 0 0 0 0 0")
        << QString();
    QTest::newRow("Layer: before any layer") << kcj("Layer: Kontur|KCEbene|A") << "L \"A\" cut";
    QTest::newRow("KCGeschlossen before any sub-path")
        << kcj("KCEbene|A|KCObjekt|KCGeschlossen|ja") << rows({"L \"A\" cut", PlainObject, Invalid});
    QTest::newRow("new object ends the sub-path of the last one")
        << kcj("KCEbene|A|KCObjekt|KCStart|KCObjekt|C 0 0 0 0 0 0")
        << rows({"L \"A\" cut", PlainObject, PlainObject, Invalid});
    QTest::newRow("node lines with too few numbers")
        << kcj("KCEbene|A|KCObjekt|KCStart|KCGeschlossen|ja|C 1 2 3 4 5|S|L 1 2 3|K 1 2 3 4 5 6 7 8 9"
               "|C 0 0 0 0 0 0")
        << rows({"L \"A\" cut", PlainObject, "  P closed", point, Invalid});
    QTest::newRow("fields that do not parse read as 0")
        << kcj("KCEbene|A|KCObjekt|KCStart|L 0 0 5 x|L 5 abc 0 0|KCKoordinaten|a 1 b 2")
        << rows({"L \"A\" cut", " O box(0,1,0,2) invalid none", "  P open",
                 "   N 0,0 0,0 5,0 5,0 corner line", Invalid});
    QTest::newRow("numbers that are not finite read as 0")
        << kcj("KCEbene|A|KCObjekt|KCStart|L 0 0 5 nan|L 5 inf 0 1e999")
        << rows({"L \"A\" cut", PlainObject, "  P open", "   N 0,0 0,0 5,0 5,0 corner line", Invalid});
    QTest::newRow("colour line with too few numbers")
        << kcj("KCEbene|A|KCObjekt|KCFuellfarbe|RGB|255 0")
        << rows({"L \"A\" cut", PlainObject, Invalid});
    QTest::newRow("colour kind on the last line") << kcj("KCEbene|A|KCObjekt|KCFuellfarbe|CMYK")
                                                  << rows({"L \"A\" cut", PlainObject, Invalid});
    QTest::newRow("colour keyword on the last line")
        << kcj("KCEbene|A|KCObjekt|KCFuellfarbe")
        << rows({"L \"A\" cut", " O box(0,0,0,0) #ffffff C0",
                 "C0 #ffffff cut \"unbenannt\" \"Unbenannt\""});
    QTest::newRow("Corel colour keyword on the last line")
        << kcj("CorelDraw|KCEbene|A|KCObjekt|KCFuellfarbe")
        << rows({"L \"A\" cut", PlainObject, Invalid});
    QTest::newRow("colour values out of range are clamped")
        << kcj("KCEbene|A|KCObjekt|KCFuellfarbe|RGB|300 -5 20.5")
        << rows({"L \"A\" cut", " O box(0,0,0,0) #ff0000 C0",
                 "C0 #ff0000 cut \"unbenannt\" \"Unbenannt\""});
    QTest::newRow("unknown line kinds are ignored")
        << kcj("KCEbene|A|X 1 2|KCUnbekannt|Hallo Welt|KCObjekt|KCStart|KCGeschlossen|ja"
               "|c 1 2 3 4 5 6|C0 0 0 0 0 0|C 0 0 0 0 0 0")
        << rows({"L \"A\" cut", PlainObject, "  P closed", point, Invalid});
    QTest::newRow("empty sub-paths are dropped")
        << kcj("KCEbene|A|KCObjekt|KCStart|KCStart|KCGeschlossen|ja|C 0 0 0 0 0 0|KCStart")
        << rows({"L \"A\" cut", PlainObject, "  P closed", point, Invalid});
    QTest::newRow("open path of one anchor stays, without segments")
        << kcj("KCEbene|A|KCObjekt|KCStart|C 0 0 0 0 0 0|KCStart|KCGeschlossen|ja|C 0 0 0 0 0 0")
        << rows({"L \"A\" cut", PlainObject, "  P open", "  P closed", point, Invalid});
    QTest::newRow("bounding box with too few numbers")
        << kcj("KCEbene|A|KCObjekt|KCKoordinaten|1 2 3")
        << rows({"L \"A\" cut", PlainObject, Invalid});
    QTest::newRow("empty lines") << kcj("|||KCEbene||A") << "L \"\" cut";
}

void TestExchangeReader::survivesMalformedInput()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, tree);
    QCOMPARE(dumpOf(lines), tree);
}

void TestExchangeReader::survivesHostileInput_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("layers");
    QTest::addColumn<int>("segments");
    QTest::addColumn<int>("empty"); // open sub-paths of a single anchor

    QRandomGenerator rng(11);
    QByteArray garbage(2 << 20, '\0');
    for (char& c : garbage)
        c = char(rng.bounded(256));
    QTest::newRow("binary garbage") << garbage << 0 << 0 << 0;
    QTest::newRow("empty file") << QByteArray() << 0 << 0 << 0;

    QByteArray text("KCEbene\nA\nKCObjekt\nKCStart\n");
    for (int i = 0; i < 300000; ++i)
        text += "ja\n";
    QTest::newRow("sub-path followed by a flood of other lines") << text << 1 << 0 << 0;

    QByteArray wide("KCEbene\nA\nKCObjekt\nKCStart\nKCGeschlossen\nja\nC");
    for (int i = 0; i < 1000000; ++i)
        wide += " 1.5";
    wide += "\n";
    QTest::newRow("one node line of a million numbers") << wide << 1 << 1 << 0;

    QByteArray many("KCEbene\nA\nKCObjekt\nKCStart\nKCGeschlossen\nja\n");
    for (int i = 0; i < 200000; ++i)
        many += "L " + QByteArray::number(i % 1000) + " " + QByteArray::number(i / 1000) + " 0 0\n";
    QTest::newRow("200000 anchors in one sub-path") << many << 1 << 200000 << 0;

    QByteArray layers;
    for (int i = 0; i < 20000; ++i)
        layers += "KCEbene\nE" + QByteArray::number(i) + "\nKCStart\nKCObjekt\nKCStart\nC 1 1 1 1 1 1\n";
    QTest::newRow("20000 layers with one open anchor each") << layers << 20000 << 0 << 20000;

    QByteArray huge("KCEbene\nA\nKCObjekt\nKCStart\nKCGeschlossen\nja\nC 1e308 -1e308 1e308 1e308 "
                    "-1e308 1e308\nC -1e308 1e308 1e308 -1e308 1e308 1e308\n");
    QTest::newRow("coordinates near the double range") << huge << 1 << 2 << 0;
}

void TestExchangeReader::survivesHostileInput()
{
    QFETCH(QByteArray, file);
    QFETCH(int, layers);
    QFETCH(int, segments);
    QFETCH(int, empty);
    QBuffer buffer(&file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QStringList lines;
    QVERIFY(ExchangeText::readKcjLines(buffer, lines));
    Document doc;
    ExchangeReader::read(doc, lines);
    QCOMPARE(doc.layers().size(), layers);
    QCOMPARE(doc.nodeCount(), segments);
    QCOMPARE(emptySubPaths(doc), empty);
}

void TestExchangeReader::movesToOriginAndSizesJob_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("marks");
    QTest::addColumn<double>("thickness");

    // A 100 x 50 mm rectangle at x 20..120, y 10..60 (host, y up); the
    // marks' code-3 bar lies inside it, so it does not widen the extent.
    const QString rect = QStringLiteral(
        "KCEbene|Motiv|KCObjekt|KCKoordinaten|20 60 120 10|KCStart|KCGeschlossen|ja"
        "|L 20 10 120 10|L 120 10 120 60|L 120 60 20 60|L 20 60 20 10");
    QTest::newRow("no marks") << kcj(rect) << false << 0.0;
    const QString bar = QStringLiteral(
        "|KCEbene|KC-PassermarkenEbene|KCObjekt|KCFuellfarbe|CMYK|0 0 0 3|KCStart|KCGeschlossen|ja"
        "|L 30 20 %1 20|L %1 20 %1 40|L %1 40 30 40|L 30 40 30 20");
    QTest::newRow("marks 1 mm thick") << kcj(rect + bar.arg(31)) << true << 1.0;
    // 0.3 has no exact binary form; half of it is taken in single precision.
    QTest::newRow("marks 0.3 mm thick") << kcj(rect + bar.arg(QStringLiteral("30.3"))) << true
                                        << 30.3 - 30;
    // Marks are measured on the first sub-path only; here that is a stray
    // anchor without segments, so the bar behind it gives no thickness.
    const QString strayFirst = QStringLiteral(
        "|KCEbene|KC-PassermarkenEbene|KCObjekt|KCFuellfarbe|CMYK|0 0 0 3|KCStart|L 30 20 30 20"
        "|KCStart|KCGeschlossen|ja|L 30 20 31 20|L 31 20 31 40|L 31 40 30 40|L 30 40 30 20");
    QTest::newRow("mark whose first sub-path is a stray anchor") << kcj(rect + strayFirst) << true
                                                                << 0.0;
}

void TestExchangeReader::movesToOriginAndSizesJob()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, marks);
    QFETCH(double, thickness);

    Document doc;
    ExchangeReader::read(doc, lines);
    QCOMPARE(doc.marksFound(), marks);
    QCOMPARE(doc.usePassermarks(), marks);
    QCOMPARE(doc.passerThickness(), thickness);

    const double half = marks ? double(float(thickness) / 2.0f) : 0.0;
    if (marks && thickness != 1.0 && thickness != 0.0)
        QVERIFY(std::abs(half - thickness / 2) > 1e-9); // single, not double precision
    const KCObject* o = doc.layers().first()->objects().first();
    const KCNode& first = o->subPaths().first().nodes().first();
    QVERIFY(std::abs(first.P0X() - (0 - half)) < 1e-12);
    QVERIFY(std::abs(first.P0Y() - (50 - half)) < 1e-12);
    QVERIFY(std::abs(first.P3X() - (100 - half)) < 1e-12);
    if (marks) { // the marks move with the drawing
        const KCNode& bar = doc.layers()[1]->objects().first()->subPaths().last().nodes().first();
        QVERIFY(std::abs(bar.P0X() - (10 - half)) < 1e-12);
        QVERIFY(std::abs(bar.P0Y() - (40 - half)) < 1e-12);
    }
    QCOMPARE(o->left(), 20.0); // the host's box is not moved
    QCOMPARE(o->bottom(), 10.0);

    QCOMPARE(doc.drawingWidth(), 100 - thickness);
    QCOMPARE(doc.drawingHeight(), 50 - thickness);
    const int w = int(std::ceil(100 - thickness)), h = int(std::ceil(50 - thickness));
    QCOMPARE(doc.naturalWidth(), w);
    QCOMPARE(doc.naturalHeight(), h);
    QCOMPARE(doc.jobWidth(), w);
    QCOMPARE(doc.jobHeight(), h);
}

void TestExchangeReader::setsImportDefaultsAndSignalsOnce()
{
    Document doc;
    ExchangeReader::read(doc, kcj("KCEbene|Alt|KCObjekt|KCFuellfarbe|RGB|1 2 3"));
    doc.setSameDistance(false);
    doc.setHorzDistance(3);
    doc.setVertDistance(8);
    doc.setRight(40);
    doc.setBottom(50);
    doc.setUsePassermarks(true);
    const int horz = doc.horzDistance(), vert = doc.vertDistance();
    QVERIFY2(horz != vert, "needs two different gaps to see a copy");

    QSignalSpy changed(&doc, &Document::DataChanged);
    ExchangeReader::read(doc, kcj("KCEbene|Neu"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(doc.layers().size(), 1); // cleared first
    QCOMPARE(doc.layers().first()->name(), QStringLiteral("Neu"));
    QCOMPARE(doc.colors().size(), 0);
    QVERIFY(doc.sameDistance());
    QCOMPARE(doc.horzDistance(), horz); // switching SameDistance on copies no gap
    QCOMPARE(doc.vertDistance(), vert);
    QCOMPARE(doc.right(), 5);
    QCOMPARE(doc.bottom(), 5);
    QVERIFY(!doc.usePassermarks());
}

QTEST_GUILESS_MAIN(TestExchangeReader)
#include "tst_exchangereader.moc"
