#include "job/GroupText.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObjectColor.h"
#include "job/StatusDialog.h"

#include <QCoreApplication>

QString groupText(const Document& doc, int group)
{
    if (doc.selection() == Document::ColorSelection) {
        const KCObjectColor* colour = doc.colors().value(group, nullptr);
        QString values;
        QString name;
        if (colour) {
            name = colour->name();
            const QColor c = colour->color();
            values = colour->isCmyk()
                ? StatusDialog::tr("(CMYK %1, %2, %3, %4)").arg(c.cyan()).arg(c.magenta()).arg(c.yellow()).arg(c.black())
                : StatusDialog::tr("(RGB %1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
        }
        return StatusDialog::tr("Farbe %1: %2 %3").arg(group).arg(name, values);
    }
    const KCLayer* layer = doc.layers().value(group, nullptr);
    return StatusDialog::tr("Ebene %1: %2").arg(group).arg(layer ? layer->name() : QString());
}
