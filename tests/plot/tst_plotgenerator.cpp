// Plot data generation. Golden streams: small jobs whose exact bytes were
// worked out by hand from the layout, cutting-head and command rules, each
// expected stream in tests/data/plot/<case>.out. Beyond them: which objects,
// copies and frames are produced, one-shot values and progress.
//
// Common setting (PlotFixtures::buildJob): material 100 × 200 mm, speed
// 40, force 120, quality 0, tool offset 0.25 mm, first copy at Right 5 /
// Bottom 5, one copy, final position Startposition with no extra feed.

#include "PlotFixtures.h"
#include "support/TestPaths.h"

#include <QtTest>

using namespace PlotFixtures;

namespace {

enum Flags { DeviceControl = 1, OffMaterial = 2 }; // OffMaterial: moves may go negative

const char* const TwoLayers = "A: 0,0 10,0; B: 0,10 10,10";
const char* const Bow = "Kurve: 0,0 c0,5 5,10 10,10 10,0"; // an S-like bow and a line
const QString Marks = QStringLiteral("found marks thick=1 offY=-5 corrX=0.5 corrY=0.25 markX=10 "
                                     "markY=12 distX=180 distY=250 markLen=20");

void add(const char* name, const char* drawing, QSizeF size, const QString& settings,
         const char* blocks = "", int flags = 0)
{
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(drawing) << size
                        << settings << QString::fromLatin1(blocks) << flags;
}

} // namespace

class TestPlotGenerator : public QObject
{
    Q_OBJECT
private slots:
    void streams_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("blocks"); // PlotFixtures::blockTokens; empty: not checked
        QTest::addColumn<int>("flags");
        const QSizeF l(20, 10), ten(10, 10);

