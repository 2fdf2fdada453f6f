#include "device/Plotter.h"
#include "device/SimulatedUsbBus.h"
#include "device/VirtualPlotter.h"
#include "document/Document.h"
#include "document/ExchangeImport.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "ui/DrawingWindow.h"

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include <QComboBox>
#include <QLabel>
#include <QThread>
#include <QTreeWidget>
#include <QtTest>

namespace {
QStringList itemTexts(const QTreeWidget* tree, int column)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts << tree->topLevelItem(i)->text(column);
    return texts;
}
} // namespace

class TestDrawingWindow : public QObject
{
    Q_OBJECT
private slots:
    void listsWhatTheDocumentHolds()
    {
        const QStringList kcj{"CorelDraw\n", "KCEbene\n", "Umriss\n", "KCObjekt\n", "KCFuellfarbe\n", "0 0 255\n",
                              "KCStart\n", "KCGeschlossen\n", "ja\n", "C 0 0 0 0 0 0\n", "C 10 0 10 0 10 0\n",
                              "C 10 10 10 10 10 10\n", "KCEnde\n"};
        DrawingWindow window(kcj, false);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Kerfcraft"));
        auto* layers = window.findChild<QTreeWidget*>("twEbenen");
        auto* colors = window.findChild<QTreeWidget*>("twFarben");
        auto* extent = window.findChild<QLabel*>("lblAusdehnung");
        QVERIFY(layers && colors && extent);
        QCOMPARE(itemTexts(layers, 0), QStringList{"Umriss"});
        QCOMPARE(colors->topLevelItemCount(), window.document().colors().size());
        QVERIFY(!extent->text().isEmpty());

        // Changes of the document show without further calls.
        Document& doc = window.document();
        KCLayer* layer = doc.appendLayer();
        layer->setName("Zusatz");
        layer->setCutEnabled(true);
        KCObject* object = layer->appendObject();
        object->subPaths().resize(2);
        object->subPaths()[0].nodes().resize(3);
        object->subPaths()[1].nodes().resize(4);
        doc.appendColor()->setName("rot");
        doc.notifyChanged();
        QCOMPARE(itemTexts(layers, 0), (QStringList{"Umriss", "Zusatz"}));
        const QTreeWidgetItem* added = layers->topLevelItem(1);
        // Cut flag, then sub-paths and nodes of its one object.
        QCOMPARE(QStringList({added->text(1), added->child(0)->text(2), added->child(0)->text(3)}),
                 (QStringList{"ja", "2", "7"}));
        QCOMPARE(itemTexts(colors, 1).last(), QStringLiteral("rot"));
    }

    // An SVG text goes through the SVG reader, and a new import replaces the
    // drawing rather than adding to it.
    void svgDrawing()
    {
        const QString svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" inkscape:version=\"1.2\" "
                            "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\">"
                            "<path style=\"fill:#ff0000\" d=\"M 0,0 L 10,0 L 10,10 Z\"/></svg>";
        DrawingWindow window({svg}, true);
        QCOMPARE(window.document().layers().size(), 1);
        QCOMPARE(window.document().layers()[0]->objects().size(), 1);
        importExchangeText(window.document(), {svg}, true);
        QCOMPARE(window.document().layers().size(), 1);
        QCOMPARE(window.document().layers()[0]->objects().size(), 1);
    }

    // The whole path a newcomer takes with ./run: the virtual plotter shows up
    // in the device list, its medium becomes the material, and "Plotten" runs
    // the job through the status dialog until the plotter has the final block.
    void plotterAppearsAndAJobReachesIt()
    {
        const QStringList kcj{"KCEbene\n", "Schrift\n", "KCObjekt\n", "KCFuellfarbe\n", "RGB\n", "0 0 0\n",
                              "KCStart\n", "KCGeschlossen\n", "ja\n", "L 0 0 0 0\n", "L 40 0 40 0\n",
                              "L 40 20 40 20\n", "KCEnde\n"};
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
        QCOMPARE(w.findChild<QComboBox*>("cbAusgabegeraet")->count(), 1);
        QVERIFY(w.currentPlotter());
        QCOMPARE(w.document().materialWidth(), VirtualPlotterModel().mediaWidthMm);
        QCOMPARE(w.document().materialHeight(), VirtualPlotterModel().mediaHeightMm);

        plotter->clearReceived();
        QVERIFY(QMetaObject::invokeMethod(&w, "onBtnPlottenClicked"));
        const QByteArray got = plotter->received();
        QVERIFY2(got.endsWith("PU;") && got.contains("PD"), got.right(40).constData());
        QCOMPARE(messages.count(), 0);

        // Fifteen copies of 41 mm do not fit across 600 mm: the reason, nothing sent.
        w.document().setCopiesHorz(15);
        QVERIFY(QMetaObject::invokeMethod(&w, "onBtnPlottenClicked"));
        QCOMPARE(plotter->received(), got);
        QCOMPARE(messages.count(), 1);
        QVERIFY2(messages.texts().first().contains("passt nicht auf das 600 mm breite Material"),
                 qPrintable(messages.texts().first()));
    }
};

QTEST_MAIN(TestDrawingWindow)
#include "tst_drawingwindow.moc"
