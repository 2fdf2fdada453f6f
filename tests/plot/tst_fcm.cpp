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
        hex += line.left(line.indexOf('#') < 0 ? line.size() : line.indexOf('#'));
    return QByteArray::fromHex(hex.simplified().replace(' ', ""));
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

template <class T> bool same(const QVector<T>& a, const QVector<T>& b)
{
    return a.size() == b.size() && std::memcmp(a.constData(), b.constData(), sizeof(T) * a.size()) == 0;
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
    QTest::addColumn<QStringList>("paths"); // written; tests/data/fcm/<name>.hex holds the golden bytes
    QTest::addColumn<int>("mat");
    const QString square = "Q: 0,0 10,0 10,10 0,10 0,0 z";
    QTest::newRow("square") << square << "" << "/jobs/square.fcm" << QStringList{"/jobs/square.fcm"} << 0;
    QTest::newRow("curve") << "K: 0,0 c0,5 5,10 10,10 10,0" << "matH=400" << "/jobs/kurvenschnitt.fcm"
                           << QStringList{"/jobs/kurvenschnitt.fcm"} << 1;
    QTest::newRow("two copies, stops") << "A: 0,0 10,0; B: 0,10 10,10" << "cols=2 gap=4 stops" << "/jobs/zwei.fcm"
                                       << QStringList{"/jobs/zwei1.fcm", "/jobs/zwei2.fcm"} << 0;
    // Lead-ins start left of and before the mat edge: negative start points.
    QTest::newRow("overcut off the edge") << square << "right=0 bottom=0 overcut=1 matH=300" << "rand.fcm"
                                          << QStringList{"rand.fcm"} << 0;
    // One file per colour; the second row of copies is empty.
    QTest::newRow("colours, frames, turned")
        << "colours: #ff0000 #0000ff; E: 0,0 c3,9 7,9 10,0 #ff0000; 0,0 10,10 #0000ff"
        << "select=3 stops grid=2 rot=1 mirror auto count=3 matW=50 matH=301" << "farben"
        << QStringList{"farben1", "farben2"} << 1;
}

void TestFcm::files()
{
    QFETCH(QString, drawing);
    QFETCH(QString, settings);
    QFETCH(QString, fileName);
    QFETCH(QStringList, paths);
    QFETCH(int, mat);
    Document doc;
    QCOMPARE(buildJob(doc, drawing, 10, 10, settings + " fcm"), QString());
    QImage thumbnail;
    if (fileName.contains("square")) { // 1 x 1, index 1
        thumbnail = QImage(1, 1, QImage::Format_Mono);
        thumbnail.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        thumbnail.setPixel(0, 0, 1);
    }
    QStringList written;
    for (const FcmExport::File& f : FcmExport(doc).files(fileName, thumbnail)) {
        written << f.path;
        const QString golden = QFileInfo(f.path).completeBaseName() + ".hex";
        if (QFile::exists(TestPaths::data("fcm/" + golden)))
            QVERIFY2(f.bytes == hexFile(golden),
                     describeMismatch(f.bytes.toHex(' '), hexFile(golden).toHex(' ')).constData());
        const FcmReader r(f.bytes);
        QVERIFY(r.ok && r.name == FcmExport::internalName(fileName) && r.mat == mat);
        QCOMPARE(f.geometry.size(), 1);
        const CutGeometry::Piece want = filed(f.geometry.first());
        QVERIFY(same(r.paths.paths, want.paths));
        QVERIFY(same(r.paths.segments, want.segments));
        QVERIFY(same(r.paths.points, want.points));
    }
    QCOMPARE(written, paths);
}

QTEST_GUILESS_MAIN(TestFcm)
#include "tst_fcm.moc"
