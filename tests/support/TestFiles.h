#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Real files for tests that exercise file handling: written byte for byte,
// folders created as needed.
namespace TestFiles {
inline bool write(const QString& path, const QByteArray& bytes = QByteArray())
{
    QFile f(path);
    return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly)
        && f.write(bytes) == bytes.size();
}

// Empty when the file cannot be read.
inline QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace TestFiles
