// The "Optionen" tab: weeding frame, overcut and quality, the head's end
// position, the cutting parameters and the blade.
#include "ui/MainWindow.h"

#include "ui/ControlFill.h"
#include "ui/MainWindowForm.h"

#include "document/Document.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"

#include <cmath>

using ControlFill::put;

void MainWindow::connectOptionen()
{
    const auto spin = QOverload<int>::of(&QSpinBox::valueChanged);
    const auto combo = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(ui->cbEntgitternEntgitterrahmen, &QCheckBox::toggled, this,
            &MainWindow::onCbEntgitternEntgitterrahmenToggled);
    connect(ui->sbEntgitternAbstand, spin, this,
            &MainWindow::onSbEntgitternEntgitterrahmenAbstandValueChanged);
    connect(ui->cbEntgitternUeberschnitt, &QCheckBox::toggled, this,
            &MainWindow::onCbEntgitternUeberschnittToggled);
    connect(ui->sbEntgitternUeberschnittWert, spin, this,
            &MainWindow::onSbEntgitternUeberschnittWertValueChanged);
    connect(ui->sbEntgitternUeberschnittWinkel, spin, this,
            &MainWindow::onSbEntgitternUeberschnittWinkelChanged);
    connect(ui->cbEntgitternQualitaet, combo, this, &MainWindow::onCbEntgitternQualitaetIndexChanged);
    connect(ui->rbEndpositionStartposition, &QRadioButton::clicked, this,
            &MainWindow::onRbEndpositionStartpositionClicked);
    connect(ui->rbEndpositionHinterDemJob, &QRadioButton::clicked, this,
            &MainWindow::onRbEndpositionHinterDemJobClicked);
    connect(ui->rbEndpositionLinksNebenDemJob, &QRadioButton::clicked, this,
            &MainWindow::onRbEndpositionLinksNebenDemJobClicked);
    connect(ui->sbEndpositionVorschubNachDemPlotten, spin, this,
            &MainWindow::onSbEndpositionVorschubNachDemPlottenValueChanged);
    connect(ui->sbParameterGeschwindigkeit, spin, this,
            &MainWindow::onSbParameterGeschwindigkeitValueChanged);
    connect(ui->sbParameterAndruck, spin, this, &MainWindow::onSbParameterAndruckValueChanged);
    connect(ui->sbParameterDurchgaenge, spin, this, &MainWindow::onSbParameterDurchgaengeValueChanged);
    connect(ui->cbParameterLinientyp, combo, this, &MainWindow::onCbParameterLinientypIndexChanged);
    connect(ui->sbParameterMusterlaenge, spin, this, &MainWindow::onSbParameterMusterlaengeValueChanged);
    connect(ui->btnParameterSpeichernAktuelleEinstellungen, &QPushButton::clicked, this,
            &MainWindow::onBtnParameterSpeichernAktuelleEinstellungenClicked);
    connect(ui->btnParameterTestschnitt, &QPushButton::clicked, this,
            &MainWindow::onBtnParameterTestschnittClicked);
    connect(ui->cbParameterTestschnittEinAus, &QCheckBox::toggled, this,
            &MainWindow::onCbParameterTestschnittEinAusToggled);
    connect(ui->cbParameterPlottereinstellungenBenutzen, &QCheckBox::toggled, this,
            &MainWindow::onCbParameterPlottereinstellungenBenutzenToggled);
    connect(ui->cbWerkzeugauswahl, combo, this, &MainWindow::onCbWerkzeugauswahlWerkzeugIndexChanged);
    connect(ui->sbWerkzeugauswahlOffsetKorrektur, QOverload<double>::of(&QDoubleSpinBox::valueChanged),
            this, &MainWindow::onSbWerkzeugauswahlOffsetKorrekturValueChanged);
}

void MainWindow::refillOptionen()
{
    const Document& d = *m_document;
    put(ui->cbEntgitternEntgitterrahmen, d.grid());
    put(ui->sbEntgitternAbstand, d.gridDistance());
    put(ui->cbEntgitternUeberschnitt, d.overcut());
    // The box counts tenths of a millimetre.
    put(ui->sbEntgitternUeberschnittWert, int(std::lround(10.0 * d.overcutDistance())));
    put(ui->sbEntgitternUeberschnittWinkel, d.overcutAngle());
    const int quality = d.quality() != 0 ? 1 : 0;
    if (ui->cbEntgitternQualitaet->currentIndex() != quality)
        ui->cbEntgitternQualitaet->setCurrentIndex(quality);

    QRadioButton* end[] = {ui->rbEndpositionStartposition, ui->rbEndpositionHinterDemJob,
                           ui->rbEndpositionLinksNebenDemJob};
    put(end[qBound(0, int(d.homeposition()), 2)], true);
    put(ui->sbEndpositionVorschubNachDemPlotten, d.extraspace());

    put(ui->sbParameterGeschwindigkeit, d.speed());
    put(ui->sbParameterAndruck, d.pressure());
    put(ui->sbParameterDurchgaenge, d.passes());
    put(ui->sbParameterMusterlaenge, d.patternLength());
    put(ui->cbParameterPlottereinstellungenBenutzen, d.usePlotterSettings());
    put(ui->cbParameterTestschnittEinAus, d.testCut());
    put(ui->sbWerkzeugauswahlOffsetKorrektur, d.offsetCorrection());
    ui->gbParameter->setTitle(tr("Parameter für ") + (d.material() ? d.material()->Name : QString()));
}

