#pragma once

#include <QList>
#include <QObject>

#include <functional>

class Clock;
class Plotter;
class PlotterTemplate;
class USBDevice;
class USBDevices;
class UserMessages;

// The connected cutting plotters. Every device of vendor 0x0F0B that a scan
// adds becomes a Plotter: it is asked about itself at once, matched against
// the plotter models of the presets and announced by PlotterAdded, also
// when no model fits (then with id -1 and no name). A device that leaves
// takes its plotter out of the pool (PlotterRemoved); the Plotter stays
// alive as a child of the pool for whoever still holds it.
class Plotterpool : public QObject
{
    Q_OBJECT
public:
    static constexpr int VendorId = 0x0F0B;

    // The plotter models to match against, asked for at each new plotter so
    // that a reloaded presets list is seen.
    using ModelSource = std::function<QList<PlotterTemplate*>()>;

    // Connects itself to the registry's signals; create it before the first
    // scan.
    Plotterpool(USBDevices* devices, ModelSource models, Clock& clock, UserMessages& messages,
                QObject* parent = nullptr);

    int count() const { return m_plotters.size(); }
    QList<Plotter*> plotters() const { return m_plotters; }
    // The first plotter with this id, or null.
    Plotter* find(int id) const;
    bool isPlotter(USBDevice* device) const;

signals:
    void PlotterAdded(Plotter* plotter);
    void PlotterRemoved(Plotter* plotter);

public slots:
    void USBRawDeviceAdded(USBDevice* device);
    void USBRawDeviceRemoved(USBDevice* device);

private:
    ModelSource m_models;
    Clock& m_clock;
    UserMessages& m_messages;
    QList<Plotter*> m_plotters;
    int m_nextId = 1;  // never reset: a rescanned plotter comes back with a new id
};
