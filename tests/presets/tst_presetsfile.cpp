#include "document/Document.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PresetNames.h"
#include "presets/PresetSelection.h"
#include "presets/PresetsFile.h"

#include "support/RecordingMessages.h"

#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

const char* const kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

// A user's file: declaration, comments inside and outside the root, one
// factory material named in two languages and one user material in German.
QString userFile(const QString& materials = QString())
{
    const QString m = materials.isNull()
        ? QStringLiteral(
              "<Materials NextId=\"2\">\n"
              "  <!-- factory -->\n"
              "  <Material ID=\"0\" Name=\"folie\" IsDefault=\"1\" Speed=\"30\" Force=\"90\" Passages=\"1\" Blade=\"1\">"
              "<Names><Name Language=\"de\" Value=\"Folie\"/><Name Language=\"en\" Value=\"Vinyl\"/></Names></Material>\n"
              "  <Material ID=\"1\" Name=\"flex\" IsDefault=\"0\" Speed=\"20\" Force=\"110\" Passages=\"1\" Blade=\"1\">"
              "<Names><Name Language=\"de\" Value=\"Flex\"/></Names></Material>\n"
              " </Materials>")
        : materials;
    return QLatin1String(kDeclaration)
        + QStringLiteral("\n<!-- Meine Voreinstellungen -->\n<KerfcraftPresets>\n %1\n"
                         " <Blades>\n"
                         "  <Blade ID=\"1\" OffsetCorrection=\"0.25\"><Names><Name Language=\"de\" Value=\"Messer 0,25\"/>"
                         "<Name Language=\"en\" Value=\"Blade 0.25\"/></Names></Blade>\n"
                         "  <Blade ID=\"2\" OffsetCorrection=\"0.5\"><Names><Name Language=\"en\" Value=\"Blade 0.5\"/></Names></Blade>\n"
                         " </Blades>\n"
                         "</KerfcraftPresets>\n")
              .arg(m);
}

const QString kNotOpened = QStringLiteral(
    "Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht geöffnet werden konnte.Pfad: \r\n%1");
const QString kNotWritten = QStringLiteral(
    "Das Material konnte nicht hinzugefügt werden, da die Einstellungsdatei nicht zum schreiben geöffnet werden "
    "konnte.Pfad: \r\n%1");
const QString kNoSection = QStringLiteral("Das Material konnte nicht hinzugefügt werden.");
const QString kLoadFailed = QStringLiteral("Die Einstellungsdatei konnte nicht geöffnet werden.\r\n");

QStringList messageLines(const RecordingMessages& messages)
{
    QStringList out;
    for (const RecordingMessages::Message& m : messages.messages())
        out << m.title + QLatin1Char('|') + m.text;
    return out;
}

QList<int> nextIds(const QString& path)
{
    QFile f(path);
    QDomDocument doc;
    if (!f.open(QIODevice::ReadOnly) || !doc.setContent(&f))
        return {-100};
    QList<int> ids;
    for (QDomElement s = doc.documentElement().firstChildElement(QStringLiteral("Materials")); !s.isNull();
         s = s.nextSiblingElement(QStringLiteral("Materials")))
        ids << s.attribute(QStringLiteral("NextId"), QStringLiteral("none")).toInt();
    return ids;
}

// "ID:Speed:Force:Passages:Blade" per material, in store order.
QStringList materialRows(const KerfcraftPresets& store)
{
    QStringList rows;
    for (const Material* m : store.materials())
        rows << QStringLiteral("%1:%2:%3:%4:%5").arg(m->ID).arg(m->Speed).arg(m->Force).arg(m->Passages).arg(m->Blade);
    return rows;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPresetsFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void addMaterial_data();
    void addMaterial();
    void idsAreNeverReused();
    void removeMaterial_data();
    void removeMaterial();
    void storeParameters_data();
    void storeParameters();
    void failures_data();
    void failures();
    void localisedNames_data();
    void localisedNames();
    void selectionRoundTrip_data();
    void selectionRoundTrip();

private:
    // Writes `text` as the presets file (under `fileName`) and loads the store.
    void setUp(const QString& text, const QString& fileName = QStringLiteral("KerfcraftPresets.xml"));
    void verifyKeptAsRead() const;

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;
    RecordingMessages m_messages;
    QScopedPointer<KerfcraftPresets> m_store;
};

void TestPresetsFile::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_messages.clear();
}

void TestPresetsFile::cleanup()
{
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_store.reset();
}

