#pragma once

#include <QString>
#include <QStringList>

class Clock;
class UserMessages;

// Finding the exchange file the host plug-in wrote ("kcxfer.kcj" or
// "kcxfer.svg" in the temporary folder) before it started us with "/cut".
namespace ExchangeFileLocator {

// Toolkit temp folder first, then TEMP; ".kcj" before ".svg" in each. The
// two folders are usually the same, so a file may appear twice.
QStringList candidates();
QStringList candidates(const QString& toolkitTempDir, const QString& tempDir);

// Absolute path of the most recently modified existing candidate; on equal
// times the earlier one in the list. Empty when none exists.
QString chooseNewest(const QStringList& candidates);

// The plug-in may still be writing: polls every 200 ms, 25 looks at most
// (about 5 s). False, after telling the user, when no regular file of that
// name turned up.
bool waitForFile(const QString& path, Clock& clock, UserMessages& messages);

constexpr int PollIntervalMs = 200;
constexpr int MaxLooks = 25;
// Exit code of the process when the file never turned up.
constexpr int NotFoundExitCode = -1;

} // namespace ExchangeFileLocator
