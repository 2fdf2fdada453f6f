#pragma once

#include <QString>

// Number <-> text conversions for the large files (job files, SVG), with
// the results of the toolkit's own conversions but without building a
// QString per number. Plain decimal text takes a fast path; anything else
// is handed to QString, so odd forms (" 2", "+1", "inf") read as QString
// reads them. Text that does not parse, overflow included, reads as 0.
namespace NumberText {

double toDouble(const QString& text);
int toInt(const QString& text);
double toDouble(const char* text, int length);  // ASCII / Latin-1 bytes
double toDouble(const QChar* text, int length);
int toInt(const char* text, int length);
int toInt(const QChar* text, int length);

// Longest text formatDouble() writes, without a terminating zero.
constexpr int MaxDoubleLength = 32;
// Writes QString::number(value, 'g', 16) (the job file's double form: up to
// 16 significant digits, so 0.1 reads "0.1", not "0.10000000000000001";
// shortest of fixed and exponent notation, "0" for -0.0) as ASCII and
// returns the length. Read back, it differs from value at most in the
// 17th significant digit.
int formatDouble(double value, char* out);
// Writes QString::number(value) as ASCII and returns the length (≤ 11).
int formatInt(int value, char* out);

} // namespace NumberText
