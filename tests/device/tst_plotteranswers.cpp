#include "device/PlotterAnswers.h"

#include <QtTest>

namespace {

// Values an answer must overwrite or leave standing; the media type is
// none of the three, so that every type read shows as a change.
PlotterConfiguration before()
{
    PlotterConfiguration c;
    c.deviceText = c.firmwareText = QStringLiteral("old");
    c.speed = c.force = c.offset = c.quality = 9;
    c.edgeSmoothing = c.unrollMedium = true;
    c.mediaType = 5;
    c.mediaWidth = 7;
    c.mediaHeight = 8;
    return c;
}

// The fields that differ from before(), "name=value" joined by "|".
QString changes(const PlotterConfiguration& c)
{
    const PlotterConfiguration b = before();
    QStringList t;
    auto note = [&t](const char* name, const QVariant& was, const QVariant& now) {
        if (was != now)
            t.append(QLatin1String(name) + QLatin1Char('=') + now.toString());
    };
    note("dev", b.deviceText, c.deviceText);
    note("fw", b.firmwareText, c.firmwareText);
    note("speed", b.speed, c.speed);
    note("force", b.force, c.force);
    note("offset", b.offset, c.offset);
    note("quality", b.quality, c.quality);
    note("edge", int(b.edgeSmoothing), int(c.edgeSmoothing));
    note("unroll", int(b.unrollMedium), int(c.unrollMedium));
    note("media", b.mediaType, c.mediaType);
    note("width", b.mediaWidth, c.mediaWidth);
    note("height", b.mediaHeight, c.mediaHeight);
    return t.join(QLatin1Char('|'));
}

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
    QTest::addColumn<QString>("text");    // the answer text; empty: the received bytes
    QTest::addColumn<QString>("results"); // device, settings, media: R read, T too short, - other
    QTest::addColumn<QString>("changes");

    // Device answers: "OR4", five values, the last carrying the semicolon.
    QTest::newRow("device, six fields")
        << QByteArray("OR4,KERFCRAFT,Sable 60,V2.11,2024-03-18,R1;") << "" << "R--"
        << "dev=KERFCRAFT / Sable 60|fw=V2.11 / 2024-03-18 R1;";
    QTest::newRow("device, seven fields: the seventh is not read")
        << QByteArray("OR4,A,B,C,D,E,F;") << "" << "R--" << "dev=A / B|fw=C / D E";
    QTest::newRow("device, five fields") << QByteArray("OR4,A,B,C,D;") << "" << "T--" << "";
    QTest::newRow("device, no closing semicolon") << QByteArray("OR4,A,B,C,D,E") << "" << "---" << "";
    QTest::newRow("device, line ends anywhere")
        << QByteArray("\r\nOR4,KERF\r\nCRAFT,X,1,2,3;\r\n") << "OR4,KERFCRAFT,X,1,2,3;" << "R--"
        << "dev=KERFCRAFT / X|fw=1 / 2 3;";

    // Settings answers: fields 1 to 7 are speed, force, offset, quality,
    // edge smoothing, unroll, media type (1 roll, 0 sheet, 2 edge).
    QTest::newRow("settings, nine fields") << QByteArray("OR1,30,120,25,2,1,0,1,77;") << "" << "-R-"
                                           << "speed=30|force=120|offset=25|quality=2|unroll=0|media=0";
    QTest::newRow("settings, eight fields: the semicolon spoils field 7")
        << QByteArray("OR1,30,120,25,2,0,1,1;") << "" << "-R-"
        << "speed=30|force=120|offset=25|quality=2|edge=0|media=1";
    QTest::newRow("settings, seven fields") << QByteArray("OR1,30,120,25,2,0,1;") << "" << "-T-" << "";
    QTest::newRow("settings, no closing semicolon")
        << QByteArray("OR1,30,120,25,2,0,1,1,0") << "" << "---" << "";
    QTest::newRow("settings, every number malformed")
        << QByteArray("OR1,fast,12.5,,-3,2,x,1,0;") << "" << "-R-"
        << "speed=0|force=0|offset=0|quality=-3|unroll=0|media=0";
    QTest::newRow("settings, media edge") << QByteArray("OR1,9,9,9,9,1,1,2,0;") << "" << "-R-"
                                          << "media=2";
    QTest::newRow("settings, unknown media type keeps the old one")
        << QByteArray("OR1,9,9,9,9,0,0,5,0;") << "" << "-R-" << "edge=0|unroll=0";

    // Media answers: "0,0," then height and width in 1/40 mm.
    QTest::newRow("media") << QByteArray("0,0,12000,24000\r\n") << "0,0,12000,24000" << "--R"
                           << "width=600|height=300";
    QTest::newRow("media, blanks round it, whole mm by truncation")
        << QByteArray("  0,0,12039,24079 \t\r\n") << "0,0,12039,24079" << "--R"
        << "width=601|height=300";
    QTest::newRow("media, height not a number") << QByteArray("0,0,abc,24000") << "" << "--R"
                                                << "width=600|height=0";
    QTest::newRow("media, three fields") << QByteArray("0,0,12000") << "" << "--T" << "";

    // Whatever else a plotter may send.
    QTest::newRow("text ends at the first zero byte")
        << QByteArray("0,0,40,80\0OR4,A,B,C,D,E;", 24) << "0,0,40,80" << "--R" << "width=2|height=1";
    QTest::newRow("nothing") << QByteArray() << "" << "---" << "";
}

void TestPlotterAnswers::read()
{
    QFETCH(QByteArray, received);
    QFETCH(QString, text);
    QFETCH(QString, results);
    QFETCH(QString, changes);

    const QString answer = PlotterAnswers::answerText(received.constData(), received.size());
    QCOMPARE(answer, text.isEmpty() ? QString::fromLatin1(received) : text);
    PlotterConfiguration config = before();
    QString got;
    for (auto read : {PlotterAnswers::readDeviceAnswer, PlotterAnswers::readSettingsAnswer,
                      PlotterAnswers::readMediaAnswer})
        got += QLatin1String("-TR").at(int(read(answer, config)));
    QCOMPARE(got, results);
    QCOMPARE(::changes(config), changes);
}

QTEST_GUILESS_MAIN(TestPlotterAnswers)
#include "tst_plotteranswers.moc"
