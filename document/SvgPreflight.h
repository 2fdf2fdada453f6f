#pragma once

#include "document/SvgViewport.h"

#include <QByteArray>
#include <QColor>
#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <QVector>

// A quick pass over an SVG's tags before the renderer sees it. It reads the
// root's size attributes, finds the layers (top-level groups) and
// prepares the text so that the renderer draws only what a viewer shows:
// - clipPath, mask, marker, pattern, foreignObject and script contents are
//   removed (the renderer would otherwise draw them as plain shapes);
// - flowed text and text on a path are removed and named: the renderer
//   cannot lay them out;
// - symbol becomes a group inside defs (drawn only through use), a link
//   becomes a group, a nested svg becomes a group with its placement;
// - a separator shape goes in front of every layer, so that one pass of the
//   renderer tells the layers apart;
// - a presentation attribute that the element's style sets as well is
//   dropped: the style wins, where the renderer would take the attribute.
// Tags only, no validation: whether the text is XML decides the renderer.
namespace SvgPreflight {

struct Result {
    bool isSvg = false; // the first element is an svg element
    SvgViewport viewport;
    QByteArray text; // what the renderer gets
    // One entry per layer: the group's label (or id), empty for a run of
    // top-level shapes. The text marks where each starts with a separator.
    QStringList layerNames;
    QStringList unsupportedText; // flowed text, text on a path
    QStringList textWithoutFont; // text elements removed for want of fonts
    int images = 0;
    bool filters = false;
    bool hasText = false; // text elements kept for the renderer
    bool clipped = false; // clip paths or masks are applied somewhere
};

// keepText false: text elements are removed and named as well, for when no
// font can turn them into outlines.
Result prepare(const QByteArray& svg, bool keepText);

// The separator as the renderer paints it: a tiny stroke in a colour of its
// own at a place of its own.
extern const char* const LayerSeparator;
bool isLayerSeparator(const QPainterPath& path, const QColor& color);

} // namespace SvgPreflight
