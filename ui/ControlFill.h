#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

// Setting a control from the document only where it differs, so a refill
// touches (and signals) nothing that already shows the value.
namespace ControlFill {

inline void put(QSpinBox* box, int v)
{
    if (box->value() != v)
        box->setValue(v);
}

inline void put(QDoubleSpinBox* box, double v)
{
    if (box->value() != v)
        box->setValue(v);
}

inline void put(QAbstractButton* box, bool on)
{
    if (box->isChecked() != on)
        box->setChecked(on);
}

// Indexes the combo does not have are left alone.
inline void put(QComboBox* box, int index)
{
    if (box->currentIndex() != index && index >= 0 && index < box->count())
        box->setCurrentIndex(index);
}

} // namespace ControlFill
