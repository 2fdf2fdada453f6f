#pragma once

#include <QList>
#include <QObject>
#include <QUuid>

class KCLayer;
class KCObjectColor;
class Material;
class Blade;

// The one in-memory model of a cutting job: the drawing (layers, objects,
// sub-paths, segments, colour table) and every job setting the main window
// edits. Coordinates are millimetres, y pointing down. Every setter emits
// DataChanged() only when the stored value really changes.
class Document : public QObject
{
    Q_OBJECT
public:
    // Enum values are the ones stored in memory; job files hold the names.
    enum Location { Manually = 0, BottomRight = 1, BottomLeft = 2, HorizontalCentered = 3 };
    enum Rotation { NoRotation = 0, Right90 = 1, Left90 = 2, HalfRotation = 3 };
    enum Homeposition { Startposition = 0, BehindTheJob = 1, LeftBesideTheJob = 2 };
    enum Selection { LayerSelection = 2, ColorSelection = 3 };
    enum Selection2 { AllObjects = 0, AISelectedObjects = 1 };
    Q_ENUM(Location)
    Q_ENUM(Rotation)
    Q_ENUM(Homeposition)
    Q_ENUM(Selection)
    Q_ENUM(Selection2)

    static const QString MarksLayerName; // "KC-PassermarkenEbene", never cut

    // The job settings saved in job files, as stored values. Readers assign
    // them all at once through setJobSettings(), which bypasses the layout
    // rules of the single setters (proportional size, saved position, gap
    // coupling) so a file's values arrive exactly as written.
    struct JobSettings {
        int materialWidth = 100, materialHeight = 200;
        QUuid materialUid;
        int jobWidth = 0, jobHeight = 0;
        bool fitToMaterialSize = false, proportional = true;
        int right = 0, bottom = 0;
        Location location = Manually;
        Rotation rotation = NoRotation;
        bool mirrored = false;
        int copiesCount = 1, copiesHorz = 1, copiesVert = 1;
        int horzDistance = 0, vertDistance = 0;
        bool autoPlacement = false, sameDistance = true;
        bool grid = false, overcut = false;
        int gridDistance = 0, overcutAngle = 130;
        double overcutDistance = 0.0;
        int quality = 0;
        Homeposition homeposition = Startposition;
        int extraspace = 0;
        int selection = LayerSelection;
        bool segmentation = false;
        int segmentHeight = 500;
        bool stopBetweenLayers = false, differentCuttingParameter = false;
        int selection2 = AllObjects;
        bool usePassermarks = false, startJobImmediatly = false;
        bool bladeInitializing = false;

        bool operator==(const JobSettings& o) const;
        bool operator!=(const JobSettings& o) const { return !(*this == o); }
    };

    explicit Document(QObject* parent = nullptr);
    ~Document() override;

    // ---- Drawing -----------------------------------------------------------
    void clear(); // deletes the tree, empties layers and colours
    const QList<KCLayer*>& layers() const { return m_layers; }
    const QList<KCObjectColor*>& colors() const { return m_colors; }
    KCLayer* appendLayer();           // owned by the document
    KCObjectColor* appendColor();     // owned by the document, fresh uid
    KCObjectColor* colorByUid(const QUuid& uid) const; // last match, or null
    // Emits DataChanged() unconditionally; importers call it once at the end.
    void notifyChanged() { emit DataChanged(); }

