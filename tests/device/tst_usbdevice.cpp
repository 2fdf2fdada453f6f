#include "DebugCapture.h"
#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include "device/SimulatedUsbBus.h"
#include "device/USBDevice.h"
#include "device/UsbDriverInstaller.h"

#include <QtTest>

namespace {

// "01,82" is one interface with one alternate setting and endpoints 0x01
// and 0x82; "|" separates interfaces, "-" is an interface without any
// alternate setting.
UsbConfigDescriptor layout(const QString& text)
{
    UsbConfigDescriptor config;
    for (const QString& itf : text.split(QLatin1Char('|'))) {
        UsbInterfaceDescriptor interface;
        if (itf != QLatin1String("-")) {
            UsbAltSetting alt;
            for (const QString& ep : itf.split(QLatin1Char(','), Qt::SkipEmptyParts))
                alt.endpoints.append({quint8(ep.toInt(nullptr, 16)), 0x02, 64});
            interface.altSettings.append(alt);
        }
        config.interfaces.append(interface);
    }
    return config;
}

class RecordingInstaller : public UsbDriverInstaller
{
public:
    void installDriver(int vendorId, int productId) override { calls.append({vendorId, productId}); }
    QList<QPair<int, int>> calls;
};

const QString kNoInfo = QStringLiteral("Es konnten keine Informationen zu dem Gerät ermittelt werden.");

} // namespace

class TestUsbDevice : public QObject
{
    Q_OBJECT
private slots:
    void open_data();
    void open();
    void transfers_data();
    void transfers();
    void closeAndReopen();
};

void TestUsbDevice::open_data()
{
    QTest::addColumn<QString>("endpoints");
    QTest::addColumn<int>("openError");
    QTest::addColumn<int>("claimError");
    QTest::addColumn<int>("configError");
    QTest::addColumn<bool>("unplugged");
    QTest::addColumn<bool>("withInstaller");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("message");  // exact text, or "~" + its start
    QTest::addColumn<int>("endpointIn");
    QTest::addColumn<int>("endpointOut");
    QTest::addColumn<int>("installs");

    const int Yes = UserMessages::Yes, No = UserMessages::No;
    QTest::newRow("out then in") << "01,82" << 0 << 0 << 0 << false << false << No << true
                                 << QString() << 0x82 << 0x01 << 0;
    QTest::newRow("in then out") << "82,01" << 0 << 0 << 0 << false << false << No << true
                                 << QString() << 0x82 << 0x01 << 0;
    QTest::newRow("third endpoint not looked at")
        << "02,81,83" << 0 << 0 << 0 << false << false << No << true << QString() << 0x81 << 0x02
        << 0;
    QTest::newRow("two IN endpoints") << "81,82" << 0 << 0 << 0 << false << false << No << false
                                      << kNoInfo + "(5)" << 0 << 0 << 0;
    QTest::newRow("two OUT endpoints") << "01,02,83" << 0 << 0 << 0 << false << false << No
                                       << false << kNoInfo + "(5)" << 0 << 0 << 0;
    QTest::newRow("one endpoint") << "01" << 0 << 0 << 0 << false << false << No << false
                                  << kNoInfo + "(4)\nError: LIBUSB_SUCCESS" << 0 << 0 << 0;
    QTest::newRow("two interfaces") << "01,82|03,84" << 0 << 0 << 0 << false << false << No
                                    << false << kNoInfo + "(2)\nError: LIBUSB_SUCCESS" << 0 << 0
                                    << 0;
    QTest::newRow("no alternate setting") << "-" << 0 << 0 << 0 << false << false << No << false
                                          << kNoInfo + "(3)\nError: LIBUSB_SUCCESS" << 0 << 0 << 0;
    QTest::newRow("configuration unreadable")
        << "01,82" << 0 << 0 << int(UsbError::Io) << false << false << No << false
        << kNoInfo + "(1)\nError: LIBUSB_ERROR_IO" << 0 << 0 << 0;
    QTest::newRow("interface busy")
        << "01,82" << 0 << int(UsbError::Busy) << 0 << false << false << No << false
        << "Das Gerät(Interface) konnte nicht geöffnet werden.\nError: LIBUSB_ERROR_BUSY" << 0 << 0
        << 0;
    QTest::newRow("device busy") << "01,82" << int(UsbError::Busy) << 0 << 0 << false << false
                                 << No << false
                                 << "Das Gerät konnte nicht geöffnet werden.\nError: LIBUSB_ERROR_BUSY"
                                 << 0 << 0 << 0;
    QTest::newRow("unplugged after the scan")
        << "01,82" << 0 << 0 << 0 << true << false << No << false
        << "Das Gerät konnte nicht geöffnet werden.\nError: LIBUSB_ERROR_NO_DEVICE" << 0 << 0 << 0;
    QTest::newRow("no driver, nobody to install it")
        << "01,82" << int(UsbError::NotSupported) << 0 << 0 << false << false << No << false
        << "~Das Gerät konnte nicht geöffnet werden, da der notwendige Treiber noch nicht "
           "installiert ist."
        << 0 << 0 << 0;
    QTest::newRow("no permission, installation declined")
        << "01,82" << int(UsbError::Access) << 0 << 0 << false << true << No << false
        << "~Das Gerät konnte nicht geöffnet werden, da die Berechtigung für den Zugriff auf den "
           "Plotter fehlt."
        << 0 << 0 << 0;
    QTest::newRow("no permission, installation accepted")
        << "01,82" << int(UsbError::Access) << 0 << 0 << false << true << Yes << false
        << "~Das Gerät konnte nicht geöffnet werden, da die Berechtigung" << 0 << 0 << 1;
}

