#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QUuid>
#include <QVector>

class KCObjectColor;

// Finds colour-table entries by colour value or by uid without scanning the
// table for every object: a drawing of many objects asks once per object.
// The index is a snapshot; entries added to the table afterwards must be
// passed to add(), and indexed entries must not change colour or uid.
class ColorTableIndex
{
public:
    explicit ColorTableIndex(const QList<KCObjectColor*>& table);

    // The last entry (in table order) whose colour equals c (QColor ==, so
    // an RGB and a CMYK value never match), or null.
    KCObjectColor* lastWithColor(const QColor& c) const;
    // The last entry with this uid, or null.
    KCObjectColor* byUid(const QUuid& uid) const;

    // Registers an entry appended to the table after construction.
    void add(KCObjectColor* entry);

private:
    static quint64 colorKey(const QColor& c);

    QHash<quint64, QVector<KCObjectColor*>> m_byColor; // table order per key
    QHash<QUuid, KCObjectColor*> m_byUid;
};
