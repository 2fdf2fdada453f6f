#pragma once

#include <QString>
#include <QStringList>

class Clock;
class Translations;
class UserMessages;

// From process start to the first window: first-run copy, settings,
// presets, command line, translations, then the mode's window and the event
// loop. The application object and the translator table belong to main().
namespace Startup {

// Everything after the application object exists; returns the exit code.
int run(int argc, char** argv, Translations& translations);

// What the first window is built from, or the exit code when none opens.
struct WindowInput {
    bool openWindow = false;
    int exitCode = 0;
    QStringList texts; // the exchange text list
    bool isSvg = false;
    QString drawingFile; // a drawing opened directly ("kerfcraft FILE.svg")
};

// Cut mode: picks the newest candidate, checks Inkscape's preferences for
// SVG, waits for the file and reads it (".kcj" line by line, ".svg" whole).
WindowInput prepareCutMode(const QStringList& candidates, const QString& inkscapePreferences,
                           Clock& clock, UserMessages& messages);

// Plain mode: a text file some hosts leave for us.
const QString PlainModeFile = QStringLiteral("/tmp/Kerfcraft-Daten.txt");
// Its bytes as Latin-1 up to the first zero byte, as the only entry; an
// empty list when the file does not exist.
QStringList readPlainModeText(const QString& path);

} // namespace Startup
