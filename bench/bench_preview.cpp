// Preview speed at 1600 × 1000 pixels: a large drawing in twelve copies
// redrawn while the job is dragged, the first frame after a change, and a
// very large drawing in one copy.

#include "BenchUtil.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "ui/Preview.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

// Outlines of 100 segments on a 12 mm grid, alternately straight and
// curved: a 5 mm circle with a tooth at every tenth point.
void buildGears(Document& doc, int objects)
{
    KCLayer* layer = doc.appendLayer();
    layer->setName(QStringLiteral("Zahnraeder"));
    layer->setCutEnabled(true);
    const int perRow = int(std::ceil(std::sqrt(double(objects))));
    const int n = 100;
    for (int k = 0; k < objects; ++k) {
        const double cx = 6 + 12 * (k % perRow), cy = 6 + 12 * (k / perRow);
        KCObject* o = layer->appendObject();
        o->setColor(QColor(k % 3 == 0 ? Qt::red : Qt::blue));
        KCSubPath sp;
        sp.setIsClosed(true);
        auto pt = [&](int i, double& x, double& y) {
            const double a = 2 * M_PI * (i % n) / n;
            const double r = (i % 10 == 5) ? 6.0 : 5.0;
            x = cx + r * std::cos(a);
            y = cy + r * std::sin(a);
        };
        for (int i = 0; i < n; ++i) {
            double x0, y0, x3, y3;
            pt(i, x0, y0);
            pt(i + 1, x3, y3);
            KCNode node;
            node.setP0(x0, y0);
            node.setP3(x3, y3);
            node.setP1(x0 + (x3 - x0) / 3 + 0.02 * (x0 - cx), y0 + (y3 - y0) / 3 + 0.02 * (y0 - cy));
            node.setP2(x3 - (x3 - x0) / 3 + 0.02 * (x3 - cx), y3 - (y3 - y0) / 3 + 0.02 * (y3 - cy));
            node.setIsLine(i % 2 == 0);
            sp.nodes().append(node);
        }
        o->subPaths().append(sp);
    }
    const double extent = 12.0 * perRow;
    doc.setDrawingSize(extent, 12.0 * std::ceil(double(objects) / perRow));
    doc.setMaterialWidth(int(extent * 4.2));
    doc.setMaterialHeight(int(extent * 3.2));
}

// Paints the whole widget, as a repaint of the window would.
void paint(Preview& p)
{
    static QImage target(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    p.render(&target);
}

void send(Preview& p, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, pos, Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&p, &e);
}

// Milliseconds per frame while the job is dragged one pixel per frame.
double dragFrameMs(Preview& preview, int frames, double& cpuMs)
{
    paint(preview);
    const QPoint start = preview.jobRect().center();
    send(preview, QEvent::MouseButtonPress, start, Qt::LeftButton);
    Bench::Timer t;
    const std::clock_t cpu = std::clock();
    for (int i = 1; i <= frames; ++i) {
        send(preview, QEvent::MouseMove, start - QPoint(i, i), Qt::LeftButton);
        paint(preview);
    }
    const double ms = t.seconds() * 1000 / frames;
    cpuMs = (std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC / frames;
    if (preview.document()->right() == 0)
        std::printf("the drag did not move the job\n");
    send(preview, QEvent::MouseButtonRelease, start - QPoint(frames, frames), Qt::NoButton);
    return ms;
}

// Milliseconds from a change of the drawing's orientation to its first frame.
double firstFrameMs(Document& doc, Preview& preview)
{
    Bench::Timer t;
    doc.setMirrored(!doc.mirrored());
    paint(preview);
    return t.seconds() * 1000;
}

// Milliseconds from a wheel step to its frame.
double zoomFrameMs(Preview& preview)
{
    const QPointF at(800, 500);
    Bench::Timer t;
    QWheelEvent e(at, at, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(&preview, &e);
    paint(preview);
    return t.seconds() * 1000;
}

// On a shared machine the wall time includes waiting for a processor.
void reportCpu(double cpuMs)
{
    std::printf("%-48s %10.3f ms   (processor time, no target)\n", "  of which computing", cpuMs);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = true;

    {
        Document doc;
        buildGears(doc, 1000); // 100 000 segments
        doc.setCopiesHorz(4);
        doc.setCopiesVert(3);
        doc.setHorzDistance(5);
        Preview preview;
        preview.resize(1600, 1000);
        preview.show();
        preview.setDocument(&doc);
        preview.fitSize();
        ok &= Bench::report("100k segments x 12: first frame after a change", firstFrameMs(doc, preview),
                            "ms", 200);
        double cpu = 0;
        ok &= Bench::report("100k segments x 12: repaint per drag frame", dragFrameMs(preview, 60, cpu),
                            "ms", 16);
        reportCpu(cpu);
    }
    {
        Document doc;
        buildGears(doc, 10000); // 1 000 000 segments
        Preview preview;
        preview.resize(1600, 1000);
        preview.show();
        preview.setDocument(&doc);
        preview.fitSize();
        std::printf("%-48s %10.3f ms (no target)\n", "1M segments: first frame after a change",
                    firstFrameMs(doc, preview));
        double cpu = 0;
        ok &= Bench::report("1M segments x 1: repaint per drag frame", dragFrameMs(preview, 30, cpu), "ms",
                            50);
        reportCpu(cpu);
        std::printf("%-48s %10.3f ms   (no target)\n", "1M segments x 1: zoom step", zoomFrameMs(preview));
    }
    return ok ? 0 : 1;
}
