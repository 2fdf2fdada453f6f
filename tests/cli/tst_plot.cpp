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
#include "support/RecordingMessages.h"
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

// The defaults of the shipped presets: first model, first material and
// that material's blade.
struct Defaults {
    QString model;
    int speed = 0, force = 0, passes = 0;
    double bladeOffset = 0;
};
Defaults shippedDefaults()
{
    RecordingMessages m;
    KerfcraftPresets p(m, TestPaths::bin(QStringLiteral("KerfcraftPresets.xml")));
    p.load();
    Defaults d;
    d.model = p.plotterTemplates().value(0) ? p.plotterTemplates().first()->Name : QString();
    const Material* mat = p.materials().value(0);
    if (mat) {
        d.speed = mat->Speed;
        d.force = mat->Force;
        d.passes = mat->Passages;
        if (const Blade* b = p.bladeById(mat->Blade))
            d.bladeOffset = b->OffsetCorrection;
    }
    return d;
}

// The first shipped model that does (or does not) take the device-control
// strings, with its speed range.
struct Model {
    QString name;
    int maxSpeed = 0;
};
Model shippedModel(bool deviceControl)
{
    RecordingMessages m;
    KerfcraftPresets p(m, TestPaths::bin(QStringLiteral("KerfcraftPresets.xml")));
    p.load();
    for (const PlotterTemplate* t : p.plotterTemplates())
        if (Commands::deviceControlForModel(t->Name) == deviceControl)
            return {t->Name, t->MaxCutSpeed};
    return {};
}

} // namespace

class TestCliPlot : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void bytesAreTheGenerators_data();
    void bytesAreTheGenerators();
    void handDerivedStream_data();
    void handDerivedStream();
    void streamStart_data();
    void streamStart();
    void userPresetsComeFirst();
    void blocksListing();
    void badInput_data();
    void badInput();
    void failedWriteLeavesOldFile();

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
    const Defaults d = shippedDefaults();
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
        << QStringList{"--plotter", shippedModel(false).name.toUpper()}
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
    QCOMPARE(toStdout.err, QString());
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

void TestCliPlot::handDerivedStream_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("expected");
    // The 20 × 10 mm rectangle of the fixture at Right 5 / Bottom 5 (the
    // exchange import's position), not rotated: its corners (0,0), (20,0),
    // (20,10), (0,10) go to (25,15), (5,15), (5,5), (25,5) mm on the material.
    QTest::newRow("rectangle")
        << QStringList{"--plotter", shippedModel(true).name, "--speed", "40", "--force", "120",
                       "--passes", "1", "--blade-offset", "0.25"}
        << QByteArray("IN;VS40;FS120;AS0.2;TO0.250;SP1;\x1b.C1;16;2:\x1b.C1;22;120:"
                      "\x1b.C1;0;:PU600,1000;PD600,200;PD200,200;PD200,1000;PD600,1000;PU;"
                      "PU;PU40,1;PU;");
    // Settings by their job-file names: Left90 mirrored (X = y, Y = x), 2 × 2
    // copies with the import's equal gaps of 3 (steps 15 across, 25 along),
    // frame margin 1, overcut 0.5 mm at every corner, end beside the job at
    // 2 mm past its far end (52 mm) and at its widest x (32 mm). Tool offset
    // 0.35 mm has no blade code and the model takes no device control.
    QTest::newRow("rectangle, settings")
        << QStringList{"--plotter", shippedModel(false).name, "--speed", "40", "--force", "120",
                       "--passes", "1", "--blade-offset", "0.3", "--offset-correction", "0.05",
                       "--set", "Position.Rotation=Left90", "--set", "Position.Mirrored=1",
                       "--set", "Copies.Horz=2", "--set", "Copies.Vert=2",
                       "--set", "Copies.HorzDistance=3", "--set", "GridOvercutQuality.Grid=1",
                       "--set", "GridOvercutQuality.GridDistance=1",
                       "--set", "GridOvercutQuality.Overcut=1",
                       "--set", "GridOvercutQuality.OvercutDistance=0.5",
                       "--set", "FinalHeadPosition.Homeposition=LeftBesideTheJob",
                       "--set", "FinalHeadPosition.Extraspace=2"}
        << QByteArray("IN;VS40;FS120;AS0.2;TO0.350;SP1;PU200,200;PD200,680;PD1080,680;PD1080,200;"
                      "PD200,200;PU220,240;PD240,240;PD1040,240;PD1060,240;PU1040,220;PD1040,240;"
                      "PD1040,640;PD1040,660;PU1060,640;PD1040,640;PD240,640;PD220,640;PU240,660;"
                      "PD240,640;PD240,240;PD240,220;PU240,240;PU;PU200,800;PD200,1280;"
                      "PD1080,1280;PD1080,800;PD200,800;PU220,840;PD240,840;PD1040,840;"
                      "PD1060,840;PU1040,820;PD1040,840;PD1040,1240;PD1040,1260;PU1060,1240;"
                      "PD1040,1240;PD240,1240;PD220,1240;PU240,1260;PD240,1240;PD240,840;"
                      "PD240,820;PU240,840;PU;PU1200,200;PD1200,680;PD2080,680;PD2080,200;"
                      "PD1200,200;PU1220,240;PD1240,240;PD2040,240;PD2060,240;PU2040,220;"
                      "PD2040,240;PD2040,640;PD2040,660;PU2060,640;PD2040,640;PD1240,640;"
                      "PD1220,640;PU1240,660;PD1240,640;PD1240,240;PD1240,220;PU1240,240;PU;"
                      "PU1200,800;PD1200,1280;PD2080,1280;PD2080,800;PD1200,800;PU1220,840;"
                      "PD1240,840;PD2040,840;PD2060,840;PU2040,820;PD2040,840;PD2040,1240;"
                      "PD2040,1260;PU2060,1240;PD2040,1240;PD1240,1240;PD1220,1240;PU1240,1260;"
                      "PD1240,1240;PD1240,840;PD1240,820;PU1240,840;PU;PU;PU2160,1280;PU;");
}

