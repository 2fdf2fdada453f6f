#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PlotterTemplate.h"

#include "support/RecordingMessages.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QtTest>

#include <memory>

namespace {

using M = Material;
using P = PlotterTemplate;

// Integer attributes and what a missing one reads as (0 for every plotter one).
const std::vector<std::tuple<const char*, int M::*, int>> kMaterialInts = {
    {"ID", &M::ID, 0}, {"Speed", &M::Speed, 5}, {"Force", &M::Force, 6}, {"Passages", &M::Passages, 7},
    {"Linetype", &M::Linetype, 8}, {"PatternLength", &M::PatternLength, 9}, {"Blade", &M::Blade, 1010}};
const std::vector<std::pair<const char*, int P::*>> kPlotterInts = {
    {"VendorID", &P::VendorID}, {"ProductID", &P::ProductID}, {"PipeIn", &P::PipeIn}, {"PipeOut", &P::PipeOut},
    {"MaxCutWidth", &P::MaxCutWidth}, {"MaxCutHeight", &P::MaxCutHeight}, {"MinCutWidth", &P::MinCutWidth},
    {"MinCutHeight", &P::MinCutHeight}, {"MaxMediaWidth", &P::MaxMediaWidth}, {"MaxMediaHeight", &P::MaxMediaHeight},
    {"MinMediaWidth", &P::MinMediaWidth}, {"MinMediaHeight", &P::MinMediaHeight}, {"MinMediaMargin", &P::MinMediaMargin},
    {"MaxCutSpeed", &P::MaxCutSpeed}, {"MinCutSpeed", &P::MinCutSpeed}, {"MaxCutForce", &P::MaxCutForce},
    {"MinCutForce", &P::MinCutForce}, {"QualityDraft", &P::QualityDraft}, {"QualityFair", &P::QualityFair},
    {"QualityNormal", &P::QualityNormal}, {"QualityFine", &P::QualityFine}, {"QualitySmallLetter", &P::QualitySmallLetter}};

QString presetsXml(const QString& body)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<KerfcraftPresets>%1</KerfcraftPresets>\n").arg(body);
}

// One line per entry: its kind, then the fields that differ from what a
// missing attribute gives (all of them for a plotter model's texts and flags).
QStringList describe(const KerfcraftPresets& store)
{
    QStringList out;
    auto add = [&out](QStringList fields, const QMap<QString, QString>& names) {
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            fields << it.key() + QLatin1Char(':') + it.value();
        out << fields.join(QLatin1Char(' '));
    };
    for (const Material* m : store.materials()) {
        QStringList fields{m->IsDefault ? "Material IsDefault" : "Material"};
        for (const auto& [name, field, fallback] : kMaterialInts)
            if (m->*field != fallback)
                fields << QStringLiteral("%1=%2").arg(name).arg(m->*field);
        add(fields, m->Names);
    }
    // The shortest text that reads back as the same double: bit-exact.
    for (const Blade* b : store.blades())
        add({QStringLiteral("Blade ID=%1 Offset=%2").arg(b->ID).arg(b->OffsetCorrection, 0, 'g', QLocale::FloatingPointShortest)},
            b->Names);
    for (const PlotterTemplate* p : store.plotterTemplates()) {
        QStringList fields{"Plotter " + p->Manufacturer + '/' + p->Name, p->Protocol == ProtocolType::HPGL ? "HPGL" : "GPGL",
                           QStringLiteral("Marks=%1 Keys=%2").arg(p->SupportsPassermarks).arg(p->Keys.join(','))};
        for (const auto& [name, field] : kPlotterInts)
            if (p->*field != 0)
                fields << QStringLiteral("%1=%2").arg(name).arg(p->*field);
        add(fields, {});
    }
    return out;
}

} // namespace

class TestPresets : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingMessages m_messages;

    QString write(const QString& text)
    {
        const QString path = m_dir.filePath(QStringLiteral("KerfcraftPresets.xml"));
        TestFiles::write(path, text.toUtf8());
        return path;
    }

