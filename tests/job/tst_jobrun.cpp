// Jobs through the runner and the virtual plotter on the simulated bus that
// end early (cancel, device faults and teardown) or go through a slow one.
// Whole jobs with their pauses run through the status window
// (tst_statusdialog).

#include "JobFixtures.h"

#include "job/JobRunner.h"
#include "job/Pipe.h"
#include "job/WorkerPlotter.h"

#include <QtTest>

using namespace JobFixtures;

class TestJobRun : public QObject
{
    Q_OBJECT
private slots:
    // A job that ends early. Cancel stops it after the block being written
    // (the first block still goes when it comes before sending), and at once
    // during a pause. A failing device shows one German message and ends the
    // job: nothing is written after the failure, no pause is offered for a job
    // no longer cut. Either way no block goes twice, the plotter is closed and
    // both threads end.
    void endsEarly_data()
    {
        QTest::addColumn<QString>("cause");   // "cancel@" and when, or the device's faults
        QTest::addColumn<int>("blocksSent");  // when cancelled
        QTest::addColumn<QString>("message"); // start of the one message
        const QString writeFailed = QStringLiteral("Es konnten keine Daten zum Gerät gesendet werden.");
        QTest::newRow("cancel after block 1") << "cancel@1" << 1 << "";
        QTest::newRow("cancel after block 57") << "cancel@57" << 57 << "";
        QTest::newRow("cancel before sending") << "cancel@start" << 1 << "";
        QTest::newRow("cancel during a pause") << "cancel@pause" << 3 << "";
        QTest::newRow("unplugged mid-job") << "unplug=40" << 0 << writeFailed;
        QTest::newRow("stall") << "stall" << 0 << writeFailed;
        QTest::newRow("time-out") << "timeout" << 0 << writeFailed;
        QTest::newRow("open refused") << "open=BUSY" << 0 << "Das Gerät konnte nicht geöffnet werden.";
    }
    void endsEarly()
    {
        QFETCH(QString, cause);
        QFETCH(int, blocksSent);
        QFETCH(QString, message);

        const bool cancel = cause.startsWith(QLatin1String("cancel@"));
        const SimulatedFaults faults = cancel ? SimulatedFaults() : faultsFrom(cause);
        PlotterRig rig;
        rig.device->setFaults(faults);
        Document d;
        cancel && cause != QLatin1String("cancel@pause") ? manyLines(d, 200) : layers(d);
        const QList<QByteArray> blocks = blocksOf(d, true);

        JobRunner runner(d, rig.plotter.get(), rig.clock);
        runner.setLastCutPath(rig.lastCutPath());
        QSignalSpy finished(&runner, &JobRunner::finished);
        int seen = 0;
        // On the worker's thread, between the write and its look at cancel.
        connect(&runner.plotterWorker(), &WorkerPlotter::Position, &runner.plotterWorker(),
                [&] {
                    if (QStringLiteral("cancel@%1").arg(++seen) == cause)
                        runner.cancel();
                },
                Qt::DirectConnection);
        if (cause == QLatin1String("cancel@start"))
            runner.cancel();
        runner.continueJob(); // a press before the pause must not skip it
        QElapsedTimer sinceCancel;
        connect(&runner, &JobRunner::paused, [&] {
            sinceCancel.start();
            runner.cancel();
        });
        runner.start();
        QVERIFY(finished.wait(JobTimeoutMs));

        const QByteArray failedAt = (kSettings + joined(blocks)).left(qMax(0, faults.unplugAfterBytes));
        QCOMPARE(rig.device->received(), cancel ? kSettings + joined(blocks, blocksSent) : failedAt);
        QCOMPARE(runner.cancelled(), cancel);
        QCOMPARE(runner.transportFailed(), !cancel);
        const QStringList shown = rig.messages.texts();
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(shown.first().startsWith(message), qPrintable(shown.first()));
        QCOMPARE(sinceCancel.isValid(), cause == QLatin1String("cancel@pause"));
        // The paused worker is woken by the cancel, not by its once-a-second look.
        if (sinceCancel.isValid())
            QVERIFY2(sinceCancel.elapsed() < 900, qPrintable(QString::number(sinceCancel.elapsed())));
        QVERIFY(!rig.device->isOpen());
    }

