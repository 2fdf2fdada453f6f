#include "job/GroupText.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObjectColor.h"

#include <QCoreApplication>

namespace {
QString tr(const char* text) { return QCoreApplication::translate("StatusDialog", text); }
} // namespace

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
                ? tr("(CMYK %1, %2, %3, %4)").arg(c.cyan()).arg(c.magenta()).arg(c.yellow()).arg(c.black())
                : tr("(RGB %1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
        }
        return tr("Farbe %1: %2 %3").arg(group).arg(name, values);
    }
    const KCLayer* layer = doc.layers().value(group, nullptr);
    return tr("Ebene %1: %2").arg(group).arg(layer ? layer->name() : QString());
}
