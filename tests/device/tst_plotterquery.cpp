#include "support/UsbBench.h"

#include "device/Plotter.h"
#include "device/USBDevice.h"

#include <QSignalSpy>
#include <QtTest>

class TestPlotterQuery : public QObject
{
    Q_OBJECT
private slots:
    void query_data();
    void query();
};

void TestPlotterQuery::query_data()
{
    // Answers to "\e.R4:", "\e.R1:" and "OH;": "*" the plotter's own, else
    // the transfers it sends, separated by "|".
    QTest::addColumn<QByteArrayList>("answers");
    QTest::addColumn<QString>("faults");
    QTest::addColumn<int>("waitedMs");
    QTest::addColumn<QString>("message"); // none: the query succeeds

    // 50 rounds of 20 ms pause, three reopenings of 1200 ms; a silent
    // plotter costs each round its 200 ms read as well.
    const int allRounds = 50 * 20 + 3 * 1200;
    const QByteArrayList own{"*", "*", "*"};
    const QString noData = QStringLiteral("Fehler: Der Plotter lieferte keine Daten.");
    const QString sendFailed = QStringLiteral("Es konnten keine Daten zum Gerät gesendet werden");

    QTest::newRow("answers at once") << own << "" << 60 << "";
    QTest::newRow("media answer split after its numbers")
        << QByteArrayList{"*", "*", "0,0,40000,24000|\r\n"} << "" << 60 << "";
    QTest::newRow("media answer of three fields still counts")
        << QByteArrayList{"*", "*", "0,0,40000"} << "" << 60 << "";
    QTest::newRow("device answer split over two reads")
        << QByteArrayList{"OR4,KERFCRAFT,Sable|60,V1,D,B;", "*", "*"} << "" << allRounds << noData;
    QTest::newRow("device answer truncated")
        << QByteArrayList{"OR4,KERFCRAFT,Sable;", "*", "*"} << "" << allRounds << noData;
    QTest::newRow("never answers") << own << "silent" << allRounds + 50 * 200 << noData;
    QTest::newRow("answer too long for the buffer")
        << QByteArrayList{"OR4," + QByteArray(1500, 'x') + ";", "*", "*"} << "" << 20
        << sendFailed + " (2).\nError: LIBUSB_ERROR_OVERFLOW";
    QTest::newRow("stalls") << own << "stall" << 20 << sendFailed + ".\nError: LIBUSB_ERROR_PIPE";
    QTest::newRow("refuses to open") << own << "open=BUSY" << 0
                                     << "Das Gerät konnte nicht geöffnet werden.\nError: LIBUSB_ERROR_BUSY";
}

void TestPlotterQuery::query()
{
    QFETCH(QByteArrayList, answers);
    QFETCH(QString, faults);
    QFETCH(int, waitedMs);
    QFETCH(QString, message);

    UsbBench bench;
    auto device = bench.plugPlotter(QString(), faults);
    USBDevice usb(bench.bus, device, VirtualPlotter::VendorId, 1, bench.messages);
    Plotter plotter(&usb, bench.clock, bench.messages);
    const VirtualPlotter::Question question[] = {VirtualPlotter::Question::Device,
                                                 VirtualPlotter::Question::Settings,
                                                 VirtualPlotter::Question::Media};
    for (int i = 0; i < 3; ++i) {
        QByteArrayList pieces = answers[i].split('|');
        pieces.removeAll(QByteArray());
        if (answers[i] != "*")
            device->setAnswer(question[i], pieces);
    }

    QSignalSpy changed(&plotter, &Plotter::ConfigurationDataChanged);
    QCOMPARE(plotter.query(), message.isEmpty());
    QCOMPARE(changed.count(), message.isEmpty() ? 1 : 0);
    QCOMPARE(int(bench.clock.nowMs()), waitedMs);
    QCOMPARE(bench.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    // A query that ran its course leaves the device closed; a transport
    // error leaves it to the next open().
    if (message.isEmpty() || message.startsWith(QLatin1String("Fehler")))
        QVERIFY(!device->isOpen());
}

QTEST_GUILESS_MAIN(TestPlotterQuery)
#include "tst_plotterquery.moc"
