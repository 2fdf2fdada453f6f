#include "document/XmlElementReader.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// Everything a reader reports, as text: "<name a=[v] ...>", "</name>", and
// the final verdict. The fast reader's Unsupported is reported as such.
QString transcript(const QByteArray& xml, bool fast)
{
    FastXmlElementReader fastReader(xml.constData(), xml.size());
    QtXmlElementReader qtReader(xml);
    XmlElementReader& r = fast ? static_cast<XmlElementReader&>(fastReader) : qtReader;
    QString out;
    for (int guard = 0; guard < 100000; ++guard) {
        switch (r.next()) {
        case XmlElementReader::StartElement:
            out += QLatin1Char('<') + r.name();
            for (int i = 0; i < r.attributeCount(); ++i) {
                const QString n = r.attributeName(i);
                if (r.attributeIndex(QLatin1String(n.toLatin1())) < 0)
                    return QStringLiteral("attribute %1 not found by name").arg(n);
                out += QStringLiteral(" %1=[%2]").arg(n, r.attributeText(i));
            }
            out += QLatin1Char('>');
            break;
        case XmlElementReader::EndElement:
            out += QStringLiteral("</%1>").arg(r.name());
            break;
        case XmlElementReader::EndDocument:
            return out + QStringLiteral(" END");
        case XmlElementReader::Malformed:
            return QStringLiteral("MALFORMED");
        case XmlElementReader::Unsupported:
            return QStringLiteral("UNSUPPORTED");
        }
    }
    return QStringLiteral("LOOPS");
}

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
    void readersAgree_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("mode"); // fast: read without fallback; fallback: handed on; bad: not XML
        QTest::newRow("job file") << smallJobFile << "fast";
        QTest::newRow("no declaration") << QByteArray("<a x=\"1\" y='2'><b/></a>") << "fast";
        QTest::newRow("declaration, double quotes") << QByteArray("<?xml version=\"1.0\"?><a/>") << "fast";
        QTest::newRow("declaration, all three")
            << QByteArray("<?xml version='1.0' encoding='utf-8' standalone='yes' ?>\n<a/>") << "fast";
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF<?xml version='1.0'?><a/>") << "fast";
        QTest::newRow("references")
            << QByteArray("<a v=\"&lt;&gt;&amp;&apos;&quot;&#65;&#x42;&#x1F600;&#10;\"/>") << "fast";
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
        QTest::newRow("Latin-1")
            << QByteArray("<?xml version='1.0' encoding='ISO-8859-1'?><a v=\"\xE4\"/>") << "fallback";
        QTest::newRow("prefixed names") << QByteArray("<n:a x:y=\"1\"/>") << "fallback";
        QTest::newRow("name ending in a colon") << QByteArray("<a x:=\"1\"/>") << "bad";
        QTest::newRow("non-ASCII name") << QByteArray("<\xC3\xA4/>") << "fallback";
        QTest::newRow("entity from the DOCTYPE")
            << QByteArray("<!DOCTYPE a [<!ENTITY e \"x\">]><a v=\"&e;\"/>") << "fallback";

        QTest::newRow("empty") << QByteArray("") << "bad";
        QTest::newRow("declaration not first") << QByteArray(" <?xml version='1.0'?><a/>") << "bad";
        QTest::newRow("unclosed") << QByteArray("<a><b></b>") << "bad";
        QTest::newRow("end without start") << QByteArray("</a>") << "bad";
        QTest::newRow("two roots") << QByteArray("<a/><b/>") << "bad";
        QTest::newRow("duplicate attribute") << QByteArray("<a x=\"1\" x=\"2\"/>") << "bad";
        QTest::newRow("unquoted value") << QByteArray("<a x=1/>") << "bad";
        QTest::newRow("unterminated value") << QByteArray("<a x=\"1/>") << "bad";
        QTest::newRow("reference to 0") << QByteArray("<a x=\"&#0;\"/>") << "bad";
        QTest::newRow("reference to a surrogate") << QByteArray("<a x=\"&#xD800;\"/>") << "bad";
        QTest::newRow("overlong UTF-8") << QByteArray("<a x=\"\xC0\xAF\"/>") << "bad";
        QTest::newRow("version 2.0") << QByteArray("<?xml version='2.0'?><a/>") << "bad";
        QTest::newRow("standalone in capitals")
            << QByteArray("<?xml version='1.0' encoding='UTF-8' standalone='YES'?><a/>") << "bad";
    }

    void readersAgree()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, mode);
        const QString fast = transcript(xml, true);
        const QString qt = transcript(xml, false);
        if (mode == QLatin1String("fast")) {
            QCOMPARE(fast, qt);
            QVERIFY(fast.endsWith(QLatin1String(" END")));
        } else {
            QCOMPARE(fast, QString("UNSUPPORTED"));
            QCOMPARE(qt == QLatin1String("MALFORMED"), mode == QLatin1String("bad"));
        }
    }

    void mutatedFilesAgree()
    {
        // Random damage to a job file: whenever the fast reader does not hand
        // the file on, it must report exactly what QXmlStreamReader reports.
        // Mismatched tags, text after the root, missing blanks between
        // attributes, a stray "<", "&" or control character, an unknown
        // entity and broken UTF-8 in a value are found here; the rows above
        // hold what random damage misses.
        static const char alphabet[] = "<>/=\"'&;# \t\n\r:aZ09.-x\x80\xC3\xA4\xEF\xBF\x00\x01";
        QRandomGenerator rng(20240611);
        int readFast = 0;
        for (int round = 0; round < 3000; ++round) {
            QByteArray xml = smallJobFile;
            const int edits = 1 + int(rng.bounded(3));
            for (int e = 0; e < edits; ++e) {
                const int at = int(rng.bounded(xml.size()));
                const char c = alphabet[rng.bounded(int(sizeof alphabet - 1))];
                const int how = rng.bounded(3); // replace, insert or remove one byte
                if (how == 0)
                    xml[at] = c;
                else if (how == 1)
                    xml.insert(at, c);
                else
                    xml.remove(at, 1);
            }
            const QString fast = transcript(xml, true);
            if (fast == QLatin1String("UNSUPPORTED"))
                continue;
            ++readFast;
            QCOMPARE(fast, transcript(xml, false));
        }
        QVERIFY(readFast > 100); // the comparison did happen
    }
};

QTEST_GUILESS_MAIN(TestXmlElementReader)
#include "tst_xmlelementreader.moc"
