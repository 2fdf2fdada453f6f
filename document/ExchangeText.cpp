#include "document/ExchangeText.h"

#include <QFile>
#include <QTextStream>

namespace ExchangeText {

QString normaliseLine(const QString& line)
{
    QString s = line.simplified();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    s += QLatin1Char('\n');
    return s;
}

bool readKcjLines(QIODevice& device, QStringList& lines)
{
    QTextStream in(&device);
    in.setCodec("UTF-8");
    QString line;
    while (in.readLineInto(&line))
        lines.append(normaliseLine(line));
    return true;
}

bool readKcjLines(const QString& path, QStringList& lines)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    return readKcjLines(f, lines);
}

bool readWholeText(const QString& path, QString& text)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&f);
    in.setCodec("UTF-8");
    text = in.readAll();
    return true;
}

} // namespace ExchangeText
