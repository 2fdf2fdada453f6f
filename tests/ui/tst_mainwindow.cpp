#include "app/Translations.h"
#include "document/Document.h"
#include "document/ExchangeImport.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "ui/MainWindow.h"

#include "support/DocumentCompare.h"
#include "support/RecordingMessages.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/UsbBench.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {
QStringList sample()
{
    QStringList lines;
    for (const QByteArray& l : TestFiles::read(TestPaths::source("data/samples/corel.kcj")).split('\n'))
        lines << QString::fromUtf8(l).simplified().replace(',', '.') + '\n';
    return lines;
}

QStringList comboTexts(const QComboBox* c)
{
    QStringList t;
    for (int i = 0; i < c->count(); ++i)
        t << c->itemText(i);
    return t;
}

// Sets a control the way a user would, by its kind.
void operate(QWidget* w, double v)
{
    if (auto* sb = qobject_cast<QSpinBox*>(w))
        sb->setValue(int(v));
    else if (auto* ds = qobject_cast<QDoubleSpinBox*>(w))
        ds->setValue(v);
    else if (auto* rb = qobject_cast<QRadioButton*>(w))
        rb->click();
    else if (auto* cb = qobject_cast<QCheckBox*>(w))
        cb->setChecked(v != 0);
    else if (auto* co = qobject_cast<QComboBox*>(w))
        co->setCurrentIndex(int(v));
}

// The virtual plotter on the bench's bus, found by the window as after a
// rescan and the next tick, with nothing received yet.
std::shared_ptr<VirtualPlotter> attachPlotter(MainWindow& w, UsbBench& bench)
{
    auto plotter = bench.plugPlotter();
    w.attachDevices(bench.bus, bench.clock);
    w.onBtnRescanClicked();
    w.UpdatePlotterInfos();
    plotter->clearReceived();
    return plotter;
}

