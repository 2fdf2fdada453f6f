// The "Allgemein" tab: material and job size, position, copies, and the
// weeding frame twin shown for FCM output.
#include "ui/MainWindow.h"

#include "ui/ControlFill.h"
#include "ui/MainWindowForm.h"

#include "device/Plotter.h"
#include "document/Document.h"
#include "presets/Blade.h"
#include "presets/Material.h"

#include <cmath>

using ControlFill::put;

void MainWindow::connectAllgemein()
{
    const auto spin = QOverload<int>::of(&QSpinBox::valueChanged);
    const auto dspin = QOverload<double>::of(&QDoubleSpinBox::valueChanged);
    const auto combo = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(ui->sbMaterialgroesseBreite, spin, this, &MainWindow::onSbMaterialgroesseBreiteValueChanged);
    connect(ui->sbMaterialgroesseHoehe, spin, this, &MainWindow::onSbMaterialgroesseHoeheValueChanged);
    connect(ui->btnMaterialgroesseHoleWerte, &QPushButton::clicked, this,
            &MainWindow::onBtnMaterialgroesseHoleWerteClicked);
    connect(ui->rb12Inch, &QRadioButton::toggled, this, &MainWindow::onRb12Inch);
    connect(ui->rb24Inch, &QRadioButton::toggled, this, &MainWindow::onRb24Inch);
    connect(ui->sbJobgroesseBreite, spin, this, &MainWindow::onSbJobgroesseBreiteValueChanged);
    connect(ui->sbJobgroesseHoehe, spin, this, &MainWindow::onSbJobgroesseHoeheValueChanged);
    connect(ui->sbJobgroesseProzentBreite, dspin, this,
            &MainWindow::onSbJobgroesseProzentBreiteValueChanged);
    connect(ui->sbJobgroesseProzentHoehe, dspin, this,
            &MainWindow::onSbJobgroesseProzentHoeheValueChanged);
    connect(ui->cbJobgroesseProportional, &QCheckBox::toggled, this,
            &MainWindow::onCbJobgroesseProportionalToggled);
    connect(ui->cbJobgroesseAnMaterialbreiteAnpassen, &QCheckBox::toggled, this,
            &MainWindow::onCbJobgroesseAnMaterialbreiteAnpassenToggled);
    connect(ui->btnJobgroesseAufOriginalgroesseZuruecksetzen, &QPushButton::clicked, this,
            &MainWindow::onBtnJobgroesseAufOriginalgroesseZuruecksetzenClicked);
    connect(ui->sbPositionRechts, spin, this, &MainWindow::onSbPositionRechtsValueChanged);
    connect(ui->sbPositionUnten, spin, this, &MainWindow::onSbPositionUntenValueChanged);
    connect(ui->cbPositionLage, combo, this, &MainWindow::onCbPositionLageIndexChanged);
    connect(ui->cbPositionRotation, combo, this, &MainWindow::onCbPositionRotationIndexChanged);
    connect(ui->cbPositionSpiegeln, &QCheckBox::toggled, this, &MainWindow::onCbPositionSpiegelnToggled);
    connect(ui->sbKopienHorzOderAnzahl, spin, this, &MainWindow::onSbKopienHorzOderAnzahlValueChanged);
    connect(ui->sbKopienHorzAbstand, spin, this, &MainWindow::onSbKopienHorzAbstandValuechanged);
    connect(ui->sbKopienVert, spin, this, &MainWindow::onSbKopienVertValueChanged);
    connect(ui->sbKopienVertAbstand, spin, this, &MainWindow::onSbKopienVertAbstandValueChanged);
    connect(ui->cbKopienAutomatischVerteilen, &QCheckBox::toggled, this,
            &MainWindow::onCbKopienAutomatischVerteilenToggled);
    connect(ui->cbKopienGleicheAbstaende, &QCheckBox::toggled, this,
            &MainWindow::onCbKopienGleicheAbstaendeToggled);
    connect(ui->cbEntgitternEntgitterrahmen2, &QCheckBox::toggled, this,
            &MainWindow::onCbEntgitternEntgitterrahmenToggled);
    connect(ui->sbEntgitternAbstand2, spin, this,
            &MainWindow::onSbEntgitternEntgitterrahmenAbstandValueChanged);
}

