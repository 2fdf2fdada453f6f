#include "document/NumberText.h"
#include "document/XmlElementReader.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <cstring>

namespace {

// Everything a reader reports, as text: "<name a=v ...>", "</name>", and
// the final verdict. The fast reader's Unsupported is reported as such.
QString transcript(XmlElementReader& r)
{
    QStringList out;
    for (int guard = 0; guard < 100000; ++guard) {
        switch (r.next()) {
        case XmlElementReader::StartElement: {
            QString s = QLatin1Char('<') + r.name();
            for (int i = 0; i < r.attributeCount(); ++i) {
                const QString n = r.attributeName(i);
                if (r.attributeIndex(QLatin1String(n.toLatin1())) < 0)
                    return QStringLiteral("attribute %1 not found by name").arg(n);
                s += QStringLiteral(" %1=[%2]").arg(n, r.attributeText(i));
            }
            out << s + QLatin1Char('>');
            break;
        }
        case XmlElementReader::EndElement:
            out << QStringLiteral("</%1>").arg(r.name());
            break;
        case XmlElementReader::EndDocument:
            return out.join(QString()) + QStringLiteral(" END");
        case XmlElementReader::Malformed:
            return QStringLiteral("MALFORMED");
        case XmlElementReader::Unsupported:
            return QStringLiteral("UNSUPPORTED");
        }
    }
    return QStringLiteral("LOOPS");
}

QString fastTranscript(const QByteArray& xml)
{
    FastXmlElementReader r(xml.constData(), xml.size());
    return transcript(r);
}

QString qtTranscript(const QByteArray& xml)
{
    QtXmlElementReader r(xml);
    return transcript(r);
}

double qtDouble(const QString& s)
{
    bool ok;
    const double v = s.toDouble(&ok);
    return ok ? v : 0.0;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

const QByteArray smallJobFile =
    "<?xml version='1.0' encoding='UTF-8'?>\n<KerfcraftData>\n <Data>\n  <Layers>\n"
    "   <Layer CutEnabled=\"1\" Name=\"Ebene &amp; 1\">\n"
    "    <Object IsSelected=\"0\" Left=\"1.5\" Color=\"#ff0000\">\n     <SubPath IsClosed=\"0\">\n"
    "      <Node Nr=\"0\" P0X=\"0.10000000000000001\" P0Y=\"-2\" IsLine=\"1\"/>\n"
    "      <Node Nr=\"1\" P0X=\"1e-05\" P0Y=\"3\" IsLine=\"0\"/>\n"
    "     </SubPath>\n    </Object>\n   </Layer>\n  </Layers>\n </Data>\n</KerfcraftData>\n";

} // namespace

class TestXmlElementReader : public QObject
{
    Q_OBJECT
private slots:
    void readersAgree_data();
    void readersAgree();
    void mutatedFilesAgree();
    void numbersReadAsQString_data();
    void numbersReadAsQString();
    void doublesFormatAsQString();
};

void TestXmlElementReader::readersAgree_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("mode"); // fast: read without fallback; fallback: handed on; bad: not XML
    QTest::newRow("job file") << smallJobFile << "fast";
    QTest::newRow("no declaration") << QByteArray("<a x=\"1\" y='2'><b/></a>") << "fast";
    QTest::newRow("declaration, double quotes") << QByteArray("<?xml version=\"1.0\"?><a/>") << "fast";
    QTest::newRow("declaration, all three") << QByteArray("<?xml version='1.0' encoding='utf-8' standalone='yes' ?>\n<a/>") << "fast";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF<?xml version='1.0'?><a/>") << "fast";
    QTest::newRow("references") << QByteArray("<a v=\"&lt;&gt;&amp;&apos;&quot;&#65;&#x42;&#x1F600;&#10;\"/>") << "fast";
    QTest::newRow("value normalisation") << QByteArray("<a v=\"x\ty\r\nz\rw\nq\"/>") << "fast";
    QTest::newRow("UTF-8 values") << QByteArray("<a v=\"\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80\"/>") << "fast";
    QTest::newRow("blanks everywhere") << QByteArray("\n <a  x = \"1\"\t>\n <b\n/>\r\n</a >\n\n") << "fast";
    QTest::newRow("name characters") << QByteArray("<a-b_c.d9 x.y=\"1\" _=\"\"/>") << "fast";
    QTest::newRow("quotes inside quotes") << QByteArray("<a v='sagt \"hallo\"' w=\"it's\"/>") << "fast";
    QTest::newRow("greater-than in value") << QByteArray("<a v=\"]]>\"/>") << "fast";
    QTest::newRow("value starting with U+FEFF")
        << QByteArray("<a v=\"\xEF\xBB\xBF" "1\" w=\"&#xFEFF;x\"/>") << "fast";

