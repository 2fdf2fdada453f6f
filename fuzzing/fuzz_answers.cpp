// What a plotter answers to the three questions, as raw IN-transfer bytes.

#include "FuzzSupport.h"

#include "device/PlotterAnswers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = PlotterAnswers::answerText(reinterpret_cast<const char*>(data), int(size));
    PlotterConfiguration config;
    PlotterAnswers::readDeviceAnswer(text, config);
    PlotterAnswers::readSettingsAnswer(text, config);
    PlotterAnswers::readMediaAnswer(text, config);
    return 0;
}
