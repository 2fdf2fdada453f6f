#pragma once

#include "job/JobRunner.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class Clock;
class Document;
class Plotter;

namespace Ui {
class StatusDialog;
}

// The modal window of a running job: a progress bar, the layer or colour
// being cut and the next one, "Weiter ->" for a pause and Cancel. Both
// workers start when the window is first shown. The window closes itself a
// moment (closeDelayMs) after the plotter worker has finished. Closing it
// earlier, by its Cancel button, Escape or the window's X, only cancels the
// job: the window stays until the workers are done, so it never destroys a
// running worker.
class StatusDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int DotIntervalMs = 350;
    static constexpr int DefaultCloseDelayMs = 1000;

    StatusDialog(Document& doc, Plotter* plotter, Clock& clock, QWidget* parent = nullptr);
    ~StatusDialog() override;

    void setCloseDelayMs(int ms) { m_closeDelayMs = ms; }
    JobRunner& runner() { return m_runner; }

public slots:
    void setProgressBarPos(double pos);
    void onBtnContinueClicked();
    void onBtnCancelClicked();
    void onTimerTimeout();
    void onWorkerDocumentFinished();
    void onWorkerPlotterFinished();
    void onPause();
    void onPosition(int lastSegment, int nextSegment);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void closeAfterJob();

    std::unique_ptr<Ui::StatusDialog> ui;
    Document& m_doc;
    JobRunner m_runner;
    QTimer m_dotTimer;
    QTimer m_closeTimer;
    bool m_threadsStarted = false;
    int m_dots = 0;             // 0 … 3 dots after the base text
    QString m_baseMessage;
    QString m_nextText;
    int m_closeDelayMs = DefaultCloseDelayMs;
};
