#include "app/HostPassermarks.h"
#include "app/Startup.h"
#include "document/Document.h"
#include "document/ExchangeImport.h"
#include "document/ExchangeText.h"
#include "document/KCLayer.h"
#include "plugins/PluginSearcher.h"

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"
#include "platform/RecordingProcessRunner.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Our extension inside the real Inkscape: installed as /installplugins does,
// run on a drawing with Inkscape's own fresh preferences, and what it hands
// over read back by Kerfcraft.
class TestInkscapeExtension : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;

    QByteArray run(const QString& program, const QStringList& args)
    {
        QProcess p;
        p.setWorkingDirectory(m_home.path());
        p.start(program, args);
        if (!p.waitForFinished(240000) || p.exitCode() != 0)
            qWarning() << program << args << p.readAllStandardError().right(2000);
        return p.readAllStandardOutput();
    }
    QString home(const QString& rel) const { return m_home.filePath(rel); }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("inkscape").isEmpty() || QStandardPaths::findExecutable("xvfb-run").isEmpty())
            QSKIP("inkscape or xvfb-run is not installed (.ci/run installs them); extension not tried");
        // Inkscape's Python is the system's, with lxml; a private python3 on PATH has none.
        const QList<QPair<const char*, QString>> vars{{"PATH", "/usr/bin:/bin:" + qEnvironmentVariable("PATH")},
            {"HOME", m_home.path()}, {"XDG_CONFIG_HOME", home(".config")}, {"XDG_DATA_DIRS", "/usr/share"}, {"TEMP", home("tmp")},
            {"APPDATA", home("appdata")}, {"PYTHONPATH", "/usr/share/inkscape/extensions"}, {"PROGRAMFILES", ""}, {"PROGRAMW6432", ""}};
        for (const auto& v : vars)
            qputenv(v.first, v.second.toUtf8());
        QDir().mkpath(home("tmp"));
        run("inkscape", {"--action-list"}); // writes the preferences a fresh Inkscape has
        QVERIFY(TestFiles::read(home(".config/inkscape/preferences.xml")).contains("pathstring_format=\"2\""));
        // Installed as "kerfcraft /installplugins" does, starting a stand-in for Kerfcraft.
        const QString fake = TestPaths::data("inkscape/kerfcraft");
        FakeClock clock;
        RecordingProcessRunner processes;
        PluginSearcher searcher(true, clock, processes);
        searcher.sourceDir = TestPaths::bin();
        searcher.executable = fake;
        searcher.process();
        QVERIFY(TestFiles::read(home(".config/inkscape/extensions/kerfcraft_imp.py")).contains(fake.toUtf8() + " /cut"));
    }

    void cutKeepsSizeWithDefaultPreferences()
    {
        QVERIFY(QFile::copy(TestPaths::data("inkscape/drawing.svg"), home("drawing.svg")));
        run("xvfb-run", {"-a", "inkscape", "--batch-process", "--actions=org.kerfcraft.inkscape.de.noprefs", "drawing.svg"});
        QCOMPARE(TestFiles::read(home("calls.log")), QByteArray("/cut\n"));

        // Size as Inkscape measures it (px at 96 per inch), against what Kerfcraft reads.
        const QStringList box = QString::fromUtf8(run("inkscape", {"--query-all", "drawing.svg"})).section('\n', 0, 0).split(',');
        QCOMPARE(box.size(), 5);
        FakeClock clock;
        RecordingMessages messages;
        const QString exchange = home("tmp/kcxfer.svg");
        const Startup::WindowInput input =
            Startup::prepareCutMode({exchange}, home(".config/inkscape/preferences.xml"), clock, messages);
        QVERIFY(input.openWindow && input.isSvg);
        QCOMPARE(messages.count(), 0);
        Document doc;
        importExchangeText(doc, input.texts, true);
        QVERIFY(qAbs(doc.drawingWidth() - box[3].toDouble() * 25.4 / 96) < 0.05);
        QVERIFY(qAbs(doc.drawingHeight() - box[4].toDouble() * 25.4 / 96) < 0.05);
        QCOMPARE(doc.layers().value(0)->objects().size(), 4); // by fill: red, green, blue, black text
    }

    void marksAreDetectedWithTheDialogValues()
    {
        // What the dialog writes for "Marken setzen".
        HostPassermarks::Choice choice{PassermarkenDialog::SetMarks, {25, 8, 12, true, false, 40, 500}};
        RecordingProcessRunner processes;
        RecordingMessages messages;
        QCOMPARE(HostPassermarks::deliver(choice, false, home("dialog.ini"), ".", processes, messages), 0);

        QVERIFY(QFile::copy(TestPaths::data("inkscape/print.svg"), home("print.svg")));
        const QString script = home(".config/inkscape/extensions/Kerfcraft.py");
        run("/usr/bin/python3", {script, "--tab=passermarken", "--output=" + home("marked.svg"), home("print.svg")});
        QVERIFY(TestFiles::read(home("marked.svg")).contains("KC-PassermarkenEbene"));
        run("/usr/bin/python3", {script, "--output=" + home("out.svg"), home("marked.svg")});

        QStringList lines;
        QVERIFY(ExchangeText::readKcjLines(home("tmp/kcxfer.kcj"), lines));
        QVERIFY(!QFileInfo::exists(home("tmp/kcxfer.svg"))); // the older exchange file must not win
        Document doc;
        importExchangeText(doc, lines, false);
        // Artwork 100 x 50 mm; marks 12 mm off it, 25 mm long, 0.8 mm thick;
        // distances run between the marks' centre lines.
        QVERIFY(doc.marksFound());
        QCOMPARE(doc.passerLength(), 25.0);
        QVERIFY(qAbs(doc.passerThickness() - 0.8) < 1e-6);
        QVERIFY(qAbs(doc.passerXDistance() - (100 + 24 - 0.8)) < 1e-3);
        QVERIFY(qAbs(doc.passerYDistance() - (50 + 24 - 0.8)) < 1e-3);
        QVERIFY(doc.code9MarkFound());
    }
};

QTEST_GUILESS_MAIN(TestInkscapeExtension)
#include "tst_inkscapeextension.moc"
