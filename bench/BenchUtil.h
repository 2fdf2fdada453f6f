#pragma once

// Small helpers shared by the benchmarks: wall time, peak resident memory
// and one line per figure with its target beside it.

#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <cstdio>

namespace Bench {

// Peak resident set size of this process in MiB (VmHWM), 0 when unknown.
inline double peakResidentMiB()
{
    // /proc files report size 0, so atEnd() is true at once: read it whole.
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    // /proc files report size 0, so atEnd() is true at once: read to EOF.
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Resets the peak so one phase can be measured on its own (Linux ≥ 4.0).
inline void resetPeakResident()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

class Timer
{
public:
    Timer() { m_t.start(); }
    double seconds() const { return m_t.nsecsElapsed() / 1e9; }
    void restart() { m_t.restart(); }

private:
    QElapsedTimer m_t;
};

// Prints "name: value unit (target: < limit unit) ok|MISSED" and returns
// whether the target was met.
inline bool report(const char* name, double value, const char* unit, double limit)
{
    const bool ok = value < limit;
    std::printf("%-48s %10.3f %-4s (target: < %g %s) %s\n", name, value, unit, limit, unit,
                ok ? "ok" : "MISSED");
    std::fflush(stdout);
    return ok;
}

} // namespace Bench