private slots:
    void init() { m_messages.clear(); }

    void load_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("nothing given: defaults")
            << presetsXml("<Materials><Material/></Materials><Blades><Blade/></Blades><Plotters><Plotter/></Plotters>")
            << QStringList{"Material", "Blade ID=0 Offset=0", "Plotter / GPGL Marks=0 Keys="};

        // Every attribute with a value of its own, so a swapped field shows.
        QString material = "IsDefault=\"1\"", plotter = "Manufacturer=\"KL\" Name=\"Pro\" Protocol=\"HPGL\" "
                                                      "SupportsPassermarks=\"1\" Keys=\"A B\"";
        QStringList materialFields{"Material IsDefault"}, plotterFields{"Plotter KL/Pro", "HPGL", "Marks=1 Keys=A,B"};
        for (const auto& [name, field, fallback] : kMaterialInts) {
            material += QStringLiteral(" %1=\"%2\"").arg(name).arg(fallback + 20);
            materialFields << QStringLiteral("%1=%2").arg(name).arg(fallback + 20);
        }
        for (int i = 0; i < int(kPlotterInts.size()); ++i) {
            plotter += QStringLiteral(" %1=\"%2\"").arg(kPlotterInts[i].first).arg(i + 40);
            plotterFields << QStringLiteral("%1=%2").arg(kPlotterInts[i].first).arg(i + 40);
        }
        QTest::newRow("every attribute given")
            << presetsXml(QStringLiteral("<Materials><Material %1/></Materials><Plotters><Plotter %2/></Plotters>")
                              .arg(material, plotter))
            << QStringList{materialFields.join(' '), plotterFields.join(' ')};

        QTest::newRow("numbers are decimal only")
            << presetsXml("<Materials><Material ID=\"-3\" IsDefault=\"true\" Speed=\"0x1A\" Force=\"12.5\" Blade=\"\"/>"
                          "<Material IsDefault=\"2\"/></Materials>"
                          "<Blades><Blade ID=\"two\" OffsetCorrection=\"0,25\"/><Blade OffsetCorrection=\"0.175\"/></Blades>")
            << QStringList{"Material ID=-3 Speed=0 Force=0 Blade=0", "Material IsDefault", "Blade ID=0 Offset=0",
                           "Blade ID=0 Offset=0.175"};
        QTest::newRow("protocol and keys")
            << presetsXml("<Plotters><Plotter Protocol=\"HpGl\" Keys=\"  SB60   SABLE-60 \"/>"
                          "<Plotter Protocol=\"hpgl \" Keys=\"   \" VendorID=\"0x0F0B\" SupportsPassermarks=\"5\"/></Plotters>")
            << QStringList{"Plotter / HPGL Marks=0 Keys=SB60,SABLE-60", "Plotter / GPGL Marks=1 Keys="};
        const QString names = "<Label/><Names><Name Language=\"de\" Value=\"Alt\"/><Name Value=\"Neu\"/>"
                              "<Name Language=\"en\"/><Title/></Names><Names><Name Language=\"fr\" Value=\"Carton\"/></Names>";
        QTest::newRow("names: de by default, later wins")
            << presetsXml(QStringLiteral("<Materials><Material>%1</Material></Materials><Blades><Blade>%1</Blade></Blades>")
                              .arg(names))
            << QStringList{"Material de:Neu en: fr:Carton", "Blade ID=0 Offset=0 de:Neu en: fr:Carton"};

        QTest::newRow("sections repeat, other elements skipped")
            << presetsXml("<Material ID=\"9\"/><Materials><Blade ID=\"8\"/><Material ID=\"1\"/><Extra/></Materials>"
                          "<Blades><Material ID=\"7\"/><Blade ID=\"5\"/></Blades>"
                          "<Other><Materials><Material ID=\"6\"/></Materials></Other><Materials><Material ID=\"3\"/></Materials>")
            << QStringList{"Material ID=1", "Material ID=3", "Blade ID=5 Offset=0"};
        QTest::newRow("other root name")
            << "<?xml version=\"1.0\"?><Presets><Materials><Material ID=\"1\"/></Materials></Presets>" << QStringList();
        // The parser builds the tree as it reads: the cut-off element is there.
        QTest::newRow("truncated")
            << "<KerfcraftPresets><Materials><Material ID=\"1\"/><Material ID=\"2\" Speed=\"3\"><Names><Name Value=\"x\"/></Na"
            << QStringList{"Material ID=1", "Material ID=2 Speed=3 de:x"};
    }

    void load()
    {
        QFETCH(QString, text);
        KerfcraftPresets store(m_messages, write(text));
        store.load();
        QTEST(describe(store), "entries");
        QCOMPARE(m_messages.count(), 0);
    }

    // A missing UId is made anew on every load, a given one kept. Entries of
    // an earlier load stay alive for whoever holds them, until the store goes.
    void reload()
    {
        const QString uid = QStringLiteral("{0e6a45bb-7a83-4f55-a3a1-4c1d6e0f0a11}");
        auto store = std::make_unique<KerfcraftPresets>(
            m_messages, write(presetsXml("<Materials><Material Speed=\"20\"/><Material UId=\"" + uid + "\"/></Materials>")));
        KerfcraftPresets::setInstance(store.get());
        store->load();
        QPointer<Material> held = store->materials().first();
        store->load();
        QVERIFY(!held->UId.isNull() && !store->materials().first()->UId.isNull());
        QVERIFY(held->UId != store->materials().first()->UId);
        QCOMPARE(store->materials().last()->UId.toString(), uid);

        write(presetsXml("<Materials><Material ID=\"3\"/></Materials>"));
        store->load();
        QCOMPARE(describe(*store), QStringList{"Material ID=3"});
        QVERIFY(held);
        QCOMPARE(held->Speed, 20);
        store.reset();
        QVERIFY(!held);
        QCOMPARE(KerfcraftPresets::instance(), nullptr);
    }

    void shippedDefaults()
    {
        KerfcraftPresets store(m_messages, TestPaths::source(QStringLiteral("data/defaults/KerfcraftPresets.xml")));
        store.load();
        QCOMPARE(m_messages.count(), 0);
        QVERIFY(store.materials().size() >= 8);
        QSet<QString> identities;
        for (const Material* m : store.materials()) {
            QVERIFY2(store.bladeById(m->Blade) && m->IsDefault && m->Speed > 0 && m->Force > 0, qPrintable(m->Name));
            QVERIFY2(!m->Names.value("de").isEmpty() && !m->Names.value("en").isEmpty(), qPrintable(m->Name));
            identities << QString::number(m->ID) << m->UId.toString();
        }
        QCOMPARE(identities.size(), 2 * store.materials().size());
        // Each offset has a blade code of the command set.
        QList<double> offsets;
        for (const Blade* b : store.blades())
            offsets << b->OffsetCorrection;
        QCOMPARE(offsets, (QList<double>{0.25, 0.5, 0.75, 1.0}));
        // Connected plotters are recognised by name and keys: no model may
        // also match another one.
        for (const PlotterTemplate* p : store.plotterTemplates()) {
            QVERIFY2(p->VendorID == 3851 && p->PipeIn == 130 && p->Protocol == ProtocolType::HPGL, qPrintable(p->Name));
            for (const PlotterTemplate* other : store.plotterTemplates()) {
                QVERIFY2(other == p || !other->Name.endsWith(p->Name), qPrintable(p->Name));
                for (const QString& key : p->Keys)
                    QVERIFY2(other == p || !other->Name.contains(key), qPrintable(key));
            }
        }
        // The registration-mark settings the host plug-in reads before the
        // dialog has ever been used.
        QSettings ini(TestPaths::source(QStringLiteral("data/defaults/Kerfcraft.ini")), QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("Passermarks"));
        QStringList marks;
        for (const QString& key : ini.childKeys())
            marks << key + QLatin1Char('=') + ini.value(key).toString();
        QCOMPARE(marks, QString("DeleteMarks=0 Length=20 Margin=15 SetMarks=0 Thickness=10 UseHorSegmentMarks=0 "
                                "UseVertSegmentMarks=0 XStep=500 YStep=500").split(' '));
    }
};

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_presets.moc"
