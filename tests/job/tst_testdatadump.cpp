// The "Testdata" copy of the plot stream: the file holds the stream and
// "\r\n" and the count stops at the first zero byte.

#include "JobFixtures.h"

#include "job/Pipe.h"
#include "job/TestDataDump.h"

#include "support/TestFiles.h"

#include <QtTest>

using namespace JobFixtures;

class TestTestDataDump : public QObject
{
    Q_OBJECT
private slots:
    void drain_data();
    void drain();
    void generatedJob();
};

void TestTestDataDump::drain_data()
{
    QTest::addColumn<QByteArray>("blocks"); // separated by "|"
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("characters");
    QTest::newRow("zero byte in the second block")
        << QByteArray("PU1;|PD\0" "2;", 10) << QByteArray("PU1;PD\0" "2;", 9) << 6;
    QTest::newRow("tail after the last ';' dropped") << QByteArray("PU1;PU") << QByteArray("PU1;") << 4;
}

void TestTestDataDump::drain()
{
    QFETCH(QByteArray, blocks);
    QFETCH(QByteArray, stream);
    QFETCH(int, characters);

    Pipe pipe;
    for (const QByteArray& b : blocks.split('|'))
        pipe.push(new Block(b, false, Block::Index{}));
    pipe.close();
    QTemporaryDir dir;
    const TestDataDump::Result r = TestDataDump::drain(pipe, dir.filePath("lastcut.txt"));
    QCOMPARE(r.stream, stream);
    QCOMPARE(r.characters, characters);
    QVERIFY(r.written);
    QCOMPARE(TestFiles::read(dir.filePath("lastcut.txt")), stream + "\r\n");
}

// A generated job by colours with pauses: the file is its stream.
void TestTestDataDump::generatedJob()
{
    Document d;
    colours(d);
    const QByteArray stream = joined(blocksOf(d, true));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lastcut.txt"));
    const TestDataDump::Result r = TestDataDump::dump(d, true, path);
    QVERIFY(r.written);
    QCOMPARE(r.stream, stream);
    QCOMPARE(TestFiles::read(path), stream + "\r\n");
}

QTEST_GUILESS_MAIN(TestTestDataDump)
#include "tst_testdatadump.moc"
