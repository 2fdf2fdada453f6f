#include "document/ExchangeNumbers.h"
#include "document/ExchangeText.h"
#include "document/NumberText.h"

#include <QBuffer>
#include <QDomDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// What start-up did before: QTextStream line by line, then simplify, "," to
// "." and a line break.
QStringList referenceLines(QIODevice& device)
{
    QTextStream in(&device);
    in.setCodec("UTF-8");
    QStringList lines;
    QString line;
    while (in.readLineInto(&line))
        lines.append(line.simplified().replace(QLatin1Char(','), QLatin1Char('.')) + QLatin1Char('\n'));
    return lines;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// Both parsers against QString: NumberText reads as QString reads (0 when
// it does not parse), ExchangeNumbers also gives 0 for infinity and NaN.
QString parseMismatch(const QString& text)
{
    bool ok = false;
    double qt = text.toDouble(&ok);
    qt = ok ? qt : 0.0;
    if (!sameBits(NumberText::toDouble(text.constData(), text.size()), qt))
        return QStringLiteral("NumberText, characters");
    const QByteArray latin = text.toLatin1();
    if (QString::fromLatin1(latin) == text && !sameBits(NumberText::toDouble(latin.constData(), latin.size()), qt))
        return QStringLiteral("NumberText, bytes");
    if (!sameBits(ExchangeNumbers::toDouble(text), std::isfinite(qt) ? qt : 0.0))
        return QStringLiteral("ExchangeNumbers");
    return QString();
}

// Doubles of the kinds drawings hold, and of any bit pattern.
double randomDouble(QRandomGenerator& rng, int kind)
{
    switch (kind) {
    case 0: { // any bit pattern: denormals, huge, NaN, infinity
        double v;
        const quint64 bits = rng.generate64();
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    case 1: // coordinates in mm
        return (rng.generateDouble() - 0.5) * 2000;
    case 2: // short decimals, as a user or Inkscape writes them
        return double(qint64(rng.bounded(2000000)) - 1000000) / std::pow(10.0, rng.bounded(7));
    case 3: // powers of ten around the switch to exponent form
        return std::pow(10.0, int(rng.bounded(40)) - 20) * (rng.bounded(2) ? 1 : -1);
    default: // few fraction bits: many are exact halves at 17 digits
        return std::ldexp(double(rng.generate64() >> int(rng.bounded(12))), -int(rng.bounded(60)));
    }
}

} // namespace

// The chunked line reader and the number conversions replace QTextStream,
// QString::toDouble() and the DOM's number forms for speed; they must give
// exactly the same results.
class TestExchangeText : public QObject
{
    Q_OBJECT
private slots:
    void linesMatchTextStream_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray mb(1 << 20, 'x');
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("plain lines") << QByteArray("KCEbene\nEbene 1\nC 1 2 3 4 5 6\n");
        QTest::newRow("no final line break") << QByteArray("KCEbene\nEbene 1");
        QTest::newRow("CRLF") << QByteArray("KCEbene\r\nEbene 1\r\n");
        QTest::newRow("lone CR inside and at the end") << QByteArray("a\rb\nc\r");
        QTest::newRow("blank lines, runs of white space, decimal commas")
            << QByteArray("\n\n   \n  C\t1,5   2,25 \v 3\f4  \n");
        QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xef\xbb\xbfKCEbene\nA\n");
        const QString utf16 = QStringLiteral("KCEbene\r\nLage 2\r\n");
        QTest::newRow("UTF-16 byte-order mark")
            << QByteArray("\xff\xfe", 2) + QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
        QTest::newRow("unicode spaces") << QByteArray("a\xc2\xa0\xc2\xa0" "b\xe3\x80\x80" "c\xe2\x80\xa8\n");
        QTest::newRow("invalid UTF-8") << QByteArray("a\xff\xfe" "b\n\xe2\x82\n\xc3\n");
        QTest::newRow("truncated sequence at the end") << QByteArray("abc\n\xe2\x82");
        QTest::newRow("NUL bytes") << QByteArray("a\0b\nc\0\0\n", 9);
        QTest::newRow("line longer than a chunk") << QByteArray("L " + mb + " 1\nnext\n");
        QTest::newRow("line break on the chunk boundary") << QByteArray(mb.left((1 << 20) - 1) + "\nB\n");
        QTest::newRow("character across the chunk boundary") << QByteArray(mb.left((1 << 20) - 1) + "\xc3\xa4 x\n");
        QTest::newRow("CR LF across the chunk boundary") << QByteArray(mb.left((1 << 20) - 1) + "\r\nB");
        QRandomGenerator rng(7);
        QByteArray garbage(300000, '\0');
        for (char& c : garbage)
            c = char(rng.bounded(256));
        QTest::newRow("binary garbage") << garbage;
    }

    void linesMatchTextStream()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("kcxfer.kcj")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList expected = referenceLines(file);
        QStringList lines;
        QVERIFY(ExchangeText::readKcjLines(file.fileName(), lines));
        QVERIFY(lines == expected); // QCOMPARE would print megabytes
        for (const QString& l : expected)
            QCOMPARE(ExchangeText::normaliseLine(l.chopped(1)), l);

        // A device not in text mode keeps carriage returns as white space.
        QBuffer raw(&bytes);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QStringList rawExpected = referenceLines(raw);
        raw.seek(0);
        QStringList rawLines;
        QVERIFY(ExchangeText::readKcjLines(raw, rawLines));
        QVERIFY(rawLines == rawExpected);
    }

    void numbersMatchQt_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* f :
             {"0", "-0", "0.0", "-0.0", "12.5", "-7.25", "007", "1.1", "0.1", "1.", ".5", "-.5", "5.", "2147483647",
              "-2147483648", "2147483648", "99999999999", "123456789.123456789", "0.000000000000000000000000001",
              "0.10000000000000001", "123456789012345678901234567890", "1234567890123456789012345678901", "1e3", "1E-2",
              "1E+5", "1e500", "-1e500", "1e-400", "4.9e-324", "2.2250738585072014e-308", "1e-310", "+5", " 5", "1.5 ",
              "-", ".", "", "abc", "1.2.3", "--1", "1-", "12a", "e5", "1e", "1e+", "0x10", "1,5", "inf", "-inf", "nan",
              "NaN", "infinity", "\xc2\xb9", "\xd9\xa1\xd9\xa2"})
            QTest::newRow(f[0] ? f : "(empty)") << QString::fromUtf8(f);
    }

    void numbersMatchQt()
    {
        QFETCH(QString, field);
        QCOMPARE(parseMismatch(field), QString());
        bool ok = false;
        const int i = field.toInt(&ok);
        QCOMPARE(ExchangeNumbers::toInt(field), ok ? i : 0);
        QCOMPARE(NumberText::toInt(field.constData(), field.size()), i);
        const QByteArray latin = field.toLatin1();
        QCOMPARE(NumberText::toInt(latin.constData(), latin.size()), QString::fromLatin1(latin).toInt());
    }

    void randomNumbersMatchQt()
    {
        // The job file writes integers as QDomElement::setAttribute() would, and
        // doubles as QString::number(v, 'g', 16), read back to within the 17th digit.
        QDomDocument dom;
        QDomElement e = dom.createElement(QStringLiteral("N"));
        char buf[NumberText::MaxDoubleLength];
        e.setAttribute(QStringLiteral("v"), -2147483647 - 1);
        QCOMPARE(QString::fromLatin1(buf, NumberText::formatInt(-2147483647 - 1, buf)),
                 e.attribute(QStringLiteral("v")));
        const double inf = std::numeric_limits<double>::infinity();
        // The last ones are exact halves at the 16th digit, which the toolkit rounds up.
        const QVector<double> edges = {-0.0, inf, -inf, std::nan(""), 5e-324, 1e16, 9.999999999999999e-5,
                                       50923157477034.625, 0.5000000000000125};
        QRandomGenerator rng(42);
        for (int i = 0; i < 200000; ++i) {
            const double v = i < edges.size() ? edges[i] : randomDouble(rng, i % 5);
            const QString text = v == 0 ? QStringLiteral("0") : QString::number(v, 'g', 16);
            QCOMPARE(QString::fromLatin1(buf, NumberText::formatDouble(v, buf)), text);
            // At most half a unit of the 16th significant digit away, plus the
            // half step to the nearest double that reading the text makes.
            const double unit16 = std::isnormal(v) ? std::pow(10.0, std::floor(std::log10(std::abs(v))) - 15) : 0;
            const double halfStep = std::abs(std::nextafter(v, 2 * v) - v) / 2;
            if (std::isnormal(v) && std::abs(text.toDouble() - v) > unit16 * 0.5000001 + halfStep)
                QFAIL(qPrintable(text + QStringLiteral(" reads back too far from ") + QString::number(v, 'g', 17)));
            // Plain decimals of up to 12 + 16 digits, the parsers' fast path.
            QString decimal = QString::number(rng.generate64() % Q_UINT64_C(1000000000000)) + QLatin1Char('.');
            for (int k = rng.bounded(17); k > 0; --k)
                decimal += QChar(u'0' + rng.bounded(10));
            for (const QString& s : {text, decimal, QLatin1Char('-') + decimal})
                if (!parseMismatch(s).isEmpty())
                    QFAIL(qPrintable(s + QLatin1Char(' ') + parseMismatch(s)));
        }
    }
};

QTEST_GUILESS_MAIN(TestExchangeText)
#include "tst_exchangetext.moc"
