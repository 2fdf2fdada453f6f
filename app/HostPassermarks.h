#pragma once

#include "platform/IniFile.h"
#include "ui/PassermarkenDialog.h"

#include <QMap>
#include <QString>

class ProcessRunner;
class UserMessages;

// Registration-mark mode: a host plug-in starts us with an argument ending
// in "passermarks"; the user picks the mark values in PassermarkenDialog and
// we hand the choice back. CorelDRAW gets it as the command line of its
// transfer program beside our executable; every other host reads the
// "Passermarks" section of our ini file.
namespace HostPassermarks {

const QString Section = QStringLiteral("Passermarks");

// Exit codes a host plug-in can rely on.
enum ExitCode { Delivered = 0, IniNotWritten = 1, TransferProgramMissing = 2 };

struct Choice {
    int action = PassermarkenDialog::Cancel;
    PassermarkSettings values;
};

// The user's data folder + "/Kerfcraft.ini".
QString iniPath();
// "<exeDir>/DrawDatentransfer32Bit.exe" or "…64Bit.exe".
QString transferProgram(const QString& exeDir, bool is64Bit);
// "CreateRegMarks 1000 <length> <thickness> <margin> <xstep> <ystep>",
// "DeleteRegMarks", or empty for a cancelled dialog. The segment switches
// are not passed: the transfer program always draws segment marks.
QString transferParameters(const Choice& choice);
// The keys written for setting or deleting marks, in their fixed order;
// nothing for a cancelled dialog.
IniFile::Values iniValues(const Choice& choice);
// The section's values over the defaults; unreadable numbers keep theirs.
PassermarkSettings settingsFromIni(const QMap<QString, QString>& section);

// Hands the choice to the host; the exit code of the mode.
int deliver(const Choice& choice, bool corelHost, const QString& iniFile, const QString& exeDir,
            ProcessRunner& processes, UserMessages& messages);

// Shows the dialog with the ini file's values, runs the event loop until it
// closes and delivers the choice.
int run(bool corelHost, UserMessages& messages);

} // namespace HostPassermarks
