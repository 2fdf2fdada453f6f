// The status window of a job (offscreen) with a whole job behind it: its
// texts by layers and by colours, "Weiter ->" through a pause with the
// blinking next group, and closing — by itself after the job, or by the
// window's X, which only cancels.

#include "JobFixtures.h"

#include "job/GroupText.h"
#include "job/JobRunner.h"
#include "job/StatusDialog.h"

#include "support/TestFiles.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace JobFixtures;

class TestStatusDialog : public QObject
{
    Q_OBJECT
private slots:
    // A group the document lacks (only a broken stream names one) shows its
    // number without a name instead of reading past the lists.
    void missingGroup()
    {
        Document byLayers, byColours;
        layers(byLayers);
        colours(byColours);
        QCOMPARE(groupText(byLayers, 7), QStringLiteral("Ebene 7: "));
        QCOMPARE(groupText(byColours, 7), QStringLiteral("Farbe 7:  "));
    }

    // A whole job through the window. The plotter gets its settings and every
    // block of the generation in order, and the stale "lastcut.txt" goes. At
    // the pause it has exactly the blocks up to the pause block; "Weiter ->" is
    // enabled and the default button, the texts show the group just finished
    // and the next one, which blinks: shown for three ticks of the dots, blank
    // on the tick with none. A press disables the button and the job runs to
    // its end; the window's X, Escape or Cancel only cancel it. Either way the
    // window closes by itself once the plotter worker is done.
    void pause_data()
    {
        QTest::addColumn<bool>("byColours");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("actualAtPause");
        QTest::addColumn<QString>("nextAtPause");
        const QString sable = QStringLiteral("Kerfcraft Sable 60");
        const QString umriss = QStringLiteral("Ebene 0: Umriss");
        const QString schrift = QStringLiteral("Ebene 2: Schrift");
        QTest::newRow("layers, Weiter") << false << sable << "continue" << umriss << schrift;
        QTest::newRow("colours, Weiter") << true << sable << "continue" << "Farbe 0: Rot (CMYK 0, 255, 255, 0)"
                                         << "Farbe 2: Blau (RGB 0, 0, 255)";
        QTest::newRow("a model without device-control strings")
            << false << "Kerfcraft Expert Pro 24" << "continue" << umriss << schrift;
        QTest::newRow("window X") << false << sable << "close" << umriss << schrift;
        QTest::newRow("Escape") << false << sable << "escape" << umriss << schrift;
        QTest::newRow("Cancel button") << false << sable << "cancel" << umriss << schrift;
    }
    void pause()
    {
        QFETCH(bool, byColours);
        QFETCH(QString, model);
        QFETCH(QString, how);
        QFETCH(QString, nextAtPause);

        PlotterRig rig(model);
        Document doc;
        byColours ? colours(doc) : layers(doc);
        StatusDialog dialog(doc, rig.plotter.get(), rig.clock);
        dialog.setCloseDelayMs(0);
        dialog.runner().setLastCutPath(rig.lastCutPath());
        auto* continueButton = dialog.findChild<QPushButton*>("btnContinue");
        const auto text = [&](const char* label) { return dialog.findChild<QLabel*>(label)->text(); };
        const QList<QByteArray> blocks = blocksOf(doc, model.contains(QLatin1String("Sable")));
        QVERIFY(TestFiles::write(rig.lastCutPath())); // a stale one
        QSignalSpy paused(&dialog.runner(), &JobRunner::paused);
        QSignalSpy done(&dialog, &QDialog::finished);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kerfcraft - Status"));
        QVERIFY(!continueButton->isEnabled());
        QVERIFY(!dialog.runner().isStarted()); // nothing runs before the window is shown

        dialog.show();
        QVERIFY(paused.wait(JobTimeoutMs));
        QVERIFY(continueButton->isEnabled());
        QVERIFY(continueButton->isDefault());
        QTEST(text("lblActualLayer"), "actualAtPause");
        QCOMPARE(rig.device->received(), kSettings + joined(blocks, 3));
        QStringList ticks;
        for (int tick = 0; tick < 4; ++tick) {
            dialog.onTimerTimeout();
            ticks << text("lblMessage") + "|" + text("lblNextLayer");
        }
        const QString generating = QStringLiteral("Plotdaten werden erzeugt");
        QCOMPARE(ticks, (QStringList{generating + ".|" + nextAtPause, generating + "..|" + nextAtPause,
                                     generating + "...|" + nextAtPause, generating + "|"}));

        const bool goOn = how == QLatin1String("continue");
        if (goOn) {
            dialog.hide(); // a second show starts nothing again
            dialog.show();
            QTest::mouseClick(continueButton, Qt::LeftButton);
            QVERIFY(!continueButton->isEnabled());
            QTest::mouseClick(continueButton, Qt::LeftButton); // disabled: harmless
            for (int tick = 0; tick < 4; ++tick)
                dialog.onTimerTimeout(); // no blinking after the press
            QCOMPARE(text("lblNextLayer"), nextAtPause);
        } else if (how == QLatin1String("close")) {
            QVERIFY(!dialog.close()); // refused while the job runs
        } else if (how == QLatin1String("escape")) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        }

        QVERIFY(done.wait(JobTimeoutMs));
        QCOMPARE(done.first().at(0).toInt(), int(goOn ? QDialog::Accepted : QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.runner().cancelled(), !goOn);
        QCOMPARE(rig.device->received(), kSettings + (goOn ? joined(blocks) : joined(blocks, 3)));
        QCOMPARE(paused.count(), 1);
        auto* progress = dialog.findChild<QProgressBar*>("pbActualJob");
        QVERIFY(!goOn || progress->value() == progress->maximum());
        QVERIFY(!rig.device->isOpen());
        QVERIFY(!QFile::exists(rig.lastCutPath()));
        QCOMPARE(rig.messages.count(), 0);
    }
};

QTEST_MAIN(TestStatusDialog)
#include "tst_statusdialog.moc"
