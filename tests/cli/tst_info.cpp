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
    QTest::addColumn<QString>("name");       // created in a temporary folder
    QTest::addColumn<QString>("kind");       // "file", "folder" or "none"
    QTest::addColumn<QByteArray>("content"); // of a file
    QTest::addColumn<QString>("message");    // part of the German message

    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const QByteArray drawing("KCEbene\nA\nKCObjekt\nKCStart\nKCGeschlossen\nja\nL 0 0 10 0\nL 10 0 10 10\n");
    const struct {
        const char* row;
        const char* name;
        const char* kind;
        QByteArray content;
        const char* message;
    } rows[] = {
        {"missing file", "fehlt.kcj", "none", {}, "fehlt.kcj: Die Datei wurde nicht gefunden"},
        {"folder instead of a file", "ordner.kcj", "folder", {}, "ordner.kcj: Das ist ein Verzeichnis"},
        {"unknown suffix", "zeichnung.txt", "file", drawing, "wird nicht unterstützt"},
        {"no suffix", "zeichnung", "file", drawing, "wird nicht unterstützt"},
        {"no file named", "", "none", {}, "Aufruf: kerfcraft-cli info DATEI"},
        {"empty .kcj", "leer.kcj", "file", "", "leer.kcj: Die Datei ist leer"},
        {"empty .svg", "leer.svg", "file", "", "leer.svg: Die Datei ist leer"},
        {"PNG as .kcj", "bild.kcj", "file", png, "keine Textdatei"},
        {"PNG as .svg", "bild.svg", "file", png, "keine Textdatei"},
        {"PNG as .kcf", "bild.kcf", "file", png, "keine Textdatei"},
        {"text without keywords", "text.kcj", "file", "Hallo Welt\n", "keine Austauschdatei"},
        {"layer without paths", "leer2.kcj", "file", "KCEbene\nA\nKCObjekt\n", "keine Pfade"},
        {"<svg/>", "leer2.svg", "file", "<svg/>", "keine sichtbaren Umrisse"},
        {"truncated SVG", "halb.svg", "file", "<svg><path d=\"M 0 0 L 10", "kein gültiges XML"},
        {"HTML as .svg", "seite.svg", "file", "<html/>", "keine SVG-Zeichnung"},
        {"other root in .kcf", "fremd.kcf", "file", "<foo/>", "KerfcraftData"},
        {"truncated .kcf", "halb.kcf", "file", "<KerfcraftData><Data", "kein wohlgeformtes XML"},
        {".kcf without a drawing", "leer.kcf", "file", "<KerfcraftData/>", "keine Pfade"},
    };
    for (const auto& r : rows)
        QTest::newRow(r.row) << QString::fromUtf8(r.name) << QString::fromUtf8(r.kind) << r.content
                             << QString::fromUtf8(r.message);
}

void TestInfo::refusesFile()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (kind == QLatin1String("file")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
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
