#pragma once

#include <QStringList>

class Clock;
struct CliIo;

// How `kerfcraft-cli send` meets its terminal. cliSend() uses standard
// input and the system clock; tests put a pipe and a fake clock in.
struct SendConsole {
    int inputFd = 0;              // a line here answers a pause ("Weiter ->")
    bool inputIsTerminal = false; // false: pauses go on at once
    Clock* clock = nullptr;       // null: the system clock
    bool catchInterrupt = true;   // Ctrl-C (SIGINT) cancels the job
};

// kerfcraft-cli send INPUT [plot options] [--device BUS:ADDRESS]: prepares
// the job as `plot` does and sends it to the plotter through the job
// runner. Exit code 0 sent, 1 cancelled, 2 error.
int cliSendWith(const QStringList& args, CliIo& io, const SendConsole& console);
