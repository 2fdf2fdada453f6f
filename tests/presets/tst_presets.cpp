#include "document/Document.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PlotterTemplate.h"
#include "presets/PresetNames.h"
#include "presets/PresetSelection.h"
#include "presets/PresetsFile.h"

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


const QString kMaterials = QStringLiteral(
    "<Materials NextId=\"2\">\n  <!-- factory -->\n"
    "  <Material ID=\"0\" Name=\"folie\" IsDefault=\"1\" Speed=\"30\" Force=\"90\" Passages=\"1\" Blade=\"1\">"
    "<Names><Name Language=\"de\" Value=\"Folie\"/><Name Language=\"en\" Value=\"Vinyl\"/></Names></Material>\n"
    "  <Material ID=\"1\" Name=\"flex\" IsDefault=\"0\" Speed=\"20\" Force=\"110\" Passages=\"1\" Blade=\"1\">"
    "<Names><Name Language=\"de\" Value=\"Flex\"/></Names></Material>\n </Materials>");

// A user's file: declaration and comments around and in the root, two blades.
QString userFile(const QString& materials = kMaterials)
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- Meine Voreinstellungen -->\n<KerfcraftPresets>\n %1\n"
               " <Blades>\n  <Blade ID=\"1\" OffsetCorrection=\"0.25\"><Names><Name Language=\"de\" Value=\"Messer 0,25\"/>"
               "<Name Language=\"en\" Value=\"Blade 0.25\"/></Names></Blade>\n"
               "  <Blade ID=\"2\" OffsetCorrection=\"0.5\"><Names><Name Language=\"en\" Value=\"Blade 0.5\"/></Names></Blade>\n"
               " </Blades>\n</KerfcraftPresets>\n")
        .arg(materials);
}

// "ID:Speed:Force:Passages:Blade" and the languages of the names.
QStringList rows(const QList<Material*>& materials)
{
    QStringList out;
    for (const Material* m : materials)
        out << QStringLiteral("%1:%2:%3:%4:%5 %6").arg(m->ID).arg(m->Speed).arg(m->Force).arg(m->Passages).arg(m->Blade)
                   .arg(QStringList(m->Names.keys()).join(',')).trimmed();
    return out;
}

} // namespace

