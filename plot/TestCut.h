#pragma once

#include <QByteArray>
#include <QString>

// The test cut: a small triangle in a square, cut with the job's speed and
// force at an offset across the material so that consecutive test cuts
// stand side by side. The window keeps the offset and sends the text.
namespace TestCut {

// Plotter units (1/40 mm) between two consecutive test cuts: 14 mm.
constexpr int OffsetStep = 560;
// Extra feed (mm) of the next job after a test cut, so it does not start
// on top of the test pattern.
constexpr double NextJobStartOffsetMm = 10.0;

struct Parameters {
    int speed = 0;             // cm/s, from the speed control
    int force = 0;             // g, from the pressure control
    double bladeOffset = 0.0;  // mm, the document's blade offset
    QString modelName;         // the plotter model; decides the ESC strings
    int offsetUnits = 0;       // 0, 560, 1120, … across the material
};

// Initialisation (acceleration 0.2, no blade initialisation; blade code and
// force announcement for models that take ESC strings) followed by the
// pattern at the given offset.
QByteArray commands(const Parameters& parameters);

// Sent when test-cut mode is switched off: the head back to the origin.
QByteArray modeOff();

} // namespace TestCut
