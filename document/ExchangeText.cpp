#include "document/ExchangeText.h"

#include <QFile>
#include <QTextCodec>
#include <QTextDecoder>
#include <QTextStream>

#include <memory>

namespace ExchangeText {

QString normaliseLine(QStringView line)
{
    // QString::simplified(), the comma replacement and the line break in one
    // pass, writing straight into a string of the final length.
    const QChar* p = line.data();
    qsizetype b = 0, e = line.size();
    while (b < e && p[b].isSpace())
        ++b;
    while (e > b && p[e - 1].isSpace())
        --e;
    qsizetype length = 0;
    bool inSpace = false;
    for (qsizetype i = b; i < e; ++i) {
        const bool space = p[i].isSpace();
        if (!space || !inSpace)
            ++length;
        inSpace = space;
    }
    QString out(int(length + 1), Qt::Uninitialized);
    QChar* o = out.data();
    inSpace = false;
    for (qsizetype i = b; i < e; ++i) {
        const QChar c = p[i];
        if (c.isSpace()) {
            if (!inSpace)
                *o++ = QLatin1Char(' ');
            inSpace = true;
            continue;
        }
        inSpace = false;
        *o++ = c == QLatin1Char(',') ? QLatin1Char('.') : c;
    }
    *o = QLatin1Char('\n');
    return out;
}

QString normaliseLine(const QString& line) { return normaliseLine(QStringView(line)); }

bool readKcjLines(QIODevice& device, QStringList& lines)
{
    constexpr qint64 ChunkBytes = 1 << 20;
    if (!device.isSequential()) {
        // Lines average well over 32 bytes; growing the list from here on
        // costs little.
        const qint64 expected = (device.size() - device.pos()) / 32;
        if (expected > 0 && expected < (1 << 26))
            lines.reserve(lines.size() + int(expected));
    }

    // Like QTextStream: read the raw bytes and drop carriage returns after
    // decoding, so a UTF-16 file in text mode is not torn apart.
    const bool textMode = device.isTextModeEnabled();
    device.setTextModeEnabled(false);

    QTextCodec* codec = QTextCodec::codecForName("UTF-8");
    std::unique_ptr<QTextDecoder> decoder;
    QByteArray bytes;
    QString carry; // start of a line that continues in the next chunk
    for (;;) {
        bytes = device.read(ChunkBytes);
        if (bytes.isEmpty())
            break;
        if (!decoder) {
            // As QTextStream's unicode auto-detection does on its first read.
            codec = QTextCodec::codecForUtfText(bytes, codec);
            decoder.reset(codec->makeDecoder());
        }
        QString text = decoder->toUnicode(bytes);
        if (textMode)
            text.remove(QLatin1Char('\r'));
        const QChar* p = text.constData();
        const qsizetype n = text.size();
        qsizetype start = 0;
        for (qsizetype i = 0; i < n; ++i) {
            if (p[i] != QLatin1Char('\n'))
                continue;
            const QStringView piece(p + start, i - start);
            if (carry.isEmpty()) {
                lines.append(normaliseLine(piece));
            } else {
                carry += piece;
                lines.append(normaliseLine(QStringView(carry)));
                carry.clear();
            }
            start = i + 1;
        }
        if (start < n)
            carry += QStringView(p + start, n - start);
    }
    // A last line without a line break still counts, an empty rest does not.
    if (!carry.isEmpty())
        lines.append(normaliseLine(QStringView(carry)));
    device.setTextModeEnabled(textMode);
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
