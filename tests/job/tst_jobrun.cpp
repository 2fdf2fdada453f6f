// A whole job through the runner and the virtual plotter on the simulated
// bus: the bytes that arrive, pauses, cancel, device faults and teardown.

#include "JobFixtures.h"

#include "cli/CliCommands.h"
#include "cli/PlotJob.h"
#include "job/JobRunner.h"
#include "job/WorkerPlotter.h"
#include "support/TestPaths.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTextStream>
#include <QtTest>

using namespace JobFixtures;

namespace {

const int JobTimeoutMs = 20000;

enum class Doc { Layers, LayersPaused, Colours, ColoursPaused, Lines };

void build(Document& d, Doc which)
{
    switch (which) {
    case Doc::Layers: layers(d, false); break;
    case Doc::LayersPaused: layers(d, true); break;
    case Doc::Colours: colours(d, false); break;
    case Doc::ColoursPaused: colours(d, true); break;
    case Doc::Lines: manyLines(d, 200); break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Doc)

class TestJobRun : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sendsTheGeneratedStream_data();
    void sendsTheGeneratedStream();
    void matchesCliPlot();
    void pauses_data();
    void pauses();
    void cancel_data();
    void cancel();
    void faults_data();
    void faults();
    void teardown_data();
    void teardown();
    void deviceControlRule_data();
    void deviceControlRule();

private:
    QTemporaryDir m_home;
};

void TestJobRun::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("APPDATA", m_home.path().toLocal8Bit());
    qputenv("KERFCRAFT_BIN_DIR", TestPaths::bin().toLocal8Bit());
    qunsetenv("KERFCRAFT_LOG");
}

// Pauses are answered at once: the plotter gets the settings and then every
// block of the generation, in order; the stale "lastcut.txt" is gone.
void TestJobRun::sendsTheGeneratedStream_data()
{
    QTest::addColumn<Doc>("doc");
    QTest::addColumn<bool>("unroll");
    QTest::addColumn<bool>("smoothing");
    QTest::addColumn<int>("pauses");
    QTest::newRow("by layers") << Doc::Layers << false << true << 0;
    QTest::newRow("by layers, paused once") << Doc::LayersPaused << true << false << 1;
    QTest::newRow("by colours") << Doc::Colours << true << true << 0;
    QTest::newRow("by colours, paused once") << Doc::ColoursPaused << false << false << 1;
}

void TestJobRun::sendsTheGeneratedStream()
{
    QFETCH(Doc, doc);
    QFETCH(bool, unroll);
    QFETCH(bool, smoothing);
    QFETCH(int, pauses);

    PlotterRig rig(QStringLiteral("Kerfcraft Sable 60"), unroll, smoothing);
    Document d;
    build(d, doc);
    const QList<QByteArray> blocks = blocksOf(d, true);
    {
        QFile stale(rig.lastCutPath());
        QVERIFY(stale.open(QIODevice::WriteOnly));
    }

    JobRunner runner(d, rig.plotter.get(), rig.clock);
    runner.setLastCutPath(rig.lastCutPath());
    QSignalSpy finished(&runner, &JobRunner::finished);
    QSignalSpy positions(&runner, &JobRunner::position);
    QSignalSpy progress(&runner, &JobRunner::progress);
    QSignalSpy paused(&runner, &JobRunner::paused);
    connect(&runner, &JobRunner::paused, &runner, &JobRunner::continueJob);
    runner.start();
    QVERIFY(finished.wait(JobTimeoutMs));

    QCOMPARE(rig.device->received(), settingsCommand(unroll, smoothing) + joined(blocks));
    QCOMPARE(rig.messages.count(), 0);
    QCOMPARE(paused.count(), pauses);
    QCOMPARE(positions.count(), blocks.size());
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(0).toDouble(), 1.0);
    double previous = -1;
    for (const auto& args : progress) {
        QVERIFY(args.at(0).toDouble() > previous);
        previous = args.at(0).toDouble();
    }
    QVERIFY(!runner.transportFailed());
    QVERIFY(!runner.cancelled());
    QVERIFY(!runner.isRunning());
    QVERIFY(!rig.device->isOpen());
    QVERIFY(!QFile::exists(rig.lastCutPath()));
}

