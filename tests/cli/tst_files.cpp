// kerfcraft-cli info against checked-in listings (KC_UPDATE_GOLDEN=1 rewrites
// them), convert as a round trip through the job file, and every way the
// commands that take a drawing refuse: exit 2, a German line on stderr,
// nothing on stdout and no file written or changed.

#include "support/CliRun.h"
#include "support/DocumentCompare.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include "document/Document.h"
#include "document/DrawingFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString sample(const QString& name) { return TestPaths::source(QStringLiteral("data/samples/") + name); }

// Names and sizes, so a file overwritten in place shows too.
QStringList listing(const QString& dir)
{
    QStringList l;
    for (const QFileInfo& f : QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        l << f.fileName() + ':' + QString::number(f.isDir() ? -1 : f.size());
    return l;
}
} // namespace

class TestCliFiles : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        qputenv("APPDATA", m_dir.filePath(QStringLiteral("appdata")).toLocal8Bit());
        qputenv("KERFCRAFT_BIN_DIR", TestPaths::bin().toLocal8Bit());
        const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        const QByteArray drawing("KCEbene\nA\nKCObjekt\nKCStart\nKCGeschlossen\nja\nL 0 0 10 0\nL 10 0 10 10\n");
        const QList<QPair<const char*, QByteArray>> files{
            {"zeichnung.txt", drawing}, {"zeichnung", drawing}, {"leer.kcj", ""}, {"bild.svg", png},
            {"bild.kcf", png}, {"text.kcj", "Hallo Welt\n"}, {"leer2.kcj", "KCEbene\nA\nKCObjekt\n"},
            {"leer2.svg", "<svg/>"}, {"halb.svg", "<svg><path d=\"M 0 0 L 10"}, {"seite.svg", "<html/>"},
            {"fremd.kcf", "<foo/>"}, {"kaputt.kcf", "<KerfcraftData><Data"}, {"leer.kcf", "<KerfcraftData/>"},
            {"alt.plt", "alt"}};
        for (const auto& f : files)
            QVERIFY(TestFiles::write(m_dir.filePath(f.first), f.second));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("ordner.kcf")) && QDir(m_dir.path()).mkpath(QStringLiteral("ordner.kcj")));
    }

    void describesSample_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::newRow("sign in the Illustrator dialect") << QStringLiteral("schild");
        QTest::newRow("artwork with registration marks") << QStringLiteral("passermarken");
        QTest::newRow("CorelDRAW dialect") << QStringLiteral("corel");
    }
    void describesSample()
    {
        QFETCH(QString, sample);
        const CliRun r({QStringLiteral("info"), ::sample(sample + ".kcj")});
        QVERIFY(r.rc == 0 && r.err.isEmpty() && r.messages.count() == 0);
        const QString golden = TestPaths::data(QStringLiteral("cli/info_%1.txt").arg(sample));
        if (qEnvironmentVariableIntValue("KC_UPDATE_GOLDEN") == 1) {
            QVERIFY(TestFiles::write(golden, r.out.toUtf8()));
            QSKIP("expected output rewritten");
        }
        const QStringList expected = QString::fromUtf8(TestFiles::read(golden)).split('\n');
        const QStringList actual = r.out.split('\n');
        for (int i = 0; i < qMin(expected.size(), actual.size()); ++i)
            QCOMPARE(actual[i], expected[i]); // first differing line
        QCOMPARE(actual.size(), expected.size());
    }

    void converts_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("svg, mm") << sample("aufkleber.svg");
        QTest::newRow("svg, px") << sample("alt-inkscape-091.svg");
        QTest::newRow("job file") << sample("beispiel.kcf");
    }
    // The job file holds what the input gave (an SVG import makes fresh uids
    // each time, a job file keeps them); converting it again changes nothing.
    void converts()
    {
        QFETCH(QString, input);
        QTemporaryDir dir;
        const QString output = dir.filePath(QStringLiteral("ziel.kcf")), again = dir.filePath(QStringLiteral("nochmal.kcf"));
        const CliRun r({QStringLiteral("convert"), input, QStringLiteral("-o"), output});
        QCOMPARE(r.err, QString());
        QVERIFY(r.rc == 0 && r.out.contains(output) && r.messages.count() == 0);
        Document direct, viaJobFile;
        QVERIFY(DrawingFile::load(direct, input).ok && DrawingFile::load(viaJobFile, output).ok && direct.nodeCount() > 0);
        const auto uids = input.endsWith(QLatin1String(".kcf")) ? DocumentCompare::Uids::Equal : DocumentCompare::Uids::Structure;
        QCOMPARE(DocumentCompare::difference(viaJobFile, direct, uids, 1e-15), QString()); // 16 digits in the file
        QCOMPARE(CliRun({QStringLiteral("convert"), QStringLiteral("-o"), again, output}).rc, 0);
        QCOMPARE(TestFiles::read(again), TestFiles::read(output));
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("line");    // split at blanks; @ the temporary folder, $r the rectangle, $s an SVG sample
        QTest::addColumn<QString>("message"); // part of stderr
        const QList<QPair<const char*, const char*>> rows{
            {"info @/fehlt.kcj", "fehlt.kcj: Die Datei wurde nicht gefunden"},
            {"info @/ordner.kcj", "ordner.kcj: Das ist ein Verzeichnis"},
            {"info @/zeichnung.txt", "wird nicht unterstützt"},
            {"info @/zeichnung", "wird nicht unterstützt"},
            {"info", "Aufruf: kerfcraft-cli info DATEI"},
            {"info @/leer.kcj", "leer.kcj: Die Datei ist leer"},
            {"info @/bild.svg", "keine Textdatei"},
            {"info @/bild.kcf", "keine Textdatei"},
            {"info @/text.kcj", "keine Austauschdatei"},
            {"info @/leer2.kcj", "keine Pfade"},
            {"info @/leer2.svg", "keine sichtbaren Umrisse"},
            {"info @/halb.svg", "kein gültiges XML"},
            {"info @/seite.svg", "keine SVG-Zeichnung"},
            {"info @/fremd.kcf", "KerfcraftData"},
            {"info @/kaputt.kcf", "kein wohlgeformtes XML"},
            {"info @/leer.kcf", "keine Pfade"},
            {"convert", "Keine Eingabedatei"},
            {"convert $s", "Keine Zieldatei"},
            {"convert $s -o", "Nach -o fehlt"},
            {"convert $s -o @/a.kcf -o @/b.kcf", "mehrfach"},
            {"convert $s --schnell -o @/out.kcf", "Unbekannte Option: --schnell"},
            {"convert $s $s -o @/out.kcf", "Mehr als eine Eingabedatei"},
            {"convert @/kaputt.kcf -o @/out.kcf", "keine lesbare Auftragsdatei"},
            {"convert $s -o @/fehlt/out.kcf", "konnte nicht gespeichert werden"},
            {"convert $s -o @/ordner.kcf", "konnte nicht gespeichert werden"},
            {"convert $s -o @/out.svg", "muss auf .kcf oder .fcm enden"},
            {"convert @/kaputt.kcf -o @/../@@/kaputt.kcf", "ist die Eingabedatei"},
            {"plot $r --fast", "Unbekannte Option: --fast"},
            {"plot $r --speed", "Der Option --speed fehlt ein Wert."},
            {"plot $r --speed schnell", "Ungültiger Wert für --speed: schnell"},
            {"plot $r --plotter EP120 --speed 101", "außerhalb des Bereichs"},
            {"plot $r --set Position.Tilt=3", "Unbekannte Einstellung: Position.Tilt"},
            {"plot $r --set Position.Rotation=Right45", "Ungültiger Wert für Position.Rotation: Right45"},
            {"plot $r --set Copies.Horz", "Ungültiger Wert für --set: Copies.Horz"},
            {"plot $r --blade-init=1", "Die Option --blade-init nimmt keinen Wert."},
            {"plot $r --material Blech", "Unbekanntes Material: Blech"},
            {"plot $r --plotter Nadeldrucker", "Unbekanntes Plottermodell: Nadeldrucker"},
            {"plot @/fehlt.kcj", "nicht gefunden"},
            {"plot --speed 3", "Keine Eingabedatei angegeben."},
            {"plot $r -o @/alt.plt --speed x", "Ungültiger Wert für --speed: x"},
            {"plot $r -o @/no/such/job.plt", "konnte nicht geschrieben werden"},
            {"fcm $r", "Bitte mit -o die FCM-Datei angeben."}};
        for (const auto& row : rows)
            QTest::newRow(row.first) << QString::fromUtf8(row.first) << QString::fromUtf8(row.second);
    }
    // plot's refusals hold for blocks as well, which prints nothing then.
    void refuses()
    {
        QFETCH(QString, line);
        QFETCH(QString, message);
        line.replace("@@", QFileInfo(m_dir.path()).fileName()).replace('@', m_dir.path());
        line.replace("$r", TestPaths::data("plot/cli_rectangle.kcj")).replace("$s", sample("aufkleber.svg"));
        const QStringList args = line.split(' ');
        const QStringList before = listing(m_dir.path());
        const CliRun r(args);
        QCOMPARE(r.rc, 2);
        QVERIFY2(r.err.contains(message) && r.err.endsWith('\n'), qPrintable(r.err));
        QVERIFY(r.out.isEmpty() && r.raw.isEmpty() && r.messages.count() == 0);
        QCOMPARE(listing(m_dir.path()), before); // nothing written, no temporary left over
        if (args[0] == "plot" && !args.contains("-o")) {
            const CliRun blocks(QStringList{QStringLiteral("blocks")} + args.mid(1));
            QVERIFY(blocks.rc == 2 && blocks.out.isEmpty() && blocks.err.contains(message));
        }
    }
};

QTEST_MAIN(TestCliFiles) // fcm draws its thumbnail with the preview
#include "tst_files.moc"
