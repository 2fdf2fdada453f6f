#include "cli/CliCommands.h"
#include "cli/CliTr.h"

#include "document/Document.h"
#include "cli/ConsoleMessages.h"
#include "document/DrawingFile.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

// kerfcraft-cli info FILE: what a drawing holds, in a stable text form
// (tests compare it line by line). Lengths in mm with three decimals.

namespace {


QString mm(double v)
{
    QString s = QString::number(v, 'f', 3);
    if (s == QLatin1String("-0.000"))
        s.remove(0, 1);
    return s;
}

QString yesNo(bool v) { return v ? Cli::tr("ja") : Cli::tr("nein"); }

QString colorText(const QColor& c)
{
    if (!c.isValid())
        return Cli::tr("keine");
    if (c.spec() == QColor::Cmyk)
        return QStringLiteral("cmyk(%1,%2,%3,%4)").arg(c.cyan()).arg(c.magenta()).arg(c.yellow()).arg(c.black());
    return c.name(QColor::HexRgb);
}

void printLayers(const Document& doc, QTextStream& out)
{
    out << Cli::tr("Ebenen: %1").arg(doc.layers().size()) << '\n';
    // Layers counted from 0, as the window's list, the status display and
    // the pause text of `send` count them.
    int layerNo = 0;
    for (const KCLayer* layer : doc.layers()) {
        out << Cli::tr("Ebene %1: \"%2\" (schneiden: %3)")
                   .arg(layerNo++)
                   .arg(layer->name(), yesNo(layer->cutEnabled()))
            << '\n';
        int objectNo = 0;
        for (const KCObject* o : layer->objects()) {
            int nodes = 0;
            for (const KCSubPath& sp : o->subPaths())
                nodes += sp.nodes().size();
            out << "  "
                << Cli::tr("Objekt %1: Farbe %2, Teilpfade %3, Knoten %4")
                       .arg(++objectNo)
                       .arg(colorText(o->color()))
                       .arg(o->subPaths().size())
                       .arg(nodes)
                << '\n';
        }
    }
}

void printMarks(const Document& doc, QTextStream& out)
{
    const struct {
        const char* label;
        double value;
    } values[] = {
        {QT_TRANSLATE_NOOP("Cli", "Ursprung X"), doc.passerXOrigin()},
        {QT_TRANSLATE_NOOP("Cli", "Breite X"), doc.passerXWidth()},
        {QT_TRANSLATE_NOOP("Cli", "Ursprung Y"), doc.passerYOrigin()},
        {QT_TRANSLATE_NOOP("Cli", "Versatz Y"), doc.passerOffsetY()},
        {QT_TRANSLATE_NOOP("Cli", "Länge"), doc.passerLength()},
        {QT_TRANSLATE_NOOP("Cli", "Strichstärke"), doc.passerThickness()},
        {QT_TRANSLATE_NOOP("Cli", "Abstand X"), doc.passerXDistance()},
        {QT_TRANSLATE_NOOP("Cli", "Abstand Y"), doc.passerYDistance()},
        {QT_TRANSLATE_NOOP("Cli", "Erste Marke X"), doc.passerXOffset()},
        {QT_TRANSLATE_NOOP("Cli", "Erste Marke Y"), doc.passerYOffset()},
    };
    out << Cli::tr("Passermarken:") << '\n';
    for (const auto& v : values)
        out << "  " << Cli::tr(v.label) << ": " << mm(v.value) << " mm\n";
    out << "  " << Cli::tr("Marke 9: %1").arg(yesNo(doc.code9MarkFound())) << '\n';
}

} // namespace

int cliInfo(const QStringList& args, CliIo& io)
{
    QStringList files = args;
    const bool exchange = files.removeAll(QStringLiteral("--exchange")) > 0;
    if (files.size() != 1) {
        io.err << Cli::tr("Aufruf: kerfcraft-cli info DATEI") << '\n';
        return 2;
    }
    // Settings a job file holds outside their range are noted on stderr.
    ConsoleMessages messages;
    Document doc;
    const DrawingFile::LoadResult loaded = DrawingFile::load(
        doc, files.first(), exchange ? DrawingFile::SvgRoute::Exchange : DrawingFile::SvgRoute::AnyDrawing, &messages);
    if (!loaded.ok) {
        io.err << loaded.error << '\n';
        return 2;
    }
    QTextStream& out = io.out;
    out << Cli::tr("Datei: %1").arg(QFileInfo(files.first()).fileName()) << '\n';
    printLayers(doc, out);
    out << Cli::tr("Zeichnung: %1 x %2 mm").arg(mm(doc.drawingWidth()), mm(doc.drawingHeight())) << '\n';
    double left = doc.minX(), right = doc.maxX(), top = doc.minY(), bottom = doc.maxY();
    doc.refineExtentByCurves(left, top, right, bottom);
    out << Cli::tr("Begrenzung: links %1, oben %2, rechts %3, unten %4 mm")
               .arg(mm(left), mm(top), mm(right), mm(bottom))
        << '\n';
    out << Cli::tr("Auftragsgröße: %1 x %2 mm").arg(doc.jobWidth()).arg(doc.jobHeight()) << '\n';
    if (!loaded.leftOut.isEmpty())
        out << Cli::tr("Ausgelassen: %1").arg(loaded.leftOut.join(QLatin1String("; "))) << '\n';
    if (doc.marksFound())
        printMarks(doc, out);
    out.flush();
    return 0;
}
