// The status window of a job (offscreen): its texts by layers and by
// colours, "Weiter ->" through a pause, the blinking next group, the
// progress bar, and closing — by itself after the job, or by the window's
// X, which only cancels.

#include "JobFixtures.h"

#include "job/JobRunner.h"
#include "job/StatusDialog.h"
#include "job/WorkerDocument.h"
#include "job/WorkerPlotter.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace JobFixtures;

namespace {

const int JobTimeoutMs = 20000;

struct Widgets {
    QLabel* message;
    QLabel* actual;
    QLabel* next;
    QPushButton* continueButton;
    QProgressBar* progress;
    QDialogButtonBox* buttons;
};

Widgets widgets(StatusDialog& dialog)
{
    return {dialog.findChild<QLabel*>(QStringLiteral("lblMessage")),
            dialog.findChild<QLabel*>(QStringLiteral("lblActualLayer")),
            dialog.findChild<QLabel*>(QStringLiteral("lblNextLayer")),
            dialog.findChild<QPushButton*>(QStringLiteral("btnContinue")),
            dialog.findChild<QProgressBar*>(QStringLiteral("pbActualJob")),
            dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))};
}

} // namespace

class TestStatusDialog : public QObject
{
    Q_OBJECT
private slots:
    void form();
    void statusTexts_data();
    void statusTexts();
    void pauseAndContinue_data();
    void pauseAndContinue();
    void blinking_data();
    void blinking();
    void progressBar_data();
    void progressBar();
    void closing_data();
    void closing();
};

void TestStatusDialog::form()
{
    PlotterRig rig;
    Document d;
    layers(d, false);
    StatusDialog dialog(d, rig.plotter.get(), rig.clock);
    const Widgets w = widgets(dialog);
    QVERIFY(w.message && w.actual && w.next && w.continueButton && w.progress && w.buttons);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Kerfcraft - Status"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("lblActualJob"))->text(),
             QStringLiteral("Aktueller Job"));
    QCOMPARE(w.message->text(), QStringLiteral("Plotdaten werden erzeugt"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("label_2"))->text(),
             QStringLiteral("Aktuelle Ebene/Farbe:"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("label"))->text(),
             QStringLiteral("Nächste Ebene/Farbe:"));
    QCOMPARE(w.continueButton->text(), QStringLiteral("Weiter ->"));
    QVERIFY(!w.continueButton->isEnabled());
    QCOMPARE(w.buttons->standardButtons(), QDialogButtonBox::StandardButtons(QDialogButtonBox::Cancel));
    QCOMPARE(w.progress->value(), 0);
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize()); // fixed size
    // Nothing runs before the window is shown.
    QVERIFY(!dialog.runner().isStarted());
}

void TestStatusDialog::statusTexts_data()
{
    QTest::addColumn<bool>("byColours");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("next");
    QTest::addColumn<QString>("actualText");
    QTest::addColumn<QString>("nextText");
    QTest::newRow("layers") << false << 0 << 2 << "Ebene 0: Umriss" << "Ebene 2: Schrift";
    QTest::newRow("layers, no later block: group 0")
        << false << 2 << 0 << "Ebene 2: Schrift" << "Ebene 0: Umriss";
    QTest::newRow("layer the document lacks") << false << 7 << 1 << "Ebene 7: " << "Ebene 1: Entwurf";
    QTest::newRow("colours: CMYK and RGB")
        << true << 0 << 2 << "Farbe 0: Rot (CMYK 0, 255, 255, 0)" << "Farbe 2: Blau (RGB 0, 0, 255)";
    QTest::newRow("colours: RGB not cut") << true << 1 << 0 << "Farbe 1: Grün (RGB 0, 128, 0)"
                                          << "Farbe 0: Rot (CMYK 0, 255, 255, 0)";
}

