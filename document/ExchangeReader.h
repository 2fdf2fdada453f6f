#pragma once

#include <QStringList>

class Document;

// Reads the host plug-ins' line format ("kcxfer.kcj") into a document:
// layers, objects, sub-paths, segments and colours; then registration
// marks, the move to the origin and the job size. Never fails: lines that
// cannot be used are skipped. Emits DataChanged() at the end.
namespace ExchangeReader {
void read(Document& doc, QStringList lines);
}
