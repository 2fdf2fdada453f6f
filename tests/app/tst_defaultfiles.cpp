#include "app/DefaultFiles.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList allBut(const QString& missing)
{
    QStringList names = DefaultFiles::fileNames();
    names.removeAll(missing);
    return names;
}
} // namespace

class TestDefaultFiles : public QObject
{
    Q_OBJECT
private slots:
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
        const QString exeDir = tmp.filePath("bin");
        const QString target = tmp.filePath("appdata/Kerfcraft");
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
};

QTEST_GUILESS_MAIN(TestDefaultFiles)
#include "tst_defaultfiles.moc"
