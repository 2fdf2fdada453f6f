// The block queue between the two job workers: order, the byte limit of a
// read, the group bookkeeping the status display relies on, ownership of
// the blocks, and the hand-over between threads; and the "Testdata" copy of
// a drained pipe: the file holds the stream and "\r\n", the count stops at
// the first zero byte, an old file is replaced whole, and an unwritable
// place leaves nothing behind.

#include "job/Pipe.h"
#include "job/TestDataDump.h"
#include "plot/Block.h"
#include "support/TestFiles.h"

#include <QtTest>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

// The block takes the bytes over, as generation hands them: a copy would
// share them with the pushing thread.
Block* block(QByteArray bytes, int group = 0, bool pause = false)
{
    Block::Index index;
    index.group = group;
    return new Block(std::move(bytes), pause, index);
}

} // namespace

class TestPipe : public QObject
{
    Q_OBJECT
private slots:
    void popLimit_data()
    {
        QTest::addColumn<QByteArray>("blocks"); // separated by "|"
        QTest::addColumn<int>("limit");
        QTest::addColumn<QByteArray>("reads");  // what each read appends, separated by "|"

        QTest::newRow("oldest first") << QByteArray("PU1;|PD2;|PU3;") << 10000000
                                      << QByteArray("PU1;|PD2;|PU3;");
        QTest::newRow("cut at the last ';' within the limit")
            << QByteArray("PU1;PU2;PU3;") << 9 << QByteArray("PU1;PU2;");
        QTest::newRow("no ';' within the limit: nothing")
            << QByteArray("PU1000;|PU2;") << 5 << QByteArray("|PU2;");
        QTest::newRow("bytes after the last ';' dropped")
            << QByteArray("PU1;PD2|PU3;") << 10000000 << QByteArray("PU1;|PU3;");
        QTest::newRow("zero bytes kept") << QByteArray("PU\0;", 4) << 10000000 << QByteArray("PU\0;", 4);
    }
    void popLimit()
    {
        QFETCH(QByteArray, blocks);
        QFETCH(int, limit);
        QFETCH(QByteArray, reads);

        // A read deletes its block at once; blocks still queued go with the pipe.
        int destroyed = 0;
        auto pipe = std::make_unique<Pipe>();
        for (const QByteArray& b : blocks.split('|') + QList<QByteArray>{"PU;"}) {
            Block* queued = block(b);
            connect(queued, &QObject::destroyed, [&] { ++destroyed; });
            pipe->push(queued);
        }
        QCOMPARE(pipe->bytesPushed(), qint64(blocks.size() - blocks.count('|') + 3));
        const QList<QByteArray> want = reads.split('|');
        for (int i = 0; i < want.size(); ++i) {
            QByteArray out("X"); // a read appends
            QVERIFY(pipe->pop(out, limit));
            QCOMPARE(out, "X" + want[i]);
            QCOMPARE(destroyed, i + 1);
        }
        QCOMPARE(pipe->size(), 1);
        pipe.reset();
        QCOMPARE(destroyed, want.size() + 1);
    }

    void groups_data()
    {
        // Blocks in queue order: "0" a block of group 0, "p0" a pause block
        // finishing group 0, "f" the final block (group -1). After each read
        // "current/pause/next". A job's pause between layers or colours is
        // checked through the status window.
        QTest::addColumn<QString>("blocks");
        QTest::addColumn<QString>("after");

        QTest::newRow("one group: no later block, next is 0") << "0 0 f" << "0/-/0 0/-/0 0/-/0";
        QTest::newRow("pause, then a group skipped") << "0 p0 2 f" << "0/-/2 0/p/2 2/-/0 2/-/0";
        QTest::newRow("current group never falls") << "3 1 2 5" << "3/-/5 3/-/5 3/-/5 5/-/0";
        QTest::newRow("final block only") << "f" << "0/-/0";
    }
    void groups()
    {
        QFETCH(QString, blocks);

        Pipe pipe;
        for (const QString& t : blocks.split(QLatin1Char(' '))) {
            const bool pause = t.startsWith(QLatin1Char('p'));
            pipe.push(block("PU;", t == QLatin1String("f") ? -1 : t.mid(pause ? 1 : 0).toInt(), pause));
        }
        QStringList got;
        QByteArray out;
        while (!pipe.isEmpty()) {
            QVERIFY(pipe.pop(out, 10000000));
            got << QStringLiteral("%1/%2/%3")
                       .arg(pipe.currentGroup())
                       .arg(pipe.pausePending() ? "p" : "-")
                       .arg(pipe.nextGroup());
        }
        QTEST(got.join(QLatin1Char(' ')), "after");
    }

