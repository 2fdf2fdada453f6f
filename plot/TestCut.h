#pragma once

#include <QByteArray>

// The test cut: a small triangle inside a square beside the job, so speed,
// force and blade offset can be judged before cutting the real job.
namespace TestCut {

// Consecutive test cuts move along the feed by this many plotter units.
constexpr int Spacing = 560;

// The pattern at `offsetUnits` (1/40 mm along the feed), after the job's
// initialisation commands.
QByteArray pattern(int offsetUnits);

// Sent when test-cut mode is switched off: back to the start position.
QByteArray reset();

} // namespace TestCut
