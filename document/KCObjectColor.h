#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QUuid>

// One entry of the colour table. The QObject's objectName is the entry's
// second name ("Unbenannt" for imported colours).
class KCObjectColor : public QObject
{
    Q_OBJECT
public:
    explicit KCObjectColor(QObject* parent = nullptr)
        : QObject(parent), m_uid(QUuid::createUuid()) {}

    QUuid uid() const { return m_uid; }
    void setUid(const QUuid& u) { m_uid = u; }
    bool usedByMarks() const { return m_usedByMarks; }
    void setUsedByMarks(bool v) { m_usedByMarks = v; }
    QString name() const { return m_name; }
    void setName(const QString& n) { m_name = n; }
    QColor color() const { return m_color; }
    void setColor(const QColor& c) { m_color = c; }
    bool isCmyk() const { return m_isCmyk; }
    void setIsCmyk(bool v) { m_isCmyk = v; }
    bool cutEnabled() const { return m_cutEnabled; }
    void setCutEnabled(bool v) { m_cutEnabled = v; }

    // The small code number a colour carries on the registration-mark layer
    // and the extent filter looks at: black (0-255) of a CMYK entry, red of
    // an RGB one.
    int keyComponent() const { return m_isCmyk ? m_color.black() : m_color.red(); }

private:
    QUuid m_uid;
    QString m_name;
    QColor m_color;
    bool m_usedByMarks = false;
    bool m_isCmyk = false;
    bool m_cutEnabled = false;
};
