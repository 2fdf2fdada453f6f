#pragma once

#include <QString>

#include <memory>

class KerfcraftPresets;
class UserMessages;

// The presets store of the command-line tool: the user's presets file when
// there is one, else the factory file shipped beside the executable, so the
// tool works before the GUI has ever run. Published as the process-wide store.
namespace CliPresets {

QString chooseFile();
std::unique_ptr<KerfcraftPresets> open(UserMessages& messages);

} // namespace CliPresets
