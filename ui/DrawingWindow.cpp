#include "ui/DrawingWindow.h"

#include "ui_DrawingWindow.h"

#include "document/Document.h"
#include "document/ExchangeImport.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PresetNames.h"

#include <QPainter>
#include <QPixmap>

namespace {
// A small filled square with a dark border, so white shows on white.
QIcon swatch(const QColor& color)
{
    if (!color.isValid())
        return QIcon();
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::darkGray);
    p.setBrush(color.toRgb());
    p.drawRect(0, 0, 13, 13);
    return QIcon(pm);
}

int nodeCount(const KCObject& o)
{
    int n = 0;
    for (const KCSubPath& sp : o.subPaths())
        n += sp.nodes().size();
    return n;
}

// Whole mm are too coarse for small drawings; 0.01 mm is the host's precision.
QString mm(double v) { return QString::number(v, 'f', 2); }
} // namespace

DrawingWindow::DrawingWindow(const QStringList& texts, bool isSvg, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::DrawingWindow>()),
      m_document(new Document(this))
{
    ui->setupUi(this);
    connect(m_document, &Document::DataChanged, this, &DrawingWindow::onDocumentDataChanged);
    importExchangeText(*m_document, texts, isSvg);
    fillMaterials();
    onDocumentDataChanged(); // in case the import had nothing to report
}

DrawingWindow::~DrawingWindow() = default;

void DrawingWindow::onDocumentDataChanged()
{
    fillLayers();
    fillColors();
    fillExtent();
}

void DrawingWindow::fillLayers()
{
    QTreeWidget* tree = ui->twEbenen;
    tree->clear();
    const QString yes = tr("ja");
    const QString no = tr("nein");
    for (const KCLayer* layer : m_document->layers()) {
        auto* layerItem = new QTreeWidgetItem(tree);
        layerItem->setText(0, layer->name());
        layerItem->setText(1, layer->cutEnabled() ? yes : no);
        int subPaths = 0;
        int nodes = 0;
        int index = 0;
        for (const KCObject* object : layer->objects()) {
            auto* item = new QTreeWidgetItem(layerItem);
            item->setText(0, tr("Objekt %1").arg(++index));
            item->setIcon(0, swatch(object->color()));
            item->setText(2, QString::number(object->subPaths().size()));
            item->setText(3, QString::number(nodeCount(*object)));
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
            item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
            subPaths += object->subPaths().size();
            nodes += nodeCount(*object);
        }
        layerItem->setText(2, QString::number(subPaths));
        layerItem->setText(3, QString::number(nodes));
        layerItem->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        layerItem->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }
    tree->expandAll();
    tree->resizeColumnToContents(0);
}

void DrawingWindow::fillColors()
{
    QTreeWidget* tree = ui->twFarben;
    tree->clear();
    for (const KCObjectColor* c : m_document->colors()) {
        auto* item = new QTreeWidgetItem(tree);
        const QColor color = c->color();
        item->setIcon(0, swatch(color));
        item->setText(0, c->isCmyk() ? tr("CMYK %1 %2 %3 %4")
                                           .arg(color.cyan())
                                           .arg(color.magenta())
                                           .arg(color.yellow())
                                           .arg(color.black())
                                     : tr("RGB %1 %2 %3")
                                           .arg(color.red())
                                           .arg(color.green())
                                           .arg(color.blue()));
        item->setText(1, c->name());
        item->setText(2, c->cutEnabled() ? tr("ja") : tr("nein"));
    }
    tree->resizeColumnToContents(0);
}

void DrawingWindow::fillExtent()
{
    double left = m_document->minX();
    double right = m_document->maxX();
    double top = m_document->minY();
    double bottom = m_document->maxY();
    // The same bounds the job size is made from: the end points of the
    // counted objects, widened by every curve of the drawing.
    m_document->refineExtentByCurves(left, top, right, bottom);
    // Inverted bounds: the drawing has no segment at all.
    if (left > right || top > bottom)
        ui->lblAusdehnung->setText(tr("keine Objekte"));
    else
        ui->lblAusdehnung->setText(tr("X %1 … %2 mm, Y %3 … %4 mm")
                                       .arg(mm(left), mm(right), mm(top), mm(bottom)));
    ui->lblGroesse->setText(tr("%1 × %2 mm")
                                .arg(mm(m_document->drawingWidth()), mm(m_document->drawingHeight())));
}

void DrawingWindow::fillMaterials()
{
    QTreeWidget* tree = ui->twMaterialien;
    tree->clear();
    const KerfcraftPresets* presets = KerfcraftPresets::instance();
    if (!presets)
        return;
    // German until the language switch of the full window exists.
    const PresetNames::Offered offered = PresetNames::localise(*presets, QStringLiteral("de"));
    for (const Material* m : offered.materials) {
        auto* item = new QTreeWidgetItem(tree);
        item->setText(0, m->Name);
        item->setText(1, QString::number(m->Speed));
        item->setText(2, QString::number(m->Force));
        item->setText(3, QString::number(m->Passages));
        const Blade* blade = presets->bladeById(m->Blade);
        item->setText(4, blade ? blade->Name : QString());
    }
    tree->resizeColumnToContents(0);
}
