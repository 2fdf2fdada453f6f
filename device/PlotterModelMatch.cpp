#include "device/PlotterModelMatch.h"

#include "presets/PlotterTemplate.h"

PlotterTemplate* matchPlotterModel(const QString& deviceText,
                                   const QList<PlotterTemplate*>& models)
{
    const QString trimmed = deviceText.trimmed();
    PlotterTemplate* byKey = nullptr;
    for (PlotterTemplate* model : models) {
        if (!model)
            continue;
        if (!model->Name.isEmpty() && trimmed.endsWith(model->Name))
            return model;
        if (byKey)
            continue;
        for (const QString& key : model->Keys) {
            if (!key.isEmpty() && deviceText.contains(key)) {
                byKey = model;
                break;
            }
        }
    }
    return byKey;
}
