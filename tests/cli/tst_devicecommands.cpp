// kerfcraft-cli devices, query and send against the virtual plotter. Send:
// the plotter receives its settings and then exactly what `plot` writes;
// pauses are answered from the terminal or passed at once; Ctrl-C cancels;
// bad options fail before anything is sent.

#include "cli/CliPresets.h"
#include "cli/SendCommand.h"
#include "device/CutPicture.h"
#include "presets/KerfcraftPresets.h"
#include "support/CliRun.h"
#include "support/FakeClock.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

class TestDeviceCommands : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_out;
    RecordingMessages m_presetMessages;
    std::unique_ptr<KerfcraftPresets> m_presets;
    FakeClock m_clock;
    SendConsole m_console;
    // A pipe standing for the terminal: what the test writes to m_input[1]
    // is what the user typed.
    int m_input[2] = {-1, -1};

    QByteArray received() const { return TestFiles::read(m_out->filePath(QStringLiteral("empfangen.plt"))); }
    QString rectangle() const { return TestPaths::data(QStringLiteral("plot/cli_rectangle.kcj")); }

private slots:
    void initTestCase()
    {
        qputenv("APPDATA", m_home.path().toLocal8Bit());
        qputenv("KERFCRAFT_BIN_DIR", TestPaths::bin().toLocal8Bit());
        qunsetenv("KERFCRAFT_LOG");
        m_presets = CliPresets::open(m_presetMessages); // as the tool's main() does
        m_clock.onSleep = [](int) { QThread::yieldCurrentThread(); };
        m_console.clock = &m_clock;
    }

    void init()
    {
        qputenv("KERFCRAFT_VIRTUAL_PLOTTER", "1");
        m_out = std::make_unique<QTemporaryDir>();
        qputenv("KERFCRAFT_VIRTUAL_PLOTTER_OUT", m_out->filePath(QStringLiteral("empfangen.plt")).toLocal8Bit());
        for (int& fd : m_input)
            if (fd >= 0)
                ::close(fd);
        QVERIFY(::pipe2(m_input, O_CLOEXEC) == 0);
        m_console.inputFd = m_input[0];
        m_console.inputIsTerminal = false;
        m_console.catchInterrupt = false;
    }

    void devices_data()
    {
        QTest::addColumn<QString>("virtualPlotter");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("outLines"); // each must appear in the output
        QTest::addColumn<QString>("err");

        const QStringList sable{"Plotter 1: Bus 001, Adresse 001, USB 0f0b:0001",
                                "  Gerät:            KERFCRAFT / Kerfcraft Sable 60",
                                "  Firmware:         V2.11 / 2024-03-18 R1;",
                                "  Medium:           600 x 1000 mm",
                                "  Geschwindigkeit:  30 cm/s",
                                "  Andruck:          120 g",
                                "  Kanten glätten:   Ein",
                                "  Medientyp:        Rolle"};
        QTest::newRow("devices") << "1" << QStringList{"devices"} << 0 << sable << "";
        QTest::newRow("devices, named model")
            << "Kerfcraft Expert Pro 24" << QStringList{"devices"} << 0
            << QStringList{"  Gerät:            KERFCRAFT / Kerfcraft Expert Pro 24"} << "";
        QTest::newRow("devices, stray argument") << "1" << QStringList{"devices", "--all"} << 2 << QStringList()
                                                 << "Unbekannte Angabe: --all\n";
        QTest::newRow("query by bus and address") << "1" << QStringList{"query", "--device", "1:1"} << 0 << sable << "";
        QTest::newRow("query, nobody there") << "1" << QStringList{"query", "--device", "2:5"} << 2 << QStringList()
                                             << "Kein Plotter an Bus 2, Adresse 5 gefunden.\n";
        QTest::newRow("query, bad address") << "1" << QStringList{"query", "--device", "usb1"} << 2 << QStringList()
                                            << "Ungültige Geräteangabe: usb1 (erwartet BUS:ADRESSE)\n";
    }
    void devices()
    {
        QFETCH(QString, virtualPlotter);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, outLines);
        qputenv("KERFCRAFT_VIRTUAL_PLOTTER", virtualPlotter.toUtf8());
        const CliRun r(arguments);
        QTEST(r.rc, "exitCode");
        for (const QString& l : outLines)
            QVERIFY2(r.out.split('\n').contains(l), qPrintable(r.out));
        QTEST(r.err, "err");
        QCOMPARE(r.messages.count(), 0);
    }

    void sends_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("answer"); // how a pause is met; "none": not a terminal
        QTest::addColumn<int>("rc");
        QTest::addColumn<QString>("errText"); // part of standard error

        const QStringList paused{TestPaths::data(QStringLiteral("job/two_layers.kcj")), "--set",
                                 "ObjectSelection.StopBetweenLayers=1"};
        const QString r = rectangle();
        QTest::newRow("options as for plot") << QStringList{r, "--speed", "40", "--set", "Copies.Horz=3", "--blade-init"}
                                             << "none" << 0 << "";
        QTest::newRow("plotter by its place") << QStringList{"--device=001:001", r} << "none" << 0 << "";
        QTest::newRow("pause, input not a terminal: goes on at once") << paused << "none" << 0 << "kein Terminal";
        QTest::newRow("pause, Enter at the terminal") << paused << "enter" << 0 << "Eingabetaste";
        QTest::newRow("pause, end of terminal input: goes on") << paused << "eof" << 0 << "Eingabetaste";
        QTest::newRow("pause, Ctrl-C") << paused << "interrupt" << 1 << "Abbruch";
        // Bad input fails before anything is sent (the options shared with
        // plot are tested there).
        QTest::newRow("no output for send") << QStringList{r, "-o", "x.plt"} << "none" << 2 << "Unbekannte Option";
        QTest::newRow("device without value") << QStringList{r, "--device"} << "none" << 2 << "fehlt ein Wert";
        QTest::newRow("device not BUS:ADDRESS") << QStringList{r, "--device", "3"} << "none" << 2 << "Ungültige Geräteangabe";
        QTest::newRow("no plotter there") << QStringList{r, "--device", "2:7"} << "none" << 2
                                          << "Kein Plotter an Bus 2, Adresse 7";
    }
    void sends()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, answer);
        QFETCH(int, rc);
        QFETCH(QString, errText);

        m_console.inputIsTerminal = answer != QLatin1String("none");
        m_console.catchInterrupt = answer == QLatin1String("interrupt");
        // The user acts once the prompt is out.
        auto user = [&](const QByteArray& text) {
            if (!text.contains("Eingabetaste"))
                return;
            if (answer == QLatin1String("enter"))
                QCOMPARE(::write(m_input[1], "\n", 1), ssize_t(1));
            if (answer == QLatin1String("eof")) {
                ::close(m_input[1]);
                m_input[1] = -1;
            }
            if (answer == QLatin1String("interrupt"))
                std::raise(SIGINT);
        };
        const CliRun r([&](CliIo& io) { return cliSendWith(args, io, m_console); }, user);
        QCOMPARE(r.rc, rc);
        QVERIFY2(r.err.contains(errText), qPrintable(r.err));
        QVERIFY(r.messages.count() == 0 && r.raw.isEmpty());
        if (rc == 2) {
            // The pool may have asked its questions; no job went out.
            QVERIFY(!r.err.trimmed().isEmpty() && !received().contains("IN;"));
            return;
        }
        QVERIFY2(errText.isEmpty() ? r.err.isEmpty()
                                   : r.err.contains("Pause nach Ebene 0: Umriss; als Nächstes Ebene 1: Schrift"),
                 qPrintable(r.err));
        QCOMPARE(r.out.contains(QStringLiteral("Auftrag an Kerfcraft Sable 60 gesendet.")), rc == 0);

        // The output holds the one job of the run, as `plot` writes it;
        // Ctrl-C ends the job after the pause block.
        const CliRun plot(QStringList{"plot"} + args.filter(QRegularExpression("^(?!--device=)")));
        QCOMPARE(plot.rc, 0);
        const QByteArray pauseBlock("PU;PU40,1;PU;");
        const int pauseEnd = plot.raw.indexOf(pauseBlock) + pauseBlock.size();
        QCOMPARE(received(), rc == 0 ? plot.raw : plot.raw.left(pauseEnd));
        QVERIFY(!QImage(m_out->filePath(QStringLiteral("empfangen.plt.png"))).isNull());
    }

    // Sample × options on the virtual plotter's 600 × 1000 mm medium: the exit
    // code, and whether a pen move reached the last unit inside the medium
    // (where the units are limited).
    void cutsWhole_data()
    {
        QTest::addColumn<QStringList>("args"); // a sample of data/samples, then options
        QTest::addColumn<int>("rc");
        QTest::addColumn<QString>("errText");
        QTest::addColumn<bool>("clamped");

        for (const char* sample : {"alt-inkscape-091.svg", "aufkleber.svg", "beispiel.kcf", "corel.kcj",
                                   "passermarken.kcj", "schild.kcj"})
            QTest::newRow(sample) << QStringList{sample} << 0 << "" << false;
        const QStringList rotated{"corel.kcj", "--set", "Position.Rotation=Right90", "--set"};
        QTest::newRow("README: two copies rotated") << rotated + QStringList{"Copies.Horz=2"} << 0 << "" << false;
        QTest::newRow("three copies rotated: too wide") << rotated + QStringList{"Copies.Horz=3"} << 2 << "633 mm breit"
                                                        << false;
        const QStringList long5{"corel.kcj", "--set", "Copies.Vert=5"};
        QTest::newRow("five rows: too long") << long5 << 2 << "bis 1055 mm in Vorschubrichtung" << false;
        QTest::newRow("five rows, clipping allowed") << long5 + QStringList{"--allow-clipping"} << 0 << "" << true;
        QTest::newRow("material beyond the model") << QStringList{"corel.kcj", "--material-size", "700x1000"} << 2
                                                   << "höchstens 600 mm" << false;
        QTest::newRow("--set beats the medium") << QStringList{"corel.kcj", "--set", "MaterialSize.Width=300"} << 2
                                                << "300 mm breite" << false;
        QTest::newRow("a million copies, ten passes")
            << QStringList{"corel.kcj", "--allow-clipping", "--passes", "10", "--set", "Copies.Horz=1000", "--set",
                           "Copies.Vert=1000"}
            << 2 << "MB Plotterdaten" << false;
        QTest::newRow("bad size") << QStringList{"corel.kcj", "--material-size", "600x"} << 2 << "Ungültiger Wert" << false;
    }
    void cutsWhole()
    {
        QFETCH(QStringList, args);
        QFETCH(int, rc);
        args[0] = TestPaths::source(QStringLiteral("data/samples/") + args[0]);
        const CliRun r([&](CliIo& io) { return cliSendWith(args, io, m_console); });
        QCOMPARE(r.rc, rc);
        QFETCH(QString, errText);
        QVERIFY2(r.err.contains(errText), qPrintable(r.err));
        const QByteArray job = received();
        QCOMPARE(job.contains("PD"), rc == 0);
        bool atLimit = false;
        for (const QLineF& l : CutPicture::cuts(job))
            for (const QPointF& p : {l.p1(), l.p2()})
                atLimit = atLimit || p.x() * 40 >= 600 * 40 - 1 || p.y() * 40 >= 1000 * 40 - 1;
        QTEST(atLimit, "clamped");
    }
};

QTEST_GUILESS_MAIN(TestDeviceCommands)
#include "tst_devicecommands.moc"
