#pragma once

#include <QMap>
#include <QObject>
#include <QString>

// A blade preset with its offset correction (mm).
class Blade : public QObject
{
    Q_OBJECT
public:
    QMap<QString, QString> Names; // language code -> name
    double OffsetCorrection = 0.0; // mm
    int ID = 0;
    QString Name;                  // in the current UI language
};
