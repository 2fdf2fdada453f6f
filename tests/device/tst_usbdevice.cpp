// A plotter's USB transport, and installing and removing its driver.
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/UsbBench.h"

#include "device/UdevDriverInstaller.h"
#include "device/USBDevice.h"
#include "device/UsbDriverInstaller.h"
#include "platform/RecordingProcessRunner.h"
#include "platform/WindowsDriverTools.h"

#include <QtTest>

namespace {

// "01,82": one interface whose one alternate setting has endpoints 0x01 and
// 0x82; "|" separates interfaces; "-" an interface without alternate setting.
UsbConfigDescriptor layout(const QString& text)
{
    UsbConfigDescriptor config;
    for (const QString& itf : text.split(QLatin1Char('|'))) {
        UsbInterfaceDescriptor interface;
        if (itf != QLatin1String("-")) {
            UsbAltSetting alt;
            for (const QString& ep : itf.split(QLatin1Char(',')))
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
    void removeDrivers() override {}
    QList<QPair<int, int>> calls;
};

} // namespace

class TestUsbDevice : public QObject
{
    Q_OBJECT
private slots:
    void transport_data()
    {
        // The plotter's endpoints, its faults ("gone": unplugged after the scan),
        // the installer's answer to the driver offer (-1: no installer), the
        // operations with their results, and the one message shown: exact, or
        // "~" and its start.
        QTest::addColumn<QString>("endpoints");
        QTest::addColumn<QString>("faults");
        QTest::addColumn<int>("installer");
        QTest::addColumn<QString>("operations");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("message");

        const int none = -1, yes = UserMessages::Yes, no = UserMessages::No;
        const QString noInfo = QStringLiteral("Es konnten keine Informationen zu dem Gerät ermittelt werden.(");
        const QString noOpen = QStringLiteral("Das Gerät konnte nicht geöffnet werden.\nError: ");
        const QString sendFailed = QStringLiteral("Es konnten keine Daten zum Gerät gesendet werden.\nError: ");
        const QString readFailed =
            QStringLiteral("Es konnten keine Daten zum Gerät gesendet werden (2).\nError: ");
        const QString success = QStringLiteral(")\nError: LIBUSB_SUCCESS");

        // Opening, and the endpoints found proved by a question and its answer.
        QTest::newRow("in then out") << "82,01" << "" << none << "open write read" << "1 1 17" << "";
        QTest::newRow("third endpoint not looked at")
            << "02,81,83" << "" << none << "open write read" << "1 1 17" << "";
        QTest::newRow("open twice") << "01,82" << "" << none << "open open write" << "1 1 1" << "";
        QTest::newRow("two OUT, then IN") << "01,02,83" << "" << none << "open" << "0" << noInfo + "5)";
        QTest::newRow("one endpoint") << "01" << "" << none << "open" << "0" << noInfo + "4" + success;
        QTest::newRow("two interfaces") << "01,82|03,84" << "" << none << "open" << "0"
                                        << noInfo + "2" + success;
        QTest::newRow("no alternate setting") << "-" << "" << none << "open" << "0"
                                              << noInfo + "3" + success;
        QTest::newRow("configuration unreadable") << "01,82" << "config=IO" << none << "open" << "0"
                                                  << noInfo + "1)\nError: LIBUSB_ERROR_IO";
        QTest::newRow("interface busy")
            << "01,82" << "claim=BUSY" << none << "open" << "0"
            << "Das Gerät(Interface) konnte nicht geöffnet werden.\nError: LIBUSB_ERROR_BUSY";
        QTest::newRow("unplugged after the scan") << "01,82" << "gone" << none << "open" << "0"
                                                  << noOpen + "LIBUSB_ERROR_NO_DEVICE";
        const QString question = "~Das Gerät konnte nicht geöffnet werden, da der notwendige Treiber noch nicht "
                                 "installiert ist. Soll der Treiber nun installiert werden?";
        QTest::newRow("no driver, nobody to install it")
            << "01,82" << "open=NOT_SUPPORTED" << none << "open" << "0" << "~Kein Zugriff auf den Plotter. Abhilfe als root: echo '";
        QTest::newRow("no permission, installation declined") << "01,82" << "open=ACCESS" << no << "open" << "0" << question;
        QTest::newRow("no driver, installation accepted")
            << "01,82" << "open=NOT_SUPPORTED" << yes << "open" << "0" << question;

        // Transfers on an open device.
        QTest::newRow("write before open") << "01,82" << "" << none << "write" << "0"
                                           << sendFailed + "LIBUSB_ERROR_NO_DEVICE";
        QTest::newRow("write stalls") << "01,82" << "stall" << none << "open write" << "1 0"
                                      << sendFailed + "LIBUSB_ERROR_PIPE";
        QTest::newRow("short write is not examined")
            << "01,82" << "short=2" << none << "open write" << "1 1" << "";
        QTest::newRow("nothing to read: a time-out, no error")
            << "01,82" << "" << none << "open read" << "1 0" << "";
        QTest::newRow("read stalls") << "01,82" << "stall" << none << "open read" << "1 -1"
                                     << readFailed + "LIBUSB_ERROR_PIPE";
    }
    void transport()
    {
        QFETCH(QString, endpoints);
        QFETCH(QString, faults);
        QFETCH(int, installer);
        QFETCH(QString, operations);
        QFETCH(QString, results);
        QFETCH(QString, message);

        UsbBench bench;
        auto sim = bench.plugPlotter();
        sim->setConfiguration(layout(endpoints));
        if (faults == QLatin1String("gone"))
            sim->unplug();
        else
            sim->setFaults(faultsFrom(faults));
        RecordingInstaller installs;
        if (installer >= 0)
            bench.messages.setDefaultAnswer(UserMessages::Button(installer));
        USBDevice device(bench.bus, sim, 0x0F0B, 7, bench.messages, installer >= 0 ? &installs : nullptr);

        QStringList got;
        for (const QString& op : operations.split(QLatin1Char(' '))) {
            if (op == QLatin1String("open"))
                got.append(QString::number(device.open()));
            else if (op == QLatin1String("write"))
                got.append(QString::number(device.write("OH;", 3)));
            else {
                // Guard bytes round the buffer show that nothing is written past it.
                QByteArray buffer(1000 + 2, '\x55');
                const int n = device.read(buffer.data() + 1, 999);
                got.append(QString::number(n));
                QCOMPARE(buffer.left(1) + buffer.right(2), QByteArray("\x55\x55\x55"));
                QCOMPARE(bench.clock.nowMs(), n == 0 ? qint64(USBDevice::ReadTimeoutMs) : 0);
            }
        }
        QCOMPARE(got.join(QLatin1Char(' ')), results);
        if (results.startsWith(QLatin1Char('0')))
            QCOMPARE(device.endpointIn() + device.endpointOut(), 0);
        QCOMPARE(installs.calls.size(), installer == UserMessages::Yes ? 1 : 0);
        if (!installs.calls.isEmpty())
            QCOMPARE(installs.calls.first(), qMakePair(0x0F0B, 7));

        const QStringList shown = bench.messages.texts();
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
        if (message.startsWith(QLatin1Char('~'))) {
            // Only with an installer at hand is the user asked; without one the
            // line says how to get access.
            QVERIFY2(shown[0].startsWith(message.mid(1)), qPrintable(shown[0]));
            QCOMPARE(shown[0].contains(USBDevice::udevRule()), installer < 0);
            QCOMPARE(bench.messages.messages()[0].buttons.testFlag(UserMessages::Yes), installer >= 0);
        } else if (!message.isEmpty()) {
            QCOMPARE(shown[0], message);
        }
        // A failure past opening keeps the handle until close().
        const bool opened = operations.startsWith(QLatin1String("open"));
        QCOMPARE(sim->isOpen(), opened && !faults.startsWith(QLatin1String("open")) && faults != "gone");
        device.close();
        QVERIFY(!sim->isOpen());
    }

    // The udev rule really written into and removed from a temporary root by
    // the elevated script (run directly, as for root); udevadm is a recorder
    // first on PATH.
    void installAndRemove_data()
    {
        QTest::addColumn<QString>("situation"); // root, refused, no pkexec, read-only (a file where the rules folder goes), folder (where the rule goes)
        QTest::addColumn<QString>("answer");    // install or remove
        QTest::addColumn<bool>("ruleAfter");
        QTest::addColumn<QString>("calls");     // runner calls, then udevadm's
        QTest::addColumn<QString>("warning");   // start of the one warning

        const QString udev = "|control --reload-rules|trigger --subsystem-match=usb --attr-match=idVendor=0f0b --action=add";
        QTest::newRow("install, restart") << "root" << "install" << true << "runas|detached" + udev << "";
        QTest::newRow("remove") << "root" << "remove" << false << "runas" + udev << "";
        QTest::newRow("no pkexec") << "no pkexec" << "install" << false << "" << "Für die Änderung werden Administratorrechte";
        QTest::newRow("pkexec refused") << "refused" << "install" << false << "runas" << "Die Änderung wurde nicht erlaubt.";
        QTest::newRow("rule folder not writable") << "read-only" << "install" << false << "runas" << "Die udev-Regel ";
        QTest::newRow("final rename fails") << "folder" << "install" << false << "runas" << "Die udev-Regel ";
    }
    void installAndRemove()
    {
        QFETCH(QString, situation);
        QFETCH(QString, answer);
        // The rule we ship is the rule we install.
        QVERIFY(TestFiles::read(TestPaths::source("packaging/udev/70-kerfcraft.rules")).contains(USBDevice::udevRule().toUtf8()));
        QTemporaryDir dir;
        const QString root = dir.filePath("root"), rule = root + USBDevice::udevRuleFile(), log = dir.filePath("udevadm.log");
        QVERIFY(TestFiles::write(dir.filePath("bin/udevadm"), "#!/bin/sh\necho \"$*\" >> '" + log.toUtf8() + "'\n"));
        QFile::setPermissions(dir.filePath("bin/udevadm"), QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", dir.filePath("bin").toUtf8() + ":/usr/bin:/bin");
        QVERIFY(TestFiles::write(situation == "read-only" ? root + "/etc/udev/rules.d" : situation == "folder" ? rule + "/x" : answer == "install" ? dir.filePath("x") : rule, "old"));

        RecordingProcessRunner processes;
        processes.root = situation == "root" || situation == "read-only" || situation == "folder";
        if (situation != "no pkexec")
            processes.existing << "pkexec";
        processes.onRun = [&](const QString& program, const QStringList& args) {
            ProcessRunner::Result refused{true, true, 126, QString()}; // pkexec's answer to a dismissed password dialog
            return situation == "refused" ? refused : ProcessRunner::system().run(program, args, 10000);
        };
        RecordingMessages messages;
        FakeClock clock;
        UdevDriverInstaller installer(processes, messages, clock, root);
        installer.program = "kerfcraft";
        installer.arguments = QStringList{"/cut"};
        if (answer == "install")
            installer.installDriver(0x0F0B, 1);
        else
            installer.removeDrivers();

        QTEST(QFileInfo(rule).isFile(), "ruleAfter");
        QVERIFY(answer != "install" || !QFileInfo(rule).isFile() || TestFiles::read(rule) == USBDevice::udevRule().toUtf8() + '\n');
        QVERIFY(!QFileInfo::exists(rule + ".new"));
        QStringList calls;
        for (const QString& line : processes.lines)
            calls << line.section(' ', 0, 0);
        QTEST((calls + QString::fromUtf8(TestFiles::read(log)).split('\n', Qt::SkipEmptyParts)).join('|'), "calls");
        QVERIFY(!processes.lines.join(' ').contains("detached") || (processes.lines.contains("detached kerfcraft /cut") && clock.nowMs() == 2000));
        QFETCH(QString, warning);
        const QStringList texts = messages.texts();
        QCOMPARE(texts.size(), int(!warning.isEmpty()));
        QVERIFY(warning.isEmpty() || texts.first().startsWith(warning));
    }

    // The Windows sequence, run on fake program and tools folders.
    void windowsDriverTools()
    {
        QTemporaryDir dir;
        RecordingProcessRunner processes;
        processes.existing << dir.filePath("prog/libusbinst.exe") << dir.filePath("sys/cmd.exe");
        QVERIFY(TestFiles::write(dir.filePath("prog/devcon.exe"), "x"));
        FakeClock clock;
        WindowsDriverTools tools(processes, clock, dir.filePath("prog"), dir.filePath("sys"), dir.filePath("tmp"));
        tools.program = "kc.exe";
        tools.installDriver(0x0F0B, 0x1);
        QCOMPARE(processes.lines, QStringList({"runas " + dir.filePath("prog/libusbinst.exe") + " -v 0xf0b -p 0x1", "detached kc.exe"}));
        const QString t = tools.toolsDir();
        // Two libusb plotters and one of another provider; lines belong to the device above them.
        QVERIFY(TestFiles::write(t + "/result.txt", "USB\\VID_0F0B&PID_0001\\A\n  Inf file is C:\\W\\oem7.inf\n  Provider name is libusb.info\n"
                                                    "USB\\VID_0F0B&PID_0002\\B\n Provider name is Other\n Inf file is C:\\oem8.inf\n"
                                                    "USB\\VID_0F0B&PID_0003\\C\nProvider name is libusb.info\nInf file is C:\\oem9.inf\n"));
        tools.removeDrivers();
        QCOMPARE(TestFiles::read(t + "/deinst.cmd"), QString("%1/devcon.exe remove \"USB\\VID_0F0B&PID_0001\\A\" >%1/result0.txt\n%1/devcon.exe -f dp_delete oem7.inf >%1/result1.txt\n"
                                                             "%1/devcon.exe remove \"USB\\VID_0F0B&PID_0003\\C\" >%1/result0.txt\n%1/devcon.exe -f dp_delete oem9.inf >%1/result1.txt\n").arg(t).toUtf8());
        QVERIFY(QFileInfo::exists(t + "/devcon.exe") && processes.lines.last().startsWith("runas " + dir.filePath("sys/cmd.exe") + " /c "));
    }
};

QTEST_GUILESS_MAIN(TestUsbDevice)
#include "tst_usbdevice.moc"
