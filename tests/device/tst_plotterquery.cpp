#include "DebugCapture.h"
#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include "device/Plotter.h"
#include "device/USBDevice.h"
#include "device/VirtualPlotter.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QByteArrayList kStandard{QByteArrayLiteral("*")};  // the plotter's own answer
const QString kNoData = QStringLiteral("Fehler: Der Plotter lieferte keine Daten.");

// A virtual plotter on a simulated bus and a Plotter asking it.
struct Rig {
    FakeClock clock;
    std::shared_ptr<SimulatedUsbBus> bus = std::make_shared<SimulatedUsbBus>(clock);
    std::shared_ptr<VirtualPlotter> device;
    RecordingMessages messages;
    std::unique_ptr<USBDevice> usb;
    std::unique_ptr<Plotter> plotter;

    explicit Rig(const VirtualPlotterModel& model = VirtualPlotterModel())
        : device(std::make_shared<VirtualPlotter>(model))
    {
        bus->plug(device);
        usb = std::make_unique<USBDevice>(bus, device, VirtualPlotter::VendorId, model.productId,
                                          messages);
        plotter = std::make_unique<Plotter>(usb.get(), clock, messages);
    }
    QStringList texts() const
    {
        QStringList t;
        for (const RecordingMessages::Message& m : messages.messages())
            t.append(m.text);
        return t;
    }
};

} // namespace

class TestPlotterQuery : public QObject
{
    Q_OBJECT
private slots:
    void query_data();
    void query();
    void readsEveryValue_data();
    void readsEveryValue();
    void settings_data();
    void settings();
};

void TestPlotterQuery::query_data()
{
    QTest::addColumn<QByteArrayList>("device");    // pieces of the answers, each one transfer;
    QTest::addColumn<QByteArrayList>("settings");  // "*" the plotter's own answer,
    QTest::addColumn<QByteArrayList>("media");     // nothing: silence
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<int>("openError");
    QTest::addColumn<int>("unplugAfter");
    QTest::addColumn<bool>("stall");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("questions");  // questions the plotter was sent
    QTest::addColumn<int>("opens");
    QTest::addColumn<int>("waitedMs");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("seen");  // debug line of the seen flags: settings, device, media

    const QByteArrayList silent;
    // 50 rounds of 20 ms pause, three reopenings of 1200 ms; a silent
    // plotter costs each round its 200 ms read as well.
    const int allRounds = 50 * 20 + 3 * 1200;

    QTest::newRow("answers at once") << kStandard << kStandard << kStandard << 0 << 0 << -1 << false
                                     << true << 3 << 1 << 60 << QStringList() << QString();
    QTest::newRow("answers with line ends")
        << QByteArrayList{"\r\nOR4,KERFCRAFT,Sable 60,V1,D,B;\r\n"}
        << QByteArrayList{"OR1,30,120,25,2,1,0,1,0;\r\n"} << QByteArrayList{"0,0,400,800\r\n"} << 0
        << 0 << -1 << false << true << 3 << 1 << 60 << QStringList() << QString();
    QTest::newRow("media answer split after its numbers")
        << kStandard << kStandard << QByteArrayList{"0,0,40000,24000", "\r\n"} << 0 << 0 << -1
        << false << true << 3 << 1 << 60 << QStringList() << QString();
    QTest::newRow("media answer of three fields still counts")
        << kStandard << kStandard << QByteArrayList{"0,0,40000"} << 0 << 0 << -1 << false << true
        << 3 << 1 << 60 << QStringList() << QString();
    QTest::newRow("every answer split over several reads")
        << kStandard << kStandard << kStandard << 7 << 0 << -1 << false << false << 50 << 4
        << allRounds << QStringList{kNoData} << "0 0 1";
    QTest::newRow("device answer truncated") << QByteArrayList{"OR4,KERFCRAFT,Sable;"} << kStandard
                                             << kStandard << 0 << 0 << -1 << false << false << 50
                                             << 4 << allRounds << QStringList{kNoData}
                                             << "1 0 1";
    QTest::newRow("settings answer without semicolon")
        << kStandard << QByteArrayList{"OR1,30,120,25,2,1,0,1,0"} << kStandard << 0 << 0 << -1
        << false << false << 50 << 4 << allRounds << QStringList{kNoData} << "0 1 1";
    QTest::newRow("garbage") << QByteArrayList{"\xff\xfe?"} << QByteArrayList{"#~"}
                             << QByteArrayList{"0,1,2,3"} << 0 << 0 << -1 << false << false << 50
                             << 4 << allRounds << QStringList{kNoData} << "0 0 0";
    QTest::newRow("never answers") << silent << silent << silent << 0 << 0 << -1 << false << false
                                   << 50 << 4 << allRounds + 50 * 200 << QStringList{kNoData}
                                   << "0 0 0";
    QTest::newRow("answer too long for the buffer")
        << QByteArrayList{QByteArray("OR4,") + QByteArray(1500, 'x') + ";"} << kStandard
        << kStandard << 0 << 0 << -1 << false << false << 1 << 1 << 20
        << QStringList{"Es konnten keine Daten zum Gerät gesendet werden (2).\n"
                       "Error: LIBUSB_ERROR_OVERFLOW"}
        << QString();
    QTest::newRow("unplugged during the query")
        << kStandard << kStandard << kStandard << 0 << 0 << 7 << false << false << 1 << 1 << 40
        << QStringList{"Es konnten keine Daten zum Gerät gesendet werden.\n"
                       "Error: LIBUSB_ERROR_NO_DEVICE"}
        << QString();
    QTest::newRow("stalls") << kStandard << kStandard << kStandard << 0 << 0 << -1 << true << false
                            << 0 << 1 << 20
                            << QStringList{"Es konnten keine Daten zum Gerät gesendet werden.\n"
                                           "Error: LIBUSB_ERROR_PIPE"}
                            << QString();
    QTest::newRow("refuses to open")
        << kStandard << kStandard << kStandard << 0 << int(UsbError::Busy) << -1 << false << false
        << 0 << 0 << 0
        << QStringList{"Das Gerät konnte nicht geöffnet werden.\nError: LIBUSB_ERROR_BUSY"}
        << QString();
}

