#include "ui/Preview.h"

#include "document/Document.h"
#include "plot/JobLayout.h"
#include "ui/Ruler.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// Mouse positions to whole pixels, halves upwards.
QPoint roundedPos(const QPointF& p)
{
    return QPoint(int(std::floor(p.x() + 0.5)), int(std::floor(p.y() + 0.5)));
}

// A pixmap side beyond this is not kept: at high zoom the visible strokes
// are drawn straight from the outline instead.
constexpr qint64 MaxPixmapPixels = 24 * 1000 * 1000;
// Outlines with more points than this take longer to draw than a zoom step
// may; they wait until the wheel rests this long.
constexpr int LargeOutlinePoints = 300 * 1000;
constexpr int ZoomRestMs = 150;
// Drawings with more nodes than this build their outline on a worker
// thread (about 15 ms of work on the GUI thread would be the price);
// the previous picture stays until the new one is ready.
constexpr qint64 BackgroundOutlineNodes = 100 * 1000;

const QColor Background(245, 245, 245);
const QColor SheetOutline(100, 100, 100);
const QColor CellColour(90, 90, 90);

} // namespace

Preview::Preview(QWidget* parent) : QWidget(parent), m_pixmapTimer(new QTimer(this))
{
    setFocusPolicy(Qt::WheelFocus);
    m_pixmapTimer->setSingleShot(true);
    m_pixmapTimer->setInterval(ZoomRestMs);
    connect(m_pixmapTimer, &QTimer::timeout, this, [this] {
        rebuildPixmap(false);
        update();
    });
}

Preview::~Preview()
{
    // A worker still building reads nothing of ours, but its QThread (our
    // child) must not be destroyed while it runs.
    for (const QPointer<QThread>& t : qAsConst(m_outlineThreads))
        if (t)
            t->wait();
}

void Preview::setDocument(Document* document)
{
    if (m_document)
        disconnect(m_document, &Document::DataChanged, this, &Preview::onDataChanged);
    m_document = document;
    m_outlineKey = 0;
    ++m_outlineGeneration;
    if (m_document) {
        connect(m_document, &Document::DataChanged, this, &Preview::onDataChanged);
        onDataChanged();
    } else {
        m_layout.reset();
        m_outline = JobOutline();
        m_pixmap = QPixmap();
        update();
    }
}

void Preview::setScrollBars(QScrollBar* horizontal, QScrollBar* vertical, Ruler* horizontalRuler,
                            Ruler* verticalRuler)
{
    if (m_hBar)
        disconnect(m_hBar, nullptr, this, nullptr);
    if (m_vBar)
        disconnect(m_vBar, nullptr, this, nullptr);
    m_hBar = horizontal;
    m_vBar = vertical;
    m_hRuler = horizontalRuler;
    m_vRuler = verticalRuler;
    if (m_hBar)
        connect(m_hBar, &QScrollBar::valueChanged, this, &Preview::onHScrollBarValueChanged);
    if (m_vBar)
        connect(m_vBar, &QScrollBar::valueChanged, this, &Preview::onVScrollBarValueChanged);
    updateView();
}

void Preview::onDataChanged()
{
    if (!m_document)
        return;
    // The layout itself is a handful of numbers; only the outline is
    // expensive, and a drag or a position change leaves it as it is.
    m_layout = std::make_unique<JobLayout>(*m_document);
    if (!m_ownChange) {
        const quint64 key = JobOutline::sourceKey(*m_document, *m_layout);
        if (key != m_outlineKey || m_outlineKey == 0) {
            m_outlineKey = key;
            rebuildOutline();
        }
    }
    updateScrollBars();
    updateRulers();
    update();
}

