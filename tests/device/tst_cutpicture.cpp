#include "device/CutPicture.h"

#include <QtTest>

namespace {

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
    void render_data();
    void render();
};

void TestCutPicture::render_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QSize>("size");   // at 4 pixels per mm, 2 pixels margin
    QTest::addColumn<QString>("black");
    QTest::addColumn<QString>("white");

    // Coordinates in the stream are 1/40 mm, along the feed first: 400 is 10 mm.
    // Pictures are seen from the front: x grows to the left, the feed upwards.
    QTest::newRow("a cut along the feed") << QByteArray("IN;PU0,0;PD400,0;PU;")
                                          << QSize(5, 45) << "2,2 2,22 2,42" << "1,22 3,22 2,44";
    QTest::newRow("across grows to the left, pen-up moves are not drawn")
        << QByteArray("IN;PU0,0;PD;PR400,0;PR0,400;PU;PR-400,0;")
        << QSize(45, 45) << "42,22 22,2" << "22,22 2,42";
    QTest::newRow("negative coordinates widen the picture") << QByteArray("IN;PD-400,0;")
                                                            << QSize(5, 45) << "2,2 2,42" << "3,42";
    QTest::newRow("ten metres fit in 8000 pixels") << QByteArray("IN;PD400000,0;")
                                                   << QSize(5, 8000) << "2,2 2,7997" << "3,4000";
}

void TestCutPicture::render()
{
    QFETCH(QByteArray, stream);
    QFETCH(QSize, size);
    QFETCH(QString, black);
    QFETCH(QString, white);

    const QImage image = CutPicture::render(stream, 4.0, 2);
    QCOMPARE(image.size(), size);
    QCOMPARE(otherThan(image, black, qRgb(0, 0, 0)), QString());
    QCOMPARE(otherThan(image, white, qRgb(255, 255, 255)), QString());
}

QTEST_GUILESS_MAIN(TestCutPicture)
#include "tst_cutpicture.moc"
