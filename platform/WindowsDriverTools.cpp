#include "platform/WindowsDriverTools.h"

#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/Logger.h"
#include "platform/ProcessRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QStringList ToolFiles{
    "signtool.exe", "makecert.exe", "microsoft.win32.search.query.dll", "certmgr.exe",
    "Microsoft.Whos.Shared.IO.Cabinets.dll", "Microsoft.Whos.Shared.IO.Catalogs.dll",
    "Microsoft.Whos.Shared.Xml.InfReader.dll", "Microsoft.Whos.Winqual.Submissions.SubmissionBuilder.dll",
    "Microsoft.Whos.Xml.NonXmlDataReader.dll", "dpinst.exe", "WindowsProtectedFiles.xml", "KCUSBInst.exe",
    "devcon.exe"};
// The driver package takes a moment to settle before the restart.
constexpr int SettleMs = 2000;
} // namespace

WindowsDriverTools::WindowsDriverTools(ProcessRunner& processes, Clock& clock,
                                       const QString& programDir, const QString& systemDir,
                                       const QString& tempDir)
    : program(QCoreApplication::applicationFilePath()),
      arguments(QCoreApplication::arguments().mid(1)),
      m_processes(processes),
      m_clock(clock),
      m_programDir(programDir),
      m_systemDir(systemDir),
      m_tempDir(tempDir)
{
}

QString WindowsDriverTools::installParameters(int vendorId, int productId)
{
    return QStringLiteral("-v 0x%1 -p 0x%2").arg(vendorId, 0, 16).arg(productId, 0, 16);
}

QList<WindowsDriverTools::DriverNode> WindowsDriverTools::libusbNodes(const QString& listing)
{
    QList<DriverNode> nodes;
    DriverNode current;
    bool libusb = false;
    auto finish = [&] {
        if (libusb && !current.instanceId.isEmpty())
            nodes.append(current);
    };
    for (const QString& raw : listing.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("USB\\VID_0F0B&PID_"))) {
            finish();
            current = {line, QString()};
            libusb = false;
        } else if (line.endsWith(QLatin1String("Provider name is libusb.info"))) {
            libusb = true;
        } else if (line.startsWith(QLatin1String("Inf file is"))) {
            const QString file = line.mid(line.lastIndexOf(QLatin1Char('\\')) + 1);
            if (file.startsWith(QLatin1String("oem")))
                current.package = file;
        }
    }
    finish();
    return nodes;
}

QString WindowsDriverTools::deinstallScript(const QString& toolsDir, const QList<DriverNode>& nodes)
{
    QString script;
    for (const DriverNode& n : nodes)
        script += QStringLiteral("%1/devcon.exe remove \"%2\" >%1/result0.txt\n").arg(toolsDir, n.instanceId)
            + QStringLiteral("%1/devcon.exe -f dp_delete %2 >%1/result1.txt\n").arg(toolsDir, n.package);
    return script;
}

bool WindowsDriverTools::copyDriverTools()
{
    const QString dir = toolsDir();
    if (!QDir().mkpath(dir)) {
        Logger::debug(QStringLiteral("err mkdir"));
        return false;
    }
    for (const QString& name : ToolFiles) {
        const QString source = m_programDir + QLatin1Char('/') + name;
        const QString target = dir + QLatin1Char('/') + name;
        if (!QFileInfo::exists(source)) {
            Logger::debug(QStringLiteral("%1 existiert nicht").arg(source));
            continue;
        }
        Logger::debug(name + (AtomicFile::copy(source, target) ? QStringLiteral(" wurde kopiert")
                                                          : QStringLiteral(" konnte nicht kopiert werden")));
    }
    return true;
}

QString WindowsDriverTools::queryDriverNodes()
{
    const QString dir = toolsDir();
    const QString cmd = m_systemDir + QStringLiteral("/cmd.exe");
    Logger::debug(QStringLiteral("Start Process 1"));
    if (m_processes.exists(cmd))
        m_processes.run(cmd, {QStringLiteral("/C"), QStringLiteral("%1/devcon.exe").arg(dir),
                              QStringLiteral("drivernodes"), QStringLiteral("USB\\Vid_0f0b*"),
                              QStringLiteral(">%1/result.txt").arg(dir)},
                        ProcessRunner::NoTimeout);
    Logger::debug(QStringLiteral("End Process 1"));
    return dir + QStringLiteral("/result.txt");
}

void WindowsDriverTools::installDriver(int vendorId, int productId)
{
    const QString installer = m_programDir + QStringLiteral("/libusbinst.exe");
    if (!m_processes.exists(installer)) {
        Logger::debug(QStringLiteral("%1 existiert nicht").arg(installer));
        return;
    }
    m_processes.runElevated(installer, installParameters(vendorId, productId).split(QLatin1Char(' ')),
                            ProcessRunner::NoTimeout);
    m_clock.sleepMs(SettleMs);
    QCoreApplication::exit(0);
    m_processes.startDetached(program, arguments);
}

void WindowsDriverTools::removeDrivers()
{
    copyDriverTools();
    QFile result(queryDriverNodes());
    const QString listing = result.open(QIODevice::ReadOnly | QIODevice::Text)
        ? QString::fromLocal8Bit(result.readAll())
        : QString();
    // Written even without devices: an empty command file still runs.
    const QString script = toolsDir() + QStringLiteral("/deinst.cmd");
    AtomicFile::save(script, deinstallScript(toolsDir(), libusbNodes(listing)).toLocal8Bit());
    const QString cmd = m_systemDir + QStringLiteral("/cmd.exe");
    if (m_processes.exists(cmd))
        m_processes.runElevated(cmd, {QStringLiteral("/c"), script}, ProcessRunner::NoTimeout);
    QCoreApplication::exit(0);
}
