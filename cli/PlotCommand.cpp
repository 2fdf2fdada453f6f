#include "cli/CliCommands.h"
#include "cli/CliTr.h"

#include "cli/PlotJob.h"
#include "document/Document.h"
#include "platform/AtomicFile.h"
#include "plot/Block.h"
#include "plot/BlockList.h"
#include "plot/StreamFigures.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cmath>

namespace {
// Cut, travel, material and time of the stream, one line for stderr.
QString figuresLine(const BlockList& blocks, int speed)
{
    QByteArray stream;
    for (int i = 0; i < blocks.size(); ++i)
        stream += blocks.at(i).bytes();
    const StreamFigures f = StreamFigures::measure(stream);
    const int seconds = int(std::ceil(f.seconds(speed)));
    return Cli::tr("Schnittlänge %1 mm, Leerfahrt %2 mm, Materialverbrauch %3 mm, "
                   "Zeit ca. %4:%5 min bei %6 cm/s")
        .arg(f.cutMm, 0, 'f', 1)
        .arg(f.travelMm, 0, 'f', 1)
        .arg(f.materialMm, 0, 'f', 1)
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(speed);
}
} // namespace

// kerfcraft-cli plot INPUT [-o OUT] [options]: the exact bytes the plotter
// would receive, every block in order, to OUT or to standard output; what
// the job asks of the plotter (lengths, time) on stderr.
int cliPlot(const QStringList& args, CliIo& io)
{
    PlotJob::Options options;
    QString error;
    if (!PlotJob::parse(args, true, options, &error)) {
        io.err << error << '\n';
        return 2;
    }
    if (options.help) {
        io.out << PlotJob::usage(QStringLiteral("plot"), true);
        return 0;
    }
    QObject owner; // outlives the document, which points at its presets
    Document doc;
    bool deviceControl = false;
    if (!PlotJob::prepare(options, doc, io.messages, owner, deviceControl, &error)) {
        io.err << error << '\n';
        return 2;
    }
    BlockList blocks(deviceControl);
    PlotJob::generate(doc, blocks, options.progress && PlotJob::isTerminal(io.err), io.err);
    io.err << figuresLine(blocks, doc.speed()) << '\n';

    if (options.output.isEmpty()) {
        for (int i = 0; i < blocks.size(); ++i)
            io.rawOut.write(blocks.at(i).bytes());
        return 0;
    }
    // Streamed block by block: a job of millions of segments is never held twice.
    AtomicFile file(options.output);
    bool ok = file.open();
    for (int i = 0; ok && i < blocks.size(); ++i)
        ok = file.write(blocks.at(i).bytes()) == blocks.at(i).bytes().size();
    if (!ok || !file.commit()) {
        io.err << Cli::tr("Die Datei %1 konnte nicht geschrieben werden (%2).")
                      .arg(options.output, file.errorString())
               << '\n';
        return 2;
    }
    return 0;
}
