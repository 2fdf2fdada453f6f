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
// in mm). Redraws whenever the document reports DataChanged(). With devices
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

    // Scans the bus 100 ms after the window is first shown (at once when it
    // is already visible) and on "Neu suchen".
    void attachDevices(std::shared_ptr<UsbBackend> backend, UserMessages& messages, Clock& clock);
    Plotter* currentPlotter() const { return m_currentPlotter; }

    // Replaces the drawing by a ".kcj", ".svg" or ".kcf" file. A file that
    // is not a drawing of its kind leaves an empty drawing and a warning
    // naming the file and the reason (through the user messages given to
    // attachDevices(), else a message box). False then.
    bool openFile(const QString& path);

private slots:
    void onDocumentDataChanged();
    void onBtnRescanClicked();
    void onBtnPlottenClicked();
    void onCbAusgabegeraetIndexChanged(int index);
    void onMaterialItemChanged(QTreeWidgetItem* current);
    void onPlotterAdded(Plotter* plotter);
    void onPlotterRemoved(Plotter* plotter);
    void UpdatePlotterInfos();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyMaterial(Material* material);
    void fillLayers();
    void fillColors();
    void fillExtent();
    void fillMaterials();

    std::unique_ptr<Ui::DrawingWindow> ui;
    Document* m_document = nullptr;

    UserMessages* m_messages = nullptr;
    Clock* m_clock = nullptr;
    USBDevices* m_devices = nullptr;
    Plotterpool* m_pool = nullptr;
    bool m_devicesReady = false;
    bool m_scannedOnce = false;
    // Plotters announced by the pool, applied to the list a second later in
    // one go, so a burst of changes during a scan updates it once.
    QMutex m_plotterQueueMutex;
    QList<Plotter*> m_addedPlotters;
    QList<Plotter*> m_removedPlotters;
    QTimer m_plotterTimer;
    QList<Plotter*> m_listedPlotters; // parallel to the device list entries
    Plotter* m_currentPlotter = nullptr;
};