    // Extent of the counted objects' segment end points (control points not
    // looked at); the marks layer and objects whose colour key component is
    // not 3, 7 or 10 are left out. +1e8 / -1e8 when nothing counts.
    double minX() const;
    double maxX() const;
    double minY() const;
    double maxY() const;
    // Widens the four bounds by sampling every segment of every layer at
    // t = j/1000 (j = 1…1000): a lower bound moves to the previous sample, an
    // upper bound one sampling step beyond the sample.
    void refineExtentByCurves(double& left, double& top, double& right, double& bottom) const;
    // The plain sampling of every segment, kept as the reference the fast
    // refineExtentByCurves() is tested against.
    void refineExtentByCurvesPlain(double& left, double& top, double& right, double& bottom) const;
    // The lower bounds alone, as refineExtentByCurves() moves them (each
    // bound moves independently of the others).
    void refineLowerExtentByCurves(double& left, double& top) const;
    // drawingWidth/Height from the extent, less the mark thickness when marks
    // were found; natural and job size rounded up to whole mm, scales 100 %.
    void updateDrawingExtent();
    // Sets the drawing size (mm) and from it the natural and job size, each
    // rounded up to whole mm, with both scales at 100 %. No signal: importers
    // emit once when they are done.
    void setDrawingSize(double width, double height);
    int nodeCount() const;
    // Takes over the drawing another document has read (its tree, extent,
    // sizes and registration marks, and the layout defaults the import
    // set), as if it had been read here. `from` is left holding the previous
    // drawing, so a caller can free a large one off its own thread.
    // Lets a drawing be read on a worker thread into a document of its own
    // (moved to this document's thread before the call). Emits DataChanged().
    void adoptDrawing(Document& from);
    // Layout defaults of a freshly imported drawing: copies at the same
    // distance, 5 mm from the right and bottom edges, registration marks
    // used when found. Written straight into the fields, so the setters'
    // layout rules carry nothing over from the previous drawing.
    void applyExchangeImportDefaults();

    // Registration marks (RegistrationMarks.cpp): measures the marks on the
    // layer "KC-PassermarkenEbene" by their colour codes, and adds a colour
    // entry for every artwork colour the table lacks.
    void ReadAdobeIllustratorPasserMarks();
    void completeColorTable();

    double drawingWidth() const { return m_drawingWidth; }
    double drawingHeight() const { return m_drawingHeight; }
    void setDrawingWidth(double v) { m_drawingWidth = v; }
    void setDrawingHeight(double v) { m_drawingHeight = v; }
    // Whole-mm drawing size; the reference of the scale percentages.
    int naturalWidth() const { return m_naturalWidth; }
    int naturalHeight() const { return m_naturalHeight; }
    void setNaturalWidth(double v);  // truncated to whole mm
    void setNaturalHeight(double v); // truncated to whole mm

    QList<Material*>& materials() { return m_materials; }
    const QList<Material*>& materials() const { return m_materials; }
    QList<Blade*>& blades() { return m_blades; }
    const QList<Blade*>& blades() const { return m_blades; }
    Material* material() const { return m_material; }
    void setMaterial(Material* m);
    Blade* blade() const { return m_blade; }
    void setBlade(Blade* b);

    // ---- Registration marks (mm, drawing coordinates) ------------------------
    bool marksFound() const { return m_marksFound; }
    void setMarksFound(bool v) { m_marksFound = v; }
    bool code9MarkFound() const { return m_code9MarkFound; }
    void setCode9MarkFound(bool v) { m_code9MarkFound = v; }
    double passerXOrigin() const { return m_passerXOrigin; }
    void setPasserXOrigin(double v) { m_passerXOrigin = v; }
    double passerXWidth() const { return m_passerXWidth; }
    void setPasserXWidth(double v) { m_passerXWidth = v; }
    double passerYOrigin() const { return m_passerYOrigin; }
    void setPasserYOrigin(double v) { m_passerYOrigin = v; }
    double passerOffsetY() const { return m_passerOffsetY; }
    void setPasserOffsetY(double v) { m_passerOffsetY = v; }
    double passerLength() const { return m_passerLength; }
    void setPasserLength(double v) { m_passerLength = v; }
    double passerThickness() const { return m_passerThickness; }
    void setPasserThickness(double v) { m_passerThickness = v; }
    double passerXDistance() const { return m_passerXDistance; }
    void setPasserXDistance(double v) { m_passerXDistance = v; }
    double passerYDistance() const { return m_passerYDistance; }
    void setPasserYDistance(double v) { m_passerYDistance = v; }
    double passerXOffset() const { return m_passerXOffset; }
    void setPasserXOffset(double v) { m_passerXOffset = v; }
    double passerYOffset() const { return m_passerYOffset; }
    void setPasserYOffset(double v) { m_passerYOffset = v; }
    // Corrections from the registration-mark settings (mm).
    double passerXCorrection() const { return m_passerXCorrection; }
    void setPasserXCorrection(double v);
    double passerYCorrection() const { return m_passerYCorrection; }
    void setPasserYCorrection(double v);

