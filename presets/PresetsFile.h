#pragma once

#include <QObject>
#include <QString>

class Document;
class KerfcraftPresets;
class QDomDocument;
class UserMessages;

// The cutting parameters the main window stores into a material preset.
struct MaterialParameters {
    int speed = 0;    // cm/s
    int force = 0;    // g
    int passages = 0;
    int blade = 0;    // blade ID
};

// Edits the materials in the store's presets file and reloads the store
// after every operation, whatever its outcome.
//
// The document is written back as read (XML declaration and comments kept),
// one space of indentation per level, UTF-8. Every write goes to a
// temporary file in the same folder that then replaces the file, so a
// failed write leaves the previous file intact. A file that is not
// well-formed XML is never written back.
class PresetsFile : public QObject
{
    Q_OBJECT
public:
    PresetsFile(KerfcraftPresets& presets, UserMessages& messages, QObject* parent = nullptr);

    // Appends a new material to every "Materials" section, with the section's
    // "NextId" as ID (NextId then advances, so IDs are never reused). It gets
    // one name per language of the store's first material, all with `name`;
    // when the store holds no material it gets a single name for
    // `currentLanguage` instead ("de" when that is empty). Failures are
    // reported ("Hinweis"): a file that cannot be read or is not well-formed
    // as not opened, a file without "Materials" as not added (it is still
    // written back), a failed write as not opened for writing.
    // Returns the last ID given, or -1 when nothing was added or the file
    // could not be written.
    int addMaterial(const QString& name, const MaterialParameters& params,
                    const QString& currentLanguage);

    // Removes, from every "Materials" section, the last material with that
    // ID. Failures are silent. True when the file was rewritten.
    bool removeMaterial(int materialId);

    // Sets speed, force, passages and blade on every material with that ID.
    // Failures are silent. With a document, the same values are copied into
    // its materials of that ID, so it sees them before its lists are
    // refilled. True when the file was rewritten.
    bool storeParameters(int materialId, const MaterialParameters& params,
                         Document* document = nullptr);

private:
    enum class ReadResult { Ok, Unreadable, Malformed };
    ReadResult read(QDomDocument& doc) const;
    bool write(const QDomDocument& doc) const;

    KerfcraftPresets& m_presets;
    UserMessages& m_messages;
};
