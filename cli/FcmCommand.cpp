#include "cli/CliCommands.h"
#include "cli/CliTr.h"

#include "cli/PlotJob.h"
#include "document/Document.h"
#include "plot/FcmExport.h"
#include "ui/Preview.h"

#include <QTextStream>

// kerfcraft-cli fcm INPUT -o OUT.fcm [options]: the job as FCM cut data,
// with the same layout, thumbnail and file naming as the window's export.
// Needs the GUI application object (main() makes one for this command).
// Prints the files written, one per line (with stops between layers they
// are OUT1.fcm, OUT2.fcm, …).
int cliFcm(const QStringList& args, CliIo& io)
{
    PlotJob::Options options;
    QString error;
    if (!PlotJob::parse(args, true, options, &error)) {
        io.err << error << '\n';
        return 2;
    }
    if (options.help) {
        io.out << PlotJob::usage(QStringLiteral("fcm"), true);
        return 0;
    }
    if (options.output.isEmpty()) {
        io.err << Cli::tr("Bitte mit -o die FCM-Datei angeben.") << '\n';
        return 2;
    }
    QObject owner; // outlives the document, which points at its presets
    Document doc;
    bool deviceControl = false;
    if (!PlotJob::prepare(options, doc, io.messages, owner, deviceControl, &error)) {
        io.err << error << '\n';
        return 2;
    }
    doc.setFcmOutput(true);
    // The window's thumbnail, from a preview that is never shown (the tall
    // form for material longer than 300 mm).
    Preview preview;
    preview.setDocument(&doc);
    const QImage thumbnail = preview.renderJobImage(doc.materialHeight() > 300);
    const QString target = options.output;
    const FcmExport::Written written = FcmExport(doc).write(target, thumbnail);
    for (const QString& path : written.failed)
        io.err << Cli::tr("Die Datei %1 konnte nicht geschrieben werden.").arg(path) << '\n';
    for (const QString& path : written.paths)
        io.out << path << '\n';
    return written.failed.isEmpty() ? 0 : 2;
}
