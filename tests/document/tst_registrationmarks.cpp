#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

#include <QPointF>
#include <QtTest>

namespace {

// One object of a test drawing: its colour and its sub-paths as polylines
// (mm, document coordinates, y down). bulge puts every control point far
// outside, which the mark measurement must not look at.
struct Shape {
    QColor color;
    bool cmyk = false;
    QVector<QVector<QPointF>> paths;
    bool bulge = false;
    bool noColorEntry = false;
};

Shape cmykMark(int code, QVector<QVector<QPointF>> paths)
{
    return {QColor::fromCmyk(0, 0, 0, code), true, std::move(paths)};
}

Shape rgbMark(int r, int g, int b, QVector<QVector<QPointF>> paths)
{
    return {QColor(r, g, b), false, std::move(paths)};
}

QVector<QPointF> square(double x, double y, double size)
{
    return {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}, {x, y}};
}

QVector<QPointF> box(double x0, double y0, double x1, double y1)
{
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
}

KCObject* addShape(Document& doc, KCLayer* layer, const Shape& s)
{
    KCObject* o = layer->appendObject();
    o->setColor(s.color);
    if (!s.noColorEntry) {
        KCObjectColor* c = doc.appendColor();
        c->setColor(s.color);
        c->setIsCmyk(s.cmyk);
        o->setColorUid(c->uid());
    }
    for (const QVector<QPointF>& pts : s.paths) {
        KCSubPath sp;
        for (int i = 0; i + 1 < pts.size(); ++i) {
            KCNode n;
            n.setP0(pts[i].x(), pts[i].y());
            n.setP3(pts[i + 1].x(), pts[i + 1].y());
            if (s.bulge) {
                n.setP1(1000, 1000);
                n.setP2(-1000, -1000);
            } else {
                n.setP1(n.P0X(), n.P0Y());
                n.setP2(n.P3X(), n.P3Y());
            }
            sp.nodes().append(n);
        }
        o->subPaths().append(sp);
    }
    return o;
}

void buildDrawing(Document& doc, const QString& layerName, const QVector<Shape>& shapes)
{
    KCLayer* layer = doc.appendLayer();
    layer->setName(layerName);
    for (const Shape& s : shapes)
        addShape(doc, layer, s);
}

// The mark fields in a fixed order, so a row states all of them.
enum Field { XOrigin, XWidth, YOrigin, OffsetY, Length, Thickness, XDistance, YDistance, XOffset, YOffset };
QVector<double> markFields(const Document& d)
{
    return {d.passerXOrigin(), d.passerXWidth(),    d.passerYOrigin(),    d.passerOffsetY(),
            d.passerLength(),  d.passerThickness(), d.passerXDistance(),  d.passerYDistance(),
            d.passerXOffset(), d.passerYOffset()};
}

constexpr double Preset = 111.0;
void presetFields(Document& d)
{
    d.setPasserXOrigin(Preset);
    d.setPasserXWidth(Preset);
    d.setPasserYOrigin(Preset);
    d.setPasserOffsetY(Preset);
    d.setPasserLength(Preset);
    d.setPasserThickness(Preset);
    d.setPasserXDistance(Preset);
    d.setPasserYDistance(Preset);
    d.setPasserXOffset(Preset);
    d.setPasserYOffset(Preset);
}

// Fields a layer without some code leaves: the distances come from the
// far-off start values, the y values are turned round at the end.
QVector<double> untouched()
{
    return {Preset, Preset, Preset, Preset, Preset, Preset, -9999999.9 - Preset,
            -(-999999999.9 - Preset), Preset, -Preset};
}

QVector<Shape> fullMarkSet()
{
    return {
        cmykMark(1, {square(10, -15, 5)}),            // origin mark, x
        cmykMark(2, {square(10, -15, 5)}),            // origin mark, y
        cmykMark(3, {box(15, -15, 16, -35)}),         // vertical leg: 20 long, 1 thick
        cmykMark(4, {box(15, -15, 35, -16)}),         // horizontal leg: y reference
        cmykMark(5, {{{20, -12}, {25, -12}}}),        // first mark x
        cmykMark(6, {{{12, -20}, {12, -25}}}),        // first mark y
        cmykMark(7, {square(205, -15, 5)}),           // right mark
        cmykMark(10, {square(10, -140, 5)}),          // top mark
    };
}

QStringList captured;
void captureMessage(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type == QtDebugMsg)
        captured.append(msg);
}

} // namespace

