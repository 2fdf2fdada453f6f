// The block queue between the two job workers: order, the byte limit of a
// read, the group bookkeeping the status display relies on, waking a
// blocked reader, and ownership of the blocks.

#include "job/Pipe.h"
#include "plot/Block.h"

#include <QSignalSpy>
#include <QtTest>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

Block* block(const QByteArray& bytes, int group = 0, bool pause = false)
{
    Block::Index index;
    index.group = group;
    return new Block(bytes, pause, index);
}

// "0" a block of group 0, "p0" a pause block finishing group 0, "f" the
// final block (group -1).
Block* blockFromToken(const QString& token, int n)
{
    const QByteArray bytes = "PU" + QByteArray::number(n) + ";";
    if (token == QLatin1String("f"))
        return block(bytes, -1);
    if (token.startsWith(QLatin1Char('p')))
        return block(bytes + "PU40,1;PU;", token.mid(1).toInt(), true);
    return block(bytes, token.toInt());
}

} // namespace

class TestPipe : public QObject
{
    Q_OBJECT
private slots:
    void popLimit_data();
    void popLimit();
    void groups_data();
    void groups();
    void wakesBlockedReader_data();
    void wakesBlockedReader();
    void producerAndConsumer();
    void ownsItsBlocks();
};

void TestPipe::popLimit_data()
{
    QTest::addColumn<QList<QByteArray>>("blocks");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QList<QByteArray>>("reads");

    QTest::newRow("oldest first") << QList<QByteArray>{"PU1;", "PD2;", "PU3;"} << 10000000
                                  << QList<QByteArray>{"PU1;", "PD2;", "PU3;"};
    QTest::newRow("cut at the last ';' within the limit")
        << QList<QByteArray>{"PU1;PU2;PU3;"} << 9 << QList<QByteArray>{"PU1;PU2;"};
    QTest::newRow("limit ends on a ';'") << QList<QByteArray>{"PU1;PU2;"} << 4
                                          << QList<QByteArray>{"PU1;"};
    QTest::newRow("no ';' within the limit: nothing")
        << QList<QByteArray>{"PU1000;", "PU2;"} << 5 << QList<QByteArray>{"", "PU2;"};
    QTest::newRow("bytes after the last ';' dropped")
        << QList<QByteArray>{"PU1;PD2", "PU3;"} << 10000000 << QList<QByteArray>{"PU1;", "PU3;"};
    QTest::newRow("no ';' at all") << QList<QByteArray>{"PU1"} << 10000000
                                    << QList<QByteArray>{""};
    QTest::newRow("zero bytes kept") << QList<QByteArray>{QByteArray("PU\0;", 4)} << 10000000
                                     << QList<QByteArray>{QByteArray("PU\0;", 4)};
}

void TestPipe::popLimit()
{
    QFETCH(QList<QByteArray>, blocks);
    QFETCH(int, limit);
    QFETCH(QList<QByteArray>, reads);

    Pipe pipe;
    qint64 pushed = 0;
    for (const QByteArray& b : blocks) {
        pipe.push(block(b));
        pushed += b.size();
    }
    QCOMPARE(pipe.bytesPushed(), pushed);
    pipe.close();
    for (const QByteArray& want : reads) {
        QByteArray out("X"); // a read appends
        QVERIFY(pipe.pop(out, limit));
        QCOMPARE(out, "X" + want);
    }
    QVERIFY(pipe.isEmpty());
    QByteArray out;
    QVERIFY(!pipe.pop(out, limit));
    QVERIFY(out.isEmpty());
}

