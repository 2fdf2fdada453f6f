// FCM export: hand-derived golden files, and every written file read back
// and compared with the geometry the cutting head recorded.

#include "PlotFixtures.h"
#include "plot/FcmExport.h"
#include "support/FcmReader.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QtTest>

#include <cmath>

using namespace PlotFixtures;

namespace {

// Hex pairs; "#" starts a comment.
QByteArray hexFile(const QString& name)
{
    QByteArray hex;
    for (const QByteArray& line : TestFiles::read(TestPaths::data("fcm/" + name)).split('\n'))
        hex += line.left(line.indexOf('#') < 0 ? line.size() : line.indexOf('#'));
    return QByteArray::fromHex(hex.simplified().replace(' ', ""));
}

// The file holds hundredths of a millimetre, truncated; segment points are
// never below 0.
bool near(CutGeometry::Point got, CutGeometry::Point mm, bool clamp)
{
    auto file = [&](double v) { return (clamp ? std::max(0.0, std::trunc(v * 100)) : std::trunc(v * 100)) / 100; };
    return std::fabs(got.x - file(mm.x)) <= 1e-9 && std::fabs(got.y - file(mm.y)) <= 1e-9;
}

} // namespace

class TestFcm : public QObject
{
    Q_OBJECT
private slots:
    void files_data();
    void files();
};

void TestFcm::files_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("goldens"); // tests/data/fcm; empty: read back only
    QTest::addColumn<int>("mat");
    const QString square = "Q: 0,0 10,0 10,10 0,10 0,0 z";
    QTest::newRow("square") << square << "" << "/jobs/square.fcm" << QStringList{"square.hex"} << 0;
    QTest::newRow("curve") << "K: 0,0 c0,5 5,10 10,10 10,0" << "matH=400"
                           << "/jobs/kurvenschnitt.fcm" << QStringList{"curve.hex"} << 1;
    QTest::newRow("two copies, stops") << "A: 0,0 10,0; B: 0,10 10,10" << "cols=2 gap=4 stops"
                                       << "/jobs/zwei.fcm" << QStringList{"zwei1.hex", "zwei2.hex"} << 0;
    // Lead-ins start left of and before the mat edge: negative start points.
    QTest::newRow("overcut off the edge") << square << "right=0 bottom=0 overcut=1 matH=300"
                                          << "rand.fcm" << QStringList() << 0;
    QTest::newRow("colours, frames, turned") << "colours: #ff0000 #0000ff; E: 0,0 c3,9 7,9 10,0 #ff0000; "
                                                "0,0 10,10 #0000ff" << "select=3 stops grid=2 rot=1 mirror "
                                                "auto count=3 matW=50 matH=301" << "farben" << QStringList() << 1;
}

void TestFcm::files()
{
    QFETCH(QString, drawing);
    QFETCH(QString, settings);
    QFETCH(QString, fileName);
    QFETCH(QStringList, goldens);
    QFETCH(int, mat);
    Document doc;
    QCOMPARE(buildJob(doc, drawing, 10, 10, settings + " fcm"), QString());
    QImage thumbnail;
    if (fileName.contains("square")) { // 1 x 1, index 1
        thumbnail = QImage(1, 1, QImage::Format_Mono);
        thumbnail.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        thumbnail.setPixel(0, 0, 1);
    }
    const QVector<FcmExport::File> files = FcmExport(doc).files(fileName, thumbnail);
    QVERIFY(!files.isEmpty());
    for (int i = 0; i < goldens.size(); ++i)
        QVERIFY2(files.value(i).bytes == hexFile(goldens[i]),
                 describeMismatch(files.value(i).bytes.toHex(' '), hexFile(goldens[i]).toHex(' '))
                     .constData());
    if (!goldens.isEmpty())
        QCOMPARE(files.size(), goldens.size());

    for (const FcmExport::File& f : files) {
        const FcmReader r(f.bytes);
        QVERIFY(r.ok);
        QCOMPARE(r.name, FcmExport::internalName(fileName));
        QCOMPARE(r.mat, mat);
        QCOMPARE(f.geometry.size(), 1);
        const CutGeometry::Piece& want = f.geometry.first();
        QCOMPARE(r.paths.paths.size(), want.paths.size());
        QCOMPARE(r.paths.segments.size(), want.segments.size());
        QCOMPARE(r.paths.points.size(), want.points.size());
        for (int p = 0; p < want.paths.size(); ++p) {
            QVERIFY(near(r.paths.paths[p].start, want.paths[p].start, false));
            QCOMPARE(r.paths.paths[p].segmentCount, want.paths[p].segmentCount);
        }
        for (int s = 0; s < want.segments.size(); ++s) {
            QCOMPARE(r.paths.segments[s].type, want.segments[s].type);
            QCOMPARE(r.paths.segments[s].count, want.segments[s].count);
        }
        for (int k = 0; k < want.points.size(); ++k)
            QVERIFY(near(r.paths.points[k], want.points[k], true));
    }
}

QTEST_GUILESS_MAIN(TestFcm)
#include "tst_fcm.moc"
