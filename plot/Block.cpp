#include "plot/Block.h"

#include <utility>

Block::Block(QByteArray bytes, bool pause, const Index& index, QObject* parent)
    : QObject(parent), m_bytes(std::move(bytes)), m_index(index), m_pause(pause)
{
}

QByteArray Block::latin1(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    const QChar* in = text.constData();
    char* o = out.data();
    for (int i = 0; i < text.size(); ++i)
        o[i] = in[i].unicode() > 255 ? '\0' : char(in[i].unicode());
    return out;
}

int Block::read(QByteArray& out, int limit)
{
    const int n = qMin(limit, m_bytes.size());
    int last = -1;
    for (int i = n - 1; i >= 0; --i)
        if (m_bytes.at(i) == ';') {
            last = i;
            break;
        }
    if (last < 0)
        return -1;
    out.append(m_bytes.constData(), last + 1);
    m_bytes.remove(0, last + 1);
    return last + 1;
}
