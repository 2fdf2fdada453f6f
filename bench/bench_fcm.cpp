// FCM export speed and memory: a drawing of one million nodes (gear-like
// outlines, half straight edges and half curves, overcut on), laid out,
// recorded and written as one file.

#include "BenchUtil.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "plot/FcmExport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

// `objects` closed outlines of 100 nodes on a grid of 12 mm cells; every
// tenth point is a 1 mm tooth, so some corners get an overcut.
void buildJob(Document& doc, int objects)
{
    KCLayer* layer = doc.appendLayer();
    layer->setName(QStringLiteral("Zahnraeder"));
    layer->setCutEnabled(true);
    const int perRow = int(std::ceil(std::sqrt(double(objects))));
    const int n = 100;
    for (int k = 0; k < objects; ++k) {
        const double cx = 6 + 12 * (k % perRow), cy = 6 + 12 * (k / perRow);
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
            node.setIsLine(i % 2 == 0);
            node.setP1(x0 + (x3 - x0) / 3, y0 + (y3 - y0) / 3);
            node.setP2(x3 - (x3 - x0) / 3, y3 - (y3 - y0) / 3);
            sp.nodes().append(node);
        }
        layer->appendObject()->subPaths().append(sp);
    }
    doc.setDrawingWidth(12.0 * perRow);
    doc.setDrawingHeight(12.0 * std::ceil(double(objects) / perRow));
    doc.setNaturalWidth(int(doc.drawingWidth()));
    doc.setNaturalHeight(int(doc.drawingHeight()));
    doc.setProportional(false);
    doc.setJobWidth(int(doc.drawingWidth()));
    doc.setJobHeight(int(doc.drawingHeight()));
    doc.setMaterialWidth(5000);
    doc.setMaterialHeight(5000);
    doc.setOvercut(true);
    doc.setOvercutDistance(0.5);
    doc.setOvercutAngle(130);
    doc.setFcmOutput(true);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Document doc;
    buildJob(doc, 10000); // 1 M nodes
    QImage thumbnail(73, 122, QImage::Format_Mono);
    thumbnail.fill(Qt::black);
    QTemporaryDir dir;

    Bench::resetPeakResident();
    Bench::Timer t;
    const QString target = dir.filePath(QStringLiteral("zahnraeder.fcm"));
    const FcmExport::Written written = FcmExport(doc).write(target, thumbnail);
    const double seconds = t.seconds();
    std::printf("1 M nodes: %d file(s), %lld bytes\n", written.paths.size(),
                QFileInfo(target).size());
    bool ok = written.failed.isEmpty();
    ok &= Bench::report("FCM export 1 M nodes (overcut)", seconds, "s", 1.0);
    ok &= Bench::report("FCM export 1 M nodes peak resident", Bench::peakResidentMiB(), "MiB", 400);
    return ok ? 0 : 1;
}
