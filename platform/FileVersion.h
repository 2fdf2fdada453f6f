#pragma once

#include <QString>

// The file version of a Windows executable, read from its version resource
// (the fixed part, VS_FIXEDFILEINFO) without Windows: the plug-in installer
// tells host application versions apart by it.
namespace FileVersion {

struct Version {
    int major = 0;
    int minor = 0;
    int patch = 0;
    int build = 0;
};

// False when the file is not a PE image or holds no version resource.
bool read(const QString& path, Version& version);

} // namespace FileVersion
