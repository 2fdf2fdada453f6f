#include "document/Document.h"
#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PresetNames.h"
#include "presets/PresetSelection.h"
#include "presets/PresetsFile.h"

#include "support/RecordingMessages.h"
#include "support/TestFiles.h"

#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

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

class TestPresetsFile : public QObject
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
};

QTEST_GUILESS_MAIN(TestPresetsFile)
#include "tst_presetsfile.moc"
