#pragma once

#include <QString>

// Folders the tests read from: checked-in fixtures, the source tree and the
// build's bin folder (default files, scripts, executables).
namespace TestPaths {
inline QString data(const QString& rel = QString())
{
    return QStringLiteral(KC_TEST_DATA_DIR) + (rel.isEmpty() ? QString() : QLatin1Char('/') + rel);
}
inline QString source(const QString& rel = QString())
{
    return QStringLiteral(KC_SOURCE_DIR) + (rel.isEmpty() ? QString() : QLatin1Char('/') + rel);
}
inline QString bin(const QString& rel = QString())
{
    return QStringLiteral(KC_BIN_DIR) + (rel.isEmpty() ? QString() : QLatin1Char('/') + rel);
}
} // namespace TestPaths
