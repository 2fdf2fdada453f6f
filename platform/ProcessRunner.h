#pragma once

#include <QString>
#include <QStringList>

// Starts helper programs and waits for them. The elevated form stands for
// the Windows "runas" verb: on Linux it goes through pkexec unless we already
// run as root, in which case the program starts directly.
class ProcessRunner
{
public:
    struct Result {
        bool started = false;   // the program could be started at all
        bool finished = false;  // it ended within the time-out
        int exitCode = -1;
        QString errorText;      // why it did not start, for the caller's message
    };

    static Result run(const QString& program, const QStringList& args, int timeoutMs);
    static Result runElevated(const QString& program, const QStringList& args, int timeoutMs);
    // True when the program name resolves to an executable (absolute path or PATH).
    static bool exists(const QString& program);
    static bool runningAsRoot();
};