    // ---- Run-time flags ----------------------------------------------------
    bool fcmOutput() const { return m_fcmOutput; }
    void setFcmOutput(bool v);
    bool usePlotterSettings() const { return m_usePlotterSettings; }
    void setUsePlotterSettings(bool v); // emits on every call
    // One-shot extra feed (mm) for the next generated job; set by a test cut.
    double startOffset() const { return m_startOffset; }
    void setStartOffset(double v) { m_startOffset = v; }
    bool bladeInitialisation() const { return m_bladeInitialisation; }
    void setBladeInitialisation(bool v);
    // Blade-offset correction (mm) added to the selected blade's correction.
    double offsetCorrection() const { return m_offsetCorrection; }
    void setOffsetCorrection(double v);
    bool testCut() const { return m_testCut; }
    void setTestCut(bool v) { m_testCut = v; }
    // Size the job to the objects selected in the host program.
    bool fitJobToSelection() const { return m_fitJobToSelection; }
    void setFitJobToSelection(bool v);
    // Tell the plotter that a sheet, not a roll, is loaded.
    bool sheetMediaCommand() const { return m_sheetMediaCommand; }
    void setSheetMediaCommand(bool v);

    // Cutting parameters chosen for one layer or colour. Kept with the job;
    // plot generation cuts every layer and colour with the job parameters.
    struct LayerParameters {
        int medium = 0;   // medium preselection 0..3
        int speed = 0;    // cm/s
        int pressure = 1; // g
        int passes = 0;
        int tool = 0, lineType = 0; // 0..6
        int patternLength = 0;      // mm
        bool operator==(const LayerParameters& o) const;
    };
    const LayerParameters& layerParameters() const { return m_layerParameters; }
    void setLayerParameters(const LayerParameters& p);

    // ---- Job parameters ----------------------------------------------------
    int speed() const { return m_speed; }          // cm/s
    void setSpeed(int v);
    int pressure() const { return m_pressure; }    // g
    void setPressure(int v);
    int passes() const { return m_passes; }
    void setPasses(int v);
    int patternLength() const { return m_patternLength; }
    void setPatternLength(int v);