void TestStatusDialog::statusTexts()
{
    QFETCH(bool, byColours);
    QFETCH(int, last);
    QFETCH(int, next);
    QFETCH(QString, actualText);
    QFETCH(QString, nextText);

    PlotterRig rig;
    Document d;
    byColours ? colours(d, false) : layers(d, false);
    StatusDialog dialog(d, rig.plotter.get(), rig.clock);
    const Widgets w = widgets(dialog);
    dialog.onPosition(last, next);
    QCOMPARE(w.actual->text(), actualText);
    QCOMPARE(w.next->text(), nextText);
}

// A real job through the window: at the pause "Weiter ->" is enabled and
// the default button, the texts show the group just finished and the next
// one; a press disables it and the job runs to its end; the window then
// closes by itself.
void TestStatusDialog::pauseAndContinue_data()
{
    QTest::addColumn<bool>("byColours");
    QTest::addColumn<QString>("actualAtPause");
    QTest::addColumn<QString>("nextAtPause");
    QTest::newRow("layers") << false << "Ebene 0: Umriss" << "Ebene 2: Schrift";
    QTest::newRow("colours") << true << "Farbe 0: Rot (CMYK 0, 255, 255, 0)"
                             << "Farbe 2: Blau (RGB 0, 0, 255)";
}

