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

// The device at 001/<address>.
std::shared_ptr<UsbBusDevice> device(LibusbBackend& backend, int address)
{
    UsbBusDeviceList list;
    backend.deviceList(list);
    for (const auto& d : list)
        if (d->busNumber() == 1 && d->address() == address)
            return d;
    return nullptr;
}

} // namespace

class TestLibusbUnderUmockdev : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("UMOCKDEV_DIR"))
            QSKIP("needs umockdev-run with the devices of tests/data/umockdev");
        QCOMPARE(m_backend->init(), 0);
    }

    // Address and ids of each device; their endpoints show in how they open
    // (poolScan).
    void enumerates()
    {
        UsbBusDeviceList list;
        QCOMPARE(m_backend->deviceList(list), 6);
        QStringList seen;
        for (const auto& d : list) {
            UsbDeviceDescriptor descriptor;
            QCOMPARE(d->deviceDescriptor(descriptor), 0);
            seen.append(QStringLiteral("%1 %2:%3")
                            .arg(d->address())
                            .arg(descriptor.vendorId, 4, 16, QLatin1Char('0'))
                            .arg(descriptor.productId, 4, 16, QLatin1Char('0')));
        }
        seen.sort();
        QCOMPARE(seen, (QStringList{"1 1d6b:0002", "2 0f0b:0001", "3 0f0b:0002", "4 0f0b:0003",
                                    "5 0f0b:0004", "6 0f0b:0005"}));
    }

    void exchanges_data()
    {
        QTest::addColumn<QByteArray>("write");
        QTest::addColumn<int>("read"); // the read's result after a good write; -2: no read
        QTest::addColumn<QString>("message");

        const QString sendFailed = QStringLiteral("Es konnten keine Daten zum Gerät gesendet werden");
        QTest::newRow("a job") << QByteArray("IN;VS30;FS120;PU0,0;PD400,0;PD400,400;PU;") << -2 << "";
        QTest::newRow("stalled write") << QByteArray("STALL;") << -2
                                       << sendFailed + ".\nError: LIBUSB_ERROR_PIPE";
        QTest::newRow("device gone while reading")
            << QByteArray("GONE;") << -1 << sendFailed + " (2).\nError: LIBUSB_ERROR_NO_DEVICE";
    }
    void exchanges()
    {
        QFETCH(QByteArray, write);
        QFETCH(int, read);
        QFETCH(QString, message);

        RecordingMessages shown;
        USBDevice usb(m_backend, device(*m_backend, 2), 0x0f0b, 1, shown);
        QVERIFY(usb.open());
        QCOMPARE(usb.write(write.constData(), write.size()), read != -2 || message.isEmpty());
        QByteArray buffer(1000, '\0');
        if (read != -2)
            QCOMPARE(usb.read(buffer.data(), 999), read);
        usb.close();
        QCOMPARE(shown.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    // A whole scan: every device of vendor 0x0F0B becomes a plotter, answering
    // or not, and each that cannot be opened or asked shows its one message. The
    // plotter at 001/002 answers "\e.R4:", "\e.R1:" and "OH;" at once.
    void poolScan()
    {
        const QString noInfo = QStringLiteral("Es konnten keine Informationen zu dem Gerät ermittelt werden.");
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
        const PlotterConfiguration c = pool.find(5)->configuration();
        QCOMPARE(pool.find(5)->name(), QStringLiteral("Kerfcraft Sable 60"));
        QCOMPARE(c.firmwareText, QStringLiteral("V2.11 / 2024-03-18 R1;"));
        QCOMPARE((QList<int>{c.speed, c.force, c.offset, c.quality, c.edgeSmoothing, c.unrollMedium,
                             c.mediaType, c.mediaWidth, c.mediaHeight}),
                 (QList<int>{30, 120, 25, 2, 1, 0, Plotter::Roll, 600, 1000}));
        QCOMPARE(messages.texts(),
                 (QStringList{"Es konnten keine Daten zum Gerät gesendet werden (2).\n"
                              "Error: LIBUSB_ERROR_NO_DEVICE",
                              "Fehler: Der Plotter lieferte keine Daten.",
                              noInfo + "(2)\nError: LIBUSB_SUCCESS", noInfo + "(5)"}));
        // The silent plotter got all 50 rounds and three reopenings.
        QCOMPARE(int(clock.nowMs()), 20 + 50 * 20 + 3 * 1200 + 3 * 20);
    }

private:
    std::shared_ptr<LibusbBackend> m_backend = std::make_shared<LibusbBackend>();
};

QTEST_GUILESS_MAIN(TestLibusbUnderUmockdev)
#include "umockdev_libusb.moc"
