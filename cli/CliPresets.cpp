#include "cli/CliPresets.h"

#include "platform/Environment.h"
#include "presets/KerfcraftPresets.h"

#include <QFileInfo>

namespace CliPresets {

QString chooseFile()
{
    const QString user = KerfcraftPresets::defaultPath();
    if (QFileInfo(user).isFile())
        return user;
    return Environment::executableDir() + QStringLiteral("/KerfcraftPresets.xml");
}

std::unique_ptr<KerfcraftPresets> open(UserMessages& messages)
{
    auto presets = std::make_unique<KerfcraftPresets>(messages, chooseFile());
    presets->load();
    KerfcraftPresets::setInstance(presets.get());
    return presets;
}

} // namespace CliPresets
