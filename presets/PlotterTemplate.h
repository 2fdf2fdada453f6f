#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Command dialect of a plotter model.
enum class ProtocolType { GPGL = 0, HPGL = 1 };

// A plotter model: USB identity, endpoints, dialect and limits.
class PlotterTemplate : public QObject
{
    Q_OBJECT
public:
    QString Manufacturer;
    QString Name;             // recognises a connected plotter by its reported model
    int VendorID = 0;
    int ProductID = 0;
    int PipeIn = 0;           // bulk IN endpoint address (e.g. 130 = 0x82)
    int PipeOut = 0;          // bulk OUT endpoint address
    ProtocolType Protocol = ProtocolType::GPGL;
    bool SupportsPassermarks = false;
    int MaxCutWidth = 0, MaxCutHeight = 0, MinCutWidth = 0, MinCutHeight = 0;
    int MaxMediaWidth = 0, MaxMediaHeight = 0, MinMediaWidth = 0, MinMediaHeight = 0;
    int MinMediaMargin = 0;
    int MaxCutSpeed = 0, MinCutSpeed = 0;
    int MaxCutForce = 0, MinCutForce = 0;
    int QualityDraft = 0, QualityFair = 0, QualityNormal = 0, QualityFine = 0,
        QualitySmallLetter = 0;
    QStringList Keys;         // further substrings that identify the model
};
