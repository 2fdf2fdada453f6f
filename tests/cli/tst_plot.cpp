// kerfcraft-cli plot, blocks and fcm on good input: the bytes are the
// generator's, the listing has its form, the FCM file reads back.
// Their refusals are tested with the other file commands.

#include "support/CliRun.h"
#include "support/FcmReader.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include "document/Document.h"
#include "document/DrawingFile.h"
#include "plot/BlockList.h"
#include "plot/PlotDataGenerator.h"
#include "presets/Blade.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QString input() { return TestPaths::data(QStringLiteral("plot/cli_rectangle.kcj")); }
// From the shipped presets: the first model takes the device-control
// strings, "EP120" does not; the first material cuts at 30 cm/s with 90 g
// in one pass, its blade corrects by 0.25 mm.
const QString EscModel = QStringLiteral("Kerfcraft Sable 60"), PlainModel = QStringLiteral("EP120");
} // namespace

class TestCliPlot : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        // No user presets unless a test writes them; the shipped file beside
        // the executables is the fallback.
        qputenv("APPDATA", m_home.path().toLocal8Bit());
        qputenv("KERFCRAFT_BIN_DIR", TestPaths::bin().toLocal8Bit());
        qunsetenv("KERFCRAFT_LOG");
    }

    void bytesAreTheGenerators_data()
    {
        QTest::addColumn<QStringList>("args");
        // Applied to the expected document: speed, force, passes, tool offset
        // (blade + correction), rotation, columns, extra feed, device control.
        QTest::addColumn<QVariantList>("expect");
        QTest::newRow("defaults") << QStringList{} << QVariantList{30, 90, 1, 0.25, 0, 1, 0, true};
        QTest::newRow("parameters and settings")
            << QStringList{"--speed", "40", "--force", "120", "--passes", "2", "--blade-offset", "0,3", "--offset-correction",
                           "0.05", "--set", "Position.Rotation=Right90", "--set", "Copies.Horz=3", "--set",
                           "FinalHeadPosition.Extraspace=15"}
            << QVariantList{40, 120, 2, 0.3 + 0.05, 1, 3, 15, true};
        QTest::newRow("inline values, rotation by number")
            << QStringList{"--speed=20", "--set=Position.Rotation=2"} << QVariantList{20, 90, 1, 0.25, 2, 1, 0, true};
        QTest::newRow("model without device control, by its name in capitals")
            << QStringList{"--plotter", "KERFCRAFT EXPERT PRO 120"} << QVariantList{30, 90, 1, 0.25, 0, 1, 0, false};
    }
    // To stdout and to a file (written under a temporary name that is gone).
    void bytesAreTheGenerators()
    {
        QFETCH(QStringList, args);
        QFETCH(QVariantList, expect);
        Document doc;
        QVERIFY(DrawingFile::load(doc, input()).ok && doc.nodeCount() == 4);
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

        const CliRun toStdout(QStringList{"plot", input()} + args);
        QVERIFY(toStdout.rc == 0 && toStdout.err.startsWith(QStringLiteral("Schnittlänge ")));
        QCOMPARE(toStdout.raw, list.stream());
        QTemporaryDir dir;
        const CliRun toFile(QStringList{"plot", input(), "-o", dir.filePath("job.plt")} + args);
        QVERIFY(toFile.rc == 0 && toFile.raw.isEmpty());
        QCOMPARE(TestFiles::read(dir.filePath("job.plt")), list.stream());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"job.plt"});
    }

    void streamStart_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("start"); // of the stream
        // Worked out by hand: the 20 × 10 mm rectangle of the fixture at
        // Right 5 / Bottom 5 (the exchange import's position), not rotated:
        // its corners (0,0), (20,0), (20,10), (0,10) go to (25,15), (5,15),
        // (5,5), (25,5) mm on the material.
        QTest::newRow("whole stream")
            << QStringList{"--plotter", EscModel, "--speed", "40", "--force", "120", "--passes", "1", "--blade-offset", "0.25"}
            << QByteArray("IN;VS40;FS120;AS0.2;TO0.250;SP1;\x1b.C1;16;2:\x1b.C1;22;120:"
                          "\x1b.C1;0;:PU600,1000;PD600,200;PD200,200;PD200,1000;PD600,1000;PU;PU;PU40,1;PU;");
        QTest::newRow("blade initialisation")
            << QStringList{"--blade-init", "--speed", "20", "--force", "120", "--plotter", PlainModel}
            << QByteArray("IN;VS5;FS10;AS1;TO2;SP1;PR;PU0,100;PD0,-100;PU;IN;VS20;FS120;AS0.2;");
        QTest::newRow("saved blade initialisation") << QStringList{"--set", "AdvancedFunctions.BladeInitializing=true"}
                                                    << QByteArray("IN;VS5;FS10;AS1;TO2;SP1;PR;PU0,100;PD0,-100;PU;IN;");
        QTest::newRow("plotter's own settings") << QStringList{"--use-plotter-settings"} << QByteArray("PU");
        QTest::newRow("production quality, own blade offset")
            << QStringList{"--set", "GridOvercutQuality.Quality=1", "--blade-offset", "0.175", "--plotter", EscModel,
                           "--speed", "40", "--force", "120"}
            << QByteArray("IN;VS40;FS120;AS0.7;TO0.175;SP1;\x1b.C1;16;1:");
        QTest::newRow("progress is not shown off a terminal") << QStringList{"--progress"} << QByteArray("IN;");
    }
    void streamStart()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, start);
        const CliRun r(QStringList{"plot", input()} + args);
        QVERIFY2(r.rc == 0 && r.raw.startsWith(start), r.raw.constData());
        QVERIFY(r.err.startsWith(QStringLiteral("Schnittlänge ")));
        if (QTest::currentDataTag() == QLatin1String("whole stream")) {
            QCOMPARE(r.raw, start);
            // Travel: to (15, 25) mm and from there to the park position (1, 0.025).
            QCOMPARE(r.err, QStringLiteral("Schnittlänge 60.0 mm, Leerfahrt 57.8 mm, "
                                           "Materialverbrauch 15.0 mm, Zeit ca. 0:01 min bei 40 cm/s\n"));
        }
    }

    void userPresetsComeFirst()
    {
        const QString user = m_home.filePath(QStringLiteral("Kerfcraft/KerfcraftPresets.xml"));
        QVERIFY(TestFiles::write(user, "<KerfcraftPresets><Materials><Material ID=\"7\" Speed=\"11\" Force=\"22\" "
                                       "Passages=\"1\" Blade=\"3\"><Names><Name Language=\"de\" Value=\"Testfolie\"/>"
                                       "</Names></Material></Materials><Blades><Blade ID=\"3\" OffsetCorrection=\"0.5\"/>"
                                       "</Blades><Plotters><Plotter Name=\"Test Expert 9\" MaxCutSpeed=\"0\"/></Plotters>"
                                       "</KerfcraftPresets>"));
        const CliRun r({"plot", input(), "--material", "testfolie"});
        QFile::remove(user);
        QVERIFY2(r.rc == 0 && r.raw.startsWith("IN;VS11;FS22;AS0.2;TO0.500;SP1;\x1b.C1;16;5:\x1b.C1;22;22:"), r.raw.constData());
    }

    // One line per block: index, pause flag, byte count, the bytes with ESC
    // as \e; together exactly what plot writes.
    void blocksListing()
    {
        const QStringList args{input(), "--speed", "30", "--set", "ObjectSelection.StopBetweenLayers=1"};
        const CliRun plot(QStringList{"plot"} + args), blocks(QStringList{"blocks"} + args);
        QCOMPARE(blocks.rc, 0);
        const QStringList lines = blocks.out.split('\n', Qt::SkipEmptyParts);
        QByteArray joined;
        for (int i = 0; i < lines.size(); ++i) {
            const QStringList f = lines[i].split(' ');
            QByteArray bytes = f.value(3).toLatin1().replace("\\e", "\x1b");
            QVERIFY2(f.size() == 4 && f[0] == QString::number(i) && (f[1] == "0" || f[1] == "1")
                         && f[2].toInt() == bytes.size(), qPrintable(lines[i]));
            joined += bytes;
        }
        QVERIFY(lines.value(0).contains(QLatin1String("\\e.C1;22;")) && lines.last().endsWith(QLatin1String("PU;")));
        QCOMPARE(joined, plot.raw);
    }

    // With stops between layers the one layer goes to job1.fcm, which reads
    // back as one path of four points.
    void fcmFiles()
    {
        QTemporaryDir dir;
        const CliRun r({"fcm", input(), "-o", dir.filePath("job.fcm"), "--set", "ObjectSelection.StopBetweenLayers=1"});
        QCOMPARE(r.out, dir.filePath("job1.fcm") + '\n');
        const FcmReader back(TestFiles::read(dir.filePath("job1.fcm")));
        QVERIFY(r.rc == 0 && back.ok && back.name == "job" && back.paths.paths.size() == 1);
        QCOMPARE(back.paths.points.size(), 4);
    }
};

QTEST_MAIN(TestCliPlot) // fcm draws its thumbnail with the preview
#include "tst_plot.moc"
