#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PlotterTemplate.h"

#include "support/RecordingMessages.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

QString presetsXml(const QString& body)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<KerfcraftPresets>\n%1\n</KerfcraftPresets>\n")
        .arg(body);
}

// Every attribute of a material, given with a value that differs from its
// default, and what that value reads as.
struct GivenAttribute {
    const char* name;
    const char* text;
    QVariant value;
};
const QList<GivenAttribute> kMaterialAttributes = {
    {"ID", "42", 42},
    {"Name", "Folie", QStringLiteral("Folie")},
    {"IsDefault", "1", true},
    {"UId", "{0e6a45bb-7a83-4f55-a3a1-4c1d6e0f0a11}", QStringLiteral("{0e6a45bb-7a83-4f55-a3a1-4c1d6e0f0a11}")},
    {"Speed", "31", 31},
    {"Force", "91", 91},
    {"Passages", "2", 2},
    {"Linetype", "3", 3},
    {"PatternLength", "4", 4},
    {"Blade", "12", 12},
};

const QStringList kPlotterIntAttributes = {
    QStringLiteral("VendorID"), QStringLiteral("ProductID"), QStringLiteral("PipeIn"), QStringLiteral("PipeOut"),
    QStringLiteral("SupportsPassermarks"), QStringLiteral("MaxCutWidth"), QStringLiteral("MaxCutHeight"),
    QStringLiteral("MinCutWidth"), QStringLiteral("MinCutHeight"), QStringLiteral("MaxMediaWidth"),
    QStringLiteral("MaxMediaHeight"), QStringLiteral("MinMediaWidth"), QStringLiteral("MinMediaHeight"),
    QStringLiteral("MinMediaMargin"), QStringLiteral("MaxCutSpeed"), QStringLiteral("MinCutSpeed"),
    QStringLiteral("MaxCutForce"), QStringLiteral("MinCutForce"), QStringLiteral("QualityDraft"),
    QStringLiteral("QualityFair"), QStringLiteral("QualityNormal"), QStringLiteral("QualityFine"),
    QStringLiteral("QualitySmallLetter")};

// Replaces, adds (value set) or drops (value null) one attribute of a list.
QString attributes(QStringList list, const QString& name, const QString& value)
{
    for (int i = list.size() - 1; i >= 0; --i)
        if (list[i].startsWith(name + QLatin1Char('=')))
            list.removeAt(i);
    if (!value.isNull())
        list << QStringLiteral("%1=\"%2\"").arg(name, value);
    return list.join(QLatin1Char(' '));
}

QVariant materialField(const Material& m, const QString& field)
{
    const QHash<QString, std::function<QVariant()>> fields = {
        {QStringLiteral("ID"), [&] { return QVariant(m.ID); }},
        {QStringLiteral("Name"), [&] { return QVariant(m.Name); }},
        {QStringLiteral("IsDefault"), [&] { return QVariant(m.IsDefault); }},
        {QStringLiteral("UId"), [&] { return QVariant(m.UId.toString()); }},
        {QStringLiteral("Speed"), [&] { return QVariant(m.Speed); }},
        {QStringLiteral("Force"), [&] { return QVariant(m.Force); }},
        {QStringLiteral("Passages"), [&] { return QVariant(m.Passages); }},
        {QStringLiteral("Linetype"), [&] { return QVariant(m.Linetype); }},
        {QStringLiteral("PatternLength"), [&] { return QVariant(m.PatternLength); }},
        {QStringLiteral("Blade"), [&] { return QVariant(m.Blade); }},
    };
    return fields.value(field)();
}

