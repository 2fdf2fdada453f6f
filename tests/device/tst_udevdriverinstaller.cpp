#include "device/UdevDriverInstaller.h"
#include "device/USBDevice.h"
#include "platform/RecordingProcessRunner.h"
#include "platform/WindowsDriverTools.h"

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QTemporaryDir>
#include <QtTest>

// The rule really written into and removed from a temporary root by the
// elevated script (run directly, as for root); udevadm is a recorder first
// on PATH.
class TestUdevDriverInstaller : public QObject
{
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestUdevDriverInstaller)
#include "tst_udevdriverinstaller.moc"
