#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QTranslator;

// The translation files "Kerfcraft_*.qm" found beside the executable, each
// loaded into its own translator, keyed and ordered by file name. The main
// window offers them as user-interface languages. Owns the translators and
// deletes them (uninstalling them) when destroyed.
class Translations
{
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Loads every "Kerfcraft_*.qm" of dir in listing order. Only translators
    // that loaded are kept; with install they are also installed in the
    // application (later ones take precedence), without install nothing is
    // kept (registration-mark mode shows no translated texts).
    void load(const QString& dir, bool install);

    QStringList fileNames() const;                          // sorted
    QTranslator* translator(const QString& fileName) const; // null if absent

    // The language a translation file stands for, as the toolkit names it
    // ("Kerfcraft_en.qm" -> "English").
    static QString languageName(const QString& fileName);
    // Puts the translator of the file whose language name is `language` in
    // front of the others; false when none was loaded for it. Start-up
    // selects the saved "Language" setting this way (German by default),
    // since with every file installed the last one listed would win.
    // The toolkit's own translation of that language ("qtbase_de.qm" from
    // the system's Qt translations) replaces the one selected before.
    bool select(const QString& language);
    // The toolkit translation in use ("qtbase_de.qm"); empty when none.
    QString toolkitFileName() const;

private:
    void selectToolkit(const QString& fileName);

    std::map<QString, std::unique_ptr<QTranslator>> m_translators;
    std::unique_ptr<QTranslator> m_toolkit;
};
