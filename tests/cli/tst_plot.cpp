// kerfcraft-cli plot and blocks: the bytes are the generator's, the listing
// has its form, and bad input fails cleanly (exit 2, German message, no file).

#include "cli/CliCommands.h"
#include "document/Document.h"
#include "document/DrawingFile.h"
#include "plot/Block.h"
#include "plot/BlockList.h"
#include "plot/Commands.h"
#include "plot/PlotDataGenerator.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PlotterTemplate.h"
#include "support/FcmReader.h"
#include "support/RecordingMessages.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <functional>

namespace {

struct Run {
    int rc = 0;
    QByteArray raw;
    QString out;
    QString err;
    RecordingMessages messages;
};

void runCli(Run& r, const std::function<int(const QStringList&, CliIo&)>& command,
            const QStringList& args)
{
    QBuffer rawBuf(&r.raw);
    rawBuf.open(QIODevice::WriteOnly);
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    CliIo io{out, err, rawBuf, r.messages};
    r.rc = command(args, io);
    out.flush();
    err.flush();
    r.out = outText;
    r.err = errText;
}

QString input() { return TestPaths::data(QStringLiteral("plot/cli_rectangle.kcj")); }

// From the shipped presets: the first model, first material and that
// material's blade, and the first models with and without the
// device-control strings.
struct Shipped {
    QString model, escModel, plainModel;
    int speed = 0, force = 0, passes = 0, plainMaxSpeed = 0;
    double bladeOffset = 0;
};
Shipped shipped()
{
    RecordingMessages m;
    KerfcraftPresets p(m, TestPaths::bin(QStringLiteral("KerfcraftPresets.xml")));
    p.load();
    Shipped s;
    for (const PlotterTemplate* t : p.plotterTemplates()) {
        if (s.model.isEmpty())
            s.model = t->Name;
        const bool esc = Commands::deviceControlForModel(t->Name);
        if (esc && s.escModel.isEmpty())
            s.escModel = t->Name;
        if (!esc && s.plainModel.isEmpty()) {
            s.plainModel = t->Name;
            s.plainMaxSpeed = t->MaxCutSpeed;
        }
    }
    if (const Material* mat = p.materials().value(0)) {
        s.speed = mat->Speed;
        s.force = mat->Force;
        s.passes = mat->Passages;
        if (const Blade* b = p.bladeById(mat->Blade))
            s.bladeOffset = b->OffsetCorrection;
    }
    return s;
}

} // namespace

class TestCliPlot : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void bytesAreTheGenerators_data();
    void bytesAreTheGenerators();
    void streamStart_data();
    void streamStart();
    void userPresetsComeFirst();
    void blocksListing();
    void badInput_data();
    void badInput();
    void failedWrite();
    void fcmFiles();

private:
    QTemporaryDir m_home;
};

void TestCliPlot::initTestCase()
{
    QVERIFY(m_home.isValid());
    // No user presets unless a test writes them; the shipped file beside
    // the executables is the fallback.
    qputenv("APPDATA", m_home.path().toLocal8Bit());
    qputenv("KERFCRAFT_BIN_DIR", TestPaths::bin().toLocal8Bit());
    qunsetenv("KERFCRAFT_LOG");
}

