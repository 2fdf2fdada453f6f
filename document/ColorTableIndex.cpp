#include "document/ColorTableIndex.h"

#include "document/KCObjectColor.h"

ColorTableIndex::ColorTableIndex(const QList<KCObjectColor*>& table)
{
    m_byUid.reserve(table.size());
    for (KCObjectColor* c : table)
        add(c);
}

// Equal colours must give equal keys; unequal ones may share a key, the
// bucket is compared with QColor ==. HSL colours compare with a tolerance,
// so they all share one key.
quint64 ColorTableIndex::colorKey(const QColor& c)
{
    const quint64 model = quint64(c.spec()) << 60;
    if (c.spec() == QColor::Hsl)
        return model;
    const QRgba64 v = c.toRgb().rgba64();
    return model ^ (quint64(v.red()) << 40) ^ (quint64(v.green()) << 24) ^ (quint64(v.blue()) << 8)
        ^ (quint64(v.alpha()) >> 8);
}

void ColorTableIndex::add(KCObjectColor* entry)
{
    m_byColor[colorKey(entry->color())].append(entry);
    m_byUid.insert(entry->uid(), entry); // a later entry with the same uid wins
}

KCObjectColor* ColorTableIndex::lastWithColor(const QColor& c) const
{
    const auto it = m_byColor.constFind(colorKey(c));
    if (it == m_byColor.constEnd())
        return nullptr;
    for (int i = it->size() - 1; i >= 0; --i)
        if (it->at(i)->color() == c)
            return it->at(i);
    return nullptr;
}

KCObjectColor* ColorTableIndex::byUid(const QUuid& uid) const
{
    return m_byUid.value(uid, nullptr);
}
