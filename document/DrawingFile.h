#pragma once

#include <QString>

class Document;
class UserMessages;

// Loads a drawing or job file into a document by its suffix: ".kcj"
// (exchange lines), ".svg" and ".kcf" (job file). Used by the command-line
// tool and the benchmarks; the GUI start-up goes through the same readers.
namespace DrawingFile {

enum class Kind { Unknown, Kcj, Svg, Kcf };
Kind kindOf(const QString& path);

// False, with "NAME: reason" in German in *error, when the file is not a
// drawing of its kind: a directory, missing, another suffix, empty, not
// text, no exchange keyword / not well-formed XML / another root element,
// or holding no path at all. The document may be partly filled then.
// messages (when given) gets the notes on settings held to their range.
bool load(Document& doc, const QString& path, QString* error, UserMessages* messages = nullptr);

} // namespace DrawingFile