// What kerfcraft-cli writes to `out` for the sample and these arguments.
QByteArray cliOutput(const QString& command, const QString& out, const QStringList& args)
{
    QProcess cli;
    cli.start(TestPaths::bin("kerfcraft-cli"),
              QStringList{command, TestPaths::source("data/samples/corel.kcj"), "-o", out} + args);
    return cli.waitForFinished(60000) && cli.exitCode() == 0 ? TestFiles::read(out) : QByteArray();
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        qputenv("APPDATA", m_dir.path().toLocal8Bit());
    }
    void init()
    {
        // Each test edits its own copy of the shipped presets.
        const QString path = m_dir.filePath("KerfcraftPresets.xml");
        QVERIFY(TestFiles::write(path, TestFiles::read(TestPaths::bin("KerfcraftPresets.xml"))));
        m_presets = std::make_unique<KerfcraftPresets>(m_messages, path);
        m_presets->load();
        KerfcraftPresets::setInstance(m_presets.get());
        m_messages.clear();
    }
    void cleanup() { m_presets.reset(); }

    void controlsWriteTheirSetting()
    {
        MainWindow w(sample(), false, m_messages);
        const Document& d = w.document();
        using Get = std::function<double(const Document&)>;
        const struct { const char* widget; double value; Get get; } rows[] = {
            {"sbMaterialgroesseBreite", 300, [](auto& d) { return d.materialWidth(); }},
            {"sbMaterialgroesseHoehe", 700, [](auto& d) { return d.materialHeight(); }},
            {"sbJobgroesseBreite", 100, [](auto& d) { return d.jobWidth(); }},
            {"cbJobgroesseProportional", 0, [](auto& d) { return d.proportional(); }},
            {"sbJobgroesseHoehe", 40, [](auto& d) { return d.jobHeight(); }},
            {"sbPositionRechts", 12, [](auto& d) { return d.right(); }},
            {"sbPositionUnten", 7, [](auto& d) { return d.bottom(); }},
            {"cbPositionRotation", 2, [](auto& d) { return d.rotation(); }},
            {"cbPositionSpiegeln", 1, [](auto& d) { return d.mirrored(); }},
            {"sbKopienHorzOderAnzahl", 3, [](auto& d) { return d.copiesHorz(); }},
            {"sbKopienVert", 2, [](auto& d) { return d.copiesVert(); }},
            {"sbKopienHorzAbstand", 4, [](auto& d) { return d.horzDistance(); }},
            {"cbKopienGleicheAbstaende", 0, [](auto& d) { return d.sameDistance(); }},
            {"sbKopienVertAbstand", 6, [](auto& d) { return d.vertDistance(); }},
            {"cbKopienAutomatischVerteilen", 1, [](auto& d) { return d.autoPlacement(); }},
            {"sbKopienHorzOderAnzahl", 5, [](auto& d) { return d.copiesCount(); }},
            {"cbEntgitternEntgitterrahmen", 1, [](auto& d) { return d.grid(); }},
            {"sbEntgitternAbstand2", 3, [](auto& d) { return d.gridDistance(); }},
            {"cbEntgitternUeberschnitt", 1, [](auto& d) { return d.overcut(); }},
            {"sbEntgitternUeberschnittWert", 15, [](auto& d) { return d.overcutDistance() * 10; }},
            {"sbEntgitternUeberschnittWinkel", 100, [](auto& d) { return d.overcutAngle(); }},
            {"cbEntgitternQualitaet", 1, [](auto& d) { return d.quality(); }},
            {"rbEndpositionLinksNebenDemJob", 1, [](auto& d) { return d.homeposition() == 2; }},
            {"sbEndpositionVorschubNachDemPlotten", 20, [](auto& d) { return d.extraspace(); }},
            {"sbParameterGeschwindigkeit", 33, [](auto& d) { return d.speed(); }},
            {"sbParameterAndruck", 120, [](auto& d) { return d.pressure(); }},
            {"sbParameterDurchgaenge", 2, [](auto& d) { return d.passes(); }},
            {"sbWerkzeugauswahlOffsetKorrektur", 0.125, [](auto& d) { return d.offsetCorrection(); }},
            {"cbParameterPlottereinstellungenBenutzen", 1, [](auto& d) { return d.usePlotterSettings(); }},
            {"rbObjektauswahlAuswahlNachFarben", 1, [](auto& d) { return d.selection() == 3; }},
            {"rbObjektauswahlNurMarkierte", 1, [](auto& d) { return d.selection2(); }},
            {"cbObjektauswahlSegmentierung", 1, [](auto& d) { return d.segmentation(); }},
            {"sbObjektauswahlSegmenthoehe", 800, [](auto& d) { return d.segmentHeight(); }},
            {"cbObjektauswahlPauseZwischenEbenen", 1, [](auto& d) { return d.stopBetweenLayers(); }},
            {"dsbPMXK", 0.5, [](auto& d) { return d.passerXCorrection(); }},
            {"cbPlotSheetCmd", 1, [](auto& d) { return d.sheetMediaCommand(); }},
            {"cbObjektauswahlUnterschiedlicheSchneideparameter", 1, [](auto& d) { return d.differentCuttingParameter(); }},
            {"sbParameterFuerGeschwindigkeit", 44, [](auto& d) { return d.layerParameters().speed; }},
            {"cbPositionLage", 3, [](auto& d) { return d.location(); }},
        };
        for (const auto& row : rows) {
            QWidget* widget = w.findChild<QWidget*>(row.widget);
            QVERIFY2(widget, row.widget);
            operate(widget, row.value);
            QVERIFY2(qFuzzyCompare(row.get(d) + 1, row.value + 1), row.widget);
        }
        // The blade-initialisation box sets both flags when the user clicks it.
        w.findChild<QCheckBox*>("cbWeitereFunktionenMesserInitialisierung")->click();
        QVERIFY(d.bladeInitializing() && d.bladeInitialisation());
        // Both weeding boxes are one setting.
        QVERIFY(w.findChild<QCheckBox*>("cbEntgitternEntgitterrahmen2")->isChecked());
    }

    // A refill from the document must not write anything back: the settings
    // stay exactly as set, and the document signals only once.
    void refillWritesNothingBack()
    {
        MainWindow w(sample(), false, m_messages);
        Document& d = w.document();
        Document::JobSettings s = d.jobSettings();
        s.jobWidth = 123, s.jobHeight = 45, s.proportional = false, s.right = 9;
        s.location = Document::HorizontalCentered, s.copiesHorz = 4, s.autoPlacement = true;
        s.copiesCount = 7, s.sameDistance = false, s.vertDistance = 8, s.overcutDistance = 1.5;
        s.quality = 5, s.homeposition = Document::BehindTheJob, s.selection = Document::ColorSelection;
        QSignalSpy spy(&d, &Document::DataChanged);
        d.setJobSettings(s);
        QCOMPARE(spy.count(), 1);
        QVERIFY(d.jobSettings() == s);
        QCOMPARE(w.findChild<QSpinBox*>("sbKopienHorzOderAnzahl")->value(), 7);
        QCOMPARE(w.findChild<QSpinBox*>("sbEntgitternUeberschnittWert")->value(), 15);
        QCOMPARE(w.findChild<QComboBox*>("cbEntgitternQualitaet")->currentIndex(), 1);
        QVERIFY(!w.findChild<QWidget*>("sbPositionRechts")->isEnabled());
    }

    void materialsAddRemoveStore()
    {
        MainWindow w(sample(), false, m_messages);
        w.show();
        auto* materials = w.findChild<QComboBox*>("cbMaterial");
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>("leName")->setText("Testfolie");
            dialog->findChild<QSpinBox*>("sbGeschwindigkeit")->setValue(42);
            dialog->accept();
        });
        w.onBtnMaterialHinzufuegenClicked();
        QCOMPARE(materials->currentText(), QStringLiteral("Testfolie"));
        const int id = materials->currentData().toInt();
        QCOMPARE(m_presets->materialById(id)->Speed, 42);
        QVERIFY(w.findChild<QPushButton*>("btnMaterialEntfernen")->isEnabled());

        w.findChild<QSpinBox*>("sbParameterGeschwindigkeit")->setValue(77);
        w.onBtnParameterSpeichernAktuelleEinstellungenClicked();
        QCOMPARE(m_presets->materialById(id)->Speed, 77);
        QCOMPARE(materials->currentData().toInt(), id);

        w.onBtnMaterialEntfernenClicked();
        QCOMPARE(materials->findData(id), -1);
        QVERIFY(!m_presets->materialById(id));
        QVERIFY(!TestFiles::read(m_presets->path()).contains("Testfolie"));
        QCOMPARE(m_messages.count(), 0);
    }

    void saveAndLoadThroughTheWindow()
    {
        const QString path = m_dir.filePath("job.kcf");
        MainWindow w(sample(), false, m_messages);
        w.setFileAsk([&](bool, const QString&) { return path; });
        auto* materials = w.findChild<QComboBox*>("cbMaterial");
        materials->setCurrentIndex(materials->findData(3));
        w.findChild<QSpinBox*>("sbKopienVert")->setValue(3);
        w.findChild<QComboBox*>("cbPositionRotation")->setCurrentIndex(1);
        const Document::JobSettings saved = w.document().jobSettings();
        w.onBtnSaveClicked();

        MainWindow other(QStringList(), false, m_messages);
        other.setFileAsk([&](bool, const QString&) { return path; });
        other.onBtnLoadClicked();
        QVERIFY(other.document().jobSettings() == saved);
        QCOMPARE(other.document().layers().size(), w.document().layers().size());
        QCOMPARE(other.findChild<QComboBox*>("cbMaterial")->currentData().toInt(), 3);
        QCOMPARE(other.findChild<QSpinBox*>("sbKopienVert")->value(), 3);
        QCOMPARE(m_messages.count(), 0);
    }

    void languageSwitch()
    {
        Translations translations;
        translations.load(TestPaths::bin(), true);
        MainWindow w(sample(), false, m_messages, &translations);
        auto* language = w.findChild<QComboBox*>("cbSprache");
        const auto texts = [&] {
            return QStringList{w.findChild<QPushButton*>("btnBeenden")->text(),
                               w.findChild<QTabWidget*>("twMain")->tabText(0),
                               w.findChild<QGroupBox*>("gbKopien")->title(),
                               w.findChild<QComboBox*>("cbMaterial")->itemText(0)};
        };
        language->setCurrentIndex(language->findData("Kerfcraft_en.qm"));
        QCOMPARE(texts(), (QStringList{"Quit", "General", "Copies", "Card stock 300 gsm"}));
        language->setCurrentIndex(language->findData("Kerfcraft_de.qm"));
        QCOMPARE(texts(), (QStringList{"Beenden", "Allgemein", "Kopien", "Flexfolie (Textil)"}));
    }

    // The window's stream dump is the command-line tool's stream for the
    // same drawing and settings.
    void testDataEqualsTheCommandLine()
    {
        const QString dump = m_dir.filePath("lastcut.txt");
        MainWindow w(sample(), false, m_messages);
        w.setTestDataPath(dump);
        auto* materials = w.findChild<QComboBox*>("cbMaterial");
        materials->setCurrentIndex(materials->findData(0));
        w.findChild<QSpinBox*>("sbMaterialgroesseBreite")->setValue(600);
        w.findChild<QSpinBox*>("sbMaterialgroesseHoehe")->setValue(1000);
        w.findChild<QComboBox*>("cbPositionRotation")->setCurrentIndex(1);
        w.findChild<QSpinBox*>("sbKopienHorzOderAnzahl")->setValue(2);
        w.findChild<QCheckBox*>("cbEntgitternUeberschnitt")->setChecked(true);
        w.findChild<QSpinBox*>("sbEntgitternUeberschnittWert")->setValue(5);
        w.onBtnTestDataClicked();
        const QByteArray expected = cliOutput(
            "plot", m_dir.filePath("cli.txt"),
            {"--plotter", "Kerfcraft Sable 60", "--material", "0", "--set", "MaterialSize.Width=600", "--set",
             "MaterialSize.Height=1000", "--set", "Position.Rotation=Right90", "--set", "Copies.Horz=2", "--set",
             "GridOvercutQuality.Overcut=1", "--set", "GridOvercutQuality.OvercutDistance=0.5"});
        QVERIFY(expected.size() > 1000);
        QCOMPARE(TestFiles::read(dump), expected + "\r\n");
        QCOMPARE(m_messages.texts(), QStringList{QString::number(expected.size())});
    }

    // Read on a worker thread and taken over, the drawing is the one an
    // import in place gives.
    void backgroundLoadEqualsImport_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("isSvg");
        QTest::newRow("line format") << sample() << false;
        QTest::newRow("svg") << QStringList{QString::fromUtf8(TestFiles::read(
                                    TestPaths::source("data/samples/aufkleber.svg")))} << true;
    }
    void backgroundLoadEqualsImport()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, isSvg);
        MainWindow w(texts, isSvg, m_messages);
        Document direct;
        direct.setMaterialUid(w.document().materialUid());
        importExchangeText(direct, texts, isSvg);
        QVERIFY(direct.nodeCount() > 0);
        QCOMPARE(DocumentCompare::difference(w.document(), direct, DocumentCompare::Uids::Structure),
                 QString());
    }

    // A drawing dropped on the window opens as any drawing; a file that is no
    // drawing is reported and the drawing stays.
    void drops_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("messages");
        QTest::newRow("SVG") << TestPaths::source("data/samples/aufkleber.svg") << true << true << 0;
        QTest::newRow("not a drawing") << TestPaths::source("README.md") << false << false << 0;
        QTest::newRow("broken SVG") << m_dir.filePath("kaputt.svg") << true << false << 1;
    }
    void drops()
    {
        QFETCH(QString, file);
        QVERIFY(QFile::exists(file) || TestFiles::write(file, "<svg"));
        MainWindow w(QStringList(), false, m_messages);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &enter);
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &drop);
        QTEST(w.document().nodeCount() > 0, "opens");
        QTEST(enter.isAccepted(), "accepted");
        QTEST(m_messages.count(), "messages");
    }

    // "Plotten" refuses a job longer than the loaded medium, says why and
    // sends nothing; a job that fits it shows what it asks of the plotter,
    // then sends it. With the FCM entry it writes the bytes
    // `kerfcraft-cli fcm` writes.
    void plotAndFcm()
    {
        UsbBench bench;
        bench.clock.onSleep = [](int) { QThread::yieldCurrentThread(); };
        MainWindow w(sample(), false, m_messages);
        auto plotter = attachPlotter(w, bench);
        w.document().setCopiesVert(100);
        w.onBtnPlottenClicked();
        QCOMPARE(plotter->received(), QByteArray());
        QCOMPARE(m_messages.count(), 1);
        QVERIFY2(m_messages.texts().last().contains("1000 mm langen Materials"), qPrintable(m_messages.texts().last()));
        w.document().setCopiesVert(1);
        m_messages.queueAnswer(UserMessages::Yes);
        w.onBtnPlottenClicked();
        QVERIFY(m_messages.texts().value(1).startsWith("Schnittlänge: "));
        QVERIFY(plotter->received().endsWith("PU;"));

        // One base name: it is written into the file.
        QDir(m_dir.path()).mkpath("w");
        QDir(m_dir.path()).mkpath("c");
        const QString window = m_dir.filePath("w/job.fcm");
        w.setFileAsk([&](bool, const QString&) { return window; });
        auto* devices = w.findChild<QComboBox*>("cbAusgabegeraet");
        devices->setCurrentIndex(devices->findData(-2));
        w.onBtnPlottenClicked(); // 311 mm on the 296 mm mat: refused, nothing written
        QVERIFY(m_messages.texts().last().contains("296"));
        QVERIFY(!QFile::exists(window));
        w.document().setJobWidth(200);
        w.onBtnPlottenClicked();
        const QByteArray cli = cliOutput("fcm", m_dir.filePath("c/job.fcm"),
                                         {"--set", "MaterialSize.Width=296", "--set", "MaterialSize.Height=298",
                                          "--set", "JobSize.Width=200"});
        QVERIFY(cli.size() > 100);
        QCOMPARE(TestFiles::read(window), cli);
    }

    // Plug events are drained once per tick, additions before removals.
    void deviceList_data()
    {
        QTest::addColumn<QString>("events"); // p: plug, u: unplug the newest, r: rescan, t: tick
        QTest::addColumn<QStringList>("list");
        const QString fcm = "FCM-Datei (Brother ScanNCut)", sable = "Kerfcraft Sable 60";
        QTest::newRow("no plotter") << "rt" << QStringList{"No plotter found", fcm};
        QTest::newRow("first plotter replaces the placeholder") << "rtprt" << QStringList{sable, fcm};
        QTest::newRow("in and out within one tick") << "prurt" << QStringList{"No plotter found", fcm};
        QTest::newRow("two rescans within a second") << "prrt" << QStringList{sable, fcm};
        QTest::newRow("two plotters, one leaves") << "prprturt" << QStringList{sable, fcm};
        QTest::newRow("20 events within one tick")
            << "prurprurprurprurprurprurprurprurprurprt" << QStringList{sable, fcm};
        QTest::newRow("last one leaves") << "prtrurt" << QStringList{"No plotter found", fcm};
    }
    void deviceList()
    {
        QFETCH(QString, events);
        QFETCH(QStringList, list);
        UsbBench bench;
        QList<std::shared_ptr<VirtualPlotter>> plugged;
        MainWindow w(QStringList(), false, m_messages);
        w.attachDevices(bench.bus, bench.clock);
        for (const QChar e : events) {
            if (e == 'p') {
                plugged << bench.plugPlotter();
            } else if (e == 'u') {
                plugged.takeLast()->unplug();
            } else if (e == 'r') {
                w.onBtnRescanClicked();
            } else {
                w.UpdatePlotterInfos();
            }
        }
        QCOMPARE(comboTexts(w.findChild<QComboBox*>("cbAusgabegeraet")), list);
        QCOMPARE(w.currentPlotter() != nullptr, list.first() != "No plotter found");
    }

    // Test cuts go to the virtual plotter one beside the other.
    void testCuts()
    {
        UsbBench bench;
        MainWindow w(sample(), false, m_messages);
        auto plotter = attachPlotter(w, bench);
        auto* mode = w.findChild<QCheckBox*>("cbParameterTestschnittEinAus");
        QByteArray cuts;
        for (int round = 0; round < 2; ++round) {
            plotter->clearReceived();
            mode->setChecked(true);
            QVERIFY(!w.findChild<QPushButton*>("btnPlotten")->isEnabled());
            w.onBtnParameterTestschnittClicked();
            w.onBtnParameterTestschnittClicked();
            mode->setChecked(false);
            cuts += plotter->received();
        }
        QCOMPARE(cuts.count("PU0,0;PR64,300;"), 2);
        QCOMPARE(cuts.count("PU0,560;PR64,300;"), 2);
        QCOMPARE(cuts.count("IN;SP1;PU0,0;"), 2);
        QVERIFY(cuts.contains("\x1b."));
        QCOMPARE(w.document().startOffset(), 10.0);
        QVERIFY(w.findChild<QPushButton*>("btnPlotten")->isEnabled());
    }

private:
    QTemporaryDir m_dir;
    RecordingMessages m_messages;
    std::unique_ptr<KerfcraftPresets> m_presets;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
