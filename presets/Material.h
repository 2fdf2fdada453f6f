#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QUuid>

// A material preset: cutting parameters for one medium.
class Material : public QObject
{
    Q_OBJECT
public:
    QUuid UId;
    bool IsDefault = false;   // factory material; cannot be removed
    int Speed = 0;            // cm/s
    int Force = 0;            // g
    int Passages = 0;
    int Linetype = 0;
    int PatternLength = 0;
    int Blade = 0;            // ID of the blade to use
    int ID = 0;               // unique within the presets file
    QString Name;             // in the current UI language
    QMap<QString, QString> Names; // language code -> name
};
