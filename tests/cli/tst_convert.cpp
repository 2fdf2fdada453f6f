#include "support/DocumentCompare.h"
#include "support/RecordingMessages.h"
#include "support/TestPaths.h"

#include "cli/CliCommands.h"
#include "document/Document.h"
#include "document/DrawingFile.h"
#include "document/JobFile.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

struct Run {
    int rc;
    QString out;
    QString err;
    int messages;
};

Run convert(const QStringList& args)
{
    QBuffer outBuf, errBuf, raw;
    outBuf.open(QIODevice::WriteOnly);
    errBuf.open(QIODevice::WriteOnly);
    raw.open(QIODevice::WriteOnly);
    QTextStream out(&outBuf), err(&errBuf);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    RecordingMessages messages;
    CliIo io{out, err, raw, messages};
    const int rc = cliConvert(args, io);
    out.flush();
    err.flush();
    return {rc, QString::fromUtf8(outBuf.data()), QString::fromUtf8(errBuf.data()), messages.count()};
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

class TestConvert : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void converts_data();
    void converts();
    void failures_data();
    void failures();

private:
    QTemporaryDir m_dir;
};

void TestConvert::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile f(m_dir.filePath(QStringLiteral("kaputt.kcf")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<KerfcraftData><Data>");
    f.close();
    QFile t(m_dir.filePath(QStringLiteral("zeichnung.txt")));
    QVERIFY(t.open(QIODevice::WriteOnly));
    t.write("M 0 0\n");
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("ordner.kcf")));
}

void TestConvert::converts_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("svg, mm") << TestPaths::source("data/samples/aufkleber.svg");
    QTest::newRow("svg, px") << TestPaths::source("data/samples/alt-inkscape-091.svg");
    QTest::newRow("job file") << TestPaths::source("data/samples/beispiel.kcf");
}

void TestConvert::converts()
{
    QFETCH(QString, input);
    const QString output = m_dir.filePath(QStringLiteral("ziel.kcf"));
    QFile::remove(output);
    const Run run = convert({input, QStringLiteral("-o"), output});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.rc, 0);
    QVERIFY(run.out.contains(output));
    QCOMPARE(run.messages, 0);

    // What the job file holds is what the input gave. An SVG import makes
    // fresh uids each time; a job file keeps them.
    Document direct, viaJobFile;
    QString error;
    QVERIFY(DrawingFile::load(direct, input, &error));
    QVERIFY(DrawingFile::load(viaJobFile, output, &error));
    const auto uids = input.endsWith(QLatin1String(".kcf")) ? DocumentCompare::Uids::Equal
                                                             : DocumentCompare::Uids::Structure;
    QCOMPARE(DocumentCompare::difference(viaJobFile, direct, uids, 1e-15), QString()); // 16 digits in the file
    QVERIFY(direct.nodeCount() > 0);

    // Converting the result again changes nothing.
    const QString again = m_dir.filePath(QStringLiteral("nochmal.kcf"));
    QCOMPARE(convert({QStringLiteral("-o"), again, output}).rc, 0);
    QFile a(output), b(again);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());
    QFile::remove(again);
}

void TestConvert::failures_data()
{
    QTest::addColumn<QStringList>("args"); // "@" stands for the temp folder
    QTest::addColumn<QString>("message");  // part of the German message
    const QString svg = TestPaths::source("data/samples/aufkleber.svg");
    QTest::newRow("no arguments") << QStringList{} << "Keine Eingabedatei";
    QTest::newRow("missing -o") << QStringList{svg} << "Keine Zieldatei";
    QTest::newRow("-o without name") << QStringList{svg, "-o"} << "Nach -o fehlt";
    QTest::newRow("-o twice") << QStringList{svg, "-o", "@/a.kcf", "-o", "@/b.kcf"} << "mehrfach";
    QTest::newRow("unknown option") << QStringList{svg, "--schnell", "-o", "@/out.kcf"} << "Unbekannte Option: --schnell";
    QTest::newRow("two inputs") << QStringList{svg, svg, "-o", "@/out.kcf"} << "Mehr als eine Eingabedatei";
    QTest::newRow("input missing") << QStringList{"@/fehlt.svg", "-o", "@/out.kcf"} << "nicht gefunden";
    QTest::newRow("input not a job file") << QStringList{"@/kaputt.kcf", "-o", "@/out.kcf"} << "keine lesbare Auftragsdatei";
    QTest::newRow("input format unknown") << QStringList{"@/zeichnung.txt", "-o", "@/out.kcf"} << "nicht unterstützt";
    QTest::newRow("folder of the output missing") << QStringList{svg, "-o", "@/fehlt/out.kcf"} << "konnte nicht gespeichert werden";
    QTest::newRow("output a folder named .kcf") << QStringList{svg, "-o", "@/ordner.kcf"} << "konnte nicht gespeichert werden";
    QTest::newRow("output not .kcf") << QStringList{svg, "-o", "@/out.svg"} << "muss auf .kcf oder .fcm enden";
    QTest::newRow("output is the input") << QStringList{"@/kaputt.kcf", "-o", "@/../" + QFileInfo(m_dir.path()).fileName() + "/kaputt.kcf"} << "ist die Eingabedatei";
}

void TestConvert::failures()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    for (QString& a : args)
        a.replace(QLatin1Char('@'), m_dir.path());
    const QStringList before = entries(m_dir.path());
    const Run run = convert(args);
    QCOMPARE(run.rc, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(run.out, QString());
    QCOMPARE(run.messages, 0);
    QCOMPARE(entries(m_dir.path()), before); // nothing written, no temporary left over
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
