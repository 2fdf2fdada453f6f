#include "device/PlotterAnswers.h"

#include <QtTest>

using PlotterAnswers::Result;

namespace {

// The fields a reading may change, on one line, so that a row states its
// whole outcome.
QString summary(const PlotterConfiguration& c)
{
    return QStringLiteral("dev=%1|fw=%2|s=%3,%4,%5,%6|e=%7|u=%8|m=%9|size=%10x%11")
        .arg(c.deviceText, c.firmwareText)
        .arg(c.speed)
        .arg(c.force)
        .arg(c.offset)
        .arg(c.quality)
        .arg(int(c.edgeSmoothing))
        .arg(int(c.unrollMedium))
        .arg(c.mediaType)
        .arg(c.mediaWidth)
        .arg(c.mediaHeight);
}

// Values an answer must overwrite or leave standing.
PlotterConfiguration before()
{
    PlotterConfiguration c;
    c.deviceText = QStringLiteral("old");
    c.firmwareText = QStringLiteral("old");
    c.speed = c.force = c.offset = c.quality = 9;
    c.edgeSmoothing = c.unrollMedium = true;
    c.mediaType = 2;
    c.mediaWidth = 7;
    c.mediaHeight = 8;
    return c;
}

const QString kBefore = QStringLiteral("dev=old|fw=old|s=9,9,9,9|e=1|u=1|m=2|size=7x8");

} // namespace

class TestPlotterAnswers : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
};