class TestPresets : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    RecordingMessages m_messages;

    std::unique_ptr<KerfcraftPresets> storeOver(const QString& text, const QString& name = "KerfcraftPresets.xml")
    {
        auto store = std::make_unique<KerfcraftPresets>(m_messages, m_dir->filePath(name));
        TestFiles::write(store->path(), text.toUtf8());
        store->load();
        return store;
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        m_messages.clear();
    }

    void edits_data()
    {
        QTest::addColumn<QString>("condition"); // of the file before the edits
        QTest::addColumn<QString>("materials");
        QTest::addColumn<QStringList>("ops"); // "operation=result"
        QTest::addColumn<QStringList>("rows"); // after the last reload
        QTest::addColumn<QStringList>("messages"); // %1: the file's path
        auto row = [](const char* name, const char* condition, const QString& materials, const QStringList& ops,
                      const QStringList& rows, const QStringList& messages = {}) {
            QTest::newRow(name) << QString(condition) << materials << ops << rows << messages;
        };

        row("add: a name per language of the first material", "", kMaterials, {"add=2"},
            {"0:30:90:1:1 de,en", "1:20:110:1:1 de", "2:17:123:3:2 de,en"});
        row("add to every section from its NextId", "",
            "<Materials NextId=\"4\"><Material ID=\"3\"><Names><Name Value=\"A\"/></Names></Material></Materials>"
            "\n <!-- zweite -->\n <Materials><Material ID=\"8\"/></Materials>",
            {"add=0", "add=1"},
            {"3:5:6:7:1010 de", "4:17:123:3:2 de", "5:17:123:3:2 de", "8:5:6:7:1010", "0:17:123:3:2 de", "1:17:123:3:2 de"});
        row("add to an empty store: current language", "", "<Materials NextId=\"3\"/>", {"add=3"}, {"3:17:123:3:2 en"});
        row("add without a Materials section", "", "<Plotters/>", {"add=-1"}, {},
            {"Hinweis|Das Material konnte nicht hinzugefügt werden."});
        row("IDs are never reused", "", kMaterials, {"add=2", "remove 2=1", "add=3", "remove 1=1", "add=4"},
            {"0:30:90:1:1 de,en", "3:17:123:3:2 de,en", "4:17:123:3:2 de,en"});
        row("remove the last of an ID in every section, no ID as 0", "",
            "<Materials><Material ID=\"1\" Speed=\"10\"/><Material ID=\"1\" Speed=\"11\"/><Material Speed=\"12\"/>"
            "</Materials><Materials><Material ID=\"1\" Speed=\"13\"/><Material ID=\"2\" Speed=\"14\"/></Materials>",
            {"remove 1=1", "remove 0=1"}, {"1:10:6:7:1010", "2:14:6:7:1010"});
        row("store into every match in every section", "",
            "<Materials><Material ID=\"1\" Speed=\"10\"/><Material ID=\"2\" Speed=\"20\"/></Materials>"
            "<Materials><Material ID=\"1\" Speed=\"5\"/></Materials>",
            {"store 1=1"}, {"1:44:222:1:1", "2:20:6:7:1010", "1:44:222:1:1"});

        // Failures leave file and store as they were.
        const QString notOpened = QStringLiteral("Hinweis|Das Material konnte nicht hinzugefügt werden, "
                                                 "da die Einstellungsdatei nicht geöffnet werden konnte.Pfad: \r\n%1");
        const QString notWritten = QStringLiteral("Hinweis|Das Material konnte nicht hinzugefügt werden, da die "
                                                  "Einstellungsdatei nicht zum schreiben geöffnet werden konnte.Pfad: \r\n%1");
        const QString loadFailed = QStringLiteral("Dateifehler|Die Einstellungsdatei konnte nicht geöffnet werden.\r\n");
        row("add, file missing", "missing", kMaterials, {"add=-1"}, {}, {notOpened, loadFailed});
        row("add, not XML", "malformed", kMaterials, {"add=-1"}, {}, {notOpened});
        row("add, write fails", "long name", kMaterials, {"add=-1"}, {}, {notWritten});
    }

    void edits()
    {
        QFETCH(QString, condition);
        QFETCH(QString, materials);
        QFETCH(QStringList, ops);
        QFETCH(QStringList, messages);

        // A 255-character name is still a valid file, but the temporary file
        // beside it cannot be named.
        const QString text = condition == "malformed" ? userFile(materials).left(400) : userFile(materials);
        auto store = storeOver(text, condition == "long name" ? QString(251, 'K') + ".xml" : "KerfcraftPresets.xml");
        const QString path = store->path();
        Document doc;
        doc.materials() = store->materials();
        const QStringList loaded = rows(store->materials());
        if (condition == "missing")
            QVERIFY(QFile::remove(path));
        const QByteArray before = TestFiles::read(path);

        PresetsFile file(*store, m_messages);
        QStringList done;
        for (const QString& op : ops) {
            const QString what = op.section('=', 0, 0);
            const int id = what.section(' ', 1).toInt();
            const int result = what == "add" ? file.addMaterial(QStringLiteral("Neue Folie ä"), {17, 123, 3, 2}, "en")
                : what.startsWith("remove")  ? file.removeMaterial(id)
                                             : file.storeParameters(id, {44, 222, 1, 1}, &doc);
            done << QStringLiteral("%1=%2").arg(what).arg(result);
        }
        QCOMPARE(done, ops);
        QCOMPARE(m_messages.lines(), messages.replaceInStrings("%1", path));

        if (!condition.isEmpty()) {
            QCOMPARE(TestFiles::read(path), before);
            QCOMPARE(rows(store->materials()), loaded);
            QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), condition == "missing" ? 0 : 1);
            return;
        }
        QTEST(rows(store->materials()), "rows");
        // Written back as read (the parser keeps the declaration with its own
        // choice of quotes), one blank per level.
        const QString written = QString::fromUtf8(TestFiles::read(path));
        QVERIFY2(written.contains(QRegularExpression("^<\\?xml version=.1\\.0. encoding=.UTF-8.\\?>\n<!-- Meine")),
                 qPrintable(written.left(80)));
        QVERIFY(written.contains("\n <Blades>\n  <Blade ") && written.contains("Value=\"Messer 0,25\""));
        const QRegularExpression uid("UId=\"\\{[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}\\}\"");
        QCOMPARE(written.count(uid), written.count("UId="));
        // Stored values reach the document's entries before any refill.
        if (ops.first().startsWith("store"))
            QCOMPARE(rows(doc.materials()), rows(store->materials()));
        for (const Material* m : store->materials()) {
            if (m->Speed != 17)
                continue;
            QVERIFY(!m->IsDefault && m->Linetype == 0 && m->PatternLength == 0);
            for (const QString& name : m->Names)
                QCOMPARE(name, QStringLiteral("Neue Folie ä"));
        }
    }

    void localisedNames_data()
    {
        QTest::addColumn<QString>("translationFile");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("offered"); // materials, then blades

        QTest::newRow("German") << "Kerfcraft_de.qm" << "de" << QStringList{"0:Folie", "1:Flex", "1:Messer 0,25"};
        QTest::newRow("English") << "Kerfcraft_en.qm" << "en" << QStringList{"0:Vinyl", "1:Blade 0.25", "2:Blade 0.5"};
        QTest::newRow("region code, dots") << "Kerfcraft_pt_BR.v2.qm" << "pt_BR.v2" << QStringList();
    }

    void localisedNames()
    {
        QFETCH(QString, translationFile);
        QFETCH(QString, language);

        QCOMPARE(PresetNames::languageOfTranslationFile(translationFile), language);
        auto store = storeOver(userFile());
        const PresetNames::Offered offered = PresetNames::localise(*store, language);
        QStringList names;
        for (const Material* m : offered.materials)
            names << QStringLiteral("%1:%2").arg(m->ID).arg(m->Name);
        for (const Blade* b : offered.blades)
            names << QStringLiteral("%1:%2").arg(b->ID).arg(b->Name);
        QTEST(names, "offered");
        // A material not offered keeps its fallback name.
        QCOMPARE(store->materialById(1)->Name, QString(language == "de" ? "Flex" : "flex"));
    }

    // The restoring document starts with material 0 and blade 1 selected;
    // a key not saved leaves that selection alone.
    void selectionRoundTrip_data()
    {
        QTest::addColumn<int>("materialId"); // -1: none selected when saving
        QTest::addColumn<QString>("restored"); // material and blade ID
        QTest::newRow("both") << 1 << "1 2";
        QTest::newRow("blade only") << -1 << "0 2";
    }

    void selectionRoundTrip()
    {
        QFETCH(int, materialId);
        auto store = storeOver(userFile());
        const QString ini = m_dir->filePath(QStringLiteral("Kerfcraft.conf"));
        {
            Document saved;
            saved.setMaterial(store->materialById(materialId));
            saved.setBlade(store->bladeById(2));
            QSettings settings(ini, QSettings::IniFormat);
            PresetSelection::save(saved, settings);
        }
        Document doc;
        doc.materials() = store->materials();
        doc.blades() = store->blades();
        doc.setMaterial(store->materialById(0));
        doc.setBlade(store->bladeById(1));
        QSignalSpy changed(&doc, &Document::DataChanged);
        QTest::ignoreMessage(QtDebugMsg, "Selected blade: 2");
        PresetSelection::restore(doc, QSettings(ini, QSettings::IniFormat));
        QTEST(QStringLiteral("%1 %2").arg(doc.material() ? doc.material()->ID : -1).arg(doc.blade() ? doc.blade()->ID : -1),
              "restored");
        QVERIFY(changed.count() >= 1);
    }

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
        QTEST(describe(*storeOver(text)), "entries");
        QCOMPARE(m_messages.count(), 0);
    }

    // A missing UId is made anew on every load, a given one kept. Entries of
    // an earlier load stay alive for whoever holds them, until the store goes.
    void reload()
    {
        const QString uid = QStringLiteral("{0e6a45bb-7a83-4f55-a3a1-4c1d6e0f0a11}");
        auto store = storeOver(presetsXml("<Materials><Material Speed=\"20\"/><Material UId=\"" + uid + "\"/></Materials>"));
        KerfcraftPresets::setInstance(store.get());
        QPointer<Material> held = store->materials().first();
        store->load();
        QVERIFY(!held->UId.isNull() && !store->materials().first()->UId.isNull());
        QVERIFY(held->UId != store->materials().first()->UId);
        QCOMPARE(store->materials().last()->UId.toString(), uid);

        TestFiles::write(store->path(), presetsXml("<Materials><Material ID=\"3\"/></Materials>").toUtf8());
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
