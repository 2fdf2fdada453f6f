// The worst case of the curve extent: 170 000 small objects whose curves
// all bulge beyond their end points (handles reaching out of the anchors'
// box), so no curve can be passed over by its end points alone. Generates
// the exchange file (~690 k segments) and loads it as the program does.

#include "BenchUtil.h"

#include "document/Document.h"
#include "document/DrawingFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

constexpr int Objects = 170000;
// Objects overlap along one strip 100 mm long: every one reaches the top
// and the bottom of the drawing, so every curve touches a bound.
constexpr int Columns = 5000;

void appendNumber(QByteArray& out, double v)
{
    out += ' ';
    out += QByteArray::number(v, 'f', 2);
}

bool writeFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator rng(20261206);
    auto handle = [&rng] { return rng.generateDouble() * 8 - 4; };
    QByteArray out;
    out.reserve(1 << 22);
    out += "KCSeite Adobe Illustrator\nKCEbene\nEbene 1\n";
    for (int o = 0; o < Objects; ++o) {
        const double ox = (o % Columns) * 0.02;
        out += "KCObjekt\n";
        out += o % 2 ? "KCFuellfarbe\nRGB\n3 60 130\n" : "KCFuellfarbe\nRGB\n0 0 0\n";
        out += "KCStart\nKCGeschlossen\nja\n";
        const double anchors[4][2] = {{5, 0}, {10, 5}, {5, 10}, {0, 5}};
        for (const auto& a : anchors) {
            const double x = ox + a[0], y = a[1];
            out += 'C';
            appendNumber(out, x);
            appendNumber(out, y);
            appendNumber(out, x + handle());
            appendNumber(out, y + handle());
            appendNumber(out, x + handle());
            appendNumber(out, y + handle());
            out += '\n';
        }
        out += "KCEnde\n";
        if (out.size() > (1 << 22) - 4096) {
            f.write(out);
            out.clear();
        }
    }
    f.write(out);
    return f.error() == QFile::NoError;
}

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kcxfer.kcj"));
    if (!dir.isValid() || !writeFile(path)) {
        std::fprintf(stderr, "cannot write the exchange file\n");
        return 1;
    }
    Document doc;
    Bench::Timer timer;
    const double cpu0 = cpuSeconds();
    QString error;
    const bool loaded = DrawingFile::load(doc, path, &error);
    const double cpu = cpuSeconds() - cpu0, wall = timer.seconds();
    if (!loaded) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("file %.1f MB, %d segments, drawing %.3f x %.3f mm, wall time %.3f s\n",
                QFile(path).size() / 1e6, doc.nodeCount(), doc.drawingWidth(), doc.drawingHeight(),
                wall);
    // CPU time: the figure a shared, busy machine does not inflate.
    const bool ok = Bench::report("load, 170 000 objects of bulging curves (CPU)", cpu, "s", 1.0);

    // One extent pass each way, for whoever tunes it next (no target).
    double l = doc.minX(), t = doc.minY(), r = doc.maxX(), b = doc.maxY();
    double c = cpuSeconds();
    doc.refineExtentByCurves(l, t, r, b);
    const double fast = cpuSeconds() - c;
    l = doc.minX(), t = doc.minY(), r = doc.maxX(), b = doc.maxY();
    c = cpuSeconds();
    doc.refineExtentByCurvesPlain(l, t, r, b);
    std::printf("  one curve-extent pass %.3f s CPU (plain sampling %.3f s)\n", fast,
                cpuSeconds() - c);
    return ok ? 0 : 1;
}
