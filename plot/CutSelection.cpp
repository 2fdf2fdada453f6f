#include "plot/CutSelection.h"

#include "document/Document.h"
#include "document/KCLayer.h"
#include "document/KCObject.h"
#include "document/KCObjectColor.h"

CutSelection::CutSelection(const Document& doc)
    : m_byLayers(doc.selection() == Document::LayerSelection),
      m_byColours(doc.selection() == Document::ColorSelection),
      m_selectedOnly(doc.selection2() == Document::AISelectedObjects)
{
    if (m_byColours)
        for (const KCObjectColor* c : doc.colors())
            if (c->cutEnabled())
                m_enabledColours.append(c->color());
}

bool CutSelection::cutsLayer(const KCLayer& layer) const
{
    if (layer.name() == Document::MarksLayerName)
        return false;
    return m_byLayers ? layer.cutEnabled() : m_byColours;
}

bool CutSelection::cutsObject(const KCLayer& layer, const KCObject& object) const
{
    if (!cutsLayer(layer) || (m_selectedOnly && !object.isSelected()))
        return false;
    return m_byLayers || m_enabledColours.contains(object.color());
}
