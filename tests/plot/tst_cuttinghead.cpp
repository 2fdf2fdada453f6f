#include "PlotFixtures.h"

#include "plot/CuttingHead.h"
#include "plot/JobLayout.h"

#include <QtTest>

#include <cmath>

using namespace PlotFixtures;

namespace {

// Plays a script of head operations on a 100 × 200 material and returns the
// buffer: "x,y" moves (mm), "d" pen down, "u" pen up, "w" an input window.
// Overcut 1 mm at corners sharper than angle (0: no overcut).
QByteArray play(CuttingHead& h, const QString& script, double angle = 0)
{
    h.setDiagnostics(false);
    h.setMaterialSize(100, 200);
    h.resetOrigins();
    h.setOvercut(angle > 0, angle, 1.0);
    for (const QString& op : script.split(QLatin1Char(' '))) {
        if (op == QLatin1String("d"))
            h.penDown();
        else if (op == QLatin1String("u"))
            h.penUp();
        else if (op == QLatin1String("w"))
            h.append(Commands::inputWindow(0, 10, 100));
        else
            h.moveTo(point(op).x(), point(op).y());
    }
    return h.buffer();
}

// Shortest distance from p to the cubic, by dense sampling.
double distanceToCurve(const KCNode& n, double px, double py)
{
    double best = 1e300;
    for (int i = 0; i <= 20000; ++i) {
        const double t = i / 20000.0, s = 1 - t;
        const double x = s * s * s * n.P0X() + 3 * s * s * t * n.P1X() + 3 * s * t * t * n.P2X()
            + t * t * t * n.P3X();
        const double y = s * s * s * n.P0Y() + 3 * s * s * t * n.P1Y() + 3 * s * t * t * n.P2Y()
            + t * t * t * n.P3Y();
        best = std::min(best, std::hypot(x - px, y - py));
    }
    return best;
}

} // namespace

