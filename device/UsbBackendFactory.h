#pragma once

#include <QString>

#include <memory>

class Clock;
class UsbBackend;
struct VirtualPlotterModel;

// The USB bus the programs use. Normally the real one (libusb). With
// KERFCRAFT_VIRTUAL_PLOTTER set to "1" (or any value but "0"), a simulated
// bus that holds the virtual plotter alone, so demos and tests see exactly
// one plotter and never real hardware; a value other than "1" is the model
// name it reports. KERFCRAFT_VIRTUAL_PLOTTER_OUT names the file that gets
// what it received (and "<file>.png" the picture of the cut) each time it
// is closed.
std::shared_ptr<UsbBackend> createUsbBackend(Clock& clock);

// The virtual plotter's model for a KERFCRAFT_VIRTUAL_PLOTTER value.
VirtualPlotterModel virtualPlotterModel(const QString& setting);
// Whether that value asks for the virtual plotter.
bool virtualPlotterWanted(const QString& setting);
