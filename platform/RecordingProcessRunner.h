#pragma once

#include "platform/ProcessRunner.h"

#include <QSet>
#include <functional>

// A runner that runs nothing: records each command line ("program arg …",
// "runas …" for elevated, "detached …") and answers with exit code 0, or
// what onRun says. Only the programs in existing exist. For tests and dry
// runs of the code that builds command lines.
class RecordingProcessRunner : public ProcessRunner
{
public:
    Result run(const QString& program, const QStringList& args, int, const QString& = QString()) override
    {
        return record(program, args, QString());
    }
    Result runElevated(const QString& program, const QStringList& args, int) override
    {
        return record(program, args, QStringLiteral("runas "));
    }
    bool startDetached(const QString& program, const QStringList& args) override
    {
        return record(program, args, QStringLiteral("detached ")).started;
    }
    bool exists(const QString& program) const override { return existing.contains(program); }
    bool runningAsRoot() const override { return root; }

    QStringList lines;
    QSet<QString> existing;
    bool root = true;
    // Answers a run instead of the default success; gets the recorded line too.
    std::function<Result(const QString& program, const QStringList& args)> onRun;

private:
    Result record(const QString& program, const QStringList& args, const QString& prefix)
    {
        const QString line = prefix + (QStringList{program} + args).join(QLatin1Char(' '));
        lines << line;
        if (onRun)
            return onRun(program, args);
        Result r;
        r.started = r.finished = true;
        r.exitCode = 0;
        return r;
    }
};
