// Loading a large exchange file: a sign-maker's full roll of lettering is a
// million segments. Generates ~50 MB of Illustrator-dialect lines (curves
// and straight lines, several layers, objects and colours) and loads it the
// way the program does, through DrawingFile::load.

#include "BenchUtil.h"

#include "document/Document.h"
#include "document/DrawingFile.h"
#include "document/ExchangeReader.h"
#include "document/ExchangeText.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int TargetNodes = 1000000;
constexpr int NodesPerSubPath = 40;
constexpr int SubPathsPerObject = 3;
constexpr int Layers = 5;

void appendNumber(QByteArray& out, double v)
{
    out += ' ';
    out += QByteArray::number(v, 'f', 3);
}

bool writeFile(const QString& path, int& nodes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator rng(20240501);
    auto coord = [&rng](double range) { return rng.generateDouble() * range; };
    const char* colorLines[][2] = {
        {"RGB", "0 0 0"},     {"RGB", "255 0 0"},   {"CMYK", "0 255 255 0"},
        {"RGB", "0 0 255"},   {"CMYK", "0 0 0 255"}, {"RGB", "20 120 40"},
    };
    QByteArray out;
    out.reserve(1 << 22);
    out += "KCSeite Adobe Illustrator\n";
    nodes = 0;
    const int objectsPerLayer = TargetNodes / (Layers * SubPathsPerObject * NodesPerSubPath);
    for (int l = 0; l < Layers; ++l) {
        out += "KCEbene\nEbene " + QByteArray::number(l + 1) + "\n";
        for (int o = 0; o < objectsPerLayer; ++o) {
            const double ox = coord(2000), oy = coord(1000);
            out += "KCObjekt\nKCAuswahl\nnein\nKCKoordinaten\n";
            out += QByteArray::number(ox, 'f', 3) + ' ' + QByteArray::number(oy + 60, 'f', 3) + ' '
                + QByteArray::number(ox + 60, 'f', 3) + ' ' + QByteArray::number(oy, 'f', 3) + '\n';
            const auto& c = colorLines[(l * 7 + o) % 6];
            out += "KCFuellfarbe\n";
            out += c[0];
            out += '\n';
            out += c[1];
            out += '\n';
            for (int s = 0; s < SubPathsPerObject; ++s) {
                out += "KCStart\nKCGeschlossen\n";
                out += s == 2 ? "nein\n" : "ja\n";
                for (int n = 0; n < NodesPerSubPath; ++n) {
                    const double x = ox + coord(60), y = oy + coord(60);
                    if (n % 3 == 0) {
                        out += 'L';
                        appendNumber(out, x);
                        appendNumber(out, y);
                        appendNumber(out, ox + coord(60));
                        appendNumber(out, oy + coord(60));
                    } else {
                        out += 'C';
                        appendNumber(out, x);
                        appendNumber(out, y);
                        appendNumber(out, x + coord(8) - 4);
                        appendNumber(out, y + coord(8) - 4);
                        appendNumber(out, x + coord(8) - 4);
                        appendNumber(out, y + coord(8) - 4);
                    }
                    out += '\n';
                    ++nodes;
                }
                out += "KCEnde\n";
            }
            if (out.size() > (1 << 22) - 8192) {
                f.write(out);
                out.clear();
            }
        }
    }
    f.write(out);
    return f.error() == QFile::NoError;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString path = dir.filePath(QStringLiteral("kcxfer.kcj"));
    int nodes = 0;
    if (!writeFile(path, nodes)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    const double mb = QFile(path).size() / 1e6;

    Document doc;
    Bench::resetPeakResident();
    Bench::Timer timer;
    QString error;
    const bool loaded = DrawingFile::load(doc, path, &error);
    const double seconds = timer.seconds();
    const double peak = Bench::peakResidentMiB();
    if (!loaded) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("file %.1f MB, %d node lines, %d segments loaded, drawing %.3f x %.3f mm\n", mb,
                nodes, doc.nodeCount(), doc.drawingWidth(), doc.drawingHeight());

    const bool timeOk = Bench::report("exchange file load (50 MB, 1 M nodes)", seconds, "s", 1.0);
    const bool memOk = Bench::report("peak resident during load", peak, "MiB", 400);

    // Where the time goes, for whoever tunes it next (no targets).
    doc.clear();
    timer.restart();
    QStringList lines;
    ExchangeText::readKcjLines(path, lines);
    const double tText = timer.seconds();
    timer.restart();
    ExchangeReader::read(doc, lines);
    const double tRead = timer.seconds();
    double l = doc.minX(), t = doc.minY(), r = doc.maxX(), b = doc.maxY();
    timer.restart();
    doc.refineExtentByCurves(l, t, r, b);
    const double tRefine = timer.seconds();
    std::printf("  reading and normalising lines %.3f s, building the drawing %.3f s "
                "(of which one curve-extent pass %.3f s)\n",
                tText, tRead, tRefine);
    return timeOk && memOk ? 0 : 1;
}
