#pragma once

#include "device/UsbDriverInstaller.h"

#include <QString>
#include <QStringList>

class Clock;
class ProcessRunner;
class UserMessages;

// The Linux counterpart of the Windows driver tools: plotters of vendor
// 0x0F0B become usable by the logged-in user through a udev rule. Writing
// below /etc needs root, so the work goes through a small shell script run
// elevated (pkexec, directly when we are root); udev then reloads its rules
// and re-applies them to the plotters already plugged in.
class UdevDriverInstaller : public UsbDriverInstaller
{
public:
    // root: the file-system root the rule goes below ("/" outside tests).
    UdevDriverInstaller(ProcessRunner& processes, UserMessages& messages, Clock& clock,
                        const QString& root = QStringLiteral("/"));

    void installDriver(int vendorId, int productId) override;
    // Removes the rule and ends the program.
    void removeDrivers() override;

    QString rulePath() const;
    // The script that installs (rule given) or removes (rule empty) the rule
    // and lets udev re-read it; the rule arrives through the script's first
    // argument, a temporary file.
    static QString script(const QString& rulePath, bool install);

    // What the restart runs: this program with the arguments it was given.
    QString program;
    QStringList arguments;

private:
    bool runScript(bool install);

    ProcessRunner& m_processes;
    UserMessages& m_messages;
    Clock& m_clock;
    QString m_root;
};
