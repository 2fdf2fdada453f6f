// Plot data generation beyond the golden streams: which objects, copies and
// frames are produced, one-shot values and progress.

#include "PlotFixtures.h"

#include <QtTest>

using namespace PlotFixtures;

class TestPlotGenerator : public QObject
{
    Q_OBJECT
private slots:
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
