#include "plot/Block.h"
#include "plot/Commands.h"
#include "plot/StreamFigures.h"
#include "plot/StreamWalk.h"
#include "plot/TestCut.h"

#include <QRandomGenerator>
#include <QtTest>

#include <clocale>
#include <cmath>
#include <cstdio>

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void sequences_data();
    void sequences();
    void fastNumberMatchesPrintf();
    void blockRead_data();
    void blockRead();
};

namespace {

// Speed 40, force 120.
QByteArray initialisation(int quality, double offset, bool deviceControl, bool bladeInit = false)
{
    Commands::Initialisation init;
    init.speed = 40;
    init.force = 120;
    init.acceleration = Commands::acceleration(quality);
    init.toolOffset = offset;
    init.deviceControl = deviceControl;
    init.bladeInitialisation = bladeInit;
    return Commands::initialisation(init);
}

// Speed 30, force 120.
QByteArray testCut(const char* model, double offset, int at)
{
    return TestCut::commands({30, 120, offset, QString::fromLatin1(model), at});
}

// The moves of a stream ("D" or "U", from > to as along,across in 1/40 mm),
// then its cut, travel, material (mm) and seconds at 10 cm/s.
QByteArray walked(const QByteArray& stream)
{
    const auto n = [](double v) { return QByteArray::number(v); };
    QByteArray text;
    StreamWalk walk(stream);
    StreamWalk::Move m;
    while (walk.next(m))
        text += (m.penDown ? "D" : "U") + n(m.fromAlong) + ',' + n(m.fromAcross) + '>' + n(m.toAlong)
            + ',' + n(m.toAcross) + ' ';
    const StreamFigures f = StreamFigures::measure(stream);
    return text + "| " + n(f.cutMm) + ' ' + n(f.travelMm) + ' ' + n(f.materialMm) + ' ' + n(f.seconds(10));
}

} // namespace

void TestCommands::sequences_data()
{
    QTest::addColumn<QByteArray>("got");
    QTest::addColumn<QByteArray>("expected");
    using namespace Commands;
    QTest::newRow("blade code 2") << initialisation(0, 0.25, true)
                                  << QByteArray("IN;VS40;FS120;AS0.2;TO0.250;SP1;\x1b.C1;16;2:"
                                                "\x1b.C1;22;120:\x1b.C1;0;:");
    QTest::newRow("blade code 7") << initialisation(0, 1.0, true)
                                  << QByteArray("IN;VS40;FS120;AS0.2;TO1.000;SP1;\x1b.C1;16;7:"
                                                "\x1b.C1;22;120:\x1b.C1;0;:");
    // 0.25 + 0.03 is not exactly 0.28, and 0.28 has no code anyway.
    QTest::newRow("offset without code") << initialisation(0, 0.25 + 0.03, true)
                                         << QByteArray("IN;VS40;FS120;AS0.2;TO0.280;SP1;"
                                                       "\x1b.C1;22;120:\x1b.C1;0;:");
    QTest::newRow("production mode, no device control")
        << initialisation(3, 0.5, false) << QByteArray("IN;VS40;FS120;AS0.7;TO0.500;SP1;");
    QTest::newRow("blade initialisation")
        << initialisation(0, 0.25, false, true)
        << QByteArray("IN;VS5;FS10;AS1;TO2;SP1;PR;PU0,100;PD0,-100;PU;"
                      "IN;VS40;FS120;AS0.2;TO0.250;SP1;");
    QTest::newRow("start e15") << finalHeadPosition(0, 15, 50, 100) << QByteArray("PU;PU600,1;");
    QTest::newRow("behind e10 y200") << finalHeadPosition(1, 10, 50, 200) << QByteArray("PU8399,1;");
    QTest::newRow("beside zero") << finalHeadPosition(2, 0, 0, 0) << QByteArray("PU;PU1,1;");
    QTest::newRow("beside") << finalHeadPosition(2, 5, 12.5, 20) << QByteArray("PU;PU1000,500;");
    QTest::newRow("other") << finalHeadPosition(7, 5, 12.5, 20) << QByteArray();
    QTest::newRow("window") << inputWindow(1005, 501, 600) << QByteArray("IW40200,0,60240,24000;");
    QTest::newRow("test cut pattern")
        << testCutPattern(560)
        << QByteArray("PU0,560;PR64,300;PD;PR208,-120;PR-208,-120;PR0,240;PU;PR-64,-300;PD;"
                      "PR360,0;PR0,360;PR-360,0;PR0,-360;PU0,0;PR2000,0;");
    // The test cut: initialisation, with the ESC strings for models whose
    // name holds "sable", or "expert" but not "pro" (case does not matter),
    // then the pattern.
    const QByteArray init = "IN;VS30;FS120;AS0.2;TO0.250;SP1;";
    QTest::newRow("test cut, sable") << testCut("SABLE Pro", 0.25, 0)
        << init + "\x1b.C1;16;2:\x1b.C1;22;120:\x1b.C1;0;:" + testCutPattern(0);
    QTest::newRow("test cut, expert") << testCut("eXpert 24", 0.28, 560)
        << "IN;VS30;FS120;AS0.2;TO0.280;SP1;\x1b.C1;22;120:\x1b.C1;0;:" + testCutPattern(560);
    QTest::newRow("test cut, expert pro") << testCut("Expert Pro 24", 0.25, 1120) << init + testCutPattern(1120);
    QTest::newRow("test cut, other") << testCut("Vinyl 60", 0.25, 0) << init + testCutPattern(0);
    QTest::newRow("test cut off") << TestCut::modeOff() << QByteArray("IN;SP1;PU0,0;");
    // Reading streams back. Parking from (0, 400) to (40, 1) travels 401 units.
    QTest::newRow("walk: absolute") << walked("IN;PU400,0;PD400,400;PD0,400;PU;PU40,1;")
        << QByteArray("U0,0>400,0 D400,0>400,400 D400,400>0,400 U0,400>40,1 | 20 20.025 10 0.40025");
    QTest::newRow("walk: relative; IN: origin, absolute, pen up")
        << walked("IN;PR;PU0,100;PD;PR0,-100,0,-100;IN;PU80,0;PU80,0;PD;IN;PA80,0;PR;PU40,0;PA;PU40,0;")
        << QByteArray("U0,0>0,100 D0,100>0,0 D0,0>0,-100 U0,0>80,0 U0,0>80,0 U80,0>120,0 U120,0>40,0 | 5 9.5 3 0.145");
    QTest::newRow("walk: device control, other instructions, bytes between")
        << walked("\x1b.C1;16;2:IN;VS30;OH;IW40,0,80,9;\r\n PD400,0;\x1b.X;PD0,0:PD400,400;IW;")
        << QByteArray("D0,0>400,0 D400,0>400,400 | 20 0 10 0.2");
    QTest::newRow("walk: 26 m") << walked("PD1.04e+06,0;") << QByteArray("D0,0>1.04e+06,0 | 26000 0 26000 260");
    QTest::newRow("walk: a bad field ends the instruction; lone values, still moves")
        << walked("PD40,0,0,abc,80,0;PD0,x;PD80,1x;PD1,+2;PD,;PD80,0,40;PD80,0;PU0,inf;PU1e999,0;")
        << QByteArray("D0,0>40,0 D40,0>80,0 | 2 0 2 0.02");
    QTest::newRow("walk: non-finite relative target") << walked("PR;PU1e308,0,1e308,0,40,0;IN;")
        << QByteArray("U0,0>1e+308,0 | 0 2.5e+306 2.5e+306 2.5e+304");
    QTest::newRow("walk: unterminated ends") << walked("PD40,0;PD80,0") + ' ' + walked("\x1b.C1;PD40,0;")
        << QByteArray("D0,0>40,0 | 1 0 1 0.01 | 0 0 0 0");
    QTest::newRow("plotter settings") << plotterSettings(true, false) << QByteArray("\x1b.C1;20;1:\x1b.C1;19;0:");
    MarkGroup one;
    one.origin1 = 12.5;
    one.origin2 = -3.01; // truncated toward zero: -120
    one.spacing1 = 180;
    one.spacing2 = 250;
    one.markLength = 20;
    QTest::newRow("marks, one copy") << registrationMarks(one)
        << QByteArray("\x1b.D2;500;-120;7200;10000:\x1b.D4;0;0;800:\x1b.D1;500;-120:");
    MarkGroup grid = one;
    grid.rows = 2;
    grid.columns = 3;
    grid.columnGap = 5;
    grid.force = 120;
    QTest::newRow("marks, 2 x 3 copies with force") << registrationMarks(grid)
        << QByteArray("\x1b.C1;22;120:\x1b.C1;0;:\x1b.D2;500;-120;7200;10000:\x1b.D3;2;3;200:"
                      "\x1b.D4;0;0;800:\x1b.D1;500;-120:");
    QTest::newRow("latin1") << Block::latin1(QStringLiteral("PU1,1;\u00e4\u20ac;"))
                            << QByteArray("PU1,1;\xe4\0;", 9);
}

