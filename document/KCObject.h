#pragma once

#include "document/KCSubPath.h"

#include <QColor>
#include <QObject>
#include <QUuid>
#include <QVector>

// One drawing object: bounding box as delivered by the host (mm, not
// recomputed), colour, identity of its colour-table entry and its sub-paths.
class KCObject : public QObject
{
    Q_OBJECT
public:
    explicit KCObject(QObject* parent = nullptr) : QObject(parent) {}

    bool isSelected() const { return m_isSelected; }
    void setIsSelected(bool v) { m_isSelected = v; }

    double left() const { return m_left; }
    double top() const { return m_top; }
    double right() const { return m_right; }
    double bottom() const { return m_bottom; }
    void setLeft(double v) { m_left = v; }
    void setTop(double v) { m_top = v; }
    void setRight(double v) { m_right = v; }
    void setBottom(double v) { m_bottom = v; }

    // Invalid until set.
    QColor color() const { return m_color; }
    void setColor(const QColor& c) { m_color = c; }
    // Null until set; equal ids mean the same colour-table entry.
    QUuid colorUid() const { return m_colorUid; }
    void setColorUid(const QUuid& u) { m_colorUid = u; }

    const QVector<KCSubPath>& subPaths() const { return m_subPaths; }
    QVector<KCSubPath>& subPaths() { return m_subPaths; }

private:
    QVector<KCSubPath> m_subPaths;
    QColor m_color;
    QUuid m_colorUid;
    double m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
    bool m_isSelected = false;
};
