#pragma once

#include <QList>
#include <QObject>
#include <QString>

class UserMessages;
class Material;
class Blade;
class PlotterTemplate;

// The catalogues of materials, blades and plotter models, read from the
// user's "KerfcraftPresets.xml". The store only reads the file; editing is
// PresetsFile's job, which reloads the store afterwards.
//
// Entries are children of the store and live as long as it does: a reload
// empties the lists but keeps the old objects, so a Material* held by the
// document or a PlotterTemplate* held by a connected plotter stays valid.
//
// One store exists per process; main() creates it, loads it and publishes
// it with setInstance(). Everything else is handed what it needs.
class KerfcraftPresets : public QObject
{
    Q_OBJECT
public:
    // "<Kerfcraft data folder>/KerfcraftPresets.xml".
    static QString defaultPath();

    static KerfcraftPresets* instance();
    // Publishes the process-wide store (nullptr withdraws it). The store
    // withdraws itself when destroyed.
    static void setInstance(KerfcraftPresets* presets);

    KerfcraftPresets(UserMessages& messages, const QString& path, QObject* parent = nullptr);
    ~KerfcraftPresets() override;

    const QString& path() const { return m_path; }

    // Rereads the whole file. An unreadable file is reported to the user and
    // leaves the lists as they were; malformed XML is not reported and gives
    // the entries the parser could still build. Missing attributes get their
    // defaults and non-numbers read as 0.
    void load();

    // In file order; Materials/Blades/Plotters sections may repeat and are
    // read in document order.
    const QList<Material*>& materials() const { return m_materials; }
    const QList<Blade*>& blades() const { return m_blades; }
    const QList<PlotterTemplate*>& plotterTemplates() const { return m_plotterTemplates; }

    // First entry with that ID, or nullptr.
    Material* materialById(int id) const;
    Blade* bladeById(int id) const;

private:
    UserMessages& m_messages;
    QString m_path;
    QList<Material*> m_materials;
    QList<Blade*> m_blades;
    QList<PlotterTemplate*> m_plotterTemplates;
};
