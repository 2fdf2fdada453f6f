#include "cli/CliCommands.h"
#include "cli/CliTr.h"

#include "document/Document.h"
#include "document/DrawingFile.h"
#include "document/JobFile.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {


struct ConvertArgs {
    QString input;
    QString output;
    bool exchange = false; // an SVG is the host plug-in's exchange file
};

// "IN -o OUT", options and the input in any order. False with a German
// reason in error.
bool parse(const QStringList& args, ConvertArgs& out, QString& error)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-o")) {
            if (i + 1 >= args.size()) {
                error = Cli::tr("Nach -o fehlt der Name der Zieldatei.");
                return false;
            }
            if (!out.output.isEmpty()) {
                error = Cli::tr("Die Option -o ist mehrfach angegeben.");
                return false;
            }
            out.output = args[++i];
        } else if (a == QLatin1String("--exchange")) {
            out.exchange = true;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            error = Cli::tr("Unbekannte Option: %1").arg(a);
            return false;
        } else if (out.input.isEmpty()) {
            out.input = a;
        } else {
            error = Cli::tr("Mehr als eine Eingabedatei angegeben: %1").arg(a);
            return false;
        }
    }
    if (out.input.isEmpty()) {
        error = Cli::tr("Keine Eingabedatei angegeben.");
        return false;
    }
    if (out.output.isEmpty()) {
        error = Cli::tr("Keine Zieldatei angegeben (-o ZIEL.kcf).");
        return false;
    }
    return true;
}

} // namespace

int cliConvert(const QStringList& args, CliIo& io)
{
    ConvertArgs a;
    QString error;
    if (!parse(args, a, error)) {
        io.err << error << '\n'
               << Cli::tr("Aufruf: kerfcraft-cli convert DATEI -o ZIEL.kcf") << '\n';
        io.err.flush();
        return 2;
    }
    Document doc;
    const DrawingFile::LoadResult loaded = DrawingFile::load(
        doc, a.input, a.exchange ? DrawingFile::SvgRoute::Exchange : DrawingFile::SvgRoute::AnyDrawing);
    if (!loaded.ok) {
        io.err << loaded.error << '\n';
        io.err.flush();
        return 2;
    }
    if (!JobFile::save(doc, a.output)) {
        io.err << Cli::tr("Die Auftragsdatei %1 konnte nicht gespeichert werden.").arg(a.output) << '\n';
        io.err.flush();
        return 2;
    }
    io.out << Cli::tr("%1 gespeichert: %2 Ebenen, %3 Knoten, %4 x %5 mm.")
                  .arg(a.output)
                  .arg(doc.layers().size())
                  .arg(doc.nodeCount())
                  .arg(doc.naturalWidth())
                  .arg(doc.naturalHeight())
           << '\n';
    io.out.flush();
    return 0;
}
