#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class QIODevice;

// Turning exchange files into the text the readers take.
namespace ExchangeText {

// One ".kcj" line as the reader expects it: white space runs simplified,
// trimmed, every "," replaced by "." (hosts with a German locale write
// decimal commas) and "\n" appended.
QString normaliseLine(const QString& line);
QString normaliseLine(QStringView line);

// Reads a ".kcj" file line by line, normalised. The text is decoded as a
// QTextStream set to UTF-8 would decode it (a UTF-16 or UTF-32 byte-order
// mark switches the encoding, a UTF-8 one is dropped), in large chunks so a
// file of a million lines loads in a fraction of a second. False when the
// file cannot be opened.
bool readKcjLines(const QString& path, QStringList& lines);
bool readKcjLines(QIODevice& device, QStringList& lines);

// Reads the whole file as UTF-8 text (".svg"). False when it cannot be opened.
bool readWholeText(const QString& path, QString& text);

} // namespace ExchangeText
