#pragma once

// A small random job from a fuzz input, for the targets that lay a job out
// (plot generation, FCM export). Settings stay within what a job file can
// hold; sizes are kept to what a cutter takes, so that an input's run time
// says something about the code, not about the size of the job.

#include "FuzzSupport.h"

#include "document/Document.h"

namespace FuzzSupport {

// Sizes and distances in whole mm, as the job file holds them.
Document::JobSettings settingsFrom(ByteReader& in);
// Up to 3 colours and 3 layers (one may be the marks layer) of up to 4
// objects, each of up to 2 sub-paths of up to 6 segments, within ±200 mm;
// marks measured, colour table completed, extent set.
void drawingFrom(ByteReader& in, Document& doc);
// Settings, drawing, then passes, speed, pressure and offsets. False for a
// job of more than a few thousand object outputs: its size alone says
// nothing and would only slow the search down.
bool jobFrom(ByteReader& in, Document& doc);

} // namespace FuzzSupport
