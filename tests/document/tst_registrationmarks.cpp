#include "support/DrawingText.h"

#include <QtTest>

namespace {

// Mark objects on the marks layer, their colour carrying the code.
QString marks(const QString& objects)
{
    return QStringLiteral("L'KC-PassermarkenEbene'") + objects;
}

QString cmyk(int code, const QString& polyline)
{
    return QStringLiteral("|O cmyk(0,0,0,%1)|P %2").arg(code).arg(polyline);
}

// The mark fields are preset to this value, so a row lists only those the
// detection wrote.
constexpr double Preset = 111.0;

// Everything the detection writes, leaving out fields still at the preset;
// roles lists the colour entries used by marks.
QString summary(const Document& d)
{
    QStringList out;
    if (d.marksFound())
        out << QStringLiteral("found");
    if (d.code9MarkFound())
        out << QStringLiteral("code9");
    if (d.usePassermarks())
        out << QStringLiteral("use");
    const QVector<QPair<const char*, double>> fields = {
        {"xOrigin", d.passerXOrigin()},     {"xWidth", d.passerXWidth()},       {"yOrigin", d.passerYOrigin()},
        {"offsetY", d.passerOffsetY()},     {"length", d.passerLength()},       {"thickness", d.passerThickness()},
        {"xDistance", d.passerXDistance()}, {"yDistance", d.passerYDistance()}, {"xOffset", d.passerXOffset()},
        {"yOffset", d.passerYOffset()}};
    for (const auto& f : fields)
        if (f.second != Preset)
            out << QStringLiteral("%1=%2").arg(f.first).arg(f.second, 0, 'g', 12);
    QStringList roles;
    for (int i = 0; i < d.colors().size(); ++i)
        if (d.colors()[i]->usedByMarks())
            roles << QStringLiteral("C%1").arg(i);
    if (!roles.isEmpty())
        out << QStringLiteral("roles=") + roles.join(QLatin1Char(','));
    return out.join(QLatin1Char(' '));
}

// Offsets measured from the code-3 and code-4 references, which the first
// pass collects whatever the object order.
const QString FullSet = cmyk(1, "10,-15 15,-10") + cmyk(2, "10,-15 15,-10") + cmyk(3, "16,-15 15,-15 15,-35")
    + cmyk(4, "15,-15 15,-16") + cmyk(5, "25,-12 20,-12") + cmyk(6, "12,-20 12,-25") + cmyk(7, "205,-15 210,-10")
    + cmyk(10, "10,-140 15,-135");

QStringList captured;
void captureMessage(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type == QtDebugMsg)
        captured.append(msg);
}

} // namespace

class TestRegistrationMarks : public QObject
{
    Q_OBJECT
private slots:
    void measuresMarks_data()
    {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<QString>("expected");
        // Without codes 7, 10 and 6 the distances come from the far-off start
        // values and the y values are turned round at the end.
        const QString far = QStringLiteral("yDistance=1000000110.9 yOffset=-111");
        const QString untouched = "xDistance=-10000110.9 " + far;

        QTest::newRow("full set of codes")
            << marks(FullSet)
            << "found use xOrigin=15 xWidth=5 yOrigin=-15 offsetY=-5 length=20 thickness=1 xDistance=195 yDistance=125"
               " xOffset=5 yOffset=9 roles=C0,C1,C2,C3,C4,C5,C6,C7";
        QTest::newRow("offsets, references after them")
            << marks(cmyk(5, "9,3 7,3") + cmyk(6, "4,-28 4,-30") + cmyk(3, "16,-15 15,-15 15,-35")
                     + cmyk(4, "15,-15 15,-16"))
            << "found use length=20 thickness=1 xDistance=-10000110.9 yDistance=1000000110.9 xOffset=-8 yOffset=14"
               " roles=C0,C1,C2,C3";
        QTest::newRow("RGB code 1 and code 7 200 mm further right")
            << marks("|O #010000|P 0,0 5,5|O #070000|P 200,0 205,5")
            << "found use xOrigin=5 xWidth=5 xDistance=200 " + far + " roles=C0,C1";
        QTest::newRow("CMYK black 1 is code 1; control points and later sub-paths are not measured")
            << marks("|O cmyk(0,0,0,1)|P|N 0,0 1000,1000 -1000,-1000 5,5|P 50,0 60,10")
            << "found use xOrigin=5 xWidth=5 xDistance=-10000004.9 " + far + " roles=C0";
        QTest::newRow("RGB red 1 with any green and blue is code 1")
            << marks("|O #01c832|P 0,0 5,5")
            << "found use xOrigin=5 xWidth=5 xDistance=-10000004.9 " + far + " roles=C0";
        QTest::newRow("two code-1 objects are measured together")
            << marks(cmyk(1, "0,0 5,5") + cmyk(1, "20,0 25,5"))
            << "found use xOrigin=25 xWidth=25 xDistance=-10000024.9 " + far + " roles=C0";
        QTest::newRow("code 3 L drawn down and left")
            << marks(cmyk(3, "10,0 10,10 9,10")) << "found use length=10 thickness=1 " + untouched + " roles=C0";
        QTest::newRow("code 3 L drawn right and up")
            << marks(cmyk(3, "9,10 10,10 10,0")) << "found use length=10 thickness=1 " + untouched + " roles=C0";
        QTest::newRow("code 5 without a horizontal segment")
            << marks(cmyk(5, "7,3 7,9")) << "found use " + untouched + " roles=C0";
        QTest::newRow("codes 0, 8, 11 and 255 have no role")
            << marks(cmyk(0, "0,0 5,5") + cmyk(8, "0,0 5,5") + cmyk(11, "0,0 5,5") + "|O #ff0000|P 0,0 5,5")
            << "found use " + untouched + " roles=C0,C1,C2,C3";
        QTest::newRow("object without colour entry")
            << marks("|O cmyk(0,0,0,1) bare|P 0,0 5,5") << "found use " + untouched;
        QTest::newRow("code 9") << marks(cmyk(9, "0,0 5,5")) << "found code9 use " + untouched + " roles=C0";
        QTest::newRow("empty marks layer") << marks("") << "found use " + untouched;
        // An entry shared with the artwork is no mark colour.
        QTest::newRow("colour roles") << "L'Motiv'|O #000000|O #ff0000|" + marks("|O #000000|O #00ff00")
                                      << "found use " + untouched + " roles=C2";
        QTest::newRow("no marks layer") << "L'Motiv'" + FullSet << "yDistance=-111 yOffset=-111";
        QTest::newRow("layer name differing in case")
            << "L'kc-passermarkenebene'" + FullSet << "yDistance=-111 yOffset=-111";
    }

