// What a plotter says about itself, and which model of the presets that is.
#include "device/PlotterAnswers.h"
#include "device/PlotterModelMatch.h"
#include "presets/PlotterTemplate.h"

#include <QtTest>

#include <memory>
#include <vector>

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
    void read_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QString>("text");    // the answer text; empty: the received bytes
        QTest::addColumn<QString>("results"); // device, settings, media: R read, T too short, - other
        QTest::addColumn<QString>("changes");

        // Device answers: "OR4", five values, the last carrying the semicolon.
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
    void read()
    {
        QFETCH(QByteArray, received);
        QFETCH(QString, text);

        const QString answer = PlotterAnswers::answerText(received.constData(), received.size());
        QCOMPARE(answer, text.isEmpty() ? QString::fromLatin1(received) : text);
        PlotterConfiguration config = before();
        QString got;
        for (auto read : {PlotterAnswers::readDeviceAnswer, PlotterAnswers::readSettingsAnswer,
                          PlotterAnswers::readMediaAnswer})
            got += QLatin1String("-TR").at(int(read(answer, config)));
        QTEST(got, "results");
        QTEST(changes(config), "changes");
    }

    // The device text of a plotter against the plotter models of the presets.
    void match_data()
    {
        QTest::addColumn<QString>("deviceText");
        QTest::addColumn<QStringList>("models");  // "Name|key,key", in presets order
        QTest::addColumn<int>("expected");        // index of the model, -1 none

        const QString sable = QStringLiteral("KC / Kerfcraft Sable 60");
        QTest::newRow("trailing blanks are ignored") << sable + "  \t" << QStringList{"Sable 60|"} << 0;
        QTest::newRow("name must end the text") << sable + " Pro" << QStringList{"Sable 60|"} << -1;
        QTest::newRow("name is case-sensitive") << sable << QStringList{"sable 60|"} << -1;
        QTest::newRow("first name match wins") << sable << QStringList{"60|", "Sable 60|"} << 0;
        QTest::newRow("key anywhere in the text") << "KC / XY-60 rev 2" << QStringList{"A|XY-60"} << 0;
        QTest::newRow("key is case-sensitive") << "KC / xy-60" << QStringList{"A|XY-60"} << -1;
        QTest::newRow("key is looked for in the untrimmed text") << "  Sable" << QStringList{"A|  Sa"} << 0;
        QTest::newRow("a later name match beats an earlier key match")
            << "KC / Expert Pro 24" << QStringList{"Expert 24|Expert", "Expert Pro 24|"} << 1;
        QTest::newRow("an earlier name match beats a later key") << sable << QStringList{"60|", "B|KC"} << 0;
        QTest::newRow("the first key match stays") << sable << QStringList{"A|KC", "B|Kerf", "C|Sable"} << 0;
        QTest::newRow("no models") << sable << QStringList() << -1;
    }
    void match()
    {
        QFETCH(QString, deviceText);
        QFETCH(QStringList, models);

        std::vector<std::unique_ptr<PlotterTemplate>> owned;
        QList<PlotterTemplate*> list;
        for (const QString& m : models) {
            owned.push_back(std::make_unique<PlotterTemplate>());
            owned.back()->Name = m.section(QLatin1Char('|'), 0, 0);
            owned.back()->Keys = m.section(QLatin1Char('|'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
            list.append(owned.back().get());
        }
        PlotterTemplate* found = matchPlotterModel(deviceText, list);
        QTEST(found ? list.indexOf(found) : -1, "expected");
    }
};

QTEST_GUILESS_MAIN(TestPlotterAnswers)
#include "tst_plotteranswers.moc"
