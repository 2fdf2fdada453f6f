#include "device/UdevDriverInstaller.h"
#include "device/USBDevice.h"

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"
#include "support/RecordingProcessRunner.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QTemporaryDir>
#include <QtTest>

// The rule really written into and removed from a temporary root by the
// elevated script (run directly, as root would); udevadm is a recorder
// first on PATH.
class TestUdevDriverInstaller : public QObject
{
    Q_OBJECT
private slots:
    void installAndRemove_data()
    {
        QTest::addColumn<QString>("situation"); // root, user (pkexec), no pkexec, refused, read-only
        QTest::addColumn<QString>("operation");  // install or remove (answered Yes, or "no")
        QTest::addColumn<bool>("ruleAfter");
        QTest::addColumn<QString>("calls");      // elevated script, restart, then udevadm's calls
        QTest::addColumn<QString>("message");    // start of the one warning

        const QString udev = "|control --reload-rules|trigger --subsystem-match=usb --attr-match=idVendor=0f0b --action=add";
        QTest::newRow("install") << "root" << "install" << true << "runas|detached" + udev << "";
        QTest::newRow("remove") << "root" << "remove" << false << "runas" + udev << "";
        QTest::newRow("removal declined") << "root" << "no" << true << "" << "";
        QTest::newRow("no pkexec") << "no pkexec" << "install" << false << "" << "Für die Änderung werden Administratorrechte";
        QTest::newRow("pkexec refused") << "refused" << "install" << false << "runas" << "Die Änderung wurde nicht erlaubt.";
        QTest::newRow("rule folder not writable") << "read-only" << "install" << false << "runas"
                                                  << "Die udev-Regel ";
    }

    void installAndRemove()
    {
        QFETCH(QString, situation);
        QFETCH(QString, operation);

        // The rule we ship is the rule we install.
        QVERIFY(TestFiles::read(TestPaths::source("packaging/udev/70-kerfcraft.rules")).contains(USBDevice::udevRule().toUtf8()));
        QTemporaryDir dir;
        const QString bin = dir.filePath("bin"), log = dir.filePath("udevadm.log");
        QVERIFY(TestFiles::write(bin + "/udevadm", "#!/bin/sh\necho \"$*\" >> '" + log.toUtf8() + "'\n"));
        QFile::setPermissions(bin + "/udevadm", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", bin.toUtf8() + ":/usr/bin:/bin");

        const QString root = dir.filePath("root");
        // A file where the rules folder belongs cannot be written through.
        if (situation == "read-only")
            QVERIFY(TestFiles::write(root + "/etc/udev/rules.d"));
        if (operation != "install")
            QVERIFY(TestFiles::write(root + USBDevice::udevRuleFile(), "old"));

        RecordingProcessRunner processes;
        processes.root = situation != "refused" && situation != "no pkexec";
        if (situation != "no pkexec")
            processes.existing << "pkexec";
        processes.onRun = [&](const QString& program, const QStringList& args) {
            if (situation == "refused") {
                ProcessRunner::Result r;
                r.started = r.finished = true;
                r.exitCode = 126;
                return r;
            }
            return ProcessRunner::system().run(program, args, 10000);
        };
        RecordingMessages messages;
        messages.setDefaultAnswer(operation == "no" ? UserMessages::No : UserMessages::Yes);
        FakeClock clock;
        UdevDriverInstaller installer(processes, messages, clock, root);
        installer.program = "kerfcraft";
        installer.arguments = QStringList{"/cut"};
        if (operation == "install")
            installer.installDriver(0x0F0B, 1);
        else
            QCOMPARE(installer.removeDrivers(), operation == "remove");

        QTEST(QFileInfo::exists(root + USBDevice::udevRuleFile()), "ruleAfter");
        if (QFileInfo::exists(root + USBDevice::udevRuleFile()) && operation == "install")
            QCOMPARE(TestFiles::read(root + USBDevice::udevRuleFile()), USBDevice::udevRule().toUtf8() + '\n');
        QStringList calls;
        for (const QString& line : processes.lines)
            calls << line.section(' ', 0, 0);
        calls += QString::fromUtf8(TestFiles::read(log)).split('\n', Qt::SkipEmptyParts);
        QTEST(calls.join('|'), "calls");
        if (processes.lines.join(' ').contains("detached")) {
            QVERIFY(processes.lines.contains("detached kerfcraft /cut"));
            QCOMPARE(clock.nowMs(), qint64(2000));
        }
        const QStringList warnings = messages.texts().filter(QRegularExpression("^(Für|Die)"));
        QFETCH(QString, message);
        QCOMPARE(warnings.size(), message.isEmpty() ? 0 : 1);
        QVERIFY(message.isEmpty() || warnings[0].startsWith(message));
        QCOMPARE(messages.count(), int(operation != "install") + int(!message.isEmpty()));
    }
};

QTEST_GUILESS_MAIN(TestUdevDriverInstaller)
#include "tst_udevdriverinstaller.moc"