class TestCuttingHead : public QObject
{
    Q_OBJECT
private slots:
    void moves_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<double>("angle");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("repeated cut point written once") << "1,1 d 2,2 2,2" << 0.0 << QByteArray("PU40,40;PD80,80;");
        QTest::newRow("pen-up moves collapse") << "1,1 2,2" << 0.0 << QByteArray("PU80,80;");
        QTest::newRow("window keeps both pen-up moves")
            << "1,1 w 2,2" << 0.0 << QByteArray("PU40,40;IW0,0,400,4000;PU80,80;");
        QTest::newRow("0 mm and 0.02 mm become 1 unit") << "0.02,0 d 0,0.02" << 0.0 << QByteArray("PU1,1;PD1,1;");
        QTest::newRow("beyond the material: last unit inside; negative stays")
            << "150,300 d -1,-1" << 0.0 << QByteArray("PU7999,3999;PD-40,-40;");
        QTest::newRow("overcut off: start, cuts, nothing at the end")
            << "5,5 d 15,5 15,15 u" << 0.0 << QByteArray("PU200,200;PD200,600;PD600,600;");
        // A 150° bend (the last point is 10 mm on at 30°): no overcut; only the
        // lead-in at the start and the extension at the end.
        const QString bend = QStringLiteral("5,5 d 15,5 23.66025403784439,10 u");
        QTest::newRow("150 degree bend")
            << bend << 130.0
            << QByteArray("PU200,160;PD200,200;PD200,600;PD400,946;PD420,981;PU400,946;");
        // The same bend with the threshold above 150° gets both.
        QTest::newRow("150 degree bend, threshold 151")
            << bend << 151.0
            << QByteArray("PU200,160;PD200,200;PD200,600;PD200,640;PU180,565;PD200,600;PD400,946;"
                          "PD420,981;PU400,946;");
        QTest::newRow("reversal, angle 0")
            << "5,5 d 15,5 5,5 u" << 130.0
            << QByteArray("PU200,160;PD200,200;PD200,600;PD200,640;PU200,640;PD200,600;PD200,200;"
                          "PD200,160;PU200,200;");
    }
    void moves()
    {
        QFETCH(QString, script);
        QFETCH(double, angle);
        CuttingHead h;
        QTEST(play(h, script, angle), "expected");
    }

    void curveSteps_data()
    {
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("steps");
        QTest::newRow("0.5 mm") << 0.5 << 1.0 << 3;
        QTest::newRow("0.25 mm at 200 %") << 0.25 << 2.0 << 3;
        QTest::newRow("10 mm") << 10.0 << 1.0 << 20;
        QTest::newRow("10.01 mm") << 10.01 << 1.0 << 21;
        QTest::newRow("10 m") << 10000.0 << 1.0 << 5000;
        QTest::newRow("not a number") << std::nan("") << 1.0 << 3;
    }
    void curveSteps()
    {
        QFETCH(double, length);
        QFETCH(double, scale);
        QTEST(CuttingHead::curveSteps(length, scale), "steps");
    }

    void flattenedCurveStaysClose_data()
    {
        QTest::addColumn<QVector<double>>("points"); // P0 P1 P2 P3, x y each
        QTest::newRow("bow") << QVector<double>{0, 0, 0, 5, 5, 10, 10, 10};
        QTest::newRow("quarter circle r=10") << QVector<double>{10, 0, 10, 5.5228, 5.5228, 10, 0, 10};
        QTest::newRow("s-curve") << QVector<double>{0, 0, 30, 0, -10, 20, 20, 20};
        QTest::newRow("long flat") << QVector<double>{0, 0, 100, 3, 200, -3, 300, 0};
        QTest::newRow("cusp-free loop") << QVector<double>{0, 0, 40, 40, -20, 40, 20, 0};
    }
    // Every chord end lies within 0.05 mm of the true Bézier, and so does the
    // middle of every chord (unit rounding included).
    void flattenedCurveStaysClose()
    {
        QFETCH(QVector<double>, points);
        KCNode n;
        for (int i = 0; i < 4; ++i)
            n.setPoint(i, points[2 * i] + 50, points[2 * i + 1] + 50);
        CuttingHead h;
        h.setDiagnostics(false);
        h.resetOrigins();
        h.moveTo(n.P0X(), n.P0Y());
        h.penDown();
        const int steps = CuttingHead::curveSteps(n.length(), 1.0);
        h.curveTo({n.P0X(), n.P0Y()}, {n.P1X(), n.P1Y()}, {n.P2X(), n.P2Y()}, {n.P3X(), n.P3Y()},
                  steps, true, false);
        const QVector<Move> moves = penMoves(h.buffer());
        QCOMPARE(moves.size(), steps + 1);
        for (int i = 0; i < moves.size(); ++i) {
            const double x = moves[i].across / 40.0, y = moves[i].along / 40.0;
            QVERIFY2(distanceToCurve(n, x, y) <= 0.05, qPrintable(QString::number(i)));
            if (i > 0) {
                const double mx = (x + moves[i - 1].across / 40.0) / 2;
                const double my = (y + moves[i - 1].along / 40.0) / 2;
                QVERIFY2(distanceToCurve(n, mx, my) <= 0.05, qPrintable(QString::number(i)));
            }
        }
    }

    void extentAndOrigins()
    {
        CuttingHead h;
        play(h, "10,20");
        h.pushOrigin();
        h.moveTo(5, 5); // (15, 25)
        h.pushOrigin();
        h.moveTo(200, -30); // beyond the width, before the front edge
        QCOMPARE(h.maximum().x, 100.0);
        QCOMPARE(h.maximum().y, 25.0);
        QCOMPARE(h.minimum().y, -5.0);
        h.returnToOrigin();
        QCOMPARE(h.position().x, 15.0);
        h.popOrigin();
        QCOMPARE(h.position().y, 25.0);
        QCOMPARE(h.originDepth(), 2);
        h.popOrigin();
        QCOMPARE(h.position().x, 10.0);
        QCOMPARE(h.take(), QByteArray("PU-200,3999;PU;"));
        QCOMPARE(h.buffer(), QByteArray());
    }

    // The record the FCM export reads: one path per pen-down run, lead-ins
    // as paths of their own, curves as curve runs.
    void geometryRecord()
    {
        CuttingHead h;
        play(h, "5,5 d 15,5", 130);
        h.curveTo({15, 5}, {20, 5}, {20, 10}, {15, 15}, 5, false, false);
        h.penUp();
        const CutGeometry::Piece& piece = h.geometry().last().last();
        QCOMPARE(piece.paths.size(), 1);
        const CutGeometry::Path& p = piece.paths[0];
        QCOMPARE(p.start.x, 4.0); // the lead-in starts 1 mm early
        QCOMPARE(p.segmentCount, 3);
        QCOMPARE(piece.segment(p, 0).type, CutGeometry::PolylineRun);
        QCOMPARE(piece.segment(p, 0).count, 2); // (5,5) and (15,5)
        QCOMPARE(piece.segment(p, 1).type, CutGeometry::CurveRun);
        QCOMPARE(piece.segment(p, 1).count, 3);
        QCOMPARE(piece.point(piece.segment(p, 1), 2).y, 15.0);
        QCOMPARE(piece.segment(p, 2).type, CutGeometry::PolylineRun); // the end extension
    }
};

QTEST_GUILESS_MAIN(TestCuttingHead)
#include "tst_cuttinghead.moc"
