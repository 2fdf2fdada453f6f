#include "app/InkscapeCheck.h"

#include "support/RecordingMessages.h"

#include <QTemporaryDir>
#include <QtTest>

class TestInkscapeCheck : public QObject
{
    Q_OBJECT
private slots:
    void preferences_data();
    void preferences();
    void preferencesLocation_data();
    void preferencesLocation();
};

namespace {
const QString NotFound = QStringLiteral("Die Inkspace-Einstellungsdatei konnte nicht gefunden werden");
const QString NotRead = QStringLiteral("Die Inkspace-Einstellungsdatei konnte nicht gelesen werden.");
const QString Hint = QStringLiteral(
    "Sie müssen bei Inkscape 0.91 unter 'Bearbeiten ->Einstellungen->Eingabe/Ausgabe->SVG Ausgabe' \r\n"
    "die Einstellung für Pfad-Zeichenkettenformat auf 'Absolut' setzen und Inkscape neu starten !!!\r\n"
    "\r\n"
    "Sie müssen bei Inkscape 0.47+0.48 unter 'Datei ->Inkscape Einstellungen->SVG Ausgabe' \r\n"
    "das Häckchen bei \r\n"
    "'relative Koordinaten erlauben' \r\n"
    "entfernen und Inkscape neu starten !!!\r\n"
    "( Diese Einstellung braucht nur einmal vorgenommen werden. )");

QByteArray prefs(const QByteArray& body)
{
    return "<?xml version=\"1.0\"?>\n<inkscape version=\"1\">" + body + "</inkscape>\n";
}
} // namespace

void TestInkscapeCheck::preferences_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("quits");
    QTest::addColumn<QString>("title"); // "" when no message
    QTest::addColumn<QString>("text");

    const QString info = QStringLiteral("Information");
    const QString hinweis = QStringLiteral("Hinweis");
    const QByteArray svgOut = "<group id=\"options\"><group id=\"svgoutput\" %1/></group>";
    auto out = [&](const char* attrs) { return prefs(QByteArray(svgOut).replace("%1", attrs)); };

    QTest::newRow("missing file") << false << QByteArray() << false << info << NotFound;
    QTest::newRow("not XML") << true << QByteArray("pathstring_format=0 <group") << false << info << NotRead;
    QTest::newRow("empty file") << true << QByteArray() << false << info << NotRead;
    QTest::newRow("pathstring_format 0") << true << out("pathstring_format=\"0\"") << false << QString() << QString();
    QTest::newRow("pathstring_format 1, allowrelativecoordinates 0")
        << true << out("pathstring_format=\"1\" allowrelativecoordinates=\"0\"") << true << hinweis << Hint;
    QTest::newRow("pathstring_format 2 (optimised)") << true << out("pathstring_format=\"2\"") << true << hinweis << Hint;
    QTest::newRow("only allowrelativecoordinates 0")
        << true << out("allowrelativecoordinates=\"0\"") << false << QString() << QString();
    QTest::newRow("only allowrelativecoordinates 1")
        << true << out("allowrelativecoordinates=\"1\"") << true << hinweis << Hint;
    QTest::newRow("empty root") << true << prefs("") << true << hinweis << Hint;
    QTest::newRow("neither setting") << true << out("id2=\"x\"") << true << hinweis << Hint;
    QTest::newRow("one of two pathstring_format is 0")
        << true << prefs("<group pathstring_format=\"1\"/><group><group pathstring_format=\"0\"/></group>")
        << false << QString() << QString();
    QTest::newRow("format 1 in one group, allowrelative 0 in another")
        << true << prefs("<group pathstring_format=\"1\"/><group allowrelativecoordinates=\"0\"/>")
        << true << hinweis << Hint;
    QTest::newRow("non-numeric format counts as 0")
        << true << out("pathstring_format=\"absolute\"") << false << QString() << QString();
    QTest::newRow("only groups count")
        << true << prefs("<option pathstring_format=\"0\" allowrelativecoordinates=\"0\"/>") << true << hinweis << Hint;
    QTest::newRow("root itself is not looked at")
        << true << QByteArray("<group pathstring_format=\"0\"><x/></group>") << true << hinweis << Hint;
}

void TestInkscapeCheck::preferences()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, content);
    QFETCH(bool, quits);
    QFETCH(QString, title);
    QFETCH(QString, text);

    QTemporaryDir dir;
    const QString path = dir.filePath("preferences.xml");
    if (exists) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    RecordingMessages messages;
    const InkscapeCheck::Outcome outcome = InkscapeCheck::check(path, messages);
    QCOMPARE(outcome == InkscapeCheck::Outcome::Quit, quits);
    if (title.isEmpty()) {
        QCOMPARE(messages.count(), 0);
    } else {
        QCOMPARE(messages.count(), 1);
        const RecordingMessages::Message m = messages.messages().first();
        QCOMPARE(m.title, title);
        QCOMPARE(m.text, text);
        QCOMPARE(m.buttons, UserMessages::Buttons(UserMessages::Ok));
    }
}

void TestInkscapeCheck::preferencesLocation_data()
{
    QTest::addColumn<bool>("xdgConfigHomeSet");
    QTest::addColumn<QStringList>("present"); // below the temporary home
    QTest::addColumn<QString>("expected");

    const QString xdg = "xdg/inkscape/preferences.xml";
    const QString dotConfig = "home/.config/inkscape/preferences.xml";
    const QString windows = "home/AppData/Roaming/inkscape/preferences.xml";
    QTest::newRow("XDG file") << true << QStringList{xdg, windows} << xdg;
    QTest::newRow("XDG default folder") << false << QStringList{dotConfig, windows} << dotConfig;
    QTest::newRow("Windows-style fallback") << true << QStringList{windows} << windows;
    QTest::newRow("neither: XDG path") << true << QStringList() << xdg;
    QTest::newRow("neither, no XDG_CONFIG_HOME") << false << QStringList() << dotConfig;
}

void TestInkscapeCheck::preferencesLocation()
{
    QFETCH(bool, xdgConfigHomeSet);
    QFETCH(QStringList, present);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(dir.filePath("home")));
    if (xdgConfigHomeSet)
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("xdg")));
    else
        qunsetenv("XDG_CONFIG_HOME");
    for (const QString& rel : present) {
        QVERIFY(QDir().mkpath(QFileInfo(dir.filePath(rel)).path()));
        QFile f(dir.filePath(rel));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString path = InkscapeCheck::preferencesPath();
    qputenv("HOME", savedHome);
    if (savedXdg.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", savedXdg);
    QCOMPARE(path, dir.filePath(expected));
}

QTEST_GUILESS_MAIN(TestInkscapeCheck)
#include "tst_inkscapecheck.moc"
