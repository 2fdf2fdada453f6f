#include "plot/JobLayout.h"
#include "plot/PlotFixtures.h"
#include "ui/Preview.h"
#include "ui/Ruler.h"

#include <QtTest>

using namespace PlotFixtures;

namespace {
// A blue 10 × 10 mm square, first copy at 5 mm / 5 mm, shown at 2 px/mm.
struct Shown {
    Document doc;
    Preview preview;
    Shown(const QString& settings, QSize size = QSize(220, 120), double scale = 2.0,
          const QString& square = "0,0 10,0 10,10 0,10 0,0")
    {
        buildJob(doc, "colours: #0000ff; Ebene: " + square + " #0000ff", 10, 10, settings);
        preview.resize(size);
        preview.show();
        preview.setDocument(&doc);
        preview.setScale(scale);
    }
    QImage image() { return preview.grab().toImage(); }
    void mouse(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = {})
    {
        QMouseEvent e(type, pos, Qt::LeftButton, buttons, mods);
        QApplication::sendEvent(&preview, &e);
    }
    // Millimetres from the sheet's right and bottom edge at a widget point.
    QPointF mmAt(QPointF p) const
    {
        const QRect s = preview.materialRect();
        return (QPointF(s.x() + s.width(), s.y() + s.height()) - p) / preview.scale();
    }
};

// How many pixels of the image are of the kind asked for.
int count(const QImage& img, const std::function<bool(int x, int y)>& is)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += is(x, y);
    return n;
}
} // namespace