Q_DECLARE_METATYPE(QVector<Shape>)

class TestRegistrationMarks : public QObject
{
    Q_OBJECT
private slots:
    void measuresMarksByCode_data();
    void measuresMarksByCode();
    void usePassermarksClearedWithoutMarks_data();
    void usePassermarksClearedWithoutMarks();
    void colourRoles_data();
    void colourRoles();
    void debugLinesInOrder_data();
    void debugLinesInOrder();
    void completesColourTable_data();
    void completesColourTable();
};

void TestRegistrationMarks::measuresMarksByCode_data()
{
    QTest::addColumn<QString>("layerName");
    QTest::addColumn<QVector<Shape>>("shapes");
    QTest::addColumn<bool>("marksFound");
    QTest::addColumn<bool>("code9");
    QTest::addColumn<QVector<double>>("expected");

    const QString marks = Document::MarksLayerName;
    QTest::newRow("full set of codes") << marks << fullMarkSet() << true << false
                                       << QVector<double>{15, 5, -15, -5, 20, 1, 195, 125, 5, 9};

    QVector<double> e = untouched();
    e[XOrigin] = 5;
    e[XWidth] = 5;
    e[XDistance] = 200;
    QTest::newRow("RGB code 1 and code 7 200 mm further right")
        << marks
        << QVector<Shape>{rgbMark(1, 0, 0, {square(0, 0, 5)}), rgbMark(7, 0, 0, {square(200, 0, 5)})}
        << true << false << e;

    e = untouched();
    e[XOrigin] = 5;
    e[XWidth] = 5;
    e[XDistance] = -9999999.9 - 5;
    QTest::newRow("CMYK black 1 is code 1") << marks << QVector<Shape>{cmykMark(1, {square(0, 0, 5)})}
                                            << true << false << e;
    QTest::newRow("RGB red 1 with any green and blue is code 1")
        << marks << QVector<Shape>{rgbMark(1, 200, 50, {square(0, 0, 5)})} << true << false << e;
    Shape bulging = cmykMark(1, {square(0, 0, 5)});
    bulging.bulge = true;
    QTest::newRow("control points are not measured") << marks << QVector<Shape>{bulging} << true
                                                     << false << e;
    QTest::newRow("only the first sub-path is measured")
        << marks << QVector<Shape>{cmykMark(1, {square(0, 0, 5), square(50, 0, 10)})} << true
        << false << e;

    e = untouched();
    e[XOrigin] = 25;
    e[XWidth] = 25;
    e[XDistance] = -9999999.9 - 25;
    QTest::newRow("two code-1 objects are measured together")
        << marks << QVector<Shape>{cmykMark(1, {square(0, 0, 5)}), cmykMark(1, {square(20, 0, 5)})}
        << true << false << e;

    e = untouched();
    e[Length] = 10;
    e[Thickness] = 1;
    QTest::newRow("code 3 L drawn down and left")
        << marks << QVector<Shape>{cmykMark(3, {{{10, 0}, {10, 10}, {9, 10}}})} << true << false << e;
    QTest::newRow("code 3 L drawn right and up")
        << marks << QVector<Shape>{cmykMark(3, {{{9, 10}, {10, 10}, {10, 0}}})} << true << false << e;

    // Code 5 and 6 are measured from the code-3 and code-4 references, which
    // the first pass collects whatever the object order.
    e = untouched();
    e[Length] = 20;
    e[Thickness] = 1;
    e[XOffset] = 7 - 15;
    e[YOffset] = -(-30 - (-16));
    QTest::newRow("offsets after their references in any order")
        << marks
        << QVector<Shape>{cmykMark(5, {{{7, 3}, {9, 3}}}), cmykMark(6, {{{4, -30}, {4, -28}}}),
                          cmykMark(3, {box(15, -15, 16, -35)}), cmykMark(4, {box(15, -15, 35, -16)})}
        << true << false << e;

    e = untouched();
    QTest::newRow("code 5 without a horizontal segment")
        << marks << QVector<Shape>{cmykMark(5, {{{7, 3}, {7, 9}}})} << true << false << e;
    QTest::newRow("codes 0, 8, 11 and 255 have no role")
        << marks
        << QVector<Shape>{cmykMark(0, {square(0, 0, 5)}), cmykMark(8, {square(0, 0, 5)}),
                          cmykMark(11, {square(0, 0, 5)}), rgbMark(255, 0, 0, {square(0, 0, 5)})}
        << true << false << e;
    Shape noEntry = cmykMark(1, {square(0, 0, 5)});
    noEntry.noColorEntry = true;
    QTest::newRow("object without colour entry") << marks << QVector<Shape>{noEntry} << true << false
                                                 << e;
    QTest::newRow("code 9") << marks << QVector<Shape>{cmykMark(9, {square(0, 0, 5)})} << true << true
                            << e;
    QTest::newRow("empty marks layer") << marks << QVector<Shape>{} << true << false << e;

    e = {Preset, Preset, Preset, Preset, Preset, Preset, Preset, -Preset, Preset, -Preset};
    QTest::newRow("no marks layer") << QStringLiteral("Motiv") << fullMarkSet() << false << false << e;
    QTest::newRow("layer name differing in case") << QStringLiteral("kc-passermarkenebene")
                                                  << fullMarkSet() << false << false << e;
}

