// The "Testdata" copy of the plot stream: the file holds the stream and
// "\r\n", the count stops at the first zero byte, an old file is replaced
// whole, and an unwritable place leaves nothing behind.

#include "JobFixtures.h"

#include "job/Pipe.h"
#include "job/TestDataDump.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace JobFixtures;

class TestTestDataDump : public QObject
{
    Q_OBJECT
private slots:
    void generatedJob_data();
    void generatedJob();
    void handmadeStream_data();
    void handmadeStream();
    void unwritablePlace();
};

void TestTestDataDump::generatedJob_data()
{
    QTest::addColumn<bool>("byColours");
    QTest::addColumn<bool>("deviceControl");
    QTest::newRow("layers with pauses, device control") << false << true;
    QTest::newRow("colours, no device control") << true << false;
}

void TestTestDataDump::generatedJob()
{
    QFETCH(bool, byColours);
    QFETCH(bool, deviceControl);

    Document d;
    byColours ? colours(d, true) : layers(d, true);
    const QByteArray stream = joined(blocksOf(d, deviceControl));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lastcut.txt"));
    {
        QFile old(path); // longer than the new content: must not survive
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(stream.size() * 2, 'x'));
    }

    const TestDataDump::Result r = TestDataDump::dump(d, deviceControl, path);
    QVERIFY(r.written);
    QCOMPARE(r.stream, stream);
    QCOMPARE(r.characters, stream.size());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), stream + "\r\n");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("lastcut.txt")});
}

void TestTestDataDump::handmadeStream_data()
{
    QTest::addColumn<QList<QByteArray>>("blocks");
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("characters");
    QTest::newRow("plain") << QList<QByteArray>{"PU1;", "PD2;"} << QByteArray("PU1;PD2;") << 8;
    QTest::newRow("zero byte in the second block")
        << QList<QByteArray>{"PU1;", QByteArray("PD\0" "2;", 5)} << QByteArray("PU1;PD\0" "2;", 9)
        << 6;
    QTest::newRow("zero byte first") << QList<QByteArray>{QByteArray("\0PU;", 4)}
                                     << QByteArray("\0PU;", 4) << 0;
    QTest::newRow("tail after the last ';' dropped") << QList<QByteArray>{"PU1;PU"}
                                                     << QByteArray("PU1;") << 4;
    QTest::newRow("empty") << QList<QByteArray>{} << QByteArray() << 0;
}

void TestTestDataDump::handmadeStream()
{
    QFETCH(QList<QByteArray>, blocks);
    QFETCH(QByteArray, stream);
    QFETCH(int, characters);

    Pipe pipe;
    for (const QByteArray& b : blocks)
        pipe.push(new Block(b, false, Block::Index{}));
    pipe.close();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lastcut.txt"));
    const TestDataDump::Result r = TestDataDump::drain(pipe, path);
    QVERIFY(r.written);
    QCOMPARE(r.stream, stream);
    QCOMPARE(r.characters, characters);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), stream + "\r\n");
}

void TestTestDataDump::unwritablePlace()
{
    Document d;
    layers(d, false);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fehlt/lastcut.txt"));
    const TestDataDump::Result r = TestDataDump::dump(d, true, path);
    QVERIFY(!r.written);
    QCOMPARE(r.characters, joined(blocksOf(d, true)).size()); // still counted for the box
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(TestTestDataDump)
#include "tst_testdatadump.moc"
