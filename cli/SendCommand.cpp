#include "cli/CliCommands.h"
#include "cli/CliTr.h"
#include "cli/SendCommand.h"

#include "cli/PlotJob.h"
#include "cli/PlotterListing.h"
#include "device/Plotter.h"
#include "device/Plotterpool.h"
#include "device/USBDevice.h"
#include "device/USBDevices.h"
#include "device/UsbBackendFactory.h"
#include "document/Document.h"
#include "job/GroupText.h"
#include "job/JobRunner.h"
#include "platform/Clock.h"
#include "platform/Environment.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace {

// "BUS:ADDRESS", both decimal ("1:2" or "001:002").
bool parseDevice(const QString& text, int& bus, int& address)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    bool okBus = false, okAddress = false;
    if (parts.size() == 2) {
        bus = parts[0].toInt(&okBus, 10);
        address = parts[1].toInt(&okAddress, 10);
    }
    return okBus && okAddress;
}

// Takes --device out of the arguments; the rest are plot options.
bool takeDevice(QStringList& args, QString& device, QString& error)
{
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--device")) {
            if (i + 1 >= args.size()) {
                error = Cli::tr("Der Option %1 fehlt ein Wert.").arg(args[i]);
                return false;
            }
            device = args[i + 1];
            args.removeAt(i + 1);
            args.removeAt(i--);
        } else if (args[i].startsWith(QLatin1String("--device="))) {
            device = args[i].mid(9);
            args.removeAt(i--);
        }
    }
    return true;
}

// Ctrl-C while the job runs: the handler only writes a byte into a pipe,
// and the event loop reads it and cancels the job there. A second Ctrl-C
// ends the process as usual (the handler is reset when it runs). The write end is the one thing the handler
// can reach, hence file scope.
int g_interruptWrite = -1;

extern "C" void onInterrupt(int)
{
    const char byte = 1;
    if (g_interruptWrite >= 0)
        (void)!::write(g_interruptWrite, &byte, 1);
}

class InterruptWatch
{
public:
    explicit InterruptWatch(std::function<void()> onInterrupt) : m_onInterrupt(std::move(onInterrupt))
    {
        if (::pipe2(m_fds, O_CLOEXEC | O_NONBLOCK) != 0) {
            m_fds[0] = m_fds[1] = -1;
            return;
        }
        g_interruptWrite = m_fds[1];
        struct sigaction action = {};
        action.sa_handler = ::onInterrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART | SA_RESETHAND; // the second Ctrl-C is the system's
        m_installed = ::sigaction(SIGINT, &action, &m_previous) == 0;
        m_notifier = std::make_unique<QSocketNotifier>(m_fds[0], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
            char buffer[16];
            while (::read(m_fds[0], buffer, sizeof buffer) > 0) {
            }
            m_onInterrupt();
        });
    }
    ~InterruptWatch()
    {
        if (m_installed)
            ::sigaction(SIGINT, &m_previous, nullptr);
        g_interruptWrite = -1;
        m_notifier.reset();
        for (int fd : m_fds)
            if (fd >= 0)
                ::close(fd);
    }
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    std::function<void()> m_onInterrupt;
    int m_fds[2] = {-1, -1};
    struct sigaction m_previous = {};
    bool m_installed = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

// "[##########----------]  50 %" rewritten in place on a terminal.
class ProgressBar
{
public:
    static constexpr int Width = 40;

    ProgressBar(QTextStream& err, bool shown) : m_err(err), m_shown(shown) {}

    void show(double pos)
    {
        const int percent = qBound(0, int(pos * 100), 100);
        if (!m_shown || percent == m_percent)
            return;
        m_percent = percent;
        const int filled = percent * Width / 100;
        m_err << "\r[" << QString(filled, QLatin1Char('#')) << QString(Width - filled, QLatin1Char('-'))
              << "] " << QString::number(percent).rightJustified(3) << " %";
        m_err.flush();
    }
    // Ends the bar's line before other text is written.
    void breakLine()
    {
        if (m_shown && m_percent >= 0) {
            m_err << '\n';
            m_err.flush();
            m_percent = -1;
        }
    }

private:
    QTextStream& m_err;
    bool m_shown;
    int m_percent = -1;
};

Plotter* findPlotter(const Plotterpool& pool, const QString& wanted, int bus, int address)
{
    for (Plotter* p : pool.plotters())
        if (wanted.isNull()
            || (p->device()->busNumber() == bus && p->device()->address() == address))
            return p;
    return nullptr;
}

} // namespace

int cliSend(const QStringList& args, CliIo& io)
{
    SendConsole console;
    console.inputFd = STDIN_FILENO;
    console.inputIsTerminal = ::isatty(STDIN_FILENO) != 0;
    return cliSendWith(args, io, console);
}

