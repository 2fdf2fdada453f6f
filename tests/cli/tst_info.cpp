#include "cli/CliCommands.h"

#include "support/RecordingMessages.h"
#include "support/TestPaths.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

// kerfcraft-cli info against checked-in output. With KC_UPDATE_GOLDEN=1 the
// expected files are rewritten from the current output instead.
class TestInfo : public QObject
{
    Q_OBJECT
private slots:
    void describesSample_data();
    void describesSample();
    void refusesFile_data();
    void refusesFile();
};

namespace {

struct Run {
    int code;
    QString out;
    QString err;
    int messages;
};

Run runInfo(const QStringList& args)
{
    QByteArray outBytes, errBytes, rawBytes;
    QBuffer outBuf(&outBytes), errBuf(&errBytes), raw(&rawBytes);
    outBuf.open(QIODevice::WriteOnly);
    errBuf.open(QIODevice::WriteOnly);
    raw.open(QIODevice::WriteOnly);
    QTextStream out(&outBuf), err(&errBuf);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    RecordingMessages messages;
    CliIo io{out, err, raw, messages};
    const int code = cliInfo(args, io);
    out.flush();
    err.flush();
    return {code, QString::fromUtf8(outBytes), QString::fromUtf8(errBytes), messages.count()};
}

} // namespace

void TestInfo::describesSample_data()
{
    QTest::addColumn<QString>("sample");
    QTest::newRow("sign in the Illustrator dialect") << QStringLiteral("schild");
    QTest::newRow("artwork with registration marks") << QStringLiteral("passermarken");
    QTest::newRow("CorelDRAW dialect") << QStringLiteral("corel");
}

void TestInfo::describesSample()
{
    QFETCH(QString, sample);
    const Run r = runInfo({TestPaths::source(QStringLiteral("data/samples/%1.kcj").arg(sample))});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.messages, 0);

    QFile golden(TestPaths::data(QStringLiteral("cli/info_%1.txt").arg(sample)));
    if (qEnvironmentVariableIntValue("KC_UPDATE_GOLDEN") == 1) {
        QVERIFY(golden.open(QIODevice::WriteOnly));
        golden.write(r.out.toUtf8());
        QSKIP("expected output rewritten");
    }
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
    const QStringList expected = QString::fromUtf8(golden.readAll()).split(QLatin1Char('\n'));
    const QStringList actual = r.out.split(QLatin1Char('\n'));
    for (int i = 0; i < qMin(expected.size(), actual.size()); ++i)
        QCOMPARE(actual[i], expected[i]); // first differing line
    QCOMPARE(actual.size(), expected.size());
}

void TestInfo::refusesFile_data()
{
    QTest::addColumn<QString>("name");     // created in a temporary folder
    QTest::addColumn<QString>("kind");     // "file", "folder" or "none"
    QTest::addColumn<QString>("message");  // part of the German message

    QTest::newRow("missing file") << QStringLiteral("fehlt.kcj") << QStringLiteral("none")
                                  << QStringLiteral("wurde nicht gefunden");
    QTest::newRow("folder instead of a file") << QStringLiteral("ordner.kcj")
                                              << QStringLiteral("folder")
                                              << QStringLiteral("ist ein Verzeichnis");
    QTest::newRow("unknown suffix") << QStringLiteral("zeichnung.txt") << QStringLiteral("file")
                                    << QStringLiteral("wird nicht unterstützt");
    QTest::newRow("no suffix") << QStringLiteral("zeichnung") << QStringLiteral("file")
                               << QStringLiteral("wird nicht unterstützt");
    QTest::newRow("no file named") << QString() << QStringLiteral("none")
                                   << QStringLiteral("Aufruf: kerfcraft-cli info DATEI");
}

void TestInfo::refusesFile()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (kind == QLatin1String("file")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("KCEbene\nA\n");
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    }
    const Run r = runInfo(name.isEmpty() ? QStringList() : QStringList{path});
    QCOMPARE(r.code, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.err.endsWith(QLatin1Char('\n')));
    QCOMPARE(r.messages, 0);
}

QTEST_GUILESS_MAIN(TestInfo)
#include "tst_info.moc"