void TestUsbDevice::open()
{
    QFETCH(QString, endpoints);
    QFETCH(int, openError);
    QFETCH(int, claimError);
    QFETCH(int, configError);
    QFETCH(bool, unplugged);
    QFETCH(bool, withInstaller);
    QFETCH(int, answer);
    QFETCH(bool, ok);
    QFETCH(QString, message);
    QFETCH(int, endpointIn);
    QFETCH(int, endpointOut);
    QFETCH(int, installs);

    FakeClock clock;
    auto bus = std::make_shared<SimulatedUsbBus>(clock);
    auto sim = std::make_shared<SimulatedUsbDevice>(0x0F0B, 0x0007);
    sim->setConfiguration(layout(endpoints));
    SimulatedFaults faults;
    faults.openError = openError;
    faults.claimError = claimError;
    faults.configError = configError;
    sim->setFaults(faults);
    bus->plug(sim);
    if (unplugged)
        sim->unplug();

    RecordingMessages messages;
    messages.setDefaultAnswer(UserMessages::Button(answer));
    RecordingInstaller installer;
    USBDevice device(bus, sim, 0x0F0B, 0x0007, messages, withInstaller ? &installer : nullptr);

    QCOMPARE(device.open(), ok);
    QCOMPARE(int(device.endpointIn()), endpointIn);
    QCOMPARE(int(device.endpointOut()), endpointOut);
    QCOMPARE(installer.calls.size(), installs);
    if (installs)
        QCOMPARE(installer.calls.first(), qMakePair(0x0F0B, 0x0007));

    const QList<RecordingMessages::Message> shown = messages.messages();
    QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
    if (message.isEmpty())
        return;
    const RecordingMessages::Message& m = shown.first();
    QVERIFY(m.title.isEmpty());
    if (message.startsWith(QLatin1Char('~'))) {
        // The driver offer names what is missing and the rule that fixes it.
        QVERIFY2(m.text.startsWith(message.mid(1)), qPrintable(m.text));
        QVERIFY(m.text.contains(QStringLiteral("/etc/udev/rules.d/70-kerfcraft.rules")));
        QVERIFY(m.text.contains(USBDevice::udevRule()));
        QVERIFY(m.text.contains(QStringLiteral("0x0F0B")));
        if (withInstaller)
            QVERIFY(m.text.endsWith(QStringLiteral("Danach erfolgt ein Neustart von Kerfcraft.")));
        QCOMPARE(m.icon, withInstaller ? UserMessages::Icon::Question
                                       : UserMessages::Icon::Information);
        QCOMPARE(m.buttons, withInstaller ? UserMessages::Buttons(UserMessages::Yes) | UserMessages::No
                                          : UserMessages::Buttons(UserMessages::Ok));
    } else {
        QCOMPARE(m.text, message);
        QCOMPARE(m.icon, UserMessages::Icon::Information);
        QCOMPARE(m.buttons, UserMessages::Buttons(UserMessages::Ok));
    }
    // Failures after opening keep the handle until close().
    QCOMPARE(sim->isOpen(), openError == 0 && !unplugged);
    device.close();
    QVERIFY(!sim->isOpen());
}

