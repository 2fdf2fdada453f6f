#include "plot/StreamWalk.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// One field of a pen instruction: a number filling the text up to the next
// "," or the ";". Moves `p` past the field and its ",".
bool field(const char*& p, const char* stop, double& v)
{
    const auto r = std::from_chars(p, stop, v); // locale-independent, like the writer
    if (r.ec != std::errc() || (r.ptr != stop && *r.ptr != ','))
        return false;
    p = r.ptr == stop ? stop : r.ptr + 1;
    return true;
}

} // namespace

StreamWalk::StreamWalk(const QByteArray& stream)
    : m_stream(stream), m_at(m_stream.constData()), m_end(m_at + m_stream.size())
{
}

bool StreamWalk::next(Move& move)
{
    double along = 0, across = 0;
    for (;;) {
        while (m_pairs < m_stop && field(m_pairs, m_stop, along) && field(m_pairs, m_stop, across)) {
            if (m_relative) {
                along += m_along;
                across += m_across;
            }
            if (!std::isfinite(along) || !std::isfinite(across)) // "inf", or a sum past the range
                break;
            if (along == m_along && across == m_across)
                continue;
            move = {m_penDown, m_along, m_across, along, across};
            m_along = along;
            m_across = across;
            return true;
        }
        m_pairs = m_stop; // a bad field ends its instruction

        // On to the next instruction, past device-control strings (whose ";"
        // separate parameters) and line ends or blanks between instructions.
        while (m_at < m_end && (*m_at < 'A' || *m_at > 'Z')) {
            if (*m_at++ != '\x1b')
                continue;
            const void* colon = std::memchr(m_at, ':', size_t(m_end - m_at));
            m_at = colon ? static_cast<const char*>(colon) + 1 : m_end;
        }
        const char* const start = m_at;
        const void* semi = m_at < m_end ? std::memchr(m_at, ';', size_t(m_end - m_at)) : nullptr;
        if (!semi)
            return false;
        m_at = static_cast<const char*>(semi) + 1;
        if (m_at - start < 3)
            continue;
        if (start[0] == 'I' && start[1] == 'N') {
            m_along = m_across = 0;
            m_penDown = m_relative = false;
        } else if (start[0] == 'P' && std::memchr("UDAR", start[1], 4)) {
            if (start[1] == 'U' || start[1] == 'D')
                m_penDown = start[1] == 'D';
            else
                m_relative = start[1] == 'R';
            m_pairs = start + 2;
            m_stop = m_at - 1;
        }
    }
}