    // A reader waits while nothing is queued and the pipe is open; a push
    // wakes it with the block, closing wakes it with nothing.
    void wakesBlockedReader()
    {
        Pipe pipe;
        for (const bool byClose : {false, true}) {
            QByteArray out;
            std::future<bool> reader = std::async(std::launch::async, [&] { return pipe.pop(out, 100); });
            QVERIFY(reader.wait_for(std::chrono::milliseconds(50)) == std::future_status::timeout);
            byClose ? pipe.close() : pipe.push(block("PU7;"));
            QVERIFY(reader.wait_for(std::chrono::seconds(5)) == std::future_status::ready);
            QCOMPARE(reader.get(), !byClose);
            QCOMPARE(out, byClose ? QByteArray() : QByteArray("PU7;"));
        }
    }

    // Generation pushes while the sender pops: every block arrives once, in
    // order, and the reader ends when the pipe is closed.
    void producerAndConsumer()
    {
        const int count = 20000;
        Pipe pipe;
        QByteArray want;
        for (int i = 0; i < count; ++i)
            want += "PU" + QByteArray::number(i) + ";";
        QByteArray got;
        std::thread reader([&] {
            while (pipe.pop(got, 10000000)) {
            }
        });
        std::thread writer([&] {
            for (int i = 0; i < count; ++i)
                pipe.push(block("PU" + QByteArray::number(i) + ";", i / 1000));
            pipe.markFinished();
            pipe.close();
        });
        writer.join();
        reader.join();
        QCOMPARE(got, want);
        QVERIFY(pipe.isFinished());
        QCOMPARE(pipe.currentGroup(), (count - 1) / 1000);
    }

    void drain_data()
    {
        QTest::addColumn<QByteArray>("blocks"); // separated by "|"
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("file"); // in a folder holding an older, longer "lastcut.txt"
        QTest::newRow("zero byte in the second block")
            << QByteArray("PU1;|PD\0" "2;", 10) << QByteArray("PU1;PD\0" "2;", 9) << 6 << "lastcut.txt";
        // Still counted for the box.
        QTest::newRow("unwritable place") << QByteArray("PU1;") << QByteArray("PU1;") << 4
                                          << "fehlt/lastcut.txt";
    }
    void drain()
    {
        QFETCH(QByteArray, blocks);
        QFETCH(QByteArray, stream);
        QFETCH(QString, file);

        Pipe pipe;
        for (const QByteArray& b : blocks.split('|'))
            pipe.push(block(b));
        pipe.close();
        QTemporaryDir dir;
        QVERIFY(TestFiles::write(dir.filePath("lastcut.txt"), QByteArray(100, 'x')));
        const TestDataDump::Result r = TestDataDump::drain(pipe, dir.filePath(file));
        QCOMPARE(r.stream, stream);
        QTEST(r.characters, "characters");
        QCOMPARE(r.written, QFile::exists(dir.filePath(file)));
        QCOMPARE(TestFiles::read(dir.filePath(file)), r.written ? stream + "\r\n" : QByteArray());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"lastcut.txt"});
    }
};

QTEST_GUILESS_MAIN(TestPipe)
#include "tst_pipe.moc"
