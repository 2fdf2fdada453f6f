#pragma once

#include <QList>
#include <QString>

class Blade;
class KerfcraftPresets;
class Material;

// Display names of the presets in the user-interface language.
namespace PresetNames {

// The language code of a translation file: the text between the first "_"
// and the last "." ("Kerfcraft_en.qm" -> "en", "Kerfcraft_pt_BR.qm" -> "pt_BR").
QString languageOfTranslationFile(const QString& fileName);

// The entries the material and blade lists offer, in store order.
struct Offered {
    QList<Material*> materials;
    QList<Blade*> blades;
};

// Sets Name to the `language` entry of Names on every material and blade
// that has one, and returns exactly those: entries without a name in that
// language keep their old Name and are not offered.
Offered localise(const KerfcraftPresets& presets, const QString& language);

} // namespace PresetNames
