#pragma once

#include <QString>

// The debug channel: every diagnostic line of the program goes through
// Logger::debug(), which writes it at debug level under the category
// "default". With KERFCRAFT_LOG=path the lines are appended to that file as
// well, so a user can send a trace of a failed job.
namespace Logger {

void debug(const QString& line);

// Keeps the lines off the terminal unless KERFCRAFT_DEBUG=1; the log file
// still gets every one. Each program's main() calls it once at start.
void keepOffTerminalUnlessAsked();

// Lines of several parts are written separated by single blanks.
template <class... Parts>
void debugParts(const QString& first, const Parts&... rest)
{
    QString line = first;
    ((line += QLatin1Char(' '), line += rest), ...);
    debug(line);
}

} // namespace Logger
