// The "Objektauswahl" tab: what is cut (layers or colours, selected
// objects), segmentation, pauses, registration marks and the per-layer
// parameters.
#include "ui/MainWindow.h"

#include "ui/ControlFill.h"
#include "ui/MainWindowForm.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObjectColor.h"

#include <cmath>

using ControlFill::put;

void MainWindow::connectObjektauswahl()
{
    const auto spin = QOverload<int>::of(&QSpinBox::valueChanged);
    const auto dspin = QOverload<double>::of(&QDoubleSpinBox::valueChanged);
    const auto combo = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(ui->rbObjektauswahlAlleObjekte, &QRadioButton::clicked, this,
            &MainWindow::onRbObjektauswahlAlleObjekteClicked);
    connect(ui->rbObjektauswahlNurMarkierte, &QRadioButton::clicked, this,
            &MainWindow::onRbObjektauswahlNurMarkierteClicked);
    connect(ui->cbObjektauswahlJobgroesseAnAuswahlAnspassen, &QCheckBox::toggled, this,
            &MainWindow::onCbObjektauswahlJobgroesseAnAuswahlAnpassenToggled);
    connect(ui->cbObjektauswahlPassermarkenBenutzen, &QCheckBox::toggled, this,
            &MainWindow::onCbObjektauswahlPassermarkenBenutzenToggled);
    connect(ui->dsbPMXK, dspin, this, &MainWindow::ondsbPassermarkenXKorrekturValueChanged);
    connect(ui->dsbPMYK, dspin, this, &MainWindow::ondsbPassermarkenYKorrekturValueChanged);
    connect(ui->cbObjektauswahlUnterschiedlicheSchneideparameter, &QCheckBox::toggled, this,
            &MainWindow::onCbObjektauswahlUnterschiedlicheSchneideparameterToggled);
    connect(ui->rbObjektauswahlAuswahlNachEbenen, &QRadioButton::clicked, this,
            &MainWindow::onRbObjektauswahlAuswahlNachEbenenClicked);
    connect(ui->rbObjektauswahlAuswahlNachFarben, &QRadioButton::clicked, this,
            &MainWindow::onRbObjektauswahlAuswahlNachFarbenClicked);
    connect(ui->lvObjektauswahl, &QListWidget::itemChanged, this,
            &MainWindow::onLvObjektauswahlItemChanged);
    connect(ui->lvObjektauswahl, &QListWidget::currentRowChanged, this,
            &MainWindow::onLvObjektauswahlCurrentRowChanged);
    connect(ui->cbObjektauswahlSegmentierung, &QCheckBox::toggled, this,
            &MainWindow::onCbObjektauswahlSegmentierungToggled);
    connect(ui->sbObjektauswahlSegmenthoehe, spin, this,
            &MainWindow::onSbObjektauswahlSegmenthoeheValueChanged);
    connect(ui->cbObjektauswahlPauseZwischenEbenen, &QCheckBox::toggled, this,
            &MainWindow::onCbObjektauswahlPauseZwischenEbenenToggled);
    connect(ui->cbPlotSheetCmd, &QCheckBox::toggled, this, &MainWindow::onCbPlotSheetCmdToggled);
    connect(ui->cbParameterFuerMediumVorauswahl, combo, this,
            &MainWindow::onCbParameterFuerMediumVorauswahlIndexChanged);
    connect(ui->sbParameterFuerGeschwindigkeit, spin, this,
            &MainWindow::onSbParameterFuerGeschwindigkeitValueChanged);
    connect(ui->sbParameterFuerAndruck, spin, this, &MainWindow::onSbParameterFuerAndruckValueChanged);
    connect(ui->sbParameterFuerDurchgaenge, spin, this,
            &MainWindow::onSbParameterFuerDurchgaengeValueChanged);
    connect(ui->cbParameterFuerWerkzeugwahl, combo, this,
            &MainWindow::onCbParameterFuerWerkzeugauswahlIndexChanged);
    connect(ui->cbParameterFuerLinientyp, combo, this,
            &MainWindow::onCbParameterFuerLinientypIndexChanged);
    connect(ui->sbParameterFuerMusterlaenge, spin, this,
            &MainWindow::onSbParameterFuerMusterlaengeValueChanged);
    connect(ui->btnParameterFuerEintragNeuesMedium, &QPushButton::clicked, this,
            &MainWindow::onBtnParameterFuerEintragNeuesMediumClicked);
    connect(ui->btnParameterFuerSpeichernMedium, &QPushButton::clicked, this,
            &MainWindow::onBtnParameterFuerSpeichernMediumClicked);
}

