// Connected plotters: what one says about itself and which model of the
// presets that is, asking it, and the pool of them.
#include "support/UsbBench.h"

#include "device/Plotter.h"
#include "device/PlotterAnswers.h"
#include "device/PlotterModelMatch.h"
#include "device/Plotterpool.h"
#include "device/USBDevice.h"
#include "device/USBDevices.h"

#include <QtTest>

#include <memory>
#include <vector>

namespace {

QString ids(const QSignalSpy& spy)
{
    QStringList t;
    for (const QList<QVariant>& args : spy)
        t.append(QString::number(args.at(0).value<Plotter*>()->id()));
    return t.join(QLatin1Char(','));
}

// Values an answer must overwrite or leave standing; the media type is
// none of the three, so that every type read shows as a change.
PlotterConfiguration before()
{
    PlotterConfiguration c;
    c.deviceText = c.firmwareText = QStringLiteral("old");
    c.speed = c.force = c.offset = c.quality = 9;
    c.edgeSmoothing = c.unrollMedium = true;
    c.mediaType = 5;
    c.mediaWidth = 7;
    c.mediaHeight = 8;
    return c;
}

// The fields that differ from before(), "name=value" joined by "|".
QString changes(const PlotterConfiguration& c)
{
    const PlotterConfiguration b = before();
    QStringList t;
    auto note = [&t](const char* name, const QVariant& was, const QVariant& now) {
        if (was != now)
            t.append(QLatin1String(name) + QLatin1Char('=') + now.toString());
    };
    note("dev", b.deviceText, c.deviceText);
    note("fw", b.firmwareText, c.firmwareText);
    note("speed", b.speed, c.speed);
    note("force", b.force, c.force);
    note("offset", b.offset, c.offset);
    note("quality", b.quality, c.quality);
    note("edge", int(b.edgeSmoothing), int(c.edgeSmoothing));
    note("unroll", int(b.unrollMedium), int(c.unrollMedium));
    note("media", b.mediaType, c.mediaType);
    note("width", b.mediaWidth, c.mediaWidth);
    note("height", b.mediaHeight, c.mediaHeight);
    return t.join(QLatin1Char('|'));
}

} // namespace

class TestPlotterpool : public QObject
{
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QString>("text");    // the answer text; empty: the received bytes
        QTest::addColumn<QString>("results"); // device, settings, media: R read, T too short, - other
        QTest::addColumn<QString>("changes");

        // Device answers: "OR4", five values, the last carrying the semicolon.
        QTest::newRow("device, seven fields: the seventh is not read")
            << QByteArray("OR4,A,B,C,D,E,F;") << "" << "R--" << "dev=A / B|fw=C / D E";
        QTest::newRow("device, five fields") << QByteArray("OR4,A,B,C,D;") << "" << "T--" << "";
        QTest::newRow("device, no closing semicolon") << QByteArray("OR4,A,B,C,D,E") << "" << "---" << "";
        QTest::newRow("device, line ends anywhere")
            << QByteArray("\r\nOR4,KERF\r\nCRAFT,X,1,2,3;\r\n") << "OR4,KERFCRAFT,X,1,2,3;" << "R--"
            << "dev=KERFCRAFT / X|fw=1 / 2 3;";

        // Settings answers: fields 1 to 7 are speed, force, offset, quality,
        // edge smoothing, unroll, media type (1 roll, 0 sheet, 2 edge).
        QTest::newRow("settings, nine fields") << QByteArray("OR1,30,120,25,2,1,0,1,77;") << "" << "-R-"
                                               << "speed=30|force=120|offset=25|quality=2|unroll=0|media=0";
        QTest::newRow("settings, eight fields: the semicolon spoils field 7")
            << QByteArray("OR1,30,120,25,2,0,1,1;") << "" << "-R-"
            << "speed=30|force=120|offset=25|quality=2|edge=0|media=1";
        QTest::newRow("settings, seven fields") << QByteArray("OR1,30,120,25,2,0,1;") << "" << "-T-" << "";
        QTest::newRow("settings, no closing semicolon")
            << QByteArray("OR1,30,120,25,2,0,1,1,0") << "" << "---" << "";
        QTest::newRow("settings, every number malformed")
            << QByteArray("OR1,fast,12.5,,-3,2,x,1,0;") << "" << "-R-"
            << "speed=0|force=0|offset=0|quality=-3|unroll=0|media=0";
        QTest::newRow("settings, media edge") << QByteArray("OR1,9,9,9,9,1,1,2,0;") << "" << "-R-"
                                              << "media=2";
        QTest::newRow("settings, unknown media type keeps the old one")
            << QByteArray("OR1,9,9,9,9,0,0,5,0;") << "" << "-R-" << "edge=0|unroll=0";

