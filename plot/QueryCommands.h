#pragma once

#include <QString>

// The plotter's questions and the plotter-only settings, as text (one byte
// per character, ESC written as \x1b). The plotter query sends them; their
// answers are read in device/PlotterAnswers.
namespace QueryCommands {

QString deviceQuestion();    // "\e.R4:": model and firmware
QString settingsQuestion();  // "\e.R1:": speed, force, offset, quality, plotter-only settings
QString mediaQuestion();     // "OH;": size of the loaded medium

// "\e.C1;20;b:": unroll the medium before cutting (b 1) or not (b 0).
QString unrollMediumSetting(bool on);
// "\e.C1;19;b:": edge smoothing on (b 1) or off (b 0).
QString edgeSmoothingSetting(bool on);

} // namespace QueryCommands