void MainWindow::refillObjektauswahl()
{
    const Document& d = *m_document;
    put(d.selection() == Document::LayerSelection ? ui->rbObjektauswahlAuswahlNachEbenen
                                                   : ui->rbObjektauswahlAuswahlNachFarben,
         true);
    put(ui->cbObjektauswahlSegmentierung, d.segmentation());
    put(ui->sbObjektauswahlSegmenthoehe, d.segmentHeight());
    put(ui->cbObjektauswahlPauseZwischenEbenen, d.stopBetweenLayers());
    put(ui->cbObjektauswahlUnterschiedlicheSchneideparameter, d.differentCuttingParameter());
    put(d.selection2() == Document::AllObjects ? ui->rbObjektauswahlAlleObjekte
                                                : ui->rbObjektauswahlNurMarkierte,
         true);
    put(ui->cbObjektauswahlPassermarkenBenutzen, d.usePassermarks());
    put(ui->cbObjektauswahlJobgroesseAnAuswahlAnspassen, d.fitJobToSelection());
    put(ui->dsbPMXK, d.passerXCorrection());
    put(ui->dsbPMYK, d.passerYCorrection());
    put(ui->cbPlotSheetCmd, d.sheetMediaCommand());
    put(ui->cbWeitereFunktionenMesserInitialisierung, d.bladeInitializing());

    const Document::LayerParameters& p = d.layerParameters();
    put(ui->cbParameterFuerMediumVorauswahl, p.medium);
    put(ui->sbParameterFuerGeschwindigkeit, p.speed);
    put(ui->sbParameterFuerAndruck, p.pressure);
    put(ui->sbParameterFuerDurchgaenge, p.passes);
    put(ui->cbParameterFuerWerkzeugwahl, p.tool);
    put(ui->cbParameterFuerLinientyp, p.lineType);
    put(ui->sbParameterFuerMusterlaenge, p.patternLength);
    const bool perLayer = d.differentCuttingParameter();
    ui->gbParameterFuer->setEnabled(perLayer);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui->cbWerkzeugauswahl, ui->sbWerkzeugauswahlOffsetKorrektur,
             ui->cbParameterPlottereinstellungenBenutzen})
        w->setEnabled(!perLayer);
}

// One checkable row per layer (the marks layer is never cut) or per colour
// that is not a registration-mark colour.
void MainWindow::fillObjectList()
{
    QListWidget* list = ui->lvObjektauswahl;
    list->clear();
    const Document& d = *m_document;
    const auto addRow = [list](const QString& text, int data, bool checked) {
        auto* item = new QListWidgetItem(text, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setData(Qt::UserRole, data);
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    };
    if (d.selection() == Document::LayerSelection) {
        for (int i = 0; i < d.layers().size(); ++i) {
            const KCLayer* layer = d.layers()[i];
            if (layer->name() != Document::MarksLayerName)
                addRow(tr("Ebene %1: ").arg(i) + layer->name(), i, layer->cutEnabled());
        }
        return;
    }
    for (int i = 0; i < d.colors().size(); ++i) {
        const KCObjectColor* c = d.colors()[i];
        if (c->usedByMarks())
            continue;
        const QColor color = c->color();
        const QString model = c->isCmyk()
            ? QStringLiteral(" CMYK(%1, %2, %3, %4)")
                  .arg(color.cyan()).arg(color.magenta()).arg(color.yellow()).arg(color.black())
            : QStringLiteral(" RGB(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
        addRow(tr("Color %1 ").arg(i) + model, i, c->cutEnabled());
    }
}

void MainWindow::onLvObjektauswahlItemChanged(QListWidgetItem*)
{
    if (!m_controlsLive)
        return;
    QListWidget* list = ui->lvObjektauswahl;
    const bool byLayers = m_document->selection() == Document::LayerSelection;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        const int index = item->data(Qt::UserRole).toInt();
        const bool on = item->checkState() == Qt::Checked;
        if (byLayers && index < m_document->layers().size())
            m_document->layers()[index]->setCutEnabled(on);
        else if (!byLayers && index < m_document->colors().size())
            m_document->colors()[index]->setCutEnabled(on);
    }
    m_document->notifyChanged();
}

// Selecting a row has no job meaning; the check box is what counts.
void MainWindow::onLvObjektauswahlCurrentRowChanged(int) {}

void MainWindow::onRbObjektauswahlAuswahlNachEbenenClicked()
{
    if (m_controlsLive)
        m_document->setSelection(Document::LayerSelection);
}

void MainWindow::onRbObjektauswahlAuswahlNachFarbenClicked()
{
    if (m_controlsLive)
        m_document->setSelection(Document::ColorSelection);
}

void MainWindow::onCbObjektauswahlSegmentierungToggled(bool on)
{
    if (!m_controlsLive)
        return;
    m_document->setSegmentation(on);
    ui->sbObjektauswahlSegmenthoehe->setEnabled(on);
}

void MainWindow::onSbObjektauswahlSegmenthoeheValueChanged(int value)
{
    if (m_controlsLive)
        m_document->setSegmentHeight(value);
}

void MainWindow::onCbObjektauswahlPauseZwischenEbenenToggled(bool on)
{
    if (m_controlsLive)
        m_document->setStopBetweenLayers(on);
}

void MainWindow::onCbObjektauswahlUnterschiedlicheSchneideparameterToggled(bool on)
{
    if (!m_controlsLive)
        return;
    m_document->setDifferentCuttingParameter(on);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui->sbParameterGeschwindigkeit, ui->sbParameterAndruck, ui->sbParameterDurchgaenge,
             ui->cbParameterLinientyp, ui->sbParameterMusterlaenge, ui->cbWerkzeugauswahl,
             ui->sbWerkzeugauswahlOffsetKorrektur, ui->btnParameterSpeichernAktuelleEinstellungen,
             ui->cbParameterPlottereinstellungenBenutzen})
        w->setEnabled(!on);
    // Line type and pattern length have no other choice to offer.
    ui->cbParameterLinientyp->setEnabled(false);
    ui->sbParameterMusterlaenge->setEnabled(false);
    ui->gbParameterFuer->setEnabled(on);
}

