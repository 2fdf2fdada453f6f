// The real libusb backend against plotters emulated by umockdev. Run by
// ctest under umockdev-run (tests/CMakeLists.txt), which provides the
// devices of tests/data/umockdev.
#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include "device/LibusbBackend.h"
#include "device/Plotter.h"
#include "device/Plotterpool.h"
#include "device/USBDevice.h"
#include "device/USBDevices.h"

#include <QtTest>

namespace {

const QString kNoInfo = QStringLiteral("Es konnten keine Informationen zu dem Gerät ermittelt werden.");

} // namespace

class TestLibusbUnderUmockdev : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void enumerates();
    void opens_data();
    void opens();
    void exchanges_data();
    void exchanges();
    void poolScan();

private:
    std::shared_ptr<UsbBusDevice> device(int address);
    std::shared_ptr<LibusbBackend> m_backend = std::make_shared<LibusbBackend>();
};

std::shared_ptr<UsbBusDevice> TestLibusbUnderUmockdev::device(int address)
{
    UsbBusDeviceList list;
    m_backend->deviceList(list);
    for (const auto& d : list)
        if (d->busNumber() == 1 && d->address() == address)
            return d;
    return nullptr;
}

void TestLibusbUnderUmockdev::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("UMOCKDEV_DIR"))
        QSKIP("needs umockdev-run with the devices of tests/data/umockdev");
    QCOMPARE(m_backend->init(), 0);
}

// Address, ids and the endpoints of each interface of configuration 0.
void TestLibusbUnderUmockdev::enumerates()
{
    UsbBusDeviceList list;
    QCOMPARE(m_backend->deviceList(list), 6);
    QStringList seen;
    for (const auto& d : list) {
        UsbDeviceDescriptor descriptor;
        UsbConfigDescriptor config;
        QCOMPARE(d->deviceDescriptor(descriptor), 0);
        QCOMPARE(d->configDescriptor(0, config), 0);
        QStringList interfaces;
        for (const UsbInterfaceDescriptor& itf : config.interfaces) {
            QStringList eps;
            for (const UsbEndpointDescriptor& ep : itf.altSettings.value(0).endpoints)
                eps.append(QString::number(ep.address, 16));
            interfaces.append(eps.join(QLatin1Char(',')));
        }
        seen.append(QStringLiteral("%1 %2:%3 %4")
                        .arg(d->address())
                        .arg(descriptor.vendorId, 4, 16, QLatin1Char('0'))
                        .arg(descriptor.productId, 4, 16, QLatin1Char('0'))
                        .arg(interfaces.join(QLatin1Char('|'))));
    }
    seen.sort();
    QCOMPARE(seen, (QStringList{"1 1d6b:0002 81", "2 0f0b:0001 1,82", "3 0f0b:0002 81,82",
                                "4 0f0b:0003 1,82|3,84", "5 0f0b:0004 1,82", "6 0f0b:0005 1,82"}));
}

void TestLibusbUnderUmockdev::opens_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("message");
    QTest::newRow("plotter") << 2 << "";
    QTest::newRow("two IN endpoints") << 3 << kNoInfo + "(5)";
    QTest::newRow("two interfaces") << 4 << kNoInfo + "(2)\nError: LIBUSB_SUCCESS";
}

void TestLibusbUnderUmockdev::opens()
{
    QFETCH(int, address);
    QFETCH(QString, message);

    RecordingMessages messages;
    USBDevice usb(m_backend, device(address), 0x0f0b, 0, messages);
    QCOMPARE(usb.open(), message.isEmpty());
    QCOMPARE(usb.endpointIn(), quint8(message.isEmpty() ? 0x82 : 0));
    QCOMPARE(usb.endpointOut(), quint8(message.isEmpty() ? 0x01 : 0));
    QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(usb.isOpen()); // claimed; failures past opening keep the handle until close()
    usb.close();
    QVERIFY(!usb.isOpen());
}