        // Media answers: "0,0," then height and width in 1/40 mm.
        QTest::newRow("media, blanks round it, whole mm by truncation")
            << QByteArray("  0,0,12039,24079 \t\r\n") << "0,0,12039,24079" << "--R"
            << "width=601|height=300";
        QTest::newRow("media, height not a number") << QByteArray("0,0,abc,24000") << "" << "--R"
                                                    << "width=600|height=0";
        QTest::newRow("media, three fields") << QByteArray("0,0,12000") << "" << "--T" << "";

        // Whatever else a plotter may send.
        QTest::newRow("text ends at the first zero byte")
            << QByteArray("0,0,40,80\0OR4,A,B,C,D,E;", 24) << "0,0,40,80" << "--R" << "width=2|height=1";
        QTest::newRow("nothing") << QByteArray() << "" << "---" << "";
    }
    void read()
    {
        QFETCH(QByteArray, received);
        QFETCH(QString, text);

        const QString answer = PlotterAnswers::answerText(received.constData(), received.size());
        QCOMPARE(answer, text.isEmpty() ? QString::fromLatin1(received) : text);
        PlotterConfiguration config = before();
        QString got;
        for (auto read : {PlotterAnswers::readDeviceAnswer, PlotterAnswers::readSettingsAnswer,
                          PlotterAnswers::readMediaAnswer})
            got += QLatin1String("-TR").at(int(read(answer, config)));
        QTEST(got, "results");
        QTEST(changes(config), "changes");
    }

    // The device text of a plotter against the plotter models of the presets.
    void match_data()
    {
        QTest::addColumn<QString>("deviceText");
        QTest::addColumn<QStringList>("models");  // "Name|key,key", in presets order
        QTest::addColumn<int>("expected");        // index of the model, -1 none

        const QString sable = QStringLiteral("KC / Kerfcraft Sable 60");
        QTest::newRow("trailing blanks are ignored") << sable + "  \t" << QStringList{"Sable 60|"} << 0;
        QTest::newRow("name must end the text") << sable + " Pro" << QStringList{"Sable 60|"} << -1;
        QTest::newRow("name is case-sensitive") << sable << QStringList{"sable 60|"} << -1;
        QTest::newRow("first name match wins") << sable << QStringList{"60|", "Sable 60|"} << 0;
        QTest::newRow("key anywhere in the text") << "KC / XY-60 rev 2" << QStringList{"A|XY-60"} << 0;
        QTest::newRow("key is case-sensitive") << "KC / xy-60" << QStringList{"A|XY-60"} << -1;
        QTest::newRow("key is looked for in the untrimmed text") << "  Sable" << QStringList{"A|  Sa"} << 0;
        QTest::newRow("a later name match beats an earlier key match")
            << "KC / Expert Pro 24" << QStringList{"Expert 24|Expert", "Expert Pro 24|"} << 1;
        QTest::newRow("an earlier name match beats a later key") << sable << QStringList{"60|", "B|KC"} << 0;
        QTest::newRow("the first key match stays") << sable << QStringList{"A|KC", "B|Kerf", "C|Sable"} << 0;
        QTest::newRow("no models") << sable << QStringList() << -1;
    }
    void match()
    {
        QFETCH(QString, deviceText);
        QFETCH(QStringList, models);

        std::vector<std::unique_ptr<PlotterTemplate>> owned;
        QList<PlotterTemplate*> list;
        for (const QString& m : models) {
            owned.push_back(std::make_unique<PlotterTemplate>());
            owned.back()->Name = m.section(QLatin1Char('|'), 0, 0);
            owned.back()->Keys = m.section(QLatin1Char('|'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
            list.append(owned.back().get());
        }
        PlotterTemplate* found = matchPlotterModel(deviceText, list);
        QTEST(found ? list.indexOf(found) : -1, "expected");
    }

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
