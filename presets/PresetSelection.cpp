#include "presets/PresetSelection.h"

#include "platform/Logger.h"
#include "document/Document.h"
#include "presets/Blade.h"
#include "presets/Material.h"

#include <QSettings>

namespace PresetSelection {

namespace {
const QLatin1String kMaterialKey("SelectedMaterialID");
const QLatin1String kBladeKey("SelectedBladeID");

template <class Entry>
Entry* firstWithId(const QList<Entry*>& entries, int id)
{
    for (Entry* e : entries)
        if (e->ID == id)
            return e;
    return nullptr;
}
} // namespace

void save(const Document& document, QSettings& settings)
{
    if (const Material* m = document.material())
        settings.setValue(kMaterialKey, m->ID);
    if (const Blade* b = document.blade())
        settings.setValue(kBladeKey, b->ID);
}

void restore(Document& document, const QSettings& settings)
{
    if (settings.contains(kMaterialKey)) {
        const int id = settings.value(kMaterialKey, -1).toInt();
        document.setMaterial(firstWithId(document.materials(), id));
    }
    if (settings.contains(kBladeKey)) {
        const int id = settings.value(kBladeKey, -1).toInt();
        document.setBlade(firstWithId(document.blades(), id));
        Logger::debug(QStringLiteral("Selected blade: %1").arg(id));
    }
    document.notifyChanged();
}

} // namespace PresetSelection
