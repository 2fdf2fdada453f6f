#include "plugins/InstallpluginsDialog.h"
#include "plugins/PluginSearcher.h"

#include "platform/Environment.h"
#include "support/FakeClock.h"
#include "platform/RecordingProcessRunner.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {
// A minimal PE32 image whose version resource names this major version.
QByteArray illustratorExe(int major)
{
    QByteArray b(0x300, '\0');
    // (offset, 32-bit value): PE header, one ".rsrc" section at file 0x200 =
    // RVA 0x1000, then the resource tree type 16 -> name 1 -> language -> data.
    const QList<QPair<int, quint32>> fields{
        {0, 0x5A4D}, {0x3C, 0x40}, {0x40, 0x4550}, {0x46, 1}, {0x54, 224}, {0x58, 0x10b}, {0xC8, 0x1000},
        {0x140, 0x100}, {0x144, 0x1000}, {0x148, 0x100}, {0x14C, 0x200},
        {0x20E, 1}, {0x210, 16}, {0x214, 0x80000018}, {0x226, 1}, {0x228, 1}, {0x22C, 0x80000030},
        {0x23E, 1}, {0x240, 0x409}, {0x244, 0x48}, {0x248, 0x1058}, {0x24C, 0x60},
        {0x280, 0xFEEF04BD}, {0x288, quint32(major) << 16 | 2}};
    for (const auto& f : fields)
        qToLittleEndian(f.second, b.data() + f.first);
    return b;
}

} // namespace

