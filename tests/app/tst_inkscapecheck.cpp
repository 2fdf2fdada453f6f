#include "app/InkscapeCheck.h"

#include "support/RecordingMessages.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kHint = QStringLiteral(
    "Hinweis|Sie müssen bei Inkscape 0.91 unter 'Bearbeiten ->Einstellungen->Eingabe/Ausgabe->SVG Ausgabe' \r\n"
    "die Einstellung für Pfad-Zeichenkettenformat auf 'Absolut' setzen und Inkscape neu starten !!!\r\n"
    "\r\n"
    "Sie müssen bei Inkscape 0.47+0.48 unter 'Datei ->Inkscape Einstellungen->SVG Ausgabe' \r\n"
    "das Häckchen bei \r\n"
    "'relative Koordinaten erlauben' \r\n"
    "entfernen und Inkscape neu starten !!!\r\n"
    "( Diese Einstellung braucht nur einmal vorgenommen werden. )");

QByteArray prefs(const QByteArray& groups)
{
    return "<?xml version=\"1.0\"?>\n<inkscape version=\"1\"><group id=\"options\">" + groups + "</group></inkscape>\n";
}
} // namespace

class TestInkscapeCheck : public QObject
{
    Q_OBJECT
private slots:
    void preferences_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<QStringList>("messages");

        const QStringList go;
        QTest::newRow("missing file")
            << QByteArray() << QStringList{"Information|Die Inkspace-Einstellungsdatei konnte nicht gefunden werden"};
        QTest::newRow("not XML") << QByteArray("pathstring_format=0 <group")
                                 << QStringList{"Information|Die Inkspace-Einstellungsdatei konnte nicht gelesen werden."};
        QTest::newRow("absolute") << prefs("<group id=\"svgoutput\" pathstring_format=\"0\"/>") << go;
        QTest::newRow("relative") << prefs("<group id=\"svgoutput\" pathstring_format=\"2\"/>") << QStringList{kHint};
        QTest::newRow("any absolute format wins")
            << prefs("<group><group pathstring_format=\"0\"/></group><group pathstring_format=\"1\"/>") << go;
        QTest::newRow("old setting ignored when a format exists")
            << prefs("<group pathstring_format=\"1\"/><group allowrelativecoordinates=\"0\"/>") << QStringList{kHint};
        QTest::newRow("old setting absolute") << prefs("<group allowrelativecoordinates=\"0\"/>") << go;
        QTest::newRow("no setting") << prefs("") << QStringList{kHint};
        QTest::newRow("only groups count")
            << prefs("<option pathstring_format=\"0\" allowrelativecoordinates=\"0\"/>") << QStringList{kHint};
        QTest::newRow("root itself is not looked at")
            << QByteArray("<group pathstring_format=\"0\"><x/></group>") << QStringList{kHint};
    }

    void preferences()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, messages);

        QTemporaryDir dir;
        const QString path = dir.filePath("preferences.xml");
        if (!content.isNull())
            QVERIFY(TestFiles::write(path, content));
        RecordingMessages recorded;
        const bool quits = InkscapeCheck::check(path, recorded) == InkscapeCheck::Outcome::Quit;
        QCOMPARE(recorded.lines(), messages);
        QCOMPARE(quits, messages.contains(kHint));
    }

    // Inkscape on Linux keeps its preferences below XDG_CONFIG_HOME; the
    // Windows-style folder below the home folder serves when only it exists.
    void preferencesLocation_data()
    {
        QTest::addColumn<QStringList>("present"); // below the temporary folder
        QTest::addColumn<QString>("expected");

        const QString xdg = "xdg/inkscape/preferences.xml";
        const QString windows = "home/AppData/Roaming/inkscape/preferences.xml";
        QTest::newRow("XDG file first") << QStringList{xdg, windows} << xdg;
        QTest::newRow("Windows-style fallback") << QStringList{windows} << windows;
        QTest::newRow("neither: XDG path") << QStringList() << xdg;
    }

    void preferencesLocation()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        qputenv("HOME", QFile::encodeName(dir.filePath("home")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("xdg")));
        for (const QString& file : present)
            QVERIFY(TestFiles::write(dir.filePath(file)));
        QCOMPARE(InkscapeCheck::preferencesPath(), dir.filePath(expected));
    }
};

QTEST_GUILESS_MAIN(TestInkscapeCheck)
#include "tst_inkscapecheck.moc"
