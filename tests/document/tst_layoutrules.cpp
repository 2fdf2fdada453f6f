// The rules that keep job size, scale, position and copies consistent, and
// the layout derived from them.

#include "document/Document.h"
#include "plot/JobLayout.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A loaded drawing of w × h mm at 100 %.
void drawing(Document& d, double w, double h)
{
    d.setDrawingWidth(w);
    d.setDrawingHeight(h);
    d.setNaturalWidth(w);
    d.setNaturalHeight(h);
    d.setProportional(false);
    d.setJobWidth(int(w));
    d.setJobHeight(int(h));
    d.setProportional(true);
}

} // namespace

class TestLayoutRules : public QObject
{
    Q_OBJECT
private slots:
    void jobSize_data();
    void jobSize();
    void setterSignals();
    void location_data();
    void location();
    void distances();
    void copyGrid_data();
    void copyGrid();
    void origin_data();
    void origin();
    void transform_data();
    void transform();
    void penUnits_data();
    void penUnits();
    void widthCheck_data();
    void widthCheck();
    void segmentWindows();
};

void TestLayoutRules::jobSize_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<int>("jobW");
    QTest::addColumn<int>("jobH");
    QTest::addColumn<double>("scaleW");
    QTest::addColumn<double>("scaleH");
    // Drawing 100 × 50.
    QTest::newRow("width 150 proportional") << "width" << 150.0 << true << 150 << 75 << 150.0 << 150.0;
    QTest::newRow("width 0 stores 1") << "width" << 0.0 << true << 1 << 0 << 1.0 << 1.0;
    QTest::newRow("width -5 stores 1") << "width" << -5.0 << false << 1 << 50 << 1.0 << 100.0;
    QTest::newRow("height 20 proportional") << "height" << 20.0 << true << 40 << 20 << 40.0 << 40.0;
    QTest::newRow("height 20 free") << "height" << 20.0 << false << 100 << 20 << 100.0 << 40.0;
    QTest::newRow("width scale 33 %") << "wscale" << 33.0 << true << 33 << 16 << 33.0 << 33.0;
    QTest::newRow("height scale 150 %") << "hscale" << 150.0 << true << 150 << 75 << 150.0 << 150.0;
}

void TestLayoutRules::jobSize()
{
    QFETCH(QString, op);
    QFETCH(double, value);
    QFETCH(bool, proportional);
    QFETCH(int, jobW);
    QFETCH(int, jobH);
    QFETCH(double, scaleW);
    QFETCH(double, scaleH);
    Document d;
    drawing(d, 100, 50);
    d.setProportional(proportional);
    if (op == QLatin1String("width"))
        d.setJobWidth(int(value));
    else if (op == QLatin1String("height"))
        d.setJobHeight(int(value));
    else if (op == QLatin1String("wscale"))
        d.setWidthScale(value);
    else
        d.setHeightScale(value);
    QCOMPARE(d.jobWidth(), jobW);
    QCOMPARE(d.jobHeight(), jobH);
    QCOMPARE(d.widthScale(), scaleW);
    QCOMPARE(d.heightScale(), scaleH);
}

void TestLayoutRules::setterSignals()
{
    Document d;
    drawing(d, 100, 50);
    QSignalSpy spy(&d, &Document::DataChanged);
    d.setJobWidth(100); // current value
    d.setRight(0);
    d.setHorzDistance(0);
    d.setLocation(Document::Manually);
    QCOMPARE(spy.count(), 0);
    d.setRight(-3); // stored as 0: no change
    QCOMPARE(spy.count(), 0);
    d.setJobWidth(50);
    QCOMPARE(spy.count(), 1);
    // Switching Proportional on recomputes the height from the width.
    d.setProportional(false);
    d.setJobHeight(10);
    d.setProportional(true);
    QCOMPARE(d.jobHeight(), 25);
    QCOMPARE(d.heightScale(), 50.0);
    // The drawing size is truncated to whole millimetres.
    d.setNaturalWidth(99.9);
    QCOMPARE(d.naturalWidth(), 99);
}

void TestLayoutRules::location_data()
{
    QTest::addColumn<QList<int>>("sequence");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::newRow("manual -> bottom-left -> manual") << QList<int>{2, 0} << 20 << 30;
    QTest::newRow("manual -> right -> left -> manual") << QList<int>{1, 2, 0} << 0 << 0;
    QTest::newRow("manual -> centred") << QList<int>{3} << 0 << 0;
    QTest::newRow("centred twice -> manual") << QList<int>{3, 3, 0} << 20 << 30;
}

void TestLayoutRules::location()
{
    QFETCH(QList<int>, sequence);
    QFETCH(int, right);
    QFETCH(int, bottom);
    Document d;
    d.setRight(20);
    d.setBottom(30);
    for (int v : sequence)
        d.setLocation(Document::Location(v));
    QCOMPARE(d.right(), right);
    QCOMPARE(d.bottom(), bottom);
}

