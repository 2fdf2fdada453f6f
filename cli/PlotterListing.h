#pragma once

#include <QList>

class Plotter;
class PlotterTemplate;
class QTextStream;

// The plotter models kerfcraft-cli matches connected plotters against: those
// of the process-wide presets store (none when there is no store).
QList<PlotterTemplate*> cliPlotterModels();

// A plotter's place on the bus, model, reported device and firmware text,
// loaded medium and settings, one item a line.
void printPlotter(QTextStream& out, const Plotter& plotter, int number);
