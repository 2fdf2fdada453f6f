#include "document/KCLayer.h"

#include "document/KCObject.h"

KCObject* KCLayer::appendObject()
{
    auto* o = new KCObject(this);
    m_objects.append(o);
    return o;
}
