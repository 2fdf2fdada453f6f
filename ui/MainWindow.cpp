#include "ui/MainWindow.h"

#include "ui/MainWindowForm.h"

#include "app/Translations.h"
#include "device/Plotterpool.h"
#include "document/Document.h"
#include "document/JobSettingsTable.h"
#include "plot/JobLayout.h"
#include "platform/Logger.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PresetNames.h"
#include "presets/PresetSelection.h"
#include "ui/Preview.h"
#include "ui/Ruler.h"

#include <QCloseEvent>
#include <QScrollBar>
#include <QSettings>

#include <algorithm>

MainWindow::MainWindow(const QStringList& texts, bool isSvg, UserMessages& messages,
                       Translations* translations, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<MainWindowForm>()),
      m_document(new Document(this)), m_messages(messages), m_translations(translations)
{
    connect(m_document, &Document::DataChanged, this, &MainWindow::onDocumentDataChanged);
    ui->setupUi(this);
    applySettingRanges();
    setWindowIcon(QIcon(QStringLiteral(":/KerfcraftIcons/kerfcraft.svg")));

    m_plotterTimer.setSingleShot(true);
    connect(&m_languageTimer, &QTimer::timeout, this, &MainWindow::onLanguageChangedDone);
    m_languageTimer.setSingleShot(true);

    connect(ui->btnBeenden, &QPushButton::clicked, this, &MainWindow::onBtnBeendenClicked);
    connect(ui->btnPlotten, &QPushButton::clicked, this, &MainWindow::onBtnPlottenClicked);
    connect(ui->btnInformation, &QPushButton::clicked, this, &MainWindow::onBtnInformationClicked);
    connect(ui->btnSave, &QPushButton::clicked, this, &MainWindow::onBtnSaveClicked);
    connect(ui->btnLoad, &QPushButton::clicked, this, &MainWindow::onBtnLoadClicked);
    connect(ui->btnRescan, &QPushButton::clicked, this, &MainWindow::onBtnRescanClicked);
    connect(ui->btTestData, &QPushButton::clicked, this, &MainWindow::onBtnTestDataClicked);
    connect(ui->btnMaterialHinzufuegen, &QPushButton::clicked, this,
            &MainWindow::onBtnMaterialHinzufuegenClicked);
    connect(ui->btnMaterialEntfernen, &QPushButton::clicked, this,
            &MainWindow::onBtnMaterialEntfernenClicked);
    connect(ui->cbMaterial, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MainWindow::onCbMaterialIndexChanged);
    connect(ui->cbAusgabegeraet, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MainWindow::onCbAusgabegeraetIndexChanged);
    connectAllgemein();
    connectOptionen();
    connectObjektauswahl();
    connectPlotter();

    fillLanguages();

    // Preview with the rulers above and left of it (25 pixels thick) and
    // the scroll bars right and below.
    m_preview = new Preview(ui->grpBoxLayout);
    auto* hRuler = new Ruler(ui->grpBoxLayout);
    auto* vRuler = new Ruler(ui->grpBoxLayout);
    hRuler->setFixedHeight(25);
    vRuler->setFixedWidth(25);
    auto* hBar = new QScrollBar(Qt::Horizontal, ui->grpBoxLayout);
    auto* vBar = new QScrollBar(Qt::Vertical, ui->grpBoxLayout);
    ui->glLayout->addWidget(m_preview, 1, 1);
    ui->glLayout->addWidget(hRuler, 0, 1);
    ui->glLayout->addWidget(vRuler, 1, 0);
    ui->glLayout->addWidget(vBar, 1, 2);
    ui->glLayout->addWidget(hBar, 2, 1);
    m_preview->setScrollBars(hBar, vBar, hRuler, vRuler);
    m_preview->setDocument(m_document);

    ui->cbAusgabegeraet->clear();
    // Wide enough for every tab, never wider than a small screen.
    resize(qMin(sizeHint().width(), 1280), sizeHint().height());
    if (ui->cbWerkzeugauswahl->count() > 0)
        ui->cbWerkzeugauswahl->setCurrentIndex(0);
    if (!texts.isEmpty())
        loadDrawing(texts, isSvg);
    onDocumentDataChanged();
    setAcceptDrops(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    const int languageIndex = ui->cbSprache->findText(m_savedLanguage);
    if (languageIndex >= 0)
        ui->cbSprache->setCurrentIndex(languageIndex);
    ui->twMain->setCurrentIndex(0);
    applyPlaceholderRule();
    // Runs the material slot once, so the first material's parameters apply.
    if (ui->cbMaterial->count() > 1) {
        ui->cbMaterial->setCurrentIndex(1);
        ui->cbMaterial->setCurrentIndex(0);
    } else if (ui->cbMaterial->count() == 1) {
        onCbMaterialIndexChanged(0);
    }
    fitPreviewToMaterial();
    QTimer::singleShot(100, this, &MainWindow::delayedShowEvent);
}

void MainWindow::delayedShowEvent()
{
    onBtnRescanClicked();
    QSettings settings;
    const int bladeId = settings.value(QStringLiteral("SelectedBladeID"), -1).toInt();
    PresetSelection::restore(*m_document, settings);
    // The restored material brings its parameters, the restored blade wins
    // over the material's own.
    if (Material* material = m_document->material())
        onCbMaterialIndexChanged(ui->cbMaterial->findData(material->ID));
    if (settings.contains(QStringLiteral("SelectedBladeID")))
        ui->cbWerkzeugauswahl->setCurrentIndex(ui->cbWerkzeugauswahl->findData(bladeId));
    connect(&m_plotterTimer, &QTimer::timeout, this, &MainWindow::UpdatePlotterInfos,
            Qt::UniqueConnection);
    m_plotterTimer.setInterval(1000);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    savePresetSelection();
    QMainWindow::closeEvent(event);
}

void MainWindow::savePresetSelection()
{
    QSettings settings;
    PresetSelection::save(*m_document, settings);
}

void MainWindow::onBtnBeendenClicked() { window()->close(); }

// ---- Languages ----------------------------------------------------------------

void MainWindow::fillLanguages()
{
    connect(ui->cbSprache, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MainWindow::onCbSpracheIndexChanged);
    m_savedLanguage = QSettings().value(QStringLiteral("Language")).toString();
    const QStringList files = m_translations ? m_translations->fileNames() : QStringList();
    quietly([&] {
        for (const QString& file : files)
            ui->cbSprache->addItem(Translations::languageName(file), file);
    });
    if (files.isEmpty()) {
        fillPresetLists();
        return;
    }
    // Runs the language slot once for the first entry.
    if (files.size() > 1)
        ui->cbSprache->setCurrentIndex(1);
    ui->cbSprache->setCurrentIndex(0);
    if (files.size() == 1)
        onCbSpracheIndexChanged(0);
}

QString MainWindow::currentLanguageCode() const
{
    const QString file = ui->cbSprache->currentData().toString();
    return file.isEmpty() ? QStringLiteral("de") : PresetNames::languageOfTranslationFile(file);
}

void MainWindow::onCbSpracheIndexChanged(int index)
{
    if (index < 0)
        return;
    m_frameWidthBeforeSwitch = ui->frame_4->width();
    const QString file = ui->cbSprache->itemData(index).toString();
    if (m_translations)
        m_translations->select(Translations::languageName(file));
    ui->retranslateUi(this);
    quietly([&] {
        for (int i = 0; i < ui->cbSprache->count(); ++i)
            ui->cbSprache->setItemText(i, Translations::languageName(
                                               ui->cbSprache->itemData(i).toString()));
    });
    fillPresetLists();
    retranslateDeviceEntries();
    QSettings settings;
    settings.setValue(QStringLiteral("Language"), ui->cbSprache->currentText());
    settings.sync();
    onDocumentDataChanged();
    // The translated texts take new widths once the layout has run.
    m_languageTimer.start(0);
}

void MainWindow::onLanguageChangedDone()
{
    const int grow = ui->frame_4->sizeHint().width() - m_frameWidthBeforeSwitch;
    if (grow > 0)
        resize(width() + grow, height());
}

// Both combos list the presets named in the current language, by name; the
// document's lists are the same entries, and its material and blade stay.
void MainWindow::fillPresetLists()
{
    const KerfcraftPresets* presets = KerfcraftPresets::instance();
    if (!presets)
        return;
    PresetNames::Offered offered = PresetNames::localise(*presets, currentLanguageCode());
    const auto byName = [](const auto* a, const auto* b) { return a->Name < b->Name; };
    std::stable_sort(offered.materials.begin(), offered.materials.end(), byName);
    std::stable_sort(offered.blades.begin(), offered.blades.end(), byName);
    m_document->materials() = offered.materials;
    m_document->blades() = offered.blades;
    quietly([&] {
        ui->cbMaterial->clear();
        for (const Material* m : offered.materials)
            ui->cbMaterial->addItem(m->Name, m->ID);
        ui->cbWerkzeugauswahl->clear();
        for (const Blade* b : offered.blades)
            ui->cbWerkzeugauswahl->addItem(b->Name, b->ID);
        if (const Material* m = m_document->material())
            selectComboData(ui->cbMaterial, m->ID);
        if (const Blade* b = m_document->blade())
            selectComboData(ui->cbWerkzeugauswahl, b->ID);
    });
}

void MainWindow::selectComboData(QComboBox* combo, int data)
{
    const int index = combo->findData(data);
    if (index >= 0 && index != combo->currentIndex())
        combo->setCurrentIndex(index);
}

// ---- Refill -------------------------------------------------------------------

void MainWindow::onDocumentDataChanged()
{
    quietly([this] {
        refillAllgemein();
        refillOptionen();
        refillObjektauswahl();
        applyEnabling();
        applyOutputMode();
        fillObjectList();
        // The plot stream's own flag has the last word on this box.
        if (ui->cbWeitereFunktionenMesserInitialisierung->isChecked()
            != m_document->bladeInitialisation())
            ui->cbWeitereFunktionenMesserInitialisierung->setChecked(
                m_document->bladeInitialisation());
    });
    refreshPreview();
}

void MainWindow::applyEnabling()
{
    Document& d = *m_document;
    const bool own = !d.usePlotterSettings() && !d.differentCuttingParameter();
    ui->sbParameterGeschwindigkeit->setEnabled(own);
    ui->sbParameterAndruck->setEnabled(own);
    ui->sbParameterDurchgaenge->setEnabled(own);

    if (!d.marksFound() && d.usePassermarks())
        d.setUsePassermarks(false);
    ui->cbObjektauswahlPassermarkenBenutzen->setEnabled(d.marksFound());
    const bool free = !d.usePassermarks();
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui->sbJobgroesseBreite, ui->sbJobgroesseHoehe, ui->sbJobgroesseProzentBreite,
             ui->sbJobgroesseProzentHoehe, ui->sbPositionRechts, ui->sbPositionUnten,
             ui->cbPositionLage, ui->cbKopienGleicheAbstaende, ui->cbPositionSpiegeln,
             ui->cbJobgroesseAnMaterialbreiteAnpassen, ui->cbJobgroesseProportional,
             ui->btnJobgroesseAufOriginalgroesseZuruecksetzen,
             ui->cbObjektauswahlPauseZwischenEbenen})
        w->setEnabled(free);
    if (free) {
        // The fit and position rules switch some of them off again.
        const bool sizeFree = !d.fitToMaterialSize();
        for (QWidget* w : std::initializer_list<QWidget*>{
                 ui->sbJobgroesseBreite, ui->sbJobgroesseHoehe, ui->sbJobgroesseProzentBreite,
                 ui->sbJobgroesseProzentHoehe, ui->cbJobgroesseProportional,
                 ui->btnJobgroesseAufOriginalgroesseZuruecksetzen})
            w->setEnabled(sizeFree);
        ui->sbPositionRechts->setEnabled(d.location() == Document::Manually);
        ui->sbPositionUnten->setEnabled(d.location() == Document::Manually
                                        || d.location() == Document::HorizontalCentered);
    }
    ui->sbEntgitternAbstand->setEnabled(d.grid() && free);
    ui->sbEntgitternAbstand2->setEnabled(d.grid() && free);
    ui->sbKopienVertAbstand->setEnabled(!d.sameDistance());
    ui->sbKopienVert->setEnabled(!d.autoPlacement());
    ui->sbEntgitternUeberschnittWert->setEnabled(d.overcut());
    ui->sbEntgitternUeberschnittWinkel->setEnabled(d.overcut());
    ui->sbEndpositionVorschubNachDemPlotten->setEnabled(d.homeposition() != Document::Startposition);
    ui->sbObjektauswahlSegmenthoehe->setEnabled(d.segmentation());

    const bool fits = !JobLayout(d).exceedsMaterialWidth();
    ui->btnPlotten->setEnabled(!d.testCut() && (m_currentPlotter || d.fcmOutput()) && fits);
}

