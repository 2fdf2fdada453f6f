#pragma once

#include <QObject>
#include <QString>

#include <condition_variable>
#include <mutex>

class Clock;
class Pipe;

// Common base of the two job workers. A worker lives on a thread of its
// own; process() runs its work there and emits finished() afterwards. The
// continue and cancel flags are set from the GUI thread and read by the
// worker, all under the worker's own mutex (a standard one, which the
// thread sanitizer can follow).
class Worker : public QObject
{
    Q_OBJECT
public:
    Worker(Pipe& pipe, Clock& clock, QObject* parent = nullptr);

    // "Weiter ->": the paused job goes on.
    void setContinue();
    // Stop as soon as the work allows.
    void setCancel();
    bool isCancelled() const;
    // Whether process() has done its work and emitted finished(); a thread
    // that saw true sees everything the worker did.
    bool hasProcessed() const;

signals:
    void finished();
    void error(QString err);          // declared for the dialog; no worker reports through it
    void setProgressBar(double pos);  // 0 … 1 of this worker's own part

public slots:
    void process();

protected:
    virtual void work() = 0;

    // Blocks until continue or cancel is set and clears continue; true
    // when cancelled.
    bool waitForContinueOrCancel();
    void clearContinue();
    void clearCancel();

    Pipe& pipe() { return m_pipe; }
    Clock& clock() { return m_clock; }

private:
    Pipe& m_pipe;
    Clock& m_clock;
    mutable std::mutex m_mutex;
    std::condition_variable m_flagSet;
    bool m_continue = false;
    bool m_cancel = false;
    bool m_processed = false;
};