void TestCommands::sequences()
{
    QFETCH(QByteArray, got);
    QFETCH(QByteArray, expected);
    QCOMPARE(got, expected);
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
    // Six significant digits, the exponent form from one million, ties to even.
    for (double v : {999998.0, 999999.0, 1e6, 1000001.0, -999999.0, -1e6, -1000001.0, 1040000.0, 1040399.0,
                     1234565.0, 4e7, 39999999.0, -0.0, 0.5})
        check(v);
    for (int i = 0; i < 20000; ++i) {
        check(std::trunc((rng.generateDouble() - 0.3) * 4e7));
        check(std::trunc(rng.generateDouble() * 2e6));
    }
}

void TestCommands::blockRead_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("moved");
    QTest::addColumn<QByteArray>("out");
    // Block "PU1,1;PD2,2;PU;" (15 bytes).
    QTest::newRow("whole") << 10000000 << 15 << QByteArray("PU1,1;PD2,2;PU;");
    QTest::newRow("cut at last ; within limit") << 11 << 6 << QByteArray("PU1,1;");
    QTest::newRow("limit on the ;") << 12 << 12 << QByteArray("PU1,1;PD2,2;");
    QTest::newRow("no ; within limit") << 5 << -1 << QByteArray();
    QTest::newRow("zero limit") << 0 << -1 << QByteArray();
}

void TestCommands::blockRead()
{
    QFETCH(int, limit);
    QFETCH(int, moved);
    QFETCH(QByteArray, out);
    const QByteArray bytes("PU1,1;PD2,2;PU;");
    Block b(bytes, false, Block::Index{});
    QByteArray got("x");
    QCOMPARE(b.read(got, limit), moved);
    QCOMPARE(got, "x" + out);
    // Nothing is lost: the rest stays in the block and comes out next.
    QCOMPARE(b.bytes(), bytes.mid(out.size()));
    if (out.size() < bytes.size())
        QCOMPARE(b.read(got, 10000000), bytes.size() - out.size());
    QCOMPARE(got, "x" + bytes);
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