void Preview::rebuildOutline()
{
    const quint64 generation = ++m_outlineGeneration;
    JobOutline::Source source = JobOutline::source(*m_document, *m_layout);
    if (source.nodeCount <= BackgroundOutlineNodes) {
        setOutline(JobOutline::build(source));
        return;
    }
    // The source shares the node vectors with the document; an edit on
    // this thread detaches its own copy and leaves the worker's intact.
    auto result = std::make_shared<JobOutline>();
    QThread* worker = QThread::create([result, source = std::move(source)] {
        *result = JobOutline::build(source);
    });
    worker->setParent(this);
    m_outlineThreads.append(worker);
    connect(worker, &QThread::finished, this, [this, worker, result, generation] {
        m_outlineThreads.removeAll(worker);
        worker->deleteLater();
        // A newer change has started its own build; this one is stale.
        if (generation == m_outlineGeneration)
            setOutline(std::move(*result));
    });
    worker->start();
}

void Preview::setOutline(JobOutline outline)
{
    m_outline = std::move(outline);
    m_pixmapScale = -1;
    rebuildPixmap(false);
    update();
}

void Preview::waitForOutline()
{
    while (!m_outlineThreads.isEmpty()) {
        const QPointer<QThread> t = m_outlineThreads.last();
        if (t)
            t->wait();
        // Delivers the finished signal the worker queued for us.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        m_outlineThreads.removeAll(t);
    }
}

void Preview::rebuildPixmap(bool deferLarge)
{
    if (m_pixmapScale == m_scale)
        return;
    if (deferLarge && m_outline.pointCount() > LargeOutlinePoints && !m_pixmap.isNull()) {
        m_pixmapTimer->start();
        return;
    }
    m_pixmapTimer->stop();
    m_pixmapScale = m_scale;
    const qint64 w = qint64(std::ceil(m_outline.width() * m_scale)) + 1;
    const qint64 h = qint64(std::ceil(m_outline.height() * m_scale)) + 1;
    if (w * h > MaxPixmapPixels || m_outline.strokeCount() == 0) {
        m_pixmap = QPixmap();
        return;
    }
    m_pixmap = QPixmap(int(w), int(h));
    m_pixmap.fill(Qt::transparent);
    QPainter p(&m_pixmap);
    m_outline.draw(p, m_scale, QPointF(0, 0), QRectF(0, 0, w, h), false);
}

void Preview::setScale(double pixelsPerMm)
{
    if (!(pixelsPerMm > MinScale && pixelsPerMm < MaxScale))
        return;
    m_scale = pixelsPerMm;
    updateView();
}

void Preview::fitWidth()
{
    if (!m_document || m_document->materialWidth() <= 0)
        return;
    const double s = double(width() - 20) / m_document->materialWidth();
    m_scale = std::clamp(s, MinScale * 1.001, MaxScale * 0.999);
    updateView();
}

void Preview::fitSize()
{
    if (!m_document || m_document->materialWidth() <= 0 || m_document->materialHeight() <= 0)
        return;
    const double s = std::min(double(width() - 20) / m_document->materialWidth(),
                              double(height() - 20) / m_document->materialHeight());
    m_scale = std::clamp(s, MinScale * 1.001, MaxScale * 0.999);
    updateView();
}

void Preview::updateView()
{
    updateScrollBars();
    updateRulers();
    if (m_document)
        rebuildPixmap();
    update();
}

void Preview::updateScrollBars()
{
    if (!m_document)
        return;
    const int hMax = std::max(int(std::lround(m_document->materialWidth() * m_scale - width() + 20)), 0);
    const int vMax =
        std::max(int(std::lround(m_document->materialHeight() * m_scale - height() + 20)), 0);
    m_hOffset = std::clamp(m_hOffset, 0, hMax);
    m_vOffset = std::clamp(m_vOffset, 0, vMax);
    // The bars report back through their slots; the offsets are final here.
    const int h = m_hOffset, v = m_vOffset;
    if (m_hBar) {
        m_hBar->setRange(0, hMax);
        m_hBar->setPageStep(std::max(width(), 1));
        m_hBar->setValue(hMax - h);
    }
    if (m_vBar) {
        m_vBar->setRange(0, vMax);
        m_vBar->setPageStep(std::max(height(), 1));
        m_vBar->setValue(vMax - v);
    }
    m_hOffset = h;
    m_vOffset = v;
}

