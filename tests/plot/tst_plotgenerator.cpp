// Plot data generation beyond the golden streams: which objects, copies
// and frames are produced, one-shot values, progress and diagnostics.

#include "PlotFixtures.h"

#include <QtTest>

using namespace PlotFixtures;

namespace {

QStringList blockTokens(const BlockList& list)
{
    QStringList out;
    for (int i = 0; i < list.size(); ++i) {
        const Block& b = list.at(i);
        if (b.pause())
            out << QStringLiteral("p%1,%2").arg(b.group()).arg(b.second());
        else if (b.group() < 0)
            out << QStringLiteral("f");
        else
            out << QStringLiteral("%1/%2/%3/%4").arg(b.group()).arg(b.row()).arg(b.column()).arg(
                b.object());
    }
    return out;
}

QStringList g_debugLines;
void captureDebug(QtMsgType, const QMessageLogContext&, const QString& msg)
{
    g_debugLines << msg;
}

} // namespace

class TestPlotGenerator : public QObject
{
    Q_OBJECT
private slots:
    void blockSequence_data();
    void blockSequence();
    void framesByColour_data();
    void framesByColour();
    void nothingSelected();
    void usePlotterSettings();
    void startOffsetIsConsumedOnce();
    void progress();
    void diagnosticsDoNotChangeTheStream();
};

void TestPlotGenerator::blockSequence_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("blocks"); // group/row/column/object per block
    QTest::newRow("auto placement 5, three columns, two passes")
        << "auto" << "0/0/0/0 0/0/0/0 0/0/1/0 0/0/1/0 0/0/2/0 0/0/2/0 0/1/0/0 0/1/0/0 0/1/1/0 "
                     "0/1/1/0 f";
    QTest::newRow("skipped layers do not count for pauses")
        << "skipped" << "0/0/0/0 p0,3 3/0/0/0 f";
    QTest::newRow("marks wanted but not found: first copy only")
        << "marksNotFound" << "0/0/0/0 f";
    QTest::newRow("other object selection: one block") << "selection0" << "f";
    QTest::newRow("selected objects only") << "selectedOnly" << "0/0/0/1 f";
}

void TestPlotGenerator::blockSequence()
{
    QFETCH(QString, setup);
    QFETCH(QString, blocks);
    Document d;
    baseSettings(d);
    setDrawingSize(d, 10, 10);
    KCLayer* a = addLayer(d, QStringLiteral("A"));
    addPolyline(a, {{0, 0}, {10, 0}});
    if (setup == QLatin1String("auto")) {
        d.setMaterialWidth(40); // available 40 - 10 - Right 5: three columns of 10
        d.setAutoPlacement(true);
        d.setCopiesCount(5);
        d.setPasses(2);
    } else if (setup == QLatin1String("skipped")) {
        addPolyline(addLayer(d, Document::MarksLayerName), {{0, 0}, {1, 0}});
        addPolyline(addLayer(d, QStringLiteral("aus"), false), {{0, 0}, {1, 0}});
        addPolyline(addLayer(d, QStringLiteral("C")), {{0, 5}, {10, 5}});
        d.setStopBetweenLayers(true);
    } else if (setup == QLatin1String("marksNotFound")) {
        d.setUsePassermarks(true);
        d.setCopiesHorz(3);
        d.setCopiesVert(2);
    } else if (setup == QLatin1String("selection0")) {
        d.setSelection(0);
    } else if (setup == QLatin1String("selectedOnly")) {
        addPolyline(a, {{0, 5}, {10, 5}})->setIsSelected(true);
        d.setSelection2(Document::AISelectedObjects);
    }
    BlockList list;
    generate(d, false, &list);
    QCOMPARE(blockTokens(list).join(QLatin1Char(' ')), blocks);
    QCOMPARE(list.pausesEnabled(), d.stopBetweenLayers());
    if (setup == QLatin1String("marksNotFound"))
        QVERIFY(!list.stream().contains("\x1b.D"));
}

void TestPlotGenerator::framesByColour_data()
{
    QTest::addColumn<bool>("stop");
    QTest::addColumn<int>("firstCopyFrames");
    // Two colours, two copies across: the first copy's frame is cut once for
    // the whole job, or once per colour with pauses; the second copy's never.
    QTest::newRow("no pauses") << false << 1;
    QTest::newRow("pauses") << true << 2;
}

