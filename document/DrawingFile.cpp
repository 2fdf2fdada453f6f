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

LoadResult load(Document& doc, const QString& path, SvgRoute route)
{
    LoadResult r;
    auto fail = [&](const QString& text) {
        r.error = text;
        return r;
    };
    if (!QFileInfo(path).isFile())
        return fail(tr("Die Datei %1 wurde nicht gefunden.").arg(path));
    const QString unreadable = tr("Die Datei %1 konnte nicht gelesen werden.").arg(path);
    switch (kindOf(path)) {
    case Kind::Kcj: {
        QStringList lines;
        if (!ExchangeText::readKcjLines(path, lines))
            return fail(unreadable);
        ExchangeReader::read(doc, lines);
        break;
    }
    case Kind::Svg:
        if (route == SvgRoute::Exchange) {
            QString text;
            if (!ExchangeText::readWholeText(path, text))
                return fail(unreadable);
            SvgReader::read(doc, text);
        } else {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return fail(unreadable);
            const SvgImport::Result svg = SvgImport::read(doc, file.readAll());
            r.leftOut = svg.leftOut;
            if (svg.outcome != SvgImport::Outcome::Ok)
                return fail(svgError(svg.outcome, path, svg.leftOut));
        }
        break;
    case Kind::Kcf:
        if (!JobFile::load(doc, path))
            return fail(tr("Die Datei %1 ist keine lesbare Auftragsdatei.").arg(path));
        break;
    case Kind::Unknown:
        return fail(tr("Das Dateiformat von %1 wird nicht unterstützt.").arg(path));
    }
    r.ok = true;
    return r;
}

bool load(Document& doc, const QString& path, QString* error)
{
    const LoadResult r = load(doc, path);
    if (!r.ok && error)
        *error = r.error;
    return r.ok;
}

} // namespace DrawingFile