namespace {
template <class Fn> void editLayerParameters(Document& d, Fn fn)
{
    Document::LayerParameters p = d.layerParameters();
    fn(p);
    d.setLayerParameters(p);
}
} // namespace

void MainWindow::onCbParameterFuerMediumVorauswahlIndexChanged(int index)
{
    if (m_controlsLive && index >= 0 && index <= 3)
        editLayerParameters(*m_document, [index](auto& p) { p.medium = index; });
}

void MainWindow::onSbParameterFuerGeschwindigkeitValueChanged(int value)
{
    if (m_controlsLive)
        editLayerParameters(*m_document, [value](auto& p) { p.speed = value; });
}

void MainWindow::onSbParameterFuerAndruckValueChanged(int value)
{
    if (m_controlsLive)
        editLayerParameters(*m_document, [value](auto& p) { p.pressure = value; });
}

void MainWindow::onSbParameterFuerDurchgaengeValueChanged(int value)
{
    if (m_controlsLive)
        editLayerParameters(*m_document, [value](auto& p) { p.passes = value; });
}

void MainWindow::onCbParameterFuerWerkzeugauswahlIndexChanged(int index)
{
    if (m_controlsLive && index >= 0 && index <= 6)
        editLayerParameters(*m_document, [index](auto& p) { p.tool = index; });
}

void MainWindow::onCbParameterFuerLinientypIndexChanged(int index)
{
    if (m_controlsLive && index >= 0 && index <= 6)
        editLayerParameters(*m_document, [index](auto& p) { p.lineType = index; });
}

void MainWindow::onSbParameterFuerMusterlaengeValueChanged(int value)
{
    if (m_controlsLive)
        editLayerParameters(*m_document, [value](auto& p) { p.patternLength = value; });
}

// Per-layer media are not kept as presets of their own; the material list
// above is where media are added and stored.
void MainWindow::onBtnParameterFuerEintragNeuesMediumClicked() {}
void MainWindow::onBtnParameterFuerSpeichernMediumClicked() {}

void MainWindow::onRbObjektauswahlAlleObjekteClicked()
{
    if (m_controlsLive)
        m_document->setSelection2(Document::AllObjects);
}

void MainWindow::onRbObjektauswahlNurMarkierteClicked()
{
    if (m_controlsLive)
        m_document->setSelection2(Document::AISelectedObjects);
}

// A mark job is placed by its marks: the layout goes back to the drawing's
// own size at the origin.
void MainWindow::onCbObjektauswahlPassermarkenBenutzenToggled(bool on)
{
    if (!m_controlsLive)
        return;
    Document& d = *m_document;
    const QSignalBlocker quiet(&d);
    d.setUsePassermarks(on);
    d.setProportional(true);
    d.setJobWidth(int(std::ceil(d.drawingWidth())));
    d.setJobHeight(int(std::ceil(d.drawingHeight())));
    d.setRight(0);
    d.setBottom(0);
    d.setLocation(Document::Manually);
    d.setGridDistance(0);
    d.setSameDistance(true);
    d.setMirrored(false);
    d.setFitJobToSelection(false);
    d.notifyChanged();
}

void MainWindow::onCbObjektauswahlJobgroesseAnAuswahlAnpassenToggled(bool on)
{
    if (m_controlsLive)
        m_document->setFitJobToSelection(on);
}

void MainWindow::ondsbPassermarkenXKorrekturValueChanged(double value)
{
    if (m_controlsLive)
        m_document->setPasserXCorrection(value);
}

void MainWindow::ondsbPassermarkenYKorrekturValueChanged(double value)
{
    if (m_controlsLive)
        m_document->setPasserYCorrection(value);
}

void MainWindow::onCbPlotSheetCmdToggled(bool on)
{
    m_document->setSheetMediaCommand(on);
}