void TestLibusbUnderUmockdev::exchanges_data()
{
    QTest::addColumn<QByteArray>("write"); // empty: the plotter query
    QTest::addColumn<bool>("writeOk");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("message");

    QTest::newRow("query") << QByteArray() << true << false << "";
    QTest::newRow("a job") << QByteArray("IN;VS30;FS120;PU0,0;PD400,0;PD400,400;PU;") << true
                           << false << "";
    QTest::newRow("stalled write")
        << QByteArray("STALL;") << false << false
        << "Es konnten keine Daten zum Gerät gesendet werden.\nError: LIBUSB_ERROR_PIPE";
    QTest::newRow("device gone while reading")
        << QByteArray("GONE;") << true << true
        << "Es konnten keine Daten zum Gerät gesendet werden (2).\nError: LIBUSB_ERROR_NO_DEVICE";
}

void TestLibusbUnderUmockdev::exchanges()
{
    QFETCH(QByteArray, write);
    QFETCH(bool, writeOk);
    QFETCH(bool, read);
    QFETCH(QString, message);

    FakeClock clock;
    RecordingMessages shown;
    USBDevice usb(m_backend, device(2), 0x0f0b, 1, shown);
    if (write.isEmpty()) {
        Plotter plotter(&usb, clock, shown);
        QVERIFY(plotter.query());
        const PlotterConfiguration c = plotter.configuration();
        QCOMPARE(c.deviceText, QStringLiteral("KERFCRAFT / Kerfcraft Sable 60"));
        QCOMPARE(c.firmwareText, QStringLiteral("V2.11 / 2024-03-18 R1;"));
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8x%9")
                     .arg(c.speed)
                     .arg(c.force)
                     .arg(c.offset)
                     .arg(c.quality)
                     .arg(c.edgeSmoothing)
                     .arg(c.unrollMedium)
                     .arg(c.mediaType)
                     .arg(c.mediaWidth)
                     .arg(c.mediaHeight),
                 QStringLiteral("30 120 25 2 1 0 0 600x1000"));
        QCOMPARE(int(clock.nowMs()), 3 * 20); // three questions, three answers
        QVERIFY(!usb.isOpen());
    } else {
        QVERIFY(usb.open());
        QCOMPARE(usb.write(write.constData(), write.size()), writeOk);
        QByteArray buffer(1000, '\0');
        if (read)
            QCOMPARE(usb.read(buffer.data(), 999), -1);
        usb.close();
    }
    QCOMPARE(shown.texts(), message.isEmpty() ? QStringList() : QStringList{message});
}

// A whole scan: every device of vendor 0x0F0B becomes a plotter, answering
// or not, and each that cannot be asked shows its one message.
void TestLibusbUnderUmockdev::poolScan()
{
    FakeClock clock;
    RecordingMessages messages;
    PlotterTemplate sable;
    sable.Name = QStringLiteral("Kerfcraft Sable 60");
    USBDevices devices(m_backend, messages);
    Plotterpool pool(&devices, [&] { return QList<PlotterTemplate*>{&sable}; }, clock, messages);
    QVERIFY(devices.init());
    // A failed open or read leaves the handle open. umockdev keeps one
    // submitted URB for all its devices and reports every emulated node as
    // ready, so a second open handle would reap the other's transfer: close
    // each plotter once the pool has it.
    connect(&pool, &Plotterpool::PlotterAdded, this, [](Plotter* p) { p->close(); });

    devices.rescan();
    QCOMPARE(devices.devices().size(), 6);
    // libusb lists the devices last-found first; each accepted one uses up an id.
    QStringList ids;
    for (Plotter* p : pool.plotters())
        ids.append(QStringLiteral("%1:%2").arg(p->device()->address()).arg(p->id()));
    QCOMPARE(ids.join(QLatin1Char(',')), QStringLiteral("6:-1,5:-1,4:-1,3:-1,2:5"));
    QCOMPARE(pool.find(5)->name(), QStringLiteral("Kerfcraft Sable 60"));
    QCOMPARE(messages.texts(),
             (QStringList{"Es konnten keine Daten zum Gerät gesendet werden (2).\n"
                          "Error: LIBUSB_ERROR_NO_DEVICE",
                          "Fehler: Der Plotter lieferte keine Daten.",
                          kNoInfo + "(2)\nError: LIBUSB_SUCCESS", kNoInfo + "(5)"}));
    // The silent plotter got all 50 rounds and three reopenings.
    QCOMPARE(int(clock.nowMs()), 20 + 50 * 20 + 3 * 1200 + 3 * 20);
}

QTEST_GUILESS_MAIN(TestLibusbUnderUmockdev)
#include "umockdev_libusb.moc"
