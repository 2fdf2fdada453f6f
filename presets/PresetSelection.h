#pragma once

class Document;
class QSettings;

// The user's material and blade choice, kept across sessions in the
// application's settings under "SelectedMaterialID" and "SelectedBladeID".
namespace PresetSelection {

// Writes the ID of the selected material and of the selected blade; a key
// whose entry is not selected is left as it was.
void save(const Document& document, QSettings& settings);

// For each key present, selects the first entry of the document's list with
// that ID, or nothing when no entry has it; a missing key leaves that
// selection alone. Always ends with the document's DataChanged().
void restore(Document& document, const QSettings& settings);

} // namespace PresetSelection
