#pragma once

#include "job/Pipe.h"

#include <QObject>
#include <QThread>

#include <memory>

class Clock;
class Document;
class Plotter;
class Worker;
class WorkerDocument;
class WorkerPlotter;

// One cutting job without any window: the pipe, the document worker and
// the plotter worker, each worker on a thread of its own. Used by the
// status dialog and by `kerfcraft-cli send`. Lives on the thread that
// creates it (the GUI thread); its signals arrive there.
//
// The workers have no parent; they are moved to their threads and deleted
// only after those threads have ended. The destructor cancels the job and
// waits for both threads, so a runner may be destroyed at any time.
class JobRunner : public QObject
{
    Q_OBJECT
public:
    // plotter may be null: the job is generated and drained, nothing sent.
    JobRunner(Document& doc, Plotter* plotter, Clock& clock, QObject* parent = nullptr);
    ~JobRunner() override;

    // Whether a plotter model takes the device-control strings: its name in
    // lower case contains "sable", or "expert" but not "pro".
    static bool deviceControlFor(const Plotter* plotter);

    // Before start(): where the stale "lastcut.txt" is deleted; generation's
    // diagnostic lines.
    void setLastCutPath(const QString& path);
    void setDiagnostics(bool on);

    // Starts both threads; later calls do nothing. A job with nothing to
    // cut is refused instead: no thread starts, nothing reaches the plotter,
    // refusal() says why and finished() follows from the event loop.
    void start();
    QString refusal() const { return m_refusal; }
    bool isStarted() const { return m_started; }
    // Started and the plotter worker has not finished yet.
    bool isRunning() const { return m_started && !m_plotterFinished; }

    void continueJob();
    // Sets both workers' cancel flags. The sender stops after the block
    // being written, or at once when paused; generation runs to its end.
    void cancel();

    // After finished().
    bool transportFailed() const;
    bool cancelled() const;

    Pipe& pipe() { return m_pipe; }
    WorkerDocument& documentWorker() { return *m_documentWorker; }
    WorkerPlotter& plotterWorker() { return *m_plotterWorker; }

signals:
    // The whole job, 0 … 1: generation fills the first half, sending (bytes
    // written of the job's bytes) the second, so the bar keeps moving while
    // a generated job goes out.
    void progress(double pos);
    void position(int lastSegment, int nextSegment);
    void paused();
    void documentFinished();
    void finished();

private slots:
    void onDocumentProgress(double pos);
    void onPlotterProgress(double pos);
    void onPlotterFinished();

private:
    void join(QThread& thread, const Worker& worker);
    void advance(double pos);

    Document& m_doc;
    Pipe m_pipe;
    QThread m_documentThread;
    QThread m_plotterThread;
    std::unique_ptr<WorkerDocument> m_documentWorker;
    std::unique_ptr<WorkerPlotter> m_plotterWorker;
    bool m_started = false;
    bool m_plotterFinished = false;
    double m_progress = -1;
    QString m_refusal;
};