void TestPresetsFile::setUp(const QString& text, const QString& fileName)
{
    m_path = m_dir->filePath(fileName);
    QFile f(m_path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
    f.close();
    m_store.reset(new KerfcraftPresets(m_messages, m_path));
    m_store->load();
}

void TestPresetsFile::verifyKeptAsRead() const
{
    const QString text = QString::fromUtf8(readAll(m_path));
    // The parser keeps the declaration as a processing instruction, with its
    // own choice of quotes.
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("^<\\?xml version=.1\\.0. encoding=.UTF-8.\\?>\n"))),
             qPrintable(text.left(80)));
    QVERIFY(text.contains(QLatin1String("<!-- Meine Voreinstellungen -->")));
    QVERIFY(text.contains(QLatin1String("\n <Blades>\n  <Blade ")));   // one blank per level
    QVERIFY(text.contains(QLatin1String("Value=\"Messer 0,25\"")));
    // Nothing left behind from the replace-by-rename.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(m_path).fileName()});
}

void TestPresetsFile::addMaterial_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("expectedId");
    QTest::addColumn<QList<int>>("ids");       // store order after the reload
    QTest::addColumn<QList<int>>("nextIds");   // per Materials section
    QTest::addColumn<QStringList>("languages"); // of the new material
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("languages of the first material") << userFile() << 2 << QList<int>{0, 1, 2} << QList<int>{3}
                                                     << QStringList{"de", "en"} << QStringList();
    QTest::newRow("no NextId")
        << userFile("<Materials><Material ID=\"5\"><Names><Name Value=\"Papier\"/></Names></Material></Materials>") << 0
        << QList<int>{5, 0} << QList<int>{1} << QStringList{"de"} << QStringList();
    QTest::newRow("NextId not a number")
        << userFile("<Materials NextId=\"x\"><Material ID=\"5\"/></Materials>") << 0 << QList<int>{5, 0}
        << QList<int>{1} << QStringList() << QStringList();
    QTest::newRow("two Materials sections")
        << userFile("<Materials NextId=\"4\"><Material ID=\"3\"><Names><Name Language=\"de\" Value=\"A\"/></Names>"
                    "</Material></Materials>\n <!-- zweite -->\n <Materials NextId=\"9\"><Material ID=\"8\"/></Materials>")
        << 9 << QList<int>{3, 4, 8, 9} << QList<int>{5, 10} << QStringList{"de"} << QStringList();
    QTest::newRow("empty store: current language")
        << userFile("<Materials NextId=\"3\"/>") << 3 << QList<int>{3} << QList<int>{4} << QStringList{"en"}
        << QStringList();
    QTest::newRow("no Materials section") << userFile("<Plotters/>") << -1 << QList<int>() << QList<int>()
                                          << QStringList() << QStringList{"Hinweis|" + kNoSection};
}

void TestPresetsFile::addMaterial()
{
    QFETCH(QString, file);
    QFETCH(int, expectedId);
    QFETCH(QList<int>, ids);
    QFETCH(QList<int>, nextIds);
    QFETCH(QStringList, languages);
    QFETCH(QStringList, messages);

    setUp(file);
    PresetsFile presetsFile(*m_store, m_messages);
    const int id = presetsFile.addMaterial(QStringLiteral("Neue Folie ä"), {17, 123, 3, 2}, QStringLiteral("en"));

    QCOMPARE(id, expectedId);
    QCOMPARE(messageLines(m_messages), messages);
    QList<int> loaded;
    for (const Material* m : m_store->materials())
        loaded << m->ID;
    QCOMPARE(loaded, ids);
    QCOMPARE(::nextIds(m_path), nextIds);
    verifyKeptAsRead();
    if (id < 0)
        return;

    // Every section got one, all alike apart from ID and UId.
    int added = 0;
    for (const Material* m : m_store->materials()) {
        if (!m->Name.isEmpty() || m->Speed != 17)
            continue;
        ++added;
        QCOMPARE(m->Force, 123);
        QCOMPARE(m->Passages, 3);
        QCOMPARE(m->Blade, 2);
        QCOMPARE(m->Linetype, 0);
        QCOMPARE(m->PatternLength, 0);
        QVERIFY(!m->IsDefault);
        QVERIFY(!m->UId.isNull());
        QCOMPARE(m->Names.keys(), languages);
        for (const QString& n : m->Names)
            QCOMPARE(n, QStringLiteral("Neue Folie ä"));
    }
    QCOMPARE(added, nextIds.size());
    const QString text = QString::fromUtf8(readAll(m_path));
    QCOMPARE(text.count(QRegularExpression(QStringLiteral("UId=\"\\{[0-9a-f]{8}(-[0-9a-f]{4}){3}-[0-9a-f]{12}\\}\""))),
             added);
}