void TestUsbDevice::transfers_data()
{
    QTest::addColumn<QString>("operation");  // "write", "read" or "write,read"
    QTest::addColumn<QByteArray>("answer");  // what the device has to say
    QTest::addColumn<bool>("stall");
    QTest::addColumn<bool>("timeOut");
    QTest::addColumn<int>("shortWrite");
    QTest::addColumn<int>("unplugAfter");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QList<int>>("results");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("received");  // by the device
    QTest::addColumn<int>("waitedMs");

    const QByteArray data("IN;PD10,10;PU;");
    const QString sendFailed = QStringLiteral("Es konnten keine Daten zum Gerät gesendet werden.\nError: %1");
    const QString readFailed =
        QStringLiteral("Es konnten keine Daten zum Gerät gesendet werden (2).\nError: %1");

    QTest::newRow("write") << "write" << QByteArray() << false << false << -1 << -1 << true
                           << QList<int>{1} << QStringList() << data << 0;
    QTest::newRow("write stalls") << "write" << QByteArray() << true << false << -1 << -1 << true
                                  << QList<int>{0} << QStringList{sendFailed.arg("LIBUSB_ERROR_PIPE")}
                                  << QByteArray() << 0;
    QTest::newRow("write not taken") << "write" << QByteArray() << false << true << -1 << -1 << true
                                     << QList<int>{0}
                                     << QStringList{sendFailed.arg("LIBUSB_ERROR_TIMEOUT")}
                                     << QByteArray() << 0;
    QTest::newRow("short write is not examined")
        << "write" << QByteArray() << false << false << 4 << -1 << true << QList<int>{1}
        << QStringList() << data.left(4) << 0;
    QTest::newRow("unplugged while writing")
        << "write,read" << QByteArray() << false << false << -1 << 6 << true << QList<int>{0, -1}
        << QStringList{sendFailed.arg("LIBUSB_ERROR_NO_DEVICE"),
                       readFailed.arg("LIBUSB_ERROR_NO_DEVICE")}
        << data.left(6) << 0;
    QTest::newRow("write before open") << "write" << QByteArray() << false << false << -1 << -1
                                       << false << QList<int>{0}
                                       << QStringList{sendFailed.arg("LIBUSB_ERROR_NO_DEVICE")}
                                       << QByteArray() << 0;
    QTest::newRow("read an answer") << "read" << QByteArray("OR1,1;") << false << false << -1 << -1
                                    << true << QList<int>{6} << QStringList() << QByteArray() << 0;
    QTest::newRow("read when nothing comes: time-out, no error")
        << "read" << QByteArray() << false << false << -1 << -1 << true << QList<int>{0}
        << QStringList() << QByteArray() << 200;
    QTest::newRow("read stalls") << "read" << QByteArray("x") << true << false << -1 << -1 << true
                                 << QList<int>{-1} << QStringList{readFailed.arg("LIBUSB_ERROR_PIPE")}
                                 << QByteArray() << 0;
    QTest::newRow("answer longer than the buffer")
        << "read" << QByteArray(1500, 'A') << false << false << -1 << -1 << true << QList<int>{-1}
        << QStringList{readFailed.arg("LIBUSB_ERROR_OVERFLOW")} << QByteArray() << 0;
}