// FCM output writes a file for a cutting machine with fixed mats: no
// material presets, sizes or plotter tabs, and layers go to separate files.
void MainWindow::applyOutputMode()
{
    const bool fcm = ui->cbAusgabegeraet->currentData().toInt() == -2
        && ui->cbAusgabegeraet->count() > 0;
    ui->gbSonstiges->setVisible(fcm);
    ui->rb12Inch->setVisible(fcm);
    ui->rb24Inch->setVisible(fcm);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui->lblMaterialgroesseBreite, ui->lblMaterialgroesseBreiteMm, ui->sbMaterialgroesseBreite,
             ui->lblMaterialgroesseHoehe, ui->lblMaterialgroesseHoeheMm, ui->sbMaterialgroesseHoehe,
             ui->btnMaterialgroesseHoleWerte, ui->cbObjektauswahlSegmentierung,
             ui->lblObjektauswahlSegmenthoehe, ui->sbObjektauswahlSegmenthoehe,
             ui->lblObjektauswahlSegmenthoeheMm, ui->gbParameterFuer,
             ui->cbObjektauswahlUnterschiedlicheSchneideparameter,
             ui->cbObjektauswahlPassermarkenBenutzen, ui->cbObjektauswahlJobgroesseAnAuswahlAnspassen,
             ui->lblMaterial, ui->cbMaterial, ui->btnMaterialHinzufuegen, ui->btnMaterialEntfernen})
        w->setVisible(!fcm);
    ui->cbObjektauswahlPauseZwischenEbenen->setText(
        fcm ? tr("Ebenen/Farben in extra Dateien speichern") : tr("Pause zwischen Ebenen/Farben"));
    if (fcm) {
        ui->twMain->removeTab(ui->twMain->indexOf(ui->tabOptionen));
        ui->twMain->removeTab(ui->twMain->indexOf(ui->tabPlotter));
        if (!ui->rb12Inch->isChecked() && !ui->rb24Inch->isChecked())
            ui->rb12Inch->setChecked(true);
    }
    const bool fcmFrame = m_document->fcmOutput();
    ui->lblPositionRechts->setText(fcmFrame ? tr("Links") : tr("Rechts"));
    ui->lblPositionUnten->setText(fcmFrame ? tr("Oben") : tr("Unten"));
}

