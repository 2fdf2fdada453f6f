#include "device/CutPicture.h"

#include <QtTest>

namespace {

QString describe(const QVector<QLineF>& lines)
{
    QStringList parts;
    for (const QLineF& l : lines)
        parts.append(QStringLiteral("%1,%2-%3,%4").arg(l.x1()).arg(l.y1()).arg(l.x2()).arg(l.y2()));
    return parts.join(QLatin1Char(' '));
}

// The pixels of "x,y x,y ..." that are not of the given colour.
QString otherThan(const QImage& image, const QString& pixels, QRgb colour)
{
    QStringList wrong;
    for (const QString& p : pixels.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (image.pixel(p.section(QLatin1Char(','), 0, 0).toInt(),
                        p.section(QLatin1Char(','), 1).toInt()) != colour)
            wrong.append(p);
    }
    return wrong.join(QLatin1Char(' '));
}

} // namespace

class TestCutPicture : public QObject
{
    Q_OBJECT
private slots:
    void render_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QString>("cuts"); // mm, x across then y along the feed
        QTest::addColumn<QSize>("size");   // at 4 pixels per mm, 2 pixels margin
        QTest::addColumn<QString>("black");
        QTest::addColumn<QString>("white");

        // Coordinates in the stream are 1/40 mm, along the feed first: 400 is 10 mm.
        // Pictures are seen from the front: x grows to the left, the feed upwards.
        QTest::newRow("a cut along the feed") << QByteArray("IN;PU0,0;PD400,0;PU;") << "0,0-0,10"
                                              << QSize(5, 45) << "2,2 2,22 2,42" << "1,22 3,22 2,44";
        QTest::newRow("pen-up moves are not drawn")
            << QByteArray("IN;PU400,0;PD400,400;PU0,0;") << "0,10-10,10" << QSize(45, 45)
            << "2,2 22,2 42,2" << "2,22 22,22 2,42";
        QTest::newRow("test-cut style: relative moves after PD;")
            << QByteArray("IN;PU0,0;PD;PR400,0;PR0,400;PU;PR-400,0;") << "0,0-0,10 0,10-10,10"
            << QSize(45, 45) << "42,22 22,2" << "22,22 2,42";
        QTest::newRow("device-control strings, other instructions and stray bytes are skipped")
            << QByteArray("\x1b.C1;16;2:IN;VS30;FS120;AS0.2;SP1;\r\n PD400,0;\x1b.D1;40;40:PD400,400;IW;")
            << "0,0-0,10 0,10-10,10" << QSize(45, 45) << "42,22 22,2" << "22,22";
        QTest::newRow("numbers in exponent form") << QByteArray("IN;PD1.2e+03,0;") << "0,0-0,30"
                                                  << QSize(5, 125) << "2,2" << "3,2";
        QTest::newRow("negative coordinates widen the picture") << QByteArray("IN;PD-400,0;") << "0,0-0,-10"
                                                                << QSize(5, 45) << "2,2 2,42" << "3,42";
        QTest::newRow("broken numbers end the instruction")
            << QByteArray("IN;PD400,abc,800,0;PD0,x;") << "" << QSize(5, 5) << "" << "2,2";
        QTest::newRow("ten metres fit in 8000 pixels") << QByteArray("IN;PD400000,0;") << "0,0-0,10000"
                                                       << QSize(5, 8000) << "2,2 2,7997" << "3,4000";
    }
    void render()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QString, cuts);
        QFETCH(QSize, size);
        QFETCH(QString, black);
        QFETCH(QString, white);

        QCOMPARE(describe(CutPicture::cuts(stream)), cuts);
        const QImage image = CutPicture::render(stream, 4.0, 2);
        QCOMPARE(image.size(), size);
        QCOMPARE(otherThan(image, black, qRgb(0, 0, 0)), QString());
        QCOMPARE(otherThan(image, white, qRgb(255, 255, 255)), QString());
    }
};

QTEST_GUILESS_MAIN(TestCutPicture)
#include "tst_cutpicture.moc"
