#include "document/DrawingFile.h"

#include "document/Document.h"
#include "document/ExchangeReader.h"
#include "document/ExchangeText.h"
#include "document/JobFile.h"
#include "document/SvgReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QXmlStreamReader>

namespace DrawingFile {

Kind kindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kcj"))
        return Kind::Kcj;
    if (suffix == QLatin1String("svg"))
        return Kind::Svg;
    if (suffix == QLatin1String("kcf"))
        return Kind::Kcf;
    return Kind::Unknown;
}

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(DrawingFile)
};

// Text, as far as the first 64 KiB show: no zero byte, unless a UTF-16 or
// UTF-32 byte-order mark says the zeros belong to the characters.
bool looksLikeText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // the reader reports it cannot read it
    const QByteArray head = file.read(64 * 1024);
    if (head.startsWith("\xff\xfe") || head.startsWith("\xfe\xff")
        || head.startsWith(QByteArray("\x00\x00\xfe\xff", 4)))
        return true;
    return !head.contains('\0');
}

// The exchange format has no root; a file of the kind names at least one
// of its structure keywords.
bool hasExchangeKeyword(const QStringList& lines)
{
    for (const QString& line : lines)
        if (line.startsWith(QLatin1String("KCEbene")) || line.startsWith(QLatin1String("KCObjekt"))
            || line.startsWith(QLatin1String("KCStart")))
            return true;
    return false;
}

// Well-formed XML whose root element is <svg>; otherwise the reason.
QString svgProblem(const QString& text)
{
    QXmlStreamReader xml(text);
    bool sawRoot = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && !sawRoot) {
            sawRoot = true;
            if (xml.name() != QLatin1String("svg"))
                return Text::tr("Das Wurzelelement ist <%1>, nicht <svg>.").arg(xml.name().toString());
        }
    }
    if (xml.hasError())
        return Text::tr("Die Datei ist kein wohlgeformtes XML (Zeile %1: %2).")
            .arg(xml.lineNumber())
            .arg(xml.errorString());
    if (!sawRoot)
        return Text::tr("Die Datei enthält kein XML-Element.");
    return QString();
}

} // namespace

bool load(Document& doc, const QString& path, QString* error, UserMessages* messages)
{
    const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
    auto fail = [&](const QString& reason) {
        if (error)
            *error = Text::tr("%1: %2").arg(name, reason);
        return false;
    };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(Text::tr("Das ist ein Verzeichnis, keine Zeichnung."));
    if (!info.exists())
        return fail(Text::tr("Die Datei wurde nicht gefunden."));
    if (!info.isFile())
        return fail(Text::tr("Das ist keine gewöhnliche Datei."));
    const Kind kind = kindOf(path);
    if (kind == Kind::Unknown)
        return fail(Text::tr("Das Dateiformat wird nicht unterstützt (erwartet .kcj, .svg oder .kcf)."));
    if (info.size() == 0)
        return fail(Text::tr("Die Datei ist leer."));
    if (!looksLikeText(path))
        return fail(Text::tr("Die Datei ist keine Textdatei."));
    switch (kind) {
    case Kind::Kcj: {
        QStringList lines;
        if (!ExchangeText::readKcjLines(path, lines))
            return fail(Text::tr("Die Datei konnte nicht gelesen werden."));
        if (!hasExchangeKeyword(lines))
            return fail(Text::tr("Die Datei ist keine Austauschdatei (keine Zeile KCEbene, KCObjekt oder KCStart)."));
        ExchangeReader::read(doc, lines);
        break;
    }
    case Kind::Svg: {
        QString text;
        if (!ExchangeText::readWholeText(path, text))
            return fail(Text::tr("Die Datei konnte nicht gelesen werden."));
        const QString problem = svgProblem(text);
        if (!problem.isEmpty())
            return fail(problem);
        SvgReader::read(doc, text);
        break;
    }
    case Kind::Kcf: {
        QString reason;
        if (!JobFile::load(doc, path, messages, &reason))
            return fail(Text::tr("Die Datei ist keine lesbare Auftragsdatei. %1").arg(reason));
        break;
    }
    case Kind::Unknown:
        break;
    }
    if (doc.nodeCount() == 0)
        return fail(Text::tr("Die Datei enthält keine Pfade, die geschnitten werden könnten."));
    return true;
}

} // namespace DrawingFile
