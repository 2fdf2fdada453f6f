// FCM export: hand-derived golden files, and every written file read back
// and compared with the geometry the cutting head recorded (to the 0.01 mm
// the file holds).

#include "PlotFixtures.h"
#include "plot/FcmExport.h"
#include "support/FcmReader.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QtTest>

#include <cmath>
#include <cstring>

using namespace PlotFixtures;

namespace {

// Hex pairs; "#" starts a comment.
QByteArray hexFile(const QString& name)
{
    QByteArray hex;
    for (const QByteArray& line : TestFiles::read(TestPaths::data("fcm/" + name)).split('\n'))
        hex += line.split('#').first();
    return QByteArray::fromHex(hex);
}

// The geometry as the file holds it: hundredths of a millimetre, truncated,
// segment points never below 0 (+ 0.0 turns -0 into 0 as the reader has it).
CutGeometry::Piece filed(CutGeometry::Piece p)
{
    const auto h = [](CutGeometry::Point& q, double low) {
        q = {std::max(low, std::trunc(q.x * 100)) / 100 + 0.0, std::max(low, std::trunc(q.y * 100)) / 100 + 0.0};
    };
    for (CutGeometry::Path& path : p.paths)
        h(path.start, -HUGE_VAL);
    for (CutGeometry::Point& pt : p.points)
        h(pt, 0.0);
    return p;
}

// Paths, runs and points bit for bit.
bool same(const CutGeometry::Piece& a, const CutGeometry::Piece& b)
{
    const auto eq = [](const auto& x, const auto& y) {
        return x.size() == y.size() && std::memcmp(x.constData(), y.constData(), sizeof(x[0]) * x.size()) == 0;
    };
    return eq(a.paths, b.paths) && eq(a.segments, b.segments) && eq(a.points, b.points);
}

} // namespace

class TestFcm : public QObject
{
    Q_OBJECT
private slots:
    void files_data()
    {
        QTest::addColumn<QString>("job");       // drawing | settings
        QTest::addColumn<QStringList>("paths"); // the chosen name, then the files written; the
                                                // golden bytes are tests/data/fcm/<name>.hex
        QTest::addColumn<int>("mat");
        const QString square = "Q: 0,0 10,0 10,10 0,10 0,0 z|";
        QTest::newRow("square") << square << QStringList{"/jobs/square.fcm", "/jobs/square.fcm"} << 0;
        QTest::newRow("curve") << "K: 0,0 c0,5 5,10 10,10 10,0|matH=400"
                               << QStringList{"/jobs/kurvenschnitt.fcm", "/jobs/kurvenschnitt.fcm"} << 1;
        QTest::newRow("two copies, stops") << "A: 0,0 10,0; B: 0,10 10,10|cols=2 gap=4 stops"
                                           << QStringList{"/jobs/zwei.fcm", "/jobs/zwei1.fcm", "/jobs/zwei2.fcm"} << 0;
        // Lead-ins start left of and before the mat edge: negative start points.
        QTest::newRow("overcut off the edge") << square + "right=0 bottom=0 overcut=1 matH=300"
                                              << QStringList{"rand.fcm", "rand.fcm"} << 0;
        // One file per colour (the second row of copies is empty); a dot in a
        // folder name is no extension.
        QTest::newRow("colours, frames, turned")
            << "colours: #ff0000 #0000ff; E: 0,0 c3,9 7,9 10,0 #ff0000; 0,0 10,10 #0000ff|"
               "select=3 stops grid=2 rot=1 mirror auto count=3 matW=50 matH=301"
            << QStringList{"/v.2/farben", "/v.2/farben1", "/v.2/farben2"} << 1;
    }
    void files()
    {
        QFETCH(QString, job);
        QFETCH(QStringList, paths);
        QFETCH(int, mat);
        const QString fileName = paths.takeFirst();
        Document doc;
        QCOMPARE(buildJob(doc, job.section('|', 0, 0), 10, 10, job.section('|', 1) + " fcm"), QString());
        QImage thumbnail(1, 1, QImage::Format_Mono); // the square's: one pixel, index 1
        thumbnail.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        thumbnail.fill(1);
        QStringList written;
        for (const FcmExport::File& f : FcmExport(doc).files(fileName, fileName.contains("square") ? thumbnail : QImage())) {
            written << f.path;
            const QString golden = QFileInfo(f.path).completeBaseName() + ".hex";
            if (QFile::exists(TestPaths::data("fcm/" + golden)))
                QVERIFY2(f.bytes == hexFile(golden),
                         describeMismatch(f.bytes.toHex(' '), hexFile(golden).toHex(' ')).constData());
            const FcmReader r(f.bytes);
            QVERIFY(r.ok && r.name == FcmExport::internalName(fileName) && r.mat == mat);
            QVERIFY(f.geometry.size() == 1 && same(r.paths, filed(f.geometry.first())));
        }
        QCOMPARE(written, paths);
    }
};

QTEST_GUILESS_MAIN(TestFcm)
#include "tst_fcm.moc"
