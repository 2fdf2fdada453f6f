#include "plugins/PluginSearcher.h"

#include "platform/Environment.h"
#include "support/FakeClock.h"
#include "support/RecordingProcessRunner.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {
// A minimal PE32 image whose version resource names this major version.
QByteArray illustratorExe(int major)
{
    QByteArray b(0x300, '\0');
    auto u16 = [&](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    auto u32 = [&](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    b.replace(0, 2, "MZ");
    u32(0x3C, 0x40);
    b.replace(0x40, 4, QByteArray("PE\0\0", 4));
    u16(0x46, 1);              // one section
    u16(0x54, 224);            // optional header size
    u16(0x58, 0x10b);          // PE32
    u32(0xC8, 0x1000);         // resource directory RVA
    u32(0x138 + 8, 0x100);     // .rsrc: virtual size, address, raw size, raw offset
    u32(0x138 + 12, 0x1000);
    u32(0x138 + 16, 0x100);
    u32(0x138 + 20, 0x200);
    const int r = 0x200;       // type 16 -> name 1 -> language -> data entry
    u16(r + 14, 1), u32(r + 16, 16), u32(r + 20, 0x80000018);
    u16(r + 0x18 + 14, 1), u32(r + 0x28, 1), u32(r + 0x2C, 0x80000030);
    u16(r + 0x30 + 14, 1), u32(r + 0x40, 0x409), u32(r + 0x44, 0x48);
    u32(r + 0x48, 0x1058), u32(r + 0x4C, 0x60);
    u32(r + 0x58 + 40, 0xFEEF04BD), u32(r + 0x58 + 48, quint32(major) << 16 | 2);
    return b;
}

QStringList flagNames(const QVariantList& args, const QStringList& names)
{
    QStringList set;
    for (int i = 0; i < args.size(); ++i)
        if (args[i].toBool())
            set << names[i];
    return set;
}
} // namespace

// Fake program folders and XDG folders; every row one host situation.
class TestPluginSearcher : public QObject
{
    Q_OBJECT
private slots:
    void search_data()
    {
        QTest::addColumn<QStringList>("tree");    // files; "name=AI23" an Illustrator of that major
        QTest::addColumn<bool>("install");
        QTest::addColumn<QString>("flags");       // the cells turned to "X"
        QTest::addColumn<QStringList>("present"); // files there afterwards
        QTest::addColumn<QStringList>("absent");

        const QString ai = "/Support Files/Contents/Windows/Illustrator.exe";
        const QStringList ink{"Kerfcraft.py", "Kerfcraft_Effekt-Menu-de.inx", "kerfcraft_imp.py"};
        QTest::newRow("Illustrator 2019, 64-bit folder listed twice")
            << QStringList{"pf/Adobe/Adobe Illustrator 2019" + ai + "=AI23"} << true << "AI23_64"
            << QStringList{"pf/Adobe/Adobe Illustrator 2019/Plug-ins/Extensions/KerfcraftCC_64Bit.aip"} << QStringList();
        QTest::newRow("Illustrator CS6 32-bit, Illustrator 20 without row")
            << QStringList{"pf86/Adobe/CS6" + ai + "=AI16", "pf86/Adobe/AI20" + ai + "=AI20"} << true << "AI16_32"
            << QStringList{"pf86/Adobe/CS6/Plug-ins/Extensions/KerfcraftCS6.aip", "pf86/Adobe/AI20/Plug-ins/Extensions/KerfcraftCC.aip"}
            << QStringList();
        QTest::newRow("Corel X7 64, 2018 32, 2023 without row")
            << QStringList{"pf/Corel/CorelDRAW Graphics Suite X7/Programs64/CorelDRW.exe",
                           "pf86/Corel/CorelDRAW Graphics Suite 2018/Programs/CorelDRW.exe",
                           "pf86/Corel/CorelDRAW Graphics Suite 2023/Programs/CorelDRW.exe"}
            << true << "CRX7_64 CRX10_32"
            << QStringList{"pf/Corel/CorelDRAW Graphics Suite X7/Draw/GMS/Kerfcraft_64Bit.gms",
                           "pf86/Corel/CorelDRAW Graphics Suite 2018/Draw/GMS/Kerfcraft.gms"} << QStringList();
        QTest::newRow("Inkscape for Windows, both bitnesses")
            << QStringList{"pf86/Inkscape/share/extensions/", "pf/Inkscape/share/extensions/"} << true << "INK_32 INK_64"
            << QStringList{"pf86/Inkscape/share/extensions/Kerfcraft.py", "pf/Inkscape/share/extensions/kerfcraft_imp.py"}
            << QStringList();
        QTest::newRow("Inkscape on Linux: the user's folder")
            << QStringList{"data/inkscape/extensions/", "appdata/Kerfcraft/Kerfcraft.ini"} << true
            << (Environment::is64BitSystem() ? "INK_64" : "INK_32")
            << QStringList{"config/inkscape/extensions/Kerfcraft_Effekt-Menu-de.inx", "config/inkscape/extensions/kerfcraft_imp.py"}
            << QStringList{"appdata/Kerfcraft/Kerfcraft.ini"};
        QTest::newRow("de-install deletes and copies nothing")
            << QStringList{"data/inkscape/extensions/", "config/inkscape/extensions/Kerfcraft.py",
                           "pf/Adobe/AI" + ai + "=AI27", "pf/Adobe/AI/Plug-ins/Extensions/KerfcraftCC_64Bit.aip"}
            << false << "AI27_64 INK_64" << QStringList()
            << QStringList{"config/inkscape/extensions/Kerfcraft.py", "pf/Adobe/AI/Plug-ins/Extensions/KerfcraftCC_64Bit.aip",
                           "config/inkscape/extensions/kerfcraft_imp.py"};
    }

    void search()
    {
        QFETCH(QStringList, tree);
        QFETCH(bool, install);
        QTemporaryDir dir;
        const QString t = dir.path() + '/';
        for (const QString& entry : tree) {
            const QString name = entry.section('=', 0, 0);
            if (name.endsWith('/'))
                QVERIFY(QDir().mkpath(t + name));
            else
                QVERIFY(TestFiles::write(t + name, entry.contains("=AI") ? illustratorExe(entry.section("=AI", 1).toInt()) : "x"));
        }
        for (const char* f : {"KerfcraftCS6.aip", "KerfcraftCC.aip", "KerfcraftCC_64Bit.aip", "Kerfcraft.gms",
                              "Kerfcraft_64Bit.gms", "Kerfcraft.py", "Kerfcraft_Effekt-Menu-de.inx",
                              "Kerfcraft_Effect-Menu-en.inx"})
            QVERIFY(TestFiles::write(t + "src/" + f, f));
        QVERIFY(TestFiles::write(t + "src/kerfcraft_imp.py", "KERFCRAFT = r'C:\\Program Files (x86)\\Kerfcraft\\Kerfcraft.exe'\n"));
        qputenv("PROGRAMFILES", (t + "pf").toUtf8());
        qputenv("PROGRAMW6432", (t + "pf/").toUtf8());
        qputenv("PROGRAMFILES(X86)", (t + "pf86").toUtf8());
        qputenv("XDG_DATA_DIRS", (t + "data").toUtf8());
        qputenv("XDG_CONFIG_HOME", (t + "config").toUtf8());
        qputenv("APPDATA", (t + "appdata").toUtf8());

        FakeClock clock;
        RecordingProcessRunner processes;
        PluginSearcher searcher(install, clock, processes);
        searcher.sourceDir = t + "src";
        searcher.executable = "/opt/kerfcraft/bin/kerfcraft";
        QSignalSpy ai(&searcher, &PluginSearcher::setPlugins), corel(&searcher, &PluginSearcher::setCorelPlugins),
            ink(&searcher, &PluginSearcher::setInkscapePlugins), done(&searcher, &PluginSearcher::finished);
        searcher.process();

        QStringList aiNames, corelNames{"CRX4_32", "CRX5_32"};
        for (const char* v : {"16", "17", "18", "19", "20", "22", "23", "24", "25", "26", "27"})
            aiNames << QString("AI%1_32").arg(v) << QString("AI%1_64").arg(v);
        for (int v = 6; v <= 14; ++v)
            corelNames << QString("CRX%1_32").arg(v) << QString("CRX%1_64").arg(v);
        const QStringList flags = flagNames(ai.last(), aiNames) + flagNames(corel.last(), corelNames)
            + flagNames(ink.last(), {"INK_32", "INK_64"});
        QTEST(flags.join(' '), "flags");
        QCOMPARE(done.count(), 1);
        QCOMPARE(clock.nowMs(), qint64(4000));
        QFETCH(QStringList, present);
        for (const QString& f : present)
            QVERIFY2(QFileInfo::exists(t + f), qPrintable(f));
        QFETCH(QStringList, absent);
        for (const QString& f : absent)
            QVERIFY2(!QFileInfo::exists(t + f), qPrintable(f));
        for (const QString& f : present)
            if (f.endsWith("kerfcraft_imp.py"))
                QCOMPARE(TestFiles::read(t + f), QByteArray("KERFCRAFT = r'/opt/kerfcraft/bin/kerfcraft /cut'\n"));
    }
};

QTEST_GUILESS_MAIN(TestPluginSearcher)
#include "tst_pluginsearcher.moc"
