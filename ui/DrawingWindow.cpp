#include "ui/DrawingWindow.h"

#include "ui_DrawingWindow.h"

#include "document/Document.h"
#include "document/DrawingFile.h"
#include "document/ExchangeImport.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"
#include "device/Plotter.h"
#include "device/Plotterpool.h"
#include "device/USBDevices.h"
#include "platform/UserMessages.h"
#include "job/StatusDialog.h"
#include "plot/JobLayout.h"
#include "platform/Clock.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PresetNames.h"
#include "presets/PresetsFile.h"
#include "ui/AboutDialog.h"
#include "ui/GuiMessages.h"
#include "ui/NewMaterialDialog.h"
#include "ui/Preview.h"
#include "ui/Ruler.h"

#include <QMutexLocker>
#include <QPainter>
#include <QGridLayout>
#include <QPixmap>
#include <QScrollBar>

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
// A value that rounds to zero is shown as 0.00, not -0.00.
QString mm(double v) { return QString::number(qAbs(v) < 0.005 ? 0.0 : v, 'f', 2); }
} // namespace

DrawingWindow::DrawingWindow(const QStringList& texts, bool isSvg, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::DrawingWindow>()),
      m_document(new Document(this))
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/KerfcraftIcons/kerfcraft.svg")));
    connect(m_document, &Document::DataChanged, this, &DrawingWindow::onDocumentDataChanged);
    importExchangeText(*m_document, texts, isSvg);
    fillMaterials();
    connect(ui->twMaterialien, &QTreeWidget::currentItemChanged, this,
            &DrawingWindow::onMaterialItemChanged);
    if (ui->twMaterialien->topLevelItemCount() > 0)
        ui->twMaterialien->setCurrentItem(ui->twMaterialien->topLevelItem(0));
    ui->gbAusgabegeraet->setEnabled(false);
    m_plotterTimer.setSingleShot(true);
    m_plotterTimer.setInterval(1000);
    connect(&m_plotterTimer, &QTimer::timeout, this, &DrawingWindow::UpdatePlotterInfos);
    connect(ui->btnRescan, &QPushButton::clicked, this, &DrawingWindow::onBtnRescanClicked);
    connect(ui->btnPlotten, &QPushButton::clicked, this, &DrawingWindow::onBtnPlottenClicked);
    connect(ui->cbAusgabegeraet, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DrawingWindow::onCbAusgabegeraetIndexChanged);
    connect(ui->btnInformation, &QPushButton::clicked, this,
            &DrawingWindow::onBtnInformationClicked);
    connect(ui->btnMaterialHinzufuegen, &QPushButton::clicked, this,
            &DrawingWindow::onBtnMaterialHinzufuegenClicked);
    buildLayoutGrid();
    onDocumentDataChanged(); // in case the import had nothing to report
}

void DrawingWindow::buildLayoutGrid()
{
    // Preview with the rulers above and left of it (25 pixels thick) and
    // the scroll bars right and below.
    auto* grid = new QGridLayout(ui->grpBoxLayout);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    m_preview = new Preview(ui->grpBoxLayout);
    auto* hRuler = new Ruler(ui->grpBoxLayout);
    auto* vRuler = new Ruler(ui->grpBoxLayout);
    hRuler->setFixedHeight(25);
    vRuler->setFixedWidth(25);
    auto* hBar = new QScrollBar(Qt::Horizontal, ui->grpBoxLayout);
    auto* vBar = new QScrollBar(Qt::Vertical, ui->grpBoxLayout);
    grid->addWidget(hRuler, 0, 1);
    grid->addWidget(vRuler, 1, 0);
    grid->addWidget(m_preview, 1, 1);
    grid->addWidget(vBar, 1, 2);
    grid->addWidget(hBar, 2, 1);
    m_preview->setScrollBars(hBar, vBar, hRuler, vRuler);
    m_preview->setDocument(m_document);
}

UserMessages& DrawingWindow::messages()
{
    if (m_messages)
        return *m_messages;
    if (!m_ownMessages) {
        auto* gui = new GuiMessages(this);
        gui->setParentWidget(this);
        m_ownMessages = gui;
    }
    return *m_ownMessages;
}

void DrawingWindow::onBtnInformationClicked()
{
    AboutDialog dialog(messages(), nullptr, this);
    dialog.exec();
}

void DrawingWindow::onBtnMaterialHinzufuegenClicked()
{
    KerfcraftPresets* presets = KerfcraftPresets::instance();
    if (!presets)
        return;
    NewMaterialDialog dialog(presets, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PresetsFile file(*presets, messages());
    const int id = file.addMaterial(dialog.name(), dialog.parameters(), QStringLiteral("de"));
    fillMaterials();
    for (int i = 0; i < ui->twMaterialien->topLevelItemCount(); ++i)
        if (ui->twMaterialien->topLevelItem(i)->data(0, Qt::UserRole).toInt() == id)
            ui->twMaterialien->setCurrentItem(ui->twMaterialien->topLevelItem(i));
}

DrawingWindow::~DrawingWindow() = default;

bool DrawingWindow::openDrawingFile(const QString& path, UserMessages& messages)
{
    const DrawingFile::LoadResult r = DrawingFile::load(*m_document, path);
    if (!r.ok) {
        messages.warning(tr("Zeichnung öffnen"), r.error);
        return false;
    }
    if (!r.leftOut.isEmpty())
        messages.information(tr("Zeichnung öffnen"),
                             tr("Nicht übernommen:\n%1").arg(r.leftOut.join(QLatin1Char('\n'))));
    return true;
}

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
        item->setData(0, Qt::UserRole, m->ID);
    }
    tree->resizeColumnToContents(0);
}

