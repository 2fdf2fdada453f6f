#pragma once

#include <QList>
#include <QString>

class PlotterTemplate;

// Finds the plotter model for the text a plotter reports about itself, in
// the order of the presets: a model whose Name ends the trimmed text wins at
// once; otherwise the first model one of whose Keys occurs in the text
// (case-sensitive), unless a later model matches by name. Empty names and
// keys match nothing. Null when no model fits.
PlotterTemplate* matchPlotterModel(const QString& deviceText,
                                   const QList<PlotterTemplate*>& models);
