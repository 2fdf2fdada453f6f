#include "plugins/PluginSearcher.h"

#include "app/DefaultFiles.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/FileVersion.h"
#include "platform/Logger.h"
#include "platform/ProcessRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

// How deep below a program folder hosts are looked for: vendor folder,
// product folder, and one more for suites that nest their editions.
constexpr int SearchDepth = 3;
constexpr int StartDelayMs = 1000;
constexpr int EndDelayMs = 3000;

const QStringList InkscapeFiles{QStringLiteral("Kerfcraft.py"),
                                QStringLiteral("Kerfcraft_Effekt-Menu-de.inx"),
                                QStringLiteral("kerfcraft_imp.py")};
const QString EnglishMenu = QStringLiteral("Kerfcraft_Effect-Menu-en.inx");
// What kerfcraft_imp.py starts until an installation names the real program.
const QString ImpPlaceholder = QStringLiteral("'C:\\Program Files (x86)\\Kerfcraft\\Kerfcraft.exe'");

// Folder names are matched without regard to case, as on Windows.
QString child(const QString& dir, const QString& name)
{
    if (dir.isEmpty())
        return QString();
    const QString exact = dir + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return dir + QLatin1Char('/') + e;
    return QString();
}

QString path(const QString& dir, const QStringList& names)
{
    QString p = dir;
    for (const QString& n : names)
        p = child(p, n);
    return p;
}

// Row of the Illustrator major version; 20 is known but has no row.
int illustratorRow(int major)
{
    static const int majors[] = {16, 17, 18, 19, 21, 22, 23, 24, 25, 26, 27};
    for (int i = 0; i < 11; ++i)
        if (majors[i] == major)
            return i;
    return -1;
}

const QStringList CorelVersions{"x4",   "x5",   "x6",   "x7",   "x8",   "2017",
                                "2018", "2019", "2020", "2021", "2022", "2023"};

// X4 and X5 were 32-bit only; 2023 has no row.
int corelFlag(int version, bool is64)
{
    if (version < 2)
        return is64 ? -1 : version;
    if (version > 10)
        return -1;
    return 2 + (version - 2) * 2 + (is64 ? 1 : 0);
}

bool replaceInLatin1File(const QString& file, const QList<QPair<QString, QString>>& replacements)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromLatin1(in.readAll());
    in.close();
    for (const auto& r : replacements)
        text.replace(r.first, r.second);
    return AtomicFile::save(file, text.toLatin1());
}

QString xdgDir(const char* variable, const QString& fallback)
{
    const QString v = Environment::value(QString::fromLatin1(variable));
    return v.isEmpty() ? fallback : v;
}

} // namespace

PluginSearcher::PluginSearcher(bool install, Clock& clock, ProcessRunner& processes, QObject* parent)
    : QObject(parent),
      sourceDir(Environment::executableDir()),
      executable(QCoreApplication::applicationFilePath()),
      m_install(install),
      m_clock(clock),
      m_processes(processes)
{
}

QString PluginSearcher::source(const QString& name) const
{
    const QString beside = sourceDir + QLatin1Char('/') + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString shared = QDir::cleanPath(sourceDir + QStringLiteral("/../share/kerfcraft/") + name);
    return QFileInfo::exists(shared) ? shared : beside;
}

bool PluginSearcher::DeleteAndCopy(const QString& source, const QString& target)
{
    Logger::debug(QStringLiteral("DeleteAndCopy %1 %2").arg(source, target));
    const bool present = QFileInfo::exists(target);
    if (!present)
        Logger::debug(QStringLiteral("Datei wurde NICHT gefunden"));
    if (!m_install) {
        if (present)
            Logger::debug(QFile::remove(target) ? QStringLiteral("Datei gelöscht")
                                                : QStringLiteral("Datei konnte NICHT gelöscht werden!"));
        return true;
    }
    // Installing replaces the old file in one step rather than deleting it
    // first: a failed copy leaves the old plug-in working.
    QString error;
    const bool copied = AtomicFile::copy(source, target, &error);
    if (copied)
        Logger::debug(QStringLiteral("Datei wurde kopiert"));
    else
        Logger::debugParts(QStringLiteral("Datei wurde NICHT kopiert"), error);
    return copied;
}

QVector<PluginSearcher::ProgramFolder> PluginSearcher::programFolders() const
{
    const QString w6432 = QDir::cleanPath(Environment::toSlashes(Environment::value(QStringLiteral("PROGRAMW6432"))));
    QVector<ProgramFolder> folders;
    QStringList seen;
    for (const char* name : {"PROGRAMFILES", "PROGRAMFILES(X86)", "PROGRAMW6432"}) {
        const QString raw = Environment::value(QString::fromLatin1(name));
        if (raw.isEmpty())
            continue;
        const QString p = QDir::cleanPath(Environment::toSlashes(raw));
        if (seen.contains(p))
            continue;
        seen << p;
        folders.append({p, p == w6432});
    }
    return folders;
}

