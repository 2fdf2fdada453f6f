#pragma once

#include <QSpinBox>

// The spin box of the cutting pressure: an arrow step moves by 5 g, and the
// range still clamps (998 up to a maximum of 1000 gives 1000). Other step
// counts (page keys) behave as in a plain spin box.
class KCSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit KCSpinBox(QWidget* parent = nullptr) : QSpinBox(parent) {}
    void stepBy(int steps) override;
};
