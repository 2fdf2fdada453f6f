#include "app/Translations.h"

#include "support/TestPaths.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void onlyLoadedFilesAreKept_data();
    void onlyLoadedFilesAreKept();
    void selectedLanguageWins_data();
    void selectedLanguageWins();
};

namespace {
// A text the English translation is known to carry.
const char* const Context = "StatusDialog";
const char* const German = "Plotdaten werden erzeugt";

QString current() { return QCoreApplication::translate(Context, German); }
} // namespace

void TestTranslations::onlyLoadedFilesAreKept_data()
{
    // files: name=kind, kind "good" (the built English file), "garbage", "empty"
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("install");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("good and garbage") << QStringList{"Kerfcraft_en.qm=good", "Kerfcraft_xx.qm=garbage"}
                                      << true << QStringList{"Kerfcraft_en.qm"};
    QTest::newRow("empty file") << QStringList{"Kerfcraft_yy.qm=empty"} << true << QStringList();
    QTest::newRow("registration-mark mode keeps none")
        << QStringList{"Kerfcraft_en.qm=good"} << false << QStringList();
    QTest::newRow("other prefix ignored") << QStringList{"Other_en.qm=good", "Kerfcraft_en.ts=good"}
                                          << true << QStringList();
    QTest::newRow("two good ones") << QStringList{"Kerfcraft_en.qm=good", "Kerfcraft_fr.qm=good"}
                                   << true << QStringList{"Kerfcraft_en.qm", "Kerfcraft_fr.qm"};
}

void TestTranslations::onlyLoadedFilesAreKept()
{
    QFETCH(QStringList, files);
    QFETCH(bool, install);
    QFETCH(QStringList, kept);

    QTemporaryDir dir;
    for (const QString& entry : files) {
        const QString name = entry.section('=', 0, 0);
        const QString kind = entry.section('=', 1);
        const QString path = dir.filePath(name);
        if (kind == "good") {
            QVERIFY(QFile::copy(TestPaths::bin("Kerfcraft_en.qm"), path));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (kind == "garbage")
                f.write(QByteArray(512, '\x5a'));
        }
    }

    const QString german = QString::fromUtf8(German);
    QCOMPARE(current(), german);
    {
        Translations table;
        table.load(dir.path(), install);
        QCOMPARE(table.fileNames(), kept);
        for (const QString& name : kept) {
            QVERIFY(table.translator(name));
            QVERIFY(!table.translator(name)->isEmpty());
        }
        QVERIFY(!table.translator("Kerfcraft_xx.qm"));
        QCOMPARE(current() != german, !kept.isEmpty());
    }
    // Destroying the table takes its translators out of the application.
    QCOMPARE(current(), german);
}

// Both shipped files are installed at start; whichever is listed last
// would win. The saved language must decide instead.
void TestTranslations::selectedLanguageWins_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("found");
    QTest::addColumn<bool>("english");
    QTest::newRow("German") << "German" << true << false;
    QTest::newRow("English") << "English" << true << true;
}

void TestTranslations::selectedLanguageWins()
{
    QFETCH(QString, language);
    QTemporaryDir dir;
    QVERIFY(QFile::copy(TestPaths::bin("Kerfcraft_de.qm"), dir.filePath("Kerfcraft_de.qm")));
    QVERIFY(QFile::copy(TestPaths::bin("Kerfcraft_en.qm"), dir.filePath("Kerfcraft_en.qm")));
    Translations table;
    table.load(dir.path(), true);
    QCOMPARE(Translations::languageName("Kerfcraft_en.qm"), QStringLiteral("English"));
    QVERIFY(!table.select(QStringLiteral("Klingon")));
    QTEST(table.select(language), "found");
    QTEST(current() != QString::fromUtf8(German), "english");
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
