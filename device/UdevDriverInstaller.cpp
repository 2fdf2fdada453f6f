#include "device/UdevDriverInstaller.h"

#include "device/USBDevice.h"
#include "platform/Clock.h"
#include "platform/Logger.h"
#include "platform/ProcessRunner.h"
#include "platform/UserMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
QString tr(const char* text) { return QCoreApplication::translate("UdevDriverInstaller", text); }

// udev needs a moment to apply the rule to the plotters already plugged in.
constexpr int SettleMs = 2000;
constexpr int ScriptTimeoutMs = 120000;

QString quoted(const QString& s)
{
    QString q = s;
    q.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}
} // namespace

UdevDriverInstaller::UdevDriverInstaller(ProcessRunner& processes, UserMessages& messages,
                                         Clock& clock, const QString& root)
    : program(QCoreApplication::applicationFilePath()),
      arguments(QCoreApplication::arguments().mid(1)),
      m_processes(processes),
      m_messages(messages),
      m_clock(clock),
      m_root(root)
{
}

QString UdevDriverInstaller::rulePath() const
{
    return QDir::cleanPath(m_root + QLatin1Char('/') + USBDevice::udevRuleFile());
}

QString UdevDriverInstaller::script(const QString& rulePath, bool install)
{
    // The rule is written beside its final name, flushed and renamed, so udev
    // never reads half a file; whatever fails on the way, the trap removes
    // the temporary file and the old rule stays. -T: a folder in the rule's
    // place is an error, not a place to move into.
    QString s = QStringLiteral("#!/bin/sh\nset -e\n");
    const QString target = quoted(rulePath);
    if (install)
        s += QStringLiteral("mkdir -p %1\ntmp=%2.new\ntrap 'rm -f \"$tmp\"' EXIT\n"
                            "cp \"$1\" \"$tmp\"\nchmod 644 \"$tmp\"\nsync \"$tmp\"\nmv -fT \"$tmp\" %2\n")
                 .arg(quoted(QFileInfo(rulePath).path()), target);
    else
        s += QStringLiteral("rm -f %1\n").arg(target);
    // No udev in a container or a chroot: the rule still takes effect at the next boot.
    s += QStringLiteral("if command -v udevadm >/dev/null 2>&1; then\n"
                        "  udevadm control --reload-rules || true\n"
                        "  udevadm trigger --subsystem-match=usb --attr-match=idVendor=0f0b "
                        "--action=add || true\nfi\n");
    return s;
}

bool UdevDriverInstaller::runScript(bool install)
{
    QTemporaryDir dir;
    const QString scriptFile = dir.filePath(QStringLiteral("kerfcraft-udev.sh"));
    const QString ruleFile = dir.filePath(QStringLiteral("70-kerfcraft.rules"));
    QFile sf(scriptFile), rf(ruleFile);
    const bool written = dir.isValid() && sf.open(QIODevice::WriteOnly) && rf.open(QIODevice::WriteOnly)
        && sf.write(script(rulePath(), install).toUtf8()) > 0
        && rf.write(USBDevice::udevRule().toUtf8() + '\n') > 0;
    sf.close();
    rf.close();
    // pkexec runs as another user, who must be able to read our files.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther);
    if (!written) {
        m_messages.warning(QString(), tr("Die temporären Dateien für die udev-Regel konnten nicht "
                                         "angelegt werden."));
        return false;
    }
    Logger::debugParts(QStringLiteral("udev:"), install ? QStringLiteral("install") : QStringLiteral("remove"),
                       rulePath());
    if (!m_processes.runningAsRoot() && !m_processes.exists(QStringLiteral("pkexec"))) {
        m_messages.warning(QString(), tr("Für die Änderung werden Administratorrechte benötigt, aber "
                                         "pkexec ist nicht installiert (Paket policykit-1).\n"
                                         "Als root ausführen: %1")
                                          .arg(install ? QStringLiteral("echo '%1' > %2")
                                                             .arg(USBDevice::udevRule(), rulePath())
                                                       : QStringLiteral("rm %1").arg(rulePath())));
        return false;
    }
    const ProcessRunner::Result r = m_processes.runElevated(
        QStringLiteral("/bin/sh"), {scriptFile, ruleFile}, ScriptTimeoutMs);
    if (r.started && r.finished && r.exitCode == 0)
        return true;
    // pkexec answers 126 when the user dismissed the password dialog.
    m_messages.warning(QString(), r.exitCode == 126 || r.exitCode == 127
                                      ? tr("Die Änderung wurde nicht erlaubt.")
                                      : tr("Die udev-Regel %1 konnte nicht geändert werden.")
                                            .arg(rulePath()));
    return false;
}

void UdevDriverInstaller::installDriver(int vendorId, int productId)
{
    Logger::debug(QStringLiteral("installDriver -v 0x%1 -p 0x%2")
                      .arg(vendorId, 0, 16)
                      .arg(productId, 0, 16));
    if (!runScript(true))
        return;
    m_clock.sleepMs(SettleMs);
    m_processes.startDetached(program, arguments);
    QCoreApplication::exit(0);
}

void UdevDriverInstaller::removeDrivers()
{
    if (runScript(false))
        QCoreApplication::exit(0);
}
