#include "PlotFixtures.h"
#include "support/RecordingMessages.h"

#include "cli/PlotJob.h"
#include "document/JobFile.h"
#include "document/JobSettingsTable.h"
#include "plot/JobLayout.h"

#include <QTemporaryDir>
#include <QtTest>

#include <climits>

// Every job setting at both int limits, on each road in: --set refuses what
// the window's control would not take, a job file holds it to that range,
// and the document's setters below them (taken straight) leave layout and
// the object count defined. tests/ubsan.sh runs this under UBSan.
class TestSettingLimits : public QObject
{
    Q_OBJECT
private slots:
    void limits_data();
    void limits();
};

void TestSettingLimits::limits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("value");
    for (const JobSettingsTable::Row& r : JobSettingsTable::rows())
        if (r.type != JobSettingsTable::Row::Uuid)
            for (int v : {INT_MIN, INT_MAX})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(r.name()).arg(v))) << r.name() << v;
}

void TestSettingLimits::limits()
{
    QFETCH(QString, name);
    QFETCH(int, value);
    const JobSettingsTable::Row& row = *JobSettingsTable::find(name);
    Document doc;
    PlotFixtures::addPolyline(doc.appendLayer(), {{0, 0}, {1, 0}, {0, 1e9}});
    doc.updateDrawingExtent();
    doc.setAutoPlacement(true);
    doc.setPasses(INT_MAX);

    QString error;
    const bool taken = PlotJob::applySetting(doc, name, QString::number(value), &error);
    QCOMPARE(taken, row.type == JobSettingsTable::Row::Bool);

    for (bool autoPlacement : {true, false}) {
        doc.setAutoPlacement(autoPlacement);
        row.apply(doc, value);
        const JobLayout layout(doc);
        QVERIFY(std::isfinite(layout.totalWidth()) && std::isfinite(layout.totalLength()));
        QVERIFY(layout.window(layout.windowCount() - 1).startMm >= qint64(INT_MIN) * 2);
        QVERIFY(PlotDataGenerator::objectOutputs(doc) >= 0);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grenzen.kcf"));
    Document::JobSettings s;
    row.set(s, value);
    doc.setJobSettings(s);
    QVERIFY(JobFile::save(doc, path));
    RecordingMessages messages;
    QVERIFY(JobFile::load(doc, path, &messages));
    const double loaded = row.get(doc.jobSettings()).toDouble();
    const bool held = row.hasRange() && !name.startsWith(QLatin1String("JobSize"));
    QVERIFY(!held || (loaded >= row.min && loaded <= row.max));
    QCOMPARE(messages.count(), held ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestSettingLimits)
#include "tst_settinglimits.moc"
