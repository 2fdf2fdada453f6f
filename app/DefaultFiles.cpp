#include "app/DefaultFiles.h"

#include "platform/Environment.h"
#include "platform/ProcessRunner.h"

#include <QDir>
#include <QFileInfo>

namespace DefaultFiles {

const QStringList& fileNames()
{
    static const QStringList names{
        QStringLiteral("KerfcraftPresets.xml"), QStringLiteral("1000.txt"),
        QStringLiteral("2000.txt"),             QStringLiteral("3000.txt"),
        QStringLiteral("Kerfcraft.ini"),
    };
    return names;
}

namespace {
bool allPresent(const QString& dir)
{
    for (const QString& name : fileNames())
        if (!QFileInfo::exists(dir + QLatin1Char('/') + name))
            return false;
    return true;
}
} // namespace

bool CopyIniFilesIfNotExists(const QString& exeDir, const QString& targetDir, const Runner& run)
{
    const QString installDir = QDir(exeDir).absolutePath();
    // An incomplete installation must not leave the user with half a set.
    if (!allPresent(installDir))
        return false;

    if (QFileInfo(targetDir).isDir() && allPresent(targetDir))
        return true;

#ifdef Q_OS_WIN
    run(QStringLiteral("cmd.exe"),
        {QStringLiteral("/c"), QDir::toNativeSeparators(exeDir + QStringLiteral("/CopySettingFiles.bat"))},
        CopyTimeoutMs);
#else
    // Through sh, so a lost execute bit (archives, copies) does not stop it.
    run(QStringLiteral("sh"), {exeDir + QStringLiteral("/CopySettingFiles.sh")}, CopyTimeoutMs);
#endif
    return true;
}

bool CopyIniFilesIfNotExists()
{
    return CopyIniFilesIfNotExists(
        Environment::executableDir(), Environment::kerfcraftDataDir(),
        [](const QString& program, const QStringList& args, int timeoutMs) {
            ProcessRunner::system().run(program, args, timeoutMs);
        });
}

} // namespace DefaultFiles
