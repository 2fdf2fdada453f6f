#include "platform/Environment.h"
#include "platform/ProcessRunner.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Environment names as Windows hosts spell them must resolve whatever the
// case, and a missing "appdata"/"TEMP" must fall back to the Linux folders
// rather than to a path relative to the working directory.
class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void lookupIgnoresCase_data();
    void lookupIgnoresCase();
    void fallbacks_data();
    void fallbacks();
    void runWaitsAndReportsExitCode_data();
    void runWaitsAndReportsExitCode();
};

void TestPlatform::lookupIgnoresCase_data()
{
    QTest::addColumn<QByteArray>("setName");
    QTest::addColumn<QString>("askName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("exact") << QByteArray("KC_TEST_VAR") << "KC_TEST_VAR" << "wert";
    QTest::newRow("lower asks upper") << QByteArray("KC_TEST_VAR") << "kc_test_var" << "wert";
    QTest::newRow("mixed") << QByteArray("Kc_Test_Var") << "KC_TEST_VAR" << "wert";
    QTest::newRow("not set") << QByteArray() << "KC_TEST_VAR" << "";
}

void TestPlatform::lookupIgnoresCase()
{
    QFETCH(QByteArray, setName);
    QFETCH(QString, askName);
    QFETCH(QString, expected);
    for (const char* n : {"KC_TEST_VAR", "Kc_Test_Var", "kc_test_var"})
        qunsetenv(n);
    if (!setName.isEmpty())
        qputenv(setName.constData(), "wert");
    QCOMPARE(Environment::value(askName), expected);
    QCOMPARE(Environment::contains(askName), !setName.isEmpty());
    if (!setName.isEmpty())
        qunsetenv(setName.constData());
}

void TestPlatform::fallbacks_data()
{
    QTest::addColumn<QByteArray>("appdata");
    QTest::addColumn<QByteArray>("temp");
    QTest::addColumn<QString>("expectedAppData");
    QTest::addColumn<QString>("expectedTemp");
    const QString xdg = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QTest::newRow("both set, backslashes turned") << QByteArray("C:\\Users\\a\\AppData")
                                                  << QByteArray("/var/tmp") << "C:/Users/a/AppData"
                                                  << "/var/tmp";
    QTest::newRow("neither set") << QByteArray() << QByteArray() << xdg << QDir::tempPath();
    QTest::newRow("set but empty") << QByteArray("") << QByteArray("") << xdg << QDir::tempPath();
}

void TestPlatform::fallbacks()
{
    QFETCH(QByteArray, appdata);
    QFETCH(QByteArray, temp);
    QFETCH(QString, expectedAppData);
    QFETCH(QString, expectedTemp);
    const QByteArray oldApp = qgetenv("APPDATA"), oldTemp = qgetenv("TEMP");
    qunsetenv("APPDATA");
    qunsetenv("TEMP");
    if (!appdata.isNull())
        qputenv("appdata", appdata);
    if (!temp.isNull())
        qputenv("TEMP", temp);
    QCOMPARE(Environment::appDataDir(), expectedAppData);
    QCOMPARE(Environment::kerfcraftDataDir(), expectedAppData + "/Kerfcraft");
    QCOMPARE(Environment::tempDir(), expectedTemp);
    qunsetenv("appdata");
    qunsetenv("TEMP");
    if (!oldApp.isNull())
        qputenv("APPDATA", oldApp);
    if (!oldTemp.isNull())
        qputenv("TEMP", oldTemp);
}

void TestPlatform::runWaitsAndReportsExitCode_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<bool>("elevated");
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("exit 3") << "sh" << QStringList{"-c", "exit 3"} << 5000 << false << true << true << 3;
    QTest::newRow("time-out kills") << "sh" << QStringList{"-c", "sleep 5"} << 200 << false << true
                                    << false << -1;
    QTest::newRow("missing program") << "/nonexistent/kc-helper" << QStringList{} << 2000 << false
                                     << false << false << -1;
    // As root the elevated form starts the program directly, without pkexec.
    if (ProcessRunner::runningAsRoot())
        QTest::newRow("elevated as root") << "sh" << QStringList{"-c", "exit 0"} << 5000 << true
                                          << true << true << 0;
}

void TestPlatform::runWaitsAndReportsExitCode()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, timeoutMs);
    QFETCH(bool, elevated);
    const ProcessRunner::Result r = elevated ? ProcessRunner::runElevated(program, args, timeoutMs)
                                             : ProcessRunner::run(program, args, timeoutMs);
    QTEST(r.started, "started");
    QTEST(r.finished, "finished");
    QTEST(r.exitCode, "exitCode");
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
