#pragma once

#include "platform/Clock.h"

#include <QAtomicInteger>
#include <functional>

// A clock that only moves when slept on: sleeping advances it at once.
// onSleep lets a test change the world between two polls (a file appears,
// a plotter answers).
class FakeClock : public Clock
{
public:
    qint64 nowMs() const override { return m_now.loadAcquire(); }
    void sleepMs(int ms) override
    {
        m_now.fetchAndAddOrdered(ms);
        m_sleeps.fetchAndAddOrdered(1);
        if (onSleep)
            onSleep(ms);
    }
    int sleepCount() const { return m_sleeps.loadAcquire(); }

    std::function<void(int)> onSleep;

private:
    QAtomicInteger<qint64> m_now{0};
    QAtomicInteger<int> m_sleeps{0};
};