void TestRegistrationMarks::measuresMarksByCode()
{
    QFETCH(QString, layerName);
    QFETCH(QVector<Shape>, shapes);
    QFETCH(bool, marksFound);
    QFETCH(bool, code9);
    QFETCH(QVector<double>, expected);

    Document doc;
    buildDrawing(doc, layerName, shapes);
    presetFields(doc);
    doc.ReadAdobeIllustratorPasserMarks();
    QCOMPARE(doc.marksFound(), marksFound);
    QCOMPARE(doc.code9MarkFound(), code9);
    QCOMPARE(markFields(doc), expected);
}

void TestRegistrationMarks::usePassermarksClearedWithoutMarks_data()
{
    QTest::addColumn<QString>("layerName");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("marks layer keeps it on") << Document::MarksLayerName << true << true;
    QTest::newRow("marks layer does not switch it on") << Document::MarksLayerName << false << false;
    QTest::newRow("no marks layer switches it off") << QStringLiteral("Motiv") << true << false;
}

void TestRegistrationMarks::usePassermarksClearedWithoutMarks()
{
    QFETCH(QString, layerName);
    QFETCH(bool, before);
    QFETCH(bool, after);
    Document doc;
    buildDrawing(doc, layerName, fullMarkSet());
    doc.setUsePassermarks(before);
    doc.ReadAdobeIllustratorPasserMarks();
    QCOMPARE(doc.usePassermarks(), after);
}

void TestRegistrationMarks::colourRoles_data()
{
    QTest::addColumn<bool>("onMarks");
    QTest::addColumn<bool>("onArtwork");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("marks only") << true << false << false << true;
    QTest::newRow("marks and artwork") << true << true << false << false;
    QTest::newRow("marks and artwork, set before") << true << true << true << false;
    QTest::newRow("artwork only, set before") << false << true << true << false;
    QTest::newRow("unused entry keeps its value") << false << false << true << true;
}

void TestRegistrationMarks::colourRoles()
{
    QFETCH(bool, onMarks);
    QFETCH(bool, onArtwork);
    QFETCH(bool, before);
    QFETCH(bool, after);

    Document doc;
    KCLayer* art = doc.appendLayer();
    art->setName(QStringLiteral("Motiv"));
    KCLayer* marks = doc.appendLayer();
    marks->setName(Document::MarksLayerName);
    KCObjectColor* shared = doc.appendColor();
    shared->setColor(QColor::fromCmyk(0, 0, 0, 3));
    shared->setIsCmyk(true);
    shared->setUsedByMarks(before);
    if (onMarks)
        marks->appendObject()->setColorUid(shared->uid());
    if (onArtwork)
        art->appendObject()->setColorUid(shared->uid());
    doc.ReadAdobeIllustratorPasserMarks();
    QCOMPARE(shared->usedByMarks(), after);
}

