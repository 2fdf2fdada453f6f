#pragma once

#include <QString>
#include <QtGlobal>

class Document;
class JobLayout;
class PlotterTemplate;

// Whether a laid-out job may go to a plotter as it stands. One rule set for
// every way a job leaves the program: the window's "Plotten" button, the
// status dialog's job runner and `kerfcraft-cli plot/blocks/send` all ask
// refusal() before anything is generated or sent, and show its text as it
// is. Pure: reads the document's drawing and job settings (through
// JobLayout, so the numbers are the ones generation will use) and the
// plotter model's limits; changes nothing.
//
// Sizes are millimetres; "across" is the material width (x), "along" the
// feed direction (y, the material height).
namespace JobFit {

// A stream beyond this many bytes is refused: the queue holds the whole
// job in memory before the first byte is sent.
constexpr qint64 MaxStreamBytes = qint64(1) << 30;

// Why the job cannot be cut, as one German sentence naming the sizes
// involved, or an empty string when it can. In this order:
//  - nothing to cut: no path in the layers or colours chosen for cutting
//    (an empty or unreadable drawing, every layer switched off);
//  - the drawing has no width or no height to scale by;
//  - model (may be null): the material is wider or longer than the model
//    cuts, or narrower or shorter than its minimum;
//  - the row of copies does not fit across the material (the window's
//    width check: a job ending exactly at the edge does not fit);
//  - a pen move would lie at or beyond the material's far edge across or
//    along, where the plotter units are limited to the last unit inside
//    (the overcut length counts as part of the job);
//  - the stream would certainly pass MaxStreamBytes.
// allowClipping skips the two clipping rules (width check and pen limit);
// an empty job and the stream bound are refused regardless.
QString refusal(const Document& doc, const PlotterTemplate* model = nullptr,
                bool allowClipping = false);

// The loaded medium of a plotter becomes the material: width and length
// held to the model's cut range (model may be null), as the window's size
// inputs hold them. A medium of 0 × 0 (not reported) changes nothing.
void setMaterialFromMedium(Document& doc, const PlotterTemplate* model, int mediaWidth,
                           int mediaHeight);

// The farthest head position of any pen move, from the material's origin:
// first origin, the copies actually produced, their frames and the overcut.
struct Reach {
    double across = 0;
    double along = 0;
};
Reach reach(const Document& doc, const JobLayout& layout);

// The shortest whole-mm material length on which no pen move along the
// material is limited: for laying a drawing out on a roll of free length.
int lengthToHold(const Document& doc);

// A lower bound of the stream's size in bytes: every node of every object
// output is at least one short pen move. Saturates instead of overflowing.
qint64 minimumStreamBytes(const Document& doc);

} // namespace JobFit
