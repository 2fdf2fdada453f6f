#pragma once

#include <QStringList>

class Document;

// Reads the host plug-ins' line format ("kcxfer.kcj") into a document:
// layers, objects, sub-paths, segments and colours; then registration
// marks, the move to the origin, the job size and the layout defaults of a
// fresh import (copies at the same distance, 5 mm from the right and bottom
// edges, marks used when found). The document is cleared first.
//
// Two dialects: a first line containing "CorelDraw" means each node line
// carries the anchor's incoming and outgoing handle and a colour is one
// line "r g b"; otherwise (Illustrator) the last pair of a node line is the
// second control point of the segment starting there, and a colour is
// "RGB" or "CMYK" followed by its values.
//
// Never fails: a line that refers to a layer, object or sub-path not yet
// opened, or lacks numbers, is skipped; fields that do not parse read as 0;
// sub-paths without any anchor are dropped (an open one of a single anchor
// stays, with no segments). Emits DataChanged() once at the end.
namespace ExchangeReader {
void read(Document& doc, QStringList lines);
}
