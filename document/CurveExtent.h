#pragma once

class KCNode;

// How far a segment's curve widens an extent, by the sampling rule: the
// segment is evaluated at t = j/1000 (j = 1…1000) in power form, and a
// sample below a lower bound moves that bound to the previous sample, a
// sample above an upper bound moves it one sampling step beyond the sample.
// The four bounds move independently of each other.
namespace CurveExtent {

struct Bounds {
    double left, top, right, bottom;
};

// Every sample, one after the other: the rule as it stands.
void widenPlain(const KCNode& node, Bounds& b);

// The same bounds bit for bit, sampling only where a bound can move: ranges
// of samples whose enclosure lies inside the bounds are passed over, and a
// straight axis (all of the segment's coordinates alike) is decided by its
// first sample. Without `upper` only left and top are widened.
void widen(const KCNode& node, Bounds& b, bool upper = true);

} // namespace CurveExtent
