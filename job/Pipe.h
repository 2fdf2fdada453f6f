#pragma once

#include "plot/BlockSink.h"

#include <QByteArray>
#include <QObject>
#include <QQueue>

#include <condition_variable>
#include <mutex>

class Block;

// The queue of stream blocks between the document worker (generation
// pushes) and the plotter worker (pops and sends). Every field is read and
// written under the one mutex; a push or close wakes a reader blocked in
// pop(). The pipe owns the blocks it holds and deletes each once it has
// been read, and whatever is left when it is destroyed.
// The standard mutex and condition variable are used rather than Qt's so
// that the thread sanitizer sees the hand-over (Qt's contended paths live
// in the uninstrumented library).
class Pipe : public QObject, public BlockSink
{
    Q_OBJECT
public:
    explicit Pipe(QObject* parent = nullptr);
    ~Pipe() override;

    // BlockSink, used by generation.
    void enablePauses() override;
    void push(Block* block) override;
    void markFinished() override;
    bool deviceControl() const override;

    // Set before generation from the plotter's model name.
    void setDeviceControl(bool on);
    bool pausesEnabled() const;
    bool isFinished() const;

    // No more blocks will come (generation has returned).
    void close();
    bool isClosed() const;
    bool isEmpty() const;
    int size() const;

    // Takes the oldest block, waiting without time-out while the queue is
    // empty and the pipe still open. Of the block's first `limit` bytes,
    // those up to and including the last ';' are appended to `out`; the
    // rest is dropped, and a block without ';' in its first `limit` bytes
    // gives nothing. Also takes over the block's pause flag and raises the
    // current group to the block's group. Returns false, taking nothing,
    // only when the pipe is closed and empty.
    bool pop(QByteArray& out, int limit);

    // Highest group of all blocks read so far (starts at 0).
    int currentGroup() const;
    // Pause flag of the block read last.
    bool pausePending() const;
    // Group of the first queued block beyond the current group; 0 when
    // there is none.
    int nextGroup() const;

    // Bytes of all blocks pushed so far: the job's size once finished.
    qint64 bytesPushed() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    QQueue<Block*> m_queue;
    // Blocks at the head of the queue already known to be within the
    // current group; the current group only grows, so nextGroup() never
    // looks at them again and stays cheap for long single-group jobs.
    mutable int m_withinCurrent = 0;
    qint64 m_bytesPushed = 0;
    int m_currentGroup = 0;
    bool m_deviceControl = false;
    bool m_pausesEnabled = false;
    bool m_pausePending = false;
    bool m_finished = false;
    bool m_closed = false;
};
