#pragma once

#include <QObject>
#include <QStringList>
#include <QVector>

class Clock;
class ProcessRunner;

// Finds the installed host applications and copies our plug-ins into them,
// or deletes them again; runs on a thread of its own and talks only through
// signals. Hosts are searched below the program folders named by
// PROGRAMFILES, PROGRAMFILES(X86) and PROGRAMW6432 (a host found below the
// latter counts as 64-bit) and, on Linux, Inkscape's system extension
// folders; there the Inkscape extension goes into the user's own folder.
// Every outcome is only logged.
class PluginSearcher : public QObject
{
    Q_OBJECT
public:
    // install false: de-install.
    PluginSearcher(bool install, Clock& clock, ProcessRunner& processes, QObject* parent = nullptr);

    // Installing: copies source over target in one step (AtomicFile), true
    // when that worked. De-installing: deletes target, always true.
    bool DeleteAndCopy(const QString& source, const QString& target);

    // Our plug-in files are looked for here: the executable's folder, then
    // the install prefix's share/kerfcraft. The running program is what the
    // Inkscape extension starts.
    QString sourceDir;
    QString executable;

    static constexpr int AiRows = 11;
    static constexpr int CorelFlags = 20;

public slots:
    void process();

signals:
    void setFolder(QString name);
    void setPlugins(bool AI16_32, bool AI16_64, bool AI17_32, bool AI17_64, bool AI18_32, bool AI18_64, bool AI19_32, bool AI19_64, bool AI20_32, bool AI20_64, bool AI22_32, bool AI22_64, bool AI23_32, bool AI23_64, bool AI24_32, bool AI24_64, bool AI25_32, bool AI25_64, bool AI26_32, bool AI26_64, bool AI27_32, bool AI27_64);
    void setCorelPlugins(bool CRX4_32, bool CRX5_32, bool CRX6_32, bool CRX6_64, bool CRX7_32, bool CRX7_64, bool CRX8_32, bool CRX8_64, bool CRX9_32, bool CRX9_64, bool CRX10_32, bool CRX10_64, bool CRX11_32, bool CRX11_64, bool CRX12_32, bool CRX12_64, bool CRX13_32, bool CRX13_64, bool CRX14_32, bool CRX14_64);
    void setInkscapePlugins(bool INK_32, bool INK_64);
    void finished();
    void error(QString err);

private:
    struct ProgramFolder {
        QString path;
        bool is64;
    };
    QVector<ProgramFolder> programFolders() const;
    void walk(const ProgramFolder& folder);
    void illustrator(const QString& exe, bool is64);
    void corel(const QString& suite, const QString& programs, const QString& exe);
    void inkscape(const QString& extensions, bool is64);
    void linuxInkscape();
    void copyInkscapeFiles(const QString& extensions);
    void importCorelRegistry(bool is64);
    void reportIllustrator();
    void reportCorel();
    QString source(const QString& name) const;

    bool m_install;
    Clock& m_clock;
    ProcessRunner& m_processes;
    QVector<bool> m_ai = QVector<bool>(2 * AiRows);
    QVector<bool> m_corel = QVector<bool>(CorelFlags);
    bool m_ink32 = false;
    bool m_ink64 = false;
};
