#include "DebugCapture.h"
#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include "device/LibusbBackend.h"
#include "device/Plotter.h"
#include "device/Plotterpool.h"
#include "device/USBDevice.h"
#include "device/USBDevices.h"
#include "device/UsbBackendFactory.h"
#include "device/VirtualPlotter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The models of a small presets list.
struct Models {
    PlotterTemplate sable, expert;
    Models()
    {
        sable.Name = QStringLiteral("Kerfcraft Sable 60");
        sable.Protocol = ProtocolType::HPGL;
        expert.Name = QStringLiteral("Kerfcraft Expert 24");
        expert.Keys = QStringList{QStringLiteral("EXP-24")};
    }
    QList<PlotterTemplate*> list() { return {&sable, &expert}; }
};

// A simulated bus with a registry and a pool on it, as the window has them.
struct Rig {
    FakeClock clock;
    std::shared_ptr<SimulatedUsbBus> bus = std::make_shared<SimulatedUsbBus>(clock);
    RecordingMessages messages;
    Models models;
    USBDevices devices{bus, messages};
    std::unique_ptr<Plotterpool> pool;

    Rig() { makePool(); }
    void makePool()
    {
        pool = std::make_unique<Plotterpool>(&devices, [this] { return models.list(); }, clock,
                                             messages);
    }
    std::shared_ptr<VirtualPlotter> plugPlotter(const QString& name)
    {
        VirtualPlotterModel model;
        model.modelName = name;
        auto p = std::make_shared<VirtualPlotter>(model);
        bus->plug(p);
        return p;
    }
    void plugOther() { bus->plug(std::make_shared<SimulatedUsbDevice>(0x046D, 0xC077)); }
};

QString ids(const QList<Plotter*>& plotters)
{
    QStringList t;
    for (Plotter* p : plotters)
        t.append(QString::number(p->id()));
    return t.join(QLatin1Char(','));
}

QString names(const QList<Plotter*>& plotters)
{
    QStringList t;
    for (Plotter* p : plotters)
        t.append(p->name());
    return t.join(QLatin1Char(','));
}

QList<Plotter*> plottersOf(const QSignalSpy& spy)
{
    QList<Plotter*> list;
    for (const QList<QVariant>& args : spy)
        list.append(args.at(0).value<Plotter*>());
    return list;
}

} // namespace

class TestPlotterpool : public QObject
{
    Q_OBJECT
private slots:
    void rescans_data();
    void rescans();
    void faultyPlotters_data();
    void faultyPlotters();
    void debugLines();
    void busCannotBeListed();
    void programsBackend_data();
    void programsBackend();
};

void TestPlotterpool::rescans_data()
{
    QTest::addColumn<QString>("bus");  // "O" another vendor's device, else a plotter's model name
    QTest::addColumn<QString>("firstIds");
    QTest::addColumn<QString>("secondIds");
    QTest::addColumn<QString>("names");

    QTest::newRow("two plotters") << "Kerfcraft Sable 60,Kerfcraft Expert 24"
                                  << "1,2" << "3,4" << "Kerfcraft Sable 60,Kerfcraft Expert 24";
    QTest::newRow("one matching by key") << "EXP-24 rev B" << "1" << "2" << "Kerfcraft Expert 24";
    QTest::newRow("an unknown plotter uses up an id")
        << "Kerfcraft Sable 60,Mystery 9,Kerfcraft Expert 24"
        << "1,-1,3" << "4,-1,6" << "Kerfcraft Sable 60,,Kerfcraft Expert 24";
    QTest::newRow("other vendors are no plotters")
        << "O,Kerfcraft Sable 60,O" << "1" << "2" << "Kerfcraft Sable 60";
    QTest::newRow("no plotter") << "O,O" << "" << "" << "";
    QTest::newRow("empty bus") << "" << "" << "" << "";
}

