#include "app/CommandLine.h"

#include <QtTest>

#include <vector>

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    // flags: P passermarksMode, K corelHost, C cut, I installPlugins, D deinstallPlugins
    void lastArgumentDecides_data()
    {
        using Mode = CommandLine::Mode;
        QTest::addColumn<QByteArrayList>("args"); // after the program name
        QTest::addColumn<QString>("flags");
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
        QFETCH(QString, flags);

        std::vector<const char*> argv{"kerfcraft"};
        for (const QByteArray& a : args)
            argv.push_back(a.constData());
        const CommandLine c = CommandLine::evaluate(int(argv.size()), argv.data());

        QCOMPARE(c.passermarksMode, flags.contains('P'));
        QCOMPARE(c.corelHost, flags.contains('K'));
        QCOMPARE(c.cut, flags.contains('C'));
        QCOMPARE(c.installPlugins, flags.contains('I'));
        QCOMPARE(c.deinstallPlugins, flags.contains('D'));
        QTEST(int(c.mode()), "mode");
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
