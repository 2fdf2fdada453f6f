#pragma once

#include "document/Document.h"

#include <QString>
#include <QVariant>
#include <QVector>

// The job settings by the names the job file gives them, one row per
// attribute in file order. The job-file writer and reader and the command
// line's --set all work from this table, so a setting is named, typed and
// bounded in one place.
namespace JobSettingsTable {

struct EnumName {
    const char* name;
    int value;
};

struct Row {
    enum Type { Int, Bool, Double, Uuid, Enum };

    const char* element;   // "Copies"
    const char* attribute; // "Count"
    Type type;
    // Enum: the names the file holds, the first one read for a missing
    // attribute; a name not in the list keeps the value, or, when
    // unknownIndex ≥ 0, reads as names[unknownIndex].
    QVector<EnumName> names;
    int unknownIndex;
    // Int and Double: the range the main window's control allows (for the
    // overcut length in mm, the control shows tenths).
    double min, max;
    // The value in the settings record (int for Int, Bool and Enum).
    QVariant (*get)(const Document::JobSettings&);
    void (*set)(Document::JobSettings&, const QVariant&);
    // The document's setter, with its layout rules.
    void (*apply)(Document&, const QVariant&);

    QString name() const; // "Copies.Count"
    QVariant defaultValue() const { return get(Document::JobSettings()); }
    bool hasRange() const { return type == Int || type == Double; }
    // The enum name of a value; empty when it has none.
    QString nameOf(int value) const;
    // The value of an enum name: false when the name is unknown and keeps
    // the value.
    bool valueOf(const QString& name, int& value) const;
};

const QVector<Row>& rows();
const Row* find(const QString& name); // by "Element.Attribute"; null if unknown

// Holds every ranged setting of s but those named in `except` to its
// control's range. Returns one line per value changed
// ("Copies.Count: 5000 → 1000").
QStringList clampToRanges(Document::JobSettings& s, const QStringList& except = {});

} // namespace JobSettingsTable
