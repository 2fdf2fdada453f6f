#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// First-run copy of the default data files (presets, the three sample
// settings and the ini file shared with the host plug-ins) from the
// installation into the user's Kerfcraft folder. The program only decides
// whether a copy is needed; the installed copy script does the copying, so
// installers can change what is copied without a new program.
namespace DefaultFiles {

// The files, in the order they are checked.
const QStringList& fileNames();

// Starts a program and waits for it at most timeoutMs; the outcome is not
// looked at.
using Runner = std::function<void(const QString& program, const QStringList& args, int timeoutMs)>;

// How long start-up waits for the copy script.
constexpr int CopyTimeoutMs = 30000;

// exeDir: where the installation keeps the defaults and the script.
// targetDir: the user's Kerfcraft folder.
// False (nothing run) when the installation lacks one of the files; true
// otherwise, whether or not the script had to run.
bool CopyIniFilesIfNotExists(const QString& exeDir, const QString& targetDir, const Runner& run);

// The same for the running program: executable folder, appdata/Kerfcraft,
// the script started through ProcessRunner.
bool CopyIniFilesIfNotExists();

} // namespace DefaultFiles