void TestLayoutRules::distances()
{
    Document d;
    QVERIFY(d.sameDistance());
    d.setHorzDistance(7);
    QCOMPARE(d.vertDistance(), 7);
    d.setVertDistance(-2);
    QCOMPARE(d.horzDistance(), 0);
    QCOMPARE(d.vertDistance(), 0);
    d.setSameDistance(false);
    d.setHorzDistance(4);
    d.setVertDistance(9);
    QCOMPARE(d.horzDistance(), 4);
    d.setSameDistance(true); // on any change the across gap takes the along gap
    QCOMPARE(d.horzDistance(), 9);
    d.setVertDistance(3);
    d.setSameDistance(false);
    QCOMPARE(d.horzDistance(), 3);
}

void TestLayoutRules::copyGrid_data()
{
    QTest::addColumn<bool>("autoPlacement");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("limit");
    QTest::addColumn<double>("totalWidth");
    // Material 300 wide, job 90 × 40, no gap, no frame, Right 0.
    QTest::newRow("auto 7") << true << 7 << 0 << 3 << 3 << 7 << 270.0;
    QTest::newRow("auto 6: last row empty") << true << 6 << 0 << 3 << 3 << 6 << 270.0;
    QTest::newRow("auto 2: one row") << true << 2 << 0 << 2 << 1 << 2 << 180.0;
    // Rotated: columns still fitted by the job width, footprint by its height.
    QTest::newRow("auto 7 rotated") << true << 7 << 1 << 3 << 3 << 7 << 120.0;
    QTest::newRow("manual 2 x 4") << false << 7 << 0 << 2 << 4 << JobLayout::NoCopyLimit << 180.0;
}

void TestLayoutRules::copyGrid()
{
    QFETCH(bool, autoPlacement);
    QFETCH(int, count);
    QFETCH(int, rotation);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, limit);
    QFETCH(double, totalWidth);
    Document d;
    drawing(d, 90, 40);
    d.setMaterialWidth(300);
    d.setAutoPlacement(autoPlacement);
    d.setCopiesCount(count);
    d.setCopiesHorz(2);
    d.setCopiesVert(4);
    d.setRotation(Document::Rotation(rotation));
    const JobLayout l(d);
    QCOMPARE(l.columns(), columns);
    QCOMPARE(l.rows(), rows);
    QCOMPARE(l.copyLimit(), limit);
    QCOMPARE(l.totalWidth(), totalWidth);
}

void TestLayoutRules::origin_data()
{
    QTest::addColumn<int>("location");
    QTest::addColumn<int>("horz");
    QTest::addColumn<double>("x0");
    QTest::addColumn<double>("y0");
    // Material 100 wide, job 40 × 20, frame margin 2, gap 4, Right 7, Bottom 9.
    QTest::newRow("manual") << 0 << 1 << 7.0 << 9.0;
    QTest::newRow("bottom-right") << 1 << 1 << 0.0 << 0.0;
    QTest::newRow("bottom-left") << 2 << 2 << 100.0 - 92.0 << 0.0;
    QTest::newRow("centred") << 3 << 1 << (100.0 - 44.0) * 0.5 << 0.0;
    QTest::newRow("centred, wider than the material") << 3 << 3 << (100.0 - 140.0) * 0.5 << 0.0;
}

void TestLayoutRules::origin()
{
    QFETCH(int, location);
    QFETCH(int, horz);
    QFETCH(double, x0);
    QFETCH(double, y0);
    Document d;
    drawing(d, 40, 20);
    d.setGrid(true);
    d.setGridDistance(2);
    d.setHorzDistance(4);
    d.setRight(7);
    d.setBottom(9);
    d.setCopiesHorz(horz);
    d.setLocation(Document::Location(location));
    const JobLayout l(d);
    QCOMPARE(l.originX(), x0);
    QCOMPARE(l.originY(), y0);
    QCOMPARE(l.firstOriginY(10.0), y0 + 10.0);
    // Steps use the exact extent plus the frame on both sides.
    QCOMPARE(l.stepX(), 4 + 40 + 4.0);
    QCOMPARE(l.stepY(), 4 + 20 + 4.0);
    QCOMPARE(l.frameWidth(), 44.0);
    QCOMPARE(l.frameLength(), 24.0);
}

