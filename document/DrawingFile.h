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

// Not ok, with "NAME: reason" in German, when the file is not a drawing of
// its kind: a directory, missing, another suffix, empty, not text, no
// exchange keyword / not well-formed XML / another root element, or holding
// no path at all. The document may be partly filled then.
// messages (when given) gets the notes on settings held to their range.
LoadResult load(Document& doc, const QString& path, SvgRoute route = SvgRoute::AnyDrawing,
                UserMessages* messages = nullptr);

// The same, for callers that need only the reason.
bool load(Document& doc, const QString& path, QString* error, UserMessages* messages = nullptr);

} // namespace DrawingFile
