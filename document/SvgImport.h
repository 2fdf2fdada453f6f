#pragma once

#include <QByteArray>
#include <QStringList>

class Document;

// Any SVG a user opens, at its size on paper: units, viewBox and
// preserveAspectRatio, every transform, use clones, all path syntax, basic
// shapes and text (as outlines of the installed fonts). Only what a viewer
// shows is cut: defs, clip paths, masks, markers, patterns and hidden
// content are left out. Inkscape layers (top-level groups) become layers,
// every painted shape an object in its fill colour (the stroke colour when
// it has no fill), sub-paths cubic segments in mm; the drawing is moved to
// the origin and the job size taken from its exact extent.
//
// Parsing and geometry are the toolkit's SVG renderer painting into a
// capturing device; the units, the layer split and the clean-up of what the
// renderer would draw wrongly are ours (SvgViewport, SvgPreflight).
//
// Kerfcraft's own exchange file keeps SvgReader.
namespace SvgImport {

enum class Outcome { Ok, Empty, NotXml, NotSvg, NothingVisible };

struct Result {
    Outcome outcome = Outcome::Ok;
    // German notes on what was left out and why (images, filters, text
    // without fonts); empty when everything was taken.
    QStringList leftOut;
};

// On anything but Ok the document is left as it was. Emits DataChanged()
// once on success.
Result read(Document& doc, const QByteArray& svg);

} // namespace SvgImport
