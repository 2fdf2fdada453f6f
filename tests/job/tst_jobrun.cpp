// Jobs through the runner and the virtual plotter on the simulated bus that
// end early: cancel, device faults and teardown. Whole jobs with their
// pauses run through the status window (tst_statusdialog).

#include "JobFixtures.h"

#include "job/JobRunner.h"
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
    // (after a finished job, every other test shows).
    void teardown_data()
    {
        QTest::addColumn<QString>("when");
        QTest::newRow("never started") << "unstarted";
        QTest::newRow("just started") << "started";
        QTest::newRow("paused") << "paused";
    }
    void teardown()
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

    // An empty drawing never reaches the plotter: no thread starts, the
    // runner says why and finishes all the same.
    void emptyJobIsRefused()
    {
        PlotterRig rig;
        Document d;
        const QByteArray before = rig.device->received();
        JobRunner runner(d, rig.plotter.get(), rig.clock);
        QSignalSpy finished(&runner, &JobRunner::finished);
        runner.start();
        QVERIFY(finished.wait(JobTimeoutMs));
        QVERIFY(runner.refusal().contains(QStringLiteral("nichts zu schneiden")));
        QCOMPARE(rig.device->received(), before);
    }
};

QTEST_GUILESS_MAIN(TestJobRun)
#include "tst_jobrun.moc"
