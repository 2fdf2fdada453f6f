#include "document/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace NumberText {

namespace {

// Characters of the plain decimal forms from_chars and QString agree on.
inline bool isPlainNumberChar(unsigned c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+';
}

// from_chars on plain text; false where QString might read it differently
// (leading '+', blanks, "inf", hex, out of range) or where it fails.
bool fastDouble(const char* s, int n, double& v)
{
    if (n <= 0 || n > 64)
        return false;
    for (int i = 0; i < n; ++i)
        if (!isPlainNumberChar(static_cast<unsigned char>(s[i])))
            return false;
    const auto r = std::from_chars(s, s + n, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != s + n)
        return false;
    const int cls = std::fpclassify(v);
    return cls == FP_NORMAL || cls == FP_ZERO;
}

bool fastInt(const char* s, int n, int& v)
{
    if (n <= 0 || n > 11)
        return false;
    const auto r = std::from_chars(s, s + n, v, 10);
    return r.ec == std::errc() && r.ptr == s + n;
}

// Narrows UTF-16 to ASCII into buf; false when a character is not ASCII.
bool narrow(const QChar* s, int n, char* buf, int capacity)
{
    if (n > capacity)
        return false;
    for (int i = 0; i < n; ++i) {
        const ushort u = s[i].unicode();
        if (u >= 0x80)
            return false;
        buf[i] = static_cast<char>(u);
    }
    return true;
}

} // namespace

double toDouble(const QString& text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? v : 0.0; // QString gives ±inf on overflow; that is no number either
}

int toInt(const QString& text) { return text.toInt(); }

double toDouble(const char* text, int length)
{
    double v;
    if (fastDouble(text, length, v))
        return v;
    return toDouble(QString::fromLatin1(text, length));
}

double toDouble(const QChar* text, int length)
{
    char buf[64];
    double v;
    if (narrow(text, length, buf, sizeof buf) && fastDouble(buf, length, v))
        return v;
    return toDouble(QString(text, length));
}

int toInt(const char* text, int length)
{
    int v;
    if (fastInt(text, length, v))
        return v;
    return toInt(QString::fromLatin1(text, length));
}

int toInt(const QChar* text, int length)
{
    char buf[16];
    int v;
    if (narrow(text, length, buf, sizeof buf) && fastInt(buf, length, v))
        return v;
    return toInt(QString(text, length));
}

namespace {

// True when rounding the value to 16 significant digits may meet an exact
// half: there the toolkit rounds up and to_chars rounds to even. A value
// m·2^-k (m odd, k > 0) has exactly k decimal places, the last one a 5, so
// it is a tie only with exactly 17 significant digits; the decimal exponent
// from log10 may be one off, hence the margin. Integers below 2^53 have at
// most 16 digits and never round.
bool mayBeTie(double value)
{
    const double a = std::fabs(value);
    if (a >= 9007199254740992.0) // 2^53: large integers, left to the toolkit
        return true;
    int e2;
    const double f = std::frexp(a, &e2);
    quint64 m = quint64(std::ldexp(f, 53));
    int exp2 = e2 - 53;
    while ((m & 1) == 0) {
        m >>= 1;
        ++exp2;
    }
    if (exp2 >= 0)
        return false;
    const int significant = int(std::floor(std::log10(a))) + 1 - exp2;
    return significant >= 16 && significant <= 18;
}

int formatWithToolkit(double value, char* out)
{
    const QByteArray s = QString::number(value, 'g', 16).toLatin1();
    std::memcpy(out, s.constData(), size_t(s.size()));
    return s.size();
}

} // namespace

int formatDouble(double value, char* out)
{
    if (value == 0.0) { // QString drops the sign of -0.0
        out[0] = '0';
        return 1;
    }
    if (!std::isfinite(value) || mayBeTie(value))
        return formatWithToolkit(value, out);
    // Same digits and layout as QString::number(v, 'g', 16) away from ties:
    // exponent form below 1e-4 and from 1e16, at least two exponent digits,
    // trailing zeros dropped.
    const auto r = std::to_chars(out, out + MaxDoubleLength, value, std::chars_format::general, 16);
    return int(r.ptr - out);
}

int formatInt(int value, char* out)
{
    const auto r = std::to_chars(out, out + 11, value);
    return int(r.ptr - out);
}

} // namespace NumberText
