#pragma once

#include <QColor>
#include <QVector>

class Document;
class KCLayer;
class KCObject;

// Which objects a job cuts: never the registration-mark layer; by layers
// the enabled layers, by colours the objects whose colour is an enabled
// colour-table entry; with AISelectedObjects only objects marked selected.
// Any other selection value cuts nothing. The preview shows exactly these.
class CutSelection
{
public:
    explicit CutSelection(const Document& doc);

    bool cutsLayer(const KCLayer& layer) const;
    bool cutsObject(const KCLayer& layer, const KCObject& object) const;

private:
    bool m_byLayers = false, m_byColours = false, m_selectedOnly = false;
    QVector<QColor> m_enabledColours;
};