    void measuresMarks()
    {
        QFETCH(QString, drawing);
        Document doc;
        DrawingText::build(doc, drawing);
        for (auto set : {&Document::setPasserXOrigin, &Document::setPasserXWidth, &Document::setPasserYOrigin,
                         &Document::setPasserOffsetY, &Document::setPasserLength, &Document::setPasserThickness,
                         &Document::setPasserXDistance, &Document::setPasserYDistance, &Document::setPasserXOffset,
                         &Document::setPasserYOffset})
            (doc.*set)(Preset);
        doc.setUsePassermarks(true);
        doc.ReadAdobeIllustratorPasserMarks();
        QTEST(summary(doc), "expected");
    }

    void debugLinesInOrder_data()
    {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<QStringList>("lines");
        const QString head = QStringLiteral("ReadAdobeIllustratorPasserMarks");
        QTest::newRow("no marks layer") << "L'Motiv'" + FullSet << QStringList{head};
        QStringList full = {head, "Passermarkenebene gefunden", head + " _passerXOrigin 15", head + " 2"};
        for (int code : {1, 2, 3, 4, 5, 6, 7, 10}) {
            full << head + QStringLiteral(" 3 %1 1").arg(code);
            if (code == 5)
                full << QStringLiteral("Passermarke Y gefunden");
        }
        QTest::newRow("full set") << marks(FullSet) << full;
        QTest::newRow("RGB marks, two code-5 strokes, object without entry")
            << marks("|O #010000 bare|P 0,0 5,5|O #010000|P 0,0 2.5,2.5|O #050909|P 3,0 8,0 8,1 3,1 3,0")
            << QStringList{head, "Passermarkenebene gefunden", head + " _passerXOrigin 2.5", head + " 2",
                           head + " 3 1 0", head + " 3 5 0", "Passermarke Y gefunden", "Passermarke Y gefunden"};
    }

    void debugLinesInOrder()
    {
        QFETCH(QString, drawing);
        Document doc;
        DrawingText::build(doc, drawing);
        captured.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
        doc.ReadAdobeIllustratorPasserMarks();
        qInstallMessageHandler(previous);
        QTEST(captured, "lines");
    }

    void completesColourTable()
    {
        // Objects without entries: one entry per missing colour (a CMYK
        // look-alike of an RGB entry counts as missing, uncoloured objects share
        // an invalid one); the marks layer is left out and no object is linked.
        Document doc;
        DrawingText::build(doc, "C #ff0000|L'Motiv'|O #ff0000 bare|O #00ff00 bare|O #00ff00 bare"
                                "|O cmyk(0,255,255,0) bare|O invalid bare|O invalid bare"
                                "|L'KC-PassermarkenEbene'|O #0000ff bare");
        doc.completeColorTable();
        QCOMPARE(DrawingText::dump(doc).join(QLatin1Char('|')),
                 QStringLiteral("L'Motiv'|O #ff0000|O #00ff00|O #00ff00|O cmyk(0,255,255,0)|O invalid|O invalid"
                                "|L'KC-PassermarkenEbene'|O #0000ff|C0 #ff0000 cut|C1 #00ff00 cut"
                                "|C2 cmyk(0,255,255,0) cut|C3 invalid cut"));
    }
};

QTEST_GUILESS_MAIN(TestRegistrationMarks)
#include "tst_registrationmarks.moc"
