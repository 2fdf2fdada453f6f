// Connected plotters: asking one about itself, and the pool of them.
#include "support/UsbBench.h"

#include "device/Plotter.h"
#include "device/Plotterpool.h"
#include "device/USBDevice.h"
#include "device/USBDevices.h"

#include <QtTest>

namespace {

QString ids(const QSignalSpy& spy)
{
    QStringList t;
    for (const QList<QVariant>& args : spy)
        t.append(QString::number(args.at(0).value<Plotter*>()->id()));
    return t.join(QLatin1Char(','));
}

} // namespace

class TestPlotterpool : public QObject
{
    Q_OBJECT
private slots:
    // One plotter asked about itself: up to 50 question-answer rounds, the
    // device opened afresh every tenth round from the twentieth on.
    void query_data()
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
        // An unsent question ends the query like a silent plotter: both boxes.
        QTest::newRow("stalls") << own << "stall" << 20 << sendFailed + ".\nError: LIBUSB_ERROR_PIPE|" + noData;
        QTest::newRow("refuses to open") << own << "open=BUSY" << 0
                                         << "Das Gerät konnte nicht geöffnet werden.\nError: LIBUSB_ERROR_BUSY";
    }
    void query()
    {
        QFETCH(QByteArrayList, answers);
        QFETCH(QString, faults);
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
        QTEST(int(bench.clock.nowMs()), "waitedMs");
        QCOMPARE(bench.messages.texts(), message.isEmpty() ? QStringList() : message.split('|'));
        // A query that ran its course leaves the device closed; a transport
        // error leaves it to the next open().
        if (message.isEmpty() || message.contains(QLatin1String("Fehler:")))
            QVERIFY(!device->isOpen());
    }

    // The pool over successive scans of the bus.
    void rescans_data()
    {
        // Devices in bus order: "O" another vendor's, else a plotter by its model
        // name, with its faults (UsbBench::plugPlotter) after "!".
        QTest::addColumn<QString>("bus");
        QTest::addColumn<QString>("firstIds");
        QTest::addColumn<QString>("secondIds");
        QTest::addColumn<QString>("names");   // of the first scan's plotters
        QTest::addColumn<QString>("message"); // the one a scan shows

        QTest::newRow("two plotters") << "Sable 60,Expert 24" << "1,2" << "3,4" << "Sable 60,Expert 24" << "";
        QTest::newRow("one matching by key") << "EXP-24 rev B" << "1" << "2" << "Expert 24" << "";
        QTest::newRow("an unknown plotter uses up an id")
            << "Sable 60,Mystery 9,Expert 24" << "1,-1,3" << "4,-1,6" << "Sable 60,,Expert 24" << "";
        QTest::newRow("other vendors are no plotters") << "O,Sable 60,O" << "1" << "2" << "Sable 60" << "";
        QTest::newRow("empty bus") << "" << "" << "" << "" << "";
        QTest::newRow("never answers") << "Expert 24,Sable 60!silent" << "1,-1" << "3,-1" << "Expert 24,"
                                       << "Fehler: Der Plotter lieferte keine Daten.";
        QTest::newRow("refuses to open") << "Expert 24,Sable 60!open=BUSY" << "1,-1" << "3,-1" << "Expert 24,"
                                         << "Das Gerät konnte nicht geöffnet werden.\nError: LIBUSB_ERROR_BUSY";
        // Gone with the next scan.
        QTest::newRow("unplugged during the query, after the model answer")
            << "Expert 24,Sable 60!unplug=7" << "1,2" << "3" << "Expert 24,Sable 60"
            << "Es konnten keine Daten zum Gerät gesendet werden.\nError: LIBUSB_ERROR_NO_DEVICE|"
               "Fehler: Der Plotter lieferte keine Daten.";
    }
    void rescans()
    {
        QFETCH(QString, bus);
        QFETCH(QString, message);

        UsbBench bench;
        const QStringList devices = bus.split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString& d : devices) {
            if (d == QLatin1String("O"))
                bench.bus->plug(std::make_shared<SimulatedUsbDevice>(0x046D, 0xC077));
            else
                bench.plugPlotter(d.section(QLatin1Char('!'), 0, 0), d.section(QLatin1Char('!'), 1));
        }
        PlotterTemplate sable, expert;
        sable.Name = QStringLiteral("Sable 60");
        sable.Protocol = ProtocolType::HPGL;
        expert.Name = QStringLiteral("Expert 24");
        expert.Keys = QStringList{QStringLiteral("EXP-24")};
        USBDevices registry(bench.bus, bench.messages);
        Plotterpool pool(&registry, [&] { return QList<PlotterTemplate*>{&sable, &expert}; },
                         bench.clock, bench.messages);
        QSignalSpy added(&pool, &Plotterpool::PlotterAdded);
        QSignalSpy removed(&pool, &Plotterpool::PlotterRemoved);

        registry.rescan();
        QCOMPARE(registry.devices().size(), devices.size());
        QTEST(ids(added), "firstIds");
        QCOMPARE(removed.count(), 0);
        QCOMPARE(bench.messages.texts(), message.isEmpty() ? QStringList() : message.split('|'));
        const QList<Plotter*> first = pool.plotters();
        QStringList seen;
        for (Plotter* p : first) {
            seen.append(p->name());
            QCOMPARE(p->protocol(), p->name() == sable.Name ? ProtocolType::HPGL : ProtocolType::GPGL);
            if (p->id() >= 0)
                QCOMPARE(pool.find(p->id()), p);
        }
        QTEST(seen.join(QLatin1Char(',')), "names");

        // Every scan takes all plotters out, last first, and brings those still
        // plugged in back as new objects with new ids; the old ones stay alive.
        added.clear();
        registry.rescan();
        QTEST(ids(added), "secondIds");
        QList<Plotter*> gone;
        for (const QList<QVariant>& args : removed)
            gone.prepend(args.at(0).value<Plotter*>());
        QCOMPARE(gone, first);
        for (Plotter* old : first) {
            QVERIFY(!pool.plotters().contains(old));
            QCOMPARE(old->parent(), &pool);
        }

        // A bus that cannot be listed counts as empty.
        removed.clear();
        bench.bus->setListError(UsbError::NoMem);
        registry.rescan();
        QCOMPARE(removed.count(), added.count());
        QCOMPARE(pool.count(), 0);
        QVERIFY(registry.devices().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlotterpool)
#include "tst_plotterpool.moc"
