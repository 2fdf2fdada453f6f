// Replays saved fuzz inputs through a target without libFuzzer, so the
// ordinary build runs every past finding and seed as a test. Arguments are
// files or folders (every file inside, recursively, in name order). The
// slowest input is named with its processor time, which, unlike the fuzzer's
// wall clock, a loaded machine does not inflate.

#include "FuzzSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <ctime>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        // A target without kept findings has no folder in a fresh clone.
        if (!QFileInfo::exists(arg))
            continue;
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
        } else {
            files << arg;
        }
    }
    std::sort(files.begin(), files.end());
    if (files.isEmpty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    double slowestMs = -1;
    QString slowest;
    for (const QString& path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = f.readAll();
        const std::clock_t start = std::clock();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
        const double ms = 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
        if (ms > slowestMs) {
            slowestMs = ms;
            slowest = path;
        }
    }
    std::printf("%d inputs replayed; slowest %.0f ms CPU: %s\n", int(files.size()), slowestMs,
                qPrintable(slowest));
    return 0;
}
