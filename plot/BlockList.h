#pragma once

#include "plot/BlockSink.h"

#include <QByteArray>

#include <memory>
#include <vector>

class Block;

// An in-memory block sink: keeps every block in order, for the
// command-line tool, the tests and the test-data dump.
class BlockList : public BlockSink
{
public:
    explicit BlockList(bool deviceControl = false);
    ~BlockList() override;

    void enablePauses() override { m_pausesEnabled = true; }
    void push(Block* block) override;
    void markFinished() override { m_finished = true; }
    bool deviceControl() const override { return m_deviceControl; }
    void setDeviceControl(bool on) { m_deviceControl = on; }

    bool pausesEnabled() const { return m_pausesEnabled; }
    bool isFinished() const { return m_finished; }
    int size() const { return int(m_blocks.size()); }
    const Block& at(int i) const { return *m_blocks[size_t(i)]; }

    // All blocks' bytes in order: the stream the plotter receives.
    QByteArray stream() const;

private:
    std::vector<std::unique_ptr<Block>> m_blocks;
    bool m_deviceControl = false;
    bool m_pausesEnabled = false;
    bool m_finished = false;
};
