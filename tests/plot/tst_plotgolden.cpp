// Golden plot streams: small jobs whose exact bytes were worked out by hand
// from the layout, cutting-head and command rules. Each expected stream is
// tests/data/plot/<case>.out.
//
// Common setting (PlotFixtures::baseSettings): material 100 × 200 mm, speed
// 40, force 120, quality 0, tool offset 0.25 mm, first copy at Right 5 /
// Bottom 5, one copy, final position Startposition with no extra feed.

#include "PlotFixtures.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QtTest>

#include <functional>

using namespace PlotFixtures;

namespace {

struct Case {
    std::function<void(Document&)> build;
    bool deviceControl = false;
    bool onMaterial = true; // every move lies on the material (no negative positions)
};

void twoLayers(Document& d)
{
    baseSettings(d);
    addPolyline(addLayer(d, QStringLiteral("A")), {{0, 0}, {10, 0}});
    addPolyline(addLayer(d, QStringLiteral("B")), {{0, 10}, {10, 10}});
    setDrawingSize(d, 10, 10);
    d.setRotation(Document::HalfRotation);
}

void square(Document& d)
{
    baseSettings(d);
    addPolyline(addLayer(d, QStringLiteral("Quadrat")), {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}},
                true);
    setDrawingSize(d, 10, 10);
    d.setRotation(Document::HalfRotation);
}

const QPointF C0(0, 0), C1(0, 5), C2(5, 10), C3(10, 10); // an S-like bow

void marks(Document& d)
{
    lPath(d);
    d.setMarksFound(true);
    d.setUsePassermarks(true);
    d.setPasserThickness(1.0);
    d.setPasserOffsetY(-5.0);
    d.setPasserXCorrection(0.5);
    d.setPasserYCorrection(0.25);
    d.setPasserXOffset(10);
    d.setPasserYOffset(12);
    d.setPasserXDistance(180);
    d.setPasserYDistance(250);
    d.setPasserLength(20);
}