// Fake program folders and XDG folders; every row one host situation.
class TestPluginSearcher : public QObject
{
    Q_OBJECT
private slots:
    void search_data()
    {
        QTest::addColumn<QStringList>("tree");    // files; "name=AI23" an Illustrator of that major version; "~dir/" vanishes once searched
        QTest::addColumn<bool>("install");
        QTest::addColumn<QString>("flags");       // the cells turned to "X"
        QTest::addColumn<QStringList>("present"); // files there afterwards; "!name" absent; "name=text" ($: the temporary folder); "runas …" commands
        const QString ai = "/Support Files/Contents/Windows/Illustrator.exe", ink = "/inkscape/extensions/";
        QTest::newRow("Illustrator 2019, 64-bit folder listed twice")
            << QStringList{"pf/Adobe/AI 2019" + ai + "=AI23"} << true << "AI23_64"
            << QStringList{"pf/Adobe/AI 2019/Plug-ins/Extensions/KerfcraftCC_64Bit.aip"};
        QTest::newRow("Illustrator CS6 32-bit, 20 without row")
            << QStringList{"pf86/A/CS6" + ai + "=AI16", "pf86/A/AI20" + ai + "=AI20"} << true << "AI16_32"
            << QStringList{"pf86/A/CS6/Plug-ins/Extensions/KerfcraftCS6.aip", "pf86/A/AI20/Plug-ins/Extensions/KerfcraftCC.aip"};
        QTest::newRow("Corel X7 64, 2018 32, 2023 without row")
            << QStringList{"pf/Corel/Suite X7/Programs64/CorelDRW.exe", "pf86/Corel/Suite 2018/Programs/CorelDRW.exe",
                           "pf86/Corel/Suite 2023/Programs/CORELDRW.EXE"} << true << "CRX7_64 CRX10_32"
            << QStringList{"pf/Corel/Suite X7/Draw/GMS/Kerfcraft_64Bit.gms", "pf86/Corel/Suite 2018/Draw/GMS/Kerfcraft.gms",
                           "src/CorelPlugin.reg=@=\"$src/KCCorelPassermarks.cmd\" @=\"$src/KCCorelCut.cmd\"", "src/KCCorelCut.cmd=cd $src & ^",
                           "runas c:\\Windows\\Sysnative\\regedt32.exe -s \"$src/CorelPlugin.reg\"", "runas regedit.exe -s \"$src/CorelPlugin.reg\""};
        QTest::newRow("host folders vanish during the search")
            << QStringList{"pf86/Corel/Suite X8/Programs/CorelDRW.exe", "~pf86/Corel/Suite X8/", "pf/Inkscape/share/extensions/", "~pf/Inkscape/", "pf86/A/AI" + ai + "=AI23", "~pf86/A/AI/"}
            << true << "" << QStringList{"!pf86/Corel/Suite X8", "!pf86/A/AI", "!pf/Inkscape"};
        QTest::newRow("plug-in target cannot be replaced")
            << QStringList{"pf/Inkscape/share/extensions/Kerfcraft.py/keep"} << true << "INK_64"
            << QStringList{"pf/Inkscape/share/extensions/Kerfcraft.py/keep", "pf/Inkscape/share/extensions/kerfcraft_imp.py=K = r'/opt/kc/kerfcraft /cut'\n"};
        QTest::newRow("Inkscape for Windows, both bitnesses")
            << QStringList{"pf86/Inkscape/share/extensions/", "pf/Inkscape/share/extensions/"} << true << "INK_32 INK_64"
            << QStringList{"pf86/Inkscape/share/extensions/Kerfcraft.py", "pf/Inkscape/share/extensions/kerfcraft_imp.py=K = r'/opt/kc/kerfcraft /cut'\n"};
        QTest::newRow("Inkscape on Linux: the user's folder, data files removed")
            << QStringList{"data" + ink, "appdata/Kerfcraft/Kerfcraft.ini"} << true << (Environment::is64BitSystem() ? "INK_64" : "INK_32")
            << QStringList{"config" + ink + "Kerfcraft_Effekt-Menu-de.inx", "config" + ink + "kerfcraft_imp.py=K = r'/opt/kc/kerfcraft /cut'\n", "!appdata/Kerfcraft/Kerfcraft.ini"};
        QTest::newRow("de-install deletes and copies nothing")
            << QStringList{"data" + ink, "config" + ink + "Kerfcraft.py", "pf/A/AI" + ai + "=AI27", "pf/A/AI/Plug-ins/Extensions/KerfcraftCC_64Bit.aip"}
            << false << "AI27_64 INK_64"
            << QStringList{"!config" + ink + "Kerfcraft.py", "!config" + ink + "kerfcraft_imp.py", "!pf/A/AI/Plug-ins/Extensions/KerfcraftCC_64Bit.aip"};
    }
    void search()
    {
        QFETCH(QStringList, tree);
        QTemporaryDir dir;
        const QString t = dir.path() + '/';
        for (const QString& entry : tree) {
            const QString name = entry.section('=', 0, 0).remove(QRegularExpression("^~"));
            QVERIFY(name.endsWith('/') ? QDir().mkpath(t + name)
                                       : TestFiles::write(t + name, entry.contains("=AI") ? illustratorExe(entry.section("=AI", 1).toInt()) : "x"));
        }
        for (const char* f : {"KerfcraftCS6.aip", "KerfcraftCC.aip", "KerfcraftCC_64Bit.aip", "Kerfcraft.gms", "Kerfcraft_64Bit.gms",
                              "Kerfcraft.py", "Kerfcraft_Effekt-Menu-de.inx", "Kerfcraft_Effect-Menu-en.inx"})
            QVERIFY(TestFiles::write(t + "src/" + f, f));
        QVERIFY(TestFiles::write(t + "src/CorelPlugin.reg", "@=\"%1%\" @=\"%2%\"") && TestFiles::write(t + "src/KCCorelCut.cmd", "cd %~dp0% & %~dp1%"));
        QVERIFY(TestFiles::write(t + "src/kerfcraft_imp.py", "K = r'C:\\Program Files (x86)\\Kerfcraft\\Kerfcraft.exe'\n"));
        const QList<QPair<const char*, QString>> vars{{"PROGRAMFILES", "pf"}, {"PROGRAMW6432", "pf/"}, {"PROGRAMFILES(X86)", "pf86"},
                                                      {"XDG_DATA_DIRS", "data"}, {"XDG_CONFIG_HOME", "config"}, {"APPDATA", "appdata"}};
        for (const auto& v : vars)
            qputenv(v.first, (t + v.second).toUtf8());

        FakeClock clock;
        RecordingProcessRunner processes;
        processes.existing << "regedit.exe" << "c:\\Windows\\Sysnative\\regedt32.exe";
        QFETCH(bool, install);
        PluginSearcher searcher(install, clock, processes);
        searcher.sourceDir = t + "src";
        searcher.executable = "/opt/kc/kerfcraft";
        // The dialog shows what the searcher reports: its cells named after the hosts.
        InstallpluginsDialog dialog(install);
        connect(&searcher, &PluginSearcher::setPlugins, &dialog, &InstallpluginsDialog::setPlugins);
        connect(&searcher, &PluginSearcher::setCorelPlugins, &dialog, &InstallpluginsDialog::setCorelPlugins);
        connect(&searcher, &PluginSearcher::setInkscapePlugins, &dialog, &InstallpluginsDialog::setInkscapePlugins);
        connect(&searcher, &PluginSearcher::setFolder,
                [&](const QString& d) { if (tree.contains('~' + d.mid(t.size()) + '/')) QDir(d).removeRecursively(); });
        QSignalSpy done(&searcher, &PluginSearcher::finished);
        searcher.process();
        QStringList flags;
        for (const QLabel* cell : dialog.findChildren<QLabel*>(QRegularExpression("^lbl.+_(32|64)$")))
            if (cell->text() == "X")
                flags << cell->objectName().mid(3);
        QTEST(flags.join(' '), "flags");
        QVERIFY(done.count() == 1 && clock.nowMs() == 4000); // 1 s before the search, 3 s after
        QFETCH(QStringList, present);
        for (QString f : present) {
            const bool absent = f.replace('$', t).replace('^', t.left(2)).startsWith('!');
            QVERIFY2(f.startsWith("runas ") ? processes.lines.contains(f)
                     : f.contains('=')      ? QString::fromLatin1(TestFiles::read(t + f.section('=', 0, 0))) == f.section('=', 1)
                                            : QFileInfo::exists(t + f.mid(absent)) != absent, qPrintable(f));
        }
    }
};

QTEST_MAIN(TestPluginSearcher)
#include "tst_pluginsearcher.moc"
