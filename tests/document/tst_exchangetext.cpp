#include "document/ExchangeNumbers.h"
#include "document/ExchangeText.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <cstring>

// The chunked line reader and the number parser replace QTextStream and
// QString::toDouble() for speed; they must give exactly the same results.
class TestExchangeText : public QObject
{
    Q_OBJECT
private slots:
    void linesMatchTextStream_data();
    void linesMatchTextStream();
    void numbersMatchQt_data();
    void numbersMatchQt();
    void randomDecimalsMatchQt();
    void split_data();
    void split();
};

namespace {

// What start-up did before: QTextStream line by line, then simplify, "," to
// "." and a line break.
QStringList referenceLines(QIODevice& device)
{
    QTextStream in(&device);
    in.setCodec("UTF-8");
    QStringList lines;
    QString line;
    while (in.readLineInto(&line)) {
        QString s = line.simplified();
        s.replace(QLatin1Char(','), QLatin1Char('.'));
        lines.append(s + QLatin1Char('\n'));
    }
    return lines;
}

QByteArray utf16le(const QString& s)
{
    QByteArray b("\xff\xfe", 2);
    b.append(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
    return b;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

void TestExchangeText::linesMatchTextStream_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray mb(1 << 20, 'x');
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("plain lines") << QByteArray("KCEbene\nEbene 1\nC 1 2 3 4 5 6\n");
    QTest::newRow("no final line break") << QByteArray("KCEbene\nEbene 1");
    QTest::newRow("blank lines and blanks only") << QByteArray("\n\n   \nA\n\t\n");
    QTest::newRow("CRLF") << QByteArray("KCEbene\r\nEbene 1\r\n");
    QTest::newRow("lone CR inside and at the end") << QByteArray("a\rb\nc\r");
    QTest::newRow("runs of white space") << QByteArray("  C\t1,5   2,25 \v 3\f4  \n");
    QTest::newRow("decimal commas") << QByteArray("KCKoordinaten\n12,5 7,25 1,0 0,5\n");
    QTest::newRow("UTF-8 umlauts") << QByteArray("KCEbene\nSchrift \xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f\n");
    QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xef\xbb\xbfKCEbene\nA\n");
    QTest::newRow("UTF-16 byte-order mark") << utf16le(QStringLiteral("KCEbene\r\nLage 2\r\n"));
    QTest::newRow("unicode spaces") << QByteArray("a\xc2\xa0\xc2\xa0" "b\xe3\x80\x80" "c\xe2\x80\xa8\n");
    QTest::newRow("invalid UTF-8") << QByteArray("a\xff\xfe" "b\n\xe2\x82\n\xc3\n");
    QTest::newRow("truncated sequence at the end") << QByteArray("abc\n\xe2\x82");
    QTest::newRow("NUL bytes") << QByteArray("a\0b\nc\0\0\n", 9);
    QTest::newRow("line longer than a chunk") << QByteArray("L " + mb + " 1\nnext\n");
    QTest::newRow("line break on the chunk boundary")
        << QByteArray(mb.left((1 << 20) - 1) + "\nB\n");
    QTest::newRow("character across the chunk boundary")
        << QByteArray(mb.left((1 << 20) - 1) + "\xc3\xa4 x\n");
    QTest::newRow("CR LF across the chunk boundary") << QByteArray(mb.left((1 << 20) - 1) + "\r\nB");

    QRandomGenerator rng(7);
    QByteArray garbage(300000, '\0');
    for (char& c : garbage)
        c = char(rng.bounded(256));
    QTest::newRow("binary garbage") << garbage;
}

void TestExchangeText::linesMatchTextStream()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kcxfer.kcj"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList expected = referenceLines(file);
    QStringList lines;
    QVERIFY(ExchangeText::readKcjLines(path, lines));
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i] != expected[i])
            QFAIL(qPrintable(QStringLiteral("line %1 differs").arg(i)));
    for (const QString& l : expected)
        QCOMPARE(ExchangeText::normaliseLine(l.chopped(1)), l);

    // A device not in text mode keeps carriage returns as white space.
    QBuffer raw(&bytes);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QStringList rawExpected = referenceLines(raw);
    raw.seek(0);
    QStringList rawLines;
    QVERIFY(ExchangeText::readKcjLines(raw, rawLines));
    QCOMPARE(rawLines, rawExpected);
}

void TestExchangeText::numbersMatchQt_data()
{
    QTest::addColumn<QString>("field");
    const char* fields[] = {"0", "-0", "0.0", "-0.0", "12.5", "-7.25", "007", "1.1", "0.1",
                            "2147483647", "-2147483648", "2147483648", "99999999999",
                            "123456789.123456789", "0.000000000000000000000000001",
                            "123456789012345678901234567890", "1234567890123456789012345678901",
                            "1e3", "1E-2", "+5", ".5", "5.", "-", ".", "", "abc", "1.2.3", "--1",
                            "1-", "12a", "0x10", "1e400", "-1e400", "1e-400", "inf", "-inf",
                            "nan", "NaN", "1,5", " 5", "\xd9\xa1\xd9\xa2"};
    for (const char* f : fields)
        QTest::newRow(f) << QString::fromUtf8(f);
}

void TestExchangeText::numbersMatchQt()
{
    QFETCH(QString, field);
    bool ok = false;
    double d = field.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        d = 0.0;
    QVERIFY2(sameBits(ExchangeNumbers::toDouble(field), d), qPrintable(QString::number(d, 'g', 17)));
    const int i = field.toInt(&ok);
    QCOMPARE(ExchangeNumbers::toInt(field), ok ? i : 0);
}

void TestExchangeText::randomDecimalsMatchQt()
{
    QRandomGenerator rng(42);
    for (int n = 0; n < 200000; ++n) {
        QString s;
        if (rng.bounded(2))
            s += QLatin1Char('-');
        const int intDigits = 1 + rng.bounded(12), fracDigits = rng.bounded(16);
        for (int k = 0; k < intDigits; ++k)
            s += QChar(u'0' + rng.bounded(10));
        if (fracDigits > 0) {
            s += QLatin1Char('.');
            for (int k = 0; k < fracDigits; ++k)
                s += QChar(u'0' + rng.bounded(10));
        }
        if (!sameBits(ExchangeNumbers::toDouble(s), s.toDouble()))
            QFAIL(qPrintable(s));
    }
}

void TestExchangeText::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxParts");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << QString() << 4 << QStringList() << 0;
    QTest::newRow("blanks only") << QStringLiteral("   ") << 4 << QStringList() << 0;
    QTest::newRow("empty parts skipped") << QStringLiteral(" 1  2 3 ") << 4
                                         << QStringList{"1", "2", "3"} << 3;
    QTest::newRow("more parts than room") << QStringLiteral("1 2 3 4 5") << 2
                                          << QStringList{"1", "2"} << 5;
}

void TestExchangeText::split()
{
    QFETCH(QString, text);
    QFETCH(int, maxParts);
    QFETCH(QStringList, parts);
    QFETCH(int, count);
    QStringView views[8];
    QCOMPARE(ExchangeNumbers::split(text, views, maxParts), count);
    for (int i = 0; i < parts.size(); ++i)
        QCOMPARE(views[i].toString(), parts[i]);
}

QTEST_GUILESS_MAIN(TestExchangeText)
#include "tst_exchangetext.moc"