void PluginSearcher::process()
{
    m_clock.sleepMs(StartDelayMs);
    for (const ProgramFolder& folder : programFolders())
        walk(folder);
    reportIllustrator();
    reportCorel();
#ifndef Q_OS_WIN
    linuxInkscape();
#endif
    emit setInkscapePlugins(m_ink32, m_ink64);

    // Start-up copies fresh defaults on the next run.
    const QString data = Environment::kerfcraftDataDir();
    for (const QString& name : DefaultFiles::fileNames()) {
        const QString file = data + QLatin1Char('/') + name;
        if (QFileInfo::exists(file))
            Logger::debug(QFile::remove(file) ? QStringLiteral("%1 gelöscht").arg(file)
                                              : QStringLiteral("%1 konnte nicht gelöscht werden").arg(file));
    }
    m_clock.sleepMs(EndDelayMs);
    emit finished();
}

void PluginSearcher::walk(const ProgramFolder& folder)
{
    QStringList level{folder.path};
    for (int depth = 1; depth <= SearchDepth && !level.isEmpty(); ++depth) {
        QStringList next;
        for (const QString& dir : qAsConst(level)) {
            // A folder that vanished during the search just lists as empty.
            const QStringList names = QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            for (const QString& name : names) {
                if (name.startsWith(QLatin1Char('.')))
                    continue;
                const QString d = dir + QLatin1Char('/') + name;
                emit setFolder(d);
                next << d;
                if (depth == 2) {
                    const QString exe = path(d, {"Support Files", "Contents", "Windows", "Illustrator.exe"});
                    if (!exe.isEmpty())
                        illustrator(exe, folder.is64);
                }
                for (const char* programs : {"Programs64", "Programs"})
                    for (const char* exe : {"DrawPE.exe", "CORELDRW.EXE"}) {
                        const QString p = child(child(d, QString::fromLatin1(programs)), QString::fromLatin1(exe));
                        if (!p.isEmpty())
                            corel(d, QString::fromLatin1(programs), QString::fromLatin1(exe));
                    }
                if (name.compare(QLatin1String("Inkscape"), Qt::CaseInsensitive) == 0) {
                    const QString ext = path(d, {"share", "extensions"});
                    if (!ext.isEmpty())
                        inkscape(ext, folder.is64);
                }
            }
        }
        level = next;
    }
}

void PluginSearcher::illustrator(const QString& exe, bool is64)
{
    FileVersion::Version v;
    FileVersion::read(exe, v);
    Logger::debug(QStringLiteral("AI Version %1").arg(v.major));
    if (v.major < 16 || v.major > 27)
        return;
    const QString app = QFileInfo(exe).dir().absolutePath() + QStringLiteral("/../../..");
    const QString target = QDir::cleanPath(app + QStringLiteral("/Plug-ins/Extensions"));
    const QString base = v.major == 16 ? QStringLiteral("KerfcraftCS6") : QStringLiteral("KerfcraftCC");
    const QString file = base + (is64 ? QStringLiteral("_64Bit.aip") : QStringLiteral(".aip"));
    // A host removed meanwhile is not brought back as an empty folder tree.
    if (m_install && QFileInfo(app).isDir())
        QDir().mkpath(target);
    DeleteAndCopy(source(file), target + QLatin1Char('/') + file);
    const int row = illustratorRow(v.major);
    if (row >= 0)
        m_ai[2 * row + (is64 ? 1 : 0)] = true;
}

void PluginSearcher::corel(const QString& suite, const QString& programs, const QString& exe)
{
    const bool is64 = programs.endsWith(QLatin1String("64"));
    const QString name = QFileInfo(suite).fileName().toLower();
    Logger::debug(QStringLiteral("Corel: %1").arg(suite));
    int version = -1;
    for (int i = 0; i < CorelVersions.size() && version < 0; ++i)
        if (name.contains(CorelVersions[i]))
            version = i;
    Logger::debug(QStringLiteral("Corelversion: %1").arg(version < 0 ? QString() : CorelVersions[version]));
    if (version < 0)
        return;
    if (!QFileInfo(suite).isDir())
        return;
    const bool pe = exe.startsWith(QLatin1String("DrawPE"));
    const QString gms = suite + (pe ? QStringLiteral("/DrawPE/GMS") : QStringLiteral("/Draw/GMS"));
    if (!QFileInfo(gms).isDir()) {
        Logger::debug(QStringLiteral("DirName %1").arg(gms));
        QDir().mkpath(gms);
    }
    const QString macro = is64 ? QStringLiteral("Kerfcraft_64Bit.gms") : QStringLiteral("Kerfcraft.gms");
    const QString target = gms + QLatin1Char('/') + macro;
    const int flag = corelFlag(version, is64);
    if (flag >= 0)
        m_corel[flag] = true;
    if (!m_install) {
        QFile::remove(target);
        return;
    }
    Logger::debug(QStringLiteral("Kopiere GMS Datei %1 nach %2").arg(source(macro), target));
    if (!AtomicFile::copy(source(macro), target))
        Logger::debug(QStringLiteral("%1 existiert nicht oder konnte nicht kopiert werden").arg(source(macro)));
    importCorelRegistry(is64);
}