void TestCliPlot::bytesAreTheGenerators_data()
{
    QTest::addColumn<QStringList>("args");
    // Applied to the expected document: speed, force, passes, tool offset
    // (blade + correction), rotation, columns, extra feed, device control.
    QTest::addColumn<QVariantList>("expect");
    const Shipped d = shipped();
    const bool dc = Commands::deviceControlForModel(d.model);
    QTest::newRow("defaults") << QStringList{} << QVariantList{d.speed, d.force, d.passes,
                                                            d.bladeOffset, 0, 1, 0, dc};
    QTest::newRow("parameters and settings")
        << QStringList{"--speed", "40", "--force", "120", "--passes", "2", "--blade-offset",
                       "0,3", "--offset-correction", "0.05", "--set", "Position.Rotation=Right90",
                       "--set", "Copies.Horz=3", "--set", "FinalHeadPosition.Extraspace=15"}
        << QVariantList{40, 120, 2, 0.3 + 0.05, 1, 3, 15, dc};
    QTest::newRow("inline values, rotation by number")
        << QStringList{"--speed=20", "--set=Position.Rotation=2"}
        << QVariantList{20, d.force, d.passes, d.bladeOffset, 2, 1, 0, dc};
    QTest::newRow("model without device control")
        << QStringList{"--plotter", d.plainModel.toUpper()}
        << QVariantList{d.speed, d.force, d.passes, d.bladeOffset, 0, 1, 0, false};
}

void TestCliPlot::bytesAreTheGenerators()
{
    QFETCH(QStringList, args);
    QFETCH(QVariantList, expect);

    Document doc;
    QString error;
    QVERIFY2(DrawingFile::load(doc, input(), &error), qPrintable(error));
    QCOMPARE(doc.nodeCount(), 4);
    Blade blade;
    blade.OffsetCorrection = expect[3].toDouble();
    doc.setBlade(&blade);
    doc.setSpeed(expect[0].toInt());
    doc.setPressure(expect[1].toInt());
    doc.setPasses(expect[2].toInt());
    doc.setRotation(Document::Rotation(expect[4].toInt()));
    doc.setCopiesHorz(expect[5].toInt());
    doc.setExtraspace(expect[6].toInt());
    BlockList list(expect[7].toBool());
    PlotDataGenerator g(doc);
    g.setDiagnostics(false);
    g.generate(list);
    const QByteArray want = list.stream();

    Run toStdout;
    runCli(toStdout, cliPlot, QStringList{input()} + args);
    QCOMPARE(toStdout.rc, 0);
    QVERIFY(toStdout.err.startsWith(QStringLiteral("Schnittlänge ")));
    QCOMPARE(toStdout.raw, want);

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("job.plt"));
    Run toFile;
    runCli(toFile, cliPlot, QStringList{input(), QStringLiteral("-o"), target} + args);
    QCOMPARE(toFile.rc, 0);
    QVERIFY(toFile.raw.isEmpty());
    QFile f(target);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), want);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("job.plt")});
}

void TestCliPlot::streamStart_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("whole"); // the whole stream, else its start
    QTest::addColumn<QByteArray>("expected");
    const Shipped s = shipped();
    // The 20 × 10 mm rectangle of the fixture at Right 5 / Bottom 5 (the
    // exchange import's position), not rotated: its corners (0,0), (20,0),
    // (20,10), (0,10) go to (25,15), (5,15), (5,5), (25,5) mm on the material.
    QTest::newRow("rectangle, worked out by hand")
        << QStringList{"--plotter", s.escModel, "--speed", "40", "--force", "120",
                       "--passes", "1", "--blade-offset", "0.25"}
        << true
        << QByteArray("IN;VS40;FS120;AS0.2;TO0.250;SP1;\x1b.C1;16;2:\x1b.C1;22;120:"
                      "\x1b.C1;0;:PU600,1000;PD600,200;PD200,200;PD200,1000;PD600,1000;PU;"
                      "PU;PU40,1;PU;");
    QTest::newRow("blade initialisation")
        << QStringList{"--blade-init", "--speed", "20", "--force", "120", "--plotter", s.plainModel}
        << false << QByteArray("IN;VS5;FS10;AS1;TO2;SP1;PR;PU0,100;PD0,-100;PU;IN;VS20;FS120;AS0.2;");
    QTest::newRow("saved blade initialisation")
        << QStringList{"--set", "AdvancedFunctions.BladeInitializing=true"} << false
        << QByteArray("IN;VS5;FS10;AS1;TO2;SP1;PR;PU0,100;PD0,-100;PU;IN;");
    QTest::newRow("plotter's own settings")
        << QStringList{"--use-plotter-settings"} << false << QByteArray("PU");
    QTest::newRow("production quality, own blade offset")
        << QStringList{"--set", "GridOvercutQuality.Quality=1", "--blade-offset", "0.175",
                       "--plotter", s.escModel, "--speed", "40", "--force", "120"}
        << false << QByteArray("IN;VS40;FS120;AS0.7;TO0.175;SP1;\x1b.C1;16;1:");
    QTest::newRow("progress is not shown off a terminal")
        << QStringList{"--progress"} << false << QByteArray("IN;");
}