QVariant plotterField(const PlotterTemplate& p, const QString& field)
{
    const QHash<QString, QVariant> fields = {
        {QStringLiteral("Manufacturer"), p.Manufacturer},
        {QStringLiteral("Name"), p.Name},
        {QStringLiteral("VendorID"), p.VendorID},
        {QStringLiteral("ProductID"), p.ProductID},
        {QStringLiteral("PipeIn"), p.PipeIn},
        {QStringLiteral("PipeOut"), p.PipeOut},
        {QStringLiteral("Protocol"), p.Protocol == ProtocolType::HPGL ? QStringLiteral("HPGL") : QStringLiteral("GPGL")},
        {QStringLiteral("SupportsPassermarks"), p.SupportsPassermarks ? 1 : 0},
        {QStringLiteral("MaxCutWidth"), p.MaxCutWidth},
        {QStringLiteral("MaxCutHeight"), p.MaxCutHeight},
        {QStringLiteral("MinCutWidth"), p.MinCutWidth},
        {QStringLiteral("MinCutHeight"), p.MinCutHeight},
        {QStringLiteral("MaxMediaWidth"), p.MaxMediaWidth},
        {QStringLiteral("MaxMediaHeight"), p.MaxMediaHeight},
        {QStringLiteral("MinMediaWidth"), p.MinMediaWidth},
        {QStringLiteral("MinMediaHeight"), p.MinMediaHeight},
        {QStringLiteral("MinMediaMargin"), p.MinMediaMargin},
        {QStringLiteral("MaxCutSpeed"), p.MaxCutSpeed},
        {QStringLiteral("MinCutSpeed"), p.MinCutSpeed},
        {QStringLiteral("MaxCutForce"), p.MaxCutForce},
        {QStringLiteral("MinCutForce"), p.MinCutForce},
        {QStringLiteral("QualityDraft"), p.QualityDraft},
        {QStringLiteral("QualityFair"), p.QualityFair},
        {QStringLiteral("QualityNormal"), p.QualityNormal},
        {QStringLiteral("QualityFine"), p.QualityFine},
        {QStringLiteral("QualitySmallLetter"), p.QualitySmallLetter},
        {QStringLiteral("Keys"), p.Keys},
    };
    return fields.value(field);
}

QStringList namesOf(const QMap<QString, QString>& names)
{
    QStringList out;
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        out << it.key() + QLatin1Char('=') + it.value();
    return out;
}

} // namespace

class TestPresets : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void materialAttributes_data();
    void materialAttributes();
    void missingUIdIsFreshOnEveryLoad();
    void bladeAttributes_data();
    void bladeAttributes();
    void plotterAttributes_data();
    void plotterAttributes();
    void names_data();
    void names();
    void fileStructure_data();
    void fileStructure();
    void unreadableFileKeepsLists_data();
    void unreadableFileKeepsLists();
    void reloadKeepsEarlierEntriesAlive();
    void shippedDefaults();

private:
    // Writes the file and loads a fresh store from it.
    KerfcraftPresets& loadText(const QString& text);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<KerfcraftPresets> m_store;
    RecordingMessages m_messages;
};

void TestPresets::init()
{
    m_store.reset();
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_messages.clear();
}