void TestPlotterAnswers::read_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("settings");
    QTest::addColumn<int>("media");
    QTest::addColumn<QString>("after");

    const int O = int(Result::Other), T = int(Result::TooShort), R = int(Result::Read);

    // Device answers: "OR4", five values, the last carrying the semicolon.
    QTest::newRow("device, six fields")
        << QByteArray("OR4,KERFCRAFT,Sable 60,V2.11,2024-03-18,R1;")
        << "OR4,KERFCRAFT,Sable 60,V2.11,2024-03-18,R1;" << R << O << O
        << "dev=KERFCRAFT / Sable 60|fw=V2.11 / 2024-03-18 R1;|s=9,9,9,9|e=1|u=1|m=2|size=7x8";
    QTest::newRow("device, seven fields: the seventh is not read")
        << QByteArray("OR4,A,B,C,D,E,F;") << "OR4,A,B,C,D,E,F;" << R << O << O
        << "dev=A / B|fw=C / D E|s=9,9,9,9|e=1|u=1|m=2|size=7x8";
    QTest::newRow("device, empty fields kept") << QByteArray("OR4,,,,,;") << "OR4,,,,,;" << R << O
                                               << O
                                               << "dev= / |fw= /  ;|s=9,9,9,9|e=1|u=1|m=2|size=7x8";
    QTest::newRow("device, five fields") << QByteArray("OR4,A,B,C,D;") << "OR4,A,B,C,D;" << T << O
                                         << O << kBefore;
    QTest::newRow("device, no closing semicolon")
        << QByteArray("OR4,A,B,C,D,E") << "OR4,A,B,C,D,E" << O << O << O << kBefore;
    QTest::newRow("device, line ends anywhere")
        << QByteArray("\r\nOR4,KERF\r\nCRAFT,X,1,2,3;\r\n") << "OR4,KERFCRAFT,X,1,2,3;" << R << O
        << O << "dev=KERFCRAFT / X|fw=1 / 2 3;|s=9,9,9,9|e=1|u=1|m=2|size=7x8";
    QTest::newRow("device, lower case prefix") << QByteArray("or4,A,B,C,D,E;")
                                               << "or4,A,B,C,D,E;" << O << O << O << kBefore;

    // Settings answers: fields 1 to 7 are speed, force, offset, quality,
    // edge smoothing, unroll, media type (1 roll, 0 sheet, 2 edge).
    QTest::newRow("settings, nine fields") << QByteArray("OR1,30,120,25,2,1,0,1,77;")
                                           << "OR1,30,120,25,2,1,0,1,77;" << O << R << O
                                           << "dev=old|fw=old|s=30,120,25,2|e=1|u=0|m=0|size=7x8";
    QTest::newRow("settings, eight fields: the semicolon spoils field 7")
        << QByteArray("OR1,30,120,25,2,0,1,1;") << "OR1,30,120,25,2,0,1,1;" << O << R << O
        << "dev=old|fw=old|s=30,120,25,2|e=0|u=1|m=1|size=7x8";
    QTest::newRow("settings, seven fields") << QByteArray("OR1,30,120,25,2,0,1;")
                                            << "OR1,30,120,25,2,0,1;" << O << T << O << kBefore;
    QTest::newRow("settings, no closing semicolon")
        << QByteArray("OR1,30,120,25,2,0,1,1,0") << "OR1,30,120,25,2,0,1,1,0" << O << O << O
        << kBefore;
    QTest::newRow("settings, speed not a number") << QByteArray("OR1,fast,120,25,2,0,0,1,0;")
                                                  << "OR1,fast,120,25,2,0,0,1,0;" << O << R << O
                                                  << "dev=old|fw=old|s=0,120,25,2|e=0|u=0|m=0|size=7x8";
    QTest::newRow("settings, force with decimals")
        << QByteArray("OR1,30,12.5,25,2,0,0,1,0;") << "OR1,30,12.5,25,2,0,0,1,0;" << O << R << O
        << "dev=old|fw=old|s=30,0,25,2|e=0|u=0|m=0|size=7x8";
    QTest::newRow("settings, offset empty") << QByteArray("OR1,30,120,,2,0,0,1,0;")
                                            << "OR1,30,120,,2,0,0,1,0;" << O << R << O
                                            << "dev=old|fw=old|s=30,120,0,2|e=0|u=0|m=0|size=7x8";
    QTest::newRow("settings, negative quality") << QByteArray("OR1,30,120,25,-3,0,0,1,0;")
                                                << "OR1,30,120,25,-3,0,0,1,0;" << O << R << O
                                                << "dev=old|fw=old|s=30,120,25,-3|e=0|u=0|m=0|size=7x8";
    QTest::newRow("settings, flags other than 0 and 1")
        << QByteArray("OR1,30,120,25,2,2,x,1,0;") << "OR1,30,120,25,2,2,x,1,0;" << O << R << O
        << "dev=old|fw=old|s=30,120,25,2|e=1|u=0|m=0|size=7x8";
    QTest::newRow("settings, media sheet") << QByteArray("OR1,1,2,3,4,0,0,0,0;")
                                           << "OR1,1,2,3,4,0,0,0,0;" << O << R << O
                                           << "dev=old|fw=old|s=1,2,3,4|e=0|u=0|m=1|size=7x8";
    QTest::newRow("settings, media edge") << QByteArray("OR1,1,2,3,4,0,0,2,0;")
                                          << "OR1,1,2,3,4,0,0,2,0;" << O << R << O
                                          << "dev=old|fw=old|s=1,2,3,4|e=0|u=0|m=2|size=7x8";
    QTest::newRow("settings, unknown media type keeps the old one")
        << QByteArray("OR1,1,2,3,4,0,0,5,0;") << "OR1,1,2,3,4,0,0,5,0;" << O << R << O
        << "dev=old|fw=old|s=1,2,3,4|e=0|u=0|m=2|size=7x8";

    // Media answers: "0,0," then height and width in 1/40 mm.
    QTest::newRow("media") << QByteArray("0,0,12000,24000\r\n") << "0,0,12000,24000" << O << O << R
                           << "dev=old|fw=old|s=9,9,9,9|e=1|u=1|m=2|size=600x300";
    QTest::newRow("media, whole millimetres by truncation")
        << QByteArray("0,0,12039,24079") << "0,0,12039,24079" << O << O << R
        << "dev=old|fw=old|s=9,9,9,9|e=1|u=1|m=2|size=601x300";
    QTest::newRow("media, height not a number")
        << QByteArray("0,0,abc,24000") << "0,0,abc,24000" << O << O << R
        << "dev=old|fw=old|s=9,9,9,9|e=1|u=1|m=2|size=600x0";
    QTest::newRow("media, three fields") << QByteArray("0,0,12000") << "0,0,12000" << O << O << T
                                         << kBefore;
    QTest::newRow("media, five fields") << QByteArray("0,0,1,2,3") << "0,0,1,2,3" << O << O << T
                                        << kBefore;
    QTest::newRow("media, blanks round it") << QByteArray("  0,0,40,80 \t\r\n") << "0,0,40,80"
                                            << O << O << R
                                            << "dev=old|fw=old|s=9,9,9,9|e=1|u=1|m=2|size=2x1";

    // Whatever else a plotter may send.
    QTest::newRow("text ends at the first zero byte")
        << QByteArray("0,0,40,80\0OR4,A,B,C,D,E;", 24) << "0,0,40,80" << O << O << R
        << "dev=old|fw=old|s=9,9,9,9|e=1|u=1|m=2|size=2x1";
    QTest::newRow("garbage") << QByteArray("\xff\xfe\x01#;") << QString::fromLatin1("\xff\xfe\x01#;")
                             << O << O << O << kBefore;
    QTest::newRow("nothing") << QByteArray() << QString() << O << O << O << kBefore;
}

void TestPlotterAnswers::read()
{
    QFETCH(QByteArray, received);
    QFETCH(QString, text);
    QFETCH(int, device);
    QFETCH(int, settings);
    QFETCH(int, media);
    QFETCH(QString, after);

    const QString answer = PlotterAnswers::answerText(received.constData(), received.size());
    QCOMPARE(answer, text);
    PlotterConfiguration config = before();
    QCOMPARE(int(PlotterAnswers::readDeviceAnswer(answer, config)), device);
    QCOMPARE(int(PlotterAnswers::readSettingsAnswer(answer, config)), settings);
    QCOMPARE(int(PlotterAnswers::readMediaAnswer(answer, config)), media);
    QCOMPARE(summary(config), after);
}

QTEST_GUILESS_MAIN(TestPlotterAnswers)
#include "tst_plotteranswers.moc"
