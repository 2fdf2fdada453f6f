#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"

#include <QRandomGenerator>
#include <QtTest>

class TestExtent : public QObject
{
    Q_OBJECT
private slots:
    void fastRefinementMatchesPlainSampling_data();
    void fastRefinementMatchesPlainSampling();
};

void TestExtent::fastRefinementMatchesPlainSampling_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<double>("spread");
    QTest::addColumn<double>("startBound"); // 1e8: inverted bounds as for an all-filtered drawing
    QTest::newRow("small curves, inverted bounds") << 1u << 50.0 << 1e8;
    QTest::newRow("wide curves, inverted bounds") << 2u << 5000.0 << 1e8;
    QTest::newRow("tight bounds") << 3u << 100.0 << -10.0;
    QTest::newRow("tiny coordinates") << 4u << 1e-6 << 1e8;
}

void TestExtent::fastRefinementMatchesPlainSampling()
{
    QFETCH(quint32, seed);
    QFETCH(double, spread);
    QFETCH(double, startBound);
    QRandomGenerator rng(seed);
    Document doc;
    KCObject* o = doc.appendLayer()->appendObject();
    o->subPaths().resize(1);
    for (int i = 0; i < 2000; ++i) {
        KCNode n;
        for (int p = 0; p < 4; ++p)
            n.setPoint(p, (rng.generateDouble() - 0.3) * spread, (rng.generateDouble() - 0.3) * spread);
        if (i % 3 == 0) { // straight segments, handles on the end points
            n.setP1(n.P0X(), n.P0Y());
            n.setP2(n.P3X(), n.P3Y());
        }
        o->subPaths()[0].nodes().append(n);
    }
    double a[4] = {startBound, startBound, -startBound, -startBound};
    double b[4] = {startBound, startBound, -startBound, -startBound};
    doc.refineExtentByCurves(a[0], a[1], a[2], a[3]);
    doc.refineExtentByCurvesPlain(b[0], b[1], b[2], b[3]);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(qint64(qFloatDistance(a[i], b[i])), qint64(0));
}

QTEST_GUILESS_MAIN(TestExtent)
#include "tst_extent.moc"
