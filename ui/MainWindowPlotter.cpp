// Plotters: the output-device list kept in step with the pool, device
// selection and limits, the "Plotter" tab, "Plotten" and the test cut.
#include "ui/MainWindow.h"

#include "ui/MainWindowForm.h"

#include "device/Plotter.h"
#include "device/Plotterpool.h"
#include "device/USBDevices.h"
#include "document/Document.h"
#include "job/JobRunner.h"
#include "job/StatusDialog.h"
#include "platform/Logger.h"
#include "platform/UserMessages.h"
#include "plot/BlockList.h"
#include "plot/Commands.h"
#include "plot/FcmExport.h"
#include "plot/JobFit.h"
#include "plot/JobLayout.h"
#include "plot/PlotDataGenerator.h"
#include "plot/StreamFigures.h"
#include "plot/TestCut.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "device/SimulatedUsbBus.h"
#include "device/VirtualPlotter.h"
#include "ui/OffGuiThread.h"
#include "ui/Preview.h"
#include "ui/VirtualMonitor.h"

#include <cmath>

#include <QMutexLocker>

namespace {
// Item data of the two entries that are not plotters.
constexpr int NoPlotterEntry = -1;
constexpr int FcmEntry = -2;

bool writeLocked(Plotter& plotter, const QByteArray& text)
{
    plotter.lock();
    bool ok = plotter.open();
    if (ok) {
        ok = plotter.write(text);
        plotter.close();
    }
    plotter.unlock();
    return ok;
}
} // namespace

void MainWindow::connectPlotter()
{
    connect(ui->cbWeitereFunktionenMesserInitialisierung, &QCheckBox::toggled, this,
            &MainWindow::onWeitereFunktionenMesserInitialisierung);
    connect(ui->cbWeitereFunktionenMesserInitialisierung, &QCheckBox::clicked, this,
            &MainWindow::onCbMesserInitialisierung);
    connect(ui->btnWeitereFunktionenStartVirtuellenMonitor, &QPushButton::clicked, this,
            &MainWindow::onBtnWeitereFunktionenStartVirtuellenMonitorClicked);
    for (QRadioButton* rb : {ui->rbNurImPlotterMedientypRolle, ui->rbNurImPlotterMedientypBlatt,
                             ui->rbNurImPlotterMediumtypRand, ui->rbNurImPlotterKantenglaettenEin,
                             ui->rbNurImPlotterKantenglaettenAus, ui->rbNurImPlotterMediumAbrollenEin,
                             ui->rbNurImPlotterMediumAbrollenAus})
        connect(rb, &QRadioButton::toggled, this, &MainWindow::onRbNurImPlotterToggled);
}

void MainWindow::attachDevices(std::shared_ptr<UsbBackend> backend, Clock& clock,
                               UsbDriverInstaller* installer)
{
    m_clock = &clock;
    m_backend = backend;
    m_installer = installer;
    m_devices = new USBDevices(std::move(backend), m_messages, this);
    m_devices->setDriverInstaller(installer);
    m_pool = new Plotterpool(
        m_devices,
        [] {
            const KerfcraftPresets* presets = KerfcraftPresets::instance();
            return presets ? presets->plotterTemplates() : QList<PlotterTemplate*>();
        },
        clock, m_messages, this);
    connect(m_pool, &Plotterpool::PlotterAdded, this, &MainWindow::onPlotterAdded);
    connect(m_pool, &Plotterpool::PlotterRemoved, this, &MainWindow::onPlotterRemoved);
    applyPlaceholderRule();
}

void MainWindow::onBtnRescanClicked()
{
    if (!m_devices)
        return;
    setEnabled(false);
    if (!m_devicesReady)
        m_devicesReady = m_devices->init();
    if (m_devicesReady)
        m_devices->rescan();
    setEnabled(true);
}

void MainWindow::onPlotterAdded(Plotter* plotter)
{
    Logger::debug(QStringLiteral("onPlotterAdded"));
    QMutexLocker lock(&m_plotterMutex);
    m_addedPlotters.append(plotter);
    m_plotterTimer.start();
}

void MainWindow::onPlotterRemoved(Plotter* plotter)
{
    Logger::debug(QStringLiteral("onPlotterRemoved"));
    QMutexLocker lock(&m_plotterMutex);
    m_removedPlotters.append(plotter);
    m_plotterTimer.start();
}