    // ---- Job settings (saved in job files) -----------------------------------
    JobSettings jobSettings() const;
    // Assigns every field as given; emits DataChanged() once when any changed.
    void setJobSettings(const JobSettings& s);
    // MaterialSize
    int materialWidth() const { return m_s.materialWidth; }   // mm across
    void setMaterialWidth(int v);
    int materialHeight() const { return m_s.materialHeight; } // mm along (feed)
    void setMaterialHeight(int v);
    QUuid materialUid() const { return m_s.materialUid; }
    void setMaterialUid(const QUuid& v);
    // JobSize, in the drawing's own orientation
    int jobWidth() const { return m_s.jobWidth; }
    void setJobWidth(int w);
    int jobHeight() const { return m_s.jobHeight; }
    void setJobHeight(int h);
    double widthScale() const { return m_widthScale; }   // percent
    void setWidthScale(double p);
    double heightScale() const { return m_heightScale; } // percent
    void setHeightScale(double p);
    bool fitToMaterialSize() const { return m_s.fitToMaterialSize; }
    void setFitToMaterialSize(bool v);
    bool proportional() const { return m_s.proportional; }
    void setProportional(bool v);
    // Position
    int right() const { return m_s.right; }
    void setRight(int v);
    int bottom() const { return m_s.bottom; }
    void setBottom(int v);
    Location location() const { return m_s.location; }
    void setLocation(Location v);
    Rotation rotation() const { return m_s.rotation; }
    void setRotation(Rotation v);
    bool mirrored() const { return m_s.mirrored; }
    void setMirrored(bool v);
    // Copies
    int copiesCount() const { return m_s.copiesCount; }
    void setCopiesCount(int v);
    int copiesHorz() const { return m_s.copiesHorz; }
    void setCopiesHorz(int v);
    int copiesVert() const { return m_s.copiesVert; }
    void setCopiesVert(int v);
    int horzDistance() const { return m_s.horzDistance; }
    void setHorzDistance(int v);
    int vertDistance() const { return m_s.vertDistance; }
    void setVertDistance(int v);
    bool autoPlacement() const { return m_s.autoPlacement; }
    void setAutoPlacement(bool v);
    bool sameDistance() const { return m_s.sameDistance; }
    void setSameDistance(bool v);
    // GridOvercutQuality
    bool grid() const { return m_s.grid; }
    void setGrid(bool v);
    bool overcut() const { return m_s.overcut; }
    void setOvercut(bool v);
    int gridDistance() const { return m_s.gridDistance; }
    void setGridDistance(int v);
    int overcutAngle() const { return m_s.overcutAngle; }   // degrees
    void setOvercutAngle(int v);
    double overcutDistance() const { return m_s.overcutDistance; } // mm
    void setOvercutDistance(double v);
    int quality() const { return m_s.quality; } // 0 high quality, else production
    void setQuality(int v);
    // FinalHeadPosition
    Homeposition homeposition() const { return m_s.homeposition; }
    void setHomeposition(Homeposition v);
    int extraspace() const { return m_s.extraspace; }
    void setExtraspace(int v);
    // ObjectSelection
    int selection() const { return m_s.selection; } // Selection value; others cut nothing
    void setSelection(int v);
    bool segmentation() const { return m_s.segmentation; }
    void setSegmentation(bool v);
    int segmentHeight() const { return m_s.segmentHeight; }
    void setSegmentHeight(int v);
    bool stopBetweenLayers() const { return m_s.stopBetweenLayers; }
    void setStopBetweenLayers(bool v);
    bool differentCuttingParameter() const { return m_s.differentCuttingParameter; }
    void setDifferentCuttingParameter(bool v);
    // ObjectSelection2
    int selection2() const { return m_s.selection2; }
    void setSelection2(int v);
    bool usePassermarks() const { return m_s.usePassermarks; }
    void setUsePassermarks(bool v);
    bool startJobImmediatly() const { return m_s.startJobImmediatly; }
    void setStartJobImmediatly(bool v);
    // AdvancedFunctions
    bool bladeInitializing() const { return m_s.bladeInitializing; }
    void setBladeInitializing(bool v);

signals:
    void DataChanged();

private:
    template <class T> void change(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        emit DataChanged();
    }

    QList<KCLayer*> m_layers;
    QList<KCObjectColor*> m_colors;
    QList<Material*> m_materials;
    QList<Blade*> m_blades;
    Material* m_material = nullptr;
    Blade* m_blade = nullptr;

    double m_drawingWidth = 0, m_drawingHeight = 0;
    int m_naturalWidth = 0, m_naturalHeight = 0;

    bool m_marksFound = false, m_code9MarkFound = false;
    double m_passerXOrigin = 0, m_passerXWidth = 0, m_passerYOrigin = 0, m_passerOffsetY = 0;
    double m_passerLength = 0, m_passerThickness = 0;
    double m_passerXDistance = 0, m_passerYDistance = 0;
    double m_passerXOffset = 0, m_passerYOffset = 0;
    double m_passerXCorrection = 0, m_passerYCorrection = 0;

    bool m_fcmOutput = false, m_usePlotterSettings = false;
    double m_startOffset = 0;
    bool m_bladeInitialisation = false;
    double m_offsetCorrection = 0;
    bool m_testCut = false;
    bool m_fitJobToSelection = false, m_sheetMediaCommand = false;
    LayerParameters m_layerParameters;

    int m_speed = 0, m_pressure = 0, m_passes = 1, m_patternLength = 0;

    // The saved fields; savedRight/Bottom and the scales are layout state.
    JobSettings m_s;
    int m_savedRight = 0, m_savedBottom = 0;
    double m_widthScale = 100.0, m_heightScale = 100.0;
};
