#include "app/ExchangeFileLocator.h"
#include "document/ExchangeText.h"

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestExchangeFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void newestCandidateWins_data();
    void newestCandidateWins();
    void waitForFile_data();
    void waitForFile();
    void lineNormalisation_data();
    void lineNormalisation();

private:
    // Points TMPDIR (the toolkit temp folder) and TEMP at fresh folders
    // "tk" and "temp" below a new row folder; returns the row folder.
    QString setUpTempFolders();

    QTemporaryDir m_root;
    QByteArray m_savedTmpdir, m_savedTemp;
    int m_rowCount = 0;
};

void TestExchangeFile::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_savedTmpdir = qgetenv("TMPDIR");
    m_savedTemp = qgetenv("TEMP");
}

void TestExchangeFile::cleanup()
{
    qputenv("TMPDIR", m_savedTmpdir);
    qputenv("TEMP", m_savedTemp);
}

QString TestExchangeFile::setUpTempFolders()
{
    const QString row = m_root.filePath(QString::number(++m_rowCount));
    QDir().mkpath(row + "/tk");
    QDir().mkpath(row + "/temp");
    qputenv("TMPDIR", QFile::encodeName(row + "/tk"));
    qputenv("TEMP", QFile::encodeName(row + "/temp"));
    return row;
}

void TestExchangeFile::newestCandidateWins_data()
{
    // "folder/name@ms": a file with that modification time relative to a base time
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected"); // relative to the row folder, "" for none

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("only toolkit kcj") << QStringList{"tk/kcxfer.kcj@0"} << "tk/kcxfer.kcj";
    QTest::newRow("equal times: list order")
        << QStringList{"temp/kcxfer.svg@0", "temp/kcxfer.kcj@0", "tk/kcxfer.svg@0", "tk/kcxfer.kcj@0"}
        << "tk/kcxfer.kcj";
    QTest::newRow("svg newer than kcj") << QStringList{"tk/kcxfer.kcj@0", "tk/kcxfer.svg@1000"}
                                        << "tk/kcxfer.svg";
    QTest::newRow("svg newer by one ms") << QStringList{"tk/kcxfer.kcj@0", "tk/kcxfer.svg@1"}
                                         << "tk/kcxfer.svg";
    QTest::newRow("kcj newer than svg") << QStringList{"tk/kcxfer.kcj@5000", "tk/kcxfer.svg@0"}
                                        << "tk/kcxfer.kcj";
    QTest::newRow("only TEMP has a file") << QStringList{"temp/kcxfer.svg@0"} << "temp/kcxfer.svg";
    QTest::newRow("TEMP kcj newest") << QStringList{"tk/kcxfer.kcj@0", "tk/kcxfer.svg@10", "temp/kcxfer.kcj@20"}
                                     << "temp/kcxfer.kcj";
    QTest::newRow("toolkit svg ties TEMP kcj") << QStringList{"tk/kcxfer.svg@7", "temp/kcxfer.kcj@7"}
                                               << "tk/kcxfer.svg";
    QTest::newRow("other names ignored") << QStringList{"tk/kcxfer.txt@100", "tk/KCXFER.KCJ@100", "temp/kcxfer.svg@0"}
                                         << "temp/kcxfer.svg";
}

void TestExchangeFile::newestCandidateWins()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);

    const QString row = setUpTempFolders();
    const QDateTime base = QDateTime::currentDateTime().addDays(-1);
    for (const QString& entry : files) {
        QFile f(row + '/' + entry.section('@', 0, 0));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.flush(); // a later flush would stamp the file with the current time
        QVERIFY(f.setFileTime(base.addMSecs(entry.section('@', 1).toInt()),
                              QFileDevice::FileModificationTime));
    }

    const QStringList candidates = ExchangeFileLocator::candidates();
    QCOMPARE(candidates, (QStringList{row + "/tk/kcxfer.kcj", row + "/tk/kcxfer.svg",
                                      row + "/temp/kcxfer.kcj", row + "/temp/kcxfer.svg"}));

    const QString expectedPath = expected.isEmpty() ? QString() : row + '/' + expected;
    QTest::ignoreMessage(QtDebugMsg, qPrintable("Filename: " + expectedPath));
    QCOMPARE(ExchangeFileLocator::chooseNewest(candidates), expectedPath);
}

void TestExchangeFile::waitForFile_data()
{
    QTest::addColumn<int>("appearsAfterSleeps"); // -1: never
    QTest::addColumn<bool>("asDirectory");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("sleeps");

    QTest::newRow("already there") << 0 << false << true << 0;
    QTest::newRow("appears after 3 sleeps") << 3 << false << true << 3;
    QTest::newRow("appears just in time") << 24 << false << true << 24;
    QTest::newRow("appears too late") << 25 << false << false << 24;
    QTest::newRow("never") << -1 << false << false << 24;
    QTest::newRow("a folder of that name") << 0 << true << false << 24;
}

void TestExchangeFile::waitForFile()
{
    QFETCH(int, appearsAfterSleeps);
    QFETCH(bool, asDirectory);
    QFETCH(bool, found);
    QFETCH(int, sleeps);

    const QString path = setUpTempFolders() + "/tk/kcxfer.kcj";
    auto create = [&] {
        if (asDirectory) {
            QDir().mkpath(path);
        } else {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
        }
    };
    if (appearsAfterSleeps == 0)
        create();

    FakeClock clock;
    clock.onSleep = [&](int ms) {
        QCOMPARE(ms, 200);
        if (clock.sleepCount() == appearsAfterSleeps)
            create();
    };
    RecordingMessages messages;

    QCOMPARE(ExchangeFileLocator::waitForFile(path, clock, messages), found);
    // 25 looks in all, so at most 24 pauses between them.
    QCOMPARE(clock.sleepCount(), sleeps);
    QCOMPARE(clock.nowMs(), qint64(sleeps) * 200);
    if (found) {
        QCOMPARE(messages.count(), 0);
    } else {
        QCOMPARE(messages.count(), 1);
        const RecordingMessages::Message m = messages.messages().first();
        QCOMPARE(m.title, QStringLiteral("Information"));
        QCOMPARE(m.text, QStringLiteral("Die Übertragungsdatei konnte nicht gefunden werden."));
        QCOMPARE(m.buttons, UserMessages::Buttons(UserMessages::Ok));
    }
}

void TestExchangeFile::lineNormalisation_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("decimal commas, three blanks") << "12,5   7,25" << "12.5 7.25\n";
    QTest::newRow("blanks only") << "     " << "\n";
    QTest::newRow("empty") << "" << "\n";
    QTest::newRow("tabs and edges") << "\tS 1,0\t\t2,0 \t" << "S 1.0 2.0\n";
    QTest::newRow("carriage return left by the host") << "KCEbene\r" << "KCEbene\n";
    QTest::newRow("keyword untouched") << "KCObjekt" << "KCObjekt\n";
    QTest::newRow("umlauts kept") << "Ebene  Größe" << "Ebene Größe\n";
}

void TestExchangeFile::lineNormalisation()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(ExchangeText::normaliseLine(line), expected);
}

QTEST_GUILESS_MAIN(TestExchangeFile)
#include "tst_exchangefile.moc"
