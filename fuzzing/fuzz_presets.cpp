// The presets file: read by the store, then edited in place the way the
// main window edits materials (add, store parameters, remove).

#include "FuzzSupport.h"

#include "presets/KerfcraftPresets.h"
#include "presets/Material.h"
#include "presets/PresetsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::SilentMessages messages;
    const QString path = FuzzSupport::scratchFile(
        QByteArray(reinterpret_cast<const char*>(data), int(size)),
        QStringLiteral("KerfcraftPresets.xml"));
    KerfcraftPresets presets(messages, path);
    presets.load();
    PresetsFile file(presets, messages);
    const int id = file.addMaterial(QStringLiteral("Folie"), {30, 80, 1, 1}, QStringLiteral("de"));
    if (id >= 0) {
        file.storeParameters(id, {40, 90, 2, 2});
        file.removeMaterial(id);
    }
    return 0;
}
