// The "Testdata" copy of the plot stream: the file holds the stream and
// "\r\n", the count stops at the first zero byte, an old file is replaced
// whole, and an unwritable place leaves nothing behind.

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
            pipe.push(new Block(b, false, Block::Index{}));
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

    // A generated job by colours with pauses: the file is its stream.
    void generatedJob()
    {
        Document d;
        colours(d);
        QTemporaryDir dir;
        const TestDataDump::Result r = TestDataDump::dump(d, true, dir.filePath("lastcut.txt"));
        QVERIFY(r.written);
        QCOMPARE(r.stream, generate(d, true));
    }
};

QTEST_GUILESS_MAIN(TestTestDataDump)
#include "tst_testdatadump.moc"
