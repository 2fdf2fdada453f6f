#pragma once

#include "plot/Commands.h"
#include "plot/CutGeometry.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <QVector>

class KCObject;
class KCNode;
class HeadTransform;

// The tool head during one generation run: position and pen state, a stack
// of origins (first copy, copy, frame interior), the command buffer the run
// appends to, and the overcut at path ends and sharp corners. Turns moves
// into pen-up/pen-down commands in plotter units, drops repeated moves,
// follows the job's extent, flattens curves into chords and records what it
// cut for the FCM export.
//
// Positions are millimetres in the material frame (x across, y along).
// One head per run and per thread.
class CuttingHead : public QObject
{
    Q_OBJECT
public:
    struct Point {
        double x = 0, y = 0;
    };

    explicit CuttingHead(QObject* parent = nullptr);

    // Limits of the pen-move coordinates (mm); 1e6 until set.
    void setMaterialSize(double width, double height);
    // Overcut on/off, corner threshold (degrees: corners at most this sharp
    // are overcut) and overcut length (mm).
    void setOvercut(bool on, double angle, double distance);
    bool overcutOn() const { return m_overcutOn; }
    double overcutAngle() const { return m_overcutAngle; }
    double overcutDistance() const { return m_overcutDistance; }

    // Diagnostic lines (corner angles, every taken block) on the debug
    // channel; on by default. A long job writes one line per corner.
    void setDiagnostics(bool on) { m_diagnostics = on; }
    // Geometry record for the FCM export; on by default. Plot generation
    // switches it off, it never reads it.
    void setRecordGeometry(bool on) { m_recordGeometry = on; }
    // Pen-move text and the extent that follows it; on by default. The FCM
    // export needs only the geometry record and switches it off: curves
    // then skip their inner chords. Geometry and positions stay the same
    // bit for bit.
    void setEmitCommands(bool on) { m_emitCommands = on; }

    // ---- Origins ---------------------------------------------------------------
    // Empties the stack, puts the head at (0, 0), pushes (0, 0) and starts a
    // new object in the geometry record.
    void resetOrigins();
    void pushOrigin();     // pushes the current position
    void popOrigin();      // the head goes to the removed entry
    void returnToOrigin(); // the head goes to the top entry; stack unchanged
    Point origin() const { return m_origins.isEmpty() ? Point{} : m_origins.last(); }
    int originDepth() const { return m_origins.size(); }

    // ---- Moves (relative to the top origin) ---------------------------------------
    void moveTo(double x, double y);
    void penDown();
    void penUp();
    // Cubic from p0 to p3 with controls c1, c2 in `steps` chords. `first`
    // and `closed` say whether this is the first segment of a closed
    // sub-path, whose start gets no overcut.
    void curveTo(Point p0, Point c1, Point c2, Point p3, int steps, bool first, bool closed);
    // All sub-paths of one drawing object, transformed into the head frame.
    void outputObject(const KCObject& object, const HeadTransform& transform);

    // Chords for a curve: about two per scaled millimetre, 3 … 5000.
    static int curveSteps(double nodeLength, double scale);

    // ---- Buffer -------------------------------------------------------------------
    void append(const QByteArray& commands);
    // Appends "PU;", hands out the buffer and empties it.
    QByteArray take();
    const QByteArray& buffer() const { return m_buffer; }

    // ---- State --------------------------------------------------------------------
    Point position() const { return m_cur; }
    bool isPenDown() const { return m_penDown; }
    // Largest x and y of every emitted move, limited to the material.
    Point maximum() const { return m_max; }
    Point minimum() const { return m_min; }

    const CutGeometry::Record& geometry() const { return m_geometry; }

    // Carried for the FCM export.
    QString fcmName() const { return m_fcmName; }
    void setFcmName(const QString& n) { m_fcmName = n; }
    int matFlag() const { return m_matFlag; }
    void setMatFlag(int f) { m_matFlag = f; }
    QImage thumbnail() const { return m_thumbnail; }
    void setThumbnail(const QImage& i) { m_thumbnail = i; }

private:
    void emitPoint();
    void curveRecord(Point o, Point c1, Point c2, Point p3);
    void corner(Point next, bool incomingCut, bool atEnd);
    void addNodeCut(const KCNode& node, int index, bool closed, const HeadTransform& t,
                    double scale);

    CutGeometry::Piece& piece(); // the last piece, created when missing
    void geometryAddLinePoint(Point p);

    double m_materialW = 1000000.0, m_materialH = 1000000.0;
    bool m_penDown = false;
    Point m_cur, m_prev;
    Point m_max{0, 0};
    Point m_min{400000.0, 400000.0};
    QVector<Point> m_origins;
    bool m_incomingCut = false;
    bool m_overcutOn = false;
    double m_overcutDistance = 0.5;
    double m_overcutAngle = 90.0;
    // cos of the overcut angle, for deciding corners far from it without acos.
    double m_cosThreshold = 0.0;
    bool m_cosThresholdValid = true;
    bool m_diagnostics = true;
    bool m_recordGeometry = true;
    bool m_emitCommands = true;

    QByteArray m_buffer;
    // The last pen-move text of this head: a repeat is dropped, and a pen-up
    // move right after a pen-up move replaces it.
    Commands::MoveText m_lastMove;

    CutGeometry::Record m_geometry;
    QString m_fcmName = QStringLiteral("Orvanta1");
    int m_matFlag = 0;
    QImage m_thumbnail;
};
