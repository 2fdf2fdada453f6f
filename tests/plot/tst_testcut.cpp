// The test cut's text for each kind of device-control model, and the
// figures measured on a stream (cut, travel, material, time).

#include "plot/StreamFigures.h"
#include "plot/TestCut.h"

#include <QtTest>

class TestTestCut : public QObject
{
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
    void figures_data();
    void figures();
};

void TestTestCut::commands_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<double>("bladeOffset");
    QTest::addColumn<int>("offsetUnits");
    QTest::addColumn<QByteArray>("head"); // text before the pattern's "PU0,"
    QTest::newRow("sable, blade code") << "Kerfcraft Sable 60" << 0.25 << 0
        << QByteArray("IN;VS30;FS120;AS0.2;TO0.250;SP1;\x1b.C1;16;2:\x1b.C1;22;120:\x1b.C1;0;:");
    QTest::newRow("expert, no code") << "EXPERT 24" << 0.28 << 560
        << QByteArray("IN;VS30;FS120;AS0.2;TO0.280;SP1;\x1b.C1;22;120:\x1b.C1;0;:");
    QTest::newRow("expert pro") << "Expert Pro 24" << 0.25 << 1120
        << QByteArray("IN;VS30;FS120;AS0.2;TO0.250;SP1;");
    QTest::newRow("other model") << "Vinyl 60" << 0.25 << 0 << QByteArray("IN;VS30;FS120;AS0.2;TO0.250;SP1;");
}

void TestTestCut::commands()
{
    QFETCH(QString, model);
    QFETCH(double, bladeOffset);
    QFETCH(int, offsetUnits);
    QFETCH(QByteArray, head);
    const QByteArray text = TestCut::commands({30, 120, bladeOffset, model, offsetUnits});
    QCOMPARE(text, head + "PU0," + QByteArray::number(offsetUnits)
                 + ";PR64,300;PD;PR208,-120;PR-208,-120;PR0,240;PU;PR-64,-300;PD;PR360,0;"
                   "PR0,360;PR-360,0;PR0,-360;PU0,0;PR2000,0;");
    QCOMPARE(TestCut::modeOff(), QByteArray("IN;SP1;PU0,0;"));
}

void TestTestCut::figures_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<double>("cut");      // mm
    QTest::addColumn<double>("travel");   // mm
    QTest::addColumn<double>("material"); // mm
    QTest::addColumn<double>("seconds");  // at 10 cm/s
    // 10 mm travel, two 10 mm cuts, parking from (0, 400) to (40, 1).
    QTest::newRow("square corner, parked") << QByteArray("IN;PU400,0;PD400,400;PD0,400;PU;PU40,1;")
        << 20.0 << 10.0 + std::hypot(40.0, 399.0) / 40 << 10.0 << 0.40025;
    // Relative blade initialisation, then IN puts the head back at 0.
    QTest::newRow("ESC strings, relative moves")
        << QByteArray("\x1b.C1;16;2:IN;PR;PU0,100;PD0,-100;PU;IN;PU80,0;") << 2.5 << 4.5 << 2.0 << 0.07;
    QTest::newRow("exponent form") << QByteArray("PD1.04e+06,0;") << 26000.0 << 0.0 << 26000.0 << 260.0;
}

void TestTestCut::figures()
{
    QFETCH(QByteArray, stream);
    QFETCH(double, cut);
    QFETCH(double, travel);
    QFETCH(double, material);
    QFETCH(double, seconds);
    const StreamFigures f = StreamFigures::measure(stream);
    QVERIFY(std::fabs(f.cutMm - cut) < 1e-9);
    QVERIFY(std::fabs(f.travelMm - travel) < 1e-9);
    QVERIFY(std::fabs(f.materialMm - material) < 1e-9);
    QVERIFY(std::fabs(f.seconds(10) - seconds) < 1e-4);
}

QTEST_GUILESS_MAIN(TestTestCut)
#include "tst_testcut.moc"
