#pragma once

#include <QString>

class Document;
class KerfcraftPresets;
class PlotterTemplate;

// The material a command-line job is laid out on, and the plotter model it
// is held to: what the window takes from the device selection and from its
// input ranges, for a tool without a window.
namespace CliMaterial {

// "600x1000" (also "600X1000", "600×1000"): whole mm, both above 0.
bool parseSize(const QString& text, int& width, int& height);

// A model by its name or one of its keys ("SB60"), case-insensitively.
PlotterTemplate* findModel(const KerfcraftPresets& presets, const QString& nameOrKey);
// "Name (KEY), …" of every model, for a message.
QString modelList(const KerfcraftPresets& presets);

// The material before --set and --material-size: the plotter's loaded
// medium when there is one, held to the model's cut range as the window's
// inputs hold it; else a job file keeps its own; else a drawing gets the
// model's widest cut. Speed and force are held to the model's ranges.
void setBase(Document& doc, const PlotterTemplate* model, int mediaWidth, int mediaHeight,
             bool jobFile);

// A drawing on a roll of free length: the material becomes just long
// enough for every pen move, within the model's longest cut.
void holdJob(Document& doc, const PlotterTemplate* model);

} // namespace CliMaterial