void Preview::updateRulers()
{
    if (!m_document)
        return;
    const bool fcm = m_document->fcmOutput();
    for (Ruler* r : {m_hRuler.data(), m_vRuler.data()}) {
        if (!r)
            continue;
        r->setScale(m_scale);
        r->setMirrored(fcm);
    }
    if (m_hRuler)
        m_hRuler->setOrigin(fcm ? int(std::lround(m_hOffset - 10 - m_document->materialWidth() * m_scale))
                                : m_hOffset - 10);
    if (m_vRuler)
        m_vRuler->setOrigin(fcm ? int(std::lround(m_vOffset - 10 - m_document->materialHeight() * m_scale))
                                : m_vOffset - 10);
}

void Preview::onHScrollBarValueChanged(int value)
{
    if (!m_hBar)
        return;
    m_hOffset = m_hBar->maximum() - value;
    updateRulers();
    update();
}

void Preview::onVScrollBarValueChanged(int value)
{
    if (!m_vBar)
        return;
    m_vOffset = m_vBar->maximum() - value;
    updateRulers();
    update();
}

QRect Preview::materialRect() const
{
    if (!m_document)
        return QRect();
    const int w = int(m_document->materialWidth() * m_scale);
    const int h = int(m_document->materialHeight() * m_scale);
    const int right = width() + m_hOffset - 10;
    const int bottom = height() + m_vOffset - 10;
    return QRect(right - w, bottom - h, w, h);
}

QRect Preview::drawJob(QPainter& p, const QRect& sheet, double scale, const QPixmap& pixmap,
                       double pixmapScale, bool image, const QRect& clip) const
{
    const JobLayout& l = *m_layout;
    const bool fcm = m_document->fcmOutput();
    const double g = l.margin();
    const double fw = l.frameWidth(), fl = l.frameLength();
    const int sheetRight = sheet.x() + sheet.width(), sheetBottom = sheet.y() + sheet.height();
    // Material mm (x across from the origin side, y along) to pixels.
    auto px = [&](double x) {
        return fcm ? sheet.x() + int(std::lround(x * scale)) : sheetRight - int(std::lround(x * scale));
    };
    auto py = [&](double y) {
        return fcm ? sheet.y() + int(std::lround(y * scale)) : sheetBottom - int(std::lround(y * scale));
    };
    const bool direct = !image && pixmap.isNull();
    QPen cellPen(CellColour, 0, m_document->grid() ? Qt::SolidLine : Qt::DotLine);

    QRect united;
    qint64 drawn = 0;
    for (int row = 0; row < l.rows() && drawn < l.copyLimit(); ++row) {
        for (int col = 0; col < l.columns() && drawn < l.copyLimit(); ++col, ++drawn) {
            const double x = l.originX() + l.copyX(col), y = l.originY() + l.copyY(row);
            const QRect cell = QRect(QPoint(px(x), py(y)), QPoint(px(x + fw), py(y + fl))).normalized();
            united |= cell;
            if (!cell.adjusted(-1, -1, 1, 1).intersects(clip))
                continue;
            // The job area's top-left corner on screen.
            const QPoint job(fcm ? px(x + g) : px(x + g + m_outline.width()),
                             fcm ? py(y + g) : py(y + g + m_outline.height()));
            if (!image) {
                p.setPen(cellPen);
                p.setBrush(Qt::NoBrush);
                p.drawRect(cell.adjusted(0, 0, -1, -1));
                p.setPen(QPen(Qt::black, 0));
            }
            if (!pixmap.isNull() && pixmapScale == scale)
                p.drawPixmap(job, pixmap);
            else if (!pixmap.isNull())
                p.drawPixmap(QRectF(job, QSizeF(pixmap.size()) * (scale / pixmapScale)), pixmap,
                             QRectF(pixmap.rect()));
            else if (direct)
                m_outline.draw(p, scale, job, clip, false);
        }
    }
    return united;
}

