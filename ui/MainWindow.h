#pragma once

#include <QList>
#include <QLocale>
#include <QMainWindow>
#include <QMutex>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class Clock;
class Document;
class Plotter;
class Plotterpool;
class Preview;
class QListWidgetItem;
class QWidget;
class Translations;
class USBDevices;
class VirtualPlotter;
class UsbBackend;
class UsbDriverInstaller;
class UserMessages;
struct MainWindowForm;

// The cutting front-end's one window. It owns the Document for its whole
// life, edits every job setting through the controls of its four tabs,
// keeps the output-device list in step with the plotter pool and starts
// jobs, test cuts and the job-file and material functions.
//
// Every control that mirrors a document value is refilled from the document
// on DataChanged() with the controls-live flag cleared; while it is clear
// the value slots return at once, so refilling never writes back.
//
// The slots are spread over one source file per area: MainWindow.cpp
// (start-up, refill, language), MainWindowAllgemein.cpp, MainWindowOptionen.cpp,
// MainWindowObjektauswahl.cpp, MainWindowPlotter.cpp (devices, plot, test
// cut) and MainWindowFiles.cpp (materials, job files, test data).
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // texts: the exchange text list start-up found; isSvg: its one entry is
    // an SVG file. translations: the languages offered in cbSprache (none:
    // German only).
    MainWindow(const QStringList& texts, bool isSvg, UserMessages& messages,
               Translations* translations = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Replaces the drawing by a ".kcj", ".svg"/".svgz" or ".kcf" file (named on
    // the command line or dropped on the window). A file that is not a drawing
    // of its kind gives a warning naming the file and the reason, and false;
    // an SVG leaves the drawing as it was, the other kinds an empty one.
    bool openFile(const QString& path);

    Document& document() { return *m_document; }
    Plotter* currentPlotter() const { return m_currentPlotter; }

    // The plotter pool on this backend; the bus is scanned 100 ms after the
    // window is first shown and on "Erneuern". installer: offered when a
    // plotter cannot be opened for lack of a driver or permission, and used
    // by the about dialog's removal.
    void attachDevices(std::shared_ptr<UsbBackend> backend, Clock& clock,
                       UsbDriverInstaller* installer = nullptr);

    // Asks for a file name (save: for writing) with a filter ("Kerfcraft
    // Dateien (*.kcf)", "FCM File (*.fcm)"); empty when cancelled.
    // Replaceable so the file buttons can run without a dialog.
    using FileAsk = std::function<QString(bool save, const QString& filter)>;
    void setFileAsk(FileAsk ask) { m_fileAsk = std::move(ask); }
    // Where "Testdata" writes the last generated stream.
    void setTestDataPath(const QString& path) { m_testDataPath = path; }

    // Loads a drawing of the exchange text list in the background while the
    // window keeps painting; a progress dialog shows for long drawings.
    void loadDrawing(const QStringList& texts, bool isSvg);
    // A drawing or job file the user opened directly (an SVG as any
    // drawing). A file that cannot be read is reported and leaves the
    // drawing as it was; what an SVG import left out is shown as a note.


public slots:
    void UpdatePlotterInfos();
    void ondsbPassermarkenXKorrekturValueChanged(double value);
    void ondsbPassermarkenYKorrekturValueChanged(double value);
    void onLanguageChangedDone();
    void onPlotterAdded(Plotter* plotter);
    void onPlotterRemoved(Plotter* plotter);
    void onPlotterConfigurationDataChanged();
    void onBtnBeendenClicked();
    void onBtnPlottenClicked();
    void onBtnInformationClicked();
    void onCbSpracheIndexChanged(int index);
    void onBtnSaveClicked();
    void onBtnLoadClicked();
    void onBtnRescanClicked();
    void onBtnTestDataClicked();
    void onDocumentDataChanged();
    void onCbAusgabegeraetIndexChanged(int index);
    void onCbMaterialIndexChanged(int index);
    void onBtnMaterialHinzufuegenClicked();
    void onBtnMaterialEntfernenClicked();
    void onSbMaterialgroesseBreiteValueChanged(int value);
    void onSbMaterialgroesseHoeheValueChanged(int value);
    void onSbJobgroesseBreiteValueChanged(int value);
    void onSbJobgroesseHoeheValueChanged(int value);
    void onSbJobgroesseProzentBreiteValueChanged(double value);
    void onSbJobgroesseProzentHoeheValueChanged(double value);
    void onCbJobgroesseProportionalToggled(bool on);
    void onBtnMaterialgroesseHoleWerteClicked();
    void onBtnJobgroesseAufOriginalgroesseZuruecksetzenClicked();
    void onCbJobgroesseAnMaterialbreiteAnpassenToggled(bool on);
    void onSbPositionRechtsValueChanged(int value);
    void onSbPositionUntenValueChanged(int value);
    void onCbPositionLageIndexChanged(int index);
    void onCbPositionRotationIndexChanged(int index);
    void onCbPositionSpiegelnToggled(bool on);
    void onSbKopienHorzOderAnzahlValueChanged(int value);
    void onSbKopienHorzAbstandValuechanged(int value);
    void onSbKopienVertValueChanged(int value);
    void onSbKopienVertAbstandValueChanged(int value);
    void onCbKopienAutomatischVerteilenToggled(bool on);
    void onCbKopienGleicheAbstaendeToggled(bool on);
    void onCbEntgitternEntgitterrahmenToggled(bool on);
    void onSbEntgitternEntgitterrahmenAbstandValueChanged(int value);
    void onCbEntgitternUeberschnittToggled(bool on);
    void onSbEntgitternUeberschnittWertValueChanged(int value);
    void onSbEntgitternUeberschnittWinkelChanged(int value);
    void onCbEntgitternQualitaetIndexChanged(int index);
    void onRbEndpositionStartpositionClicked();
    void onRbEndpositionHinterDemJobClicked();
    void onRbEndpositionLinksNebenDemJobClicked();
    void onSbEndpositionVorschubNachDemPlottenValueChanged(int value);
    void onSbParameterGeschwindigkeitValueChanged(int value);
    void onSbParameterAndruckValueChanged(int value);
    void onSbParameterDurchgaengeValueChanged(int value);
    void onBtnParameterSpeichernAktuelleEinstellungenClicked();
    void onBtnParameterTestschnittClicked();
    void onCbParameterPlottereinstellungenBenutzenToggled(bool on);
    void onCbParameterTestschnittEinAusToggled(bool on);
    void onCbParameterLinientypIndexChanged(int index);
    void onSbParameterMusterlaengeValueChanged(int value);
    void onCbWerkzeugauswahlWerkzeugIndexChanged(int index);
    void onSbWerkzeugauswahlOffsetKorrekturValueChanged(double value);
    void onLvObjektauswahlItemChanged(QListWidgetItem* item);
    void onLvObjektauswahlCurrentRowChanged(int row);
    void onRbObjektauswahlAuswahlNachEbenenClicked();
    void onRbObjektauswahlAuswahlNachFarbenClicked();
    void onCbObjektauswahlSegmentierungToggled(bool on);
    void onSbObjektauswahlSegmenthoeheValueChanged(int value);
    void onCbObjektauswahlPauseZwischenEbenenToggled(bool on);
    void onCbObjektauswahlUnterschiedlicheSchneideparameterToggled(bool on);
    void onCbParameterFuerMediumVorauswahlIndexChanged(int index);
    void onSbParameterFuerGeschwindigkeitValueChanged(int value);
    void onSbParameterFuerAndruckValueChanged(int value);
    void onSbParameterFuerDurchgaengeValueChanged(int value);
    void onCbParameterFuerWerkzeugauswahlIndexChanged(int index);
    void onCbParameterFuerLinientypIndexChanged(int index);
    void onSbParameterFuerMusterlaengeValueChanged(int value);
    void onBtnParameterFuerEintragNeuesMediumClicked();
    void onBtnParameterFuerSpeichernMediumClicked();
    void onRbObjektauswahlAlleObjekteClicked();
    void onRbObjektauswahlNurMarkierteClicked();
    void onCbObjektauswahlPassermarkenBenutzenToggled(bool on);
    void onCbObjektauswahlJobgroesseAnAuswahlAnpassenToggled(bool on);
    void onWeitereFunktionenMesserInitialisierung(bool on);
    void onCbMesserInitialisierung(bool on);
    void onRbNurImPlotterToggled(bool on);
    void onRb12Inch(bool on);
    void onRb24Inch(bool on);
    void delayedShowEvent();
    void onCbPlotSheetCmdToggled(bool on);
    void onBtnWeitereFunktionenStartVirtuellenMonitorClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A drawing or job file dropped on the window opens like one named on
    // the command line.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectAllgemein();
    void connectOptionen();
    void connectObjektauswahl();
    void connectPlotter();
    void fillLanguages();
    void fillPresetLists();
    void selectComboData(class QComboBox* combo, int data);
    void refillAllgemein();
    void refillOptionen();
    void refillObjektauswahl();
    void applySettingRanges();
    void applyEnabling();
    void applyOutputMode();
    void fillObjectList();
    void applyPlotterLimits(Plotter* plotter);
    void applyPlaceholderRule();
    void retranslateDeviceEntries();
    void savePresetSelection();
    void fitPreviewToMaterial();
    void refreshPreview();
    QString currentLanguageCode() const;
    QString askFile(bool save, const QString& filter);
    bool confirmJobFigures();
    std::unique_ptr<Document> readStaged(const QString& text, const std::function<bool(Document&)>& read);
    // Takes the staged drawing over (and the job settings of a job file),
    // with one DataChanged() at the end, and frees the previous drawing.
    void adoptStaged(std::unique_ptr<Document> staged, bool withJobSettings);
    void exportFcm();
    std::shared_ptr<VirtualPlotter> virtualPlotter() const;
    // Applies fn to the document with the controls-live flag cleared.
    template <class Fn> void quietly(Fn fn)
    {
        const bool was = m_controlsLive;
        m_controlsLive = false;
        fn();
        m_controlsLive = was;
    }

    QTimer m_plotterTimer;
    QMutex m_plotterMutex;
    QList<Plotter*> m_addedPlotters;
    QList<Plotter*> m_removedPlotters;
    QTimer m_languageTimer;
    Preview* m_preview = nullptr;
    int m_testCutOffset = 0; // plotter units along the feed
    std::unique_ptr<MainWindowForm> ui;
    bool m_controlsLive = true;
    bool m_shownOnce = false;
    Document* m_document = nullptr;
    QLocale m_locale;
    Plotter* m_currentPlotter = nullptr;

    UserMessages& m_messages;
    Translations* m_translations = nullptr;
    Clock* m_clock = nullptr;
    std::shared_ptr<UsbBackend> m_backend;
    USBDevices* m_devices = nullptr;
    UsbDriverInstaller* m_installer = nullptr;
    Plotterpool* m_pool = nullptr;
    bool m_devicesReady = false;
    int m_frameWidthBeforeSwitch = 0;
    QString m_savedLanguage; // read before the first switch overwrites it
    FileAsk m_fileAsk;
    QString m_testDataPath;
};