void TestStatusDialog::pauseAndContinue()
{
    QFETCH(bool, byColours);
    QFETCH(QString, actualAtPause);
    QFETCH(QString, nextAtPause);

    PlotterRig rig;
    Document d;
    byColours ? colours(d, true) : layers(d, true);
    const QList<QByteArray> blocks = blocksOf(d, true);
    StatusDialog dialog(d, rig.plotter.get(), rig.clock);
    dialog.setCloseDelayMs(0);
    dialog.runner().setLastCutPath(rig.lastCutPath());
    const Widgets w = widgets(dialog);
    QSignalSpy paused(&dialog.runner(), &JobRunner::paused);
    QSignalSpy done(&dialog, &QDialog::finished);

    dialog.show();
    QVERIFY(dialog.runner().isStarted());
    QVERIFY(paused.wait(JobTimeoutMs));
    QVERIFY(w.continueButton->isEnabled());
    QVERIFY(w.continueButton->isDefault());
    QCOMPARE(w.actual->text(), actualAtPause);
    QCOMPARE(w.next->text(), nextAtPause);
    QCOMPARE(rig.device->received(), settingsCommand(false, true) + joined(blocks, 3));

    dialog.hide(); // a second show starts nothing again
    dialog.show();
    QTest::mouseClick(w.continueButton, Qt::LeftButton);
    QVERIFY(!w.continueButton->isEnabled());
    QTest::mouseClick(w.continueButton, Qt::LeftButton); // disabled: harmless

    QVERIFY(done.wait(JobTimeoutMs));
    QCOMPARE(done.first().at(0).toInt(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(rig.device->received(), settingsCommand(false, true) + joined(blocks));
    QCOMPARE(w.progress->value(), w.progress->maximum());
    QCOMPARE(paused.count(), 1);
}

// Dots 1, 2, 3, 0 after the message; during a pause the next group is
// blank on the tick with no dots.
void TestStatusDialog::blinking_data()
{
    QTest::addColumn<bool>("paused");
    QTest::addColumn<QString>("nextTexts");
    QTest::newRow("running") << false << "N N N N N N N N";
    QTest::newRow("paused") << true << "N N N _ N N N _";
}

void TestStatusDialog::blinking()
{
    QFETCH(bool, paused);
    QFETCH(QString, nextTexts);

    PlotterRig rig;
    Document d;
    layers(d, true);
    StatusDialog dialog(d, rig.plotter.get(), rig.clock);
    const Widgets w = widgets(dialog);
    dialog.onPosition(0, 2);
    if (paused)
        dialog.onPause();
    QStringList next, dots;
    for (int tick = 0; tick < 8; ++tick) {
        dialog.onTimerTimeout();
        next << (w.next->text().isEmpty() ? QStringLiteral("_") : QStringLiteral("N"));
        QVERIFY(w.next->text().isEmpty() || w.next->text() == QStringLiteral("Ebene 2: Schrift"));
        dots << QString::number(w.message->text().count(QLatin1Char('.')));
        QVERIFY(w.message->text().startsWith(QStringLiteral("Plotdaten werden erzeugt")));
    }
    QCOMPARE(next.join(QLatin1Char(' ')), nextTexts);
    QCOMPARE(dots.join(QLatin1Char(' ')), QStringLiteral("1 2 3 0 1 2 3 0"));
    // "Weiter ->" pressed: the next group stays.
    if (paused) {
        dialog.onBtnContinueClicked();
        for (int tick = 0; tick < 4; ++tick) {
            dialog.onTimerTimeout();
            QCOMPARE(w.next->text(), QStringLiteral("Ebene 2: Schrift"));
        }
    }
}

// The bar is its maximum times the position, cut toward zero; the job's
// position is generation's share halved, then 0.5 plus half the share sent.
void TestStatusDialog::progressBar_data()
{
    QTest::addColumn<QString>("source"); // dialog, document, plotter
    QTest::addColumn<double>("pos");
    QTest::addColumn<int>("value");
    QTest::newRow("start") << "dialog" << 0.0 << 0;
    QTest::newRow("cut toward zero") << "dialog" << 0.999 << 99;
    QTest::newRow("a quarter") << "dialog" << 0.2549 << 25;
    QTest::newRow("end") << "dialog" << 1.0 << 100;
    QTest::newRow("generation half done") << "document" << 0.5 << 25;
    QTest::newRow("generation done") << "document" << 1.0 << 50;
    QTest::newRow("sending started") << "plotter" << 0.0 << 50;
    QTest::newRow("sending 60 %") << "plotter" << 0.6 << 80;
    QTest::newRow("sent") << "plotter" << 1.0 << 100;
}

void TestStatusDialog::progressBar()
{
    QFETCH(QString, source);
    QFETCH(double, pos);
    QFETCH(int, value);

    PlotterRig rig;
    Document d;
    layers(d, false);
    StatusDialog dialog(d, rig.plotter.get(), rig.clock);
    const Widgets w = widgets(dialog);
    // The workers are not started: their signals reach the runner directly.
    if (source == QLatin1String("dialog"))
        dialog.setProgressBarPos(pos);
    else if (source == QLatin1String("document"))
        emit dialog.runner().documentWorker().setProgressBar(pos);
    else
        emit dialog.runner().plotterWorker().setProgressBar(pos);
    QCOMPARE(w.progress->value(), value);
    // Generation's late last report does not move the bar back.
    if (source == QLatin1String("plotter")) {
        emit dialog.runner().documentWorker().setProgressBar(1.0);
        QCOMPARE(w.progress->value(), value);
    }
}

// The window's X, Escape or Cancel during a pause cancel the job; the
// window stays until the plotter worker is done and then closes itself.
void TestStatusDialog::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("window X") << "close";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("Cancel button") << "cancel";
}

void TestStatusDialog::closing()
{
    QFETCH(QString, how);

    PlotterRig rig;
    Document d;
    layers(d, true);
    const QList<QByteArray> blocks = blocksOf(d, true);
    auto dialog = std::make_unique<StatusDialog>(d, rig.plotter.get(), rig.clock);
    dialog->setCloseDelayMs(0);
    dialog->runner().setLastCutPath(rig.lastCutPath());
    QSignalSpy paused(&dialog->runner(), &JobRunner::paused);
    QSignalSpy done(dialog.get(), &QDialog::finished);
    dialog->show();
    QVERIFY(paused.wait(JobTimeoutMs));

    if (how == QLatin1String("close"))
        QVERIFY(!dialog->close()); // refused while the job runs
    else if (how == QLatin1String("escape"))
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    else
        QTest::mouseClick(widgets(*dialog).buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);

    QVERIFY(done.wait(JobTimeoutMs));
    QCOMPARE(done.first().at(0).toInt(), int(QDialog::Rejected));
    QVERIFY(dialog->runner().cancelled());
    QCOMPARE(rig.device->received(), settingsCommand(false, true) + joined(blocks, 3));
    QVERIFY(!rig.device->isOpen());
    dialog.reset();
}

QTEST_MAIN(TestStatusDialog)
#include "tst_statusdialog.moc"
