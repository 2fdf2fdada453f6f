#include "plot/Commands.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace Commands {

namespace {

QByteArray num(qint64 v) { return QByteArray::number(v); }

// Fixed decimals with "." whatever the locale.
QByteArray fixedDecimals(double v, int decimals)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return QByteArray(buf, int(r.ptr - buf));
}

// Writes a non-negative integer below 10^6, two digits at a time.
inline int writeSmallUnsigned(char* out, unsigned v)
{
    static const char pairs[] = "00010203040506070809101112131415161718192021222324252627282930313233"
                                "34353637383940414243444546474849505152535455565758596061626364656667"
                                "6869707172737475767778798081828384858687888990919293949596979899";
    const int n = v < 10 ? 1 : v < 100 ? 2 : v < 1000 ? 3 : v < 10000 ? 4 : v < 100000 ? 5 : 6;
    char* p = out + n;
    while (v >= 100) {
        const unsigned r = v % 100;
        v /= 100;
        p -= 2;
        p[0] = pairs[2 * r];
        p[1] = pairs[2 * r + 1];
    }
    if (v >= 10) {
        p -= 2;
        p[0] = pairs[2 * v];
        p[1] = pairs[2 * v + 1];
    } else {
        *--p = char('0' + v);
    }
    return n;
}

} // namespace

qint64 units(double mm)
{
    const double u = std::trunc(mm * 40.0);
    if (std::isnan(u))
        return 0;
    if (u >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (u <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return qint64(u);
}

int writeG6(char* out, double v)
{
    // Whole numbers below one million print as plain integers under %g.
    // -0.0 prints "-0", so it takes the general path.
    if (v > -1e6 && v < 1e6) {
        const int i = int(v); // exact for whole numbers in this range
        if (double(i) == v && !(i == 0 && std::signbit(v))) {
            if (i < 0) {
                out[0] = '-';
                return 1 + writeSmallUnsigned(out + 1, unsigned(-i));
            }
            return writeSmallUnsigned(out, unsigned(i));
        }
    }
    const auto r = std::to_chars(out, out + 32, v, std::chars_format::general, 6);
    return int(r.ptr - out);
}

QByteArray g6(double v)
{
    char buf[32];
    return QByteArray(buf, writeG6(buf, v));
}

QByteArray g6Reference(double v)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return QByteArray(buf, int(r.ptr - buf));
}

double acceleration(int quality) { return quality == 0 ? 0.2 : 0.7; }

int bladeCode(double o)
{
    // Exact comparison on purpose: only an offset that is exactly one of the
    // catalogue blades is announced to the device.
    static const double offsets[] = {0.175, 0.25, 0.275, 0.3, 0.5, 0.75, 1.0};
    for (int i = 0; i < 7; ++i)
        if (o == offsets[i])
            return i + 1;
    return 0;
}

bool deviceControlForModel(const QString& modelName)
{
    const QString n = modelName.toLower();
    return n.contains(QLatin1String("sable"))
        || (n.contains(QLatin1String("expert")) && !n.contains(QLatin1String("pro")));
}

QByteArray initialisation(const Initialisation& init)
{
    QByteArray s;
    if (init.bladeInitialisation)
        s += "IN;VS5;FS10;AS1;TO2;SP1;PR;PU0,100;PD0,-100;PU;";
    s += "IN;VS" + num(init.speed) + ";FS" + num(init.force) + ";AS"
        + fixedDecimals(init.acceleration, 1) + ";TO" + fixedDecimals(init.toolOffset, 3)
        + ";SP1;";
    if (init.deviceControl) {
        const int code = bladeCode(init.toolOffset);
        if (code != 0)
            s += "\x1b.C1;16;" + num(code) + ":";
        s += "\x1b.C1;22;" + num(init.force) + ":\x1b.C1;0;:";
    }
    return s;
}

QByteArray registrationMarks(const MarkGroup& m)
{
    QByteArray s;
    if (m.force != 0)
        s += "\x1b.C1;22;" + num(m.force) + ":\x1b.C1;0;:";
    s += "\x1b.D2;" + num(units(m.origin1)) + ";" + num(units(m.origin2)) + ";"
        + num(units(m.spacing1)) + ";" + num(units(m.spacing2)) + ":";
    if (m.rows > 1 || m.columns > 1)
        s += "\x1b.D3;" + num(m.rows) + ";" + num(m.columns) + ";" + num(units(m.columnGap)) + ":";
    s += "\x1b.D4;0;0;" + num(units(m.markLength)) + ":";
    s += "\x1b.D1;" + num(units(m.origin1)) + ";" + num(units(m.origin2)) + ":";
    return s;
}

QByteArray inputWindow(qint64 startMm, qint64 lengthMm, int materialWidthMm)
{
    const qint64 y1 = qint64(startMm) * 40;
    const qint64 y2 = y1 + qint64(lengthMm) * 40;
    return "IW" + num(y1) + ",0," + num(y2) + "," + num(qint64(materialWidthMm) * 40) + ";";
}

QByteArray inputWindowReset() { return QByteArrayLiteral("IW;"); }

MoveText penMove(bool penDown, double along, double across)
{
    MoveText t;
    char* p = t.data;
    *p++ = 'P';
    *p++ = penDown ? 'D' : 'U';
    p += writeG6(p, along);
    *p++ = ',';
    p += writeG6(p, across);
    *p++ = ';';
    t.size = int(p - t.data);
    return t;
}

QByteArray penLift() { return QByteArrayLiteral("PU;"); }

QByteArray pauseParking() { return QByteArrayLiteral("PU;PU40,1;"); }

QByteArray finalHeadPosition(int homeposition, int extraspace, double maxAcross, double maxAlong)
{
    switch (homeposition) {
    case 0: {
        const qint64 along = extraspace == 0 ? 40 : qint64(extraspace) * 40;
        return "PU;PU" + num(along) + ",1;";
    }
    case 1: {
        // One unit short of the job's end plus the extra feed, rounded up.
        const double along = std::ceil((extraspace + maxAlong) * 40.0 - 1.0);
        return "PU" + g6(along) + ",1;";
    }
    case 2: {
        qint64 along = units(extraspace + maxAlong);
        qint64 across = units(maxAcross);
        if (along == 0)
            along = 1;
        if (across == 0)
            across = 1;
        return "PU;PU" + num(along) + "," + num(across) + ";";
    }
    default:
        return QByteArray();
    }
}

QByteArray testCutModeOff() { return QByteArrayLiteral("IN;SP1;PU0,0;"); }

QByteArray testCutPattern(int offsetUnits)
{
    return "PU0," + num(offsetUnits)
        + ";PR64,300;PD;PR208,-120;PR-208,-120;PR0,240;PU;PR-64,-300;PD;PR360,0;PR0,360;"
          "PR-360,0;PR0,-360;PU0,0;PR2000,0;";
}

QByteArray plotterSettings(bool first, bool second)
{
    return "\x1b.C1;20;" + num(first ? 1 : 0) + ":\x1b.C1;19;" + num(second ? 1 : 0) + ":";
}

} // namespace Commands
