#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

class Document;

namespace Ui {
class DrawingWindow;
}

// The window start-up opens until the full cutting window exists: it owns
// the one Document, fills it from the exchange text and shows what was
// read (layers with their objects, the colour table, the drawing's extent
// in mm). Redraws whenever the document reports DataChanged().
class DrawingWindow : public QMainWindow
{
    Q_OBJECT
public:
    // texts: the exchange text list; isSvg: one entry holding an SVG file.
    DrawingWindow(const QStringList& texts, bool isSvg, QWidget* parent = nullptr);
    ~DrawingWindow() override;

    Document& document() { return *m_document; }

private slots:
    void onDocumentDataChanged();

private:
    void fillLayers();
    void fillColors();
    void fillExtent();
    void fillMaterials();

    std::unique_ptr<Ui::DrawingWindow> ui;
    Document* m_document = nullptr;
};
