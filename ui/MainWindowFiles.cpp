// Materials in the presets file, job files, the drawing, "Testdata" and
// "Info".
#include "ui/MainWindow.h"

#include "ui/MainWindowForm.h"

#include "device/Plotter.h"
#include "document/Document.h"
#include "document/ExchangeImport.h"
#include "document/JobFile.h"
#include "job/TestDataDump.h"
#include "platform/UserMessages.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PresetsFile.h"
#include "ui/AboutDialog.h"
#include "ui/NewMaterialDialog.h"

#include <QDir>
#include <QFileDialog>

// ---- Materials ----------------------------------------------------------------

void MainWindow::onCbMaterialIndexChanged(int index)
{
    if (!m_controlsLive || index < 0)
        return;
    ui->btnMaterialEntfernen->setEnabled(false);
    const KerfcraftPresets* presets = KerfcraftPresets::instance();
    Material* material =
        presets ? presets->materialById(ui->cbMaterial->itemData(index).toInt()) : nullptr;
    if (!material)
        return;
    Document& d = *m_document;
    const QSignalBlocker quiet(&d);
    d.setMaterial(material);
    d.setMaterialUid(material->UId);
    d.setSpeed(material->Speed);
    d.setPressure(material->Force);
    d.setPasses(material->Passages);
    d.setPatternLength(material->PatternLength);
    if (Blade* blade = presets->bladeById(material->Blade))
        d.setBlade(blade);
    ui->gbParameter->setTitle(tr("Parameter für ") + material->Name);
    ui->btnMaterialEntfernen->setEnabled(!material->IsDefault);
    ui->btnParameterSpeichernAktuelleEinstellungen->setEnabled(false);
    d.blockSignals(false);
    d.notifyChanged();
}

void MainWindow::onBtnMaterialHinzufuegenClicked()
{
    KerfcraftPresets* presets = KerfcraftPresets::instance();
    if (!presets)
        return;
    NewMaterialDialog dialog(presets, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int id = PresetsFile(*presets, m_messages)
                       .addMaterial(dialog.name(), dialog.parameters(), currentLanguageCode());
    fillPresetLists();
    if (id >= 0)
        ui->cbMaterial->setCurrentIndex(ui->cbMaterial->findData(id));
}

void MainWindow::onBtnMaterialEntfernenClicked()
{
    KerfcraftPresets* presets = KerfcraftPresets::instance();
    if (!presets || ui->cbMaterial->currentIndex() < 0)
        return;
    PresetsFile(*presets, m_messages).removeMaterial(ui->cbMaterial->currentData().toInt());
    ui->btnMaterialEntfernen->setEnabled(false);
    fillPresetLists();
    // The removed material leaves the list; the one now shown applies.
    onCbMaterialIndexChanged(ui->cbMaterial->currentIndex());
}

void MainWindow::onBtnParameterSpeichernAktuelleEinstellungenClicked()
{
    KerfcraftPresets* presets = KerfcraftPresets::instance();
    const Material* material = m_document->material();
    if (!presets || !material)
        return;
    const int id = material->ID;
    MaterialParameters params;
    params.speed = m_document->speed();
    params.force = m_document->pressure();
    params.passages = m_document->passes();
    params.blade = m_document->blade() ? m_document->blade()->ID : 0;
    PresetsFile(*presets, m_messages).storeParameters(id, params, m_document);
    ui->btnParameterSpeichernAktuelleEinstellungen->setEnabled(false);
    fillPresetLists();
    quietly([&] { selectComboData(ui->cbMaterial, id); });
}

// ---- Job files ----------------------------------------------------------------

QString MainWindow::askFile(bool save)
{
    if (m_fileAsk)
        return m_fileAsk(save);
    const QString title = tr("Waehlen");
    const QString filter = tr("Kerfcraft Dateien (*.kcf)");
    return save ? QFileDialog::getSaveFileName(this, title, QDir::currentPath(), filter)
                : QFileDialog::getOpenFileName(this, title, QDir::currentPath(), filter);
}

void MainWindow::onBtnSaveClicked()
{
    const QString name = askFile(true);
    if (name.isEmpty())
        return;
    if (!JobFile::save(*m_document, name))
        m_messages.warning(tr("Hinweis"),
                           tr("Die Datei %1 konnte nicht gespeichert werden.").arg(name));
}

void MainWindow::onBtnLoadClicked()
{
    const QString name = askFile(false);
    if (name.isEmpty())
        return;
    if (!JobFile::load(*m_document, name)) {
        m_messages.warning(tr("Hinweis"),
                           tr("Die Datei %1 konnte nicht gelesen werden.").arg(name));
        return;
    }
    if (m_currentPlotter) {
        m_document->setMaterialWidth(m_currentPlotter->mediaWidth());
        m_document->setMaterialHeight(m_currentPlotter->mediaHeight());
    }
    // The job names its material by UUID; the presets list it by ID.
    const KerfcraftPresets* presets = KerfcraftPresets::instance();
    for (Material* m : presets ? presets->materials() : QList<Material*>()) {
        if (m->UId != m_document->materialUid())
            continue;
        m_document->setMaterial(m);
        quietly([&] { selectComboData(ui->cbMaterial, m->ID); });
        break;
    }
    onDocumentDataChanged();
}

void MainWindow::loadDrawing(const QStringList& texts, bool isSvg)
{
    importExchangeText(*m_document, texts, isSvg);
}

// ---- Test data and about --------------------------------------------------------

void MainWindow::onBtnTestDataClicked()
{
    const TestDataDump::Result result = TestDataDump::dump(
        *m_document, true, m_testDataPath.isEmpty() ? TestDataDump::defaultPath() : m_testDataPath);
    m_messages.information(QString(), QStringLiteral("%1").arg(result.characters));
}

void MainWindow::onBtnInformationClicked()
{
    AboutDialog dialog(m_messages, nullptr, this);
    dialog.exec();
}