KerfcraftPresets& TestPresets::loadText(const QString& text)
{
    const QString path = m_dir->filePath(QStringLiteral("KerfcraftPresets.xml"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(text.toUtf8());
    f.close();
    m_store.reset(new KerfcraftPresets(m_messages, path));
    m_store->load();
    return *m_store;
}

void TestPresets::materialAttributes_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("value"); // null: attribute left out
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("ID missing") << "ID" << QString() << QVariant(0);
    QTest::newRow("Name missing") << "Name" << QString() << QVariant(QString());
    QTest::newRow("IsDefault missing") << "IsDefault" << QString() << QVariant(false);
    QTest::newRow("Speed missing") << "Speed" << QString() << QVariant(5);
    QTest::newRow("Force missing") << "Force" << QString() << QVariant(6);
    QTest::newRow("Passages missing") << "Passages" << QString() << QVariant(7);
    QTest::newRow("Linetype missing") << "Linetype" << QString() << QVariant(8);
    QTest::newRow("PatternLength missing") << "PatternLength" << QString() << QVariant(9);
    QTest::newRow("Blade missing") << "Blade" << QString() << QVariant(1010);

    QTest::newRow("IsDefault true") << "IsDefault" << "true" << QVariant(false);
    QTest::newRow("IsDefault 1") << "IsDefault" << "1" << QVariant(true);
    QTest::newRow("IsDefault 2") << "IsDefault" << "2" << QVariant(true);
    QTest::newRow("IsDefault 0") << "IsDefault" << "0" << QVariant(false);
    QTest::newRow("Speed word") << "Speed" << "fast" << QVariant(0);
    QTest::newRow("Speed hex") << "Speed" << "0x1A" << QVariant(0);
    QTest::newRow("Force fraction") << "Force" << "12.5" << QVariant(0);
    QTest::newRow("Blade empty") << "Blade" << "" << QVariant(0);
    QTest::newRow("ID negative") << "ID" << "-3" << QVariant(-3);
    QTest::newRow("UId given") << "UId" << "{0e6a45bb-7a83-4f55-a3a1-4c1d6e0f0a11}"
                               << QVariant(QStringLiteral("{0e6a45bb-7a83-4f55-a3a1-4c1d6e0f0a11}"));
}

void TestPresets::materialAttributes()
{
    QFETCH(QString, attribute);
    QFETCH(QString, value);
    QFETCH(QVariant, expected);

    QStringList given;
    for (const GivenAttribute& a : kMaterialAttributes)
        given << QStringLiteral("%1=\"%2\"").arg(QLatin1String(a.name), QString::fromUtf8(a.text));
    KerfcraftPresets& store = loadText(presetsXml(
        QStringLiteral("<Materials><Material %1/></Materials>").arg(attributes(given, attribute, value))));
    QCOMPARE(store.materials().size(), 1);
    const Material& m = *store.materials().first();
    QCOMPARE(materialField(m, attribute), expected);
    for (const GivenAttribute& a : kMaterialAttributes)
        if (attribute != QLatin1String(a.name))
            QCOMPARE(materialField(m, QLatin1String(a.name)), a.value);
    QCOMPARE(m_messages.count(), 0);
}

void TestPresets::missingUIdIsFreshOnEveryLoad()
{
    KerfcraftPresets& store = loadText(presetsXml(QStringLiteral("<Materials><Material ID=\"1\"/></Materials>")));
    const QUuid first = store.materials().first()->UId;
    store.load();
    const QUuid second = store.materials().first()->UId;
    QVERIFY(!first.isNull());
    QVERIFY(!second.isNull());
    QVERIFY(first != second);
}

void TestPresets::bladeAttributes_data()
{
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<int>("id");
    QTest::addColumn<double>("offset");

    QTest::newRow("both given") << "ID=\"3\" OffsetCorrection=\"0.75\"" << 3 << 0.75;
    QTest::newRow("ID missing") << "OffsetCorrection=\"0.5\"" << 0 << 0.5;
    QTest::newRow("OffsetCorrection missing") << "ID=\"4\"" << 4 << 0.0;
    QTest::newRow("OffsetCorrection comma") << "ID=\"4\" OffsetCorrection=\"0,25\"" << 4 << 0.0;
    QTest::newRow("OffsetCorrection word") << "ID=\"4\" OffsetCorrection=\"sharp\"" << 4 << 0.0;
    QTest::newRow("ID word") << "ID=\"two\" OffsetCorrection=\"1.0\"" << 0 << 1.0;
    // The offsets with a blade code must arrive bit-exact.
    QTest::newRow("code offset 0.175") << "OffsetCorrection=\"0.175\"" << 0 << 0.175;
    QTest::newRow("code offset 0.275") << "OffsetCorrection=\"0.275\"" << 0 << 0.275;
}

void TestPresets::bladeAttributes()
{
    QFETCH(QString, attributes);
    QFETCH(int, id);
    QFETCH(double, offset);

    KerfcraftPresets& store =
        loadText(presetsXml(QStringLiteral("<Blades><Blade %1/></Blades>").arg(attributes)));
    QCOMPARE(store.blades().size(), 1);
    QCOMPARE(store.blades().first()->ID, id);
    QVERIFY(store.blades().first()->OffsetCorrection == offset);
    QVERIFY(store.blades().first()->Names.isEmpty());
}

void TestPresets::plotterAttributes_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("value"); // null: attribute left out
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("Manufacturer missing") << "Manufacturer" << QString() << QVariant(QString());
    QTest::newRow("Name missing") << "Name" << QString() << QVariant(QString());
    for (const QString& a : kPlotterIntAttributes)
        QTest::newRow(qPrintable(a + QStringLiteral(" missing"))) << a << QString() << QVariant(0);
    QTest::newRow("Protocol missing") << "Protocol" << QString() << QVariant(QStringLiteral("GPGL"));
    QTest::newRow("Keys missing") << "Keys" << QString() << QVariant(QStringList());

    QTest::newRow("Protocol hpgl") << "Protocol" << "hpgl" << QVariant(QStringLiteral("HPGL"));
    QTest::newRow("Protocol HpGl") << "Protocol" << "HpGl" << QVariant(QStringLiteral("HPGL"));
    QTest::newRow("Protocol trailing blank") << "Protocol" << "hpgl " << QVariant(QStringLiteral("GPGL"));
    QTest::newRow("Protocol empty") << "Protocol" << "" << QVariant(QStringLiteral("GPGL"));
    QTest::newRow("Protocol GPGL") << "Protocol" << "GPGL" << QVariant(QStringLiteral("GPGL"));
    QTest::newRow("Keys spaced") << "Keys" << "  SB60   SABLE-60 " << QVariant(QStringList{"SB60", "SABLE-60"});
    QTest::newRow("Keys one") << "Keys" << "EX60" << QVariant(QStringList{"EX60"});
    QTest::newRow("Keys blanks only") << "Keys" << "   " << QVariant(QStringList());
    QTest::newRow("VendorID hex") << "VendorID" << "0x0F0B" << QVariant(0);
    QTest::newRow("PipeIn 130") << "PipeIn" << "130" << QVariant(130);
    QTest::newRow("SupportsPassermarks 5") << "SupportsPassermarks" << "5" << QVariant(1);
}