void TestRegistrationMarks::debugLinesInOrder_data()
{
    QTest::addColumn<QString>("layerName");
    QTest::addColumn<QVector<Shape>>("shapes");
    QTest::addColumn<QStringList>("lines");

    const QString head = QStringLiteral("ReadAdobeIllustratorPasserMarks");
    QTest::newRow("no marks layer") << QStringLiteral("Motiv") << fullMarkSet() << QStringList{head};
    QTest::newRow("full set")
        << Document::MarksLayerName << fullMarkSet()
        << QStringList{head,
                       "Passermarkenebene gefunden",
                       "ReadAdobeIllustratorPasserMarks _passerXOrigin 15",
                       "ReadAdobeIllustratorPasserMarks 2",
                       "ReadAdobeIllustratorPasserMarks 3 1 1",
                       "ReadAdobeIllustratorPasserMarks 3 2 1",
                       "ReadAdobeIllustratorPasserMarks 3 3 1",
                       "ReadAdobeIllustratorPasserMarks 3 4 1",
                       "ReadAdobeIllustratorPasserMarks 3 5 1",
                       "Passermarke Y gefunden",
                       "ReadAdobeIllustratorPasserMarks 3 6 1",
                       "ReadAdobeIllustratorPasserMarks 3 7 1",
                       "ReadAdobeIllustratorPasserMarks 3 10 1"};
    Shape noEntry = cmykMark(1, {square(0, 0, 5)});
    noEntry.noColorEntry = true;
    QTest::newRow("RGB marks, two code-5 strokes, object without entry")
        << Document::MarksLayerName
        << QVector<Shape>{noEntry, rgbMark(1, 0, 0, {square(0, 0, 2.5)}),
                          rgbMark(5, 9, 9, {box(3, 0, 8, 1)})}
        << QStringList{head,
                       "Passermarkenebene gefunden",
                       "ReadAdobeIllustratorPasserMarks _passerXOrigin 2.5",
                       "ReadAdobeIllustratorPasserMarks 2",
                       "ReadAdobeIllustratorPasserMarks 3 1 0",
                       "ReadAdobeIllustratorPasserMarks 3 5 0",
                       "Passermarke Y gefunden",
                       "Passermarke Y gefunden"};
}

void TestRegistrationMarks::debugLinesInOrder()
{
    QFETCH(QString, layerName);
    QFETCH(QVector<Shape>, shapes);
    QFETCH(QStringList, lines);
    Document doc;
    buildDrawing(doc, layerName, shapes);
    captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    doc.ReadAdobeIllustratorPasserMarks();
    qInstallMessageHandler(previous);
    QCOMPARE(captured, lines);
}

void TestRegistrationMarks::completesColourTable_data()
{
    QTest::addColumn<QList<QColor>>("table");
    QTest::addColumn<QString>("layerName");
    QTest::addColumn<QList<QColor>>("objectColors");
    QTest::addColumn<QList<QColor>>("appended");

    const QColor red(255, 0, 0), cmykRed = QColor(255, 0, 0).toCmyk(), none;
    QTest::newRow("missing colour is added") << QList<QColor>{} << QStringLiteral("Motiv")
                                             << QList<QColor>{red, red} << QList<QColor>{red};
    QTest::newRow("present colour is not added") << QList<QColor>{red} << QStringLiteral("Motiv")
                                                 << QList<QColor>{red} << QList<QColor>{};
    QTest::newRow("CMYK look-alike of an RGB entry is added")
        << QList<QColor>{red} << QStringLiteral("Motiv") << QList<QColor>{cmykRed}
        << QList<QColor>{cmykRed};
    QTest::newRow("uncoloured objects share one invalid entry")
        << QList<QColor>{} << QStringLiteral("Motiv") << QList<QColor>{none, none}
        << QList<QColor>{none};
    QTest::newRow("marks layer is left out") << QList<QColor>{} << Document::MarksLayerName
                                             << QList<QColor>{red} << QList<QColor>{};
}

void TestRegistrationMarks::completesColourTable()
{
    QFETCH(QList<QColor>, table);
    QFETCH(QString, layerName);
    QFETCH(QList<QColor>, objectColors);
    QFETCH(QList<QColor>, appended);

    Document doc;
    for (const QColor& c : table)
        doc.appendColor()->setColor(c);
    KCLayer* layer = doc.appendLayer();
    layer->setName(layerName);
    for (const QColor& c : objectColors)
        layer->appendObject()->setColor(c);

    doc.completeColorTable();
    QCOMPARE(doc.colors().size(), table.size() + appended.size());
    for (int i = 0; i < appended.size(); ++i) {
        const KCObjectColor* c = doc.colors()[table.size() + i];
        QCOMPARE(c->color(), appended[i]);
        QVERIFY(c->cutEnabled());
        QVERIFY(c->name().isEmpty());
        QVERIFY(!c->uid().isNull());
    }
    for (const KCObject* o : layer->objects())
        QVERIFY(o->colorUid().isNull()); // objects keep their (missing) entry id
}

QTEST_GUILESS_MAIN(TestRegistrationMarks)
#include "tst_registrationmarks.moc"
