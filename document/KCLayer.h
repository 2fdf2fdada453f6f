#pragma once

#include <QList>
#include <QObject>
#include <QString>

class KCObject;

// A layer of the drawing; owns its objects (Qt parent-child).
class KCLayer : public QObject
{
    Q_OBJECT
public:
    explicit KCLayer(QObject* parent = nullptr) : QObject(parent) {}

    QString name() const { return m_name; }
    void setName(const QString& n) { m_name = n; }
    bool cutEnabled() const { return m_cutEnabled; }
    void setCutEnabled(bool v) { m_cutEnabled = v; }

    const QList<KCObject*>& objects() const { return m_objects; }
    // Creates an object owned by this layer and appends it.
    KCObject* appendObject();

private:
    QList<KCObject*> m_objects;
    QString m_name;
    bool m_cutEnabled = false;
};
