#include "app/ExchangeFileLocator.h"

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

class TestExchangeFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    int m_rows = 0;

    // Points TMPDIR (the toolkit temp folder) and TEMP at the folders "tk"
    // and "temp" below a fresh row folder, which it returns.
    QString tempFolders()
    {
        const QString row = m_root.filePath(QString::number(++m_rows));
        QDir().mkpath(row + "/tk");
        QDir().mkpath(row + "/temp");
        qputenv("TMPDIR", QFile::encodeName(row + "/tk"));
        qputenv("TEMP", QFile::encodeName(row + "/temp"));
        return row;
    }

private slots:
    void newestCandidateWins_data()
    {
        QTest::addColumn<QStringList>("files"); // "folder/name@ms", modified ms after a base time
        QTest::addColumn<QString>("expected");  // below the row folder, "" for none

        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("equal times: list order")
            << QStringList{"temp/kcxfer.svg@0", "temp/kcxfer.kcj@0", "tk/kcxfer.svg@0", "tk/kcxfer.kcj@0"}
            << "tk/kcxfer.kcj";
        QTest::newRow("svg newer by one ms") << QStringList{"tk/kcxfer.kcj@0", "tk/kcxfer.svg@1"} << "tk/kcxfer.svg";
        QTest::newRow("TEMP kcj newest")
            << QStringList{"tk/kcxfer.kcj@0", "tk/kcxfer.svg@10", "temp/kcxfer.kcj@20"} << "temp/kcxfer.kcj";
        QTest::newRow("toolkit svg ties TEMP kcj") << QStringList{"tk/kcxfer.svg@7", "temp/kcxfer.kcj@7"}
                                                   << "tk/kcxfer.svg";
        QTest::newRow("other names ignored")
            << QStringList{"tk/kcxfer.txt@100", "tk/KCXFER.KCJ@100", "temp/kcxfer.svg@0"} << "temp/kcxfer.svg";
    }

    void newestCandidateWins()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);

        const QString row = tempFolders();
        const QDateTime base = QDateTime::currentDateTime().addDays(-1);
        for (const QString& entry : files) {
            QFile f(row + '/' + entry.section('@', 0, 0));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
            f.flush(); // a later flush would stamp the file with the current time
            QVERIFY(f.setFileTime(base.addMSecs(entry.section('@', 1).toInt()), QFileDevice::FileModificationTime));
        }

        const QStringList candidates = ExchangeFileLocator::candidates();
        QCOMPARE(candidates, (QStringList{row + "/tk/kcxfer.kcj", row + "/tk/kcxfer.svg", row + "/temp/kcxfer.kcj",
                                          row + "/temp/kcxfer.svg"}));
        const QString expectedPath = expected.isEmpty() ? QString() : row + '/' + expected;
        QTest::ignoreMessage(QtDebugMsg, qPrintable("Filename: " + expectedPath));
        QCOMPARE(ExchangeFileLocator::chooseNewest(candidates), expectedPath);
    }

    // The plug-in may still be writing: 25 looks, 24 pauses of 200 ms.
    void waitForFile_data()
    {
        QTest::addColumn<int>("appearsAfterSleeps");
        QTest::addColumn<bool>("asFolder");
        QTest::addColumn<int>("sleeps");
        QTest::addColumn<QStringList>("messages");

        const QStringList notFound{"Information|Die Übertragungsdatei konnte nicht gefunden werden."};
        QTest::newRow("already there") << 0 << false << 0 << QStringList();
        QTest::newRow("appears just in time") << 24 << false << 24 << QStringList();
        QTest::newRow("appears too late") << 25 << false << 24 << notFound;
        QTest::newRow("a folder of that name") << 0 << true << 24 << notFound;
    }

    void waitForFile()
    {
        QFETCH(int, appearsAfterSleeps);
        QFETCH(bool, asFolder);
        QFETCH(int, sleeps);
        QFETCH(QStringList, messages);

        const QString path = tempFolders() + "/tk/kcxfer.kcj";
        auto create = [&] { asFolder ? QDir().mkpath(path) : TestFiles::write(path); };
        if (appearsAfterSleeps == 0)
            create();
        FakeClock clock;
        clock.onSleep = [&](int ms) {
            QCOMPARE(ms, 200);
            if (clock.sleepCount() == appearsAfterSleeps)
                create();
        };
        RecordingMessages recorded;

        QCOMPARE(ExchangeFileLocator::waitForFile(path, clock, recorded), messages.isEmpty());
        QCOMPARE(clock.sleepCount(), sleeps);
        QCOMPARE(clock.nowMs(), qint64(sleeps) * 200);
        QCOMPARE(recorded.lines(), messages);
    }
};

QTEST_GUILESS_MAIN(TestExchangeFile)
#include "tst_exchangefile.moc"
