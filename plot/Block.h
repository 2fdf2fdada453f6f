#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// One block of the plot stream: the commands of one object (with the moves
// and frames in front of it), a pause point between two layers or colours,
// or the final block. Created by plot data generation and owned by the
// queue it is pushed into.
class Block : public QObject
{
    Q_OBJECT
public:
    // Indexes of a normal block: group = layer or colour index, second =
    // layer index; a pause block carries the group just finished and the one
    // about to start; the final block has -1 everywhere.
    struct Index {
        int group = -1;
        int second = -1;
        int column = -1;
        int row = -1;
        int object = -1;
    };

    Block(QByteArray bytes, bool pause, const Index& index, QObject* parent = nullptr);

    // Command text to bytes, one byte per character; a character above 255
    // becomes 0.
    static QByteArray latin1(const QString& text);

    bool pause() const { return m_pause; }
    int group() const { return m_index.group; }
    int second() const { return m_index.second; }
    int column() const { return m_index.column; }
    int row() const { return m_index.row; }
    int object() const { return m_index.object; }
    const Index& index() const { return m_index; }
    const QByteArray& bytes() const { return m_bytes; }

    // Moves the whole commands among the first `limit` bytes (up to and
    // including the last ";" there) to the end of `out` and returns their
    // count; -1, moving nothing, when there is no ";" within the limit.
    // Whatever lies beyond stays in the block for the next read.
    int read(QByteArray& out, int limit);

private:
    QByteArray m_bytes;
    Index m_index;
    bool m_pause = false;
};
