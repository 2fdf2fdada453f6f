// The rules that keep job size, scale, position and copies consistent, and
// the layout derived from them. Each row runs setter words on a fresh
// document (PlotFixtures::applySettings) and reads values back by name.

#include "document/Document.h"
#include "plot/JobLayout.h"
#include "plot/PlotFixtures.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Every value a row may check, by name; the head maps the drawing point (8, 2).
QMap<QString, double> values(const Document& d)
{
    const JobLayout l(d);
    double headX, headY;
    HeadTransform(d, l).apply(8, 2, headX, headY);
    return {{"jobW", d.jobWidth()}, {"jobH", d.jobHeight()}, {"wscale", d.widthScale()}, {"hscale", d.heightScale()},
            {"naturalW", d.naturalWidth()}, {"right", d.right()}, {"bottom", d.bottom()}, {"gap", d.horzDistance()},
            {"vgap", d.vertDistance()}, {"columns", l.columns()}, {"rowCount", l.rows()}, {"limit", l.copyLimit()},
            {"totalW", l.totalWidth()}, {"x0", l.originX()}, {"y0", l.originY()}, {"y0+10", l.firstOriginY(10.0)},
            {"stepX", l.stepX()}, {"stepY", l.stepY()}, {"frameW", l.frameWidth()}, {"frameL", l.frameLength()},
            {"scaledW", l.scaledWidth()}, {"scaledH", l.scaledHeight()}, {"headX", headX}, {"headY", headY},
            {"exceeds", l.exceedsMaterialWidth()}, {"length", l.totalLength()}, {"windows", l.windowCount()},
            {"w0start", l.window(0).startMm}, {"w0len", l.window(0).lengthMm}, {"w2start", l.window(2).startMm},
            {"w2len", l.window(2).lengthMm}};
}

} // namespace

