#include "platform/IniFile.h"

#include "platform/AtomicFile.h"

#include <QFile>
#include <QVector>

namespace IniFile {

namespace {

// One line with the terminator it had, so untouched lines go back byte for byte.
struct Line {
    QByteArray text;
    QByteArray end;
};

QVector<Line> splitLines(const QByteArray& bytes)
{
    QVector<Line> lines;
    int start = 0;
    while (start < bytes.size()) {
        int nl = bytes.indexOf('\n', start);
        if (nl < 0) {
            lines.append({bytes.mid(start), QByteArray()});
            break;
        }
        const bool cr = nl > start && bytes.at(nl - 1) == '\r';
        lines.append({bytes.mid(start, nl - start - (cr ? 1 : 0)), cr ? "\r\n" : "\n"});
        start = nl + 1;
    }
    return lines;
}

// "[name]" with blanks allowed around; the name as written, else empty.
QByteArray sectionName(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    if (t.size() < 2 || !t.startsWith('[') || !t.endsWith(']'))
        return QByteArray();
    return t.mid(1, t.size() - 2).trimmed();
}

bool isSection(const QByteArray& line) { return line.trimmed().startsWith('['); }

// The key of a "key=value" line; empty for comments, blanks and headers.
QByteArray keyOf(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#') || t.startsWith('['))
        return QByteArray();
    const int eq = t.indexOf('=');
    return eq < 0 ? QByteArray() : t.left(eq).trimmed();
}

bool sameName(const QByteArray& a, const QString& b)
{
    return QString::fromUtf8(a).compare(b, Qt::CaseInsensitive) == 0;
}

bool readBytes(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return true;
}

} // namespace

bool write(const QString& path, const QString& section, const Values& values, QString* error)
{
    QByteArray bytes;
    if (!readBytes(path, bytes)) {
        if (error)
            *error = QFile(path).errorString();
        return false;
    }
    QVector<Line> lines = splitLines(bytes);
    // New lines take the ending the file already uses; Linux style for a new file.
    QByteArray eol = "\n";
    for (const Line& l : qAsConst(lines))
        if (!l.end.isEmpty()) {
            eol = l.end;
            break;
        }

    int header = -1;
    for (int i = 0; i < lines.size() && header < 0; ++i)
        if (sameName(sectionName(lines[i].text), section))
            header = i;
    if (header < 0) {
        if (!lines.isEmpty() && lines.last().end.isEmpty())
            lines.last().end = eol;
        lines.append({'[' + section.toUtf8() + ']', eol});
        header = lines.size() - 1;
    }
    for (const auto& kv : values) {
        const QByteArray entry = kv.first.toUtf8() + '=' + kv.second.toUtf8();
        // New keys go after the section's last key; in a section without
        // keys after its leading comments.
        int lastKey = -1;
        int lastText = header;
        int found = -1;
        for (int i = header + 1; i < lines.size() && !isSection(lines[i].text); ++i) {
            const QByteArray key = keyOf(lines[i].text);
            if (key.isEmpty()) {
                if (lastKey < 0 && !lines[i].text.trimmed().isEmpty())
                    lastText = i;
                continue;
            }
            lastKey = i;
            if (sameName(key, kv.first)) {
                found = i;
                break;
            }
        }
        if (found >= 0) {
            lines[found].text = entry;
        } else {
            const int after = lastKey >= 0 ? lastKey : lastText;
            if (lines[after].end.isEmpty())
                lines[after].end = eol;
            lines.insert(after + 1, {entry, eol});
        }
    }

    QByteArray out;
    out.reserve(bytes.size() + 64);
    for (const Line& l : qAsConst(lines))
        out += l.text + l.end;
    return AtomicFile::save(path, out, error);
}

QMap<QString, QString> readSection(const QString& path, const QString& section)
{
    QMap<QString, QString> values;
    QByteArray bytes;
    if (!readBytes(path, bytes))
        return values;
    // Like the Windows profile functions, and like write(): the first
    // section of the name counts, and in it the first line of a key, so a
    // key a user doubled by hand reads as the value we wrote.
    bool inside = false;
    for (const Line& l : splitLines(bytes)) {
        if (isSection(l.text)) {
            if (inside)
                break;
            inside = sameName(sectionName(l.text), section);
            continue;
        }
        const QByteArray key = keyOf(l.text);
        const QString name = QString::fromUtf8(key).toLower();
        if (inside && !key.isEmpty() && !values.contains(name))
            values.insert(name, QString::fromUtf8(l.text.mid(l.text.indexOf('=') + 1).trimmed()));
    }
    return values;
}

} // namespace IniFile