void TestLayoutRules::transform_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("mirrored");
    QTest::addColumn<bool>("fcm");
    QTest::addColumn<QPointF>("head");
    // Drawing 40 × 20 at 50 %: A = 20, B = 10; the point (8, 2) scales to (4, 1).
    QTest::newRow("none") << 0 << false << false << QPointF(16, 9);
    QTest::newRow("right90") << 1 << false << false << QPointF(1, 16);
    QTest::newRow("left90") << 2 << false << false << QPointF(9, 4);
    QTest::newRow("half") << 3 << false << false << QPointF(4, 1);
    QTest::newRow("none mirrored") << 0 << true << false << QPointF(4, 9);
    QTest::newRow("right90 mirrored across B") << 1 << true << false << QPointF(9, 16);
    QTest::newRow("fcm none") << 0 << false << true << QPointF(4, 1);
    QTest::newRow("fcm right90") << 1 << false << true << QPointF(9, 4);
    QTest::newRow("fcm left90") << 2 << false << true << QPointF(1, 16);
    QTest::newRow("fcm half") << 3 << false << true << QPointF(16, 9);
    QTest::newRow("fcm left90 mirrored") << 2 << true << true << QPointF(9, 16);
}

void TestLayoutRules::transform()
{
    QFETCH(int, rotation);
    QFETCH(bool, mirrored);
    QFETCH(bool, fcm);
    QFETCH(QPointF, head);
    Document d;
    drawing(d, 40, 20);
    d.setJobWidth(20);
    d.setRotation(Document::Rotation(rotation));
    d.setMirrored(mirrored);
    d.setFcmOutput(fcm);
    const JobLayout l(d);
    QCOMPARE(l.scaledWidth(), 20.0);
    QCOMPARE(l.scaledHeight(), 10.0);
    double x, y;
    HeadTransform(d, l).apply(8, 2, x, y);
    QCOMPARE(QPointF(x, y), head);
}

void TestLayoutRules::penUnits_data()
{
    QTest::addColumn<double>("mm");
    QTest::addColumn<double>("units");
    QTest::newRow("0.0 mm") << 0.0 << 1.0;
    QTest::newRow("0.02 mm") << 0.02 << 1.0;
    QTest::newRow("-0.02 mm") << -0.02 << 1.0;
    QTest::newRow("-1.0 mm") << -1.0 << -40.0;
    QTest::newRow("12.5 mm") << 12.5 << 500.0;
    QTest::newRow("beyond the material") << 150.0 << 3999.0;
    QTest::newRow("exactly at the edge") << 100.0 << 3999.0;
}

void TestLayoutRules::penUnits()
{
    QFETCH(double, mm);
    QFETCH(double, units);
    QCOMPARE(PlotterUnits::penCoordinate(mm, 100), units);
}

void TestLayoutRules::widthCheck_data()
{
    QTest::addColumn<int>("jobWidth");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("horz");
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("exceeds");
    // Material 100 wide, drawing 100 × 50 (proportional).
    QTest::newRow("exactly the material width") << 100 << 0 << 1 << 0 << 0 << true;
    QTest::newRow("one less") << 99 << 0 << 1 << 0 << 0 << false;
    QTest::newRow("Right counts") << 90 << 10 << 1 << 0 << 0 << true;
    QTest::newRow("two columns and a gap") << 48 << 0 << 2 << 0 << 0 << false; // 48 + 3 + 48
    QTest::newRow("frame counts") << 48 << 0 << 2 << 1 << 0 << true;
    QTest::newRow("rotated uses the height") << 180 << 0 << 1 << 0 << 1 << false;
}

void TestLayoutRules::widthCheck()
{
    QFETCH(int, jobWidth);
    QFETCH(int, right);
    QFETCH(int, horz);
    QFETCH(int, grid);
    QFETCH(int, rotation);
    QFETCH(bool, exceeds);
    Document d;
    drawing(d, 100, 50);
    d.setJobWidth(jobWidth);
    d.setRight(right);
    d.setCopiesHorz(horz);
    d.setHorzDistance(horz > 1 ? 3 : 0);
    d.setGrid(grid > 0);
    d.setGridDistance(grid);
    d.setRotation(Document::Rotation(rotation));
    QCOMPARE(JobLayout(d).exceedsMaterialWidth(), exceeds);
}

void TestLayoutRules::segmentWindows()
{
    Document d;
    drawing(d, 100, 1000);
    d.setMaterialWidth(600);
    d.setSegmentation(true);
    d.setSegmentHeight(500);
    d.setBottom(5);
    const JobLayout l(d);
    QCOMPARE(l.totalLength(), 1000.0);
    QCOMPARE(l.windowCount(), 3);
    QCOMPARE(l.window(0).startMm, 5);
    QCOMPARE(l.window(0).lengthMm, 500);
    QCOMPARE(l.window(2).startMm, 1005);
    QCOMPARE(l.window(2).lengthMm, 501); // 1000 … 1501, plus Bottom
    d.setSegmentation(false);
    QCOMPARE(JobLayout(d).windowCount(), 1);
}

QTEST_GUILESS_MAIN(TestLayoutRules)
#include "tst_layoutrules.moc"
