#include "plot/Block.h"
#include "plot/Commands.h"

#include <QRandomGenerator>
#include <QtTest>

#include <clocale>
#include <cstdio>

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void initialisation_data();
    void initialisation();
    void fixedSequences_data();
    void fixedSequences();
    void numberForm_data();
    void numberForm();
    void fastNumberMatchesPrintf();
    void deviceControlModels_data();
    void deviceControlModels();
    void blockRead_data();
    void blockRead();
    void latin1();
};

void TestCommands::initialisation_data()
{
    QTest::addColumn<int>("quality");
    QTest::addColumn<double>("offset");
    QTest::addColumn<bool>("deviceControl");
    QTest::addColumn<bool>("bladeInit");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("blade code 2") << 0 << 0.25 << true << false
                                  << QByteArray("IN;VS40;FS120;AS0.2;TO0.250;SP1;\x1b.C1;16;2:"
                                                "\x1b.C1;22;120:\x1b.C1;0;:");
    // 0.25 + 0.03 is not exactly 0.28, and 0.28 has no code anyway.
    QTest::newRow("offset without code") << 0 << (0.25 + 0.03) << true << false
                                         << QByteArray("IN;VS40;FS120;AS0.2;TO0.280;SP1;"
                                                       "\x1b.C1;22;120:\x1b.C1;0;:");
    QTest::newRow("no device control") << 0 << 0.25 << false << false
                                       << QByteArray("IN;VS40;FS120;AS0.2;TO0.250;SP1;");
    QTest::newRow("production mode") << 3 << 0.5 << false << false
                                     << QByteArray("IN;VS40;FS120;AS0.7;TO0.500;SP1;");
    QTest::newRow("blade initialisation")
        << 0 << 0.25 << false << true
        << QByteArray("IN;VS5;FS10;AS1;TO2;SP1;PR;PU0,100;PD0,-100;PU;"
                      "IN;VS40;FS120;AS0.2;TO0.250;SP1;");
    QTest::newRow("code 1, 0.175") << 0 << 0.175 << true << false
                                   << QByteArray("IN;VS40;FS120;AS0.2;TO0.175;SP1;\x1b.C1;16;1:"
                                                 "\x1b.C1;22;120:\x1b.C1;0;:");
    QTest::newRow("code 7, 1.0") << 0 << 1.0 << true << false
                                 << QByteArray("IN;VS40;FS120;AS0.2;TO1.000;SP1;\x1b.C1;16;7:"
                                               "\x1b.C1;22;120:\x1b.C1;0;:");
    QTest::newRow("0.0 has no code") << 0 << 0.0 << true << false
                                     << QByteArray("IN;VS40;FS120;AS0.2;TO0.000;SP1;"
                                                   "\x1b.C1;22;120:\x1b.C1;0;:");
}

void TestCommands::initialisation()
{
    QFETCH(int, quality);
    QFETCH(double, offset);
    QFETCH(bool, deviceControl);
    QFETCH(bool, bladeInit);
    QFETCH(QByteArray, expected);
    Commands::Initialisation init;
    init.speed = 40;
    init.force = 120;
    init.acceleration = Commands::acceleration(quality);
    init.toolOffset = offset;
    init.deviceControl = deviceControl;
    init.bladeInitialisation = bladeInit;
    QCOMPARE(Commands::initialisation(init), expected);
}

void TestCommands::fixedSequences_data()
{
    QTest::addColumn<QByteArray>("got");
    QTest::addColumn<QByteArray>("expected");
    using namespace Commands;
    QTest::newRow("pen move 30/12.5 mm") << penMove(true, 1200, 500).toByteArray()
                                         << QByteArray("PD1200,500;");
    QTest::newRow("pen move 26 m") << penMove(false, 1040000, 40).toByteArray()
                                   << QByteArray("PU1.04e+06,40;");
    QTest::newRow("start e0") << finalHeadPosition(0, 0, 50, 100) << QByteArray("PU;PU40,1;");
    QTest::newRow("start e15") << finalHeadPosition(0, 15, 50, 100) << QByteArray("PU;PU600,1;");
    QTest::newRow("behind e10 y200") << finalHeadPosition(1, 10, 50, 200) << QByteArray("PU8399,1;");
    QTest::newRow("beside zero") << finalHeadPosition(2, 0, 0, 0) << QByteArray("PU;PU1,1;");
    QTest::newRow("beside") << finalHeadPosition(2, 5, 12.5, 20) << QByteArray("PU;PU1000,500;");
    QTest::newRow("other") << finalHeadPosition(7, 5, 12.5, 20) << QByteArray();
    QTest::newRow("window") << inputWindow(1005, 501, 600) << QByteArray("IW40200,0,60240,24000;");
    QTest::newRow("window reset") << inputWindowReset() << QByteArray("IW;");
    QTest::newRow("parking") << pauseParking() << QByteArray("PU;PU40,1;");
    QTest::newRow("test cut off") << testCutModeOff() << QByteArray("IN;SP1;PU0,0;");
    QTest::newRow("test cut pattern")
        << testCutPattern(560)
        << QByteArray("PU0,560;PR64,300;PD;PR208,-120;PR-208,-120;PR0,240;PU;PR-64,-300;PD;"
                      "PR360,0;PR0,360;PR-360,0;PR0,-360;PU0,0;PR2000,0;");
    QTest::newRow("plotter settings") << plotterSettings(true, false)
                                      << QByteArray("\x1b.C1;20;1:\x1b.C1;19;0:");
    MarkGroup one;
    one.origin1 = 12.5;
    one.origin2 = -3.01; // truncated toward zero: -120
    one.spacing1 = 180;
    one.spacing2 = 250;
    one.markLength = 20;
    QTest::newRow("marks, one copy")
        << registrationMarks(one)
        << QByteArray("\x1b.D2;500;-120;7200;10000:\x1b.D4;0;0;800:\x1b.D1;500;-120:");
    MarkGroup grid = one;
    grid.rows = 2;
    grid.columns = 3;
    grid.columnGap = 5;
    grid.force = 120;
    QTest::newRow("marks, 2 x 3 copies with force")
        << registrationMarks(grid)
        << QByteArray("\x1b.C1;22;120:\x1b.C1;0;:\x1b.D2;500;-120;7200;10000:\x1b.D3;2;3;200:"
                      "\x1b.D4;0;0;800:\x1b.D1;500;-120:");
}

