#pragma once

#include <QList>

class Plotter;
class PlotterTemplate;
class QTextStream;

// The plotter models kerfcraft-cli matches connected plotters against: the
// presets store's models once the store is part of the program; until then
// none, and plotters are listed by the text they report.
QList<PlotterTemplate*> cliPlotterModels();

// A plotter's place on the bus, model, reported device and firmware text,
// loaded medium and settings, one item a line.
void printPlotter(QTextStream& out, const Plotter& plotter, int number);
