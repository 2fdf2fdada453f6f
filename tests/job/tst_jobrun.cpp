// Jobs through the runner and the virtual plotter on the simulated bus that
// end early: cancel, device faults and teardown. Whole jobs with their
// pauses run through the status window (tst_statusdialog).

#include "JobFixtures.h"

#include "job/JobRunner.h"
#include "job/WorkerPlotter.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using namespace JobFixtures;

namespace {

const int JobTimeoutMs = 20000;

} // namespace

class TestJobRun : public QObject
{
    Q_OBJECT
private slots:
    void cancel_data();
    void cancel();
    void faults_data();
    void faults();
    void teardown_data();
    void teardown();
};

// Cancel ends the job after the block being written: no block twice, none
// after it, and the plotter is closed.
void TestJobRun::cancel_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<int>("blocksSent");
    QTest::newRow("after block 1") << "position" << 1;
    QTest::newRow("after block 57") << "position" << 57;
    QTest::newRow("before sending: the first block still goes") << "before" << 1;
    QTest::newRow("during a pause between layers") << "pause" << 3;
}

void TestJobRun::cancel()
{
    QFETCH(QString, when);
    QFETCH(int, blocksSent);

    PlotterRig rig;
    Document d;
    when == QLatin1String("pause") ? layers(d) : manyLines(d, 200);
    const QList<QByteArray> blocks = blocksOf(d, true);
    QVERIFY(blocks.size() > blocksSent);

    JobRunner runner(d, rig.plotter.get(), rig.clock);
    runner.setLastCutPath(rig.lastCutPath());
    QSignalSpy finished(&runner, &JobRunner::finished);
    QElapsedTimer sinceCancel;
    int seen = 0;
    if (when == QLatin1String("position")) {
        // On the worker's thread, between the write and its look at cancel.
        connect(&runner.plotterWorker(), &WorkerPlotter::Position, &runner.plotterWorker(),
                [&] {
                    if (++seen == blocksSent)
                        runner.cancel();
                },
                Qt::DirectConnection);
    }
    if (when == QLatin1String("before"))
        runner.cancel();
    connect(&runner, &JobRunner::paused, [&] {
        sinceCancel.start();
        runner.cancel();
    });
    runner.start();
    QVERIFY(finished.wait(JobTimeoutMs));

    QCOMPARE(rig.device->received(), kSettings + joined(blocks, blocksSent));
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
    QTest::addColumn<QString>("faults");
    QTest::addColumn<QString>("message"); // start of the one message; empty: none
    const QString writeFailed = QStringLiteral("Es konnten keine Daten zum Gerät gesendet werden.");
    QTest::newRow("unplugged mid-job") << "unplug=40" << writeFailed;
    QTest::newRow("stall") << "stall" << writeFailed;
    QTest::newRow("time-out") << "timeout" << writeFailed;
    QTest::newRow("open refused") << "open=BUSY" << "Das Gerät konnte nicht geöffnet werden.";
    // The transport does not count the bytes a write moved: a short write
    // passes unnoticed and the job runs to its end.
    QTest::newRow("short write") << "short=5" << "";
}

void TestJobRun::faults()
{
    QFETCH(QString, faults);
    QFETCH(QString, message);

    PlotterRig rig;
    Document d;
    layers(d);
    const QList<QByteArray> blocks = blocksOf(d, true);
    rig.device->setFaults(faultsFrom(faults));

    auto runner = std::make_unique<JobRunner>(d, rig.plotter.get(), rig.clock);
    runner->setLastCutPath(rig.lastCutPath());
    QSignalSpy finished(runner.get(), &JobRunner::finished);
    QSignalSpy paused(runner.get(), &JobRunner::paused);
    connect(runner.get(), &JobRunner::paused, runner.get(), &JobRunner::continueJob);
    runner->start();
    QVERIFY(finished.wait(JobTimeoutMs));

    QCOMPARE(runner->transportFailed(), !message.isEmpty());
    QVERIFY(!runner->cancelled());
    const QStringList shown = rig.messages.texts();
    QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(shown.first().startsWith(message), qPrintable(shown.first()));
    QCOMPARE(paused.count(), message.isEmpty() ? 1 : 0);
    if (faults.startsWith(QLatin1String("unplug")))
        QCOMPARE(rig.device->received(), (kSettings + joined(blocks)).left(40));
    QVERIFY(!rig.device->isOpen());
    runner.reset(); // joins both threads
}

// The runner may go at any moment: it cancels and waits for its threads
// (after a finished job, every other test shows).
void TestJobRun::teardown_data()
{
    QTest::addColumn<QString>("when");
    QTest::newRow("never started") << "unstarted";
    QTest::newRow("just started") << "started";
    QTest::newRow("paused") << "paused";
}

void TestJobRun::teardown()
{
    QFETCH(QString, when);

    PlotterRig rig;
    Document d;
    layers(d);
    auto runner = std::make_unique<JobRunner>(d, rig.plotter.get(), rig.clock);
    runner->setLastCutPath(rig.lastCutPath());
    QSignalSpy paused(runner.get(), &JobRunner::paused);
    if (when != QLatin1String("unstarted"))
        runner->start();
    if (when == QLatin1String("paused"))
        QVERIFY(paused.wait(JobTimeoutMs));
    QElapsedTimer t;
    t.start();
    runner.reset();
    QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
    QVERIFY(!rig.device->isOpen());
    QCOMPARE(rig.messages.count(), 0);
}

QTEST_GUILESS_MAIN(TestJobRun)
#include "tst_jobrun.moc"