    QTest::newRow("comment") << QByteArray("<a><!-- x --></a>") << "fallback";
    QTest::newRow("processing instruction") << QByteArray("<?pi x?><a/>") << "fallback";
    QTest::newRow("doctype") << QByteArray("<!DOCTYPE a><a/>") << "fallback";
    QTest::newRow("CDATA") << QByteArray("<a><![CDATA[<x>]]></a>") << "fallback";
    QTest::newRow("text") << QByteArray("<a>Text &amp; mehr</a>") << "fallback";
    QTest::newRow("Latin-1") << QByteArray("<?xml version='1.0' encoding='ISO-8859-1'?><a v=\"\xE4\"/>") << "fallback";
    QTest::newRow("prefixed names") << QByteArray("<n:a x:y=\"1\"/>") << "fallback";
    QTest::newRow("name ending in a colon") << QByteArray("<a x:=\"1\"/>") << "bad";
    QTest::newRow("non-ASCII name") << QByteArray("<\xC3\xA4/>") << "fallback";
    QTest::newRow("entity from the DOCTYPE") << QByteArray("<!DOCTYPE a [<!ENTITY e \"x\">]><a v=\"&e;\"/>") << "fallback";

    QTest::newRow("empty") << QByteArray("") << "bad";
    QTest::newRow("blanks only") << QByteArray(" \n") << "bad";
    QTest::newRow("declaration only") << QByteArray("<?xml version='1.0'?>") << "bad";
    QTest::newRow("declaration not first") << QByteArray(" <?xml version='1.0'?><a/>") << "bad";
    QTest::newRow("unclosed") << QByteArray("<a><b></b>") << "bad";
    QTest::newRow("mismatched") << QByteArray("<a><b></a></b>") << "bad";
    QTest::newRow("end without start") << QByteArray("</a>") << "bad";
    QTest::newRow("two roots") << QByteArray("<a/><b/>") << "bad";
    QTest::newRow("text after root") << QByteArray("<a/>x") << "bad";
    QTest::newRow("no blank between attributes") << QByteArray("<a x=\"1\"y=\"2\"/>") << "bad";
    QTest::newRow("duplicate attribute") << QByteArray("<a x=\"1\" x=\"2\"/>") << "bad";
    QTest::newRow("unquoted value") << QByteArray("<a x=1/>") << "bad";
    QTest::newRow("unterminated value") << QByteArray("<a x=\"1/>") << "bad";
    QTest::newRow("< in value") << QByteArray("<a x=\"<\"/>") << "bad";
    QTest::newRow("lone &") << QByteArray("<a x=\"a & b\"/>") << "bad";
    QTest::newRow("unknown entity") << QByteArray("<a x=\"&euro;\"/>") << "bad";
    QTest::newRow("reference to 0") << QByteArray("<a x=\"&#0;\"/>") << "bad";
    QTest::newRow("reference to a surrogate") << QByteArray("<a x=\"&#xD800;\"/>") << "bad";
    QTest::newRow("invalid UTF-8") << QByteArray("<a x=\"\xC3\x28\"/>") << "bad";
    QTest::newRow("overlong UTF-8") << QByteArray("<a x=\"\xC0\xAF\"/>") << "bad";
    QTest::newRow("control character") << QByteArray("<a x=\"\x01\"/>") << "bad";
    QTest::newRow("name starting with a digit") << QByteArray("<1a/>") << "bad";
    QTest::newRow("lone <") << QByteArray("<a><</a>") << "bad";
    QTest::newRow("version 2.0") << QByteArray("<?xml version='2.0'?><a/>") << "bad";
}

void TestXmlElementReader::readersAgree()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, mode);
    const QString fast = fastTranscript(xml);
    const QString qt = qtTranscript(xml);
    if (mode == QLatin1String("fast")) {
        QCOMPARE(fast, qt);
        QVERIFY(fast.endsWith(QLatin1String(" END")));
    } else {
        QCOMPARE(fast, QString("UNSUPPORTED"));
        QCOMPARE(qt == QLatin1String("MALFORMED"), mode == QLatin1String("bad"));
    }
}