// A device that says the given bytes in one transfer after its first write
// or at once.
class TalkingDevice : public SimulatedUsbDevice
{
public:
    TalkingDevice() : SimulatedUsbDevice(0x0F0B, 1) {}
    void say(const QByteArray& bytes)
    {
        QMutexLocker lock(&m_mutex);
        queueAnswer(bytes);
    }
};

void TestUsbDevice::transfers()
{
    QFETCH(QString, operation);
    QFETCH(QByteArray, answer);
    QFETCH(bool, stall);
    QFETCH(bool, timeOut);
    QFETCH(int, shortWrite);
    QFETCH(int, unplugAfter);
    QFETCH(bool, opened);
    QFETCH(QList<int>, results);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, received);
    QFETCH(int, waitedMs);

    FakeClock clock;
    auto bus = std::make_shared<SimulatedUsbBus>(clock);
    auto sim = std::make_shared<TalkingDevice>();
    bus->plug(sim);
    RecordingMessages shown;
    USBDevice device(bus, sim, 0x0F0B, 1, shown);
    if (opened)
        QVERIFY(device.open());
    if (!answer.isEmpty())
        sim->say(answer);
    SimulatedFaults faults;
    faults.stall = stall;
    faults.timeOut = timeOut;
    faults.shortWrite = shortWrite;
    faults.unplugAfterBytes = unplugAfter;
    sim->setFaults(faults);

    const QByteArray data("IN;PD10,10;PU;");
    const QStringList operations = operation.split(QLatin1Char(','));
    QCOMPARE(operations.size(), results.size());
    for (int i = 0; i < operations.size(); ++i) {
        if (operations[i] == QLatin1String("write")) {
            QCOMPARE(int(device.write(data.constData(), data.size())), results[i]);
        } else {
            // Guard bytes round the buffer show that nothing is written past it.
            QByteArray buffer(1000 + 2, '\x55');
            const int n = device.read(buffer.data() + 1, 999);
            QCOMPARE(n, results[i]);
            QCOMPARE(buffer.at(0), '\x55');
            QCOMPARE(buffer.right(2), QByteArray("\x55\x55"));
            if (n > 0)
                QCOMPARE(buffer.mid(1, n), answer.left(n));
        }
    }
    QStringList texts;
    for (const RecordingMessages::Message& m : shown.messages())
        texts.append(m.text);
    QCOMPARE(texts, messages);
    QCOMPARE(sim->received(), received);
    QCOMPARE(int(clock.nowMs()), waitedMs);
}

void TestUsbDevice::closeAndReopen()
{
    FakeClock clock;
    auto bus = std::make_shared<SimulatedUsbBus>(clock);
    auto sim = std::make_shared<SimulatedUsbDevice>(0x0F0B, 1);
    bus->plug(sim);
    RecordingMessages shown;
    USBDevice device(bus, sim, 0x0F0B, 1, shown);
    DebugCapture debug;

    device.close();  // never opened: nothing to close, nothing said
    QCOMPARE(debug.lines(), QStringList());

    QVERIFY(device.open());
    QVERIFY(device.open());  // replaces the handle still open
    QVERIFY(sim->isOpen());
    QCOMPARE(sim->openCount(), 2);
    device.close();
    QVERIFY(!sim->isOpen());
    QCOMPARE(debug.count(QStringLiteral("USB device closed")), 2);

    // The write's trace: handle present (0) and the OUT endpoint as a character.
    QVERIFY(device.open());
    debug.clear();
    QVERIFY(device.write("OH;", 3));
    QCOMPARE(debug.lines(), (QStringList{QStringLiteral("0 \x01"), QStringLiteral("2")}));
    QCOMPARE(shown.count(), 0);
}

QTEST_GUILESS_MAIN(TestUsbDevice)
#include "tst_usbdevice.moc"
