// kerfcraft-cli send against the virtual plotter: the plotter receives
// its settings and then exactly what `plot` writes; pauses are answered
// from the terminal or passed at once; Ctrl-C cancels; bad options fail
// before anything is sent.

#include "cli/CliCommands.h"
#include "cli/CliPresets.h"
#include "cli/SendCommand.h"
#include "presets/KerfcraftPresets.h"
#include "support/FakeClock.h"
#include "support/RecordingMessages.h"
#include "support/TestPaths.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Standard error of the command; a test may act on what is written.
class WatchedBuffer : public QBuffer
{
public:
    std::function<void(const QByteArray&)> onWrite;

protected:
    qint64 writeData(const char* data, qint64 length) override
    {
        const qint64 n = QBuffer::writeData(data, length);
        if (onWrite)
            onWrite(QByteArray(data, int(length)));
        return n;
    }
};

struct Run {
    int rc = -1;
    QByteArray raw;
    QString out;
    QString err;
    RecordingMessages messages;
};

void runPlot(Run& r, const QStringList& args)
{
    QBuffer raw(&r.raw);
    raw.open(QIODevice::WriteOnly);
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    CliIo io{out, err, raw, r.messages};
    r.rc = cliPlot(args, io);
    out.flush();
    err.flush();
    r.out = outText;
    r.err = errText;
}

const QByteArray SettingsCommand("\x1b.C1;20;0:\x1b.C1;19;1:"); // the virtual plotter's values
const QByteArray PauseBlock("PU;PU40,1;PU;");

QString rectangle() { return TestPaths::data(QStringLiteral("plot/cli_rectangle.kcj")); }
QString twoLayers() { return TestPaths::data(QStringLiteral("job/two_layers.kcj")); }

} // namespace

class TestCliSend : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void sendsWhatPlotWrites_data();
    void sendsWhatPlotWrites();
    void pauses_data();
    void pauses();
    void badInput_data();
    void badInput();

private:
    // input: a pipe standing for the terminal; what the test writes to
    // m_input[1] is what the user typed.
    int send(Run& r, const QStringList& args, bool terminal, bool catchInterrupt = false,
             std::function<void(const QByteArray&)> onErr = {});
    QByteArray received() const;

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_out;
    RecordingMessages m_presetMessages;
    std::unique_ptr<KerfcraftPresets> m_presets;
    FakeClock m_clock;
    int m_input[2] = {-1, -1};
};

void TestCliSend::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("APPDATA", m_home.path().toLocal8Bit());
    qputenv("KERFCRAFT_BIN_DIR", TestPaths::bin().toLocal8Bit());
    qputenv("KERFCRAFT_VIRTUAL_PLOTTER", "1");
    qunsetenv("KERFCRAFT_LOG");
    m_presets = CliPresets::open(m_presetMessages); // as the tool's main() does
    m_clock.onSleep = [](int) { QThread::yieldCurrentThread(); };
}

void TestCliSend::init()
{
    m_out = std::make_unique<QTemporaryDir>();
    qputenv("KERFCRAFT_VIRTUAL_PLOTTER_OUT", m_out->filePath(QStringLiteral("empfangen.plt")).toLocal8Bit());
    for (int& fd : m_input)
        if (fd >= 0)
            ::close(fd);
    QVERIFY(::pipe2(m_input, O_CLOEXEC) == 0);
}

int TestCliSend::send(Run& r, const QStringList& args, bool terminal, bool catchInterrupt,
                      std::function<void(const QByteArray&)> onErr)
{
    QBuffer raw(&r.raw);
    raw.open(QIODevice::WriteOnly);
    QString outText;
    QTextStream out(&outText);
    WatchedBuffer errBuffer;
    errBuffer.open(QIODevice::WriteOnly);
    errBuffer.onWrite = std::move(onErr);
    QTextStream err(&errBuffer);
    err.setCodec("UTF-8");
    CliIo io{out, err, raw, r.messages};
    SendConsole console;
    console.inputFd = m_input[0];
    console.inputIsTerminal = terminal;
    console.clock = &m_clock;
    console.catchInterrupt = catchInterrupt;
    r.rc = cliSendWith(args, io, console);
    out.flush();
    err.flush();
    r.out = outText;
    r.err = QString::fromUtf8(errBuffer.data());
    return r.rc;
}