void TestPresets::plotterAttributes()
{
    QFETCH(QString, attribute);
    QFETCH(QString, value);
    QFETCH(QVariant, expected);

    QStringList full = {QStringLiteral("Manufacturer=\"Kerfline\""), QStringLiteral("Name=\"KL Test\""),
                        QStringLiteral("Protocol=\"HPGL\""), QStringLiteral("Keys=\"A B\"")};
    for (int i = 0; i < kPlotterIntAttributes.size(); ++i)
        full << QStringLiteral("%1=\"%2\"").arg(kPlotterIntAttributes[i]).arg(i + 11);
    KerfcraftPresets& store = loadText(presetsXml(
        QStringLiteral("<Plotters><Plotter %1/></Plotters>").arg(attributes(full, attribute, value))));
    QCOMPARE(store.plotterTemplates().size(), 1);
    const PlotterTemplate& p = *store.plotterTemplates().first();
    QCOMPARE(plotterField(p, attribute), expected);

    // Every other attribute keeps its given value.
    for (int i = 0; i < kPlotterIntAttributes.size(); ++i)
        if (kPlotterIntAttributes[i] != attribute)
            QCOMPARE(plotterField(p, kPlotterIntAttributes[i]),
                     QVariant(kPlotterIntAttributes[i] == QLatin1String("SupportsPassermarks") ? 1 : i + 11));
    if (attribute != QLatin1String("Keys"))
        QCOMPARE(p.Keys, QStringList({"A", "B"}));
    if (attribute != QLatin1String("Protocol"))
        QCOMPARE(p.Protocol, ProtocolType::HPGL);
}

void TestPresets::names_data()
{
    QTest::addColumn<QString>("names"); // children of a Material and of a Blade
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("two languages") << "<Names><Name Language=\"de\" Value=\"Folie\"/><Name Language=\"en\" Value=\"Vinyl\"/></Names>"
                                   << QStringList{"de=Folie", "en=Vinyl"};
    QTest::newRow("no Language is de") << "<Names><Name Value=\"Flock\"/></Names>" << QStringList{"de=Flock"};
    QTest::newRow("no Value is empty") << "<Names><Name Language=\"en\"/></Names>" << QStringList{"en="};
    QTest::newRow("later name wins") << "<Names><Name Language=\"de\" Value=\"Alt\"/><Name Value=\"Neu\"/></Names>"
                                     << QStringList{"de=Neu"};
    QTest::newRow("two Names lists") << "<Names><Name Language=\"en\" Value=\"Card\"/></Names>"
                                        "<Names><Name Language=\"fr\" Value=\"Carton\"/></Names>"
                                     << QStringList{"en=Card", "fr=Carton"};
    QTest::newRow("other children ignored") << "<Label Value=\"x\"/><Names><Title Value=\"y\"/></Names>" << QStringList();
    QTest::newRow("non-ASCII") << "<Names><Name Language=\"de\" Value=\"Papier 80 g/m²\"/></Names>"
                               << QStringList{QStringLiteral("de=Papier 80 g/m²")};
}

