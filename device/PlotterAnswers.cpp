#include "device/PlotterAnswers.h"

#include <QStringList>

namespace PlotterAnswers {

namespace {
int plainInteger(const QString& field)
{
    bool ok = false;
    const int v = field.toInt(&ok, 10);
    return ok ? v : 0;
}
} // namespace

QString answerText(const char* bytes, int size)
{
    if (!bytes || size <= 0)
        return QString();
    QString text = QString::fromLatin1(bytes, int(qstrnlen(bytes, uint(size))));
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text.trimmed();
}

Result readDeviceAnswer(const QString& text, PlotterConfiguration& config)
{
    if (!text.startsWith(QLatin1String("OR4")) || !text.endsWith(QLatin1Char(';')))
        return Result::Other;
    const QStringList f = text.split(QLatin1Char(','));
    if (f.size() <= 5)
        return Result::TooShort;
    config.deviceText = QStringLiteral("%1 / %2").arg(f[1], f[2]);
    config.firmwareText = QStringLiteral("%1 / %2 %3").arg(f[3], f[4], f[5]);
    return Result::Read;
}

Result readSettingsAnswer(const QString& text, PlotterConfiguration& config)
{
    if (!text.startsWith(QLatin1String("OR1")) || !text.endsWith(QLatin1Char(';')))
        return Result::Other;
    const QStringList f = text.split(QLatin1Char(','));
    if (f.size() <= 7)
        return Result::TooShort;
    config.speed = plainInteger(f[1]);
    config.force = plainInteger(f[2]);
    config.offset = plainInteger(f[3]);
    config.quality = plainInteger(f[4]);
    config.edgeSmoothing = plainInteger(f[5]) != 0;
    config.unrollMedium = plainInteger(f[6]) != 0;
    // The plotter says 1 for roll and 0 for sheet.
    switch (plainInteger(f[7])) {
    case 1: config.mediaType = 0; break;
    case 0: config.mediaType = 1; break;
    case 2: config.mediaType = 2; break;
    default: break;
    }
    return Result::Read;
}

Result readMediaAnswer(const QString& text, PlotterConfiguration& config)
{
    if (!text.startsWith(QLatin1String("0,0,")))
        return Result::Other;
    const QStringList f = text.split(QLatin1Char(','));
    if (f.size() != 4)
        return Result::TooShort;
    config.mediaHeight = plainInteger(f[2]) / 40;
    config.mediaWidth = plainInteger(f[3]) / 40;
    return Result::Read;
}

} // namespace PlotterAnswers