void TestPresetsFile::idsAreNeverReused()
{
    setUp(userFile());
    PresetsFile file(*m_store, m_messages);
    const MaterialParameters p{10, 50, 1, 1};
    QCOMPARE(file.addMaterial(QStringLiteral("A"), p, QStringLiteral("de")), 2);
    QVERIFY(file.removeMaterial(2));
    QCOMPARE(file.addMaterial(QStringLiteral("B"), p, QStringLiteral("de")), 3);
    QVERIFY(file.removeMaterial(1));
    QCOMPARE(file.addMaterial(QStringLiteral("C"), p, QStringLiteral("de")), 4);

    QList<int> ids;
    for (const Material* m : m_store->materials())
        ids << m->ID;
    QCOMPARE(ids, (QList<int>{0, 3, 4}));
    QCOMPARE(nextIds(m_path), QList<int>{5});
    QCOMPARE(m_messages.count(), 0);
    verifyKeptAsRead();
    QVERIFY(readAll(m_path).contains("<!-- factory -->"));
}

void TestPresetsFile::removeMaterial_data()
{
    QTest::addColumn<QString>("materials");
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("remaining"); // ID:Speed:Force:Passages:Blade

    QTest::newRow("one of two") << "<Materials><Material ID=\"1\" Speed=\"10\"/><Material ID=\"2\" Speed=\"20\"/></Materials>"
                                << 1 << QStringList{"2:20:6:7:1010"};
    QTest::newRow("last of equal IDs only")
        << "<Materials><Material ID=\"1\" Speed=\"10\"/><Material ID=\"1\" Speed=\"11\"/><Material ID=\"1\" Speed=\"12\"/></Materials>"
        << 1 << QStringList{"1:10:6:7:1010", "1:11:6:7:1010"};
    QTest::newRow("from every section")
        << "<Materials><Material ID=\"4\" Speed=\"10\"/></Materials><Materials><Material ID=\"4\" Speed=\"20\"/>"
           "<Material ID=\"5\" Speed=\"30\"/></Materials>"
        << 4 << QStringList{"5:30:6:7:1010"};
    QTest::newRow("unknown ID") << "<Materials><Material ID=\"1\" Speed=\"10\"/></Materials>" << 3
                                << QStringList{"1:10:6:7:1010"};
    QTest::newRow("missing ID counts as 0") << "<Materials><Material Speed=\"10\"/><Material ID=\"1\" Speed=\"20\"/></Materials>"
                                            << 0 << QStringList{"1:20:6:7:1010"};
}

void TestPresetsFile::removeMaterial()
{
    QFETCH(QString, materials);
    QFETCH(int, id);
    QFETCH(QStringList, remaining);

    setUp(userFile(materials));
    PresetsFile file(*m_store, m_messages);
    QVERIFY(file.removeMaterial(id));
    QCOMPARE(materialRows(*m_store), remaining);
    QCOMPARE(m_messages.count(), 0);
    verifyKeptAsRead();
}

void TestPresetsFile::storeParameters_data()
{
    QTest::addColumn<QString>("materials");
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("rows"); // ID:Speed:Force:Passages:Blade after the reload

    const QString m = QStringLiteral("<Materials><Material ID=\"1\" Speed=\"10\" Force=\"60\" Passages=\"1\" Blade=\"1\"/>"
                                     "<Material ID=\"2\" Speed=\"20\" Force=\"70\" Passages=\"1\" Blade=\"1\"/></Materials>");
    QTest::newRow("one match") << m << 2 << QStringList{"1:10:60:1:1", "2:44:222:3:2"};
    QTest::newRow("no match") << m << 9 << QStringList{"1:10:60:1:1", "2:20:70:1:1"};
    QTest::newRow("every match in every section")
        << m + "<Materials><Material ID=\"1\" Speed=\"5\" Linetype=\"4\"/></Materials>" << 1
        << QStringList{"1:44:222:3:2", "2:20:70:1:1", "1:44:222:3:2"};
}