void TestPresets::names()
{
    QFETCH(QString, names);
    QFETCH(QStringList, expected);

    KerfcraftPresets& store = loadText(presetsXml(
        QStringLiteral("<Materials><Material ID=\"1\">%1</Material></Materials><Blades><Blade ID=\"1\">%1</Blade></Blades>")
            .arg(names)));
    QCOMPARE(namesOf(store.materials().first()->Names), expected);
    QCOMPARE(namesOf(store.blades().first()->Names), expected);
}

void TestPresets::fileStructure_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("materialIds");
    QTest::addColumn<QList<int>>("bladeIds");
    QTest::addColumn<QStringList>("plotterNames");

    QTest::newRow("two Materials sections")
        << presetsXml("<Materials><Material ID=\"1\"/><Material ID=\"2\"/></Materials>"
                      "<Blades><Blade ID=\"7\"/></Blades>"
                      "<Materials><Material ID=\"3\"/></Materials>")
        << QList<int>{1, 2, 3} << QList<int>{7} << QStringList();
    QTest::newRow("repeated Blades and Plotters")
        << presetsXml("<Plotters><Plotter Name=\"A\"/></Plotters><Blades><Blade ID=\"1\"/></Blades>"
                      "<Plotters><Plotter Name=\"B\"/></Plotters><Blades><Blade ID=\"2\"/></Blades>")
        << QList<int>() << QList<int>{1, 2} << QStringList{"A", "B"};
    QTest::newRow("misplaced and unknown elements skipped")
        << presetsXml("<Material ID=\"9\"/><Materials><Blade ID=\"8\"/><Material ID=\"1\"/><Extra/></Materials>"
                      "<Blades><Material ID=\"7\"/></Blades><Other><Materials><Material ID=\"6\"/></Materials></Other>")
        << QList<int>{1} << QList<int>() << QStringList();
    QTest::newRow("other root name")
        << "<?xml version=\"1.0\"?><Presets><Materials><Material ID=\"1\"/></Materials>"
           "<Blades><Blade ID=\"1\"/></Blades><Plotters><Plotter Name=\"A\"/></Plotters></Presets>"
        << QList<int>() << QList<int>() << QStringList();
    QTest::newRow("comments and declaration around the root")
        << "<?xml version=\"1.0\"?>\n<!-- a -->\n<KerfcraftPresets><!-- b --><Materials><Material ID=\"5\"/>"
           "</Materials></KerfcraftPresets>\n<!-- c -->\n"
        << QList<int>{5} << QList<int>() << QStringList();
    QTest::newRow("empty file") << QString() << QList<int>() << QList<int>() << QStringList();
    QTest::newRow("not XML at all") << "Speed=5" << QList<int>() << QList<int>() << QStringList();
    // The parser builds the tree as it reads, so everything before the
    // truncation point is there, the cut-off element included.
    QTest::newRow("truncated")
        << "<?xml version=\"1.0\"?><KerfcraftPresets><Materials><Material ID=\"1\"/><Material ID=\"2\" Speed=\"3\">"
           "<Names><Name Value=\"x\"/></Na"
        << QList<int>{1, 2} << QList<int>() << QStringList();
    QTest::newRow("error after the root element")
        << presetsXml("<Materials><Material ID=\"1\"/></Materials>") + "<KerfcraftPresets><Materials><Material ID=\"2\"/>"
        << QList<int>{1} << QList<int>() << QStringList();
}

