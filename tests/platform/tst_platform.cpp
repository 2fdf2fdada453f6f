#include "platform/Environment.h"
#include "platform/Logger.h"
#include "platform/ProcessRunner.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QStandardPaths>
#include <QtTest>

// Environment names as Windows hosts spell them must resolve whatever the
// case, and a missing "appdata"/"TEMP" must fall back to the Linux folders
// rather than to a path relative to the working directory.
class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void diagnosticsOnlyInTheLogFile()
    {
        // The window's terminal stays quiet; the log file gets the line.
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("kerfcraft.log"));
        qputenv("KERFCRAFT_LOG", QFile::encodeName(log));
        qunsetenv("KERFCRAFT_DEBUG");
        Logger::keepOffTerminalUnlessAsked();
        static int shown = 0;
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++shown; });
        Logger::debug(QStringLiteral("Diagnose"));
        qInstallMessageHandler(nullptr);
        QCOMPARE(shown, 0);
        QCOMPARE(TestFiles::read(log), QByteArray("Diagnose\n"));
    }

    void environment_data()
    {
        QTest::addColumn<QByteArray>("appdata"); // set as "appdata", null: not set
        QTest::addColumn<QByteArray>("temp");
        QTest::addColumn<QString>("expectedAppData");
        QTest::addColumn<QString>("expectedTemp");

        const QString xdg = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QTest::newRow("set, backslashes turned") << QByteArray("C:\\Users\\a\\AppData") << QByteArray("/var/tmp")
                                                 << "C:/Users/a/AppData" << "/var/tmp";
        QTest::newRow("not set") << QByteArray() << QByteArray() << xdg << QDir::tempPath();
        QTest::newRow("set but empty") << QByteArray("") << QByteArray("") << xdg << QDir::tempPath();
    }

    void environment()
    {
        QFETCH(QByteArray, appdata);
        QFETCH(QByteArray, temp);
        QFETCH(QString, expectedAppData);

        qunsetenv("APPDATA");
        appdata.isNull() ? qunsetenv("appdata") : qputenv("appdata", appdata);
        temp.isNull() ? qunsetenv("TEMP") : qputenv("TEMP", temp);
        QCOMPARE(Environment::value("APPDATA"), QString::fromLocal8Bit(appdata));
        QCOMPARE(Environment::contains("AppData"), !appdata.isNull());
        QCOMPARE(Environment::appDataDir(), expectedAppData);
        QCOMPARE(Environment::kerfcraftDataDir(), expectedAppData + "/Kerfcraft");
        QTEST(Environment::tempDir(), "expectedTemp");
    }

    void runWaitsAndReportsExitCode_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<bool>("elevated");
        QTest::addColumn<QString>("result"); // started, finished, exit code

        QTest::newRow("exit 3") << "sh" << QStringList{"-c", "exit 3"} << 5000 << false << "1 1 3";
        QTest::newRow("killed by a signal") << "sh" << QStringList{"-c", "kill -9 $$"} << 5000 << false << "1 1 -1";
        QTest::newRow("time-out kills") << "sh" << QStringList{"-c", "exec sleep 5"} << 200 << false << "1 0 -1";
        QTest::newRow("missing program") << "/nonexistent/kc-helper" << QStringList() << 2000 << false << "0 0 -1";
        // As root the elevated form starts the program directly, without pkexec.
        if (ProcessRunner::system().runningAsRoot())
            QTest::newRow("elevated as root") << "sh" << QStringList{"-c", "exit 0"} << 5000 << true << "1 1 0";
    }

    void runWaitsAndReportsExitCode()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(int, timeoutMs);
        QFETCH(bool, elevated);

        const ProcessRunner::Result r = elevated ? ProcessRunner::system().runElevated(program, args, timeoutMs)
                                                 : ProcessRunner::system().run(program, args, timeoutMs);
        QTEST(QStringLiteral("%1 %2 %3").arg(r.started).arg(r.finished).arg(r.exitCode), "result");
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
