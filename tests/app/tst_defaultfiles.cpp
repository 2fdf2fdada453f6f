#include "app/DefaultFiles.h"

#include "support/TestPaths.h"

#include <QTemporaryDir>
#include <QtTest>

class TestDefaultFiles : public QObject
{
    Q_OBJECT
private slots:
    void copyDecision_data();
    void copyDecision();
    void realScriptCopiesMissingAndKeepsUserFiles();
};

namespace {
void touch(const QString& path, const QByteArray& content = QByteArray())
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(content);
}

QStringList allBut(const QString& missing)
{
    QStringList names = DefaultFiles::fileNames();
    names.removeAll(missing);
    return names;
}
} // namespace

void TestDefaultFiles::copyDecision_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<bool>("targetDirExists");
    QTest::addColumn<QStringList>("userFiles");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("scriptRuns");

    const QStringList all = DefaultFiles::fileNames();
    QTest::newRow("installation lacks 3000.txt") << allBut("3000.txt") << false << QStringList() << false << false;
    QTest::newRow("installation lacks the ini, user has all") << allBut("Kerfcraft.ini") << true << all << false << false;
    QTest::newRow("first run, no user folder") << all << false << QStringList() << true << true;
    QTest::newRow("user folder empty") << all << true << QStringList() << true << true;
    QTest::newRow("user lacks presets") << all << true << allBut("KerfcraftPresets.xml") << true << true;
    QTest::newRow("user lacks the ini") << all << true << allBut("Kerfcraft.ini") << true << true;
    QTest::newRow("user has all") << all << true << all << true << false;
}

void TestDefaultFiles::copyDecision()
{
    QFETCH(QStringList, installed);
    QFETCH(bool, targetDirExists);
    QFETCH(QStringList, userFiles);
    QFETCH(bool, result);
    QFETCH(bool, scriptRuns);

    QTemporaryDir tmp;
    const QString exeDir = tmp.filePath("bin");
    const QString target = tmp.filePath("appdata/Kerfcraft");
    QVERIFY(QDir().mkpath(exeDir));
    for (const QString& f : installed)
        touch(exeDir + '/' + f);
    if (targetDirExists)
        QVERIFY(QDir().mkpath(target));
    for (const QString& f : userFiles)
        touch(target + '/' + f);

    QStringList calls;
    QStringList startedArgs;
    int timeout = 0;
    const bool r = DefaultFiles::CopyIniFilesIfNotExists(
        exeDir, target, [&](const QString& program, const QStringList& args, int ms) {
            calls << program;
            startedArgs = args;
            timeout = ms;
        });

    QCOMPARE(r, result);
    QCOMPARE(calls.size(), scriptRuns ? 1 : 0);
    if (scriptRuns) {
        QCOMPARE(calls.first(), QStringLiteral("sh"));
        QCOMPARE(startedArgs, QStringList{exeDir + "/CopySettingFiles.sh"});
        QCOMPARE(timeout, 30000);
    }
}

void TestDefaultFiles::realScriptCopiesMissingAndKeepsUserFiles()
{
    QTemporaryDir appData;
    const QString target = appData.filePath("Kerfcraft");
    QVERIFY(QDir().mkpath(target));
    touch(target + "/Kerfcraft.ini", "[Passermarks]\nLength=42\n");

    qputenv("APPDATA", appData.path().toLocal8Bit());
    qputenv("KERFCRAFT_BIN_DIR", TestPaths::bin().toLocal8Bit());
    QVERIFY(DefaultFiles::CopyIniFilesIfNotExists());

    for (const QString& f : DefaultFiles::fileNames()) {
        QFile copied(target + '/' + f);
        QVERIFY2(copied.open(QIODevice::ReadOnly), qPrintable(f));
        if (f == QLatin1String("Kerfcraft.ini")) {
            QCOMPARE(copied.readAll(), QByteArray("[Passermarks]\nLength=42\n"));
        } else {
            QFile original(TestPaths::bin(f));
            QVERIFY(original.open(QIODevice::ReadOnly));
            QCOMPARE(copied.readAll(), original.readAll());
        }
    }
    // Only the five files, no temporary leftovers.
    QCOMPARE(QDir(target).entryList(QDir::Files).size(), DefaultFiles::fileNames().size());
}

QTEST_GUILESS_MAIN(TestDefaultFiles)
#include "tst_defaultfiles.moc"