void TestPlotGenerator::framesByColour()
{
    QFETCH(bool, stop);
    QFETCH(int, firstCopyFrames);
    Document d;
    baseSettings(d);
    setDrawingSize(d, 10, 10);
    d.setRotation(Document::HalfRotation);
    d.setSelection(Document::ColorSelection);
    d.setStopBetweenLayers(stop);
    d.setGrid(true);
    d.setGridDistance(1);
    d.setCopiesHorz(2);
    const QColor colours[2] = {QColor(255, 0, 0), QColor(0, 0, 255)};
    KCLayer* a = addLayer(d, QStringLiteral("A"));
    for (int i = 0; i < 2; ++i) {
        KCObjectColor* c = d.appendColor();
        c->setColor(colours[i]);
        c->setCutEnabled(true);
        addPolyline(a, {{0, 2.0 + i}, {10, 2.0 + i}})->setColor(colours[i]);
    }
    const QByteArray s = generate(d);
    // Copy 0 at (5, 5): its frame (12 × 12) starts with a cut to (17, 5).
    QCOMPARE(s.count("PD200,680;"), firstCopyFrames);
    // Copy 1 at (17, 5): its frame would start with a cut to (29, 5).
    QCOMPARE(s.count("PD200,1160;"), 0);
}

void TestPlotGenerator::nothingSelected()
{
    Document d;
    lPath(d);
    d.setSelection2(Document::AISelectedObjects);
    d.setGrid(true);
    const QByteArray s = generate(d);
    // The frame is cut; the move into it (to the same point) stays a
    // separate pen-up move because it differs from the last cut's text.
    QCOMPARE(s, QByteArray("IN;VS40;FS120;AS0.2;TO0.250;SP1;PU200,200;PD200,1000;PD600,1000;"
                           "PD600,200;PD200,200;PU200,200;PU;PU40,1;PU;"));
}

void TestPlotGenerator::usePlotterSettings()
{
    Document d;
    lPath(d);
    d.setUsePlotterSettings(true);
    d.setBladeInitialisation(true);
    QCOMPARE(generate(d), QByteArray("PU600,1000;PD600,200;PD200,200;PU;PU;PU40,1;PU;"));
}

void TestPlotGenerator::startOffsetIsConsumedOnce()
{
    Document d;
    lPath(d);
    d.setStartOffset(10.0);
    QVERIFY(generate(d).startsWith("IN;VS40;FS120;AS0.2;TO0.250;SP1;PU1000,1000;"));
    QCOMPARE(d.startOffset(), 0.0);
    QVERIFY(generate(d).startsWith("IN;VS40;FS120;AS0.2;TO0.250;SP1;PU600,1000;"));
}

void TestPlotGenerator::progress()
{
    Document d;
    lPath(d);
    addPolyline(d.layers().first(), {{0, 0}, {5, 5}});
    d.setCopiesHorz(2);
    d.setPasses(3);
    d.setSegmentation(true);
    d.setSegmentHeight(6); // total length 10: two windows
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

void TestPlotGenerator::diagnosticsDoNotChangeTheStream()
{
    Document d;
    lPath(d);
    d.setOvercut(true);
    d.setOvercutDistance(0.5);
    const QByteArray quiet = generate(d);
    d.setStartOffset(0);
    BlockList list;
    PlotDataGenerator g(d);
    g_debugLines.clear();
    const QtMessageHandler old = qInstallMessageHandler(captureDebug);
    g.generate(list);
    qInstallMessageHandler(old);
    QCOMPARE(list.stream(), quiet);
    QVERIFY(g_debugLines.filter(QStringLiteral("Cutting Angle: ")).size() >= 2);
    QVERIFY(g_debugLines.contains(QStringLiteral("Thikness 0 OffsetY 0 XKorrektur: 0 YKorrektur: 0")));
    QVERIFY(g_debugLines.contains(QString::fromLatin1(list.at(0).bytes())));
}

QTEST_GUILESS_MAIN(TestPlotGenerator)
#include "tst_plotgenerator.moc"
