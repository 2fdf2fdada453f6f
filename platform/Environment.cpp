#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QSysInfo>

namespace Environment {

namespace {
bool lookup(const QString& name, QString* out)
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (env.contains(name)) {
        if (out)
            *out = env.value(name);
        return true;
    }
    const QStringList keys = env.keys();
    for (const QString& k : keys)
        if (k.compare(name, Qt::CaseInsensitive) == 0) {
            if (out)
                *out = env.value(k);
            return true;
        }
    return false;
}
} // namespace

QString value(const QString& name)
{
    QString v;
    lookup(name, &v);
    return v;
}

bool contains(const QString& name) { return lookup(name, nullptr); }

QString toSlashes(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

QString appDataDir()
{
    const QString v = value(QStringLiteral("appdata"));
    if (!v.isEmpty())
        return toSlashes(v);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString tempDir()
{
    const QString v = value(QStringLiteral("TEMP"));
    if (!v.isEmpty())
        return toSlashes(v);
    return QDir::tempPath();
}

bool is64BitSystem()
{
    return QSysInfo::currentCpuArchitecture().contains(QLatin1String("64"));
}

QString toolkitTempDir() { return QDir::tempPath(); }

QString kerfcraftDataDir() { return appDataDir() + QStringLiteral("/Kerfcraft"); }

QString executableDir()
{
    const QString v = value(QStringLiteral("KERFCRAFT_BIN_DIR"));
    if (!v.isEmpty())
        return toSlashes(v);
    return QCoreApplication::applicationDirPath();
}

} // namespace Environment
