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

// False, with a German reason in *error, when the file cannot be read.
// messages (when given) gets the notes on settings held to their range.
bool load(Document& doc, const QString& path, QString* error, UserMessages* messages = nullptr);

} // namespace DrawingFile
