#include "plot/BlockList.h"

#include "plot/Block.h"

BlockList::BlockList(bool deviceControl) : m_deviceControl(deviceControl) {}

BlockList::~BlockList() = default;

void BlockList::push(Block* block) { m_blocks.emplace_back(block); }

QByteArray BlockList::stream() const
{
    qsizetype total = 0;
    for (const auto& b : m_blocks)
        total += b->bytes().size();
    QByteArray out;
    out.reserve(int(total));
    for (const auto& b : m_blocks)
        out += b->bytes();
    return out;
}
