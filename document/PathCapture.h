#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPainterPath>
#include <QTransform>

#include <functional>
#include <memory>

class PathCaptureEngine;

// A paint device that keeps outlines instead of pixels: every filled or
// stroked shape painted on it reaches the sink as a path with the painter's
// full transform and the colour it was painted in (the fill, or the stroke
// when it is not filled). Shapes painted with neither pen nor brush are
// invisible and dropped; a stroke painted right after the fill of the same
// path is the same outline and dropped as well. Text arrives as glyph
// outlines. Images cannot be cut; they are only counted.
class PathCapture : public QPaintDevice
{
public:
    using Sink = std::function<void(const QPainterPath& path, const QTransform& toDevice, const QColor& color)>;

    explicit PathCapture(Sink sink);
    ~PathCapture() override;

    QPaintEngine* paintEngine() const override;
    int imageCount() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<PathCaptureEngine> m_engine;
};
