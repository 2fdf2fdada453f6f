// The window while a sign-maker's full roll (a million nodes) is loaded:
// the drawing is read off the GUI thread, so the window keeps answering.
// A 1 ms timer on the GUI thread measures the longest gap between its
// ticks from the start of the load until the preview has been painted.

#include "BenchUtil.h"

#include "cli/ConsoleMessages.h"
#include "document/Document.h"
#include "ui/MainWindow.h"
#include "ui/Preview.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTimer>

#include <cstdio>

namespace {

// Exchange lines as start-up hands them over: five layers of objects with
// three sub-paths of 40 nodes, a third of them straight.
QStringList drawing(int targetNodes)
{
    QRandomGenerator rng(20240501);
    const auto r = [&rng](double range) { return rng.generateDouble() * range; };
    const auto mm = [](double v) { return QString::number(v, 'f', 3); };
    QStringList lines{"KCSeite Adobe Illustrator\n"};
    const int objects = targetNodes / (5 * 3 * 40);
    for (int l = 0; l < 5; ++l) {
        lines << "KCEbene\n" << QStringLiteral("Ebene %1\n").arg(l + 1);
        for (int o = 0; o < objects; ++o) {
            // Letters of 60 mm spread over a 2 × 1 m sheet.
            const double ox = r(2000), oy = r(1000);
            lines << "KCObjekt\n" << "KCFuellfarbe\n" << "RGB\n" << (o % 2 ? "255 0 0\n" : "0 0 0\n");
            for (int s = 0; s < 3; ++s) {
                lines << "KCStart\n" << "KCGeschlossen\n" << "ja\n";
                for (int n = 0; n < 40; ++n) {
                    const double x = ox + r(60), y = oy + r(60);
                    lines << (n % 3 == 0 ? QStringLiteral("L %1 %2 %3 %4\n").arg(mm(x), mm(y), mm(x), mm(y))
                                         : QStringLiteral("C %1 %2 %3 %4 %5 %6\n")
                                               .arg(mm(x), mm(y), mm(x + r(8) - 4), mm(y + r(8) - 4),
                                                    mm(x + r(8) - 4), mm(y + r(8) - 4)));
                }
                lines << "KCEnde\n";
            }
        }
    }
    return lines;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList lines = drawing(1000000);
    ConsoleMessages messages;
    MainWindow window(QStringList(), false, messages);
    window.resize(1400, 820);
    window.show();
    QApplication::processEvents();

    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = qMax(longest, sinceTick.restart());
    });
    Bench::Timer total;
    sinceTick.start();
    ticker.start();
    window.loadDrawing(lines, false);
    const double loadSeconds = total.seconds();
    // Until the preview has drawn the new drawing.
    QElapsedTimer settle;
    settle.start();
    const Preview* preview = window.findChild<Preview*>();
    while (settle.elapsed() < 500 || (preview && preview->outlinePending()))
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    longest = qMax(longest, sinceTick.elapsed());
    const qint64 loadStall = longest;

    std::printf("%d nodes loaded in %.2f s\n", window.document().nodeCount(), loadSeconds);
    // The buttons that read or write the whole drawing.
    const QString dir = QDir::tempPath() + QStringLiteral("/kc-bench-window");
    QDir().mkpath(dir);
    const QString jobFile = dir + QStringLiteral("/job.kcf");
    // A roll wide and long enough to hold the whole drawing.
    window.document().setMaterialWidth(2100);
    window.document().setMaterialHeight(1100);
    window.setTestDataPath(dir + QStringLiteral("/lastcut.txt"));
    window.setFileAsk([&](bool, const QString&) { return jobFile; });
    bool actionsOk = true;
    const auto stall = [&](const char* name, const char* slot) {
        Bench::Timer t;
        longest = 0;
        sinceTick.restart();
        QMetaObject::invokeMethod(&window, slot);
        // Until the window has settled, and the old drawing is freed.
        QElapsedTimer after;
        after.start();
        while (after.elapsed() < 2000 || (preview && preview->outlinePending()))
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        longest = qMax(longest, sinceTick.elapsed());
        std::printf("%s took %.2f s\n", name, t.seconds());
        return Bench::report(name, double(longest), "ms", 100);
    };
    actionsOk &= stall("longest GUI stall: Testdata of 1 M nodes", "onBtnTestDataClicked");
    actionsOk &= stall("longest GUI stall: saving the job file", "onBtnSaveClicked");
    actionsOk &= stall("longest GUI stall: loading the job file", "onBtnLoadClicked");
    QDir(dir).removeRecursively();
    ticker.stop();

    // Where a stall comes from: taking the drawing over, refilling the
    // controls, the preview following DataChanged() and painting once.
    {
        MainWindow probe(QStringList(), false, messages);
        probe.resize(1400, 820);
        probe.show();
        QApplication::processEvents();
        Bench::Timer t;
        probe.document().blockSignals(true);
        probe.document().adoptDrawing(window.document());
        probe.document().blockSignals(false);
        std::printf("taking the drawing over %.0f ms\n", t.seconds() * 1000);
        t.restart();
        QMetaObject::invokeMethod(&probe, "onDocumentDataChanged");
        std::printf("refilling the controls %.0f ms\n", t.seconds() * 1000);
        t.restart();
        probe.document().notifyChanged();
        const double adopt = t.seconds();
        t.restart();
        probe.grab();
        std::printf("the preview following the change %.0f ms, painting the window %.0f ms\n", adopt * 1000,
                    t.seconds() * 1000);
    }
    bool ok = Bench::report("longest GUI stall while loading 1 M nodes", double(loadStall), "ms", 100);

    return ok && actionsOk ? 0 : 1;
}