// The job the runner sends is byte for byte what `kerfcraft-cli plot`
// writes for the same drawing and options.
void TestJobRun::matchesCliPlot()
{
    const QString input = TestPaths::data(QStringLiteral("plot/cli_rectangle.kcj"));
    const QStringList options{QStringLiteral("--plotter"), QStringLiteral("Kerfcraft Sable 60"),
                              QStringLiteral("--set"), QStringLiteral("Copies.Horz=2")};
    QByteArray plotBytes;
    {
        QBuffer raw(&plotBytes);
        raw.open(QIODevice::WriteOnly);
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        RecordingMessages messages;
        CliIo io{out, err, raw, messages};
        QCOMPARE(cliPlot(QStringList{input} + options, io), 0);
    }
    QVERIFY(plotBytes.endsWith("PU;"));

    PlotterRig rig;
    PlotJob::Options o;
    QString error;
    QVERIFY(PlotJob::parse(QStringList{input} + options, false, o, &error));
    QObject owner;
    Document d;
    bool deviceControl = false;
    QVERIFY2(PlotJob::prepare(o, d, rig.messages, owner, deviceControl, &error), qPrintable(error));
    JobRunner runner(d, rig.plotter.get(), rig.clock);
    runner.setLastCutPath(rig.lastCutPath());
    QSignalSpy finished(&runner, &JobRunner::finished);
    runner.start();
    QVERIFY(finished.wait(JobTimeoutMs));
    QCOMPARE(rig.device->received(), settingsCommand(false, true) + plotBytes);
}

// At each pause the plotter has received exactly the blocks up to and
// including the pause block, and nothing more until "Weiter ->".
void TestJobRun::pauses_data()
{
    QTest::addColumn<Doc>("doc");
    QTest::addColumn<QList<int>>("pauseAfterBlocks");
    QTest::addColumn<QString>("positionsAtPauses");
    // Layers: Umriss (2 objects), pause, Schrift (2 objects), final.
    QTest::newRow("by layers") << Doc::LayersPaused << QList<int>{3} << "0>2";
    // Colours: Rot (2 objects), pause, Blau (1 object), final.
    QTest::newRow("by colours") << Doc::ColoursPaused << QList<int>{3} << "0>2";
}

void TestJobRun::pauses()
{
    QFETCH(Doc, doc);
    QFETCH(QList<int>, pauseAfterBlocks);
    QFETCH(QString, positionsAtPauses);

    PlotterRig rig;
    Document d;
    build(d, doc);
    const QList<QByteArray> blocks = blocksOf(d, true);
    const QByteArray settings = settingsCommand(false, true);

    JobRunner runner(d, rig.plotter.get(), rig.clock);
    runner.setLastCutPath(rig.lastCutPath());
    QSignalSpy finished(&runner, &JobRunner::finished);
    int last = -1, next = -1;
    connect(&runner, &JobRunner::position, [&](int l, int n) {
        last = l;
        next = n;
    });
    QList<QByteArray> atPause;
    QStringList positions;
    connect(&runner, &JobRunner::paused, [&] {
        atPause << rig.device->received();
        positions << QStringLiteral("%1>%2").arg(last).arg(next);
        // A second press while paused must not skip a later pause.
        runner.continueJob();
        runner.continueJob();
    });
    runner.start();
    QVERIFY(finished.wait(JobTimeoutMs));

    QCOMPARE(atPause.size(), pauseAfterBlocks.size());
    for (int i = 0; i < atPause.size(); ++i)
        QCOMPARE(atPause[i], settings + joined(blocks, pauseAfterBlocks[i]));
    QCOMPARE(positions.join(QLatin1Char(' ')), positionsAtPauses);
    QCOMPARE(rig.device->received(), settings + joined(blocks));
}

