// Every writer replaces its file through AtomicFile: a failure injected while
// writing, at the flush to the disk or at the rename leaves the old file byte
// for byte and no temporary file; a write that succeeds keeps the file's mode.

#include "../plot/PlotFixtures.h"
#include "device/CutPicture.h"
#include "document/JobFile.h"
#include "job/Pipe.h"
#include "job/TestDataDump.h"
#include "platform/AtomicFile.h"
#include "platform/IniFile.h"
#include "platform/RecordingProcessRunner.h"
#include "plot/FcmExport.h"
#include "plugins/PluginSearcher.h"
#include "presets/KerfcraftPresets.h"
#include "presets/PresetsFile.h"
#include "support/FakeClock.h"
#include "support/RecordingMessages.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QtTest>

using Writer = std::function<bool(const QString& path)>;
Q_DECLARE_METATYPE(Writer)

class TestAtomicFile : public QObject
{
    Q_OBJECT
private slots:
    void writers_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<int>("failure"); // a FailureInjection::Point; -1: none
        const QMap<QString, Writer> writers{
            {"presets", [](const QString& p) { RecordingMessages m; KerfcraftPresets s(m, p); s.load(); return PresetsFile(s, m).removeMaterial(0); }},
            {"job file", [](const QString& p) { return JobFile::save(Document(), p); }},
            {"ini", [](const QString& p) { return IniFile::write(p, "Passermarks", {{"SetMarks", "1"}}); }},
            {"fcm", [](const QString& p) { Document d; PlotFixtures::buildJob(d, "Q: 0,0 10,0 10,10 z", 10, 10, "fcm"); return FcmExport(d).write(p, QImage()).failed.isEmpty(); }},
            {"plug-in copy", [](const QString& p) { FakeClock c; RecordingProcessRunner r; return PluginSearcher(true, c, r).DeleteAndCopy(TestPaths::source("packaging/inkscape/Kerfcraft.py"), p); }},
            {"cut picture", [](const QString& p) { QImage i(8, 8, QImage::Format_RGB32); i.fill(Qt::white); return CutPicture::save(i, p); }},
            {"test-data dump", [](const QString& p) { Pipe pipe; pipe.push(new Block("PU0,0;PD40,40;", false, {})); pipe.close(); return TestDataDump::drain(pipe, p).written; }},
        };
        const char* names[] = {"succeeds", "no space midway", "flush fails", "rename fails"};
        for (auto w = writers.begin(); w != writers.end(); ++w)
            for (int failure = -1; failure <= AtomicFile::FailureInjection::AtRename; ++failure)
                QTest::addRow("%s %s", qPrintable(w.key()), names[failure + 1]) << w.value() << failure;
    }
    void writers()
    {
        QFETCH(Writer, writer);
        QFETCH(int, failure);
        QTemporaryDir dir;
        const QString path = dir.filePath("file");
        const QByteArray old = "<KerfcraftPresets><Materials NextId=\"1\"><Material ID=\"0\"/></Materials></KerfcraftPresets>\n";
        QVERIFY(TestFiles::write(path, old) && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QFile::Permissions mode = QFile::permissions(path);
        std::unique_ptr<AtomicFile::FailureInjection> inject;
        if (failure >= 0)
            inject = std::make_unique<AtomicFile::FailureInjection>(AtomicFile::FailureInjection::Point(failure), 10);
        QCOMPARE(writer(path), failure < 0);
        QCOMPARE(TestFiles::read(path) == old, failure >= 0);
        QCOMPARE(QFile::permissions(path), mode);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