// ---- Preview ------------------------------------------------------------------

void MainWindow::fitPreviewToMaterial()
{
    // After the layout has given the preview its size.
    if (m_preview && m_document->materialWidth() > 10 && m_document->materialHeight() > 10)
        QTimer::singleShot(0, m_preview, &Preview::fitWidth);
}

// The preview follows DataChanged() itself; a refill only asks for a paint.
void MainWindow::refreshPreview()
{
    if (m_preview) // not yet while the constructor runs the language slot
        m_preview->update();
}

// The ranges of the job settings' inputs come from the settings table, which
// also holds job-file values and --set to them: the window can never allow
// a value the job file would be held back from, or the other way round.
// A plotter model narrows the material size and parameters later on.
void MainWindow::applySettingRanges()
{
    struct Input {
        const char* setting;
        QSpinBox* box;
        int scale; // control units per stored unit
    };
    const Input inputs[] = {
        {"MaterialSize.Width", ui->sbMaterialgroesseBreite, 1},
        {"MaterialSize.Height", ui->sbMaterialgroesseHoehe, 1},
        {"JobSize.Width", ui->sbJobgroesseBreite, 1},
        {"JobSize.Height", ui->sbJobgroesseHoehe, 1},
        {"Position.Right", ui->sbPositionRechts, 1},
        {"Position.Bottom", ui->sbPositionUnten, 1},
        {"Copies.Count", ui->sbKopienHorzOderAnzahl, 1},
        {"Copies.Vert", ui->sbKopienVert, 1},
        {"Copies.HorzDistance", ui->sbKopienHorzAbstand, 1},
        {"Copies.VertDistance", ui->sbKopienVertAbstand, 1},
        {"GridOvercutQuality.GridDistance", ui->sbEntgitternAbstand, 1},
        {"GridOvercutQuality.GridDistance", ui->sbEntgitternAbstand2, 1},
        {"GridOvercutQuality.OvercutAngle", ui->sbEntgitternUeberschnittWinkel, 1},
        // Tenths of a millimetre.
        {"GridOvercutQuality.OvercutDistance", ui->sbEntgitternUeberschnittWert, 10},
        {"FinalHeadPosition.Extraspace", ui->sbEndpositionVorschubNachDemPlotten, 1},
        {"ObjectSelection.SegmentHeight", ui->sbObjektauswahlSegmenthoehe, 1},
    };
    for (const Input& in : inputs) {
        const JobSettingsTable::Row* row = JobSettingsTable::find(QLatin1String(in.setting));
        Q_ASSERT(row && row->hasRange());
        const QSignalBlocker quiet(in.box);
        in.box->setRange(int(row->min * in.scale), int(row->max * in.scale));
    }
}
