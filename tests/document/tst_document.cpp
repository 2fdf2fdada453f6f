#include "support/DrawingText.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QtTest>

// One segment from (5,-2) to (15,8) whose control points lie far outside.
static const char* const Bulge = "|P|N 5,-2 500,-300 -400,600 15,8";

class TestDocument : public QObject
{
    Q_OBJECT
private slots:
    void extentCountsByColourKey_data()
    {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<bool>("counted");
        QTest::newRow("RGB black is left out") << "L'Motiv'|O #000000" << false;
        QTest::newRow("RGB red 3 counts") << "L'Motiv'|O #030000" << true;
        QTest::newRow("RGB red 7 counts") << "L'Motiv'|O #070000" << true;
        QTest::newRow("RGB red 10 counts") << "L'Motiv'|O #0a0000" << true;
        QTest::newRow("RGB red 11 is left out") << "L'Motiv'|O #0b0000" << false;
        QTest::newRow("CMYK black 3 counts") << "L'Motiv'|O cmyk(200,10,10,3)" << true;
        QTest::newRow("CMYK black 0 is left out") << "L'Motiv'|O cmyk(200,10,10,0)" << false;
        QTest::newRow("no colour entry counts") << "L'Motiv'|O #000000 bare" << true;
        QTest::newRow("marks layer never counts") << "L'KC-PassermarkenEbene'|O #030000" << false;
        QTest::newRow("empty drawing") << "" << false;
    }

    void extentCountsByColourKey()
    {
        QFETCH(QString, drawing);
        QFETCH(bool, counted);
        Document doc;
        DrawingText::build(doc, drawing.isEmpty() ? drawing : drawing + Bulge);
        // Only the end points count, never the control points.
        QCOMPARE(doc.minX(), counted ? 5.0 : 1e8);
        QCOMPARE(doc.maxX(), counted ? 15.0 : -1e8);
        QCOMPARE(doc.minY(), counted ? -2.0 : 1e8);
        QCOMPARE(doc.maxY(), counted ? 8.0 : -1e8);

        // The curve refinement looks at every layer and colour: the bulge
        // widens the bounds as far as the curve reaches, not to its handles.
        double left = doc.minX(), top = doc.minY(), right = doc.maxX(), bottom = doc.maxY();
        doc.refineExtentByCurves(left, top, right, bottom);
        if (!drawing.isEmpty()) {
            QVERIFY(left < 5 && left > -400);
            QVERIFY(right > 15 && right < 500);
            QVERIFY(top < -2 && top > -300);
            QVERIFY(bottom > 8 && bottom < 600);
        }

        // Clearing deletes the tree the document owns.
        QPointer<KCLayer> layer = doc.layers().value(0);
        doc.clear();
        QVERIFY(layer.isNull() && doc.layers().isEmpty() && doc.colors().isEmpty());
    }

    void lengthOfSegment_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<double>("cached");
        QTest::addColumn<double>("length");
        // Handles on the end points: x(t) = 10·(3t² − 2t³); the polyline stops
        // at t = 0.99, so the straight 10 mm measure a little under 10.
        QTest::newRow("straight 10 mm, handles on the ends") << "N 0,0 10,0" << -1.0
                                                             << 10 * (3 * 0.99 * 0.99 - 2 * 0.99 * 0.99 * 0.99);
        QTest::newRow("straight 10 mm, evenly spaced handles") << "N 0,0 3.3333333333333335,0 6.666666666666667,0 10,0"
                                                               << -1.0 << 9.9;
        QTest::newRow("point") << "N 4,4 4,4" << -1.0 << 0.0;
        QTest::newRow("cached value is returned") << "N 0,0 10,0" << 3.5 << 3.5;
    }

    void lengthOfSegment()
    {
        QFETCH(QString, node);
        QFETCH(double, cached);
        QFETCH(double, length);
        Document doc;
        DrawingText::build(doc, "L'A'|O #000000|P|" + node);
        KCNode n = doc.layers()[0]->objects()[0]->subPaths()[0].nodes()[0];
        n.setCachedLength(cached);
        QVERIFY2(qAbs(n.length() - length) < 1e-9, qPrintable(QString::number(n.length(), 'g', 17)));
        QCOMPARE(n.cachedLength(), cached); // length() never stores
    }

    // The fast refinement must give the plain sampling's bounds bit for bit.
    void fastRefinementMatchesPlainSampling_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<double>("spread");
        QTest::addColumn<double>("startBound"); // 1e8: inverted bounds as for an all-filtered drawing
        QTest::addColumn<double>("flatness");   // > 0: near-flat segments along a shared line
        QTest::newRow("small curves, inverted bounds") << 1u << 50.0 << 1e8 << 0.0;
        QTest::newRow("wide curves, inverted bounds") << 2u << 5000.0 << 1e8 << 0.0;
        QTest::newRow("tight bounds") << 3u << 100.0 << -10.0 << 0.0;
        QTest::newRow("tiny coordinates") << 4u << 1e-6 << 1e8 << 0.0;
        QTest::newRow("near-flat on the bound") << 5u << 100.0 << -10.0 << 1e-12;
        QTest::newRow("near-flat, visible bulge") << 6u << 100.0 << 1e8 << 1e-3;
        QTest::newRow("upper bounds at zero") << 7u << 100.0 << 0.0 << 0.0;
    }

    void fastRefinementMatchesPlainSampling()
    {
        QFETCH(quint32, seed);
        QFETCH(double, spread);
        QFETCH(double, startBound);
        QFETCH(double, flatness);
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
            if (flatness > 0) { // y on the line -10, off it by up to flatness (exactly on it for every 4th)
                for (int p = 0; p < 4; ++p)
                    n.setPoint(p, n.x(p), -10.0 + (i % 4 ? (rng.generateDouble() - 0.5) * flatness : 0.0));
            }
            o->subPaths()[0].nodes().append(n);
        }
        double a[4] = {startBound, startBound, -startBound, -startBound};
        double b[4] = {startBound, startBound, -startBound, -startBound};
        double lower[2] = {startBound, startBound};
        doc.refineExtentByCurves(a[0], a[1], a[2], a[3]);
        doc.refineExtentByCurvesPlain(b[0], b[1], b[2], b[3]);
        doc.refineLowerExtentByCurves(lower[0], lower[1]);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(qint64(qFloatDistance(a[i], b[i])), qint64(0));
        for (int i = 0; i < 2; ++i)
            QCOMPARE(qint64(qFloatDistance(lower[i], b[i])), qint64(0));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
