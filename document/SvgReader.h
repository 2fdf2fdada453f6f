#pragma once

#include <QString>

class Document;

// Reads what the Inkscape plug-in saves ("kcxfer.svg"): path elements with
// absolute path data and a style. Builds one layer, starts a new object at
// every fill colour seen for the first time, turns m/l/h/v/c/z into
// segments, moves the drawing to the origin and sets the job size from it.
// No registration-mark detection. Never fails: text that is not XML gives
// an empty drawing, path data that cannot be read is skipped. Emits
// DataChanged() at the end.
namespace SvgReader {

void read(Document& doc, const QString& svgText);

// User units per millimetre for a file with this "inkscape:version":
// 3.54331 (90 px per inch) before Inkscape 0.92, 1.0 otherwise.
double scaleForVersion(const QString& inkscapeVersion);

} // namespace SvgReader