void TestCliPlot::handDerivedStream()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, expected);
    Run r;
    runCli(r, cliPlot, QStringList{input()} + args);
    QCOMPARE(r.rc, 0);
    QCOMPARE(r.raw, expected);
}

void TestCliPlot::streamStart_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("blade initialisation")
        << QStringList{"--blade-init", "--speed", "20", "--force", "120", "--plotter",
                       shippedModel(false).name}
        << QByteArray("IN;VS5;FS10;AS1;TO2;SP1;PR;PU0,100;PD0,-100;PU;IN;VS20;FS120;AS0.2;");
    QTest::newRow("saved blade initialisation")
        << QStringList{"--set", "AdvancedFunctions.BladeInitializing=true"}
        << QByteArray("IN;VS5;FS10;AS1;TO2;SP1;PR;PU0,100;PD0,-100;PU;IN;");
    QTest::newRow("plotter's own settings") << QStringList{"--use-plotter-settings"}
                                            << QByteArray("PU");
    QTest::newRow("production quality, own blade offset")
        << QStringList{"--set", "GridOvercutQuality.Quality=1", "--blade-offset", "0.175",
                       "--plotter", shippedModel(true).name}
        << QByteArray("AS0.7;TO0.175;SP1;\x1b.C1;16;1:");
    QTest::newRow("progress is not shown off a terminal") << QStringList{"--progress"}
                                                          << QByteArray("IN;");
}

// What the job-start options put at the front of the stream.
void TestCliPlot::streamStart()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, start);
    Run r;
    runCli(r, cliPlot, QStringList{input()} + args);
    QCOMPARE(r.rc, 0);
    QCOMPARE(r.err, QString());
    // Rows starting in the middle of the initialisation are looked for
    // anywhere; the others must open the stream.
    if (start.startsWith("AS"))
        QVERIFY2(r.raw.contains(start), r.raw.constData());
    else
        QVERIFY2(r.raw.startsWith(start), r.raw.constData());
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
    QTest::newRow("unknown option") << QStringList{in, "--fast"} << "Unbekannte Option: --fast";
    QTest::newRow("missing value") << QStringList{in, "--speed"} << "Der Option --speed fehlt ein Wert.";
    QTest::newRow("speed not a number") << QStringList{in, "--speed", "schnell"}
                                        << "Ungültiger Wert für --speed: schnell";
    QTest::newRow("no passes") << QStringList{in, "--passes", "0"} << "Ungültiger Wert für --passes: 0";
    QTest::newRow("speed beyond the model")
        << QStringList{in, "--plotter", shippedModel(false).name, "--speed",
                       QString::number(shippedModel(false).maxSpeed + 1)}
        << "außerhalb des Bereichs";
    QTest::newRow("unknown setting") << QStringList{in, "--set", "Position.Tilt=3"}
                                     << "Unbekannte Einstellung: Position.Tilt";
    QTest::newRow("bad enumeration") << QStringList{in, "--set", "Position.Rotation=Right45"}
                                     << "Ungültiger Wert für Position.Rotation: Right45";
    QTest::newRow("bad number") << QStringList{in, "--set", "Copies.Horz=drei"}
                                << "Ungültiger Wert für Copies.Horz: drei";
    QTest::newRow("setting without value") << QStringList{in, "--set", "Copies.Horz"}
                                           << "Ungültiger Wert für --set: Copies.Horz";
    QTest::newRow("flag with value") << QStringList{in, "--blade-init=1"}
                                     << "Die Option --blade-init nimmt keinen Wert.";
    QTest::newRow("unknown material") << QStringList{in, "--material", "Blech"}
                                      << "Unbekanntes Material: Blech";
    QTest::newRow("unknown blade") << QStringList{in, "--blade", "99"} << "Unbekanntes Messer: 99";
    QTest::newRow("unknown plotter") << QStringList{in, "--plotter", "Nadeldrucker"}
                                     << "Unbekanntes Plottermodell: Nadeldrucker";
    QTest::newRow("missing input") << QStringList{"/nonexistent/job.kcj"} << "nicht gefunden";
    QTest::newRow("unsupported format") << QStringList{TestPaths::data("plot/rot_none.out")}
                                        << "wird nicht unterstützt";
    QTest::newRow("two inputs") << QStringList{in, in} << "Mehr als eine Eingabedatei";
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

void TestCliPlot::failedWriteLeavesOldFile()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("job.plt"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("alt");
    old.close();
    Run bad;
    runCli(bad, cliPlot, {input(), QStringLiteral("-o"), target, QStringLiteral("--speed"), QStringLiteral("x")});
    QCOMPARE(bad.rc, 2);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("alt"));
    old.close();

    Run missingFolder;
    runCli(missingFolder, cliPlot, {input(), QStringLiteral("-o"), dir.filePath(QStringLiteral("no/such/job.plt"))});
    QCOMPARE(missingFolder.rc, 2);
    QVERIFY(missingFolder.err.contains(QLatin1String("konnte nicht geschrieben werden")));
}

QTEST_GUILESS_MAIN(TestCliPlot)
#include "tst_plot.moc"