// Additions before removals: a plotter plugged in and out within one tick
// is listed and taken out again, never left behind.
void MainWindow::UpdatePlotterInfos()
{
    Logger::debug(QStringLiteral("Timer"));
    m_plotterTimer.stop();
    QComboBox* combo = ui->cbAusgabegeraet;
    {
        QMutexLocker lock(&m_plotterMutex);
        for (Plotter* p : qAsConst(m_addedPlotters)) {
            int at = combo->findData(FcmEntry);
            if (at < 0)
                at = combo->count();
            combo->insertItem(at, p->name().isEmpty() ? p->deviceText() : p->name(), p->id());
        }
        m_addedPlotters.clear();
        for (Plotter* p : qAsConst(m_removedPlotters)) {
            const int at = combo->findData(p->id());
            if (at >= 0)
                combo->removeItem(at);
        }
        m_removedPlotters.clear();
    }
    applyPlaceholderRule();
}

// "No plotter found" stands first while no plotter is listed; the FCM file
// is always offered last.
void MainWindow::applyPlaceholderRule()
{
    if (!m_pool)
        return;
    QComboBox* combo = ui->cbAusgabegeraet;
    bool plotterListed = false;
    for (int i = 0; i < combo->count(); ++i)
        plotterListed = plotterListed || combo->itemData(i).toInt() >= 0;
    if (m_pool->count() == 0 && !plotterListed && combo->findData(NoPlotterEntry) < 0) {
        combo->insertItem(0, tr("No plotter found"), NoPlotterEntry);
        combo->setCurrentIndex(0);
    } else if (plotterListed && combo->itemData(0).toInt() == NoPlotterEntry) {
        combo->removeItem(0);
    }
    // Appended after the first entry exists, so it never becomes current
    // on its own.
    if (combo->findData(FcmEntry) < 0)
        combo->addItem(tr("FCM-Datei (Brother ScanNCut)"), FcmEntry);
}

void MainWindow::retranslateDeviceEntries()
{
    QComboBox* combo = ui->cbAusgabegeraet;
    const int placeholder = combo->findData(NoPlotterEntry);
    if (placeholder >= 0)
        combo->setItemText(placeholder, tr("No plotter found"));
    const int fcm = combo->findData(FcmEntry);
    if (fcm >= 0)
        combo->setItemText(fcm, tr("FCM-Datei (Brother ScanNCut)"));
}

void MainWindow::onCbAusgabegeraetIndexChanged(int index)
{
    if (m_currentPlotter) {
        disconnect(m_currentPlotter, &Plotter::ConfigurationDataChanged, this,
                   &MainWindow::onPlotterConfigurationDataChanged);
        ui->btnMaterialgroesseHoleWerte->setEnabled(false);
    }
    m_currentPlotter = nullptr;
    ui->btnWeitereFunktionenStartVirtuellenMonitor->setEnabled(false);
    if (index >= 0) {
        m_document->setFcmOutput(false);
        const int data = ui->cbAusgabegeraet->itemData(index).toInt();
        if (data == FcmEntry) {
            m_document->setFcmOutput(true);
        } else if (data >= 0 && m_pool) {
            m_currentPlotter = m_pool->find(data);
        }
        if (m_currentPlotter) {
            connect(m_currentPlotter, &Plotter::ConfigurationDataChanged, this,
                    &MainWindow::onPlotterConfigurationDataChanged);
            // The medium becomes the material, held to the model's cut range.
            if (m_currentPlotter->query())
                JobFit::setMaterialFromMedium(*m_document, m_currentPlotter->plotterTemplate(),
                                              m_currentPlotter->mediaWidth(),
                                              m_currentPlotter->mediaHeight());
            ui->btnMaterialgroesseHoleWerte->setEnabled(true);
            applyPlotterLimits(m_currentPlotter);
            ui->btnWeitereFunktionenStartVirtuellenMonitor->setEnabled(virtualPlotter() != nullptr);
        }
    }
    onPlotterConfigurationDataChanged();
    onDocumentDataChanged();
    fitPreviewToMaterial();
}

void MainWindow::applyPlotterLimits(Plotter* plotter)
{
    const PlotterTemplate* model = plotter->plotterTemplate();
    if (!model)
        return;
    ui->sbParameterAndruck->setRange(model->MinCutForce, model->MaxCutForce);
    ui->sbParameterGeschwindigkeit->setRange(model->MinCutSpeed, model->MaxCutSpeed);
    ui->sbMaterialgroesseBreite->setRange(model->MinCutWidth, model->MaxCutWidth);
    ui->sbMaterialgroesseHoehe->setRange(model->MinCutHeight, model->MaxCutHeight);
}

