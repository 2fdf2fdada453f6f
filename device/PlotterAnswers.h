#pragma once

#include <QString>

// What a plotter tells about itself when asked (device/Plotter.h).
struct PlotterConfiguration {
    QString deviceText;     // model as reported, "<field 1> / <field 2>"
    QString firmwareText;   // "<field 3> / <field 4> <field 5>"
    int speed = 0;
    int force = 0;
    int offset = 0;
    int quality = 0;
    bool edgeSmoothing = false;
    bool unrollMedium = false;
    int mediaType = 0;      // 0 roll, 1 sheet, 2 edge
    int mediaWidth = 0;     // mm, across the feed
    int mediaHeight = 0;    // mm, along the feed
};

// Reading the plotter's answers. Answers are recognised by their content,
// whatever question was asked last, so a late answer is still understood.
namespace PlotterAnswers {

enum class Result {
    Other,     // not this kind of answer
    TooShort,  // this kind, but too few fields; nothing taken
    Read,      // values taken into the configuration
};

// The answer as text: the bytes up to the first zero byte (at most size),
// without any "\r" and "\n", trimmed.
QString answerText(const char* bytes, int size);

// "OR4,..." ending in ";" with more than 5 fields: device and firmware text.
Result readDeviceAnswer(const QString& text, PlotterConfiguration& config);
// "OR1,..." ending in ";" with more than 7 fields: fields 1 to 7. A field
// that is no plain integer counts as 0.
Result readSettingsAnswer(const QString& text, PlotterConfiguration& config);
// "0,0,..." with exactly 4 fields: height from field 2, width from field 3,
// both in 1/40 mm, truncated to whole mm.
Result readMediaAnswer(const QString& text, PlotterConfiguration& config);

} // namespace PlotterAnswers
