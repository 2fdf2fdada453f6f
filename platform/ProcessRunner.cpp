#include "platform/ProcessRunner.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

ProcessRunner& ProcessRunner::system()
{
    static SystemProcessRunner runner;
    return runner;
}

bool SystemProcessRunner::runningAsRoot() const
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

bool SystemProcessRunner::exists(const QString& program) const
{
    QFileInfo fi(program);
    if (fi.isAbsolute())
        return fi.isFile() && fi.isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

ProcessRunner::Result SystemProcessRunner::run(const QString& program, const QStringList& args,
                                               int timeoutMs, const QString& workingDir)
{
    Result r;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.start(program, args);
    if (!p.waitForStarted(timeoutMs < 0 ? 30000 : timeoutMs)) {
        r.errorText = p.errorString();
        return r;
    }
    r.started = true;
    if (!p.waitForFinished(timeoutMs)) {
        r.errorText = p.errorString();
        p.kill();
        p.waitForFinished(1000);
        return r;
    }
    r.finished = true;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

ProcessRunner::Result SystemProcessRunner::runElevated(const QString& program,
                                                       const QStringList& args, int timeoutMs)
{
#ifdef Q_OS_WIN
    // ShellExecuteEx with "runas" belongs here; the Windows build is not maintained yet.
    return run(program, args, timeoutMs);
#else
    if (runningAsRoot())
        return run(program, args, timeoutMs);
    if (!exists(QStringLiteral("pkexec"))) {
        Result r;
        r.errorText = QStringLiteral("pkexec");
        return r;
    }
    return run(QStringLiteral("pkexec"), QStringList{program} + args, timeoutMs);
#endif
}

bool SystemProcessRunner::startDetached(const QString& program, const QStringList& args)
{
    return QProcess::startDetached(program, args);
}
