// The quick ways of the plot pipeline against the plain rules they replace:
// same numbers bit for bit, same decisions, same streams.

#include "PlotFixtures.h"

#include "plot/CurveSteps.h"
#include "plot/CuttingHead.h"
#include "plot/JobLayout.h"

#include <QtTest>

#include <cstring>

using namespace PlotFixtures;

namespace {

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A point of a drawing text, exact, with its separating blank.
QString xy(QPointF p) { return QString::number(p.x(), 'g', 17) + ',' + QString::number(p.y(), 'g', 17) + ' '; }

QStringList g_debugLines;
void captureDebug(QtMsgType, const QMessageLogContext&, const QString& msg) { g_debugLines << msg; }

} // namespace

class TestFastPaths : public QObject
{
    Q_OBJECT
private slots:
    void curveNumbers_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<double>("spread");
        QTest::addColumn<double>("offset");
        QTest::newRow("millimetre curves") << 1u << 10.0 << 0.0;
        QTest::newRow("far from the origin") << 2u << 3.0 << 25000.0;
        QTest::newRow("metre curves") << 3u << 2000.0 << 500.0;
        QTest::newRow("tiny") << 4u << 1e-6 << 1.0;
        // Spreads around 1.5 mm put many curves right at the 3-chord border.
        QTest::newRow("border of the minimum") << 5u << 1.2 << 0.0;
        QTest::newRow("small, far out") << 6u << 1.0 << 80000.0;
    }
    // Length and chord count of random curves, every fifth one straight with
    // the handles on its end points.
    void curveNumbers()
    {
        QFETCH(quint32, seed);
        QFETCH(double, spread);
        QFETCH(double, offset);
        QRandomGenerator rng(seed);
        for (int i = 0; i < 5000; ++i) {
            KCNode n;
            for (int p = 0; p < 4; ++p)
                n.setPoint(p, offset + (rng.generateDouble() - 0.5) * spread,
                           offset + (rng.generateDouble() - 0.5) * spread);
            if (i % 5 == 0) {
                n.setP1(n.P0X(), n.P0Y());
                n.setP2(n.P3X(), n.P3Y());
            }
            QVERIFY2(sameBits(CurveSteps::nodeLength(n), n.length()), qPrintable(QString::number(i)));
            for (double s : {0.25, 1.0, 1.37, 4.0})
                QCOMPARE(CurveSteps::forNode(n, s), CuttingHead::curveSteps(n.length(), s));
        }
        KCNode cached;
        cached.setCachedLength(42.5);
        QCOMPARE(CurveSteps::nodeLength(cached), 42.5);
        // A straight 0.75 mm curve: two chords per mm give 1.5, so 3; at the
        // length where 2·L·s reaches just over 3 the plain count is 4.
        KCNode n = node({0, 0}, {0.25, 0}, {0.5, 0}, {0.75, 0});
        QCOMPARE(CurveSteps::forNode(n, 1.0), 3);
        QCOMPARE(CurveSteps::forNode(n, 3.0000001 / (2 * n.length())), 4);
    }

    void cornerDecisions_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("angle");
        QTest::addColumn<bool>("gridAngles"); // many corners exactly at the threshold
        QTest::newRow("random corners, 130") << 8u << 130 << false;
        QTest::newRow("right angles at 90") << 10u << 90 << true;
        QTest::newRow("grid corners at 135") << 11u << 135 << true;
        QTest::newRow("threshold 180") << 12u << 180 << false;
        QTest::newRow("threshold 0") << 13u << 0 << true;
    }
    // Diagnostics print every corner angle and so take the plain acos path;
    // without them the cosine decides. Both streams must be the same.
    void cornerDecisions()
    {
        QFETCH(quint32, seed);
        QFETCH(int, angle);
        QFETCH(bool, gridAngles);
        QRandomGenerator rng(seed);
        QStringList objects;
        for (int o = 0; o < 100; ++o) {
            QString pts;
            for (int i = 0; i < 12; ++i) {
                if (gridAngles) // axis and diagonal steps: 0°, 45°, 90°, 135°, 180° corners
                    pts += QStringLiteral("%1,%2 ").arg(rng.bounded(5) * 2).arg(rng.bounded(5) * 2);
                else
                    pts += xy(QPointF(rng.generateDouble() * 20, rng.generateDouble() * 20));
            }
            objects << pts + (o % 2 == 0 ? "z" : "");
        }
        Document d;
        buildJob(d, "Ecken: " + objects.join(';'), 20, 20, "matW=1000 matH=1000 overcut=0.7");
        d.setOvercutAngle(angle);
        const QByteArray fast = generate(d);
        BlockList list;
        PlotDataGenerator g(d);
        g_debugLines.clear();
        const QtMessageHandler old = qInstallMessageHandler(captureDebug);
        g.generate(list); // diagnostics on
        qInstallMessageHandler(old);
        if (fast != list.stream())
            QFAIL(describeMismatch(fast, list.stream()).left(400).constData());
        QVERIFY(g_debugLines.filter(QStringLiteral("Cutting Angle: ")).size() >= 2);
        QVERIFY(g_debugLines.contains(QStringLiteral("Thikness 0 OffsetY 0 XKorrektur: 0 YKorrektur: 0")));
        QVERIFY(g_debugLines.contains(QString::fromLatin1(list.at(0).bytes())));
    }

    // A head without command text skips the inner chords of curves: its
    // geometry record and position stay the same bit for bit.
    void geometryWithoutText()
    {
        QRandomGenerator rng(21);
        const auto at = [&] { return xy(QPointF(rng.bounded(40.0), rng.bounded(40.0))); };
        QStringList paths; // 300 sub-paths of 12 nodes, lines and curves by turns
        for (int i = 0; i < 300; ++i) {
            QString p = at();
            for (int k = 0; k < 12; ++k)
                p += (k + i) % 2 ? at() : 'c' + at() + at() + at();
            paths << p + (i % 3 == 0 ? "z" : "");
        }
        Document d;
        addDrawing(d, "E: " + paths.join('&'));
        const KCObject& o = *d.layers().first()->objects().first();
        CuttingHead plain, quick;
        quick.setEmitCommands(false);
        for (CuttingHead* h : {&plain, &quick}) {
            h->setDiagnostics(false);
            h->resetOrigins();
            h->setOvercut(true, 130, 0.5);
            h->outputObject(o, HeadTransform(Document::Right90, true, true, 1.3, 0.7, 52, 28));
        }
        const CutGeometry::Piece& a = plain.geometry().last().last();
        const CutGeometry::Piece& b = quick.geometry().last().last();
        QVERIFY(a.points.size() > 3000 && a.points.size() == b.points.size() && a.paths.size() == b.paths.size());
        QVERIFY(std::memcmp(a.points.constData(), b.points.constData(), sizeof(a.points[0]) * a.points.size()) == 0);
        QVERIFY(std::memcmp(a.paths.constData(), b.paths.constData(), sizeof(a.paths[0]) * a.paths.size()) == 0);
        QVERIFY(sameBits(plain.position().x, quick.position().x) && sameBits(plain.position().y, quick.position().y));
    }
};

QTEST_GUILESS_MAIN(TestFastPaths)
#include "tst_fastpaths.moc"
