#include "plot/JobFit.h"

#include "document/Document.h"
#include "plot/JobLayout.h"
#include "plot/PlotDataGenerator.h"
#include "presets/PlotterTemplate.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace JobFit {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(JobFit)
};

// Whole millimetres as such, anything else to a tenth.
QString mm(double v)
{
    const double r = std::round(v * 10.0) / 10.0;
    return r == std::floor(r) ? QString::number(qint64(r)) : QString::number(r, 'f', 1);
}

// "PD1,1;" is the shortest pen move; a block adds at least "PU;" and the
// move to its object.
constexpr qint64 MinBytesPerNode = 6;
constexpr qint64 MinBytesPerObject = 9;

// A pen move at v mm is limited when its unit (v × 40, truncated) passes
// the last unit inside a material of materialMm.
bool limited(double v, int materialMm)
{
    return std::trunc(v * 40.0) > double(materialMm) * 40.0 - 1.0;
}

QString modelRefusal(const Document& doc, const PlotterTemplate& m)
{
    const int w = doc.materialWidth(), h = doc.materialHeight();
    if (m.MaxCutWidth > 0 && w > m.MaxCutWidth)
        return Text::tr("Das Material ist %1 mm breit; der Plotter %2 schneidet höchstens %3 mm breit.")
            .arg(w).arg(m.Name).arg(m.MaxCutWidth);
    if (m.MinCutWidth > 0 && w < m.MinCutWidth)
        return Text::tr("Das Material ist %1 mm breit; der Plotter %2 braucht mindestens %3 mm.")
            .arg(w).arg(m.Name).arg(m.MinCutWidth);
    if (m.MaxCutHeight > 0 && h > m.MaxCutHeight)
        return Text::tr("Das Material ist %1 mm lang; der Plotter %2 schneidet höchstens %3 mm lang.")
            .arg(h).arg(m.Name).arg(m.MaxCutHeight);
    if (m.MinCutHeight > 0 && h < m.MinCutHeight)
        return Text::tr("Das Material ist %1 mm lang; der Plotter %2 braucht mindestens %3 mm.")
            .arg(h).arg(m.Name).arg(m.MinCutHeight);
    return QString();
}

// Into a model's range; a maximum of 0 means the model sets none.
int held(int value, int min, int max)
{
    if (max > 0 && value > max)
        return max;
    return value < min ? min : value;
}

} // namespace

void setMaterialFromMedium(Document& doc, const PlotterTemplate* model, int mediaWidth,
                           int mediaHeight)
{
    if (mediaWidth <= 0 || mediaHeight <= 0)
        return;
    doc.setMaterialWidth(model ? held(mediaWidth, model->MinCutWidth, model->MaxCutWidth)
                               : mediaWidth);
    doc.setMaterialHeight(model ? held(mediaHeight, model->MinCutHeight, model->MaxCutHeight)
                                : mediaHeight);
}

Reach reach(const Document& doc, const JobLayout& layout)
{
    // Copies are placed row by row up to the copy limit; the device repeats
    // a job placed by its registration marks, so only the first is cut.
    const qint64 limit = layout.usesMarks() || doc.usePassermarks() ? 1 : layout.copyLimit();
    const qint64 perRow = std::max(1, layout.columns());
    const qint64 columns = std::min(perRow, limit);
    const qint64 rows = std::max<qint64>(1, std::min<qint64>(layout.rows(), (limit + perRow - 1) / perRow));
    const double overcut = doc.overcut() ? std::max(0.0, doc.overcutDistance()) : 0.0;
    Reach r;
    r.across = layout.firstOriginX() + double(columns - 1) * layout.stepX() + layout.frameWidth()
        + overcut;
    r.along = layout.firstOriginY(doc.startOffset()) + double(rows - 1) * layout.stepY()
        + layout.frameLength() + overcut;
    return r;
}

int lengthToHold(const Document& doc)
{
    const JobLayout layout(doc);
    const double along = reach(doc, layout).along;
    // The first whole mm whose last unit lies beyond the farthest move.
    const double length = std::floor(std::max(0.0, along)) + 1.0;
    return length >= 2e9 ? 2000000000 : int(length);
}

qint64 minimumStreamBytes(const Document& doc)
{
    const PlotDataGenerator::Volume v = PlotDataGenerator::volume(doc);
    const double bytes = double(v.nodes) * MinBytesPerNode + double(v.objects) * MinBytesPerObject;
    return bytes >= 4e18 ? qint64(4e18) : qint64(bytes);
}

QString refusal(const Document& doc, const PlotterTemplate* model, bool allowClipping)
{
    const PlotDataGenerator::Volume volume = PlotDataGenerator::volume(doc);
    if (volume.nodes <= 0)
        return Text::tr("Die Zeichnung enthält nichts zu schneiden: keine Pfade in den zum Schneiden "
                  "gewählten Ebenen oder Farben.");
    const JobLayout layout(doc);
    if (!layout.plottable())
        return Text::tr("Die Zeichnung hat keine Fläche (%1 x %2 mm) und kann nicht geschnitten werden.")
            .arg(mm(doc.drawingWidth()), mm(doc.drawingHeight()));
    if (model) {
        const QString reason = modelRefusal(doc, *model);
        if (!reason.isEmpty())
            return reason;
    }
    if (!allowClipping) {
        const int w = doc.materialWidth(), h = doc.materialHeight();
        if (layout.exceedsMaterialWidth())
            return Text::tr("Der Auftrag ist %1 mm breit und liegt %2 mm vom rechten Rand: er passt nicht "
                      "auf das %3 mm breite Material.")
                .arg(mm(layout.totalWidth()), QString::number(doc.right()), QString::number(w));
        const Reach r = reach(doc, layout);
        if (limited(r.across, w))
            return Text::tr("Der Auftrag reicht quer bis %1 mm und würde am Rand des %2 mm breiten "
                      "Materials abgeschnitten.")
                .arg(mm(r.across), QString::number(w));
        if (limited(r.along, h))
            return Text::tr("Der Auftrag reicht bis %1 mm in Vorschubrichtung und würde am Ende des %2 mm "
                      "langen Materials abgeschnitten.")
                .arg(mm(r.along), QString::number(h));
    }
    const qint64 bytes = minimumStreamBytes(doc);
    if (bytes > MaxStreamBytes)
        return Text::tr("Der Auftrag ergäbe mindestens %1 MB Plotterdaten (%2 Objektausgaben); die Grenze "
                  "liegt bei %3 MB.")
            .arg(bytes >> 20)
            .arg(volume.objects)
            .arg(MaxStreamBytes >> 20);
    return QString();
}

} // namespace JobFit
