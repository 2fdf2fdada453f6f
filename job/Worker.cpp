#include "job/Worker.h"

#include <chrono>

Worker::Worker(Pipe& pipe, Clock& clock, QObject* parent)
    : QObject(parent), m_pipe(pipe), m_clock(clock)
{
}

void Worker::setContinue()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_continue = true;
    m_flagSet.notify_all();
}

void Worker::setCancel()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cancel = true;
    m_flagSet.notify_all();
}

bool Worker::isCancelled() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cancel;
}

void Worker::clearContinue()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_continue = false;
}

void Worker::clearCancel()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cancel = false;
}

bool Worker::waitForContinueOrCancel()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    // The flags are looked at once a second at the latest; the setters wake
    // the wait at once, so a press of either button takes effect without the
    // second's delay (and tests need not wait for it).
    while (!m_continue && !m_cancel)
        m_flagSet.wait_for(lock, std::chrono::seconds(1));
    m_continue = false;
    return m_cancel;
}

bool Worker::hasProcessed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_processed;
}

void Worker::process()
{
    work();
    emit finished();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_processed = true;
}
