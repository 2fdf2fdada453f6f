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

    Window(bool byColours, bool pauses)
    {
        byColours ? colours(doc, pauses) : layers(doc, pauses);
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

    Window w(byColours, false);
    w.dialog->onPosition(last, next);
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

    Window w(byColours, true);
    const QList<QByteArray> blocks = blocksOf(w.doc, true);
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
    QCOMPARE(w.next->text(), nextAtPause);
    QCOMPARE(w.rig.device->received(), kSettings + joined(blocks, 3));

    w.dialog->hide(); // a second show starts nothing again
    w.dialog->show();
    QTest::mouseClick(w.continueButton, Qt::LeftButton);
    QVERIFY(!w.continueButton->isEnabled());
    QTest::mouseClick(w.continueButton, Qt::LeftButton); // disabled: harmless

    QVERIFY(done.wait(JobTimeoutMs));
    QCOMPARE(done.first().at(0).toInt(), int(QDialog::Accepted));
    QVERIFY(!w.dialog->isVisible());
    QCOMPARE(w.rig.device->received(), kSettings + joined(blocks));
    QCOMPARE(w.progress->value(), w.progress->maximum());
    QCOMPARE(paused.count(), 1);
}

// Dots 1, 2, 3, 0 after the message; during a pause the next group is
// blank on the tick with no dots, until "Weiter ->" is pressed.
void TestStatusDialog::blinking_data()
{
    QTest::addColumn<bool>("paused");
    QTest::addColumn<QString>("ticks"); // dots, and N: the next group shown, _: blank
    QTest::newRow("running") << false << "1N 2N 3N 0N 1N 2N 3N 0N";
    QTest::newRow("paused") << true << "1N 2N 3N 0_ 1N 2N 3N 0_";
}

void TestStatusDialog::blinking()
{
    QFETCH(bool, paused);
    QFETCH(QString, ticks);

    Window w(false, true);
    w.dialog->onPosition(0, 2);
    if (paused)
        w.dialog->onPause();
    QStringList got;
    for (int tick = 0; tick < 12; ++tick) {
        if (tick == 8 && paused)
            w.dialog->onBtnContinueClicked();
        w.dialog->onTimerTimeout();
        const QString text = w.message->text();
        QCOMPARE(text.left(24), QStringLiteral("Plotdaten werden erzeugt"));
        got << QString::number(text.size() - 24)
                + (w.next->text() == QLatin1String("Ebene 2: Schrift") ? QStringLiteral("N") : w.next->text() + "_");
    }
    QCOMPARE(got.join(QLatin1Char(' ')), ticks + " 1N 2N 3N 0N");
}

// The bar is its maximum times the position, cut toward zero; the job's
// position is generation's share halved, then 0.5 plus half the share sent.
void TestStatusDialog::progressBar_data()
{
    QTest::addColumn<QString>("source"); // dialog, document, plotter
    QTest::addColumn<double>("pos");
    QTest::addColumn<int>("value");
    QTest::newRow("cut toward zero") << "dialog" << 0.999 << 99;
    QTest::newRow("generation half done") << "document" << 0.5 << 25;
    QTest::newRow("sending 60 %") << "plotter" << 0.6 << 80;
    QTest::newRow("sent") << "plotter" << 1.0 << 100;
}

void TestStatusDialog::progressBar()
{
    QFETCH(QString, source);
    QFETCH(double, pos);
    QFETCH(int, value);

    Window w(false, false);
    // The workers are not started: their signals reach the runner directly.
    if (source == QLatin1String("dialog"))
        w.dialog->setProgressBarPos(pos);
    else if (source == QLatin1String("document"))
        emit w.dialog->runner().documentWorker().setProgressBar(pos);
    else
        emit w.dialog->runner().plotterWorker().setProgressBar(pos);
    QCOMPARE(w.progress->value(), value);
    // Generation's late last report does not move the bar back.
    if (source == QLatin1String("plotter")) {
        emit w.dialog->runner().documentWorker().setProgressBar(1.0);
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

    Window w(false, true);
    const QList<QByteArray> blocks = blocksOf(w.doc, true);
    QSignalSpy paused(&w.dialog->runner(), &JobRunner::paused);
    QSignalSpy done(w.dialog.get(), &QDialog::finished);
    w.dialog->show();
    QVERIFY(paused.wait(JobTimeoutMs));

    if (how == QLatin1String("close"))
        QVERIFY(!w.dialog->close()); // refused while the job runs
    else if (how == QLatin1String("escape"))
        QTest::keyClick(w.dialog.get(), Qt::Key_Escape);
    else
        QTest::mouseClick(w.dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);

    QVERIFY(done.wait(JobTimeoutMs));
    QCOMPARE(done.first().at(0).toInt(), int(QDialog::Rejected));
    QVERIFY(w.dialog->runner().cancelled());
    QCOMPARE(w.rig.device->received(), kSettings + joined(blocks, 3));
    QVERIFY(!w.rig.device->isOpen());
}

QTEST_MAIN(TestStatusDialog)
#include "tst_statusdialog.moc"