void TestPipe::groups_data()
{
    // Blocks in queue order; after each read "current/pause/next".
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<QString>("after");

    QTest::newRow("two layers with a pause")
        << "0 0 p0 1 1 f" << "0/-/1 0/-/1 0/p/1 1/-/0 1/-/0 1/-/0";
    QTest::newRow("layer not cut in between: next skips to 2")
        << "0 p0 2 f" << "0/-/2 0/p/2 2/-/0 2/-/0";
    QTest::newRow("one group: no later block, next is 0") << "0 0 f" << "0/-/0 0/-/0 0/-/0";
    QTest::newRow("current group never falls") << "3 1 2 5" << "3/-/5 3/-/5 3/-/5 5/-/0";
    QTest::newRow("final block only") << "f" << "0/-/0";
}

void TestPipe::groups()
{
    QFETCH(QString, blocks);
    QFETCH(QString, after);

    Pipe pipe;
    QCOMPARE(pipe.currentGroup(), 0);
    QVERIFY(!pipe.pausePending());
    const QStringList tokens = blocks.split(QLatin1Char(' '));
    for (int i = 0; i < tokens.size(); ++i)
        pipe.push(blockFromToken(tokens[i], i));
    QStringList got;
    QByteArray out;
    while (!pipe.isEmpty()) {
        QVERIFY(pipe.pop(out, 10000000));
        got << QStringLiteral("%1/%2/%3")
                   .arg(pipe.currentGroup())
                   .arg(pipe.pausePending() ? "p" : "-")
                   .arg(pipe.nextGroup());
    }
    QCOMPARE(got.join(QLatin1Char(' ')), after);
}

void TestPipe::wakesBlockedReader_data()
{
    QTest::addColumn<bool>("byClose");
    QTest::newRow("a push wakes it") << false;
    QTest::newRow("closing wakes it") << true;
}

void TestPipe::wakesBlockedReader()
{
    QFETCH(bool, byClose);

    Pipe pipe;
    QByteArray out;
    std::future<bool> reader = std::async(std::launch::async, [&] { return pipe.pop(out, 100); });
    // Nothing queued, not closed: it waits.
    QVERIFY(reader.wait_for(std::chrono::milliseconds(50)) == std::future_status::timeout);
    if (byClose)
        pipe.close();
    else
        pipe.push(block("PU7;"));
    QVERIFY(reader.wait_for(std::chrono::seconds(5)) == std::future_status::ready);
    QCOMPARE(reader.get(), !byClose);
    QCOMPARE(out, byClose ? QByteArray() : QByteArray("PU7;"));
}

// Generation pushes while the sender pops: every block arrives once, in
// order, and the reader ends when the pipe is closed.
void TestPipe::producerAndConsumer()
{
    const int count = 20000;
    Pipe pipe;
    QByteArray want;
    for (int i = 0; i < count; ++i)
        want += "PU" + QByteArray::number(i) + ";";
    QByteArray got;
    int reads = 0;
    std::thread reader([&] {
        while (pipe.pop(got, 10000000))
            ++reads;
    });
    std::thread writer([&] {
        for (int i = 0; i < count; ++i)
            pipe.push(block("PU" + QByteArray::number(i) + ";", i / 1000));
        pipe.markFinished();
        pipe.close();
    });
    writer.join();
    reader.join();
    QCOMPARE(reads, count);
    QCOMPARE(got, want);
    QVERIFY(pipe.isFinished());
    QCOMPARE(pipe.currentGroup(), (count - 1) / 1000);
}

// A read deletes its block at once; blocks still queued go with the pipe.
void TestPipe::ownsItsBlocks()
{
    int destroyed = 0;
    auto pipe = std::make_unique<Pipe>();
    for (int i = 0; i < 4; ++i) {
        Block* b = block("PU" + QByteArray::number(i) + ";", i);
        connect(b, &QObject::destroyed, [&] { ++destroyed; });
        pipe->push(b);
    }
    QByteArray out;
    QVERIFY(pipe->pop(out, 10000000));
    QCOMPARE(destroyed, 1);
    QCOMPARE(pipe->size(), 3);
    pipe.reset();
    QCOMPARE(destroyed, 4);
}

QTEST_GUILESS_MAIN(TestPipe)
#include "tst_pipe.moc"
