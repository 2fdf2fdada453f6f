#include "job/Pipe.h"

#include "plot/Block.h"

#include <algorithm>
#include <memory>

Pipe::Pipe(QObject* parent) : QObject(parent) {}

Pipe::~Pipe()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    qDeleteAll(m_queue);
    m_queue.clear();
    m_withinCurrent = 0;
}

void Pipe::enablePauses()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pausesEnabled = true;
}

void Pipe::push(Block* block)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.enqueue(block);
    m_bytesPushed += block->bytes().size();
    m_changed.notify_one();
}

void Pipe::markFinished()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_finished = true;
}

bool Pipe::deviceControl() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_deviceControl;
}

void Pipe::setDeviceControl(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_deviceControl = on;
}

bool Pipe::pausesEnabled() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pausesEnabled;
}

bool Pipe::isFinished() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_finished;
}

void Pipe::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_closed = true;
    // Every reader must see the end, not just one.
    m_changed.notify_all();
}

bool Pipe::isClosed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_closed;
}

bool Pipe::isEmpty() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queue.isEmpty();
}

int Pipe::size() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queue.size();
}

bool Pipe::pop(QByteArray& out, int limit)
{
    std::unique_ptr<Block> block;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (m_queue.isEmpty()) {
            if (m_closed)
                return false;
            m_changed.wait(lock);
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
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_currentGroup;
}

bool Pipe::pausePending() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pausePending;
}

int Pipe::nextGroup() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (; m_withinCurrent < m_queue.size(); ++m_withinCurrent) {
        const int group = m_queue.at(m_withinCurrent)->group();
        if (group > m_currentGroup)
            return group;
    }
    return 0;
}

qint64 Pipe::bytesPushed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bytesPushed;
}
