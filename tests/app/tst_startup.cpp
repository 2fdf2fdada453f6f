#include "app/Startup.h"

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"

#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void cutMode_data();
    void cutMode();
    void plainModeText_data();
    void plainModeText();
};

namespace {
const QByteArray GoodPrefs =
    "<inkscape><group id=\"svgoutput\" pathstring_format=\"0\"/></inkscape>";
const QByteArray RelativePrefs =
    "<inkscape><group id=\"svgoutput\" pathstring_format=\"1\"/></inkscape>";
const QByteArray Svg = "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\">\n"
                       "  <path d=\"M 0,0 L 10,10\"/>\n</svg>\n";
} // namespace

void TestStartup::cutMode_data()
{
    QTest::addColumn<QString>("fileName"); // the one candidate; "" = none exists
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("prefs"); // empty = no preferences file
    QTest::addColumn<bool>("window");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("isSvg");
    QTest::addColumn<QString>("message"); // title|text of the one message, "" for none

    const QString hint = "Hinweis|Sie müssen bei Inkscape 0.91";
    QTest::newRow("kcj lines normalised")
        << "kcxfer.kcj" << QByteArray("CorelDraw 2020\r\nKCEbene\n  Ebene   1 \n12,5   7,25\n   \nGr\xc3\xb6\xc3\x9f" "e")
        << QByteArray() << true << 0
        << QStringList{"CorelDraw 2020\n", "KCEbene\n", "Ebene 1\n", "12.5 7.25\n", "\n", "Größe\n"}
        << false << QString();
    QTest::newRow("empty kcj") << "kcxfer.kcj" << QByteArray() << QByteArray() << true << 0
                               << QStringList() << false << QString();
    QTest::newRow("svg whole text") << "kcxfer.svg" << Svg << GoodPrefs << true << 0
                                    << QStringList{QString::fromUtf8(Svg)} << true << QString();
    QTest::newRow("svg, Inkscape relative coordinates")
        << "kcxfer.svg" << Svg << RelativePrefs << false << 0 << QStringList() << false << hint;
    QTest::newRow("svg, no Inkscape preferences")
        << "kcxfer.svg" << Svg << QByteArray() << true << 0 << QStringList{QString::fromUtf8(Svg)}
        << true << "Information|Die Inkspace-Einstellungsdatei konnte nicht gefunden werden";
    QTest::newRow("no exchange file") << "" << QByteArray() << GoodPrefs << false << -1
                                      << QStringList() << false
                                      << "Information|Die Übertragungsdatei konnte nicht gefunden werden.";
    QTest::newRow("other suffix") << "kcxfer.txt" << QByteArray("KCEbene") << GoodPrefs << false << 0
                                  << QStringList() << false << QString();
    QTest::newRow("upper-case suffix") << "kcxfer.KCJ" << QByteArray("KCEbene") << GoodPrefs << false << 0
                                       << QStringList() << false << QString();
    QTest::newRow("ends in svg without dot is checked")
        << "kcxfersvg" << Svg << RelativePrefs << false << 0 << QStringList() << false << hint;
    QTest::newRow("ends in svg without dot, not read")
        << "kcxfersvg" << Svg << GoodPrefs << false << 0 << QStringList() << false << QString();
}

void TestStartup::cutMode()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, prefs);
    QFETCH(bool, window);
    QFETCH(int, exitCode);
    QFETCH(QStringList, texts);
    QFETCH(bool, isSvg);
    QFETCH(QString, message);

    QTemporaryDir dir;
    auto write = [](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    const QString candidate = dir.filePath(fileName.isEmpty() ? QStringLiteral("kcxfer.kcj") : fileName);
    if (!fileName.isEmpty())
        write(candidate, content);
    const QString prefsPath = dir.filePath("preferences.xml");
    if (!prefs.isEmpty())
        write(prefsPath, prefs);

    FakeClock clock;
    RecordingMessages messages;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Filename: "));
    const Startup::WindowInput input = Startup::prepareCutMode({candidate}, prefsPath, clock, messages);

    QCOMPARE(input.openWindow, window);
    QCOMPARE(input.exitCode, exitCode);
    QCOMPARE(input.texts, texts);
    QCOMPARE(input.isSvg, isSvg);
    if (message.isEmpty()) {
        QCOMPARE(messages.count(), 0);
    } else {
        QCOMPARE(messages.count(), 1);
        const RecordingMessages::Message m = messages.messages().first();
        QCOMPARE(m.title, message.section('|', 0, 0));
        QVERIFY2(m.text.startsWith(message.section('|', 1)), qPrintable(m.text));
    }
}

void TestStartup::plainModeText_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("missing file") << false << QByteArray() << QStringList();
    QTest::newRow("empty file") << true << QByteArray() << QStringList{""};
    QTest::newRow("Latin-1 text") << true << QByteArray("KCEbene\r\nGr\xf6\xdf" "e \xe4") << QStringList{"KCEbene\r\nGröße ä"};
    QTest::newRow("stops at the first zero byte") << true << QByteArray("abc\0def\0", 8) << QStringList{"abc"};
    QTest::newRow("zero byte first") << true << QByteArray("\0abc", 4) << QStringList{""};
    QTest::newRow("UTF-8 bytes read as Latin-1") << true << QByteArray("\xc3\xa4") << QStringList{"Ã¤"};
}

void TestStartup::plainModeText()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, texts);

    QTemporaryDir dir;
    const QString path = dir.filePath("Kerfcraft-Daten.txt");
    if (exists) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QCOMPARE(Startup::readPlainModeText(path), texts);
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
