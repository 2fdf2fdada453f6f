// Opening a 20 MB SVG of about 400 000 segments as any drawing (the general
// import), the way "kerfcraft-cli info FILE.svg" does.

#include "BenchUtil.h"

#include "document/Document.h"
#include "document/DrawingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

// Inkscape 1.x style: four layers with a transform each, paths of relative
// curves and lines with six decimals, styles with fill and stroke.
QByteArray generate(int targetBytes)
{
    QRandomGenerator rng(11);
    static const char* const fills[] = {"#e30613", "#1d71b8", "#ffcc00", "#000000", "none", "#3aaa35"};
    QByteArray out;
    out.reserve(targetBytes + 4096);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
           "<svg width=\"600mm\" height=\"1000mm\" viewBox=\"0 0 600 1000\" version=\"1.1\"\n"
           "   inkscape:version=\"1.2.2 (b0a8486541, 2022-12-01)\"\n"
           "   xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"\n"
           "   xmlns=\"http://www.w3.org/2000/svg\">\n";
    char buf[64];
    auto pair = [&](double x, double y) { out.append(buf, std::snprintf(buf, sizeof buf, " %.6f,%.6f", x, y)); };
    const int layers = 4;
    for (int layer = 0; layer < layers; ++layer) {
        out += "  <g inkscape:groupmode=\"layer\" inkscape:label=\"Ebene " + QByteArray::number(layer + 1)
            + "\" id=\"layer" + QByteArray::number(layer + 1) + "\" transform=\"translate(0,"
            + QByteArray::number(layer * 10) + ")\">\n";
        for (int path = 0; out.size() < targetBytes * (layer + 1) / layers; ++path) {
            out += "    <path style=\"fill:";
            out += fills[(path / 7) % 6];
            out += ";fill-opacity:1;stroke:#000000;stroke-width:0.264583\" d=\"m";
            pair(rng.generateDouble() * 600, rng.generateDouble() * 900);
            for (int n = 0; n < 40; ++n) {
                const double dx = (rng.generateDouble() - 0.5) * 4, dy = (rng.generateDouble() - 0.5) * 4;
                if (n % 2 == 0) {
                    out += " l";
                    pair(dx, dy);
                } else {
                    out += " c";
                    pair(0.5, -0.5);
                    pair(dx - 0.5, dy + 0.5);
                    pair(dx, dy);
                }
            }
            out += " z\" id=\"path" + QByteArray::number(layer) + '_' + QByteArray::number(path) + "\" />\n";
        }
        out += "  </g>\n";
    }
    out += "</svg>\n";
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gross.svg"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(generate(20 * 1000 * 1000)) < 0)
            return 1;
    }
    Bench::resetPeakResident();
    Document doc;
    Bench::Timer t;
    const std::clock_t cpu = std::clock();
    const DrawingFile::LoadResult r = DrawingFile::load(doc, path);
    const double cpuSeconds = double(std::clock() - cpu) / CLOCKS_PER_SEC;
    if (!r.ok) {
        std::printf("load failed: %s\n", qPrintable(r.error));
        return 1;
    }
    const bool fast = Bench::report("SVG import (any drawing), 20 MB", t.seconds(), "s", 1.0);
    const double peak = Bench::peakResidentMiB();
    const bool small = Bench::report("SVG import peak memory", peak, "MiB", 400);
    // On a busy machine the wall time says more about the neighbours.
    std::printf("file %.1f MB, %d layers, %d segments, %d colours, CPU time %.3f s\n",
                QFileInfo(path).size() / 1e6, doc.layers().size(), doc.nodeCount(), doc.colors().size(), cpuSeconds);
    return fast && small ? 0 : 1;
}
