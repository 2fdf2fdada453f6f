#include "document/DrawingFile.h"

#include "document/Document.h"
#include "document/ExchangeReader.h"
#include "document/ExchangeText.h"
#include "document/JobFile.h"
#include "document/SvgReader.h"

#include <QCoreApplication>
#include <QFileInfo>

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

bool load(Document& doc, const QString& path, QString* error, UserMessages* messages)
{
    auto fail = [&](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!QFileInfo(path).isFile())
        return fail(QCoreApplication::translate("DrawingFile", "Die Datei %1 wurde nicht gefunden.").arg(path));
    switch (kindOf(path)) {
    case Kind::Kcj: {
        QStringList lines;
        if (!ExchangeText::readKcjLines(path, lines))
            return fail(QCoreApplication::translate("DrawingFile", "Die Datei %1 konnte nicht gelesen werden.").arg(path));
        ExchangeReader::read(doc, lines);
        return true;
    }
    case Kind::Svg: {
        QString text;
        if (!ExchangeText::readWholeText(path, text))
            return fail(QCoreApplication::translate("DrawingFile", "Die Datei %1 konnte nicht gelesen werden.").arg(path));
        SvgReader::read(doc, text);
        return true;
    }
    case Kind::Kcf:
        if (!JobFile::load(doc, path, messages))
            return fail(QCoreApplication::translate("DrawingFile", "Die Datei %1 ist keine lesbare Auftragsdatei.").arg(path));
        return true;
    case Kind::Unknown:
        break;
    }
    return fail(QCoreApplication::translate("DrawingFile", "Das Dateiformat von %1 wird nicht unterstützt.").arg(path));
}

} // namespace DrawingFile