void TestXmlElementReader::mutatedFilesAgree()
{
    // Random damage to a job file: whenever the fast reader does not hand
    // the file on, it must report exactly what QXmlStreamReader reports.
    static const char alphabet[] = "<>/=\"'&;# \t\n\r:aZ09.-x\x80\xC3\xA4\xEF\xBF\x00\x01";
    QRandomGenerator rng(20240611);
    int readFast = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray xml = smallJobFile;
        const int edits = 1 + int(rng.bounded(3));
        for (int e = 0; e < edits; ++e) {
            const int at = int(rng.bounded(xml.size()));
            const char c = alphabet[rng.bounded(int(sizeof alphabet - 1))];
            switch (rng.bounded(3)) {
            case 0:
                xml[at] = c;
                break;
            case 1:
                xml.insert(at, c);
                break;
            default:
                xml.remove(at, 1);
            }
        }
        const QString fast = fastTranscript(xml);
        if (fast == QLatin1String("UNSUPPORTED"))
            continue;
        ++readFast;
        QCOMPARE(fast, qtTranscript(xml));
    }
    QVERIFY(readFast > 100); // the comparison did happen
}

void TestXmlElementReader::numbersReadAsQString_data()
{
    QTest::addColumn<QString>("text");
    for (const char* t : {"0", "-0", "1", "-1.5", "1.", ".5", "-.5", "00012", "1e5", "1E+5", "1e-5", "+1", " 1.5",
                          "1.5 ", "1e500", "-1e500", "1e-400", "4.9e-324", "2.2250738585072014e-308", "1e-310",
                          "0.10000000000000001", "123456789012345678901234567890", "-", "", "e5", "1e", "1e+",
                          "0x10", "1,5", "inf", "-inf", "nan", "infinity", "1.5.5", "--1", "1-1", "\xC2\xB9"})
        QTest::newRow(t[0] ? t : "(empty)") << QString::fromUtf8(t);
}

void TestXmlElementReader::numbersReadAsQString()
{
    QFETCH(QString, text);
    const double expected = qtDouble(text);
    const QByteArray latin = text.toLatin1();
    QVERIFY(sameBits(NumberText::toDouble(latin.constData(), latin.size()), expected)
            || (std::isnan(expected) && std::isnan(NumberText::toDouble(latin.constData(), latin.size()))));
    const double viaChars = NumberText::toDouble(text.constData(), text.size());
    QVERIFY(sameBits(viaChars, expected) || (std::isnan(expected) && std::isnan(viaChars)));
    QCOMPARE(NumberText::toInt(latin.constData(), latin.size()), text.toInt());
    QCOMPARE(NumberText::toInt(text.constData(), text.size()), text.toInt());
}

void TestXmlElementReader::doublesFormatAsQString()
{
    QRandomGenerator rng(7);
    char buf[NumberText::MaxDoubleLength];
    for (int i = 0; i < 200000; ++i) {
        double v;
        switch (i % 5) {
        case 0: { // any bit pattern: denormals, huge, NaN, infinity
            const quint64 bits = rng.generate64();
            std::memcpy(&v, &bits, sizeof v);
            break;
        }
        case 1: // coordinates in mm
            v = (rng.generateDouble() - 0.5) * 2000;
            break;
        case 2: // short decimals, as a user or Inkscape writes them
            v = double(qint64(rng.bounded(2000000)) - 1000000) / std::pow(10.0, rng.bounded(7));
            break;
        case 3: // powers of ten around the switch to exponent form
            v = std::pow(10.0, int(rng.bounded(40)) - 20) * (rng.bounded(2) ? 1 : -1);
            break;
        default: // few fraction bits: many are exact halves at 17 digits
            v = std::ldexp(double(rng.generate64() >> int(rng.bounded(12))), -int(rng.bounded(60)));
        }
        const int n = NumberText::formatDouble(v, buf);
        const QByteArray expected = QString::number(v, 'g', 17).toLatin1();
        QCOMPARE(QByteArray(buf, n), expected);
        if (std::isfinite(v))
            QVERIFY(sameBits(NumberText::toDouble(buf, n), v == 0 ? 0.0 : v));
    }
    // Exact halves at the 17th digit: the toolkit rounds them up.
    QCOMPARE(QByteArray(buf, NumberText::formatDouble(509231574770349.625, buf)), QByteArray("509231574770349.63"));
    QCOMPARE(QByteArray(buf, NumberText::formatDouble(0.5000000000000000555, buf)), QString::number(0.5000000000000000555, 'g', 17).toLatin1());
    QCOMPARE(QByteArray(buf, NumberText::formatInt(-2147483647 - 1, buf)), QByteArray("-2147483648"));
}

QTEST_GUILESS_MAIN(TestXmlElementReader)
#include "tst_xmlelementreader.moc"