void MainWindow::onPlotterConfigurationDataChanged()
{
    Plotter* p = m_currentPlotter;
    quietly([&] {
        ui->leAktuelleEinstellungenGeraet->setText(p ? p->name() : QString());
        ui->leAktuelleEinstellungenFirmware->setText(p ? p->firmwareText() : QString());
        ui->sbAktuelleEinstellungenGeschwindigkeit->setValue(p ? p->speed() : 0);
        ui->sbAktuelleEinstellungenAndruck->setValue(p ? p->force() : 0);
        ui->sbAktuelleEinstellungenOffset->setValue(p ? p->offset() : 0);
        ui->sbAktuelleEinstellungenQualitaet->setValue(p ? p->quality() : 0);
        QRadioButton* radios[] = {ui->rbNurImPlotterMedientypRolle, ui->rbNurImPlotterMedientypBlatt,
                                  ui->rbNurImPlotterMediumtypRand, ui->rbNurImPlotterKantenglaettenEin,
                                  ui->rbNurImPlotterKantenglaettenAus, ui->rbNurImPlotterMediumAbrollenEin,
                                  ui->rbNurImPlotterMediumAbrollenAus};
        if (!p) {
            // Exclusive groups keep one radio checked; lift that for the clear.
            for (QRadioButton* rb : radios) {
                rb->group()->setExclusive(false);
                rb->setChecked(false);
                rb->group()->setExclusive(true);
            }
            return;
        }
        JobFit::setMaterialFromMedium(*m_document, p->plotterTemplate(), p->mediaWidth(),
                                      p->mediaHeight());
        Logger::debug(QStringLiteral("ABC %1").arg(p->mediaWidth()));
        (p->unrollMedium() ? ui->rbNurImPlotterMediumAbrollenEin : ui->rbNurImPlotterMediumAbrollenAus)
            ->setChecked(true);
        (p->edgeSmoothing() ? ui->rbNurImPlotterKantenglaettenEin : ui->rbNurImPlotterKantenglaettenAus)
            ->setChecked(true);
        const int type = qBound(0, p->mediaType(), 2);
        radios[type]->setChecked(true);
    });
}

void MainWindow::onRbNurImPlotterToggled(bool)
{
    if (!m_controlsLive || !m_currentPlotter)
        return;
    Plotter& p = *m_currentPlotter;
    quietly([&] {
        const bool unroll = ui->rbNurImPlotterMediumAbrollenEin->isChecked();
        const bool smoothing = ui->rbNurImPlotterKantenglaettenEin->isChecked();
        p.lock();
        if (p.open()) {
            p.sendSettings(unroll, smoothing);
            p.close();
        }
        p.unlock();
    });
    if (p.query())
        Logger::debug(QStringLiteral("Update OK"));
    onPlotterConfigurationDataChanged();
}

void MainWindow::onBtnPlottenClicked()
{
    if (m_currentPlotter && m_clock) {
        const QString refusal = JobFit::refusal(*m_document, m_currentPlotter->plotterTemplate());
        if (!refusal.isEmpty()) {
            m_messages.warning(tr("Hinweis"), refusal);
            return;
        }
        savePresetSelection();
        if (!confirmJobFigures())
            return;
        StatusDialog dialog(*m_document, m_currentPlotter, *m_clock, this);
        dialog.exec();
        return;
    }
    if (ui->cbAusgabegeraet->currentData().toInt() == FcmEntry)
        exportFcm();
}

// What the job asks of the plotter, measured on the stream it generates.
bool MainWindow::confirmJobFigures()
{
    StreamFigures f;
    const bool deviceControl = JobRunner::deviceControlFor(m_currentPlotter);
    runOffGuiThread(this, tr("Die Plotdaten werden erzeugt …"), [&] {
        BlockList blocks(deviceControl);
        // Generation uses up the extra feed a test cut left; the job still needs it.
        const double startOffset = m_document->startOffset();
        PlotDataGenerator generator(*m_document);
        generator.setDiagnostics(false);
        generator.generate(blocks);
        m_document->setStartOffset(startOffset);
        f = StreamFigures::measure(blocks.stream());
    });
    const int seconds = int(std::ceil(f.seconds(m_document->speed())));
    const QString text =
        tr("Schnittlänge: %1 m\nLeerfahrt: %2 m\nMaterialverbrauch: %3 mm\n"
           "Zeit: ca. %4:%5 min bei %6 cm/s\n\nAuftrag an den Plotter senden?")
            .arg(f.cutMm / 1000, 0, 'f', 2)
            .arg(f.travelMm / 1000, 0, 'f', 2)
            .arg(f.materialMm, 0, 'f', 0)
            .arg(seconds / 60)
            .arg(seconds % 60, 2, 10, QLatin1Char('0'))
            .arg(m_document->speed());
    return m_messages.question(tr("Auftrag"), text) == UserMessages::Yes;
}

