#pragma once

#include <QString>
#include <QStringList>

// Starts helper programs and waits for them. Behind an interface so that the
// command lines the program builds (host transfer programs, udev, the restart)
// can be checked without running anything. The elevated form stands for the
// Windows "runas" verb: on Linux it goes through pkexec unless we already run
// as root, in which case the program starts directly.
class ProcessRunner
{
public:
    static constexpr int NoTimeout = -1;

    struct Result {
        bool started = false;   // the program could be started at all
        bool finished = false;  // it ended within the time-out
        int exitCode = -1;
        QString errorText;      // why it did not start, for the caller's message
    };

    virtual ~ProcessRunner() = default;

    // workingDir empty: the current folder.
    virtual Result run(const QString& program, const QStringList& args, int timeoutMs,
                       const QString& workingDir = QString()) = 0;
    virtual Result runElevated(const QString& program, const QStringList& args, int timeoutMs) = 0;
    // Starts without waiting; the child outlives us (the restart after a
    // driver installation).
    virtual bool startDetached(const QString& program, const QStringList& args) = 0;
    // True when the program name resolves to an executable (absolute path or PATH).
    virtual bool exists(const QString& program) const = 0;
    virtual bool runningAsRoot() const = 0;

    // The real runner; stateless, shared by everyone.
    static ProcessRunner& system();
};

class SystemProcessRunner : public ProcessRunner
{
public:
    Result run(const QString& program, const QStringList& args, int timeoutMs,
               const QString& workingDir = QString()) override;
    Result runElevated(const QString& program, const QStringList& args, int timeoutMs) override;
    bool startDetached(const QString& program, const QStringList& args) override;
    bool exists(const QString& program) const override;
    bool runningAsRoot() const override;
};
