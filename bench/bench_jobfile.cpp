// Saving and loading a job file of one million segments.

#include "BenchUtil.h"

#include "document/Document.h"
#include "document/JobFile.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// 1000 objects of 10 sub-paths of 100 segments, two thirds curves, with
// coordinates at full double precision as an import in px leaves them.
void build(Document& doc)
{
    QRandomGenerator rng(42);
    QList<KCObjectColor*> colors;
    for (int c = 0; c < 10; ++c) {
        KCObjectColor* e = doc.appendColor();
        e->setColor(QColor::fromRgb(rng.generate()));
        e->setCutEnabled(true);
        colors << e;
    }
    KCLayer* layer = doc.appendLayer();
    layer->setName(QStringLiteral("Ebene 1"));
    layer->setCutEnabled(true);
    for (int o = 0; o < 1000; ++o) {
        KCObject* obj = layer->appendObject();
        obj->setColor(colors[o % 10]->color());
        obj->setColorUid(colors[o % 10]->uid());
        for (int s = 0; s < 10; ++s) {
            KCSubPath sp;
            sp.nodes().reserve(100);
            double x = rng.generateDouble() * 600, y = rng.generateDouble() * 1000;
            for (int n = 0; n < 100; ++n) {
                KCNode node;
                node.setP0(x, y);
                const double x3 = x + (rng.generateDouble() - 0.5) * 10 / 3.54331;
                const double y3 = y + (rng.generateDouble() - 0.5) * 10 / 3.54331;
                if (n % 3 == 0) {
                    node.setP1(x, y);
                    node.setP2(x3, y3);
                    node.setIsLine(true);
                } else {
                    node.setP1(x + rng.generateDouble() / 3.54331, y + rng.generateDouble() / 3.54331);
                    node.setP2(x3 - rng.generateDouble() / 3.54331, y3 - rng.generateDouble() / 3.54331);
                }
                node.setP3(x3, y3);
                sp.nodes().append(node);
                x = x3;
                y = y3;
            }
            obj->subPaths().append(sp);
        }
    }
    doc.updateDrawingExtent();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.kcf"));
    bool ok = true;
    {
        Document doc;
        build(doc);
        std::printf("document: %d segments, built with peak %.0f MiB\n", doc.nodeCount(),
                    Bench::peakResidentMiB());
        Bench::resetPeakResident();
        Bench::Timer t;
        if (!JobFile::save(doc, path)) {
            std::printf("save failed\n");
            return 1;
        }
        ok &= Bench::report("job file save, 1 M segments", t.seconds(), "s", 3.0);
        std::printf("file size: %.1f MiB, peak while saving: %.0f MiB\n",
                    QFileInfo(path).size() / 1048576.0, Bench::peakResidentMiB());
    }
    Bench::resetPeakResident();
    Document loaded;
    Bench::Timer t;
    if (!JobFile::load(loaded, path)) {
        std::printf("load failed\n");
        return 1;
    }
    ok &= Bench::report("job file load, 1 M segments", t.seconds(), "s", 3.0);
    std::printf("loaded %d segments, peak while loading: %.0f MiB\n", loaded.nodeCount(),
                Bench::peakResidentMiB());
    return ok ? 0 : 1;
}
