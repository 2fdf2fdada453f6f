#include "device/UsbDriverInstaller.h"
#include "presets/KerfcraftPresets.h"
#include "ui/AboutDialog.h"
#include "ui/KCSpinBox.h"
#include "ui/NewMaterialDialog.h"

#include "support/RecordingMessages.h"
#include "support/TestFiles.h"

#include <QPushButton>
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
        QTest::addColumn<QString>("control"); // widget.property
        QTest::addColumn<QVariant>("input");
        QTest::addColumn<QString>("expected"); // name|speed|pressure|passes|blade
        QTest::newRow("start") << "" << QVariant() << "|20|30|1|7";
        QTest::newRow("name") << "leName.text" << QVariant("Folie X") << "Folie X|20|30|1|7";
        QTest::newRow("speed clamps") << "sbGeschwindigkeit.value" << QVariant(900) << "|500|30|1|7";
        QTest::newRow("pressure") << "sbAndruck.value" << QVariant(2) << "|20|3|1|7";
        QTest::newRow("passes") << "sbDurchgaenge.value" << QVariant(10) << "|20|30|9|7";
        QTest::newRow("second blade by name") << "cbBlade.currentIndex" << QVariant(1) << "|20|30|1|3";
    }
    void newMaterial()
    {
        QFETCH(QString, control);
        QFETCH(QVariant, input);
        QTemporaryDir dir;
        const QString path = dir.filePath("KerfcraftPresets.xml");
        const char* blade = "<Blade ID=\"%1\"><Names><Name Language=\"de\" Value=\"%2\"/></Names></Blade>";
        TestFiles::write(path, QString("<KerfcraftPresets><Blades>%1%2</Blades></KerfcraftPresets>")
                                   .arg(QString(blade).arg(3).arg("Zweitmesser"), QString(blade).arg(7).arg("Standard"))
                                   .toUtf8());
        RecordingMessages messages;
        KerfcraftPresets presets(messages, path);
        presets.load();
        NewMaterialDialog dialog(&presets);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Neues Material anlegen"));
        if (!control.isEmpty()) {
            QWidget* w = dialog.findChild<QWidget*>(control.section('.', 0, 0));
            QVERIFY(w && w->setProperty(qPrintable(control.section('.', 1)), input));
        }
        const QStringList out{dialog.name(), QString::number(dialog.speed()), QString::number(dialog.pressure()),
                              QString::number(dialog.passes()), QString::number(dialog.bladeId())};
        QTEST(out.join('|'), "expected");
    }

    void spinSteps()
    {
        // start, steps, result in 0..1000
        for (const QList<int>& row : {QList<int>{998, 1, 1000}, {30, -1, 25}, {30, 10, 40}}) {
            KCSpinBox box;
            box.setRange(0, 1000);
            box.setValue(row[0]);
            box.stepBy(row[1]);
            QCOMPARE(box.value(), row[2]);
        }
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