void PluginSearcher::importCorelRegistry(bool is64)
{
    const QString dir = QDir::toNativeSeparators(sourceDir);
    auto doubled = [](QString p) { return p.replace(QLatin1Char('\\'), QStringLiteral("\\\\")); };
    const QString reg = sourceDir + QStringLiteral("/CorelPlugin.reg");
    if (!replaceInLatin1File(reg, {{QStringLiteral("%1%"), doubled(dir + QDir::separator() + QStringLiteral("KCCorelPassermarks.cmd"))},
                                   {QStringLiteral("%2%"), doubled(dir + QDir::separator() + QStringLiteral("KCCorelCut.cmd"))}})) {
        Logger::debug(QStringLiteral("%1 existiert nicht").arg(reg));
        return;
    }
    for (const char* cmd : {"/KCCorelPassermarks.cmd", "/KCCorelCut.cmd"})
        replaceInLatin1File(sourceDir + QString::fromLatin1(cmd),
                            {{QStringLiteral("%~dp0%"), dir}, {QStringLiteral("%~dp1%"), dir.left(2)}});
    const QString regedit = is64 ? QStringLiteral("c:\\Windows\\Sysnative\\regedt32.exe")
                                 : QStringLiteral("regedit.exe");
    // Only where Windows' registry editor exists.
    if (!m_processes.exists(regedit)) {
        Logger::debug(QStringLiteral("%1 existiert nicht").arg(regedit));
        return;
    }
    m_processes.runElevated(regedit, {QStringLiteral("-s"), QLatin1Char('"') + QDir::toNativeSeparators(reg) + QLatin1Char('"')},
                            ProcessRunner::NoTimeout);
}

void PluginSearcher::inkscape(const QString& extensions, bool is64)
{
    (is64 ? m_ink64 : m_ink32) = true;
    copyInkscapeFiles(extensions);
}

void PluginSearcher::linuxInkscape()
{
    const QString home = QDir::homePath();
    bool found = false;
    const QStringList dataDirs = xdgDir("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"))
                                     .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& d : dataDirs)
        if (QFileInfo(d + QStringLiteral("/inkscape/extensions")).isDir()) {
            emit setFolder(d + QStringLiteral("/inkscape/extensions"));
            found = true;
        }
    if (!found)
        return;
    // Inkscape reads the user's own extension folder too; no elevation needed.
    const QString user = xdgDir("XDG_CONFIG_HOME", home + QStringLiteral("/.config"))
        + QStringLiteral("/inkscape/extensions");
    emit setFolder(user);
    if (m_install)
        QDir().mkpath(user);
    (Environment::is64BitSystem() ? m_ink64 : m_ink32) = true;
    copyInkscapeFiles(user);
}

void PluginSearcher::copyInkscapeFiles(const QString& extensions)
{
    QStringList files = InkscapeFiles;
    // The English menu beside the German one, for users of another language;
    // removed in any case.
    if (!m_install || !QLocale().name().startsWith(QLatin1String("de")))
        files << EnglishMenu;
    for (const QString& f : qAsConst(files))
        DeleteAndCopy(source(f), extensions + QLatin1Char('/') + f);
    if (m_install && !replaceInLatin1File(extensions + QStringLiteral("/kerfcraft_imp.py"),
                                          {{ImpPlaceholder, QStringLiteral("'%1 /cut'").arg(executable)}}))
        Logger::debug(QStringLiteral("kerfcraft_imp.py konnte nicht angepasst werden"));
}

void PluginSearcher::reportIllustrator()
{
    emit setPlugins(m_ai[0], m_ai[1], m_ai[2], m_ai[3], m_ai[4], m_ai[5], m_ai[6], m_ai[7], m_ai[8], m_ai[9], m_ai[10], m_ai[11], m_ai[12], m_ai[13], m_ai[14], m_ai[15], m_ai[16], m_ai[17], m_ai[18], m_ai[19], m_ai[20], m_ai[21]);
}

void PluginSearcher::reportCorel()
{
    emit setCorelPlugins(m_corel[0], m_corel[1], m_corel[2], m_corel[3], m_corel[4], m_corel[5], m_corel[6], m_corel[7], m_corel[8], m_corel[9], m_corel[10], m_corel[11], m_corel[12], m_corel[13], m_corel[14], m_corel[15], m_corel[16], m_corel[17], m_corel[18], m_corel[19]);
}
