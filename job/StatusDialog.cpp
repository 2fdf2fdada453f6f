#include "job/StatusDialog.h"

#include "ui_StatusDialog.h"

#include "job/GroupText.h"

#include <QAbstractButton>
#include <QPushButton>

StatusDialog::StatusDialog(Document& doc, Plotter* plotter, Clock& clock, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::StatusDialog>()), m_doc(doc),
      m_runner(doc, plotter, clock)
{
    ui->setupUi(this);
    setFixedSize(size());
    m_baseMessage = ui->lblMessage->text();

    m_dotTimer.setInterval(DotIntervalMs);
    connect(&m_dotTimer, &QTimer::timeout, this, &StatusDialog::onTimerTimeout);
    m_dotTimer.start();
    m_closeTimer.setSingleShot(true);
    connect(&m_closeTimer, &QTimer::timeout, this, &StatusDialog::closeAfterJob);

    connect(ui->buttonBox, &QDialogButtonBox::clicked, this, &StatusDialog::onBtnCancelClicked);
    connect(ui->btnContinue, &QPushButton::clicked, this, &StatusDialog::onBtnContinueClicked);
    connect(&m_runner, &JobRunner::documentFinished, this, &StatusDialog::onWorkerDocumentFinished);
    connect(&m_runner, &JobRunner::progress, this, &StatusDialog::setProgressBarPos);
    connect(&m_runner, &JobRunner::finished, this, &StatusDialog::onWorkerPlotterFinished);
    connect(&m_runner, &JobRunner::paused, this, &StatusDialog::onPause);
    connect(&m_runner, &JobRunner::position, this, &StatusDialog::onPosition);
}

StatusDialog::~StatusDialog() = default;

void StatusDialog::setProgressBarPos(double pos)
{
    ui->pbActualJob->setValue(int(ui->pbActualJob->maximum() * pos));
}

void StatusDialog::onBtnContinueClicked()
{
    ui->btnContinue->setEnabled(false);
    m_runner.continueJob();
}

void StatusDialog::onBtnCancelClicked() { m_runner.cancel(); }

// Dots 0, 1, 2, 3, 0, … after the message; during a pause the next group
// blinks: shown for three ticks, blank on the tick with no dots.
void StatusDialog::onTimerTimeout()
{
    m_dots = (m_dots + 1) % 4;
    ui->lblMessage->setText(m_baseMessage + QString(m_dots, QLatin1Char('.')));
    const bool blank = m_dots == 0 && ui->btnContinue->isEnabled();
    ui->lblNextLayer->setText(blank ? QString() : m_nextText);
}

void StatusDialog::onWorkerDocumentFinished() {}

void StatusDialog::onWorkerPlotterFinished()
{
    // A refused job leaves its reason up until the user closes the window.
    if (!m_runner.refusal().isEmpty()) {
        m_dotTimer.stop();
        ui->lblMessage->setText(m_runner.refusal());
        return;
    }
    m_closeTimer.start(m_closeDelayMs);
}

void StatusDialog::onPause()
{
    ui->btnContinue->setEnabled(true);
    ui->btnContinue->setDefault(true);
}

void StatusDialog::onPosition(int lastSegment, int nextSegment)
{
    ui->lblActualLayer->setText(groupText(m_doc, lastSegment));
    m_nextText = groupText(m_doc, nextSegment);
    ui->lblNextLayer->setText(m_nextText);
}

// Escape and the window's X come here. While the job runs they cancel it;
// the window closes when the plotter worker is done.
void StatusDialog::reject()
{
    if (m_runner.isRunning()) {
        onBtnCancelClicked();
        return;
    }
    QDialog::reject();
}

void StatusDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_threadsStarted)
        return;
    m_threadsStarted = true;
    m_runner.start();
}

void StatusDialog::closeAfterJob()
{
    m_dotTimer.stop();
    done(m_runner.cancelled() ? QDialog::Rejected : QDialog::Accepted);
}
