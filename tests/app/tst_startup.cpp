#include "app/Startup.h"

#include "support/FakeClock.h"
#include "support/RecordingMessages.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray kAbsolute = "<inkscape><group id=\"svgoutput\" pathstring_format=\"0\"/></inkscape>";
// Inkscape 1.2 writes "2" (optimised) unless the user changes it.
const QByteArray kRelative = "<inkscape><group id=\"svgoutput\" pathstring_format=\"2\"/></inkscape>";
const QByteArray kSvg = "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\">\n"
                        "  <path d=\"M 0,0 L 10,10\"/>\n</svg>\n";
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void cutMode_data()
    {
        QTest::addColumn<QString>("fileName"); // the one candidate, "" when none exists
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("prefs"); // empty: no Inkscape preferences
        QTest::addColumn<QString>("outcome");  // "window", "svg window" or the exit code
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("message"); // start of "title|text" of the one message

        const QString svg = QString::fromUtf8(kSvg);
        const QString hint = "Hinweis|Sie müssen bei Inkscape 0.91";
        QTest::newRow("kcj lines normalised")
            << "kcxfer.kcj" << QByteArray("CorelDraw 2020\r\nKCEbene\n  Ebene   1 \n12,5   7,25\n   \nGr\xc3\xb6\xc3\x9f" "e")
            << QByteArray() << "window"
            << QStringList{"CorelDraw 2020\n", "KCEbene\n", "Ebene 1\n", "12.5 7.25\n", "\n", "Größe\n"} << QString();
        QTest::newRow("svg whole text") << "kcxfer.svg" << kSvg << kAbsolute << "svg window" << QStringList{svg} << "";
        QTest::newRow("svg, Inkscape relative") << "kcxfer.svg" << kSvg << kRelative << "0" << QStringList() << hint;
        QByteArray marked = kSvg;
        marked.replace("<svg ", "<svg xmlns:kc=\"https://kerfcraft.org/ns/exchange\" kc:pathdata=\"absolute\" ");
        QTest::newRow("svg from our extension, Inkscape relative")
            << "kcxfer.svg" << marked << kRelative << "svg window" << QStringList{QString::fromUtf8(marked)} << "";
        QTest::newRow("no exchange file") << "" << QByteArray() << kAbsolute << "-1" << QStringList()
                                          << "Information|Die Übertragungsdatei konnte nicht gefunden werden.";
        QTest::newRow("upper-case suffix") << "kcxfer.KCJ" << QByteArray("KCEbene") << kAbsolute << "0"
                                           << QStringList() << "";
        QTest::newRow("ends in svg without dot is checked") << "kcxfersvg" << kSvg << kRelative << "0"
                                                            << QStringList() << hint;
    }

    void cutMode()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, prefs);
        QFETCH(QString, message);

        QTemporaryDir dir;
        const QString candidate = dir.filePath(fileName.isEmpty() ? "kcxfer.kcj" : fileName);
        if (!fileName.isEmpty())
            QVERIFY(TestFiles::write(candidate, content));
        if (!prefs.isEmpty())
            QVERIFY(TestFiles::write(dir.filePath("preferences.xml"), prefs));
        FakeClock clock;
        RecordingMessages messages;
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Filename: "));

        const Startup::WindowInput input =
            Startup::prepareCutMode({candidate}, dir.filePath("preferences.xml"), clock, messages);
        const QString outcome = !input.openWindow ? QString::number(input.exitCode)
                                                  : input.isSvg ? "svg window" : "window";
        QTEST(outcome, "outcome");
        QTEST(input.texts, "texts");
        QCOMPARE(messages.count(), message.isEmpty() ? 0 : 1);
        QCOMPARE(messages.lines().value(0).left(message.size()), message);
    }

    void plainModeText_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file
        QTest::addColumn<QStringList>("texts");

        QTest::newRow("missing file") << QByteArray() << QStringList();
        QTest::newRow("Latin-1 text") << QByteArray("KCEbene\r\nGr\xf6\xdf" "e") << QStringList{"KCEbene\r\nGröße"};
        QTest::newRow("stops at the first zero byte") << QByteArray("abc\0def\0", 8) << QStringList{"abc"};
    }

    void plainModeText()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Kerfcraft-Daten.txt");
        if (!bytes.isNull())
            QVERIFY(TestFiles::write(path, bytes));
        QTEST(Startup::readPlainModeText(path), "texts");
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
