#include "job/Pipe.h"

#include "plot/Block.h"

#include <QMutexLocker>

#include <algorithm>
#include <memory>

Pipe::Pipe(QObject* parent) : QObject(parent) {}

Pipe::~Pipe()
{
    QMutexLocker lock(&m_mutex);
    qDeleteAll(m_queue);
    m_queue.clear();
    m_withinCurrent = 0;
}

void Pipe::enablePauses()
{
    QMutexLocker lock(&m_mutex);
    m_pausesEnabled = true;
}

void Pipe::push(Block* block)
{
    QMutexLocker lock(&m_mutex);
    m_queue.enqueue(block);
    m_bytesPushed += block->bytes().size();
    m_changed.wakeOne();
}

void Pipe::markFinished()
{
    QMutexLocker lock(&m_mutex);
    m_finished = true;
}

bool Pipe::deviceControl() const
{
    QMutexLocker lock(&m_mutex);
    return m_deviceControl;
}

void Pipe::setDeviceControl(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_deviceControl = on;
}

bool Pipe::pausesEnabled() const
{
    QMutexLocker lock(&m_mutex);
    return m_pausesEnabled;
}

bool Pipe::isFinished() const
{
    QMutexLocker lock(&m_mutex);
    return m_finished;
}

void Pipe::close()
{
    QMutexLocker lock(&m_mutex);
    m_closed = true;
    // Every reader must see the end, not just one.
    m_changed.wakeAll();
}

bool Pipe::isClosed() const
{
    QMutexLocker lock(&m_mutex);
    return m_closed;
}

bool Pipe::isEmpty() const
{
    QMutexLocker lock(&m_mutex);
    return m_queue.isEmpty();
}

int Pipe::size() const
{
    QMutexLocker lock(&m_mutex);
    return m_queue.size();
}

bool Pipe::pop(QByteArray& out, int limit)
{
    std::unique_ptr<Block> block;
    {
        QMutexLocker lock(&m_mutex);
        while (m_queue.isEmpty()) {
            if (m_closed)
                return false;
            m_changed.wait(&m_mutex);
        }
        block.reset(m_queue.dequeue());
        m_withinCurrent = std::max(0, m_withinCurrent - 1);
        m_pausePending = block->pause();
        m_currentGroup = std::max(m_currentGroup, block->group());
    }
    // The block is ours alone now: copying its bytes needs no lock.
    block->read(out, limit);
    return true;
}

int Pipe::currentGroup() const
{
    QMutexLocker lock(&m_mutex);
    return m_currentGroup;
}

bool Pipe::pausePending() const
{
    QMutexLocker lock(&m_mutex);
    return m_pausePending;
}

int Pipe::nextGroup() const
{
    QMutexLocker lock(&m_mutex);
    for (; m_withinCurrent < m_queue.size(); ++m_withinCurrent) {
        const int group = m_queue.at(m_withinCurrent)->group();
        if (group > m_currentGroup)
            return group;
    }
    return 0;
}

qint64 Pipe::bytesPushed() const
{
    QMutexLocker lock(&m_mutex);
    return m_bytesPushed;
}
