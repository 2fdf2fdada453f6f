#include "support/RecordingMessages.h"

#include "cli/CliCommands.h"

#include <QBuffer>
#include <QTextStream>
#include <QtTest>

// kerfcraft-cli devices and query against the virtual plotter.
class TestDeviceCommands : public QObject
{
    Q_OBJECT
private slots:
    void run_data();
    void run();
};

void TestDeviceCommands::run_data()
{
    QTest::addColumn<QString>("virtualPlotter");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("outLines");  // each must appear in the output
    QTest::addColumn<QString>("err");

    const QStringList sable{"Plotter 1: Bus 001, Adresse 001, USB 0f0b:0001",
                            "  Gerät:            KERFCRAFT / Kerfcraft Sable 60",
                            "  Firmware:         V2.11 / 2024-03-18 R1;",
                            "  Medium:           600 x 1000 mm",
                            "  Geschwindigkeit:  30 cm/s",
                            "  Andruck:          120 g",
                            "  Kanten glätten:   Ein",
                            "  Medientyp:        Rolle"};
    QTest::newRow("devices") << "1" << QStringList{"devices"} << 0 << sable << "";
    QTest::newRow("devices, named model")
        << "Kerfcraft Expert Pro 24" << QStringList{"devices"} << 0
        << QStringList{"  Gerät:            KERFCRAFT / Kerfcraft Expert Pro 24"} << "";
    QTest::newRow("devices, stray argument") << "1" << QStringList{"devices", "--all"} << 2
                                             << QStringList() << "Unbekannte Angabe: --all\n";
    QTest::newRow("query by bus and address") << "1" << QStringList{"query", "--device", "1:1"} << 0
                                              << sable << "";
    QTest::newRow("query, nobody there") << "1" << QStringList{"query", "--device", "2:5"} << 2
                                         << QStringList() << "Kein Plotter an Bus 2, Adresse 5 gefunden.\n";
    QTest::newRow("query, bad address") << "1" << QStringList{"query", "--device", "usb1"} << 2
                                        << QStringList()
                                        << "Ungültige Geräteangabe: usb1 (erwartet BUS:ADRESSE)\n";
}

void TestDeviceCommands::run()
{
    QFETCH(QString, virtualPlotter);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, outLines);
    QFETCH(QString, err);

    qputenv("KERFCRAFT_VIRTUAL_PLOTTER", virtualPlotter.toUtf8());
    QString outText, errText;
    QTextStream out(&outText), errStream(&errText);
    QBuffer raw;
    raw.open(QIODevice::WriteOnly);
    RecordingMessages messages;
    CliIo io{out, errStream, raw, messages};
    const int rc = cliMain(QStringList{"kerfcraft-cli"} + arguments, io);
    qunsetenv("KERFCRAFT_VIRTUAL_PLOTTER");

    QCOMPARE(rc, exitCode);
    const QStringList lines = outText.split(QLatin1Char('\n'));
    for (const QString& l : outLines)
        QVERIFY2(lines.contains(l), qPrintable(outText));
    QCOMPARE(errText, err);
    QCOMPARE(messages.count(), 0);
}

QTEST_GUILESS_MAIN(TestDeviceCommands)
#include "tst_devicecommands.moc"
