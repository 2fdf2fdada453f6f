#include "cli/CliCommands.h"
#include "cli/CliTr.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {
void usage(QTextStream& s)
{
    s << Cli::tr(
             "Aufruf: kerfcraft-cli BEFEHL [OPTIONEN]\n"
             "\n"
             "Befehle:\n"
             "  info DATEI                 Ebenen, Objekte, Farben und Ausdehnung einer Zeichnung\n"
             "  convert DATEI -o ZIEL.kcf  Zeichnung als Auftragsdatei speichern\n"
             "  plot DATEI [-o ZIEL]       Plotterdaten erzeugen\n"
             "  blocks DATEI               Plotterdaten blockweise anzeigen\n"
             "  fcm DATEI -o ZIEL.fcm      Auftrag als FCM-Datei schreiben\n"
             "  devices                    angeschlossene Plotter auflisten\n"
             "  query [--device BUS:ADR]   einen Plotter abfragen\n"
             "  send DATEI [--device BUS:ADR]  Auftrag an einen Plotter senden\n"
             "  presets                    Plottermodelle, Materialien und Messer auflisten\n"
             "\n"
             "kerfcraft-cli BEFEHL --help zeigt die Optionen eines Befehls.\n");
    s << Cli::tr("\nEine SVG-Datei ist eine beliebige Zeichnung; mit --exchange wird sie wie die\n"
                 "Übertragungsdatei des Inkscape-Plug-ins gelesen.\n");
    s.flush();
}
// Help of the commands that take no job options; plot, blocks, send and
// convert answer --help themselves.
bool shortHelp(const QString& command, QTextStream& out)
{
    if (command == QLatin1String("info"))
        out << Cli::tr("Aufruf: kerfcraft-cli info DATEI\n\n"
                       "Ebenen, Objekte, Farben, Ausdehnung, Begrenzung (links, oben, rechts, "
                       "unten in mm)\nund Passermarken einer Zeichnung (.kcj, .svg, .kcf).\n");
    else if (command == QLatin1String("devices"))
        out << Cli::tr("Aufruf: kerfcraft-cli devices\n\n"
                       "Angeschlossene Plotter mit Modell, Firmware und eingelegtem Medium.\n");
    else if (command == QLatin1String("query"))
        out << Cli::tr("Aufruf: kerfcraft-cli query [--device BUS:ADR]\n\n"
                       "Fragt einen Plotter (Vorgabe: den ersten) nach seinen Einstellungen.\n");
    else if (command == QLatin1String("presets"))
        out << Cli::tr("Aufruf: kerfcraft-cli presets\n\n"
                       "Plottermodelle (Name und Kürzel), Materialien und Messer der "
                       "Voreinstellungen.\n");
    else
        return false;
    out.flush();
    return true;
}

} // namespace

int cliMain(const QStringList& arguments, CliIo& io)
{
    if (arguments.size() < 2 || arguments[1] == QLatin1String("--help")
        || arguments[1] == QLatin1String("-h")) {
        usage(arguments.size() < 2 ? io.err : io.out);
        return arguments.size() < 2 ? 2 : 0;
    }
    const QString command = arguments[1];
    const QStringList rest = arguments.mid(2);
    if ((rest.contains(QLatin1String("--help")) || rest.contains(QLatin1String("-h")))
        && shortHelp(command, io.out))
        return 0;
    int rc = 2;
    if (command == QLatin1String("info"))
        rc = cliInfo(rest, io);
    else if (command == QLatin1String("convert"))
        rc = cliConvert(rest, io);
    else if (command == QLatin1String("plot"))
        rc = cliPlot(rest, io);
    else if (command == QLatin1String("blocks"))
        rc = cliBlocks(rest, io);
    else if (command == QLatin1String("fcm"))
        rc = cliFcm(rest, io);
    else if (command == QLatin1String("devices"))
        rc = cliDevices(rest, io);
    else if (command == QLatin1String("query"))
        rc = cliQuery(rest, io);
    else if (command == QLatin1String("send"))
        rc = cliSend(rest, io);
    else if (command == QLatin1String("presets"))
        rc = cliPresets(rest, io);
    else {
        io.err << Cli::tr("Unbekannter Befehl: %1").arg(command) << '\n';
        usage(io.err);
    }
    io.out.flush();
    io.err.flush();
    return rc;
}
