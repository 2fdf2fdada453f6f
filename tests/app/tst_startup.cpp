// Start-up: the mode from the last argument, the first-run copy of the
// default files, the translations, finding the exchange file, the Inkscape
// preferences check, and what cut and plain mode hand to the window.

#include "app/CommandLine.h"
#include "app/DefaultFiles.h"
#include "app/ExchangeFileLocator.h"
#include "app/InkscapeCheck.h"
#include "app/Startup.h"
#include "app/Translations.h"

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QTemporaryDir>
#include <QtTest>

#include <vector>

namespace {
const QString NotFound = QStringLiteral("Information|Die Übertragungsdatei konnte nicht gefunden werden.");
const QString Hint = QStringLiteral("Hinweis|Sie müssen bei Inkscape 0.91");
const QByteArray Absolute = "<inkscape><group id=\"svgoutput\" pathstring_format=\"0\"/></inkscape>";
// Inkscape 1.2 writes "2" (optimised) unless the user changes it.
const QByteArray Relative = "<inkscape><group id=\"svgoutput\" pathstring_format=\"2\"/></inkscape>";
const QByteArray Svg = "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\">\n"
                       "  <path d=\"M 0,0 L 10,10\"/>\n</svg>\n";

QByteArray prefs(const QByteArray& groups)
{
    return "<?xml version=\"1.0\"?>\n<inkscape version=\"1\"><group id=\"options\">" + groups + "</group></inkscape>\n";
}
// The one message shown starts with `start`; none when it is empty.
bool shownOnly(const RecordingMessages& m, const QString& start)
{
    return start.isEmpty() ? m.count() == 0 : m.count() == 1 && m.lines().value(0).startsWith(start);
}
QStringList allBut(const QString& missing)
{
    QStringList names = DefaultFiles::fileNames();
    names.removeAll(missing);
    return names;
}
// A text the English translation is known to carry.
bool english()
{
    return QCoreApplication::translate("StatusDialog", "Plotdaten werden erzeugt") != "Plotdaten werden erzeugt";
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root;
    int m_rows = 0;

    // Points TMPDIR (the toolkit temp folder) and TEMP at the folders "tk"
    // and "temp" below a fresh row folder, which it returns.
    QString tempFolders()
    {
        const QString row = m_root.filePath(QString::number(++m_rows));
        QDir().mkpath(row + "/tk");
        QDir().mkpath(row + "/temp");
        qputenv("TMPDIR", QFile::encodeName(row + "/tk"));
        qputenv("TEMP", QFile::encodeName(row + "/temp"));
        return row;
    }

private slots:
    void lastArgumentDecides_data()
    {
        using Mode = CommandLine::Mode;
        QTest::addColumn<QByteArrayList>("args"); // after the program name
        QTest::addColumn<QString>("flags"); // P passermarksMode, K corelHost, C cut, I installPlugins, D deinstallPlugins
        QTest::addColumn<int>("mode");
        auto row = [](const char* name, QByteArrayList args, const char* flags, Mode mode) {
            QTest::newRow(name) << args << QString::fromLatin1(flags) << int(mode);
        };
        row("no argument", {}, "", Mode::Plain);
        row("/cut", {"/cut"}, "C", Mode::Cut);
        row("/Cut", {"/Cut"}, "C", Mode::Cut);
        row("/CUT", {"/CUT"}, "C", Mode::Cut);
        row("/CuT mixed case", {"/CuT"}, "", Mode::Plain);
        row("/cut trailing blank", {"/cut "}, "", Mode::Plain);
        row("-cut leading minus", {"-cut"}, "", Mode::Plain);
        row("/cut first of two", {"/cut", "foo"}, "", Mode::Plain);
        row("/cut last of two", {"foo", "/cut"}, "C", Mode::Cut);
        row("/installplugins", {"/installplugins"}, "I", Mode::InstallPlugins);
        row("installplugins without slash", {"installplugins"}, "I", Mode::InstallPlugins);
        row("/InstallPlugins", {"/InstallPlugins"}, "", Mode::Plain);
        row("/deinstallplugins", {"/deinstallplugins"}, "D", Mode::DeinstallPlugins);
        row("deinstallplugins without slash", {"deinstallplugins"}, "", Mode::Plain);
        row("ends in passermarks", {"/illustratorpassermarks"}, "P", Mode::RegistrationMarks);
        row("passermarks trailing no-break space", {"passermarks\xa0"}, "P", Mode::RegistrationMarks);
        row("passermarks in the middle", {"passermarks/cut"}, "", Mode::Plain);
        row("COREL_PASSERMARKS trailing blank", {"COREL_PASSERMARKS "}, "PK", Mode::RegistrationMarks);
        row("corel only", {"corel"}, "K", Mode::Plain);
    }
    void lastArgumentDecides()
    {
        QFETCH(QByteArrayList, args);
        std::vector<const char*> argv{"kerfcraft"};
        for (const QByteArray& a : args)
            argv.push_back(a.constData());
        const CommandLine c = CommandLine::evaluate(int(argv.size()), argv.data());
        QTEST(QString(c.passermarksMode ? "P" : "") + (c.corelHost ? "K" : "") + (c.cut ? "C" : "")
                  + (c.installPlugins ? "I" : "") + (c.deinstallPlugins ? "D" : ""), "flags");
        QTEST(int(c.mode()), "mode");
    }

    void copyDecision_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("userFiles"); // null: no user folder
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("scriptRuns");
        const QStringList all = DefaultFiles::fileNames();
        QTest::newRow("installation incomplete") << allBut("Kerfcraft.ini") << all << false << false;
        QTest::newRow("first run, no user folder") << all << QStringList() << true << true;
        QTest::newRow("user lacks the last file") << all << allBut("Kerfcraft.ini") << true << true;
        QTest::newRow("user has all") << all << all << true << false;
    }
    void copyDecision()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, userFiles);
        QFETCH(bool, scriptRuns);
        QTemporaryDir tmp;
        const QString exeDir = tmp.filePath("bin"), target = tmp.filePath("appdata/Kerfcraft");
        for (const QString& f : installed)
            QVERIFY(TestFiles::write(exeDir + '/' + f));
        for (const QString& f : userFiles)
            QVERIFY(TestFiles::write(target + '/' + f));
        QStringList calls;
        const bool result = DefaultFiles::CopyIniFilesIfNotExists(
            exeDir, target, [&](const QString& program, const QStringList& args, int ms) {
                calls << QStringLiteral("%1 %2 %3").arg(program, args.join(' ')).arg(ms);
            });
        QTEST(result, "result");
        QCOMPARE(calls, scriptRuns ? QStringList{"sh " + exeDir + "/CopySettingFiles.sh 30000"} : QStringList());
    }

    void realScriptCopiesMissingAndKeepsUserFiles()
    {
        QTemporaryDir appData;
        const QString target = appData.filePath("Kerfcraft");
        QVERIFY(TestFiles::write(target + "/Kerfcraft.ini", "[Passermarks]\nLength=42\n"));
        qputenv("APPDATA", QFile::encodeName(appData.path()));
        qputenv("KERFCRAFT_BIN_DIR", QFile::encodeName(TestPaths::bin()));
        QVERIFY(DefaultFiles::CopyIniFilesIfNotExists());
        for (const QString& f : DefaultFiles::fileNames()) {
            const QByteArray expected = f == "Kerfcraft.ini" ? "[Passermarks]\nLength=42\n" : TestFiles::read(TestPaths::bin(f));
            QVERIFY2(!expected.isEmpty() && TestFiles::read(target + '/' + f) == expected, qPrintable(f));
        }
        // Only the five files, no temporary leftovers.
        QCOMPARE(QDir(target).entryList(QDir::Files).size(), DefaultFiles::fileNames().size());
    }

    // Both shipped files are installed at start and the last one listed
    // would win; the saved language must decide instead.
    void translations_data()
    {
        QTest::addColumn<QStringList>("files"); // "Kerfcraft_xx.qm" is garbage
        QTest::addColumn<bool>("install");      // false in registration-mark mode
        QTest::addColumn<QString>("select");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("cancel"); // the toolkit's standard button
        const QStringList shipped{"Kerfcraft_de.qm", "Kerfcraft_en.qm"};
        QTest::newRow("broken file leaves no entry") << QStringList{"Kerfcraft_en.qm", "Kerfcraft_xx.qm", "Other_en.qm"}
                                                     << true << "" << QStringList{"Kerfcraft_en.qm"} << true << "Cancel";
        QTest::newRow("registration-mark mode keeps none") << shipped << false << "" << QStringList() << false << "Cancel";
        QTest::newRow("German selected") << shipped << true << "German" << shipped << false << "Abbrechen";
        QTest::newRow("English selected") << shipped << true << "English" << shipped << true << "Cancel";
    }
    void translations()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, install);
        QFETCH(QString, select);
        QTemporaryDir dir;
        for (const QString& name : files) {
            const QString path = dir.filePath(name);
            if (name == "Kerfcraft_xx.qm")
                QVERIFY(TestFiles::write(path, QByteArray(512, '\x5a')));
            else // the shipped file of that name, English under any other
                QVERIFY(QFile::copy(TestPaths::bin(name.startsWith("Kerfcraft_") ? name : "Kerfcraft_en.qm"), path));
        }
        QVERIFY(!english());
        {
            Translations table;
            table.load(dir.path(), install);
            QTEST(table.fileNames(), "kept");
            QVERIFY(!table.select("Klingon"));
            QCOMPARE(table.select(select), !select.isEmpty());
            QTEST(english(), "english");
            QTEST(QCoreApplication::translate("QPlatformTheme", "Cancel"), "cancel");
        }
        // Destroying the table takes its translators out of the application.
        QVERIFY(!english());
    }

    void newestCandidateWins_data()
    {
        QTest::addColumn<QStringList>("files"); // "folder/name@ms", modified ms after a base time
        QTest::addColumn<QString>("expected");  // below the row folder, "" for none
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("equal times: list order")
            << QStringList{"temp/kcxfer.svg@0", "temp/kcxfer.kcj@0", "tk/kcxfer.svg@0", "tk/kcxfer.kcj@0"} << "tk/kcxfer.kcj";
        QTest::newRow("svg newer by one ms") << QStringList{"tk/kcxfer.kcj@0", "tk/kcxfer.svg@1"} << "tk/kcxfer.svg";
        QTest::newRow("TEMP kcj newest")
            << QStringList{"tk/kcxfer.kcj@0", "tk/kcxfer.svg@10", "temp/kcxfer.kcj@20"} << "temp/kcxfer.kcj";
        QTest::newRow("other names ignored")
            << QStringList{"tk/kcxfer.txt@100", "tk/KCXFER.KCJ@100", "temp/kcxfer.svg@0"} << "temp/kcxfer.svg";
    }
    void newestCandidateWins()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        const QString row = tempFolders();
        const QDateTime base = QDateTime::currentDateTime().addDays(-1);
        for (const QString& entry : files) {
            QFile f(row + '/' + entry.section('@', 0, 0));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
            f.flush(); // a later flush would stamp the file with the current time
            QVERIFY(f.setFileTime(base.addMSecs(entry.section('@', 1).toInt()), QFileDevice::FileModificationTime));
        }
        const QStringList candidates = ExchangeFileLocator::candidates();
        QCOMPARE(candidates, (QStringList{row + "/tk/kcxfer.kcj", row + "/tk/kcxfer.svg", row + "/temp/kcxfer.kcj",
                                          row + "/temp/kcxfer.svg"}));
        const QString expectedPath = expected.isEmpty() ? QString() : row + '/' + expected;
        QTest::ignoreMessage(QtDebugMsg, qPrintable("Filename: " + expectedPath));
        QCOMPARE(ExchangeFileLocator::chooseNewest(candidates), expectedPath);
    }

    // The plug-in may still be writing: 25 looks, 24 pauses of 200 ms.
    void waitForFile_data()
    {
        QTest::addColumn<int>("appearsAfterSleeps");
        QTest::addColumn<bool>("asFolder");
        QTest::addColumn<int>("sleeps");
        QTest::addColumn<QString>("message");
        QTest::newRow("already there") << 0 << false << 0 << "";
        QTest::newRow("appears just in time") << 24 << false << 24 << "";
        QTest::newRow("appears too late") << 25 << false << 24 << NotFound;
        QTest::newRow("a folder of that name") << 0 << true << 24 << NotFound;
    }
    void waitForFile()
    {
        QFETCH(int, appearsAfterSleeps);
        QFETCH(bool, asFolder);
        QFETCH(int, sleeps);
        QFETCH(QString, message);
        const QString path = tempFolders() + "/tk/kcxfer.kcj";
        auto create = [&] { asFolder ? QDir().mkpath(path) : TestFiles::write(path); };
        if (appearsAfterSleeps == 0)
            create();
        FakeClock clock;
        clock.onSleep = [&](int ms) {
            QCOMPARE(ms, 200);
            if (clock.sleepCount() == appearsAfterSleeps)
                create();
        };
        RecordingMessages recorded;
        QCOMPARE(ExchangeFileLocator::waitForFile(path, clock, recorded), message.isEmpty());
        QCOMPARE(clock.sleepCount(), sleeps);
        QCOMPARE(clock.nowMs(), qint64(sleeps) * 200);
        QVERIFY(shownOnly(recorded, message));
    }

    void inkscapePreferences_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file")
            << QByteArray() << "Information|Die Inkspace-Einstellungsdatei konnte nicht gefunden werden";
        QTest::newRow("not XML") << QByteArray("pathstring_format=0 <group")
                                 << "Information|Die Inkspace-Einstellungsdatei konnte nicht gelesen werden.";
        QTest::newRow("absolute") << prefs("<group id=\"svgoutput\" pathstring_format=\"0\"/>") << "";
        QTest::newRow("relative") << prefs("<group id=\"svgoutput\" pathstring_format=\"2\"/>") << Hint;
        QTest::newRow("any absolute format wins")
            << prefs("<group><group pathstring_format=\"0\"/></group><group pathstring_format=\"1\"/>") << "";
        QTest::newRow("old setting ignored when a format exists")
            << prefs("<group pathstring_format=\"1\"/><group allowrelativecoordinates=\"0\"/>") << Hint;
        QTest::newRow("old setting absolute") << prefs("<group allowrelativecoordinates=\"0\"/>") << "";
        QTest::newRow("no setting") << prefs("") << Hint;
        QTest::newRow("only groups count") << prefs("<option pathstring_format=\"0\" allowrelativecoordinates=\"0\"/>") << Hint;
        QTest::newRow("root itself is not looked at") << QByteArray("<group pathstring_format=\"0\"><x/></group>") << Hint;
    }
    // Only the hint makes the program quit; the other messages just inform.
    void inkscapePreferences()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("preferences.xml");
        QVERIFY(content.isNull() || TestFiles::write(path, content));
        RecordingMessages recorded;
        const bool quits = InkscapeCheck::check(path, recorded) == InkscapeCheck::Outcome::Quit;
        QVERIFY2(shownOnly(recorded, message), qPrintable(recorded.lines().join('\n')));
        QCOMPARE(quits, message == Hint);
    }

    // Inkscape on Linux keeps its preferences below XDG_CONFIG_HOME; the
    // Windows-style folder below the home folder serves when only it exists.
    void inkscapePreferencesLocation_data()
    {
        QTest::addColumn<QStringList>("present"); // below the temporary folder
        QTest::addColumn<QString>("expected");
        const QString xdg = "xdg/inkscape/preferences.xml", windows = "home/AppData/Roaming/inkscape/preferences.xml";
        QTest::newRow("XDG file first") << QStringList{xdg, windows} << xdg;
        QTest::newRow("Windows-style fallback") << QStringList{windows} << windows;
        QTest::newRow("neither: XDG path") << QStringList() << xdg;
    }
    void inkscapePreferencesLocation()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        qputenv("HOME", QFile::encodeName(dir.filePath("home")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("xdg")));
        for (const QString& file : present)
            QVERIFY(TestFiles::write(dir.filePath(file)));
        QCOMPARE(InkscapeCheck::preferencesPath(), dir.filePath(expected));
    }

    void cutMode_data()
    {
        QTest::addColumn<QString>("fileName"); // the one candidate, "" when none exists
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("prefs"); // empty: no Inkscape preferences
        QTest::addColumn<QString>("outcome");  // "window", "svg window" or the exit code
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("message"); // start of "title|text" of the one message
        QTest::newRow("kcj lines normalised")
            << "kcxfer.kcj" << QByteArray("CorelDraw 2020\r\nKCEbene\n  Ebene   1 \n12,5   7,25\n   \nGr\xc3\xb6\xc3\x9f" "e")
            << QByteArray() << "window"
            << QStringList{"CorelDraw 2020\n", "KCEbene\n", "Ebene 1\n", "12.5 7.25\n", "\n", "Größe\n"} << QString();
        QTest::newRow("svg whole text") << "kcxfer.svg" << Svg << Absolute << "svg window" << QStringList{QString::fromUtf8(Svg)} << "";
        QTest::newRow("svg, Inkscape relative") << "kcxfer.svg" << Svg << Relative << "0" << QStringList() << Hint;
        QByteArray marked = Svg;
        marked.replace("<svg ", "<svg xmlns:kc=\"https://kerfcraft.org/ns/exchange\" kc:pathdata=\"absolute\" ");
        QTest::newRow("svg from our extension, Inkscape relative")
            << "kcxfer.svg" << marked << Relative << "svg window" << QStringList{QString::fromUtf8(marked)} << "";
        QTest::newRow("no exchange file") << "" << QByteArray() << Absolute << "-1" << QStringList() << NotFound;
        QTest::newRow("upper-case suffix") << "kcxfer.KCJ" << QByteArray("KCEbene") << Absolute << "0" << QStringList() << "";
        QTest::newRow("ends in svg without dot is checked") << "kcxfersvg" << Svg << Relative << "0" << QStringList() << Hint;
    }
    void cutMode()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, prefs);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString candidate = dir.filePath(fileName.isEmpty() ? "kcxfer.kcj" : fileName);
        QVERIFY(fileName.isEmpty() || TestFiles::write(candidate, content));
        QVERIFY(prefs.isEmpty() || TestFiles::write(dir.filePath("preferences.xml"), prefs));
        FakeClock clock;
        RecordingMessages messages;
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Filename: "));
        const Startup::WindowInput input =
            Startup::prepareCutMode({candidate}, dir.filePath("preferences.xml"), clock, messages);
        QTEST(!input.openWindow ? QString::number(input.exitCode) : input.isSvg ? "svg window" : "window", "outcome");
        QTEST(input.texts, "texts");
        QVERIFY(shownOnly(messages, message));
    }

    void plainModeText_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("missing file") << QByteArray() << QStringList();
        QTest::newRow("Latin-1 text") << QByteArray("KCEbene\r\nGr\xf6\xdf" "e") << QStringList{"KCEbene\r\nGröße"};
        QTest::newRow("stops at the first zero byte") << QByteArray("abc\0def\0", 8) << QStringList{"abc"};
    }
    void plainModeText()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Kerfcraft-Daten.txt");
        QVERIFY(bytes.isNull() || TestFiles::write(path, bytes));
        QTEST(Startup::readPlainModeText(path), "texts");
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
