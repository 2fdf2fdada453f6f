// Materials in the presets file, job files, the drawing, "Testdata" and
// "Info".
#include "ui/MainWindow.h"

#include "ui/MainWindowForm.h"

#include "device/Plotter.h"
#include "document/Document.h"
#include "document/ExchangeImport.h"
#include "document/DrawingFile.h"
#include "document/JobFile.h"
#include "job/TestDataDump.h"
#include "platform/UserMessages.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PresetsFile.h"
#include "ui/AboutDialog.h"
#include "ui/NewMaterialDialog.h"
#include "ui/OffGuiThread.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QDir>
#include <QThread>
#include <QTimer>
#include <QFileDialog>
#include <QFileInfo>

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

QString MainWindow::askFile(bool save, const QString& filter)
{
    if (m_fileAsk)
        return m_fileAsk(save, filter);
    const QString title = tr("Waehlen");
    return save ? QFileDialog::getSaveFileName(this, title, QDir::currentPath(), filter)
                : QFileDialog::getOpenFileName(this, title, QDir::currentPath(), filter);
}

void MainWindow::onBtnSaveClicked()
{
    const QString name = askFile(true, tr("Kerfcraft Dateien (*.kcf)"));
    if (name.isEmpty())
        return;
    bool saved = false;
    QString error;
    runOffGuiThread(this, tr("Die Auftragsdatei wird gespeichert …"),
                    [&] { saved = JobFile::save(*m_document, name, &error); });
    if (!saved)
        m_messages.warning(tr("Hinweis"),
                           tr("Die Datei %1 konnte nicht gespeichert werden.").arg(name) + QLatin1Char('\n') + error);
}

void MainWindow::onBtnLoadClicked()
{
    const QString name = askFile(false, tr("Kerfcraft Dateien (*.kcf)"));
    if (name.isEmpty())
        return;
    std::unique_ptr<Document> staged = readStaged(
        tr("Die Auftragsdatei wird geladen …"), [&](Document& doc) { return JobFile::load(doc, name, &m_messages); });
    if (!staged) {
        m_messages.warning(tr("Hinweis"),
                           tr("Die Datei %1 konnte nicht gelesen werden.").arg(name));
        return;
    }
    adoptStaged(std::move(staged), true);
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

// A drawing of a million nodes takes seconds to read: it is read on a
// worker thread into a document of its own (created there, so its tree
// belongs to that thread until handed over), which the window's document
// then takes over. It starts from the window's job settings, so that a job
// file lacking a key keeps the value shown. Null when `read` said no: the
// window's document stays as it was.
std::unique_ptr<Document> MainWindow::readStaged(const QString& text,
                                                 const std::function<bool(Document&)>& read)
{
    QThread* gui = thread();
    const Document::JobSettings start = m_document->jobSettings();
    std::unique_ptr<Document> staged;
    runOffGuiThread(this, text, [&] {
        auto doc = std::make_unique<Document>();
        {
            const QSignalBlocker quiet(doc.get());
            doc->setJobSettings(start);
        }
        if (!read(*doc))
            return;
        doc->moveToThread(gui);
        staged = std::move(doc);
    });
    return staged;
}

void MainWindow::adoptStaged(std::unique_ptr<Document> staged, bool withJobSettings)
{
    {
        const QSignalBlocker quiet(m_document);
        m_document->adoptDrawing(*staged);
        if (withJobSettings)
            m_document->setJobSettings(staged->jobSettings());
    }
    // Freeing the previous drawing of a million nodes takes longer than a
    // frame: a thread of its own does it, once the window has refilled and
    // painted, since its frees would compete with the GUI thread's.
    if (staged->nodeCount() > 100000) {
        Document* old = staged.release();
        QThread* disposal = QThread::create([old] { delete old; });
        old->moveToThread(disposal);
        connect(disposal, &QThread::finished, disposal, &QObject::deleteLater);
        QTimer::singleShot(1000, disposal, [disposal] { disposal->start(); });
    }
    m_document->notifyChanged();
}

void MainWindow::loadDrawing(const QStringList& texts, bool isSvg)
{
    std::unique_ptr<Document> staged =
        readStaged(tr("Die Zeichnung wird geladen …"), [&](Document& doc) {
            importExchangeText(doc, texts, isSvg);
            return true;
        });
    adoptStaged(std::move(staged), false);
}

bool MainWindow::openFile(const QString& path)
{
    DrawingFile::LoadResult r;
    std::unique_ptr<Document> staged = readStaged(tr("Die Zeichnung wird geladen …"), [&](Document& doc) {
        r = DrawingFile::load(doc, path, DrawingFile::SvgRoute::AnyDrawing, &m_messages);
        return r.ok;
    });
    if (!staged) {
        m_messages.warning(tr("Hinweis"), r.error);
        return false;
    }
    adoptStaged(std::move(staged), DrawingFile::kindOf(path) == DrawingFile::Kind::Kcf);
    if (!r.leftOut.isEmpty())
        m_messages.information(tr("Hinweis"),
                               tr("Nicht übernommen:\n%1").arg(r.leftOut.join(QLatin1Char('\n'))));
    setWindowTitle(QStringLiteral("Kerfcraft – %1").arg(QFileInfo(path).fileName()));
    onDocumentDataChanged();
    return true;
}

namespace {
// The one local drawing or job file a drag carries, else empty.
QString droppedDrawing(const QMimeData* mime)
{
    const QList<QUrl> urls = mime ? mime->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString path = urls.first().toLocalFile();
    return DrawingFile::kindOf(path) == DrawingFile::Kind::Unknown ? QString() : path;
}
} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedDrawing(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedDrawing(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openFile(path);
}

// ---- Test data and about --------------------------------------------------------

void MainWindow::onBtnTestDataClicked()
{
    TestDataDump::Result result;
    runOffGuiThread(this, tr("Die Plotdaten werden erzeugt …"), [&] {
        result = TestDataDump::dump(*m_document, true,
                                    m_testDataPath.isEmpty() ? TestDataDump::defaultPath() : m_testDataPath);
    });
    m_messages.information(QString(), QStringLiteral("%1").arg(result.characters));
}

void MainWindow::onBtnInformationClicked()
{
    AboutDialog dialog(m_messages, m_installer, this);
    dialog.exec();
}
