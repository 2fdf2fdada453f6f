#pragma once

#include <QWidget>

// A millimetre ruler along the top or left edge of the preview; horizontal
// when it is wider than high. The zero mark lies at (length − 1 + origin)
// pixels along the ruler, so the preview can put it on the material's edge;
// distances grow away from it towards the ruler's start (mirrored: towards
// its end, as for the FCM output, which counts from the left and top edge).
class Ruler : public QWidget
{
    Q_OBJECT
public:
    explicit Ruler(QWidget* parent = nullptr);

    double scale() const { return m_scale; } // pixels per mm
    void setScale(double pixelsPerMm);
    bool mirrored() const { return m_mirrored; }
    void setMirrored(bool mirrored); // repaints only on a change
    int origin() const { return m_origin; }
    void setOrigin(int pixels);
    int mouseMarker() const { return m_marker; } // -1: no marker
    void setMouseMarker(int pixels);

    bool isHorizontal() const { return width() > height(); }
    // Mark spacings (mm) drawn at the current scale, finest first, and the
    // label spacing (mm).
    QList<int> markSpacings() const;
    int labelSpacing() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_scale = 1.0;
    bool m_mirrored = false;
    int m_origin = 0;
    int m_marker = -1;
};