// Cancel ends the job after the block being written: no block twice, none
// after it, and the plotter is closed.
void TestJobRun::cancel_data()
{
    QTest::addColumn<Doc>("doc");
    QTest::addColumn<QString>("when");
    QTest::addColumn<int>("blocksSent");
    QTest::newRow("after block 1") << Doc::Lines << "position" << 1;
    QTest::newRow("after block 57") << Doc::Lines << "position" << 57;
    QTest::newRow("before sending: the first block still goes") << Doc::Lines << "before" << 1;
    QTest::newRow("during a pause") << Doc::LayersPaused << "pause" << 3;
}

void TestJobRun::cancel()
{
    QFETCH(Doc, doc);
    QFETCH(QString, when);
    QFETCH(int, blocksSent);

    PlotterRig rig;
    Document d;
    build(d, doc);
    const QList<QByteArray> blocks = blocksOf(d, true);
    QVERIFY(blocks.size() > blocksSent);

    JobRunner runner(d, rig.plotter.get(), rig.clock);
    runner.setLastCutPath(rig.lastCutPath());
    QSignalSpy finished(&runner, &JobRunner::finished);
    QElapsedTimer sinceCancel;
    if (when == QLatin1String("position")) {
        // On the worker's thread, between the write and its look at cancel.
        int seen = 0;
        connect(&runner.plotterWorker(), &WorkerPlotter::Position, &runner.plotterWorker(),
                [&](int, int) {
                    if (++seen == blocksSent)
                        runner.cancel();
                },
                Qt::DirectConnection);
    } else if (when == QLatin1String("before")) {
        runner.cancel();
    } else {
        connect(&runner, &JobRunner::paused, [&] {
            sinceCancel.start();
            runner.cancel();
        });
    }
    runner.start();
    QVERIFY(finished.wait(JobTimeoutMs));

    QCOMPARE(rig.device->received(), settingsCommand(false, true) + joined(blocks, blocksSent));
    QVERIFY(runner.cancelled());
    QVERIFY(!runner.transportFailed());
    QVERIFY(!rig.device->isOpen());
    // The paused worker is woken by the cancel, not by its once-a-second look.
    if (sinceCancel.isValid())
        QVERIFY2(sinceCancel.elapsed() < 900, qPrintable(QString::number(sinceCancel.elapsed())));
    QCOMPARE(rig.messages.count(), 0);
}

// A device that fails: one German message, the job ends (no pause is
// offered for a job that is no longer cut), both threads end, nothing is
// written after the failure.
void TestJobRun::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message"); // start of the one message; empty: none
    QTest::addColumn<bool>("failed");
    const QString writeFailed = QStringLiteral("Es konnten keine Daten zum Gerät gesendet werden.");
    QTest::newRow("unplugged mid-job") << "unplug" << writeFailed << true;
    QTest::newRow("stall") << "stall" << writeFailed << true;
    QTest::newRow("time-out") << "timeout" << writeFailed << true;
    QTest::newRow("open refused")
        << "open" << QStringLiteral("Das Gerät konnte nicht geöffnet werden.") << true;
    // The transport does not count the bytes a write moved: a short write
    // passes unnoticed and the job runs to its end.
    QTest::newRow("short write") << "short" << QString() << false;
}