        // NoRotation turns the drawing's (0,0) to the far corner (A, B).
        add("rot_none", L, l, "");
        add("rot_left90", L, l, "rot=2");
        add("mirror_none", L, l, "mirror");
        // Mirrored across B = 10 when turned by 90°.
        add("mirror_right90", L, l, "rot=1 mirror");
        // 3 columns × 2 rows, 5 mm gaps: steps 25 across, 15 along.
        add("copies_3x2", L, l, "cols=3 rows=2 gap=5",
            "0,0,0,0,0 0,0,1,0,0 0,0,2,0,0 0,0,0,1,0 0,0,1,1,0 0,0,2,1,0 f");
        // Frame 24 × 14 from the copy position, job from (2, 2) inside.
        add("frame", L, l, "grid=2");
        // Two layers, two copies, no pauses: frames only while layer A is cut.
        add("layers_frame", TwoLayers, ten, "rot=3 grid=1 cols=2 gap=4");
        add("layers_pause", TwoLayers, ten, "rot=3 stops", "0,0,0,0,0 p0,1 1,1,0,0,0 f");
        // Overcut 1 mm, 130°: lead-in at the start, extension + lead-in at every
        // right angle, extension at the end.
        add("overcut_square", "Quadrat: 0,0 10,0 10,10 0,10 0,0 z", ten, "rot=3 overcut=1");
        // A 45° corner (overcut) followed by a 150° bend (none); the path runs
        // off the material's origin side, so x goes negative.
        add("overcut_acute", "Spitz: 0,0 10,0 0,10 -9.659258262890681,12.58819045102521", {20, 20},
            "rot=3 overcut=1", "", OffMaterial);
        // One Bézier (31 chords from its 100-sample length) and a line.
        // HalfRotation keeps drawing coordinates; the first origin move and the
        // start of the path coincide and the repeat is dropped.
        add("curve_open", Bow, ten, "rot=3");
        // Closed, starting with the curve: no lead-in at its start.
        add("curve_closed_overcut", "Kurve: 0,0 c0,5 5,10 10,10 10,0 0,0 z", ten, "rot=3 overcut=1");
        // Total length 10 with windows of 10: two windows, the last 11 long.
        add("segments", L, l, "segments=10", "0,0,0,0,0 0,0,0,0,0 f");
        // Red objects in layers 0 and 1, a blue one in layer 0; pause between the
        // colours; the last copy move rides in the final block.
        add("colours_pause",
            "colours: #ff0000 #0000ff; A: 0,0 10,0 #ff0000; 0,5 10,5 #0000ff; B: 0,10 10,10 #ff0000",
            ten, "rot=3 select=3 stops", "0,0,0,0,0 0,1,0,0,0 p0,1 1,0,0,0,1 f");
        add("final_start_e15", L, l, "extra=15");
        add("final_none", L, l, "home=3");
        // Material only 20 wide: x 25 mm is written as 799, and the maximum x
        // stays at the material edge.
        add("beyond_material", L, l, "matW=20 home=2");
        add("origin_zero", L, l, "rot=3 loc=1");
        // Marks found, one copy, device-control model: force announcement,
        // D2/D4/D1, origin (0.5 + 0.5, -5 + 0.25).
        add("marks_single", L, l, Marks, "", DeviceControl | OffMaterial);
        // 3 × 2 copies, turned: spacing and first-mark values swap, D3 is sent
        // and only copy (0, 0) is cut.
        add("marks_grid", L, l, Marks + " rot=1 cols=3 rows=2 gap=5", "0,0,0,0,0 f", OffMaterial);
        // Left90 mirrored across B = 10 (so X = y, Y = x), 2 × 2 copies with gaps
        // 3 across / 4 along, frame margin 1: steps 15 / 26, frames 12 × 22; the
        // head ends beside the job at (32, 53 + 2).
        add("left90_mirror_copies_frame", L, l,
            "rot=2 mirror cols=2 rows=2 same=0 gap=3 vgap=4 grid=1 home=2 extra=2",
            "0,0,0,0,0 0,0,1,0,0 0,0,0,1,0 0,0,1,1,0 f");
        // By colours with pauses, two rows, a frame and windows of 15 over a total
        // length of 26: two windows (5 … 20, 20 … 36). The frame is due again in
        // every window but only for the first copy; the colour that is not cut is
        // skipped, and layer B is cut although its own cut flag is off.
        add("colours_segments_pause",
            "colours: #ff0000 #0000ff- #00ff00; A: 0,0 10,0 #ff0000; "
            "B-: 0,8 10,8 #00ff00; 0,4 10,4 #ff0000",
            ten, "rot=3 select=3 stops segments=15 rows=2 gap=2 grid=1",
            "0,0,0,0,0 0,1,0,0,1 0,0,0,1,0 0,1,0,1,1 0,0,0,0,0 0,1,0,0,1 0,0,0,1,0 0,1,0,1,1 "
            "p0,2 2,1,0,0,0 2,1,0,1,0 2,1,0,0,0 2,1,0,1,0 f");
        // Marks with Left90 and automatic placement (4 columns, 6 copies: D3 2;4),
        // two passes of the single copy, device control. The start offset does
        // not move a job placed by its marks. The origin's across value
        // 0.3f + -0.2f lies just above 0.1 mm (4 units at the edge of the job);
        // summed in double it would fall just below (3). 150.33 mm is 6013.2
        // units, truncated.
        add("marks_left90_auto", L, l,
            "rot=2 found marks thick=0.6 offY=-3.3 corrX=-0.2 corrY=-0.2 markX=7.5 markY=9.25 "
            "distX=150.33 distY=210.71 markLen=15.5 auto count=6 gap=5 passes=2 start=10",
            "0,0,0,0,0 0,0,0,0,0 f", DeviceControl | OffMaterial);
        // A 9.5 × 3.75 drawing at 150 % (job 15 × 6), AutoPlacement with Count 5
        // on a 60 mm material: available 40, pitch 17, three columns, two rows,
        // the second holding two copies. The steps use the exact extent
        // (16.25 / 7.625), the fit the whole-mm width. Production quality; the
        // head ends behind the job plus 7 mm.
        add("half_auto5_behind", "E: 0,0 9.5,0 9.5,3.75", {9.5, 3.75},
            "jobW=15 rot=3 matW=60 auto count=5 gap=2 home=1 extra=7 quality=1",
            "0,0,0,0,0 0,0,1,0,0 0,0,2,0,0 0,0,0,1,0 0,0,1,1,0 f");
        // Centred (x0 = 43, y0 = Bottom), pauses between two layers, frame margin
        // 2 cut for every layer and pass, overcut on: the frame is cut without
        // overcut, the objects with lead-in and extension. Centring sets Bottom
        // aside (0), which still counts when set again.
        add("layers_centred_frame_overcut", TwoLayers, ten,
            "loc=3 bottom=5 stops grid=2 passes=2 overcut=1 home=2",
            "0,0,0,0,0 0,0,0,0,0 p0,1 1,1,0,0,0 1,1,0,0,0 f");
        // Overcut on a closed path that starts with a line: the curve in the
        // middle gets the corner rule at its first chord; a second, open sub-path
        // starting with a curve gets a lead-in.
        add("curve_mid_overcut", "Kurve: 0,0 10,0 c10,5.5 5.5,10 0,10 0,0 z & 3,3 c5,3 7,5 7,7", ten,
            "rot=3 overcut=1");
        // Free scale 200 % × 100 %: the bow takes 62 chords (the larger factor).
        // Right90 at BottomLeft (x0 = 100 - 10) and 10 mm start offset; the curve
        // ends on the material edge (written 3999, but the end position beside
        // the job uses the unlimited 4000).
        add("scaled_curve_right90", Bow, ten, "free jobW=20 rot=1 loc=2 start=10 quality=1 home=2 extra=3");
        // 26 m along: coordinates from one million on take the exponent form.
        add("exponent_26m", L, l, "matW=600 matH=30000 bottom=26000 home=1");
    }
    void streams()
    {
        QFETCH(QString, name);
        QFETCH(QString, drawing);
        QFETCH(QSizeF, size);
        QFETCH(QString, settings);
        QFETCH(QString, blocks);
        QFETCH(int, flags);
        Document doc;
        QCOMPARE(buildJob(doc, drawing, size.width(), size.height(), settings), QString());
        BlockList list;
        const QByteArray got = generate(doc, flags & DeviceControl, &list);
        QFile f(TestPaths::data(QStringLiteral("plot/%1.out").arg(name)));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        const QByteArray want = f.readAll();
        if (got != want)
            QFAIL(describeMismatch(got, want).constData());
        if (!blocks.isEmpty())
            QCOMPARE(blockTokens(list), blocks);
        QVERIFY(list.isFinished());

        // The cutting head's moves (all blocks but the final one, whose end
        // position follows its own rule): every block ends with the pen up; upper
        // limit always, lower bound where the job lies on the material.
        QByteArray headMoves;
        for (int i = 0; i + 1 < list.size(); ++i) {
            QVERIFY(list.at(i).bytes().endsWith("PU;"));
            headMoves += list.at(i).bytes();
        }
        for (const Move& m : penMoves(headMoves)) {
            QVERIFY(m.along <= doc.materialHeight() * 40 - 1);
            QVERIFY(m.across <= doc.materialWidth() * 40 - 1);
            if (!(flags & OffMaterial))
                QVERIFY(m.along >= 1 && m.across >= 1);
        }
    }

    void jobs_data()
    {
        QTest::addColumn<QString>("drawing"); // 10 × 10 mm
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("blocks"); // PlotFixtures::blockTokens; empty: not checked
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("count"); // how often text occurs; -1: the whole stream
        const QString a = QStringLiteral("A: 0,0 10,0");
        // Material 40: available 40 - 10 - Right 5 gives three columns of 10.
        QTest::newRow("auto placement 5, three columns, two passes")
            << a << "matW=40 auto count=5 passes=2"
            << "0,0,0,0,0 0,0,0,0,0 0,0,1,0,0 0,0,1,0,0 0,0,2,0,0 0,0,2,0,0 0,0,0,1,0 0,0,0,1,0 "
               "0,0,1,1,0 0,0,1,1,0 f"
            << QByteArray() << 0;
        QTest::newRow("skipped layers do not count for pauses")
            << a + "; KC-PassermarkenEbene: 0,0 1,0; aus-: 0,0 1,0; C: 0,5 10,5"
            << "stops" << "0,0,0,0,0 p0,3 3,3,0,0,0 f" << QByteArray() << 0;
        QTest::newRow("marks wanted but not found: first copy only, no marks")
            << a << "marks cols=3 rows=2" << "0,0,0,0,0 f" << QByteArray("\x1b.D") << 0;
        QTest::newRow("other object selection: nothing") << a << "select=0" << "f" << QByteArray() << 0;
        QTest::newRow("selected objects only")
            << a + "; 0,5 10,5 sel" << "selected" << "0,0,0,0,1 f" << QByteArray() << 0;
        // Two colours, two copies across: the first copy's frame (12 × 12 from
        // (5, 5), starting with a cut to (17, 5)) is cut once for the whole job,
        // or once per colour with pauses; the second copy's (a cut to (29, 5))
        // never.
        const QString colours = QStringLiteral(
            "colours: #ff0000 #0000ff; A: 0,2 10,2 #ff0000; 0,3 10,3 #0000ff");
        const QString frames = QStringLiteral("rot=3 select=3 grid=1 cols=2");
        QTest::newRow("frame by colour") << colours << frames << "" << QByteArray("PD200,680;") << 1;
        QTest::newRow("frame by colour, pauses")
            << colours << frames + " stops" << "" << QByteArray("PD200,680;") << 2;
        QTest::newRow("no frame for the second copy")
            << colours << frames + " stops" << "" << QByteArray("PD200,1160;") << 0;
        // The frame is cut; the move into it (to the same point) stays a separate
        // pen-up move because it differs from the last cut's text.
        QTest::newRow("nothing selected, frame")
            << QString(L) << "selected grid=0" << ""
            << QByteArray("IN;VS40;FS120;AS0.2;TO0.250;SP1;PU200,200;PD200,1000;PD600,1000;"
                          "PD600,200;PD200,200;PU200,200;PU;PU40,1;PU;")
            << -1;
        QTest::newRow("plotter's own settings: no initialisation")
            << QString(L) << "ownSettings bladeInit" << ""
            << QByteArray("PU600,1000;PD600,200;PD200,200;PU;PU;PU40,1;PU;") << -1;
    }
    void jobs()
    {
        QFETCH(QString, drawing);
        QFETCH(QString, settings);
        QFETCH(QString, blocks);
        QFETCH(QByteArray, text);
        QFETCH(int, count);
        Document d;
        const bool isL = drawing == QLatin1String(L);
        QCOMPARE(buildJob(d, drawing, isL ? 20 : 10, 10, settings), QString());
        BlockList list;
        const QByteArray stream = generate(d, false, &list);
        if (!blocks.isEmpty())
            QCOMPARE(blockTokens(list), blocks);
        QCOMPARE(list.pausesEnabled(), d.stopBetweenLayers());
        if (count < 0)
            QCOMPARE(stream, text);
        else if (!text.isEmpty())
            QCOMPARE(stream.count(text), count);
    }

    void startOffsetIsConsumedOnce()
    {
        Document d;
        buildJob(d, L, 20, 10, "start=10");
        QVERIFY(generate(d).startsWith("IN;VS40;FS120;AS0.2;TO0.250;SP1;PU1000,1000;"));
        QCOMPARE(d.startOffset(), 0.0);
        QVERIFY(generate(d).startsWith("IN;VS40;FS120;AS0.2;TO0.250;SP1;PU600,1000;"));
    }

    void progress()
    {
        Document d;
        // Two objects, two copies, three passes, total length 10 in windows of 6.
        buildJob(d, QString(L) + "; 0,0 5,5", 20, 10, "cols=2 passes=3 segments=6");
        QCOMPARE(PlotDataGenerator::objectOutputs(d), 2 * 2 * 3 * 2);
        QList<QPair<int, int>> calls;
        BlockList list;
        PlotDataGenerator g(d);
        g.setDiagnostics(false);
        g.setProgress([&](int done, int total) { calls.append({done, total}); });
        g.generate(list);
        QCOMPARE(calls.first(), qMakePair(0, 24));
        QCOMPARE(calls.last(), qMakePair(24, 24));
        for (int i = 1; i < calls.size(); ++i)
            QVERIFY(calls[i].first >= calls[i - 1].first);
        QCOMPARE(list.size(), 24 + 1);
    }
};

QTEST_GUILESS_MAIN(TestPlotGenerator)
#include "tst_plotgenerator.moc"
