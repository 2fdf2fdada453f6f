#pragma once

#include "document/KCNode.h"

#include <QVector>

// One sub-path of an object: its segments in drawing order. Value type for
// the same reason as KCNode; the object owns its sub-paths.
class KCSubPath
{
public:
    bool isClosed() const { return m_isClosed; }
    void setIsClosed(bool v) { m_isClosed = v; }

    const QVector<KCNode>& nodes() const { return m_nodes; }
    QVector<KCNode>& nodes() { return m_nodes; }

private:
    QVector<KCNode> m_nodes;
    bool m_isClosed = false;
};