void TestPlotterQuery::query()
{
    QFETCH(QByteArrayList, device);
    QFETCH(QByteArrayList, settings);
    QFETCH(QByteArrayList, media);
    QFETCH(int, pieceSize);
    QFETCH(int, openError);
    QFETCH(int, unplugAfter);
    QFETCH(bool, stall);
    QFETCH(bool, ok);
    QFETCH(int, questions);
    QFETCH(int, opens);
    QFETCH(int, waitedMs);
    QFETCH(QStringList, messages);
    QFETCH(QString, seen);

    Rig rig;
    const QPair<VirtualPlotter::Question, QByteArrayList> answers[] = {
        {VirtualPlotter::Question::Device, device},
        {VirtualPlotter::Question::Settings, settings},
        {VirtualPlotter::Question::Media, media}};
    for (const auto& a : answers)
        if (a.second != kStandard)
            rig.device->setAnswer(a.first, a.second);
    rig.device->setAnswerPieceSize(pieceSize);
    SimulatedFaults faults;
    faults.openError = openError;
    faults.unplugAfterBytes = unplugAfter;
    faults.stall = stall;
    rig.device->setFaults(faults);

    QSignalSpy changed(rig.plotter.get(), &Plotter::ConfigurationDataChanged);
    DebugCapture debug;
    QCOMPARE(rig.plotter->query(), ok);
    QCOMPARE(changed.count(), ok ? 1 : 0);
    QCOMPARE(rig.device->questionsAnswered(), questions);
    QCOMPARE(rig.device->openCount(), opens);
    QCOMPARE(int(rig.clock.nowMs()), waitedMs);
    QCOMPARE(rig.texts(), messages);
    QCOMPARE(debug.count(QStringLiteral("All values found")), ok ? 1 : 0);
    if (!seen.isEmpty())
        QCOMPARE(debug.count(seen), 1);
    // A finished query leaves the device closed; only a transport error
    // during an attempt leaves it to the next open().
    if (ok || !seen.isEmpty())
        QVERIFY(!rig.device->isOpen());
}

void TestPlotterQuery::readsEveryValue_data()
{
    QTest::addColumn<int>("mediaType");
    QTest::addColumn<bool>("edgeSmoothing");
    QTest::addColumn<bool>("unrollMedium");
    QTest::newRow("roll, smoothing") << 0 << true << false;
    QTest::newRow("sheet, unroll") << 1 << false << true;
    QTest::newRow("edge, both") << 2 << true << true;
}