// What the job-start options put at the front of the stream; one whole
// stream worked out by hand, with its figures on stderr.
void TestCliPlot::streamStart()
{
    QFETCH(QStringList, args);
    QFETCH(bool, whole);
    QFETCH(QByteArray, expected);
    Run r;
    runCli(r, cliPlot, QStringList{input()} + args);
    QCOMPARE(r.rc, 0);
    QVERIFY(r.err.startsWith(QStringLiteral("Schnittlänge ")));
    if (whole) {
        QCOMPARE(r.raw, expected);
        // Travel: to (15, 25) mm and from there to the park position (1, 0.025).
        QCOMPARE(r.err, QStringLiteral("Schnittlänge 60.0 mm, Leerfahrt 57.8 mm, "
                                       "Materialverbrauch 15.0 mm, Zeit ca. 0:01 min bei 40 cm/s\n"));
    }
    else
        QVERIFY2(r.raw.startsWith(expected), r.raw.constData());
}

void TestCliPlot::userPresetsComeFirst()
{
    QDir(m_home.path()).mkpath(QStringLiteral("Kerfcraft"));
    QFile f(m_home.filePath(QStringLiteral("Kerfcraft/KerfcraftPresets.xml")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<KerfcraftPresets><Materials><Material ID=\"7\" Speed=\"11\" Force=\"22\" "
            "Passages=\"1\" Blade=\"3\"><Names><Name Language=\"de\" Value=\"Testfolie\"/>"
            "</Names></Material></Materials><Blades><Blade ID=\"3\" OffsetCorrection=\"0.5\"/>"
            "</Blades><Plotters><Plotter Name=\"Test Expert 9\" MaxCutSpeed=\"0\"/></Plotters>"
            "</KerfcraftPresets>");
    f.close();
    Run r;
    runCli(r, cliPlot, {input(), QStringLiteral("--material"), QStringLiteral("testfolie")});
    QFile::remove(f.fileName());
    QCOMPARE(r.rc, 0);
    QVERIFY2(r.raw.startsWith("IN;VS11;FS22;AS0.2;TO0.500;SP1;\x1b.C1;16;5:\x1b.C1;22;22:"),
             r.raw.constData());
}

void TestCliPlot::blocksListing()
{
    const QStringList args{input(), QStringLiteral("--speed"), QStringLiteral("30"),
                           QStringLiteral("--set"), QStringLiteral("ObjectSelection.StopBetweenLayers=1")};
    Run plot;
    runCli(plot, cliPlot, args);
    Run blocks;
    runCli(blocks, cliBlocks, args);
    QCOMPARE(blocks.rc, 0);
    const QStringList lines = blocks.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QByteArray joined;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(QLatin1Char(' '));
        QCOMPARE(f.size(), 4);
        QCOMPARE(f[0], QString::number(i));
        QVERIFY(f[1] == QLatin1String("0") || f[1] == QLatin1String("1"));
        QByteArray bytes = f[3].toLatin1();
        bytes.replace("\\e", "\x1b");
        QCOMPARE(f[2].toInt(), bytes.size());
        joined += bytes;
    }
    QVERIFY(lines.first().contains(QLatin1String("\\e.C1;22;")));
    QCOMPARE(joined, plot.raw);
    QVERIFY(lines.last().endsWith(QLatin1String("PU;")));
}

