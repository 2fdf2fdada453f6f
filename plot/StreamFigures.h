#pragma once

#include <QByteArray>

// What a generated plot stream asks of the plotter, measured on the stream
// itself (so it holds for whatever produced it): the length cut with the
// pen down, the length travelled with the pen up, how far along the
// material the head goes, and the time that takes at a given speed. The
// moves are those StreamWalk reads.
struct StreamFigures {
    double cutMm = 0;      // pen-down path length
    double travelMm = 0;   // pen-up path length
    double materialMm = 0; // largest along position reached, feed included

    static StreamFigures measure(const QByteArray& stream);

    // Seconds for cut and travel at `speedCmPerS` (the job's speed), moves
    // assumed at full speed throughout; 0 for a speed of 0 or less.
    double seconds(int speedCmPerS) const;
};