void MainWindow::refillAllgemein()
{
    const Document& d = *m_document;
    if (d.material())
        selectComboData(ui->cbMaterial, d.material()->ID);
    if (d.blade())
        selectComboData(ui->cbWerkzeugauswahl, d.blade()->ID);
    put(ui->sbMaterialgroesseBreite, d.materialWidth());
    put(ui->sbMaterialgroesseHoehe, d.materialHeight());
    put(ui->cbJobgroesseAnMaterialbreiteAnpassen, d.fitToMaterialSize());
    put(ui->sbJobgroesseBreite, d.jobWidth());
    put(ui->sbJobgroesseHoehe, d.jobHeight());
    put(ui->cbJobgroesseProportional, d.proportional());
    put(ui->sbJobgroesseProzentBreite, d.widthScale());
    put(ui->sbJobgroesseProzentHoehe, d.heightScale());
    put(ui->sbPositionRechts, d.right());
    put(ui->sbPositionUnten, d.bottom());
    if (ui->cbPositionLage->currentIndex() != d.location())
        ui->cbPositionLage->setCurrentIndex(d.location());
    if (ui->cbPositionRotation->currentIndex() != d.rotation())
        ui->cbPositionRotation->setCurrentIndex(d.rotation());
    put(ui->cbPositionSpiegeln, d.mirrored());

    put(ui->sbKopienHorzOderAnzahl, d.autoPlacement() ? d.copiesCount() : d.copiesHorz());
    put(ui->sbKopienVert, d.copiesVert());
    put(ui->sbKopienHorzAbstand, d.horzDistance());
    put(ui->sbKopienVertAbstand, d.vertDistance());
    put(ui->cbKopienAutomatischVerteilen, d.autoPlacement());
    put(ui->cbKopienGleicheAbstaende, d.sameDistance());
    ui->lblKopienHorzOderAnzahl->setText(d.autoPlacement() ? tr("Anzahl") : tr("Horizontal"));

    put(ui->cbEntgitternEntgitterrahmen2, d.grid());
    put(ui->sbEntgitternAbstand2, d.gridDistance());
}

void MainWindow::onSbMaterialgroesseBreiteValueChanged(int value)
{
    if (m_controlsLive)
        m_document->setMaterialWidth(value);
}

void MainWindow::onSbMaterialgroesseHoeheValueChanged(int value)
{
    if (m_controlsLive)
        m_document->setMaterialHeight(value);
}

void MainWindow::onBtnMaterialgroesseHoleWerteClicked()
{
    if (!m_controlsLive || !m_currentPlotter || !m_currentPlotter->query())
        return;
    ui->sbMaterialgroesseBreite->setValue(m_currentPlotter->mediaWidth());
    ui->sbMaterialgroesseHoehe->setValue(m_currentPlotter->mediaHeight());
}

// The FCM mats: 12'' and 24'' long, both 296 mm usable across.
void MainWindow::onRb12Inch(bool on)
{
    if (!on)
        return;
    m_document->setMaterialWidth(296);
    m_document->setMaterialHeight(298);
    fitPreviewToMaterial();
}

void MainWindow::onRb24Inch(bool on)
{
    if (!on)
        return;
    m_document->setMaterialWidth(296);
    m_document->setMaterialHeight(603);
    fitPreviewToMaterial();
}

void MainWindow::onSbJobgroesseBreiteValueChanged(int value)
{
    if (m_controlsLive && m_document->drawingWidth() >= 1.0)
        m_document->setJobWidth(value);
}

