// A 30 MB stream to a virtual plotter that takes its bytes slowly, on the
// fake clock: the slow link and a 5 s stall cost no real time.

#include "JobFixtures.h"

#include "job/Pipe.h"
#include "job/WorkerPlotter.h"

#include <QtTest>

using namespace JobFixtures;

// Whatever the pace, the stream arrives whole, in order and never twice,
// and the GUI thread goes on running its event loop while a write waits.
// Cancel during the stall stops the job after the block being written.
class TestFlowControl : public QObject
{
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestFlowControl)
#include "tst_flowcontrol.moc"
