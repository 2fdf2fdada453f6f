// A whole job of 1 M path nodes through the job runner to the virtual
// plotter on the simulated bus, against the real clock: the total time
// beside generation alone (the sender's once-a-second look for the end of
// generation included), peak memory, and how long the GUI thread is kept
// from its event loop while the job runs.

#include "BenchUtil.h"

#include "platform/UserMessages.h"
#include "device/Plotter.h"
#include "device/SimulatedUsbBus.h"
#include "device/USBDevices.h"
#include "device/VirtualPlotter.h"
#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "job/JobRunner.h"
#include "job/Pipe.h"
#include "platform/Clock.h"
#include "plot/PlotDataGenerator.h"
#include "plot/QueryCommands.h"
#include "presets/PlotterTemplate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {

class CountingMessages : public UserMessages
{
public:
    Button show(Icon, const QString&, const QString&, Buttons, Button) override
    {
        ++shown;
        return Ok;
    }
    int shown = 0;
};

// The debug channel writes two lines per USB write; the bench measures the
// job, not the terminal.
void swallow(QtMsgType, const QMessageLogContext&, const QString&) {}

// `objects` closed outlines of 100 segments, alternately straight and
// slightly curved (a 5 mm circle with a tooth every tenth point), on a 12 mm
// grid, one layer.
void buildJob(Document& doc, int objects)
{
    KCLayer* layer = doc.appendLayer();
    layer->setName(QStringLiteral("Zahnraeder"));
    layer->setCutEnabled(true);
    const int perRow = int(std::ceil(std::sqrt(double(objects))));
    const int n = 100;
    for (int k = 0; k < objects; ++k) {
        const double cx = 6 + 12 * (k % perRow), cy = 6 + 12 * (k / perRow);
        auto pt = [&](int i, double& x, double& y) {
            const double a = 2 * M_PI * (i % n) / n;
            const double r = (i % 10 == 5) ? 6.0 : 5.0;
            x = cx + r * std::cos(a);
            y = cy + r * std::sin(a);
        };
        KCSubPath sp;
        sp.setIsClosed(true);
        for (int i = 0; i < n; ++i) {
            double x0, y0, x3, y3;
            pt(i, x0, y0);
            pt(i + 1, x3, y3);
            KCNode node;
            node.setP0(x0, y0);
            node.setP3(x3, y3);
            if (i % 2 == 0) {
                node.setP1(x0, y0);
                node.setP2(x3, y3);
                node.setIsLine(true);
            } else { // bulging slightly outwards
                node.setP1(x0 + (x3 - x0) / 3 + 0.02 * (x0 - cx), y0 + (y3 - y0) / 3 + 0.02 * (y0 - cy));
                node.setP2(x3 - (x3 - x0) / 3 + 0.02 * (x3 - cx), y3 - (y3 - y0) / 3 + 0.02 * (y3 - cy));
            }
            sp.nodes().append(node);
        }
        layer->appendObject()->subPaths().append(sp);
    }
    const double w = 12.0 * perRow, h = 12.0 * std::ceil(double(objects) / perRow);
    doc.setDrawingWidth(w);
    doc.setDrawingHeight(h);
    doc.setNaturalWidth(w);
    doc.setNaturalHeight(h);
    doc.setProportional(false);
    doc.setJobWidth(int(w));
    doc.setJobHeight(int(h));
    doc.setSpeed(40);
    doc.setPressure(120);
    doc.setOffsetCorrection(0.25);
    doc.setMaterialWidth(5000);
    doc.setMaterialHeight(100000);
    doc.setRight(5);
    doc.setBottom(5);
}

struct Generation {
    double seconds = 0;
    qint64 bytes = 0;
};

Generation generateAlone(Document& doc, bool deviceControl)
{
    Pipe pipe;
    pipe.setDeviceControl(deviceControl);
    PlotDataGenerator g(doc);
    g.setDiagnostics(false);
    Bench::Timer t;
    g.generate(pipe);
    return {t.seconds(), pipe.bytesPushed()};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(swallow);
    bool ok = true;

    Document doc;
    buildJob(doc, 10000); // 1 M nodes

    Clock& clock = Clock::system();
    auto bus = std::make_shared<SimulatedUsbBus>(clock);
    VirtualPlotterModel model;
    auto device = std::make_shared<VirtualPlotter>(model);
    bus->plug(device);
    CountingMessages messages;
    USBDevices devices(bus, messages);
    devices.init();
    devices.rescan();
    Plotter plotter(devices.devices().first(), clock, messages);
    plotter.query();
    PlotterTemplate sable;
    sable.Name = model.modelName;
    plotter.setModel(1, &sable);
    device->clearReceived();

    const Generation alone = generateAlone(doc, JobRunner::deviceControlFor(&plotter));
    std::printf("generation alone: %.3f s, %lld bytes\n", alone.seconds, alone.bytes);

    Bench::resetPeakResident();
    JobRunner runner(doc, &plotter, clock);
    runner.setLastCutPath(QString()); // leave the real temporary folder alone

    // The GUI thread's event loop: a 5 ms tick; the longest gap between two
    // ticks is the longest the window would have stood still.
    QElapsedTimer sinceTick;
    qint64 longestGapMs = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, sinceTick.elapsed());
        sinceTick.restart();
    });
    int positions = 0;
    QObject::connect(&runner, &JobRunner::position, [&](int, int) { ++positions; });

    QEventLoop loop;
    QObject::connect(&runner, &JobRunner::finished, &loop, &QEventLoop::quit);
    Bench::Timer total;
    sinceTick.start();
    tick.start();
    runner.start();
    loop.exec();
    const double seconds = total.seconds();
    tick.stop();

    const qint64 received = device->receivedCount();
    const qint64 settings = (QueryCommands::unrollMediumSetting(plotter.unrollMedium())
                             + QueryCommands::edgeSmoothingSetting(plotter.edgeSmoothing()))
                                .size();
    std::printf("job: %.3f s, %lld bytes received (settings %lld + job %lld), %d blocks, %d messages\n",
                seconds, received, settings, alone.bytes, positions, messages.shown);
    if (received != alone.bytes + settings || messages.shown != 0 || runner.transportFailed()) {
        std::printf("job did not arrive whole\n");
        ok = false;
    }
    ok &= Bench::report("job 1 M nodes: total time", seconds, "s", alone.seconds + 1.5);
    ok &= Bench::report("job 1 M nodes: peak resident", Bench::peakResidentMiB(), "MiB", 400);
    ok &= Bench::report("job 1 M nodes: longest GUI-thread stall", double(longestGapMs), "ms", 50);
    return ok ? 0 : 1;
}
