#include "presets/PresetNames.h"

#include "presets/Blade.h"
#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"

namespace PresetNames {

QString languageOfTranslationFile(const QString& fileName)
{
    const int start = fileName.indexOf(QLatin1Char('_')) + 1;
    int end = fileName.lastIndexOf(QLatin1Char('.'));
    if (end < start)
        end = fileName.size();
    return fileName.mid(start, end - start);
}

namespace {
template <class Entry>
QList<Entry*> named(const QList<Entry*>& entries, const QString& language)
{
    QList<Entry*> offered;
    for (Entry* e : entries) {
        const auto it = e->Names.constFind(language);
        if (it == e->Names.constEnd())
            continue;
        e->Name = it.value();
        offered.append(e);
    }
    return offered;
}
} // namespace

Offered localise(const KerfcraftPresets& presets, const QString& language)
{
    return {named(presets.materials(), language), named(presets.blades(), language)};
}

} // namespace PresetNames