void Preview::paintEvent(QPaintEvent* event)
{
    if (!m_document || !m_layout)
        return;
    QPainter p(this);
    const QRect sheet = materialRect();
    // Every pixel is filled once: the background around the sheet, the
    // shadow's two visible strips, the sheet. A large view repaints at drag
    // speed, so no full-size layer is painted over another.
    const QRect all = rect();
    const QRect inner = sheet.intersected(all);
    if (inner.isEmpty()) {
        p.fillRect(all, Background);
    } else {
        p.fillRect(QRect(0, 0, all.width(), inner.top()), Background);
        p.fillRect(QRect(0, inner.bottom() + 1, all.width(), all.height() - inner.bottom() - 1), Background);
        p.fillRect(QRect(0, inner.top(), inner.left(), inner.height()), Background);
        p.fillRect(QRect(inner.right() + 1, inner.top(), all.width() - inner.right() - 1, inner.height()),
                   Background);
    }
    const QColor shadow(Qt::lightGray);
    p.fillRect(QRect(sheet.right() + 1, sheet.top() + 3, 3, sheet.height()), shadow);
    p.fillRect(QRect(sheet.left() + 3, sheet.bottom() + 1, sheet.width(), 3), shadow);
    p.fillRect(sheet, Qt::white);
    p.setPen(QPen(SheetOutline, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(sheet.adjusted(-1, -1, 0, 0));

    // A document without layers has no job to show (a job size is still set).
    m_jobRect = m_document->layers().isEmpty()
        ? QRect()
        : drawJob(p, sheet, m_scale, m_pixmap, m_pixmapScale, false, event->rect());

    if (width() >= 21 && height() >= 21 && m_layout->exceedsMaterialWidth()) {
        p.setPen(Qt::red);
        p.drawText(rect().adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap,
                   tr("Das Dokument ist größer als das eingelegte Medium des Plotters! Bitte "
                      "passen Sie die Größe des Dokumentes an."));
    }
}

QImage Preview::renderJobImage(bool tall)
{
    if (!m_document || !m_layout)
        return QImage();
    waitForOutline();
    const int mw = std::max(m_document->materialWidth(), 1);
    const int mh = std::max(m_document->materialHeight(), 1);
    QImage source(mw, mh, QImage::Format_RGB32);
    source.fill(Qt::white);
    {
        // One pixel per mm; the view's own pixmap stays as it is.
        QPixmap pixmap(int(std::ceil(m_outline.width())) + 1, int(std::ceil(m_outline.height())) + 1);
        pixmap.fill(Qt::transparent);
        QPainter pp(&pixmap);
        m_outline.draw(pp, 1.0, QPointF(0, 0), QRectF(pixmap.rect()), tall);
        pp.end();
        QPainter p(&source);
        const QRect sheet = tall ? QRect(0, 0, 92, 182) : QRect(0, 0, 92, 94);
        drawJob(p, sheet, 1.0, pixmap, 1.0, tall, source.rect());
    }

    // Ink: any pixel that is not white (all three channels above 254).
    const int outW = tall ? 73 : 98, outH = tall ? 122 : 100;
    QImage out(outW, outH, QImage::Format_Mono);
    out.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    out.fill(1);
    const int scanW = tall ? mw - 6 : mw, scanH = tall ? mh - 12 : mh;
    for (int y = 0; y < scanH; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < scanW; ++x) {
            const QRgb c = line[x];
            if (qRed(c) > 254 && qGreen(c) > 254 && qBlue(c) > 254)
                continue;
            const int tx = tall ? int(std::lround(double(x) / mw * 58)) + 15
                                : int(std::lround(double(x) / mw * 80)) + 4;
            const int ty = tall ? int(std::lround(double(y) / mh * 116)) + 6
                                : int(std::lround(double(y) / mh * 80)) + 6;
            if (tx < outW && ty < outH)
                out.setPixel(tx, ty, 0);
        }
    }
    return out;
}

void Preview::anchorAt(const QPoint& pos)
{
    m_anchor.press = pos;
    m_anchor.right = m_document->right();
    m_anchor.bottom = m_document->bottom();
    m_anchor.horzDistance = m_document->horzDistance();
    m_anchor.vertDistance = m_document->vertDistance();
}

void Preview::setCtrlHeld(bool held)
{
    if (m_ctrlHeld == held)
        return;
    m_ctrlHeld = held;
    if (m_document)
        anchorAt(m_mouse);
}

void Preview::updateCursor(const QPoint& pos)
{
    const bool movable = m_document && m_document->location() == Document::Manually
        && m_jobRect.contains(pos, true);
    setCursor(m_dragging ? Qt::ClosedHandCursor : movable ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void Preview::mousePressEvent(QMouseEvent* event)
{
    if (!m_document)
        return;
    m_mouse = roundedPos(event->localPos());
    m_ctrlHeld = event->modifiers() & Qt::ControlModifier;
    if (event->button() == Qt::LeftButton && m_document->location() == Document::Manually
        && m_jobRect.contains(m_mouse, true)) {
        anchorAt(m_mouse);
        m_dragging = true;
        updateCursor(m_mouse);
    }
}

void Preview::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_document)
        return;
    m_mouse = roundedPos(event->localPos());
    // The key events need focus; the modifiers of the move do not.
    setCtrlHeld(event->modifiers() & Qt::ControlModifier);
    if (m_dragging && event->buttons() != Qt::NoButton) {
        // Dragging left or up moves the job away from the bottom-right
        // origin; the FCM output counts from the top-left.
        const double sign = m_document->fcmOutput() ? -1.0 : 1.0;
        const double dx = sign * (m_anchor.press.x() - m_mouse.x()) / m_scale;
        const double dy = sign * (m_anchor.press.y() - m_mouse.y()) / m_scale;
        m_ownChange = true;
        if (m_ctrlHeld) {
            m_document->setHorzDistance(int(std::lround(m_anchor.horzDistance + dx)));
            m_document->setVertDistance(int(std::lround(m_anchor.vertDistance + dy)));
        } else {
            m_document->setRight(int(std::lround(m_anchor.right + dx)));
            m_document->setBottom(int(std::lround(m_anchor.bottom + dy)));
        }
        m_ownChange = false;
    } else {
        updateCursor(m_mouse);
    }
    if (m_hRuler)
        m_hRuler->setMouseMarker(m_mouse.x());
    if (m_vRuler)
        m_vRuler->setMouseMarker(m_mouse.y());
}

void Preview::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_document)
        return;
    m_dragging = false;
    updateCursor(roundedPos(event->localPos()));
}