void DrawingWindow::onMaterialItemChanged(QTreeWidgetItem* current)
{
    const KerfcraftPresets* presets = KerfcraftPresets::instance();
    if (!current || !presets)
        return;
    applyMaterial(presets->materialById(current->data(0, Qt::UserRole).toInt()));
}

void DrawingWindow::applyMaterial(Material* material)
{
    const KerfcraftPresets* presets = KerfcraftPresets::instance();
    if (!material || !presets)
        return;
    m_document->setMaterial(material);
    m_document->setSpeed(material->Speed);
    m_document->setPressure(material->Force);
    m_document->setPasses(material->Passages);
    m_document->setPatternLength(material->PatternLength);
    m_document->setBlade(presets->bladeById(material->Blade));
}

void DrawingWindow::attachDevices(std::shared_ptr<UsbBackend> backend, UserMessages& messages,
                                  Clock& clock)
{
    m_messages = &messages;
    m_clock = &clock;
    m_devices = new USBDevices(std::move(backend), messages, this);
    m_pool = new Plotterpool(
        m_devices,
        [] {
            const KerfcraftPresets* presets = KerfcraftPresets::instance();
            return presets ? presets->plotterTemplates() : QList<PlotterTemplate*>();
        },
        clock, messages, this);
    connect(m_pool, &Plotterpool::PlotterAdded, this, &DrawingWindow::onPlotterAdded);
    connect(m_pool, &Plotterpool::PlotterRemoved, this, &DrawingWindow::onPlotterRemoved);
    ui->gbAusgabegeraet->setEnabled(true);
    if (isVisible())
        onBtnRescanClicked();
}

void DrawingWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        QTimer::singleShot(0, m_preview, &Preview::fitWidth);
    }
    if (m_devices && !m_scannedOnce) {
        m_scannedOnce = true;
        QTimer::singleShot(100, this, &DrawingWindow::onBtnRescanClicked);
    }
}

void DrawingWindow::onBtnRescanClicked()
{
    if (!m_devices)
        return;
    m_scannedOnce = true;
    if (!m_devicesReady)
        m_devicesReady = m_devices->init();
    if (m_devicesReady)
        m_devices->rescan();
}

void DrawingWindow::onPlotterAdded(Plotter* plotter)
{
    QMutexLocker lock(&m_plotterQueueMutex);
    m_addedPlotters.append(plotter);
    m_plotterTimer.start();
}

void DrawingWindow::onPlotterRemoved(Plotter* plotter)
{
    QMutexLocker lock(&m_plotterQueueMutex);
    m_removedPlotters.append(plotter);
    m_plotterTimer.start();
}

void DrawingWindow::UpdatePlotterInfos()
{
    QList<Plotter*> added, removed;
    {
        QMutexLocker lock(&m_plotterQueueMutex);
        added.swap(m_addedPlotters);
        removed.swap(m_removedPlotters);
    }
    for (Plotter* p : removed) {
        const int i = m_listedPlotters.indexOf(p);
        if (i >= 0) {
            m_listedPlotters.removeAt(i);
            ui->cbAusgabegeraet->removeItem(i);
        }
    }
    for (Plotter* p : added) {
        if (m_listedPlotters.contains(p))
            continue;
        m_listedPlotters.append(p);
        ui->cbAusgabegeraet->addItem(p->name().isEmpty() ? p->deviceText() : p->name(), p->id());
    }
}

void DrawingWindow::onCbAusgabegeraetIndexChanged(int index)
{
    m_currentPlotter = m_listedPlotters.value(index, nullptr);
    // The loaded medium is the material the job is laid out on.
    if (m_currentPlotter && m_currentPlotter->mediaWidth() > 0
        && m_currentPlotter->mediaHeight() > 0) {
        m_document->setMaterialWidth(m_currentPlotter->mediaWidth());
        m_document->setMaterialHeight(m_currentPlotter->mediaHeight());
        m_preview->fitWidth();
    }
}

void DrawingWindow::onBtnPlottenClicked()
{
    if (!m_currentPlotter || !m_messages || !m_clock) {
        if (m_messages)
            m_messages->information(tr("Hinweis"), tr("Bitte wählen Sie zuerst einen Plotter aus."));
        return;
    }
    if (JobLayout(*m_document).exceedsMaterialWidth()) {
        m_messages->warning(tr("Hinweis"),
                            tr("Das Dokument ist größer als das eingelegte Medium des Plotters! "
                               "Bitte passen Sie die Größe des Dokumentes an."));
        return;
    }
    StatusDialog dialog(*m_document, m_currentPlotter, *m_clock, this);
    dialog.exec();
}
