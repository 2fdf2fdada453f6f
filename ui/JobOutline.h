#pragma once

#include "document/KCNode.h"
#include "plot/JobLayout.h"

#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QVector>

class Document;
class JobLayout;
class QPainter;

// The drawing of one copy as the cut will place it: every object that is
// cut, flattened to polylines and put through the head transform (scale,
// rotation, mirroring), in millimetres from the top-left corner of the
// copy's job area as the preview shows it (u to the right, v down).
//
// Built once per document change; zooming and moving copies only scale and
// translate it, so they never touch the document's nodes again.
class JobOutline
{
public:
    // What build() reads from the document, taken on the thread that owns
    // it. The node vectors are shared, not copied, so taking it is cheap and
    // the outline can then be built on another thread while the document
    // is edited.
    struct Source {
        struct Path {
            QRgb colour;
            QVector<KCNode> nodes;
        };
        double width = 0, height = 0; // mm, as width() and height()
        bool plottable = false;
        bool fcm = false;
        HeadTransform head;
        QVector<Path> paths;
        qint64 nodeCount = 0;
    };

    JobOutline() = default;
    static Source source(const Document& doc, const JobLayout& layout);
    static JobOutline build(const Source& source);
    static JobOutline build(const Document& doc, const JobLayout& layout)
    {
        return build(source(doc, layout));
    }

    // Differs whenever build() would give another outline: the transform
    // settings, the selection and the drawing's structure. Nodes are never
    // edited in place (readers replace whole objects), so only the ends of
    // each sub-path are looked at; this stays cheap for millions of segments.
    static quint64 sourceKey(const Document& doc, const JobLayout& layout);

    // Footprint of one copy on the material: across × along, mm.
    double width() const { return m_width; }
    double height() const { return m_height; }
    int strokeCount() const { return m_strokes.size(); }
    int pointCount() const { return m_points.size(); }

    // Draws the strokes with a one-pixel pen at `scale` pixels per mm with
    // the job area's top-left corner at `origin` (pixels). Strokes wholly
    // outside `clip` (pixels) are skipped. `black` draws every object
    // black (the FCM image); otherwise in its colour, near-white as grey.
    void draw(QPainter& p, double scale, const QPointF& origin, const QRectF& clip,
              bool black) const;

    // The colour an object is previewed in.
    static QRgb previewColour(QRgb objectColour, bool valid);

private:
    struct Stroke {
        QRgb colour;
        int first, count; // into m_points
        QRectF bounds;    // mm
    };
    QVector<QPointF> m_points;
    QVector<Stroke> m_strokes;
    double m_width = 0, m_height = 0;
};