void TestPlotterpool::rescans()
{
    QFETCH(QString, bus);
    QFETCH(QString, firstIds);
    QFETCH(QString, secondIds);
    QFETCH(QString, names);

    Rig rig;
    const QStringList layout = bus.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& d : layout) {
        if (d == QLatin1String("O"))
            rig.plugOther();
        else
            rig.plugPlotter(d);
    }
    QSignalSpy added(rig.pool.get(), &Plotterpool::PlotterAdded);
    QSignalSpy removed(rig.pool.get(), &Plotterpool::PlotterRemoved);

    rig.devices.rescan();
    QCOMPARE(rig.devices.devices().size(), layout.size());
    QCOMPARE(ids(plottersOf(added)), firstIds);
    QCOMPARE(::names(plottersOf(added)), names);
    QCOMPARE(rig.pool->plotters(), plottersOf(added));
    QCOMPARE(removed.count(), 0);
    const QList<Plotter*> first = rig.pool->plotters();
    for (Plotter* p : first) {
        if (p->id() >= 0)
            QCOMPARE(rig.pool->find(p->id()), p);
        if (p->name() == QLatin1String("Kerfcraft Sable 60"))
            QCOMPARE(p->protocol(), ProtocolType::HPGL);
    }

    // Every scan takes all plotters out, last first, and brings them back
    // as new objects with new ids.
    added.clear();
    rig.devices.rescan();
    QList<Plotter*> reversed = first;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(plottersOf(removed), reversed);
    QCOMPARE(ids(plottersOf(added)), secondIds);
    QCOMPARE(rig.pool->plotters(), plottersOf(added));
    for (Plotter* old : first) {
        QVERIFY(!rig.pool->plotters().contains(old));
        QCOMPARE(old->parent(), rig.pool.get());  // still alive for whoever holds it
        if (old->id() >= 0)
            QVERIFY(rig.pool->find(old->id()) == nullptr);
    }
    QCOMPARE(rig.messages.count(), 0);
}

void TestPlotterpool::faultyPlotters_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("ids");
    QTest::addColumn<QString>("name");  // what the failed query could still read decides

    QTest::newRow("unplugged between scan and open")
        << "unplug" << "Das Gerät konnte nicht geöffnet werden.\nError: LIBUSB_ERROR_NO_DEVICE"
        << "1,-1" << "";
    QTest::newRow("unplugged during the query, after the model answer")
        << "unplug-after-7"
        << "Es konnten keine Daten zum Gerät gesendet werden.\nError: LIBUSB_ERROR_NO_DEVICE"
        << "1,2" << "Kerfcraft Sable 60";
    QTest::newRow("never answers") << "silent" << "Fehler: Der Plotter lieferte keine Daten."
                                   << "1,-1" << "";
    QTest::newRow("no permission") << "access" << "" << "1,-1" << "";
}

void TestPlotterpool::faultyPlotters()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QFETCH(QString, ids);
    QFETCH(QString, name);

    Rig rig;
    auto healthy = rig.plugPlotter(QStringLiteral("Kerfcraft Expert 24"));
    auto faulty = rig.plugPlotter(QStringLiteral("Kerfcraft Sable 60"));
    SimulatedFaults faults;
    if (fault == QLatin1String("unplug-after-7"))
        faults.unplugAfterBytes = 7;
    if (fault == QLatin1String("access"))
        faults.openError = UsbError::Access;
    faulty->setFaults(faults);
    if (fault == QLatin1String("silent")) {
        for (auto q : {VirtualPlotter::Question::Device, VirtualPlotter::Question::Settings,
                       VirtualPlotter::Question::Media})
            faulty->setAnswer(q, {});
    }
    if (fault == QLatin1String("unplug")) {
        // Gone after the bus was listed, before the pool opens it.
        rig.pool.reset();
        QObject::connect(&rig.devices, &USBDevices::RawDeviceAdded, [&](USBDevice* d) {
            if (d->address() == faulty->address())
                faulty->unplug();
        });
        rig.makePool();
    }
    QSignalSpy added(rig.pool.get(), &Plotterpool::PlotterAdded);
    QSignalSpy removed(rig.pool.get(), &Plotterpool::PlotterRemoved);

    rig.devices.rescan();
    QCOMPARE(::ids(plottersOf(added)), ids);
    Plotter* broken = rig.pool->plotters().last();
    QCOMPARE(broken->name(), name);
    QCOMPARE(rig.messages.count(), 1);
    if (message.isEmpty())  // the permission help, checked in detail with the transport
        QVERIFY(rig.messages.messages().first().text.contains(USBDevice::udevRuleFile()));
    else
        QCOMPARE(rig.messages.messages().first().text, message);

    // An unplugged plotter leaves the pool with the next scan and stays away.
    const bool unplugged = fault.startsWith(QLatin1String("unplug"));
    added.clear();
    rig.messages.clear();
    rig.devices.rescan();
    QCOMPARE(removed.count(), 2);
    QCOMPARE(plottersOf(removed).first(), broken);
    QCOMPARE(rig.pool->count(), unplugged ? 1 : 2);
    QCOMPARE(rig.pool->plotters().first()->name(), QStringLiteral("Kerfcraft Expert 24"));
    QCOMPARE(rig.messages.count(), unplugged ? 0 : 1);
    QVERIFY(healthy->isPlugged());
}