    // The runner may go at any moment: it cancels and waits for its threads
    // (after a finished job, every other test shows). An empty drawing never
    // reaches the plotter: no thread starts, the runner says why and
    // finishes all the same.
    void teardown_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("never started") << "unstarted";
        QTest::newRow("just started") << "started";
        QTest::newRow("paused") << "paused";
        QTest::newRow("empty drawing: refused, no thread") << "refused";
    }
    void teardown()
    {
        QFETCH(QString, when);

        PlotterRig rig;
        Document d;
        if (when != QLatin1String("refused"))
            layers(d);
        auto runner = std::make_unique<JobRunner>(d, rig.plotter.get(), rig.clock);
        runner->setLastCutPath(rig.lastCutPath());
        QSignalSpy paused(runner.get(), &JobRunner::paused);
        QSignalSpy finished(runner.get(), &JobRunner::finished);
        if (when != QLatin1String("unstarted"))
            runner->start();
        if (when == QLatin1String("paused"))
            QVERIFY(paused.wait(JobTimeoutMs));
        if (when == QLatin1String("refused")) {
            QVERIFY(finished.wait(JobTimeoutMs));
            QVERIFY(runner->refusal().contains(QStringLiteral("nichts zu schneiden")));
            QCOMPARE(rig.device->received(), QByteArray());
        }
        QElapsedTimer t;
        t.start();
        runner.reset();
        QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
        QVERIFY(!rig.device->isOpen());
        QCOMPARE(rig.messages.count(), 0);
    }

    // A 30 MB stream to a virtual plotter that takes its bytes slowly, on the
    // fake clock: the slow link and a 5 s stall cost no real time. Whatever
    // the pace, the stream arrives whole, in order and never twice, and the
    // GUI thread goes on running its event loop while a write waits. Cancel
    // during the stall stops the job after the block being written.
    void slowPlotter_data()
    {
        QTest::addColumn<qint64>("stallAt"); // bytes before the 5 s stall; -1: none
        QTest::addColumn<bool>("cancel");    // pressed during the stall
        QTest::newRow("slow link") << qint64(-1) << false;
        QTest::newRow("stalls mid-stream") << qint64(15000000) << false;
        QTest::newRow("cancelled in the stall") << qint64(15000000) << true;
    }
    void slowPlotter()
    {
        QFETCH(qint64, stallAt);
        QFETCH(bool, cancel);
        const int stallMs = 5000, bytesPerMs = 2000; // 2 MB/s

        // 300 blocks of 100 KB, each naming itself, so that a lost, swapped or
        // repeated block shows in the bytes.
        QList<QByteArray> blocks;
        Pipe pipe;
        for (int i = 0; i < 300; ++i) {
            QByteArray b;
            for (int j = 0; b.size() < 100000; ++j)
                b += "PA" + QByteArray::number(i) + ',' + QByteArray::number(j) + ';';
            blocks << b;
            pipe.push(new Block(b, false, Block::Index()));
        }
        pipe.markFinished();
        pipe.close();

        PlotterRig rig;
        SimulatedFaults slow;
        std::tie(slow.bytesPerMs, slow.stallAtBytes, slow.stallMs) = std::make_tuple(bytesPerMs, stallAt, stallMs);
        rig.device->setFaults(slow);
        WorkerPlotter worker(pipe, rig.plotter.get(), rig.clock);
        worker.setLastCutPath(rig.lastCutPath());

        QAtomicInt ticks;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] { ticks.ref(); });
        tick.start(1);
        QAtomicInt stalledBlock(-1);
        QAtomicInt guiRanInStall;
        rig.clock.onSleep = [&](int ms) {
            if (ms != stallMs) {
                QThread::yieldCurrentThread();
                return;
            }
            // The write is held up: the GUI thread must still tick meanwhile.
            stalledBlock.storeRelease(int((rig.device->receivedCount() - kSettings.size()) / 100000) + 1);
            const int before = ticks.loadAcquire();
            for (int ms = 0; ticks.loadAcquire() < before + 3 && ms < 10000; ++ms)
                QThread::msleep(1);
            guiRanInStall.storeRelease(ticks.loadAcquire() >= before + 3);
            if (cancel)
                worker.setCancel();
        };

        QThread thread;
        worker.moveToThread(&thread);
        connect(&thread, &QThread::started, &worker, &Worker::process);
        connect(&worker, &Worker::finished, &thread, &QThread::quit, Qt::DirectConnection);
        thread.start();
        // hasProcessed() hands the worker's results over through its own mutex.
        QTRY_VERIFY_WITH_TIMEOUT(worker.hasProcessed(), 120000);
        thread.wait();

        const QByteArray expected = kSettings + joined(blocks, cancel ? stalledBlock.loadAcquire() : -1);
        QVERIFY(rig.device->received() == expected); // 30 MB: no dump of the difference
        QCOMPARE(worker.stoppedByCancel(), cancel);
        QCOMPARE(rig.messages.count(), 0);
        QCOMPARE(bool(guiRanInStall.loadAcquire()), stallAt >= 0);
        QVERIFY(rig.clock.nowMs() >= (expected.size() - kSettings.size()) / bytesPerMs
                                         + (stallAt >= 0 ? stallMs : 0));
        QVERIFY(!rig.device->isOpen());
    }
};

QTEST_GUILESS_MAIN(TestJobRun)
#include "tst_jobrun.moc"
