#include "cli/CliCommands.h"
#include "cli/CliTr.h"

#include "document/Document.h"
#include "cli/ConsoleMessages.h"
#include "document/DrawingFile.h"
#include "document/JobFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {


// Also through links: the canonical paths of existing files are compared.
bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo fa(a), fb(b);
    if (fa.absoluteFilePath() == fb.absoluteFilePath())
        return true;
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

struct ConvertArgs {
    QString input;
    QString output;
    bool help = false;
    bool exchange = false; // an SVG is the host plug-in's exchange file
};

// "IN -o OUT", options and the input in any order. False with a German
// reason in error.
bool parse(const QStringList& args, ConvertArgs& out, QString& error)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            out.help = true;
        } else if (a == QLatin1String("-o")) {
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
    if (out.help)
        return true;
    if (out.input.isEmpty()) {
        error = Cli::tr("Keine Eingabedatei angegeben.");
        return false;
    }
    if (out.output.isEmpty()) {
        error = Cli::tr("Keine Zieldatei angegeben (-o ZIEL.kcf).");
        return false;
    }
    // The suffix decides the writer; any other name would hold data under
    // a suffix that promises something else.
    const QString suffix = QFileInfo(out.output).suffix().toLower();
    if (suffix != QLatin1String("kcf") && suffix != QLatin1String("fcm")) {
        error = Cli::tr("Die Zieldatei %1 muss auf .kcf oder .fcm enden.").arg(out.output);
        return false;
    }
    if (sameFile(out.input, out.output)) {
        error = Cli::tr("Die Zieldatei %1 ist die Eingabedatei; sie wird nicht überschrieben.")
                    .arg(out.output);
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
    if (a.help) {
        io.out << Cli::tr("Aufruf: kerfcraft-cli convert DATEI -o ZIEL.kcf\n\n"
                          "Speichert eine Zeichnung (.kcj, .svg, .kcf) als Auftragsdatei (.kcf) oder "
                          "als FCM-Datei (.fcm,\nwie kerfcraft-cli fcm). Die Zieldatei ist nie die "
                          "Eingabedatei.\n");
        return 0;
    }
    if (QFileInfo(a.output).suffix().compare(QLatin1String("fcm"), Qt::CaseInsensitive) == 0)
        return cliFcm({a.input, QStringLiteral("-o"), a.output}, io);
    // Settings a job file holds outside their range are noted on stderr.
    ConsoleMessages messages;
    Document doc;
    const DrawingFile::LoadResult loaded = DrawingFile::load(
        doc, a.input, a.exchange ? DrawingFile::SvgRoute::Exchange : DrawingFile::SvgRoute::AnyDrawing, &messages);
    if (!loaded.ok) {
        io.err << loaded.error << '\n';
        io.err.flush();
        return 2;
    }
    if (!JobFile::save(doc, a.output, &error)) {
        io.err << Cli::tr("Die Auftragsdatei %1 konnte nicht gespeichert werden.").arg(a.output) << ' ' << error
               << '\n';
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