class TestPreview : public QObject
{
    Q_OBJECT
private slots:
    void pixels_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        const QColor blue(0, 0, 255), sheet(Qt::white), frame(90, 90, 90);
        // Sheet 200 × 100 px at (10, 10); copy 0 at 5..19 mm from the right,
        // its job area 7..17 mm; copy 1 one step (19 mm) further left.
        QTest::newRow("copy 0, left edge") << QPoint(176, 86) << blue;
        QTest::newRow("copy 0, right edge") << QPoint(196, 86) << blue;
        QTest::newRow("copy 0, top edge") << QPoint(186, 76) << blue;
        QTest::newRow("copy 0, inside") << QPoint(186, 86) << sheet;
        QTest::newRow("weeding frame") << QPoint(172, 86) << frame;
        QTest::newRow("gap between copies") << QPoint(167, 86) << sheet;
        QTest::newRow("copy 1, left edge") << QPoint(138, 86) << blue;
        QTest::newRow("sheet outline") << QPoint(210, 50) << QColor(100, 100, 100);
        QTest::newRow("around the sheet") << QPoint(4, 4) << QColor(245, 245, 245);
    }
    void pixels()
    {
        QFETCH(QPoint, at);
        Shown s("matW=100 matH=50 cols=2 gap=5 grid=2");
        QTEST(s.image().pixelColor(at), "colour");
    }

    void drag_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<QPoint>("move");
        QTest::addColumn<QList<int>>("rightBottomHorzVert");
        QTest::newRow("20 px left") << "" << false << QPoint(-20, 0) << QList<int>{30, 20, 0, 0};
        QTest::newRow("10 px up") << "" << false << QPoint(0, -10) << QList<int>{20, 25, 0, 0};
        QTest::newRow("FCM: 20 px left") << "fcm" << false << QPoint(-20, 0) << QList<int>{10, 20, 0, 0};
        QTest::newRow("Ctrl: distances") << "same=0" << true << QPoint(-20, -6) << QList<int>{20, 20, 10, 3};
        QTest::newRow("placed, not movable") << "loc=2" << false << QPoint(-20, 0) << QList<int>{0, 0, 0, 0};
    }
    void drag()
    {
        QFETCH(QString, settings);
        QFETCH(bool, ctrl);
        QFETCH(QPoint, move);
        QFETCH(QList<int>, rightBottomHorzVert);
        Shown s("matW=300 matH=200 right=20 bottom=20 " + settings, QSize(620, 420));
        s.image(); // lays the copies out
        const QPoint press = s.preview.jobRect().center();
        const Qt::KeyboardModifiers mods = ctrl ? Qt::ControlModifier : Qt::NoModifier;
        s.mouse(QEvent::MouseButtonPress, press, Qt::LeftButton, mods);
        s.mouse(QEvent::MouseMove, press + move, Qt::LeftButton, mods);
        s.mouse(QEvent::MouseButtonRelease, press + move, Qt::NoButton, mods);
        QCOMPARE((QList<int>{s.doc.right(), s.doc.bottom(), s.doc.horzDistance(), s.doc.vertDistance()}),
                 rightBottomHorzVert);
    }

    void wheel_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<double>("expected");
        QTest::newRow("zoom in") << 2.0 << int(Qt::NoModifier) << 2.24;
        QTest::newRow("beyond 10 refused") << 9.5 << int(Qt::NoModifier) << 9.5;
        QTest::newRow("Alt ignored") << 2.0 << int(Qt::AltModifier) << 2.0;
    }
    void wheel()
    {
        QFETCH(double, start);
        QFETCH(int, modifiers);
        QFETCH(double, expected);
        Shown s("matW=1000 matH=500", QSize(620, 420), start);
        const QPointF mouse(300, 200);
        const QPointF before = s.mmAt(mouse);
        QWheelEvent e(mouse, s.preview.mapToGlobal(mouse.toPoint()), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
        QApplication::sendEvent(&s.preview, &e);
        QCOMPARE(s.preview.scale(), expected);
        const QPointF after = s.mmAt(mouse);
        QVERIFY2(qAbs(after.x() - before.x()) * expected <= 0.5
                     && qAbs(after.y() - before.y()) * expected <= 0.5,
                 "the millimetre under the mouse moved");
    }

    // The red warning shows exactly when the row of copies does not fit.
    void oversizeText_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::newRow("fits") << "cols=6 gap=6";
        QTest::newRow("far wider") << "cols=40";
        QTest::newRow("no copies across") << "cols=0";
        QTest::newRow("zero-size material") << "matW=0 matH=0";
    }
    void oversizeText()
    {
        QFETCH(QString, settings);
        Shown s("matW=100 matH=50 " + settings);
        const QImage img = s.image();
        QCOMPARE(count(img, [&](int x, int y) { return img.pixelColor(x, y) == Qt::red; }) > 0,
                 JobLayout(s.doc).exceedsMaterialWidth());
    }

    // The FCM picture: its size, some ink, and the view keeps its zoom.
    void fcmImage()
    {
        Shown s("fcm matW=100 matH=100");
        for (const QSize size : {QSize(98, 100), QSize(73, 122)}) {
            const QImage img = s.preview.renderJobImage(size.width() == 73);
            QCOMPARE(img.size(), size);
            const int ink = count(img, [&](int x, int y) { return img.pixelIndex(x, y) == 0; });
            QVERIFY(ink > 0 && ink < img.width() * img.height() / 4);
        }
        QCOMPARE(s.preview.scale(), 2.0);
    }

    // A drawing large enough to be outlined on a worker thread: the square
    // traced 40 000 times must show exactly the picture of the square
    // outlined at once, and the FCM image waits for it.
    void backgroundOutline()
    {
        Shown once("fcm matW=100 matH=100");
        Shown traced("fcm matW=100 matH=100", QSize(220, 120), 2.0,
                     "0,0" + QString(" 10,0 10,10 0,10 0,0").repeated(40000));
        QCOMPARE(traced.preview.renderJobImage(false), once.preview.renderJobImage(false));
        QCOMPARE(traced.image(), once.image());
    }

    void rulerMarks()
    {
        Ruler r;
        r.setScale(0.4);
        QCOMPARE(r.markSpacings(), (QList<int>{10, 100}));
        QCOMPARE(r.labelSpacing(), 1000);
        r.setScale(5);
        QCOMPARE(r.markSpacings(), (QList<int>{1, 10, 100}));
        QCOMPARE(r.labelSpacing(), 10);
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
