#pragma once

#include <QByteArray>

// The head moves a plot stream asks for, one at a time in stream order:
// what the plotter would do with the bytes, for measuring and drawing a
// stream whatever produced it. Positions are plotter units (1/40 mm) as
// (along, across): the feed direction first, as in the stream.
//
// Understands PU and PD (pen up or down, then move), PA and PR (absolute or
// relative coordinates from now on, then move) with any number of
// coordinate pairs, and "IN;", which puts the head back at the origin, pen
// up, coordinates absolute. Device-control strings (ESC up to ":"), all
// other instructions and bytes between instructions move nothing.
//
// Text the program never writes is read strictly, so a broken stream counts
// and draws only what it clearly asks for: the first field of an
// instruction that is no finite number in the "%g" form (empty, "abc",
// "0x", "+1", "inf", out of range) ends that instruction, the pairs before
// it stand, and a lone value without its partner moves nothing. Moves that
// stay where the head is are left out: they neither cut nor take time. An
// instruction without its ";" at the end of the bytes moves nothing, as it
// may be the first part of one still on its way; whoever receives a stream
// in pieces walks all it has gathered so far.
class StreamWalk
{
public:
    struct Move {
        bool penDown = false;
        double fromAlong = 0, fromAcross = 0;
        double toAlong = 0, toAcross = 0;
    };

    // The walk keeps its own (shared) copy of the bytes.
    explicit StreamWalk(const QByteArray& stream);

    // The next move into `move`; false once the stream has no more.
    bool next(Move& move);

private:
    QByteArray m_stream;
    const char* m_at;
    const char* m_end;
    const char* m_pairs = nullptr; // the unread pairs of the current pen instruction
    const char* m_stop = nullptr;  // its ";"
    double m_along = 0, m_across = 0;
    bool m_penDown = false, m_relative = false;
};