void MainWindow::onSbJobgroesseHoeheValueChanged(int value)
{
    if (m_controlsLive && m_document->drawingHeight() >= 1.0)
        m_document->setJobHeight(value);
}

void MainWindow::onSbJobgroesseProzentBreiteValueChanged(double value)
{
    if (m_controlsLive)
        m_document->setWidthScale(value);
}

// The percent boxes are read-only; the height follows the width.
void MainWindow::onSbJobgroesseProzentHoeheValueChanged(double) {}

void MainWindow::onCbJobgroesseProportionalToggled(bool on)
{
    if (m_controlsLive)
        m_document->setProportional(on);
}

void MainWindow::onBtnJobgroesseAufOriginalgroesseZuruecksetzenClicked()
{
    if (!m_controlsLive)
        return;
    ui->sbJobgroesseBreite->setValue(int(std::ceil(m_document->drawingWidth())));
    ui->sbJobgroesseHoehe->setValue(int(std::ceil(m_document->drawingHeight())));
}

void MainWindow::onCbJobgroesseAnMaterialbreiteAnpassenToggled(bool on)
{
    if (!m_controlsLive)
        return;
    Document& d = *m_document;
    quietly([&] {
        d.setFitToMaterialSize(on);
        if (on) {
            ui->cbJobgroesseProportional->setChecked(true);
            d.setProportional(true);
            if (d.drawingWidth() > 0 && d.drawingHeight() > 0) {
                const double factor = std::min(d.materialWidth() / d.drawingWidth(),
                                               d.materialHeight() / d.drawingHeight());
                ui->sbJobgroesseBreite->setValue(int(std::lround(d.drawingWidth() * factor)));
            }
        }
        d.setJobWidth(ui->sbJobgroesseBreite->value());
        if (!d.proportional())
            d.setJobHeight(ui->sbJobgroesseHoehe->value());
    });
    onDocumentDataChanged();
}

void MainWindow::onSbPositionRechtsValueChanged(int value)
{
    if (m_controlsLive)
        m_document->setRight(value);
}

void MainWindow::onSbPositionUntenValueChanged(int value)
{
    if (m_controlsLive)
        m_document->setBottom(value);
}

void MainWindow::onCbPositionLageIndexChanged(int index)
{
    if (m_controlsLive && index >= 0 && index <= 3)
        m_document->setLocation(Document::Location(index));
}

void MainWindow::onCbPositionRotationIndexChanged(int index)
{
    if (m_controlsLive && index >= 0 && index <= 3)
        m_document->setRotation(Document::Rotation(index));
}

void MainWindow::onCbPositionSpiegelnToggled(bool on)
{
    if (m_controlsLive)
        m_document->setMirrored(on);
}

void MainWindow::onSbKopienHorzOderAnzahlValueChanged(int value)
{
    if (!m_controlsLive)
        return;
    if (m_document->autoPlacement())
        m_document->setCopiesCount(value);
    else
        m_document->setCopiesHorz(value);
}

void MainWindow::onSbKopienHorzAbstandValuechanged(int value)
{
    if (m_controlsLive)
        m_document->setHorzDistance(value);
}

void MainWindow::onSbKopienVertValueChanged(int value)
{
    if (m_controlsLive)
        m_document->setCopiesVert(value);
}

void MainWindow::onSbKopienVertAbstandValueChanged(int value)
{
    if (m_controlsLive)
        m_document->setVertDistance(value);
}

void MainWindow::onCbKopienAutomatischVerteilenToggled(bool on)
{
    if (!m_controlsLive)
        return;
    m_document->setAutoPlacement(on);
    onDocumentDataChanged();
}

void MainWindow::onCbKopienGleicheAbstaendeToggled(bool on)
{
    if (!m_controlsLive || on == m_document->sameDistance())
        return;
    m_document->setSameDistance(on);
    if (on)
        ui->sbKopienVertAbstand->setValue(ui->sbKopienHorzAbstand->value());
}
