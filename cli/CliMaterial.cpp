#include "cli/CliMaterial.h"

#include "document/Document.h"
#include "plot/JobFit.h"
#include "presets/KerfcraftPresets.h"
#include "presets/PlotterTemplate.h"

#include <QRegularExpression>
#include <QStringList>

namespace CliMaterial {

namespace {
// A model's range; a maximum of 0 means the model sets none.
int held(int value, int min, int max)
{
    if (max > 0 && value > max)
        return max;
    return value < min ? min : value;
}
} // namespace

bool parseSize(const QString& text, int& width, int& height)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,9})\\s*[xX×]\\s*(\\d{1,9})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    width = m.captured(1).toInt();
    height = m.captured(2).toInt();
    return width > 0 && height > 0;
}

PlotterTemplate* findModel(const KerfcraftPresets& presets, const QString& nameOrKey)
{
    const QString wanted = nameOrKey.trimmed();
    for (PlotterTemplate* t : presets.plotterTemplates())
        if (t->Name.compare(wanted, Qt::CaseInsensitive) == 0)
            return t;
    for (PlotterTemplate* t : presets.plotterTemplates())
        for (const QString& key : t->Keys)
            if (key.compare(wanted, Qt::CaseInsensitive) == 0)
                return t;
    return nullptr;
}

QString modelList(const KerfcraftPresets& presets)
{
    QStringList names;
    for (const PlotterTemplate* t : presets.plotterTemplates())
        names << (t->Keys.isEmpty() ? t->Name
                                    : QStringLiteral("%1 (%2)").arg(t->Name, t->Keys.first()));
    return names.join(QStringLiteral(", "));
}

void setBase(Document& doc, const PlotterTemplate* model, int mediaWidth, int mediaHeight,
             bool jobFile)
{
    if (mediaWidth > 0 && mediaHeight > 0)
        JobFit::setMaterialFromMedium(doc, model, mediaWidth, mediaHeight);
    else if (!jobFile && model && model->MaxCutWidth > 0)
        doc.setMaterialWidth(model->MaxCutWidth);
    if (model) {
        doc.setSpeed(held(doc.speed(), model->MinCutSpeed, model->MaxCutSpeed));
        doc.setPressure(held(doc.pressure(), model->MinCutForce, model->MaxCutForce));
    }
}

void holdJob(Document& doc, const PlotterTemplate* model)
{
    int length = JobFit::lengthToHold(doc);
    if (model)
        length = held(length, model->MinCutHeight, model->MaxCutHeight);
    doc.setMaterialHeight(length);
}

} // namespace CliMaterial
