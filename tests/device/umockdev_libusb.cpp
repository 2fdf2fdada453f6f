// The real libusb backend against plotters emulated by umockdev. Run by
// ctest under umockdev-run (tests/CMakeLists.txt), which provides the
// devices of tests/data/umockdev.
#include "DebugCapture.h"
#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include "device/LibusbBackend.h"
#include "device/Plotter.h"
#include "device/Plotterpool.h"
#include "device/USBDevice.h"
#include "device/USBDevices.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <unistd.h>

namespace {

std::shared_ptr<UsbBusDevice> findDevice(UsbBackend& backend, int address)
{
    UsbBusDeviceList list;
    backend.deviceList(list);
    for (const auto& d : list)
        if (d->busNumber() == 1 && d->address() == address)
            return d;
    return nullptr;
}

QStringList texts(const RecordingMessages& messages)
{
    QStringList t;
    for (const RecordingMessages::Message& m : messages.messages())
        t.append(m.text);
    return t;
}

const QString kNoInfo = QStringLiteral("Es konnten keine Informationen zu dem Gerät ermittelt werden.");

} // namespace

class TestLibusbUnderUmockdev : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void enumerates_data();
    void enumerates();
    void opens_data();
    void opens();
    void noPermission();
    void exchanges_data();
    void exchanges();
    void poolScan();

private:
    std::shared_ptr<LibusbBackend> m_backend = std::make_shared<LibusbBackend>();
};

void TestLibusbUnderUmockdev::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("UMOCKDEV_DIR"))
        QSKIP("needs umockdev-run with the devices of tests/data/umockdev");
    QCOMPARE(m_backend->init(), 0);
}

void TestLibusbUnderUmockdev::enumerates_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<int>("productId");
    QTest::addColumn<QString>("layout");  // endpoints per interface of configuration 0

    QTest::newRow("root hub") << 1 << 0x1d6b << 0x0002 << "81";
    QTest::newRow("plotter") << 2 << 0x0f0b << 0x0001 << "01,82";
    QTest::newRow("two IN endpoints") << 3 << 0x0f0b << 0x0002 << "81,82";
    QTest::newRow("two interfaces") << 4 << 0x0f0b << 0x0003 << "01,82|03,84";
    QTest::newRow("silent plotter") << 5 << 0x0f0b << 0x0004 << "01,82";
    QTest::newRow("vanishing plotter") << 6 << 0x0f0b << 0x0005 << "01,82";
}

void TestLibusbUnderUmockdev::enumerates()
{
    QFETCH(int, address);
    QFETCH(int, vendorId);
    QFETCH(int, productId);
    QFETCH(QString, layout);

    UsbBusDeviceList list;
    QCOMPARE(m_backend->deviceList(list), 6);
    const auto device = findDevice(*m_backend, address);
    QVERIFY(device);
    UsbDeviceDescriptor d;
    QCOMPARE(device->deviceDescriptor(d), 0);
    QCOMPARE(int(d.vendorId), vendorId);
    QCOMPARE(int(d.productId), productId);
    UsbConfigDescriptor config;
    QCOMPARE(device->configDescriptor(0, config), 0);
    QStringList interfaces;
    for (const UsbInterfaceDescriptor& itf : config.interfaces) {
        QStringList eps;
        for (const UsbEndpointDescriptor& ep : itf.altSettings.value(0).endpoints)
            eps.append(QStringLiteral("%1").arg(ep.address, 2, 16, QLatin1Char('0')));
        interfaces.append(eps.join(QLatin1Char(',')));
    }
    QCOMPARE(interfaces.join(QLatin1Char('|')), layout);
}

void TestLibusbUnderUmockdev::opens_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("endpointIn");
    QTest::addColumn<int>("endpointOut");

    QTest::newRow("plotter") << 2 << true << QString() << 0x82 << 0x01;
    QTest::newRow("two IN endpoints") << 3 << false << kNoInfo + "(5)" << 0 << 0;
    QTest::newRow("two interfaces") << 4 << false << kNoInfo + "(2)\nError: LIBUSB_SUCCESS" << 0
                                    << 0;
}

void TestLibusbUnderUmockdev::opens()
{
    QFETCH(int, address);
    QFETCH(bool, ok);
    QFETCH(QString, message);
    QFETCH(int, endpointIn);
    QFETCH(int, endpointOut);

    RecordingMessages messages;
    USBDevice device(m_backend, findDevice(*m_backend, address), 0x0f0b, 0, messages);
    DebugCapture debug;
    QCOMPARE(device.open(), ok);
    QCOMPARE(int(device.endpointIn()), endpointIn);
    QCOMPARE(int(device.endpointOut()), endpointOut);
    QCOMPARE(texts(messages), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(device.isOpen());  // failures past opening keep the handle until close()
    device.close();
    QVERIFY(!device.isOpen());
    QCOMPARE(debug.count(QStringLiteral("USB device closed")), 1);
}

void TestLibusbUnderUmockdev::noPermission()
{
    // umockdev's device node keeps its file mode, which only holds for a
    // user other than root.
    if (geteuid() == 0)
        QSKIP("running as root: file permissions do not apply");
    const QString node = qEnvironmentVariable("UMOCKDEV_DIR") + QStringLiteral("/dev/bus/usb/001/002");
    QFile file(node);
    const QFile::Permissions before = file.permissions();
    QVERIFY(file.setPermissions(QFile::Permissions()));
    RecordingMessages messages;
    USBDevice device(m_backend, findDevice(*m_backend, 2), 0x0f0b, 1, messages);
    const bool opened = device.open();
    file.setPermissions(before);
    QVERIFY(!opened);
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.messages().first().text.contains(USBDevice::udevRuleFile()));
}

