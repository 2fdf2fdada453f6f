#include "device/PlotterModelMatch.h"
#include "presets/PlotterTemplate.h"

#include <QtTest>

#include <memory>
#include <vector>

class TestModelMatch : public QObject
{
    Q_OBJECT
private slots:
    void match_data();
    void match();
};

void TestModelMatch::match_data()
{
    QTest::addColumn<QString>("deviceText");
    QTest::addColumn<QStringList>("models");  // "Name|key,key", in presets order
    QTest::addColumn<int>("expected");        // index of the model, -1 none

    const QString sable = QStringLiteral("KC / Kerfcraft Sable 60");
    QTest::newRow("name ends the text") << sable << QStringList{"Sable 60|"} << 0;
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

void TestModelMatch::match()
{
    QFETCH(QString, deviceText);
    QFETCH(QStringList, models);
    QFETCH(int, expected);

    std::vector<std::unique_ptr<PlotterTemplate>> owned;
    QList<PlotterTemplate*> list;
    for (const QString& m : models) {
        owned.push_back(std::make_unique<PlotterTemplate>());
        owned.back()->Name = m.section(QLatin1Char('|'), 0, 0);
        owned.back()->Keys = m.section(QLatin1Char('|'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
        list.append(owned.back().get());
    }
    PlotterTemplate* found = matchPlotterModel(deviceText, list);
    QCOMPARE(found ? list.indexOf(found) : -1, expected);
}

QTEST_GUILESS_MAIN(TestModelMatch)
#include "tst_modelmatch.moc"
