#include "document/DrawingFile.h"

#include "document/Document.h"
#include "document/ExchangeReader.h"
#include "document/ExchangeText.h"
#include "document/JobFile.h"
#include "document/SvgImport.h"
#include "document/SvgReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QXmlStreamReader>

namespace DrawingFile {

namespace {
QString tr(const char* text) { return QCoreApplication::translate("DrawingFile", text); }

QString svgError(SvgImport::Outcome outcome, const QString& path, const QStringList& leftOut)
{
    switch (outcome) {
    case SvgImport::Outcome::Empty:
        return tr("Die Datei %1 ist leer.").arg(path);
    case SvgImport::Outcome::NotXml:
        return tr("Die Datei %1 ist keine SVG-Zeichnung (kein gültiges XML).").arg(path);
    case SvgImport::Outcome::NotSvg:
        return tr("Die Datei %1 ist keine SVG-Zeichnung.").arg(path);
    case SvgImport::Outcome::NothingVisible:
        if (leftOut.isEmpty())
            return tr("Die Zeichnung %1 enthält keine sichtbaren Umrisse zum Schneiden.").arg(path);
        return tr("Die Zeichnung %1 enthält keine sichtbaren Umrisse zum Schneiden. Ausgelassen: %2")
            .arg(path, leftOut.join(QLatin1String("; ")));
    case SvgImport::Outcome::Ok:
        break;
    }
    return QString();
}
} // namespace

Kind kindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kcj"))
        return Kind::Kcj;
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("svgz"))
        return Kind::Svg;
    if (suffix == QLatin1String("kcf"))
        return Kind::Kcf;
    return Kind::Unknown;
}

namespace {

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
                return tr("Das Wurzelelement ist <%1>, nicht <svg>.").arg(xml.name().toString());
        }
    }
    if (xml.hasError())
        return tr("Die Datei ist kein wohlgeformtes XML (Zeile %1: %2).")
            .arg(xml.lineNumber())
            .arg(xml.errorString());
    if (!sawRoot)
        return tr("Die Datei enthält kein XML-Element.");
    return QString();
}

} // namespace

LoadResult load(Document& doc, const QString& path, SvgRoute route, UserMessages* messages)
{
    LoadResult r;
    const QFileInfo info(path);
    const QString name = info.fileName().isEmpty() ? path : info.fileName();
    auto fail = [&](const QString& reason) {
        r.error = tr("%1: %2").arg(name, reason);
        return r;
    };
    if (info.isDir())
        return fail(tr("Das ist ein Verzeichnis, keine Zeichnung."));
    if (!info.exists())
        return fail(tr("Die Datei wurde nicht gefunden."));
    if (!info.isFile())
        return fail(tr("Das ist keine gewöhnliche Datei."));
    const Kind kind = kindOf(path);
    if (kind == Kind::Unknown)
        return fail(tr("Das Dateiformat wird nicht unterstützt (erwartet .kcj, .svg oder .kcf)."));
    if (info.size() == 0)
        return fail(tr("Die Datei ist leer."));
    // A compressed SVG is binary by nature; the import unpacks it.
    const bool compressed = info.suffix().compare(QLatin1String("svgz"), Qt::CaseInsensitive) == 0;
    if (!compressed && !looksLikeText(path))
        return fail(tr("Die Datei ist keine Textdatei."));
    const QString unreadable = tr("Die Datei konnte nicht gelesen werden.");
    switch (kind) {
    case Kind::Kcj: {
        QStringList lines;
        if (!ExchangeText::readKcjLines(path, lines))
            return fail(unreadable);
        if (!hasExchangeKeyword(lines))
            return fail(tr("Die Datei ist keine Austauschdatei (keine Zeile KCEbene, KCObjekt oder KCStart)."));
        ExchangeReader::read(doc, lines);
        break;
    }
    case Kind::Svg:
        if (route == SvgRoute::Exchange) {
            QString text;
            if (!ExchangeText::readWholeText(path, text))
                return fail(unreadable);
            const QString problem = svgProblem(text);
            if (!problem.isEmpty())
                return fail(problem);
            SvgReader::read(doc, text);
        } else {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return fail(unreadable);
            const SvgImport::Result svg = SvgImport::read(doc, file.readAll());
            r.leftOut = svg.leftOut;
            if (svg.outcome != SvgImport::Outcome::Ok) {
                r.error = svgError(svg.outcome, path, svg.leftOut);
                return r;
            }
        }
        break;
    case Kind::Kcf: {
        QString reason;
        if (!JobFile::load(doc, path, messages, &reason))
            return fail(tr("Die Datei ist keine lesbare Auftragsdatei. %1").arg(reason));
        break;
    }
    case Kind::Unknown:
        break;
    }
    if (doc.nodeCount() == 0)
        return fail(tr("Die Datei enthält keine Pfade, die geschnitten werden könnten."));
    r.ok = true;
    return r;
}

bool load(Document& doc, const QString& path, QString* error, UserMessages* messages)
{
    const LoadResult r = load(doc, path, SvgRoute::AnyDrawing, messages);
    if (!r.ok && error)
        *error = r.error;
    return r.ok;
}

} // namespace DrawingFile