void TestPlotterQuery::readsEveryValue()
{
    QFETCH(int, mediaType);
    QFETCH(bool, edgeSmoothing);
    QFETCH(bool, unrollMedium);
    VirtualPlotterModel model;
    model.modelName = QStringLiteral("Kerfcraft Expert Pro 24");
    model.firmwareVersion = QStringLiteral("V3.0");
    model.firmwareDate = QStringLiteral("2025-01-02");
    model.firmwareBuild = QStringLiteral("B7");
    model.speed = 45;
    model.force = 210;
    model.offset = 30;
    model.quality = 1;
    model.mediaType = mediaType;
    model.edgeSmoothing = edgeSmoothing;
    model.unrollMedium = unrollMedium;
    model.mediaWidthMm = 610;
    model.mediaHeightMm = 2500;
    Rig rig(model);
    DebugCapture debug;

    QVERIFY(rig.plotter->query());
    const Plotter& p = *rig.plotter;
    QCOMPARE(p.deviceText(), QStringLiteral("KERFCRAFT / Kerfcraft Expert Pro 24"));
    QCOMPARE(p.firmwareText(), QStringLiteral("V3.0 / 2025-01-02 B7;"));
    QCOMPARE(p.speed(), 45);
    QCOMPARE(p.force(), 210);
    QCOMPARE(p.offset(), 30);
    QCOMPARE(p.quality(), 1);
    QCOMPARE(p.mediaType(), mediaType);
    QCOMPARE(p.edgeSmoothing(), edgeSmoothing);
    QCOMPARE(p.unrollMedium(), unrollMedium);
    QCOMPARE(p.mediaWidth(), 610);
    QCOMPARE(p.mediaHeight(), 2500);
    QCOMPARE(p.id(), -1);  // the pool gives it an id when a model matches
    QCOMPARE(rig.device->received(), QByteArray("\x1b.R4:\x1b.R1:OH;"));
    QCOMPARE(debug.count(QStringLiteral("Frage: \x1b.R4: Antwort: OR4,KERFCRAFT,"
                                        "Kerfcraft Expert Pro 24,V3.0,2025-01-02,B7;")),
             1);
    QCOMPARE(debug.count(QStringLiteral("0,0 found: 0,0,100000,24400")), 1);
}

void TestPlotterQuery::settings_data()
{
    QTest::addColumn<bool>("unrollMedium");
    QTest::addColumn<bool>("edgeSmoothing");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<int>("pieces");  // 0: one write through sendSettings
    QTest::newRow("both off") << false << false << QByteArray("\x1b.C1;20;0:\x1b.C1;19;0:") << 0;
    QTest::newRow("smoothing on, unroll off")
        << false << true << QByteArray("\x1b.C1;20;0:\x1b.C1;19;1:") << 0;
    QTest::newRow("unroll on, smoothing off")
        << true << false << QByteArray("\x1b.C1;20;1:\x1b.C1;19;0:") << 0;
    QTest::newRow("both on") << true << true << QByteArray("\x1b.C1;20;1:\x1b.C1;19;1:") << 0;
    QTest::newRow("both on, a byte per write")
        << true << true << QByteArray("\x1b.C1;20;1:\x1b.C1;19;1:") << 1;
    QTest::newRow("both on, split inside each command")
        << true << true << QByteArray("\x1b.C1;20;1:\x1b.C1;19;1:") << 7;
}

void TestPlotterQuery::settings()
{
    QFETCH(bool, unrollMedium);
    QFETCH(bool, edgeSmoothing);
    QFETCH(QByteArray, sent);
    QFETCH(int, pieces);
    VirtualPlotterModel model;
    model.unrollMedium = !unrollMedium;
    model.edgeSmoothing = !edgeSmoothing;
    Rig rig(model);
    DebugCapture debug;

    // As the job does it: open, settings, close; then read them back.
    QVERIFY(rig.plotter->open());
    if (pieces == 0) {
        QVERIFY(rig.plotter->sendSettings(unrollMedium, edgeSmoothing));
        QCOMPARE(debug.count(QStringLiteral("CMD: ") + QString::fromLatin1(sent)), 1);
    } else {
        for (int at = 0; at < sent.size(); at += pieces)
            QVERIFY(rig.plotter->write(sent.mid(at, pieces)));
    }
    rig.plotter->close();
    QCOMPARE(sent.size(), 20);
    QCOMPARE(rig.device->received(), sent);

    QVERIFY(rig.plotter->query());
    QCOMPARE(rig.plotter->unrollMedium(), unrollMedium);
    QCOMPARE(rig.plotter->edgeSmoothing(), edgeSmoothing);
    QCOMPARE(rig.messages.count(), 0);
}

QTEST_GUILESS_MAIN(TestPlotterQuery)
#include "tst_plotterquery.moc"
