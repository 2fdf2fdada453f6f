#pragma once

#include "ui/JobOutline.h"

#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>

class Document;
class JobLayout;
class QScrollBar;
class QTimer;
class Ruler;

// The material as a white sheet with the laid-out job on it: every copy,
// its cell (solid with a weeding frame, dotted without) and the objects in
// their colours. The job is dragged with the mouse (with Ctrl: the copy
// distances), the wheel zooms about the mouse, and a red text warns when
// the row of copies does not fit across the material.
//
// Positions and sizes come from JobLayout, exactly as the job is cut. The
// plotter's origin is the material's bottom-right corner, so the view is
// anchored there: offsets count from the right and bottom end.
//
// The window places it in a grid with two Rulers and two scroll bars and
// hands them over with setScrollBars(); it needs a document to draw.
class Preview : public QWidget
{
    Q_OBJECT
public:
    static constexpr double MinScale = 0.001; // pixels per mm, exclusive
    static constexpr double MaxScale = 10.0;

    explicit Preview(QWidget* parent = nullptr);
    ~Preview() override;

    // Follows the document's DataChanged(); the previous one is let go.
    void setDocument(Document* document);
    Document* document() const { return m_document; }
    void setScrollBars(QScrollBar* horizontal, QScrollBar* vertical, Ruler* horizontalRuler,
                       Ruler* verticalRuler);

    double scale() const { return m_scale; } // pixels per mm
    // Zoom to a given scale; ignored outside MinScale..MaxScale.
    void setScale(double pixelsPerMm);
    // "Auto Breite": the material's width fills the widget less 20 pixels.
    void fitWidth();
    // "Auto Größe": the whole material fits, 20 pixels to spare each way.
    void fitSize();

    // The small monochrome picture of the job for an FCM file: 98 × 100
    // pixels, or 73 × 122 for a tall job; ink is colour index 0.
    QImage renderJobImage(bool tall);
    // A large drawing's outline is still being built; the view shows the
    // previous one.
    bool outlinePending() const { return !m_outlineThreads.isEmpty(); }

    // Union of the copies' cells in widget pixels, as last laid out.
    QRect jobRect() const { return m_jobRect; }
    int horizontalOffset() const { return m_hOffset; }
    int verticalOffset() const { return m_vOffset; }
    // The material sheet in widget pixels.
    QRect materialRect() const;

public slots:
    void onDataChanged();
    void onHScrollBarValueChanged(int value);
    void onVScrollBarValueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Anchor {
        QPoint press;
        int right = 0, bottom = 0, horzDistance = 0, vertDistance = 0;
    };

    // Small drawings are outlined at once; large ones on a worker thread.
    void rebuildOutline();
    void setOutline(JobOutline outline);
    // Blocks until a background outline has been taken over.
    void waitForOutline();
    // A large outline is redrawn only once the zoom has rested; until then
    // the previous pixmap is shown stretched.
    void rebuildPixmap(bool deferLarge = true);
    // Scroll bars, rulers and pixmap after the scale or offsets changed.
    void updateView();
    void updateScrollBars();
    void updateRulers();
    // Draws every copy into the material rectangle `sheet`; returns the
    // union of the cells. `image` draws the objects black and no cells.
    // `pixmap` was drawn at `pixmapScale` pixels per mm.
    QRect drawJob(QPainter& p, const QRect& sheet, double scale, const QPixmap& pixmap,
                  double pixmapScale, bool image, const QRect& clip) const;
    void anchorAt(const QPoint& pos);
    void setCtrlHeld(bool held);
    void updateCursor(const QPoint& pos);

    Document* m_document = nullptr;
    std::unique_ptr<JobLayout> m_layout;
    JobOutline m_outline;
    quint64 m_outlineKey = 0;
    quint64 m_outlineGeneration = 0; // the build whose result is wanted
    QList<QPointer<QThread>> m_outlineThreads;
    QPixmap m_pixmap;
    double m_pixmapScale = -1;
    QTimer* m_pixmapTimer = nullptr;
    double m_scale = 1.0;

    int m_lastWidth = -1;
    Anchor m_anchor;
    QPoint m_mouse;
    int m_wheelSum = 0;
    bool m_dragging = false;
    bool m_ctrlHeld = false;
    bool m_ownChange = false; // a drag is writing into the document
    QRect m_jobRect;
    bool m_shownOnce = false;
    int m_hOffset = 0, m_vOffset = 0;
    QPointer<QScrollBar> m_hBar, m_vBar;
    QPointer<Ruler> m_hRuler, m_vRuler;
};
