#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

Translations::Translations() = default;

Translations::~Translations()
{
    // One by one, so each uninstalls itself while the application still exists.
    m_toolkit.reset();
    while (!m_translators.empty())
        m_translators.erase(m_translators.begin());
}

void Translations::load(const QString& dir, bool install)
{
    const QStringList names = QDir(dir).entryList({QStringLiteral("Kerfcraft_*.qm")},
                                                  QDir::NoFilter, QDir::Unsorted);
    for (const QString& name : names) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(dir + QLatin1Char('/') + name) || !install)
            continue;
        QCoreApplication::installTranslator(translator.get());
        m_translators[name] = std::move(translator);
    }
}

QStringList Translations::fileNames() const
{
    QStringList names;
    for (const auto& entry : m_translators)
        names << entry.first;
    return names;
}

QTranslator* Translations::translator(const QString& fileName) const
{
    const auto it = m_translators.find(fileName);
    return it == m_translators.end() ? nullptr : it->second.get();
}

QString Translations::languageName(const QString& fileName)
{
    const int first = fileName.indexOf(QLatin1Char('_'));
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString code = fileName.mid(first + 1, dot > first ? dot - first - 1 : -1);
    return QLocale::languageToString(QLocale(code).language());
}

bool Translations::select(const QString& language)
{
    for (const auto& entry : m_translators) {
        if (languageName(entry.first) != language)
            continue;
        QCoreApplication::removeTranslator(entry.second.get());
        QCoreApplication::installTranslator(entry.second.get());
        selectToolkit(entry.first);
        return true;
    }
    return false;
}

void Translations::selectToolkit(const QString& fileName)
{
    // The toolkit's own texts (standard buttons, file dialogs) in the same
    // language, from the distribution's translations (qttranslations5-l10n).
    const int first = fileName.indexOf(QLatin1Char('_'));
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString code = fileName.mid(first + 1, dot > first ? dot - first - 1 : -1);
    m_toolkit.reset();
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_") + code,
                         QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        m_toolkit = std::move(translator);
    }
}

QString Translations::toolkitFileName() const
{
    return m_toolkit ? QFileInfo(m_toolkit->filePath()).fileName() : QString();
}
