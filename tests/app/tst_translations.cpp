#include "app/Translations.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// A text the English translation is known to carry.
const char* const kGerman = "Plotdaten werden erzeugt";
bool english()
{
    return QCoreApplication::translate("StatusDialog", kGerman) != QString::fromUtf8(kGerman);
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void onlyLoadedFilesAreKept_data()
    {
        QTest::addColumn<QStringList>("files"); // "name=kind": "good" (the built English file) or "garbage"
        QTest::addColumn<bool>("install");
        QTest::addColumn<QStringList>("kept");

        QTest::newRow("good and garbage") << QStringList{"Kerfcraft_en.qm=good", "Kerfcraft_xx.qm=garbage"} << true
                                          << QStringList{"Kerfcraft_en.qm"};
        QTest::newRow("registration-mark mode keeps none") << QStringList{"Kerfcraft_en.qm=good"} << false
                                                           << QStringList();
        QTest::newRow("other names ignored") << QStringList{"Other_en.qm=good", "Kerfcraft_en.ts=good"} << true
                                             << QStringList();
    }

    void onlyLoadedFilesAreKept()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, install);
        QFETCH(QStringList, kept);

        QTemporaryDir dir;
        for (const QString& entry : files) {
            const QString path = dir.filePath(entry.section('=', 0, 0));
            QVERIFY(entry.endsWith("=good") ? QFile::copy(TestPaths::bin("Kerfcraft_en.qm"), path)
                                            : TestFiles::write(path, QByteArray(512, '\x5a')));
        }
        QVERIFY(!english());
        {
            Translations table;
            table.load(dir.path(), install);
            QCOMPARE(table.fileNames(), kept);
            QVERIFY(!table.translator("Kerfcraft_xx.qm"));
            QCOMPARE(english(), !kept.isEmpty());
        }
        // Destroying the table takes its translators out of the application.
        QVERIFY(!english());
    }

    // Both shipped files are installed at start and the last one listed would
    // win; the saved language must decide instead.
    void selectedLanguageWins_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("english");
        QTest::newRow("German") << "German" << false;
        QTest::newRow("English") << "English" << true;
    }

    void selectedLanguageWins()
    {
        QFETCH(QString, language);
        QTemporaryDir dir;
        for (const QString name : {"Kerfcraft_de.qm", "Kerfcraft_en.qm"})
            QVERIFY(QFile::copy(TestPaths::bin(name), dir.filePath(name)));
        Translations table;
        table.load(dir.path(), true);
        QVERIFY(!table.select(QStringLiteral("Klingon")));
        QVERIFY(table.select(language));
        QTEST(english(), "english");
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
