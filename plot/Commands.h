#pragma once

#include <QByteArray>
#include <QString>

// The plotter command vocabulary. Every byte of command text the program
// writes to a plotter is produced by one of these functions; nothing else
// assembles instructions. HPGL-style instructions end in ";", device-control
// instructions start with ESC "." and end in ":". No separators are put
// between commands. Coordinate pairs are (along, across): feed direction
// first. Results are Latin-1 bytes (all of them plain ASCII).
namespace Commands {

// ---- Numbers ----------------------------------------------------------------

// Millimetres to plotter units (1/40 mm), truncated toward zero, as an
// integer; NaN gives 0 and out-of-range values saturate.
qint64 units(double mm);

// Shortest form with at most 6 significant digits, exactly as the C "%.6g"
// conversion (in the "C" locale): 123456, -40, 1e+06, 1.04e+06.
QByteArray g6(double v);
// Writes the same text into out (at least 32 bytes) and returns its length.
// Whole numbers below one million take a fast path; the rest go through
// std::to_chars, which is locale-independent.
int writeG6(char* out, double v);
// The reference the fast path is held to: std::to_chars with the general
// format and precision 6.
QByteArray g6Reference(double v);

// ---- Job start ------------------------------------------------------------------

// Acceleration by quality: 0.2 for high quality (0), 0.7 for production.
double acceleration(int quality);
// Blade code 1..7 for a tool offset that equals one of the known blade
// offsets exactly (0.175, 0.25, 0.275, 0.3, 0.5, 0.75, 1.0 mm); 0 for none.
int bladeCode(double toolOffset);
// Models that take the device-control strings: the lower-cased model name
// contains "sable", or contains "expert" but not "pro".
bool deviceControlForModel(const QString& modelName);

struct Initialisation {
    int speed = 0;
    int force = 0;
    double acceleration = 0.2;
    double toolOffset = 0.0; // mm: blade correction + document correction
    bool deviceControl = false;
    bool bladeInitialisation = false;
};
// Optional blade initialisation (a slow 100-unit cut forward and back),
// then IN;VS..;FS..;AS..;TO..;SP1; and, for device-control models, the
// blade code and the force announcement.
QByteArray initialisation(const Initialisation& init);

// ---- Registration marks ---------------------------------------------------------

struct MarkGroup {
    double origin1 = 0, origin2 = 0;   // mm
    double spacing1 = 0, spacing2 = 0; // mm
    double markLength = 0;             // mm
    int rows = 1, columns = 1;         // copy grid repeated by the device
    double columnGap = 0;              // mm
    int force = 0;                     // 0: no force announcement
};
// ESC.D2 (origin and spacing), ESC.D3 (copy grid, only for more than one
// row or column), ESC.D4 (mark length), ESC.D1 (origin); all values x40.
QByteArray registrationMarks(const MarkGroup& group);

// ---- Windows, moves, parking ----------------------------------------------------

// Clips the following cut to [startMm, startMm + lengthMm] along and
// [0, materialWidthMm] across.
QByteArray inputWindow(qint64 startMm, qint64 lengthMm, int materialWidthMm);
QByteArray inputWindowReset(); // "IW;"

// A pen move to absolute plotter units, (along, across). Built on the stack
// because a long job writes millions of them.
struct MoveText {
    char data[80];
    int size = 0;
    QByteArray toByteArray() const { return QByteArray(data, size); }
};
MoveText penMove(bool penDown, double alongUnits, double acrossUnits);

QByteArray penLift();      // "PU;": ends every stream block
QByteArray pauseParking(); // head to 1 mm along at the origin side

// Where the head goes after the job; homeposition as in the job settings
// (0 start position, 1 behind the job, 2 left beside the job, other:
// nothing). extraspace in mm, maxAcross/maxAlong the head's maximum (mm).
QByteArray finalHeadPosition(int homeposition, int extraspace, double maxAcross, double maxAlong);

// ---- Fixed strings of the test cut and the plotter settings ---------------------

QByteArray testCutModeOff();
QByteArray testCutPattern(int offsetUnits);
QByteArray plotterSettings(bool first, bool second);

} // namespace Commands
