#pragma once

#include "presets/PresetsFile.h"

#include <QDialog>
#include <QString>

#include <memory>

class KerfcraftPresets;

namespace Ui {
class NewMaterialDialog;
}

// "Neues Material anlegen": name, speed (cm/s), pressure (g), passes and
// blade of a new material preset. The blade list comes from the presets
// store, German names in name order, each carrying its blade ID. The
// dialog does not validate (an empty name is accepted); the caller adds
// the material to the presets file when it was accepted.
class NewMaterialDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NewMaterialDialog(const KerfcraftPresets* presets, QWidget* parent = nullptr);
    ~NewMaterialDialog() override;

    // The values last read from the controls.
    QString name() const { return m_name; }
    int speed() const { return m_speed; }       // cm/s
    int pressure() const { return m_pressure; } // g
    int passes() const { return m_passes; }
    int bladeId() const { return m_bladeId; }   // -1 without blades
    // The same values as PresetsFile::addMaterial() takes them.
    MaterialParameters parameters() const;

private slots:
    void onValueChanged();

private:
    std::unique_ptr<Ui::NewMaterialDialog> ui;
    QString m_name;
    int m_speed = 0, m_pressure = 0, m_passes = 0, m_bladeId = -1;
};
