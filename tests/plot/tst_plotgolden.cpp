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
        // Left90 mirrored across B = 10 (so X = y, Y = x), 2 × 2 copies with
        // gaps 3 across / 4 along, frame margin 1: steps 15 / 26, frames
        // 12 × 22; the head ends beside the job at (32, 53 + 2).
        {"left90_mirror_copies_frame",
         {[](Document& d) {
             lPath(d);
             d.setRotation(Document::Left90);
             d.setMirrored(true);
             d.setCopiesHorz(2);
             d.setCopiesVert(2);
             d.setSameDistance(false);
             d.setHorzDistance(3);
             d.setVertDistance(4);
             d.setGrid(true);
             d.setGridDistance(1);
             d.setHomeposition(Document::LeftBesideTheJob);
             d.setExtraspace(2);
         }}},
        // By colours with pauses, two rows, a frame and windows of 15 over a
        // total length of 26: two windows (5 … 20, 20 … 36). The frame is
        // due again in every window but only for the first copy; the colour
        // that is not cut is skipped, and layer B is cut although its own
        // cut flag is off.
        {"colours_segments_pause",
         {[](Document& d) {
             baseSettings(d);
             const QColor red(255, 0, 0), blue(0, 0, 255), green(0, 255, 0);
             for (const QColor& c : {red, blue, green}) {
                 KCObjectColor* e = d.appendColor();
                 e->setColor(c);
                 e->setCutEnabled(c != blue);
             }
             KCLayer* a = addLayer(d, QStringLiteral("A"));
             KCLayer* b = addLayer(d, QStringLiteral("B"), false);
             addPolyline(a, {{0, 0}, {10, 0}})->setColor(red);
             addPolyline(b, {{0, 8}, {10, 8}})->setColor(green);
             addPolyline(b, {{0, 4}, {10, 4}})->setColor(red);
             setDrawingSize(d, 10, 10);
             d.setRotation(Document::HalfRotation);
             d.setSelection(Document::ColorSelection);
             d.setStopBetweenLayers(true);
             d.setSegmentation(true);
             d.setSegmentHeight(15);
             d.setCopiesVert(2);
             d.setHorzDistance(2);
             d.setGrid(true);
             d.setGridDistance(1);
         }}},
        // Marks with Left90 and automatic placement (4 columns, 6 copies:
        // D3 2;4), two passes of the single copy, device control. The start
        // offset does not move a job placed by its marks. The origin's
        // across value 0.3f + -0.2f lies just above 0.1 mm (4 units at the
        // edge of the job); summed in double it would fall just below (3).
        {"marks_left90_auto",
         {[](Document& d) {
              lPath(d);
              d.setRotation(Document::Left90);
              d.setMarksFound(true);
              d.setUsePassermarks(true);
              d.setPasserThickness(0.6);
              d.setPasserOffsetY(-3.3);
              d.setPasserXCorrection(-0.2);
              d.setPasserYCorrection(-0.2);
              d.setPasserXOffset(7.5);
              d.setPasserYOffset(9.25);
              d.setPasserXDistance(150.33); // 6013.2 units, truncated
              d.setPasserYDistance(210.71);
              d.setPasserLength(15.5);
              d.setAutoPlacement(true);
              d.setCopiesCount(6);
              d.setHorzDistance(5);
              d.setPasses(2);
              d.setStartOffset(10.0);
          },
          true, false}},
        // A 9.5 × 3.75 drawing at 150 % (job 15 × 6), AutoPlacement with
        // Count 5 on a 60 mm material: available 40, pitch 17, three
        // columns, two rows, the second holding two copies. The steps use
        // the exact extent (16.25 / 7.625), the fit the whole-mm width.
        // Production quality; the head ends behind the job plus 7 mm.
        {"half_auto5_behind",
         {[](Document& d) {
             baseSettings(d);
             addPolyline(addLayer(d, QStringLiteral("E")), {{0, 0}, {9.5, 0}, {9.5, 3.75}});
             setDrawingSize(d, 9.5, 3.75);
             d.setJobWidth(15);
             d.setRotation(Document::HalfRotation);
             d.setMaterialWidth(60);
             d.setAutoPlacement(true);
             d.setCopiesCount(5);
             d.setHorzDistance(2);
             d.setHomeposition(Document::BehindTheJob);
             d.setExtraspace(7);
             d.setQuality(1);
         }}},
        // Centred (x0 = 43, y0 = Bottom), pauses between two layers, frame margin 2 cut
        // for every layer and pass, overcut on: the frame is cut without
        // overcut, the objects with lead-in and extension.
        {"layers_centred_frame_overcut",
         {[](Document& d) {
             baseSettings(d);
             addPolyline(addLayer(d, QStringLiteral("A")), {{0, 0}, {10, 0}});
             addPolyline(addLayer(d, QStringLiteral("B")), {{0, 10}, {10, 10}});
             setDrawingSize(d, 10, 10);
             d.setLocation(Document::HorizontalCentered); // sets Bottom aside (0) …
             d.setBottom(5);                                // … which still counts here
             d.setStopBetweenLayers(true);
             d.setGrid(true);
             d.setGridDistance(2);
             d.setPasses(2);
             d.setOvercut(true);
             d.setOvercutDistance(1.0);
             d.setOvercutAngle(130);
             d.setHomeposition(Document::LeftBesideTheJob);
         }}},
        // Overcut on a closed path that starts with a line: the curve in the
        // middle gets the corner rule at its first chord; a second, open
        // sub-path starting with a curve gets a lead-in.
        {"curve_mid_overcut",
         {[](Document& d) {
             baseSettings(d);
             KCObject* o = addLayer(d, QStringLiteral("Kurve"))->appendObject();
             KCSubPath closed;
             closed.setIsClosed(true);
             closed.nodes().append(lineNode({0, 0}, {10, 0}));
             closed.nodes().append(curveNode({10, 0}, {10, 5.5}, {5.5, 10}, {0, 10}));
             closed.nodes().append(lineNode({0, 10}, {0, 0}));
             o->subPaths().append(closed);
             KCSubPath open;
             open.nodes().append(curveNode({3, 3}, {5, 3}, {7, 5}, {7, 7}));
             o->subPaths().append(open);
             setDrawingSize(d, 10, 10);
             d.setRotation(Document::HalfRotation);
             d.setOvercut(true);
             d.setOvercutDistance(1.0);
             d.setOvercutAngle(130);
         }}},
        // Free scale 200 % × 100 %: the bow takes 62 chords (the larger
        // factor). Right90 at BottomLeft (x0 = 100 - 10) and 10 mm start
        // offset; the curve ends on the material edge (written 3999, but
        // the end position beside the job uses the unlimited 4000).
        {"scaled_curve_right90",
         {[](Document& d) {
             baseSettings(d);
             KCObject* o = addLayer(d, QStringLiteral("Kurve"))->appendObject();
             KCSubPath sp;
             sp.nodes().append(curveNode(C0, C1, C2, C3));
             sp.nodes().append(lineNode(C3, {10, 0}));
             o->subPaths().append(sp);
             setDrawingSize(d, 10, 10);
             d.setProportional(false);
             d.setJobWidth(20);
             d.setRotation(Document::Right90);
             d.setLocation(Document::BottomLeft);
             d.setStartOffset(10.0);
             d.setQuality(1);
             d.setHomeposition(Document::LeftBesideTheJob);
             d.setExtraspace(3);
         }}},
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
    QTest::newRow("left90_mirror_copies_frame")
        << "left90_mirror_copies_frame" << "n0,0,0,0,0 n0,0,1,0,0 n0,0,0,1,0 n0,0,1,1,0 f";
    QTest::newRow("colours_segments_pause")
        << "colours_segments_pause"
        << "n0,0,0,0,0 n0,1,0,0,1 n0,0,0,1,0 n0,1,0,1,1 n0,0,0,0,0 n0,1,0,0,1 n0,0,0,1,0 "
           "n0,1,0,1,1 p0,2 n2,1,0,0,0 n2,1,0,1,0 n2,1,0,0,0 n2,1,0,1,0 f";
    QTest::newRow("marks_left90_auto") << "marks_left90_auto" << "n0,0,0,0,0 n0,0,0,0,0 f";
    QTest::newRow("half_auto5_behind")
        << "half_auto5_behind" << "n0,0,0,0,0 n0,0,1,0,0 n0,0,2,0,0 n0,0,0,1,0 n0,0,1,1,0 f";
    QTest::newRow("layers_centred_frame_overcut")
        << "layers_centred_frame_overcut" << "n0,0,0,0,0 n0,0,0,0,0 p0,1 n1,1,0,0,0 n1,1,0,0,0 f";
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
