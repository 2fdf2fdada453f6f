#pragma once

#include "job/Worker.h"

#include <QString>

#include <mutex>

class Plotter;

// The plotter side of a job. In order:
//  1. open the plotter, send its plotter-only settings (unroll medium, edge
//     smoothing, as last read from or set on it), close it and open it
//     again;
//  2. look once a second (through the clock) until the pipe is finished:
//     sending starts only when the whole job has been generated;
//  3. delete the "lastcut.txt" of the temporary folder, if any;
//  4. send: pop a block (limit PopLimit bytes), write it in one USB write,
//     emit Position(current group, next group); after a pause block emit
//     pause() and wait for continue or cancel; leave on cancel or when the
//     pipe is closed and empty;
//  5. clear cancel, close the plotter; process() then emits finished().
// Cancel takes effect after the block being written, also when it came
// while waiting for generation (the first block still goes out), and at
// once during a pause.
//
// Faults: the transport shows its one German message for a failed open or
// write. After the first such failure nothing more is written: the
// remaining blocks are drained without writing (and without pausing), the
// plotter is closed and the worker finishes. Going on writing to an
// unplugged or stalled device would only stack up one message box per
// remaining block, and a job is never left hanging halfway.
// A write the device takes only in part still counts as done: the
// transport does not report how many bytes went through.
//
// No lock is held across a USB write.
class WorkerPlotter : public Worker
{
    Q_OBJECT
public:
    static constexpr int PopLimit = 10000000;
    static constexpr int GenerationLookMs = 1000;

    // plotter may be null: the job is then generated and drained unsent.
    WorkerPlotter(Pipe& pipe, Plotter* plotter, Clock& clock, QObject* parent = nullptr);

    // "lastcut.txt" in the toolkit's temporary folder; an empty path
    // deletes nothing.
    static QString defaultLastCutPath();
    void setLastCutPath(const QString& path) { m_lastCutPath = path; }

    // After finished(): whether the plotter could not be opened or a write
    // failed, and whether the send loop ended on cancel.
    bool transportFailed() const;
    bool stoppedByCancel() const;

signals:
    void pause();
    void Position(int lastSegment, int nextSegment);

protected:
    void work() override;

private:
    bool prepareLink();
    void reportProgress(qint64 sent, qint64 total);

    Plotter* m_plotter;
    QString m_lastCutPath;
    int m_lastStep = -1;
    mutable std::mutex m_resultMutex;
    bool m_transportFailed = false;
    bool m_stoppedByCancel = false;
};
