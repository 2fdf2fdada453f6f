#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// The ini file we share with host plug-ins. Hosts and users edit it by hand,
// so writing changes only the keys given and keeps every other section,
// key, comment, key order, blank line and the file's line endings. The file is
// replaced through AtomicFile: a failed write leaves it intact. Section and key names
// compare without regard to case, as the Windows profile functions do.
namespace IniFile {

using Values = QList<QPair<QString, QString>>;

// Keys missing from the section are appended after its last key; a missing
// section is appended to the file, a missing file is created. False with
// *error set (the system's reason) when the file cannot be written.
bool write(const QString& path, const QString& section, const Values& values,
           QString* error = nullptr);

// The section's keys (lower-cased) and values, trimmed; empty when the file
// or the section does not exist. The first section of the name and the
// first line of a key count, as write() changes them.
QMap<QString, QString> readSection(const QString& path, const QString& section);

} // namespace IniFile