void TestPlotterpool::debugLines()
{
    Rig rig;
    rig.plugPlotter(QStringLiteral("Kerfcraft Sable 60"));
    rig.plugOther();
    DebugCapture debug;
    rig.devices.rescan();

    const QStringList discovery{QStringLiteral("New Device: vendorID: 3851 productID: 1"),
                                QStringLiteral("VendorID 3851"),
                                QStringLiteral("ProductID 1"),
                                QStringLiteral("Plotter Count 2"),
                                QStringLiteral("OK"),
                                QStringLiteral("New Device: vendorID: 1133 productID: 49271"),
                                QStringLiteral("VendorID 1133"),
                                QStringLiteral("ProductID 49271"),
                                QStringLiteral("Plotter Count 2")};
    QStringList seen;
    for (const QString& line : debug.lines())
        if (line.startsWith(QLatin1String("New Device")) || line.startsWith(QLatin1String("VendorID"))
            || line.startsWith(QLatin1String("ProductID")) || line.startsWith(QLatin1String("Plotter Count"))
            || line == QLatin1String("OK"))
            seen.append(line);
    QCOMPARE(seen, discovery);
    QCOMPARE(debug.count(QStringLiteral("All values found")), 1);
}

void TestPlotterpool::busCannotBeListed()
{
    Rig rig;
    rig.plugPlotter(QStringLiteral("Kerfcraft Sable 60"));
    rig.devices.rescan();
    QCOMPARE(rig.pool->count(), 1);
    QSignalSpy removed(rig.pool.get(), &Plotterpool::PlotterRemoved);
    QSignalSpy added(rig.pool.get(), &Plotterpool::PlotterAdded);

    rig.bus->setListError(UsbError::NoMem);
    rig.devices.rescan();
    QCOMPARE(removed.count(), 1);
    QCOMPARE(added.count(), 0);
    QCOMPARE(rig.pool->count(), 0);
    QVERIFY(rig.devices.devices().isEmpty());
    QCOMPARE(rig.messages.count(), 0);
}

void TestPlotterpool::programsBackend_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("virtualBus");
    QTest::addColumn<QString>("model");

    QTest::newRow("unset: real bus") << "" << false << "";
    QTest::newRow("0: real bus") << "0" << false << "";
    QTest::newRow("1: the default model") << "1" << true << "Kerfcraft Sable 60";
    QTest::newRow("a model name") << "Kerfcraft Expert 24" << true << "Kerfcraft Expert 24";
}

void TestPlotterpool::programsBackend()
{
    QFETCH(QString, setting);
    QFETCH(bool, virtualBus);
    QFETCH(QString, model);

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("received.plt"));
    qputenv("KERFCRAFT_VIRTUAL_PLOTTER", setting.toUtf8());
    qputenv("KERFCRAFT_VIRTUAL_PLOTTER_OUT", out.toUtf8());
    FakeClock clock;
    std::shared_ptr<UsbBackend> backend = createUsbBackend(clock);
    qunsetenv("KERFCRAFT_VIRTUAL_PLOTTER");
    qunsetenv("KERFCRAFT_VIRTUAL_PLOTTER_OUT");
    QVERIFY(backend);
    QCOMPARE(dynamic_cast<LibusbBackend*>(backend.get()) == nullptr, virtualBus);
    if (!virtualBus)
        return;

    RecordingMessages messages;
    Models models;
    USBDevices devices(backend, messages);
    Plotterpool pool(&devices, [&] { return models.list(); }, clock, messages);
    QVERIFY(devices.init());
    devices.rescan();
    QCOMPARE(devices.devices().size(), 1);  // the virtual plotter alone
    QCOMPARE(pool.count(), 1);
    Plotter* plotter = pool.plotters().first();
    QCOMPARE(plotter->name(), model);
    QCOMPARE(plotter->id(), 1);

    // What a job sends ends up in the output file and its picture.
    const QByteArray job("IN;VS30;FS120;PU0,0;PD400,0;PD400,400;PU;");
    QVERIFY(plotter->open());
    QVERIFY(plotter->write(job));
    plotter->close();
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().endsWith(job));
    const QImage picture(out + QStringLiteral(".png"));
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(57, 57));  // 10 x 10 mm at 4 px/mm, 8 px margins
    QCOMPARE(messages.count(), 0);
}

QTEST_GUILESS_MAIN(TestPlotterpool)
#include "tst_plotterpool.moc"