void MainWindow::exportFcm()
{
    // The same refusals as for a plotter: an FCM file of an empty or
    // clipped job would cut something else than was drawn.
    const QString refusal = JobFit::refusal(*m_document);
    if (!refusal.isEmpty()) {
        m_messages.warning(tr("Hinweis"), refusal);
        return;
    }
    const QString name = askFile(true, tr("FCM File (*.fcm)"));
    if (name.isEmpty())
        return;
    const QImage thumbnail = m_preview->renderJobImage(m_document->materialHeight() > 300);
    FcmExport::Written written;
    runOffGuiThread(this, tr("Die FCM-Datei wird geschrieben …"),
                    [&] { written = FcmExport(*m_document).write(name, thumbnail); });
    if (!written.failed.isEmpty())
        m_messages.warning(tr("Hinweis"), tr("Die FCM-Datei konnte nicht geschrieben werden:\n%1")
                                              .arg(written.failed.join(QLatin1Char('\n'))));
}

// The virtual plotter's monitor: the picture of what it has received.
void MainWindow::onBtnWeitereFunktionenStartVirtuellenMonitorClicked()
{
    const std::shared_ptr<VirtualPlotter> plotter = virtualPlotter();
    if (!plotter)
        return;
    auto* monitor = new VirtualMonitor(plotter, this);
    monitor->setAttribute(Qt::WA_DeleteOnClose);
    monitor->show();
}

std::shared_ptr<VirtualPlotter> MainWindow::virtualPlotter() const
{
    const auto bus = std::dynamic_pointer_cast<SimulatedUsbBus>(m_backend);
    if (!bus || !m_currentPlotter)
        return nullptr;
    for (const auto& device : bus->devices())
        if (auto plotter = std::dynamic_pointer_cast<VirtualPlotter>(device))
            return plotter;
    return nullptr;
}

void MainWindow::onCbParameterTestschnittEinAusToggled(bool on)
{
    if (!m_controlsLive)
        return;
    m_document->setTestCut(on);
    if (on) {
        ui->btnPlotten->setEnabled(false);
        ui->btnParameterTestschnitt->setEnabled(true);
        m_testCutOffset = 0;
    } else {
        ui->btnParameterTestschnitt->setEnabled(false);
        ui->btnPlotten->setEnabled(m_currentPlotter != nullptr);
        if (m_currentPlotter)
            writeLocked(*m_currentPlotter, TestCut::modeOff());
    }
    m_document->notifyChanged();
}

void MainWindow::onBtnParameterTestschnittClicked()
{
    if (!m_controlsLive || !m_currentPlotter)
        return;
    m_document->setStartOffset(TestCut::NextJobStartOffsetMm);
    TestCut::Parameters test;
    test.speed = ui->sbParameterGeschwindigkeit->value();
    test.force = ui->sbParameterAndruck->value();
    test.bladeOffset = (m_document->blade() ? m_document->blade()->OffsetCorrection : 0.0)
        + m_document->offsetCorrection();
    test.modelName = m_currentPlotter->name();
    test.offsetUnits = m_testCutOffset;
    writeLocked(*m_currentPlotter, TestCut::commands(test));
    Logger::debug(QStringLiteral("Testschnitt done"));
    m_testCutOffset += TestCut::OffsetStep;
}

void MainWindow::onWeitereFunktionenMesserInitialisierung(bool on)
{
    if (!m_controlsLive)
        return;
    // No refill yet: the click that follows sets the stream's own flag,
    // which the refill shows.
    const QSignalBlocker quiet(m_document);
    m_document->setBladeInitializing(on);
}

void MainWindow::onCbMesserInitialisierung(bool on)
{
    m_document->setBladeInitialisation(on);
}
