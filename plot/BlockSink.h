#pragma once

class Block;

// Where plot data generation puts its blocks: the job queue between the
// document and plotter workers, or a plain list for the command-line tool
// and tests.
class BlockSink
{
public:
    virtual ~BlockSink() = default;

    // The job may stop at pause blocks.
    virtual void enablePauses() = 0;
    // Appends a block; the sink owns it from now on.
    virtual void push(Block* block) = 0;
    // Called once, after the final block.
    virtual void markFinished() = 0;
    // The receiving model takes the device-control strings (ESC "." …).
    virtual bool deviceControl() const = 0;
};