void MainWindow::onCbEntgitternEntgitterrahmenToggled(bool on)
{
    if (m_controlsLive)
        m_document->setGrid(on);
}

void MainWindow::onSbEntgitternEntgitterrahmenAbstandValueChanged(int value)
{
    if (m_controlsLive)
        m_document->setGridDistance(value);
}

void MainWindow::onCbEntgitternUeberschnittToggled(bool on)
{
    if (!m_controlsLive)
        return;
    m_document->setOvercut(on);
    ui->sbEntgitternUeberschnittWert->setEnabled(on);
    ui->sbEntgitternUeberschnittWinkel->setEnabled(on);
}

void MainWindow::onSbEntgitternUeberschnittWertValueChanged(int value)
{
    if (m_controlsLive)
        m_document->setOvercutDistance(value * 0.1);
}

void MainWindow::onSbEntgitternUeberschnittWinkelChanged(int value)
{
    if (m_controlsLive)
        m_document->setOvercutAngle(value);
}

void MainWindow::onCbEntgitternQualitaetIndexChanged(int index)
{
    if (m_controlsLive && (index == 0 || index == 1))
        m_document->setQuality(index);
}

void MainWindow::onRbEndpositionStartpositionClicked()
{
    if (!m_controlsLive)
        return;
    m_document->setHomeposition(Document::Startposition);
    ui->sbEndpositionVorschubNachDemPlotten->setEnabled(false);
}

void MainWindow::onRbEndpositionHinterDemJobClicked()
{
    if (!m_controlsLive)
        return;
    m_document->setHomeposition(Document::BehindTheJob);
    ui->sbEndpositionVorschubNachDemPlotten->setEnabled(true);
}

void MainWindow::onRbEndpositionLinksNebenDemJobClicked()
{
    if (!m_controlsLive)
        return;
    m_document->setHomeposition(Document::LeftBesideTheJob);
    ui->sbEndpositionVorschubNachDemPlotten->setEnabled(true);
}

void MainWindow::onSbEndpositionVorschubNachDemPlottenValueChanged(int value)
{
    if (m_controlsLive)
        m_document->setExtraspace(value);
}

void MainWindow::onSbParameterGeschwindigkeitValueChanged(int value)
{
    if (!m_controlsLive)
        return;
    m_document->setSpeed(value);
    ui->btnParameterSpeichernAktuelleEinstellungen->setEnabled(true);
}

void MainWindow::onSbParameterAndruckValueChanged(int value)
{
    if (!m_controlsLive)
        return;
    m_document->setPressure(value);
    ui->btnParameterSpeichernAktuelleEinstellungen->setEnabled(true);
}

void MainWindow::onSbParameterDurchgaengeValueChanged(int value)
{
    if (!m_controlsLive)
        return;
    m_document->setPasses(value);
    ui->btnParameterSpeichernAktuelleEinstellungen->setEnabled(true);
}

// Line type and pattern length stay disabled: every model cuts solid lines.
void MainWindow::onCbParameterLinientypIndexChanged(int) {}
void MainWindow::onSbParameterMusterlaengeValueChanged(int) {}

void MainWindow::onCbParameterPlottereinstellungenBenutzenToggled(bool on)
{
    if (m_controlsLive)
        m_document->setUsePlotterSettings(on);
}

void MainWindow::onCbWerkzeugauswahlWerkzeugIndexChanged(int index)
{
    if (!m_controlsLive || index < 0)
        return;
    ui->btnParameterSpeichernAktuelleEinstellungen->setEnabled(true);
    const KerfcraftPresets* presets = KerfcraftPresets::instance();
    Blade* blade = presets ? presets->bladeById(ui->cbWerkzeugauswahl->itemData(index).toInt())
                           : nullptr;
    // The blade brings its own offset; the correction box adds to it.
    if (blade)
        m_document->setBlade(blade);
}

void MainWindow::onSbWerkzeugauswahlOffsetKorrekturValueChanged(double value)
{
    if (m_controlsLive)
        m_document->setOffsetCorrection(value);
}