void TestLibusbUnderUmockdev::exchanges_data()
{
    QTest::addColumn<QByteArray>("write");  // empty: the plotter query
    QTest::addColumn<bool>("writeOk");
    QTest::addColumn<int>("read");          // bytes read after the write, -2: no read
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("query") << QByteArray() << true << -2 << QStringList();
    QTest::newRow("plotter-only settings")
        << QByteArray("\x1b.C1;20;1:\x1b.C1;19;0:") << true << -2 << QStringList();
    QTest::newRow("a job") << QByteArray("IN;VS30;FS120;PU0,0;PD400,0;PD400,400;PU;") << true << -2
                           << QStringList();
    QTest::newRow("stalled write")
        << QByteArray("STALL;") << false << -2
        << QStringList{"Es konnten keine Daten zum Gerät gesendet werden.\nError: LIBUSB_ERROR_PIPE"};
    QTest::newRow("device gone while reading")
        << QByteArray("GONE;") << true << -1
        << QStringList{"Es konnten keine Daten zum Gerät gesendet werden (2).\n"
                       "Error: LIBUSB_ERROR_NO_DEVICE"};
}

void TestLibusbUnderUmockdev::exchanges()
{
    QFETCH(QByteArray, write);
    QFETCH(bool, writeOk);
    QFETCH(int, read);
    QFETCH(QStringList, messages);

    FakeClock clock;
    RecordingMessages shown;
    USBDevice device(m_backend, findDevice(*m_backend, 2), 0x0f0b, 1, shown);
    if (write.isEmpty()) {
        Plotter plotter(&device, clock, shown);
        QSignalSpy changed(&plotter, &Plotter::ConfigurationDataChanged);
        QVERIFY(plotter.query());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(plotter.deviceText(), QStringLiteral("KERFCRAFT / Kerfcraft Sable 60"));
        QCOMPARE(plotter.firmwareText(), QStringLiteral("V2.11 / 2024-03-18 R1;"));
        QCOMPARE(plotter.speed(), 30);
        QCOMPARE(plotter.force(), 120);
        QCOMPARE(plotter.offset(), 25);
        QCOMPARE(plotter.quality(), 2);
        QVERIFY(plotter.edgeSmoothing());
        QVERIFY(!plotter.unrollMedium());
        QCOMPARE(plotter.mediaType(), int(Plotter::Roll));
        QCOMPARE(plotter.mediaWidth(), 600);
        QCOMPARE(plotter.mediaHeight(), 1000);
        QCOMPARE(int(clock.nowMs()), 3 * 20);
        QVERIFY(!device.isOpen());
    } else {
        QVERIFY(device.open());
        QCOMPARE(device.write(write.constData(), write.size()), writeOk);
        if (read != -2) {
            QByteArray buffer(1000, '\0');
            QCOMPARE(device.read(buffer.data(), 999), read);
        }
        device.close();
    }
    QCOMPARE(texts(shown), messages);
}

void TestLibusbUnderUmockdev::poolScan()
{
    FakeClock clock;
    RecordingMessages messages;
    PlotterTemplate sable;
    sable.Name = QStringLiteral("Kerfcraft Sable 60");
    USBDevices devices(m_backend, messages);
    Plotterpool pool(&devices, [&] { return QList<PlotterTemplate*>{&sable}; }, clock, messages);
    QVERIFY(devices.init());
    QSignalSpy added(&pool, &Plotterpool::PlotterAdded);
    // A failed open or read leaves the handle open. umockdev keeps one
    // submitted URB for all its devices and reports every emulated node as
    // ready, so a second open handle would reap the other's transfer: close
    // each plotter once the pool has it.
    connect(&pool, &Plotterpool::PlotterAdded, this, [](Plotter* p) { p->close(); });

    devices.rescan();
    QCOMPARE(devices.devices().size(), 6);
    QCOMPARE(added.count(), 5);  // every device of vendor 0x0F0B, answering or not
    // libusb lists the devices last-found first; each accepted one uses up an id.
    QStringList ids;
    for (Plotter* p : pool.plotters())
        ids.append(QStringLiteral("%1:%2").arg(p->device()->address()).arg(p->id()));
    QCOMPARE(ids.join(QLatin1Char(',')), QStringLiteral("6:-1,5:-1,4:-1,3:-1,2:5"));
    QCOMPARE(pool.find(5)->name(), QStringLiteral("Kerfcraft Sable 60"));
    QCOMPARE(pool.find(5)->mediaWidth(), 600);
    // One message for each plotter that could not be asked.
    QCOMPARE(texts(messages),
             (QStringList{"Es konnten keine Daten zum Gerät gesendet werden (2).\n"
                          "Error: LIBUSB_ERROR_NO_DEVICE",
                          "Fehler: Der Plotter lieferte keine Daten.",
                          kNoInfo + "(2)\nError: LIBUSB_SUCCESS", kNoInfo + "(5)"}));
    // The silent plotter got all 50 rounds and three reopenings.
    QCOMPARE(int(clock.nowMs()), 20 + 50 * 20 + 3 * 1200 + 3 * 20);
}

QTEST_GUILESS_MAIN(TestLibusbUnderUmockdev)
#include "umockdev_libusb.moc"