void TestPresetsFile::storeParameters()
{
    QFETCH(QString, materials);
    QFETCH(int, id);
    QFETCH(QStringList, rows);

    setUp(userFile(materials));
    Document doc;
    doc.materials() = m_store->materials();
    const QStringList before = materialRows(*m_store);

    PresetsFile file(*m_store, m_messages);
    QVERIFY(file.storeParameters(id, {44, 222, 3, 2}, &doc));

    QCOMPARE(materialRows(*m_store), rows);
    QCOMPARE(m_messages.count(), 0);
    verifyKeptAsRead();
    // The document's entries (from the load before) see the new values at once.
    QStringList docRows;
    for (const Material* m : doc.materials())
        docRows << QStringLiteral("%1:%2:%3:%4:%5").arg(m->ID).arg(m->Speed).arg(m->Force).arg(m->Passages).arg(m->Blade);
    QCOMPARE(docRows, rows);
    QVERIFY(materialRows(*m_store) != before || id == 9);
    if (materials.contains(QLatin1String("Linetype=\"4\"")))
        QCOMPARE(m_store->materials().last()->Linetype, 4); // other attributes untouched
}

void TestPresetsFile::failures_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("messages"); // title|text, %1 the file's path

    const QString notOpened = QStringLiteral("Hinweis|") + kNotOpened;
    const QString notWritten = QStringLiteral("Hinweis|") + kNotWritten;
    const QString loadFailed = QStringLiteral("Dateifehler|") + kLoadFailed;

    QTest::newRow("add, file missing") << "add" << "missing" << -1 << QStringList{notOpened, loadFailed};
    QTest::newRow("add, not XML") << "add" << "malformed" << -1 << QStringList{notOpened};
    QTest::newRow("add, temporary name too long") << "add" << "longname" << -1 << QStringList{notWritten};
    QTest::newRow("add, folder not writable") << "add" << "readonly" << -1 << QStringList{notWritten};
    QTest::newRow("remove, file missing") << "remove" << "missing" << 0 << QStringList{loadFailed};
    QTest::newRow("remove, not XML") << "remove" << "malformed" << 0 << QStringList();
    QTest::newRow("remove, temporary name too long") << "remove" << "longname" << 0 << QStringList();
    QTest::newRow("remove, folder not writable") << "remove" << "readonly" << 0 << QStringList();
    QTest::newRow("store, file missing") << "store" << "missing" << 0 << QStringList{loadFailed};
    QTest::newRow("store, temporary name too long") << "store" << "longname" << 0 << QStringList();
    QTest::newRow("store, folder not writable") << "store" << "readonly" << 0 << QStringList();
}

void TestPresetsFile::failures()
{
    QFETCH(QString, operation);
    QFETCH(QString, condition);
    QFETCH(int, result);
    QFETCH(QStringList, messages);

    if (condition == QLatin1String("readonly") && ::geteuid() == 0)
        QSKIP("root writes into read-only folders; the long-name rows cover the failed write");

    // A 255-character name is still a valid file, but the temporary file
    // beside it cannot be named.
    const QString name = condition == QLatin1String("longname")
        ? QString(251, QLatin1Char('K')) + QStringLiteral(".xml")
        : QStringLiteral("KerfcraftPresets.xml");
    setUp(condition == QLatin1String("malformed") ? userFile().left(400) : userFile(), name);
    const QStringList loaded = materialRows(*m_store);
    m_messages.clear();
    if (condition == QLatin1String("missing"))
        QVERIFY(QFile::remove(m_path));
    if (condition == QLatin1String("readonly"))
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
    const QByteArray before = readAll(m_path);

    PresetsFile file(*m_store, m_messages);
    int got = 0;
    if (operation == QLatin1String("add"))
        got = file.addMaterial(QStringLiteral("X"), {1, 2, 3, 1}, QStringLiteral("de"));
    else if (operation == QLatin1String("remove"))
        got = file.removeMaterial(0) ? 1 : 0;
    else
        got = file.storeParameters(0, {1, 2, 3, 1}) ? 1 : 0;

    QCOMPARE(got, result);
    for (QString& m : messages)
        m.replace(QLatin1String("%1"), m_path);
    QCOMPARE(messageLines(m_messages), messages);
    for (const RecordingMessages::Message& m : m_messages.messages())
        QCOMPARE(m.buttons, UserMessages::Buttons(UserMessages::Ok));
    // The old file is intact, and so is what the store offers.
    QCOMPARE(readAll(m_path), before);
    QCOMPARE(materialRows(*m_store), loaded);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), condition == QLatin1String("missing") ? 0 : 1);
}