void Preview::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Control)
        setCtrlHeld(true);
    QWidget::keyPressEvent(event);
}

void Preview::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Control)
        setCtrlHeld(false);
    QWidget::keyReleaseEvent(event);
}

void Preview::wheelEvent(QWheelEvent* event)
{
    if (!m_document || (event->modifiers() & Qt::AltModifier))
        return;
    const int delta = event->angleDelta().y();
    m_wheelSum += delta;
    if (m_ctrlHeld)
        return;
    const double next = m_scale + delta * m_scale * 0.001;
    if (!(next > MinScale && next < MaxScale))
        return;
    // Keep the millimetre under the mouse where it is: the sheet's
    // right/bottom edge sits at size + offset − 10.
    const QPointF m = event->position();
    const double mmX = (width() + m_hOffset - 10 - m.x()) / m_scale;
    const double mmY = (height() + m_vOffset - 10 - m.y()) / m_scale;
    m_scale = next;
    m_hOffset = int(std::lround(m.x() - width() + 10 + mmX * m_scale));
    m_vOffset = int(std::lround(m.y() - height() + 10 + mmY * m_scale));
    updateView();
    event->accept();
}

void Preview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_lastWidth > 0 && width() > 0) {
        const double next = m_scale * width() / m_lastWidth;
        if (next > MinScale && next < MaxScale)
            m_scale = next;
    }
    m_lastWidth = width();
    updateView();
}

void Preview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    setCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::WheelFocus);
}

void Preview::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("Auto Größe"), this, &Preview::fitSize);
    menu.addAction(tr("Auto Breite"), this, &Preview::fitWidth);
    menu.addSeparator();
    // Free zoom: back to one pixel per millimetre, the wheel takes it on.
    menu.addAction(tr("Frei"), this, [this] { setScale(1.0); });
    menu.exec(event->globalPos());
}