void TestPresets::fileStructure()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, materialIds);
    QFETCH(QList<int>, bladeIds);
    QFETCH(QStringList, plotterNames);

    KerfcraftPresets& store = loadText(text);
    QList<int> m, b;
    QStringList p;
    for (const Material* x : store.materials())
        m << x->ID;
    for (const Blade* x : store.blades())
        b << x->ID;
    for (const PlotterTemplate* x : store.plotterTemplates())
        p << x->Name;
    QCOMPARE(m, materialIds);
    QCOMPARE(b, bladeIds);
    QCOMPARE(p, plotterNames);
    QCOMPARE(m_messages.count(), 0);
}

void TestPresets::unreadableFileKeepsLists_data()
{
    QTest::addColumn<bool>("replaceByFolder");
    QTest::newRow("file removed") << false;
    QTest::newRow("folder in its place") << true;
}

void TestPresets::unreadableFileKeepsLists()
{
    QFETCH(bool, replaceByFolder);

    KerfcraftPresets& store = loadText(presetsXml(
        "<Materials><Material ID=\"1\"/></Materials><Blades><Blade ID=\"2\"/></Blades><Plotters><Plotter/></Plotters>"));
    const QList<Material*> materials = store.materials();
    const QList<Blade*> blades = store.blades();
    const QList<PlotterTemplate*> plotters = store.plotterTemplates();
    QVERIFY(QFile::remove(store.path()));
    if (replaceByFolder)
        QVERIFY(QDir().mkpath(store.path()));

    store.load();

    QCOMPARE(m_messages.count(), 1);
    const RecordingMessages::Message msg = m_messages.messages().first();
    QCOMPARE(msg.icon, UserMessages::Icon::Information);
    QCOMPARE(msg.title, QStringLiteral("Dateifehler"));
    QCOMPARE(msg.text, QStringLiteral("Die Einstellungsdatei konnte nicht geöffnet werden.\r\n"));
    QCOMPARE(msg.buttons, UserMessages::Buttons(UserMessages::Ok));
    QCOMPARE(store.materials(), materials);
    QCOMPARE(store.blades(), blades);
    QCOMPARE(store.plotterTemplates(), plotters);

    // Without a first load the lists simply stay empty.
    KerfcraftPresets fresh(m_messages, store.path());
    fresh.load();
    QCOMPARE(m_messages.count(), 2);
    QVERIFY(fresh.materials().isEmpty());
}

void TestPresets::reloadKeepsEarlierEntriesAlive()
{
    KerfcraftPresets& store = loadText(presetsXml(
        "<Materials><Material ID=\"1\" Speed=\"20\"><Names><Name Value=\"Folie\"/></Names></Material></Materials>"
        "<Blades><Blade ID=\"2\" OffsetCorrection=\"0.5\"/></Blades><Plotters><Plotter Name=\"KL\"/></Plotters>"));
    QPointer<Material> material = store.materials().first();
    QPointer<Blade> blade = store.blades().first();
    QPointer<PlotterTemplate> plotter = store.plotterTemplates().first();
    KerfcraftPresets::setInstance(&store);

    QFile f(store.path());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(presetsXml(QStringLiteral("<Materials><Material ID=\"3\"/></Materials>")).toUtf8());
    f.close();
    store.load();
    store.load();

    QCOMPARE(store.materials().size(), 1);
    QCOMPARE(store.materials().first()->ID, 3);
    QVERIFY(store.blades().isEmpty());
    QVERIFY(store.plotterTemplates().isEmpty());
    // Held pointers still see the values of their load.
    QVERIFY(material && blade && plotter);
    QCOMPARE(material->Speed, 20);
    QCOMPARE(material->Names.value(QStringLiteral("de")), QStringLiteral("Folie"));
    QCOMPARE(blade->OffsetCorrection, 0.5);
    QCOMPARE(plotter->Name, QStringLiteral("KL"));
    QCOMPARE(material->parent(), &store);

    // The store owns them, and withdraws itself as the process-wide one.
    QCOMPARE(KerfcraftPresets::instance(), &store);
    m_store.reset();
    QVERIFY(!material && !blade && !plotter);
    QCOMPARE(KerfcraftPresets::instance(), nullptr);
}

