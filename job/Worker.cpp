#include "job/Worker.h"

#include <QMutexLocker>

Worker::Worker(Pipe& pipe, Clock& clock, QObject* parent)
    : QObject(parent), m_pipe(pipe), m_clock(clock)
{
}

void Worker::setContinue()
{
    QMutexLocker lock(&m_mutex);
    m_continue = true;
    m_flagSet.wakeAll();
}

void Worker::setCancel()
{
    QMutexLocker lock(&m_mutex);
    m_cancel = true;
    m_flagSet.wakeAll();
}

bool Worker::isCancelled() const
{
    QMutexLocker lock(&m_mutex);
    return m_cancel;
}

void Worker::clearContinue()
{
    QMutexLocker lock(&m_mutex);
    m_continue = false;
}

void Worker::clearCancel()
{
    QMutexLocker lock(&m_mutex);
    m_cancel = false;
}

bool Worker::waitForContinueOrCancel()
{
    QMutexLocker lock(&m_mutex);
    // The flags are looked at once a second at the latest; the setters wake
    // the wait at once, so a press of either button takes effect without the
    // second's delay (and tests need not wait for it).
    while (!m_continue && !m_cancel)
        m_flagSet.wait(&m_mutex, 1000);
    m_continue = false;
    return m_cancel;
}

void Worker::process()
{
    work();
    emit finished();
}
