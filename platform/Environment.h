#pragma once

#include <QString>

// Environment and well-known folders. Names are looked up without regard to
// case, as Windows does ("appdata" finds APPDATA). Paths come back with "/".
namespace Environment {

// The variable's value, or an empty string when no variable of that name
// (in any case) is set.
QString value(const QString& name);
bool contains(const QString& name);

// "appdata", or the XDG config folder when it is not set.
QString appDataDir();
// "TEMP", or the system temporary folder when it is not set.
QString tempDir();
// The toolkit's temporary folder (QDir::tempPath()).
QString toolkitTempDir();
// The user's Kerfcraft data folder: appDataDir() + "/Kerfcraft".
QString kerfcraftDataDir();

// Folder of the running executable; KERFCRAFT_BIN_DIR overrides it so tests
// and tools can point at the build's bin folder.
QString executableDir();

// Whether the host system is 64-bit, which picks the 32- or 64-bit build of
// a host helper program.
bool is64BitSystem();

// Backslashes to "/".
QString toSlashes(const QString& path);

} // namespace Environment
