// Loading a 20 MB Inkscape SVG of about 400 000 segments as the exchange file.

#include "BenchUtil.h"

#include "document/Document.h"
#include "document/DrawingFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Paths of 40 segments (curves and lines, coordinates with six decimals as
// Inkscape writes them) in a handful of fill colours, inside layer groups.
QByteArray generate(int targetBytes)
{
    QRandomGenerator rng(7);
    static const char* const fills[] = {"#e30613", "#1d71b8", "#ffcc00", "#000000", "none", "#3aaa35"};
    QByteArray out;
    out.reserve(targetBytes + 4096);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
           "<svg width=\"600mm\" height=\"1000mm\" viewBox=\"0 0 600 1000\" version=\"1.1\"\n"
           "   inkscape:version=\"1.2.2 (b0a8486541, 2022-12-01)\"\n"
           "   xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"\n"
           "   xmlns=\"http://www.w3.org/2000/svg\">\n";
    char buf[64];
    auto point = [&](double x, double y) {
        out += ' ';
        out.append(buf, std::snprintf(buf, sizeof buf, "%.6f,%.6f", x, y));
    };
    int path = 0;
    while (out.size() < targetBytes) {
        if (path % 500 == 0) {
            if (path > 0)
                out += "  </g>\n";
            out += "  <g inkscape:groupmode=\"layer\" inkscape:label=\"Ebene\">\n";
        }
        out += "    <path style=\"fill:";
        out += fills[(path / 7) % 6];
        out += ";fill-opacity:1;stroke:#000000;stroke-width:0.264583\" d=\"M";
        double x = rng.generateDouble() * 600, y = rng.generateDouble() * 1000;
        point(x, y);
        for (int n = 0; n < 40; ++n) {
            const double x3 = x + (rng.generateDouble() - 0.5) * 4, y3 = y + (rng.generateDouble() - 0.5) * 4;
            if (n % 2 == 0) {
                out += " L";
                point(x3, y3);
            } else {
                out += " C";
                point(x + 0.5, y - 0.5);
                point(x3 - 0.5, y3 + 0.5);
                point(x3, y3);
            }
            x = x3;
            y = y3;
        }
        out += " Z\" id=\"path";
        out += QByteArray::number(path++);
        out += "\" />\n";
    }
    out += "  </g>\n</svg>\n";
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
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
    // The exchange file's reader; bench_svg_import measures any drawing.
    const DrawingFile::LoadResult r = DrawingFile::load(doc, path, DrawingFile::SvgRoute::Exchange);
    if (!r.ok) {
        std::printf("load failed: %s\n", qPrintable(r.error));
        return 1;
    }
    const bool ok = Bench::report("SVG load, 20 MB", t.seconds(), "s", 1.0);
    std::printf("file %.1f MB, %d segments, %d colours, peak %.0f MiB\n", QFileInfo(path).size() / 1e6,
                doc.nodeCount(), doc.colors().size(), Bench::peakResidentMiB());
    return ok ? 0 : 1;
}
