// The status window of a job (offscreen) with a whole job behind it: its
// texts by layers and by colours, "Weiter ->" through a pause with the
// blinking next group, and closing — by itself after the job, or by the
// window's X, which only cancels.

#include "JobFixtures.h"

#include "job/GroupText.h"
#include "job/JobRunner.h"
#include "job/StatusDialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace JobFixtures;

namespace {

const int JobTimeoutMs = 20000;

// A job's window over the virtual plotter, its parts at hand.
struct Window {
    PlotterRig rig;
    Document doc;
    std::unique_ptr<StatusDialog> dialog;
    QLabel* message;
    QLabel* actual;
    QLabel* next;
    QPushButton* continueButton;
    QProgressBar* progress;

    Window(bool byColours, const QString& model) : rig(model)
    {
        byColours ? colours(doc) : layers(doc);
        dialog = std::make_unique<StatusDialog>(doc, rig.plotter.get(), rig.clock);
        dialog->setCloseDelayMs(0);
        dialog->runner().setLastCutPath(rig.lastCutPath());
        message = dialog->findChild<QLabel*>(QStringLiteral("lblMessage"));
        actual = dialog->findChild<QLabel*>(QStringLiteral("lblActualLayer"));
        next = dialog->findChild<QLabel*>(QStringLiteral("lblNextLayer"));
        continueButton = dialog->findChild<QPushButton*>(QStringLiteral("btnContinue"));
        progress = dialog->findChild<QProgressBar*>(QStringLiteral("pbActualJob"));
    }
};

} // namespace

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
        QFETCH(QString, actualAtPause);
        QFETCH(QString, nextAtPause);

        Window w(byColours, model);
        const QList<QByteArray> blocks = blocksOf(w.doc, model.contains(QLatin1String("Sable")));
        QFile stale(w.rig.lastCutPath());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        QSignalSpy paused(&w.dialog->runner(), &JobRunner::paused);
        QSignalSpy done(w.dialog.get(), &QDialog::finished);
        QCOMPARE(w.dialog->windowTitle(), QStringLiteral("Kerfcraft - Status"));
        QVERIFY(!w.continueButton->isEnabled());
        QVERIFY(!w.dialog->runner().isStarted()); // nothing runs before the window is shown

        w.dialog->show();
        QVERIFY(paused.wait(JobTimeoutMs));
        QVERIFY(w.continueButton->isEnabled());
        QVERIFY(w.continueButton->isDefault());
        QCOMPARE(w.actual->text(), actualAtPause);
        QCOMPARE(w.rig.device->received(), kSettings + joined(blocks, 3));
        QStringList ticks;
        for (int tick = 0; tick < 4; ++tick) {
            w.dialog->onTimerTimeout();
            ticks << w.message->text() + "|" + w.next->text();
        }
        const QString text = QStringLiteral("Plotdaten werden erzeugt");
        QCOMPARE(ticks, (QStringList{text + ".|" + nextAtPause, text + "..|" + nextAtPause,
                                     text + "...|" + nextAtPause, text + "|"}));

        const bool goOn = how == QLatin1String("continue");
        if (goOn) {
            w.dialog->hide(); // a second show starts nothing again
            w.dialog->show();
            QTest::mouseClick(w.continueButton, Qt::LeftButton);
            QVERIFY(!w.continueButton->isEnabled());
            QTest::mouseClick(w.continueButton, Qt::LeftButton); // disabled: harmless
            for (int tick = 0; tick < 4; ++tick)
                w.dialog->onTimerTimeout(); // no blinking after the press
            QCOMPARE(w.next->text(), nextAtPause);
        } else if (how == QLatin1String("close")) {
            QVERIFY(!w.dialog->close()); // refused while the job runs
        } else if (how == QLatin1String("escape")) {
            QTest::keyClick(w.dialog.get(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(w.dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        }

        QVERIFY(done.wait(JobTimeoutMs));
        QCOMPARE(done.first().at(0).toInt(), int(goOn ? QDialog::Accepted : QDialog::Rejected));
        QVERIFY(!w.dialog->isVisible());
        QCOMPARE(w.dialog->runner().cancelled(), !goOn);
        QCOMPARE(w.rig.device->received(), kSettings + (goOn ? joined(blocks) : joined(blocks, 3)));
        QCOMPARE(paused.count(), 1);
        if (goOn)
            QCOMPARE(w.progress->value(), w.progress->maximum());
        QVERIFY(!w.rig.device->isOpen());
        QVERIFY(!QFile::exists(w.rig.lastCutPath()));
        QCOMPARE(w.rig.messages.count(), 0);
    }
};

QTEST_MAIN(TestStatusDialog)
#include "tst_statusdialog.moc"