const QMap<QString, Case>& cases()
{
    static const QMap<QString, Case> all = {
        // NoRotation turns the drawing's (0,0) to the far corner (A, B).
        {"rot_none", {[](Document& d) { lPath(d); }}},
        {"rot_right90", {[](Document& d) { lPath(d); d.setRotation(Document::Right90); }}},
        {"rot_left90", {[](Document& d) { lPath(d); d.setRotation(Document::Left90); }}},
        // HalfRotation keeps drawing coordinates; the first origin move and
        // the start of the path coincide and the repeat is dropped.
        {"rot_half", {[](Document& d) { lPath(d); d.setRotation(Document::HalfRotation); }}},
        {"mirror_none", {[](Document& d) { lPath(d); d.setMirrored(true); }}},
        // Mirrored across B = 10 when turned by 90°.
        {"mirror_right90",
         {[](Document& d) {
             lPath(d);
             d.setRotation(Document::Right90);
             d.setMirrored(true);
         }}},
        // 3 columns × 2 rows, 5 mm gaps: steps 25 across, 15 along.
        {"copies_3x2",
         {[](Document& d) {
             lPath(d);
             d.setCopiesHorz(3);
             d.setCopiesVert(2);
             d.setHorzDistance(5);
         }}},
        // Frame 24 × 14 from the copy position, job from (2, 2) inside.
        {"frame",
         {[](Document& d) {
             lPath(d);
             d.setGrid(true);
             d.setGridDistance(2);
         }}},
        // Two layers, two copies, no pauses: frames only while layer A is cut.
        {"layers_frame",
         {[](Document& d) {
             twoLayers(d);
             d.setGrid(true);
             d.setGridDistance(1);
             d.setCopiesHorz(2);
             d.setHorzDistance(4);
         }}},
        {"layers_pause", {[](Document& d) { twoLayers(d); d.setStopBetweenLayers(true); }}},
        // Overcut 1 mm, 130°: lead-in at the start, extension + lead-in at
        // every right angle, extension at the end.
        {"overcut_square",
         {[](Document& d) {
             square(d);
             d.setOvercut(true);
             d.setOvercutDistance(1.0);
             d.setOvercutAngle(130);
         }}},
        // A 45° corner (overcut) followed by a 150° bend (none); the path
        // runs off the material's origin side, so x goes negative.
        {"overcut_acute",
         {[](Document& d) {
              baseSettings(d);
              addPolyline(addLayer(d, QStringLiteral("Spitz")),
                          {{0, 0}, {10, 0}, {0, 10}, {-9.659258262890681, 12.58819045102521}});
              setDrawingSize(d, 20, 20);
              d.setRotation(Document::HalfRotation);
              d.setOvercut(true);
              d.setOvercutDistance(1.0);
              d.setOvercutAngle(130);
          },
          false, false}},
        // One Bézier (31 chords from its 100-sample length) and a line.
        {"curve_open",
         {[](Document& d) {
             baseSettings(d);
             KCObject* o = addLayer(d, QStringLiteral("Kurve"))->appendObject();
             KCSubPath sp;
             sp.nodes().append(curveNode(C0, C1, C2, C3));
             sp.nodes().append(lineNode(C3, {10, 0}));
             o->subPaths().append(sp);
             setDrawingSize(d, 10, 10);
             d.setRotation(Document::HalfRotation);
         }}},
        // Closed, starting with the curve: no lead-in at its start.
        {"curve_closed_overcut",
         {[](Document& d) {
             baseSettings(d);
             KCObject* o = addLayer(d, QStringLiteral("Kurve"))->appendObject();
             KCSubPath sp;
             sp.setIsClosed(true);
             sp.nodes().append(curveNode(C0, C1, C2, C3));
             sp.nodes().append(lineNode(C3, {10, 0}));
             sp.nodes().append(lineNode({10, 0}, C0));
             o->subPaths().append(sp);
             setDrawingSize(d, 10, 10);
             d.setRotation(Document::HalfRotation);
             d.setOvercut(true);
             d.setOvercutDistance(1.0);
             d.setOvercutAngle(130);
         }}},
        // Total length 10 with windows of 10: two windows, the last 11 long.
        {"segments",
         {[](Document& d) {
             lPath(d);
             d.setSegmentation(true);
             d.setSegmentHeight(10);
         }}},
        // Red objects in layers 0 and 1, a blue one in layer 0; pause
        // between the colours; the last copy move rides in the final block.
        {"colours_pause",
         {[](Document& d) {
             baseSettings(d);
             KCObjectColor* red = d.appendColor();
             red->setColor(QColor(255, 0, 0));
             red->setCutEnabled(true);
             KCObjectColor* blue = d.appendColor();
             blue->setColor(QColor(0, 0, 255));
             blue->setCutEnabled(true);
             KCLayer* a = addLayer(d, QStringLiteral("A"));
             KCLayer* b = addLayer(d, QStringLiteral("B"));
             addPolyline(a, {{0, 0}, {10, 0}})->setColor(red->color());
             addPolyline(a, {{0, 5}, {10, 5}})->setColor(blue->color());
             addPolyline(b, {{0, 10}, {10, 10}})->setColor(red->color());
             setDrawingSize(d, 10, 10);
             d.setRotation(Document::HalfRotation);
             d.setSelection(Document::ColorSelection);
             d.setStopBetweenLayers(true);
         }}},
        {"final_start_e15", {[](Document& d) { lPath(d); d.setExtraspace(15); }}},
        // Job ends at 15 mm along: ceil((10 + 15) × 40 − 1) = 999.
        {"final_behind_e10",
         {[](Document& d) {
             lPath(d);
             d.setHomeposition(Document::BehindTheJob);
             d.setExtraspace(10);
         }}},
        {"final_beside_e10",
         {[](Document& d) {
             lPath(d);
             d.setHomeposition(Document::LeftBesideTheJob);
             d.setExtraspace(10);
         }}},
        {"final_none",
         {[](Document& d) {
             lPath(d);
             d.setHomeposition(static_cast<Document::Homeposition>(3));
         }}},
        // Material only 20 wide: x 25 mm is written as 799, and the
        // maximum x stays at the material edge.
        {"beyond_material",
         {[](Document& d) {
             lPath(d);
             d.setMaterialWidth(20);
             d.setHomeposition(Document::LeftBesideTheJob);
         }}},
        {"origin_zero",
         {[](Document& d) {
             lPath(d);
             d.setRotation(Document::HalfRotation);
             d.setLocation(Document::BottomRight);
         }}},
        // Marks found, one copy, device-control model: force announcement,
        // D2/D4/D1, origin (0.5 + 0.5, -5 + 0.25).
        {"marks_single", {[](Document& d) { marks(d); }, true, false}},
        // 3 × 2 copies, turned: spacing and first-mark values swap, D3 is
        // sent and only copy (0, 0) is cut.
        {"marks_grid",
         {[](Document& d) {
              marks(d);
              d.setRotation(Document::Right90);
              d.setCopiesHorz(3);
              d.setCopiesVert(2);
              d.setHorzDistance(5);
          },
          false, false}},
        // 26 m along: coordinates from one million on take the exponent form.
        {"exponent_26m",
         {[](Document& d) {
             lPath(d);
             d.setMaterialWidth(600);
             d.setMaterialHeight(30000);
             d.setBottom(26000);
             d.setHomeposition(Document::BehindTheJob);
         }}},
    };
    return all;
}

