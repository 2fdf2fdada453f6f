#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QThread>

qint64 SystemClock::nowMs() const
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

void SystemClock::sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

Clock& Clock::system()
{
    static SystemClock clock;
    return clock;
}
