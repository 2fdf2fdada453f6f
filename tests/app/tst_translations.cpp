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
    // Both shipped files are installed at start and the last one listed
    // would win; the saved language must decide instead.
    void load_data()
    {
        QTest::addColumn<QStringList>("files"); // "Kerfcraft_xx.qm" is garbage
        QTest::addColumn<bool>("install");      // false in registration-mark mode
        QTest::addColumn<QString>("select");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("cancel"); // the toolkit's standard button

        const QStringList shipped{"Kerfcraft_de.qm", "Kerfcraft_en.qm"};
        QTest::newRow("broken file leaves no entry") << QStringList{"Kerfcraft_en.qm", "Kerfcraft_xx.qm", "Other_en.qm"}
                                                     << true << "" << QStringList{"Kerfcraft_en.qm"} << true << "Cancel";
        QTest::newRow("registration-mark mode keeps none") << shipped << false << "" << QStringList() << false << "Cancel";
        QTest::newRow("German selected") << shipped << true << "German" << shipped << false << "Abbrechen";
        QTest::newRow("English selected") << shipped << true << "English" << shipped << true << "Cancel";
    }

    void load()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, install);
        QFETCH(QString, select);

        QTemporaryDir dir;
        for (const QString& name : files) {
            const QString path = dir.filePath(name);
            if (name == "Kerfcraft_xx.qm")
                QVERIFY(TestFiles::write(path, QByteArray(512, '\x5a')));
            else // the shipped file of that name, English under any other
                QVERIFY(QFile::copy(TestPaths::bin(name.startsWith("Kerfcraft_") ? name : "Kerfcraft_en.qm"), path));
        }
        QVERIFY(!english());
        {
            Translations table;
            table.load(dir.path(), install);
            QTEST(table.fileNames(), "kept");
            QVERIFY(!table.select("Klingon"));
            QCOMPARE(table.select(select), !select.isEmpty());
            QTEST(english(), "english");
            QTEST(QCoreApplication::translate("QPlatformTheme", "Cancel"), "cancel");
        }
        // Destroying the table takes its translators out of the application.
        QVERIFY(!english());
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
