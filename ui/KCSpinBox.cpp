#include "ui/KCSpinBox.h"

void KCSpinBox::stepBy(int steps)
{
    if (steps == 1 || steps == -1)
        setValue(value() + 5 * steps);
    else
        QSpinBox::stepBy(steps);
}
