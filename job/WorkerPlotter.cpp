#include "job/WorkerPlotter.h"

#include "platform/Logger.h"
#include "device/Plotter.h"
#include "job/Pipe.h"
#include "platform/Clock.h"
#include "platform/Environment.h"

#include <QDir>
#include <QFile>

WorkerPlotter::WorkerPlotter(Pipe& pipe, Plotter* plotter, Clock& clock, QObject* parent)
    : Worker(pipe, clock, parent), m_plotter(plotter), m_lastCutPath(defaultLastCutPath())
{
}

QString WorkerPlotter::defaultLastCutPath()
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(QDir::tempPath() + QLatin1Char('/'))
        + QStringLiteral("lastcut.txt");
#else
    return Environment::toolkitTempDir() + QStringLiteral("/lastcut.txt");
#endif
}

bool WorkerPlotter::transportFailed() const
{
    std::lock_guard<std::mutex> lock(m_resultMutex);
    return m_transportFailed;
}

bool WorkerPlotter::stoppedByCancel() const
{
    std::lock_guard<std::mutex> lock(m_resultMutex);
    return m_stoppedByCancel;
}

// The settings go out on a link of their own, closed again, before the job
// link is opened. A failed open or write has shown its message; no further
// open or write is tried, so the user sees that one message only.
bool WorkerPlotter::prepareLink()
{
    if (!m_plotter->open())
        return false;
    const bool sent = m_plotter->sendSettings(m_plotter->unrollMedium(), m_plotter->edgeSmoothing());
    m_plotter->close();
    return sent && m_plotter->open();
}

void WorkerPlotter::reportProgress(qint64 sent, qint64 total)
{
    const int step = total > 0 ? int(qMin<qint64>(sent * 1000 / total, 1000)) : 1000;
    if (step == m_lastStep)
        return;
    m_lastStep = step;
    emit setProgressBar(step / 1000.0);
}

void WorkerPlotter::work()
{
    bool linkOk = m_plotter && prepareLink();

    while (!pipe().isFinished())
        clock().sleepMs(GenerationLookMs);

    if (!m_lastCutPath.isEmpty() && QFile::exists(m_lastCutPath))
        QFile::remove(m_lastCutPath);

    const qint64 total = pipe().bytesPushed();
    qint64 sent = 0;
    m_lastStep = -1;
    reportProgress(0, total);
    bool cancelled = false;
    QByteArray bytes;
    for (;;) {
        if (pipe().isClosed() && pipe().isEmpty())
            break;
        bytes.clear();
        if (!pipe().pop(bytes, PopLimit))
            break; // closed and empty after all
        if (!bytes.isEmpty() && linkOk)
            linkOk = m_plotter->write(bytes);
        sent += bytes.size();
        reportProgress(sent, total);
        emit Position(pipe().currentGroup(), pipe().nextGroup());
        // A job whose link has failed cuts nothing more: no point in
        // stopping for the user.
        if (pipe().pausePending() && (linkOk || !m_plotter)) {
            clearContinue(); // a stale press must not skip this pause
            emit pause();
            waitForContinueOrCancel();
        }
        if (isCancelled()) {
            cancelled = true;
            break;
        }
    }

    clearCancel();
    if (m_plotter)
        m_plotter->close();
    const bool failed = m_plotter && !linkOk;
    Logger::debug(QStringLiteral("Job ended: %1 of %2 bytes taken from the queue, cancelled %3, "
                                 "link failed %4")
                      .arg(sent)
                      .arg(total)
                      .arg(cancelled ? 1 : 0)
                      .arg(failed ? 1 : 0));
    std::lock_guard<std::mutex> lock(m_resultMutex);
    m_transportFailed = failed;
    m_stoppedByCancel = cancelled;
}
