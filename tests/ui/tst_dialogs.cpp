#include "device/UsbDriverInstaller.h"
#include "presets/KerfcraftPresets.h"
#include "ui/AboutDialog.h"
#include "ui/KCSpinBox.h"
#include "ui/NewMaterialDialog.h"

#include "support/RecordingMessages.h"
#include "support/TestFiles.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct CountingInstaller : UsbDriverInstaller {
    void installDriver(int, int) override {}
    void removeDrivers() override { ++removals; }
    int removals = 0;
};
} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    // One control set (none: the start values), then every value read back.
    void newMaterial_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QVariant>("input");
        QTest::addColumn<QString>("expected"); // name|speed|pressure|passes|blade
        QTest::newRow("start") << "" << QVariant() << "|20|30|1|7";
        QTest::newRow("name") << "leName" << QVariant("Folie X") << "Folie X|20|30|1|7";
        QTest::newRow("speed clamps") << "sbGeschwindigkeit" << QVariant(900) << "|500|30|1|7";
        QTest::newRow("pressure") << "sbAndruck" << QVariant(2) << "|20|3|1|7";
        QTest::newRow("passes") << "sbDurchgaenge" << QVariant(10) << "|20|30|9|7";
        QTest::newRow("second blade by name") << "cbBlade" << QVariant(1) << "|20|30|1|3";
    }
    void newMaterial()
    {
        QFETCH(QString, control);
        QFETCH(QVariant, input);
        QTemporaryDir dir;
        const QString path = dir.filePath("KerfcraftPresets.xml");
        TestFiles::write(path, "<KerfcraftPresets><Blades>"
                               "<Blade ID=\"3\"><Names><Name Language=\"de\" Value=\"Zweitmesser\"/></Names></Blade>"
                               "<Blade ID=\"7\"><Names><Name Language=\"de\" Value=\"Standard\"/></Names></Blade>"
                               "</Blades></KerfcraftPresets>");
        RecordingMessages messages;
        KerfcraftPresets presets(messages, path);
        presets.load();
        NewMaterialDialog dialog(&presets);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Neues Material anlegen"));
        if (!control.isEmpty()) {
            QWidget* w = dialog.findChild<QWidget*>(control);
            QVERIFY(w);
            const char* property = qobject_cast<QComboBox*>(w) ? "currentIndex"
                                   : control == "leName"         ? "text"
                                                                 : "value";
            QVERIFY(w->setProperty(property, input));
        }
        const QStringList out{dialog.name(), QString::number(dialog.speed()), QString::number(dialog.pressure()),
                              QString::number(dialog.passes()), QString::number(dialog.bladeId())};
        QTEST(out.join('|'), "expected");
        QCOMPARE(dialog.parameters().blade, dialog.bladeId());
    }

    void spinSteps_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("expected");
        QTest::newRow("up, clamped at 1000") << 998 << 1 << 1000;
        QTest::newRow("down by 5") << 30 << -1 << 25;
        QTest::newRow("page: plain steps") << 30 << 10 << 40;
    }
    void spinSteps()
    {
        QFETCH(int, start);
        QFETCH(int, steps);
        KCSpinBox box;
        box.setRange(0, 1000);
        box.setValue(start);
        box.stepBy(steps);
        QTEST(box.value(), "expected");
    }

    void removeDriver_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("installer");
        QTest::addColumn<int>("removals");
        QTest::addColumn<int>("messages");
        QTest::newRow("declined") << int(UserMessages::No) << true << 0 << 1;
        QTest::newRow("agreed") << int(UserMessages::Yes) << true << 1 << 1;
        QTest::newRow("agreed, no installer: says what is missing") << int(UserMessages::Yes) << false << 0 << 2;
    }
    void removeDriver()
    {
        QFETCH(int, answer);
        QFETCH(bool, installer);
        RecordingMessages messages;
        messages.queueAnswer(UserMessages::Button(answer));
        CountingInstaller counting;
        AboutDialog dialog(messages, installer ? &counting : nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Kerfcraft"));
        dialog.findChild<QPushButton*>("btnUninstallLibUSB")->click();
        QTEST(counting.removals, "removals");
        QTEST(messages.count(), "messages");
        QCOMPARE(messages.messages().first().title, QStringLiteral("USB-Treiber Deinstallation"));
        if (messages.count() == 2)
            QVERIFY(messages.texts().last().contains("udev"));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
