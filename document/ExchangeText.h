#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// Turning exchange files into the text the readers take.
namespace ExchangeText {

// One ".kcj" line as the reader expects it: white space runs simplified,
// trimmed, every "," replaced by "." (hosts with a German locale write
// decimal commas) and "\n" appended.
QString normaliseLine(const QString& line);

// Reads a ".kcj" file as UTF-8, line by line, normalised. False when the
// file cannot be opened.
bool readKcjLines(const QString& path, QStringList& lines);
bool readKcjLines(QIODevice& device, QStringList& lines);

// Reads the whole file as UTF-8 text (".svg"). False when it cannot be opened.
bool readWholeText(const QString& path, QString& text);

} // namespace ExchangeText
