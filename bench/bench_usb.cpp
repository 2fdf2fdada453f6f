// USB layer speed on the simulated bus: a scan with plotter queries, and
// bytes through the bulk link to the virtual plotter.
#include "BenchUtil.h"

#include "platform/UserMessages.h"
#include "device/Plotter.h"
#include "device/Plotterpool.h"
#include "device/SimulatedUsbBus.h"
#include "device/USBDevice.h"
#include "device/USBDevices.h"
#include "device/VirtualPlotter.h"
#include "platform/Clock.h"
#include "presets/PlotterTemplate.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {

// Waits count but take no time, so only the program's own work is measured.
class CountingClock : public Clock
{
public:
    qint64 nowMs() const override { return m_now; }
    void sleepMs(int ms) override { m_now += ms; }

private:
    qint64 m_now = 0;
};

class SilentMessages : public UserMessages
{
public:
    Button show(Icon, const QString&, const QString&, Buttons, Button) override
    {
        ++shown;
        return Ok;
    }
    int shown = 0;
};

// The debug channel would write a few dozen lines per scan to the terminal;
// the bench measures the code, not the terminal.
void swallow(QtMsgType, const QMessageLogContext&, const QString&) {}

double scanMs(int rounds, int& plottersFound, int& messages)
{
    CountingClock clock;
    SilentMessages shown;
    auto bus = std::make_shared<SimulatedUsbBus>(clock);
    const QStringList models{"Kerfcraft Sable 60", "Kerfcraft Expert 24", "Kerfcraft Expert Pro 24",
                             "Kerfcraft Cutter 3851"};
    for (int i = 0; i < 20; ++i) {
        if (i % 5 == 2) {
            VirtualPlotterModel model;
            model.modelName = models[(i / 5) % models.size()];
            model.productId = 1 + i;
            bus->plug(std::make_shared<VirtualPlotter>(model));
        } else {
            bus->plug(std::make_shared<SimulatedUsbDevice>(0x046D, quint16(0xC000 + i)));
        }
    }
    std::vector<std::unique_ptr<PlotterTemplate>> owned;
    QList<PlotterTemplate*> templates;
    for (const QString& name : models) {
        owned.push_back(std::make_unique<PlotterTemplate>());
        owned.back()->Name = name;
        templates.append(owned.back().get());
    }
    USBDevices devices(bus, shown);
    Plotterpool pool(&devices, [&] { return templates; }, clock, shown);
    devices.init();

    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        Bench::Timer t;
        devices.rescan();
        times.push_back(t.seconds() * 1000.0);
    }
    plottersFound = pool.count();
    messages = shown.shown;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double linkSeconds(qint64 totalBytes, int blockBytes, qint64& received)
{
    CountingClock clock;
    SilentMessages shown;
    auto bus = std::make_shared<SimulatedUsbBus>(clock);
    auto plotter = std::make_shared<VirtualPlotter>();
    bus->plug(plotter);
    USBDevice device(bus, plotter, VirtualPlotter::VendorId, 1, shown);
    device.open();

    QByteArray block;
    while (block.size() < blockBytes)
        block += "PD123456,7890;PU23456,789;";
    block.truncate(blockBytes);

    Bench::Timer t;
    for (qint64 sent = 0; sent < totalBytes; sent += block.size())
        device.write(block.constData(), block.size());
    const double seconds = t.seconds();
    received = plotter->receivedCount();
    device.close();
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(swallow);

    int plotters = 0, messages = 0;
    const double scan = scanMs(21, plotters, messages);
    std::printf("scan: 20 devices, %d plotters queried and matched, %d messages (median of 21)\n",
                plotters, messages);
    bool ok = Bench::report("scan of the simulated bus, own time", scan, "ms", 50);

    qint64 received = 0;
    const qint64 total = 10 * 1024 * 1024;
    const double link = linkSeconds(total, 64 * 1024, received);
    std::printf("link: %lld bytes received by the virtual plotter in 64 KiB writes\n",
                static_cast<long long>(received));
    ok = Bench::report("10 MiB through the simulated link", link, "s", 0.2) && ok;
    ok = ok && plotters == 4 && messages == 0 && received >= total;
    return ok ? 0 : 1;
}
