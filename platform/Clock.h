#pragma once

#include <QtGlobal>

// Time and waiting, behind an interface so that the waits of the program
// (exchange-file polling, plotter answers, the job's once-per-second look)
// take no time in tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;      // monotonic milliseconds
    virtual void sleepMs(int ms) = 0;      // blocks the calling thread

    // The real clock; stateless, shared by everyone.
    static Clock& system();
};

class SystemClock : public Clock
{
public:
    qint64 nowMs() const override;
    void sleepMs(int ms) override;
};
