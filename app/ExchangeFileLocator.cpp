#include "app/ExchangeFileLocator.h"

#include "platform/Logger.h"
#include "platform/UserMessages.h"
#include "platform/Clock.h"
#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

namespace ExchangeFileLocator {

QStringList candidates(const QString& toolkitTempDir, const QString& tempDir)
{
#ifdef Q_OS_WIN
    const QString sep = QStringLiteral("\\");
#else
    const QString sep = QStringLiteral("/");
#endif
    const QString kcj = sep + QStringLiteral("kcxfer.kcj");
    const QString svg = sep + QStringLiteral("kcxfer.svg");
    return {toolkitTempDir + kcj, toolkitTempDir + svg, tempDir + kcj, tempDir + svg};
}

QStringList candidates()
{
#ifdef Q_OS_WIN
    // The plug-ins write to %TEMP% as it stands, backslashes and all.
    const QString temp = Environment::value(QStringLiteral("TEMP"));
#else
    const QString temp = Environment::tempDir();
#endif
    return candidates(Environment::toolkitTempDir(), temp);
}

QString chooseNewest(const QStringList& candidates)
{
    QString chosen;
    QDateTime newest;
    for (const QString& c : candidates) {
        const QFileInfo fi(c);
        if (!fi.exists())
            continue;
        const QDateTime modified = fi.lastModified();
        // Strictly newer only: on a tie the earlier candidate stays.
        if (chosen.isEmpty() || modified > newest) {
            chosen = fi.absoluteFilePath();
            newest = modified;
        }
    }
    Logger::debug(QStringLiteral("Filename: %1").arg(chosen));
    return chosen;
}

bool waitForFile(const QString& path, Clock& clock, UserMessages& messages)
{
    for (int look = 1;; ++look) {
        const QFileInfo fi(path);
        if (fi.exists() && fi.isFile())
            return true;
        if (look == MaxLooks)
            break;
        clock.sleepMs(PollIntervalMs);
    }
    messages.information(
        QCoreApplication::translate("ExchangeFileLocator", "Information"),
        QCoreApplication::translate("ExchangeFileLocator",
                                    "Die Übertragungsdatei konnte nicht gefunden werden."));
    return false;
}

} // namespace ExchangeFileLocator
