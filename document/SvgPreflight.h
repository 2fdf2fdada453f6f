#pragma once

#include "document/SvgViewport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// A quick pass over an SVG's tags before the renderer sees it. It reads the
// root's size attributes, lists the top-level elements (the layers) and
// prepares the text so that the renderer draws only what a viewer shows:
// - clipPath, mask, marker, pattern, foreignObject and script contents are
//   removed (the renderer would otherwise draw them as plain shapes);
// - flowed text and text on a path are removed and named: the renderer
//   cannot lay them out;
// - symbol becomes a group inside defs (drawn only through use), a link
//   becomes a group, a nested svg becomes a group with its placement;
// - top-level elements without an id get one, so each can be drawn alone;
// - a presentation attribute that the element's style sets as well is
//   dropped: the style wins, where the renderer would take the attribute.
// Tags only, no validation: whether the text is XML decides the renderer.
namespace SvgPreflight {

struct TopLevel {
    QString id;
    QString label;      // inkscape:label, else the id
    bool group = false; // g, a, switch, svg: a layer of its own
    bool hidden = false; // display:none or visibility:hidden on the element
};

struct Result {
    bool isSvg = false; // the first element is an svg element
    SvgViewport viewport;
    QByteArray text; // what the renderer gets
    QVector<TopLevel> topLevel;
    QStringList unsupportedText; // flowed text, text on a path
    QStringList textWithoutFont; // text elements removed for want of fonts
    int images = 0;
    bool filters = false;
};

// keepText false: text elements are removed and named as well, for when no
// font can turn them into outlines.
Result prepare(const QByteArray& svg, bool keepText);

} // namespace SvgPreflight
