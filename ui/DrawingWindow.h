#pragma once

#include <QList>
#include <QMainWindow>
#include <QMutex>
#include <QStringList>
#include <QTimer>

#include <memory>

class Clock;
class Document;
class Material;
class Plotter;
class Plotterpool;
class Preview;
class QTreeWidgetItem;
class USBDevices;
class UsbBackend;
class UserMessages;

namespace Ui {
class DrawingWindow;
}

// The window start-up opens until the full cutting window exists: it owns
// the one Document, fills it from the exchange text and shows what was
// read (layers with their objects, the colour table, the drawing's extent
// in mm) and the job on the material in the preview with its rulers. New
// materials are added to the presets file; "Info" shows the about dialog.
// Redraws whenever the document reports DataChanged(). With devices
// attached it lists the connected plotters and runs a job on the chosen one
// with the selected material.
class DrawingWindow : public QMainWindow
{
    Q_OBJECT
public:
    // texts: the exchange text list; isSvg: one entry holding an SVG file.
    DrawingWindow(const QStringList& texts, bool isSvg, QWidget* parent = nullptr);
    ~DrawingWindow() override;

    Document& document() { return *m_document; }

    // A drawing or job file the user opened directly (an SVG as any
    // drawing). A file that cannot be read is reported and leaves the
    // drawing as it was; what an SVG import left out is shown as a note.
    bool openDrawingFile(const QString& path, UserMessages& messages);

    // Scans the bus 100 ms after the window is first shown (at once when it
    // is already visible) and on "Neu suchen".
    void attachDevices(std::shared_ptr<UsbBackend> backend, UserMessages& messages, Clock& clock);
    Plotter* currentPlotter() const { return m_currentPlotter; }
    Preview* preview() const { return m_preview; }

private slots:
    void onDocumentDataChanged();
    void onBtnRescanClicked();
    void onBtnPlottenClicked();
    void onCbAusgabegeraetIndexChanged(int index);
    void onMaterialItemChanged(QTreeWidgetItem* current);
    void onPlotterAdded(Plotter* plotter);
    void onPlotterRemoved(Plotter* plotter);
    void UpdatePlotterInfos();
    void onBtnInformationClicked();
    void onBtnMaterialHinzufuegenClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyMaterial(Material* material);
    void fillLayers();
    void fillColors();
    void fillExtent();
    void fillMaterials();
    void buildLayoutGrid();
    UserMessages& messages();

    std::unique_ptr<Ui::DrawingWindow> ui;
    Document* m_document = nullptr;
    Preview* m_preview = nullptr;
    UserMessages* m_ownMessages = nullptr; // until attachDevices() hands some over

    UserMessages* m_messages = nullptr;
    Clock* m_clock = nullptr;
    USBDevices* m_devices = nullptr;
    Plotterpool* m_pool = nullptr;
    bool m_devicesReady = false;
    bool m_scannedOnce = false;
    bool m_shownOnce = false;
    // Plotters announced by the pool, applied to the list a second later in
    // one go, so a burst of changes during a scan updates it once.
    QMutex m_plotterQueueMutex;
    QList<Plotter*> m_addedPlotters;
    QList<Plotter*> m_removedPlotters;
    QTimer m_plotterTimer;
    QList<Plotter*> m_listedPlotters; // parallel to the device list entries
    Plotter* m_currentPlotter = nullptr;
};
