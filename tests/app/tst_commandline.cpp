#include "app/CommandLine.h"

#include <QtTest>

#include <vector>

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void lastArgumentDecides_data();
    void lastArgumentDecides();
};

// flags: P passermarksMode, K corelHost, C cut, I installPlugins, D deinstallPlugins
void TestCommandLine::lastArgumentDecides_data()
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
    row("/cut leading blank", {" /cut"}, "", Mode::Plain);
    row("-cut leading minus", {"-cut"}, "", Mode::Plain);
    row("cut without slash", {"cut"}, "", Mode::Plain);
    row("/cut followed by extra bytes", {"/cutx"}, "", Mode::Plain);
    row("/cut followed by Latin-1 byte", {"/cut\xe4"}, "", Mode::Plain);
    row("/cut first of two", {"/cut", "foo"}, "", Mode::Plain);
    row("/cut last of two", {"foo", "/cut"}, "C", Mode::Cut);
    row("/cut before passermarks", {"/cut", "passermarks"}, "P", Mode::RegistrationMarks);
    row("/installplugins", {"/installplugins"}, "I", Mode::InstallPlugins);
    row("installplugins without slash", {"installplugins"}, "I", Mode::InstallPlugins);
    row("/InstallPlugins", {"/InstallPlugins"}, "", Mode::Plain);
    row("/deinstallplugins", {"/deinstallplugins"}, "D", Mode::DeinstallPlugins);
    row("deinstallplugins without slash", {"deinstallplugins"}, "", Mode::Plain);
    row("/deinstallplugins trailing blank", {"/deinstallplugins "}, "", Mode::Plain);
    row("passermarks", {"passermarks"}, "P", Mode::RegistrationMarks);
    row("ends in passermarks", {"/illustratorpassermarks"}, "P", Mode::RegistrationMarks);
    row("PASSERMARKS trailing blank", {"PASSERMARKS "}, "P", Mode::RegistrationMarks);
    row("passermarks trailing no-break space", {"passermarks\xa0"}, "P", Mode::RegistrationMarks);
    row("passermarks in the middle", {"passermarks/cut"}, "", Mode::Plain);
    row("corel and passermarks", {"/CorelDrawPassermarks"}, "PK", Mode::RegistrationMarks);
    row("corel upper case and passermarks", {"COREL_PASSERMARKS "}, "PK", Mode::RegistrationMarks);
    row("corel only", {"corel"}, "K", Mode::Plain);
    row("Latin-1 byte before passermarks", {"\xe4passermarks"}, "P", Mode::RegistrationMarks);
    row("Latin-1 upper byte and corel", {"\xc4\x43ORELpassermarks"}, "PK", Mode::RegistrationMarks);
    row("empty argument", {""}, "", Mode::Plain);
}

void TestCommandLine::lastArgumentDecides()
{
    QFETCH(QByteArrayList, args);
    QFETCH(QString, flags);
    QFETCH(int, mode);

    std::vector<const char*> argv{"kerfcraft"};
    for (const QByteArray& a : args)
        argv.push_back(a.constData());
    const CommandLine c = CommandLine::evaluate(int(argv.size()), argv.data());

    QCOMPARE(c.passermarksMode, flags.contains(QLatin1Char('P')));
    QCOMPARE(c.corelHost, flags.contains(QLatin1Char('K')));
    QCOMPARE(c.cut, flags.contains(QLatin1Char('C')));
    QCOMPARE(c.installPlugins, flags.contains(QLatin1Char('I')));
    QCOMPARE(c.deinstallPlugins, flags.contains(QLatin1Char('D')));
    QCOMPARE(int(c.mode()), mode);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
