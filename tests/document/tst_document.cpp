#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

#include <QPointer>
#include <QtTest>

namespace {

enum class Entry { None, Rgb, Cmyk };

// One segment from (5,-2) to (15,8) whose control points lie far outside:
// the extent queries look at the end points only.
KCObject* addSegmentObject(Document& doc, const QString& layerName, Entry entry, int key)
{
    KCLayer* layer = doc.appendLayer();
    layer->setName(layerName);
    KCObject* o = layer->appendObject();
    if (entry != Entry::None) {
        KCObjectColor* c = doc.appendColor();
        c->setIsCmyk(entry == Entry::Cmyk);
        c->setColor(entry == Entry::Cmyk ? QColor::fromCmyk(200, 10, 10, key) : QColor(key, 200, 10));
        o->setColorUid(c->uid());
    }
    KCNode n;
    n.setP0(5, -2);
    n.setP1(500, -300);
    n.setP2(-400, 600);
    n.setP3(15, 8);
    KCSubPath sp;
    sp.nodes().append(n);
    o->subPaths().append(sp);
    return o;
}

} // namespace

Q_DECLARE_METATYPE(Entry)

class TestDocument : public QObject
{
    Q_OBJECT
private slots:
    void extentCountsByColourKey_data();
    void extentCountsByColourKey();
    void refinementIncludesEveryLayer();
    void lengthOfSegment_data();
    void lengthOfSegment();
    void clearDeletesTree();
};

void TestDocument::extentCountsByColourKey_data()
{
    QTest::addColumn<QString>("layerName");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("counted");

    const QString art = QStringLiteral("Motiv");
    QTest::newRow("RGB black is left out") << art << Entry::Rgb << 0 << false;
    QTest::newRow("RGB red 3 counts") << art << Entry::Rgb << 3 << true;
    QTest::newRow("RGB red 7 counts") << art << Entry::Rgb << 7 << true;
    QTest::newRow("RGB red 10 counts") << art << Entry::Rgb << 10 << true;
    QTest::newRow("RGB red 11 is left out") << art << Entry::Rgb << 11 << false;
    QTest::newRow("RGB red 255 is left out") << art << Entry::Rgb << 255 << false;
    QTest::newRow("CMYK black 3 counts") << art << Entry::Cmyk << 3 << true;
    QTest::newRow("CMYK black 0 is left out") << art << Entry::Cmyk << 0 << false;
    QTest::newRow("no colour entry counts") << art << Entry::None << 0 << true;
    QTest::newRow("marks layer never counts") << Document::MarksLayerName << Entry::Rgb << 3 << false;
    QTest::newRow("marks layer without colour entry") << Document::MarksLayerName << Entry::None << 0
                                                      << false;
}

void TestDocument::extentCountsByColourKey()
{
    QFETCH(QString, layerName);
    QFETCH(Entry, entry);
    QFETCH(int, key);
    QFETCH(bool, counted);

    Document doc;
    addSegmentObject(doc, layerName, entry, key);
    QCOMPARE(doc.minX(), counted ? 5.0 : 1e8);
    QCOMPARE(doc.maxX(), counted ? 15.0 : -1e8);
    QCOMPARE(doc.minY(), counted ? -2.0 : 1e8);
    QCOMPARE(doc.maxY(), counted ? 8.0 : -1e8);

    // An empty document measures like one where nothing counts.
    Document empty;
    QCOMPARE(empty.minX(), 1e8);
    QCOMPARE(empty.maxY(), -1e8);
}

void TestDocument::refinementIncludesEveryLayer()
{
    Document doc;
    addSegmentObject(doc, Document::MarksLayerName, Entry::Rgb, 0);
    double left = doc.minX(), top = doc.minY(), right = doc.maxX(), bottom = doc.maxY();
    QCOMPARE(left, 1e8);
    doc.refineExtentByCurves(left, top, right, bottom);
    // The bulging curve reaches well beyond its end points, but only as far
    // as the curve itself goes, not to the control points.
    QVERIFY(left < 5 && left > -400);
    QVERIFY(right > 15 && right < 500);
    QVERIFY(top < -2 && top > -300);
    QVERIFY(bottom > 8 && bottom < 600);
}

void TestDocument::lengthOfSegment_data()
{
    QTest::addColumn<QVector<double>>("points"); // P0..P3 as x, y
    QTest::addColumn<double>("cached");
    QTest::addColumn<double>("length");

    // Handles on the end points: x(t) = 10·(3t² − 2t³); the polyline stops
    // at t = 0.99, so the straight 10 mm measure a little under 10.
    QTest::newRow("straight 10 mm, handles on the ends")
        << QVector<double>{0, 0, 0, 0, 10, 0, 10, 0} << -1.0 << 10 * (3 * 0.99 * 0.99 - 2 * 0.99 * 0.99 * 0.99);
    QTest::newRow("straight 10 mm, evenly spaced handles")
        << QVector<double>{0, 0, 10.0 / 3, 0, 20.0 / 3, 0, 10, 0} << -1.0 << 9.9;
    QTest::newRow("point") << QVector<double>{4, 4, 4, 4, 4, 4, 4, 4} << -1.0 << 0.0;
    QTest::newRow("cached value is returned") << QVector<double>{0, 0, 0, 0, 10, 0, 10, 0} << 3.5
                                              << 3.5;
}

void TestDocument::lengthOfSegment()
{
    QFETCH(QVector<double>, points);
    QFETCH(double, cached);
    QFETCH(double, length);
    KCNode n;
    for (int p = 0; p < 4; ++p)
        n.setPoint(p, points[2 * p], points[2 * p + 1]);
    n.setCachedLength(cached);
    QVERIFY2(qAbs(n.length() - length) < 1e-9, qPrintable(QString::number(n.length(), 'g', 17)));
    QCOMPARE(n.cachedLength(), cached); // length() never stores
}

void TestDocument::clearDeletesTree()
{
    Document doc;
    KCObject* o = addSegmentObject(doc, QStringLiteral("Motiv"), Entry::Rgb, 3);
    QPointer<KCLayer> layer = doc.layers().first();
    QPointer<KCObject> object = o;
    QPointer<KCObjectColor> color = doc.colors().first();
    doc.clear();
    QVERIFY(doc.layers().isEmpty());
    QVERIFY(doc.colors().isEmpty());
    QVERIFY(layer.isNull());
    QVERIFY(object.isNull());
    QVERIFY(color.isNull());
    QCOMPARE(doc.nodeCount(), 0);
    QCOMPARE(doc.minX(), 1e8);
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
