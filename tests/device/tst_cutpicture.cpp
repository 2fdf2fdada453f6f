#include "device/CutPicture.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString describe(const QVector<QLineF>& lines)
{
    QStringList parts;
    for (const QLineF& l : lines)
        parts.append(QStringLiteral("%1,%2-%3,%4").arg(l.x1()).arg(l.y1()).arg(l.x2()).arg(l.y2()));
    return parts.join(QLatin1Char(' '));
}

bool black(const QImage& image, const QPoint& p) { return image.pixel(p) == qRgb(0, 0, 0); }
bool white(const QImage& image, const QPoint& p) { return image.pixel(p) == qRgb(255, 255, 255); }

} // namespace

class TestCutPicture : public QObject
{
    Q_OBJECT
private slots:
    void render_data();
    void render();
    void savesPng();
};

void TestCutPicture::render_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("margin");
    QTest::addColumn<QString>("cuts");  // mm, x across then y along the feed
    QTest::addColumn<QSize>("size");    // at 4 pixels per mm
    QTest::addColumn<QList<QPoint>>("blackPixels");
    QTest::addColumn<QList<QPoint>>("whitePixels");

    // Coordinates in the stream are 1/40 mm, along the feed first: 400 is 10 mm.
    QTest::newRow("a cut along the feed")
        << QByteArray("IN;PU0,0;PD400,0;PU;") << 2 << "0,0-0,10" << QSize(5, 45)
        << QList<QPoint>{{2, 2}, {2, 22}, {2, 42}} << QList<QPoint>{{1, 22}, {3, 22}, {2, 44}};
    QTest::newRow("a cut across") << QByteArray("IN;PD0,400;") << 2 << "0,0-10,0" << QSize(45, 5)
                                  << QList<QPoint>{{2, 2}, {22, 2}, {42, 2}}
                                  << QList<QPoint>{{22, 1}, {22, 3}};
    QTest::newRow("pen-up moves are not drawn")
        << QByteArray("IN;PU400,0;PD400,400;PU0,0;") << 2 << "0,10-10,10" << QSize(45, 45)
        << QList<QPoint>{{2, 42}, {22, 42}, {42, 42}} << QList<QPoint>{{2, 22}, {22, 22}, {2, 2}};
    QTest::newRow("relative moves") << QByteArray("IN;PU0,0;PR;PD200,0;PD0,200;PU;") << 2
                                    << "0,0-0,5 0,5-5,5" << QSize(25, 25)
                                    << QList<QPoint>{{2, 12}, {12, 22}}
                                    << QList<QPoint>{{12, 12}, {22, 2}};
    QTest::newRow("test-cut style: relative moves after PD;")
        << QByteArray("IN;PU0,0;PD;PR400,0;PR0,400;PU;PR-400,0;") << 2 << "0,0-0,10 0,10-10,10"
        << QSize(45, 45) << QList<QPoint>{{2, 22}, {22, 42}} << QList<QPoint>{{22, 22}, {42, 2}};
    QTest::newRow("IN resets to absolute, pen up, origin")
        << QByteArray("IN;PR;PU400,400;IN;PD0,400;") << 2 << "0,0-10,0" << QSize(45, 5)
        << QList<QPoint>{{22, 2}} << QList<QPoint>{};
    QTest::newRow("device-control strings are skipped")
        << QByteArray("\x1b.C1;16;2:IN;PD400,0;\x1b.D1;40;40:PD400,400;") << 2
        << "0,0-0,10 0,10-10,10" << QSize(45, 45) << QList<QPoint>{{2, 22}, {22, 42}}
        << QList<QPoint>{{22, 22}};
    QTest::newRow("several pairs in one instruction")
        << QByteArray("IN;PD400,0,400,400;") << 2 << "0,0-0,10 0,10-10,10" << QSize(45, 45)
        << QList<QPoint>{{2, 22}, {22, 42}} << QList<QPoint>{{22, 22}};
    QTest::newRow("numbers in exponent form") << QByteArray("IN;PD1.2e+03,0;") << 2 << "0,0-0,30"
                                              << QSize(5, 125) << QList<QPoint>{{2, 122}}
                                              << QList<QPoint>{{3, 122}};
    QTest::newRow("negative coordinates widen the picture")
        << QByteArray("IN;PD-400,0;") << 2 << "0,0-0,-10" << QSize(5, 45)
        << QList<QPoint>{{2, 2}, {2, 42}} << QList<QPoint>{{3, 42}};
    QTest::newRow("broken numbers end the instruction")
        << QByteArray("IN;PD400,abc,800,0;PD0,x;") << 2 << "" << QSize(5, 5) << QList<QPoint>{}
        << QList<QPoint>{{2, 2}};
    QTest::newRow("other instructions and stray bytes")
        << QByteArray("IN;VS30;FS120;AS0.2;TO0.250;SP1;\r\n  PD0,400;IW;") << 2 << "0,0-10,0"
        << QSize(45, 5) << QList<QPoint>{{22, 2}} << QList<QPoint>{};
    QTest::newRow("an unterminated last instruction counts")
        << QByteArray("IN;PD0,400") << 2 << "0,0-10,0" << QSize(45, 5) << QList<QPoint>{{42, 2}}
        << QList<QPoint>{};
    QTest::newRow("ten metres fit in 8000 pixels") << QByteArray("IN;PD400000,0;") << 8
                                                   << "0,0-0,10000" << QSize(17, 8000)
                                                   << QList<QPoint>{{8, 8}, {8, 7991}}
                                                   << QList<QPoint>{{9, 4000}};
}

void TestCutPicture::render()
{
    QFETCH(QByteArray, stream);
    QFETCH(int, margin);
    QFETCH(QString, cuts);
    QFETCH(QSize, size);
    QFETCH(QList<QPoint>, blackPixels);
    QFETCH(QList<QPoint>, whitePixels);

    QCOMPARE(describe(CutPicture::cuts(stream)), cuts);
    const QImage image = CutPicture::render(stream, 4.0, margin);
    QCOMPARE(image.size(), size);
    for (const QPoint& p : blackPixels)
        QVERIFY2(black(image, p), qPrintable(QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y())));
    for (const QPoint& p : whitePixels)
        QVERIFY2(white(image, p), qPrintable(QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y())));
}

void TestCutPicture::savesPng()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("cut.png"));
    const QImage image = CutPicture::render("IN;PD400,400;", 4.0, 2);
    QVERIFY(CutPicture::save(image, path));
    QImage back(path);
    QCOMPARE(back.size(), image.size());
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), image);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("cut.png")});
    QVERIFY(!CutPicture::save(image, dir.filePath(QStringLiteral("missing/cut.png"))));
}

QTEST_GUILESS_MAIN(TestCutPicture)
#include "tst_cutpicture.moc"