void TestPresetsFile::localisedNames_data()
{
    QTest::addColumn<QString>("translationFile");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("materials"); // offered, with their names
    QTest::addColumn<QStringList>("blades");

    QTest::newRow("German") << "Kerfcraft_de.qm" << "de" << QStringList{"0:Folie", "1:Flex"} << QStringList{"1:Messer 0,25"};
    QTest::newRow("English") << "Kerfcraft_en.qm" << "en" << QStringList{"0:Vinyl"}
                             << QStringList{"1:Blade 0.25", "2:Blade 0.5"};
    QTest::newRow("language without names") << "Kerfcraft_fr.qm" << "fr" << QStringList() << QStringList();
    QTest::newRow("region code") << "Kerfcraft_pt_BR.qm" << "pt_BR" << QStringList() << QStringList();
    QTest::newRow("dots in the name") << "Kerfcraft_en.v2.qm" << "en.v2" << QStringList() << QStringList();
}

void TestPresetsFile::localisedNames()
{
    QFETCH(QString, translationFile);
    QFETCH(QString, language);
    QFETCH(QStringList, materials);
    QFETCH(QStringList, blades);

    QCOMPARE(PresetNames::languageOfTranslationFile(translationFile), language);

    setUp(userFile());
    const PresetNames::Offered offered = PresetNames::localise(*m_store, language);
    QStringList m, b;
    for (const Material* x : offered.materials)
        m << QStringLiteral("%1:%2").arg(x->ID).arg(x->Name);
    for (const Blade* x : offered.blades)
        b << QStringLiteral("%1:%2").arg(x->ID).arg(x->Name);
    QCOMPARE(m, materials);
    QCOMPARE(b, blades);
    // Entries not offered keep their fallback name.
    for (const Material* x : m_store->materials())
        if (!offered.materials.contains(const_cast<Material*>(x)))
            QCOMPARE(x->Name, x->ID == 0 ? QStringLiteral("folie") : QStringLiteral("flex"));
}

void TestPresetsFile::selectionRoundTrip_data()
{
    QTest::addColumn<int>("materialId"); // -1: none selected when saving
    QTest::addColumn<int>("bladeId");
    QTest::addColumn<bool>("dropFromList"); // the saved entries are gone when restoring
    QTest::addColumn<int>("restoredMaterial"); // -1: none
    QTest::addColumn<int>("restoredBlade");

    // The restoring document starts with material 0 and blade 1 selected.
    QTest::newRow("both") << 1 << 2 << false << 1 << 2;
    QTest::newRow("nothing selected keeps the selection") << -1 << -1 << false << 0 << 1;
    QTest::newRow("blade only") << -1 << 2 << false << 0 << 2;
    QTest::newRow("entries gone") << 1 << 2 << true << -1 << -1;
}

void TestPresetsFile::selectionRoundTrip()
{
    QFETCH(int, materialId);
    QFETCH(int, bladeId);
    QFETCH(bool, dropFromList);
    QFETCH(int, restoredMaterial);
    QFETCH(int, restoredBlade);

    setUp(userFile());
    const QString ini = m_dir->filePath(QStringLiteral("Kerfcraft.conf"));
    {
        Document doc;
        doc.materials() = m_store->materials();
        doc.blades() = m_store->blades();
        doc.setMaterial(m_store->materialById(materialId));
        doc.setBlade(m_store->bladeById(bladeId));
        QSettings settings(ini, QSettings::IniFormat);
        PresetSelection::save(doc, settings);
    }
    {
        QSettings check(ini, QSettings::IniFormat);
        QCOMPARE(check.value(QStringLiteral("SelectedMaterialID"), -1).toInt(), materialId);
        QCOMPARE(check.value(QStringLiteral("SelectedBladeID"), -1).toInt(), bladeId);
    }

    Document doc;
    doc.materials() = m_store->materials();
    doc.blades() = m_store->blades();
    doc.setMaterial(m_store->materialById(0));
    doc.setBlade(m_store->bladeById(1));
    if (dropFromList) {
        doc.materials().removeAll(m_store->materialById(materialId));
        doc.blades().removeAll(m_store->bladeById(bladeId));
    }
    QSignalSpy changed(&doc, &Document::DataChanged);
    if (bladeId >= 0)
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("Selected blade: %1").arg(bladeId)));
    QSettings settings(ini, QSettings::IniFormat);
    PresetSelection::restore(doc, settings);

    QCOMPARE(doc.material() ? doc.material()->ID : -1, restoredMaterial);
    QCOMPARE(doc.blade() ? doc.blade()->ID : -1, restoredBlade);
    QVERIFY(changed.count() >= 1);
}

QTEST_GUILESS_MAIN(TestPresetsFile)
#include "tst_presetsfile.moc"
