// Plot data generation speed: a large mixed drawing with copies and
// overcut, and many small objects cut by colour with pauses.

#include "BenchUtil.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "plot/Block.h"
#include "plot/BlockList.h"
#include "plot/PlotDataGenerator.h"

#include <QColor>
#include <QCoreApplication>

#include <cmath>
#include <cstdio>

namespace {

// Gear-like outlines of 100 segments, alternately a straight edge and a
// curved edge, on a grid of 12 mm cells: a 5 mm circle with a 1 mm tooth at
// every tenth point, so three corners in ten are sharp enough for overcut
// and the rest are gentle bends.
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
            if (i % 2 == 0) {
                node.setP1(x0, y0);
                node.setP2(x3, y3);
                node.setIsLine(true);
            } else { // bulging slightly outwards
                node.setP1(x0 + (x3 - x0) / 3 + 0.02 * (x0 - cx), y0 + (y3 - y0) / 3 + 0.02 * (y0 - cy));
                node.setP2(x3 - (x3 - x0) / 3 + 0.02 * (x3 - cx), y3 - (y3 - y0) / 3 + 0.02 * (y3 - cy));
            }
            sp.nodes().append(node);
        }
        o->subPaths().append(sp);
    }
    const double size = 12.0 * perRow;
    doc.setDrawingWidth(size);
    doc.setDrawingHeight(12.0 * std::ceil(double(objects) / perRow));
    doc.setNaturalWidth(doc.drawingWidth());
    doc.setNaturalHeight(doc.drawingHeight());
    doc.setProportional(false);
    doc.setJobWidth(int(doc.drawingWidth()));
    doc.setJobHeight(int(doc.drawingHeight()));
}

void jobSettings(Document& doc)
{
    doc.setSpeed(40);
    doc.setPressure(120);
    doc.setOffsetCorrection(0.25);
    doc.setMaterialWidth(5000);
    doc.setMaterialHeight(100000);
    doc.setRight(5);
    doc.setBottom(5);
}

struct Result {
    double seconds;
    qint64 bytes;
    int blocks;
};

Result generate(Document& doc)
{
    BlockList list;
    PlotDataGenerator g(doc);
    g.setDiagnostics(false); // one debug line per corner would dominate
    Bench::Timer t;
    g.generate(list);
    const double s = t.seconds();
    qint64 bytes = 0;
    for (int i = 0; i < list.size(); ++i)
        bytes += list.at(i).bytes().size();
    return {s, bytes, list.size()};
}

Result gearsJob(int objects)
{
    Document doc;
    jobSettings(doc);
    buildGears(doc, objects);
    doc.setCopiesHorz(3);
    doc.setHorzDistance(5);
    doc.setOvercut(true);
    doc.setOvercutDistance(0.5);
    doc.setOvercutAngle(130);
    return generate(doc);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bool ok = true;

    const Result small = gearsJob(1000); // 100 k nodes
    std::printf("100 k nodes, 3 copies, overcut: %.3f s, %.1f ns per node, %lld bytes\n",
                small.seconds, small.seconds / 1e5 * 1e9, small.bytes);

    Bench::resetPeakResident();
    const Result big = gearsJob(10000); // 1 M nodes
    std::printf("1 M nodes, 3 copies, overcut: %.3f s, %.1f ns per node, %lld bytes, %d blocks\n",
                big.seconds, big.seconds / 1e6 * 1e9, big.bytes, big.blocks);
    ok &= Bench::report("plot 1 M nodes (3 copies, overcut)", big.seconds, "s", 1.0);
    ok &= Bench::report("plot 1 M nodes peak resident", Bench::peakResidentMiB(), "MiB", 300);
    std::printf("scaling 100 k -> 1 M: %.2f x time per node\n",
                (big.seconds / 1e6) / (small.seconds / 1e5));

    // 10 k small squares in 10 colours over 4 layers, pauses between colours.
    Document doc;
    jobSettings(doc);
    for (int c = 0; c < 10; ++c) {
        KCObjectColor* colour = doc.appendColor();
        colour->setColor(QColor::fromHsv(c * 36, 255, 255));
        colour->setCutEnabled(true);
    }
    KCLayer* layers[4];
    for (int l = 0; l < 4; ++l) {
        layers[l] = doc.appendLayer();
        layers[l]->setName(QStringLiteral("Ebene %1").arg(l));
        layers[l]->setCutEnabled(true);
    }
    for (int k = 0; k < 10000; ++k) {
        KCObject* o = layers[k % 4]->appendObject();
        o->setColor(doc.colors()[k % 10]->color());
        const double x = 2 + 6 * (k % 100), y = 2 + 6 * (k / 100);
        const double pts[5][2] = {{x, y}, {x + 4, y}, {x + 4, y + 4}, {x, y + 4}, {x, y}};
        KCSubPath sp;
        sp.setIsClosed(true);
        for (int i = 0; i < 4; ++i) {
            KCNode n;
            n.setP0(pts[i][0], pts[i][1]);
            n.setP1(pts[i][0], pts[i][1]);
            n.setP2(pts[i + 1][0], pts[i + 1][1]);
            n.setP3(pts[i + 1][0], pts[i + 1][1]);
            n.setIsLine(true);
            sp.nodes().append(n);
        }
        o->subPaths().append(sp);
    }
    doc.setDrawingWidth(600);
    doc.setDrawingHeight(600);
    doc.setNaturalWidth(600);
    doc.setNaturalHeight(600);
    doc.setJobWidth(600);
    doc.setSelection(Document::ColorSelection);
    doc.setStopBetweenLayers(true);
    const Result colours = generate(doc);
    std::printf("10 k objects by colour: %d blocks, %lld bytes\n", colours.blocks, colours.bytes);
    ok &= Bench::report("plot 10 k objects by colour with pauses", colours.seconds, "s", 0.2);
    return ok ? 0 : 1;
}
