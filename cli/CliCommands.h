#pragma once

#include <QStringList>

class QIODevice;
class QTextStream;
class UserMessages;

// The sub-commands of kerfcraft-cli. Each takes the arguments after its own
// name and returns the process exit code: 0 done, 1 cancelled, 2 error
// (with a German message on err). Output goes through the streams so the
// commands can be tested without a process.
struct CliIo {
    QTextStream& out;      // text for the user (stdout)
    QTextStream& err;      // messages (stderr)
    QIODevice& rawOut;     // byte output, e.g. a plot stream to stdout
    UserMessages& messages;
};

int cliInfo(const QStringList& args, CliIo& io);
int cliConvert(const QStringList& args, CliIo& io);
int cliPlot(const QStringList& args, CliIo& io);
int cliBlocks(const QStringList& args, CliIo& io);
int cliFcm(const QStringList& args, CliIo& io);
int cliDevices(const QStringList& args, CliIo& io);
int cliQuery(const QStringList& args, CliIo& io);
int cliSend(const QStringList& args, CliIo& io);
int cliPresets(const QStringList& args, CliIo& io);

// Dispatches argv[1] to its sub-command.
int cliMain(const QStringList& arguments, CliIo& io);
