#include "document/Document.h"
#include "document/ExchangeImport.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "device/Plotter.h"
#include "device/SimulatedUsbBus.h"
#include "device/VirtualPlotter.h"
#include "ui/DrawingWindow.h"

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include <QComboBox>
#include <QThread>

#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

class TestDrawingWindow : public QObject
{
    Q_OBJECT
private slots:
    void listsWhatTheDocumentHolds();
    void svgImportReplacesTheDrawing();
    void plotterAppearsAndAJobReachesIt();
};

namespace {
QStringList layerNames(const QTreeWidget* tree)
{
    QStringList names;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        names << tree->topLevelItem(i)->text(0);
    return names;
}

QStringList documentLayerNames(Document& doc)
{
    QStringList names;
    for (const KCLayer* l : doc.layers())
        names << l->name();
    return names;
}
} // namespace

void TestDrawingWindow::listsWhatTheDocumentHolds()
{
    const QStringList kcj{"CorelDraw\n", "KCEbene\n", "Umriss\n", "KCObjekt\n", "KCFuellfarbe\n",
                          "0 0 255\n", "KCStart\n", "KCGeschlossen\n", "ja\n", "C 0 0 0 0 0 0\n",
                          "C 10 0 10 0 10 0\n", "C 10 10 10 10 10 10\n", "KCEnde\n"};
    DrawingWindow window(kcj, false);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Kerfcraft"));

    auto* layers = window.findChild<QTreeWidget*>("twEbenen");
    auto* colors = window.findChild<QTreeWidget*>("twFarben");
    auto* extent = window.findChild<QLabel*>("lblAusdehnung");
    QVERIFY(layers && colors && extent);
    Document& doc = window.document();
    QCOMPARE(layerNames(layers), documentLayerNames(doc));
    QCOMPARE(colors->topLevelItemCount(), doc.colors().size());

    // Changes of the document show without further calls.
    KCLayer* layer = doc.appendLayer();
    layer->setName("Zusatz");
    layer->setCutEnabled(true);
    KCObject* object = layer->appendObject();
    object->setColor(Qt::red);
    object->subPaths().resize(2);
    object->subPaths()[0].nodes().resize(3);
    object->subPaths()[1].nodes().resize(4);
    KCObjectColor* color = doc.appendColor();
    color->setColor(Qt::red);
    color->setName("rot");
    doc.notifyChanged();

    QCOMPARE(layerNames(layers), documentLayerNames(doc));
    const QTreeWidgetItem* added = layers->topLevelItem(layers->topLevelItemCount() - 1);
    QCOMPARE(added->text(1), QStringLiteral("ja"));
    QCOMPARE(added->childCount(), 1);
    QCOMPARE(added->child(0)->text(2), QStringLiteral("2"));
    QCOMPARE(added->child(0)->text(3), QStringLiteral("7"));
    QVERIFY(!added->child(0)->icon(0).isNull());
    QCOMPARE(colors->topLevelItemCount(), doc.colors().size());
    QCOMPARE(colors->topLevelItem(colors->topLevelItemCount() - 1)->text(1), QStringLiteral("rot"));
    QVERIFY(!extent->text().isEmpty());
}

void TestDrawingWindow::svgImportReplacesTheDrawing()
{
    Document doc;
    doc.appendLayer()->setName("alt");
    doc.appendColor();
    QSignalSpy changed(&doc, &Document::DataChanged);
    importExchangeText(doc, {"<svg xmlns=\"http://www.w3.org/2000/svg\"/>"}, true);
    QVERIFY(doc.layers().isEmpty());
    QVERIFY(doc.colors().isEmpty());
    QVERIFY(changed.count() >= 1);

    // A drawing replaces the old one: one layer, one object per fill colour.
    importExchangeText(doc,
                       {"<svg xmlns=\"http://www.w3.org/2000/svg\" inkscape:version=\"1.2\" "
                        "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\">"
                        "<path style=\"fill:#ff0000\" d=\"M 0,0 L 10,0 L 10,10 Z\"/></svg>"},
                       true);
    QCOMPARE(doc.layers().size(), 1);
    QCOMPARE(doc.layers()[0]->objects().size(), 1);
}

// The whole path a newcomer takes with ./run: the virtual plotter shows up
// in the device list, its medium becomes the material, and "Plotten" runs
// the job through the status dialog until the plotter has the final block.
void TestDrawingWindow::plotterAppearsAndAJobReachesIt()
{
    const QStringList kcj{"KCEbene\n", "Schrift\n", "KCObjekt\n", "KCFuellfarbe\n", "RGB\n",
                          "0 0 0\n", "KCStart\n", "KCGeschlossen\n", "ja\n", "L 0 0 0 0\n",
                          "L 40 0 40 0\n", "L 40 20 40 20\n", "KCEnde\n"};
    FakeClock clock;
    clock.onSleep = [](int) { QThread::yieldCurrentThread(); };
    auto bus = std::make_shared<SimulatedUsbBus>(clock);
    auto plotter = std::make_shared<VirtualPlotter>(VirtualPlotterModel());
    bus->plug(plotter);
    RecordingMessages messages;

    DrawingWindow w(kcj, false);
    w.attachDevices(bus, messages, clock);
    QVERIFY(QMetaObject::invokeMethod(&w, "onBtnRescanClicked"));
    QVERIFY(QMetaObject::invokeMethod(&w, "UpdatePlotterInfos"));
    auto* devices = w.findChild<QComboBox*>("cbAusgabegeraet");
    QCOMPARE(devices->count(), 1);
    QVERIFY(w.currentPlotter());
    QCOMPARE(w.document().materialWidth(), VirtualPlotterModel().mediaWidthMm);
    QCOMPARE(w.document().materialHeight(), VirtualPlotterModel().mediaHeightMm);

    plotter->clearReceived();
    QVERIFY(QMetaObject::invokeMethod(&w, "onBtnPlottenClicked"));
    const QByteArray got = plotter->received();
    QVERIFY2(got.endsWith("PU;"), got.right(40).constData());
    QVERIFY(got.contains("PD"));
    QCOMPARE(messages.count(), 0);
}

QTEST_MAIN(TestDrawingWindow)
#include "tst_drawingwindow.moc"