QByteArray readExpected(const QString& name)
{
    QFile f(TestPaths::data(QStringLiteral("plot/%1.out").arg(name)));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing fixture>");
    return f.readAll();
}

} // namespace

class TestPlotGolden : public QObject
{
    Q_OBJECT
private slots:
    void streams_data();
    void streams();
    void blockIndexes_data();
    void blockIndexes();
};

void TestPlotGolden::streams_data()
{
    QTest::addColumn<QString>("name");
    for (auto it = cases().constBegin(); it != cases().constEnd(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key();
}

void TestPlotGolden::streams()
{
    QFETCH(QString, name);
    const Case& c = cases().value(name);
    Document doc;
    c.build(doc);
    BlockList list;
    const QByteArray got = generate(doc, c.deviceControl, &list);
    const QByteArray want = readExpected(name);
    if (got != want)
        QFAIL(describeMismatch(got, want).constData());

    // The cutting head's moves (all blocks but the final one, whose end
    // position follows its own rule): upper limit always, lower bound where
    // the job lies on the material.
    QByteArray headMoves;
    for (int i = 0; i + 1 < list.size(); ++i)
        headMoves += list.at(i).bytes();
    for (const Move& m : penMoves(headMoves)) {
        QVERIFY2(m.along <= doc.materialHeight() * 40 - 1, qPrintable(name));
        QVERIFY2(m.across <= doc.materialWidth() * 40 - 1, qPrintable(name));
        if (c.onMaterial) {
            QVERIFY(m.along >= 1);
            QVERIFY(m.across >= 1);
        }
    }
}

void TestPlotGolden::blockIndexes_data()
{
    // One token per block: n<group>,<second>,<column>,<row>,<object> for an
    // object block, p<finished>,<next> for a pause block, f for the final one.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("blocks");
    QTest::newRow("layers_pause") << "layers_pause" << "n0,0,0,0,0 p0,1 n1,1,0,0,0 f";
    QTest::newRow("colours_pause") << "colours_pause" << "n0,0,0,0,0 n0,1,0,0,0 p0,1 n1,0,0,0,1 f";
    QTest::newRow("copies_3x2") << "copies_3x2"
                                << "n0,0,0,0,0 n0,0,1,0,0 n0,0,2,0,0 n0,0,0,1,0 n0,0,1,1,0 "
                                   "n0,0,2,1,0 f";
    QTest::newRow("marks_grid") << "marks_grid" << "n0,0,0,0,0 f";
    QTest::newRow("segments") << "segments" << "n0,0,0,0,0 n0,0,0,0,0 f";
}

void TestPlotGolden::blockIndexes()
{
    QFETCH(QString, name);
    QFETCH(QString, blocks);
    Document doc;
    cases().value(name).build(doc);
    BlockList list;
    generate(doc, cases().value(name).deviceControl, &list);
    QStringList got;
    for (int i = 0; i < list.size(); ++i) {
        const Block& b = list.at(i);
        if (b.pause())
            got << QStringLiteral("p%1,%2").arg(b.group()).arg(b.second());
        else if (b.group() < 0)
            got << QStringLiteral("f");
        else
            got << QStringLiteral("n%1,%2,%3,%4,%5")
                       .arg(b.group())
                       .arg(b.second())
                       .arg(b.column())
                       .arg(b.row())
                       .arg(b.object());
        QVERIFY(b.bytes().endsWith("PU;"));
    }
    QCOMPARE(got.join(QLatin1Char(' ')), blocks);
    QVERIFY(list.isFinished());
}

QTEST_GUILESS_MAIN(TestPlotGolden)
#include "tst_plotgolden.moc"
