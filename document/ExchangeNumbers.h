#pragma once

#include <QStringView>

// Number fields of exchange lines. Reading a large drawing parses millions
// of them, so the common plain decimal forms are converted without building
// a QString; every other form goes through Qt's conversion. The results are
// exactly those of QString::toDouble() / toInt().
namespace ExchangeNumbers {

// Splits at blanks, skipping empty parts. Stores at most maxParts views in
// parts and returns how many parts the text holds.
int split(QStringView text, QStringView* parts, int maxParts);

// QString::toDouble() of the field; 0 when it does not parse or is not
// finite (an infinite coordinate would poison every extent).
double toDouble(QStringView field);

// QString::toInt() of the field; 0 when it does not parse.
int toInt(QStringView field);

} // namespace ExchangeNumbers
