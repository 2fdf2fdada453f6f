#include "job/JobRunner.h"

#include "device/Plotter.h"
#include "job/WorkerDocument.h"
#include "job/WorkerPlotter.h"
#include "plot/Commands.h"
#include "plot/PlotDataGenerator.h"

#include <QCoreApplication>
#include <QTimer>

JobRunner::JobRunner(Document& doc, Plotter* plotter, Clock& clock, QObject* parent)
    : QObject(parent), m_doc(doc),
      m_documentWorker(std::make_unique<WorkerDocument>(m_pipe, doc, clock)),
      m_plotterWorker(std::make_unique<WorkerPlotter>(m_pipe, plotter, clock))
{
    m_pipe.setDeviceControl(deviceControlFor(plotter));
    m_documentThread.setObjectName(QStringLiteral("WorkerDocument"));
    m_plotterThread.setObjectName(QStringLiteral("WorkerPlotter"));
    m_documentWorker->moveToThread(&m_documentThread);
    m_plotterWorker->moveToThread(&m_plotterThread);

    // A thread ends as soon as its worker is done, without a round trip
    // through this thread's event loop, so joining never depends on it.
    connect(&m_documentThread, &QThread::started, m_documentWorker.get(), &Worker::process);
    connect(m_documentWorker.get(), &Worker::finished, &m_documentThread, &QThread::quit,
            Qt::DirectConnection);
    connect(m_documentWorker.get(), &Worker::finished, this, &JobRunner::documentFinished);
    connect(m_documentWorker.get(), &Worker::setProgressBar, this, &JobRunner::onDocumentProgress);

    connect(&m_plotterThread, &QThread::started, m_plotterWorker.get(), &Worker::process);
    connect(m_plotterWorker.get(), &Worker::finished, &m_plotterThread, &QThread::quit,
            Qt::DirectConnection);
    connect(m_plotterWorker.get(), &Worker::finished, this, &JobRunner::onPlotterFinished);
    connect(m_plotterWorker.get(), &Worker::setProgressBar, this, &JobRunner::onPlotterProgress);
    connect(m_plotterWorker.get(), &WorkerPlotter::pause, this, &JobRunner::paused);
    connect(m_plotterWorker.get(), &WorkerPlotter::Position, this, &JobRunner::position);
}

JobRunner::~JobRunner()
{
    // Nothing more reaches whoever listened to this runner; it may be half
    // destroyed already (a dialog destroying its members).
    blockSignals(true);
    m_documentWorker->disconnect(this);
    m_plotterWorker->disconnect(this);
    cancel();
    join(m_plotterThread, *m_plotterWorker);
    join(m_documentThread, *m_documentWorker);
    m_plotterWorker.reset();
    m_documentWorker.reset();
    blockSignals(false); // destroyed() still goes out
}

// A worker may be waiting for a message box shown by this thread (the
// transport's messages go to the GUI thread and block the worker until
// answered), so the GUI thread keeps delivering those calls while it waits.
void JobRunner::join(QThread& thread, const Worker& worker)
{
    const bool guiThread = QCoreApplication::instance()
        && QThread::currentThread() == QCoreApplication::instance()->thread();
    while (!thread.wait(20))
        if (guiThread)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    // Qt's join goes through its own locks, which the thread sanitizer does
    // not see; the worker's flag, read under its mutex, shows it the order.
    worker.hasProcessed();
}

bool JobRunner::deviceControlFor(const Plotter* plotter)
{
    return plotter && Commands::deviceControlForModel(plotter->name());
}

void JobRunner::setLastCutPath(const QString& path) { m_plotterWorker->setLastCutPath(path); }

void JobRunner::setDiagnostics(bool on) { m_documentWorker->setDiagnostics(on); }

void JobRunner::start()
{
    if (m_started)
        return;
    m_started = true;
    if (PlotDataGenerator::volume(m_doc).nodes <= 0) {
        m_refusal = tr("Die Zeichnung enthält nichts zu schneiden; es wurde nichts gesendet.");
        m_plotterFinished = true;
        QTimer::singleShot(0, this, &JobRunner::finished);
        return;
    }
    m_documentThread.start();
    m_plotterThread.start();
}

void JobRunner::continueJob() { m_plotterWorker->setContinue(); }

void JobRunner::cancel()
{
    m_plotterWorker->setCancel();
    m_documentWorker->setCancel();
}

bool JobRunner::transportFailed() const { return m_plotterWorker->transportFailed(); }

bool JobRunner::cancelled() const { return m_plotterWorker->stoppedByCancel(); }

void JobRunner::onDocumentProgress(double pos) { advance(0.5 * pos); }

void JobRunner::onPlotterProgress(double pos) { advance(0.5 + 0.5 * pos); }

// Generation's last report may arrive after sending has begun; the bar
// never moves back.
void JobRunner::advance(double pos)
{
    if (pos <= m_progress)
        return;
    m_progress = pos;
    emit progress(pos);
}

void JobRunner::onPlotterFinished()
{
    m_plotterFinished = true;
    emit finished();
}
