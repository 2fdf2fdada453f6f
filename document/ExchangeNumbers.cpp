#include "document/ExchangeNumbers.h"

#include <QString>

#include <charconv>
#include <cmath>

namespace ExchangeNumbers {

int split(QStringView text, QStringView* parts, int maxParts)
{
    const QChar* p = text.data();
    const qsizetype n = text.size();
    int count = 0;
    qsizetype i = 0;
    while (i < n) {
        while (i < n && p[i] == QLatin1Char(' '))
            ++i;
        if (i == n)
            break;
        const qsizetype start = i;
        while (i < n && p[i] != QLatin1Char(' '))
            ++i;
        if (count < maxParts)
            parts[count] = text.mid(start, i - start);
        ++count;
    }
    return count;
}

namespace {

// "-?d+(.d+)?" of at most 30 characters: the form hosts write. Such a value
// can neither overflow nor underflow, and std::from_chars rounds it
// correctly, exactly as Qt's conversion does.
constexpr qsizetype PlainMax = 30;

bool toPlainAscii(QStringView field, char* buf)
{
    const qsizetype n = field.size();
    if (n == 0 || n > PlainMax)
        return false;
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return field[k].unicode(); };
    auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    if (at(0) == u'-')
        ++i;
    const qsizetype intStart = i;
    while (i < n && isDigit(at(i)))
        ++i;
    if (i == intStart)
        return false;
    if (i < n) {
        if (at(i) != u'.')
            return false;
        const qsizetype fracStart = ++i;
        while (i < n && isDigit(at(i)))
            ++i;
        if (i == fracStart || i != n)
            return false;
    }
    for (qsizetype k = 0; k < n; ++k)
        buf[k] = char(at(k));
    return true;
}

} // namespace

double toDouble(QStringView field)
{
    char buf[PlainMax];
    if (toPlainAscii(field, buf)) {
        double v = 0;
        const auto r = std::from_chars(buf, buf + field.size(), v);
        if (r.ec == std::errc() && r.ptr == buf + field.size())
            return v;
    }
    bool ok = false;
    const double v = field.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

int toInt(QStringView field)
{
    const qsizetype n = field.size();
    qsizetype i = n > 0 && field[0] == QLatin1Char('-') ? 1 : 0;
    // Up to nine digits cannot overflow an int.
    if (n > i && n - i <= 9) {
        int v = 0;
        for (; i < n; ++i) {
            const char16_t c = field[i].unicode();
            if (c < u'0' || c > u'9')
                break;
            v = v * 10 + (c - u'0');
        }
        if (i == n)
            return field[0] == QLatin1Char('-') ? -v : v;
    }
    bool ok = false;
    const int v = field.toInt(&ok);
    return ok ? v : 0;
}

} // namespace ExchangeNumbers
