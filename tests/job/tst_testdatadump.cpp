// The "Testdata" copy of the plot stream: the file holds the stream and
// "\r\n", the count stops at the first zero byte, an old file is replaced
// whole, and an unwritable place leaves nothing behind.

#include "JobFixtures.h"

#include "job/Pipe.h"
#include "job/TestDataDump.h"

#include <QtTest>

using namespace JobFixtures;

class TestTestDataDump : public QObject
{
    Q_OBJECT
private slots:
    void drain_data()
    {
        QTest::addColumn<QByteArray>("blocks"); // separated by "|"
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("file");      // relative to a fresh folder
        QTest::newRow("zero byte in the second block")
            << QByteArray("PU1;|PD\0" "2;", 10) << QByteArray("PU1;PD\0" "2;", 9) << 6 << "lastcut.txt";
        QTest::newRow("tail after the last ';' dropped") << QByteArray("PU1;PU") << QByteArray("PU1;")
                                                         << 4 << "lastcut.txt";
        // Still counted for the box.
        QTest::newRow("unwritable place") << QByteArray("PU1;") << QByteArray("PU1;") << 4
                                          << "fehlt/lastcut.txt";
    }
    void drain()
    {
        QFETCH(QByteArray, blocks);
        QFETCH(QByteArray, stream);
        QFETCH(int, characters);
        QFETCH(QString, file);

        Pipe pipe;
        for (const QByteArray& b : blocks.split('|'))
            pipe.push(new Block(b, false, Block::Index{}));
        pipe.close();
        QTemporaryDir dir;
        const TestDataDump::Result r = TestDataDump::drain(pipe, dir.filePath(file));
        QCOMPARE(r.stream, stream);
        QCOMPARE(r.characters, characters);
        QFile f(dir.filePath(file));
        QCOMPARE(r.written, f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), r.written ? stream + "\r\n" : QByteArray());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 r.written ? QStringList{file} : QStringList());
    }

    // A generated job by colours with pauses: the file is its stream, and an
    // older, longer file does not survive.
    void generatedJob()
    {
        Document d;
        colours(d);
        const QByteArray stream = joined(blocksOf(d, true));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lastcut.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(stream.size() * 2, 'x'));
        old.close();

        const TestDataDump::Result r = TestDataDump::dump(d, true, path);
        QVERIFY(r.written);
        QCOMPARE(r.stream, stream);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), stream + "\r\n");
    }
};

QTEST_GUILESS_MAIN(TestTestDataDump)
#include "tst_testdatadump.moc"
