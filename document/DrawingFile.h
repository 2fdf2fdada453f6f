#pragma once

#include <QString>
#include <QStringList>

class Document;
class UserMessages;

// Loads a drawing or job file into a document by its suffix: ".kcj"
// (exchange lines), ".svg" or ".svgz" and ".kcf" (job file). An SVG opened this way is
// any drawing (SvgImport); only the exchange route reads it as the exchange
// file a host plug-in writes (SvgReader). Used by the command-line tool and
// the window's file opening; cut-mode start-up reads its exchange file
// through ExchangeImport.
namespace DrawingFile {

enum class Kind { Unknown, Kcj, Svg, Kcf };
Kind kindOf(const QString& path);

enum class SvgRoute { AnyDrawing, Exchange };

struct LoadResult {
    bool ok = false;
    QString error;      // German, naming the file, when not ok
    QStringList leftOut; // German notes on what the SVG import left out
};

// On failure the document keeps what it held.
LoadResult load(Document& doc, const QString& path, SvgRoute route = SvgRoute::AnyDrawing);

// False, with a German reason in *error, when the file cannot be read.
bool load(Document& doc, const QString& path, QString* error);

} // namespace DrawingFile