QByteArray TestCliSend::received() const
{
    QFile f(m_out->filePath(QStringLiteral("empfangen.plt")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestCliSend::sendsWhatPlotWrites_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("defaults") << QStringList{rectangle()};
    QTest::newRow("options as for plot")
        << QStringList{rectangle(), "--speed", "40", "--set", "Copies.Horz=3", "--blade-init"};
    QTest::newRow("plotter by its place") << QStringList{rectangle(), "--device", "1:1"};
    QTest::newRow("plotter by its place, inline") << QStringList{"--device=001:001", rectangle()};
}

void TestCliSend::sendsWhatPlotWrites()
{
    QFETCH(QStringList, args);

    Run plot;
    QStringList plotArgs = args;
    for (int i = plotArgs.size() - 1; i >= 0; --i)
        if (plotArgs[i].startsWith(QLatin1String("--device")))
            plotArgs.erase(plotArgs.begin() + i, plotArgs.begin() + i + (plotArgs[i].contains('=') ? 1 : 2));
    runPlot(plot, plotArgs);
    QCOMPARE(plot.rc, 0);

    Run r;
    QCOMPARE(send(r, args, false), 0);
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    QCOMPARE(r.messages.count(), 0);
    QVERIFY(r.raw.isEmpty());
    QVERIFY(r.out.contains(QStringLiteral("Kerfcraft Sable 60")));
    // Before the job the plotter heard the pool's questions and its settings.
    const QByteArray got = received();
    QVERIFY(got.endsWith(SettingsCommand + plot.raw));
}

void TestCliSend::pauses_data()
{
    QTest::addColumn<QString>("answer"); // how the pause is met
    QTest::addColumn<int>("rc");
    QTest::addColumn<QString>("errText");
    QTest::newRow("input not a terminal: goes on at once") << "none" << 0 << "kein Terminal";
    QTest::newRow("Enter at the terminal") << "enter" << 0 << "Eingabetaste";
    QTest::newRow("end of terminal input: goes on") << "eof" << 0 << "Eingabetaste";
    QTest::newRow("Ctrl-C at the pause") << "interrupt" << 1 << "Abbruch";
}

void TestCliSend::pauses()
{
    QFETCH(QString, answer);
    QFETCH(int, rc);
    QFETCH(QString, errText);

    const QStringList args{twoLayers(), "--set", "ObjectSelection.StopBetweenLayers=1"};
    Run plot;
    runPlot(plot, args);
    QCOMPARE(plot.rc, 0);
    const int pauseEnd = plot.raw.indexOf(PauseBlock) + PauseBlock.size();
    QVERIFY(pauseEnd > PauseBlock.size());

    const bool terminal = answer != QLatin1String("none");
    std::function<void(const QByteArray&)> onErr;
    // The user acts once the prompt is out.
    onErr = [&](const QByteArray& text) {
        if (!text.contains("Eingabetaste"))
            return;
        if (answer == QLatin1String("enter"))
            QCOMPARE(::write(m_input[1], "\n", 1), ssize_t(1));
        else if (answer == QLatin1String("eof")) {
            ::close(m_input[1]);
            m_input[1] = -1;
        }
        else if (answer == QLatin1String("interrupt"))
            std::raise(SIGINT);
    };
    Run r;
    QCOMPARE(send(r, args, terminal, answer == QLatin1String("interrupt"), onErr), rc);
    QVERIFY2(r.err.contains(errText), qPrintable(r.err));
    QVERIFY2(r.err.contains(QStringLiteral("Pause nach Ebene 0: Umriss; als Nächstes Ebene 1: Schrift")),
             qPrintable(r.err));
    const QByteArray want = rc == 0 ? plot.raw : plot.raw.left(pauseEnd);
    QVERIFY(received().endsWith(SettingsCommand + want));
    QCOMPARE(r.messages.count(), 0);
}

void TestCliSend::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("errText");
    QTest::newRow("no input") << QStringList{} << "Keine Eingabedatei";
    QTest::newRow("bad number") << QStringList{rectangle(), "--speed", "schnell"} << "Ungültiger Wert";
    QTest::newRow("no output for send") << QStringList{rectangle(), "-o", "x.plt"} << "Unbekannte Option";
    QTest::newRow("device without value") << QStringList{rectangle(), "--device"} << "fehlt ein Wert";
    QTest::newRow("device not BUS:ADDRESS") << QStringList{rectangle(), "--device", "3"}
                                            << "Ungültige Geräteangabe";
    QTest::newRow("no plotter there") << QStringList{rectangle(), "--device", "2:7"}
                                      << "Kein Plotter an Bus 2, Adresse 7";
    QTest::newRow("input missing") << QStringList{m_home.filePath(QStringLiteral("fehlt.kcj"))} << "";
    QTest::newRow("unknown model") << QStringList{rectangle(), "--plotter", "Niemand"} << "Niemand";
}

void TestCliSend::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, errText);

    Run r;
    QCOMPARE(send(r, args, false), 2);
    QVERIFY(!r.err.trimmed().isEmpty());
    QVERIFY2(r.err.contains(errText), qPrintable(r.err));
    // The pool may have asked its questions; no job went out.
    QVERIFY(!received().contains("IN;"));
}

QTEST_GUILESS_MAIN(TestCliSend)
#include "tst_send.moc"