void TestCommands::fixedSequences()
{
    QFETCH(QByteArray, got);
    QFETCH(QByteArray, expected);
    QCOMPARE(got, expected);
}

void TestCommands::numberForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("one") << 1.0 << QByteArray("1");
    QTest::newRow("largest plain") << 999999.0 << QByteArray("999999");
    QTest::newRow("one million") << 1e6 << QByteArray("1e+06");
    QTest::newRow("26 m") << 1040000.0 << QByteArray("1.04e+06");
    QTest::newRow("rounded") << 1040399.0 << QByteArray("1.0404e+06");
    QTest::newRow("tie to even") << 1234565.0 << QByteArray("1.23456e+06");
    QTest::newRow("negative") << -40.0 << QByteArray("-40");
    QTest::newRow("negative million") << -1e6 << QByteArray("-1e+06");
    QTest::newRow("minus zero") << -0.0 << QByteArray("-0");
    QTest::newRow("fraction") << 0.5 << QByteArray("0.5");
}

void TestCommands::numberForm()
{
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(Commands::g6(value), expected);
}

// The fast integer path must print exactly what "%.6g" prints.
void TestCommands::fastNumberMatchesPrintf()
{
    std::setlocale(LC_NUMERIC, "C");
    QRandomGenerator rng(7);
    auto check = [](double v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.6g", v);
        if (Commands::g6(v) != QByteArray(buf))
            QFAIL(qPrintable(QStringLiteral("%1: %2 vs %3")
                                 .arg(v, 0, 'g', 17)
                                 .arg(QString::fromLatin1(Commands::g6(v)), QString::fromLatin1(buf))));
        QCOMPARE(Commands::g6(v), Commands::g6Reference(v));
    };
    for (int i = -2000; i <= 2000; ++i)
        check(i);
    for (double v : {999998.0, 999999.0, 1e6, 1000001.0, -999999.0, -1000001.0, 4e7, 39999999.0})
        check(v);
    for (int i = 0; i < 200000; ++i) {
        const double v = std::trunc((rng.generateDouble() - 0.3) * 4e7);
        check(v);
        check(std::trunc(rng.generateDouble() * 2e6));
    }
}

void TestCommands::deviceControlModels_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("flag");
    QTest::newRow("sable") << "Sable 60" << true;
    QTest::newRow("sable pro") << "SABLE Pro" << true;
    QTest::newRow("expert") << "eXpert 24" << true;
    QTest::newRow("expert pro") << "Expert Pro 24" << false;
    QTest::newRow("other") << "Cutter 60" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCommands::deviceControlModels()
{
    QFETCH(QString, model);
    QFETCH(bool, flag);
    QCOMPARE(Commands::deviceControlForModel(model), flag);
}

void TestCommands::blockRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("moved");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("left"); // what the block still holds
    QTest::newRow("whole") << QByteArray("PU1,1;PD2,2;PU;") << 10000000 << 15
                           << QByteArray("PU1,1;PD2,2;PU;") << QByteArray();
    QTest::newRow("cut at last ; within limit") << QByteArray("PU1,1;PD2,2;PU;") << 11 << 6
                                                << QByteArray("PU1,1;") << QByteArray("PD2,2;PU;");
    QTest::newRow("limit on the ;") << QByteArray("PU1,1;PD2,2;PU;") << 12 << 12
                                    << QByteArray("PU1,1;PD2,2;") << QByteArray("PU;");
    QTest::newRow("no ; within limit") << QByteArray("PU1,1;PD2,2;PU;") << 5 << -1 << QByteArray()
                                       << QByteArray("PU1,1;PD2,2;PU;");
    QTest::newRow("zero limit") << QByteArray("PU;") << 0 << -1 << QByteArray() << QByteArray("PU;");
}

void TestCommands::blockRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, limit);
    QFETCH(int, moved);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, left);
    Block b(bytes, false, Block::Index{});
    QByteArray got("x");
    QCOMPARE(b.read(got, limit), moved);
    QCOMPARE(got, "x" + out);
    // Nothing is lost: the rest comes out with the next read.
    QCOMPARE(b.bytes(), left);
    if (!left.isEmpty())
        QCOMPARE(b.read(got, 10000000), left.size());
    QCOMPARE(got, "x" + bytes);
}

void TestCommands::latin1()
{
    const QString text = QStringLiteral("PU1,1;\u00e4\u20ac;");
    QCOMPARE(Block::latin1(text), QByteArray("PU1,1;\xe4\0;", 9));
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