void TestPresets::shippedDefaults()
{
    KerfcraftPresets store(m_messages, TestPaths::source(QStringLiteral("data/defaults/KerfcraftPresets.xml")));
    store.load();
    QCOMPARE(m_messages.count(), 0);

    QVERIFY(store.materials().size() >= 8);
    QSet<int> materialIds;
    QSet<QUuid> uids;
    for (const Material* m : store.materials()) {
        QVERIFY2(store.bladeById(m->Blade), qPrintable(m->Name));
        QVERIFY(!m->Names.value(QStringLiteral("de")).isEmpty());
        QVERIFY(!m->Names.value(QStringLiteral("en")).isEmpty());
        QVERIFY(m->IsDefault);
        QVERIFY(m->Speed > 0 && m->Force > 0 && m->Passages > 0);
        materialIds.insert(m->ID);
        uids.insert(m->UId);
    }
    QCOMPARE(materialIds.size(), store.materials().size());
    QCOMPARE(uids.size(), store.materials().size());
    QVERIFY(!uids.contains(QUuid()));

    // Each blade's offset has a blade code of the command set.
    QList<double> offsets;
    for (const Blade* b : store.blades()) {
        offsets << b->OffsetCorrection;
        QVERIFY(!b->Names.value(QStringLiteral("de")).isEmpty());
        QVERIFY(!b->Names.value(QStringLiteral("en")).isEmpty());
    }
    QCOMPARE(offsets, (QList<double>{0.25, 0.5, 0.75, 1.0}));

    // One model of each device-control kind, each recognisable on its own.
    QStringList kinds;
    for (const PlotterTemplate* p : store.plotterTemplates()) {
        const QString n = p->Name.toLower();
        kinds << (n.contains(QLatin1String("sable"))  ? QStringLiteral("sable")
                  : n.contains(QLatin1String("expert")) && n.contains(QLatin1String("pro")) ? QStringLiteral("expert pro")
                  : n.contains(QLatin1String("expert")) ? QStringLiteral("expert")
                                                        : QStringLiteral("plain"));
        QCOMPARE(p->VendorID, 3851);
        QCOMPARE(p->PipeIn, 130);
        QCOMPARE(p->PipeOut, 1);
        QCOMPARE(p->Protocol, ProtocolType::HPGL);
        QVERIFY(p->ProductID > 0);
        QVERIFY(!p->Keys.isEmpty());
        QVERIFY(p->MinCutWidth < p->MaxCutWidth && p->MinCutSpeed < p->MaxCutSpeed
                && p->MinCutForce < p->MaxCutForce && p->MaxCutWidth <= p->MaxMediaWidth);
        for (const PlotterTemplate* other : store.plotterTemplates()) {
            if (other == p)
                continue;
            QVERIFY2(!other->Name.endsWith(p->Name), qPrintable(p->Name));
            for (const QString& key : p->Keys)
                QVERIFY2(!other->Name.contains(key), qPrintable(key));
        }
    }
    kinds.sort();
    QCOMPARE(kinds, (QStringList{"expert", "expert pro", "plain", "sable"}));

    // The rest of the first-run set, with the registration-mark defaults the
    // host plug-in reads before the dialog has ever been used.
    for (const char* name : {"1000.txt", "2000.txt", "3000.txt"})
        QVERIFY(QFileInfo(TestPaths::source(QStringLiteral("data/defaults/") + QLatin1String(name))).size() > 0);
    QSettings ini(TestPaths::source(QStringLiteral("data/defaults/Kerfcraft.ini")), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("Passermarks"));
    QCOMPARE(ini.childKeys().size(), 9);
    const QList<QPair<const char*, int>> marks = {{"SetMarks", 0}, {"DeleteMarks", 0}, {"Length", 20},
        {"Thickness", 10}, {"Margin", 15}, {"UseHorSegmentMarks", 0}, {"UseVertSegmentMarks", 0},
        {"XStep", 500}, {"YStep", 500}};
    for (const auto& key : marks)
        QCOMPARE(ini.value(QLatin1String(key.first), -1).toInt(), key.second);
}

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_presets.moc"