void TestCliPlot::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString in = input();
    const Shipped s = shipped();
    QTest::newRow("unknown option") << QStringList{in, "--fast"} << "Unbekannte Option: --fast";
    QTest::newRow("missing value") << QStringList{in, "--speed"} << "Der Option --speed fehlt ein Wert.";
    QTest::newRow("speed not a number") << QStringList{in, "--speed", "schnell"}
                                        << "Ungültiger Wert für --speed: schnell";
    QTest::newRow("speed beyond the model")
        << QStringList{in, "--plotter", s.plainModel, "--speed",
                       QString::number(s.plainMaxSpeed + 1)}
        << "außerhalb des Bereichs";
    QTest::newRow("unknown setting") << QStringList{in, "--set", "Position.Tilt=3"}
                                     << "Unbekannte Einstellung: Position.Tilt";
    QTest::newRow("bad enumeration") << QStringList{in, "--set", "Position.Rotation=Right45"}
                                     << "Ungültiger Wert für Position.Rotation: Right45";
    QTest::newRow("setting without value") << QStringList{in, "--set", "Copies.Horz"}
                                           << "Ungültiger Wert für --set: Copies.Horz";
    QTest::newRow("flag with value") << QStringList{in, "--blade-init=1"}
                                     << "Die Option --blade-init nimmt keinen Wert.";
    QTest::newRow("unknown material") << QStringList{in, "--material", "Blech"}
                                      << "Unbekanntes Material: Blech";
    QTest::newRow("unknown plotter") << QStringList{in, "--plotter", "Nadeldrucker"}
                                     << "Unbekanntes Plottermodell: Nadeldrucker";
    QTest::newRow("missing input") << QStringList{"/nonexistent/job.kcj"} << "nicht gefunden";
    QTest::newRow("unsupported format") << QStringList{TestPaths::data("plot/rot_none.out")}
                                        << "wird nicht unterstützt";
    QTest::newRow("no input") << QStringList{"--speed", "3"} << "Keine Eingabedatei angegeben.";
}

void TestCliPlot::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("job.plt"));
    Run r;
    runCli(r, cliPlot, QStringList{QStringLiteral("-o"), target} + args);
    QCOMPARE(r.rc, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.raw.isEmpty());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

    Run listing;
    runCli(listing, cliBlocks, args);
    QCOMPARE(listing.rc, 2);
    QVERIFY(listing.out.isEmpty());
}

// The message gives the system's reason.
void TestCliPlot::failedWrite()
{
    QTemporaryDir dir;
    Run missingFolder;
    runCli(missingFolder, cliPlot, {input(), QStringLiteral("-o"), dir.filePath(QStringLiteral("no/such/job.plt"))});
    QCOMPARE(missingFolder.rc, 2);
    QVERIFY(missingFolder.err.contains(QLatin1String("konnte nicht geschrieben werden (")));
}

// The rectangle as FCM: with stops between layers the one layer goes to
// job1.fcm, which reads back as one path of four points; -o is required.
void TestCliPlot::fcmFiles()
{
    QTemporaryDir dir;
    Run r, noTarget;
    runCli(r, cliFcm, {input(), "-o", dir.filePath("job.fcm"), "--set", "ObjectSelection.StopBetweenLayers=1"});
    QCOMPARE(r.out, dir.filePath("job1.fcm") + '\n');
    const FcmReader back(TestFiles::read(dir.filePath("job1.fcm")));
    QVERIFY(r.rc == 0 && back.ok && back.name == "job" && back.paths.paths.size() == 1);
    QCOMPARE(back.paths.points.size(), 4);
    runCli(noTarget, cliFcm, {input()});
    QCOMPARE(noTarget.rc, 2);
}

QTEST_MAIN(TestCliPlot) // fcm draws its thumbnail with the preview
#include "tst_plot.moc"