int cliSendWith(const QStringList& arguments, CliIo& io, const SendConsole& console)
{
    QStringList args = arguments;
    QString wanted;
    QString error;
    PlotJob::Options options;
    if (!takeDevice(args, wanted, error) || !PlotJob::parse(args, false, options, &error)) {
        io.err << error << '\n';
        return 2;
    }
    if (options.help) {
        io.out << PlotJob::usage(QStringLiteral("send"), false)
               << Cli::tr("  --device BUS:ADR          Plotter an diesem USB-Bus und dieser Adresse "
                     "(Vorgabe: der erste)\n");
        return 0;
    }
    int bus = 0, address = 0;
    if (!wanted.isNull() && !parseDevice(wanted, bus, address)) {
        io.err << Cli::tr("Ungültige Geräteangabe: %1 (erwartet BUS:ADRESSE)").arg(wanted) << '\n';
        return 2;
    }

    // The plotters as the window finds them: one scan, each asked about
    // itself and matched to a model.
    Clock& clock = console.clock ? *console.clock : Clock::system();
    USBDevices devices(createUsbBackend(clock), io.messages);
    Plotterpool pool(&devices, cliPlotterModels, clock, io.messages);
    if (!devices.init()) {
        io.err << Cli::tr("Der USB-Zugriff konnte nicht eingerichtet werden.") << '\n';
        return 2;
    }
    devices.rescan();
    Plotter* plotter = findPlotter(pool, wanted, bus, address);
    if (!plotter) {
        io.err << (wanted.isNull() ? Cli::tr("Kein Plotter gefunden.")
                                   : Cli::tr("Kein Plotter an Bus %1, Adresse %2 gefunden.")
                                         .arg(bus)
                                         .arg(address))
               << '\n';
        return 2;
    }
    // The connected model's ranges apply unless another model was named.
    if (options.plotter.isEmpty())
        options.plotter = plotter->plotterTemplate() ? plotter->plotterTemplate()->Name
                                                     : plotter->name();
    // The job is laid out on the medium the plotter has loaded.
    options.mediaWidth = plotter->mediaWidth();
    options.mediaHeight = plotter->mediaHeight();

    QObject owner; // outlives the document, which points at its presets
    Document doc;
    bool modelDeviceControl = false; // the runner decides by the plotter itself
    if (!PlotJob::prepare(options, doc, io.messages, owner, modelDeviceControl, &error)) {
        io.err << error << '\n';
        return 2;
    }

    JobRunner runner(doc, plotter, clock);
    runner.setDiagnostics(Environment::contains(QStringLiteral("KERFCRAFT_LOG"))
                          || Environment::value(QStringLiteral("KERFCRAFT_DEBUG")).toInt() != 0);
    ProgressBar bar(io.err, PlotJob::isTerminal(io.err));
    QObject::connect(&runner, &JobRunner::progress, [&](double pos) { bar.show(pos); });

    int current = 0, next = 0;
    bool paused = false;
    QObject::connect(&runner, &JobRunner::position, [&](int last, int following) {
        current = last;
        next = following;
    });

    auto goOn = [&] {
        if (!paused)
            return;
        paused = false;
        runner.continueJob();
    };
    std::unique_ptr<QSocketNotifier> input;
    if (console.inputIsTerminal) {
        input = std::make_unique<QSocketNotifier>(console.inputFd, QSocketNotifier::Read);
        QObject::connect(input.get(), &QSocketNotifier::activated, [&] {
            char buffer[256];
            const ssize_t n = ::read(console.inputFd, buffer, sizeof buffer);
            if (n <= 0) { // end of input: nobody is left to answer
                input->setEnabled(false);
                goOn();
                return;
            }
            if (std::memchr(buffer, '\n', size_t(n)))
                goOn();
        });
    }
    QObject::connect(&runner, &JobRunner::paused, [&] {
        bar.breakLine();
        paused = true;
        io.err << Cli::tr("Pause nach %1; als Nächstes %2.").arg(groupText(doc, current), groupText(doc, next))
               << '\n';
        if (console.inputIsTerminal && input && input->isEnabled()) {
            io.err << Cli::tr("Weiter mit der Eingabetaste (\"Weiter ->\"), Abbruch mit Strg+C.") << '\n';
            io.err.flush();
            return;
        }
        io.err << Cli::tr("Die Eingabe ist kein Terminal: es geht sofort weiter.") << '\n';
        io.err.flush();
        goOn();
    });

    std::unique_ptr<InterruptWatch> interrupt;
    if (console.catchInterrupt)
        interrupt = std::make_unique<InterruptWatch>([&] {
            bar.breakLine();
            io.err << Cli::tr("Abbruch: der Auftrag endet nach dem laufenden Block.") << '\n';
            io.err.flush();
            runner.cancel();
        });

    QEventLoop loop;
    QObject::connect(&runner, &JobRunner::finished, &loop, &QEventLoop::quit);
    runner.start();
    loop.exec();
    bar.breakLine();
    interrupt.reset();

    if (runner.transportFailed())
        return 2; // the transport has told the user
    if (runner.cancelled()) {
        io.err << Cli::tr("Auftrag abgebrochen.") << '\n';
        return 1;
    }
    io.out << Cli::tr("Auftrag an %1 gesendet.").arg(plotter->name().isEmpty() ? plotter->deviceText()
                                                                           : plotter->name())
           << '\n';
    return 0;
}