void TestJobRun::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QFETCH(bool, failed);

    PlotterRig rig;
    Document d;
    build(d, Doc::LayersPaused);
    const QList<QByteArray> blocks = blocksOf(d, true);
    const QByteArray settings = settingsCommand(false, true);
    SimulatedFaults f;
    if (fault == QLatin1String("unplug"))
        f.unplugAfterBytes = settings.size() + blocks[0].size() + 5;
    else if (fault == QLatin1String("stall"))
        f.stall = true;
    else if (fault == QLatin1String("timeout"))
        f.timeOut = true;
    else if (fault == QLatin1String("open"))
        f.openError = UsbError::Busy;
    else
        f.shortWrite = 5;
    rig.device->setFaults(f);

    auto runner = std::make_unique<JobRunner>(d, rig.plotter.get(), rig.clock);
    runner->setLastCutPath(rig.lastCutPath());
    QSignalSpy finished(runner.get(), &JobRunner::finished);
    QSignalSpy paused(runner.get(), &JobRunner::paused);
    connect(runner.get(), &JobRunner::paused, runner.get(), &JobRunner::continueJob);
    runner->start();
    QVERIFY(finished.wait(JobTimeoutMs));

    QCOMPARE(runner->transportFailed(), failed);
    QVERIFY(!runner->cancelled());
    const QList<RecordingMessages::Message> shown = rig.messages.messages();
    if (message.isEmpty()) {
        QCOMPARE(shown.size(), 0);
        QCOMPARE(paused.count(), 1);
    } else {
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().text.startsWith(message), qPrintable(shown.first().text));
        QCOMPARE(paused.count(), 0);
    }
    if (fault == QLatin1String("unplug"))
        QCOMPARE(rig.device->received(), (settings + joined(blocks)).left(f.unplugAfterBytes));
    QVERIFY(!rig.device->isOpen());
    runner.reset(); // joins both threads
}

// The runner may go at any moment: it cancels and waits for its threads.
void TestJobRun::teardown_data()
{
    QTest::addColumn<QString>("when");
    QTest::newRow("never started") << "unstarted";
    QTest::newRow("just started") << "started";
    QTest::newRow("paused") << "paused";
    QTest::newRow("finished") << "finished";
}

void TestJobRun::teardown()
{
    QFETCH(QString, when);

    PlotterRig rig;
    Document d;
    build(d, Doc::LayersPaused);
    auto runner = std::make_unique<JobRunner>(d, rig.plotter.get(), rig.clock);
    runner->setLastCutPath(rig.lastCutPath());
    QSignalSpy paused(runner.get(), &JobRunner::paused);
    QSignalSpy finished(runner.get(), &JobRunner::finished);
    if (when != QLatin1String("unstarted"))
        runner->start();
    if (when == QLatin1String("paused"))
        QVERIFY(paused.wait(JobTimeoutMs));
    if (when == QLatin1String("finished")) {
        connect(runner.get(), &JobRunner::paused, runner.get(), &JobRunner::continueJob);
        QVERIFY(finished.wait(JobTimeoutMs));
    }
    QElapsedTimer t;
    t.start();
    runner.reset();
    QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
    QVERIFY(!rig.device->isOpen());
    QCOMPARE(rig.messages.count(), 0);
}

void TestJobRun::deviceControlRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("plotter");
    QTest::addColumn<bool>("deviceControl");
    QTest::newRow("Sable") << "Kerfcraft Sable 60" << true << true;
    QTest::newRow("sable in any case, also with pro") << "SABLE PRO" << true << true;
    QTest::newRow("Expert") << "Kerfcraft Expert 60" << true << true;
    QTest::newRow("expert mixed case") << "kerfcraft eXpErT 24" << true << true;
    QTest::newRow("Expert Pro") << "Kerfcraft Expert Pro 120" << true << false;
    QTest::newRow("expert with pro inside a word") << "ExpertProfi" << true << false;
    QTest::newRow("other model") << "Kerfcraft Cutter 30" << true << false;
    QTest::newRow("no model matched") << "" << true << false;
    QTest::newRow("no plotter") << "" << false << false;
}

void TestJobRun::deviceControlRule()
{
    QFETCH(QString, name);
    QFETCH(bool, plotter);
    QFETCH(bool, deviceControl);

    PlotterRig rig(name);
    if (name.isEmpty())
        rig.plotter->setModel(-1, nullptr);
    Document d;
    layers(d, false);
    JobRunner runner(d, plotter ? rig.plotter.get() : nullptr, rig.clock);
    QCOMPARE(runner.pipe().deviceControl(), deviceControl);
    QCOMPARE(JobRunner::deviceControlFor(plotter ? rig.plotter.get() : nullptr), deviceControl);
}

QTEST_GUILESS_MAIN(TestJobRun)
#include "tst_jobrun.moc"
