#include "app/InkscapeCheck.h"

#include "platform/UserMessages.h"
#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace InkscapeCheck {

namespace {
QString tr(const char* text) { return QCoreApplication::translate("InkscapeCheck", text); }

// Every node below the root, a node before its children.
void collect(const QDomNode& parent, QList<QDomNode>& out)
{
    for (QDomNode n = parent.firstChild(); !n.isNull(); n = n.nextSibling()) {
        out.append(n);
        collect(n, out);
    }
}

bool isGroupWith(const QDomNode& node, const QString& attribute)
{
    return node.nodeName() == QLatin1String("group") && node.toElement().hasAttribute(attribute);
}

bool absoluteCoordinatesSet(const QList<QDomNode>& nodes)
{
    const QString pathstringFormat = QStringLiteral("pathstring_format");
    const QString allowRelative = QStringLiteral("allowrelativecoordinates");
    bool formatSeen = false;
    bool absolute = false;
    for (const QDomNode& n : nodes) {
        if (!isGroupWith(n, pathstringFormat))
            continue;
        formatSeen = true;
        if (n.toElement().attribute(pathstringFormat).toInt() == 0)
            absolute = true;
    }
    if (formatSeen)
        return absolute;
    for (const QDomNode& n : nodes)
        if (isGroupWith(n, allowRelative) && n.toElement().attribute(allowRelative).toInt() == 0)
            absolute = true;
    return absolute;
}
} // namespace

QString preferencesPath()
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(QDir::homePath()
                                    + QStringLiteral("/AppData/Roaming/inkscape/preferences.xml"));
#else
    QString config = Environment::value(QStringLiteral("XDG_CONFIG_HOME"));
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    const QString xdg = config + QStringLiteral("/inkscape/preferences.xml");
    const QString windowsStyle =
        QDir::homePath() + QStringLiteral("/AppData/Roaming/inkscape/preferences.xml");
    if (!QFileInfo::exists(xdg) && QFileInfo::exists(windowsStyle))
        return windowsStyle;
    return xdg;
#endif
}

bool hasAbsolutePathMark(const QString& svgPath)
{
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.attributes().value(ExchangeNamespace, QLatin1String("pathdata"))
                == QLatin1String("absolute");
    return false;
}

Outcome check(const QString& preferencesPath, UserMessages& messages)
{
    QFile file(preferencesPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        messages.information(tr("Information"),
                             tr("Die Inkspace-Einstellungsdatei konnte nicht gefunden werden"));
        return Outcome::Continue;
    }
    QDomDocument doc;
    if (!doc.setContent(&file)) {
        messages.information(tr("Information"),
                             tr("Die Inkspace-Einstellungsdatei konnte nicht gelesen werden."));
        return Outcome::Continue;
    }
    QList<QDomNode> nodes;
    collect(doc.documentElement(), nodes);
    if (absoluteCoordinatesSet(nodes))
        return Outcome::Continue;

    messages.information(
        tr("Hinweis"),
        tr("Sie müssen bei Inkscape 0.91 unter 'Bearbeiten ->Einstellungen->Eingabe/Ausgabe->SVG "
           "Ausgabe' \r\ndie Einstellung für Pfad-Zeichenkettenformat auf 'Absolut' setzen und "
           "Inkscape neu starten !!!\r\n\r\nSie müssen bei Inkscape 0.47+0.48 unter 'Datei "
           "->Inkscape Einstellungen->SVG Ausgabe' \r\ndas Häckchen bei \r\n'relative Koordinaten "
           "erlauben' \r\nentfernen und Inkscape neu starten !!!\r\n( Diese Einstellung braucht nur "
           "einmal vorgenommen werden. )"));
    return Outcome::Quit;
}

} // namespace InkscapeCheck