class TestLayoutRules : public QObject
{
    Q_OBJECT
private slots:
    void rules_data()
    {
        QTest::addColumn<QSizeF>("drawing"); // loaded at 100 %, proportional
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expect");
        QTest::addColumn<int>("changes"); // DataChanged signals; -1: not counted
        const QSizeF wide(100, 50), grid(90, 40), small(40, 20);

        QTest::newRow("width 150 proportional") << wide << "jobW=150" << "jobH=75 hscale=150" << 1;
        QTest::newRow("width 0 stores 1") << wide << "jobW=0" << "jobW=1 jobH=0 wscale=1 hscale=1" << -1;
        QTest::newRow("width -5 stores 1") << wide << "prop=0 jobW=-5" << "jobW=1 jobH=50 hscale=100" << -1;
        QTest::newRow("height 20 proportional") << wide << "jobH=20" << "jobW=40 wscale=40" << -1;
        QTest::newRow("height 20 free") << wide << "prop=0 jobH=20" << "jobW=100 wscale=100 hscale=40" << -1;
        QTest::newRow("width scale 33 %") << wide << "wscale=33" << "jobW=33 jobH=16 hscale=33" << -1;
        QTest::newRow("height scale 150 %") << wide << "hscale=150" << "jobW=150 jobH=75 wscale=150" << -1;
        // Proportional switched on recomputes the height from the width.
        QTest::newRow("proportional again")
            << wide << "jobW=50 prop=0 jobH=10 prop=1" << "jobH=25 hscale=50" << -1;
        QTest::newRow("current values and clamped ones signal nothing")
            << wide << "jobW=100 right=0 gap=0 loc=0 right=-3" << "right=0" << 0;
        QTest::newRow("drawing size truncated to whole mm") << wide << "naturalW=99.9" << "naturalW=99" << -1;

        QTest::newRow("manual -> bottom-left -> manual")
            << wide << "right=20 bottom=30 loc=2 loc=0" << "right=20 bottom=30" << -1;
        QTest::newRow("manual -> right -> left -> manual")
            << wide << "right=20 bottom=30 loc=1 loc=2 loc=0" << "right=0 bottom=0" << -1;
        QTest::newRow("manual -> centred") << wide << "right=20 bottom=30 loc=3" << "right=0 bottom=0" << -1;
        QTest::newRow("centred twice -> manual")
            << wide << "right=20 bottom=30 loc=3 loc=3 loc=0" << "right=20 bottom=30" << -1;

        QTest::newRow("same gaps by default") << wide << "gap=7" << "vgap=7" << -1;
        QTest::newRow("negative gap") << wide << "gap=7 vgap=-2" << "gap=0 vgap=0" << -1;
        // On any change the across gap takes the along gap.
        QTest::newRow("same gaps switched on") << wide << "same=0 gap=4 vgap=9 same=1" << "gap=9" << -1;
        QTest::newRow("same gaps switched off")
            << wide << "same=0 gap=4 vgap=9 same=1 vgap=3 same=0" << "gap=3" << -1;

        // Material 300 wide, job 90 × 40, no gap, no frame, Right 0.
        QTest::newRow("auto 7")
            << grid << "matW=300 auto count=7 cols=2 rows=4" << "columns=3 rowCount=3 limit=7 totalW=270" << -1;
        QTest::newRow("auto 6: last row empty")
            << grid << "matW=300 auto count=6 cols=2 rows=4" << "columns=3 rowCount=3 limit=6" << -1;
        QTest::newRow("auto 2: one row")
            << grid << "matW=300 auto count=2 cols=2 rows=4" << "columns=2 rowCount=1 totalW=180" << -1;
        // Rotated: columns still fitted by the job width, footprint by its height.
        QTest::newRow("auto 7 rotated")
            << grid << "matW=300 auto count=7 cols=2 rows=4 rot=1" << "columns=3 rowCount=3 totalW=120" << -1;
        QTest::newRow("manual 2 x 4")
            << grid << "matW=300 count=7 cols=2 rows=4" << "columns=2 rowCount=4 limit=9999999 totalW=180" << -1;

        // Material 100 wide, job 40 × 20, frame margin 2, gap 4, Right 7, Bottom 9.
        // Steps use the exact extent plus the frame on both sides.
        const QString origin = QStringLiteral("grid=2 gap=4 right=7 bottom=9 ");
        QTest::newRow("manual")
            << small << origin + "loc=0"
            << "x0=7 y0=9 y0+10=19 stepX=48 stepY=28 frameW=44 frameL=24" << -1;
        QTest::newRow("bottom-right") << small << origin + "loc=1" << "x0=0 y0=0 y0+10=10" << -1;
        QTest::newRow("bottom-left") << small << origin + "cols=2 loc=2" << "x0=8 y0=0" << -1;
        QTest::newRow("centred") << small << origin + "loc=3" << "x0=28 y0=0" << -1;
        QTest::newRow("centred, wider than the material") << small << origin + "cols=3 loc=3" << "x0=-20" << -1;

        // Drawing 40 × 20 at 50 %: A = 20, B = 10; the point (8, 2) scales to (4, 1). The plotter's
        // turns and mirrors are fixed by the golden streams (tst_plotgolden); FCM output turns the other way.
        QTest::newRow("none") << small << "jobW=20" << "scaledW=20 scaledH=10 headX=16 headY=9" << -1;
        QTest::newRow("fcm none") << small << "jobW=20 fcm" << "headX=4 headY=1" << -1;
        QTest::newRow("fcm right90") << small << "jobW=20 fcm rot=1" << "headX=9 headY=4" << -1;
        QTest::newRow("fcm left90") << small << "jobW=20 fcm rot=2" << "headX=1 headY=16" << -1;
        QTest::newRow("fcm half") << small << "jobW=20 fcm rot=3" << "headX=16 headY=9" << -1;
        QTest::newRow("fcm left90 mirrored") << small << "jobW=20 fcm rot=2 mirror" << "headX=9 headY=16" << -1;

        // Material 100 wide, drawing 100 × 50 (proportional).
        QTest::newRow("exactly the material width") << wide << "jobW=100 right=0" << "exceeds=1" << -1;
        QTest::newRow("one less") << wide << "jobW=99 right=0" << "exceeds=0" << -1;
        QTest::newRow("Right counts") << wide << "jobW=90 right=10" << "exceeds=1" << -1;
        QTest::newRow("two columns and a gap") << wide << "jobW=48 right=0 cols=2 gap=3" << "exceeds=0" << -1;
        QTest::newRow("frame counts") << wide << "jobW=48 right=0 cols=2 gap=3 grid=1" << "exceeds=1" << -1;
        QTest::newRow("rotated uses the height") << wide << "jobW=180 right=0 rot=1" << "exceeds=0" << -1;

        // Windows of 500 over 1000 mm from Bottom 5: the last 1000 … 1501.
        QTest::newRow("segment windows")
            << QSizeF(100, 1000) << "matW=600 segments=500 bottom=5"
            << "length=1000 windows=3 w0start=5 w0len=500 w2start=1005 w2len=501" << -1;
        QTest::newRow("no segmentation") << QSizeF(100, 1000) << "matW=600 bottom=5" << "windows=1" << -1;
    }

    void rules()
    {
        QFETCH(QSizeF, drawing);
        QFETCH(QString, script);
        QFETCH(QString, expect);
        QFETCH(int, changes);
        Document d;
        d.setDrawingWidth(drawing.width());
        d.setDrawingHeight(drawing.height());
        d.setNaturalWidth(drawing.width());
        d.setNaturalHeight(drawing.height());
        d.setProportional(false);
        d.setJobWidth(int(drawing.width()));
        d.setJobHeight(int(drawing.height()));
        d.setProportional(true);
        QSignalSpy spy(&d, &Document::DataChanged);
        QCOMPARE(PlotFixtures::applySettings(d, script), QString());
        if (changes >= 0)
            QCOMPARE(spy.count(), changes);
        const QMap<QString, double> v = values(d);
        for (const QString& word : expect.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString key = word.section(QLatin1Char('='), 0, 0);
            QVERIFY2(v.contains(key), qPrintable(key));
            QCOMPARE(key + '=' + QString::number(v.value(key), 'g', 10), word);
        }
    }
};

QTEST_GUILESS_MAIN(TestLayoutRules)
#include "tst_layoutrules.moc"
